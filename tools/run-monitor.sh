#!/usr/bin/env bash
# Opens the monitor from the build's program folder, where the stand-in port
# libraries and the pictures live beside it.
set -eu
bindir=$(cd "$1" && pwd); shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: the monitor needs one. Run it under a virtual display, e.g." >&2
    echo "  xvfb-run -a make run" >&2
    exit 1
fi
cd "$bindir"
export ORVAN_SYSTEM_LIBDIR="$bindir"
exec ./OrvanStatusMonitor "$@"
