#!/usr/bin/env bash
# The Windows program end to end under Wine, used the way a user uses it: on Xvfb,
# in a fresh Wine prefix and Wine's virtual desktop, it starts the Windows stand-in
# and vandelor.exe from the deployed folder, clicks the window's controls at their
# laid-out places and types file names into the file dialog:
#   - imports a point file with IDs, one without ("ID Bezeichnung aus Programm"),
#     a DMIS file, a workbook (on Windows read through the Excel stand-in, on Linux
#     by LibreOffice), all as vector points with all five dimensions, and an edge
#     point file ("Kante"), and inserts each into the stand-in;
#   - the same clicks and files drive the Linux program against the stand-in on a
#     private session bus: after every insertion the two listings must be equal;
#   - with no host running, with no part program open, and with a host that
#     vanishes in the middle of an insertion, the message box says so (its text
#     read from the clipboard, where Ctrl+C in a message box puts it);
# keeps a screenshot of the window after every import and insertion in
# WINDOWS_BUILD_DIR/screenshots, and prints "N passed, M failed" last. Every
# process it started is stopped by its process id.
#
#   bash scripts/windows-app-check.sh [WINDOWS_BUILD_DIR] [LINUX_BUILD_DIR]
#                                     (defaults: build-windows, build)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/lib.sh
# Absolute, so that a folder given either way works from any directory.
windows_build=$(realpath -m "${1:-build-windows}")
linux_build=$(realpath -m "${2:-build}")
folder=$windows_build/vandelor
shots=$windows_build/screenshots
# Both programs on the display, both in German as on a German Windows: Wine
# takes its locale from LANG and LC_ALL, and so the window, its message boxes
# and Wine's own file dialog speak German and numbers have a decimal comma.
unset QT_QPA_PLATFORM
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8

need_packages xvfb xdotool xclip imagemagick fonts-wine wine64 dbus-x11 python3-pefile
[ -x "$folder/vandelor.exe" ] || bash scripts/build-windows.sh "$windows_build" || exit 1
{ [ -f "$linux_build/CMakeCache.txt" ] || cmake --preset normal -B "$linux_build" >/dev/null; } &&
    cmake --build "$linux_build" --target vandelor orvanto-standin window_layout -j"$(nproc)" \
        >/dev/null ||
    exit 1

out=$(mktemp -d /tmp/vandelor-app.XXXXXX)
rm -rf "$shots"
mkdir -p "$shots"
# ---- Processes: the display, the bus, the Linux programs and the Wine prefix
use_prefix "$out/prefix"
# The stand-in, built with the program, finds the MinGW runtime in the folder.
WINEPATH=$(windows_path "$folder")
export WINEPATH
started=()
stop_all() {
    stop_processes "${started[@]}"
    rm -rf "$out"
}
trap stop_all EXIT

