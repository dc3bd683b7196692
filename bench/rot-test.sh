#!/usr/bin/env bash
# rot-test.sh: archives rotting one byte at a time, and whether "tolva-archiv verify" tells.
#
# Usage: bench/rot-test.sh [--sizes LIST] [--seed S] [--bin PROGRAM] [--work DIR] [N]
#
#   N             flips per size (1000)
#   --sizes LIST  bookings of the demo databases, comma-separated (2000,20000,100000)
#   --seed S      start value of the flips (else one from the clock; printed either way)
#   --bin PROGRAM tolva-archiv (build/bin/tolva-archiv; TOLVA_DATA_DIR as for the program)
#   --work DIR    where databases, archives and copies go (${TMPDIR:-/tmp}/tolva-rot-test)
#
# Per size: a demo database and an archive of every booking (without password). The untouched
# archive must verify "in Ordnung", a copy with a flip in the salt must not, and one with a
# flip in the unused bytes of a page must. Then N copies, each with one byte at a random offset XORed
# with a random non-zero value, are verified, a batch of copies at a time (verify --folder).
# Each offset is classified by where it lies. Our archives are SQLCipher 3 files with 4 KiB
# pages whose last 48 bytes are reserved: 16 bytes IV, 20 bytes HMAC over the page's cipher
# text, IV and number, 12 bytes unused. So:
#   - the first 16 bytes of the file are the salt of the key: the whole file must be refused;
#   - the 12 unused bytes at a page's end change nothing: the copy must verify "in Ordnung";
#   - every other byte is covered by its page's HMAC: verify must report damage.
# Run archives have no free pages (a free page's bytes would be read by nobody); the script
# checks that with the sqlcipher shell when it is there, and stops if one has any.
# A miss is a flip of a covered byte that verify calls "in Ordnung"; a false alarm is damage
# reported for the untouched archive or for a flip of an unused byte. Every copy that verify
# reports is then salvaged ("verify COPY --salvage NEW.aba"): the salvage must end with 0 or 5
# and a new archive that verifies "in Ordnung" (or, for a flip in the salt, with 6 and no file);
# the rows of the new archives are summed against the original archive's rows per copy. Prints
# per size "N flips, 0 missed, M false alarms, rows recovered X of Y" and fails on any miss,
# false alarm or failed salvage.
set -euo pipefail
# The scripts read the program's German texts, whatever the user's language.
export TOLVA_LANG=de

flips=1000 sizes=2000,20000,100000 seed= bin= work=${TMPDIR:-/tmp}/tolva-rot-test
here=$(cd "$(dirname "$0")/.." && pwd)
while (($#)); do
    case $1 in
        --sizes) sizes=$2; shift 2 ;;
        --seed) seed=$2; shift 2 ;;
        --bin) bin=$2; shift 2 ;;
        --work) work=$2; shift 2 ;;
        --help | -h) sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) flips=$1; shift ;;
    esac
done
bin=${bin:-$here/build/bin/tolva-archiv}
export TOLVA_DATA_DIR=${TOLVA_DATA_DIR:-$(dirname "$(dirname "$bin")")/lib/}
[[ -x $bin ]] || { echo "no program at $bin" >&2; exit 2; }
seed=${seed:-$(($(date +%s) % 32768))}
echo "Startwert $seed (bench/rot-test.sh --seed $seed to repeat)"
RANDOM=$seed

page=4096 reserve_unused_from=4084 salt=16
mkdir -p "$work" && work=$(cd "$work" && pwd)
export TOLVA_SETTINGS=${TOLVA_SETTINGS:-$work/host.ini}
failed=0

# One byte of the file XORed with a value 1..255.
flip() {
    local file=$1 offset=$2 mask=$3 byte
    byte=$(od -An -tu1 -j "$offset" -N1 "$file" | tr -d ' ')
    printf "\\$(printf '%03o' $((byte ^ mask)))" |
        dd of="$file" bs=1 seek="$offset" count=1 conv=notrunc status=none
}

