# Sourced by bench/crash-test.sh: --signals, SIGINT, SIGTERM or SIGHUP at a random moment of a run.
# shellcheck shell=bash
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

