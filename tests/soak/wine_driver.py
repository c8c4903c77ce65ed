"""The Win32 test driver kept running under Wine (its "serve" verb), and the X server's input.

One driver process answers every question of a run: starting a Wine process for each would
cost more than most actions. Programs the driver starts inherit its error output, which goes
to the log that the run scans for Wine's reports of crashes.
"""

import os
import queue
import subprocess
import threading
import time


class DriverError(Exception):
    pass


class Finding(Exception):
    """What a soak found wrong with a program."""


class Driver:
    def __init__(self, loader, exe, log_path):
        self._log = open(log_path, "ab")
        self._proc = subprocess.Popen(
            [loader, exe, "serve"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=self._log, text=True, encoding="latin-1")
        self._lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self._proc.stdout:
            self._lines.put(line.rstrip("\r\n"))
        self._lines.put(None)

    def ask(self, *words, timeout=60):
        """Runs "VERB ARGS... [+ VERB ARGS...]"; the output lines, or DriverError."""
        self._proc.stdin.write("\t".join(str(w) for w in words) + "\n")
        self._proc.stdin.flush()
        out = []
        deadline = time.monotonic() + timeout
        while True:
            try:
                line = self._lines.get(timeout=max(0.0, deadline - time.monotonic()))
            except queue.Empty:
                raise DriverError(f"no answer to {words} in {timeout} s") from None
            if line is None:
                raise DriverError(f"the driver ended during {words}")
            if line == "=ok":
                return out
            if line.startswith("=fail"):
                raise DriverError(line[6:])
            out.append(line)

    def one(self, *words, **kw):
        lines = self.ask(*words, **kw)
        return lines[0] if lines else ""

    def close(self):
        try:
            self._proc.stdin.close()
            self._proc.wait(timeout=20)
        except (OSError, subprocess.TimeoutExpired):
            self._proc.kill()
            self._proc.wait()
        self._log.close()


def xdo(*words):
    """xdotool on the run's display; input through the X server, as a user's would come."""
    subprocess.run(["xdotool", *map(str, words)], check=True, timeout=30,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


class Window:
    """A line of the driver's top-windows listing ("handle class left top right bottom iconic
    title") or controls listing ("handle class left top right bottom id enabled text")."""

    def __init__(self, line, controls=False):
        words = line.split(" ", 8 if controls else 7)
        words += [""] * (9 - len(words))
        self.handle, self.cls = words[0], words[1]
        self.left, self.top, self.right, self.bottom = map(int, words[2:6])
        if controls:
            self.id, self.enabled, self.text = int(words[6]), words[7] == "1", words[8]
        else:
            self.iconic, self.text = words[6] == "1", words[7]

    def centre(self):
        return (self.left + self.right) // 2, (self.top + self.bottom) // 2

    def __repr__(self):
        return f"{self.cls} '{self.text}' at {self.left},{self.top}-{self.right},{self.bottom}"


def top_windows(driver, pid):
    return [Window(line) for line in driver.ask("top-windows", pid)]


def controls(driver, handle):
    return [Window(line, controls=True) for line in driver.ask("controls", handle)]


def display_size():
    out = subprocess.run(["xdotool", "getdisplaygeometry"], check=True, capture_output=True,
                         text=True, env=os.environ).stdout.split()
    return int(out[0]), int(out[1])
