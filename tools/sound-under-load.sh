#!/usr/bin/env bash
# The sound tests on a loaded machine: busy loops on every core (twice
# over by default), then `ctest -L sound` from build-asan several times in a
# row, at the priority tools/test.sh gives them. Prints a line per run: the
# load, the result, and each try a case made again (why: the machine's
# stall it found). Run after tools/test.sh has built build-asan.
#   tools/sound-under-load.sh [RUNS [LOOPS]] [-- more ctest arguments]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

runs="${1:-5}"
loops="${2:-16}"
shift $(($# < 2 ? $# : 2))
[ "${1:-}" = "--" ] && shift

build="$repo_dir/build-asan"
[ -x "$build/tests/tests_sound" ] || { echo "No $build/tests/tests_sound: run tools/test.sh first." >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen TONBROOK_AUDIO=none
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$repo_dir/tools/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

logs="$(mktemp -d /tmp/sound-under-load-XXXXXX)"
busy=()
stop_loops() {
    for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null; done
    wait "${busy[@]}" 2>/dev/null
}
trap stop_loops EXIT
for _ in $(seq "$loops"); do
    (while :; do :; done) &
    busy+=($!)
done
sleep 5 # the load average starts to show them

load() { cut -d' ' -f1 /proc/loadavg; }
failed_runs=0
echo "$loops busy loops on $(nproc) cores; ctest output in $logs"
for run in $(seq "$runs"); do
    log="$logs/run$run.log"
    before=$(load)
    start=$SECONDS
    (cd "$build" && at_raised_priority ctest -V --parallel 2 --timeout 120 -L sound "$@") >"$log" 2>&1
    rc=$?
    result=passed
    [ $rc -eq 0 ] || { result=FAILED; failed_runs=$((failed_runs + 1)); }
    echo "run $run: load $before -> $(load), $result in $((SECONDS - start)) s"
    # "593: [ retry    ] try 1 of 3 failed of the machine's kind: WHY; failed: ..."
    awk '/^ *Start [0-9]+: /     { n = $2; sub(":", "", n); name[n] = $3 }
         /\[ retry    \]/        { n = $1; sub(":", "", n); sub(/^.*machine.s kind: /, "");
                                   print "    retried " name[n] ": " $0 }
         /\[try [0-9] of [0-9]: / { n = $1; sub(":", "", n); if (!seen[n]++) { sub(/^.*\[try /, "");
                                   print "    failed " name[n] ", try " $0 } }' "$log"
done
echo "$((runs - failed_runs)) of $runs runs passed"
[ $failed_runs -eq 0 ]
