#!/usr/bin/env bash
# archive-vs-floor.sh: times whole archive runs with removal against the honest SQLCipher floor,
# and the wizard's run against the command line's.
#
# Usage: bench/archive-vs-floor.sh [--big] [--quick] [--part pairs|restore|wizard|fixed|browse] [N]
#   N        bookings of the demo database (1000000); runs are timed at N/10 and N, with --big
#            at 3*N as well; --quick times N only and leaves out the wizard and the fixed costs;
#            --part runs one part only (run against floor, restore against floor, wizard
#            against command line, fixed costs, the archive browser).
#
# Builds nothing: it expects a built tree (scripts/setup.sh), that is build/bin/tolva-archiv and
# build/lib/HbLeer.dat. Another tree is chosen with TOLVA_BUILD=/path/to/build, or the binary
# and the data folder one by one with TOLVA_BIN and TOLVA_DATA_DIR.
# Further settings: TOLVA_BENCH_RUNS (alternating runs of each side, 3),
# TOLVA_BENCH_CACHE (where the demo databases are kept, ${TMPDIR:-/tmp}/tolva-bench),
# TOLVA_BENCH_FRESH=1 (make the demo databases anew; they are also made anew when the
# generator library is newer than the cached file).
#
# Every size is timed twice: with every account ticked, and with a subset of accounts that
# holds about 40 % of the rows before the cut-off (the cut-off is the median booking date).
#
# The run: tolva-archiv create --remove --yes (--accounts for the subset) on a fresh copy.
# The floor: the sqlcipher shell on another fresh copy, doing exactly the same work in the
# cheapest way it can: the same key and page cache sizes, the user database with its rollback
# journal, synchronous=FULL and an exclusive lock, the archive made from a copy of the template,
# written without journal and synced once at commit; in one transaction it copies and deletes
# the same rows. Which rows: the accounts, banks and collective-order items that the run's own
# archive holds (the items follow a scrambled date that SQL cannot read; the scenario tests
# prove the run's selection), accounts with a negative number renumbered as the run does. For
# each of the five dated tables the floor first tries every way to select (through the account
# index, a scan with "+KontoID", the account index's row ids in row order, and without any
# account condition when every account is ticked) and keeps the fastest, table by table.
# After every pair, every table of both archives and of both user databases must hold the same
# rows (count and a hash of the rows in id order; the archive's description text and date
# excepted), or the script fails: a ratio of two different jobs means nothing.
#
# The restore, at the same sizes and for the same two choices: an archive run with removal
# (without password) makes the state once; then, each on a fresh copy of that state,
# tolva-archiv restore --yes --no-backup against the floor: the sqlcipher shell with the same
# key and page cache, rollback journal and synchronous=FULL, the archive attached read-only, in
# one transaction, per table "INSERT INTO main.T SELECT * FROM archiv.T a WHERE NOT EXISTS (a
# live row equal in every column but the id)". An id taken by other content stops it with a
# constraint error, as it makes the restore refuse. The floor tries four ways per table (that
# check alone, "check"; a look at the same id first, "idfirst"; each as a first step into a
# table of ids and the insert from it, "ids" and "idfirst-ids") and keeps the fastest, table
# by table. After every pair both user databases must hold
# the same rows in every table, and in the six tables of moved rows the rows of the database
# before the archive run. Then both restore the same archive once more into their result,
# which must change nothing; that is timed too (the floor's ways chosen again for that case).
#
# Then, at N: the same job through the wizard's window (create --wizard), offscreen and on an
# X server (Xvfb), against the command line; their archives are compared the same way. Then
# the fixed costs: the command line's whole run on a 100-booking database, the wizard's first
# page on N bookings on the X server, the survey over 50 accounts and opening a keyed database.
set -euo pipefail

BIG=0 QUICK=0 PART=all
while [[ ${1:-} == --* ]]; do
    case $1 in
        --big) BIG=1 ;;
        --quick) QUICK=1 ;;
        --part) PART=${2:-}; shift ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
[[ $PART =~ ^(all|pairs|restore|wizard|fixed|browse)$ ]] ||
    { echo "--part takes pairs, restore, wizard, fixed or browse" >&2; exit 2; }
part() { [[ $PART == all || $PART == "$1" ]]; }
N=${1:-1000000}
[[ $N =~ ^[0-9]+$ && $N -ge 1000 ]] || { echo "N must be a number of bookings >= 1000" >&2; exit 2; }
RUNS=${TOLVA_BENCH_RUNS:-3}

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=${TOLVA_BUILD:-$HERE/../build}
BIN=${TOLVA_BIN:-$BUILD/bin/tolva-archiv}
export TOLVA_DATA_DIR=${TOLVA_DATA_DIR:-$BUILD/lib/}
TEMPLATE=$TOLVA_DATA_DIR/HbLeer.dat
CACHE=${TOLVA_BENCH_CACHE:-${TMPDIR:-/tmp}/tolva-bench}
GNU_TIME=/usr/bin/time

[[ -x $BIN ]] || { echo "tolva-archiv not found at $BIN (build first or set TOLVA_BIN)" >&2; exit 2; }
[[ -f $TEMPLATE ]] || { echo "template not found at $TEMPLATE (build target hbleer_template)" >&2; exit 2; }
command -v sqlcipher >/dev/null || { echo "the sqlcipher shell is needed" >&2; exit 2; }
"$GNU_TIME" -f %M -o /dev/null true 2>/dev/null || { echo "GNU time is needed ($GNU_TIME)" >&2; exit 2; }

