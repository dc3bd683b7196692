#!/usr/bin/env bash
# crash-test.sh: kills archive runs with removal at random moments and checks that no row is
# lost: every selected row is in the user database or in a complete archive under the target
# name, never in neither, and the user database is either untouched or has exactly the
# archived rows removed. Every fourth run replaces an older archive under the target name:
# until the removal is committed, that archive must still be on the disk, under the target
# name or kept as "archiv (ersetzt).aba".
#
# Usage: bench/crash-test.sh [KILLS] [BOOKINGS] [PATH-OF-tolva-archiv]
#        KILLS 50, BOOKINGS 200000; the binary from the third argument, else $TOLVA_BIN,
#        else build/bin/tolva-archiv. The data folder with HbLeer.dat is $TOLVA_DATA_DIR,
#        else the lib/ folder beside the binary's bin/. Needs the sqlcipher shell.
# Prints "<KILLS> kills, <n> rows lost" and exits non-zero on any loss or broken state.
set -euo pipefail

KILLS=${1:-50}
BOOKINGS=${2:-200000}
[[ $KILLS =~ ^[0-9]+$ && $BOOKINGS =~ ^[0-9]+$ && $BOOKINGS -ge 100 ]] ||
    { echo "usage: crash-test.sh [KILLS] [BOOKINGS>=100] [tolva-archiv]" >&2; exit 2; }
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BIN=${3:-${TOLVA_BIN:-$HERE/../build/bin/tolva-archiv}}
[[ -x $BIN ]] || { echo "tolva-archiv not found at $BIN" >&2; exit 2; }
export TOLVA_DATA_DIR=${TOLVA_DATA_DIR:-$(cd "$(dirname "$BIN")/../lib" && pwd)/}
[[ -f $TOLVA_DATA_DIR/HbLeer.dat ]] || { echo "no HbLeer.dat in $TOLVA_DATA_DIR" >&2; exit 2; }
command -v sqlcipher >/dev/null || { echo "the sqlcipher shell is needed" >&2; exit 2; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tolva-crash.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
export TOLVA_SETTINGS=$WORK/settings.ini
TARGET_DIR="$WORK/Archiv Ordner"
mkdir -p "$TARGET_DIR"
TARGET=$TARGET_DIR/archiv.aba
KEPT_OLD=$TARGET_DIR/"archiv (ersetzt).aba"

KEY_SQL="PRAGMA key='kiwi+banane'; PRAGMA cipher_page_size=4096; PRAGMA kdf_iter=4000;"
# Attached files take their cipher settings from the defaults (SQLCipher 3).
ATTACH_DEFAULTS="PRAGMA cipher_default_page_size=4096; PRAGMA cipher_default_kdf_iter=4000;"
# Tables the run removes rows from, and tables it must leave whole.
MOVED=(Umsätze UmsZusatz OffeneUmsätze Aufträge SammelAufträge SammelEinzel)
KEPT=(Kategorien Empfänger Konten BankDaten)

sql() {  # sql FILE SQL... : runs SQL on a keyed file, prints the rows ('|' between fields)
    local f=$1; shift
    sqlcipher -bail -batch -noheader "$f" "$KEY_SQL $*"
}
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
die() { echo "FEHLER: $*" >&2; exit 1; }

# --- the database and the reference runs ----------------------------------------------------
"$BIN" demo-db "$WORK/demo.db" --bookings "$BOOKINGS" >/dev/null
CUTOFF=$(sql "$WORK/demo.db" "SELECT Buchungsdatum FROM Umsätze ORDER BY Buchungsdatum
                              LIMIT 1 OFFSET (SELECT count(*) / 2 FROM Umsätze);")
ALL_IDS=$(sql "$WORK/demo.db" "SELECT group_concat(id) FROM (SELECT id FROM Konten ORDER BY id);")
SUBSET_IDS=$(sql "$WORK/demo.db" "SELECT group_concat(id) FROM (SELECT id FROM Konten
                                  WHERE id % 2 = 1 ORDER BY id);")
declare -A ORIGINAL
for t in "${MOVED[@]}" "${KEPT[@]}"; do
    ORIGINAL[$t]=$(sql "$WORK/demo.db" "SELECT count(*) FROM \"$t\";")
done
cp "$TOLVA_DATA_DIR/HbLeer.dat" "$WORK/leer.aba"  # stands in for a missing target
IGNORE_TARGET=0  # 1 while the target is still the older archive that a run was to replace

# The run's selections as SQL can state them (the items of collective orders follow a
# scrambled date and are taken from the reference archive alone).
selection() {  # selection TABLE IDS -> WHERE text
    local k=" AND KontoID IN ($2)"
    case $1 in
        Umsätze | OffeneUmsätze) echo "Buchungsdatum < '$CUTOFF'$k" ;;
        UmsZusatz) echo "BuchungsID < '$CUTOFF'$k" ;;
        Aufträge) echo "Status = 4 AND Datum < '$CUTOFF'$k" ;;
        SammelAufträge) echo "(Status = 1 OR Status = 4) AND Datum < '$CUTOFF'$k" ;;
    esac
}