# Xvfb picks a free display itself and writes its number once it takes clients.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 2100x1100x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
display=
read -r -t 20 -u "$display_fd" display
exec {display_fd}>&-
if [ -z "$display" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$display

# ---- The window's controls where the window's layout puts them: left top width
# height in pixels of the client area at 96 dpi, printed by the Linux window.
QT_QPA_PLATFORM=offscreen "$linux_build/tests/support/window_layout" >"$out/layout" 2>/dev/null
control() { sed -n "s/^$1 //p" "$out/layout"; }
window= # the main window's X window, and where its client area starts in it
left=0
top=0
dpi=96 # the screen's dots per inch
pixels() { echo $(($1 * dpi / 96)); }
click() { # click CONTROL: buttons in their middle, check boxes and options on their box
    local x y width height
    read -r x y width height <<<"$(control "$1")"
    if [[ $1 == cmd_* ]]; then x=$((x + width / 2)); else x=$((x + 7)); fi
    y=$((y + height / 2))
    xdotool mousemove --window "$window" $((left + $(pixels "$x"))) $((top + $(pixels "$y"))) \
        click 1
    sleep 0.5
}
# A search ends with an X error when a window it looks at vanishes meanwhile, as
# Wine's do while a program starts: it is tried again, not taken for "none".
found=
search_finds() { found=$(xdotool search --onlyvisible "$@" 2>/dev/null) && [ -n "$found" ]; }
find_window() { # find_window TITLE: the visible window of that title, waited for
    wait_for 60 search_finds --name "$1" && head -1 <<<"$found"
}
# Qt's dialog on Linux is titled "Öffnen"; Windows' own dialog, untitled under
# Wine, is a window of the program that was not there before the click.
program_windows() { wait_for 10 search_finds --classname '^vandelor\.exe$' && echo "$found"; }
windows_before=
dialog_open() {
    if [ "$platform" = windows ]; then
        local now
        now=$(program_windows) && grep -qvxF -e "$window" -e "$windows_before" <<<"$now"
    else
        xdotool search --onlyvisible --name '^Öffnen$' >/dev/null 2>&1
    fi
}
dialog_closed() { ! dialog_open; }
open_file() { # open_file BUTTON PATH: through the file dialog, the name typed
    windows_before=$(program_windows)
    [ -n "$windows_before" ] || windows_before=$window
    click "$1"
    wait_for 20 dialog_open || return 1
    sleep 1
    # The name box may hold the file chosen before: typed over.
    xdotool key ctrl+a
    xdotool type --delay 30 "$2"
    xdotool key Return
    wait_for 20 dialog_closed && sleep 1
}
listing_settled() { # listing_settled FILE: changed by the insertion, then still for a second
    local now
    now=$(cksum <"$1")
    if [ "$now" = "$before" ] || [ "$now" != "$last" ]; then
        last=$now
        still=0
        return 1
    fi
    still=$((still + 1))
    [ "$still" -ge 5 ]
}
insert() { # insert FILE: the insert button, until the stand-in's listing is still
    before=$(cksum <"$1")
    last=
    still=0
    click cmd_einfügen
    sleep 1
    wait_for 60 listing_settled "$1"
}
shot() { # shot NAME: the window with its title bar, into the screenshots folder
    [ "$platform" = windows ] || return 0
    import -display "$DISPLAY" -window "$window" "$shots/$1.png"
}
file_name() { # the example's name as the program on this platform sees it
    if [ "$platform" = windows ]; then windows_path "$files/$1"; else echo "$files/$1"; fi
}
# ours_running PATTERN: a process of that command line runs on this check's display
# (the programs' children inherit it), not one of the machine's other sessions.
ours_running() {
    local pid
    for pid in $(pgrep -f "$1"); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" &&
            return 0
    done
    return 1
}
spreadsheet_gone() { ! ours_running 'soffice|excel-standin'; }
open_workbook() { # open_workbook PATH: the Excel button, until the spreadsheet has quit
    open_file cmd_Excel "$1" && wait_for 60 spreadsheet_gone && sleep 1
}

# drive LISTING: the same clicks and files for both programs; after every
# insertion a copy of the listing goes to LISTING.STEP. Every import ends by
# putting the options back to their start, so the ID source is chosen before the
# import (for reading the file) and again before the insertion (for the IDs).
drive() {
    local listing=$1
    click CB2
    for box in cbX cbY cbZ cbV; do click "$box"; done
    open_file cmd_open "$(file_name vektorpunkte_mit_id.txt)" && shot 1-import-mit-id &&
        insert "$listing" && cp "$listing" "$listing.1-vector-with-ids" &&
        click Option10 &&
        open_file cmd_open "$(file_name vektorpunkte_ohne_id.txt)" && shot 2-import-ohne-id &&
        click Option10 && insert "$listing" && cp "$listing" "$listing.2-vector-without-ids" &&
        open_file cmd_DMIS "$(file_name punkte.dms)" && shot 3-import-dmis &&
        insert "$listing" && cp "$listing" "$listing.3-dmis" &&
        open_workbook "$(file_name punkte.xls)" && shot 4-import-excel &&
        insert "$listing" && cp "$listing" "$listing.4-workbook" &&
        open_file cmd_open "$(file_name kantenpunkte_mit_id.txt)" && shot 5-import-kante &&
        click Option12 && insert "$listing" && cp "$listing" "$listing.5-edge" &&
        shot 6-inserted
}

# ---- The example files, and the workbook's cells as the Excel stand-in serves them:
# from LibreOffice's tab-separated export beside it
files=$out/files
cp -r examples "$files"
soffice "-env:UserInstallation=file://$out/office" --headless --convert-to \
    'txt:Text - txt - csv (StarCalc):9,,76,1' --outdir "$out/export" "$files/punkte.xls" \
    >/dev/null 2>&1 && mv "$out/export/punkte.txt" "$files/punkte.xls.txt"
check "LibreOffice exports the example workbook" test -f "$files/punkte.xls.txt"

# ---- The Linux program against the stand-in on a private bus
echo "== the Linux program, driven on Xvfb"
platform=linux
eval "$(dbus-launch --sh-syntax)"
"$linux_build/standins/bus_host/orvanto-standin" --listing "$out/linux" >/dev/null 2>&1 &
linux_programs=("$DBUS_SESSION_BUS_PID" $!)
started+=("${linux_programs[@]}")
# Without a window manager every window opens at the top left: the stand-in's
# goes beside the program's.
standin_window=$(find_window '^ORVANTO stand-in$') && xdotool windowmove "$standin_window" 840 0
"$linux_build/src/app/vandelor" >/dev/null 2>&1 &
linux_programs+=($!)
started+=($!)
window=$(find_window '^Vandelor  V')
sleep 1
check "the Linux run completes" drive "$out/linux"
kill -TERM "${linux_programs[@]}" 2>/dev/null
# Their windows bear the same titles as the Windows programs': gone before those start.
linux_gone() { ! xdotool search --name '^(Vandelor  V|ORVANTO stand-in)' >/dev/null 2>&1; }
wait_for 20 linux_gone
started=("${started[0]}")

# ---- The Windows program under Wine
echo "== the Windows program under Wine, in a virtual desktop on Xvfb"
platform=windows
# Wide enough that the point view finds room beside the program's window,
# which Wine opens in the middle of the desktop.
on_desktop() { "$wine" explorer /desktop=vandelor,2000x1000 "$@" >/dev/null 2>&1 & }
new_prefix display
standin=$windows_build/standins/windows_host/orvanto-standin.exe
timeout 60 "$wine" "$standin" /register >/dev/null 2>&1
timeout 60 "$wine" "$windows_build/standins/excel/excel-standin.exe" /register >/dev/null 2>&1
start_windows() { # start_windows [LISTING STANDIN_OPTIONS...]: the stand-in, then the program
    if [ $# -gt 0 ]; then
        local listing=$1
        shift
        on_desktop "$(windows_path "$standin")" --listing "$(windows_path "$listing")" "$@"
        find_window '^ORVANTO stand-in$' >/dev/null || return 1
    fi
    # Started last, the program's window lies above the stand-in's.
    on_desktop "$(windows_path "$folder/vandelor.exe")"
    window=$(find_window '^Vandelor  V')
    [ -n "$window" ] || return 1
    # Wine draws the frame inside the window: borders alike left, right and
    # below, the title bar above the client area of 830 x 549 pixels at 96 dpi.
    local geometry width height
    geometry=$(xdotool getwindowgeometry --shell "$window") || return 1
    width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    left=$(((width - client_width) / 2))
    top=$((height - client_height - left))
    sleep 1
}
# The client area at 96 dpi, as the window's layout makes it.
read -r _ _ client_width client_height <<<"$(control frm_Steuerung)"
stop_windows() {
    timeout 30 "$wineserver" -k
    timeout 30 "$wineserver" -w
}
message_open() { xdotool search --onlyvisible --name '^Vandelor$' >/dev/null 2>&1; }
message_says() { # message_says SHOT TEXT: the message box after the insert button
    click cmd_einfügen
    wait_for 20 message_open || return 1
    sleep 0.5
    import -display "$DISPLAY" -window root "$shots/$1.png"
    xdotool key ctrl+c
    sleep 0.5
    xclip -o -selection clipboard | tee "$out/message" | grep -qF "$2"
}

point_view_shown() { # F3: the point view of the points in the table, kept as a picture
    xdotool key F3
    local view
    view=$(find_window '^Punktansicht') || return 1
    sleep 1
    import -display "$DISPLAY" -window "$view" "$shots/6-punktansicht.png"
    import -display "$DISPLAY" -window root "$shots/6-punktansicht-beside.png"
    xdotool getwindowname "$view" | grep -q '3 Punkte$' && beside "$window" "$view"
}
beside() { # beside WINDOW VIEW: the view's frame and the window's do not overlap
    local W_X W_Y W_WIDTH W_HEIGHT V_X V_Y V_WIDTH V_HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/W_&/p')"
    eval "$(xdotool getwindowgeometry --shell "$2" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/V_&/p')"
    echo "window ${W_WIDTH}x$W_HEIGHT at $W_X,$W_Y; point view ${V_WIDTH}x$V_HEIGHT at $V_X,$V_Y"
    [ $((V_X >= W_X + W_WIDTH || V_X + V_WIDTH <= W_X ||
        V_Y >= W_Y + W_HEIGHT || V_Y + V_HEIGHT <= W_Y)) = 1 ]
}
caption_shows_version() { # the window's caption and the executable's version agree
    local version
    version=$(/usr/bin/python3 scripts/exe_facts.py "$folder/vandelor.exe" | sed -n 's/^version //p')
    [ -n "$version" ] && xdotool getwindowname "$window" |
        grep -qx "Vandelor  V ${version%%.*}\.${version##*.}"
}
if start_windows "$out/windows"; then
    drive "$out/windows"
    for step in 1-vector-with-ids 2-vector-without-ids 3-dmis 4-workbook 5-edge; do
        check "$step: listing identical to the Linux stand-in's" \
            cmp "$out/linux.$step" "$out/windows.$step"
    done
    check "the window's caption shows the executable's version" caption_shows_version
    check "F3 shows the point view of the table's points beside the window" point_view_shown
else
    check "the program starts with its window" false
fi
stop_windows

start_windows
check "no host running: \"ORVANTO muss gestartet werden\"" \
    message_says 7-no-host "ORVANTO muss gestartet werden"
stop_windows

start_windows "$out/empty" --no-part-program
check "no part program open: \"Teileprogramm muss aktiv sein\"" \
    message_says 8-no-part-program "Teileprogramm muss aktiv sein"
stop_windows

# Three calls start the run, then each of the four points takes 19: the host goes
# in the middle of the second.
start_windows "$out/vanishing" --quit-after-calls 40
open_file cmd_open "$(file_name vektorpunkte_mit_id.txt)"
check "a host that vanishes mid-run: the end message says how many points did not arrive" \
    message_says 9-host-vanished "Punkten wurden nicht vollständig in ORVANTO übertragen"
stop_windows

# ---- At 150 % (144 dpi, as the prefix's LogPixels), from a copied folder whose
# path has umlauts and blanks: the window is 1.5 times its size, its controls
# in their places scaled alike.
check "the executable's version, manifest and icon" /usr/bin/python3 scripts/exe_facts.py \
    "$folder/vandelor.exe" --check
copied="$WINEPREFIX/drive_c/users/Jürgen Maß/Desktop/Vandelor"
mkdir -p "$(dirname "$copied")" && cp -r "$folder" "$copied"
timeout 60 "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
    >/dev/null 2>&1
stop_windows
dpi=144
client_width=$(((client_width * 3 + 1) / 2))
client_height=$(((client_height * 3 + 1) / 2))
folder=$copied
window_is_scaled() { # the client area within a pixel of 1.5 times its size at 96 dpi
    local geometry width height
    geometry=$(xdotool getwindowgeometry --shell "$window") || return 1
    width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    width=$((width - 2 * left - client_width))
    height=$((height - top - left - client_height))
    [ "${width#-}" -le 1 ] && [ "${height#-}" -le 1 ]
}
if start_windows; then
    import -display "$DISPLAY" -window "$window" "$shots/10-150-prozent.png"
    check "at 144 dpi the window is 1.5 times its size" window_is_scaled
    check "at 144 dpi the insert button sits at its scaled place" \
        message_says 11-150-prozent-no-host "ORVANTO muss gestartet werden"
else
    check "the copied program starts at 144 dpi" false
fi
stop_windows

echo "screenshots in $shots"
report
