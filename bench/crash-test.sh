#!/usr/bin/env bash
# crash-test.sh: disturbs archive runs with removal and checks that no row is lost: every
# selected row is in the user database or in a complete archive under the target name, never
# in neither, and the user database is either untouched or has exactly the archived rows
# removed. Three ways of disturbing a run:
#
#   (default)  SIGKILL at a random moment. A killed run leaves its lock file and private folder
#              (".tolva-*" in the target's folder); a complete run afterwards must remove them.
#              Every fourth run replaces an older archive under the target name: until the
#              removal is committed, that archive must still be on the disk, under the target
#              name or kept as "archiv (ersetzt).aba".
#   --signals  SIGINT, SIGTERM or SIGHUP at a random moment. The run must end cleanly, with a
#              "tolva-archiv: SIG..." line on stderr, nothing of its own left in the folder, no
#              journal beside the user database: exit 128 + the signal's number and the user
#              database unchanged (an older archive back under the target name), or, when the
#              signal came while it committed, exit 0 and fully archived; never archive and
#              rows both (the signal waits for the commit).
#   --race     two runs from two different user databases to the same target, the second
#              started at a random moment of the first. One of them holds the target's name;
#              the other must be refused at once and change nothing.
#   --restore  SIGKILL at a random moment of "tolva-archiv restore", which puts the archive of
#              a run with removal back into the database that run left; every other restore
#              writes its backup first, and every other one of those is killed while it does.
#              After each kill the database (once opened, which rolls back the journal) is
#              unchanged or fully restored (the moved tables exactly as before the run, every
#              other table, the accounts among them, as the run left it) and holds no row
#              twice, the archive is unchanged to the byte, and beside the database there is
#              nothing of the restore's but complete backups and what a killed restore leaves
#              (".tolva-*"); any restore that finishes (also one without backup) removes them.
#
# A file "archiv.aba.tmp" of the user's lies beside the target all the time; no run may touch it.
#
# Usage: bench/crash-test.sh [--signals|--race|--restore] [COUNT] [BOOKINGS] [PATH-OF-tolva-archiv]
#        COUNT 50 (kills, signals or races), BOOKINGS 200000; the binary from the third
#        argument, else $TOLVA_BIN, else build/bin/tolva-archiv. The data folder with
#        HbLeer.dat is $TOLVA_DATA_DIR, else the lib/ folder beside the binary's bin/. Needs the
#        sqlcipher shell.
# Prints "<n> kills|signals|races, <m> rows lost" (n: the runs disturbed while still going)
# and exits non-zero on any loss, broken state, wrong exit code or leftover file, or when fewer
# than COUNT runs could be disturbed.
set -euo pipefail

MODE=kill
case ${1:-} in
    --signals) MODE=signals; shift ;;
    --race) MODE=race; shift ;;
    --restore) MODE=restore; shift ;;
esac
COUNT=${1:-50}
BOOKINGS=${2:-200000}
[[ $COUNT =~ ^[0-9]+$ && $BOOKINGS =~ ^[0-9]+$ && $BOOKINGS -ge 100 ]] ||
    { echo "usage: crash-test.sh [--signals|--race|--restore] [COUNT] [BOOKINGS>=100] [tolva-archiv]" >&2
      exit 2; }
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
USER_TMP=$TARGET.tmp  # the user's own file; runs leave it alone
echo "Notizen des Benutzers, $(date)" >"$USER_TMP"
cp "$USER_TMP" "$WORK/user-tmp.orig"

KEY_SQL="PRAGMA key='kiwi+banane'; PRAGMA cipher_page_size=4096; PRAGMA kdf_iter=4000;"
# Attached files take their cipher settings from the defaults (SQLCipher 3).
ATTACH_DEFAULTS="PRAGMA cipher_default_page_size=4096; PRAGMA cipher_default_kdf_iter=4000;"
# Tables the run removes rows from, and tables it must leave whole.
MOVED=(Umsätze UmsZusatz OffeneUmsätze Aufträge SammelAufträge SammelEinzel)
KEPT=(Kategorien Empfänger Konten BankDaten)
SIGNALS=(INT TERM HUP)
LOCK_MESSAGE="wird gerade von einem anderen Archivierungslauf geschrieben"
REPLACE_QUESTION="existiert bereits"  # asked (and answered by --yes) before a file is replaced

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