# The rows that verify --json counts in the archives it is given, summed; fails unless every
# one is in order.
rows_in_order() {
    local out n
    out=$("$bin" verify --json "$@") || { echo "salvaged archives not in order: $out" >&2; return 1; }
    n=$(grep -c '"zustand": "in_ordnung"' <<<"$out")
    ((n == $#)) || { echo "salvaged archives not in order: $out" >&2; return 1; }
    grep -o '"zeilen": [0-9]*' <<<"$out" | awk '{ s += $2 } END { print s + 0 }'
}

# Salvages each reported copy of the batch folder (names on stdin) into $work/neu; prints the
# rows recovered, or fails.
salvage_batch() {
    local dir=$1 name status new=()
    rm -rf "$work/neu" && mkdir "$work/neu"
    while read -r name; do
        status=0
        "$bin" verify "$dir/$name" --salvage "$work/neu/$name" >"$work/salvage.out" 2>&1 ||
            status=$?
        if ((status == 0 || status == 5)); then
            new+=("$work/neu/$name")
        elif ((status != 6)) || [[ -e $work/neu/$name ]]; then
            echo "  salvage of ${where[$name]:-$name} ended with $status:" >&2
            cat "$work/salvage.out" >&2
            return 1
        fi
    done
    if ((${#new[@]})); then rows_in_order "${new[@]}"; else echo 0; fi
}

# Verifies every copy of the batch folder; prints "name<TAB>ok|damage" per copy.
verify_batch() {
    local dir=$1 status=0
    "$bin" verify --folder "$dir" >"$work/verify.out" 2>"$work/verify.err" || status=$?
    ((status == 0 || status == 4)) || {
        echo "verify ended with status $status:" >&2
        cat "$work/verify.err" >&2
        exit 1
    }
    awk -v d="$dir/" '{
        i = index($0, ": "); name = substr($0, 1, i - 1); sub(d, "", name)
        print name "\t" (substr($0, i + 2) == "in Ordnung" ? "ok" : "damage")
    }' "$work/verify.out"
}

IFS=, read -ra size_list <<<"$sizes"
for n in "${size_list[@]}"; do
    db=$work/demo-$n.db archive=$work/alle-$n.aba
    if [[ ! -f $archive || $archive -ot $bin ]]; then
        rm -f "$db" "$archive"
        "$bin" demo-db "$db" --bookings "$n" >/dev/null
        "$bin" create --db "$db" --before 2100-01-01 --out "$archive" --password-mode none \
            --yes >/dev/null 2>&1
    fi
    bytes=$(stat -c %s "$archive")
    pages=$((bytes / page))
    if command -v sqlcipher >/dev/null; then
        free=$(printf "PRAGMA key='kiwi+banane';\nPRAGMA cipher_page_size=4096;\nPRAGMA kdf_iter=4000;\nPRAGMA freelist_count;\n" |
            sqlcipher "$archive")
        [[ $free == 0 ]] || { echo "$archive has $free free pages: not classified" >&2; exit 2; }
    fi
    missed=0 alarms=0 salt_n=0 unused_n=0 covered_n=0 recovered=0 expected=0 salvaged=0
    original_rows=$(rows_in_order "$archive")
    # The untouched archive, and besides the random flips one in the salt and one in the
    # unused bytes of a random page, so that every kind of byte is met at every size.
    rm -rf "$work/batch" && mkdir "$work/batch"
    cp "$archive" "$work/batch/heil.aba"
    cp "$archive" "$work/batch/salz.aba"
    flip "$work/batch/salz.aba" $((RANDOM % salt)) $((RANDOM % 255 + 1))
    cp "$archive" "$work/batch/reserve.aba"
    flip "$work/batch/reserve.aba" $(((RANDOM % pages) * page + reserve_unused_from + RANDOM % 12)) \
        $((RANDOM % 255 + 1))
    fixed=$(verify_batch "$work/batch" | sort | tr '\n' ' ')
    if [[ $fixed != $'heil.aba\tok reserve.aba\tok salz.aba\tdamage ' ]]; then
        echo "  the untouched archive, a flip in the salt, a flip in unused bytes: $fixed"
        cat "$work/verify.out"
        alarms=$((alarms + 1))
    fi
    # Copies in batches of at most 256 MiB.
    batch=$(((256 << 20) / bytes))
    ((batch < 1)) && batch=1
    ((batch > 100)) && batch=100
    done_n=0
    while ((done_n < flips)); do
        rm -rf "$work/batch" && mkdir "$work/batch"
        declare -A expect=() where=()
        for ((i = 0; i < batch && done_n + i < flips; ++i)); do
            offset=$(((RANDOM << 15 | RANDOM) % bytes))
            mask=$((RANDOM % 255 + 1))
            name=$(printf 'flip-%06d.aba' $((done_n + i)))
            cp "$archive" "$work/batch/$name"
            flip "$work/batch/$name" "$offset" "$mask"
            if ((offset < salt)); then
                expect[$name]=damage; salt_n=$((salt_n + 1))
            elif ((offset % page >= reserve_unused_from)); then
                expect[$name]=ok; unused_n=$((unused_n + 1))
            else
                expect[$name]=damage; covered_n=$((covered_n + 1))
            fi
            where[$name]="offset $offset (page $((offset / page + 1)), byte $((offset % page))), xor $mask"
        done
        reported=()
        while IFS=$'\t' read -r name got; do
            [[ -n ${expect[$name]:-} ]] || continue
            [[ $got == damage ]] && reported+=("$name")
            if [[ ${expect[$name]} == damage && $got == ok ]]; then
                missed=$((missed + 1)); echo "  missed: ${where[$name]}"
            elif [[ ${expect[$name]} == ok && $got == damage ]]; then
                alarms=$((alarms + 1)); echo "  false alarm: ${where[$name]}"
            fi
            unset "expect[$name]"
        done < <(verify_batch "$work/batch")
        for name in "${!expect[@]}"; do
            missed=$((missed + 1)); echo "  not verified: ${where[$name]}"
        done
        if ((${#reported[@]})); then
            rows=$(printf '%s\n' "${reported[@]}" | salvage_batch "$work/batch") || {
                salvaged=1; rows=0; }
            recovered=$((recovered + rows))
            expected=$((expected + ${#reported[@]} * original_rows))
        fi
        done_n=$((done_n + i))
        unset expect where
    done
    rm -rf "$work/batch" "$work/neu"
    echo "$n bookings, $pages pages: $flips flips, $missed missed, $alarms false alarms," \
        "rows recovered $recovered of $expected" \
        "(salt $salt_n, unused reserve $unused_n, covered $covered_n)"
    ((missed == 0 && alarms == 0 && salvaged == 0)) || failed=1
done
exit $failed
