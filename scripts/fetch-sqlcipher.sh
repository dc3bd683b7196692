#!/usr/bin/env bash
# Fetches Debian's own SQLCipher 3.4.1 source (the release that libsqlcipher-dev ships, with
# Debian's patches) and makes its amalgamation sqlite3.c / sqlite3.h in DEST. The component
# compiles it into its database library under its own symbol names, so that it never meets a
# host's SQLite. Uses private apt folders: the machine's apt configuration stays untouched.
# Usage: scripts/fetch-sqlcipher.sh DEST
set -euo pipefail
dest=$1
[ -s "$dest/sqlite3.c" ] && [ -s "$dest/config.h" ] && exit 0
work=$(mktemp -d "${TMPDIR:-/tmp}/tolva-sqlcipher.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/parts" "$work/lists/partial" "$work/cache/partial"
cat >"$work/parts/debian-src.sources" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/parts"
          -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache"
          -o "Dir::Cache::archives=$work/cache")
# As root apt would hand the download to its own user, who cannot write here.
[ "$(id -u)" -ne 0 ] || apt_opts+=(-o APT::Sandbox::User=root)
apt-get "${apt_opts[@]}" update -qq
(cd "$work" && apt-get "${apt_opts[@]}" source --download-only -qq sqlcipher=3.4.1-2)
mkdir -p "$work/src" "$work/deb"
tar -xzf "$work"/sqlcipher_3.4.1.orig.tar.gz -C "$work/src" --strip-components=1
tar -xJf "$work"/sqlcipher_3.4.1-2.debian.tar.xz -C "$work/deb"
while read -r p; do
    case $p in ''|'#'*) continue ;; esac
    patch -d "$work/src" -p1 -s <"$work/deb/debian/patches/$p"
done <"$work/deb/debian/patches/series"
(cd "$work/src" && ./configure -q --enable-threadsafe --enable-tempstore --disable-tcl \
    --enable-load-extension >/dev/null && make -s sqlite3.c >/dev/null)
# Each file is copied beside its place and renamed into it, config.h last: when config.h is
# there, the others are complete (the test at the top), and a copy cut short never passes.
mkdir -p "$dest"
for f in sqlite3.c sqlite3.h config.h; do
    cp "$work/src/$f" "$dest/.$f.part"
    mv "$dest/.$f.part" "$dest/$f"
done
