#!/usr/bin/env python3
"""Writes the program's icon (Mendwright.ico) and check-box strip (checkboxes.bmp).

Run from anywhere: python3 res/make_images.py. Standard library only.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
MAGENTA = (255, 0, 255)


def bmp_rows_24(pixels, width, height):
    """Bottom-up 24-bit rows, each padded to four bytes."""
    out = bytearray()
    pad = (4 - (width * 3) % 4) % 4
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = pixels[y][x]
            out += bytes((b, g, r))
        out += b"\0" * pad
    return bytes(out)


def tick_points(left, top):
    """The tick of a 13-pixel box: a short stroke down, a long one up."""
    points = []
    x, y = left + 2, top + 5
    for _ in range(3):
        points += [(x, y), (x, y + 1), (x, y + 2)]
        x, y = x + 1, y + 1
    y -= 2
    for _ in range(5):
        points += [(x, y), (x, y + 1), (x, y + 2)]
        x, y = x + 1, y - 1
    return points


def check_strip():
    """48 x 16: blank, empty box, box with a green tick, on magenta."""
    width, height = 48, 16
    px = [[MAGENTA] * width for _ in range(height)]
    for image in (1, 2):
        left, top = image * 16 + 1, 1
        for y in range(top, top + 14):
            for x in range(left, left + 14):
                edge = x in (left, left + 13) or y in (top, top + 13)
                px[y][x] = (128, 128, 128) if edge else (255, 255, 255)
        if image == 2:
            for x, y in tick_points(left, top):
                px[y][x] = (0, 160, 0)
    data = bmp_rows_24(px, width, height)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def icon_image(size):
    """A blue tile with a white tick, as a 32-bit icon image with its AND mask."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    margin = size // 16
    for y in range(margin, size - margin):
        for x in range(margin, size - margin):
            px[y][x] = (30, 80, 170, 255)
    scale = size / 16.0
    for x0, y0 in tick_points(0, 0):
        for dy in range(int(scale)):
            for dx in range(int(scale)):
                x, y = int(x0 * scale + 1) + dx, int(y0 * scale) + dy
                if margin <= x < size - margin and margin <= y < size - margin:
                    px[y][x] = (255, 255, 255, 255)
    xor = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = px[y][x]
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(mask_stride)
        for x in range(size):
            if px[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def icon_file():
    images = [icon_image(32), icon_image(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


if __name__ == "__main__":
    with open(os.path.join(HERE, "checkboxes.bmp"), "wb") as f:
        f.write(check_strip())
    with open(os.path.join(HERE, "Mendwright.ico"), "wb") as f:
        f.write(icon_file())