mkdir -p "$CACHE"
WORK=$(mktemp -d "$CACHE/run.XXXXXX")
XVFB_PID=
cleanup() {
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
export TOLVA_SETTINGS=$WORK/settings.ini
export XDG_RUNTIME_DIR=$WORK/xdg
mkdir -m 0700 "$XDG_RUNTIME_DIR"

KEY_SQL="PRAGMA key='kiwi+banane'; PRAGMA cipher_page_size=4096; PRAGMA kdf_iter=4000;"
# SQLCipher 3 reads an attached file at ATTACH already, with the default cipher settings.
ATTACH_DEFAULTS="PRAGMA cipher_default_page_size=4096; PRAGMA cipher_default_kdf_iter=4000;"

now_ns() { date +%s%N; }

sql() {  # sql FILE SQL... : runs SQL on a keyed file, prints the rows
    local f=$1; shift
    sqlcipher -bail -batch -noheader "$f" "$KEY_SQL $*"
}

median() { sort -g | awk '{a[NR]=$1} END {if (NR==0) print "nan"; else print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# demo_db BOOKINGS ACCOUNTS -> path of a cached demo database (made once, or again when the
# generator library is newer than the cached file), with its cut-off beside it.
demo_db() {
    local n=$1 konten=$2
    local f=$CACHE/demo-$n-k$konten.db
    local lib=$TOLVA_DATA_DIR/libtolva-engine.so.5
    if [[ ${TOLVA_BENCH_FRESH:-0} == 1 || ! -f $f || ( -f $lib && $lib -nt $f ) ]]; then
        rm -f "$f" "$f.part" "$f.cutoff"
        echo "making demo database: $n bookings, $konten accounts ..." >&2
        "$BIN" demo-db "$f.part" --bookings "$n" --accounts "$konten" >/dev/null
        mv "$f.part" "$f"
    fi
    if [[ ! -s $f.cutoff ]]; then
        sql "$f" "SELECT Buchungsdatum FROM Umsätze ORDER BY Buchungsdatum
                  LIMIT 1 OFFSET (SELECT count(*) / 2 FROM Umsätze);" >"$f.cutoff"
    fi
    echo "$f"
}

# subset_of DB CUTOFF -> accounts holding about 40 % of the bookings before the cut-off, taken
# from the end of the account list (the wizard ticks its first row only together with all).
subset_of() {
    sql "$1" "SELECT KontoID, count(*) FROM Umsätze WHERE Buchungsdatum < '$2'
              GROUP BY KontoID ORDER BY KontoID DESC;" |
        awk -F'|' '{id[NR] = $1; n[NR] = $2; total += $2}
            END {for (i = 1; i <= NR && sum < 0.4 * total; i++) {sum += n[i]; out = out (out ? "," : "") id[i]}
                 print out}'
}

# timed OUT_PREFIX CMD... : runs CMD, writes "wall-seconds cpu-seconds peak-KiB" to OUT_PREFIX.time
timed() {
    local pre=$1; shift
    local t0 t1 rc=0
    t0=$(now_ns)
    "$GNU_TIME" -f '%U %S %M' -o "$pre.rusage" "$@" >"$pre.out" 2>"$pre.err" || rc=$?
    t1=$(now_ns)
    if [[ $rc != 0 ]]; then
        echo "failed ($rc): $*" >&2
        cat "$pre.out" "$pre.err" >&2
        exit 1
    fi
    awk -v w=$(( t1 - t0 )) '{printf "%.3f %.2f %d\n", w / 1e9, $1 + $2, $3}' "$pre.rusage" \
        >"$pre.time"
}

fresh_copy() {  # fresh_copy DB NAME : a copy of DB in WORK, written to the disk
    rm -f "$WORK/$2" "$WORK/$2-journal"
    cp "$1" "$WORK/$2"
    sync -f "$WORK/$2" 2>/dev/null || sync
}

# run_side KIND DB CUTOFF ACCOUNTS PREFIX : one archive run (KIND cli, offscreen or x11) on a
# fresh copy; leaves $WORK/KIND.db and $WORK/KIND.aba.
run_side() {
    local kind=$1 db=$2 c=$3 konten=$4 pre=$5
    local args=(create --db "$WORK/$kind.db" --before "$c" --out "$WORK/$kind.aba" --remove --yes)
    [[ -n $konten ]] && args+=(--accounts "$konten")
    fresh_copy "$db" "$kind.db"
    rm -f "$WORK/$kind.aba"
    case $kind in
        cli) timed "$pre" "$BIN" "${args[@]}" ;;
        offscreen) timed "$pre" env QT_QPA_PLATFORM=offscreen "$BIN" "${args[@]}" --wizard ;;
        x11) timed "$pre" env -u QT_QPA_PLATFORM DISPLAY="$XDISPLAY" "$BIN" "${args[@]}" --wizard ;;
    esac
    [[ -f $WORK/$kind.aba ]] || { echo "the $kind run left no archive" >&2; cat "$pre.out" >&2; exit 1; }
}

# --- the floor -----------------------------------------------------------------------------

DATED_TABLES=(Umsätze UmsZusatz OffeneUmsätze Aufträge SammelAufträge)
MOVED_TABLES=("${DATED_TABLES[@]}" SammelEinzel)
declare -A BASE=(
    [Umsätze]="Buchungsdatum < '%c'"
    [UmsZusatz]="BuchungsID < '%c'"
    [OffeneUmsätze]="Buchungsdatum < '%c'"
    [Aufträge]="Status = 4 AND Datum < '%c'"
    [SammelAufträge]="(Status = 1 OR Status = 4) AND Datum < '%c'"
)
declare -A FORM  # per dated table: the way the floor selects (index, scan, rowids, none)

# where_of TABLE FORM CUTOFF ACCOUNTS -> the floor's where text
where_of() {
    local t=$1 form=$2 c=$3 konten=$4
    local base=${BASE[$t]//%c/$c}
    case $form in
        index) echo "$base AND KontoID IN ($konten)" ;;
        scan) echo "$base AND +KontoID IN ($konten)" ;;
        rowids) echo "rowid IN (SELECT rowid FROM \"$t\" WHERE $base AND KontoID IN ($konten))" ;;
        none) echo "$base" ;;
    esac
}

