#!/usr/bin/env bash
# Sets up and runs every check: the format of the code and the scripts, a normal
# build with clang-tidy and its tests, the Windows path and the whole Windows
# program under Wine, a build with AddressSanitizer and UndefinedBehaviorSanitizer
# with its tests, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test

echo "== clang-format"
bash scripts/check-format.sh
echo "== shellcheck"
shellcheck -x scripts/*.sh

export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8

echo "== build"
bash scripts/build.sh build
echo "== clang-tidy"
bash scripts/tidy.sh build
echo "== tests"
dbus-run-session -- ctest --test-dir build --output-on-failure
bash scripts/test-ratio.sh

echo "== the Windows path: COM backend and Windows stand-in under Wine"
bash scripts/windows-check.sh

echo "== the whole Windows program: built with MinGW-w64, run under Wine"
bash scripts/build-windows.sh build-windows
bash scripts/windows-app-check.sh build-windows build
echo "== the insertion run through COM, measured under Wine"
bash scripts/windows-bench.sh build-windows

echo "== build with sanitizers"
bash scripts/build.sh build-asan -DVANDELOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
echo "== tests with sanitizers"
UBSAN_OPTIONS=print_stacktrace=1 \
    dbus-run-session -- ctest --test-dir build-asan --output-on-failure

echo "== fuzz targets, 30 seconds each on their corpus"
bash scripts/fuzz.sh 30
