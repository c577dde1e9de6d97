#!/usr/bin/python3
"""Sets the times in an MSI's summary information (created, last saved, last
printed) to one moment, in place: the same package from the same source.

Usage: summary_times.py PACKAGE.msi EPOCH_SECONDS
"""
import struct
import sys

import olefile

FILETIME = 64  # VT_FILETIME
TIMES = (11, 12, 13)  # PID_LASTPRINTED, PID_CREATE_DTM, PID_LASTSAVE_DTM


def main(package, epoch):
    filetime = (int(epoch) + 11644473600) * 10_000_000  # 100 ns since 1601
    with olefile.OleFileIO(package, write_mode=True) as ole:
        name = "\x05SummaryInformation"
        data = bytearray(ole.openstream(name).read())
        section = struct.unpack_from("<I", data, 44)[0]
        count = struct.unpack_from("<I", data, section + 4)[0]
        for i in range(count):
            pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * i)
            at = section + offset
            if pid in TIMES and struct.unpack_from("<I", data, at)[0] == FILETIME:
                struct.pack_into("<Q", data, at + 4, filetime)
        ole.write_stream(name, bytes(data))


if __name__ == "__main__":
    main(*sys.argv[1:])
