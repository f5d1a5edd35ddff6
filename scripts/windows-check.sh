#!/usr/bin/env bash
# The Windows path, checked under Wine: cross-compiles the plain C++ parts (the COM
# client and its checks, the Windows stand-ins of the host and of Excel and the
# workbook reader's Excel part) with the preset "windows-plain" (Debian's
# MinGW-w64, -DVANDELOR_PLAIN_WINDOWS=ON, warnings as errors), and then, in a
# fresh Wine prefix without a display:
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
#   bash scripts/windows-check.sh [BUILD_DIR]     (default: build-windows-plain)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/lib.sh
build=${1:-build-windows-plain}
need_packages g++-mingw-w64-x86-64-posix cmake ninja-build wine64

# ---- Cross-compile
echo "== cross-compiling with MinGW-w64"
built=false
cmake --preset windows-plain -B "$build" >/dev/null &&
    cmake --build "$build" -j"$(nproc)" >"$build/build.log" 2>&1 && built=true
$built || tail -40 "$build/build.log"
check "everything compiles and links with warnings as errors" $built
$built || { report; exit 1; }
com_smoke=$build/src/host/com/com_smoke.exe
com_dispatch_check=$build/tests/wine/com_dispatch_check.exe
read_workbook_exe=$build/tests/wine/read_workbook.exe
standin_exe=$build/standins/windows_host/orvanto-standin.exe
excel_standin=$build/standins/excel/excel-standin.exe

# ---- Wine
out=$(mktemp -d /tmp/vandelor-windows.XXXXXX)
trap 'stop_processes; rm -rf "$out"' EXIT
use_prefix "$out/prefix"
run_wine() { timeout 60 "$wine" "$@"; }

echo "== a fresh Wine prefix without a display"
new_prefix null

check "COM backend against a recording automation object" run_wine "$com_dispatch_check"
check "the stand-in registers the host's ProgID" run_wine "$standin_exe" /register

standin_pid=
start_standin() { # start_standin LISTING OPTIONS...: waits until its listing is there
    local listing=$1
    shift
    rm -f "$listing"
    "$wine" "$standin_exe" --listing "$(windows_path "$listing")" "$@" &
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
    run_wine "$com_smoke" | tee "$out/smoke.txt" | grep -qF "$1" || {
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
    run_wine "$read_workbook_exe" "$(windows_path "$1")" "${@:2}" 2>/dev/null | tr -d '\r'
}
read_fails() { # read_fails KIND FILE: the read ends failing as KIND
    local said
    said=$(read_workbook "$2")
    [ "$(tail -n 1 <<<"$said")" = "failed: $1" ] || { echo "$said"; return 1; }
}
register_excel() { # register_excel OPTIONS...: the stand-in as Excel, with a fresh log
    rm -f "$excel_log"
    run_wine "$excel_standin" /register --log "$(windows_path "$excel_log")" "$@"
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

report