# floor_sql ARCHIVE CUTOFF ACCOUNTS TIMER : the floor's script, with the forms in FORM. What it
# needs of the run's archive is in KONTEN_IDS, BANK_IDS and EINZEL_IDS.
floor_sql() {
    local archiv=$1 c=$2 konten=$3 timer=$4 t w
    cat <<EOF
$KEY_SQL
PRAGMA cache_size=-8192;
PRAGMA journal_mode=DELETE;
PRAGMA synchronous=FULL;
PRAGMA locking_mode=EXCLUSIVE;
$ATTACH_DEFAULTS
ATTACH '$archiv' AS a KEY 'kiwi+banane';
PRAGMA a.cache_size=-8192;
PRAGMA a.journal_mode=OFF;
PRAGMA a.synchronous=FULL;
BEGIN IMMEDIATE;
UPDATE a.Optionen SET "Paßwort" = (SELECT "Paßwort" FROM main.Optionen LIMIT 1);
INSERT INTO a.BankDaten SELECT * FROM BankDaten WHERE id IN ($BANK_IDS);
INSERT INTO a.Konten SELECT * FROM Konten WHERE id IN ($KONTEN_IDS);
UPDATE a.Konten SET Nr = (SELECT max(Nr) FROM main.Konten) + (SELECT count(*) FROM main.Konten k
    WHERE k.Nr < 0 AND k.id IN ($KONTEN_IDS) AND k.id <= Konten.id) WHERE Nr < 0;
UPDATE main.Konten SET Nr = -1 WHERE Nr < 0 AND id IN ($KONTEN_IDS);
$timer
EOF
    for t in "${DATED_TABLES[@]}"; do
        w=$(where_of "$t" "${FORM[$t]}" "$c" "$konten")
        echo ".print T:$t"
        echo "INSERT INTO a.\"$t\" SELECT * FROM \"$t\" WHERE $w;"
        echo "DELETE FROM \"$t\" WHERE $w;"
    done
    cat <<EOF
.print T:SammelEinzel
INSERT INTO a.SammelEinzel SELECT * FROM SammelEinzel WHERE id IN ($EINZEL_IDS);
DELETE FROM SammelEinzel WHERE id IN ($EINZEL_IDS);
.print T:rest
CREATE TABLE a.tolva_Konten AS SELECT * FROM Konten WHERE 0;
CREATE TABLE a.tolva_BankDaten AS SELECT * FROM BankDaten WHERE 0;
INSERT INTO a.tolva_Konten SELECT * FROM Konten k WHERE k.id NOT IN (SELECT id FROM a.Konten)
    AND k.id IN (SELECT KontoID FROM a."Umsätze" UNION SELECT KontoID FROM a.UmsZusatz UNION
                 SELECT KontoID FROM a."OffeneUmsätze" UNION SELECT KontoID FROM a."Aufträge"
                 UNION SELECT KontoID FROM a."SammelAufträge");
INSERT INTO a.tolva_BankDaten SELECT * FROM BankDaten b WHERE b.id IN (SELECT bankID FROM
    a.tolva_Konten) AND b.id NOT IN (SELECT id FROM a.BankDaten);
INSERT INTO a.Daten (Daten, Flag, Typ, Datum) VALUES (x'00', 1, 99, date('now'));
INSERT INTO a.Kategorien SELECT * FROM Kategorien;
INSERT INTO a."Empfänger" SELECT * FROM "Empfänger";
COMMIT;
EOF
}

run_floor() {  # run_floor DB CUTOFF ACCOUNTS PREFIX : the floor on a fresh copy
    local db=$1 c=$2 konten=$3 pre=$4
    fresh_copy "$db" floor.db
    rm -f "$WORK/floor.aba"
    floor_sql "$WORK/floor.aba" "$c" "$konten" "" >"$WORK/floor.sql"
    # The template copy belongs to the work, as it does in the run.
    timed "$pre" bash -c 'cp "$1" "$2" && sqlcipher -bail -batch "$3" <"$4" >/dev/null' _ \
        "$TEMPLATE" "$WORK/floor.aba" "$WORK/floor.db" "$WORK/floor.sql"
}

