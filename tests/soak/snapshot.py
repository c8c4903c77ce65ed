"""A listing of the prefix's drive C and of the registry, and what changed between two.

Files are listed with their size and modification time, folders by name (their times change
whenever something is added inside them), registry keys by path and values with their data.
Paths are Windows paths, compared without regard to letter case as the system does.
"""

import os

ROOTS = [("HKLM", "Software"), ("HKCU", "Software")]


def drive_listing(prefix):
    """{windows path (lower case): description} for everything under drive_c, symbolic links
    followed once (the user's folders lead to the private home)."""
    drive = os.path.join(prefix, "drive_c")
    listing = {}
    seen = set()
    for top, dirs, files in os.walk(drive, followlinks=True):
        real = os.path.realpath(top)
        if real in seen:
            dirs[:] = []
            continue
        seen.add(real)
        base = "c:" + top[len(drive):].replace("/", "\\")
        listing[base.lower() or "c:"] = "folder"
        for name in files:
            try:
                st = os.stat(os.path.join(top, name))
            except OSError:
                continue  # a link that leads nowhere
            listing[f"{base}\\{name}".lower()] = f"file {st.st_size} {st.st_mtime_ns}"
    return listing


def registry_listing(driver):
    listing = {}
    for root, key in ROOTS:
        for line in driver.ask("reg-list", root, key, timeout=120):
            path, _, value = line.partition("\t")
            listing[(path.lower() + ("\t" + value.split("\t")[0].lower() if value else ""))] = value
    return listing


class Snapshot:
    def __init__(self, prefix, driver):
        self.drive = drive_listing(prefix)
        self.registry = registry_listing(driver)


def changes(before, after):
    """Every path whose entry was added, removed or changed: (path, what)."""
    found = []
    for name, a, b in (("drive", before.drive, after.drive),
                       ("registry", before.registry, after.registry)):
        for path in sorted(set(a) | set(b)):
            if a.get(path) != b.get(path):
                what = "added" if path not in a else "removed" if path not in b else "changed"
                found.append((path, f"{name}: {what}"))
    return found


def outside(found, places):
    """The changes that lie outside every one of the places: lower-case paths, taken exactly,
    with everything beneath when they end in "\\*", or every path they begin when they end in
    another "*"."""
    def inside(path, place):
        if not place.endswith("*"):
            return path == place
        if not place.endswith("\\*"):
            return path.startswith(place[:-1])
        place = place[:-2]
        return path == place or path.startswith(place + "\\") or path.startswith(place + "\t")

    return [(path, what) for path, what in found if not any(inside(path, p) for p in places)]
