#!/usr/bin/env python3
"""Copies the icon font's symbols that the interface names into a font of their own.

Only the glyphs of the code points in the symbol table (symbols.cpp) are kept, with the
tables that draw and measure them: the whole font is two thousand icons and their
ligatures, which would sit in the binary, in memory and in the text shaper's tables for
the two dozen that show. The copy is named under another family, as the desktop may have
the same font installed, and Qt would draw with whichever it found first. The new family
name must be as long as the one it replaces.

    iconfont.py <font.ttf> <symbols.cpp> <copy.ttf> <family>
"""
import re
import struct
import sys

FAMILY_NAME_IDS = {1, 4, 16, 21}  # family, full name, typographic family, WWS family
# What draws, measures and names the glyphs. The layout tables (ligatures from icon names)
# and any others are left out.
KEPT_TABLES = {b"OS/2", b"cmap", b"cvt ", b"fpgm", b"gasp", b"glyf", b"head", b"hhea", b"hmtx", b"loca", b"maxp",
               b"name", b"post", b"prep"}


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(f">{len(data) // 4}I", data)) & 0xFFFFFFFF


def read_tables(font):
    (count,) = struct.unpack_from(">H", font, 4)
    tables = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack_from(">4sIII", font, 12 + 16 * i)
        tables[tag] = font[offset:offset + length]
    return tables


def code_points(symbols_source):
    points = sorted({int(p, 16) for p in re.findall(r'\{u"[^"]+",\s*0x([0-9A-Fa-f]+)\}', symbols_source)})
    if not points:
        sys.exit("the symbol table names no code point")
    return points


def glyph_ids(cmap, points):
    """The glyph of each code point, from the Windows Unicode subtable (format 4 or 12)."""
    _, count = struct.unpack_from(">HH", cmap, 0)
    subtables = {}
    for i in range(count):
        platform, encoding, offset = struct.unpack_from(">HHI", cmap, 4 + 8 * i)
        subtables[(platform, encoding)] = offset
    found = {}
    for key in ((3, 10), (3, 1), (0, 4), (0, 3)):
        if key not in subtables:
            continue
        at = subtables[key]
        (form,) = struct.unpack_from(">H", cmap, at)
        if form == 12:
            (groups,) = struct.unpack_from(">I", cmap, at + 12)
            for g in range(groups):
                first, last, glyph = struct.unpack_from(">III", cmap, at + 16 + 12 * g)
                for p in points:
                    if first <= p <= last:
                        found[p] = glyph + p - first
        elif form == 4:
            (segments,) = struct.unpack_from(">H", cmap, at + 6)
            segments //= 2
            ends = struct.unpack_from(f">{segments}H", cmap, at + 14)
            starts = struct.unpack_from(f">{segments}H", cmap, at + 16 + 2 * segments)
            deltas = struct.unpack_from(f">{segments}h", cmap, at + 16 + 4 * segments)
            ranges_at = at + 16 + 6 * segments
            ranges = struct.unpack_from(f">{segments}H", cmap, ranges_at)
            for p in points:
                for s in range(segments):
                    if starts[s] <= p <= ends[s]:
                        if ranges[s] == 0:
                            glyph = (p + deltas[s]) & 0xFFFF
                        else:
                            (glyph,) = struct.unpack_from(">H", cmap, ranges_at + 2 * s + ranges[s] + 2 * (p - starts[s]))
                            glyph = (glyph + deltas[s]) & 0xFFFF if glyph else 0
                        found[p] = glyph
                        break
        else:
            continue
        break
    missing = [f"U+{p:04X}" for p in points if not found.get(p)]
    if missing:
        sys.exit("the font has no glyph for " + ", ".join(missing))
    return found


def glyph_data(tables):
    (long_offsets,) = struct.unpack_from(">h", tables[b"head"], 50)
    (count,) = struct.unpack_from(">H", tables[b"maxp"], 4)
    loca = tables[b"loca"]
    if long_offsets:
        offsets = struct.unpack_from(f">{count + 1}I", loca)
    else:
        offsets = [2 * o for o in struct.unpack_from(f">{count + 1}H", loca)]
    glyf = tables[b"glyf"]
    return [glyf[offsets[g]:offsets[g + 1]] for g in range(count)]


def components(glyph):
    """The glyphs a composite glyph is made of, with where each one's index is stored."""
    if len(glyph) < 10 or struct.unpack_from(">h", glyph, 0)[0] >= 0:
        return []
    found, at = [], 10
    while True:
        flags, index = struct.unpack_from(">HH", glyph, at)
        found.append((at + 2, index))
        at += 4 + (4 if flags & 0x1 else 2)
        at += 2 if flags & 0x8 else 4 if flags & 0x40 else 8 if flags & 0x80 else 0
        if not flags & 0x20:
            return found


