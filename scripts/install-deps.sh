#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Skips apt entirely when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make clang-format
    qt6-base-dev qt6-base-dev-tools
    # Qt's own German texts, for the file dialogs of the German window.
    qt6-translations-l10n
    dbus dbus-x11 fonts-dejavu-core fonts-dejavu-extra
    # The insertion benchmark's bare-bus floor talks to the bus through libdbus.
    libdbus-1-dev pkg-config
    # The workbook reader: LibreOffice Calc without its desktop parts (a
    # full Calc, which it would replace, does as well), and the SDK whose
    # cppumaker makes the office API headers at build time.
    "libreoffice-calc-nogui|libreoffice-calc" libreoffice-dev
)
if [ "${1:-}" = "--test" ]; then
    # The workbook tests run in the German locale too; clang-tidy checks the
    # code, shellcheck the scripts.
    packages+=(clang clang-tidy libclang-rt-14-dev locales shellcheck)
    # The Windows program and the Windows path: MinGW-w64, Qt's source package
    # built with it, Wine, and the display, keys and screenshots of the app check.
    packages+=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev zip wine64 fonts-wine
        xvfb xdotool xclip imagemagick python3-pefile)
fi

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# An entry "a|b" is met by either package; "a" is installed when neither is.
missing=()
for entry in "${packages[@]}"; do
    met=false
    IFS='|' read -r -a choices <<<"$entry"
    for p in "${choices[@]}"; do
        installed "$p" && met=true
    done
    $met || missing+=("${choices[0]}")
done
if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "${1:-}" = "--test" ] && ! locale -a | grep -qx 'de_DE.utf8'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
