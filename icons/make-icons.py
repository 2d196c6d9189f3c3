#!/usr/bin/env python3
"""Draws the program's icon as two 16-colour indexed PNGs (4 bits a pixel):
quorrel-32.png and quorrel-16.png. A tile of keyword codes in rows: the
repeated pair in blue and orange, the rest masked grey but for one red
exception, the way a run reads its data. Run it again after changing the art."""

import struct
import zlib

PALETTE = [  # index 0 is transparent
    (0, 0, 0), (0x1F, 0x3B, 0x5C), (0xFF, 0xFF, 0xFF), (0xE8, 0xEE, 0xF5),
    (0xB8, 0xC4, 0xD0), (0x2F, 0x6F, 0xD0), (0x8D, 0xB4, 0xEC), (0xE8, 0x89, 0x2A),
    (0xF6, 0xC4, 0x8A), (0x3F, 0xA3, 0x4D), (0x9D, 0xD7, 0xA5), (0xC8, 0x37, 0x2D),
    (0xEE, 0x9A, 0x92), (0x5A, 0x66, 0x72), (0x9A, 0xA6, 0xB2), (0xD0, 0xD8, 0xE0),
]
CLEAR, OUTLINE, WHITE, PAPER, RULE, BLUE, LIGHT_BLUE, ORANGE, LIGHT_ORANGE, GREEN, LIGHT_GREEN, RED, LIGHT_RED, \
    GREY, LIGHT_GREY, PALE = range(16)

# Each code: its colour and the lighter colour of its top edge.
CODES = {"B": (BLUE, LIGHT_BLUE), "O": (ORANGE, LIGHT_ORANGE), "G": (GREEN, LIGHT_GREEN),
         "R": (RED, LIGHT_RED), "*": (LIGHT_GREY, PALE)}


def tile(size, rows, block, gap, margin):
    pixels = [[CLEAR] * size for _ in range(size)]
    last = size - 1
    for y in range(size):
        for x in range(size):
            corner = (x in (0, last)) and (y in (0, last))
            if corner:
                continue
            edge = x in (0, last) or y in (0, last)
            pixels[y][x] = OUTLINE if edge else PAPER
    width, height = block
    for r, row in enumerate(rows):
        top = margin + r * (height + gap)
        for c, code in enumerate(row):
            left = margin + c * (width + gap)
            colour, light = CODES[code]
            for y in range(top, top + height):
                for x in range(left, left + width):
                    pixels[y][x] = light if y == top else colour
    return pixels


def png(pixels, path):
    size = len(pixels)
    raw = b""
    for row in pixels:
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, size, 2))
        raw += b"\x00" + packed

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(rgb) for rgb in PALETTE)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"PLTE", palette))
        out.write(chunk(b"tRNS", b"\x00"))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


png(tile(32, ["BOBO", "BOBO", "**R*", "BOG*"], (5, 5), 2, 3), "quorrel-32.png")
png(tile(16, ["BOB", "BO*", "*R*"], (3, 3), 1, 2), "quorrel-16.png")
