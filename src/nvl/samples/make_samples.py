#!/usr/bin/env python3
"""Draws the two built-in sample pictures of the NV logo tool as Windows bitmaps.

nvlogo.bmp   167 x 49, 8 bits per pixel (the NV logo window's picture)
mainlogo.bmp 133 x 39, 24 bits per pixel (the main window's hidden picture)

Both are our own drawing: a frame, a disc, a ramp of shades and stripes, so every colour band of the
dot test appears. Run it from this folder to regenerate them.
"""
import struct


def bitmap(width, height, bits, palette, rows):
    """rows: bottom-up list of row byte strings without padding."""
    stride = (width * bits + 31) // 32 * 4
    pixels = b"".join(row + b"\0" * (stride - len(row)) for row in rows)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       len(palette), 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def shade(x, y, width, height):
    """The drawing, as a colour (r, g, b) at (x, y), y from the top."""
    if x < 2 or y < 2 or x >= width - 2 or y >= height - 2:
        return (0, 0, 0)  # frame
    cx, cy, radius = height // 2, height // 2, height // 2 - 5
    if (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2:
        return (200, 30, 30) if (x + y) % 6 < 3 else (20, 20, 120)  # disc
    if x > height and y < height // 2 - 2:
        level = 255 * (x - height) // (width - height)  # grey ramp
        return (level, level, level)
    if x > height and y > height // 2 + 2:
        return (0, 160, 255) if (x // 6) % 2 else (255, 240, 0)  # stripes
    return (255, 255, 255)


def palette8():
    colours = [(v, v, v) for v in range(0, 256, 2)]  # 128 greys
    colours += [(200, 30, 30), (20, 20, 120), (0, 160, 255), (255, 240, 0), (255, 255, 255)]
    return colours + [(0, 0, 0)] * (256 - len(colours))


def nearest(colours, colour):
    return min(range(len(colours)), key=lambda i: sum((a - b) ** 2 for a, b in zip(colours[i], colour)))


def main():
    width, height = 167, 49
    colours = palette8()
    rows = [bytes(nearest(colours, shade(x, y, width, height)) for x in range(width))
            for y in reversed(range(height))]
    with open("nvlogo.bmp", "wb") as out:
        out.write(bitmap(width, height, 8, colours, rows))

    width, height = 133, 39
    rows = []
    for y in reversed(range(height)):
        row = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in
                       (shade(x, y, width, height) for x in range(width)))
        rows.append(row)
    with open("mainlogo.bmp", "wb") as out:
        out.write(bitmap(width, height, 24, [], rows))


if __name__ == "__main__":
    main()
