#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own tree and runs each for FUZZ_SECONDS, one
# after the other in a single process each. Usage: fuzz/run.sh [build-dir] [target...]
# A crash, a sanitizer report or an input slower than FUZZ_TIMEOUT seconds fails the run;
# the input is left in <build-dir>/artifacts/ and the command to replay it is printed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(decimal_fuzz expression_fuzz options_fuzz keypad_fuzz)
seconds=${FUZZ_SECONDS:-60}
timeout_s=${FUZZ_TIMEOUT:-5}

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ not found (tools/install-deps.sh installs it)" >&2
    exit 1
fi
cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DORVANE_WERROR=ON >/dev/null
cmake --build "$build" -j "${JOBS:-2}" >/dev/null

mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
    work="$build/corpus/$target"  # new inputs go here, the seeds in the repository stay as they are
    mkdir -p "$work"
    dict=()
    [ -f "$root/fuzz/${target%_fuzz}.dict" ] && dict=(-dict="$root/fuzz/${target%_fuzz}.dict")
    echo "== $target for ${seconds}s"
    start=$(date +%s)
    if ! "$build/$target" "${dict[@]}" -max_total_time="$seconds" -timeout="$timeout_s" \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$work" "$root/fuzz/corpus/$target" >"$build/$target.log" 2>&1; then
        tail -n 40 "$build/$target.log"
        echo "fuzz: $target FAILED; replay with: $build/$target $build/artifacts/$target-*" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$target.log")
    cov=$(grep -o 'cov: [0-9]*' "$build/$target.log" | tail -n 1)
    echo "   ok: ${runs:-?} inputs, $cov, $(($(date +%s) - start))s"
done
