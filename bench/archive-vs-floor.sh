#!/usr/bin/env bash
# archive-vs-floor.sh: times a whole archive run with removal against the raw SQLCipher floor.
#
# Usage: bench/archive-vs-floor.sh [N]        N = bookings of the demo database (1000000)
#
# Builds nothing: it expects a built tree (cmake --build build), that is build/bin/tolva-archiv
# and build/lib/HbLeer.dat. Another tree is chosen with TOLVA_BUILD=/path/to/build, or the
# binary and the data folder one by one with TOLVA_BIN and TOLVA_DATA_DIR.
# Further settings: TOLVA_BENCH_RUNS (alternating runs of each side, 3),
# TOLVA_BENCH_CACHE (where the demo databases are kept, ${TMPDIR:-/tmp}/tolva-bench),
# TOLVA_BENCH_FRESH=1 (make the demo databases anew; they are also made anew when the
# generator library is newer than the cached file).
#
# What is compared, on identical fresh copies of one demo database:
#   (a) tolva-archiv create --remove --yes for all accounts, cut-off at the median booking date;
#   (b) the floor: the sqlcipher shell with the same key, one ATTACH of a copy of the template
#       and, in one transaction, INSERT INTO a.T SELECT ... and DELETE per table with the
#       selections of the run.
# Both sides get the same page cache size and the archive the same journal-free writing as
# the run, so the floor is the cheapest way the database itself can do the same work.
# The pair is repeated at N/10 to show how the cost grows. Then: the survey over 50 accounts
# (demo database of N bookings and 50 accounts) and the cost of opening a keyed database.
set -euo pipefail

N=${1:-1000000}
[[ $N =~ ^[0-9]+$ && $N -ge 100 ]] || { echo "N must be a number of bookings >= 100" >&2; exit 2; }
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

