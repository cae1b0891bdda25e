#!/usr/bin/env python3
"""Draws the icon of PathForge's programs (host.exe, logview.exe) as an ICO file.

    python3 res/make_icon.py        # rewrites res/pathforge.ico

The picture is the one of the wizard's header, made to be read at 16 pixels:
a blue tile with the circular test path in white and the tool on it in red.
Each size is drawn on its own, smoothed by sampling every pixel 4 x 4 times,
in 32-bit colour with transparency. The output is deterministic; the file is
kept in the repository so that a build needs no Python.
"""
import math
import os
import struct

SIZES = (16, 24, 32, 48, 64)
SAMPLES = 4
TILE = (0, 84, 166)
PATH = (255, 255, 255)
TOOL = (220, 40, 40)


def inside_tile(x, y, size):
    """A square with rounded corners, filling the icon."""
    radius = size * 0.18
    nearest_x = min(max(x, radius), size - radius)
    nearest_y = min(max(y, radius), size - radius)
    return (x - nearest_x) ** 2 + (y - nearest_y) ** 2 <= radius * radius


def colour_at(x, y, size):
    """The colour of one sample point, or None where the icon is transparent."""
    centre = size / 2
    distance = math.hypot(x - centre, y - centre)
    ring = size * 0.29
    tool_x, tool_y = centre + ring, centre
    if math.hypot(x - tool_x, y - tool_y) <= max(size * 0.12, 1.6):
        return TOOL
    if not inside_tile(x, y, size):
        return None
    if abs(distance - ring) <= max(size * 0.055, 0.75):
        return PATH
    return TILE


def draw(size):
    """Rows of (r, g, b, a), top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            totals = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES, size)
                    if colour is None:
                        continue
                    covered += 1
                    totals = [t + c for t, c in zip(totals, colour)]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                r, g, b = (round(t / covered) for t in totals)
                row.append((r, g, b, round(255 * covered / (SAMPLES * SAMPLES))))
        rows.append(row)
    return rows


def icon_image(size):
    """One image of the ICO file: a BITMAPINFOHEADER of double height, the
    pixels bottom-up in BGRA, then the 1-bit mask (set where transparent)."""
    rows = draw(size)
    pixels = bytearray()
    mask = bytearray()
    mask_row = (size + 31) // 32 * 4
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, (r, g, b, a) in enumerate(row):
            pixels += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def icon_file():
    images = [icon_image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = len(directory) + 16 * len(SIZES)
    entries = bytearray()
    for size, image in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + bytes(entries) + b"".join(images)


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pathforge.ico")
    with open(path, "wb") as out:
        out.write(icon_file())


if __name__ == "__main__":
    main()
