#!/usr/bin/env bash
# Checks that the tests catch deliberate faults. Builds the commit (default
# HEAD) once in a throwaway worktree, checks that the tests named below pass
# there, then puts in one fault at a time, rebuilds only the targets of its
# tests, runs them and takes the fault out again. Prints a table of which test
# caught each fault; fails when a fault is missed or its place is not found.
#
#   bash scripts/fault-table.sh [COMMIT]
#
# The worktree is /tmp/vandelor-fault-table, its build in build/ inside it;
# FAULT_TABLE_KEEP=1 keeps both for the next run, which then builds only what
# changed. Each build and test run takes /tmp/vandelor-build.lock. The output of
# every run is kept in /tmp/vandelor-fault-table.logs.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")
wt=/tmp/vandelor-fault-table
build=$wt/build
logs=/tmp/vandelor-fault-table.logs
lock=/tmp/vandelor-build.lock

locked() { flock "$lock" nice "$@"; }

if [ -e "$wt" ]; then
    git -C "$wt" rev-parse --is-inside-work-tree >/dev/null
    git -C "$wt" checkout -q -f --detach "$commit"
else
    git -C "$repo" worktree add -q --detach "$wt" "$commit"
fi
finish() {
    git -C "$wt" checkout -q -- . || true
    if [ "${FAULT_TABLE_KEEP:-0}" != 1 ]; then
        git -C "$repo" worktree remove --force "$wt" || true
    fi
}
trap finish EXIT
rm -rf "$logs"
mkdir -p "$logs"

echo "building $(git -C "$wt" log -1 --format='%h %s' | cut -c1-72) in $build" >&2
locked bash "$wt/scripts/build.sh" "$build" >"$logs/build.log" 2>&1 ||
    { echo "the clean tree does not build, see $logs/build.log" >&2; exit 2; }