# One undisturbed run per account choice: its archive is the reference of what a run selects.
reference_run() {  # reference_run NAME [--accounts IDS]
    local name=$1; shift
    cp "$WORK/demo.db" "$WORK/$name.db"
    local t0 t1
    t0=$(now_ms)
    "$BIN" create --db "$WORK/$name.db" --before "$CUTOFF" --out "$WORK/$name.aba" --remove \
        --yes "$@" >"$WORK/$name.log" 2>&1 || { cat "$WORK/$name.log" >&2; die "reference run $name failed"; }
    t1=$(now_ms)
    echo $(( t1 - t0 ))
}
DURATION_ALL_MS=$(reference_run ref-alle)
DURATION_SUBSET_MS=$(reference_run ref-teil --accounts "$SUBSET_IDS")

# The reference archives must hold exactly the SQL selection, and the reference runs must have
# removed it, or the comparison below would prove nothing.
check_reference() {  # check_reference NAME IDS
    local name=$1 ids=$2 t where q="" out
    for t in "${MOVED[@]}"; do
        where=$(selection "$t" "$ids")
        if [[ -n $where ]]; then
            q+="SELECT '$t', (SELECT count(*) FROM main.\"$t\" WHERE $where),
                (SELECT count(*) FROM r.\"$t\"),
                (SELECT count(*) FROM main.\"$t\" WHERE $where AND id IN (SELECT id FROM r.\"$t\")),
                (SELECT count(*) FROM d.\"$t\" WHERE id IN (SELECT id FROM r.\"$t\"));"
        else
            q+="SELECT '$t', (SELECT count(*) FROM r.\"$t\"), (SELECT count(*) FROM r.\"$t\"),
                (SELECT count(*) FROM main.\"$t\" WHERE id IN (SELECT id FROM r.\"$t\")),
                (SELECT count(*) FROM d.\"$t\" WHERE id IN (SELECT id FROM r.\"$t\"));"
        fi
    done
    out=$(sql "$WORK/demo.db" "$ATTACH_DEFAULTS
        ATTACH '$WORK/$name.aba' AS r KEY 'kiwi+banane';
        ATTACH '$WORK/$name.db' AS d KEY 'kiwi+banane'; $q")
    # fields: table | selected | in archive | selected and in archive | still in the user db
    echo "$out" | awk -F'|' -v name="$name" '
        $2 != $3 || $3 != $4 || $5 != 0 { bad = 1; print "reference " name ": " $0 > "/dev/stderr" }
        { total += $3 }
        END { if (bad || total == 0) exit 1 }' || die "reference run $name does not match its selection"
    [[ $(sql "$WORK/$name.aba" "SELECT count(*) FROM Daten WHERE Typ = 99;") == 1 ]] ||
        die "reference archive $name has no description"
}
check_reference ref-alle "$ALL_IDS"
check_reference ref-teil "$SUBSET_IDS"

# --- the state after one run ----------------------------------------------------------------
# check_state REFERENCE -> prints "unchanged", "archived" or "both" (archive renamed, user
# database not yet committed); prints the faults on stderr and returns 1 on any.
check_state() {
    local ref=$1 user=$WORK/user.db target=$WORK/leer.aba have_target=0 out q="" t
    if [[ -e $TARGET && $IGNORE_TARGET == 0 ]]; then
        have_target=1
        [[ -f $TARGET ]] || { echo "target is not a file" >&2; return 1; }
        out=$(sql "$TARGET" "PRAGMA integrity_check; SELECT count(*) FROM Daten WHERE Typ = 99;" 2>&1) ||
            true
        if [[ $out != $'ok\n1' ]]; then
            echo "half-written archive under the target name: $out" >&2
            return 1
        fi
        target=$TARGET
    fi
    # Opening the user database rolls back what a killed run left in its journal.
    out=$(sql "$user" "PRAGMA integrity_check;" 2>&1) || true
    [[ $out == ok ]] || { echo "user database damaged: $out" >&2; return 1; }
    for t in "${MOVED[@]}"; do
        q+="SELECT 'M', '$t', (SELECT count(*) FROM r.\"$t\"),
            (SELECT count(*) FROM r.\"$t\" WHERE id IN (SELECT id FROM main.\"$t\")),
            (SELECT count(*) FROM r.\"$t\" WHERE id IN (SELECT id FROM t.\"$t\")),
            (SELECT count(*) FROM r.\"$t\" WHERE id NOT IN (SELECT id FROM main.\"$t\")
                                             AND id NOT IN (SELECT id FROM t.\"$t\")),
            (SELECT count(*) FROM main.\"$t\"), (SELECT count(*) FROM t.\"$t\"), ${ORIGINAL[$t]};"
    done
    for t in "${KEPT[@]}"; do
        q+="SELECT 'K', '$t', (SELECT count(*) FROM main.\"$t\"), ${ORIGINAL[$t]};"
    done
    out=$(sql "$user" "$ATTACH_DEFAULTS
        ATTACH '$ref' AS r KEY 'kiwi+banane';
        ATTACH '$target' AS t KEY 'kiwi+banane'; $q") || { echo "cannot compare: $out" >&2; return 1; }
    echo "$out" | awk -F'|' -v have_target=$have_target '
        # M|table|selected|in user db|in target|in neither|user rows|target rows|rows before
        $1 == "M" {
            if ($6 != 0) { printf "%s: %d rows lost\n", $2, $6 > "/dev/stderr"; lost += $6; bad = 1 }
            if ($7 - $4 != $9 - $3) {
                printf "%s: rows outside the selection changed (%d of %d left)\n", $2, $7 - $4, $9 - $3 > "/dev/stderr"; bad = 1 }
            if (have_target && ($5 != $3 || $8 != $3)) {
                printf "%s: archive incomplete (%d of %d rows, %d in all)\n", $2, $5, $3, $8 > "/dev/stderr"; bad = 1 }
            if ($3 > 0) {
                if ($4 == $3) whole++
                else if ($4 == 0) removed++
                else { printf "%s: %d of %d selected rows removed\n", $2, $3 - $4, $3 > "/dev/stderr"; bad = 1 }
            }
        }
        $1 == "K" && $3 != $4 { printf "%s: %d rows instead of %d\n", $2, $3, $4 > "/dev/stderr"; bad = 1 }
        END {
            if (whole && removed) { print "removal only partly committed" > "/dev/stderr"; bad = 1 }
            if (removed && !have_target) { print "rows removed without an archive" > "/dev/stderr"; bad = 1 }
            print lost + 0 > "/dev/fd/3"
            if (bad) exit 1
            print (removed ? "archived" : (have_target ? "both" : "unchanged"))
        }' 3>"$WORK/lost"
}

# --- the kills ------------------------------------------------------------------------------
echo "$BOOKINGS bookings, cut-off $CUTOFF; undisturbed runs: ${DURATION_ALL_MS} ms (all accounts)," \
    "${DURATION_SUBSET_MS} ms (accounts $SUBSET_IDS); $KILLS kills"
LOST=0
FAULTS=0
KILLED=0
declare -A OUTCOMES=()
declare -A DURATION=([alle]=$DURATION_ALL_MS [teil]=$DURATION_SUBSET_MS)
# A run that ends before its kill is checked as well but does not count; its time becomes the
# new estimate of that choice's duration, so the next kills land inside the run.
for (( i = 1; KILLED < KILLS && i <= 3 * KILLS; i++ )); do
    # Odd attempts archive every account, even ones every other account.
    if (( i % 2 )); then
        wahl=alle; ref=$WORK/ref-alle.aba; accounts=()
    else
        wahl=teil; ref=$WORK/ref-teil.aba; accounts=(--accounts "$SUBSET_IDS")
    fi
    DURATION_MS=${DURATION[$wahl]}
    cp "$WORK/demo.db" "$WORK/user.db"
    rm -f "$WORK/user.db-journal" "$TARGET" "$TARGET_DIR"/archiv\ \(ersetzt*.aba
    # (a .tmp left by an earlier kill stays)
    replacing=$(( i % 4 == 0 ))
    (( replacing )) && cp "$WORK/ref-teil.aba" "$TARGET"
    # Every third attempt aims at the end of the run (flush, rename, commit).
    span=$(( RANDOM * 32768 + RANDOM ))
    if (( i % 3 == 0 )); then
        delay=$(( DURATION_MS * 80 / 100 + span % (DURATION_MS * 20 / 100 + 1) ))
    else
        delay=$(( span % (DURATION_MS + 1) ))
    fi
    t0=$(now_ms)
    "$BIN" create --db "$WORK/user.db" --before "$CUTOFF" --out "$TARGET" --remove --yes \
        "${accounts[@]}" >"$WORK/kill.log" 2>&1 &
    pid=$!
    sleep "$(printf '%d.%03d' $(( delay / 1000 )) $(( delay % 1000 )))"
    kill -KILL "$pid" 2>/dev/null || true
    rc=0
    { wait "$pid" || rc=$?; } 2>/dev/null  # no "Killed" notice from the shell
    case $rc in
        137) how=killed; KILLED=$(( KILLED + 1 )) ;;
        0) how=finished
           elapsed=$(( $(now_ms) - t0 ))
           (( elapsed < DURATION[$wahl] )) && DURATION[$wahl]=$elapsed ;;
        *) how="exit $rc"; cat "$WORK/kill.log" >&2 ;;
    esac
    rm -f "$WORK/lost"
    IGNORE_TARGET=0
    (( replacing )) && cmp -s "$TARGET" "$WORK/ref-teil.aba" && IGNORE_TARGET=1
    if state=$(check_state "$ref"); then :; else state=FAULT; FAULTS=$(( FAULTS + 1 )); fi
    if (( replacing && ! IGNORE_TARGET )) && [[ $state != archived ]] &&
        ! cmp -s "$KEPT_OLD" "$WORK/ref-teil.aba"; then
        echo "  the replaced archive is gone before the removal was committed" >&2
        state=FAULT; FAULTS=$(( FAULTS + 1 ))
    fi
    (( replacing )) && state+=" (replacing)"
    n=$(cat "$WORK/lost" 2>/dev/null || echo 0)
    LOST=$(( LOST + ${n:-0} ))
    [[ $how == killed || $how == finished ]] || { state=FAULT; FAULTS=$(( FAULTS + 1 )); }
    OUTCOMES[$how/$state]=$(( ${OUTCOMES[$how/$state]:-0} + 1 ))
    printf '  %3d: at %5d ms (%s): %s, %s%s\n' "$i" "$delay" \
        "$([[ $wahl == alle ]] && echo "all accounts" || echo "accounts $SUBSET_IDS")" \
        "$how" "$state" "$([[ -e $TARGET.tmp ]] && echo ", .tmp left" || true)"
done

# --- one complete run on the same target ----------------------------------------------------
# Whatever the kills left: a stale temporary file (garbage when none is left) and an older
# archive under the target name that the run has to replace.
[[ -e $TARGET.tmp ]] || echo "kein Archiv" >"$TARGET.tmp"
[[ -e $TARGET ]] || cp "$WORK/ref-teil.aba" "$TARGET"
rm -f "$TARGET_DIR"/archiv\ \(ersetzt*.aba
IGNORE_TARGET=0
cp "$WORK/demo.db" "$WORK/user.db"
rm -f "$WORK/user.db-journal"
if "$BIN" create --db "$WORK/user.db" --before "$CUTOFF" --out "$TARGET" --remove --yes \
        >"$WORK/final.log" 2>&1; then
    if final=$(check_state "$WORK/ref-alle.aba") && [[ $final == archived ]]; then
        echo "  complete run afterwards: archived"
    else
        echo "  complete run afterwards: wrong state (${final:-FAULT})" >&2
        FAULTS=$(( FAULTS + 1 ))
    fi
    LOST=$(( LOST + $(cat "$WORK/lost" 2>/dev/null || echo 0) ))
else
    cat "$WORK/final.log" >&2
    echo "  complete run afterwards: failed" >&2
    FAULTS=$(( FAULTS + 1 ))
fi
if [[ -e $KEPT_OLD ]]; then
    echo "  the replaced archive remains after a complete run: $KEPT_OLD" >&2
    FAULTS=$(( FAULTS + 1 ))
fi
if [[ -e $TARGET.tmp ]]; then
    echo "  a temporary file remains: $TARGET.tmp" >&2
    FAULTS=$(( FAULTS + 1 ))
fi

for k in "${!OUTCOMES[@]}"; do printf '  %-30s %d\n' "$k" "${OUTCOMES[$k]}"; done | sort
if (( KILLED < KILLS )); then
    echo "only $KILLED of $KILLS runs were still going when killed" >&2
    FAULTS=$(( FAULTS + 1 ))
fi
echo "$KILLED kills, $LOST rows lost"
if (( LOST > 0 || FAULTS > 0 )); then
    echo "$FAULTS faults" >&2
    exit 1
fi
