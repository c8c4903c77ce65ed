#!/usr/bin/env python3
"""Game soak: QUENLOW.EXE under Wine, driven for a while by random real input, ended at random
moments (a close, the end of the session, a hard kill) and started again.

After every action the stored values are read: each must be a sound table a few moves on from
the one before. After every end and start: the game shows its window, restores exactly what
was stored, its history holds the restored position, and Wine reports no crash. At calm
moments the table on the screen must be the stored one. Run by tests/soak/soak.sh inside a
prepared prefix and display. The seed is printed first, and --seed N replays a run's choices;
a finding ends the run with the last 100 actions.
"""

import subprocess
import sys
import time

from game_checks import Finding, ScoreWatch, Stored, WineLog, check_follows, table_matches_screen
from game_ends import FRAME, GameEnds
from soak_run import Soak, main
from wine_driver import DriverError, controls, top_windows, xdo

VIEW = "QuenlowView"
IGNORED = {"tooltips_class32", FRAME}
ENDS = ["close", "end-session", "kill"]


class GameSoak(Soak, GameEnds):
    """One run: the game started, acted on and ended over and over until its time is up."""

    def __init__(self, args):
        super().__init__(args, "game soak")
        self.wine_log = WineLog(args.log)
        self.paths = {"work": args.work, "out": args.out, "render": args.render,
                      "exe": args.exe_host}
        self.pid = self.input = self.stored = self.scores = self.without_window = None

    # The stored values, read after every action.
    def observe(self, live=True):
        """Reads the stored values and checks them against the last ones read. While the game
        runs it may be between writing two values: a failing check is tried once more."""
        try:
            stored = self.checked(Stored(self.driver))
        except Finding:
            if not live:
                raise
            time.sleep(0.3)
            stored = self.checked(Stored(self.driver))
        if self.scores is None:
            self.scores = ScoreWatch(stored.scores)
        if self.input is not None:
            self.scores.reset_pending |= self.input.reset_chosen
            self.input.reset_chosen = False
            self.input.table = stored.game.table
        self.scores.see(stored.scores, self.log)
        if self.stored is not None and stored.game != self.stored.game:
            self.figures["stored tables"] += 1
        self.stored = stored
        return stored

    def checked(self, stored):
        stored.check_sound()
        if self.stored is not None:
            check_follows(self.stored, stored)
        return stored

    # Between actions.
    def frame(self):
        return next((w for w in top_windows(self.driver, self.pid) if w.cls == FRAME), None)

    def answer_windows(self, every=False):
        """Answers the front window of the game other than its main window, if any; the
        windows listed."""
        others = [w for w in top_windows(self.driver, self.pid) if w.cls not in IGNORED]
        if others:
            window = others[0]
            try:
                if window.text == "Scores":
                    self.input.reset_chosen |= self.shows_reset(window)
                if every or self.answers.random() < 0.6:
                    self.input.answer(window)
                    self.figures["answers"] += 1
            except DriverError as e:
                self.log(f"{window!r} went away: {e}")
        return others

    def shows_reset(self, window):
        texts = {c.id: c.text for c in controls(self.driver, window.handle)}
        return texts.get(1000) == "0" and texts.get(1001) == "0"

    def look(self):
        """After an action: windows answered, the stored values read, the window in reach, or
        an end of the game that the input made."""
        self.answer_windows()
        frame = self.frame()
        if frame is None:
            code = self.exit_code()
            if code is None:
                self.without_window = self.without_window or time.monotonic()
                if time.monotonic() - self.without_window > 20:
                    raise Finding("the game runs on without its window")
                return  # between windows
            if code != "0" or not self.input.may_close:
                raise Finding(f"the game ended by itself with exit code {code}")
            self.log("the game was closed by the input")
            self.figures["ends by the input"] += 1
            self.restart()
            return
        self.without_window = None
        self.observe()
        self.locate(frame)

    def locate(self, w):
        """Where the window and its table are; a window out of reach is brought back."""
        sw, sh = self.input.screen
        if w.iconic or w.left < 0 or w.top < 0 or w.right > sw or w.bottom > sh:
            self.log(f"window at {w.left},{w.top} brought back")
            self.driver.ask("place", w.handle, self.answers.randrange(sw - 602),
                            self.answers.randrange(sh - 484))
        self.input.frame = w
        try:
            rect = self.driver.one("client-rect", self.pid, FRAME, VIEW).split()
            self.input.view = int(rect[0]), int(rect[1])
        except DriverError:
            pass  # the window is going away: the next look tells

    def calm(self, after_start=False):
        """With the buttons up and no dialog, the game goes idle and the table on the screen is
        the stored one."""
        xdo("mouseup", 1, "mouseup", 3)
        if self.answer_windows(every=after_start) and not after_start:
            return
        try:
            self.driver.ask("idle", self.pid, FRAME, 30000, timeout=90)
            self.let_go()
            self.hide_focus_frame()
        except DriverError as e:
            if self.exit_code() is not None and not after_start:
                return  # closed by the input just now: the next look tells
            raise Finding(f"the game does not go idle: {e}") from None
        self.observe()
        self.compare_with_screen()

    def compare_with_screen(self):
        """The table on the screen is the stored one, when no window covered it before the
        picture was taken or came up while it was (a command posted just before)."""
        rect = tuple(map(int, self.driver.one("client-rect", self.pid, FRAME, VIEW).split()))
        sw, sh = self.input.screen
        if self.covered() or rect[0] < 0 or rect[1] < 0 or rect[0] + rect[2] > sw or \
                rect[1] + rect[3] > sh:
            return
        matches = table_matches_screen(self.stored, rect, self.paths)
        if not matches and not self.covered():
            # A key still on its way through the X server may have changed the table after
            # the idle step the values were read at: the next idle step stores it.
            self.driver.ask("idle", self.pid, FRAME, 30000, timeout=90)
            self.observe()
            matches = table_matches_screen(self.stored, rect, self.paths)
        if self.covered():
            return
        if not matches:
            raise Finding("the table on the screen is not the stored one")
        self.figures["tables compared"] += 1

    def covered(self):
        return any(w.cls not in IGNORED for w in top_windows(self.driver, self.pid))

    def let_go(self):
        """A gesture whose release Wine lost (one made outside the window after the menu bar
        was entered with the keyboard) keeps the capture: a user clicks to let the card go,
        here on the corner of the table that no drop area covers."""
        x, y = self.input.view[0] + 588, self.input.view[1] + 1
        for button in (1, 3):
            if self.driver.one("capture", self.pid, FRAME, VIEW) != "1":
                return
            self.log(f"a release was lost: click {button} at {x},{y}")
            self.figures["releases lost"] += 1
            xdo("mousemove", x, y, "click", button)
            self.driver.ask("idle", self.pid, FRAME, 30000, timeout=90)

    def hide_focus_frame(self):
        """The table's keys show its focus frame, which the headless painting leaves out: a
        click on the corner of the table hides it, as any press of the mouse does."""
        if self.covered():
            return
        x, y = self.input.view[0] + 588, self.input.view[1] + 1
        xdo("mousemove", x, y, "click", 1)
        self.driver.ask("idle", self.pid, FRAME, 30000, timeout=90)

    def run(self):
        self.start()
        while time.monotonic() < self.started + self.args.seconds:
            if self.rng.random() < 0.03:
                self.end(self.rng.choice(ENDS))
                continue
            self.input.act()
            self.figures["actions"] += 1
            self.look()
            if self.rng.random() < 0.08:
                self.calm()
        # The last game ends and comes back like the others, and is then closed for good.
        self.end(self.rng.choice(ENDS))
        self.close()

    def on_finding(self):
        subprocess.run(["import", "-window", "root", self.args.out + "/finding.png"], check=False)
        # Where each thread of the programs stands, for a game that hangs.
        with open(self.args.out + "/threads.txt", "w") as f:
            subprocess.run([self.args.loader, "winedbg", "--command", "bt all"], stdout=f,
                           stderr=subprocess.STDOUT, timeout=120, check=False)

    def stop(self):
        """Whatever the run leaves running ends with it."""
        try:
            if self.pid is not None:
                self.driver.ask("kill", self.pid)
        except DriverError:
            pass  # the driver is gone, and its programs with the prefix's server at the end
        super().stop()

    def report(self):
        f, minutes = self.figures, self.minutes()
        return (f"{f['actions']} actions in {minutes:.1f} min ({f['actions'] / minutes:.0f} a "
                f"minute); {f['restarts']} restarts after {f['ends by close']} closes, "
                f"{f['ends by end-session']} ends of the session, {f['ends by kill']} kills "
                f"and {f['ends by the input']} closes by the input; {f['answers']} answers to "
                f"windows; {f['stored tables']} tables stored, {f['tables compared']} compared "
                f"with the screen; {f['releases lost']} releases lost by Wine")


if __name__ == "__main__":
    sys.exit(main(GameSoak, "game soak", [("exe", str), ("exe-host", str), ("render", str),
                                          ("save-folder", str), ("seconds", float)]))
