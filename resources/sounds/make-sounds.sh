#!/bin/sh
# Makes the program's seven sound effects (601..607) with sox: short mono
# 16-bit PCM waves at 11025 Hz, each well under 20 KB. The results are
# committed, so building the program never needs sox.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fmt="-r 11025 -b 16 -c 1"
# Repeatable output: no dither, fixed random seed.
sox="sox -R -D"

# 601 button click: a very short square tick.
$sox -n $fmt 601.wav synth 0.025 square 1800 fade t 0 0.025 0.02 vol 0.5

# 602 substitution: two tones, high then lower.
$sox -n $fmt "$tmp/a.wav" synth 0.11 sine 880 fade t 0.005 0.11 0.02 vol 0.6
$sox -n $fmt "$tmp/b.wav" synth 0.14 sine 660 fade t 0.005 0.14 0.04 vol 0.6
$sox "$tmp/a.wav" "$tmp/b.wav" 602.wav

# 603 kind chosen: a short blip.
$sox -n $fmt 603.wav synth 0.07 sine 1320 fade t 0.005 0.07 0.03 vol 0.6

# 604 game start: a referee's whistle, a trilled high tone.
$sox -n $fmt 604.wav synth 0.5 sine 2900 synth 0.5 sine amod 28 60 fade t 0.02 0.5 0.1 vol 0.5

# 605 start-up: three rising notes.
$sox -n $fmt "$tmp/c.wav" synth 0.12 sine 523 fade t 0.005 0.12 0.03 vol 0.55
$sox -n $fmt "$tmp/d.wav" synth 0.12 sine 659 fade t 0.005 0.12 0.03 vol 0.55
$sox -n $fmt "$tmp/e.wav" synth 0.26 sine 784 fade t 0.005 0.26 0.12 vol 0.55
$sox "$tmp/c.wav" "$tmp/d.wav" "$tmp/e.wav" 605.wav

# 606 warning: a low buzz.
$sox -n $fmt 606.wav synth 0.3 square 196 fade t 0.01 0.3 0.05 vol 0.35

# 607 missed shot: a falling sweep.
$sox -n $fmt 607.wav synth 0.35 sine 700-180 fade t 0.01 0.35 0.1 vol 0.6
