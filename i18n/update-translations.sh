#!/usr/bin/env bash
# Brings the translations up to date with the code: every text passed to tr(),
# QCoreApplication::translate or QT_TRANSLATE_NOOP in src/ and app/ gets an entry; texts no
# longer in the code are dropped. New entries are "unfinished" until someone translates them;
# tests/i18n fails while any is. German is the source language of every text.
#   i18n/update-translations.sh [TS-FILE...]     (default: every i18n/tolva_*.ts)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate fehlt (Debian: qt6-l10n-tools)" >&2; exit 1; }
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(i18n/tolva_*.ts)
# lupdate rewrites the file and drops XML comments: the glossary at its top (the comment between
# the <TS> line and the first context) is kept aside and put back.
for ts in "${files[@]}"; do
  lang=$(basename "$ts" .ts); lang=${lang#tolva_}
  glossary=$(mktemp)
  [ -f "$ts" ] && sed -n '/^<TS /,/^<context>/{/^<TS /d;/^<context>/d;p}' "$ts" >"$glossary"
  "$lupdate" -silent -no-obsolete -locations none -source-language de -target-language "$lang" \
    -extensions cpp,h -I src -I app src app -ts "$ts"
  sed -i "/^<TS /r $glossary" "$ts"
  rm -f "$glossary"
done
