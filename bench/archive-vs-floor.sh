#!/usr/bin/env bash
# archive-vs-floor.sh: times whole archive runs with removal against the honest SQLCipher floor,
# and the wizard's run against the command line's.
#
# Usage: bench/archive-vs-floor.sh --help (the parts, the options and the settings).
#
# Builds nothing: it expects a built tree (scripts/setup.sh), that is build/bin/tolva-archiv and
# build/lib/HbLeer.dat. Another tree is chosen with TOLVA_BUILD=/path/to/build, or the binary
# and the data folder one by one with TOLVA_BIN and TOLVA_DATA_DIR.
# Further settings: TOLVA_BENCH_RUNS (alternating runs of each side, 3),
# TOLVA_BENCH_CACHE (where the demo databases are kept, ${TMPDIR:-/tmp}/tolva-bench),
# TOLVA_BENCH_FRESH=1 (make the demo databases anew; they are also made anew when the
# generator library is newer than the cached file).
#
# Every size is timed with every account ticked and with a subset of accounts that holds about
# 40 % of the rows before the cut-off (the cut-off is the median booking date); the archive run
# also with the largest accounts that hold about 85 % of them ("most").
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
# live row equal in every column but the id)", and for bookings and their extras also no live
# row of the same account and BuchungsID (the same booking, edited since: the restore's
# identity rule; the bookings' keys through a temporary index, the extras' through theirs).
# An id taken by other content stops it with a constraint error, as it makes the restore
# refuse. (The floor leaves out what the restore adds beside these rules on data like the
# demo's: pairing equal rows one to one, fresh ids, the read-back.) The floor tries four ways per table (that
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
# The scripts read the program's German texts, whatever the user's language.
export TOLVA_LANG=de

usage() {
    cat <<'EOF'
Usage: bench/archive-vs-floor.sh [OPTION]... [N]

Times tolva-archiv as whole processes against the cheapest work the sqlcipher shell can do
for the same result (the floor), checks that both sides gave the same rows, and prints the
ratios program/floor. Builds nothing.

  N               bookings of the demo database (1000000; at least 1000)

Parts (all of them by default, in this order):
  pairs     an archive run with removal (create --remove --yes) against the floor, with every
            account, with accounts holding about 40 % and with the largest accounts holding
            about 85 % of the rows; at N/10 and N
  restore   restore --yes --no-backup after a run with removal against the floor, and
            restoring the same archive once more; at the same sizes, every account and
            the 40 % choice
  wizard    the wizard's run (create --wizard, offscreen and on Xvfb) against the command
            line's, at N
  fixed     fixed costs: a whole run on 1,000 bookings, the wizard's first page at N, the
            survey over 50 accounts, process start-up, opening a keyed database
  browse    show on an archive of every booking of N: the first screen (200 bookings in date
            order), sorted by amount and the search for "müller", each against the shell's
            query for the same screen; process start-ups beside them; the chart's months
            (show --months, of every booking and of one account) against the shell's
            grouped query; then the search across a folder of five such archives on every
            core against one; last the printed statement of an archive of 100,000 bookings
            as PDF (show --pdf)
  verify    verify on an archive of every booking of N against the shell's integrity check
            and a read of every row of every table; and the seal's share of a run
            (create --times)

Options:
  --part PART    runs PART only (pairs, restore, wizard, fixed, browse or verify)
  --quick        pairs and restore at N only; leaves out wizard and fixed
  --big          pairs and restore at 3*N as well
  --sizes LIST   pairs and restore at exactly these numbers of bookings (comma-separated,
                 each at least 1000) instead of N/10, N and 3*N; e.g.
                 --part restore --sizes 3000000
  --dry-run      prints the parts and sizes that would run, and runs nothing
  -h, --help     prints this text

Settings (environment):
  TOLVA_BUILD        the build tree (build/ beside bench/)
  TOLVA_BIN          the program (TOLVA_BUILD/bin/tolva-archiv)
  TOLVA_DATA_DIR     the folder with HbLeer.dat and the engine library (TOLVA_BUILD/lib/)
  TOLVA_BENCH_RUNS   runs of each side (3; three times as many below 500,000 bookings;
                     at least 5 for browse)
  TOLVA_BENCH_CACHE  where the demo databases and archives are kept (${TMPDIR:-/tmp}/tolva-bench)
  TOLVA_BENCH_FRESH  1: makes the demo databases anew (also done when the engine library is
                     newer than a cached database)

Needs the sqlcipher shell, GNU time (/usr/bin/time), jq and pdfinfo (poppler-utils) for browse;
Xvfb when there.
EOF
}

refuse() {  # refuse TEXT : a wrong call, exit 2
    echo "archive-vs-floor.sh: $1 (see --help)" >&2
    exit 2
}

