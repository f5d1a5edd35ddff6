#!/usr/bin/env bash
# Configures with the preset "normal" (CMakePresets.json) and builds into the
# given folder; further arguments go to cmake and override the preset's.
#   bash scripts/build.sh [DIR] [CMAKE_ARGUMENTS...]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake --preset normal -B "$dir" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
