#!/usr/bin/env bash
# fault-sweep.sh: the fault sweep of the scenario tests on a larger demo database. Every file
# step of an archive run (make its private folder, create, open, read, write, close, flush,
# folder sync, rename, link, remove, set mode, lock) and every read, write, sync, truncate and
# lock of SQLite on the user database, its journal, the archive and the archive under its final
# name (opened again before the commit) fails in turn, call n = 1, 2, ... until the run
# succeeds; after each run the guarantees of the README's "What a run guarantees" must hold.
#
# Usage: bench/fault-sweep.sh [BOOKINGS] [KINDS]
#        BOOKINGS 3000 (the ctest run uses 300); KINDS narrows the sweep to the kinds whose name
#        contains it (e.g. "archive write", "rename"). The test binary is build/bin/archive_scenario_tests
#        or $TOLVA_SCENARIO_TESTS; the data folder with HbLeer.dat is $TOLVA_DATA_DIR, else the
#        build's lib/.
# Prints "<N> injected faults, <M> guarantees broken" and exits non-zero when M > 0.
set -euo pipefail
# The scripts read the program's German texts, whatever the user's language.
export TOLVA_LANG=de

BOOKINGS=${1:-3000}
KINDS=${2:-}
[[ $BOOKINGS =~ ^[0-9]+$ && $BOOKINGS -ge 100 ]] ||
    { echo "usage: fault-sweep.sh [BOOKINGS>=100] [KINDS]" >&2; exit 2; }
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TESTS=${TOLVA_SCENARIO_TESTS:-$HERE/../build/bin/archive_scenario_tests}
[[ -x $TESTS ]] || { echo "archive_scenario_tests not found at $TESTS" >&2; exit 2; }
export TOLVA_DATA_DIR=${TOLVA_DATA_DIR:-$(cd "$(dirname "$TESTS")/../lib" && pwd)/}
export QT_QPA_PLATFORM=offscreen

LOG=$(mktemp "${TMPDIR:-/tmp}/tolva-sweep.XXXXXX")
trap 'rm -f "$LOG"' EXIT
t0=$(date +%s)
rc=0
TOLVA_SWEEP_BOOKINGS=$BOOKINGS TOLVA_SWEEP_ONLY=$KINDS \
    "$TESTS" --gtest_filter='FaultSweepTest.*' >"$LOG" 2>&1 || rc=$?
# The broken guarantees, one line each, then the summary.
grep -E '^[a-z ]+ #[0-9]+: ' "$LOG" || true
summary=$(grep -E '^[0-9]+ injected faults, [0-9]+ guarantees broken$' "$LOG" || true)
if [[ -z $summary ]]; then
    tail -n 30 "$LOG" >&2
    echo "the sweep did not finish" >&2
    exit 1
fi
echo "$BOOKINGS bookings${KINDS:+, kinds \"$KINDS\"}, $(( $(date +%s) - t0 )) s: $summary"
exit "$rc"