BIG=0 QUICK=0 DRY=0 PART=all N='' SIZES_GIVEN=''
while (( $# )); do
    case $1 in
        -h | --help) usage; exit 0 ;;
        --big) BIG=1 ;;
        --quick) QUICK=1 ;;
        --dry-run) DRY=1 ;;
        --part | --sizes)
            (( $# >= 2 )) || refuse "$1 needs a value"
            if [[ $1 == --part ]]; then PART=$2; else SIZES_GIVEN=$2; fi
            shift ;;
        -*) refuse "unknown option $1" ;;
        *) [[ -z $N ]] || refuse "one number of bookings only (got $N and $1)"
           N=$1 ;;
    esac
    shift
done
[[ $PART =~ ^(all|pairs|restore|wizard|fixed|browse|verify)$ ]] ||
    refuse "--part takes pairs, restore, wizard, fixed, browse or verify"
part() { [[ $PART == all || $PART == "$1" ]]; }
N=${N:-1000000}
[[ $N =~ ^[0-9]+$ && $N -ge 1000 ]] || refuse "N must be a number of bookings >= 1000"
if [[ -n $SIZES_GIVEN ]]; then
    IFS=, read -r -a SIZES <<<"$SIZES_GIVEN"
    (( ${#SIZES[@]} )) || refuse "--sizes needs at least one number"
    for n in "${SIZES[@]}"; do
        [[ $n =~ ^[0-9]+$ && $n -ge 1000 ]] || refuse "--sizes takes numbers of bookings >= 1000"
    done
else
    SIZES=("$N")
    (( QUICK )) || SIZES=("$(( N / 10 ))" "$N")
    (( BIG )) && SIZES+=("$(( 3 * N ))")
fi
RUNS=${TOLVA_BENCH_RUNS:-3}
# Whether a part runs: the part chosen, and wizard and fixed not under --quick.
runs_part() { part "$1" && { (( ! QUICK )) || [[ $1 != wizard && $1 != fixed ]]; }; }
if (( DRY )); then
    geplant=0
    for p in pairs restore wizard fixed browse verify; do
        runs_part "$p" || continue
        geplant=1
        case $p in
            pairs) echo "$p: ${SIZES[*]} bookings, every account, a subset (~40 %) and most (~85 %)" ;;
            restore) echo "$p: ${SIZES[*]} bookings, every account and a subset" ;;
            browse | verify) echo "$p: an archive of $N bookings" ;;
            *) echo "$p: $N bookings" ;;
        esac
    done
    (( geplant )) || echo "nothing: --quick leaves out wizard and fixed"
    exit 0
fi

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

# most_of DB CUTOFF -> the largest accounts that together hold about 85 % of the bookings
# before the cut-off
most_of() {
    sql "$1" "SELECT KontoID, count(*) FROM Umsätze WHERE Buchungsdatum < '$2'
              GROUP BY KontoID ORDER BY count(*) DESC, KontoID;" |
        awk -F'|' '{id[NR] = $1; n[NR] = $2; total += $2}
            END {for (i = 1; i <= NR && sum < 0.8 * total; i++) {sum += n[i]; out = out (out ? "," : "") id[i]}
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
        # The seal is the run's own record of its archive (with the run's time in it); the
        # floor writes none, and its cost is timed apart (part verify).
        mapfile -t tables < <(sql "$f" "SELECT name FROM sqlite_master WHERE type = 'table'
                                        AND name NOT LIKE 'sqlite_%' AND name <> 'TolvaSiegel'
                                        ORDER BY name;")
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

# bench_pair N WHICH : WHICH all, subset or most
bench_pair() {
    local n=$1 which=$2 db c konten="" all=1 i
    db=$(demo_db "$n" 12)
    c=$(cat "$db.cutoff")
    case $which in
        subset) konten=$(subset_of "$db" "$c"); all=0 ;;
        most) konten=$(most_of "$db" "$c"); all=0 ;;
    esac
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

if runs_part pairs; then
    for n in "${SIZES[@]}"; do
        bench_pair "$n" all
        bench_pair "$n" subset
        bench_pair "$n" most
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
        # Bookings and their extras are the same booking when account and BuchungsID agree
        # (edited since): such a row stays out too. The extras have an index on BuchungsID;
        # the bookings' keys go into a temporary index first.
        case $t in
            UmsZusatz)
                wo+=" AND NOT EXISTS (SELECT 1 FROM main.\"$t\" l WHERE l.BuchungsID = a.BuchungsID AND length(a.BuchungsID) > 0 AND l.KontoID IS a.KontoID)" ;;
            Umsätze)
                echo "CREATE TEMP TABLE schluessel(b TEXT, k INTEGER);"
                echo "INSERT INTO temp.schluessel SELECT BuchungsID, KontoID FROM main.\"$t\" WHERE length(BuchungsID) > 0;"
                echo "CREATE INDEX temp.ixschluessel ON schluessel(b, k);"
                wo+=" AND NOT EXISTS (SELECT 1 FROM temp.schluessel s WHERE s.b = a.BuchungsID AND s.k IS a.KontoID)" ;;
        esac
        case ${RFORM[$t]} in
            check | idfirst) echo "INSERT INTO main.\"$t\" SELECT * FROM archiv.\"$t\" a WHERE $wo;" ;;
            *) echo "CREATE TEMP TABLE neu(id INTEGER PRIMARY KEY);"
               echo "INSERT INTO temp.neu SELECT a.id FROM archiv.\"$t\" a WHERE $wo;"
               echo "INSERT INTO main.\"$t\" SELECT a.* FROM temp.neu n CROSS JOIN archiv.\"$t\" a ON a.id = n.id;"
               echo "DROP TABLE temp.neu;" ;;
        esac
        if [[ $t == Umsätze ]]; then echo "DROP TABLE temp.schluessel;"; fi
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

