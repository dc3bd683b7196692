# The commands and options that tolva-archiv's --help texts name, for the tests that keep the
# manual page and the bash completion in step with the program, read from the German texts
# whatever the locale (the names are the same in both languages). Sourced; needs $prog.

# The commands of "tolva-archiv --help" (the names in its list that are no options), and
# "help" when the text mentions "tolva-archiv help BEFEHL".
help_commands() {
    local text
    text=$(TOLVA_LANG=de "$prog" --help) || return
    awk '/^Befehle:/ { on = 1; next } on && /^  [a-z]/ { print $1 } on && /^$/ { on = 0 }' \
        <<<"$text"
    [[ $text == *'tolva-archiv help BEFEHL'* ]] && echo help
}

# The options in the left column of a --help text: "--db", and "--version" and "-V" from
# "--version, -V". Arguments: what goes before --help ("show", or nothing for the main help).
help_options() {
    TOLVA_LANG=de "$prog" "$@" --help | awk '/^  -/ {
        for (i = 1; i <= NF && $i ~ /^-/; ++i) { sub(/,$/, "", $i); print $i }
    }'
}
