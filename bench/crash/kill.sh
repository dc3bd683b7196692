# Sourced by bench/crash-test.sh: the default mode, SIGKILL at a random moment of a run.
# shellcheck shell=bash
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

