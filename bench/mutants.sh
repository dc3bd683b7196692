#!/usr/bin/env bash
# mutants.sh: the mutation run. Applies each planted fault of tests/mutants/ alone to a copy of
# the committed tree, builds it, runs the whole test suite, and counts the fault as caught when
# some test fails. A planted fault that no test catches is a survivor: it needs a test, or a
# line under "Equivalent mutants" in tests/mutants/README that says why no test can catch it.
#
# Usage: bench/mutants.sh [PATTERN...]
#        PATTERN: only the patches whose file name contains one of them (all without any).
# Works in a git worktree of HEAD (default ${TMPDIR:-/tmp}/tolva-mutants, or $TOLVA_MUTANTS_TREE)
# with its own build folder, so neither the working tree nor build/ is touched; the first run
# builds everything there (about 10 minutes on 2 cores), each patch then rebuilds what it
# changes and runs the suite (1 to 3 minutes). Not in CI.
# Prints a line per patch, then "<N> of <M> planted faults caught" and the survivors' names;
# exits non-zero when a survivor is not explained in the README, when a patch does not apply
# or build, or when the suite fails without any planted fault.
set -euo pipefail
# The scripts read the program's German texts, whatever the user's language.
export TOLVA_LANG=de

PATTERNS=("$@")
(( ${#PATTERNS[@]} )) || PATTERNS=("")
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TOP=$(cd "$HERE/.." && pwd)
TREE=${TOLVA_MUTANTS_TREE:-${TMPDIR:-/tmp}/tolva-mutants}
MUTANTS=$TOP/tests/mutants
README=$MUTANTS/README
LOG=$(mktemp "${TMPDIR:-/tmp}/tolva-mutant-log.XXXXXX")
trap 'rm -f "$LOG"' EXIT

mapfile -t patches < <(for pattern in "${PATTERNS[@]}"; do
    find "$MUTANTS" -maxdepth 1 -name '*.patch' -name "*${pattern}*"
done | sort -u)
(( ${#patches[@]} )) || { echo "no planted faults in $MUTANTS matching '${PATTERNS[*]}'" >&2; exit 2; }

# The tree: a detached worktree at the current commit, clean.
head=$(git -C "$TOP" rev-parse HEAD)
if [[ ! -d $TREE/.git && ! -f $TREE/.git ]]; then
    git -C "$TOP" worktree add --detach "$TREE" "$head" >/dev/null
else
    git -C "$TREE" checkout --detach -f -q "$head"
    git -C "$TREE" reset -q --hard
    git -C "$TREE" clean -q -fd -e build
fi
cmake -S "$TREE" -B "$TREE/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVA_WERROR=ON >/dev/null

build() { cmake --build "$TREE/build" -j "$(nproc)" >"$LOG" 2>&1; }
suite() {  # the README's test command, stopping at the first failing test
    (cd "$TREE" && QT_QPA_PLATFORM=offscreen ctest --test-dir build -j "$(nproc)" \
        --stop-on-failure --timeout 600) >"$LOG" 2>&1
}
first_failure() {
    grep -E '\*\*\*(Failed|Timeout|Exception)|\(Failed\)' "$LOG" | head -n 1 |
        sed -E 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: //; s/ \.+.*//; s/^\s+//'
}

build || { tail -n 30 "$LOG" >&2; echo "the tree does not build without a planted fault" >&2; exit 1; }
suite || { tail -n 30 "$LOG" >&2; echo "the suite fails without a planted fault" >&2; exit 1; }

caught=0 broken=0
survivors=()
for p in "${patches[@]}"; do
    name=$(basename "$p" .patch)
    what=$(grep -m1 '^# ' "$p" | sed 's/^# //' || true)
    if ! git -C "$TREE" apply "$p" 2>"$LOG"; then
        printf '  %-9s %s: %s\n' "no apply" "$name" "$(head -n 1 "$LOG")"
        broken=$(( broken + 1 ))
        continue
    fi
    t0=$(date +%s)
    if ! build; then
        printf '  %-9s %s: %s\n' "no build" "$name" "$(grep -m1 'error' "$LOG")"
        broken=$(( broken + 1 ))
    elif suite; then
        printf '  %-9s %s (%s) [%ds]\n' "SURVIVED" "$name" "$what" $(( $(date +%s) - t0 ))
        survivors+=("$name")
    else
        printf '  %-9s %s by %s [%ds]\n' "caught" "$name" "$(first_failure)" $(( $(date +%s) - t0 ))
        caught=$(( caught + 1 ))
    fi
    git -C "$TREE" apply -R "$p"
done
build || { tail -n 30 "$LOG" >&2; echo "the tree does not build after the patches were taken back" >&2; exit 1; }

total=${#patches[@]}
echo "$caught of $total planted faults caught"
unexplained=0
for s in "${survivors[@]}"; do
    if [[ -f $README ]] && sed -n '/^Equivalent mutants/,$p' "$README" | grep -- "$s" >/dev/null; then
        echo "survivor (equivalent, see README): $s"
    else
        echo "survivor: $s"
        unexplained=$(( unexplained + 1 ))
    fi
done
(( broken == 0 )) || echo "$broken planted faults did not apply or build" >&2
(( unexplained == 0 && broken == 0 ))
