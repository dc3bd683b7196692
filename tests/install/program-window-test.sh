#!/usr/bin/env bash
# The archive opener as a file manager starts it: its Exec line, the program of this build on
# the PATH, no terminal, an X display (Xvfb). An archive with a password asks in a window; that
# window and the box about a file that is no archive carry the program's window class (the
# menu entry's StartupWMClass) and its icon.
# Usage: program-window-test.sh TOLVA_ARCHIV SOURCE_DIR WORK_DIR
set -euo pipefail
bin=$1 src=$2 work=$3
fail() { echo "FAILED: $*" >&2; [[ -s $work/err ]] && cat "$work/err" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/bin" "$work/home" "$work/run"
chmod 700 "$work/run"
ln -s "$bin" "$work/bin/tolva-archiv"
"$bin" demo-db "$work/d.db" --bookings 200 >/dev/null
"$bin" create --db "$work/d.db" --before 2100-01-01 --out "$work/geheim.aba" \
    --password-mode new --password kiwi --yes >/dev/null 2>&1 || fail "the archive with a password"
: >"$work/leer.aba"

xvfb='' programm=''
stop() {
    if [[ -n $programm ]]; then
        kill "$programm" 2>/dev/null || true
        wait "$programm" 2>/dev/null || true
    fi
    programm=
}
trap 'stop; if [[ -n $xvfb ]]; then kill "$xvfb"; wait "$xvfb" 2>/dev/null || true; fi' EXIT
Xvfb -displayfd 5 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
DISPLAY=:$(cat "$work/display")
export DISPLAY

klasse=$(sed -n 's/^StartupWMClass=//p' "$src/packaging/tolva-archiv.desktop")
read -ra befehl <<<"$(sed -n 's/^Exec=//p' "$src/packaging/tolva-archiv-anzeigen.desktop")"

# Opens ARCHIV through the opener's Exec line in a session without a terminal, waits for a
# window titled TITEL and checks its class and icon. Usage: open_window ARCHIV TITEL
open_window() {
    local archiv=$1 titel=$2 zeile
    setsid env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PATH="$work/bin:/usr/bin:/bin" \
        DISPLAY="$DISPLAY" \
        "${befehl[@]/\%f/$archiv}" </dev/null >/dev/null 2>"$work/err" &
    programm=$!
    for _ in $(seq 200); do
        zeile=$(xwininfo -root -tree | grep -F "\"$titel\": (" | sed 's/^ *//' || true)
        [[ -n $zeile ]] && break
        kill -0 "$programm" 2>/dev/null || fail "the opener ended without a window titled $titel"
        sleep 0.1
    done
    [[ $zeile == *"(\"$klasse\" \"$klasse\")"* ]] || fail "window class: ${zeile:-no window}"
    local icon
    icon=$(xprop -id "${zeile%% *}" -notype -f _NET_WM_ICON 32c '=$0\n' _NET_WM_ICON)
    [[ $icon == "_NET_WM_ICON="[1-9]* ]] || fail "the window $titel has no icon: $icon"
}

open_window "$work/geheim.aba" "Passwort"
stop
open_window "$work/leer.aba" "Archiv"
stop
echo "the opener asks in a window of class $klasse with an icon, and shows a failure in a box"
