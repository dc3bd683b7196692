#!/usr/bin/env bash
# The installed product, away from the build tree: installs into a fresh prefix and into a
# Debian package, then runs the installed program and a C host built against the installed
# files, with no variable of ours set.
# Usage: installed-test.sh BUILD_DIR SOURCE_DIR WORK_DIR
set -euo pipefail
build=$(realpath "$1") src=$(realpath "$2") work=$3
rm -rf "$work"
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
work=$(realpath "$work")
prefix=$work/prefix

fail() { echo "FAILED: $*" >&2; exit 1; }
clean() {
    env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PATH=/usr/bin:/bin \
        QT_QPA_PLATFORM=offscreen "$@"
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The public library exports the C entry, the class HbArchiv and the window entry, nothing
# more; no installed library carries SQLite's names, and nothing points into the build tree.
lib=$prefix/lib/libOrvHbArchiv5.so.5
[[ $(readelf -d "$lib" | grep -o 'soname: \[.*\]') == "soname: [libOrvHbArchiv5.so.5]" ]] ||
    fail "soname"
exports=$(nm -D --defined-only "$lib" | awk '{print $3}' | c++filt | sort | tr '\n' ' ')
expected="hbarchiv_archiv hbarchiv_create hbarchiv_icon hbarchiv_release tolva::HbArchiv::Archiv(QString&) tolva::HbArchiv::LadeEinstellungen() tolva_pilot_next_window tolva_window_api "
[[ $exports == "$expected" ]] || fail "exports: $exports"
for f in "$lib" "$prefix"/lib/tolva/*.so* "$prefix/bin/tolva-archiv"; do
    [[ $(nm -D --defined-only "$f") != *" sqlite3_"* ]] || fail "$f exports sqlite3_*"
    [[ $(readelf -d "$f") != *"$build"* ]] || fail "$f points into the build tree"
done
[[ -f $prefix/lib/tolva/liborvcbf.so && -f $prefix/share/tolva/HbLeer.dat &&
   -f $prefix/share/tolva/skin/hintergrund.png && -f $prefix/include/tolva/hbarchiv.h ]] ||
    fail "installed files missing"

# The installed program: every job from a clean environment.
bin=$prefix/bin/tolva-archiv
[[ $(clean "$bin" --version) == "tolva-archiv 5."* ]] || fail "--version"
clean "$bin" demo-db "$work/d.db" --bookings 2000 >/dev/null
clean "$bin" create --db "$work/d.db" --before 2024-01-01 --out "$work/archiv/alt" --remove \
    --backup "$work/d.BKA" --yes >/dev/null 2>&1 || fail "create"
[[ $(clean "$bin" list "$work/archiv") == "alt.aba vom "* ]] || fail "list"
clean "$bin" pages --db "$work/d.db" --out "$work/pages" 2>/dev/null || fail "pages"
[[ $(ls "$work/pages" | wc -l) == 10 ]] || fail "pages: $(ls "$work/pages")"

# A C host built against the installed files through pkg-config, with the system's SQLite;
# it loads the installed component by path and runs a whole job through it.
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
cc -std=c11 -Wall -Werror $(pkg-config --cflags tolva-hbarchiv) \
    -DORVHBARCHIV_PATH="\"$(pkg-config --variable=library tolva-hbarchiv)\"" \
    "$src/tests/wizard/CEntryTest.c" -o "$work/c-host" -lsqlite3 -ldl
bash "$src/tests/wizard/c-entry-test.sh" "$bin" "$prefix/share/tolva" "$work/c-host" \
    "$work/c-host-dir"

# The same host loading the library through a folder that is a link, as Debian's /lib is a
# link to usr/lib: the component finds its data folder and cipher library all the same.
mkdir -p "$work/root"
ln -s "$prefix" "$work/root/usr"
ln -s usr/lib "$work/root/lib"
cc -std=c11 -Wall -Werror $(pkg-config --cflags tolva-hbarchiv) \
    -DORVHBARCHIV_PATH="\"$work/root/lib/libOrvHbArchiv5.so.5\"" \
    "$src/tests/wizard/CEntryTest.c" -o "$work/c-host-link" -lsqlite3 -ldl
bash "$src/tests/wizard/c-entry-test.sh" "$bin" "$prefix/share/tolva" "$work/c-host-link" \
    "$work/c-host-link-dir" || fail "a host loading the library through a linked folder"

# The CMake package: a host project links Tolva::HbArchiv.
cmake -S "$src/tests/install/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" \
    >/dev/null
cmake --build "$work/consumer" >/dev/null || fail "a host built with find_package"

# The Debian package holds the same files under /usr and depends on Qt's German.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/tolva-archiv_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *qt6-translations-l10n* && $depends == *libqt6widgets6* ]] || fail "Depends: $depends"
dpkg-deb -x "$deb" "$work/x"
[[ $(clean "$work/x/usr/bin/tolva-archiv" list "$work/archiv") == "alt.aba vom "* ]] ||
    fail "the packaged program"
echo "installed: $(du -sh "$prefix" | cut -f1), package $(du -h "$deb" | cut -f1)"
