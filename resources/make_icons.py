#!/usr/bin/env python3
"""Draws the programs' icons and writes them as .ico files.

Every picture is a list of simple shapes on a 32 by 32 design grid, painted in order and
rasterised with 4 by 4 supersampling at each icon size, so the larger sizes used on high-DPI
screens stay sharp. Usage: make_icons.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys

SIZES = (16, 24, 32, 48, 64)
SAMPLES = 4

# Shapes: each answers whether a point of the 32-unit grid lies inside it.


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    return lambda x, y: r_inner * r_inner <= (x - cx) ** 2 + (y - cy) ** 2 <= r_outer * r_outer


def rect(x0, y0, x1, y1, radius=0.0):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        if radius <= 0:
            return True
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit

    return inside


def segment(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1.0
    half = width / 2.0

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half * half

    return inside


def sector(cx, cy, r, start_deg, sweep_deg):
    """A pie slice, angles clockwise from twelve o'clock."""

    def inside(x, y):
        if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
            return False
        angle = math.degrees(math.atan2(x - cx, cy - y)) % 360.0
        return (angle - start_deg) % 360.0 < sweep_deg

    return inside


# Colours (red, green, blue, alpha).
NAVY = (28, 58, 120, 255)
BLUE = (52, 110, 200, 255)
SKY = (150, 200, 245, 255)
WHITE = (255, 255, 255, 255)
PAPER = (250, 250, 244, 255)
INK = (40, 44, 52, 255)
GREY = (150, 154, 160, 255)
DARK_GREY = (92, 96, 104, 255)
LIGHT_GREY = (206, 208, 212, 255)
GREEN = (46, 170, 80, 255)
RED = (210, 60, 50, 255)
AMBER = (235, 170, 40, 255)


def program_icon():
    """A script page on a blue tile, with a green run mark."""
    return [
        (rect(1, 1, 31, 31, 5), NAVY),
        (rect(2, 2, 30, 30, 4), BLUE),
        (rect(7, 5, 23, 26, 1.5), PAPER),
        (segment(10, 10, 20, 10, 1.6), INK),
        (segment(10, 14, 20, 14, 1.6), INK),
        (segment(10, 18, 16, 18, 1.6), INK),
        (circle(22.5, 22.5, 7.5), WHITE),
        (circle(22.5, 22.5, 6.2), GREEN),
        (polygon([(20.2, 18.8), (20.2, 26.2), (26.5, 22.5)]), WHITE),
    ]


def clock_frame(frame):
    """Clock face whose hand has gone `frame` ninths of the way round."""
    shapes = [
        (circle(16, 16, 15), DARK_GREY),
        (circle(16, 16, 13.2), WHITE),
    ]
    if frame > 0:
        shapes.append((sector(16, 16, 12.6, 0, frame * 40.0), SKY))
    for hour in range(12):
        a = math.radians(hour * 30)
        inner = 10.2 if hour % 3 == 0 else 11.2
        shapes.append(
            (segment(16 + inner * math.sin(a), 16 - inner * math.cos(a),
                     16 + 12.4 * math.sin(a), 16 - 12.4 * math.cos(a),
                     1.6 if hour % 3 == 0 else 1.0), INK))
    a = math.radians(frame * 40.0)
    shapes.append((segment(16, 16, 16 + 10 * math.sin(a), 16 - 10 * math.cos(a), 2.0), RED))
    shapes.append((circle(16, 16, 1.8), INK))
    return shapes


def network_cable():
    return [
        (segment(16, 24, 16, 28.5, 2.0), INK),
        (segment(4, 28.5, 28, 28.5, 2.0), INK),
        (rect(13, 26.5, 19, 30.5, 1), AMBER),
    ]


def network_printer():
    return [
        (rect(9, 2, 23, 11, 0.5), PAPER),
        (rect(9, 2, 23, 3, 0), LIGHT_GREY),
        (rect(3, 9, 29, 21, 2), DARK_GREY),
        (rect(4, 10, 28, 20, 1.5), GREY),
        (rect(8, 16, 24, 23, 0.5), PAPER),
        (segment(10, 19, 22, 19, 1.0), LIGHT_GREY),
        (circle(25, 13, 1.2), GREEN),
    ] + network_cable()


def network_drive():
    return [
        (rect(3, 8, 29, 22, 2), DARK_GREY),
        (rect(4, 9, 28, 21, 1.5), LIGHT_GREY),
        (rect(6, 16, 21, 19, 0.5), GREY),
        (circle(25, 17.5, 1.5), GREEN),
        (segment(6, 12, 26, 12, 1.0), GREY),
    ] + network_cable()


def render(shapes, size):
    """RGBA rows, top row first."""
    scale = 32.0 / size
    rows = []
    step = 1.0 / SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) * step) * scale
                    y = (py + (sy + 0.5) * step) * scale
                    r = g = b = a = 0.0
                    for inside, colour in shapes:
                        if inside(x, y):
                            ca = colour[3] / 255.0
                            r = colour[0] * ca + r * (1 - ca)
                            g = colour[1] * ca + g * (1 - ca)
                            b = colour[2] * ca + b * (1 - ca)
                            a = ca + a * (1 - ca)
                    acc[0] += r
                    acc[1] += g
                    acc[2] += b
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha > 0:
                pixel = tuple(int(round(min(255.0, c / n / alpha))) for c in acc[:3])
            else:
                pixel = (0, 0, 0)
            row.append(pixel + (int(round(alpha * 255)),))
        rows.append(row)
    return rows


def ico_bytes(shapes):
    images = []
    for size in SIZES:
        rows = render(shapes, size)
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        pixels = bytearray()
        for row in reversed(rows):  # bottom-up
            for r, g, b, a in row:
                pixels += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytes(mask_stride * size)  # transparency comes from the alpha channel
        images.append((size, header + bytes(pixels) + mask))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        dim = size if size < 256 else 0
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icons.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    pictures = {"qvrun.ico": program_icon(), "netprinter.ico": network_printer(),
                "netdrive.ico": network_drive()}
    for frame in range(9):
        pictures["clock%d.ico" % frame] = clock_frame(frame)
    for name, shapes in pictures.items():
        path = os.path.join(folder, name)
        temp = path + ".tmp"
        with open(temp, "wb") as f:
            f.write(ico_bytes(shapes))
        os.replace(temp, path)


if __name__ == "__main__":
    main()
