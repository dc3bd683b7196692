#!/usr/bin/env bash
# The program's desktop files as the package installs them: both entries, the metainfo and the
# MIME type pass their validators, the release named is the project's version, and once the
# MIME and desktop databases are built an .aba file is of the archive type and opens with the
# archive opener.
# Usage: desktop-files-test.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail
build=$1 work=$2 version=$3
fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$work"
DESTDIR=$work cmake --install "$build" --prefix /usr --component programm >/dev/null
share=$work/usr/share
apps=$share/applications

desktop-file-validate "$apps/tolva-archiv.desktop" "$apps/tolva-archiv-anzeigen.desktop"
# validate-tree checks the metainfo and that its launchable and the entry it names are there.
appstreamcli validate-tree --no-net "$work/usr"
metainfo=$share/metainfo/de.tolva.archiv.metainfo.xml
release=$(xmllint --xpath 'string(/component/releases/release[1]/@version)' "$metainfo")
[[ $release == "$version" ]] || fail "the metainfo's newest release is $release, not $version"

xmllint --noout "$share/mime/packages/tolva-archiv.xml"
# update-mime-database warns about what it does not understand: any output is a fault. (It
# also says so when the folder is not one that programs search.)
meldungen=$(XDG_DATA_HOME=$share XDG_DATA_DIRS=$share update-mime-database "$share/mime" 2>&1)
[[ -z $meldungen ]] || fail "update-mime-database: $meldungen"
grep -qx '[0-9]*:application/x-tolva-archiv:\*\.aba' "$share/mime/globs2" ||
    fail "globs2 does not give *.aba the archive type"
update-desktop-database "$apps"
grep -qx 'application/x-tolva-archiv=tolva-archiv-anzeigen.desktop;' "$apps/mimeinfo.cache" ||
    fail "the archive type has no opener: $(cat "$apps/mimeinfo.cache")"
echo "desktop files valid; *.aba is application/x-tolva-archiv, opened by tolva-archiv-anzeigen"
