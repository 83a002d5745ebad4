#!/usr/bin/env python3
"""Draws the program's pictures as Windows BMP files.

The court, digit, button and ball pictures are drawn here pixel by pixel and
written as 8-bit (or 1-bit) indexed BMPs with their colour tables. The
wallpaper (logo.bmp) and the default team logo (default.bmp) need lettering,
so ImageMagick's `convert` draws those and reduces them to 8-bit palette BMPs.

The wallpaper carries the program's names and version, which the build
passes in: cmake --build build --target pictures (or, by hand, python3
make-pictures.py --title TITLE --short-title SHORT --version VERSION). The
results are committed, so building the program never needs this script.
"""

import argparse
import math
import os
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))


# --- BMP writing ---------------------------------------------------------

def write_bmp(path, pixels, palette, bits=8):
    """pixels: rows (top first) of palette indices; palette: (r, g, b) list."""
    height = len(pixels)
    width = len(pixels[0])
    colours = 1 << bits
    table = list(palette) + [(0, 0, 0)] * (colours - len(palette))
    row_bytes = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        packed = bytearray()
        if bits == 8:
            packed.extend(row)
        else:
            for start in range(0, width, 8):
                byte = 0
                for bit, value in enumerate(row[start:start + 8]):
                    byte |= (value & 1) << (7 - bit)
                packed.append(byte)
        packed.extend(b"\0" * (row_bytes - len(packed)))
        data.extend(packed)
    table_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in table)
    offset = 14 + 40 + len(table_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835, colours, 0)
    with open(path, "wb") as out:
        out.write(header + info + table_bytes + bytes(data))


def canvas(width, height, index):
    return [[index] * width for _ in range(height)]


def fill_rect(pix, x0, y0, x1, y1, index):
    """Fills columns x0..x1 and rows y0..y1, inclusive."""
    for y in range(max(y0, 0), min(y1, len(pix) - 1) + 1):
        for x in range(max(x0, 0), min(x1, len(pix[0]) - 1) + 1):
            pix[y][x] = index


# --- Court ----------------------------------------------------------------
# The court of the shot spots and the shot chart is drawn by the program at
# any size; the console's court behind its buttons is a picture.

FLOOR, LINE, PAINT, APRON, RIM, BOARD = range(6)
COURT_PALETTE = [
    (236, 204, 150),  # floor: light maple
    (64, 36, 16),     # lines
    (214, 150, 96),   # painted lane
    (40, 92, 56),     # out of bounds
    (232, 96, 24),    # rim
    (250, 250, 250),  # backboard
]

# Console court, 236 x 160: a full court lying on its side, stretched to
# the console's proportions; the home team attacks to the left.
def console_court():
    width, height = 236, 160
    pix = canvas(width, height, APRON)
    left, right, top, bottom = 3, 232, 3, 156
    sx = (right - left) / 94.0
    sy = (bottom - top) / 50.0
    mid_x = (left + right) / 2.0
    mid_y = (top + bottom) / 2.0
    for y in range(height):
        for x in range(width):
            if x < left or x > right or y < top or y > bottom:
                continue
            if x in (left, right) or y in (top, bottom) or abs(x - mid_x) <= 0.5:
                pix[y][x] = LINE
                continue
            fx = (x - left) / sx           # feet from the left end line
            if fx > 47.0:
                fx = 94.0 - fx
            fy = (y - mid_y) / sy          # feet across from the middle
            ring = lambda cx, cy, r: abs(math.hypot((x - cx) / sx, (y - cy) / sy) - r) <= 0.6 / min(sx, sy)
            colour = FLOOR
            if abs(fy) < 6.0 and fx < 19.0:
                colour = PAINT
            if (abs(abs(fy) - 6.0) <= 0.5 / sy and fx <= 19.0) or (abs(fx - 19.0) <= 0.5 / sx and abs(fy) <= 6.0):
                colour = LINE
            if abs(x - mid_x) < 6.5 * sx and ring(mid_x, mid_y, 6.0):
                colour = LINE
            basket_x = 5.25
            if fx >= 19.0 and abs(math.hypot(fx - 19.0, fy) - 6.0) <= 0.6 / min(sx, sy):
                colour = LINE
            if fx >= basket_x and abs(math.hypot(fx - basket_x, fy) - 19.75) <= 0.6 / min(sx, sy):
                colour = LINE
            if fx < basket_x and abs(abs(fy) - 19.75) <= 0.5 / sy:
                colour = LINE
            if abs(fx - 4.0) <= 0.5 / sx and abs(fy) <= 3.0:
                colour = LINE
            if math.hypot(fx - basket_x, fy) <= 0.85:
                colour = RIM
            pix[y][x] = colour
    return pix


# --- Score digits, 20 x 36, red seven-segment on black -------------------

