#!/usr/bin/env python3
"""Writes command_bar_test.bmp: four 16 x 16 toolbar images side by side,
4 bits per pixel with the standard 16-colour palette, on a light grey
(index 7) background. Drawn for the command bar tests; no outside source."""
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, RED, YELLOW, BLUE, WHITE, FACE = 0, 8, 9, 11, 12, 15, 7
WIDTH, HEIGHT = 64, 16


def image(index, x, y):
    """Colour of pixel (x, y), y counted from the top, in image `index`."""
    if index == 0:  # a red square with a black frame
        if 2 <= x <= 13 and 2 <= y <= 13:
            return BLACK if x in (2, 13) or y in (2, 13) else RED
    elif index == 1:  # two overlapping white pages
        for left, top in ((2, 2), (6, 5)):
            if left <= x <= left + 7 and top <= y <= top + 9:
                return BLACK if x in (left, left + 7) or y in (top, top + 9) else WHITE
    elif index == 2:  # a blue diamond
        if abs(x - 7.5) + abs(y - 7.5) <= 6:
            return BLUE
    else:  # a yellow question mark with a black shadow
        mark = ["..####..", ".##..##.", ".....##.", "....##..", "...##...", "...##...", "........",
                "...##..."]
        for dx, dy, colour in ((0, 0, YELLOW), (1, 1, BLACK)):
            row, col = y - 4 - dy, x - 4 - dx
            if 0 <= row < 8 and 0 <= col < 8 and mark[row][col] == "#":
                return colour
    return FACE


def main(path):
    rows = []
    for y in reversed(range(HEIGHT)):  # bottom-up
        pixels = [image(x // 16, x % 16, y) for x in range(WIDTH)]
        rows.append(bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, WIDTH, 2)))
    data = b"".join(rows)  # 32 bytes a row: already a multiple of 4
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(data), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as out:
        out.write(header + info + palette + data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "command_bar_test.bmp")
