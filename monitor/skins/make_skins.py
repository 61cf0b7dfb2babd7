#!/usr/bin/env python3
"""Draws the further skins of the monitor and writes them in the installer's
setup form: <name>.bm0 (a 24-bit bitmap) and <name>.xs0 (the descriptor,
naming the bitmap by its installed name <name>.bmp). Run it from anywhere;
the files land beside this script."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bmp(path, width, height, pixel):
    row_bytes = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_descriptor(path, pairs):
    with open(path, "wb") as f:
        for key, value in pairs:
            f.write(f"{key}={value}\r\n".encode("latin-1"))


def slate(x, y):
    """A slate-grey plate with rounded corners and a lighter inset."""
    w, h, r = 176, 84, 14
    def inside(px, py, x0, y0, x1, y1, rad):
        cx = min(max(px, x0 + rad), x1 - rad)
        cy = min(max(py, y0 + rad), y1 - rad)
        return (px - cx) ** 2 + (py - cy) ** 2 <= rad * rad
    if not inside(x, y, 0, 0, w - 1, h - 1, r):
        return (255, 0, 255)  # key colour, same as the corner pixel
    if not inside(x, y, 3, 3, w - 4, h - 4, r - 3):
        return (52, 60, 70)
    if 6 <= x <= 73 and 11 <= y <= 72:
        return (200, 212, 222)  # behind the mini graph
    return (120, 136, 150) if (x + y) % 7 else (112, 128, 142)


def mint(x, y):
    """A mint-green octagon with a darker border."""
    w, h, cut = 112, 120, 30
    def inside(px, py, m):
        if px < m or py < m or px > w - 1 - m or py > h - 1 - m:
            return False
        d = cut - m
        return (px - m) + (py - m) >= d and (w - 1 - m - px) + (py - m) >= d and \
               (px - m) + (h - 1 - m - py) >= d and (w - 1 - m - px) + (h - 1 - m - py) >= d
    if not inside(x, y, 0):
        return (0, 0, 0)
    if not inside(x, y, 4):
        return (20, 90, 60)
    if 22 <= x <= 89 and 12 <= y <= 68:
        return (236, 250, 240)
    return (160, 220, 185)


SKINS = {
    "ardoise": (176, 84, slate, [
        ("DLLabelX", 170), ("DLLabelY", 44), ("DLLabelFont", "DejaVu Sans"), ("DLLabelFontsize", 8),
        ("ULLabelX", 170), ("ULLabelY", 26), ("ULLabelFont", "DejaVu Sans"), ("ULLabelFontsize", 8),
        ("SetLabelX", 140), ("SetLabelY", 62), ("SetLabelFont", "DejaVu Sans"), ("SetLabelFontsize", 7),
        ("GraphX", 10), ("GraphY", 17),
        ("ColorR", 20), ("ColorG", 30), ("ColorB", 45),
        ("SkinBitmapFile", "ardoise.bmp"),
    ]),
    "menthe": (112, 120, mint, [
        ("DLLabelX", 96), ("DLLabelY", 86), ("DLLabelFont", "DejaVu Sans"), ("DLLabelFontsize", 8),
        ("ULLabelX", 96), ("ULLabelY", 73), ("ULLabelFont", "DejaVu Sans"), ("ULLabelFontsize", 8),
        ("SetLabelX", 56), ("SetLabelY", 100), ("SetLabelFont", "DejaVu Sans"), ("SetLabelFontsize", 7),
        ("GraphX", 26), ("GraphY", 16),
        ("ColorR", 10), ("ColorG", 80), ("ColorB", 50),
        ("SkinBitmapFile", "menthe.bmp"),
    ]),
}

if __name__ == "__main__":
    for name, (w, h, pixel, pairs) in SKINS.items():
        write_bmp(os.path.join(HERE, name + ".bm0"), w, h, pixel)
        write_descriptor(os.path.join(HERE, name + ".xs0"), pairs)
