"""One run of setup.exe answered at random, as a user would answer it: the wizard's pages, the
licence, the folder browser, the questions and messages, with a hard kill at a random moment
of the copy when the run is told to. Buttons are clicked with the real pointer."""

import time

from wine_driver import DriverError, controls, top_windows, xdo

BACK, NEXT, FINISH, CANCEL, OK, RETRY = 0x3023, 0x3024, 0x3025, 2, 1, 4
YES, NO = 6, 7
LICENCE_YES, LICENCE_NO, CHOOSE_FOLDER, DESTINATION_BOX = 1005, 1004, 1008, 1007
BOX_TEXT = 0xFFFF
QUIET = {"tooltips_class32", "SampleWClass"}
PROGRESS = "SETUP-Installing Files..."
IN_USE = " is in use by a program that is running."


class SetupRun:
    """Answers the windows of one setup process until it ends. `folder` is the folder to pick
    in the browser (None: keep the suggested one), which gives the destination `dest`; `kill`
    whether to end it hard during the copy. Afterwards `messages` holds the texts of the
    message boxes it showed."""

    def __init__(self, rng, driver, pid, log, folder=None, dest=None, kill=False, calm=False,
                 close_program=None):
        self.rng, self.driver, self.pid, self.log = rng, driver, pid, log
        self.folder, self.dest, self.kill, self.calm = folder, dest, kill, calm
        self.close_program = close_program  # ends the program a question names, when asked
        self.messages = []
        self.finished = False  # Finish pressed: the copy runs
        self.picked = False
        self.killed = False
        self.kill_at = None

    def weighted(self, *choices):
        """One of (weight, answer) pairs; a calm run takes the first."""
        if self.calm:
            return choices[0][1]
        return self.rng.choices([c[1] for c in choices], weights=[c[0] for c in choices])[0]

    def run(self, timeout=120):
        deadline = time.monotonic() + timeout
        while self.exit_code() is None:
            if time.monotonic() > deadline:
                raise DriverError(f"setup {self.pid} does not end; windows: "
                                  f"{top_windows(self.driver, self.pid)}")
            if self.kill_at is not None and time.monotonic() >= self.kill_at:
                self.log(f"setup {self.pid} killed")
                self.driver.ask("kill", self.pid)
                self.killed = True
                break
            windows = [w for w in top_windows(self.driver, self.pid) if w.cls not in QUIET]
            if windows and windows[0].text != PROGRESS:
                try:
                    self.answer(windows[0])
                except DriverError:
                    # A window that went between being listed and being read is no fault.
                    if any(w.handle == windows[0].handle
                           for w in top_windows(self.driver, self.pid)):
                        raise
            else:
                time.sleep(0.05)
        return self

    def exit_code(self):
        try:
            return self.driver.one("wait-exit", self.pid, 0)
        except DriverError:
            return None

    def answer(self, window):
        buttons = {c.id: c for c in controls(self.driver, window.handle)
                   if c.cls == "Button" and c.enabled and c.right > c.left}
        if NEXT in buttons or FINISH in buttons:
            self.wizard(window, buttons)
        elif window.text == "Software License Agreement":
            self.press(window, buttons, self.weighted((16, LICENCE_YES), (1, LICENCE_NO),
                                                      (2, "Escape")))
        elif window.text == "Browse for Folder":
            self.browse(window, buttons)
        else:
            self.message(window, buttons)
        self.wait_change(window)

    def wizard(self, window, buttons):
        if window.text == "Select Destination Folder":
            self.check_destination()
            choice = self.weighted((12, NEXT), (4, CHOOSE_FOLDER), (2, BACK), (1, CANCEL))
            if self.folder and choice == NEXT and not self.picked:
                choice = CHOOSE_FOLDER  # the run's folder is picked before going on
        elif window.text == "Finish Installation":
            choice = self.weighted((14, FINISH), (3, BACK), (1, CANCEL))
        else:
            choice = self.weighted((16, NEXT), (1, CANCEL), (2, "Return"))
        if choice == FINISH:
            self.finished = True
            if self.kill:
                self.kill_at = time.monotonic() + self.rng.uniform(0, 0.8)
        self.press(window, buttons, choice)

    def check_destination(self):
        """The page shows the destination the run means to install into."""
        shown = self.driver.one("wizard-text", self.pid, DESTINATION_BOX)
        if self.dest and (self.picked or not self.folder) and shown.lower() != self.dest.lower():
            raise DriverError(f"the page shows {shown}, not {self.dest}")

    def browse(self, window, buttons):
        if self.folder is None or self.weighted((3, True), (1, False)) is False:
            self.press(window, buttons, CANCEL)
            return
        self.log(f"folder {self.folder} picked")
        self.driver.ask("browse-select", self.pid, self.folder)
        self.picked = True
        self.press(window, buttons, OK)

    def message(self, window, buttons):
        text = self.driver.one("dialog-text", self.pid, window.text, BOX_TEXT)
        self.messages.append(text)
        self.log(f"message '{window.text}': {text}")
        if window.text == "Setup" and self.kill and self.rng.random() < 0.3:
            self.kill_at = time.monotonic()  # killed while the question waits mid-copy
            return
        if IN_USE in text:
            # The user closes the program, or does not, then chooses Retry or Cancel; a calm
            # run closes it and retries.
            if self.close_program and (self.calm or self.rng.random() < 0.6):
                self.close_program()
            self.press(window, buttons, self.weighted((3, RETRY), (1, CANCEL)))
        elif YES in buttons:
            self.press(window, buttons, self.rng.choice([YES, NO]))
        else:
            self.press(window, buttons, self.weighted((3, OK), (1, CANCEL), (1, "Return")))

    def press(self, window, buttons, choice):
        if isinstance(choice, str):
            self.log(f"'{window.text}': key {choice}")
            self.driver.ask("dialog-key", self.pid, window.text, choice.lower())
            return
        button = buttons.get(choice) or buttons.get(OK) or next(iter(buttons.values()))
        x, y = button.centre()
        self.log(f"'{window.text}': {button.text} clicked at {x},{y}")
        xdo("mousemove", x, y, "click", 1)

    def wait_change(self, window, seconds=3):
        """Until the window answered is gone or shows another page."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            front = [w for w in top_windows(self.driver, self.pid) if w.cls not in QUIET]
            if not front or front[0].handle != window.handle or front[0].text != window.text:
                return
            time.sleep(0.05)