# choose_forms DB CUTOFF ACCOUNTS ALL : runs the floor once per form with the statement timer on
# and keeps, table by table, the form that copied and deleted fastest.
choose_forms() {
    local db=$1 c=$2 konten=$3 all=$4 form t
    local forms=(index scan rowids)
    [[ $all == 1 ]] && forms+=(none)
    declare -A best_time=()
    for form in "${forms[@]}"; do
        for t in "${DATED_TABLES[@]}"; do FORM[$t]=$form; done
        fresh_copy "$db" floor.db
        cp "$TEMPLATE" "$WORK/floor.aba"
        floor_sql "$WORK/floor.aba" "$c" "$konten" ".timer on" |
            sqlcipher -bail -batch "$WORK/floor.db" >"$WORK/timer.out"
        while read -r t secs; do
            if [[ -z ${best_time[$t]:-} ]] || awk -v a="$secs" -v b="${best_time[$t]}" 'BEGIN {exit !(a < b)}'; then
                best_time[$t]=$secs
                BEST_FORM[$t]=$form
            fi
        done < <(awk '/^T:/ {t = substr($0, 3)} /^Run Time:/ && t != "" {s[t] += $4}
                      END {for (t in s) print t, s[t]}' "$WORK/timer.out")
    done
    for t in "${DATED_TABLES[@]}"; do FORM[$t]=${BEST_FORM[$t]}; done
}

# --- the comparison of two sides --------------------------------------------------------------

# fingerprint FILE KIND -> per table "name count hash" (KIND archive: the description record's
# text and date left out, they hold the moment of the run; KIND moved: the six tables of moved
# rows only)
fingerprint() {
    local f=$1 kind=$2 t cols n h tables
    if [[ $kind == moved ]]; then
        tables=("${MOVED_TABLES[@]}")
    else
        mapfile -t tables < <(sql "$f" "SELECT name FROM sqlite_master WHERE type = 'table'
                                        AND name NOT LIKE 'sqlite_%' ORDER BY name;")
    fi
    for t in "${tables[@]}"; do
        cols='*'
        if [[ $kind == archive && $t == Daten ]]; then
            cols=$(sql "$f" "PRAGMA table_info(Daten);" | awk -F'|' '$2 != "Daten" && $2 != "Datum" {printf "%s%s", s, $2; s = ","}')
        fi
        n=$(sql "$f" "SELECT count(*) FROM \"$t\";")
        h=$(printf '%s\n.mode insert x\nSELECT %s FROM "%s" ORDER BY rowid;\n' "$KEY_SQL" "$cols" "$t" |
            sqlcipher -bail -batch "$f" | md5sum | cut -c1-12)
        echo "$t $n $h"
    done
}

# same_rows LABEL-A FILE-A LABEL-B FILE-B KIND : fails the script when the two files differ
same_rows() {
    fingerprint "$2" "$5" >"$WORK/fp.a"
    fingerprint "$4" "$5" >"$WORK/fp.b"
    if ! cmp -s "$WORK/fp.a" "$WORK/fp.b"; then
        echo "VOID: $1 and $3 hold different rows ($5):" >&2
        paste -d' ' "$WORK/fp.a" "$WORK/fp.b" | awk '$2 != $5 || $3 != $6' >&2
        exit 1
    fi
}

rows_line() {  # rows_line ARCHIVE -> "Umsätze n, UmsZusatz n, ..." of the tables the run selects
    awk '$2 > 0 && $1 != "Daten" && $1 != "Optionen" && $1 != "Version" {printf "%s%s %s", s, $1, $2; s = ", "}' \
        <(fingerprint "$1" archive)
}

# --- run against floor -------------------------------------------------------------------------

declare -A BEST_FORM=()
SUMMARY=()

# bench_pair N WHICH : WHICH all or subset
bench_pair() {
    local n=$1 which=$2 db c konten="" all=1 i
    db=$(demo_db "$n" 12)
    c=$(cat "$db.cutoff")
    if [[ $which == subset ]]; then
        konten=$(subset_of "$db" "$c")
        all=0
    fi
    local auswahl=${konten:-$(sql "$db" "SELECT group_concat(id) FROM Konten;")}
    # Short runs are drowned more easily by a busy machine: below 500,000 bookings three
    # times as many pairs.
    local runs=$RUNS
    (( n < 500000 )) && runs=$(( 3 * RUNS ))
    echo "== $n bookings, cut-off $c, ${which} (accounts $auswahl), $runs runs each"
    # One run first: it warms the caches and tells the floor the rows that are not plain SQL.
    run_side cli "$db" "$c" "$konten" "$WORK/warm"
    KONTEN_IDS=$(sql "$WORK/cli.aba" "SELECT group_concat(id) FROM Konten;")
    BANK_IDS=$(sql "$WORK/cli.aba" "SELECT group_concat(id) FROM BankDaten;")
    EINZEL_IDS=$(sql "$WORK/cli.aba" "SELECT group_concat(id) FROM SammelEinzel;")
    choose_forms "$db" "$c" "$auswahl" "$all"
    local t wahl=""
    for t in "${DATED_TABLES[@]}"; do wahl+="$t ${FORM[$t]}, "; done
    echo "  floor's fastest ways: ${wahl%, }"
    rm -f "$WORK"/a*.time "$WORK"/b*.time
    for (( i = 1; i <= runs; i++ )); do
        # Alternating order, so that neither side always runs on a warmer machine.
        if (( i % 2 )); then
            run_side cli "$db" "$c" "$konten" "$WORK/a$i"; run_floor "$db" "$c" "$auswahl" "$WORK/b$i"
        else
            run_floor "$db" "$c" "$auswahl" "$WORK/b$i"; run_side cli "$db" "$c" "$konten" "$WORK/a$i"
        fi
        same_rows "run archive" "$WORK/cli.aba" "floor archive" "$WORK/floor.aba" archive
        same_rows "run user database" "$WORK/cli.db" "floor user database" "$WORK/floor.db" user
        printf '  run %d: archive run %ss (cpu %ss), floor %ss (cpu %ss); same rows\n' "$i" \
            "$(cut -d' ' -f1 "$WORK/a$i.time")" "$(cut -d' ' -f2 "$WORK/a$i.time")" \
            "$(cut -d' ' -f1 "$WORK/b$i.time")" "$(cut -d' ' -f2 "$WORK/b$i.time")"
    done
    echo "  archived: $(rows_line "$WORK/cli.aba")"
    local aw ac am bw bc
    aw=$(cut -d' ' -f1 "$WORK"/a*.time | median)
    ac=$(cut -d' ' -f2 "$WORK"/a*.time | median)
    am=$(cut -d' ' -f3 "$WORK"/a*.time | sort -n | tail -1)
    bw=$(cut -d' ' -f1 "$WORK"/b*.time | median)
    bc=$(cut -d' ' -f2 "$WORK"/b*.time | median)
    printf '  archive run: median %.3f s wall, %.2f s cpu; peak %.1f MiB\n' "$aw" "$ac" "$(echo "$am / 1024" | bc -l)"
    printf '  floor:       median %.3f s wall, %.2f s cpu\n' "$bw" "$bc"
    # The two sides of a pair run back to back, so the median of the pairs' ratios is the
    # figure that a machine whose load drifts disturbs least.
    local pr
    pr=$(for (( i = 1; i <= runs; i++ )); do
             ratio "$(cut -d' ' -f1 "$WORK/a$i.time")" "$(cut -d' ' -f1 "$WORK/b$i.time")"; echo
         done | median)
    printf '  ratio run/floor: %s wall (median of the pairs: %s), %s cpu (bar: 1.20)\n' \
        "$(ratio "$aw" "$bw")" "$pr" "$(ratio "$ac" "$bc")"
    SUMMARY+=("$(printf '%9d %-7s run %7.3f s  floor %7.3f s  ratio %s (pairs %s)  peak %5.1f MiB' \
        "$n" "$which" "$aw" "$bw" "$(ratio "$aw" "$bw")" "$pr" "$(echo "$am / 1024" | bc -l)")")
}

SIZES=($N)
(( QUICK )) || SIZES=($(( N / 10 )) $N)
(( BIG )) && SIZES+=($(( 3 * N )))
if part pairs; then
    for n in "${SIZES[@]}"; do
        bench_pair "$n" all
        bench_pair "$n" subset
    done
fi

# --- restore against floor ---------------------------------------------------------------------

declare -A RCOLS=()        # per moved table: its columns but the id
declare -A RFORM=()        # per moved table: the floor's way (check, idfirst, ids, idfirst-ids)
declare -A RFORM_FIRST=()  # the ways for a restore into the archived state
declare -A RFORM_AGAIN=()  # and for restoring the same archive once more

# uri_of PATH -> a read-only URI of the file, as an SQL text literal
uri_of() {
    local p=${1//%/%25}
    p=${p// /%20}; p=${p//\?/%3f}; p=${p//#/%23}; p=${p//\'/\'\'}
    echo "'file:$p?mode=ro'"
}

# restore_floor_sql ARCHIVE TIMER : the floor's restore of ARCHIVE, with the ways in RFORM
restore_floor_sql() {
    local archiv=$1 timer=$2 t c gleich da selbe wo
    cat <<EOF
$KEY_SQL
PRAGMA cache_size=-8192;
PRAGMA journal_mode=DELETE;
PRAGMA synchronous=FULL;
$ATTACH_DEFAULTS
ATTACH $(uri_of "$archiv") AS archiv KEY 'kiwi+banane';
$timer
BEGIN;
EOF
    for t in "${MOVED_TABLES[@]}"; do
        gleich=""
        for c in ${RCOLS[$t]}; do gleich+="${gleich:+ AND }l.\"$c\" IS a.\"$c\""; done
        da="EXISTS (SELECT 1 FROM main.\"$t\" l WHERE $gleich)"
        selbe="EXISTS (SELECT 1 FROM main.\"$t\" l WHERE l.id = a.id AND $gleich)"
        case ${RFORM[$t]} in
            check | ids) wo="NOT $da" ;;
            idfirst | idfirst-ids) wo="NOT $selbe AND NOT $da" ;;
        esac
        echo ".print T:$t"
        case ${RFORM[$t]} in
            check | idfirst) echo "INSERT INTO main.\"$t\" SELECT * FROM archiv.\"$t\" a WHERE $wo;" ;;
            *) echo "CREATE TEMP TABLE neu(id INTEGER PRIMARY KEY);"
               echo "INSERT INTO temp.neu SELECT a.id FROM archiv.\"$t\" a WHERE $wo;"
               echo "INSERT INTO main.\"$t\" SELECT a.* FROM temp.neu n CROSS JOIN archiv.\"$t\" a ON a.id = n.id;"
               echo "DROP TABLE temp.neu;" ;;
        esac
    done
    echo "COMMIT;"
}

