#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Skips apt entirely when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make clang-format
    qt6-base-dev qt6-base-dev-tools
    dbus dbus-x11 fonts-dejavu-core fonts-dejavu-extra
)
if [ "${1:-}" = "--test" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
