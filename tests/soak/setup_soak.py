#!/usr/bin/env python3
"""Installer soak: cycles of installing, reinstalling and removing with setup.exe under Wine,
every page and question answered at random, some runs killed during the copy.

Each cycle installs one to three times into a folder drawn from a list (long names, names with
blanks, folders that exist and hold files of their own), removes, and repairs what a kill or a
cancelled removal left, as a user would: the removal again, or an installation first when
nothing is left to remove with. In some cycles the other build (the 32-bit one, on a 64-bit
system) is installed first and removed last, and must stay whole meanwhile; in some the
installed game runs when setup.exe starts, and is closed when setup asks for it. Then nothing outside the product's places may differ from the
listing of the drive and the registry taken before the cycle. Every completed removal must
leave nothing of the product. Run by tests/soak/soak.sh; --seed N replays a run's choices.
"""

import filecmp
import os
import sys
import time

from setup_answers import SetupRun
from setup_places import Places, make_folders
from snapshot import Snapshot, changes, outside
from soak_run import Soak, main
from wine_driver import Finding

KILL_SHARE = 0.4  # of the installations; half that of the removals
OTHER_SHARE = 0.5  # of the cycles, when the other build is there
GAME_SHARE = 0.3  # of the runs of setup.exe
PRODUCT_KEY = r"Software\Halvane\Quenlow\UserInfo"
UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenlow"
# What Wine records for itself the first time a program asks: its network cards, the mouse's
# settings.
WINE_OWN = [r"hklm\software\microsoft\windows nt\currentversion\networkcards\*",
            r"hklm\software\wow6432node\microsoft\windows nt\currentversion\networkcards\*",
            r"hkcu\software\wine\temporary system parameters\*"]
OTHER_UNINSTALL_KEY = r"Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Quenlow"


