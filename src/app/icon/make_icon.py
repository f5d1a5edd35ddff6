#!/usr/bin/env python3
"""Draws the program's icon: a probe's ball touching a point on a surface,
with the point's normal standing up from it. Writes vandelor.png (256 px,
for the window) and vandelor.ico (16 to 256 px, for Windows) beside this
script. Plain Python: run it again after changing the drawing and commit
both files.
"""
import math
import os
import struct
import zlib

SURFACE = (90, 98, 110)
POINT = (220, 30, 30)
NORMAL = (30, 90, 220)
PROBE = (170, 176, 186)
PROBE_EDGE = (70, 74, 82)

CONTACT = (0.42, 0.70)
BALL = (0.42 + 0.13, 0.70 - 0.13)
BALL_RADIUS = math.hypot(0.13, 0.13)


def segment_distance(p, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((p[0] - ax) * dx + (p[1] - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(p[0] - ax - t * dx, p[1] - ay - t * dy)


def colour_at(x, y):
    """The colour at a point of the unit square, or None where it is clear."""
    # The point on the surface, drawn over everything.
    if math.hypot(x - CONTACT[0], y - CONTACT[1]) < 0.055:
        return POINT
    # The normal: a shaft and an arrow head pointing up.
    if abs(x - CONTACT[0]) < 0.028 and 0.22 < y < CONTACT[1]:
        return NORMAL
    if 0.08 < y < 0.26 and abs(x - CONTACT[0]) < (y - 0.08) * 0.45:
        return NORMAL
    # The probe: a ball on a stylus coming from the upper right.
    ball = math.hypot(x - BALL[0], y - BALL[1])
    if ball < BALL_RADIUS:
        return PROBE if ball < BALL_RADIUS - 0.025 else PROBE_EDGE
    if segment_distance((x, y), BALL, (0.98, 0.14)) < 0.045:
        return PROBE_EDGE
    # The surface under the point.
    if CONTACT[1] + 0.01 < y < 0.90 and 0.06 < x < 0.94:
        return SURFACE
    return None


def render(size, samples=4):
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size,
                                  (py + (sy + 0.5) / samples) / size)
                    if c:
                        covered += 1
                        for i in range(3):
                            total[i] += c[i]
            if covered:
                row += bytes(t // covered for t in total)
                row.append(255 * covered // (samples * samples))
            else:
                row += b"\0\0\0\0"
        rows.append(bytes(row))
    return rows


def png(size):
    rows = render(size)
    raw = b"".join(b"\0" + row for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    """An icon file whose entries are PNG images, as Windows reads them."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                               len(image), offset + len(data))
        data += image
    return header + entries + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    images = [(size, png(size)) for size in (16, 24, 32, 48, 256)]
    with open(os.path.join(here, "vandelor.ico"), "wb") as out:
        out.write(ico(images))
    with open(os.path.join(here, "vandelor.png"), "wb") as out:
        out.write(images[-1][1])


if __name__ == "__main__":
    main()
