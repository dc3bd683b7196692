#!/usr/bin/env bash
# The installed bash completion of tolva-archiv, loaded on demand as bash-completion loads it
# and driven as bash drives it: the commands of --help, for every command exactly the options
# of its --help, archives and folders for archive arguments, folders or nothing for values.
# Usage: completion-test.sh PROGRAM BUILD_DIR WORK_DIR
set -o pipefail  # no -e or -u: bash-completion's functions rely on neither
prog=$1 build=$2 work=$3
source "$(dirname "$0")/help-words.sh"
fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$work"
cmake --install "$build" --component programm --prefix "$work/prefix" >/dev/null ||
    fail "cmake --install --component programm"
[[ -f $work/prefix/share/bash-completion/completions/tolva-archiv ]] ||
    fail "no completion at share/bash-completion/completions/tolva-archiv"
source /usr/share/bash-completion/bash_completion || fail "bash-completion is not installed"
BASH_COMPLETION_USER_DIR=$work/prefix/share/bash-completion __load_completion tolva-archiv ||
    fail "bash-completion does not load the installed completion"
function=$(complete -p tolva-archiv | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
[[ -n $function ]] || fail "no completion function for tolva-archiv"

# Completes the line with the cursor at its end; leaves the candidates sorted in $reply.
complete_line() {
    COMP_LINE=$1 COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    "$function" tolva-archiv "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    reply=$(printf '%s\n' "${COMPREPLY[@]}" | sort -u | tr '\n' ' ')
}
offers() {  # offers LINE CANDIDATES...: the line completes to exactly these
    complete_line "$1"
    shift
    local want
    want=$(printf '%s\n' "$@" | sort -u | tr '\n' ' ')
    [[ $reply == "$want" ]] || fail "\"$COMP_LINE\" offers \"$reply\", expected \"$want\""
}

commands=$(help_commands) || fail "--help"
[[ -n $commands ]] || fail "no commands in --help"
offers 'tolva-archiv ' $commands
offers 'tolva-archiv help ' $(grep -vx help <<<"$commands")
offers 'tolva-archiv show --pa' --password --password-file
# Every command offers exactly the options of its --help; --db is the wizard on a database.
for command in $commands --db; do
    [[ $command == help ]] && continue
    args=("$command")
    [[ $command == --db ]] && args=(--db keine.db)
    options=$(help_options "${args[@]}") || fail "tolva-archiv ${args[*]} --help"
    offers "tolva-archiv ${args[*]} --" $options
done

# File arguments, in a folder with an archive, a text file and a folder.
mkdir -p "$work/files/Archive" && cd "$work/files" || fail "cannot make $work/files"
touch alt.aba notiz.txt
for line in 'tolva-archiv show ' 'tolva-archiv restore --db d.db ' 'tolva-archiv list '; do
    offers "$line" alt.aba Archive
done
offers 'tolva-archiv create --db d.db --out ' alt.aba Archive
offers 'tolva-archiv pages --db d.db --out ' Archive
offers 'tolva-archiv search --folder ' Archive
offers 'tolva-archiv survey --db ' alt.aba Archive notiz.txt
offers 'tolva-archiv show --password-file ' alt.aba Archive notiz.txt
offers 'tolva-archiv --db ' alt.aba Archive notiz.txt
offers 'tolva-archiv create --before '
offers 'tolva-archiv show --from '
offers 'tolva-archiv create --password-mode ' none keep new
echo "completion: $(wc -w <<<"$commands") commands, their options and arguments"
