#!/usr/bin/env bash
# Sets up, builds and starts the program. Unless a host already answers on the
# session bus, the ORVANTO stand-in starts beside it with an open part
# program, so that points can be inserted at once.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "vandelor: Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)." >&2
    echo "vandelor: Das Programm ist gebaut; bitte in einer grafischen Sitzung starten." >&2
    exit 1
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    # No session bus of the desktop: give the program and the stand-in one of their own.
    exec dbus-run-session -- bash "$0"
fi

host_on_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:com.brennicot.ORVANTO 2>/dev/null |
        grep -q "boolean true"
}

standin=""
if ! host_on_bus; then
    build/standins/bus_host/orvanto-standin &
    standin=$!
    trap 'kill "$standin" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do host_on_bus && break; sleep 0.1; done
fi
build/src/app/vandelor
