#!/usr/bin/env python3
"""Writes a season of game files for the statistics benchmark.

usage: make_season.py FOLDER [GAMES] [TEAMS] [PLAYS_PER_GAME]

Defaults: 1000 games among 30 teams of 12 players, about 160 plays a game
(both sides together), four quarters and now and then an overtime. The
files follow the game file layout byte for byte; the same seed always gives
the same season.
"""
import os
import random
import struct
import sys

FIRST = ["Jalen", "Theo", "Owen", "Rafael", "Caleb", "Nico", "Marcus", "Dmitri", "Ade", "Luca", "Sam",
         "Kofi", "Emil", "Bruno", "Tariq", "Henrik", "Jonah", "Mateo", "Isak", "Darius"]
LAST = ["Marsh", "Lindqvist", "Castellano", "Dunmore", "Ashby", "Farrant", "Okafor", "Varga", "Strand",
        "Holm", "Berg", "Ruud", "Castillo", "Whitlock", "Pereira", "Nakamura", "Osei", "Lund"]
TOWNS = ["Harbor", "Valley", "Brenvik", "Tindvik", "North", "Lake", "Stone", "River", "Pine", "Iron"]
MASCOTS = ["Hawks", "Miners", "Eagles", "Ravens", "Wolves", "Otters", "Pilots"]


def text(s, width):
    return (s.encode("cp1252") + b"\0" * width)[:width]


def player(name, number, played, position=0, slot=0):
    return struct.pack("<25sh8hhh", text(name, 25), number, *played, position, slot)


def team_block(name, roster, played):
    header = struct.pack("<80s25s25s25s25s80shhh", text("C:\\COURTLOG\\TEAM.TEM", 80), text(name, 25),
                         text("Coach", 25), text("", 25), text("", 25), text("default.bmp", 80), 0, 0,
                         len(roster))
    return header + b"".join(player(n, num, played[i], 1 + i % 3, 1 + i if i < 5 else 0)
                             for i, (n, num) in enumerate(roster))


# (kind, shotResult, foulKind, technicalKind, reboundKind, turnoverKind) and a weight.
PLAYS = [
    ((1, 1, 0, 0, 0, 0), 14), ((1, 4, 0, 0, 0, 0), 16), ((1, 2, 0, 0, 0, 0), 5), ((1, 5, 0, 0, 0, 0), 9),
    ((1, 3, 0, 0, 0, 0), 8), ((1, 6, 0, 0, 0, 0), 3), ((2, 0, 0, 0, 0, 0), 10), ((3, 0, 1, 0, 0, 0), 2),
    ((3, 0, 2, 0, 0, 0), 8), ((4, 0, 0, 2, 0, 0), 1), ((5, 0, 0, 0, 0, 0), 4), ((6, 0, 0, 0, 1, 0), 6),
    ((6, 0, 0, 0, 2, 0), 14), ((9, 0, 0, 0, 0, 1), 5), ((10, 0, 0, 0, 0, 0), 2), ((11, 0, 0, 0, 0, 0), 1),
]


def event(p, play, period, rng):
    kind, shot, foul, tech, rebound, turnover = play
    if kind == 9:
        turnover = rng.randint(1, 11)
    x, y = (rng.randint(0, 300), rng.randint(0, 280)) if kind == 1 else (0, 0)
    return p + struct.pack("<12h", kind, shot, x, y, foul, 0, tech, 0, rebound, 0, turnover, period)


def side_events(roster, count, periods, rng):
    plays, weights = zip(*PLAYS)
    chosen = rng.choices(plays, weights, k=count)
    out = []
    for i, play in enumerate(chosen):
        name, number = roster[rng.randrange(len(roster))]
        period = min(periods - 1, i * periods // count)
        out.append(event(player(name, number, [0] * 8), play, period, rng))
    return out


def main():
    folder = sys.argv[1]
    games = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    team_count = int(sys.argv[3]) if len(sys.argv) > 3 else 30
    plays_per_game = int(sys.argv[4]) if len(sys.argv) > 4 else 160
    rng = random.Random(2026)
    os.makedirs(folder, exist_ok=True)

    teams = []
    for t in range(team_count):
        name = f"{TOWNS[t % len(TOWNS)]} {MASCOTS[(t // len(TOWNS) + t) % len(MASCOTS)]} {t + 1}"
        roster = [(f"{rng.choice(FIRST)} {rng.choice(LAST)}", rng.randint(-1, 55)) for _ in range(12)]
        teams.append((name, roster))

    for g in range(games):
        home, visitor = rng.sample(teams, 2)
        periods = 4 if rng.random() > 0.06 else 5 + (rng.random() < 0.2)
        blocks = []
        for name, roster in (home, visitor):
            played = [[1 if (i < 5 or rng.random() < 0.6) and p < periods else 0 for p in range(8)]
                      for i in range(len(roster))]
            blocks.append(team_block(name, roster, played))
        half = plays_per_game // 2
        home_plays = side_events(home[1], half + rng.randint(-12, 12), periods, rng)
        visitor_plays = side_events(visitor[1], half + rng.randint(-12, 12), periods, rng)
        info = struct.pack("<25s25s25s25s25s25s25shhhbbhhhhh", text("Season Hall", 25), text("250", 25),
                           text("A. Ref", 25), text("B. Ref", 25), text(" ", 25), text(home[0], 25),
                           text(visitor[0], 25), 0, 0, 2026, 1 + g % 28, 1 + g % 12, 0, 19, 0, 0, 2026)
        data = (info + struct.pack("<hh", 0, periods - 1) + blocks[0] + blocks[1] +
                struct.pack("<hh", len(visitor_plays), len(home_plays)) + b"".join(visitor_plays) +
                b"".join(home_plays))
        with open(os.path.join(folder, f"game{g:04d}.gam"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
