#!/usr/bin/env bash
# Start-up of the window program against a bare Qt Widgets window: both end
# at their first paint (COURTLOG_EXIT_ON_FIRST_PAINT), the moment the window
# is mapped and drawn. Goal: at most 1.25 times the bare window.
#
# usage: bench/startup.sh [BUILD] [RUNS]
#   BUILD  the build folder with courtlog-window and startup_bare_window
#          (configured with -DCOURTLOG_BENCH=ON; default: build)
#   RUNS   timed runs of each (default: 31)
#
# Runs on the display in DISPLAY, or on a virtual one of its own through
# xvfb-run when there is none. Also prints how many shared objects each has
# started by its first paint.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-31}

if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s '-screen 0 1366x768x24' "$0" "$build" "$runs"
fi
for program in courtlog-window startup_bare_window; do
    if [[ ! -x $build/$program ]]; then
        echo "No $program in $build; build the courtlog_window and startup_bare_window targets." >&2
        exit 2
    fi
done

# shellcheck source=bench/timing.sh
source "$here/timing.sh"
# A fresh folder to start in: the program reads its settings from there.
work=$(mktemp -d "${TMPDIR:-/tmp}/courtlog-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
export COURTLOG_EXIT_ON_FIRST_PAINT=1

for program in courtlog-window startup_bare_window; do
    count=$(LD_DEBUG=files "$build/$program" 2>&1 >/dev/null | grep -c 'calling init:' || true)
    echo "$program: $count shared objects started by the first paint"
done
compare_runs "$runs" 1.25 courtlog-window bare-window "$build/courtlog-window" "$build/startup_bare_window"
