#!/usr/bin/env python3
"""Writes a zip archive whose bytes depend only on the files given, their order and one time stamp.

    make_zip.py OUT.zip EPOCH NAME=PATH...

Every entry gets the time EPOCH (seconds since 1970, UTC; in the zip's DOS form, to two seconds), no
attributes and no extra time fields, and the entries stand in the order given. Compression is zlib's
deflate at level 9, so the bytes also depend on the zlib version; the files inside do not.

Names: Windows Explorer (Windows 7 too) reads a name without the UTF-8 flag in the system's OEM code
page, 936 on a Chinese Windows. So a non-ASCII name is stored as GBK bytes with the flag clear, and an
Info-ZIP Unicode Path extra field (0x7075: version 1, the CRC-32 of the stored name, the UTF-8 name)
carries it for Info-ZIP's unzip, 7-Zip and others that read that field.
"""
import struct
import sys
import time
import zlib

VERSION_NEEDED = 20  # 2.0: deflate
VERSION_MADE_BY = 20  # host 0 (MS-DOS/FAT): names in the OEM code page, DOS attributes
DEFLATE = 8


def dos_time(epoch):
    t = time.gmtime(epoch)
    if t.tm_year < 1980:
        sys.exit(f"make_zip: {epoch} is before 1980, which a zip cannot hold")
    return (t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec // 2), \
           ((t.tm_year - 1980) << 9) | (t.tm_mon << 5) | t.tm_mday


def stored_name(name):
    """The name's bytes in the header, and the extra field that goes with them."""
    if name.isascii():
        return name.encode("ascii"), b""
    raw = name.encode("gbk")  # fails loudly on a name that code page 936 cannot hold
    utf8 = name.encode("utf-8")
    body = struct.pack("<BI", 1, zlib.crc32(raw)) + utf8
    return raw, struct.pack("<HH", 0x7075, len(body)) + body


def main():
    if len(sys.argv) < 4:
        sys.exit("usage: make_zip.py OUT.zip EPOCH NAME=PATH...")
    out, epoch, entries = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    mtime, mdate = dos_time(epoch)
    body, central = bytearray(), bytearray()
    for entry in entries:
        name, _, path = entry.partition("=")
        with open(path, "rb") as f:
            data = f.read()
        packer = zlib.compressobj(9, zlib.DEFLATED, -15)
        packed = packer.compress(data) + packer.flush()
        crc = zlib.crc32(data)
        raw, extra = stored_name(name)
        offset = len(body)
        body += struct.pack("<IHHHHHIIIHH", 0x04034B50, VERSION_NEEDED, 0, DEFLATE, mtime, mdate, crc,
                            len(packed), len(data), len(raw), len(extra))
        body += raw + extra + packed
        central += struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, VERSION_MADE_BY, VERSION_NEEDED, 0, DEFLATE,
                               mtime, mdate, crc, len(packed), len(data), len(raw), len(extra), 0, 0, 0, 0,
                               offset)
        central += raw + extra
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(central), len(body), 0)
    with open(out, "wb") as f:
        f.write(body + central + end)


if __name__ == "__main__":
    main()