if runs_part restore; then
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

if runs_part wizard; then
    start_xvfb || echo "(no Xvfb: the wizard runs offscreen only)"
    bench_wizard all
    bench_wizard subset
fi

if runs_part fixed; then
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

# --- the archive browser against the floor -------------------------------------------------------

# The three screens and show's arguments for them.
BROWSE_CASES=(datum betrag suche)
declare -A BROWSE_TITLE=(
    [datum]="first screen (200 bookings in date order)"
    [betrag]="sorted by amount (first 200)"
    [suche]="searched for \"müller\" (first 200)"
)
declare -A BROWSE_ARGS=([datum]="" [betrag]="--sort betrag" [suche]="--search müller")
declare -A BROWSE_BAR=([datum]=300 [betrag]=1500 [suche]=1500)
# The program folds case and accents (tolva_falte), which the shell cannot. The demo data
# spells the name "Müller" only, and LIKE folds the ASCII letters, so this finds the same
# bookings there; the rows check fails the script as soon as it does not.
BROWSE_SUCHE="(Empfaenger LIKE '%müller%' OR Verwendungszweck LIKE '%müller%')"
BROWSE_SPALTEN="id, KontoID, Buchungsdatum, Betrag, Empfaenger, Verwendungszweck, Valuta, BuchungsID, KategorieID"
declare -A BFORM=()     # per case: the floor's way to the accounts' sums and to the rows
declare -A BFORM_MS=()  # and the statement timer's ms of each, when it was chosen

# browse_floor_sql CASE TIMER : the shell's script for the same screen as show: every account
# with its bookings' count, sum, first and last date and its orders and collective orders
# (T:konten), then the count and sum of the screen's bookings and its first 200 rows
# (T:zeilen). The accounts' sums come from GROUP BY KontoID through the account index
# ("group") or over a scan ("scan", GROUP BY +KontoID), or from the counts of the account
# index and one pass with a sum per account ("pivot"; the accounts are told in
# BROWSE_KONTEN). The rows of the amount order are read with the sort ("direct") or by the
# ids that the sort finds first ("ids"); the date order merges the first 200 of each
# account's index range ("merge"), as the program does; the search keeps its matches in one
# pass and takes the count, the sum and the first rows from them ("matches"), as the
# program does.
browse_floor_sql() {
    local fall=$1 timer=$2 k t u
    cat <<EOF
$KEY_SQL
PRAGMA cache_size=-8192;
$timer
.print T:konten
SELECT 'name', k.id, hex(k.KontoName), hex(k.KontoNummer), k.IBAN, b.Name FROM Konten k
    LEFT JOIN BankDaten b ON b.id = k.bankID;
EOF
    if [[ ${BFORM[$fall.konten]} != pivot ]]; then
        k=KontoID
        [[ ${BFORM[$fall.konten]} == scan ]] && k=+KontoID
        echo "CREATE TEMP TABLE s AS SELECT KontoID k, count(*) n, sum(Betrag) b FROM Umsätze GROUP BY $k;"
        echo "CREATE TEMP TABLE alle AS SELECT coalesce(sum(n), 0) n, coalesce(sum(b), 0) b FROM s;"
    else
        echo "CREATE TEMP TABLE z AS SELECT KontoID k, count(*) n FROM Umsätze GROUP BY KontoID;"
        t="coalesce(sum(Betrag), 0) b"
        u=""
        for k in $BROWSE_KONTEN; do
            t+=", sum(CASE KontoID WHEN $k THEN Betrag END) b$k"
            u+="${u:+ UNION ALL }SELECT $k k, b$k b FROM p"
        done
        echo "CREATE TEMP TABLE p AS SELECT $t FROM Umsätze;"
        echo "CREATE TEMP TABLE s AS SELECT z.k, z.n, q.b FROM z LEFT JOIN ($u) q ON q.k = z.k;"
        echo "CREATE TEMP TABLE alle AS SELECT (SELECT coalesce(sum(n), 0) FROM z) n, b FROM p;"
    fi
    cat <<EOF
CREATE TEMP TABLE a AS SELECT KontoID k, count(*) n FROM Aufträge GROUP BY KontoID;
CREATE TEMP TABLE sa AS SELECT KontoID k, count(*) n FROM SammelAufträge GROUP BY KontoID;
SELECT 'konto', i.k, coalesce(s.n, 0), coalesce(s.b, 0),
       coalesce((SELECT min(Buchungsdatum) FROM Umsätze WHERE KontoID = i.k), ''),
       coalesce((SELECT max(Buchungsdatum) FROM Umsätze WHERE KontoID = i.k), ''),
       coalesce(a.n, 0), coalesce(sa.n, 0)
  FROM (SELECT id k FROM Konten UNION SELECT k FROM s UNION SELECT k FROM a UNION SELECT k FROM sa) i
  LEFT JOIN s ON s.k = i.k LEFT JOIN a ON a.k = i.k LEFT JOIN sa ON sa.k = i.k
 WHERE i.k IS NOT NULL ORDER BY i.k;
.print T:zeilen
EOF
    local u_spalten="u.${BROWSE_SPALTEN//, /, u.}"
    if [[ $fall == suche ]]; then
        echo "CREATE TEMP TABLE m AS SELECT id, Buchungsdatum, Betrag FROM Umsätze WHERE $BROWSE_SUCHE;"
        echo "SELECT 'umsaetze', count(*), coalesce(sum(Betrag), 0) FROM m;"
    else
        echo "SELECT 'umsaetze', n, b FROM alle;"
    fi
    case ${BFORM[$fall.zeilen]} in
        merge)
            u=""
            for k in $BROWSE_KONTEN; do
                u+="${u:+ UNION ALL }SELECT * FROM (SELECT id, Buchungsdatum d FROM Umsätze WHERE KontoID = $k ORDER BY Buchungsdatum, id LIMIT 200)"
            done
            echo "SELECT 'z', $u_spalten FROM ($u ORDER BY d, id LIMIT 200) h"
            echo "    JOIN Umsätze u ON u.id = h.id ORDER BY h.d, h.id;" ;;
        matches)
            echo "SELECT 'z', $u_spalten FROM (SELECT id, Buchungsdatum FROM m ORDER BY Buchungsdatum, id LIMIT 200) h"
            echo "    JOIN Umsätze u ON u.id = h.id ORDER BY h.Buchungsdatum, h.id;" ;;
        direct)
            echo "SELECT 'z', $BROWSE_SPALTEN FROM Umsätze ORDER BY Betrag, id LIMIT 200;" ;;
        ids)
            echo "SELECT 'z', $u_spalten FROM (SELECT id, Betrag FROM Umsätze ORDER BY Betrag, id LIMIT 200) h"
            echo "    JOIN Umsätze u ON u.id = h.id ORDER BY h.Betrag, h.id;" ;;
    esac
}

