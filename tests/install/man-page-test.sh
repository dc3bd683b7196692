#!/usr/bin/env bash
# The installed manual page tolva-archiv(1) against the program: every command of --help has
# an item under BEFEHLE and a subsection under OPTIONEN, every option of every --help text
# an item there; the page carries the program's version, renders without a warning of groff
# or man, and is packed without a time stamp.
# Usage: man-page-test.sh PROGRAM BUILD_DIR WORK_DIR
set -uo pipefail
prog=$1 build=$2 work=$3
source "$(dirname "$0")/help-words.sh"
fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$work"
cmake --install "$build" --component programm --prefix "$work/prefix" >/dev/null ||
    fail "cmake --install --component programm"
page=$work/prefix/share/man/man1/tolva-archiv.1.gz
[[ -f $page ]] || fail "no manual page at $page"

# gzip -n: no name and no time in the header (bytes 3 to 7), so that builds are reproducible.
[[ $(od -An -tu1 -j3 -N5 "$page" | tr -s ' ') == " 0 0 0 0 0" ]] ||
    fail "$page has a name or a time stamp in its gzip header"

version=$("$prog" --version) || fail "--version"
zcat "$page" | grep "^\.TH TOLVA-ARCHIV 1 .*\"$version\"" >/dev/null ||
    fail "the .TH line does not name \"$version\""

# Every warning that groff (all of them) or man --warnings, as lintian runs it, prints.
warnings=$(zcat "$page" | groff -k -man -Tutf8 -ww -z 2>&1
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 \
        >/dev/null)
[[ -z $warnings ]] || fail "warnings when rendering the page:"$'\n'"$warnings"

# The items of the page: per line "SECTION<TAB>tag", the tag being the line after .TP, with
# SECTION "BEFEHLE" in that section and the command in "OPTIONEN"'s .SS "tolva-archiv BEFEHL".
items=$(zcat "$page" | awk '
    /^\.\\"/ { next }
    { gsub(/\\-/, "-"); gsub(/\\f[BIRP]/, "") }
    /^\.SH/ { key = ($0 ~ /^\.SH BEFEHLE/) ? "BEFEHLE" : ""; next }
    /^\.SS/ { key = ""; if (match($0, /tolva-archiv [^ "]+/)) key = substr($0, RSTART + 13, RLENGTH - 13); next }
    /^\.TP/ { tag = 1; next }
    tag { if (key != "") print key "\t" $0; tag = 0 }')
missing=()
# Whether section $1 has an item whose tag names $2 as a whole word.
has_item() {
    awk -F'\t' -v k="$1" -v w="$2" '
        $1 == k && $2 ~ ("(^|[^A-Za-z0-9-])" w "([^A-Za-z0-9-]|$)") { found = 1 }
        END { exit !found }' <<<"$items"
}

commands=$(help_commands) || fail "--help"
[[ -n $commands ]] || fail "no commands in --help"
for word in $commands $(help_options); do
    has_item BEFEHLE "$word" || missing+=("$word (BEFEHLE)")
done
for command in $commands --db; do
    [[ $command == help ]] && continue
    args=("$command")
    [[ $command == --db ]] && args=(--db "$work/keine.db")
    options=$(help_options "${args[@]}") && [[ -n $options ]] ||
        fail "tolva-archiv ${args[*]} --help"
    for option in $options; do
        has_item "$command" "$option" || missing+=("$command $option")
    done
done
((${#missing[@]} == 0)) || fail "not in the manual page: $(printf '\n  %s' "${missing[@]}")"
echo "man page: $(wc -w <<<"$commands") commands and their options described"
