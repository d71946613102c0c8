#!/usr/bin/env python3
"""Copies a TrueType font under another family name.

The bundled icon font would otherwise share its family with a copy the desktop may have
installed, and Qt would draw with whichever it found first. The name must be as long as
the one it replaces: the names are rewritten in place, so no table moves.

    fontfamily.py <font.ttf> <copy.ttf> <family>
"""
import struct
import sys

FAMILY_NAME_IDS = {1, 4, 16, 21}  # family, full name, typographic family, WWS family


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(f">{len(data) // 4}I", data)) & 0xFFFFFFFF


def renamed(font, family):
    font = bytearray(font)
    tables = {}
    (count,) = struct.unpack_from(">H", font, 4)
    for i in range(count):
        entry = 12 + 16 * i
        tag, _, offset, length = struct.unpack_from(">4sIII", font, entry)
        tables[tag] = (entry, offset, length)
    entry, name, length = tables[b"name"]
    _, records, storage = struct.unpack_from(">HHH", font, name)
    old = None
    for i in range(records):
        platform, _, _, name_id, size, at = struct.unpack_from(">HHHHHH", font, name + 6 + 12 * i)
        if name_id not in FAMILY_NAME_IDS:
            continue
        start = name + storage + at
        codec = "utf-16-be" if platform in (0, 3) else "latin-1"
        text = bytes(font[start:start + size]).decode(codec)
        old = old or text
        if not text.startswith(old):
            continue
        new = (family + text[len(old):]).encode(codec)
        if len(new) != size:
            sys.exit(f"{family!r} is not as long as {old!r}")
        font[start:start + size] = new
    if old is None:
        sys.exit("the font names no family")
    struct.pack_into(">I", font, entry + 4, checksum(bytes(font[name:name + length])))
    # The whole file sums to a fixed value through the head table's adjustment.
    _, head, _ = tables[b"head"]
    struct.pack_into(">I", font, head + 8, 0)
    struct.pack_into(">I", font, head + 8, (0xB1B0AFBA - checksum(bytes(font))) & 0xFFFFFFFF)
    return bytes(font)


if __name__ == "__main__":
    source, target, family = sys.argv[1:4]
    with open(source, "rb") as f:
        font = f.read()
    with open(target, "wb") as f:
        f.write(renamed(font, family))
