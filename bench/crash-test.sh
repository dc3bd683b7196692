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
# The scripts read the program's German texts, whatever the user's language.
export TOLVA_LANG=de

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


# The harness by part: what every mode shares, then each mode's runs and checks.
for part in common kill signals race restore; do
    # shellcheck source=/dev/null
    source "$HERE/crash/$part.sh"
done

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
