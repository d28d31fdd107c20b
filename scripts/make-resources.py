#!/usr/bin/python3
"""Draws the boss key's embedded pictures into resources/.

    /usr/bin/python3 scripts/make-resources.py

Writes:
  main_window.jpg  background of the main window: a soft abstract picture,
                   650 x 300, progressive JPEG of about 18 KB
  finder.cur       the finder: one 32 x 32 image at 24 bits per pixel,
                   hotspot (0, 0), 3 262 bytes
  bosskey.ico      the application icon: one 32 x 32 image at 32 bits per pixel

The outputs are committed, so building the program needs no Python. The
drawing is deterministic: running the script again gives the same files.
"""
import io
import math
import os
import random
import struct

from PIL import Image, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources")

PICTURE_SIZE = (650, 300)
PICTURE_TARGET_BYTES = 18 * 1024


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(int(round(lerp(x, y, t))) for x, y in zip(c1, c2))


def background_picture():
    """A pale sky-to-dawn gradient with blurred light discs and ribbons."""
    w, h = PICTURE_SIZE
    top_left = (182, 214, 238)      # pale sky blue
    bottom_right = (236, 214, 230)  # dawn rose
    middle = (214, 226, 246)        # lavender
    img = Image.new("RGB", PICTURE_SIZE)
    px = img.load()
    for y in range(h):
        for x in range(w):
            t = (x / w) * 0.7 + (y / h) * 0.3
            if t < 0.5:
                c = mix(top_left, middle, t / 0.5)
            else:
                c = mix(middle, bottom_right, (t - 0.5) / 0.5)
            px[x, y] = c

    rng = random.Random(1728)
    img = img.convert("RGBA")

    def glow(colour, alpha, blur, shapes):
        """Lays colour over the picture through a blurred mask of shapes."""
        mask = Image.new("L", PICTURE_SIZE, 0)
        shapes(ImageDraw.Draw(mask))
        mask = mask.filter(ImageFilter.GaussianBlur(blur)).point(lambda v: v * alpha // 255)
        layer = Image.new("RGBA", PICTURE_SIZE, colour + (0,))
        layer.putalpha(mask)
        return Image.alpha_composite(img, layer)

    # Two soft ribbons sweeping across the picture.
    for k, (colour, alpha, phase, amp, base) in enumerate(
            [((255, 255, 255), 120, 0.4, 38, 170), ((160, 196, 236), 110, 2.1, 30, 215)]):
        points = []
        for x in range(-20, w + 21, 5):
            y = base + amp * math.sin(x / 110.0 + phase) + 12 * math.sin(x / 37.0 + k)
            points.append((x, y))
        img = glow(colour, alpha, 9, lambda d, pts=points: d.line(pts, fill=255, width=22))

    # Blurred discs of light, large and faint, in three tints.
    discs = [(rng.randint(18, 70), rng.randint(-20, w + 20), rng.randint(-20, h + 20),
              rng.randrange(3), rng.randint(70, 150)) for _ in range(22)]
    tints = [(255, 255, 255), (255, 236, 246), (226, 240, 255)]
    for t, tint in enumerate(tints):
        def shapes(d, t=t):
            for r, x, y, tt, a in discs:
                if tt == t:
                    d.ellipse((x - r, y - r, x + r, y + r), fill=a)
        img = glow(tint, 150, 6, shapes)

    # Small bright sparkles.
    def sparkles(d):
        for _ in range(60):
            r = rng.randint(2, 7)
            x = rng.randint(0, w)
            y = rng.randint(0, h)
            d.ellipse((x - r, y - r, x + r, y + r), fill=rng.randint(120, 230))
    img = glow((255, 255, 255), 255, 1.2, sparkles).convert("RGB")
    return img


def save_progressive_jpeg(img, target):
    """Chooses the quality whose file size comes closest to target."""
    best = None
    for quality in range(40, 97):
        buf = io.BytesIO()
        img.save(buf, "JPEG", quality=quality, progressive=True, optimize=True,
                 subsampling="4:2:0")
        data = buf.getvalue()
        if best is None or abs(len(data) - target) < abs(len(best) - target):
            best = data
    return best


def supersampled(size, scale, draw):
    """Draws at scale times the size and shrinks, for smooth edges."""
    big = Image.new("RGBA", (size * scale, size * scale), (0, 0, 0, 0))
    draw(ImageDraw.Draw(big), size * scale)
    return big.resize((size, size), Image.LANCZOS)


def finder_image():
    """A bull's-eye with a crosshair: white disc, dark rings and hairlines."""
    def draw(d, s):
        u = s / 32.0
        d.ellipse((1 * u, 1 * u, 31 * u, 31 * u), fill=(255, 255, 255, 255),
                  outline=(20, 40, 90, 255), width=int(2 * u))
        d.ellipse((9 * u, 9 * u, 23 * u, 23 * u), outline=(20, 40, 90, 255), width=int(1.5 * u))
        d.rectangle((15.25 * u, 3 * u, 16.75 * u, 29 * u), fill=(200, 30, 40, 255))
        d.rectangle((3 * u, 15.25 * u, 29 * u, 16.75 * u), fill=(200, 30, 40, 255))
        d.ellipse((14 * u, 14 * u, 18 * u, 18 * u), fill=(200, 30, 40, 255))
    return supersampled(32, 8, draw)


def and_mask_rows(img):
    """1 bit per pixel, rows padded to 32 bits, bottom-up; 1 = transparent."""
    w, h = img.size
    px = img.load()
    rows = []
    for y in range(h - 1, -1, -1):
        bits = 0
        for x in range(w):
            if px[x, y][3] < 128:
                bits |= 1 << (31 - x)
        rows.append(struct.pack(">I", bits))
    return b"".join(rows)


def cursor_file(img, hotspot):
    """A .cur file with one 24-bit image."""
    w, h = img.size
    px = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            if a < 128:
                r = g = b = 0
            else:  # flatten the soft edge on white
                r, g, b = (int(c * a / 255 + 255 * (1 - a / 255)) for c in (r, g, b))
            xor += bytes((b, g, r))
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    image = info + bytes(xor) + and_mask_rows(img)
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return header + entry + image


def icon_image():
    """A rounded tile in deep blue holding a white key: the boss key."""
    def draw(d, s):
        u = s / 32.0
        d.rounded_rectangle((1 * u, 1 * u, 31 * u, 31 * u), radius=7 * u,
                            fill=(30, 84, 160, 255), outline=(14, 50, 110, 255), width=int(u))
        d.rounded_rectangle((3 * u, 3 * u, 29 * u, 14 * u), radius=5 * u, fill=(70, 130, 205, 255))
        white = (255, 255, 255, 255)
        d.ellipse((5 * u, 9 * u, 17 * u, 21 * u), fill=white)
        d.ellipse((8.5 * u, 12.5 * u, 13.5 * u, 17.5 * u), fill=(30, 84, 160, 255))
        d.rectangle((15 * u, 13.5 * u, 27 * u, 16.5 * u), fill=white)
        d.rectangle((21 * u, 16 * u, 23.5 * u, 21 * u), fill=white)
        d.rectangle((25 * u, 16 * u, 27 * u, 19.5 * u), fill=white)
    return supersampled(32, 8, draw)


def icon_file(img):
    """A .ico file with one 32-bit image (alpha in the colour bitmap)."""
    w, h = img.size
    px = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    image = info + bytes(xor) + and_mask_rows(img)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w, h, 0, 0, 1, 32, len(image), 6 + 16)
    return header + entry + image


def write(name, data):
    path = os.path.normpath(os.path.join(OUT, name))
    with open(path, "wb") as f:
        f.write(data)
    print("%s: %d bytes" % (path, len(data)))


def main():
    os.makedirs(OUT, exist_ok=True)
    jpeg = save_progressive_jpeg(background_picture(), PICTURE_TARGET_BYTES)
    write("main_window.jpg", jpeg)
    cur = cursor_file(finder_image(), (0, 0))
    assert len(cur) == 3262, len(cur)
    write("finder.cur", cur)
    write("bosskey.ico", icon_file(icon_image()))


if __name__ == "__main__":
    main()
