#!/usr/bin/env python3
"""Draws Kistvar's application icon (a stash chest) and writes it as a
multi-size .ico: 16, 20, 24, 32, 40, 48, 64 and 256 pixels, each drawn for its
size (supersampled, not scaled from one picture). Standard library only, so the
icon can be made again on any machine: python3 tools/make_icon.py OUT.ico"""
import struct
import sys
import zlib

SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
SUPERSAMPLE = 4

WOOD = (176, 104, 48)
WOOD_DARK = (120, 66, 28)
LID = (196, 124, 60)
BAND = (90, 96, 110)
GOLD = (250, 196, 40)
OUTLINE = (60, 36, 16)


def shape_colour(x, y):
    """Colour of the point (x, y) in a 0..1 square, or None when outside."""
    if not (0.08 <= x <= 0.92 and 0.16 <= y <= 0.88):
        return None
    edge = min(x - 0.08, 0.92 - x, y - 0.16, 0.88 - y)
    if edge < 0.045:
        return OUTLINE
    if 0.44 <= x <= 0.56 and 0.40 <= y <= 0.60:  # the lock
        return GOLD if edge > 0.0 and not (0.485 <= x <= 0.515 and 0.48 <= y <= 0.56) else OUTLINE
    if 0.40 <= y <= 0.46:  # seam between lid and body
        return OUTLINE
    if 0.20 <= x <= 0.27 or 0.73 <= x <= 0.80:  # iron bands
        return BAND
    if y < 0.40:
        return LID
    return WOOD if (int(y * 12) % 2 == 0) else WOOD_DARK


def render(size):
    """Rows of (r, g, b, a), top row first."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(n):
                for sx in range(n):
                    c = shape_colour((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    if c:
                        r += c[0]; g += c[1]; b += c[2]; a += 1
            if a:
                row.append((r // a, g // a, b // a, a * 255 // (n * n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + b"\0" * (mask_row * size)


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(out):
    images = [png(render(s)) if s >= 256 else dib(render(s)) for s in SIZES]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for s, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "kistvar.ico")
