#!/usr/bin/env bash
# Statistics over a season of saved games, timed against cat of the same files.
#
# usage: bench/stats_season.sh [COURTLOG_CLI] [RUNS]
#   COURTLOG_CLI  the command-line program (default: build/courtlog-cli)
#   RUNS          timed runs of each command (default: 21)
#
# Makes 1,000 games among 30 teams (about 160 plays a game) in a temporary
# folder, then times whole processes, interleaved so both see the same load:
#   courtlog-cli stats --all GAMES... >/dev/null
#   cat GAMES... >/dev/null
# and prints the medians and their ratio (goal: statistics take at most 1.5
# times as long as cat). Peak memory of the statistics run is measured with
# /usr/bin/time against the program's idle size (courtlog-cli --version).
# Needs python3, and GNU time for the memory figures.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli=${1:-$here/../build/courtlog-cli}
runs=${2:-21}
goal=1.5

if [[ ! -x $cli ]]; then
    echo "No courtlog-cli at $cli; build the courtlog_cli_tool target or name the program." >&2
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

# Wall-clock microseconds of one whole process, output thrown away.
micros() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null
    local end=$EPOCHREALTIME
    echo $((10#${end/./} - 10#${start/./}))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

stats_times=()
cat_times=()
for ((i = 0; i < runs; i++)); do
    stats_times+=("$(micros "$cli" stats --all "${files[@]}")")
    cat_times+=("$(micros cat "${files[@]}")")
done
stats_median=$(printf '%s\n' "${stats_times[@]}" | median)
cat_median=$(printf '%s\n' "${cat_times[@]}" | median)
ratio=$(awk -v s="$stats_median" -v c="$cat_median" 'BEGIN { printf "%.2f", s / c }')

echo "season:      ${#files[@]} games, 30 teams, ~160 plays a game, $((bytes / 1024)) KiB; $players lines, TEAM TOTALS GP $totals_gp"
awk -v s="$stats_median" -v c="$cat_median" -v n="$runs" 'BEGIN {
    printf "stats --all: median %.1f ms over %d runs\n", s / 1000, n
    printf "cat:         median %.1f ms over %d runs\n", c / 1000, n }'
verdict=$(awk -v r="$ratio" -v g="$goal" 'BEGIN { print (r <= g) ? "meets" : "MISSES" }')
echo "ratio:       $ratio ($verdict the goal of at most $goal)"

if [[ -x /usr/bin/time ]]; then
    peak_kib() { /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'; }
    idle=$(peak_kib "$cli" --version)
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
