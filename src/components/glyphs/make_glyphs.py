#!/usr/bin/env python3
"""Writes the caption buttons' pictures as 12 x 11 bitmaps with 256 colours, from the pictures
below (one character a pixel). Run it after changing a picture; the .bmp files are committed.
The top-left pixel's colour is the transparent one on the button."""
import os
import struct

MAGENTA = (255, 0, 255)
PICTURES = {
    # A dark-blue arrow pointing to the lower right corner.
    "cb_minimizetotray.bmp": ((0, 32, 128), [
        "............",
        ".##.........",
        ".###........",
        "..###.......",
        "...###..##..",
        "....###.##..",
        ".....#####..",
        "......####..",
        "....######..",
        "....######..",
        "............",
    ]),
    # A green bar above an upward-pointing triangle.
    "cb_roller_up.bmp": ((0, 96, 0), [
        "............",
        ".##########.",
        ".##########.",
        "............",
        ".....##.....",
        "....####....",
        "...######...",
        "..########..",
        ".##########.",
        "............",
        "............",
    ]),
    # A red downward-pointing triangle above a bar.
    "cb_roller_down.bmp": ((224, 32, 0), [
        "............",
        "............",
        ".##########.",
        "..########..",
        "...######...",
        "....####....",
        ".....##.....",
        "............",
        ".##########.",
        ".##########.",
        "............",
    ]),
}


def bitmap(color, rows):
    width, height = len(rows[0]), len(rows)
    stride = (width + 3) // 4 * 4
    palette = [MAGENTA, color] + [(0, 0, 0)] * 254
    pixels = b""
    for row in reversed(rows):  # bottom row first
        line = bytes(1 if c == "#" else 0 for c in row)
        pixels += line + b"\0" * (stride - width)
    colors = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835,
                         256, 0)
    offset = 14 + len(header) + len(colors)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + header + colors + pixels


here = os.path.dirname(os.path.abspath(__file__))
for name, (color, rows) in PICTURES.items():
    assert len(rows) == 11 and all(len(r) == 12 for r in rows), name
    with open(os.path.join(here, name), "wb") as out:
        out.write(bitmap(color, rows))
