#!/usr/bin/env python3
"""Draws velorin's pictures and writes them in the formats the resource compiler takes.

    python3 res/make-images.py [OUTDIR]      (default: the folder of this script)

background.bmp  30 x 147, 24 bits: the window background, a vertical gradient from
                (249, 250, 253) in the top row to (211, 222, 241) in the bottom row.
velorin.ico     39 x 34, 24 bits: the window icon, a blue bus seen from the side.
about.ico       129 x 45, 256 colours: the picture at the top of the help window.

The output is the same on every run, so the files in the repository can be compared with a
fresh run.
"""
import os
import struct
import sys

from PIL import Image, ImageDraw

TOP = (249, 250, 253)
BOTTOM = (211, 222, 241)


def gradient_row(y, height):
    """Colour of row y: an even blend from TOP to BOTTOM, rounded to whole units."""
    return tuple(round(a + (b - a) * y / (height - 1)) for a, b in zip(TOP, BOTTOM))


def background():
    width, height = 30, 147
    image = Image.new("RGB", (width, height))
    for y in range(height):
        for x in range(width):
            image.putpixel((x, y), gradient_row(y, height))
    return image


def draw_bus(draw, left, top, width, height, body, window, wheel):
    """A side view of a bus filling the box (left, top, width, height)."""
    right, bottom = left + width - 1, top + height - 1
    wheel_r = max(2, height // 6)
    body_bottom = bottom - wheel_r
    draw.rounded_rectangle([left, top, right, body_bottom], radius=max(2, height // 6),
                           fill=body, outline=(20, 50, 110))
    # a row of passenger windows and the driver's window at the front (right)
    win_top = top + max(2, height // 7)
    win_bottom = top + (body_bottom - top) // 2 + 1
    count = max(2, width // 9)
    step = (width - 6) / count
    for i in range(count):
        x0 = left + 3 + round(i * step)
        x1 = left + 3 + round((i + 1) * step) - 2
        draw.rectangle([x0, win_top, x1, win_bottom], fill=window)
    # a stripe under the windows
    draw.rectangle([left + 1, win_bottom + 2, right - 1, win_bottom + 3], fill=(255, 255, 255))
    for cx in (left + width // 4, right - width // 4):
        draw.ellipse([cx - wheel_r, bottom - 2 * wheel_r, cx + wheel_r, bottom], fill=wheel,
                     outline=(10, 10, 10))
        draw.ellipse([cx - 1, bottom - wheel_r - 1, cx + 1, bottom - wheel_r + 1],
                     fill=(200, 200, 200))


def window_icon():
    image = Image.new("RGB", (39, 34), TOP)
    draw = ImageDraw.Draw(image)
    draw_bus(draw, 1, 4, 37, 28, body=(46, 104, 196), window=(214, 234, 252), wheel=(40, 40, 40))
    return image


def about_picture():
    width, height = 129, 45
    image = Image.new("RGB", (width, height))
    for y in range(height):
        for x in range(width):
            image.putpixel((x, y), gradient_row(y, height))
    draw = ImageDraw.Draw(image)
    # a road with its centre line
    draw.rectangle([0, 38, width - 1, height - 1], fill=(120, 128, 140))
    for x in range(2, width, 12):
        draw.rectangle([x, 41, x + 5, 41], fill=(250, 250, 250))
    # a bus stop sign on the left
    draw.rectangle([12, 10, 13, 37], fill=(90, 90, 90))
    draw.ellipse([6, 4, 19, 17], fill=(0, 0, 155), outline=(255, 255, 255))
    draw.rectangle([10, 8, 15, 13], fill=(255, 255, 255))
    # the bus arriving at the stop, and a timetable grid behind it
    for i in range(5):
        y = 8 + i * 5
        draw.rectangle([92, y, 124, y + 2], fill=(155, 186, 236))
    draw_bus(draw, 26, 12, 62, 28, body=(46, 104, 196), window=(214, 234, 252),
             wheel=(40, 40, 40))
    return image.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)


def bmp_rows(image, bits):
    """Pixel rows bottom-up, each padded to 4 bytes, in BMP order (BGR or palette index)."""
    width, height = image.size
    rows = []
    for y in reversed(range(height)):
        if bits == 24:
            row = bytearray()
            for x in range(width):
                r, g, b = image.getpixel((x, y))
                row += bytes((b, g, r))
        else:
            row = bytearray(image.getpixel((x, y)) for x in range(width))
        row += b"\0" * (-len(row) % 4)
        rows.append(bytes(row))
    return b"".join(rows)


def palette_bytes(image):
    palette = image.getpalette()[: 256 * 3]
    palette += [0] * (256 * 3 - len(palette))
    return b"".join(bytes((palette[i + 2], palette[i + 1], palette[i], 0))
                    for i in range(0, 256 * 3, 3))


def info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835,
                       colours, 0)


def write_bmp(path, image):
    pixels = bmp_rows(image, 24)
    header = info_header(image.width, image.height, 24, len(pixels), 0)
    offset = 14 + len(header)
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset))
        out.write(header + pixels)


def write_ico(path, image, bits):
    width, height = image.size
    pixels = bmp_rows(image, bits)
    palette = palette_bytes(image) if bits == 8 else b""
    mask_row = (width + 31) // 32 * 4
    mask = b"\0" * (mask_row * height)  # every pixel opaque
    header = info_header(width, height * 2, bits, len(pixels) + len(mask), 256 if bits == 8 else 0)
    data = header + palette + pixels + mask
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, 1))
        out.write(struct.pack("<BBBBHHII", width, height, 0 if bits == 24 else 0, 0, 1, bits,
                              len(data), 6 + 16))
        out.write(data)


def main():
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(outdir, "background.bmp"), background())
    write_ico(os.path.join(outdir, "velorin.ico"), window_icon(), 24)
    write_ico(os.path.join(outdir, "about.ico"), about_picture(), 8)


if __name__ == "__main__":
    main()
