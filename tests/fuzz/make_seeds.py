#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: tests/fuzz/corpus/ for the exports with
their draws, corpus-lookups/ for the lookups alone, corpus-hex-text/ for the text rules,
corpus-settings/ for the settings file's reader.

An input is a run of calls, each: one op byte (0 field draw, 1 strip draw,
2 GetColor, 3 GetColor2), then colour, mode and web-safe flag as little-endian
32-bit words; a draw adds a surface-kind byte (0 null device context, 1 null
pixels, 2 real surface) and width, height, stride; GetColor adds x, y; GetColor2 y.

An input of the lookup target is a run of calls, each: one op byte (even GetColor,
odd GetColor2), then colour, mode, web-safe flag, x and y as 32-bit words. An input of
the text target is the text itself, and so is one of the colour reader's
(corpus-colour-reader/); one of the template target (corpus-templates/) is a colour
as three bytes, red, green, blue, then a template line.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def word(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def draw(strip, colour, mode, web, kind, width, height, stride):
    return bytes([1 if strip else 0]) + word(colour) + word(mode) + word(web) + bytes([kind]) \
        + word(width) + word(height) + word(stride)


def field(colour, mode, web, width=256, height=256, stride=1024, kind=2):
    return draw(False, colour, mode, web, kind, width, height, stride)


def strip(colour, mode, web, width=20, height=256, stride=80, kind=2):
    return draw(True, colour, mode, web, kind, width, height, stride)


def get(colour, mode, x, y, web):
    return bytes([2]) + word(colour) + word(mode) + word(web) + word(x) + word(y)


def get2(colour, mode, y, web):
    return bytes([3]) + word(colour) + word(mode) + word(web) + word(y)


BASE = 0x00123456
seeds = {
    "startup": field(0xFFFFFF, 0, 0) + strip(0xFFFFFF, 0, 0) + get(0xFFFFFF, 0, 0, 0, 0),
    "every_mode": b"".join(field(BASE, m, w) + strip(BASE, m, w) for m in range(6) for w in (0, 1))[:500],
    "stale_buffer": field(BASE, 3, 0) + strip(0, 6, 0) + field(0, -1, 0, 64, 64, 256),
    "lookups": b"".join(get(c, m, x, y, w) for c, m, x, y, w in [
        (0x00055FF, 0, 119, 102, 0), (0x0000FF, 0, 128, 64, 1), (0x1E140A, 3, 0, 0, 0),
        (BASE, 0, -5, 300, 0), (0xFF123456, 4, 10, 20, 2), (BASE, 7, 1, 1, 0),
        (BASE, -1, 1, 1, 1), (BASE, 1, 255, 0, 0), (BASE, 2, 0x7FFFFFFF, -0x80000000, 0)])
    + b"".join(get2(BASE, m, y, w) for m, y, w in [(0, 20, 0), (0, 20, 1), (5, -3, 0), (6, 0, 0), (3, 999, 1)]),
    "odd_stride": field(BASE, 0, 0, 300, 300, 1201) + strip(BASE, 4, 1, 21, 3, 85),
    "tiny": field(BASE, 5, 0, 1, 1, 4) + strip(BASE, 5, 0, 0, 0, 0) + field(BASE, 3, 1, 3, 2, 0),
    "negative_stride": field(BASE, 0, 1, 256, 256, -1024) + strip(BASE, 3, 0, 20, 256, -80),
    "overlapping_rows": field(BASE, 4, 0, 256, 10, 16),
    "huge": field(BASE, 0, 0, 0x7FFFFFFF, 1, 4) + field(BASE, 3, 0, 1, 256, 0x40000000)
    + strip(BASE, 0, 0, 0x7FFFFFFF, 0x7FFFFFFF, -0x80000000),
    "null_surfaces": field(BASE, 0, 0, kind=0) + strip(BASE, 3, 1, kind=0) + field(BASE, 3, 0, kind=1),
    "negative_sizes": field(BASE, 0, 0, -1, -256, 1024) + strip(BASE, 0, 0, 20, -1, 80),
}



def lookup(op, colour, mode, web, x, y):
    return bytes([op]) + word(colour) + word(mode) + word(web) + word(x) + word(y)


lookup_seeds = {
    "field": b"".join(lookup(0, c, m, w, x, y) for c, m, w, x, y in [
        (0x00055FF, 0, 0, 119, 102), (0x0000FF, 0, 1, 128, 64), (0x1E140A, 3, 0, 0, 0),
        (BASE, 0, 0, -5, 300), (0xFF123456, 4, 2, 10, 20), (BASE, 5, 1, 255, 255)]),
    "strip": b"".join(lookup(1, c, m, w, 0, y) for c, m, w, y in [
        (BASE, 0, 0, 20), (BASE, 0, 1, 20), (BASE, 5, 0, -3), (BASE, 3, 1, 999), (BASE, 4, 0, 128)]),
    "odd_modes": b"".join(lookup(op, BASE, m, 0, 1, 1) for op in (0, 1) for m in (1, 2, 6, -1, 0x7FFFFFFF)),
}

hex_text_seeds = {
    "upper": b"3C2B1A",
    "lower": b"abcdef",
    "black": b"000000",
    "short": b"ABCDE",
    "long": b"ABCDEF0",
    "hash": b"#12345",
    "not_hex": b"12G456",
    "wide": "ＡＢ".encode("utf-8"),
}

settings_seeds = {
    "defaults": b"hotkey_enabled=off\r\nhotkey=Win+Shift+C\r\npick_format=#RRGGBB\r\n"
                b"resident=off\r\nstart_with_windows=off\r\nloupe=off\r\nsample_size=1x1\r\n",
    "changed": "hotkey_enabled=on\r\nhotkey=Ctrl+Alt+K\r\npick_format=私の形式 = #rrggbb;\r\n"
               "resident=on\r\nstart_with_windows=on\r\nloupe=on\r\nsample_size=5x5\r\n"
               .encode("utf-8"),
    "edited": b"\xEF\xBB\xBF; Tintwell\n\n  HOTKEY = shift + windows + f9 \nloupe=Yes\nsample_size=3",
    "damaged": b"[Tintwell]\nloupe\nhotkey=Ctrl+C\nsample_size=4x4\npick_format=\xE7\xA7\n"
               b"colour=#123456\nloupe=on\x00\n",
}


colour_reader_seeds = {
    "hash": b"#1A2B3C",
    "short_hash": b"#abc8",
    "bare": b"1a2b3c",
    "colorref": b"3943194",
    "basic": b"&H3C2B1A&",
    "triple": b"26, 43, 60",
    "rgb_legacy": b"rgba(26, 43, 60, 0.5)",
    "rgb_modern": b"rgb(10% 43 none / 50%)",
    "hsl": b"hsl(0.6turn, 40%, 17%)",
    "hsv": b"hsv(210, 57%, 24%)",
    "hwb": b"hwb(210 10% 76%)",
    "cmyk": b"cmyk(57%, 28%, 0%, 76%)",
    "lab": b"lab(16.68 -2.85 -13.25)",
    "lch": b"lch(53.59 0 none)",
    "oklab": b"oklab(28.26% -0.0137 -0.03633 / 1)",
    "oklch": b"oklch(0.7 0.4 30)",
    "color": b"color(display-p3 1 0 0)",
    "xyz": b"color(xyz-d50 0.2 1e-1 .3)",
    "named": b"RebeccaPurple",
    "declaration": b"--brand: #1A2B3C !important;",
    "wide": "＃１Ａ２Ｂ３Ｃ".encode("utf-8"),
    "utf16": "rgb(26 43 60)".encode("utf-16-le"),
    "comment": b"rgb(/* */1+2+3)",
}

template_seeds = {
    "android": b"\x1a\x2b\x3c0xFF{r:X}{g:X}{b:X}",
    "dotnet": b"\x12\x34\x56Color.FromArgb({r}, {g}, {b})",
    "shader": b"\xff\x00\x80vec3({r:f}, {g:f2}, {b:f6})",
    "spaces": b"\x80\x80\x80{lch.l} {lch.c} {lch.h:3} {{}} {hsv.s:1} {cmyk.k}",
    "malformed": b"\x00\x00\x00{r:f7} {x}",
    "file": b"\xef\xbb\xbf// c\r\n{r}\r\n\xc3\n" + b"a" * 201 + b"\n{oklab.a:5}",
}


def write(folder, seeds):
    path = os.path.join(HERE, folder)
    os.makedirs(path, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(path, name), "wb") as f:
            f.write(data)


write("corpus", seeds)
write("corpus-lookups", lookup_seeds)
write("corpus-hex-text", hex_text_seeds)
write("corpus-colour-reader", colour_reader_seeds)
write("corpus-templates", template_seeds)
write("corpus-settings", settings_seeds)
