# Sourced by bench/crash-test.sh: helpers, the databases and the reference runs, the state after one run, one disturbed run (shared by every mode).
# shellcheck shell=bash
sql() {  # sql FILE SQL... : runs SQL on a keyed file, prints the rows ('|' between fields)
    local f=$1; shift
    sqlcipher -bail -batch -noheader "$f" "$KEY_SQL $*"
}
# Time and waits without starting processes, which costs milliseconds on a busy machine.
exec {NAP_FD}<> <(:)  # a pipe that nobody writes to: reading it with a timeout sleeps
stamp() { printf -v "$1" '%d' $(( ${EPOCHREALTIME/./} / 1000 )); }  # stamp VAR: now in ms
sleep_ms() {
    local s
    printf -v s '%d.%03d' $(( $1 / 1000 )) $(( $1 % 1000 ))
    read -r -t "$s" -u "$NAP_FD" _ || true
}
die() { echo "FEHLER: $*" >&2; exit 1; }

LOST=0
FAULTS=0
fault() {  # fault TEXT: reports one fault of the run being checked
    echo "  $*" >&2
    FAULTS=$(( FAULTS + 1 ))
}
show_log() {  # show_log FILE...: the output of a faulty run, for its reproduction
    local f
    for f in "$@"; do [[ -s $f ]] && sed "s/^/    ${f##*/}: /" "$f" >&2; done
    return 0
}

# --- the databases and the reference runs ---------------------------------------------------
declare -A ORIGINAL  # SOURCE/TABLE -> rows before any run
make_source() {  # make_source NAME DEMO-DB-OPTIONS...: $WORK/NAME.db, its row counts noted
    local name=$1 t; shift
    "$BIN" demo-db "$WORK/$name.db" "$@" >/dev/null
    for t in "${MOVED[@]}" "${KEPT[@]}"; do
        ORIGINAL[$name/$t]=$(sql "$WORK/$name.db" "SELECT count(*) FROM \"$t\";")
    done
}
account_ids() {  # account_ids SOURCE [CONDITION] -> the accounts' ids, comma-separated
    sql "$WORK/$1.db" "SELECT group_concat(id) FROM (SELECT id FROM Konten
                       WHERE ${2:-1} ORDER BY id);"
}

