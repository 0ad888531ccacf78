#!/usr/bin/python3
"""Draw the day-sign, tone and program-icon pictures kept in assets/.

Run by hand after changing a drawing:

    /usr/bin/python3 tools/make_pictures.py

The build uses the committed pictures and never runs this script.  Needs
Pillow and the DejaVu fonts (Debian: python3-pil, fonts-dejavu-core).
Everything is drawn from plain shapes, with no randomness, so a rerun gives
the same files.

Shapes are drawn at SS times the final size and scaled down with Lanczos,
which gives smooth edges.  Text is drawn afterwards at the final size so the
font hinting keeps small letters sharp.

Each sign and tone picture is written twice: at its own size and, with
"@2x" in its name, drawn afresh from the same shapes at twice that size for
screens of high pixel density.

The names drawn on the pictures are translated: assets/<language>/ holds
the same files with the names in that language (LANGUAGES below), which
the program shows where its translation for that language is installed.
"""

import math
import os

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
BOLD_NARROW = os.path.join(FONT_DIR, "DejaVuSansCondensed-Bold.ttf")

SS = 4                       # supersampling factor
# Every sign and tone picture at its own size and, for screens of 150% and
# more, drawn again at twice that size; the program picks by pixel density.
SCALES = [(1, ""), (2, "@2x")]
JPEG_QUALITY = 90
LANCZOS = Image.Resampling.LANCZOS

# Shared palette: stone, ochre and a brown-black "ink" for outlines.
INK = (58, 38, 26)
PARCHMENT = (236, 226, 203)
OCHRE = (196, 146, 70)
OCHRE_LIGHT = (222, 181, 110)
STONE_TOP = (246, 239, 222)
STONE_BOTTOM = (228, 214, 186)
WHITE = (252, 248, 238)
GOLD = (240, 184, 52)
JADE = (70, 150, 110)
SKY = (84, 150, 200)

SIGNS = [
    # (name, accent colour of the backdrop and the name strip)
    ("Monkey", (200, 120, 60)),
    ("Road", (176, 132, 76)),
    ("Reed", (96, 150, 80)),
    ("Jaguar", (220, 160, 40)),
    ("Eagle", (80, 130, 180)),
    ("Wisdom", (140, 96, 160)),
    ("Earth", (128, 140, 64)),
    ("Flint", (112, 126, 150)),
    ("Storm", (84, 104, 156)),
    ("Sun", (232, 150, 30)),
    ("Crocodile", (60, 136, 100)),
    ("Wind", (80, 164, 184)),
    ("Night", (60, 70, 136)),
    ("Seed", (140, 170, 60)),
    ("Serpent", (40, 140, 112)),
    ("Transformer", (184, 84, 128)),
    ("Deer", (176, 104, 60)),
    ("Star", (220, 176, 40)),
    ("Offering", (60, 140, 196)),
    ("Dog", (168, 96, 64)),
]

TONES = [
    # (name, width, height): the layouts that show the tones expect these sizes
    ("Magnetic", 88, 55),
    ("Lunar", 96, 55),
    ("Electric", 96, 54),
    ("Self-Existing", 109, 57),
    ("Overtone", 109, 57),
    ("Rhythmic", 103, 61),
    ("Resonant", 106, 61),
    ("Galactic", 107, 59),
    ("Solar", 111, 65),
    ("Planetary", 110, 60),
    ("Spectral", 103, 67),
    ("Crystal", 101, 68),
    ("Cosmic", 114, 69),
]

# The names on the pictures in each translation, in the order of SIGNS and
# TONES; the files keep the English names, which the program looks up.
LANGUAGES = {
    "es": (["Mono", "Camino", "Caña", "Jaguar", "Águila", "Sabiduría", "Tierra", "Pedernal",
            "Tormenta", "Sol", "Cocodrilo", "Viento", "Noche", "Semilla", "Serpiente",
            "Transformador", "Venado", "Estrella", "Ofrenda", "Perro"],
           ["Magnético", "Lunar", "Eléctrico", "Autoexistente", "Entonado", "Rítmico",
            "Resonante", "Galáctico", "Solar", "Planetario", "Espectral", "Cristal", "Cósmico"]),
}

ICON_SIZES = [16, 24, 32, 48, 64, 128]
ICO_SIZES = [16, 32, 48, 256]
PURPLE = (128, 0, 128)


# ---------------------------------------------------------------- helpers