# browse_floor CASE PREFIX : the floor as one shell process on the archive, read-only
browse_floor() {
    timed "$2" sqlcipher -bail -batch "$BROWSE_URI" ".read $WORK/browse-$1.sql"
}
browse_show() {  # browse_show CASE PREFIX : show as one process, its screen as JSON
    local args
    read -r -a args <<<"${BROWSE_ARGS[$1]}"
    timed "$2" "$BIN" show "$BROWSE_ARCHIV" "${args[@]}" --limit 200 --json
}

# The screen as lines to compare: per account "konto id count sum first last orders
# collective", then "umsaetze count sum", then "z id" per row in order.
screen_of_show() {
    jq -r '(.konten[] | "konto \(.id) \(.buchungen) \(.summe_cent) \(.erste) \(.letzte) \(.auftraege) \(.sammelauftraege)"),
           "umsaetze \(.umsaetze.anzahl) \(.umsaetze.summe_cent)", (.umsaetze.zeilen[] | "z \(.id)")' "$1"
}
screen_of_floor() {
    awk -F'|' -v OFS=' ' '$1 == "konto" || $1 == "umsaetze" {$1 = $1; print} $1 == "z" {print "z", $2}' "$1"
}

# same_screen CASE SHOW-PREFIX FLOOR-PREFIX : fails the script unless both gave the same screen
same_screen() {
    screen_of_show "$2.out" >"$WORK/screen.show"
    screen_of_floor "$3.out" >"$WORK/screen.floor"
    local n
    n=$(grep -c '^z ' "$WORK/screen.show" || true)
    if ! cmp -s "$WORK/screen.show" "$WORK/screen.floor" || (( n == 0 )); then
        echo "VOID: show and the floor give different screens for the ${BROWSE_TITLE[$1]} ($n rows from show):" >&2
        diff "$WORK/screen.show" "$WORK/screen.floor" | head -20 >&2
        exit 1
    fi
}

