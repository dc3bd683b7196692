#!/usr/bin/env bash
# The Debian packages where users meet them: built from BUILD_DIR, checked by lintian and the
# desktop validators, installed with apt into the real /usr, used from / (the program, its man
# pages in German and English, a C host built with pkg-config against /usr), purged, and
# nothing of ours left behind.
# Needs root (or sudo) and a machine that may be changed: CI runs it after the tests.
# Usage: packaging/check-packages.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
src=$(realpath "$(dirname "$0")/..")
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
work=$(mktemp -d "${TMPDIR:-/tmp}/tolva-pakete.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
pakete=(liborvhbarchiv5-5 liborvhbarchiv5-dev tolva-archiv)

DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq lintian \
    desktop-file-utils appstream >/dev/null
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
debs=("$work"/deb/*.deb)
[[ ${#debs[@]} == 3 ]] || fail "packages: ${debs[*]}"

# lintian: no error and no warning that is not overridden with its reason.
echo "== lintian"
status=0
lintian --fail-on error,warning "${debs[@]}" >"$work/lintian.txt" 2>&1 || status=$?
grep -v 'root privileges' "$work/lintian.txt" || true
[[ $status == 0 ]] || fail "lintian"
echo "accepted with their reason (packaging/lintian-overrides):"
lintian --show-overrides "${debs[@]}" 2>/dev/null | grep '^O:' || true
for deb in "${debs[@]}"; do
    echo "== $(basename "$deb"): $(dpkg-deb -c "$deb" | awk '$1 !~ /^d/' | wc -l) files"
done

# The desktop files and the AppStream data as the desktop reads them.
dpkg-deb -x "$work/deb/tolva-archiv_"*.deb "$work/x"
for f in "$work"/x/usr/share/applications/*.desktop; do
    desktop-file-validate "$f" || fail "desktop-file-validate $(basename "$f")"
done
for f in "$work"/x/usr/share/metainfo/*.xml; do
    [[ -e $f ]] || continue
    appstreamcli validate --no-net "$f" || fail "appstreamcli validate $(basename "$f")"
done

# Installed with apt into the real /usr.
vorher=$work/vorher.txt nachher=$work/nachher.txt
find /usr /etc -xdev 2>/dev/null | sort >"$vorher"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${debs[@]}" >/dev/null
(cd / && tolva-archiv --help >/dev/null) || fail "tolva-archiv --help from /"
(cd / && man -w tolva-archiv) || fail "man -w tolva-archiv"
# English users get the English page from en/man1/, everyone else the German one. man -L en is
# what LANG=en_US.UTF-8 makes of it, without needing that locale on the machine.
seite=$(cd / && man -L en -w tolva-archiv) || fail "man -L en -w tolva-archiv"
[[ $seite == /usr/share/man/en/man1/tolva-archiv.1.gz ]] || fail "man -L en -w: $seite"

# A C host built the Debian way against the installed package runs a whole job through it,
# loading the component through /lib when that is a link to usr/lib (merged /usr), as the
# loader finds it there.
bibliothek=$(realpath "$(pkg-config --variable=library tolva-hbarchiv)")
[[ -L /lib ]] && bibliothek=/lib/${bibliothek#/usr/lib/}
cc -std=c11 -Wall -Werror $(pkg-config --cflags tolva-hbarchiv) \
    -DORVHBARCHIV_PATH="\"$bibliothek\"" \
    "$src/tests/wizard/CEntryTest.c" -o "$work/c-host" -lsqlite3 -ldl
(cd / && QT_QPA_PLATFORM=offscreen bash "$src/tests/wizard/c-entry-test.sh" \
    /usr/bin/tolva-archiv /usr/share/tolva "$work/c-host" "$work/c-host-dir") ||
    fail "the C host through /usr"

# Purged, nothing of ours stays under /usr and /etc.
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq "${pakete[@]}" >/dev/null
find /usr /etc -xdev 2>/dev/null | sort >"$nachher"
uebrig=$(comm -13 "$vorher" "$nachher" | grep -i -e tolva -e hbarchiv || true)
[[ -z $uebrig ]] || fail "left after purge: $uebrig"
echo "packages: installed, used from /, purged; nothing left under /usr and /etc"
