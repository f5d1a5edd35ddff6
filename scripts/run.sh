#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "vandelor: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)." >&2
    echo "vandelor: Bitte in einer grafischen Sitzung starten." >&2
    exit 1
fi
bash scripts/install-deps.sh
bash scripts/build.sh build
exec build/src/app/vandelor
