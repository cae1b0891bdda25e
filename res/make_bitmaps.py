#!/usr/bin/env python3
"""Draws the module's bitmaps (res/bitmaps.h) as 24-bit BMP files.

    python3 res/make_bitmaps.py        # rewrites res/bitmaps/*.bmp

The output is deterministic; the files are kept in the repository so that a
build needs no Python. White (0xFFFFFF) is the transparent colour of the
image lists, so every picture is drawn on white.
"""
import math
import os
import struct

WHITE = (255, 255, 255)
FRAME = (96, 96, 96)
AXIS = (128, 128, 128)
PATH = (0, 84, 166)
TOOL = (200, 32, 32)


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def frame(self, left, top, right, bottom, colour):
        self.line(left, top, right, top, colour)
        self.line(left, bottom, right, bottom, colour)
        self.line(left, top, left, bottom, colour)
        self.line(right, top, right, bottom, colour)

    def bmp(self):
        """The picture as a BMP file: bottom-up rows, BGR, rows padded to 4 bytes."""
        row_size = (self.width * 3 + 3) // 4 * 4
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            data += line + bytes(row_size - len(line))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return header + info + bytes(data)


def document():
    """A page with a folded corner and lines of text: the mark of a program
    that is written or in the project."""
    canvas = Canvas(15, 15)
    canvas.line(3, 1, 7, 1, FRAME)
    canvas.line(3, 1, 3, 13, FRAME)
    canvas.line(3, 13, 11, 13, FRAME)
    canvas.line(11, 5, 11, 13, FRAME)
    canvas.line(7, 1, 11, 5, FRAME)
    canvas.line(7, 1, 7, 5, FRAME)
    canvas.line(7, 5, 11, 5, FRAME)
    for y in (7, 9, 11):
        canvas.line(5, y, 9, y, PATH)
    return canvas


def blank():
    """Nothing: the mark of a program that nothing will be written for. All
    white, so the image list shows it as empty space."""
    return Canvas(15, 15)


def header():
    """Two machine axes and a circular test path with the tool on it."""
    canvas = Canvas(49, 49)
    canvas.line(6, 42, 44, 42, AXIS)
    canvas.line(6, 42, 6, 4, AXIS)
    canvas.line(44, 42, 40, 39, AXIS)
    canvas.line(44, 42, 40, 45, AXIS)
    canvas.line(6, 4, 3, 8, AXIS)
    canvas.line(6, 4, 9, 8, AXIS)
    for step in range(720):
        angle = step * math.pi / 360
        for radius in (13.5, 14.5):
            canvas.put(round(26 + radius * math.cos(angle)), round(23 + radius * math.sin(angle)), PATH)
    for dx in range(-2, 3):
        for dy in range(-2, 3):
            if dx * dx + dy * dy <= 5:
                canvas.put(40 + dx, 23 + dy, TOOL)
    return canvas


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "bitmaps")
    os.makedirs(folder, exist_ok=True)
    for name, canvas in (("header.bmp", header()), ("written.bmp", document()), ("blank.bmp", blank())):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(canvas.bmp())


if __name__ == "__main__":
    main()
