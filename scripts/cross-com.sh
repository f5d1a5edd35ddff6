#!/usr/bin/env bash
# Keeps the Windows COM backend building: cross-compiles it and its smoke program
# with Debian's MinGW-w64, warnings as errors, and checks its adapter to the layer
# against this machine's Qt headers.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64
fi

out=${1:-build-com}
mkdir -p "$out"
warnings=(-Wall -Wextra -Wpedantic -Werror)

objects=()
for name in com_arguments com_errors com_host com_smoke; do
    x86_64-w64-mingw32-g++ -std=c++20 -O2 "${warnings[@]}" -Isrc/host/com \
        -c "src/host/com/$name.cpp" -o "$out/$name.o"
    objects+=("$out/$name.o")
done
x86_64-w64-mingw32-g++ -static -o "$out/com_smoke.exe" "${objects[@]}" \
    -lole32 -loleaut32 -luser32 -luuid

# The adapter sees only the backend's plain C++ header, so it compiles here as well.
qt=$(qmake6 -query QT_INSTALL_HEADERS)
g++ -std=c++20 -fsyntax-only -fPIC "${warnings[@]}" \
    -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII -DQT_NO_KEYWORDS \
    -isystem "$qt" -isystem "$qt/QtCore" -Isrc/host -Isrc/host/com \
    src/host/com/com_host_automation.cpp

echo "COM backend and com_smoke.exe built in $out"
