#!/usr/bin/python3
"""A play at the game console as the scorekeeper waits for it, against plain Qt.

usage: bench/play_flow.py [BUILD] [PLAYS]

  BUILD  a build folder configured with -DCOURTLOG_BENCH=ON in which the
         targets courtlog_window, play_flow_yardstick and widget_probe are
         built (default: build-bench)
  PLAYS  timed plays per program (default: 60)

Five programs run side by side, each on a virtual screen of its own (Xvfb,
1366x768, with openbox): a plain-Qt program doing the same flow (a button,
a dialog of the same 29 choices in eight groups, a window repainted), the
real program with a game of 100, 800 and 30,000 plays per team open for
scoring, both team sheets, the statistics viewer and the box score open, and
the real program at 800 plays per team with both team sheets but no viewer.
Each play is clicked through the X server (XTEST) as a scorekeeper does it:
a click on a court button, the event dialog drawn, a click on "Free Throw"
made, everything repainted. Each click is timed to the last repaint it
causes, as the X server reports the screen's damage (DAMAGE). The programs
play in turn, one play each, so that whatever else the machine does falls on
all of them alike; the ratios to plain Qt are printed: goals 1.15 times at
800 plays per team, 1.25 times at 30,000, and a play at 30,000 at most 1.1
times a play at 800. Last, the program's memory with the 30,000-play game
and every viewer open (goal: under 64 MB).

Needs Xvfb, openbox and python3-xlib. Run it on a quiet machine.
"""
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display as xdisplay
from Xlib.ext import damage, xtest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_season  # noqa: E402  (the game file layout, shared with the season benchmark)

SIZES = (100, 800, 30000)
# One more program, with both team sheets but no viewer open.
SHEETS_ONLY = "sheets only"
SHEETS_ONLY_SIZE = 800
SCREEN = "1366x768x24"
# Damage that stops for this long ended what a click caused.
QUIET_AFTER_MOVE = 0.15
QUIET_AFTER_CLICK = 0.35
GOALS = {800: 1.15, 30000: 1.25}


def write_game(path, plays_per_team):
    """A game in its fourth quarter between two teams of twelve, five of each on court."""
    import random
    import struct
    rng = random.Random(plays_per_team)
    blocks, rosters = [], []
    for side, name in enumerate(("Hawks", "Owls")):
        roster = [(f"{name} Player {i + 1}", i + 3) for i in range(12)]
        played = [[1 if i < 5 else 0 for _ in range(8)] for i in range(12)]
        blocks.append(make_season.team_block(name, roster, played))
        rosters.append(roster)
    home = make_season.side_events(rosters[0], plays_per_team, 4, rng)
    visitor = make_season.side_events(rosters[1], plays_per_team, 4, rng)
    text = make_season.text
    info = struct.pack("<25s25s25s25s25s25s25shhhbbhhhhh", text("Bench Hall", 25), text("120", 25),
                       text("A. Ref", 25), text("B. Ref", 25), text(" ", 25), text("Hawks", 25),
                       text("Owls", 25), 0, 0, 2026, 14, 3, 0, 19, 0, 0, 2026)
    data = (info + struct.pack("<hh", 0, 3) + blocks[0] + blocks[1] +
            struct.pack("<hh", len(visitor), len(home)) + b"".join(visitor) + b"".join(home))
    with open(path, "wb") as f:
        f.write(data)


