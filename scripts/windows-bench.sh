#!/usr/bin/env bash
# The insertion run through COM, measured under Wine: the benchmarks built with
# the Windows program (bench/com_insertion_run.cpp, and com_run_answers.cpp for
# how long a slow host's run leaves the window unanswered) run from a copy of the
# deployed folder, in a fresh prefix without a display, against the Windows
# stand-in in another process, and prints its figures.
#
#   bash scripts/windows-bench.sh [WINDOWS_BUILD_DIR]     (default: build-windows)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/lib.sh
windows_build=${1:-build-windows}
need_packages wine64
[ -x "$windows_build/vandelor/vandelor.exe" ] || bash scripts/build-windows.sh "$windows_build" ||
    exit 1

out=$(mktemp -d /tmp/vandelor-bench.XXXXXX)
trap 'stop_processes; rm -rf "$out"' EXIT
use_prefix "$out/prefix"
new_prefix null
# Beside the program, the benchmark finds Qt, its plug-ins and the runtime.
cp -r "$windows_build/vandelor" "$out/folder"
cp "$windows_build/bench/bench_com_insertion_run.exe" \
    "$windows_build/bench/bench_com_run_answers.exe" \
    "$windows_build/standins/windows_host/orvanto-standin.exe" "$out/folder/"
standin=$(windows_path "$out/folder/orvanto-standin.exe")
timeout 600 "$wine" "$out/folder/bench_com_insertion_run.exe" "$standin" || exit 1
# One point with its dimension commands from a host that takes 400 ms a call.
timeout 300 "$wine" "$out/folder/bench_com_run_answers.exe" "$standin" 400 1