# --- SIGKILL --------------------------------------------------------------------------------
kill_runs() {
    local i delay t0 how killed=0
    for (( i = 1; killed < COUNT && i <= 3 * COUNT; i++ )); do
        choose_accounts $i
        prepare_attempt $i  # (what earlier kills left in the folder stays)
        delay=$(aim $i "${DURATION[$WAHL]}")
        stamp t0
        start_run kill "$WORK/user.db" "${ACCOUNTS[@]}"
        sleep_ms "$delay"
        kill -KILL "$PID" 2>/dev/null || true
        finish_run kill
        case $RC in
            137) how=killed; killed=$(( killed + 1 )) ;;
            0) how=finished; shorten_estimate "$WAHL" $(( END - t0 )) ;;
            *) how="exit $RC"; show_log "$WORK/kill.out" "$WORK/kill.err" ;;
        esac
        note_older_archive
        judge "$REF"
        if (( REPLACING && ! IGNORE_TARGET )) && [[ $STATE != archived ]] &&
            ! cmp -s "$KEPT_OLD" "$WORK/ref-teil.aba"; then
            fault "the replaced archive is gone before the removal was committed"
            STATE=FAULT
        fi
        if [[ $how == finished && $STATE != archived && $STATE != FAULT ]]; then
            fault "a run that ended with success left the state $STATE"
            STATE=FAULT
        fi
        [[ $how == killed || $how == finished ]] || { STATE=FAULT; FAULTS=$(( FAULTS + 1 )); }
        check_user_tmp
        (( REPLACING )) && STATE+=" (replacing)"
        tally "$how/$STATE"
        printf '  %3d: at %5d ms (%s): %s, %s%s\n' "$i" "$delay" "$(describe_accounts)" \
            "$how" "$STATE" "$(left_note)"
    done
    EVENTS=$killed
}

# Kills a run as soon as it has made its lock file or private folder, so that the folder
# certainly holds what a killed run leaves.
leave_stale_folder() {
    local tries
    for (( tries = 0; tries < 3; tries++ )); do
        cp "$WORK/demo.db" "$WORK/user.db"
        start_run stale "$WORK/user.db"
        while [[ -z $(leftovers) && ! -e $WORK/stale.end ]]; do sleep_ms 1; done
        kill -KILL "$PID" 2>/dev/null || true
        finish_run stale
        [[ -n $(leftovers) ]] && return 0
    done
    echo "  (no run could be killed with its private folder made)" >&2
}

