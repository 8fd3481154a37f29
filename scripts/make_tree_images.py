#!/usr/bin/env python3
"""Draws the editor's menu-tree images (bitmap 5330: 15 images of 16 x 16,
mask colour magenta) and the section tabs' images (bitmap 5341: 6 images,
mask colour light grey) into resources/editor/icons/ as 24-bit BMP files.
The files are committed; run this again only to change them."""
import os
import struct

MAGENTA = (255, 0, 255)
GREY = (192, 192, 192)
INK = (0, 0, 0)
PAPER = (255, 255, 255)
FOLDER = (240, 200, 40)
BLUE = (40, 80, 200)
RED = (200, 40, 40)
GREEN = (30, 140, 60)


def menu(colour, arrow_left):
    # a menu card with three lines and an arrow naming its mouse button
    shapes = [(3, 2, 13, 14, INK), (4, 3, 12, 13, PAPER), (5, 5, 11, 6, colour),
              (5, 8, 11, 9, colour), (5, 11, 11, 12, colour)]
    x = 0 if arrow_left else 13
    shapes.append((x, 6, x + 3, 10, colour))
    return shapes


def gear(colour):
    return [(5, 2, 11, 14, colour), (2, 5, 14, 11, colour), (6, 6, 10, 10, PAPER)]


IMAGES = [
    menu(BLUE, True),                                   # 0 left menu
    gear(GREEN),                                        # 1 options
    [(1, 3, 15, 13, INK), (2, 4, 14, 12, PAPER), (10, 8, 13, 11, BLUE)],  # 2 tray
    menu(RED, False),                                   # 3 right menu (tab)
    gear(RED),                                          # 4 right menu options
    gear(BLUE),                                         # 5 left menu options
    [(4, 4, 12, 12, GREEN)],                            # 6
    [(3, 1, 13, 15, INK), (4, 2, 12, 14, PAPER), (6, 5, 10, 6, INK), (6, 8, 10, 9, INK)],  # 7 command
    [(1, 4, 7, 6, FOLDER), (1, 5, 15, 14, INK), (2, 6, 14, 13, FOLDER)],  # 8 group
    [(1, 7, 15, 9, INK)],                               # 9 separator
    [(4, 4, 12, 12, BLUE)],                             # 10
    [(2, 2, 14, 5, INK), (7, 2, 10, 14, INK)],          # 11 title
    [(4, 4, 12, 12, RED)],                              # 12
    menu(RED, False),                                   # 13 right menu
    [(4, 4, 12, 12, INK)],                              # 14
]
TABS = [IMAGES[1], IMAGES[2], IMAGES[8], menu(RED, False), menu(BLUE, True), gear(GREEN)]


def write_bmp(path, images, background):
    width, height = 16 * len(images), 16
    pixels = [[background] * width for _ in range(height)]
    for n, shapes in enumerate(images):
        for x0, y0, x1, y1, colour in shapes:
            for y in range(y0, y1):
                for x in range(x0, x1):
                    pixels[y][16 * n + x] = colour
    row_size = (width * 3 + 3) // 4 * 4
    data = b""
    for row in reversed(pixels):
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
        data += line + b"\0" * (row_size - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "editor", "icons")
write_bmp(os.path.join(out, "menu_tree.bmp"), IMAGES, MAGENTA)
write_bmp(os.path.join(out, "section_tabs.bmp"), TABS, GREY)