mkdir -p "$CACHE"
WORK=$(mktemp -d "$CACHE/run.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
export TOLVA_SETTINGS=$WORK/settings.ini

KEY_SQL="PRAGMA key='kiwi+banane'; PRAGMA cipher_page_size=4096; PRAGMA kdf_iter=4000;"
# An attached file is read at ATTACH already; SQLCipher 3 takes the cipher settings of an
# attached file from the defaults, so they have to be set before the ATTACH (setting
# a.cipher_page_size afterwards is too late: the ATTACH itself fails to read the file).
ATTACH_DEFAULTS="PRAGMA cipher_default_page_size=4096; PRAGMA cipher_default_kdf_iter=4000;"
# The engine's connections use a 16 MiB page cache; the floor gets the same.
CACHE_SQL="PRAGMA cache_size=-16384;"

have_gnu_time=0
if "$GNU_TIME" -f %M -o /dev/null true 2>/dev/null; then have_gnu_time=1; fi

now_ns() { date +%s%N; }

sql() {  # sql FILE SQL... : runs SQL on a keyed file, prints the rows
    local f=$1; shift
    sqlcipher -bail -batch -noheader "$f" "$KEY_SQL $*"
}

median() { sort -g | awk '{a[NR]=$1} END {if (NR==0) print "nan"; else print a[int((NR+1)/2)]}'; }

# demo_db BOOKINGS ACCOUNTS -> path of a cached demo database (made once, or again when the
# generator library is newer than the cached file).
demo_db() {
    local n=$1 konten=$2
    local f=$CACHE/demo-$n-k$konten.db
    local lib=$TOLVA_DATA_DIR/libtolva_demo.so
    if [[ ${TOLVA_BENCH_FRESH:-0} == 1 || ! -f $f || ( -f $lib && $lib -nt $f ) ]]; then
        rm -f "$f" "$f.part" "$f.cutoff"
        echo "making demo database: $n bookings, $konten accounts ..." >&2
        "$BIN" demo-db "$f.part" --bookings "$n" --accounts "$konten" >/dev/null
        mv "$f.part" "$f"
    fi
    if [[ ! -s $f.cutoff ]]; then
        # The median booking date: about half of the bookings lie before it.
        sql "$f" "SELECT Buchungsdatum FROM Umsätze ORDER BY Buchungsdatum
                  LIMIT 1 OFFSET (SELECT count(*) / 2 FROM Umsätze);" >"$f.cutoff"
    fi
    echo "$f"
}

# The floor's SQL for a cut-off and a list of account ids; the selections are the run's.
floor_sql() {
    local c=$1 ids=$2 archiv=$3
    local k=" AND KontoID IN ($ids)"
    local auftraege="Status = 4 and Datum < '$c'$k"
    local sammel="(Status = 1 OR Status = 4) AND Datum < '$c'$k"
    cat <<EOF
$KEY_SQL
$CACHE_SQL
$ATTACH_DEFAULTS
ATTACH '$archiv' AS a KEY 'kiwi+banane';
PRAGMA a.cache_size=-16384;
PRAGMA a.journal_mode=OFF;
BEGIN IMMEDIATE;
INSERT INTO a.BankDaten SELECT * FROM BankDaten WHERE id IN (SELECT bankID FROM Konten WHERE id IN ($ids));
INSERT INTO a.Konten SELECT * FROM Konten WHERE id IN ($ids);
INSERT INTO a."Umsätze" SELECT * FROM "Umsätze" WHERE Buchungsdatum < '$c'$k;
DELETE FROM "Umsätze" WHERE Buchungsdatum < '$c'$k;
INSERT INTO a.UmsZusatz SELECT * FROM UmsZusatz WHERE BuchungsID < '$c'$k;
DELETE FROM UmsZusatz WHERE BuchungsID < '$c'$k;
INSERT INTO a."OffeneUmsätze" SELECT * FROM "OffeneUmsätze" WHERE Buchungsdatum < '$c'$k;
DELETE FROM "OffeneUmsätze" WHERE Buchungsdatum < '$c'$k;
INSERT INTO a."Aufträge" SELECT * FROM "Aufträge" WHERE $auftraege;
DELETE FROM "Aufträge" WHERE $auftraege;
-- The run takes the items of every sent collective order whose scrambled execution date
-- lies before the cut-off. SQL cannot unscramble that date, so the floor takes the items of
-- the orders that the order date selects: a set of the same kind and about the same size.
INSERT INTO a.SammelEinzel SELECT * FROM SammelEinzel WHERE SammelID IN (SELECT id FROM "SammelAufträge" WHERE $sammel);
DELETE FROM SammelEinzel WHERE SammelID IN (SELECT id FROM "SammelAufträge" WHERE $sammel);
INSERT INTO a."SammelAufträge" SELECT * FROM "SammelAufträge" WHERE $sammel;
DELETE FROM "SammelAufträge" WHERE $sammel;
INSERT INTO a.Kategorien SELECT * FROM Kategorien;
INSERT INTO a."Empfänger" SELECT * FROM "Empfänger";
INSERT INTO a.Daten (Daten, Flag, Typ, Datum) VALUES (x'00', 1, 99, date('now'));
COMMIT;
EOF
}

# Peak resident set of a process, for when GNU time is missing: polls VmHWM until it ends.
watch_peak() {
    local pid=$1 out=$2 peak=0 v
    while kill -0 "$pid" 2>/dev/null; do
        v=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
        [[ -n $v && $v -gt $peak ]] && peak=$v
        sleep 0.01
    done
    echo "$peak" >"$out"
}

# timed OUT_PREFIX CMD... : runs CMD, writes wall seconds, cpu seconds and peak KiB.
timed() {
    local pre=$1; shift
    local t0 t1 rc=0
    t0=$(now_ns)
    if [[ $have_gnu_time == 1 ]]; then
        "$GNU_TIME" -f '%U %S %M' -o "$pre.rusage" "$@" >"$pre.out" 2>"$pre.err" || rc=$?
    else
        "$@" >"$pre.out" 2>"$pre.err" &
        local pid=$!
        watch_peak "$pid" "$pre.peak" &
        local watcher=$!
        wait "$pid" || rc=$?
        wait "$watcher" || true
        echo "nan nan $(cat "$pre.peak")" >"$pre.rusage"
    fi
    t1=$(now_ns)
    if [[ $rc != 0 ]]; then
        echo "failed ($rc): $*" >&2
        cat "$pre.err" >&2
        exit 1
    fi
    awk -v w=$(( t1 - t0 )) '{printf "%.3f %.2f %d\n", w / 1e9, $1 + $2, $3}' "$pre.rusage" \
        >"$pre.time"
}

run_archive() {  # (a) the archive run on a fresh copy
    local db=$1 c=$2 i=$3
    cp "$db" "$WORK/user.db"
    rm -f "$WORK/archiv.aba" "$WORK/archiv.aba.tmp"
    sync -f "$WORK/user.db" 2>/dev/null || true
    timed "$WORK/a$i" "$BIN" create --db "$WORK/user.db" --before "$c" --out "$WORK/archiv.aba" \
        --remove --yes
    [[ -f $WORK/archiv.aba ]] || { echo "the archive run left no archive" >&2; exit 1; }
}

run_floor() {  # (b) the floor on a fresh copy
    local db=$1 c=$2 ids=$3 i=$4
    cp "$db" "$WORK/floor.db"
    rm -f "$WORK/floor.aba"
    floor_sql "$c" "$ids" "$WORK/floor.aba" >"$WORK/floor.sql"
    sync -f "$WORK/floor.db" 2>/dev/null || true
    # The template copy belongs to the work, as it does in the run.
    timed "$WORK/b$i" bash -c 'cp "$1" "$2" && sqlcipher -bail -batch "$3" <"$4" >/dev/null' _ \
        "$TEMPLATE" "$WORK/floor.aba" "$WORK/floor.db" "$WORK/floor.sql"
}

TABLES=(Umsätze UmsZusatz OffeneUmsätze Aufträge SammelAufträge SammelEinzel Kategorien Empfänger)

# Row counts per table of both archives and of both user databases after the runs, so that
# the two sides are seen to do the same work.
compare_work() {
    local t q="" line
    for t in "${TABLES[@]}"; do
        q+="SELECT '$t', (SELECT count(*) FROM \"$t\");"
    done
    printf '  %-15s %12s %12s %12s %12s\n' table "run archive" "floor arch." "run user db" "floor user"
    paste -d'|' <(sql "$WORK/archiv.aba" "$q") <(sql "$WORK/floor.aba" "$q") \
        <(sql "$WORK/user.db" "$q") <(sql "$WORK/floor.db" "$q") |
        awk -F'|' '{printf "  %-15s %12s %12s %12s %12s\n", $1, $2, $4, $6, $8}'
}

# bench_pair N -> prints the medians; sets PAIR_A, PAIR_B (wall seconds)
bench_pair() {
    local n=$1 db c ids i
    db=$(demo_db "$n" 12)
    c=$(cat "$db.cutoff")
    ids=$(sql "$db" "SELECT group_concat(id) FROM Konten;")
    local before
    before=$(sql "$db" "SELECT count(*) FROM Umsätze WHERE Buchungsdatum < '$c';")
    echo "== $n bookings, cut-off $c ($before bookings before it), $RUNS runs each"
    for (( i = 1; i <= RUNS; i++ )); do
        # Alternating order, so that neither side always runs on a warmer machine.
        if (( i % 2 )); then
            run_archive "$db" "$c" "$i"; run_floor "$db" "$c" "$ids" "$i"
        else
            run_floor "$db" "$c" "$ids" "$i"; run_archive "$db" "$c" "$i"
        fi
        printf '  run %d: archive run %ss (cpu %ss), floor %ss (cpu %ss)\n' "$i" \
            "$(cut -d' ' -f1 "$WORK/a$i.time")" "$(cut -d' ' -f2 "$WORK/a$i.time")" \
            "$(cut -d' ' -f1 "$WORK/b$i.time")" "$(cut -d' ' -f2 "$WORK/b$i.time")"
    done
    compare_work
    local aw ac am bw bc
    aw=$(cat "$WORK"/a*.time | cut -d' ' -f1 | median)
    ac=$(cat "$WORK"/a*.time | cut -d' ' -f2 | median)
    am=$(cat "$WORK"/a*.time | cut -d' ' -f3 | sort -n | tail -1)
    bw=$(cat "$WORK"/b*.time | cut -d' ' -f1 | median)
    bc=$(cat "$WORK"/b*.time | cut -d' ' -f2 | median)
    printf '  archive run (a): median %.3f s wall, %.2f s cpu\n' "$aw" "$ac"
    printf '  floor       (b): median %.3f s wall, %.2f s cpu\n' "$bw" "$bc"
    printf '  ratio (a)/(b): %.2f wall, %.2f cpu (bar: 1.5)\n' \
        "$(echo "$aw / $bw" | bc -l)" "$(echo "$ac / $bc" | bc -l)"
    printf '  peak resident memory of (a): %.1f MiB (bar: 64 MiB; %s)\n' \
        "$(echo "$am / 1024" | bc -l)" \
        "$([[ $have_gnu_time == 1 ]] && echo "GNU time %M" || echo "VmHWM polled every 10 ms")"
    rm -f "$WORK"/a*.time "$WORK"/b*.time
    PAIR_A=$aw
    PAIR_B=$bw
}

bench_pair "$N"
A1=$PAIR_A B1=$PAIR_B
N10=$(( N / 10 ))
bench_pair "$N10"
A2=$PAIR_A B2=$PAIR_B
echo "== growth from $N10 to $N bookings (10x the data)"
printf '  archive run: x%.1f   floor: x%.1f\n' "$(echo "$A1 / $A2" | bc -l)" "$(echo "$B1 / $B2" | bc -l)"

# --- survey over 50 accounts --------------------------------------------------------------
# The command's time minus the time of a command that starts the same process, loads the same
# libraries and ends without touching a database ("list" of an empty folder). What is left is
# the survey itself plus opening the database and reading its accounts.
SURVEY_RUNS=7
db50=$(demo_db "$N" 50)
c50=$(cat "$db50.cutoff")
mkdir -p "$WORK/leer"
ms_of() {  # ms_of CMD... : median wall ms of SURVEY_RUNS runs
    local i t0 t1
    for (( i = 0; i < SURVEY_RUNS; i++ )); do
        t0=$(now_ns); "$@" >/dev/null 2>&1; t1=$(now_ns)
        echo "$(( (t1 - t0) / 1000 ))"
    done | median | awk '{printf "%.1f", $1 / 1000}'
}
"$BIN" survey --db "$db50" --before "$c50" >"$WORK/survey.out"
konten=$(awk -F'\t' 'NF >= 3' "$WORK/survey.out" | wc -l)
t_survey=$(ms_of "$BIN" survey --db "$db50" --before "$c50")
t_start=$(ms_of "$BIN" list "$WORK/leer")
echo "== survey over 50 accounts ($N bookings, cut-off $c50, $konten accounts with data)"
printf '  tolva-archiv survey: %s ms; process start-up (list of an empty folder): %s ms\n' \
    "$t_survey" "$t_start"
printf '  survey incl. opening the database: %.1f ms (difference of the medians of %d runs)\n' \
    "$(echo "$t_survey - $t_start" | bc -l)" "$SURVEY_RUNS"
if command -v strace >/dev/null && strace --seccomp-bpf -f -o /dev/null true 2>/dev/null; then
    # Inside the process: from the open of the database file to the last line written. Only
    # these two calls are traced (the filter lets every other call pass untouched).
    for (( i = 0; i < SURVEY_RUNS; i++ )); do
        strace --seccomp-bpf -f -ttt -e trace=openat,write -o "$WORK/survey.trace" \
            "$BIN" survey --db "$db50" --before "$c50" >/dev/null
        awk -v db="$db50" '
            /openat\(/ && index($0, "\"" db "\"") && !start { start = $2 }
            / write\(1,/ { last = $2 }
            END { if (start && last) printf "%.0f\n", (last - start) * 1e6 }' \
            "$WORK/survey.trace"
    done | median | awk '{printf "  measured inside (strace timestamps, open of the file to the last output line): %.1f ms\n", $1 / 1000}'
fi

# --- opening a keyed database -------------------------------------------------------------
# One sqlcipher shell opens the same small database OPENS times (.open, the three key
# pragmas, the first read of the schema, as the engine's Connection does); the same shell
# without the opens is subtracted and the rest divided by OPENS.
OPENS=100
cp "$TEMPLATE" "$WORK/klein.db"
: >"$WORK/opens0.sql"
: >"$WORK/opensN.sql"
for (( i = 0; i < OPENS; i++ )); do
    printf '.open %s\n%s\nSELECT count(*) FROM sqlite_master;\n' "$WORK/klein.db" "$KEY_SQL" \
        >>"$WORK/opensN.sql"
done
t_leer=$(ms_of bash -c 'sqlcipher -batch :memory: <"$1"' _ "$WORK/opens0.sql")
t_voll=$(ms_of bash -c 'sqlcipher -batch :memory: <"$1"' _ "$WORK/opensN.sql")
# Check once that the script really opened and read the file every time.
gelesen=$(sqlcipher -batch :memory: <"$WORK/opensN.sql" | grep -c '^[0-9]' || true)
echo "== opening a keyed database ($gelesen of $OPENS opens read the schema)"
printf '  %.2f ms per open (shell with %d opens %s ms, without %s ms; bar: 10 ms)\n' \
    "$(echo "($t_voll - $t_leer) / $OPENS" | bc -l)" "$OPENS" "$t_voll" "$t_leer"
