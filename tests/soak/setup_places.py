"""Where the product lives once installed, the folders a user picks for it, and the checks of a
complete installation and of a complete removal."""

import filecmp
import os

from wine_driver import Finding

PRODUCT = "Quenlow"
USER_FILES = {"letter.txt": "a letter of the user's\r\n", "Quenlow\\notes.txt": "my notes\r\n",
              "Quenlow\\saves\\game1.dat": "saved\r\n"}


class Places:
    def __init__(self, driver, prefix, dist_host, title=PRODUCT):
        """`title` names the build's Start-menu folder."""
        self.driver, self.prefix, self.dist_host, self.title = driver, prefix, dist_host, title
        self.folder = {name: driver.one("folder", name).rstrip("\\") for name in
                       ["program-files", "common-programs", "common-desktop", "common-startup",
                        "programs", "desktop", "startup", "temp"]}
        self.default = f"{self.folder['program-files']}\\Halvane\\{PRODUCT}"
        self.files = listed_files(os.path.join(dist_host, "setup.ini"))
        self.used = set()  # every destination an installation went to

    def host(self, path):
        """The host path of a path on drive C."""
        return os.path.join(self.prefix, "drive_c", *path[3:].split("\\"))

    def pick(self, recorded, choice):
        """(folder to pick in the browser or None, destination): a reinstall goes where the
        product is recorded, a first installation to the folder drawn."""
        if recorded:
            if recorded.lower() == self.default.lower():
                return None, recorded
            parent = recorded.rsplit("\\", 1)[0]
            return parent + "\\" if parent.endswith(":") else parent, recorded
        if choice is None:
            return None, self.default
        return choice, choice.rstrip("\\") + "\\" + PRODUCT

    def links(self):
        f = self.folder
        return [f"{f['common-programs']}\\{self.title}", f"{f['programs']}\\{self.title}"] + [
            f"{f[name]}\\{PRODUCT}.lnk"
            for name in ["common-desktop", "desktop", "common-startup", "startup"]]

    def product_places(self):
        """Lower-case paths of the product; "\\*" at the end takes in everything beneath."""
        places = [p + "\\*" for p in self.links()] + [
            f"{self.folder['program-files']}\\Halvane\\*", f"{self.folder['temp']}\\setup-*",
            r"hklm\software\halvane\*", r"hkcu\software\halvane\*",
            r"hklm\software\microsoft\windows\currentversion\uninstall\quenlow\*",
            r"hklm\software\classes\.qnl\*", r"hklm\software\classes\quenlow.document\*"]
        for dest in self.used:
            places += [dest] + [f"{dest}\\{name}" for name in self.files]
        return [p.lower() for p in places]

    def check_installed(self, dest):
        for name in self.files:
            if not filecmp.cmp(os.path.join(self.dist_host, name), self.host(f"{dest}\\{name}"),
                               shallow=False):
                raise Finding(f"{dest}\\{name} is not the distribution's {name}")
        group = f"{self.folder['common-programs']}\\{self.title}"
        for link in [f"{group}\\{PRODUCT}.lnk", f"{group}\\Uninstall {PRODUCT}.lnk"]:
            if not os.path.exists(self.host(link)):
                raise Finding(f"the link {link} is missing")

    def check_removed(self, dest, other_build=False):
        """Nothing of the product is left: its files, links and keys; the user's own files
        in a folder they share with it stay. With the other build installed, its desktop link
        and the player's data it shares stay."""
        links = self.links()[:2] if other_build else self.links()
        for path in ([f"{d}\\{name}" for d in self.used | {dest or ""} if d
                      for name in self.files] + links):
            if os.path.lexists(self.host(path)):
                raise Finding(f"{path} is left after the removal")
        keys = [("HKLM", r"Software\Halvane\Quenlow"),
                ("HKLM", r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenlow")]
        if not other_build:
            keys.append(("HKCU", r"Software\Halvane\Quenlow"))
        for root, key in keys:
            if self.driver.ask("reg-list", root, key):
                raise Finding(f"the key {root}\\{key} is left after the removal")


def listed_files(ini):
    """The file names of the [Files] section of a setup.ini."""
    names, section = [], None
    with open(ini, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line
            elif section == "[Files]" and line.startswith("+"):
                names.append(line[1:].split(";")[0])
    return names


def make_folders(places):
    """The folders a user may pick, made on drive C: None is the suggested one."""
    long_name = "C:\\" + "\\".join(["A folder with a rather long name for the card games"] * 4)
    folders = [None, "C:\\", "C:\\Games", "C:\\My Card Games\\Patience and Friends",
               long_name[:239].rstrip("\\ "), "C:\\Users Stuff\\Existing"]
    for folder in folders[1:]:
        os.makedirs(places.host(folder), exist_ok=True)
    for name, text in USER_FILES.items():
        path = places.host("C:\\Users Stuff\\Existing\\" + name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", newline="") as f:
            f.write(text)
    return folders
