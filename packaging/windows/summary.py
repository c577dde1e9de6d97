#!/usr/bin/python3
"""Mends an MSI's summary information in place, where the tools leave it
wrong for Windows: its texts were written as UTF-8 under code page 1251, so
Explorer would show them garbled; they are written in 1251 (the rest of each
text's room filled with NULs, which end a text). Its times (created, last
saved, last printed) become one moment: the same package from the same source.

Usage: summary.py PACKAGE.msi EPOCH_SECONDS
"""
import struct
import sys

import olefile

CODEPAGE, TEXT, FILETIME = 1, 30, 64  # PID_CODEPAGE; VT_LPSTR, VT_FILETIME
TIMES = (11, 12, 13)  # PID_LASTPRINTED, PID_CREATE_DTM, PID_LASTSAVE_DTM


def main(package, epoch):
    filetime = (int(epoch) + 11644473600) * 10_000_000  # 100 ns since 1601
    with olefile.OleFileIO(package, write_mode=True) as ole:
        name = "\x05SummaryInformation"
        data = bytearray(ole.openstream(name).read())
        section = struct.unpack_from("<I", data, 44)[0]
        count = struct.unpack_from("<I", data, section + 4)[0]
        values = {}
        for i in range(count):
            pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
            values[pid] = section + offset
        codepage = struct.unpack_from("<h", data, values[CODEPAGE] + 4)[0] & 0xFFFF
        for pid, at in values.items():
            kind = struct.unpack_from("<I", data, at)[0]
            if kind == FILETIME and pid in TIMES:
                struct.pack_into("<Q", data, at + 4, filetime)
            elif kind == TEXT:
                size = struct.unpack_from("<I", data, at + 4)[0]
                text = bytes(data[at + 8:at + 8 + size]).split(b"\0")[0]
                encoded = text.decode("utf-8").encode("cp%d" % codepage)
                data[at + 8:at + 8 + size] = encoded.ljust(size, b"\0")
        ole.write_stream(name, bytes(data))


if __name__ == "__main__":
    main(*sys.argv[1:])
