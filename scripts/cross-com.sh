#!/usr/bin/env bash
# Keeps the Windows COM backend building and right: cross-compiles it and its smoke
# program with Debian's MinGW-w64, warnings as errors, runs its check program under
# Wine, and checks its adapter to the layer against this machine's Qt headers.
set -euo pipefail
cd "$(dirname "$0")/.."

wine=/usr/lib/wine/wine64
if ! command -v x86_64-w64-mingw32-g++ >/dev/null || [ ! -x "$wine" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64 wine64 >/dev/null
fi

out=${1:-build-com}
mkdir -p "$out"
warnings=(-Wall -Wextra -Wpedantic -Werror)

# Compiles each source named and links them into the program $1.
windows_program() {
    local program=$1 objects=() source
    shift
    for source in "$@"; do
        x86_64-w64-mingw32-g++ -std=c++20 -O2 "${warnings[@]}" -Isrc/host/com \
            -c "$source" -o "$out/$(basename "$source" .cpp).o"
        objects+=("$out/$(basename "$source" .cpp).o")
    done
    x86_64-w64-mingw32-g++ -static -o "$out/$program" "${objects[@]}" \
        -lole32 -loleaut32 -luser32 -luuid
}

backend=(src/host/com/com_arguments.cpp src/host/com/com_errors.cpp src/host/com/com_host.cpp)
windows_program com_smoke.exe "${backend[@]}" src/host/com/com_smoke.cpp

# The backend's calls checked against a recording automation object, run under Wine.
windows_program com_dispatch_check.exe "${backend[@]}" tests/com/recording_dispatch.cpp \
    tests/com/com_dispatch_check.cpp
WINEPREFIX="$PWD/$out/wine" WINEDEBUG=-all "$wine" "$out/com_dispatch_check.exe" 2>/dev/null

# The adapter sees only the backend's plain C++ header, so it compiles here as well.
qt=$(qmake6 -query QT_INSTALL_HEADERS)
g++ -std=c++20 -fsyntax-only -fPIC "${warnings[@]}" \
    -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII -DQT_NO_KEYWORDS \
    -isystem "$qt" -isystem "$qt/QtCore" -Isrc/host -Isrc/host/com \
    src/host/com/com_host_automation.cpp

echo "COM backend checked; com_smoke.exe built in $out"
