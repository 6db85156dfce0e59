#!/usr/bin/env python3
"""Writes tintwell.ico: a generic application window, drawn at a slant, with a white
client area under a cyan title bar and a grey shadow. Three images, as Windows
picks among them: 32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours.

usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
PALETTE_2 = [(0, 0, 0), (255, 255, 255)]

BLACK, GREY, CYAN, WHITE = (0, 0, 0), (128, 128, 128), (0, 255, 255), (255, 255, 255)


def draw(size, monochrome):
    """Returns rows top-down of colours, None where the icon is transparent."""
    scale = size / 32.0
    left, right, top, bottom, bar = 3, 24, 6, 27, 12
    shear = 0.3
    shadow = 3

    def window_part(x, y):
        # Undo the slant: the top of the window leans to the right.
        u = x / scale - (32 - y / scale) * shear + 2
        v = y / scale
        if not (left <= u < right and top <= v < bottom):
            return None
        # Outlines one pixel wide at every size.
        line = 1 / scale
        edge = u < left + line or u >= right - line or v < top + line or v >= bottom - line
        if edge or abs(v - bar) < line / 2:
            return "edge"
        return "bar" if v < bar else "client"

    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            part = window_part(x + 0.5, y + 0.5)
            if part is None:
                behind = window_part(x + 0.5 - shadow * scale, y + 0.5 - shadow * scale)
                row.append(None if behind is None else (BLACK if monochrome else GREY))
            elif part == "edge":
                row.append(BLACK)
            elif part == "bar":
                row.append(BLACK if monochrome else CYAN)
            else:
                row.append(WHITE)
        pixels.append(row)
    return pixels


def pack_rows(bits_per_pixel, rows):
    """Bottom-up rows, each padded to 32 bits."""
    data = b""
    for row in reversed(rows):
        value, count, out = 0, 0, bytearray()
        for index in row:
            value = (value << bits_per_pixel) | index
            count += bits_per_pixel
            if count == 8:
                out.append(value)
                value, count = 0, 0
        if count:
            out.append(value << (8 - count))
        while len(out) % 4:
            out.append(0)
        data += bytes(out)
    return data


def image(size, palette, bits_per_pixel):
    pixels = draw(size, len(palette) == 2)
    colour_rows = [[palette.index(p) if p else 0 for p in row] for row in pixels]
    mask_rows = [[1 if p is None else 0 for p in row] for row in pixels]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits_per_pixel, 0, 0, 0, 0,
                         len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + colours + pack_rows(bits_per_pixel, colour_rows) + pack_rows(1, mask_rows)


def main():
    images = [(32, PALETTE_2, 1), (32, PALETTE_16, 4), (16, PALETTE_16, 4)]
    bodies = [image(*placement) for placement in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for (size, palette, bits), body in zip(images, bodies):
        entries += struct.pack("<BBBBHHII", size, size, len(palette), 0, 1, bits, len(body),
                               offset)
        offset += len(body)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + entries + b"".join(bodies))


if __name__ == "__main__":
    main()
