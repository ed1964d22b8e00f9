#!/usr/bin/env bash
# The AppStream metainfo: valid without going to the network, launching the
# desktop entry that is installed, and its newest release the project's
# version.
# usage: check_metainfo.sh <metainfo file> <desktop entry file name> <version>
set -u
metainfo=$1 desktop=$2 version=$3
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses $(basename "$metainfo")"
grep -q "<launchable type=\"desktop-id\">$desktop</launchable>" "$metainfo" ||
    fail "it does not launch $desktop"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "its newest release is '$newest', not the version $version"

[ "$failures" -eq 0 ] && echo "metainfo: valid, release $version"
exit $((failures > 0))
