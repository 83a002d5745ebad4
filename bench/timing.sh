# Shared by the shell benchmarks: whole-process timings and peaks.
# Source it; needs python3 and, for peaks, GNU time.

# Times A and B RUNS times each, in turn so both see the same load, and
# prints their medians and the ratio A / B against GOAL (bench/compare_runs.py).
#   compare_runs RUNS GOAL NAME_A NAME_B "A..." "B..."   (commands word-split)
compare_runs() {
    local here
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    # shellcheck disable=SC2086
    python3 "$here/compare_runs.py" "$1" "$2" "$3" "$4" -- $5 -- $6
}

# Peak resident memory of one run in KiB, or empty without GNU time.
peak_kib() {
    [[ -x /usr/bin/time ]] || return 0
    /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'
}
