#!/usr/bin/env python3
"""Writes the reference team and game files used by the record tests.

The layouts are spelled out here with struct, independently of the C++
writers, so the tests compare our files against an outside description of
the format. Run from this folder: python3 make_records.py
"""
import struct


def text(s, width):
    b = s.encode("cp1252")
    return (b + b"\0" * width)[:width]


def player(name, number, played, position, slot):
    assert len(played) == 8
    return struct.pack("<25sh8hhh", text(name, 25), number, *played, position, slot)


def personal(phone, address, city, state, zip_, year, day, month, email, note):
    return struct.pack("<25s100s40s40s20sibb50s50s", text(phone, 25), text(address, 100), text(city, 40),
                       text(state, 40), text(zip_, 20), year, day, month, text(email, 50), text(note, 50))


def team_header(file_name, name, coach, assistant, spare, logo, layout, fade, count):
    return struct.pack("<80s25s25s25s25s80shhh", text(file_name, 80), text(name, 25), text(coach, 25),
                       text(assistant, 25), text(spare, 25), text(logo, 80), layout, fade, count)


def event(p, kind, shot, x, y, foul, r1, tech, r2, rebound, goaltend, turnover, period):
    return p + struct.pack("<12h", kind, shot, x, y, foul, r1, tech, r2, rebound, goaltend, turnover, period)


EAGLES_PLAYERS = [
    player("Ann Berg", 12, [1, 0, 0, 0, 0, 0, 0, 0], 1, 1),
    player("Cora Dahl", -1, [0, 1, 1, 0, 0, 0, 0, 1], 3, 4),
    # A name that fills its field without a terminator.
    player("Evelyn Fjordheim-Grunwald", 7, [0] * 8, 2, 0),
]
EAGLES_INFO = [
    personal("555-0101", "1 Harbour Road", "Brenvik", "Nordland", "8001", 2008, 14, 3, "ann@example.org",
             "captain"),
    personal("555-0102", "22 Mill Lane", "Brenvik", "Nordland", "8002", 2009, 1, 12, "cora@example.org",
             "caf\u00e9 \u20ac"),
    personal("", "", "", "", "", 2007, 29, 2, "", ""),
]


def eagles_header(count):
    return team_header("C:\\COURTLOG\\EAGLES.TEM", "Brenvik Eagles", "Hanna Lund", "Per Moe", "spare",
                       "eagles.bmp", 1, 35, count)


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


def main():
    players = b"".join(EAGLES_PLAYERS)
    info = b"".join(EAGLES_INFO)
    write("eagles.tem", eagles_header(3) + players + info)
    # Written before personal information existed: no block at all.
    write("eagles_no_info.tem", eagles_header(3) + players)
    # One byte short of the block: the block must be ignored.
    write("eagles_info_short.tem", eagles_header(3) + players + info[:-1])
    # The header and one and a half players of three.
    write("eagles_truncated.tem", eagles_header(3) + players[:47 + 20])
    write("empty.tem", team_header("", "", "", "", "", "default.bmp", 0, 0, 0))

    home_players = [player("Ann Berg", 12, [1, 1, 0, 0, 0, 1, 0, 0], 1, 1),
                    player("Bo Holm", 5, [1, 0, 0, 0, 0, 0, 0, 0], 2, 3)]
    visitor_players = [player("Ann Berg", 30, [1, 0, 0, 0, 0, 0, 0, 0], 3, 4)]
    info_block = struct.pack("<25s25s25s25s25s25s25shhhbbhhhhh", text("Harbour Hall", 25), text("312", 25),
                             text("K. Strand", 25), text("L. Vik", 25), text(" ", 25), text("Brenvik Eagles", 25),
                             text("Tindvik Ravens", 25), 17, -4, 2026, 5, 11, 30, 19, 0, 7, 2026)
    home_block = team_header("C:\\COURTLOG\\EAGLES.TEM", "Brenvik Eagles", "Hanna Lund", "Per Moe", "",
                             "eagles.bmp", 2, 10, 2) + b"".join(home_players)
    visitor_block = team_header("D:\\RAVENS.TEM", "Tindvik Ravens", "Ola Rud", "", "", "default.bmp", 0, 0,
                                1) + visitor_players[0]
    visitor_events = [
        event(visitor_players[0], 1, 2, 120, 40, 0, 0, 0, 0, 0, 0, 0, 0),
        event(visitor_players[0], 3, 0, 0, 0, 2, 9, 0, 0, 0, 0, 0, 5),
    ]
    home_events = [
        event(home_players[0], 1, 1, 100, 200, 0, 0, 0, 0, 0, 0, 0, 0),
        event(home_players[1], 6, 0, 0, 0, 0, 0, 0, 3, 2, 0, 0, 1),
        event(home_players[0], 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 5),
    ]
    game = (info_block + struct.pack("<hh", 0, 5) + home_block + visitor_block +
            struct.pack("<hh", len(visitor_events), len(home_events)) + b"".join(visitor_events) +
            b"".join(home_events))
    write("harbour_game.gam", game)

    counts_at = len(game) - 71 * 5 - 4
    # Counts that claim far more events than the file holds.
    write("game_lying_counts.gam", game[:counts_at] + struct.pack("<hh", 2, 32767) + game[counts_at + 4:])
    # A negative event count.
    write("game_negative_count.gam", game[:counts_at] + struct.pack("<hh", -1, 3) + game[counts_at + 4:])
    # Cut inside the visitor team block.
    visitor_at = 193 + 4 + len(home_block)
    write("game_truncated_team.gam", game[:visitor_at + 100])
    # Twelve bytes whose first word claims 65535 players.
    write("roster_65535.bin", struct.pack("<H", 0xFFFF) + b"\x41" * 10)


if __name__ == "__main__":
    main()
