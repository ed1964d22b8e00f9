#!/usr/bin/env bash
# Runs the monitor window and `orvan-status --serve` side by side on the
# stand-in libraries for SOAK_SECONDS (default 3600), scrapes the server ten
# times a second, and flips the printers between an error, clear, unplugged and
# back every few seconds. Prints each program's resident memory and open
# descriptors after the warm-up (SOAK_WARMUP, default 60 s) and at the end, and
# fails when either grew by more than SOAK_MAX_GROWTH_KB (default 1024).
# SOAK_SAMPLE_SECONDS prints the memory every so often on the way.
# usage: soak.sh <program folder>
set -u
bindir=$(cd "${1:?usage: soak.sh <program folder>}" && pwd)
seconds=${SOAK_SECONDS:-3600}
warmup=${SOAK_WARMUP:-60}
max_growth_kb=${SOAK_MAX_GROWTH_KB:-1024}
flip_seconds=${SOAK_FLIP_SECONDS:-3}
for n in "$seconds" "$warmup" "$max_growth_kb" "$flip_seconds"; do
    case $n in '' | *[!0-9]*) echo "soak: numbers only, got '$n'" >&2; exit 2 ;; esac
done
[ "$seconds" -gt "$warmup" ] || { echo "soak: SOAK_SECONDS must exceed SOAK_WARMUP" >&2; exit 2; }

