# Sourced by bench/crash-test.sh: --restore, SIGKILL at a random moment of a restore.
# shellcheck shell=bash
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

