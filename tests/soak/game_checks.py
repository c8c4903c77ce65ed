"""What the game soak checks: the saved values, their relation to what was stored before, the
table on the screen against the headless painting of the stored one, and Wine's output."""

import os
import re
import subprocess
import time

import records
from wine_driver import Finding

KEY = r"Software\Halvane\Quenlow\1.0"
CRASH_PATTERNS = re.compile(r"Unhandled exception|Unhandled page fault|wine: Unhandled|"
                            r"Backtrace:|wine: Assertion|Program Error|err:seh", re.IGNORECASE)


def read_ints(driver, name):
    text = driver.one("reg-get", "HKCU", KEY, name)
    return None if text == "absent" else [int(v) for v in text.split()]


class Stored:
    """The four values as they are in the registry now."""

    def __init__(self, driver):
        game = read_ints(driver, "game")
        self.game_ints = game
        self.game = records.SavedGame(game) if game else None
        self.initial = read_ints(driver, "initial")
        self.scores = tuple(read_ints(driver, "scores") or (0, 0))
        self.expert = read_ints(driver, "expert")

    def check_sound(self):
        """Each of the 52 cards once, fans filled from the bottom, foundations of their suit;
        a game in progress has its deal recorded."""
        if self.game is None:
            raise Finding("no game is stored")
        if self.game.saved != 1:
            raise Finding(f"the game value is not marked as saved: {self.game.saved}")
        found = records.problems(self.game.table)
        if found:
            raise Finding("the stored table is not one a game can reach: " + "; ".join(found))
        dealt = records.dealt_table(self.initial or [])
        if self.game.in_progress and dealt is None:
            raise Finding(f"a game in progress without its deal: {self.initial}")
        if dealt is not None and records.problems(dealt):
            raise Finding("the stored deal is not a deal: " + "; ".join(records.problems(dealt)))

    def dealt_layouts(self):
        dealt = records.dealt_table(self.initial or [])
        return [] if dealt is None else [dealt, records.fixed_up(dealt)]


def check_follows(before, after):
    """The stored table `after` must be the one stored `before`, or a few moves on from it or
    from a deal laid out again (Start Over, New Game): never an older or an unrelated one."""
    starts = [before.game.table] + after.dealt_layouts()
    moved = min(records.cards_moved(start, after.game.table) for start in starts)
    if moved > 2:
        raise Finding(f"the stored table jumped by {moved} cards: from {before.game_ints} "
                      f"to {after.game_ints} (deal {after.initial})")


class ScoreWatch:
    """Wins plus losses never fall, but for a Reset that the run pressed and that has not yet
    shown in the stored scores."""

    def __init__(self, scores):
        self.total = sum(scores)
        self.reset_pending = False

    def see(self, scores, log):
        if min(scores) < 0:
            raise Finding(f"negative scores {scores}")
        total = sum(scores)
        if total < self.total:
            if not self.reset_pending:
                raise Finding(f"wins plus losses fell from {self.total} to {total} ({scores})")
            log(f"scores reset to {scores}")
            self.reset_pending = False
        self.total = total


def table_matches_screen(stored, view_rect, paths):
    """Whether the view shows exactly the headless painting of the stored table. Wine hands a
    window's painting to the X server a little later: the screen is looked at a few times."""
    x, y, w, h = view_rect
    screen, shown = paths["work"] + "/screen.png", paths["out"] + "/shown.png"
    painted = paths["out"] + "/painted.ppm"
    subprocess.run([paths["render"], paths["exe"], str(w), str(h), painted,
                    *map(str, stored.game_ints)], check=True, timeout=30,
                   stdout=subprocess.DEVNULL)
    for _ in range(10):
        subprocess.run(["import", "-window", "root", screen], check=True, timeout=30,
                       stderr=subprocess.DEVNULL)
        subprocess.run(["convert", screen, "-crop", f"{w}x{h}+{x}+{y}", "+repage", shown],
                       check=True, timeout=30)
        result = subprocess.run(["compare", "-metric", "AE", shown, painted, "null:"],
                                capture_output=True, text=True, timeout=30)
        if result.stderr.split(" ")[0].strip() == "0":
            return True
        time.sleep(0.2)
    return False


class WineLog:
    """The log of the driver and the programs it starts: reports of crashes in what was added
    since the last look."""

    def __init__(self, path):
        self.path = path
        self.offset = os.path.getsize(path) if os.path.exists(path) else 0

    def check(self):
        with open(self.path, "rb") as log:
            log.seek(self.offset)
            added = log.read().decode("latin-1")
            self.offset = log.tell()
        for line in added.splitlines():
            if CRASH_PATTERNS.search(line):
                raise Finding(f"Wine reports: {line}")