# choose_browse_forms CASE : runs the floor once per way with the statement timer on and keeps,
# for the accounts and for the rows, the faster way
choose_browse_forms() {
    local fall=$1 konten zeilen weg t secs
    local -a wege=("group direct" "scan ids" "pivot direct")
    [[ $fall == datum ]] && wege=("group merge" "scan merge" "pivot merge")
    [[ $fall == suche ]] && wege=("group matches" "scan matches" "pivot matches")
    declare -A best_time=() best_form=()
    for weg in "${wege[@]}"; do
        read -r konten zeilen <<<"$weg"
        BFORM[$fall.konten]=$konten
        BFORM[$fall.zeilen]=$zeilen
        browse_floor_sql "$fall" ".timer on" >"$WORK/browse-timer.sql"
        sqlcipher -bail -batch "$BROWSE_URI" ".read $WORK/browse-timer.sql" >"$WORK/timer.out"
        while read -r t secs; do
            if [[ -z ${best_time[$t]:-} ]] || awk -v a="$secs" -v b="${best_time[$t]}" 'BEGIN {exit !(a < b)}'; then
                best_time[$t]=$secs
                best_form[$t]=${BFORM[$fall.$t]}
            fi
        done < <(awk '/^T:/ {t = substr($0, 3)} /^Run Time:/ && t != "" {s[t] += $4}
                      END {for (t in s) print t, s[t]}' "$WORK/timer.out")
    done
    BFORM[$fall.konten]=${best_form[konten]}
    BFORM[$fall.zeilen]=${best_form[zeilen]}
    BFORM_MS[$fall.konten]=$(awk -v s="${best_time[konten]}" 'BEGIN {printf "%.0f", s * 1000}')
    BFORM_MS[$fall.zeilen]=$(awk -v s="${best_time[zeilen]}" 'BEGIN {printf "%.0f", s * 1000}')
}

if runs_part browse; then
    # show on an archive that holds every booking of the N-booking database (made once by the
    # command line, no removal), against the shell's query for the same screen; both timed
    # as whole processes, one process per screen, the same number of each in alternating order.
    command -v jq >/dev/null || { echo "jq is needed to compare the browser's screens" >&2; exit 2; }
    db=$(demo_db "$N" 12)
    BROWSE_ARCHIV=$CACHE/demo-$N-k12.alle.aba
    if [[ ! -s $BROWSE_ARCHIV || $db -nt $BROWSE_ARCHIV ]]; then
        rm -f "$BROWSE_ARCHIV"
        "$BIN" create --db "$db" --before 2100-01-01 --out "$BROWSE_ARCHIV" --password-mode none --yes \
            >/dev/null 2>&1 || { echo "the archive for the browser could not be made" >&2; exit 1; }
    fi
    p=${BROWSE_ARCHIV//%/%25}
    p=${p// /%20}; p=${p//\?/%3f}; p=${p//#/%23}
    BROWSE_URI="file:$p?mode=ro"
    # The accounts with bookings, found once beforehand: the floor is told them, the program
    # finds them itself.
    BROWSE_KONTEN=$(sql "$BROWSE_ARCHIV" "SELECT KontoID FROM Umsätze WHERE KontoID IS NOT NULL GROUP BY KontoID;" | tr '\n' ' ')
    runs=$(( RUNS < 5 ? 5 : RUNS ))
    echo "== the archive browser on an archive of $N bookings, $runs runs each"
    printf '  process start-up alone: tolva-archiv %s ms, sqlcipher shell %s ms\n' \
        "$(ms_of 5 "$BIN" --version)" "$(ms_of 5 sqlcipher -batch :memory: "SELECT 1;")"
    for fall in "${BROWSE_CASES[@]}"; do
        # One run of show first: it warms the caches for both sides.
        browse_show "$fall" "$WORK/bwarm"
        choose_browse_forms "$fall"
        browse_floor_sql "$fall" "" >"$WORK/browse-$fall.sql"
        rm -f "$WORK"/bs-*.time "$WORK"/bf-*.time
        for (( i = 1; i <= runs; i++ )); do
            if (( i % 2 )); then
                browse_show "$fall" "$WORK/bs-$i"; browse_floor "$fall" "$WORK/bf-$i"
            else
                browse_floor "$fall" "$WORK/bf-$i"; browse_show "$fall" "$WORK/bs-$i"
            fi
            same_screen "$fall" "$WORK/bs-$i" "$WORK/bf-$i"
        done
        sw=$(cut -d' ' -f1 "$WORK"/bs-*.time | median)
        sc=$(cut -d' ' -f2 "$WORK"/bs-*.time | median)
        sm=$(cut -d' ' -f3 "$WORK"/bs-*.time | sort -n | tail -1)
        fw=$(cut -d' ' -f1 "$WORK"/bf-*.time | median)
        fc=$(cut -d' ' -f2 "$WORK"/bf-*.time | median)
        pr=$(for (( i = 1; i <= runs; i++ )); do
                 ratio "$(col 1 "$WORK/bs-$i.time")" "$(col 1 "$WORK/bf-$i.time")"; echo
             done | median)
        echo "  ${BROWSE_TITLE[$fall]}, $(awk '/^umsaetze / {print $2}' "$WORK/screen.show") bookings; same screen in every run"
        printf '    show:  median %.1f ms wall (bar: %d), %.2f s cpu; peak %.1f MiB\n' \
            "$(echo "$sw * 1000" | bc -l)" "${BROWSE_BAR[$fall]}" "$sc" "$(mib "$sm")"
        printf '    floor: median %.1f ms wall, %.2f s cpu; ways by one timed run: accounts %s %s ms; count, sum and rows %s %s ms\n' \
            "$(echo "$fw * 1000" | bc -l)" "$fc" "${BFORM[$fall.konten]}" "${BFORM_MS[$fall.konten]}" \
            "${BFORM[$fall.zeilen]}" "${BFORM_MS[$fall.zeilen]}"
        printf '    ratio show/floor: %s wall (median of the pairs: %s), %s cpu\n' \
            "$(ratio "$sw" "$fw")" "$pr" "$(ratio "$sc" "$fc")"
        SUMMARY+=("$(printf '%9d browse  %-7s show %7.1f ms  floor %7.1f ms  ratio %s (pairs %s)  cpu %s' \
            "$N" "$fall" "$(echo "$sw * 1000" | bc -l)" "$(echo "$fw * 1000" | bc -l)" \
            "$(ratio "$sw" "$fw")" "$pr" "$(ratio "$sc" "$fc")")")
    done

    # The chart ("Verlauf"): show --months, money in and out per month of every booking and of
    # the largest account, against the shell's grouped query for the same months, the faster
    # of two ways (grouping by month at once, or by day first and the days by month). Both
    # must give the same months with bookings, or the script fails.
    CHART_KONTO=$(sql "$BROWSE_ARCHIV" "SELECT KontoID FROM Umsätze WHERE KontoID IS NOT NULL
                                        GROUP BY KontoID ORDER BY count(*) DESC LIMIT 1;")
    chart_floor_sql() {  # chart_floor_sql ACCOUNT WAY : the shell's script ("" : every account)
        local wo=""
        [[ -n $1 ]] && wo="WHERE KontoID = $1"
        echo "$KEY_SQL"
        echo "PRAGMA cache_size=-8192;"
        case $2 in
            monat) echo "SELECT substr(Buchungsdatum, 1, 7) m, count(*), sum(max(Betrag, 0)),
                         sum(min(Betrag, 0)) FROM Umsätze $wo GROUP BY m ORDER BY m;" ;;
            tag) echo "SELECT substr(d, 1, 7) m, sum(n), sum(e), sum(a) FROM (SELECT Buchungsdatum d,
                       count(*) n, sum(max(Betrag, 0)) e, sum(min(Betrag, 0)) a FROM Umsätze $wo
                       GROUP BY Buchungsdatum) GROUP BY m ORDER BY m;" ;;
        esac
    }
    chart_show() {  # chart_show ACCOUNT PREFIX
        local args=(show "$BROWSE_ARCHIV" --months --json)
        [[ -n $1 ]] && args+=(--account "$1")
        timed "$2" "$BIN" "${args[@]}"
    }
    chart_floor() { timed "$2" sqlcipher -bail -batch "$BROWSE_URI" ".read $WORK/chart-$1.sql"; }
    for wen in alle konto; do
        konto=""
        [[ $wen == konto ]] && konto=$CHART_KONTO
        chart_show "$konto" "$WORK/cwarm"
        # The floor's way: the faster of one timed run each.
        best="" best_t=""
        for weg in monat tag; do
            chart_floor_sql "$konto" "$weg" >"$WORK/chart-$wen.sql"
            chart_floor "$wen" "$WORK/cway"
            t=$(col 1 "$WORK/cway.time")
            if [[ -z $best ]] || awk -v a="$t" -v b="$best_t" 'BEGIN {exit !(a < b)}'; then
                best=$weg best_t=$t
            fi
        done
        chart_floor_sql "$konto" "$best" >"$WORK/chart-$wen.sql"
        rm -f "$WORK"/cs-*.time "$WORK"/cf-*.time
        for (( i = 1; i <= runs; i++ )); do
            if (( i % 2 )); then
                chart_show "$konto" "$WORK/cs-$i"; chart_floor "$wen" "$WORK/cf-$i"
            else
                chart_floor "$wen" "$WORK/cf-$i"; chart_show "$konto" "$WORK/cs-$i"
            fi
            jq -r '.monate[] | select(.anzahl > 0) |
                   "\(.monat) \(.anzahl) \(.eingang_cent) \(.ausgang_cent)"' "$WORK/cs-$i.out" \
                >"$WORK/chart.show"
            awk -F'|' '{print $1, $2, $3, $4}' "$WORK/cf-$i.out" >"$WORK/chart.floor"
            if ! cmp -s "$WORK/chart.show" "$WORK/chart.floor" || [[ ! -s $WORK/chart.show ]]; then
                echo "VOID: show --months and the floor give different months ($wen):" >&2
                diff "$WORK/chart.show" "$WORK/chart.floor" | head -20 >&2
                exit 1
            fi
        done
        sw=$(cut -d' ' -f1 "$WORK"/cs-*.time | median)
        fw=$(cut -d' ' -f1 "$WORK"/cf-*.time | median)
        pr=$(for (( i = 1; i <= runs; i++ )); do
                 ratio "$(col 1 "$WORK/cs-$i.time")" "$(col 1 "$WORK/cf-$i.time")"; echo
             done | median)
        titel="months of every booking"
        [[ $wen == konto ]] && titel="months of one account ($konto)"
        printf '  chart (%s, %d months): show --months %.1f ms, floor %.1f ms (%s), ratio %s (median of the pairs: %s; bar: 1.2); same months in every run\n' \
            "$titel" "$(wc -l <"$WORK/chart.show")" "$(echo "$sw * 1000" | bc -l)" \
            "$(echo "$fw * 1000" | bc -l)" "$best" "$(ratio "$sw" "$fw")" "$pr"
        kurz=chart
        [[ $wen == konto ]] && kurz=chart1
        SUMMARY+=("$(printf '%9d browse  %-7s show %7.1f ms  floor %7.1f ms  ratio %s (pairs %s)' \
            "$N" "$kurz" "$(echo "$sw * 1000" | bc -l)" "$(echo "$fw * 1000" | bc -l)" \
            "$(ratio "$sw" "$fw")" "$pr")")
    done

    # The search across the folder: the live database and five archives of N bookings each
    # (one archive under five names), one worker per core against one worker, as before the
    # search ran on threads. Both must print the same, byte for byte.
    ordner=$WORK/suche
    mkdir -p "$ordner"
    for i in 1 2 3 4 5; do
        ln "$BROWSE_ARCHIV" "$ordner/archiv-$i.aba" 2>/dev/null || cp "$BROWSE_ARCHIV" "$ordner/archiv-$i.aba"
    done
    kerne=$(nproc)
    suche() { env TOLVA_SEARCH_THREADS="$1" "$BIN" search müller --db "$db" --folder "$ordner" </dev/null; }
    suche 1 >"$WORK/suche-1.txt" 2>&1
    suche "$kerne" >"$WORK/suche-k.txt" 2>&1
    cmp -s "$WORK/suche-1.txt" "$WORK/suche-k.txt" ||
        { echo "the search on $kerne threads printed other than on one" >&2; exit 1; }
    t_k=$(ms_of "$RUNS" suche "$kerne")
    t_1=$(ms_of "$RUNS" suche 1)
    printf '  search across the folder: %.2f s on %d threads, %.2f s on 1 thread, ratio %s (bar: 0.65)\n' \
        "$(echo "$t_k / 1000" | bc -l)" "$kerne" "$(echo "$t_1 / 1000" | bc -l)" "$(ratio "$t_k" "$t_1")"
    echo "  (load: $(uptime | sed 's/.*load average: //'))"
    # Scrolling on: show --times loads the 2nd, the 10th and the middle piece of 200 as the
    # browser's list does and times each inside the process; per run the slowest of the three
    # counts, median of 5 runs (the first screen, timed the same way, beside it).
    further_piece() {  # further_piece SHOW-OPTIONS... -> "PIECE-MS FIRST-SCREEN-MS"
        local i
        for (( i = 0; i < 5; i++ )); do
            "$BIN" show "$BROWSE_ARCHIV" --limit 200 --times "$@" 2>&1 >/dev/null | awk -F', ' '
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
    # The printed statement of every booking of an archive of 100,000 (whatever N is), as PDF
    # through show --pdf: wall time and peak memory of the whole process, median of 3 runs
    # (the biggest peak). There is no floor: the shell cannot write a PDF.
    n_pdf=100000
    pdf_db=$(demo_db "$n_pdf" 12)
    pdf_archiv=$CACHE/demo-$n_pdf-k12.alle.aba
    if [[ ! -s $pdf_archiv || $pdf_db -nt $pdf_archiv ]]; then
        rm -f "$pdf_archiv"
        "$BIN" create --db "$pdf_db" --before 2100-01-01 --out "$pdf_archiv" --password-mode none \
            --yes >/dev/null 2>&1 || { echo "the archive for the statement could not be made" >&2; exit 1; }
    fi
    rm -f "$WORK"/pdf-*.time
    for i in 1 2 3; do
        rm -f "$WORK/statement.pdf"
        timed "$WORK/pdf-$i" "$BIN" show "$pdf_archiv" --pdf "$WORK/statement.pdf"
    done
    seiten=$(pdfinfo "$WORK/statement.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
    [[ -n $seiten && $seiten -gt 0 ]] || { echo "the statement PDF has no pages" >&2; exit 1; }
    pw=$(cut -d' ' -f1 "$WORK"/pdf-*.time | median)
    pm=$(cut -d' ' -f3 "$WORK"/pdf-*.time | sort -n | tail -1)
    printf '  statement PDF of %d bookings: %.1f s (bar: 10 s), peak %.0f MiB (bar: 200); %d pages, %.1f MiB\n' \
        "$n_pdf" "$pw" "$(mib "$pm")" "$seiten" "$(echo "$(stat -c %s "$WORK/statement.pdf") / 1048576" | bc -l)"
    rm -f "$WORK/statement.pdf"
fi

if runs_part verify; then
    # tolva-archiv verify on an archive of every booking of N (made once by the command line)
    # against its floor: the sqlcipher shell, keyed with the three pragmas, running PRAGMA
    # integrity_check and one SELECT per table with max() over each of its columns, so that
    # every page is decrypted and every row's values are read; both as whole processes, in
    # alternating order.
    db=$(demo_db "$N" 12)
    V_ARCHIV=$CACHE/demo-$N-k12.alle.aba
    if [[ ! -s $V_ARCHIV || $db -nt $V_ARCHIV || $BIN -nt $V_ARCHIV ]]; then
        rm -f "$V_ARCHIV"
        "$BIN" create --db "$db" --before 2100-01-01 --out "$V_ARCHIV" --password-mode none --yes \
            >/dev/null 2>&1 || { echo "the archive to verify could not be made" >&2; exit 1; }
    fi
    {
        echo "$KEY_SQL"
        echo "PRAGMA integrity_check;"
        sql "$V_ARCHIV" "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%';" |
            while read -r t; do
                sql "$V_ARCHIV" "PRAGMA table_info(\"$t\");" |
                    awk -F'|' -v t="$t" '{c = c (c ? ", " : "") "max(\"" $2 "\")"}
                        END {print "SELECT count(*), " c " FROM \"" t "\";"}'
            done
    } >"$WORK/verify-floor.sql"
    verify_side=("$BIN" verify "$V_ARCHIV")
    verify_floor=(sqlcipher -bail -batch "$V_ARCHIV" ".read $WORK/verify-floor.sql")
    runs=$(( RUNS < 5 ? 5 : RUNS ))
    "${verify_side[@]}" >/dev/null; "${verify_floor[@]}" >/dev/null  # warms the page cache
    rm -f "$WORK"/vs-*.time "$WORK"/vf-*.time
    for (( i = 1; i <= runs; i++ )); do
        if (( i % 2 )); then
            timed "$WORK/vs-$i" "${verify_side[@]}"; timed "$WORK/vf-$i" "${verify_floor[@]}"
        else
            timed "$WORK/vf-$i" "${verify_floor[@]}"; timed "$WORK/vs-$i" "${verify_side[@]}"
        fi
        grep -q ': in Ordnung$' "$WORK/vs-$i.out" ||
            { echo "verify did not find the archive in order:" >&2; cat "$WORK/vs-$i.out" >&2; exit 1; }
        [[ $(sed -n 1p "$WORK/vf-$i.out") == ok ]] ||
            { echo "the floor's integrity check did not say ok" >&2; exit 1; }
    done
    vw=$(cut -d' ' -f1 "$WORK"/vs-*.time | median)
    fw=$(cut -d' ' -f1 "$WORK"/vf-*.time | median)
    vc=$(cut -d' ' -f2 "$WORK"/vs-*.time | median)
    fc=$(cut -d' ' -f2 "$WORK"/vf-*.time | median)
    echo "== verify on an archive of $N bookings ($(( $(stat -c %s "$V_ARCHIV") >> 20 )) MiB), $runs runs each"
    printf '  verify: %.2f s, floor %.2f s, ratio %s (bar 1.2); cpu %.2f s against %.2f s\n' \
        "$vw" "$fw" "$(ratio "$vw" "$fw")" "$vc" "$fc"
    SUMMARY+=("$(printf '%9d verify  all      verify %6.2f s  floor %6.2f s  ratio %s' \
        "$N" "$vw" "$fw" "$(ratio "$vw" "$fw")")")
    # The seal's share of a run: create --times on fresh copies of the database, every account.
    for (( i = 1; i <= runs; i++ )); do
        rm -f "$WORK/siegel.aba"
        "$BIN" create --db "$db" --before 2100-01-01 --out "$WORK/siegel.aba" --password-mode none \
            --yes --times 2>&1 >/dev/null | sed -n 's/^Lauf: \([0-9.]*\) ms, davon Siegel: \([0-9.]*\) ms$/\1 \2/p'
    done >"$WORK/siegel.times"
    [[ -s $WORK/siegel.times ]] || { echo "create --times printed no times" >&2; exit 1; }
    lw=$(cut -d' ' -f1 "$WORK/siegel.times" | median)
    sw=$(cut -d' ' -f2 "$WORK/siegel.times" | median)
    printf '  seal inside the run: %.2f ms of %.0f ms, %s %% (bar 3 %%)\n' "$sw" "$lw" \
        "$(awk -v a="$sw" -v b="$lw" 'BEGIN {printf "%.2f", 100 * a / b}')"
    echo "  (load: $(uptime | sed 's/.*load average: //'))"
fi

echo "== summary (wall-clock medians of $RUNS runs)"
printf '  %s\n' "${SUMMARY[@]}"