# A world of its own: a copy of the programs (the monitor keeps its
# configuration beside itself), a control file, and a runtime folder for each
# program, so that neither finds the other's lock and both ask the printers.
work=$(mktemp -d /tmp/orvan-soak-XXXXXX)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM
mkdir -p "$work/bin" "$work/monitor-run" "$work/serve-run"
chmod 700 "$work/monitor-run" "$work/serve-run"
cp "$bindir"/OrvanStatusMonitor "$bindir"/orvan-status "$bindir"/orvan-sim "$bindir"/lib*.so \
    "$bindir"/*.gif "$bindir"/*.png "$work/bin/"
export ORVAN_SIM_CONTROL="$work/sim.ctl" ORVAN_SYSTEM_LIBDIR="$work/bin"
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
unset ORVAN_SIM_CALL_LOG
sim() { "$work/bin/orvan-sim" "$@" || echo "soak: orvan-sim $* failed" >&2; }
sim reset

# The monitor on the display there is, else on a virtual one.
display=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "soak: no display and no xvfb-run" >&2; exit 2; }
    display=(xvfb-run -a)
fi
(cd "$work/bin" && XDG_RUNTIME_DIR="$work/monitor-run" exec "${display[@]}" \
    sh -c 'echo $$ > "$0"; exec ./OrvanStatusMonitor' "$work/monitor.pid") \
    >"$work/monitor.log" 2>&1 &
pids+=($!)
(cd "$work/bin" && XDG_RUNTIME_DIR="$work/serve-run" exec ./orvan-status --all \
    --serve 127.0.0.1:0 --interval 2) >"$work/serve.log" 2>&1 &
serve_pid=$!
pids+=("$serve_pid")

# Both up within ten seconds, or nothing to measure.
url=
for _ in $(seq 100); do
    [ -z "$url" ] && url=$(sed -n 's|^listening on \(http://[^ ]*\).*|\1|p' "$work/serve.log")
    [ -n "$url" ] && [ -s "$work/monitor.pid" ] && break
    sleep 0.1
done
[ -n "$url" ] || { echo "soak: orvan-status did not listen:" >&2; cat "$work/serve.log" >&2; exit 1; }
[ -s "$work/monitor.pid" ] || { echo "soak: the monitor did not start:" >&2; cat "$work/monitor.log" >&2; exit 1; }
monitor_pid=$(cat "$work/monitor.pid")
pids+=("$monitor_pid")

# rss_kb <pid>, fds <pid>: what the process holds now.
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null; }
fds() { ls "/proc/$1/fd" 2>/dev/null | wc -l; }
alive() { kill -0 "$1" 2>/dev/null; }

# Ten scrapes a second, each given at most two seconds.
(
    while :; do
        if curl -s -o /dev/null --max-time 2 "$url"; then
            echo >>"$work/scrapes"
        else
            echo >>"$work/scrape-failures"
        fi
        sleep 0.1
    done
) &
pids+=($!)

# The printers change every few seconds: error, clear, unplugged, back.
(
    steps=("error -0x0102D000" "error 0" "remove" "attach" "print 10" "laminator-error 0x5A"
        "laminator-error 0")
    k=0
    while :; do
        for printer in "usb 0" "net 0"; do
            # shellcheck disable=SC2086
            sim $printer ${steps[k % ${#steps[@]}]}
        done
        k=$((k + 1))
        sleep "$flip_seconds"
    done
) &
pids+=($!)

report() {
    printf '%-8s %-22s RSS %6s kB  descriptors %4s\n' "$1" "$2" "$(rss_kb "$3")" "$(fds "$3")"
}
echo "soak: ${seconds}s, figures after ${warmup}s and at the end ($work)"
sleep "$warmup"
for pid in "$monitor_pid" "$serve_pid"; do
    alive "$pid" || { echo "soak: a program ended during the warm-up" >&2; cat "$work"/*.log >&2; exit 1; }
done
start_monitor=$(rss_kb "$monitor_pid") start_serve=$(rss_kb "$serve_pid")
start_monitor_fds=$(fds "$monitor_pid") start_serve_fds=$(fds "$serve_pid")
report start monitor "$monitor_pid"
report start "orvan-status --serve" "$serve_pid"
# With SOAK_SAMPLE_SECONDS, the figures on the way too, to tell a leak (a
# steady climb) from a warm-up that settles.
sample=${SOAK_SAMPLE_SECONDS:-0}
case $sample in '' | *[!0-9]*) sample=0 ;; esac
left=$((seconds - warmup))
while [ "$sample" -gt 0 ] && [ "$left" -gt "$sample" ]; do
    sleep "$sample"
    left=$((left - sample))
    echo "$((seconds - left))s: monitor RSS $(rss_kb "$monitor_pid") kB," \
        "orvan-status RSS $(rss_kb "$serve_pid") kB"
done
sleep "$left"

status=0
for pid in "$monitor_pid" "$serve_pid"; do
    alive "$pid" || { echo "soak: a program ended early" >&2; cat "$work"/*.log >&2; exit 1; }
done
report end monitor "$monitor_pid"
report end "orvan-status --serve" "$serve_pid"
count() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }
echo "scrapes: $(count "$work/scrapes") answered, $(count "$work/scrape-failures") failed"
echo "printers as served now:"
curl -s --max-time 2 "$url" | grep -E '^orvan_printer_up' | sed 's/^/  /'
[ -s "$ORVAN_SIM_CONTROL.state" ] || { echo "FAIL: the stand-ins kept no shared state" >&2; status=1; }
check() {  # check <name> <start kB> <end kB> <start fds> <end fds>
    local growth=$(($3 - $2))
    echo "$1: RSS grew $growth kB, descriptors $4 -> $5"
    if [ "$growth" -gt "$max_growth_kb" ]; then
        echo "FAIL: $1 grew more than $max_growth_kb kB" >&2
        status=1
    fi
    if [ "$5" -gt "$4" ]; then
        echo "FAIL: $1 holds more descriptors than at the start" >&2
        status=1
    fi
}
check monitor "$start_monitor" "$(rss_kb "$monitor_pid")" "$start_monitor_fds" "$(fds "$monitor_pid")"
check "orvan-status --serve" "$start_serve" "$(rss_kb "$serve_pid")" "$start_serve_fds" \
    "$(fds "$serve_pid")"
exit "$status"