class SetupSoak(Soak):
    def __init__(self, args):
        super().__init__(args, "installer soak")
        self.places = Places(self.driver, args.prefix, args.dist_host, args.title)
        self.folders = make_folders(self.places)
        self.folder = None
        self.game = None  # the installed game, while it runs
        self.other = None  # the other build's folder, while it is installed

    def recorded(self):
        text = self.driver.one("reg-get", "HKLM", PRODUCT_KEY, "DestinationPath")
        return None if text == "absent" else text

    # One run of setup.exe.
    def install(self, calm=False):
        """Installs into the recorded folder (a reinstall) or the cycle's folder."""
        recorded = self.recorded()
        picked, dest = self.places.pick(recorded, self.folder)
        kill = not calm and self.answers.random() < KILL_SHARE
        self.maybe_start_game(recorded)
        pid = self.driver.one("launch", self.args.dist + "\\setup.exe")
        self.log(f"install into {dest} (setup {pid}{', to be killed' if kill else ''})")
        run = SetupRun(self.answers, self.driver, pid, self.log, picked, dest, kill, calm,
                       self.close_game).run()
        self.figures["installs"] += 1
        self.figures["kills"] += run.killed
        if "Installation was successful." in run.messages:
            self.end_started_game()
            self.places.check_installed(dest)
        elif run.finished and not run.killed:
            raise Finding(f"an installation into {dest} failed: {run.messages}")
        if not run.finished:
            self.figures["installs cancelled"] += 1
        if run.finished and not run.killed:
            self.places.used.add(dest.lower())

    def maybe_start_game(self, recorded):
        """Now and then the installed game runs while setup.exe does."""
        if self.game or not recorded or self.answers.random() >= GAME_SHARE:
            return
        exe = recorded + "\\QUENLOW.EXE"
        # A copy that a kill cut short does not start.
        if not os.path.exists(self.places.host(exe)) or not filecmp.cmp(
                os.path.join(self.args.dist_host, "QUENLOW.EXE"), self.places.host(exe),
                shallow=False):
            return
        self.game = self.driver.one("launch", exe)
        self.driver.one("find-window", "QuenlowFrame", "*", 20000)
        self.log(f"the game {self.game} runs from {recorded}")
        self.figures["games running"] += 1

    def close_game(self):
        if self.game:
            self.log(f"the game {self.game} closed")
            self.driver.ask("post-message", self.game, "QuenlowFrame", 16, 0, 0)
            self.driver.ask("wait-exit", self.game, 20000)
            self.game = None

    def other_build(self, install):
        """The other build installed, or removed, calmly into its own folder."""
        if install:
            pid = self.driver.one("launch", self.args.other_dist + "\\setup.exe")
            run = SetupRun(self.answers, self.driver, pid, self.log, calm=True).run()
            if "Installation was successful." not in run.messages:
                raise Finding(f"the other build did not install: {run.messages}")
            self.end_started_game()
            self.other = self.driver.one("reg-get", "HKLM", OTHER_UNINSTALL_KEY, "InstallLocation")
            self.log(f"the other build installed in {self.other}")
            return
        first = self.driver.one(
            "run", self.driver.one("reg-get", "HKLM", OTHER_UNINSTALL_KEY, "UninstallString"))
        self.driver.ask("wait-exit", first, 20000)
        copy = self.driver.one("find-window", "#32770", "Uninstall", 20000)
        run = SetupRun(self.answers, self.driver, copy, self.log, calm=True).run()
        if "Uninstall/Remove was successful." not in run.messages:
            raise Finding(f"the other build's removal: {run.messages}")
        self.other = None

    def check_other_build(self):
        """The other build is whole: its program, its uninstall entry and its own links."""
        for path in [self.other + "\\QUENLOW.EXE", self.other + "\\setup.exe"]:
            if not os.path.exists(self.places.host(path)):
                raise Finding(f"the other build's {path} is gone")
        if self.driver.one("reg-get", "HKLM", OTHER_UNINSTALL_KEY, "InstallLocation") != self.other:
            raise Finding("the other build's uninstall entry changed")
        group = self.places.folder["common-programs"] + "\\Quenlow"
        target = self.driver.ask("link-read", group + "\\Quenlow.lnk")
        if not target or target[0] != self.other + "\\QUENLOW.EXE":
            raise Finding(f"the other build's Start-menu link reads {target}")

    def end_started_game(self):
        """The game the installation started is closed or killed, as a user might."""
        pid = self.driver.one("find-window", "QuenlowFrame", "*", 20000)
        if self.answers.random() < 0.5:
            self.driver.ask("post-message", pid, "QuenlowFrame", 16, 0, 0)
        else:
            self.driver.ask("kill", pid)
        self.driver.ask("wait-exit", pid, 20000)

    def remove(self, calm=False):
        """The removal through the command the uninstall entry records, or the installed
        setup.exe started with "/u" when there is none; an installation first when neither can
        run. True when it was carried out to its end."""
        recorded = self.recorded()
        self.maybe_start_game(recorded)
        command = self.driver.one("reg-get", "HKLM", UNINSTALL_KEY, "UninstallString")
        if command == "absent":
            command = f'"{recorded}\\setup.exe" /u'
        # A kill during the copy may have left setup.exe without the setup.ini it reads.
        if not all(os.path.exists(self.places.host(f"{recorded}\\{name}"))
                   for name in ["setup.exe", "setup.ini"]):
            self.log(f"nothing to remove with in {recorded}: installing first")
            self.install(calm=True)
            return False
        first = self.driver.one("run", command)
        self.driver.ask("wait-exit", first, 20000)
        copy = self.driver.one("find-window", "#32770", "Uninstall", 20000)
        kill = not calm and self.answers.random() < KILL_SHARE / 2
        self.log(f"removal from {recorded} by {command} (copy {copy}"
                 f"{', to be killed' if kill else ''})")
        run = SetupRun(self.answers, self.driver, copy, self.log, kill=kill, calm=calm,
                       close_program=self.close_game)
        if kill:
            run.kill_at = time.monotonic() + self.answers.uniform(0.2, 1.5)
        run.run()
        self.figures["removals"] += 1
        self.figures["kills"] += run.killed
        done = not run.killed and any(m.startswith("Uninstall/Remove") for m in run.messages)
        # A removal the user cancelled, or one that could not delete a file, is not done.
        done = done and not self.recorded()
        if done:
            self.places.check_removed(recorded, other_build=self.other is not None)
        return done

    # Cycles.
    def cycle(self):
        self.folder = self.rng.choice(self.folders)
        before = Snapshot(self.args.prefix, self.driver)
        if self.args.other_dist and self.rng.random() < OTHER_SHARE:
            self.other_build(install=True)
        for _ in range(self.rng.randrange(1, 4)):
            self.install()
        if self.recorded():
            self.remove()
        # What a kill or a cancelled removal left is repaired.
        for _ in range(6):
            if not self.recorded():
                break
            self.remove(calm=True)
        if self.recorded():
            raise Finding(f"the product stays installed in {self.recorded()}")
        self.close_game()
        self.places.check_removed(None, other_build=self.other is not None)
        if self.other:
            self.check_other_build()
            self.other_build(install=False)
            self.places.check_removed(None)
        left = outside(changes(before, Snapshot(self.args.prefix, self.driver)),
                       self.places.product_places() + WINE_OWN)
        if left:
            raise Finding("changed outside the product's places: " +
                          "; ".join(f"{p} ({w})" for p, w in left[:20]))
        self.figures["cycles"] += 1

    def run(self):
        while self.figures["cycles"] < self.args.cycles:
            self.log(f"cycle {self.figures['cycles'] + 1}")
            self.cycle()

    def report(self):
        f, minutes = self.figures, self.minutes()
        return (f"{f['cycles']} cycles in {minutes:.1f} min: {f['installs']} installations "
                f"({f['installs cancelled']} cancelled or declined), {f['removals']} removals, "
                f"{f['kills']} kills, {f['games running']} games running")


if __name__ == "__main__":
    sys.exit(main(SetupSoak, "installer soak", [("dist", str), ("dist-host", str),
                                                 ("prefix", str), ("cycles", int),
                                                 ("title", str), ("other-dist", str)]))