# choose_restore_forms STATE ARCHIVE : runs the floor's restore of ARCHIVE once per way on a
# fresh copy of STATE with the statement timer on and keeps, table by table, the fastest way.
choose_restore_forms() {
    local state=$1 archiv=$2 form t secs
    declare -A best_time=() best_form=()
    for form in check idfirst ids idfirst-ids; do
        for t in "${MOVED_TABLES[@]}"; do RFORM[$t]=$form; done
        fresh_copy "$state" floor.db
        restore_floor_sql "$archiv" ".timer on" | sqlcipher -bail -batch "$WORK/floor.db" >"$WORK/timer.out"
        while read -r t secs; do
            if [[ -z ${best_time[$t]:-} ]] || awk -v a="$secs" -v b="${best_time[$t]}" 'BEGIN {exit !(a < b)}'; then
                best_time[$t]=$secs
                best_form[$t]=$form
            fi
        done < <(awk '/^T:/ {t = substr($0, 3)} /^Run Time:/ && t != "" {s[t] += $4}
                      END {for (t in s) print t, s[t]}' "$WORK/timer.out")
    done
    for t in "${MOVED_TABLES[@]}"; do RFORM[$t]=${best_form[$t]}; done
}

forms_line() {  # forms_line -> "Umsätze check, UmsZusatz ids, ..." of RFORM
    local t line=""
    for t in "${MOVED_TABLES[@]}"; do line+="$t ${RFORM[$t]}, "; done
    echo "${line%, }"
}

# restore_side STATE ARCHIVE PREFIX : the program's restore on a fresh copy of STATE, left in
# $WORK/restore.db; restore_floor likewise, left in $WORK/floor.db. Without STATE: once more
# into what the last one left.
restore_side() {
    [[ -n $1 ]] && fresh_copy "$1" restore.db
    timed "$3" "$BIN" restore "$2" --db "$WORK/restore.db" --yes --no-backup
}
restore_floor() {
    [[ -n $1 ]] && fresh_copy "$1" floor.db
    restore_floor_sql "$2" "" >"$WORK/floor.sql"
    timed "$3" bash -c 'sqlcipher -bail -batch "$1" <"$2" >/dev/null' _ "$WORK/floor.db" "$WORK/floor.sql"
}

# as_before FILE LABEL : fails the script unless the moved rows of FILE are those of the
# database before the archive run ($WORK/fp.vorher)
as_before() {
    fingerprint "$1" moved >"$WORK/fp.nach"
    if ! cmp -s "$WORK/fp.vorher" "$WORK/fp.nach"; then
        echo "VOID: $2 does not hold the rows of the database before the archive run:" >&2
        paste -d' ' "$WORK/fp.vorher" "$WORK/fp.nach" | awk '$2 != $5 || $3 != $6' >&2
        exit 1
    fi
}

mib() { echo "$1 / 1024" | bc -l; }
col() { cut -d' ' -f"$1" "$2"; }  # col FIELD FILE : wall (1), cpu (2) or peak KiB (3) of a .time

# bench_restore N WHICH : WHICH all or subset
bench_restore() {
    local n=$1 which=$2 db c konten="" i t
    db=$(demo_db "$n" 12)
    c=$(cat "$db.cutoff")
    [[ $which == subset ]] && konten=$(subset_of "$db" "$c")
    local runs=$RUNS
    (( n < 500000 )) && runs=$(( 3 * RUNS ))
    # The state to restore into: the demo database after an archive run with removal.
    local args=(create --db "$WORK/archiviert.db" --before "$c" --out "$WORK/restore.aba"
                --remove --yes --password-mode none)
    [[ -n $konten ]] && args+=(--accounts "$konten")
    fresh_copy "$db" archiviert.db
    rm -f "$WORK/restore.aba"
    timed "$WORK/archiviert" "$BIN" "${args[@]}"
    fingerprint "$db" moved >"$WORK/fp.vorher"
    fingerprint "$WORK/archiviert.db" moved >"$WORK/fp.archiviert"
    if cmp -s "$WORK/fp.vorher" "$WORK/fp.archiviert"; then
        echo "the archive run removed nothing: a restore would have nothing to do" >&2
        exit 1
    fi
    local hash
    hash=$(sha256sum <"$WORK/restore.aba")
    echo "== restore: $n bookings, cut-off $c, ${which} (accounts ${konten:-all}), $runs runs each"
    echo "  archived with removal: $(rows_line "$WORK/restore.aba")"
    for t in "${MOVED_TABLES[@]}"; do
        RCOLS[$t]=$(sql "$db" "PRAGMA table_info(\"$t\");" | awk -F'|' '$2 != "id" {printf "%s ", $2}')
    done
    choose_restore_forms "$WORK/archiviert.db" "$WORK/restore.aba"
    for t in "${MOVED_TABLES[@]}"; do RFORM_FIRST[$t]=${RFORM[$t]}; done
    echo "  floor's fastest ways: $(forms_line)"
    # The restored state for the choice of the ways once more: the floor's own result.
    restore_floor "$WORK/archiviert.db" "$WORK/restore.aba" "$WORK/rwarm"
    cp "$WORK/floor.db" "$WORK/zurueck.db"
    choose_restore_forms "$WORK/zurueck.db" "$WORK/restore.aba"
    for t in "${MOVED_TABLES[@]}"; do RFORM_AGAIN[$t]=${RFORM[$t]}; done
    echo "  floor's fastest ways once more: $(forms_line)"
    rm -f "$WORK"/r[abcd]*.time
    for (( i = 1; i <= runs; i++ )); do
        for t in "${MOVED_TABLES[@]}"; do RFORM[$t]=${RFORM_FIRST[$t]}; done
        # Alternating order, so that neither side always runs on a warmer machine.
        if (( i % 2 )); then
            restore_side "$WORK/archiviert.db" "$WORK/restore.aba" "$WORK/ra$i"
            restore_floor "$WORK/archiviert.db" "$WORK/restore.aba" "$WORK/rb$i"
        else
            restore_floor "$WORK/archiviert.db" "$WORK/restore.aba" "$WORK/rb$i"
            restore_side "$WORK/archiviert.db" "$WORK/restore.aba" "$WORK/ra$i"
        fi
        same_rows "restored user database" "$WORK/restore.db" "floor's user database" "$WORK/floor.db" user
        as_before "$WORK/restore.db" "the restored user database"
        # Once more into the result: nothing may change.
        for t in "${MOVED_TABLES[@]}"; do RFORM[$t]=${RFORM_AGAIN[$t]}; done
        cp "$WORK/fp.a" "$WORK/fp.zurueck"
        if (( i % 2 )); then
            restore_side "" "$WORK/restore.aba" "$WORK/rc$i"
            restore_floor "" "$WORK/restore.aba" "$WORK/rd$i"
        else
            restore_floor "" "$WORK/restore.aba" "$WORK/rd$i"
            restore_side "" "$WORK/restore.aba" "$WORK/rc$i"
        fi
        same_rows "user database restored twice" "$WORK/restore.db" "floor's, twice" "$WORK/floor.db" user
        if ! cmp -s "$WORK/fp.zurueck" "$WORK/fp.a"; then
            echo "VOID: restoring the same archive once more changed the user database:" >&2
            paste -d' ' "$WORK/fp.zurueck" "$WORK/fp.a" | awk '$2 != $5 || $3 != $6' >&2
            exit 1
        fi
        printf '  run %d: restore %ss (cpu %ss), floor %ss (cpu %ss); once more: restore %ss, floor %ss; same rows, as before archiving\n' \
            "$i" "$(col 1 "$WORK/ra$i.time")" "$(col 2 "$WORK/ra$i.time")" \
            "$(col 1 "$WORK/rb$i.time")" "$(col 2 "$WORK/rb$i.time")" \
            "$(col 1 "$WORK/rc$i.time")" "$(col 1 "$WORK/rd$i.time")"
    done
    [[ $(sha256sum <"$WORK/restore.aba") == "$hash" ]] || { echo "the archive changed" >&2; exit 1; }
    local aw ac am bw bc cw cm dw pr
    aw=$(cut -d' ' -f1 "$WORK"/ra*.time | median)
    ac=$(cut -d' ' -f2 "$WORK"/ra*.time | median)
    am=$(cut -d' ' -f3 "$WORK"/ra*.time | sort -n | tail -1)
    bw=$(cut -d' ' -f1 "$WORK"/rb*.time | median)
    bc=$(cut -d' ' -f2 "$WORK"/rb*.time | median)
    cw=$(cut -d' ' -f1 "$WORK"/rc*.time | median)
    cm=$(cut -d' ' -f3 "$WORK"/rc*.time | sort -n | tail -1)
    dw=$(cut -d' ' -f1 "$WORK"/rd*.time | median)
    printf '  restore:     median %.3f s wall, %.2f s cpu; peak %.1f MiB\n' "$aw" "$ac" "$(mib "$am")"
    printf '  floor:       median %.3f s wall, %.2f s cpu; peak %.1f MiB\n' "$bw" "$bc" \
        "$(mib "$(cut -d' ' -f3 "$WORK"/rb*.time | sort -n | tail -1)")"
    pr=$(for (( i = 1; i <= runs; i++ )); do
             ratio "$(col 1 "$WORK/ra$i.time")" "$(col 1 "$WORK/rb$i.time")"; echo
         done | median)
    printf '  ratio restore/floor: %s wall (median of the pairs: %s), %s cpu (bar: 1.20)\n' \
        "$(ratio "$aw" "$bw")" "$pr" "$(ratio "$ac" "$bc")"
    printf '  restoring again (changes nothing): median %.3f s wall, peak %.1f MiB; floor %.3f s (ratio %s)\n' \
        "$cw" "$(mib "$cm")" "$dw" "$(ratio "$cw" "$dw")"
    SUMMARY+=("$(printf '%9d %-7s restore / floor %s (pairs %s)  peak %5.1f MiB  again %.3f s (floor %.3f s)' \
        "$n" "$which" "$(ratio "$aw" "$bw")" "$pr" "$(mib "$am")" "$cw" "$dw")")
}

if part restore; then
    for n in "${SIZES[@]}"; do
        bench_restore "$n" all
        bench_restore "$n" subset
    done
fi

# --- the wizard against the command line --------------------------------------------------------

# start_xvfb : an X server of our own for the wizard's runs on a real display
start_xvfb() {
    command -v Xvfb >/dev/null || return 1
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$WORK/xvfb.display" 2>/dev/null &
    XVFB_PID=$!
    local i
    for (( i = 0; i < 100; i++ )); do
        [[ -s $WORK/xvfb.display ]] && break
        sleep 0.05
    done
    [[ -s $WORK/xvfb.display ]] || return 1
    XDISPLAY=:$(head -1 "$WORK/xvfb.display")
}

bench_wizard() {  # bench_wizard WHICH
    local which=$1 db c konten="" kind i
    db=$(demo_db "$N" 12)
    c=$(cat "$db.cutoff")
    [[ $which == subset ]] && konten=$(subset_of "$db" "$c")
    local kinds=(cli offscreen)
    [[ -n ${XDISPLAY:-} ]] && kinds+=(x11)
    echo "== the wizard against the command line: $N bookings, $which, $RUNS runs each"
    rm -f "$WORK"/w-*.time
    local n=${#kinds[@]} j line
    for (( i = 1; i <= RUNS; i++ )); do
        # Each run starts with another side, so that none always follows the same one.
        line="  run $i:"
        for (( j = 0; j < n; j++ )); do
            kind=${kinds[$(( (i - 1 + j) % n ))]}
            run_side "$kind" "$db" "$c" "$konten" "$WORK/w-$kind-$i"
            line+=" $kind $(cut -d' ' -f1 "$WORK/w-$kind-$i.time")s"
        done
        for kind in "${kinds[@]:1}"; do
            same_rows "command-line archive" "$WORK/cli.aba" "$kind wizard archive" "$WORK/$kind.aba" archive
            same_rows "command-line user database" "$WORK/cli.db" "$kind wizard user database" "$WORK/$kind.db" user
        done
        echo "$line; same rows"
    done
    local cw w m
    cw=$(cut -d' ' -f1 "$WORK"/w-cli-*.time | median)
    for kind in "${kinds[@]}"; do
        w=$(cut -d' ' -f1 "$WORK"/w-$kind-*.time | median)
        m=$(cut -d' ' -f3 "$WORK"/w-$kind-*.time | sort -n | tail -1)
        printf '  %-9s median %.3f s wall, ratio to the command line %s (bar: 1.10), peak %.1f MiB (bar: 64)\n' \
            "$kind" "$w" "$(ratio "$w" "$cw")" "$(echo "$m / 1024" | bc -l)"
        [[ $kind != cli ]] && SUMMARY+=("$(printf '%9d %-7s wizard %-9s / command line %s  peak %5.1f MiB' \
            "$N" "$which" "$kind" "$(ratio "$w" "$cw")" "$(echo "$m / 1024" | bc -l)")")
    done
}

ms_of() {  # ms_of RUNS CMD... : median wall ms of RUNS runs
    local runs=$1 i t0 t1; shift
    for (( i = 0; i < runs; i++ )); do
        t0=$(now_ns); "$@" >/dev/null 2>&1; t1=$(now_ns)
        echo "$(( (t1 - t0) / 1000 ))"
    done | median | awk '{printf "%.1f", $1 / 1000}'
}

if (( ! QUICK )) && part wizard; then
    start_xvfb || echo "(no Xvfb: the wizard runs offscreen only)"
    bench_wizard all
    bench_wizard subset
fi

if (( ! QUICK )) && part fixed; then
    [[ -z ${XDISPLAY:-} ]] && { start_xvfb || true; }
    echo "== fixed costs"
    # The command line's whole job on a database with 100 bookings: what every run pays.
    klein=$(demo_db 1000 12)
    kc=$(cat "$klein.cutoff")
    for (( i = 0; i < 7; i++ )); do
        run_side cli "$klein" "$kc" "" "$WORK/f$i"
        cut -d' ' -f1 "$WORK/f$i.time"
    done | median | awk '{printf "  command line, whole run with removal on 1,000 bookings: %.1f ms (bar: 80)\n", $1 * 1000}'
    if [[ -n ${XDISPLAY:-} ]]; then
        # Process start to the first page painted: the wizard closes itself as soon as its first
        # page has been painted on the X server (and the time to close is counted too).
        db=$(demo_db "$N" 12)
        t=$(ms_of 7 env -u QT_QPA_PLATFORM DISPLAY="$XDISPLAY" "$BIN" --db "$db" --first-page)
        echo "  wizard on $N bookings, process start to the first page painted (and closed): $t ms (bar: 250)"
    fi
    db50=$(demo_db "$N" 50)
    c50=$(cat "$db50.cutoff")
    mkdir -p "$WORK/leer"
    t_survey=$(ms_of 7 "$BIN" survey --db "$db50" --before "$c50")
    t_start=$(ms_of 7 "$BIN" list "$WORK/leer")
    printf '  survey over 50 accounts (%d bookings): %s ms; process start-up alone (list of an empty folder): %s ms\n' \
        "$N" "$t_survey" "$t_start"
    # Entering the summary page: the survey, then the plan under it (counted in the process).
    db=$(demo_db "$N" 12)
    for (( i = 0; i < 7; i++ )); do
        "$BIN" survey --db "$db" --before "$(cat "$db.cutoff")" --times 2>&1 >/dev/null |
            awk '/^Suche/ {print $2, $5}'
    done | sort -g -k2 | awk '{s[NR] = $1; p[NR] = $2} END {m = int((NR + 1) / 2);
        printf "  summary page on %d bookings, all accounts: survey %.1f ms, plan under it %.1f ms (bar: 150)\n", '"$N"', s[m], p[m]}'
    # One sqlcipher shell opens the same small database 100 times; the same shell without the
    # opens is subtracted.
    cp "$TEMPLATE" "$WORK/klein.db"
    : >"$WORK/opens0.sql"
    : >"$WORK/opensN.sql"
    for (( i = 0; i < 100; i++ )); do
        printf '.open %s\n%s\nSELECT count(*) FROM sqlite_master;\n' "$WORK/klein.db" "$KEY_SQL" >>"$WORK/opensN.sql"
    done
    t_leer=$(ms_of 7 bash -c 'sqlcipher -batch :memory: <"$1"' _ "$WORK/opens0.sql")
    t_voll=$(ms_of 7 bash -c 'sqlcipher -batch :memory: <"$1"' _ "$WORK/opensN.sql")
    printf '  opening a keyed database: %.2f ms (bar: 10)\n' "$(echo "($t_voll - $t_leer) / 100" | bc -l)"
fi

if (( ! QUICK )) && part browse; then
    # The browser on an archive that holds every booking of the N-booking database (made once
    # by the command line, no removal), timed as whole processes; start-up alone beside it.
    echo "== the archive browser on an archive of $N bookings"
    db=$(demo_db "$N" 12)
    voll=$CACHE/demo-$N-k12.alle.aba
    if [[ ! -s $voll || $db -nt $voll ]]; then
        rm -f "$voll"
        "$BIN" create --db "$db" --before 2100-01-01 --out "$voll" --password-mode none --yes \
            >/dev/null 2>&1 || { echo "the archive for the browser could not be made" >&2; exit 1; }
    fi
    t_start=$(ms_of 5 "$BIN" --version)
    t_erste=$(ms_of 5 "$BIN" show "$voll" --limit 200)
    t_sort=$(ms_of 5 "$BIN" show "$voll" --sort betrag --limit 200)
    t_suche=$(ms_of 5 "$BIN" show "$voll" --search müller --limit 200)
    printf '  process start-up alone: %s ms\n' "$t_start"
    printf '  first screen (200 bookings in date order): %s ms (bar: 300)\n' "$t_erste"
    printf '  sorted by amount: %s ms, searched for "müller": %s ms (bar: 1500)\n' "$t_sort" "$t_suche"
    # Scrolling on: show --times loads the 2nd, the 10th and the middle piece of 200 as the
    # browser's list does and times each inside the process; per run the slowest of the three
    # counts, median of 5 runs (the first screen, timed the same way, beside it).
    further_piece() {  # further_piece SHOW-OPTIONS... -> "PIECE-MS FIRST-SCREEN-MS"
        local i
        for (( i = 0; i < 5; i++ )); do
            "$BIN" show "$voll" --limit 200 --times "$@" 2>&1 >/dev/null | awk -F', ' '
                /^Erste Seite/ { m = 0; split($1, e, " ")
                    for (i = 2; i <= NF; i++) { n = split($i, t, " "); if (t[n - 1] + 0 > m) m = t[n - 1] + 0 }
                    print m, e[3] }'
        done >"$WORK/stuecke"
        echo "$(cut -d' ' -f1 "$WORK/stuecke" | median) $(cut -d' ' -f2 "$WORK/stuecke" | median)"
    }
    for wahl in "amount:--sort betrag" "payee:--sort empfaenger" "searched for \"müller\":--search müller"; do
        read -r t_stueck t_bild < <(further_piece ${wahl#*:})
        printf '  %s, further piece: %s ms (bar: 50); its first screen in the process: %s ms\n' \
            "${wahl%%:*}" "$t_stueck" "$t_bild"
    done
fi

echo "== summary (wall-clock medians of $RUNS runs)"
printf '  %s\n' "${SUMMARY[@]}"
