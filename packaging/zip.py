#!/usr/bin/python3
"""Packs files into a zip that is the same bytes from the same source: the
given time for every entry, the given order, no extra fields (a tar tool's
would carry each file's access and change times), names in UTF-8.

Usage: zip.py OUTPUT.zip EPOCH_SECONDS FILE_OR_FOLDER...   (paths as stored, from here)
"""
import os
import stat
import sys
import time
import zipfile


def entries(path):
    if os.path.isdir(path):
        for name in sorted(os.listdir(path)):
            yield from entries(os.path.join(path, name))
    else:
        yield path


def main(output, epoch, *paths):
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]  # zip times start in 1980
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in paths:
            for name in entries(path):
                info = zipfile.ZipInfo(name, stamp)
                info.compress_type = zipfile.ZIP_DEFLATED
                # A regular file, rw-r--r--, whatever the umask gave it here.
                info.external_attr = (stat.S_IFREG | 0o644) << 16
                with open(name, "rb") as data:
                    archive.writestr(info, data.read())


if __name__ == "__main__":
    main(*sys.argv[1:])
