# Sourced by bench/crash-test.sh: --race, two runs to one target.
# shellcheck shell=bash
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

