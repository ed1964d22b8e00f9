#!/usr/bin/env bash
# The manual pages as built: each is formatted by man at 80 columns without
# an error or a warning, and has the sections a reader looks for.
# usage: check_man_pages.sh <page>...
set -u
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
err=$(mktemp) text=$(mktemp)
trap 'rm -f "$err" "$text"' EXIT

for page in "$@"; do
    name=$(basename "$page")
    [ -s "$page" ] || { fail "$name is missing or empty"; continue; }
    MANWIDTH=80 man --warnings -l "$page" >/dev/null 2>"$err" || fail "man cannot format $name"
    [ -s "$err" ] && fail "$name: $(head -5 "$err")"
    MANWIDTH=80 man -l "$page" >"$text" 2>/dev/null  # plain text: not a terminal
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS" "SEE ALSO"; do
        grep -qx "$section" "$text" || fail "$name has no $section section"
    done
done

[ "$failures" -eq 0 ] && echo "manual pages: $# formatted without warnings"
exit $((failures > 0))
