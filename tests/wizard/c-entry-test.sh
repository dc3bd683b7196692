#!/usr/bin/env bash
# The component's C entry from a C host: makes the host's folder with the program, runs the host
# in a clean environment (no variable of ours: the component finds its template, skin and
# cipher library by itself), then checks the archive that the host's run made.
# Usage: c-entry-test.sh TOLVA_ARCHIV DATA_DIR HOST FOLDER
#   DATA_DIR holds HbLeer.dat and skin/ (the build's lib folder or an installed share/tolva).
set -euo pipefail
bin=$1 data=$2 host=$3 dir=$4

clean() { env -i HOME="$dir/home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@"; }
sql() {
    printf "PRAGMA key='kiwi+banane';\nPRAGMA cipher_page_size=4096;\nPRAGMA kdf_iter=4000;\n%s\n" \
        "$2" | sqlcipher -batch -noheader "$1" | grep -v '^ok$'
}

rm -rf "$dir"
mkdir -p "$dir/Archive" "$dir/home/.config/tolva"
clean "$bin" demo-db "$dir/Bank.dat" --bookings 300 --accounts 2 --banks 1 >/dev/null
cp "$dir/Bank.dat" "$dir/Bank-vorher.dat"
cp "$data/HbLeer.dat" "$dir/Leer.dat"           # keyed and complete, without accounts
cp "$data/HbLeer.dat" "$dir/Archive/alt.aba"    # an archive as a run starts it
cp "$data/skin/fokus.png" "$dir/Bild.png"
cat >"$dir/home/.config/tolva/archiv.ini" <<INI
[Einstellungen]
4=$dir/
601=$dir/Archive/
INI

# The demo database stores the execution dates scrambled (through the same cipher library).
klar=$(sql "$dir/Bank.dat" "SELECT count(*) FROM SammelAufträge WHERE hex(AusfDatum) LIKE '3230%';")
[[ $klar == 0 ]] || { echo "execution dates stored in the clear: $klar"; exit 1; }

clean "$host" "$dir"

# The host's run archived every booking before 2100: every item of a sent collective order
# with an execution date went with it. The dates are stored scrambled; a component that did
# not find its cipher library would compare them wrong and leave items behind.
erwartet=$(sql "$dir/Bank-vorher.dat" "SELECT count(*) FROM SammelEinzel WHERE SammelID IN
    (SELECT id FROM SammelAufträge WHERE Status IN (1, 4) AND length(AusfDatum) > 0);")
archiviert=$(sql "$dir/Archive/neu.aba" "SELECT count(*) FROM SammelEinzel;")
echo "items with a scrambled execution date: $erwartet in the database, $archiviert archived"
[[ $erwartet -gt 0 && $archiviert == "$erwartet" ]]
