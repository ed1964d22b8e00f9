#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a few seconds.
set -eu
build=${1:-build}
[ -d tests/fuzz ] && ls tests/fuzz/*.cpp >/dev/null 2>&1 || exit 0
fuzzbuild="$build/fuzz"
cmake -S tests/fuzz -B "$fuzzbuild" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build "$fuzzbuild" -j "$(nproc)"
for f in "$fuzzbuild"/fuzz_*; do
    [ -x "$f" ] || continue
    echo "fuzzing $(basename "$f") for ${FUZZ_SECONDS:-5} s"
    "$f" -max_total_time="${FUZZ_SECONDS:-5}" -print_final_stats=0 >"$f.log" 2>&1 || { tail -40 "$f.log"; exit 1; }
done