def mix(a, b, t):
    """Blend colour a towards b by t (0..1)."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def font(path, size):
    # The basic layout keeps hinted letter spacing even; the shaping engine
    # leaves odd gaps at these small sizes.
    return ImageFont.truetype(path, size, layout_engine=ImageFont.Layout.BASIC)


def vertical_gradient(size, top, bottom):
    """An RGB image fading from top colour to bottom colour."""
    w, h = size
    strip = Image.new("RGB", (1, h))
    for y in range(h):
        strip.putpixel((0, y), mix(top, bottom, y / max(1, h - 1)))
    return strip.resize((w, h))


def ellipse_pts(cx, cy, rx, ry, rot=0.0, a0=0.0, a1=360.0, n=48):
    """Points on a (rotated) ellipse arc; angles in degrees, y pointing down."""
    c, s = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    out = []
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        x, y = rx * math.cos(a), ry * math.sin(a)
        out.append((cx + x * c - y * s, cy + x * s + y * c))
    return out


def spline(pts, n=12):
    """Catmull-Rom curve through pts, n samples per span."""
    ext = [pts[0]] + list(pts) + [pts[-1]]
    out = []
    for i in range(1, len(ext) - 2):
        p0, p1, p2, p3 = ext[i - 1], ext[i], ext[i + 1], ext[i + 2]
        for k in range(n):
            t = k / n
            out.append(tuple(
                0.5 * (2 * p1[j] + (-p0[j] + p2[j]) * t
                       + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t * t
                       + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t ** 3)
                for j in range(2)))
    out.append(pts[-1])
    return out


def spiral_pts(cx, cy, r0, r1, a0, a1, n=40):
    """Spiral from radius r0 at angle a0 to radius r1 at angle a1 (degrees)."""
    out = []
    for i in range(n + 1):
        t = i / n
        a = math.radians(a0 + (a1 - a0) * t)
        r = r0 + (r1 - r0) * t
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def star_pts(cx, cy, r_out, r_in, points, rot=-90.0):
    out = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + 180.0 * i / points)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def leaf_pts(base, tip, width, bend=0.0, n=16):
    """A pointed leaf from base to tip; bend curves its mid-line sideways."""
    (bx, by), (tx, ty) = base, tip
    dx, dy = tx - bx, ty - by
    length = math.hypot(dx, dy)
    nx, ny = -dy / length, dx / length
    side_a, side_b = [], []
    for i in range(n + 1):
        t = i / n
        off = bend * math.sin(math.pi * t)
        half = width / 2 * math.sin(math.pi * t) ** 0.8
        mx, my = bx + dx * t + nx * off, by + dy * t + ny * off
        side_a.append((mx + nx * half, my + ny * half))
        side_b.append((mx - nx * half, my - ny * half))
    return side_a + side_b[::-1]


def crescent_pts(c1, r1, c2, r2, n=240):
    """Outline of disc (c1, r1) with disc (c2, r2) bitten out of it."""
    def run(center, r, keep):
        pts = ellipse_pts(center[0], center[1], r, r, n=n)[:-1]
        flags = [keep(p) for p in pts]
        start = next(i for i in range(n) if flags[i] and not flags[i - 1])
        return [pts[(start + k) % n] for k in range(n) if flags[(start + k) % n]]

    def inside(p, c, r):
        return math.hypot(p[0] - c[0], p[1] - c[1]) < r

    outer = run(c1, r1, lambda p: not inside(p, c2, r2))
    inner = run(c2, r2, lambda p: inside(p, c1, r1))
    return outer + inner[::-1]


class Pen:
    """Draws in a 0..100 unit square mapped onto part of an image.

    Widths are in the same units, so a drawing keeps its proportions at any
    size.  Filled shapes get an ink outline unless ink=None.
    """

    def __init__(self, image, x0, y0, size):
        self.d = ImageDraw.Draw(image)
        self.x0, self.y0, self.k = x0, y0, size / 100.0

    def p(self, x, y):
        return (self.x0 + x * self.k, self.y0 + y * self.k)

    def px(self, units):
        return max(1, round(units * self.k))

    def _stroke(self, xy, color, width):
        self.d.line(xy, fill=color, width=width, joint="curve")
        r = width / 2
        for x, y in (xy[0], xy[-1]):            # round end caps
            self.d.ellipse((x - r, y - r, x + r, y + r), fill=color)

    def poly(self, pts, fill, ink=INK, w=2.4):
        xy = [self.p(x, y) for x, y in pts]
        self.d.polygon(xy, fill=fill)
        if ink:
            self._stroke(xy + [xy[0], xy[1]], ink, self.px(w))

    def line(self, pts, color=INK, w=2.4):
        self._stroke([self.p(x, y) for x, y in pts], color, self.px(w))

    def cord(self, pts, color, w=4.0, ink=INK, edge=2.4):
        """A coloured stroke with an ink edge on both sides."""
        if ink:
            self.line(pts, ink, w + 2 * edge)
        self.line(pts, color, w)

    def ellipse(self, cx, cy, rx, ry, fill, ink=INK, w=2.4):
        box = self.p(cx - rx, cy - ry) + self.p(cx + rx, cy + ry)
        self.d.ellipse(box, fill=fill, outline=ink, width=self.px(w) if ink else 0)

    def circle(self, cx, cy, r, fill, ink=INK, w=2.4):
        self.ellipse(cx, cy, r, r, fill, ink, w)

    def blob(self, ellipses, fill, ink=INK, w=2.4):
        """Union of ellipses (cx, cy, rx, ry) with one outline around it all."""
        if ink:
            for cx, cy, rx, ry in ellipses:
                self.ellipse(cx, cy, rx + w, ry + w, ink, None)
        for cx, cy, rx, ry in ellipses:
            self.ellipse(cx, cy, rx, ry, fill, None)

    def tube(self, pts, radii, fill, ink=INK, w=2.4):
        """A body of varying thickness along a path (snakes, roads)."""
        if ink:
            for (x, y), r in zip(pts, radii):
                self.circle(x, y, r + w, ink, None)
        for (x, y), r in zip(pts, radii):
            self.circle(x, y, r, fill, None)

    def eye(self, cx, cy, r, iris=INK):
        """Round eye with a highlight: the same for every animal."""
        self.circle(cx, cy, r, iris, INK, 1.5)
        self.circle(cx - r * 0.35, cy - r * 0.35, r * 0.32, WHITE, None)

    def sparkle(self, cx, cy, r, fill=WHITE):
        self.poly(star_pts(cx, cy, r, r * 0.3, 4), fill, INK, 1.4)


# ---------------------------------------------------------------- emblems
# Each emblem draws into the 0..100 square; the cartouche is drawn elsewhere.

def emblem_monkey(pen):
    # Monkey face: round ears, heart-shaped light mask, grin and a hair curl.
    fur, skin = (150, 88, 48), (238, 198, 150)
    for x in (15, 85):
        pen.circle(x, 50, 13, fur)
        pen.circle(x, 50, 7, skin, None)
    pen.ellipse(50, 52, 35, 36, fur)
    pen.poly([(38, 18), (44, 6), (50, 16), (58, 4), (62, 18)], fur)
    pen.line(spiral_pts(58, 10, 5, 1, 200, 520, 24), INK, 2.0)
    pen.blob([(39, 48, 14, 13), (61, 48, 14, 13), (50, 68, 22, 17)], skin)
    pen.eye(40, 48, 5.5)
    pen.eye(60, 48, 5.5)
    pen.line([(31, 38), (40, 35), (48, 39)], INK, 2.2)
    pen.line([(52, 39), (60, 35), (69, 38)], INK, 2.2)
    pen.circle(46, 62, 1.8, INK, None)
    pen.circle(54, 62, 1.8, INK, None)
    pen.line(spline([(38, 70), (50, 78), (62, 70)]), INK, 2.6)


def emblem_road(pen):
    # Winding road across green land, leading to a small stepped pyramid.
    pen.poly(ellipse_pts(50, 64, 47, 30), (132, 164, 88))
    pen.poly(ellipse_pts(50, 70, 38, 20, a0=0, a1=180), (118, 150, 76), None)
    pyramid_steps = [(18, 38, 32), (14, 33, 27), (10, 28, 22), (6, 23, 17)]
    for half, y0, y1 in pyramid_steps:
        pen.poly([(50 - half, y0), (50 + half, y0), (50 + half, y1), (50 - half, y1)],
                 (214, 190, 150), INK, 1.8)
    pen.poly([(44, 17), (56, 17), (56, 10), (44, 10)], (196, 120, 80), INK, 1.8)
    pen.poly([(47, 17), (53, 17), (53, 13), (47, 13)], INK, None)
    path = [(50 + 22 * math.sin(2.4 * math.pi * t) * (1 - 0.7 * t), 90 - 52 * t)
            for t in [i / 60 for i in range(61)]]
    radii = [10.5 * (1 - t) + 2.5 for t in [i / 60 for i in range(61)]]
    pen.tube(path, radii, (230, 204, 150), INK, 2.0)
    for i in range(0, 54, 8):
        pen.line(path[i:i + 4], WHITE, max(0.8, radii[i] * 0.22))


def emblem_reed(pen):
    # Three reed stalks with cattail heads and leaves, standing in water.
    green, dark = (104, 158, 72), (70, 118, 52)
    pen.poly(leaf_pts((44, 86), (10, 40), 9, -6), dark)
    pen.poly(leaf_pts((56, 86), (92, 46), 9, 6), dark)
    for x, top, head in [(32, 16, 34), (50, 6, 24), (68, 18, 36)]:
        pen.cord([(x, 88), (x, top)], green, 3.2, INK, 1.8)
        pen.ellipse(x, head, 5.5, 11, (132, 80, 44))
        pen.line([(x - 2, head - 5), (x - 2, head + 5)], (172, 118, 74), 1.4)
        for y in range(head + 18, 84, 14):
            pen.line([(x - 2.4, y), (x + 2.4, y)], INK, 1.6)
    pen.poly(leaf_pts((50, 86), (24, 50), 8, -4), green)
    pen.poly(leaf_pts((50, 86), (76, 56), 8, 4), green)
    wave = [(4 + i * 2, 84 + 2.2 * math.sin(i * 0.9)) for i in range(47)]
    pen.poly(wave + [(96, 96), (4, 96)], SKY)
    pen.line([(18, 90), (30, 90)], WHITE, 1.6)
    pen.line([(62, 91), (78, 91)], WHITE, 1.6)


def rosette(pen, cx, cy, r):
    """A jaguar spot: a ring of dark blobs around a darker gold centre."""
    pen.circle(cx, cy, r * 0.55, (206, 128, 40), None)
    for i in range(5):
        a = math.radians(i * 72 - 90)
        pen.circle(cx + r * math.cos(a), cy + r * math.sin(a), r * 0.38, INK, None)


def emblem_jaguar(pen):
    # Jaguar head: gold fur, rosette spots, green eyes, pale muzzle.
    gold = (226, 172, 62)
    for x in (22, 78):
        pen.circle(x, 22, 12, gold)
        pen.circle(x, 22, 6, (120, 70, 40), None)
    pen.ellipse(50, 54, 39, 37, gold)
    for cx, cy, r in [(50, 28, 4.5), (35, 33, 3.6), (65, 33, 3.6),
                      (22, 52, 4), (78, 52, 4), (25, 70, 3.2), (75, 70, 3.2)]:
        rosette(pen, cx, cy, r)
    pen.blob([(42, 70, 11, 9), (58, 70, 11, 9), (50, 78, 9, 7)], (250, 236, 206))
    for x, flip in [(37, 1), (63, -1)]:
        pen.poly(ellipse_pts(x, 50, 8, 4.6, rot=12 * flip), (196, 206, 70), INK, 2.0)
        pen.ellipse(x, 50, 1.6, 4.2, INK, None)
    pen.poly([(43, 60), (57, 60), (50, 67)], (180, 84, 74), INK, 1.8)
    pen.line([(50, 67), (50, 73)], INK, 1.8)
    pen.line(spline([(42, 76), (46, 77), (50, 73), (54, 77), (58, 76)]), INK, 1.8)
    for x, y in [(40, 68), (43, 72), (60, 68), (57, 72)]:
        pen.circle(x, y, 1.0, INK, None)


def feather(pen, x0, y0, angle, length, width, fill, tip):
    """One wing feather from (x0, y0) along angle (degrees)."""
    a = math.radians(angle)
    tx, ty = x0 + length * math.cos(a), y0 + length * math.sin(a)
    pts = leaf_pts((x0, y0), (tx, ty), width, 0, 12)
    pen.poly(pts, fill, INK, 1.8)
    kx, ky = x0 + 0.72 * length * math.cos(a), y0 + 0.72 * length * math.sin(a)
    pen.poly(leaf_pts((kx, ky), (tx, ty), width * 0.6, 0, 8), tip, None)


def emblem_eagle(pen):
    # Eagle with spread wings and a white head with a hooked yellow beak.
    brown, dark, white, beak = (128, 86, 52), (60, 40, 30), (250, 246, 236), (244, 190, 50)
    for ang in (-28, -14, 0, 14, 28):
        feather(pen, 44, 48, 180 + ang - 6, 46 - abs(ang) * 0.4, 12, brown, dark)
        feather(pen, 56, 48, -ang + 6, 46 - abs(ang) * 0.4, 12, brown, dark)
    for ang in (70, 90, 110):
        feather(pen, 50, 62, ang, 32, 10, white, dark)
    pen.ellipse(50, 56, 13, 19, brown)
    for y in (52, 60):
        pen.line(spline([(42, y), (50, y + 3), (58, y)]), (90, 60, 36), 1.6)
    pen.ellipse(50, 30, 12, 12, white)
    pen.poly([(57, 25), (68, 28), (70, 36), (66, 41), (65, 35), (57, 35)], beak, INK, 2.0)
    pen.line([(57, 31), (65, 33)], INK, 1.3)
    pen.eye(52, 27, 2.8)
    pen.line([(46, 24), (56, 22)], INK, 2.0)


def emblem_wisdom(pen):
    # An open eye under a curling scroll, with rays of insight above.
    violet = (150, 104, 176)
    for ang in (-150, -120, -90, -60, -30):
        a = math.radians(ang)
        pen.line([(50 + 34 * math.cos(a), 50 + 34 * math.sin(a)),
                  (50 + 44 * math.cos(a), 50 + 44 * math.sin(a))], INK, 2.4)
    scroll = spline([(12, 56), (22, 36), (50, 26), (76, 32)], 10)
    scroll += spiral_pts(74, 44, 12, 2, -80, -440, 36)[1:]
    pen.cord(scroll, violet, 4.0, INK, 2.0)
    ts = [i / 30 for i in range(31)]
    upper = [(12 + 76 * t, 66 - 16 * math.sin(math.pi * t) ** 0.9) for t in ts]
    lower = [(12 + 76 * t, 66 + 13 * math.sin(math.pi * t) ** 0.9) for t in ts]
    pen.poly(upper + lower[::-1], WHITE, INK, 2.8)
    pen.circle(50, 65, 10, violet, INK, 2.0)
    pen.circle(50, 65, 4.6, INK, None)
    pen.circle(46.5, 61.5, 2.4, WHITE, None)
    for i in (6, 12, 18, 24):
        x, y = upper[i]
        pen.line([(x, y), (x + (x - 50) * 0.1, y - 5)], INK, 1.8)


def emblem_earth(pen):
    # Three mountains, the back one snow-capped, over layered ground.
    pen.poly([(18, 76), (50, 10), (82, 76)], (156, 126, 86))
    pen.poly([(39, 32), (50, 10), (61, 32), (56, 28), (50, 33), (44, 27)], WHITE, INK, 1.8)
    pen.poly([(2, 76), (28, 32), (56, 76)], (122, 146, 74))
    pen.poly([(44, 76), (74, 26), (98, 76)], (104, 132, 64))
    pen.line([(28, 32), (36, 54), (33, 76)], (92, 116, 56), 1.8)
    pen.line([(74, 26), (80, 50), (76, 76)], (80, 104, 48), 1.8)
    pen.poly([(4, 74), (96, 74), (92, 94), (8, 94)], (166, 112, 70))
    for y in (80, 87):
        pen.line([(8 + i * 4, y + 1.5 * math.sin(i * 1.3)) for i in range(22)],
                 (120, 76, 46), 1.6)
    for x, y in [(20, 90), (52, 84), (78, 90)]:
        pen.ellipse(x, y, 2.6, 1.8, (214, 180, 130), INK, 1.2)


def emblem_flint(pen):
    # Knapped flint blade: serrated edges and alternating light/dark facets.
    light, mid, dark = (196, 204, 218), (150, 162, 182), (112, 124, 146)
    angle = math.radians(35)

    def rot(x, y):                      # tilt the blade about the centre
        x, y = x - 50, y - 50
        return (50 + x * math.cos(angle) - y * math.sin(angle),
                50 + x * math.sin(angle) + y * math.cos(angle))

    spine = [(50, 4 + i * 10) for i in range(10)]
    half = [19 * math.sin(math.pi * (y - 4) / 92) ** 0.7 for _, y in spine]
    notch = [1.8 if i % 2 else 0 for i in range(len(spine))]    # knapped, serrated edge
    left = [rot(50 - h - k, y) for (_, y), h, k in zip(spine, half, notch)]
    right = [rot(50 + h + k, y) for (_, y), h, k in zip(spine, half, notch)]
    pen.poly(left + right[::-1], mid, None)             # base fill hides seams
    axis = [rot(x, y) for x, y in spine]
    for i in range(len(axis) - 1):
        pen.poly([axis[i], left[i], left[i + 1], axis[i + 1]], light if i % 2 else mid, None)
        pen.poly([axis[i], right[i], right[i + 1], axis[i + 1]], dark if i % 2 else mid, None)
    pen.poly(left + right[::-1], None, INK, 2.8)
    pen.line(axis, INK, 1.4)
    for i in range(1, len(axis) - 1):
        pen.line([left[i], axis[i], right[i]], INK, 1.0)


def emblem_storm(pen):
    # Dark rain cloud with a lightning bolt and slanting rain.
    for x, y in [(20, 74), (30, 84), (76, 74), (66, 86), (86, 84)]:
        pen.line([(x, y), (x - 4, y + 8)], SKY, 2.6)
    pen.poly([(57, 44), (42, 70), (52, 70), (40, 96), (68, 62), (57, 62), (66, 44)],
             (250, 214, 64), INK, 2.0)
    cloud = [(28, 42, 16, 15), (50, 32, 21, 20), (72, 42, 16, 15), (50, 50, 36, 11)]
    pen.blob(cloud, (118, 132, 160))
    pen.blob([(46, 28, 12, 10), (26, 40, 8, 7)], (160, 174, 198), None)
    pen.line(spline([(24, 55), (50, 58), (78, 55)]), (90, 102, 130), 1.6)
    pen.poly([(57, 44), (50, 57), (60, 57), (66, 44)], (250, 214, 64), None)


def emblem_sun(pen):
    # Sun disc with alternating long and short rays and a four-petal flower.
    rays = 16
    for i in range(rays):
        a = 2 * math.pi * i / rays
        r = 48 if i % 2 == 0 else 39
        half = math.pi / rays * 0.9
        pts = [(50 + 26 * math.cos(a - half), 50 + 26 * math.sin(a - half)),
               (50 + r * math.cos(a), 50 + r * math.sin(a)),
               (50 + 26 * math.cos(a + half), 50 + 26 * math.sin(a + half))]
        pen.poly(pts, (236, 128, 36) if i % 2 else GOLD, INK, 2.0)
    pen.circle(50, 50, 30, (250, 206, 70), INK, 2.8)
    pen.circle(50, 50, 23, None, (214, 150, 40), 1.6)
    for a in range(0, 360, 90):
        pts = leaf_pts((50, 50), (50 + 19 * math.cos(math.radians(a)),
                                  50 + 19 * math.sin(math.radians(a))), 13)
        pen.poly(pts, (232, 118, 40), INK, 1.8)
    pen.circle(50, 50, 4.5, (170, 40, 30), INK, 1.6)


def emblem_crocodile(pen):
    # Crocodile head in profile: ridged back, open jaw full of teeth.
    green, light, mouth = (84, 144, 92), (178, 198, 120), (200, 86, 90)
    scale = (54, 104, 64)
    pen.poly([(20, 46), (90, 48), (88, 62), (20, 64)], mouth)
    for x in range(30, 88, 8):
        pen.poly([(x, 48.5), (x + 3, 55), (x + 6, 48.8)], WHITE, INK, 1.2)
    for x in range(34, 84, 8):
        pen.poly([(x, 62), (x + 3, 56), (x + 6, 62.2)], WHITE, INK, 1.2)
    for x in range(4, 26, 6):                       # ridge plates on the neck
        pen.poly([(x, 32 + (26 - x) * 0.1), (x + 3, 25 + (26 - x) * 0.1), (x + 6, 30)],
                 green, INK, 1.6)
    upper = spline([(4, 34), (24, 26), (48, 30), (76, 36), (92, 40), (96, 46)], 8)
    upper += spline([(92, 50), (60, 49), (24, 48), (4, 52)], 8)
    pen.poly(upper, green)
    lower = spline([(4, 60), (26, 60), (60, 63), (86, 63), (90, 67)], 8)
    lower += spline([(84, 72), (56, 78), (24, 80), (4, 78)], 8)
    pen.poly(lower, green)
    pen.poly(spline([(12, 74), (40, 73), (80, 68)], 6)
             + spline([(78, 71), (40, 77), (12, 77)], 6), light, None)
    pen.circle(90, 40, 4, green, INK, 1.8)
    pen.circle(90, 40, 1.3, INK, None)
    pen.circle(32, 25, 9, green)
    pen.circle(33, 24, 5.2, (240, 214, 80), INK, 1.4)
    pen.ellipse(33, 24, 1.4, 4, INK, None)
    for x in range(46, 82, 9):
        y = 34 + (x - 46) * 0.12
        pen.line(spline([(x, y), (x + 4, y + 4), (x + 8, y + 1)]), scale, 1.4)


def emblem_wind(pen):
    # Three gusts, each ending in a curl.
    teal = (96, 176, 196)
    gusts = [([(8, 30), (30, 27), (56, 30)], (56, 21), 9, 90),
             ([(14, 56), (46, 53), (80, 56)], (80, 47), 9, 90),
             ([(6, 80), (30, 78), (48, 80)], (48, 72), 8, 90)]
    for pts, (cx, cy), r, start in gusts:
        path = spline(pts, 10) + spiral_pts(cx, cy, r, 2.2, start, start - 420, 40)[1:]
        pen.cord(path, teal, 5.0, INK, 2.0)
        pen.line(path[:12], (190, 232, 236), 1.4)


def emblem_night(pen):
    # Night sky disc holding a crescent moon and four stars.
    pen.circle(50, 50, 45, (40, 50, 104), INK, 2.8)
    pen.circle(50, 50, 40, None, (70, 84, 150), 1.2)
    moon = crescent_pts((42, 54), 27, (56, 45), 23)
    pen.poly(moon, (246, 232, 164), INK, 2.2)
    for x, y, r in [(72, 26, 7), (80, 58, 5), (64, 78, 6), (30, 20, 4.5)]:
        pen.sparkle(x, y, r, (250, 240, 190))


def emblem_seed(pen):
    # Seed in the soil, roots below, a sprout with two leaves rising above.
    soil = ellipse_pts(50, 62, 46, 32, a0=0, a1=180)
    pen.poly(soil, (140, 96, 58))
    pen.line([(4, 62), (96, 62)], INK, 2.6)
    for x, y in [(18, 70), (82, 72), (30, 84), (70, 86), (48, 90)]:
        pen.ellipse(x, y, 2.2, 1.6, (178, 132, 88), None)
    for end in [(36, 88), (50, 92), (64, 88)]:
        pen.line(spline([(50, 80), ((50 + end[0]) / 2 + 2, 86), end]), (226, 208, 170), 1.6)
    pen.poly(leaf_pts((50, 34), (20, 24), 15, -5), (124, 182, 70))
    pen.poly(leaf_pts((50, 28), (82, 14), 16, 5), (104, 164, 60))
    pen.line(leaf_pts((50, 34), (20, 24), 0, -5)[:17], (76, 124, 44), 1.2)
    pen.cord(spline([(50, 70), (46, 56), (52, 42), (50, 26)]), (124, 182, 70), 3.6, INK, 1.8)
    pen.ellipse(50, 72, 14, 9.5, (214, 160, 84))
    pen.line(spline([(38, 72), (50, 69), (62, 72)]), (150, 100, 50), 1.6)


def emblem_serpent(pen):
    # Serpent coiled in an S, with a diamond-backed body and forked tongue.
    body = spline([(16, 90), (50, 92), (80, 82), (78, 60), (50, 52),
                   (22, 44), (22, 24), (48, 18), (60, 20)], 14)
    n = len(body)
    radii = [2 + 7.5 * min(1, i / (n * 0.35)) for i in range(n)]
    pen.tube(body, radii, (74, 156, 94))
    for i in range(10, n - 8, 9):
        (x0, y0), (x1, y1) = body[i - 2], body[i + 2]
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1
        ux, uy, r = dx / length, dy / length, radii[i] * 0.7
        x, y = body[i]
        pen.poly([(x + ux * r, y + uy * r), (x - uy * r * 0.7, y + ux * r * 0.7),
                  (x - ux * r, y - uy * r), (x + uy * r * 0.7, y - ux * r * 0.7)],
                 (236, 206, 92), INK, 1.2)
    pen.line([(68, 21), (78, 20), (82, 16)], (210, 40, 40), 1.6)
    pen.line([(78, 20), (83, 23)], (210, 40, 40), 1.6)
    pen.poly(ellipse_pts(60, 20, 12, 9, rot=-6), (74, 156, 94))
    pen.eye(62, 17, 2.6, INK)
    pen.circle(69, 18, 0.9, INK, None)


def emblem_transformer(pen):
    # Butterfly, the creature that changes its form.
    rose, orange, dark = (196, 84, 136), (236, 148, 60), (96, 40, 70)
    pen.line(spline([(47, 30), (42, 16), (34, 8)]), INK, 1.8)
    pen.line(spline([(53, 30), (58, 16), (66, 8)]), INK, 1.8)
    pen.circle(34, 8, 2.4, INK, None)
    pen.circle(66, 8, 2.4, INK, None)
    for flip in (-1, 1):
        pen.poly(ellipse_pts(50 + flip * 22, 38, 23, 16, rot=-40 * flip), rose)
        pen.poly(ellipse_pts(50 + flip * 16, 66, 15, 12, rot=40 * flip), orange)
        pen.poly(ellipse_pts(50 + flip * 25, 35, 14, 8, rot=-40 * flip), None, dark, 1.4)
        pen.circle(50 + flip * 26, 34, 6, WHITE, INK, 1.6)
        pen.circle(50 + flip * 26, 34, 3, dark, None)
        pen.circle(50 + flip * 17, 68, 4, (250, 214, 100), INK, 1.4)
        for ang in (-70, -40, -10, 20):
            a = math.radians(ang if flip > 0 else 180 - ang)
            pen.circle(50 + flip * 22 + 19 * math.cos(a) * 0.95,
                       38 + 19 * math.sin(a) * 0.75, 1.4, WHITE, None)
    pen.ellipse(50, 52, 4.5, 22, (70, 46, 40))
    pen.circle(50, 28, 5.5, (70, 46, 40))
    for y in (44, 52, 60):
        pen.line([(46.5, y), (53.5, y)], (150, 110, 90), 1.0)


def emblem_deer(pen):
    # Deer head facing us, with branching antlers and a dark nose.
    antler, fur, pale = (232, 214, 176), (188, 126, 72), (246, 222, 190)
    for flip in (-1, 1):
        def sx(x):
            return 50 + flip * (x - 50)
        beam = spline([(42, 30), (34, 20), (28, 12), (18, 6)])
        pen.cord([(sx(x), y) for x, y in beam], antler, 3.6, INK, 1.6)
        for base, tip in [((34, 20), (40, 6)), ((29, 13), (30, 2)), ((38, 26), (22, 22))]:
            pen.cord([(sx(base[0]), base[1]), (sx(tip[0]), tip[1])], antler, 3.0, INK, 1.6)
        pen.poly([(sx(x), y) for x, y in leaf_pts((38, 40), (12, 30), 14, 2 * flip * -1)], fur)
        pen.poly([(sx(x), y) for x, y in leaf_pts((36, 39), (18, 32), 7, 2 * flip * -1)],
                 (236, 190, 160), None)
    face = spline([(50, 26), (64, 30), (68, 46), (60, 70), (56, 88), (44, 88),
                   (40, 70), (32, 46), (36, 30), (50, 26)], 8)
    pen.poly(face, fur)
    pen.poly(spline([(50, 56), (56, 66), (54, 84), (46, 84), (44, 66), (50, 56)], 8), pale, None)
    pen.eye(41, 48, 4)
    pen.eye(59, 48, 4)
    pen.ellipse(50, 85, 7, 5, (52, 36, 30), INK, 1.2)
    pen.circle(48, 84, 1.4, (150, 130, 120), None)


def emblem_star(pen):
    # Bevelled eight-pointed star with a few small sparkles.
    pts = star_pts(50, 52, 46, 11, 8)
    for i in range(0, len(pts), 2):
        if (i // 2) % 2:                                # shorten the diagonals
            x, y = pts[i]
            pts[i] = (50 + (x - 50) * 0.56, 52 + (y - 52) * 0.56)
    n = len(pts)
    for i in range(0, n, 2):
        tip, before, after = pts[i], pts[i - 1], pts[(i + 1) % n]
        pen.poly([(50, 52), before, tip], (250, 220, 110), None)
        pen.poly([(50, 52), tip, after], (222, 160, 30), None)
    pen.poly(pts, None, INK, 2.4)
    pen.circle(50, 52, 4, WHITE, INK, 1.4)
    pen.sparkle(16, 16, 6)
    pen.sparkle(84, 86, 5)
    pen.sparkle(86, 18, 4)


def drop_pts(cx, cy, r):
    """A water drop pointing up, with its round part centred at (cx, cy)."""
    return ellipse_pts(cx, cy, r, r, a0=-30, a1=210, n=30) + [(cx, cy - r * 2.2)]


def emblem_offering(pen):
    # Painted offering bowl receiving falling water drops.
    water, clay, band = (90, 160, 214), (190, 100, 60), (246, 222, 170)
    for cx, cy, r in [(50, 20, 6.5), (30, 34, 5), (70, 34, 5)]:
        pen.poly(drop_pts(cx, cy, r), water, INK, 1.8)
        pen.circle(cx - r * 0.35, cy - r * 0.2, r * 0.3, WHITE, None)
    pen.poly([(40, 88), (60, 88), (64, 96), (36, 96)], (160, 80, 48))
    pen.poly(ellipse_pts(50, 58, 38, 32, a0=0, a1=180), clay)
    pen.poly(ellipse_pts(50, 58, 38, 32, a0=15, a1=165, n=24)
             + ellipse_pts(50, 58, 34, 22, a0=165, a1=15, n=24), band, None)
    for i in range(6):
        pen.poly(star_pts(26 + i * 9.6, 72 + 3 * math.sin(math.pi * i / 5), 3, 1.2, 4),
                 (170, 60, 40), None)
    pen.ellipse(50, 58, 38, 7, water)
    pen.line(ellipse_pts(50, 58, 18, 3, a0=200, a1=340, n=12), WHITE, 1.4)


def emblem_dog(pen):
    # Friendly dog face: floppy ears, pale muzzle, patch over one eye, tongue.
    fur, ear, pale = (196, 136, 82), (112, 70, 44), (244, 222, 188)
    pen.blob([(50, 48, 30, 31)], fur)
    pen.ellipse(62, 42, 10, 9, (150, 96, 56), None)
    for flip in (-1, 1):
        pen.poly([(50 + flip * x, y) for x, y in
                  spline([(20, 24), (8, 40), (6, 62), (14, 70), (24, 58), (30, 30)], 8)],
                 ear)
    pen.poly(spline([(46, 82), (44, 92), (50, 95), (56, 92), (54, 82)], 6), (232, 110, 122),
             INK, 1.8)
    pen.blob([(43, 70, 12, 11), (57, 70, 12, 11)], pale)
    pen.ellipse(50, 61, 7, 5, INK, None)
    pen.circle(48, 59.5, 1.6, (130, 110, 100), None)
    pen.line([(50, 64), (50, 72)], INK, 1.8)
    pen.line(spline([(42, 74), (46, 76), (50, 72), (54, 76), (58, 74)]), INK, 1.8)
    pen.eye(39, 43, 4.5)
    pen.eye(61, 43, 4.5)


EMBLEMS = {
    "Monkey": emblem_monkey, "Road": emblem_road, "Reed": emblem_reed,
    "Jaguar": emblem_jaguar, "Eagle": emblem_eagle, "Wisdom": emblem_wisdom,
    "Earth": emblem_earth, "Flint": emblem_flint, "Storm": emblem_storm,
    "Sun": emblem_sun, "Crocodile": emblem_crocodile, "Wind": emblem_wind,
    "Night": emblem_night, "Seed": emblem_seed, "Serpent": emblem_serpent,
    "Transformer": emblem_transformer, "Deer": emblem_deer, "Star": emblem_star,
    "Offering": emblem_offering, "Dog": emblem_dog,
}


# ---------------------------------------------------------------- day signs

SIGN_PX = 150
STRIP_TOP = 111              # name strip starts here (final pixels)
EMBLEM_BOX = (32, 17, 86)    # x, y and size of the emblem square (final pixels)


def rounded_mask(size, inset, radius):
    """L mask of a rounded square inset from the edges of a size x size image."""
    mask = Image.new("L", (size, size), 0)
    box = (inset, inset, size - inset - 1, size - inset - 1)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius, fill=255)
    return mask


def cartouche(accent, u):
    """Supersampled stone cartouche: double border, emblem backdrop, name strip.

    u is the number of drawing pixels to one pixel of the 1x picture.
    """
    s, m, r = SIGN_PX * u, 5 * u, 24 * u
    img = Image.new("RGB", (s, s), PARCHMENT)
    # Outer ink line, ochre band, inner ink line, then the stone face.
    img.paste(INK, (0, 0, s, s), rounded_mask(s, m, r))
    img.paste(vertical_gradient((s, s), OCHRE_LIGHT, OCHRE), (0, 0),
              rounded_mask(s, m + 3 * u, r - 3 * u))
    img.paste(INK, (0, 0, s, s), rounded_mask(s, m + 7 * u, r - 7 * u))
    face = rounded_mask(s, m + 8.5 * u, r - 8.5 * u)
    img.paste(vertical_gradient((s, s), STONE_TOP, STONE_BOTTOM), (0, 0), face)
    # The name strip takes the accent colour, below an ink rule.
    strip_mask = Image.new("L", (s, s), 0)
    strip_mask.paste(face.crop((0, STRIP_TOP * u, s, s)), (0, STRIP_TOP * u))
    img.paste(mix(STONE_BOTTOM, accent, 0.45), (0, 0, s, s), strip_mask)
    d = ImageDraw.Draw(img)
    edge = m + 8.5 * u
    d.line((edge, STRIP_TOP * u, s - edge - 1, STRIP_TOP * u), fill=INK, width=round(1.5 * u))
    # A faint accent disc behind the emblem.
    x, y, size = EMBLEM_BOX
    cx, cy, rad = (x + size / 2) * u, (y + size / 2) * u, (size / 2 + 4) * u
    d.ellipse((cx - rad, cy - rad, cx + rad, cy + rad), fill=mix(STONE_TOP, accent, 0.16),
              outline=mix(STONE_TOP, accent, 0.45), width=u)
    return img


def shade(layer, u):
    """Light from the upper left: brighten the top, darken the bottom, add a shadow."""
    s = layer.size[0]
    alpha = layer.getchannel("A")
    light = Image.new("L", (1, s))
    for y in range(s):
        light.putpixel((0, y), round(40 * (1 - y / s)))
    dark = Image.new("L", (1, s))
    for y in range(s):
        dark.putpixel((0, y), round(46 * y / s))
    light, dark = light.resize((s, s)), dark.resize((s, s))
    rgb = layer.convert("RGB")
    rgb = Image.composite(Image.new("RGB", (s, s), (255, 250, 235)), rgb,
                          Image.composite(light, Image.new("L", (s, s), 0), alpha))
    rgb = Image.composite(Image.new("RGB", (s, s), (40, 20, 10)), rgb,
                          Image.composite(dark, Image.new("L", (s, s), 0), alpha))
    out = rgb.convert("RGBA")
    out.putalpha(alpha)
    shadow = Image.new("RGBA", (s, s), (70, 44, 20, 0))
    shadow.putalpha(alpha.point(lambda a: a * 0.35))
    shadow = shadow.transform((s, s), Image.Transform.AFFINE, (1, 0, -1.5 * u, 0, 1, -2 * u))
    shadow = shadow.filter(ImageFilter.GaussianBlur(2 * u))
    return shadow, out


def fit_font(draw, text, max_width, size, scale=1):
    """Largest bold font up to size whose rendering of text fits max_width.

    The choice is made at 1x and then enlarged, so that a larger picture
    carries the same lettering rather than a face that fits differently.
    """
    for path in (BOLD, BOLD_NARROW):
        for sz in range(size, size - 3, -1):
            if draw.textlength(text, font=font(path, sz)) <= max_width:
                return font(path, sz * scale)
    return font(BOLD_NARROW, (size - 3) * scale)


def sign_image(name, accent, scale=1, label=None):
    u = SS * scale
    big = cartouche(accent, u)
    layer = Image.new("RGBA", big.size, (0, 0, 0, 0))
    x, y, size = EMBLEM_BOX
    EMBLEMS[name](Pen(layer, x * u, y * u, size * u))
    shadow, layer = shade(layer, u)
    big.paste(shadow, (0, 0), shadow)
    big.paste(layer, (0, 0), layer)
    img = big.resize((SIGN_PX * scale, SIGN_PX * scale), LANCZOS)
    d = ImageDraw.Draw(img)
    label = label or name
    f = fit_font(d, label, 106, 14, scale)
    d.text((SIGN_PX / 2 * scale, ((STRIP_TOP + 137) / 2 + 0.5) * scale), label, font=f, fill=INK,
           anchor="mm")
    return img


# ---------------------------------------------------------------- tones

TONE_PAPER = (248, 244, 232)
TONE_EDGE = (140, 186, 172)
TONE_FILL = (10, 118, 104)
TONE_DARK = (0, 62, 56)
TONE_SHINE = (96, 182, 164)
TONE_TEXT = (18, 72, 66)
TONE_TEXT_PX = 14            # height of the name line at the bottom


def numeral_layout(n):
    """Rows of the bar-and-dot numeral, top to bottom: ('dots', k) or ('bar', 1)."""
    rows = [("dots", n % 5)] if n % 5 else []
    return rows + [("bar", 1)] * (n // 5)


def draw_numeral(d, n, cx, top, bottom, u):
    """Dots for ones above bars for fives, centred between top and bottom (supersampled)."""
    dot, bar_h, bar_w, gap = 9 * u, 7.5 * u, 50 * u, 3 * u
    rows = numeral_layout(n)
    heights = [dot if kind == "dots" else bar_h for kind, _ in rows]
    y = (top + bottom - sum(heights) - gap * (len(rows) - 1)) / 2
    edge = u
    for (kind, count), h in zip(rows, heights):
        if kind == "dots":
            step = dot + 4 * u
            x0 = cx - (count * dot + (count - 1) * 4 * u) / 2
            for i in range(count):
                box = (x0 + i * step, y, x0 + i * step + dot, y + dot)
                d.ellipse(box, fill=TONE_FILL, outline=TONE_DARK, width=edge)
                shine = (box[0] + 2 * u, box[1] + 1.6 * u, box[0] + 4.2 * u, box[1] + 3.6 * u)
                d.ellipse(shine, fill=TONE_SHINE)
        else:
            box = (cx - bar_w / 2, y, cx + bar_w / 2, y + h)
            d.rounded_rectangle(box, h / 2, fill=TONE_FILL, outline=TONE_DARK, width=edge)
            d.line((box[0] + 4 * u, y + 2 * u, box[2] - 4 * u, y + 2 * u),
                   fill=TONE_SHINE, width=u)
        y += h + gap


def tone_image(n, name, w, h, scale=1):
    u = SS * scale
    big = Image.new("RGB", (w * u, h * u), TONE_PAPER)
    d = ImageDraw.Draw(big)
    d.rounded_rectangle((u, u, w * u - u - 1, h * u - u - 1), 6 * u,
                        fill=TONE_PAPER, outline=TONE_EDGE, width=u)
    draw_numeral(d, n, w * u / 2, 4 * u, (h - TONE_TEXT_PX) * u, u)
    img = big.resize((w * scale, h * scale), LANCZOS)
    d = ImageDraw.Draw(img)
    f = fit_font(d, name, w - 8, 11, scale)
    d.text((w / 2 * scale, (h - TONE_TEXT_PX / 2 - 2) * scale), name, font=f, fill=TONE_TEXT,
           anchor="mm")
    return img


# ---------------------------------------------------------------- icon

ICON_MASTER = 1024


def icon_master(simple=False):
    """Purple rounded tile with a gold sun, drawn at 1024 px.

    The simple version drops the gold ring and enlarges the sun so the
    16 and 24 pixel icons stay a clear sun rather than a blur.
    """
    s = ICON_MASTER
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle((24, 24, s - 25, s - 25), 200, fill=255)
    tile = vertical_gradient((s, s), (156, 30, 156), (96, 0, 96)).convert("RGBA")
    img.paste(tile, (0, 0), mask)
    d = ImageDraw.Draw(img)
    gold, deep_gold = (248, 196, 48), (214, 148, 20)
    if not simple:
        d.rounded_rectangle((84, 84, s - 85, s - 85), 150, outline=gold, width=44)
    c = s / 2
    rays, disc, reach, hole, core = (8, 270, 450, 150, 0) if simple else (12, 230, 360, 150, 80)
    for i in range(rays):
        a = 2 * math.pi * i / rays - math.pi / 2
        half = math.pi / rays * 0.62
        d.polygon([(c + (disc - 10) * math.cos(a - half), c + (disc - 10) * math.sin(a - half)),
                   (c + reach * math.cos(a), c + reach * math.sin(a)),
                   (c + (disc - 10) * math.cos(a + half), c + (disc - 10) * math.sin(a + half))],
                  fill=gold if simple or i % 2 == 0 else deep_gold)
    d.ellipse((c - disc, c - disc, c + disc, c + disc), fill=gold)
    d.ellipse((c - hole, c - hole, c + hole, c + hole), fill=PURPLE)
    if core:
        d.ellipse((c - core, c - core, c + core, c + core), fill=gold)
    return img


def save_icons():
    folder = os.path.join(ASSETS, "icon")
    os.makedirs(folder, exist_ok=True)
    master, simple = icon_master(), icon_master(simple=True)
    main = master.resize((256, 256), LANCZOS)
    main.save(os.path.join(folder, "tzolkara-256.png"), optimize=True)
    small = {}
    for size in ICON_SIZES:
        small[size] = (simple if size <= 24 else master).resize((size, size), LANCZOS)
        small[size].save(os.path.join(folder, "tzolkara-%02d.png" % size), optimize=True)
    extra = [small[sz] for sz in ICO_SIZES if sz != 256]
    main.save(os.path.join(folder, "tzolkara.ico"),
              sizes=[(sz, sz) for sz in ICO_SIZES], append_images=extra)


# ---------------------------------------------------------------- main

def save_jpeg(img, path):
    img.convert("RGB").save(path, "JPEG", quality=JPEG_QUALITY, optimize=True,
                            subsampling=0)


def save_pictures(folder, sign_labels, tone_labels):
    sign_dir, tone_dir = os.path.join(folder, "signs"), os.path.join(folder, "tones")
    os.makedirs(sign_dir, exist_ok=True)
    os.makedirs(tone_dir, exist_ok=True)
    for scale, suffix in SCALES:
        for i, ((name, accent), label) in enumerate(zip(SIGNS, sign_labels), 1):
            save_jpeg(sign_image(name, accent, scale, label),
                      os.path.join(sign_dir, "%02d-%s%s.jpg" % (i, name, suffix)))
        for i, ((name, w, h), label) in enumerate(zip(TONES, tone_labels), 1):
            # Tone pictures are stored by number; the window finds them by position.
            save_jpeg(tone_image(i, label, w, h, scale),
                      os.path.join(tone_dir, "%02d%s.jpg" % (i, suffix)))


def main():
    save_pictures(ASSETS, [name for name, _ in SIGNS], [name for name, _, _ in TONES])
    for language, (sign_labels, tone_labels) in LANGUAGES.items():
        save_pictures(os.path.join(ASSETS, language), sign_labels, tone_labels)
    save_icons()


if __name__ == "__main__":
    main()
