#!/usr/bin/env bash
# --help and --version of the three programs: each answers on standard output
# alone and exits 0, the monitor without a display; the version is the
# project's, and the help names the options.
# usage: check_help_version.sh <version> <monitor> <orvan-status> <orvan-sim> <orvan-settings>
set -u
version=$1 monitor=$2 status=$3 sim=$4 settings=$5
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# answers <program> <argument>: runs it with no display at all.
answers() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" "$2" >"$out" 2>"$err"
    local rc=$?
    [ "$rc" -eq 0 ] || fail "$(basename "$1") $2 exits $rc"
    [ -s "$err" ] && fail "$(basename "$1") $2 writes to standard error: $(head -3 "$err")"
    [ -s "$out" ] || fail "$(basename "$1") $2 prints nothing"
}

# mentions <program> <argument> <text>...: each text is in what it printed.
mentions() {
    local program=$1 argument=$2
    shift 2
    for text in "$@"; do
        grep -qe "$text" "$out" || fail "$(basename "$program") $argument does not mention $text"
    done
}

for flag in --version -V; do
    for program in "$status" "$sim" "$settings"; do
        answers "$program" "$flag"
        [ "$(cat "$out")" = "$(basename "$program") $version" ] ||
            fail "$(basename "$program") $flag prints '$(cat "$out")', not its version $version"
    done
done
for flag in --version -v; do
    answers "$monitor" "$flag"
    [ "$(cat "$out")" = "orvan-status-monitor $version" ] ||
        fail "the monitor's $flag prints '$(cat "$out")', not its version $version"
done

for flag in --help -h; do
    answers "$monitor" "$flag"
    mentions "$monitor" "$flag" '^ *-s ' '^ *-i ' '^ *-t ' --no-notifications --version
    answers "$status" "$flag"
    mentions "$status" "$flag" --printer --serve --version
    answers "$sim" "$flag"
    mentions "$sim" "$flag" 'usb|net' reset --version
    answers "$settings" "$flag"
    mentions "$settings" "$flag" save diff apply --printer --all --dry-run --yes
done

[ "$failures" -eq 0 ] && echo "--help and --version: all answered"
exit $((failures > 0))
