#!/usr/bin/env bash
# Writes the reference outputs of the command-line verbs that the verb tests
# compare against byte for byte (tests/cli/GoldenOutputTest.cpp).
#
#   tests/data/golden/make-golden.sh PROGRAM
#
# PROGRAM is the command-line program whose outputs are taken as the
# reference. These files were made by the program as it stood before the
# JSON writers streamed their output; run this again only when a form is
# changed on purpose, and read the diff.
#
# For every case NAME it writes a line "NAME<TAB>ARG<TAB>ARG..." to
# cases.txt, NAME.out (standard output) and, when the run failed or said
# anything on standard error, NAME.err ("status N" and the messages); the
# data folders are written as @DATA@ and @SAMPLES@ in both. Outputs too
# large to keep go to large.txt as "NAME LENGTH FNV-1a-64" and their
# arguments to cases.txt as well.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/.." && pwd)
samples=$(cd "$here/../../../resources/samples" && pwd)
cd "$here"
rm -f ./*.out ./*.err large.txt cases.txt
settings=$data/fuzz/settings_fuzzer/crtlog.ini
# Dates the program takes from the clock (an imported player's birthday)
# come out as on the day the references were first made.
export SOURCE_DATE_EPOCH=1796644800

placeholders() { sed -e "s#$data#@DATA@#g" -e "s#$samples#@SAMPLES@#g"; }

note_case() {
    local IFS=$'\t'
    echo "$*" | placeholders >>cases.txt
}

# One case: NAME then the program's arguments.
run_case() {
    local name=$1
    note_case "$@"
    shift
    local status=0
    "$program" "$@" >"$name.out" 2>"$name.stderr" || status=$?
    if [[ $status -ne 0 || -s $name.stderr ]]; then
        { echo "status $status"; placeholders <"$name.stderr"; } >"$name.err"
    fi
    rm -f "$name.stderr"
}

# dump of every kind of file the tool reads, damaged ones included.
for f in "$data"/records/* "$data"/json/* "$data"/fuzz/*/* "$samples"/*.tem "$samples"/*.csv; do
    rel=${f#"$data"/}
    [[ $f == "$samples"/* ]] && rel=samples/${f#"$samples"/}
    [[ $rel == fuzz/game_fuzzer/large-game.gam ]] && continue
    run_case "dump--${rel//\//--}" dump "$f"
done

for g in "$data"/records/*.gam "$data"/fuzz/game_fuzzer/*.gam; do
    rel=${g#"$data"/}
    run_case "summary--${rel//\//--}" summary "$g" --settings "$settings"
    run_case "summary-18--${rel//\//--}" summary "$g" --settings "$data/fuzz/settings_fuzzer/eighteen-lines.ini"
done

games=("$data"/records/*.gam "$data"/fuzz/game_fuzzer/*.gam)
run_case stats--all stats --all "${games[@]}"
run_case stats--team-eagles stats --team "Brenvik Eagles" "${games[@]}"
run_case stats--team-eagles-opponents stats --team "Brenvik Eagles" --opponents "${games[@]}"
run_case stats--team-hawks stats --team "Harbor Hawks 1" "$data"/fuzz/game_fuzzer/large-game.gam

# The large game's dump is kept as its length and hash.
fnv() {
    python3 -c 'import sys
h = 0xcbf29ce484222325
d = sys.stdin.buffer.read()
for b in d:
    h = ((h ^ b) * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
print(len(d), format(h, "016x"))'
}
large=$data/fuzz/game_fuzzer/large-game.gam
note_case dump--fuzz--game_fuzzer--large-game.gam dump "$large"
echo "dump--fuzz--game_fuzzer--large-game.gam $("$program" dump "$large" | fnv)" >large.txt