DIGIT_PALETTE = [(0, 0, 0), (72, 0, 0), (255, 24, 24)]
SEGMENTS = {
    0: "abcdef", 1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc",
    5: "afgcd", 6: "afgedc", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}


def digit(value):
    pix = canvas(20, 36, 0)
    t = 3  # segment thickness

    def horizontal(y, lit):
        for i in range(t):
            inset = abs(i - t // 2)
            fill_rect(pix, 4 + inset, y + i, 15 - inset, y + i, 2 if lit else 1)

    def vertical(x, y0, y1, lit):
        for i in range(t):
            inset = abs(i - t // 2)
            fill_rect(pix, x + i, y0 + inset, x + i, y1 - inset, 2 if lit else 1)

    on = SEGMENTS[value]
    horizontal(2, "a" in on)
    horizontal(16, "g" in on)
    horizontal(31, "d" in on)
    vertical(16, 4, 17, "b" in on)
    vertical(16, 18, 31, "c" in on)
    vertical(1, 4, 17, "f" in on)
    vertical(1, 18, 31, "e" in on)
    return pix


# --- Rotate button, 22 x 19: a circular arrow on a button face -----------

def rotate_button():
    face, dark, arrow, light = 0, 1, 2, 3
    pix = canvas(22, 19, face)
    cx, cy, r = 10.5, 9.5, 5.5
    for y in range(19):
        for x in range(22):
            d = math.hypot(x - cx, y - cy)
            angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
            # Three quarters of a ring, open at the upper right.
            if abs(d - r) <= 0.9 and not (270 < angle < 350):
                pix[y][x] = arrow
    # Arrowhead at the open end, pointing clockwise (to the right).
    tip_x, tip_y = 15, 4
    for row in range(5):
        fill_rect(pix, tip_x - 4 + row, tip_y - 2 + row, tip_x - 4 + row, tip_y + 2 - row + 2, arrow)
    # Raised button edges.
    fill_rect(pix, 0, 0, 21, 0, light)
    fill_rect(pix, 0, 0, 0, 18, light)
    fill_rect(pix, 0, 18, 21, 18, dark)
    fill_rect(pix, 21, 0, 21, 18, dark)
    return pix, [(212, 208, 200), (64, 64, 64), (0, 0, 160), (255, 255, 255)]


# --- Decorative basketball, 32 x 32 ---------------------------------------

def basketball(size=32, background=(240, 240, 240)):
    back, ball, seam, shade, shine = 0, 1, 2, 3, 4
    pix = canvas(size, size, back)
    c = (size - 1) / 2.0
    r = size / 2.0 - 1.5
    for y in range(size):
        for x in range(size):
            dx, dy = x - c, y - c
            d = math.hypot(dx, dy)
            if d > r + 0.5:
                continue
            colour = ball
            if math.hypot(dx + r * 0.35, dy + r * 0.35) < r * 0.25:
                colour = shine
            elif d > r * 0.8 and dx + dy > 0:
                colour = shade
            on_seam = (abs(dx) <= 0.6 or abs(dy) <= 0.6
                       or abs(math.hypot(dx - r * 1.35, dy) - r * 0.95) <= 0.6
                       or abs(math.hypot(dx + r * 1.35, dy) - r * 0.95) <= 0.6)
            if on_seam or d > r - 0.5:
                colour = seam
            pix[y][x] = colour
    palette = [background, (232, 112, 32), (40, 20, 8), (184, 80, 16), (252, 176, 112)]
    return pix, palette


# --- Wallpaper and default logo (ImageMagick) -----------------------------

FONT = "DejaVu-Sans-Bold"


def convert(args, path):
    subprocess.run(["convert", *args, "+dither", "-colors", "200", "-type", "Palette", "-compress", "None", f"BMP3:{path}"], check=True)


def ball_seams(cx, cy, r):
    """ImageMagick draw arguments for the two curved seams of a ball."""
    offset, radius = 1.35 * r, 0.95 * r
    # The seam circles meet the ball's outline at this angle from their centres.
    along = (offset * offset + radius * radius - r * r) / (2 * offset)
    angle = math.degrees(math.acos(along / radius))
    args = []
    for centre, start in ((cx - offset, -angle), (cx + offset, 180 - angle)):
        box = f"{centre - radius:.1f},{cy - radius:.1f} {centre + radius:.1f},{cy + radius:.1f}"
        args += ["-draw", f"arc {box} {start:.1f},{start + 2 * angle:.1f}"]
    return args


def wallpaper(path, title, short_title, version):
    # A court-side scene: a wood floor, a big ball and the program's name.
    convert(["-size", "320x240", "gradient:#1e3c78-#6fa0dc",
             "-fill", "#d9a86c", "-draw", "rectangle 0,170 320,240",
             "-stroke", "#8a5a2c", "-strokewidth", "1",
             "-draw", "line 0,190 320,190", "-draw", "line 0,212 320,212",
             "-draw", "line 80,170 60,240", "-draw", "line 200,170 210,240",
             "-stroke", "none", "-fill", "#a87a48", "-draw", "ellipse 160,176 52,7 0,360",
             "-stroke", "#3a1c08", "-strokewidth", "3", "-fill", "#ea7020",
             "-draw", "circle 160,112 160,52",
             "-fill", "none", "-strokewidth", "2.5",
             "-draw", "line 160,52 160,172", "-draw", "line 100,112 220,112",
             *ball_seams(160, 112, 60),
             "-stroke", "none", "-fill", "#ffffff", "-font", FONT, "-pointsize", "26",
             "-gravity", "north", "-annotate", "+0+10", short_title,
             "-fill", "#ffe8a0", "-pointsize", "12", "-gravity", "south",
             "-annotate", "+0+8", f"{title} {version}"], path)


def default_logo(path):
    convert(["-size", "96x64", "xc:#f4f0e6",
             "-stroke", "#1e3c78", "-strokewidth", "2", "-fill", "none",
             "-draw", "rectangle 2,2 93,61",
             "-stroke", "#3a1c08", "-strokewidth", "1.5", "-fill", "#ea7020",
             "-draw", "circle 48,27 48,9",
             "-fill", "none", "-draw", "line 48,9 48,45", "-draw", "line 30,27 66,27",
             *ball_seams(48, 27, 18),
             "-stroke", "none", "-fill", "#1e3c78", "-font", FONT, "-pointsize", "10",
             "-gravity", "south", "-annotate", "+0+5", "TEAM"], path)


def icon_svg(path):
    # The wallpaper's ball on a tile of its sky (one colour: not every
    # renderer draws gradients), for the desktop's menus and
    # file managers: the same colours and seams, drawn as vectors.
    cx, cy, r = 128, 128, 92
    offset, radius = 1.35 * r, 0.95 * r
    along = (offset * offset + radius * radius - r * r) / (2 * offset)
    half = math.acos(along / radius)
    seams = []
    for centre, start in ((cx - offset, -half), (cx + offset, math.pi - half)):
        x0, y0 = centre + radius * math.cos(start), cy + radius * math.sin(start)
        x1, y1 = centre + radius * math.cos(start + 2 * half), cy + radius * math.sin(start + 2 * half)
        seams.append(f'<path d="M {x0:.1f} {y0:.1f} A {radius:.1f} {radius:.1f} 0 0 1 {x1:.1f} {y1:.1f}"/>')
    svg = f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="8" y="8" width="240" height="240" rx="40" fill="#3a66aa"/>
  <circle cx="{cx}" cy="{cy}" r="{r}" fill="#ea7020" stroke="#3a1c08" stroke-width="7"/>
  <g fill="none" stroke="#3a1c08" stroke-width="6">
    <line x1="{cx}" y1="{cy - r}" x2="{cx}" y2="{cy + r}"/>
    <line x1="{cx - r}" y1="{cy}" x2="{cx + r}" y2="{cy}"/>
    {seams[0]}
    {seams[1]}
  </g>
</svg>
"""
    with open(path, "w") as f:
        f.write(svg)


def icons():
    folder = os.path.join(HERE, "..", "icons")
    os.makedirs(folder, exist_ok=True)
    svg = os.path.join(folder, "courtlog.svg")
    icon_svg(svg)
    for size in (48, 256):
        subprocess.run(["convert", "-background", "none", "-density", str(96 * size // 256 * 4), svg,
                        "-resize", f"{size}x{size}", f"PNG32:{os.path.join(folder, f'courtlog-{size}.png')}"],
                       check=True)


def main():
    parser = argparse.ArgumentParser(description="Draws the program's pictures.")
    parser.add_argument("--title", required=True, help="the program's full name")
    parser.add_argument("--short-title", required=True, help="its short name, on the wallpaper")
    parser.add_argument("--version", required=True)
    args = parser.parse_args()
    out = lambda name: os.path.join(HERE, name)
    for value in range(10):
        write_bmp(out(f"{1000 + value}.bmp"), digit(value), DIGIT_PALETTE)
    write_bmp(out("1151.bmp"), console_court(), COURT_PALETTE)
    button, button_palette = rotate_button()
    write_bmp(out("1124.bmp"), button, button_palette)
    ball, ball_palette = basketball()
    write_bmp(out("1150.bmp"), ball, ball_palette)
    wallpaper(out("logo.bmp"), args.title, args.short_title, args.version)
    default_logo(out("default.bmp"))
    icons()


if __name__ == "__main__":
    main()
