#!/usr/bin/env python3
"""Draws Korvalo's pictures and writes them as Windows icon and cursor files.

Each picture is described below as strokes and shapes on a fixed design grid, so that it can be
reviewed as text and rendered at any size. Run it after changing a drawing:

    python3 resources/draw_pictures.py

It writes beside itself arrows.ico (64 px 24-bit with mask, and 96 and 128 px as PNG for high
DPI), hand.cur (32, 48 and 64 px, 16 colours, hot spot at the tip of the index finger: 12, 1 at
32 px) and portrait.ico (96 x 96, two colours with mask).
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# --- geometry -------------------------------------------------------------------------------

def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def arc_dist(px, py, cx, cy, r, a0, a1):
    """Distance to a circular arc from angle a0 to a1 (degrees, y down, counter-clockwise on screen)."""
    ang = math.degrees(math.atan2(-(py - cy), px - cx)) % 360
    lo, hi = a0 % 360, (a0 % 360) + ((a1 - a0) % 360)
    if lo <= ang <= hi or lo <= ang + 360 <= hi:
        return abs(math.hypot(px - cx, py - cy) - r)
    ends = [(cx + r * math.cos(math.radians(a)), cy - r * math.sin(math.radians(a))) for a in (a0, a1)]
    return min(math.hypot(px - x, py - y) for x, y in ends)


def in_polygon(px, py, pts):
    inside = False
    for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
        if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def in_ellipse(px, py, cx, cy, rx, ry):
    return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1


# --- the pictures ---------------------------------------------------------------------------
# Each returns, for a pixel centre on the design grid, a colour (r, g, b) or None (transparent).

LAVENDER, LAVENDER_EDGE = (204, 190, 255), (112, 96, 176)
RED, RED_EDGE = (255, 0, 0), (150, 0, 0)


def arrow(x, y, shafts, arcs, head, fill, edge, width):
    """A stroked path with a triangular head; a one-unit darker edge keeps it visible on grey."""
    d = min([seg_dist(x, y, *s) for s in shafts] + [arc_dist(x, y, *a) for a in arcs])
    if in_polygon(x, y, head) or d <= width / 2:
        return fill
    grown = [(hx + (hx - sum(p[0] for p in head) / 3) * 0.25, hy + (hy - sum(p[1] for p in head) / 3) * 0.25)
             for hx, hy in head]
    if in_polygon(x, y, grown) or d <= width / 2 + 1.2:
        return edge
    return None


def arrows(x, y):
    """Two U-turn arrows on a 64 grid: lavender on the left turning to point right, red on the
    right turning back downwards and to the left. The bottom eighth stays transparent: the
    label "自动翻转" overlaps it."""
    left = arrow(x, y,
                 shafts=[(28, 36, 18, 36), (18, 14, 24, 14)],
                 arcs=[(18, 25, 11, 90, 270)],
                 head=[(31, 14), (23, 6), (23, 22)], fill=LAVENDER, edge=LAVENDER_EDGE, width=6)
    right = arrow(x, y,
                  shafts=[(35, 25, 45, 25), (45, 45, 40, 45)],
                  arcs=[(45, 35, 10, 270, 90)],
                  head=[(33, 45), (40, 38), (40, 52)], fill=RED, edge=RED_EDGE, width=6)
    return left or right


WHITE, BLACK, BLUE, NAVY = (255, 255, 255), (0, 0, 0), (0, 64, 224), (0, 0, 128)


def span(v, a, b):
    """Whether v lies on the grid cells a to b: exactly a <= v <= b for whole numbers, and
    with the cells' own width when a larger cursor samples between them."""
    return a - 0.5 <= v < b + 0.5


def hand_shape(x, y):
    """White hand parts on a 32 grid: index finger up with its tip at (12, 1)."""
    index = span(x, 10, 14) and span(y, 2, 17) or in_ellipse(x, y, 12, 3, 2.6, 2.6)
    fingers = (span(x, 14, 17) and span(y, 9, 18) or span(x, 17, 20) and span(y, 10, 19)
               or span(x, 20, 23) and span(y, 11, 20))
    thumb = in_polygon(x, y, [(4, 14), (7, 13), (11, 18), (10, 22)])
    palm = in_polygon(x, y, [(9, 15), (24, 13), (24, 23), (21, 26), (11, 26), (7, 20)])
    return index or fingers or thumb or palm