# One complete run on the same target after the kills: it has to replace the older archive
# under the target name and remove what the killed runs left.
complete_run() {
    [[ -n $(leftovers) ]] || leave_stale_folder
    echo "  left by killed runs before the complete run: $(leftovers | wc -l) entries"
    [[ -e $TARGET ]] || cp "$WORK/ref-teil.aba" "$TARGET"
    rm -f "$TARGET_DIR"/archiv\ \(ersetzt*.aba
    IGNORE_TARGET=0
    cp "$WORK/demo.db" "$WORK/user.db"
    rm -f "$WORK/user.db-journal"
    if "$BIN" create --db "$WORK/user.db" --before "$CUTOFF" --out "$TARGET" --remove --yes \
            >"$WORK/final.log" 2>&1; then
        judge "$WORK/ref-alle.aba"
        if [[ $STATE == archived ]]; then
            echo "  complete run afterwards: archived"
        else
            fault "complete run afterwards: wrong state ($STATE)"
        fi
    else
        show_log "$WORK/final.log"
        fault "complete run afterwards: failed"
    fi
    check_folder_clean
}

# --- SIGINT, SIGTERM, SIGHUP ----------------------------------------------------------------
# has_handler PID SIGNAL-NUMBER: 0 when the run catches the signal, 1 when not (yet or any
# more), 2 when the run is gone.
has_handler() {
    local key value state="" mask=""
    { while read -r key value _; do
          case $key in
              State:) state=$value ;;
              SigCgt:) mask=$value ;;
          esac
      done <"/proc/$1/status"; } 2>/dev/null || return 2
    [[ -n $mask && $state != Z ]] || return 2
    (( (16#${mask: -4} >> ($2 - 1)) & 1 )) || return 1
}

# wait_for_handler PID SIGNAL-NUMBER: returns once the run has its handler in place (a signal
# before the program got that far is not one it could act on); fails when the run ended first.
wait_for_handler() {
    local r
    while :; do
        r=0
        has_handler "$1" "$2" || r=$?
        (( r == 0 )) && return 0
        (( r == 2 )) && return 1
        sleep_ms 2
    done
}

signal_runs() {
    local i delay t0 ready at how sig num signalled=0 left
    for (( i = 1; signalled < COUNT && i <= 3 * COUNT; i++ )); do
        choose_accounts $i
        prepare_attempt $i
        sig=${SIGNALS[(i / 3) % 3]}
        num=$(kill -l "$sig")
        # The delay counts from the moment the run catches the signal; DURATION estimates the
        # time from then to its end.
        delay=$(aim $i "${DURATION[$WAHL]}")
        stamp t0
        start_run sig "$WORK/user.db" "${ACCOUNTS[@]}"
        ready=-1 at=-1
        if wait_for_handler "$PID" "$num"; then
            stamp ready
            ready=$(( ready - t0 ))
            sleep_ms "$delay"
            if has_handler "$PID" "$num"; then
                kill -s "$sig" "$PID" 2>/dev/null && { stamp at; at=$(( at - t0 )); }
            fi
        else
            # The run ended and never caught the signal: a run without its handler would end
            # by the signal, half done, and must not pass as one that merely finished early.
            fault "SIG$sig: the run ended without ever catching the signal"
        fi
        finish_run sig
        if (( RC == 0 && at >= 0 )) && grep -q "^tolva-archiv: SIG$sig kam" "$WORK/sig.err"; then
            # It came while the run committed: the run completed, said so, and ended with 0.
            how="signalled after the commit"
            signalled=$(( signalled + 1 ))
        elif (( RC == 0 )); then
            how=finished
            (( ready >= 0 )) && shorten_estimate "$WAHL" $(( END - t0 - ready ))
        elif (( at >= 0 && RC == 128 + num )) && grep -q "^tolva-archiv: SIG$sig" "$WORK/sig.err"; then
            how=signalled
            signalled=$(( signalled + 1 ))
        elif (( at >= 0 && RC == 128 + num )); then
            # No word of the signal: it came after the run had put back the handlers it found,
            # on its way out, and the process ended by the signal itself. The run must have
            # finished all the same (checked below); it does not count.
            how="ended by SIG$sig after the run"
        else
            how="exit $RC"
            fault "SIG$sig at $at ms: exit $RC, expected $(( 128 + num )) (or 0 when finished)"
            show_log "$WORK/sig.out" "$WORK/sig.err"
        fi
        [[ -e $WORK/user.db-journal ]] && fault "a journal remains beside the user database"
        note_older_archive
        judge "$REF"
        case $how/$STATE in
            */FAULT) ;;
            # 128 + n only for a run that gave up; one that completed ends with 0.
            signalled/unchanged | "signalled after the commit/archived" | finished/archived | \
                ended*/archived) ;;
            *) fault "SIG$sig at $at ms: state $STATE after \"$how\""
               show_log "$WORK/sig.out" "$WORK/sig.err"
               STATE=FAULT ;;
        esac
        # A run that gave up puts the older archive back under the target name.
        if (( REPLACING )) && [[ $STATE == unchanged ]] && ! cmp -s "$TARGET" "$WORK/ref-teil.aba"; then
            fault "the older archive is not back under the target name"
            STATE=FAULT
        fi
        left=$(left_note)
        check_folder_clean
        (( REPLACING )) && STATE+=" (replacing)"
        tally "$how/$STATE"
        printf '  %3d: SIG%-4s at %5d ms (%5d ms after the handlers at %4d ms, %s): %s (exit %d), %s%s\n' \
            "$i" "$sig" "$at" "$delay" "$ready" "$(describe_accounts)" "$how" "$RC" "$STATE" "$left"
    done
    EVENTS=$signalled
}

# --- two runs to one target -----------------------------------------------------------------
refused() {  # refused NAME RC: the run ended at once because the other one held the name
    [[ $2 == 1 ]] && grep -q "$LOCK_MESSAGE" "$WORK/$1.err"
}

# check_loser NAME USER-DB SOURCE REF: the refused run changed nothing in its database.
check_loser() {
    local name=$1 user=$2 source=$3 ref=$4
    if ! cmp -s "$user" "$WORK/$source.db"; then
        fault "the refused run $name changed its database"
        IGNORE_TARGET=1 judge "$ref" "$user" "$source"
    fi
    return 0
}

