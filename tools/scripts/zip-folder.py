#!/usr/bin/env python3
"""Writes a zip archive of one folder that the same files always turn into the same bytes.

    zip-folder.py ARCHIVE FOLDER NAME

The folder's files are stored under NAME/, sorted by path, each with the time
SOURCE_DATE_EPOCH (seconds since 1970, UTC), plain permissions and no extra fields.
"""
import os
import sys
import time
import zipfile

# The earliest time a zip entry can hold: 1980-01-01 00:00:00.
ZIP_EPOCH = 315532800


def entry(path, stamp, mode):
    info = zipfile.ZipInfo(path, date_time=stamp)
    info.create_system = 3  # permissions in Unix form, whatever system writes the archive
    info.external_attr = mode << 16
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: zip-folder.py ARCHIVE FOLDER NAME")
    archive, folder, name = sys.argv[1:]
    stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), ZIP_EPOCH))[:6]
    files = []
    for parent, _, names in os.walk(folder):
        files += [os.path.relpath(os.path.join(parent, n), folder) for n in names]
    with zipfile.ZipFile(archive, "w") as out:
        folder_entry = entry(name + "/", stamp, 0o40755)
        folder_entry.external_attr |= 0x10  # the folder flag readers on Windows look at
        folder_entry.compress_type = zipfile.ZIP_STORED
        out.writestr(folder_entry, b"")
        for path in sorted(files):
            with open(os.path.join(folder, path), "rb") as f:
                out.writestr(entry(name + "/" + path, stamp, 0o100644), f.read(), compresslevel=9)


if __name__ == "__main__":
    main()
