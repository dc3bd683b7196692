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
# Libraries go to the multiarch folder (lib/x86_64-linux-gnu), as Debian keeps them.
libdir_rel=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
[[ $libdir_rel == lib/*-* ]] || fail "libraries not in the multiarch folder: $libdir_rel"
libdir=$prefix/$libdir_rel

# The public library exports the C entry, the class HbArchiv and the window entry, nothing
# more; no installed library carries SQLite's names, and nothing points into the build tree.
lib=$libdir/libOrvHbArchiv5.so.5
[[ $(readelf -d "$lib" | grep -o 'soname: \[.*\]') == "soname: [libOrvHbArchiv5.so.5]" ]] ||
    fail "soname"
exports=$(nm -D --defined-only "$lib" | awk '{print $3}' | c++filt | sort | tr '\n' ' ')
expected="hbarchiv_archiv hbarchiv_create hbarchiv_icon hbarchiv_release tolva::HbArchiv::Archiv(QString&) tolva::HbArchiv::LadeEinstellungen() tolva_pilot_next_window tolva_window_api "
[[ $exports == "$expected" ]] || fail "exports: $exports"
for f in "$lib" "$libdir"/tolva/*.so* "$prefix/bin/tolva-archiv"; do
    [[ $(nm -D --defined-only "$f") != *" sqlite3_"* ]] || fail "$f exports sqlite3_*"
    [[ $(readelf -d "$f") != *"$build"* ]] || fail "$f points into the build tree"
done
[[ -f $libdir/tolva/liborvcbf.so && -f $prefix/share/tolva/HbLeer.dat &&
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
[[ $(ls "$work/pages" | wc -l) == 15 ]] || fail "pages: $(ls "$work/pages")"

# A C host built against the installed files through pkg-config, with the system's SQLite;
# it loads the installed component by path and runs a whole job through it.
export PKG_CONFIG_PATH=$libdir/pkgconfig
cc -std=c11 -Wall -Werror $(pkg-config --cflags tolva-hbarchiv) \
    -DORVHBARCHIV_PATH="\"$(pkg-config --variable=library tolva-hbarchiv)\"" \
    "$src/tests/wizard/CEntryTest.c" -o "$work/c-host" -lsqlite3 -ldl
bash "$src/tests/wizard/c-entry-test.sh" "$bin" "$prefix/share/tolva" "$work/c-host" \
    "$work/c-host-dir"

# The CMake package: a host project links Tolva::HbArchiv.
cmake -S "$src/tests/install/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" \
    >/dev/null
cmake --build "$work/consumer" >/dev/null || fail "a host built with find_package"

# The Debian packages, as Debian splits a library: the component (with the ldconfig trigger and
# the shlibs file), the files hosts are built with, and the program.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb_lib=$(ls "$work"/deb/liborvhbarchiv5-5_*.deb)
deb_dev=$(ls "$work"/deb/liborvhbarchiv5-dev_*.deb)
deb_bin=$(ls "$work"/deb/tolva-archiv_*.deb)
depends=$(dpkg-deb -f "$deb_lib" Depends)
[[ $depends == *qt6-translations-l10n* && $depends == *libqt6widgets6* ]] ||
    fail "library Depends: $depends"
[[ $(dpkg-deb -f "$deb_dev" Depends) == "liborvhbarchiv5-5 (= $version)" ]] ||
    fail "-dev Depends: $(dpkg-deb -f "$deb_dev" Depends)"
[[ $(dpkg-deb -f "$deb_bin" Depends) == "liborvhbarchiv5-5 (= $version), "* ]] ||
    fail "program Depends: $(dpkg-deb -f "$deb_bin" Depends)"
[[ $(dpkg-deb --ctrl-tarfile "$deb_lib" | tar -xO ./triggers) == "activate-noawait ldconfig" &&
   $(dpkg-deb --ctrl-tarfile "$deb_lib" | tar -xO ./shlibs) == *"libOrvHbArchiv5 5 liborvhbarchiv5-5 (>= $version)"* ]] ||
    fail "ldconfig trigger or shlibs"
# Each file in exactly one package; the header and the .so link only in -dev.
for deb in "$deb_lib" "$deb_dev" "$deb_bin"; do dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}'; done |
    sort | uniq -d | grep . && fail "files in two packages"
dpkg-deb -c "$deb_lib" | grep -e 'hbarchiv.h' -e 'libOrvHbArchiv5.so$' >/dev/null && fail "development files in the library package"

# Unpacked as merged /usr lays them out (lib is a link to usr/lib): a C host built with the
# root's pkg-config file, loading the component through the linked folder, runs a whole job.
mkdir -p "$work/root"
for deb in "$deb_lib" "$deb_dev" "$deb_bin"; do dpkg-deb -x "$deb" "$work/root"; done
ln -s usr/lib "$work/root/lib"
export PKG_CONFIG_PATH=$work/root/usr/$libdir_rel/pkgconfig
[[ $(realpath "$(pkg-config --variable=library tolva-hbarchiv)") == \
   $(realpath "$work/root/usr/$libdir_rel/libOrvHbArchiv5.so.5") ]] ||
    fail "pkg-config of the unpacked root: $(pkg-config --variable=library tolva-hbarchiv)"
cc -std=c11 -Wall -Werror $(pkg-config --cflags tolva-hbarchiv) \
    -DORVHBARCHIV_PATH="\"$work/root/$libdir_rel/libOrvHbArchiv5.so.5\"" \
    "$src/tests/wizard/CEntryTest.c" -o "$work/c-host-deb" -lsqlite3 -ldl
bash "$src/tests/wizard/c-entry-test.sh" "$work/root/usr/bin/tolva-archiv" \
    "$work/root/usr/share/tolva" "$work/c-host-deb" "$work/c-host-deb-dir" ||
    fail "a host loading the packaged library through a linked folder"
[[ $(clean "$work/root/usr/bin/tolva-archiv" list "$work/archiv") == "alt.aba vom "* ]] ||
    fail "the packaged program"
echo "installed: $(du -sh "$prefix" | cut -f1), packages $(du -ch "$work"/deb/*.deb | tail -1 | cut -f1)"