def hand(x, y):
    if span(x, 10, 23) and span(y, 26, 30):
        edge = span(x, 10, 10) or span(x, 23, 23) or span(y, 26, 26) or span(y, 30, 30)
        return NAVY if edge else BLUE
    if hand_shape(x, y):
        # Dark creases between the folded fingers.
        if any(span(x, c, c) for c in (14, 17, 20)) and span(y, 10, 16):
            return BLACK
        return WHITE
    if any(hand_shape(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
        return BLACK
    return None


def portrait(x, y):
    """A black line drawing of a face on a 96 grid."""
    w = 1.6
    strokes = [
        arc_dist(x, y, 48, 46, 27, 200, 340),           # jaw and chin
        arc_dist(x, y, 48, 44, 27, 20, 160),            # top of the head
        arc_dist(x, y, 48, 40, 31, 15, 165),            # hair line
        arc_dist(x, y, 19, 48, 5, 90, 270),             # left ear
        arc_dist(x, y, 77, 48, 5, 270, 90),             # right ear
        abs(math.hypot(x - 37, y - 41) - 5),            # left eye
        abs(math.hypot(x - 59, y - 41) - 5),            # right eye
        seg_dist(x, y, 31, 32, 42, 31),                 # eyebrows
        seg_dist(x, y, 54, 31, 65, 32),
        seg_dist(x, y, 48, 44, 45, 56), seg_dist(x, y, 45, 56, 50, 57),   # nose
        arc_dist(x, y, 48, 58, 10, 215, 325),           # smile
        seg_dist(x, y, 40, 73, 38, 84), seg_dist(x, y, 56, 73, 58, 84),   # neck
        seg_dist(x, y, 38, 84, 16, 92), seg_dist(x, y, 58, 84, 80, 92),   # shoulders
    ]
    if min(strokes) <= w:
        return BLACK
    if in_ellipse(x, y, 37, 41, 1.8, 1.8) or in_ellipse(x, y, 59, 41, 1.8, 1.8):
        return BLACK
    return None


def render(picture, size, grid, samples=1):
    """Renders on a size x size pixel grid; a pixel takes the colour most of its samples hit."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = {}
            for sy in range(samples):
                for sx in range(samples):
                    gx = (px + (sx + 0.5) / samples) * grid / size - 0.5
                    gy = (py + (sy + 0.5) / samples) * grid / size - 0.5
                    c = picture(gx, gy)
                    hits[c] = hits.get(c, 0) + 1
            row.append(max(hits, key=lambda c: (hits[c], c is not None)))
        rows.append(row)
    return rows


# --- file formats ---------------------------------------------------------------------------

def mask_bits(rows):
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            if c is None:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def dib(rows, bpp, palette):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, 0, 0, 0, len(palette), 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    stride = ((size * bpp + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, c in enumerate(row):
            if bpp == 24:
                r, g, b = c or (0, 0, 0)
                line[x * 3:x * 3 + 3] = bytes((b, g, r))
            else:
                i = palette.index(c) if c is not None else 0
                per = 8 // bpp
                line[x // per] |= i << (8 - bpp * (x % per + 1))
        pixels += line
    return header + pal + bytes(pixels) + mask_bits(rows)


def png(rows):
    """A 32-bit RGBA PNG; transparent where the picture has no colour."""
    size = len(rows)
    raw = b''.join(b'\0' + b''.join(bytes((*c, 255)) if c else b'\0\0\0\0' for c in row) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def icon_file(images, kind=1):
    """images: list of (size, bpp, colour count, dib bytes), and for a cursor its hot spot."""
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, bpp, colours, data, *hotspot in images:
        a, b = (1, bpp) if kind == 1 else hotspot[0]
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours % 256, 0, a, b, len(data), offset)
        offset += len(data)
    return out + b''.join(img[3] for img in images)


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def main():
    # 64 px is the picture itself, 24-bit with mask; the larger sizes for high DPI are stored
    # PNG-compressed, which Windows reads since Vista, to keep the exe small.
    images = [(64, 24, 0, dib(render(arrows, 64, 64, 3), 24, []))]
    images += [(s, 32, 0, png(render(arrows, s, 64, 3))) for s in (96, 128)]
    with open(os.path.join(HERE, 'arrows.ico'), 'wb') as f:
        f.write(icon_file(images))

    palette = list(VGA16)
    palette[12] = BLUE  # the cuff's own blue instead of pure blue
    # 32 px as drawn on the grid; 48 and 64 px for 144 and 192 DPI, the tip of the index
    # finger scaled with it.
    cursors = [(32, 4, 16, dib(render(hand, 32, 32), 4, palette), (12, 1))]
    cursors += [(s, 4, 16, dib(render(hand, s, 32), 4, palette), (12 * s // 32, s // 32))
                for s in (48, 64)]
    with open(os.path.join(HERE, 'hand.cur'), 'wb') as f:
        f.write(icon_file(cursors, kind=2))

    rows = render(portrait, 96, 96, 2)
    with open(os.path.join(HERE, 'portrait.ico'), 'wb') as f:
        f.write(icon_file([(96, 1, 2, dib(rows, 1, [BLACK, WHITE]))]))


if __name__ == '__main__':
    main()
