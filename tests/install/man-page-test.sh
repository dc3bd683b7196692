#!/usr/bin/env bash
# The installed manual pages of tolva-archiv(1), German in man1/ and English in en/man1/,
# against the program: in each, every command of --help has an item in the commands section
# and a subsection in the options section, every option of every --help text an item there;
# each page carries the program's version, renders without a warning of groff or man, and is
# packed without a time stamp. The English page has no German words left in its text.
# Usage: man-page-test.sh PROGRAM BUILD_DIR WORK_DIR
set -uo pipefail
prog=$1 build=$2 work=$3
source "$(dirname "$0")/help-words.sh"
fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$work"
cmake --install "$build" --component programm --prefix "$work/prefix" >/dev/null ||
    fail "cmake --install --component programm"
version=$("$prog" --version) || fail "--version"
commands=$(help_commands) || fail "--help"
[[ -n $commands ]] || fail "no commands in --help"

# Whether section $1 of check_page's $items has an item whose tag names $2 as a whole word.
has_item() {
    awk -F'\t' -v k="$1" -v w="$2" '
        $1 == k && $2 ~ ("(^|[^A-Za-z0-9-])" w "([^A-Za-z0-9-]|$)") { found = 1 }
        END { exit !found }' <<<"$items"
}

# The page $1 as installed, with its commands section $2 and options section $3 (.SH titles).
check_page() {
    local page=$1 commands_title=$2 options_title=$3
    [[ -f $page ]] || fail "no manual page at $page"

    # gzip -n: no name and no time in the header (bytes 3 to 7), so that builds are reproducible.
    [[ $(od -An -tu1 -j3 -N5 "$page" | tr -s ' ') == " 0 0 0 0 0" ]] ||
        fail "$page has a name or a time stamp in its gzip header"

    zcat "$page" | grep "^\.TH TOLVA-ARCHIV 1 .*\"$version\"" >/dev/null ||
        fail "$page: the .TH line does not name \"$version\""

    # Every warning that groff (all of them) or man --warnings, as lintian runs it, prints.
    local warnings
    warnings=$(zcat "$page" | groff -k -man -Tutf8 -ww -z 2>&1
        LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
            2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "warnings when rendering $page:"$'\n'"$warnings"

    # The items of the page: per line "SECTION<TAB>tag", the tag being the line after .TP, with
    # SECTION "COMMANDS" in the commands section and the command in the options section's
    # .SS "tolva-archiv COMMAND".
    local items
    items=$(zcat "$page" | awk -v title="$commands_title" '
        /^\.\\"/ { next }
        { gsub(/\\-/, "-"); gsub(/\\f[BIRP]/, "") }
        /^\.SH/ { key = ($0 ~ ("^\\.SH \"?" title "\"?$")) ? "COMMANDS" : ""; next }
        /^\.SS/ { key = ""; if (match($0, /tolva-archiv [^ "]+/)) key = substr($0, RSTART + 13, RLENGTH - 13); next }
        /^\.TP/ { tag = 1; next }
        tag { if (key != "") print key "\t" $0; tag = 0 }')
    zcat "$page" | grep -E "^\.SH \"?$options_title\"?$" >/dev/null ||
        fail "$page has no section $options_title"

    local missing=() word command option options args
    for word in $commands $(help_options); do
        has_item COMMANDS "$word" || missing+=("$word ($commands_title)")
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
    ((${#missing[@]} == 0)) || fail "not in $page: $(printf '\n  %s' "${missing[@]}")"
    echo "$page: $(wc -w <<<"$commands") commands and their options described"
}

# German words that have no place in the running text of the English page $1 (file names,
# CSV columns and --sort values are literal and hold none of them).
check_english() {
    local text german
    text=$(zcat "$1" | groff -k -man -Tutf8 -P -cbou 2>/dev/null) || fail "groff $1"
    german=$(grep -n -w -E 'und|der|die|das|nicht|wird|eine|ist|mit|Die|Der|Das|Eine|Umsätze|Datei' \
        <<<"$text")
    [[ -z $german ]] || fail "German left in the English page $1:"$'\n'"$german"
}

check_page "$work/prefix/share/man/man1/tolva-archiv.1.gz" BEFEHLE OPTIONEN
check_page "$work/prefix/share/man/en/man1/tolva-archiv.1.gz" COMMANDS OPTIONS
check_english "$work/prefix/share/man/en/man1/tolva-archiv.1.gz"
