#!/usr/bin/env python3
"""Writes the program's icon, kadrion.ico, at 16 x 16 and 32 x 32 with 32-bit colour: a
clapperboard, its striped arm raised over a dark slate with a film frame. Run it after changing
the drawing; the .ico file is committed."""
import os
import struct

CLEAR = (0, 0, 0, 0)
INK = (40, 40, 48, 255)
WHITE = (240, 240, 240, 255)
SLATE = (52, 58, 72, 255)
FRAME = (230, 180, 40, 255)  # the film frame on the slate
RED = (200, 40, 40, 255)


def clapperboard(size):
    """One picture as rows of RGBA pixels, drawn to scale from the 32-pixel design."""
    unit = size / 32
    pixels = [[CLEAR] * size for _ in range(size)]

    def box(left, top, right, bottom, colour):
        for y in range(int(top * unit), max(int(bottom * unit), int(top * unit) + 1)):
            for x in range(int(left * unit), max(int(right * unit), int(left * unit) + 1)):
                if 0 <= x < size and 0 <= y < size:
                    pixels[y][x] = colour

    # The arm: a band of slanted black and white stripes.
    for y in range(int(4 * unit), int(10 * unit)):
        for x in range(int(2 * unit), int(30 * unit)):
            band = int((x + (y - 4 * unit)) / (4 * unit))
            pixels[y][x] = INK if band % 2 == 0 else WHITE
    box(2, 10, 30, 11, INK)  # the hinge line
    box(2, 11, 30, 30, SLATE)  # the slate
    box(6, 15, 26, 26, FRAME)  # a film frame...
    box(8, 17, 24, 24, SLATE)  # ...hollow
    box(13, 19, 19, 22, RED)  # with a red dot in its middle
    return pixels


def image(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for r, g, b, a in row)
    stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (stride * 8 - 1 - x)
        mask += bits.to_bytes(stride, "big")
    return header + colour + mask


images = [image(clapperboard(size)) for size in (16, 32)]
offset = 6 + 16 * len(images)
directory = struct.pack("<HHH", 0, 1, len(images))
for size, data in zip((16, 32), images):
    directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "kadrion.ico"), "wb") as out:
    out.write(directory + b"".join(images))
