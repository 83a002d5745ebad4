#!/usr/bin/env bash
# Statistics over a season of saved games, timed against cat of the same files.
#
# usage: bench/stats_season.sh [COURTLOG] [RUNS]
#   COURTLOG  the command (default: build/courtlog)
#   RUNS      timed runs of each command (default: 21)
#
# Makes 1,000 games among 30 teams (about 160 plays a game) in a temporary
# folder, then times whole processes, interleaved so both see the same load:
#   courtlog stats --all GAMES... >/dev/null
#   cat GAMES... >/dev/null
# and prints the medians and their ratio (goal: statistics take no longer
# than cat). Peak memory of the statistics run is measured with /usr/bin/time
# against the program's idle size (courtlog --version).
# Needs python3, and GNU time for the memory figures.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=bench/timing.sh
source "$here/timing.sh"
cli=${1:-$here/../build/courtlog}
runs=${2:-21}
goal=1.0

if [[ ! -x $cli ]]; then
    echo "No courtlog at $cli; build the courtlog target or name the program." >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/courtlog-season.XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 "$here/make_season.py" "$work/season" 1000 30 160
files=("$work"/season/*.gam)
bytes=$(cat "${files[@]}" | wc -c)

# Warm the page cache and check the statistics come out.
"$cli" stats --all "${files[@]}" >"$work/stats.json"
players=$(grep -c '"player"' "$work/stats.json")
totals_gp=$(grep -A4 '"TEAM TOTALS"' "$work/stats.json" | sed -n 's/.*"GP": \([0-9]*\).*/\1/p')
cat "${files[@]}" >/dev/null

echo "season:      ${#files[@]} games, 30 teams, ~160 plays a game, $((bytes / 1024)) KiB; $players lines, TEAM TOTALS GP $totals_gp"
compare_runs "$runs" "$goal" "stats --all" "cat" "$cli stats --all ${files[*]}" "cat ${files[*]}"

idle=$(peak_kib "$cli" --version)
if [[ -n $idle ]]; then
    busy=$(peak_kib "$cli" stats --all "${files[@]}")
    awk -v b="$busy" -v i="$idle" 'BEGIN {
        printf "peak memory: stats --all %.1f MiB, idle (--version) %.1f MiB, difference %.1f MiB\n",
               b / 1024, i / 1024, (b - i) / 1024 }'
else
    echo "peak memory: not measured (install GNU time: apt-get install -y time)"
fi

if command -v hyperfine >/dev/null && [[ ${HYPERFINE:-0} == 1 ]]; then
    # Optional second opinion; it runs each command in a block, not interleaved.
    hyperfine -N --warmup 3 --runs "$runs" --output=null -n "stats --all" -n cat \
        "$cli stats --all ${files[*]}" "cat ${files[*]}" 2>&1 | grep -v '^ *$' | cut -c1-110
fi
