#!/usr/bin/env python3
"""Draws Flockhand's application icon and button images with a tiny anti-aliased rasteriser.

Usage: python3 tools/make_artwork.py OUTDIR
Writes flockhand.ico (icon 107), compact_up.png (4001), compact_down.png (4002) and help.png
(4003), the three button images at 16 pixels (100 %). For the larger display scales the same
images are drawn again at each size of SCALED_SIZES, as compact_up_20.png and so on, and
scaled_images.rc lists them for flockhand.rc: the image's number plus 10 times the size's place
in SCALED_SIZES (IDP_SIZE_STEP in resource_ids.h). Standard library only; the same bytes on
every run (fixed zlib level, no timestamps).
"""
import math
import os
import struct
import sys
import zlib

SUB = 4  # supersamples per pixel along each axis
OFFSETS = [((i + 0.5) / SUB, (j + 0.5) / SUB) for j in range(SUB) for i in range(SUB)]


def col(hexstr, alpha=1.0):
    """'#RRGGBB' -> (r, g, b, a) floats in 0..1."""
    v = int(hexstr.lstrip("#"), 16)
    return ((v >> 16) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0, alpha)


class Canvas:
    """Premultiplied RGBA float pixels; coordinates are in pixels, (0, 0) the top-left corner."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def fill(self, bbox, inside, colour):
        """Composites `colour` over every pixel in bbox, weighted by the share of its
        supersamples for which inside(x, y) holds."""
        r, g, b, a = colour
        x0 = max(0, int(math.floor(bbox[0])))
        y0 = max(0, int(math.floor(bbox[1])))
        x1 = min(self.w, int(math.ceil(bbox[2])))
        y1 = min(self.h, int(math.ceil(bbox[3])))
        for py in range(y0, y1):
            for px in range(x0, x1):
                n = sum(1 for dx, dy in OFFSETS if inside(px + dx, py + dy))
                if n:
                    k = a * n / len(OFFSETS)
                    p = self.px[py * self.w + px]
                    p[0] = r * k + p[0] * (1 - k)
                    p[1] = g * k + p[1] * (1 - k)
                    p[2] = b * k + p[2] * (1 - k)
                    p[3] = k + p[3] * (1 - k)

    def rgba_rows(self):
        """Straight-alpha 8-bit rows, top to bottom, as lists of (r, g, b, a)."""
        rows = []
        for y in range(self.h):
            row = []
            for r, g, b, a in self.px[y * self.w:(y + 1) * self.w]:
                if a <= 0.0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append(tuple(min(255, int(v / a * 255 + 0.5)) for v in (r, g, b))
                               + (int(a * 255 + 0.5),))
            rows.append(row)
        return rows


# --- shapes -------------------------------------------------------------------------------

def rounded_rect(c, x0, y0, x1, y1, radius, colour):
    """Rectangle with corners rounded by `radius` (0 gives square corners)."""
    ix0, iy0, ix1, iy1 = x0 + radius, y0 + radius, x1 - radius, y1 - radius
    r2 = radius * radius

    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = x - min(max(x, ix0), ix1)
        dy = y - min(max(y, iy0), iy1)
        return dx * dx + dy * dy <= r2
    c.fill((x0, y0, x1, y1), inside, colour)


def disc(c, cx, cy, radius, colour):
    r2 = radius * radius
    c.fill((cx - radius, cy - radius, cx + radius, cy + radius),
           lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2, colour)


def _seg_dist2(x, y, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy or 1.0)
    t = min(1.0, max(0.0, t))
    dx, dy = x - (ax + t * vx), y - (ay + t * vy)
    return dx * dx + dy * dy


def polyline(c, pts, width, colour, closed=False):
    """Thick open (or closed) polyline with round joins and caps."""
    segs = list(zip(pts, pts[1:] + pts[:1] if closed else pts[1:]))
    h = width / 2.0
    h2 = h * h
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    c.fill((min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h),
           lambda x, y: any(_seg_dist2(x, y, ax, ay, bx, by) <= h2
                            for (ax, ay), (bx, by) in segs), colour)


def polygon(c, pts, colour):
    """Filled polygon, even-odd rule."""
    edges = list(zip(pts, pts[1:] + pts[:1]))

    def inside(x, y):
        odd = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                odd = not odd
        return odd
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    c.fill((min(xs), min(ys), max(xs), max(ys)), inside, colour)


# --- composite motifs ---------------------------------------------------------------------

EDGE = col("#E2E8F0")      # light rim that separates overlapping windows
BODY = col("#111827")      # terminal background
PROMPT = col("#4ADE80")    # bright green ">_"
TITLES = [col("#1D4ED8"), col("#2563EB"), col("#3B82F6")]  # back to front


def terminal_window(c, x0, y0, x1, y1, u, bar, title, prompt, buttons):
    """Dark terminal with a coloured title bar `bar` pixels high and optionally a ">_" prompt
    sized from the body height; `u` (pixels) sets the rim and corner rounding."""
    rad = 1.6 * u
    rounded_rect(c, x0 - u, y0 - u, x1 + u, y1 + u, rad + u, EDGE)
    rounded_rect(c, x0, y0, x1, y1, rad, title)
    rounded_rect(c, x0, y0 + bar, x1, y1, rad, BODY)
    rounded_rect(c, x0, y0 + bar, x1, y0 + bar + rad, 0, BODY)
    if buttons:
        for i in range(3):
            disc(c, x1 - (1.6 + 1.6 * i) * u, y0 + bar / 2, 0.55 * u, EDGE)
    if prompt:
        gh = 0.5 * (y1 - y0 - bar)                        # glyph height
        base = math.floor((y0 + bar + y1 + gh) / 2) + 0.5  # on a pixel centre: crisp "_"
        px, w = math.floor(x0 + 0.45 * gh) + 0.5, max(1.1, 0.26 * gh)
        polyline(c, [(px, base - gh), (px + 0.5 * gh, base - gh / 2), (px, base)], w, PROMPT)
        polyline(c, [(px + 0.9 * gh, base), (px + 1.7 * gh, base)], w, PROMPT)


def pointer(c, x, y, s):
    """Arrow cursor with a dark outline, tip at (x, y); `s` is pixels per unit of its 12x19 box."""
    shape = [(0, 0), (0, 16), (4, 12.3), (6.8, 18.6), (9.4, 17.4), (6.6, 11.4), (11.6, 11.4)]
    pts = [(x + px * s, y + py * s) for px, py in shape]
    polyline(c, pts, 2.6 * s, col("#0B1220"), closed=True)
    polygon(c, pts, col("#FFFFFF"))


# --- images ---------------------------------------------------------------------------------

# The button images' sizes beyond 16 pixels: 125 %, 150 %, 175 %, 200 %, 250 % and 300 %. A scale
# between two of them draws the larger one shrunk, never one enlarged.
SCALED_SIZES = [20, 24, 28, 32, 40, 48]
SCALED_IMAGES = [("compact_up", 4001), ("compact_down", 4002), ("help", 4003)]


def chevron_image(up, size=16):
    """Grey chevron for the compact-mode toggle button: up collapses, down expands. Drawn on a
    16-pixel grid scaled to `size`."""
    c = Canvas(size, size)
    s = size / 16.0
    # 45-degree arms through pixel centres keep the stroke crisp at 16 px.
    tip, foot = (6.5, 10.5) if up else (9.5, 5.5)
    polyline(c, [(3.5 * s, foot * s), (7.5 * s, tip * s), (8.5 * s, tip * s), (12.5 * s, foot * s)],
             2.0 * s, col("#585E66"))
    return c


def help_image(size=16):
    """White question mark on a blue disc, drawn on a 16-pixel grid scaled to `size`."""
    c = Canvas(size, size)
    s = size / 16.0
    disc(c, 8.0 * s, 8.0 * s, 7.6 * s, col("#2563EB"))
    hook = [((8.0 + 2.5 * math.cos(math.radians(t))) * s, (6.0 - 2.5 * math.sin(math.radians(t))) * s)
            for t in range(160, -61, -22)]
    polyline(c, hook + [(8.0 * s, 8.6 * s), (8.0 * s, 9.4 * s)], 1.8 * s, col("#FFFFFF"))
    disc(c, 8.0 * s, 12.1 * s, 1.15 * s, col("#FFFFFF"))
    return c


def icon_image(size):
    """The application icon: a flock of terminals, the front one driven by the cursor.
    Title-bar buttons only appear where they stay round (256 px); 32 and 16 px are laid out
    on whole pixels, and 16 px keeps two windows and drops the cursor so the prompt reads."""
    c = Canvas(size, size)
    if size >= 48:
        s = size / 256.0
        wins = [(92, 14, 240, 122), (56, 50, 204, 158), (20, 86, 168, 194)]
        for i, (x0, y0, x1, y1) in enumerate(wins):
            terminal_window(c, x0 * s, y0 * s, x1 * s, y1 * s, 7 * s, 21 * s, TITLES[i],
                            i == 2, size >= 128)
        pointer(c, 150 * s, 150 * s, 5.0 * s)
    elif size >= 32:
        wins = [(12, 2, 30, 15), (7, 7, 25, 20), (2, 12, 21, 29)]
        for i, (x0, y0, x1, y1) in enumerate(wins):
            terminal_window(c, x0, y0, x1, y1, 1, 3, TITLES[i], i == 2, False)
        pointer(c, 20, 19, 0.6)
    else:
        for i, (x0, y0, x1, y1) in enumerate([(5, 1, 15, 9), (1, 5, 11, 15)]):
            terminal_window(c, x0, y0, x1, y1, 1, 2, TITLES[i + 1], i == 1, False)
    return c


# --- encoders -------------------------------------------------------------------------------

def png_bytes(c):
    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data
                + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in c.rgba_rows())
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", c.w, c.h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def dib_bytes(c):
    """Icon-resource DIB: header with doubled height (XOR + AND), bottom-up BGRA, then the
    1-bpp AND mask (1 = transparent, rows padded to 32 bits) for code that draws without alpha."""
    rows = c.rgba_rows()[::-1]
    xor = b"".join(bytes(v for r, g, b, a in row for v in (b, g, r, a)) for row in rows)
    stride = (c.w + 31) // 32 * 4
    mask = bytearray()
    for row in rows:
        bits = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, c.w, 2 * c.h, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + bytes(mask)


def ico_bytes(images):
    """ICONDIR + entries; 256 px images go in as PNG, smaller ones as DIBs."""
    blobs = [png_bytes(c) if c.w >= 256 else dib_bytes(c) for c in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for c, blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_artwork.py OUTDIR")
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    files = {
        "compact_up.png": png_bytes(chevron_image(up=True)),
        "compact_down.png": png_bytes(chevron_image(up=False)),
        "help.png": png_bytes(help_image()),
        "flockhand.ico": ico_bytes([icon_image(n) for n in (256, 48, 32, 16)]),
    }
    drawings = {"compact_up": lambda n: chevron_image(True, n),
                "compact_down": lambda n: chevron_image(False, n), "help": help_image}
    rc = ["// Drawn by tools/make_artwork.py: the button images for the larger display scales."]
    for place, size in enumerate(SCALED_SIZES, start=1):
        for name, number in SCALED_IMAGES:
            files[f"{name}_{size}.png"] = png_bytes(drawings[name](size))
            rc.append(f'{number + 10 * place} PNG "{name}_{size}.png"')
    files["scaled_images.rc"] = ("\n".join(rc) + "\n").encode("ascii")
    for name, data in files.items():
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
