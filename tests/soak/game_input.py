"""Random real input for the game: the pointer and keys through the X server, commands posted
to the main window as the toolbar or another program would send them, and answers to whatever
dialog or window the game shows. Every choice comes from the run's seeded random source.
"""

from wine_driver import DriverError, controls, xdo

ID_START_OVER, ID_SCORES, ID_KINGS = 32771, 32772, 32776
ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE = 57600, 57601, 57603
ID_EDIT_UNDO, ID_APP_ABOUT, ID_APP_EXIT = 57643, 57664, 57665
COMMANDS = [ID_FILE_NEW, ID_START_OVER, ID_SCORES, ID_EDIT_UNDO, ID_KINGS, ID_APP_ABOUT,
            ID_FILE_OPEN, ID_FILE_SAVE, 57634, 57635, 57637, 59393, 57667, 57669, 57670,
            57680, 57681]
ACCELERATORS = ["ctrl+z", "alt+BackSpace", "ctrl+n", "ctrl+o", "ctrl+s", "ctrl+x", "ctrl+c",
                "ctrl+v", "shift+Delete", "ctrl+Insert", "shift+Insert", "F6", "shift+F6",
                "F1", "shift+F1", "Escape", "Return", "space"]
MENU_KEYS = ["Down", "Up", "Left", "Right", "Return", "Escape"]
TABLE_KEYS = ["Tab", "shift+Tab", "Home", "End", "Left", "Right", "Up", "Down", "space", "Return",
              "Escape"]
MENU_LETTERS = "fevohnoscxuktpa"
SCORES_RESET = 1002
WM_SYSCOMMAND, SC_CLOSE = 0x0112, 0xF060


