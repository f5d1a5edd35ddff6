#!/usr/bin/env bash
# Sets up and runs every check. After the packages, the format of the code and
# of the scripts, two lanes run side by side on the machine's cores:
#   compiles: the normal build, the tests built again with AddressSanitizer and
#             UndefinedBehaviorSanitizer, Qt for Windows and the whole Windows
#             program built with MinGW-w64, and clang-tidy; one after another,
#             each on every core, at the lowest priority;
#   checks:   each as soon as what it needs is built, at normal priority: the
#             tests and their size, the sanitizer tests, the fuzz targets, the
#             Windows path under Wine, the Windows program checked under Wine
#             against the Linux one, and, once nothing else runs, the
#             insertion run through COM measured there.
# Two compiles side by side on two cores take a quarter more processor time
# than one after the other. The checks take little of it, and what they leave
# goes to the compiles; clang-tidy comes last, beside the app check under Wine.
# The COM benchmark waits for it: beside a compile on both cores, even at the
# lowest priority, COM calls under Wine stalled for 30 s and longer.
#
# Each stage writes its output to build-logs/STAGE.log. A line says when a
# stage ends; a stage that fails prints the end of its log and ends its lane,
# and the run fails once every lane is done. The last table gives each stage's
# time on the clock and its processor time.
set -euo pipefail
cd "$(dirname "$0")/.."
logs=$PWD/build-logs
rm -rf "$logs"
mkdir -p "$logs"
stages=$logs/stages.tsv
began=$SECONDS

# The compilers take their memory in many small pieces. With transparent huge
# pages for every process, not only for those that ask for them, a compile
# here takes about a fifth less processor time. Set back when the run ends.
huge_pages=/sys/kernel/mm/transparent_hugepage/enabled
if [ -w "$huge_pages" ]; then
    huge_pages_before=$(sed 's/.*\[\(.*\)\].*/\1/' "$huge_pages")
    trap 'echo "$huge_pages_before" >"$huge_pages" 2>/dev/null || true' EXIT
    echo always >"$huge_pages" 2>/dev/null || true
fi

# stage NAME COMMAND...: runs the command with its output in NAME.log; notes
# its start, end, processor time and result in the table, and leaves NAME.ok
# or NAME.failed for a check that waits for it.
stage() {
    local name=$1 start=$SECONDS rc=0
    shift
    (
        set +e
        "$@"
        rc=$?
        # The processor time of the command and everything it waited for.
        times >"$logs/$name.cpu"
        exit $rc
    ) >"$logs/$name.log" 2>&1 || rc=$?
    printf '%s\t%s\t%s\t%s\t%s\n' "$name" $((start - began)) $((SECONDS - began)) \
        "$(tail -n 1 "$logs/$name.cpu" 2>/dev/null)" "$rc" >>"$stages"
    if [ "$rc" -eq 0 ]; then
        touch "$logs/$name.ok"
        echo "ok    $name ($((SECONDS - start)) s)"
    else
        touch "$logs/$name.failed"
        echo "FAIL  $name ($((SECONDS - start)) s); the end of $logs/$name.log:"
        tail -n 80 "$logs/$name.log"
    fi
    return "$rc"
}

# after NAME: waits until the compile NAME has passed; fails when it failed,
# or when the compiles ended before it.
after() {
    until [ -e "$logs/$1.ok" ] || [ -e "$logs/$1.failed" ] || [ -e "$logs/compiles.ended" ]; do
        sleep 2
    done
    [ -e "$logs/$1.ok" ] || { echo "SKIP  the checks that need $1: it did not pass" && false; }
}

stage packages bash scripts/install-deps.sh --test
stage clang-format bash scripts/check-format.sh
stage shellcheck shellcheck -x scripts/*.sh

export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8

linux_tests() { dbus-run-session -- ctest --preset normal -j"$(nproc)"; }
sanitizer_build() {
    cmake --preset sanitizers >/dev/null &&
        cmake --build --preset sanitizers --target vandelor_tests -j"$(nproc)"
}
sanitizer_tests() { dbus-run-session -- ctest --preset sanitizers -j"$(nproc)"; }
compiles() {
    # However this lane ends, the checks that wait for it don't wait on.
    trap 'touch "$logs/compiles.ended"' EXIT
    renice -n 19 -p "$BASHPID" >/dev/null || true
    # No debug information: a third less time, and the sanitizer build has it.
    stage build bash scripts/build.sh build -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" &&
        stage sanitizer-build sanitizer_build &&
        stage windows-program bash scripts/build-windows.sh build-windows &&
        stage clang-tidy bash scripts/tidy.sh build
}
checks() {
    after build &&
        stage tests linux_tests &&
        stage test-size bash scripts/test-ratio.sh &&
        after sanitizer-build &&
        stage sanitizer-tests sanitizer_tests &&
        stage fuzz bash scripts/fuzz.sh 30 &&
        stage windows-path bash scripts/windows-check.sh &&
        after windows-program &&
        stage windows-app-check bash scripts/windows-app-check.sh build-windows build &&
        after clang-tidy &&
        stage windows-bench bash scripts/windows-bench.sh build-windows
}
compiles &
lanes=($!)
checks &
lanes+=($!)
passed=true
for lane in "${lanes[@]}"; do wait "$lane" || passed=false; done

echo
echo "== the size of the tests"
cat "$logs/test-size.log" 2>/dev/null || true
echo "== the insertion run through COM, measured under Wine"
cat "$logs/windows-bench.log" 2>/dev/null || true
echo
echo "== stages: minutes from the start, time on the clock, processor time"
# times prints the processor time as user and system, each as 1m2.345s.
awk -F '\t' '
    function seconds(t) { split(t, p, /[ms]/); return p[1] * 60 + p[2] }
    {
        split($4, cpu, " ")
        printf "%-18s %5.1f-%5.1f  %6.1f min  %6.1f min  %s\n", $1, $2 / 60, $3 / 60,
            ($3 - $2) / 60, (seconds(cpu[1]) + seconds(cpu[2])) / 60,
            $5 == 0 ? "ok" : "FAILED"
        total += seconds(cpu[1]) + seconds(cpu[2])
    }
    END { printf "%-18s %11s  %6.1f min  %6.1f min\n", "all", "", '$((SECONDS - began))' / 60, total / 60 }
' "$stages"
$passed