race_runs() {
    local i offset span grow t0 tb wrapper_a a_ended end_a rc_a end_b rc_b how later races=0 f
    # The second run (from the second database) starts within a span of the first run's
    # duration. When both succeed, the second came too late to meet the first one's lock, and
    # the span shrinks to that offset; after each race it grows a little again, up to the
    # first run's duration (longer than undisturbed while two runs share the machine). So the
    # span stays near the last moment at which the second run still meets the lock, and every
    # third offset, aimed at the span's end, makes the second run ask for the name just as the
    # first run renames, commits and lets go of it.
    span=${DURATION[alle]}
    for (( i = 1; races < COUNT && i <= 3 * COUNT; i++ )); do
        cp "$WORK/demo.db" "$WORK/user.db"
        cp "$WORK/demo2.db" "$WORK/user2.db"
        rm -f "$WORK/user.db-journal" "$WORK/user2.db-journal" "$TARGET" \
            "$TARGET_DIR"/archiv\ \(ersetzt*.aba
        offset=$(aim $i "$span")
        stamp t0
        start_run a "$WORK/user.db"
        wrapper_a=$WRAPPER
        sleep_ms "$offset"
        a_ended=0
        [[ -e $WORK/a.end ]] && a_ended=1
        stamp tb
        tb=$(( tb - t0 ))
        start_run b "$WORK/user2.db"
        finish_run b
        end_b=$END rc_b=$RC
        WRAPPER=$wrapper_a
        finish_run a
        end_a=$END rc_a=$RC
        IGNORE_TARGET=0
        STATE=""
        # (before anything opens the databases, which would roll a journal back and remove it)
        for f in "$WORK/user.db-journal" "$WORK/user2.db-journal"; do
            [[ -e $f ]] && fault "a journal remains: $f"
        done
        if [[ $rc_a == 0 ]] && refused b "$rc_b"; then
            how="race, first held the name"
            races=$(( races + 1 ))
            grow=$(( span * 105 / 100 + 1 ))
            (( grow > end_a - t0 )) && grow=$(( end_a - t0 ))
            (( grow > span )) && span=$grow
            judge "$WORK/ref-alle.aba" "$WORK/user.db" demo
            check_loser b "$WORK/user2.db" demo2 "$WORK/ref2-alle.aba"
        elif refused a "$rc_a" && [[ $rc_b == 0 ]]; then
            how="race, second held the name"
            races=$(( races + 1 ))
            judge "$WORK/ref2-alle.aba" "$WORK/user2.db" demo2
            check_loser a "$WORK/user.db" demo "$WORK/ref-alle.aba"
        elif [[ $rc_a == 0 && $rc_b == 0 ]]; then
            # One after the other: the later run replaced the earlier one's archive, as the user
            # allowed with --yes. Only the later run's rows are checked. It held the name from
            # before it looked for an existing file, so it found the earlier archive there and
            # asked; without that question the two runs overlapped.
            how="one after the other"
            if (( end_b >= end_a )); then
                later=b
                judge "$WORK/ref2-alle.aba" "$WORK/user2.db" demo2
            else
                later=a
                judge "$WORK/ref-alle.aba" "$WORK/user.db" demo
            fi
            if ! cat "$WORK/$later.out" "$WORK/$later.err" | grep -q "$REPLACE_QUESTION"; then
                fault "second run at $tb ms: both runs succeeded, and the later one replaced" \
                    "the earlier one's archive without finding it"
                STATE=FAULT
            fi
            if (( a_ended )); then
                (( end_a - t0 < span )) && span=$(( end_a - t0 ))
            else
                (( offset < span )) && span=$offset
            fi
        else
            how="exit $rc_a and $rc_b"
            fault "second run at $tb ms: exit codes $rc_a and $rc_b"
            STATE=FAULT
        fi
        if [[ -n $STATE && $STATE != archived && $STATE != FAULT ]]; then
            fault "the run that held the name left the state $STATE"
            STATE=FAULT
        fi
        check_folder_clean
        [[ $STATE == FAULT ]] && show_log "$WORK/a.out" "$WORK/a.err" "$WORK/b.out" "$WORK/b.err"
        tally "$how/$STATE"
        printf '  %3d: second run at %5d ms (aimed %5d, first ran %5d ms): %s, exit %s/%s, %s\n' \
            "$i" "$tb" "$offset" $(( end_a - t0 )) "$how" "$rc_a" "$rc_b" "$STATE"
    done
    EVENTS=$races
}

# --- SIGKILL during a restore -----------------------------------------------------------------
# The archive of a reference run goes back into a copy of the database that run left, in a
# folder of its own; the archives lie in the target's folder beside the user's file.
DB_DIR="$WORK/Datenbank Ordner"
USER_DB=$DB_DIR/user.db
declare -A ARCHIVE_OF ARCHIVE_SHA  # archive choice -> its file, its sha256 before any restore
declare -A STATE_AFTER             # CHOICE/unchanged, CHOICE/restored -> snapshot of the database
declare -A DUPLICATES_BEFORE       # moved table -> rows equal to another but for the id, before
declare -A BACKUP_MS               # archive choice -> how long the backup's private folder is there

# new_private_folder BEFORE: succeeds when a private folder (".tolva-*") lies beside the
# database that is not among the names in BEFORE (one a line). Starts no process.
new_private_folder() {
    local d
    for d in "$DB_DIR"/.tolva-*/; do
        [[ -d $d ]] || continue
        d=${d%/}
        d=${d##*/}
        [[ $'\n'$1$'\n' == *$'\n'$d$'\n'* ]] || return 0
    done
    return 1
}

# snapshot FILE [TABLES...] -> "table count" per table and one hash over their rows in id order
# (every table when none are named)
snapshot() {
    local f=$1 t; shift
    local tables=("$@")
    (( ${#tables[@]} )) ||
        mapfile -t tables < <(sql "$f" "SELECT name FROM sqlite_master WHERE type = 'table'
                                        AND name NOT LIKE 'sqlite_%' ORDER BY name;")
    { echo "$KEY_SQL"
      for t in "${tables[@]}"; do
          echo ".mode list"
          echo "SELECT '$t', count(*) FROM \"$t\";"
          echo ".mode insert x"
          echo "SELECT * FROM \"$t\" ORDER BY rowid;"
      done; } | sqlcipher -bail -batch "$f" >"$WORK/snapshot.rows" || return 1
    grep -E '^[^ ]+\|[0-9]+$' "$WORK/snapshot.rows"
    echo "hash $(md5sum <"$WORK/snapshot.rows" | cut -c1-16)"
}

# duplicates FILE -> per moved table "table n": rows equal to another row in every column but
# the id (SELECT DISTINCT counts NULLs as equal, as the restore's comparison does)
duplicates() {
    local t cols q=""
    for t in "${MOVED[@]}"; do
        cols=$(sql "$1" "PRAGMA table_info(\"$t\");" |
               awk -F'|' '$2 != "id" {printf "%s\"%s\"", s, $2; s = ","}')
        q+="SELECT '$t', (SELECT count(*) FROM \"$t\") - (SELECT count(*) FROM (SELECT DISTINCT $cols FROM \"$t\"));"
    done
    sql "$1" "$q"
}

# restore_args CHOICE BACKUP: RESTORE_CMD, the restore of that archive into USER_DB, with or
# without backup (BACKUP mit or ohne)
restore_args() {
    RESTORE_CMD=("$BIN" restore "${ARCHIVE_OF[$1]}" --db "$USER_DB" --yes)
    [[ $2 == ohne ]] && RESTORE_CMD+=(--no-backup)
    return 0
}

# The database folder for the next attempt: the state the archive run left, no journal; what
# killed restores left (".tolva-*") stays.
prepare_restore() {  # prepare_restore CHOICE
    rm -f "$USER_DB" "$USER_DB-journal"
    cp "$WORK/ref-$1.db" "$USER_DB"
}

# Undisturbed restores of both archives, with and without backup: their time, and the state of
# a complete restore: in the moved tables the database before the archive run, in every other
# table (the accounts among them) the database as the archive run left it. (The run gives an
# account with a negative number -1 at home and a fresh number in the archive; the number it
# had is gone, and the restore attaches to the account as it finds it.)
reference_restores() {
    local wahl sicher t0 t1 seen last vorher jetzt faults_before t n andere=()
    mkdir -p "$DB_DIR"
    vorher=$(snapshot "$WORK/demo.db" "${MOVED[@]}")
    mapfile -t andere < <(sql "$WORK/demo.db" "SELECT name FROM sqlite_master WHERE type = 'table'
                                               AND name NOT LIKE 'sqlite_%' ORDER BY name;" |
                          grep -vxF -f <(printf '%s\n' "${MOVED[@]}"))
    while read -r t n; do DUPLICATES_BEFORE[$t]=$n; done < <(duplicates "$WORK/demo.db" | tr '|' ' ')
    for wahl in alle teil; do
        WAHL=$wahl
        ARCHIVE_OF[$wahl]=$TARGET_DIR/$wahl.aba
        cp "$WORK/ref-$wahl.aba" "${ARCHIVE_OF[$wahl]}"
        ARCHIVE_SHA[$wahl]=$(sha256sum <"${ARCHIVE_OF[$wahl]}")
        STATE_AFTER[$wahl/unchanged]=$(snapshot "$WORK/ref-$wahl.db")
        for sicher in ohne mit; do
            prepare_restore "$wahl"
            restore_args "$wahl" "$sicher"
            # Watched: how long the backup's private folder is there.
            seen=-1
            stamp t0
            start_process ref-restore "${RESTORE_CMD[@]}"
            while [[ ! -e $WORK/ref-restore.end ]]; do
                if new_private_folder ""; then
                    stamp t1
                    (( seen < 0 )) && seen=$t1
                    last=$t1
                fi
                sleep_ms 1
            done
            finish_run ref-restore
            (( RC == 0 )) || { show_log "$WORK/ref-restore.out" "$WORK/ref-restore.err"
                               die "reference restore $wahl $sicher failed"; }
            DURATION[$wahl-$sicher]=$(( END - t0 ))
            if [[ $sicher == mit ]]; then
                (( seen >= 0 )) || die "no private folder seen during the backup of $wahl"
                BACKUP_MS[$wahl]=$(( last - seen + 1 ))
            fi
            jetzt=$(snapshot "$USER_DB")
            if [[ $sicher == ohne ]]; then
                STATE_AFTER[$wahl/restored]=$jetzt
                [[ $(snapshot "$USER_DB" "${MOVED[@]}") == "$vorher" ]] ||
                    die "reference restore $wahl does not bring back the moved rows of before the run"
                [[ $(snapshot "$USER_DB" "${andere[@]}") == $(snapshot "$WORK/ref-$wahl.db" "${andere[@]}") ]] ||
                    die "reference restore $wahl changed a table without moved rows (${andere[*]})"
                [[ $jetzt != "${STATE_AFTER[$wahl/unchanged]}" ]] ||
                    die "reference restore $wahl changed nothing"
            else
                [[ $jetzt == "${STATE_AFTER[$wahl/restored]}" ]] ||
                    die "reference restore $wahl with backup differs from the one without"
                faults_before=$FAULTS
                check_restore_folder finished mit ""
                (( FAULTS == faults_before )) ||
                    die "reference restore $wahl with backup: wrong files beside the database"
            fi
        done
    done
}

# check_restore_folder HOW BACKUP LEFT-BEFORE: what lies beside the database before anything
# opens it: the database, its journal (after a kill), complete backups (byte copies of the
# state of WAHL restored into; checked and removed) and, after a kill, ".tolva-*" entries. A
# restore that finished removed what it made and what killed ones left (LEFT-BEFORE).
# Sets BACKUPS to the backups found; counts faults.
check_restore_folder() {
    local how=$1 sicher=$2 vorher=$3 name tolva
    BACKUPS=0
    while IFS= read -r name; do
        case $name in
            user.db) ;;
            user.db-journal) [[ $how == killed ]] || fault "a journal remains after a clean ending" ;;
            .tolva-*) ;;
            user.db.vor-Zurückholen-*.BKA)
                BACKUPS=$(( BACKUPS + 1 ))
                cmp -s "$DB_DIR/$name" "$WORK/ref-$WAHL.db" ||
                    fault "the backup $name is not a copy of the database before the restore"
                rm -f "$DB_DIR/$name" ;;
            *) fault "left beside the database: $name" ;;
        esac
    done < <(find "$DB_DIR" -mindepth 1 -maxdepth 1 -printf '%f\n')
    tolva=$(find "$DB_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*' -printf '%f\n' | sort)
    if [[ $how == finished ]]; then
        if [[ $sicher == mit ]]; then
            (( BACKUPS == 1 )) || fault "a restore with backup that finished left $BACKUPS backups"
        else
            (( BACKUPS == 0 )) || fault "a restore without backup wrote one"
        fi
        # Every restore removes what killed ones left beside the database.
        [[ -z $tolva ]] || fault "a restore that finished left (before: ${vorher//$'\n'/ }):" \
            "${tolva//$'\n'/ }"
    fi
    return 0
}

# judge_restore CHOICE: sets STATE to unchanged, restored or FAULT (the database opened, which
# rolls back a journal); adds the rows lost to LOST. Sets COLD when a journal stays.
judge_restore() {
    local wahl=$1 jetzt t n lost q=""
    local out
    out=$(sql "$USER_DB" "PRAGMA integrity_check;" 2>&1) || true
    if [[ $out != ok ]]; then
        fault "user database damaged: $out"; STATE=FAULT; return 0
    fi
    # Opening rolls back a hot journal and removes it. Under synchronous=FULL a journal starts
    # with its magic number zeroed until it is synced for the first time, and the database
    # file is not written before that: such a journal is not hot, SQLite ignores it and the
    # next transaction replaces it. Any other journal that stays is a fault.
    COLD=0
    if [[ -e $USER_DB-journal ]]; then
        if [[ $(od -A n -N 8 -t x1 "$USER_DB-journal" | tr -d ' \n') == 0000000000000000 ]]; then
            COLD=1
        else
            fault "a hot journal is still there after opening the database"
        fi
    fi
    jetzt=$(snapshot "$USER_DB")
    if [[ $jetzt == "${STATE_AFTER[$wahl/unchanged]}" ]]; then
        STATE=unchanged
        (( COLD )) && STATE+=" (journal not yet synced left)"
    elif [[ $jetzt == "${STATE_AFTER[$wahl/restored]}" ]]; then
        STATE=restored
        (( COLD )) && { fault "a journal stays beside the restored database"; STATE=FAULT; }
    else
        STATE=FAULT
        fault "neither unchanged nor restored:" \
            "$(diff <(echo "${STATE_AFTER[$wahl/restored]}") <(echo "$jetzt") | grep '^[<>]' | tr '\n' ' ')"
    fi
    while read -r t n; do
        (( n <= ${DUPLICATES_BEFORE[$t]} )) ||
            { fault "$t: $n rows equal to another but for the id (before: ${DUPLICATES_BEFORE[$t]})"; STATE=FAULT; }
    done < <(duplicates "$USER_DB" | tr '|' ' ')
    # Rows of the database before the archive run that are neither in it nor in the archive.
    for t in "${MOVED[@]}"; do
        q+="SELECT count(*) FROM p.\"$t\" WHERE id NOT IN (SELECT id FROM main.\"$t\")
                                             AND id NOT IN (SELECT id FROM r.\"$t\");"
    done
    lost=$(sql "$USER_DB" "$ATTACH_DEFAULTS
        ATTACH '$WORK/demo.db' AS p KEY 'kiwi+banane';
        ATTACH '$WORK/ref-$wahl.aba' AS r KEY 'kiwi+banane'; $q" | awk '{s += $1} END {print s + 0}')
    (( lost == 0 )) || { fault "$lost rows lost"; LOST=$(( LOST + lost )); STATE=FAULT; }
    [[ $(sha256sum <"${ARCHIVE_OF[$wahl]}") == "${ARCHIVE_SHA[$wahl]}" ]] ||
        { fault "the archive ${ARCHIVE_OF[$wahl]} changed"; STATE=FAULT
          cp "$WORK/ref-$wahl.aba" "${ARCHIVE_OF[$wahl]}"; }
    local neben
    neben=$(find "$TARGET_DIR" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort | tr '\n' ' ')
    [[ $neben == "alle.aba archiv.aba.tmp teil.aba " ]] ||
        { fault "beside the archives: $neben"; STATE=FAULT; }
    check_user_tmp
    return 0
}

restore_note() {  # ", private folder left" and the like, or nothing
    local dirs locks
    dirs=$(find "$DB_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*' -type d | wc -l)
    locks=$(find "$DB_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*.lock' | wc -l)
    (( dirs == 0 && locks == 0 )) || echo ", .tolva-* left: $dirs folders, $locks lock files"
    return 0
}

kill_restores() {
    local i delay t0 how killed=0 sicher vorher faults_before aimed
    for (( i = 1; killed < COUNT && i <= 3 * COUNT; i++ )); do
        # Odd attempts write the backup first; the archive alternates every two attempts.
        (( i % 2 )) && sicher=mit || sicher=ohne
        (( (i / 2) % 2 )) && WAHL=teil || WAHL=alle
        prepare_restore "$WAHL"
        restore_args "$WAHL" "$sicher"
        vorher=$(find "$DB_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*' -printf '%f\n' | sort)
        faults_before=$FAULTS
        stamp t0
        start_process restore "${RESTORE_CMD[@]}"
        if (( i % 4 == 1 )); then
            # Every other restore with backup is killed while it writes the backup: once its
            # private folder is there, within the time the folder lasts undisturbed.
            aimed=", in the backup"
            while ! new_private_folder "$vorher" && [[ ! -e $WORK/restore.end ]]; do sleep_ms 1; done
            sleep_ms $(( (RANDOM * 32768 + RANDOM) % (BACKUP_MS[$WAHL] + 1) ))
        else
            aimed=""
            sleep_ms "$(aim $i "${DURATION[$WAHL-$sicher]}")"
        fi
        kill -KILL "$PID" 2>/dev/null || true
        stamp delay
        delay=$(( delay - t0 ))
        finish_run restore
        case $RC in
            137) how=killed; killed=$(( killed + 1 )) ;;
            0) how=finished; shorten_estimate "$WAHL-$sicher" $(( END - t0 )) ;;
            *) how="exit $RC"; fault "the restore ended with exit $RC"
               show_log "$WORK/restore.out" "$WORK/restore.err" ;;
        esac
        check_restore_folder "$how" "$sicher" "$vorher"
        judge_restore "$WAHL"
        if [[ $how == finished && $STATE != restored ]]; then
            fault "a restore that ended with success left the state $STATE"
        fi
        (( FAULTS == faults_before )) || STATE=FAULT
        tally "$how/$STATE"
        printf '  %3d: at %5d ms%s (archive %s, %s backup): %s, %s%s%s\n' "$i" "$delay" "$aimed" \
            "$WAHL" "$sicher" "$how" "$STATE" "$( (( BACKUPS )) && echo ", backup complete")" \
            "$(restore_note)"
    done
    EVENTS=$killed
}

# One complete restore without backup after the kills; before it, something a killed restore
# left is made sure of. It must restore and leave only the database.
complete_restore() {
    local tries
    for (( tries = 0; tries < 3; tries++ )); do
        [[ -n $(find "$DB_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*') ]] && break
        prepare_restore alle
        restore_args alle mit
        start_process stale "${RESTORE_CMD[@]}"
        while [[ -z $(find "$DB_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*') &&
                 ! -e $WORK/stale.end ]]; do sleep_ms 1; done
        kill -KILL "$PID" 2>/dev/null || true
        finish_run stale
        rm -f "$DB_DIR"/*.BKA
    done
    echo "  left by killed restores before the complete restore:" \
        "$(find "$DB_DIR" -mindepth 1 -maxdepth 1 -name '.tolva-*' | wc -l) entries"
    WAHL=alle
    prepare_restore alle
    # Without a backup: a restore that writes nothing of its own beside the database removes
    # what killed ones left all the same.
    restore_args alle ohne
    local faults_before=$FAULTS
    if "${RESTORE_CMD[@]}" >"$WORK/final.log" 2>&1; then
        check_restore_folder finished ohne ""
        judge_restore alle
        if [[ $STATE == restored && $FAULTS == "$faults_before" ]]; then
            echo "  complete restore afterwards (without backup): restored, nothing left"
        else
            fault "complete restore afterwards: state $STATE"
        fi
    else
        show_log "$WORK/final.log"
        fault "complete restore afterwards: failed"
    fi
}

# --- the runs -------------------------------------------------------------------------------
case $MODE in
    kill)
        WHAT=kills
        echo "$BOOKINGS bookings, cut-off $CUTOFF; undisturbed runs: ${DURATION[alle]} ms (all" \
            "accounts), ${DURATION[teil]} ms (accounts $SUBSET_IDS); $COUNT kills"
        kill_runs
        complete_run ;;
    signals)
        WHAT=signals
        echo "$BOOKINGS bookings, cut-off $CUTOFF; undisturbed runs: ${DURATION[alle]} ms (all" \
            "accounts), ${DURATION[teil]} ms (accounts $SUBSET_IDS); $COUNT signals"
        signal_runs ;;
    race)
        WHAT=races
        echo "$BOOKINGS and $(( BOOKINGS / 2 )) bookings, cut-off $CUTOFF; undisturbed runs:" \
            "${DURATION[alle]} ms and ${DURATION[zweite]} ms; $COUNT races"
        race_runs ;;
    restore)
        WHAT=kills
        reference_restores
        echo "$BOOKINGS bookings, cut-off $CUTOFF; undisturbed restores (without/with backup):" \
            "${DURATION[alle-ohne]}/${DURATION[alle-mit]} ms (archive of all accounts)," \
            "${DURATION[teil-ohne]}/${DURATION[teil-mit]} ms (accounts $SUBSET_IDS); the backup's" \
            "private folder lasts ${BACKUP_MS[alle]}/${BACKUP_MS[teil]} ms; $COUNT kills"
        kill_restores
        complete_restore ;;
esac

for k in "${!OUTCOMES[@]}"; do printf '  %-40s %d\n' "$k" "${OUTCOMES[$k]}"; done | sort
if (( EVENTS < COUNT )); then
    echo "only $EVENTS of $COUNT runs were still going when disturbed" >&2
    FAULTS=$(( FAULTS + 1 ))
fi
echo "$EVENTS $WHAT, $LOST rows lost"
if (( LOST > 0 || FAULTS > 0 )); then
    echo "$FAULTS faults" >&2
    exit 1
fi
