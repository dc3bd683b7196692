#!/usr/bin/env bash
# The engine takes its inputs from its callers: inside the engine rooms only the system's own
# routines, thin shells over the engine, read or write the component's shared state. The run,
# the survey, the plan, the browser and the restore take what they need as arguments.
# Usage: shared-state-test.sh SOURCE_DIR
set -euo pipefail
src=$1
shells='^src/(state/SharedState\.(h|cpp)|archive/(StartArchive|CopyTable|AccountLabel)\.cpp|survey/Survey\.cpp):'
hits=$(cd "$src" &&
    grep -rnE 'Shared\(\)|SharedState' src/state src/database src/hostlib src/cipher src/archive \
        src/survey src/browse src/restore src/files --include='*.cpp' --include='*.h' |
    grep -vE "$shells" || true)
if [[ -n $hits ]]; then
    echo "the shared state read outside the system's routines:" >&2
    echo "$hits" >&2
    exit 1
fi
# The test must see the shells it lets through, or it looks at nothing.
[[ $(cd "$src" && grep -lE 'Shared\(\)' src/archive/StartArchive.cpp src/survey/Survey.cpp | wc -l) -eq 2 ]] ||
    { echo "the pattern finds no shared state in the shells: the test looks at nothing" >&2; exit 1; }
echo "the shared state is read only by the system's routines"