class Screen:
    """A virtual screen with a window manager, watched for damage, driven by XTEST."""

    def __init__(self):
        self.number = next(n for n in range(90, 200) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
        self.name = f":{self.number}"
        self.xvfb = subprocess.Popen(["Xvfb", self.name, "-screen", "0", SCREEN, "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(200):
            if os.path.exists(f"/tmp/.X11-unix/X{self.number}"):
                break
            time.sleep(0.05)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=self.name),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.x = xdisplay.Display(self.name)
        self.root = self.x.screen().root
        check = self.x.intern_atom("_NET_SUPPORTING_WM_CHECK")
        for _ in range(200):
            if self.root.get_full_property(check, X.AnyPropertyType):
                break
            time.sleep(0.05)
        for ext in ("DAMAGE", "XTEST"):
            if not self.x.has_extension(ext):
                sys.exit(f"The virtual screen has no {ext} extension.")
        self.x.damage_query_version()
        self.root.damage_create(damage.DamageReportRawRectangles)
        self.x.sync()

    def close(self):
        for process in (self.wm, self.xvfb):
            process.terminate()
            process.wait()

    def collect(self, seconds):
        """Reads events for up to seconds; the time of the last damage seen, or None."""
        end = time.perf_counter() + seconds
        last = None
        while True:
            while self.x.pending_events():
                event = self.x.next_event()
                if event.type == self.x.extension_event.DamageNotify:
                    last = time.perf_counter()

            left = end - time.perf_counter()
            if left <= 0:
                return last
            select.select([self.x], [], [], left)

    def wait_quiet(self, quiet, limit=20.0):
        """Waits until no damage came for quiet seconds; the time of the last damage, or None."""
        start = time.perf_counter()
        last = None
        while time.perf_counter() - start < limit:
            seen = self.collect(quiet)
            if seen is None:
                return last
            last = seen
        return last

    def window_origin(self, window_id, title):
        """Where a window's inside starts on the screen; a window that went is found again by its title."""
        try:
            window = self.x.create_resource_object("window", window_id)
            if window.get_attributes().map_state == X.IsViewable:
                place = window.translate_coords(self.root, 0, 0)
                return -place.x, -place.y
        except Exception:
            pass
        window = self.find_window(self.root, title)
        if window is None:
            raise RuntimeError(f"no window {title!r} on the screen")
        place = window.translate_coords(self.root, 0, 0)
        return -place.x, -place.y

    def find_window(self, parent, title, depth=0):
        for child in parent.query_tree().children:
            try:
                if child.get_attributes().map_state != X.IsViewable:
                    continue
                name = child.get_wm_name()
                if isinstance(name, bytes):
                    name = name.decode("latin-1")
                if name == title:
                    return child
            except Exception:
                continue
            if depth < 2:
                found = self.find_window(child, title, depth + 1)
                if found is not None:
                    return found
        return None

    def move(self, x, y):
        xtest.fake_input(self.x, X.MotionNotify, x=x, y=y)
        self.x.sync()

    def click(self):
        xtest.fake_input(self.x, X.ButtonPress, 1)
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self.x.flush()

    def key(self, name, alt=False):
        code = self.x.keysym_to_keycode(XK.string_to_keysym(name))
        alt_code = self.x.keysym_to_keycode(XK.string_to_keysym("Alt_L"))
        if alt:
            xtest.fake_input(self.x, X.KeyPress, alt_code)
        xtest.fake_input(self.x, X.KeyPress, code)
        xtest.fake_input(self.x, X.KeyRelease, code)
        if alt:
            xtest.fake_input(self.x, X.KeyRelease, alt_code)
        self.x.sync()

    def activate(self, window_id):
        window = self.x.create_resource_object("window", window_id)
        active = self.x.intern_atom("_NET_ACTIVE_WINDOW")
        from Xlib.protocol import event as xevent
        message = xevent.ClientMessage(window=window, client_type=active, data=(32, [2, X.CurrentTime, 0, 0, 0]))
        self.root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.sync()


class Program:
    """A program started on the screen with the widget probe, to find what to click."""

    def __init__(self, screen, build, work, command, names):
        self.screen = screen
        self.places_file = os.path.join(work, f"places-{os.path.basename(command[0])}-{time.monotonic_ns()}")
        open(self.places_file, "w").close()
        env = dict(os.environ, DISPLAY=screen.name, QT_QPA_PLATFORM="xcb",
                   QT_PLUGIN_PATH=os.path.join(build, "bench-plugins"), QT_QPA_GENERIC_PLUGINS="widgetprobe",
                   WIDGET_PROBE_FILE=self.places_file, WIDGET_PROBE_NAMES=",".join(names),
                   HOME=work, XDG_CONFIG_HOME=os.path.join(work, "config"))
        self.process = subprocess.Popen(command, cwd=work, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def places(self):
        found = {}
        with open(self.places_file) as f:
            for line in f:
                parts = line.rstrip("\n").split(" ", 6)
                if len(parts) == 7:
                    found[parts[0]] = tuple(int(p) for p in parts[1:6]) + (parts[6],)
        return found

    def place(self, name, timeout=30.0):
        end = time.perf_counter() + timeout
        while time.perf_counter() < end:
            found = self.places().get(name)
            if found:
                return found
            self.screen.collect(0.05)
        raise RuntimeError(f"{name} did not appear")

    def centre(self, name):
        window, x, y, width, height, title = self.place(name)
        left, top = self.screen.window_origin(window, title)
        return left + x + width // 2, top + y + height // 2

    def memory(self):
        figures = {}
        with open(f"/proc/{self.process.pid}/status") as f:
            for line in f:
                key, _, value = line.partition(":")
                if key in ("VmRSS", "VmHWM"):
                    figures[key] = int(value.split()[0]) / 1024
        return figures

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def cpu_seconds(pid):
    """User and system time of a process so far, all its threads."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def one_play(screen, program, button, choice):
    """Milliseconds from the click on button to the dialog drawn, and from the click on choice to the last repaint."""
    screen.move(*program.centre(button))
    screen.wait_quiet(QUIET_AFTER_MOVE)
    clicked = time.perf_counter()
    screen.click()
    drawn = screen.wait_quiet(QUIET_AFTER_CLICK)
    screen.move(*program.centre(choice))
    screen.wait_quiet(QUIET_AFTER_MOVE)
    chosen = time.perf_counter()
    screen.click()
    repainted = screen.wait_quiet(QUIET_AFTER_CLICK)
    if drawn is None or repainted is None:
        raise RuntimeError("a click caused no repaint")
    return (drawn - clicked) * 1000, (repainted - chosen) * 1000


class Subject:
    """A program on a virtual screen of its own, ready for plays, with the plays timed so far."""

    def __init__(self, screen, program, button, choice):
        self.screen, self.program, self.button, self.choice = screen, program, button, choice
        self.times = []
        self.cpu = None

    def play(self):
        return one_play(self.screen, self.program, self.button, self.choice)

    def cpu_now(self):
        return cpu_seconds(self.program.process.pid), cpu_seconds(self.screen.xvfb.pid)

    def stop(self):
        self.program.stop()
        self.screen.close()

    def dialog(self):
        return statistics.median(t[0] for t in self.times)

    def rest(self):
        return statistics.median(t[1] for t in self.times)

    def total(self):
        return statistics.median(t[0] + t[1] for t in self.times)


def start_yardstick(build, work):
    screen = Screen()
    program = Program(screen, build, work, [os.path.join(build, "play_flow_yardstick")],
                      ["playerButton", "freeThrowButton"])
    program.place("playerButton")
    screen.wait_quiet(0.5)
    return Subject(screen, program, "playerButton", "freeThrowButton")


def open_for_scoring(screen, program, viewers):
    """Starts the game from its information dialog, then (with viewers) opens the statistics viewer and the box score."""
    screen.move(*program.centre("startGameButton"))
    screen.wait_quiet(QUIET_AFTER_MOVE)
    screen.click()
    program.place("homeSlot1Button")
    screen.wait_quiet(0.5)
    main_window = program.place("mainWindow")[0]
    for menu_key, viewer in (("p", "statisticsList"), ("b", "boxScoreList")) if viewers else ():
        screen.activate(main_window)
        screen.wait_quiet(0.3)
        screen.key("s", alt=True)
        screen.wait_quiet(0.3)
        screen.key(menu_key)
        screen.wait_quiet(0.5)
        if menu_key == "p":
            # Which team's statistics: the home team, as offered.
            screen.key("Return")
        program.place(viewer)
        screen.wait_quiet(0.5)


def start_program(build, work, size, viewers=True):
    game = os.path.join(work, f"game{size}{'' if viewers else '-sheets'}.gam")
    write_game(game, size)
    names = ["startGameButton", "homeSlot1Button", "shotMadeFreeThrowButton", "mainWindow", "statisticsList",
             "boxScoreList"]
    screen = Screen()
    program = Program(screen, build, work, [os.path.join(build, "courtlog-window"), game], names)
    open_for_scoring(screen, program, viewers)
    return Subject(screen, program, "homeSlot1Button", "shotMadeFreeThrowButton")


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build-bench"))
    plays = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    for needed in ("courtlog-window", "play_flow_yardstick", "bench-plugins/generic"):
        if not os.path.exists(os.path.join(build, needed)):
            sys.exit(f"No {needed} in {build}: build the courtlog_window, play_flow_yardstick and widget_probe "
                     "targets of a build configured with -DCOURTLOG_BENCH=ON.")
    subjects = {}
    memory = {}
    with tempfile.TemporaryDirectory(prefix="courtlog-play-flow-") as work:
        # Sound off; everything else as the program starts.
        with open(os.path.join(work, "crtlog.ini"), "w") as f:
            f.write("\n" * 11 + "Sound is        : 0\n")
        try:
            subjects["plain"] = start_yardstick(build, work)
            for size in SIZES:
                subjects[size] = start_program(build, work, size)
            subjects[SHEETS_ONLY] = start_program(build, work, SHEETS_ONLY_SIZE, viewers=False)
            order = list(subjects.values())
            # The first play makes each dialog; it is not timed with the others.
            for subject in order:
                subject.play()
            before = {id(subject): subject.cpu_now() for subject in order}
            # Play after play in turn, each time starting with the next
            # program, so that whatever the machine does meanwhile falls on
            # all of them alike.
            for number in range(plays):
                for subject in order[number % len(order):] + order[:number % len(order)]:
                    subject.times.append(subject.play())
            for subject in order:
                now = subject.cpu_now()
                subject.cpu = [(now[i] - before[id(subject)][i]) * 1000 / plays for i in range(2)]
            if 30000 in subjects:
                subjects[30000].screen.wait_quiet(1.0)
                memory = subjects[30000].program.memory()
        finally:
            for subject in subjects.values():
                subject.stop()

    plain = subjects["plain"]
    print("Click on a court button to the last repaint of a made free throw, both team sheets, the statistics")
    print(f"viewer and the box score open; medians of {plays} plays, taken in turn with the plain-Qt program's (ms):")
    print("dialog drawn + choice to last repaint")
    print(f"{'plays/team':>10}  {'plain Qt':>20}  {'program':>20}  {'ratio':>6}  goal")
    for size in SIZES:
        program = subjects[size]
        goal = f"<= {GOALS[size]:.2f}" if size in GOALS else ""
        print(f"{size:>10}  {plain.dialog():6.1f} + {plain.rest():5.1f} = {plain.total():5.1f}  "
              f"{program.dialog():6.1f} + {program.rest():5.1f} = {program.total():5.1f}  "
              f"{program.total() / plain.total():6.2f}  {goal}")
    sheets = subjects[SHEETS_ONLY]
    print(f"{SHEETS_ONLY_SIZE:>10}  {plain.dialog():6.1f} + {plain.rest():5.1f} = {plain.total():5.1f}  "
          f"{sheets.dialog():6.1f} + {sheets.rest():5.1f} = {sheets.total():5.1f}  "
          f"{sheets.total() / plain.total():6.2f}  (both team sheets only, no viewer)")
    print("CPU time per play (ms), each program's (every thread) and its X server's:")
    print(f"{'plain Qt':>10}  program {plain.cpu[0]:5.1f} + X {plain.cpu[1]:5.1f}")
    for size in SIZES:
        program = subjects[size]
        print(f"{size:>10}  program {program.cpu[0]:5.1f} + X {program.cpu[1]:5.1f}")
    print(f"{SHEETS_ONLY_SIZE:>10}  program {sheets.cpu[0]:5.1f} + X {sheets.cpu[1]:5.1f}  (sheets only)")
    if 800 in subjects and 30000 in subjects:
        growth = subjects[30000].total() / subjects[800].total()
        print(f"a play at 30,000 against a play at 800 plays per team: {growth:.2f} x (goal <= 1.10)")
    if memory:
        print(f"memory with the 30,000-play game, every viewer open: {memory.get('VmRSS', 0):.1f} MB "
              f"(peak {memory.get('VmHWM', 0):.1f} MB; goal under 64 MB)")


if __name__ == "__main__":
    main()
