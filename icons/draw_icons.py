#!/usr/bin/env python3
"""Draws the converter's icon as two 16-colour PNG images, and the Windows
icon file that holds the same two images as 4-bit bitmaps.

A black square with a white edge and a one-pixel trace of a signal that
rises and falls: 32x32 with the edge along the top and left and a bright
green trace, 16x16 with the edge on all four sides and a yellow trace.

For the desktop's larger sizes the 32x32 design is drawn again at 64, 128
and 256 pixels, in the same sixteen colours: the edge and the trace one
design pixel thick, the trace drawn anew at the full resolution so that it
stays a crisp unbroken line, not an upscaled staircase. The same design
also goes into a scalable SVG.
The page's web app takes the same design at 192 and 512 pixels, and a
maskable 512 one: the design drawn at five eighths of the size in the middle
of a black square, inside the circle a launcher may cut it to.
Run it again after changing the art; the images are kept in the repository.
"""
import math
import struct
import zlib

# The sixteen colours of the classic 4-bit palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, LIME, YELLOW, WHITE = 0, 10, 11, 15


def line(pixels, x0, y0, x1, y1, colour):
    """Bresenham's line, so the trace stays one pixel thin and unbroken."""
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
    err = dx + dy
    while True:
        pixels[y0][x0] = colour
        if (x0, y0) == (x1, y1):
            return
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def trace_points(size):
    """One and a half periods of a sine between the edges, a point a pixel."""
    left, right = 2 * size / 32, size - 3 * size / 32
    middle, amplitude = size / 2, size * 0.3
    for x in range(round(left), round(right) + 1):
        phase = (x - left) / (right - left) * 3 * math.pi
        yield x, round(middle - amplitude * math.sin(phase))


def draw_large(size):
    """The 32x32 design at a multiple of its size, every line as thick as
    one of its pixels."""
    thick = size // 32
    pixels = [[BLACK] * size for _ in range(size)]
    for i in range(size):
        for t in range(thick):
            pixels[t][i] = pixels[i][t] = WHITE
    brush = [[LIME] * thick for _ in range(thick)]
    trace = [[None] * size for _ in range(size)]
    previous = None
    for point in trace_points(size):
        if previous:
            line(trace, *previous, *point, LIME)
        previous = point
    for y in range(size):
        for x in range(size):
            if trace[y][x] is not None:
                for dy, row in enumerate(brush):
                    for dx, colour in enumerate(row):
                        py, px = y - thick // 2 + dy, x - thick // 2 + dx
                        if thick <= py < size and thick <= px < size:
                            pixels[py][px] = colour
    return pixels


def draw_maskable(size):
    """The large design in the middle of a black square of this size."""
    inner = size * 5 // 8
    offset = (size - inner) // 2
    pixels = [[BLACK] * size for _ in range(size)]
    for y, row in enumerate(draw_large(inner)):
        pixels[offset + y][offset:offset + inner] = row
    return pixels


def write_svg(path):
    """The 32x32 design as vectors, on a 32-unit grid."""
    points = " ".join(f"{x + 0.5},{y + 0.5}" for x, y in trace_points(32))
    with open(path, "w") as out:
        out.write(
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 32 32" shape-rendering="crispEdges">\n'
            '  <rect width="32" height="32" fill="#000000"/>\n'
            '  <rect width="32" height="1" fill="#ffffff"/>\n'
            '  <rect width="1" height="32" fill="#ffffff"/>\n'
            f'  <polyline points="{points}" fill="none" stroke="#00ff00" stroke-width="1" '
            'stroke-linejoin="round" shape-rendering="geometricPrecision"/>\n'
            "</svg>\n")


def draw(size, edges, trace_colour):
    pixels = [[BLACK] * size for _ in range(size)]
    last = size - 1
    for i in range(size):
        if "top" in edges:
            pixels[0][i] = WHITE
        if "bottom" in edges:
            pixels[last][i] = WHITE
        if "left" in edges:
            pixels[i][0] = WHITE
        if "right" in edges:
            pixels[i][last] = WHITE
    # One and a half periods of a sine between the edges.
    left, right = 2, size - 3
    middle, amplitude = size / 2, size * 0.3
    previous = None
    for x in range(left, right + 1):
        phase = (x - left) / (right - left) * 3 * math.pi
        point = (x, round(middle - amplitude * math.sin(phase)))
        if previous:
            line(pixels, *previous, *point, trace_colour)
        previous = point
    return pixels


def write_png(path, pixels):
    size = len(pixels)
    rows = b""
    for row in pixels:
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2))
        rows += b"\x00" + packed

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(colour) for colour in PALETTE)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"PLTE", palette))
        out.write(chunk(b"IDAT", zlib.compress(rows, 9)))
        out.write(chunk(b"IEND", b""))


def bitmap_entry(pixels):
    """One image of an icon file: a 4-bit bitmap, bottom row first, followed
    by an all-opaque 1-bit mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    colour_row = (size // 2 + 3) // 4 * 4
    mask_row = (size // 8 + 3) // 4 * 4
    colours = b""
    for row in reversed(pixels):
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2))
        colours += packed.ljust(colour_row, b"\0")
    mask = b"\0" * (mask_row * size)
    return header + palette + colours + mask


def write_ico(path, images):
    entries = [bitmap_entry(pixels) for pixels in images]
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for pixels, data in zip(images, entries):
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + b"".join(entries))


if __name__ == "__main__":
    large = draw(32, {"top", "left"}, LIME)
    small = draw(16, {"top", "left", "bottom", "right"}, YELLOW)
    write_png("level-converter-32.png", large)
    write_png("level-converter-16.png", small)
    write_ico("level-converter.ico", [large, small])
    for size in (64, 128, 192, 256, 512):
        write_png(f"level-converter-{size}.png", draw_large(size))
    write_png("level-converter-maskable-512.png", draw_maskable(512))
    write_svg("level-converter.svg")
