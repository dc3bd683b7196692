#!/usr/bin/env bash
# restore-model.sh: N fresh random histories of the restore model test (archive run, changes as
# a banking host makes them, restores), each checked row for row against the model.
#
# Usage: bench/restore-model.sh N [FIRST_SEED]
#        FIRST_SEED defaults to the clock; a failing seed runs again alone with
#        "bench/restore-model.sh 1 SEED". The test binary is build/bin/restore_tests or
#        $TOLVA_SCENARIO_TESTS; the data folder with HbLeer.dat is $TOLVA_DATA_DIR, else the
#        build's lib/. Builds nothing.
# Prints the seeds, what the histories reached (from 60 histories on, an outcome none reached
# fails the run), the differing histories, then "<N> histories, <M> differences"; exits
# non-zero when M > 0 or the test failed otherwise.
set -euo pipefail
# The scripts read the program's German texts, whatever the user's language.
export TOLVA_LANG=de

N=${1:-}
FIRST=${2:-}
[[ $N =~ ^[0-9]+$ && $N -ge 1 ]] || { echo "usage: restore-model.sh N [FIRST_SEED]" >&2; exit 2; }
[[ -z $FIRST || $FIRST =~ ^[0-9]+$ ]] || { echo "FIRST_SEED must be a number" >&2; exit 2; }
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TESTS=${TOLVA_SCENARIO_TESTS:-$HERE/../build/bin/restore_tests}
[[ -x $TESTS ]] || { echo "restore_tests not found at $TESTS" >&2; exit 2; }
export TOLVA_DATA_DIR=${TOLVA_DATA_DIR:-$(cd "$(dirname "$TESTS")/../lib" && pwd)/}
export QT_QPA_PLATFORM=offscreen

LOG=$(mktemp "${TMPDIR:-/tmp}/tolva-model.XXXXXX")
trap 'rm -f "$LOG"' EXIT
rc=0
TOLVA_MODEL_SEEDS=$N TOLVA_MODEL_FIRST_SEED=$FIRST \
    "$TESTS" --gtest_filter='RestoreModelTest.*' >"$LOG" 2>&1 || rc=$?
summary=$(grep -E '^[0-9]+ histories, [0-9]+ differences$' "$LOG" || true)
if [[ -z $summary ]]; then
    tail -n 30 "$LOG" >&2
    echo "the histories did not finish" >&2
    exit 1
fi
grep -E '^(seeds|outcomes:|differing seeds:|no history reached|seed [0-9]+$|  )' "$LOG" |
    grep -vE '^  (Actual|Expected|Which is)' || true
echo "$summary"
exit "$rc"