mapfile -t known < <(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p')

# run_tests LOG TEST...: runs the tests; prints those that failed.
run_tests() {
    local log=$1 pattern
    shift
    pattern="^($(IFS='|'; echo "$*"))\$"
    locked env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 dbus-run-session -- \
        ctest --test-dir "$build" --timeout 300 -R "$pattern" >"$log" 2>&1 || true
    grep -q 'tests passed' "$log" || echo "(ctest-did-not-finish)"
    sed -n 's/^[[:space:]]*[0-9]\{1,\} - \([^ ]*\) (.*/\1/p' "$log"
}

# The faults, one line each: number, what it does, its tests, the file, then
# pairs of a text that must occur exactly once in the file and what it becomes.
declare -a numbers=() names=() tests=() files=() edits=()
fault() {
    numbers+=("$1")
    names+=("$2")
    tests+=("$3")
    files+=("$4")
    shift 4
    local pairs
    pairs=$(printf '%s\0' "$@" | base64 -w0)
    edits+=("$pairs")
}

fault 1 'KART written to field 38, not the coordinate system field 39' \
    'tst_insert_into_standin tst_insertion_run' src/insert/point_command.cpp \
    'QStringLiteral("KART"), field::CoordinateSystem, 0)' \
    'QStringLiteral("KART"), field::CoordinateSystem - 1, 0)'
fault 2 'JA put with index 0 instead of 1' \
    'tst_insert_into_standin tst_insertion_run' src/insert/point_command.cpp \
    'writer.putText(QStringLiteral("JA"), field, 1);' \
    'writer.putText(QStringLiteral("JA"), field, 0);'
fault 3 'ASCII import makes one row too many' \
    'tst_ascii_import' src/points/ascii_import.cpp \
    'table.setRowCount(row + 2);' 'table.setRowCount(row + 3);'
fault 4 'CRLF split across two pieces read as two item ends' \
    'tst_item_reader' src/points/item_reader.cpp \
    'carriageReturn && fill() && m_piece.at(m_pos)' \
    'carriageReturn && m_pos < m_piece.size() && m_piece.at(m_pos)'
fault 5 'ticking CB2 leaves cbT as it was' \
    'tst_window' src/app/frm_Steuerung.cpp \
    'cbT->setChecked(true);' 'cbT->setChecked(cbT->isChecked());'
fault 6 'end message says "übertragn"' \
    'tst_insert_into_standin tst_insertion_run' src/insert/insertion_run.cpp \
    'in ORVANTO übertragen.' 'in ORVANTO übertragn.'
fault 7 'InsertionPointAfter gets its command by value' \
    'tst_insertion_run' src/insert/command_writer.cpp \
    '{byReference(object(m_cursor.current))});' '{object(m_cursor.current)});'
fault 8 'progress step from one row more than counted' \
    'tst_insertion_run' src/insert/insertion_run.cpp \
    '100.0f / static_cast<float>(rowsCounted)' '100.0f / static_cast<float>(rowsCounted + 1)'
fault 9 'workbook end mark "Ende" compared without case' \
    'tst_workbook_import tst_excel_button' src/points/workbook_import.cpp \
    'if (reader.cellText(row, 1) == endMark()) {' \
    'if (reader.cellText(row, 1).compare(endMark(), Qt::CaseInsensitive) == 0) {'
fault 10 'DMIS ID read one item late' \
    'tst_dmis_import tst_insert_into_standin' src/points/dmis_import.cpp \
    'position < 2; ++position' 'position < 3; ++position' \
    'if (position == 1) {' 'if (position == 2) {'
# The stand-in keeps a command's fields in CommandRecord; this keeps a text
# field's first write.
fault 11 'stand-in keeps the first write to a field' \
    'tst_dbus_host' standins/core/command_record.cpp \
    '    entry(CommandEntry::Kind::Text, code, index).text = text;' \
    '    if (CommandEntry &kept = entry(CommandEntry::Kind::Text, code, index); kept.text.empty()) kept.text = text;'
fault 12 'tab order UTOL before OTOL' \
    'tst_window' src/app/frm_Steuerung_layout.cpp \
    'CB2,        OTOL,        UTOL,' 'CB2,        UTOL,        OTOL,'
fault 13 'dropped cells cleared one column too far right' \
    'tst_ascii_import tst_point_table' src/points/point_table.cpp \
    'clearColumnsFrom(requested);' 'clearColumnsFrom(requested + 1);'
fault 14 'UTF-16 big-endian byte order mark not recognised' \
    'tst_item_reader' src/points/decoded_text.cpp \
    'if (first.startsWith("\xFF\xFE") || first.startsWith("\xFE\xFF")) {' \
    'if (first.startsWith("\xFF\xFE")) {'
fault 15 'vector length tolerance 0.01 for 0.001' \
    'tst_point_check' src/points/point_check.cpp \
    'constexpr double LengthTolerance = 0.001;' 'constexpr double LengthTolerance = 0.01;'
fault 16 'drop takes ".dmi" for ".dms"' \
    'tst_point_file_buttons' src/app/dropped_file.cpp \
    'if (lower == u"dms")' 'if (lower == u"dmi")'
fault 17 'table limit refuses a full table' \
    'tst_insertion_run' src/insert/insertion_run.cpp \
    'if (table.rowCount() - 1 > LargestCount) {' 'if (table.rowCount() - 1 >= LargestCount) {'
# Umwandeln lives in the point layer now.
fault 18 'Umwandeln keeps two decimals, not three' \
    'tst_insertion_run tst_text_rules' src/points/umwandeln.cpp \
    'constexpr qsizetype Decimals = 3;' 'constexpr qsizetype Decimals = 2;'
fault 19 'UTF-8 byte order mark only partly removed' \
    'tst_item_reader' src/points/decoded_text.cpp \
    'm_openLine.remove(0, 3);' 'm_openLine.remove(0, 2);'
fault 20 'workbook reads 9 columns for 10' \
    'tst_workbook_import tst_excel_button' src/points/workbook_import.cpp \
    'constexpr int ColumnsWithIds = WorkbookColumnsRead;' \
    'constexpr int ColumnsWithIds = WorkbookColumnsRead - 1;'
fault 21 'field 168 gets the upper tolerance' \
    'tst_insertion_run' src/insert/dimension_group.cpp \
    'putText(tolerances.lower, field::LowerTolerance' \
    'putText(tolerances.upper, field::LowerTolerance'
fault 22 'import limit 32,767 points for 32,766' \
    'tst_ascii_import tst_dmis_import' src/points/import_result.h \
    'constexpr int MaxImportPoints = LargestCount - 1;' \
    'constexpr int MaxImportPoints = LargestCount;'

# put_in FILE PAIRS: replaces each text of the pairs (base64 of NUL-separated
# texts) in the file; fails naming the first text that does not occur once.
put_in() {
    python3 - "$1" "$2" <<'EOF'
import base64, sys
path, encoded = sys.argv[1], sys.argv[2]
texts = base64.b64decode(encoded).decode("utf-8").split("\0")[:-1]
with open(path, encoding="utf-8") as f:
    content = f.read()
for old, new in zip(texts[::2], texts[1::2]):
    count = content.count(old)
    if count != 1:
        print(f"'{old}' occurs {count} times", file=sys.stderr)
        sys.exit(1)
    content = content.replace(old, new)
with open(path, "w", encoding="utf-8") as f:
    f.write(content)
EOF
}

# Only the tests this build has (the office ones need LibreOffice's SDK).
present() {
    local t k
    for t in "$@"; do
        for k in "${known[@]}"; do
            [ "$t" = "$k" ] && echo "$t"
        done
    done
}

mapfile -t all < <(for t in "${tests[@]}"; do printf '%s\n' "$t"; done | tr ' ' '\n' | sort -u)
mapfile -t all < <(present "${all[@]}")
echo "clean tree: ${all[*]}" >&2
mapfile -t broken < <(run_tests "$logs/clean.log" "${all[@]}")
if [ "${#broken[@]}" -gt 0 ]; then
    echo "the clean tree fails ${broken[*]}, see $logs/clean.log" >&2
    exit 2
fi

rows=()
bad=0
for i in "${!numbers[@]}"; do
    n=${numbers[$i]}
    read -r -a named <<<"${tests[$i]}"
    mapfile -t run < <(present "${named[@]}")
    log=$logs/fault-$n.log
    if ! put_in "$wt/${files[$i]}" "${edits[$i]}" 2>"$log"; then
        echo "fault $n: pattern not found in ${files[$i]}: $(cat "$log")" >&2
        result='pattern not found'
    elif [ "${#run[@]}" -eq 0 ]; then
        result="MISSED (none of ${tests[$i]} is built)"
    elif ! locked cmake --build "$build" -j"$(nproc)" --target "${run[@]}" >>"$log" 2>&1; then
        result="does not build, see $log"
    else
        mapfile -t caught < <(run_tests "$log.tests" "${run[@]}")
        if [ "${#caught[@]}" -gt 0 ]; then
            result=${caught[*]}
        else
            result="MISSED (${run[*]} pass)"
        fi
    fi
    git -C "$wt" checkout -q -- .
    case $result in MISSED* | pattern* | does*) bad=$((bad + 1)) ;; esac
    echo "fault $n: $result" >&2
    rows+=("| $n ${names[$i]} | $result |")
done

echo "| fault | caught by |"
echo "|---|---|"
printf '%s\n' "${rows[@]}"
echo
echo "$((${#rows[@]} - bad)) of ${#rows[@]} faults caught at $(git -C "$wt" rev-parse --short HEAD)"
[ "$bad" -eq 0 ]