make_source demo --bookings "$BOOKINGS"
CUTOFF=$(sql "$WORK/demo.db" "SELECT Buchungsdatum FROM Umsätze ORDER BY Buchungsdatum
                              LIMIT 1 OFFSET (SELECT count(*) / 2 FROM Umsätze);")
ALL_IDS=$(account_ids demo)
SUBSET_IDS=$(account_ids demo "id % 2 = 1")
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

# One undisturbed run per database and account choice: its archive is the reference of what a
# run selects.
reference_run() {  # reference_run NAME SOURCE [--accounts IDS] -> its duration in ms
    local name=$1 source=$2; shift 2
    cp "$WORK/$source.db" "$WORK/$name.db"
    local t0 t1
    stamp t0
    "$BIN" create --db "$WORK/$name.db" --before "$CUTOFF" --out "$WORK/$name.aba" --remove \
        --yes "$@" >"$WORK/$name.log" 2>&1 || { cat "$WORK/$name.log" >&2; die "reference run $name failed"; }
    stamp t1
    echo $(( t1 - t0 ))
}

# The reference archives must hold exactly the SQL selection, and the reference runs must have
# removed it, or the comparison below would prove nothing.
check_reference() {  # check_reference NAME IDS SOURCE
    local name=$1 ids=$2 source=$3 t where q="" out
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
    out=$(sql "$WORK/$source.db" "$ATTACH_DEFAULTS
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

declare -A DURATION  # account choice -> the estimated length of an undisturbed run in ms
# (A restore is given no password: its archives are made without one.)
REF_ARGS=()
[[ $MODE == restore ]] && REF_ARGS=(--password-mode none)
DURATION[alle]=$(reference_run ref-alle demo "${REF_ARGS[@]}")
check_reference ref-alle "$ALL_IDS" demo
if [[ $MODE != race ]]; then
    DURATION[teil]=$(reference_run ref-teil demo --accounts "$SUBSET_IDS" "${REF_ARGS[@]}")
    check_reference ref-teil "$SUBSET_IDS" demo
else
    # The second user database: other accounts, other rows, half the size; it has rows before
    # the same cut-off as well (check_reference fails on an empty selection).
    make_source demo2 --bookings $(( BOOKINGS / 2 )) --accounts 7 --seed 20240517
    ALL2_IDS=$(account_ids demo2)
    DURATION[zweite]=$(reference_run ref2-alle demo2)
    check_reference ref2-alle "$ALL2_IDS" demo2
fi

# --- the state after one run ----------------------------------------------------------------
# check_state REFERENCE [USER-DB SOURCE] -> prints "unchanged", "archived" or "both" (archive
# renamed, user database not yet committed); prints the faults on stderr and returns 1 on any.
# The user database is $WORK/user.db made from demo unless given; the target is $TARGET unless
# IGNORE_TARGET is 1. Its lost rows go to $WORK/lost.
check_state() {
    local ref=$1 user=${2:-$WORK/user.db} source=${3:-demo}
    local target=$WORK/leer.aba have_target=0 out q="" t
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
            (SELECT count(*) FROM main.\"$t\"), (SELECT count(*) FROM t.\"$t\"), ${ORIGINAL[$source/$t]};"
    done
    for t in "${KEPT[@]}"; do
        q+="SELECT 'K', '$t', (SELECT count(*) FROM main.\"$t\"), ${ORIGINAL[$source/$t]};"
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

# judge ARGS of check_state: sets STATE to its verdict, or to FAULT (counted); adds the lost
# rows to LOST.
judge() {
    local n
    rm -f "$WORK/lost"
    if STATE=$(check_state "$@"); then :; else STATE=FAULT; FAULTS=$(( FAULTS + 1 )); fi
    n=$(cat "$WORK/lost" 2>/dev/null || echo 0)
    LOST=$(( LOST + ${n:-0} ))
}

# What runs leave in the target's folder: their lock files and private folders.
leftovers() { find "$TARGET_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*' -printf '%f\n' | sort; }
left_note() {  # for the line of a run: ", private folder left" and the like, or nothing
    local dirs locks
    dirs=$(find "$TARGET_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*' -type d | wc -l)
    locks=$(find "$TARGET_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*.lock' | wc -l)
    if (( dirs > 0 )); then echo ", private folder left"
    elif (( locks > 0 )); then echo ", lock file left"
    fi
    return 0
}

# After a run that ended by itself (success, refusal, or a handled signal): nothing of its own in
# the target's folder, no replaced archive kept, the user's file untouched. What is found is
# removed, so the next run is judged on its own.
check_folder_clean() {
    local left
    left=$(leftovers)
    if [[ -n $left ]]; then
        fault "left in the target's folder after a clean ending: $(echo $left)"
        find "$TARGET_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*' -exec rm -rf {} +
    fi
    if [[ -e $KEPT_OLD ]]; then
        fault "the replaced archive remains after a clean ending: $KEPT_OLD"
        rm -f "$KEPT_OLD"
    fi
    check_user_tmp
}
check_user_tmp() {
    cmp -s "$USER_TMP" "$WORK/user-tmp.orig" ||
        { fault "the user's file $USER_TMP was changed or removed"; cp "$WORK/user-tmp.orig" "$USER_TMP"; }
}

# --- one disturbed run ----------------------------------------------------------------------
# Odd attempts archive every account, even ones every other account.
choose_accounts() {  # choose_accounts ATTEMPT -> sets WAHL, REF, ACCOUNTS
    if (( $1 % 2 )); then
        WAHL=alle; REF=$WORK/ref-alle.aba; ACCOUNTS=()
    else
        WAHL=teil; REF=$WORK/ref-teil.aba; ACCOUNTS=(--accounts "$SUBSET_IDS")
    fi
}
describe_accounts() { [[ $WAHL == alle ]] && echo "all accounts" || echo "accounts $SUBSET_IDS"; }

# A fresh user database and target for the next attempt; every fourth attempt finds an older
# archive (a copy of the reference archive of every other account) under the target name.
# Sets REPLACING.
prepare_attempt() {  # prepare_attempt ATTEMPT
    cp "$WORK/demo.db" "$WORK/user.db"
    rm -f "$WORK/user.db-journal" "$TARGET" "$TARGET_DIR"/archiv\ \(ersetzt*.aba
    REPLACING=$(( $1 % 4 == 0 ))
    (( REPLACING )) && cp "$WORK/ref-teil.aba" "$TARGET"
    return 0
}

# When to disturb: anywhere in the run, but every third attempt aims at its end (flush, rename,
# commit).
aim() {  # aim ATTEMPT DURATION-MS -> delay in ms
    local span=$(( RANDOM * 32768 + RANDOM ))
    if (( $1 % 3 == 0 )); then
        echo $(( $2 * 80 / 100 + span % ($2 * 20 / 100 + 1) ))
    else
        echo $(( span % ($2 + 1) ))
    fi
}

# start_run NAME USER-DB [ARGS...]: a run with removal into $TARGET, in the background. Sets
# PID (the program's) and WRAPPER (the shell that waits for it and notes "<end in ms> <exit
# code>" in $WORK/NAME.end, so that its end is known to the millisecond). Its output goes to
# $WORK/NAME.out and NAME.err.
start_run() {
    local name=$1 user=$2; shift 2
    start_process "$name" "$BIN" create --db "$user" --before "$CUTOFF" --out "$TARGET" --remove \
        --yes "$@"
}
start_process() {  # start_process NAME COMMAND...: as start_run, for any command
    local name=$1; shift
    rm -f "$WORK/$name.pid" "$WORK/$name.end"
    ( "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" {NAP_FD}<&- &
      echo $! >"$WORK/$name.pid"
      rc=0
      wait $! || rc=$?
      stamp end
      echo "$end $rc" >"$WORK/$name.end.new"
      mv "$WORK/$name.end.new" "$WORK/$name.end" ) 2>/dev/null &  # no "Killed" notice
    WRAPPER=$!
    while [[ ! -s $WORK/$name.pid ]]; do sleep_ms 1; done
    PID=$(<"$WORK/$name.pid")
}
finish_run() {  # finish_run NAME: waits for the run; sets END (ms) and RC
    wait "$WRAPPER" || true
    read -r END RC <"$WORK/$1.end"
}

# A run that ends before it is disturbed is checked as well but does not count; its time
# becomes the new estimate of that choice's duration, so the next attempts land inside the run.
shorten_estimate() {  # shorten_estimate CHOICE ELAPSED-MS
    (( $2 < DURATION[$1] )) && DURATION[$1]=$2
    return 0
}

declare -A OUTCOMES=()
tally() { OUTCOMES[$1]=$(( ${OUTCOMES[$1]:-0} + 1 )); }

# After a run left the older archive it was to replace under the target name, the target is
# not the run's archive.
note_older_archive() {
    IGNORE_TARGET=0
    (( REPLACING )) && cmp -s "$TARGET" "$WORK/ref-teil.aba" && IGNORE_TARGET=1
    return 0
}

