"""Starting and ending the game for the game soak: a start that must show the window and a
history of two positions, and the three ends (a close as a user makes it, the end of the
session, a hard kill) after which the next start must restore exactly what was stored."""

import time

from game_checks import Finding
from game_input import ID_APP_EXIT, ID_EDIT_UNDO, GameInput
from wine_driver import DriverError, display_size, xdo

FRAME = "QuenlowFrame"


class GameEnds:
    """The starts and ends of GameSoak (game_soak.py), whose state and checks they use."""

    def start(self):
        self.pid = self.driver.one("launch", self.args.exe)
        self.log(f"game started: process {self.pid}")
        try:
            self.driver.ask("wait-window", self.pid, FRAME, "*", 30000)
        except DriverError as e:
            raise Finding(f"the game shows no window: {e}") from None
        self.input = GameInput(self.rng, self.answers, self.driver, self.pid, self.log,
                               self.args.save_folder)
        self.input.screen = display_size()
        self.input.table = self.stored.game.table if self.stored else None
        self.locate(self.frame())
        self.calm(after_start=True)
        self.check_undo_after_start()

    def end(self, kind):
        self.observe()
        self.log(f"end by {kind}")
        if kind == "kill":
            self.driver.ask("kill", self.pid)
        elif kind == "end-session":
            answer = self.driver.one("end-session", self.pid, FRAME)
            if answer != "1":
                raise Finding(f"the game refuses the end of the session ({answer})")
            self.driver.ask("kill", self.pid)  # as the system ends it after the session
        else:
            self.close()
        self.figures[f"ends by {kind}"] += 1
        self.restart()

    def close(self):
        """A close as a user makes it; one the game cannot take yet (a click on the close box
        of a window a dialog disables) is made again once the dialogs are answered."""
        deadline = time.monotonic() + 60
        while self.exit_code() is None:
            self.ask_to_close()
            calm_since = time.monotonic()
            while self.exit_code() is None and time.monotonic() - calm_since < 3:
                if time.monotonic() > deadline:
                    windows = "; ".join(self.driver.ask("windows", self.pid))
                    raise Finding(f"the game does not close; its windows: {windows}")
                if self.answer_windows(every=True):
                    calm_since = time.monotonic()
        if self.exit_code() != "0":
            raise Finding(f"the game ended with {self.exit_code()} after a close")

    def ask_to_close(self):
        how = self.answers.choice(["message", "close box", "key", "command"])
        self.log(f"close by {how}")
        frame = self.frame()
        try:
            if frame is None:
                self.log("no window to close: the close goes on")
            elif how == "message":
                self.driver.ask("post-message", self.pid, FRAME, 16, 0, 0)
            elif how == "command":
                self.driver.ask("post-command", self.pid, FRAME, ID_APP_EXIT)
            elif how == "key":
                xdo("key", "alt+F4")
            else:
                xdo("mousemove", frame.right - 12, frame.top + 12, "click", 1)
        except DriverError as e:
            self.log(f"the window went meanwhile: {e}")

    def restart(self):
        """The program is gone: what it stored must be sound, follow what was stored before,
        and come back exactly at the next start."""
        self.driver.ask("wait-no-window", self.pid, FRAME, "*", 10000)
        ended = self.observe(live=False)
        self.wine_log.check()
        self.start()
        restored = self.stored
        if ended.game.in_progress and restored.game != ended.game:
            raise Finding(f"the game stored at the end {ended.game_ints} came back as "
                          f"{restored.game_ints}")
        if not ended.game.in_progress and restored.game.table not in restored.dealt_layouts():
            raise Finding(f"a finished game was followed by {restored.game_ints}, not a deal")
        if restored.scores != ended.scores:
            raise Finding(f"the scores {ended.scores} came back as {restored.scores}")
        self.figures["restarts"] += 1

    def exit_code(self):
        try:
            return self.driver.one("wait-exit", self.pid, 0)
        except DriverError:
            return None  # still running

    def check_undo_after_start(self):
        """A started game's history holds two positions: Undo leaves the table as it is (a
        fresh deal: as dealt, before the King fix-up) and is then disabled."""
        if self.driver.one("toolbar-enabled", self.pid, FRAME, ID_EDIT_UNDO) != "1":
            raise Finding("Undo is disabled right after the start")
        started = self.stored
        self.driver.ask("post-command", self.pid, FRAME, ID_EDIT_UNDO, "+", "idle", self.pid,
                        FRAME)
        if self.driver.one("toolbar-enabled", self.pid, FRAME, ID_EDIT_UNDO) != "0":
            raise Finding("Undo is still enabled after undoing the start")
        undone = self.observe()
        if undone.game.table not in (started.game.table, undone.dealt_layouts()[0]):
            raise Finding(f"Undo right after the start made {undone.game_ints} of "
                          f"{started.game_ints}")

