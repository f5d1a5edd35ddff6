# shellcheck shell=bash
# Helpers the check scripts share; sourced, never run.

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# need_packages PACKAGE...: installs those of Debian's packages that are missing.
need_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    fi
}

# check NAME COMMAND...: runs the command, counts and reports it; report prints
# the counts last and fails when a check failed.
passed=0
failed=0
check() {
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok    $name"
    else
        failed=$((failed + 1))
        echo "FAIL  $name"
    fi
}
report() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# wait_for SECONDS COMMAND...: until the command succeeds, or fails after SECONDS.
wait_for() {
    local tries=$(($1 * 5))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.2
    done
}

# windows_path PATH: the path as Wine's programs see it.
windows_path() { echo "Z:${1//\//\\}"; }

# use_prefix FOLDER: a Wine prefix of its own there, without Wine's .NET and
# browser installers and without Wine's own messages.
use_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# new_prefix [null|display]: sets the prefix up; with null, its windows go to no display
# (read by Wine's desktop process, which starts anew with the next program).
new_prefix() {
    timeout 60 "$wine" wineboot -i >/dev/null 2>&1
    if [ "${1:-}" = null ]; then
        timeout 60 "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
            >/dev/null 2>&1
    fi
    timeout 30 "$wineserver" -w
}

# Every process of the prefix, found by its environment.
prefix_processes() {
    local environ
    for environ in /proc/[0-9]*/environ; do
        if tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            environ=${environ#/proc/}
            echo "${environ%/environ}"
        fi
    done
}

# stop_processes PID...: the prefix's processes and those given, asked to end,
# then killed.
stop_processes() {
    local pid
    for pid in $(prefix_processes) "$@"; do kill -TERM "$pid" 2>/dev/null; done
    sleep 1
    for pid in $(prefix_processes) "$@"; do kill -KILL "$pid" 2>/dev/null; done
}
