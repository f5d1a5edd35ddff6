#!/usr/bin/env bash
# The Windows path, checked under Wine: cross-compiles the COM backend, its checks,
# the Windows stand-ins of the host and of Excel and the workbook reader's plain
# part with Debian's MinGW-w64 (warnings as errors), and then, in a fresh Wine
# prefix without a display:
#   - checks the COM backend against a recording automation object;
#   - starts the Windows stand-in, finds its window by class and activates it by
#     ProgID from a separate process;
#   - reads the example workbook through the Excel stand-in from a separate process
#     with the workbook reader's plain part: the cells equal LibreOffice's export,
#     the workbook is closed without saving and Excel quit; no Excel, a missing
#     workbook, an error value and an Excel that vanishes mid-read each fail as
#     they should, the last within seconds;
# and prints "N passed, M failed" last. Every Wine process it started is stopped
# by its process id. Insertion runs through the COM backend into the stand-in are
# checked by scripts/windows-app-check.sh, with the whole program.
#
#   bash scripts/windows-check.sh
set -uo pipefail
cd "$(dirname "$0")/.."

wine=/usr/lib/wine/wine64
if ! command -v x86_64-w64-mingw32-g++ >/dev/null || [ ! -x "$wine" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64 wine64 >/dev/null
fi

out=$(mktemp -d /tmp/vandelor-windows.XXXXXX)
passed=0
failed=0
check() { # check NAME COMMAND...: runs the command, counts and reports it
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

# ---- Cross-compile
echo "== cross-compiling with MinGW-w64"
flags="-std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -Isrc/host -Isrc/host/com"
flags+=" -Istandin/core -Istandin_win -Isrc/points -Isrc/points/workbook/excel"
mkdir -p "$out/objects"
object_of() { echo "$out/objects/$(echo "$1" | tr / _).o"; }
backend=(src/host/com/com_arguments.cpp src/host/com/com_errors.cpp src/host/com/com_host.cpp)
model=(standin/core/*.cpp)
standin=(standin_win/*.cpp)
excel_reader=(src/points/workbook/excel/excel_instance.cpp)
excel_standin=(standin_excel/*.cpp standin_win/class_factory.cpp standin_win/dispatch_object.cpp
    standin_win/registration.cpp standin_win/wide_text.cpp)
sources=("${backend[@]}" src/host/com/com_smoke.cpp tests/com/com_dispatch_check.cpp
    "${model[@]}" "${standin[@]}"
    "${excel_reader[@]}" tests/excel/read_workbook.cpp standin_excel/*.cpp)
link() { # link PROGRAM SOURCES...
    local program=$1 objects=() source
    shift
    for source in "$@"; do objects+=("$(object_of "$source")"); done
    x86_64-w64-mingw32-g++ -static -o "$out/$program" "${objects[@]}" \
        -lole32 -loleaut32 -luser32 -lgdi32 -luuid
}
built=true
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 1 sh -c \
    "x86_64-w64-mingw32-g++ $flags -c \"\$0\" -o \"$out/objects/\$(echo \"\$0\" | tr / _).o\"" ||
    built=false
if $built; then
    link com_smoke.exe "${backend[@]}" src/host/com/com_smoke.cpp &&
        link com_dispatch_check.exe "${backend[@]}" tests/com/com_dispatch_check.cpp &&
        link orvanto-standin.exe "${model[@]}" "${standin[@]}" &&
        link read_workbook.exe "${backend[@]}" "${excel_reader[@]}" tests/excel/read_workbook.cpp &&
        link excel-standin.exe "${excel_standin[@]}" || built=false
fi
check "everything compiles and links with warnings as errors" $built

if ! $built; then
    echo "$passed passed, $failed failed"
    exit 1
fi

# ---- Wine
export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Every process of this prefix, found by its environment.
prefix_processes() {
    local environ
    for environ in /proc/[0-9]*/environ; do
        if tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            environ=${environ#/proc/}
            echo "${environ%/environ}"
        fi
    done
}
stop_wine() {
    local pid
    for pid in $(prefix_processes); do kill -TERM "$pid" 2>/dev/null; done
    sleep 1
    for pid in $(prefix_processes); do kill -KILL "$pid" 2>/dev/null; done
    rm -rf "$out"
}
trap stop_wine EXIT
windows_path() { echo "Z:${1//\//\\}"; }
run_wine() { timeout 60 "$wine" "$@"; }

echo "== a fresh Wine prefix without a display"
run_wine wineboot -i >/dev/null 2>&1
# Windows without a display need the null graphics driver, read by the desktop
# process, which starts anew with the next program.
run_wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
timeout 30 /usr/lib/wine/wineserver -w

check "COM backend against a recording automation object" \
    run_wine "$out/com_dispatch_check.exe"
check "the stand-in registers the host's ProgID" run_wine "$out/orvanto-standin.exe" /register

standin_pid=
start_standin() { # start_standin LISTING OPTIONS...: waits until its listing is there
    local listing=$1
    shift
    rm -f "$listing"
    "$wine" "$out/orvanto-standin.exe" --listing "$(windows_path "$listing")" "$@" &
    standin_pid=$!
    disown
    for _ in $(seq 100); do [ -f "$listing" ] && return 0; sleep 0.1; done
    return 1
}
wait_standin_gone() {
    for _ in $(seq 100); do kill -0 "$standin_pid" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}
smoke_finds() { # smoke_finds TEXT: the smoke program's output holds TEXT
    run_wine "$out/com_smoke.exe" | tee "$out/smoke.txt" | grep -qF "$1" || {
        cat "$out/smoke.txt"
        return 1
    }
}

echo "== presence and activation from a separate process"
start_standin "$out/standin.windows"
check "window found by class, application activated by ProgID" \
    smoke_finds 'Part program "Teil1" holds 1 commands.'
kill -KILL "$standin_pid"
wait_standin_gone

echo "== workbooks read through the Excel stand-in"
# The example and its tab-separated export, which the stand-in serves beside it.
workbook=$out/punkte.xls
cp examples/punkte.xls "$workbook"
exported=false
soffice "-env:UserInstallation=file://$out/office" --headless --convert-to \
    'txt:Text - txt - csv (StarCalc):9,,76,1' --outdir "$out/export" "$workbook" >/dev/null 2>&1 &&
    mv "$out/export/punkte.txt" "$workbook.txt" && exported=true
check "LibreOffice exports the example workbook" $exported
excel_log=$out/excel.log
read_workbook() { # read_workbook FILE [--visible]: the cells or the failure
    run_wine "$out/read_workbook.exe" "$(windows_path "$1")" "${@:2}" 2>/dev/null | tr -d '\r'
}
read_fails() { # read_fails KIND FILE: the read ends failing as KIND
    local said
    said=$(read_workbook "$2")
    [ "$(tail -n 1 <<<"$said")" = "failed: $1" ] || { echo "$said"; return 1; }
}
register_excel() { # register_excel OPTIONS...: the stand-in as Excel, with a fresh log
    rm -f "$excel_log"
    run_wine "$out/excel-standin.exe" /register --log "$(windows_path "$excel_log")" "$@"
}
check "no Excel registered: not installed" read_fails NotInstalled "$workbook"
check "the Excel stand-in registers Excel's ProgID" register_excel
read_workbook "$workbook" --visible >"$out/read.txt"
check "the cells read through COM equal LibreOffice's export" \
    cmp <(sed 's/\t*$//' "$workbook.txt") "$out/read.txt"
printf '%s locale 1033\n' 'Visible true' "Open $(windows_path "$workbook")" \
    'Close SaveChanges false' Quit >"$out/excel.expected"
check "shown, opened, closed without saving and quit, for English (United States)" \
    cmp "$out/excel.expected" <(grep -v '^Start' "$excel_log")
check "a missing workbook can't be opened" read_fails CannotOpen "$out/missing.xls"
check "every read has an Excel of its own" \
    test "$(grep '^Start' "$excel_log" | sort -u | wc -l)" -eq 2
register_excel --error-cell 2,3
check "an error value in a cell is told" read_fails ErrorValue "$workbook"
# It vanishes on the sixth call, the one that asks for the values of the cells.
register_excel --vanish-after-calls 5
started=$(date +%s%N)
check "an Excel that vanishes mid-read is not answering" read_fails NotAnswering "$workbook"
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
echo "the read failed after $elapsed_ms ms, Wine's start included"
check "which is known in under 5 s" test "$elapsed_ms" -lt 5000

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
