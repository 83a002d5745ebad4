#!/usr/bin/env bash
# dump of a long game, timed against cat of the same file, and its peak
# memory against games of other lengths.
#
# usage: bench/dump_game.sh [COURTLOG] [RUNS]
#   COURTLOG  the command (default: build/courtlog)
#   RUNS      timed runs of each command (default: 21)
#
# Makes games of 800, 8,000 and 30,000 plays per team (the last about
# 4.3 MB) in a temporary folder, then times whole processes, interleaved so
# both see the same load:
#   courtlog dump GAME >/dev/null
#   cat GAME >/dev/null
# on the 30,000-play game (goal: at most 15 times as long as cat), and
# prints the peak memory of dump on each game (goal: the same for all three,
# the JSON is written as the file is read). Needs python3, and GNU time for
# the memory figures.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=bench/timing.sh
source "$here/timing.sh"
cli=${1:-$here/../build/courtlog}
runs=${2:-21}
goal=15

if [[ ! -x $cli ]]; then
    echo "No courtlog at $cli; build the courtlog target or name the program." >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/courtlog-dump.XXXXXX")
trap 'rm -rf "$work"' EXIT

for plays in 800 8000 30000; do
    python3 "$here/make_season.py" "$work/$plays" 1 2 $((2 * plays))
done
game=$work/30000/game0000.gam

# Warm the page cache and check the whole game comes out.
events=$("$cli" dump "$game" | grep -c '"kind": ')
cat "$game" >/dev/null
echo "game:        $(($(wc -c <"$game") / 1024)) KiB, $((events - 1)) plays, $("$cli" dump "$game" | wc -c) bytes of JSON"
compare_runs "$runs" "$goal" "dump" "cat" "$cli dump $game" "cat $game"

idle=$(peak_kib "$cli" --version)
if [[ -n $idle ]]; then
    line="peak memory:"
    for plays in 800 8000 30000; do
        kib=$(peak_kib "$cli" dump "$work/$plays/game0000.gam")
        line+=$(awk -v k="$kib" -v p="$plays" 'BEGIN { printf " %d plays a team %.1f MiB,", p, k / 1024 }')
    done
    echo "$line idle (--version) $(awk -v k="$idle" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
else
    echo "peak memory: not measured (install GNU time: apt-get install -y time)"
fi
