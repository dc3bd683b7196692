#!/usr/bin/env bash
# Every file step of the product on a user's name goes through src/files: no other source file
# of the product opens, renames, removes, copies, locks or makes a file or folder by itself.
# (SQLite's own opens, in src/sqlcipher, never wait on a pipe; ours might, so they are all in
# the one place that looks first.)
# Usage: file-steps-test.sh SOURCE_DIR
set -euo pipefail
src=$1
pattern='(^|[^A-Za-z0-9_])::(open|openat|creat|rename|renameat|unlink|unlinkat|mkdir|mkdtemp|rmdir|link|symlink|flock)[[:space:]]*\(|QSaveFile|QFile::(rename|remove|copy|link)|QDir\(\)\.(mkpath|mkdir|remove|rename|rmdir)|removeRecursively|std::(rename|remove)[[:space:]]*\(|fopen[[:space:]]*\('
hits=$(cd "$src" && grep -rnE "$pattern" src app --include='*.cpp' --include='*.h' --include='*.c' |
    grep -vE '^src/(files|sqlcipher)/' || true)
if [[ -n $hits ]]; then
    echo "file steps outside src/files:" >&2
    echo "$hits" >&2
    exit 1
fi
# The test itself must see the sources it is meant to look at.
[[ $(grep -cE "$pattern" "$src/src/files/FileSystem.cpp") -ge 8 ]] ||
    { echo "the pattern finds no file step in src/files: the test looks at nothing" >&2; exit 1; }
echo "no file step outside src/files"
