#!/usr/bin/env bash
# Runs clang-tidy (with the checks of .clang-tidy, every finding an error) over
# the product code built here: the window, points, insertion, the host layer
# without its Windows-only COM backend, and the stand-ins. Needs a build folder
# with compile_commands.json (default build/), since the generated headers
# must exist.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
jobs=$(nproc)
# The build's precompiled Qt headers are GCC's, which clang can't read, and so
# are its --param settings; tidy reads the headers each file includes itself,
# from a copy of the commands without either.
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
sed -e 's| -Winvalid-pch -include [^ ]*/cmake_pch\.hxx||' -e 's| --param=[^ ]*||g' \
    "$dir/compile_commands.json" >"$database/compile_commands.json"
git ls-files -- 'src/app/*.cpp' 'src/points/*.cpp' 'src/insert/*.cpp' 'src/host/*.cpp' \
    'standins/*.cpp' |
    grep -v '^src/host/com/' |
    while read -r file; do
        # Only what this platform compiles has a compile command.
        if grep -qF "\"file\": \"$PWD/$file\"" "$dir/compile_commands.json"; then
            echo "$file"
        fi
    done |
    xargs -r -P"$jobs" -n4 clang-tidy -p "$database" --quiet