class GameInput:
    """Actions on one running game. `view` is the table's client origin on the screen, `frame`
    the main window (a wine_driver.Window), `table` the last stored table (records.py); the
    caller keeps them current. The actions draw from `rng` the same numbers whatever the game
    shows, so a seed replays the same input; answers to windows draw from `answers`."""

    def __init__(self, rng, answers, driver, pid, log, save_folder):
        self.rng, self.answers, self.driver, self.pid = rng, answers, driver, pid
        self.log, self.save_folder = log, save_folder
        self.view = (0, 0)
        self.frame = None
        self.table = None
        self.screen = (1024, 768)
        self.may_close = False  # input since the last check that can close the game
        self.reset_chosen = False  # a Reset pressed in Scores since the scores were last read

    def draws(self):
        """Five numbers for a point, however many it uses: every point costs the same."""
        return [self.rng.random() for _ in range(5)]

    # Points, in screen coordinates.
    def card_point(self):
        """A point on a card's place: mostly a fan's top card as last stored, else any."""
        kind, pick, slot, u, v = self.draws()
        fans = [f for f in range(18) if self.table and self.table[3 * f] != (-1, -1)]
        if kind < 0.12:
            i = int(pick * 4)
            return (self.view[0] + 522 + int(u * 60), self.view[1] + 18 + 93 * i + int(v * 82))
        if fans and kind < 0.7:
            f = fans[int(pick * len(fans))]
            s = max(i for i in range(3) if self.table[3 * f + i] != (-1, -1))
        else:
            f, s = int(pick * 18), int(slot * 3)
        x = 84 * (f % 6) + 10 + 10 * s + int(u * 60)
        y = 14 + 124 * (f // 6) + 14 * s + int(v * 82)
        return self.view[0] + x, self.view[1] + y

    def window_point(self):
        u, v = self.draws()[:2]
        w = self.frame
        x, y = w.left + int(u * (w.right - w.left)), w.top + int(v * (w.bottom - w.top))
        if y < w.top + 50:
            self.may_close = True  # the caption, its buttons and the menu bar
        return x, y

    def outside_point(self):
        """A point beside, above or below the window, or in it when it fills the screen."""
        side, u, v = self.draws()[:3]
        w, (sw, sh) = self.frame, self.screen
        sides = [(0, 0, w.left, sh), (w.right, 0, sw, sh), (0, 0, sw, w.top), (0, w.bottom, sw, sh)]
        sides = [r for r in sides if r[2] > r[0] and r[3] > r[1]]
        if not sides:
            return self.window_point()  # maximized: no screen is left beside it
        left, top, right, bottom = sides[int(side * len(sides))]
        return left + int(u * (right - left)), top + int(v * (bottom - top))

    def point(self):
        r = self.rng.random()
        if r < 0.7:
            return self.card_point()
        return self.window_point() if r < 0.9 else self.outside_point()

    # Actions: each logs what it does before doing it.
    def click(self):
        x, y = self.point()
        self.log(f"click at {x},{y}")
        xdo("mousemove", x, y, "click", 1)

    def double_click(self):
        x, y = self.point()
        self.log(f"double click at {x},{y}")
        xdo("mousemove", x, y, "click", "--repeat", 2, "--delay", self.rng.randrange(20, 200), 1)

    def drag(self, button=1, command=None):
        on_card, card, anywhere = self.rng.random() < 0.85, self.card_point(), self.point()
        x, y = card if on_card else anywhere
        steps = [self.point() for _ in range(self.rng.randrange(1, 5))]
        self.log(f"drag with button {button} from {x},{y} over {steps}"
                 + (f" with command {command} on the way" if command else ""))
        xdo("mousemove", x, y, "mousedown", button)
        for i, (sx, sy) in enumerate(steps):
            xdo("mousemove", sx, sy, "sleep", self.rng.choice([0, 0.02, 0.1]))
            if command is not None and i == len(steps) // 2:
                self.post(command)
        xdo("mouseup", button)

    def right_press(self):
        self.drag(button=3)

    def both_buttons(self):
        x, y = self.point()
        order = self.rng.choice([("mousedown 1", "mousedown 3", "mouseup 1", "mouseup 3"),
                                 ("mousedown 3", "mousedown 1", "mouseup 3", "mouseup 1"),
                                 ("mousedown 1", "mousedown 3", "mouseup 3", "mouseup 1"),
                                 ("mousedown 3", "mousedown 1", "mouseup 1", "mouseup 3")])
        self.log(f"both buttons at {x},{y}: {', '.join(order)}")
        xdo("mousemove", x, y, *" ".join(order).split())

    def accelerator(self):
        keys = self.rng.choice(ACCELERATORS)
        self.log(f"key {keys}")
        xdo("key", keys)

    def table_keys(self):
        keys = [self.rng.choice(TABLE_KEYS) for _ in range(self.rng.randrange(1, 6))]
        self.log(f"table keys {' '.join(keys)}")
        xdo("key", "--delay", 30, *keys)

    def menu_keys(self):
        keys = [self.rng.choice(["alt+" + self.rng.choice("fevoh"), "F10", "alt"])]
        for _ in range(self.rng.randrange(4)):
            keys.append(self.rng.choice(MENU_KEYS + list(MENU_LETTERS)))
        self.may_close = True
        self.log(f"menu keys {' '.join(keys)}")
        xdo("key", "--delay", 30, *keys)

    def post(self, command=None):
        command = command or self.rng.choice(COMMANDS)
        self.log(f"command {command} posted")
        try:
            self.driver.ask("post-command", self.pid, "QuenlowFrame", command)
        except DriverError as e:
            self.log(f"not posted: {e}")  # the window is going: the caller's look tells why

    def command_during_drag(self):
        self.drag(command=self.rng.choice(COMMANDS))

    def command_during_flight(self):
        """A card clicked (it glides to a place) or a deal confirmed (the deal animation runs),
        and at once more input."""
        by_click, (x, y) = self.rng.random() < 0.5, self.card_point()
        if by_click:
            self.log(f"click at {x},{y}, then at once:")
            xdo("mousemove", x, y, "click", 1)
        else:
            self.log("New Game by its key, confirmed by Return, then at once:")
            xdo("key", "ctrl+n", "sleep", 0.15, "key", "Return")
        self.rng.choice([self.post, self.accelerator, self.click, self.drag])()

    def pause(self):
        seconds = self.rng.choice([0.05, 0.2, 0.5, 1.0])
        self.log(f"pause {seconds} s")
        xdo("sleep", seconds)

    def act(self):
        """One random action."""
        self.rng.choices(
            [self.click, self.double_click, self.drag, self.right_press, self.both_buttons,
             self.accelerator, self.table_keys, self.menu_keys, self.post,
             self.command_during_drag, self.command_during_flight, self.pause],
            weights=[18, 6, 26, 6, 4, 10, 8, 4, 5, 5, 5, 4])[0]()

    # Answers to the windows the game shows besides its main window.
    def answer(self, window):
        """One random answer to a dialog, menu, help viewer or other window of the game."""
        rng = self.answers
        if window.cls in ("#32768", "ComboLBox"):
            # A menu or a combo box's list, which has no system menu: a click or key may
            # choose Exit.
            self.may_close = True
            key = rng.choice(["Escape", "Escape", "Down", "Return"])
            self.log(f"{'menu' if window.cls == '#32768' else 'list'} open: key {key}")
            xdo("key", key)
            return
        r = rng.random()
        if r < 0.45 and window.cls == "#32770":
            self.press_button(window)
        elif r < 0.6 and window.text in ("Open", "Save As"):
            path = f"{self.save_folder}\\soak{rng.randrange(5)}.qnl"
            self.log(f"{window.text}: the file {path}")
            self.driver.ask("file-dialog", self.pid, window.text, path)
        elif r < 0.75:
            key = rng.choice(["Return", "Escape", "alt+F4"])
            self.may_close = self.may_close or key == "alt+F4"
            self.log(f"{window!r}: key {key}")
            xdo("key", key)
        elif r < 0.9:
            x, y = window.right - 12, window.top + 12
            self.may_close = True  # what lies there may be the main window's close box
            self.log(f"{window!r}: its close box at {x},{y}")
            xdo("mousemove", x, y, "click", 1)
        elif window.cls == "#32770":
            self.log(f"{window!r}: closed by the system menu's Close")
            self.driver.ask("close-dialog", self.pid, window.text)
        else:
            self.log(f"{window!r}: closed by the system menu's Close")
            self.driver.ask("post-message", self.pid, window.cls, WM_SYSCOMMAND, SC_CLOSE, 0)

    def press_button(self, window):
        buttons = [c for c in controls(self.driver, window.handle)
                   if c.cls == "Button" and c.enabled and c.right > c.left]
        if not buttons:
            return
        button = self.answers.choice(buttons)
        if window.text == "Scores" and button.id == SCORES_RESET:
            self.reset_chosen = True
        x, y = button.centre()
        self.log(f"{window!r}: button {button.id} '{button.text}' clicked at {x},{y}")
        xdo("mousemove", x, y, "click", 1)
