#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its corpus.
#   scripts/fuzz.sh [seconds per target] [--grow]
# Without --grow the committed corpus is only read; with it, the inputs that
# found new paths are merged into it, minimised.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
grow=${2:-}
# The folder of the preset "fuzz" (CMakePresets.json).
build=fuzz/clang-build
bash scripts/install-deps.sh --test

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

for target in ascii_import dmis_scan vda_import; do
    corpus=fuzz/corpus/$target
    found=$(mktemp -d)
    echo "== fuzz $target for ${seconds}s"
    log=$build/$target.log
    if ! nice "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -dict="fuzz/$target.dict" -artifact_prefix="$build/" \
        -print_final_stats=1 "$found" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target failed; the input is in $build/" >&2
        exit 1
    fi
    grep -E "^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))" "$log"
    if [ "$grow" = "--grow" ]; then
        merged=$(mktemp -d)
        "$build/fuzz/fuzz_$target" -merge=1 "$merged" "$corpus" "$found" 2>&1 | tail -n 1
        rm -rf "$corpus" && mv "$merged" "$corpus"
    fi
    rm -rf "$found"
done
