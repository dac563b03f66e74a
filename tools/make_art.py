#!/usr/bin/env python3
"""Writes the toolbar bitmap and the application icon from the pixel maps in res/art.

    python3 tools/make_art.py            # writes res/toolbar.bmp and res/navoroLauncher.ico

Each pixel map is a text file with one character per pixel (legend in the
files and in PALETTE below); lines starting with '#' are comments. The
generated files are checked in, so a build needs no Python.

Toolbar bitmap: 64x16, 4 bits per pixel, uncompressed, the four 16x16 button
images side by side. Icon: a 32x32 and a 16x16 image, 16 colours each, with
a transparency mask ('-' pixels).
"""

import struct
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ART = ROOT / "res" / "art"

# The standard 16-colour palette in index order, with the map character of each colour.
PALETTE = [
    ("K", (0x00, 0x00, 0x00)),  # black
    ("r", (0x80, 0x00, 0x00)),  # dark red
    ("g", (0x00, 0x80, 0x00)),  # dark green
    ("o", (0x80, 0x80, 0x00)),  # olive
    ("n", (0x00, 0x00, 0x80)),  # navy
    ("p", (0x80, 0x00, 0x80)),  # purple
    ("t", (0x00, 0x80, 0x80)),  # teal
    (".", (0xC0, 0xC0, 0xC0)),  # light grey
    ("G", (0x80, 0x80, 0x80)),  # grey
    ("R", (0xFF, 0x00, 0x00)),  # red
    ("L", (0x00, 0xFF, 0x00)),  # green
    ("Y", (0xFF, 0xFF, 0x00)),  # yellow
    ("B", (0x00, 0x00, 0xFF)),  # blue
    ("M", (0xFF, 0x00, 0xFF)),  # magenta
    ("C", (0x00, 0xFF, 0xFF)),  # cyan
    ("W", (0xFF, 0xFF, 0xFF)),  # white
]
INDEX = {char: i for i, (char, _) in enumerate(PALETTE)}
TRANSPARENT = "-"

TOOLBAR_IMAGES = ["cut.txt", "copy.txt", "paste.txt", "about.txt"]  # button order
ICON_IMAGES = ["icon32.txt", "icon16.txt"]  # order of the icon directory


def read_map(name, size, allow_transparent):
    """The rows of one pixel map, checked for size and characters."""
    path = ART / name
    rows = [line.rstrip("\n") for line in path.read_text(encoding="ascii").splitlines()]
    rows = [row for row in rows if row and not row.startswith("#")]
    if len(rows) != size or any(len(row) != size for row in rows):
        sys.exit(f"{path}: expected {size} rows of {size} characters")
    allowed = set(INDEX) | ({TRANSPARENT} if allow_transparent else set())
    for y, row in enumerate(rows):
        for x, char in enumerate(row):
            if char not in allowed:
                sys.exit(f"{path}:{y + 1}:{x + 1}: unknown pixel character {char!r}")
    return rows


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)


def pack_4bpp(rows):
    """Bottom-up 4-bit rows, each padded to a multiple of 4 bytes; '-' becomes black."""
    out = bytearray()
    for row in reversed(rows):
        indices = [INDEX.get(char, 0) for char in row]
        line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        out += line + b"\0" * (-len(line) % 4)
    return bytes(out)


def pack_mask(rows):
    """Bottom-up 1-bit AND mask: 1 where the pixel is transparent."""
    out = bytearray()
    for row in reversed(rows):
        bits = 0
        for char in row:
            bits = (bits << 1) | (char == TRANSPARENT)
        line = bits.to_bytes(len(row) // 8, "big")
        out += line + b"\0" * (-len(line) % 4)
    return bytes(out)


def info_header(width, height, image_size):
    # BITMAPINFOHEADER: 4 bits per pixel, uncompressed, all 16 palette entries.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 0, 0)


def make_toolbar():
    images = [read_map(name, 16, False) for name in TOOLBAR_IMAGES]
    rows = ["".join(image[y] for image in images) for y in range(16)]
    pixels = pack_4bpp(rows)
    dib = info_header(len(rows[0]), len(rows), len(pixels)) + palette_bytes() + pixels
    offset = 14 + 40 + 16 * 4
    return struct.pack("<2sIHHI", b"BM", 14 + len(dib), 0, 0, offset) + dib


def make_icon():
    images = []
    for name, size in zip(ICON_IMAGES, (32, 16)):
        rows = read_map(name, size, True)
        xor, mask = pack_4bpp(rows), pack_mask(rows)
        # An icon image stores colour and mask one above the other: twice the height.
        images.append((size, info_header(size, 2 * size, len(xor) + len(mask)) + palette_bytes() + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    (ROOT / "res" / "toolbar.bmp").write_bytes(make_toolbar())
    (ROOT / "res" / "navoroLauncher.ico").write_bytes(make_icon())


if __name__ == "__main__":
    main()