def subset(font, points):
    tables = read_tables(font)
    by_point = glyph_ids(tables[b"cmap"], points)
    glyphs = glyph_data(tables)
    kept = [0]  # .notdef stays the first glyph
    pending = sorted(set(by_point.values()))
    while pending:
        g = pending.pop(0)
        if g in kept:
            continue
        kept.append(g)
        pending += [index for _, index in components(glyphs[g])]
    new_id = {old: new for new, old in enumerate(kept)}

    glyf, loca = bytearray(), []
    for old in kept:
        data = bytearray(glyphs[old])
        for at, index in components(glyphs[old]):
            struct.pack_into(">H", data, at, new_id[index])
        loca.append(len(glyf))
        glyf += data + b"\0" * (-len(data) % 4)
    loca.append(len(glyf))

    (metrics,) = struct.unpack_from(">H", tables[b"hhea"], 34)
    hmtx = tables[b"hmtx"]
    advances = []
    for old in kept:
        advance, _ = struct.unpack_from(">Hh", hmtx, 4 * min(old, metrics - 1))
        (lsb,) = struct.unpack_from(">h", hmtx, 4 * old if old < metrics else 4 * metrics + 2 * (old - metrics))
        advances.append((advance, lsb))

    # One segment per code point, then the closing one.
    mapped = sorted(by_point.items())
    segments = len(mapped) + 1
    search = 2 ** (segments.bit_length() - 1)
    ends = [p for p, _ in mapped] + [0xFFFF]
    deltas = [(new_id[g] - p) & 0xFFFF for p, g in mapped] + [1]
    format4 = struct.pack(">HHHHHHH", 4, 0, 0, 2 * segments, 2 * search, search.bit_length() - 1, 2 * segments - 2 * search)
    format4 += struct.pack(f">{segments}H", *ends) + b"\0\0" + struct.pack(f">{segments}H", *ends)
    format4 += struct.pack(f">{segments}H", *deltas) + b"\0\0" * segments
    format4 = format4[:2] + struct.pack(">H", len(format4)) + format4[4:]

    out = {tag: data for tag, data in tables.items() if tag in KEPT_TABLES}
    out[b"cmap"] = struct.pack(">HHHHI", 0, 1, 3, 1, 12) + format4
    out[b"glyf"] = bytes(glyf)
    out[b"loca"] = struct.pack(f">{len(loca)}I", *loca)
    out[b"hmtx"] = b"".join(struct.pack(">Hh", a, l) for a, l in advances)
    hhea = bytearray(tables[b"hhea"])
    struct.pack_into(">H", hhea, 34, len(kept))
    out[b"hhea"] = bytes(hhea)
    maxp = bytearray(tables[b"maxp"])
    struct.pack_into(">H", maxp, 4, len(kept))
    out[b"maxp"] = bytes(maxp)
    head = bytearray(tables[b"head"])
    struct.pack_into(">h", head, 50, 1)
    out[b"head"] = bytes(head)
    # Names of glyphs are for editors; version 3 carries none.
    out[b"post"] = struct.pack(">I", 0x00030000) + tables[b"post"][4:32]
    if b"OS/2" in out:
        os2 = bytearray(out[b"OS/2"])
        struct.pack_into(">HH", os2, 64, min(points), min(max(points), 0xFFFF))
        out[b"OS/2"] = bytes(os2)
    return out


def renamed(name, family):
    name = bytearray(name)
    _, records, storage = struct.unpack_from(">HHH", name, 0)
    old = None
    for i in range(records):
        platform, _, _, name_id, size, at = struct.unpack_from(">HHHHHH", name, 6 + 12 * i)
        if name_id not in FAMILY_NAME_IDS:
            continue
        start = storage + at
        codec = "utf-16-be" if platform in (0, 3) else "latin-1"
        text = bytes(name[start:start + size]).decode(codec)
        old = old or text
        if not text.startswith(old):
            continue
        new = (family + text[len(old):]).encode(codec)
        if len(new) != size:
            sys.exit(f"{family!r} is not as long as {old!r}")
        name[start:start + size] = new
    if old is None:
        sys.exit("the font names no family")
    return bytes(name)


def written(tables):
    tags = sorted(tables)
    count = len(tags)
    search = 2 ** (count.bit_length() - 1)
    font = bytearray(struct.pack(">IHHHH", 0x00010000, count, 16 * search, search.bit_length() - 1, 16 * (count - search)))
    offset = 12 + 16 * count
    body = bytearray()
    head_at = None
    for tag in tags:
        data = tables[tag]
        if tag == b"head":
            data = data[:8] + b"\0\0\0\0" + data[12:]
            head_at = offset + len(body)
        font += struct.pack(">4sIII", tag, checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    font += body
    # The whole file sums to a fixed value through the head table's adjustment.
    struct.pack_into(">I", font, head_at + 8, (0xB1B0AFBA - checksum(bytes(font))) & 0xFFFFFFFF)
    return bytes(font)


if __name__ == "__main__":
    source, symbols, target, family = sys.argv[1:5]
    with open(source, "rb") as f:
        font = f.read()
    with open(symbols, encoding="utf-8") as f:
        points = code_points(f.read())
    tables = subset(font, points)
    tables[b"name"] = renamed(tables[b"name"], family)
    with open(target, "wb") as f:
        f.write(written(tables))
