#!/usr/bin/env bash
# The league's web site over a season of saved games, timed against the
# statistics of every team over the same files.
#
# usage: bench/site_season.sh [COURTLOG] [RUNS]
#   COURTLOG  the command (default: build/courtlog)
#   RUNS      timed runs of each command (default: 21)
#
# Makes 400 games among 30 teams (about 160 plays a game) in a temporary
# folder, then times whole processes, interleaved so both see the same load:
#   courtlog site --out SITE GAMES...     (each run replaces the site before)
#   courtlog stats --all GAMES... >/dev/null
# and prints the medians and their ratio (goal: the site takes at most a few
# times the statistics, 5.0). The site reads each game once and builds a
# page per game and per team, the index and the stylesheet beside its
# folder, then swaps the two; a page that came out as before is linked from
# the old site rather than written again, as when a season is rebuilt each
# week. The first build into an empty folder, which writes every page, is
# timed on its own at the end. The folders sit beside the games, on the
# disk of TMPDIR (default /tmp).
# Needs python3.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=bench/timing.sh
source "$here/timing.sh"
cli=${1:-$here/../build/courtlog}
runs=${2:-21}
goal=5.0

if [[ ! -x $cli ]]; then
    echo "No courtlog at $cli; build the courtlog target or name the program." >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/courtlog-site.XXXXXX")
trap 'rm -rf "$work"' EXIT

python3 "$here/make_season.py" "$work/season" 400 30 160
files=("$work"/season/*.gam)
# The program's own colours: no settings file in the folder it runs in.
cd "$work"

# Warm the page cache and check the site comes out whole.
"$cli" stats --all "${files[@]}" >/dev/null
"$cli" site --out "$work/site" --title "Bench League" "${files[@]}"
pages=$(find "$work/site" -name '*.html' | wc -l)
bytes=$(du -sk "$work/site" | cut -f1)
echo "season:      ${#files[@]} games, 30 teams, ~160 plays a game; site of $pages pages, ${bytes} KiB"
compare_runs "$runs" "$goal" "site" "stats --all" \
    "$cli site --out $work/site --title Bench ${files[*]}" "$cli stats --all ${files[*]}"

# The first build: every page new.
first=()
for _ in 1 2 3 4 5; do
    rm -rf "$work/first"
    start=$(date +%s%N)
    "$cli" site --out "$work/first" --title Bench "${files[@]}"
    first+=($((($(date +%s%N) - start) / 1000000)))
done
printf 'first build: median %s ms wall (into an empty folder, 5 runs)\n' \
    "$(printf '%s\n' "${first[@]}" | sort -n | sed -n 3p)"
