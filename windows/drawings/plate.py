#!/usr/bin/env python3
"""Writes windows/drawings/plate.svg, the half-section of a plate slip-on flange behind FormPL's boxes.

Run: python3 windows/drawings/plate.py (it writes plate.svg beside itself)

Coordinates are twips inside the picture control Image1 (window 120, 480; 3960 x 2604), so a
text box at window twips (x, y) stands at drawing (x - 120, y - 480). Static SVG Tiny 1.2 only:
hatching is clipped here, arrowheads are filled paths.
"""
import math
import os

W, H = 3960, 2604

# Flange, axis vertical, pipe entering from the top; left half flat face (PL), right half
# raised face (RF).
AX = 1680                      # flange axis
R_OD, R_BORE, R_BC, R_RF = 1560, 480, 1140, 920
HOLE_R = 90
Y_TOP, Y_BOT, RF_H = 720, 1320, 60
Y_RF = Y_BOT + RF_H
BEVEL_W = 150
BEVEL_ANGLE = 50               # between bevel and pipe wall
BEVEL_D = BEVEL_W / math.tan(math.radians(BEVEL_ANGLE))
PIPE_WALL = 60
Y_BREAK = 170                  # top of the pipe stub
Y_PIPE_END = 1200

X_OD_L, X_OD_R = AX - R_OD, AX + R_OD
X_BORE_L, X_BORE_R = AX - R_BORE, AX + R_BORE
X_BC_L, X_BC_R = AX - R_BC, AX + R_BC
X_RF_R = AX + R_RF

# Where the boxes stand (drawing coordinates of the box bottoms / leader ends).
Y_DIM_BEVEL = 60               # Text1 bottom at 24
Y_DIM_PIPE = 360               # Line2 ends here
Y_SHELF_BOLT = 432             # between Text3 (bottom 384) and Text4 (top 480)
X_DIM_THICK = 3480             # Line3 starts here, at y 1080
X_DIM_RF = 3560
Y_SHELF_RF = 1716              # Text8 bottom at 1704
Y_DIM_BORE = 1840              # Text5 bottom at 1824
Y_DIM_BC = 2200                # Text6 bottom at 2184
Y_DIM_OD = 2560                # Text7 bottom at 2544

THICK, THIN, HATCH = 26, 14, 10
ARROW_L, ARROW_W = 110, 32
GAP, OVER = 30, 40             # extension line gap from the part, overshoot past the dim line

out = []


def f(v):
    return ('%.1f' % v).rstrip('0').rstrip('.')


def path(d, width, dash=None, fill='none'):
    extra = ' stroke-dasharray="%s"' % dash if dash else ''
    out.append('<path d="%s" fill="%s" stroke="black" stroke-width="%s"%s '
               'stroke-linecap="butt" stroke-linejoin="miter"/>' % (d, fill, width, extra))


def line(x1, y1, x2, y2, width=THIN, dash=None):
    path('M%s %sL%s %s' % (f(x1), f(y1), f(x2), f(y2)), width, dash)


def polyline(points, width, close=False):
    d = 'M' + 'L'.join('%s %s' % (f(x), f(y)) for x, y in points) + ('Z' if close else '')
    path(d, width)


def arrow(tx, ty, dx, dy):
    """A filled arrowhead with its tip at (tx, ty), pointing along (dx, dy)."""
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    bx, by = tx - ux * ARROW_L, ty - uy * ARROW_L
    px, py = -uy * ARROW_W, ux * ARROW_W
    out.append('<path d="M%s %sL%s %sL%s %sZ" fill="black" stroke="none"/>'
               % (f(tx), f(ty), f(bx + px), f(by + py), f(bx - px), f(by - py)))


def text(x, y, s, size, anchor='middle'):
    out.append('<text x="%s" y="%s" font-family="DejaVu Sans" font-size="%s" text-anchor="%s" '
               'fill="black">%s</text>' % (f(x), f(y), size, anchor, s))


def hdim(y, x1, x2):
    """Horizontal dimension line with arrows inside, tips on x1 and x2."""
    line(x1, y, x2, y)
    arrow(x1, y, -1, 0)
    arrow(x2, y, 1, 0)


def hatch(polygon, spacing=70):
    """45-degree section lines clipped to a simple polygon."""
    # Lines x + y = c, rising to the right on screen.
    cs = [x + y for x, y in polygon]
    c = (math.floor(min(cs) / spacing) + 1) * spacing
    segs = []
    while c < max(cs):
        hits = []
        n = len(polygon)
        for i in range(n):
            (x1, y1), (x2, y2) = polygon[i], polygon[(i + 1) % n]
            s1, s2 = x1 + y1 - c, x2 + y2 - c
            if (s1 < 0) != (s2 < 0):
                t = s1 / (s1 - s2)
                hits.append(x1 + t * (x2 - x1))
        hits.sort()
        for a, b in zip(hits[0::2], hits[1::2]):
            segs.append('M%s %sL%s %s' % (f(a), f(c - a), f(b), f(c - b)))
        c += spacing
    path(''.join(segs), HATCH)


# --- Section of the flange -------------------------------------------------------------
hole_l = (X_BC_L - HOLE_R, X_BC_L + HOLE_R)
hole_r = (X_BC_R - HOLE_R, X_BC_R + HOLE_R)
y_bevel = Y_TOP + BEVEL_D
sections = [
    [(X_OD_L, Y_TOP), (hole_l[0], Y_TOP), (hole_l[0], Y_BOT), (X_OD_L, Y_BOT)],
    [(hole_l[1], Y_TOP), (X_BORE_L - BEVEL_W, Y_TOP), (X_BORE_L, y_bevel), (X_BORE_L, Y_BOT),
     (hole_l[1], Y_BOT)],
    [(X_BORE_R, y_bevel), (X_BORE_R + BEVEL_W, Y_TOP), (hole_r[0], Y_TOP), (hole_r[0], Y_BOT),
     (X_RF_R, Y_BOT), (X_RF_R, Y_RF), (X_BORE_R, Y_RF)],
    [(hole_r[1], Y_TOP), (X_OD_R, Y_TOP), (X_OD_R, Y_BOT), (hole_r[1], Y_BOT)],
]
for poly in sections:
    hatch(poly)
for poly in sections:
    polyline(poly, THICK, close=True)

# --- Pipe stub: outside view, wavy break on top, hidden bore dashed ----------------------
def wave(x):
    return Y_BREAK + 28 * math.sin((x - X_BORE_L) / (X_BORE_R - X_BORE_L) * 2 * math.pi)


steps = 24
pts = [(X_BORE_L + i * (X_BORE_R - X_BORE_L) / steps, 0) for i in range(steps + 1)]
pts = [(x, wave(x)) for x, _ in pts]
path('M' + 'L'.join('%s %s' % (f(x), f(y)) for x, y in pts), THIN)
line(X_BORE_L, wave(X_BORE_L), X_BORE_L, y_bevel, THICK)
line(X_BORE_R, wave(X_BORE_R), X_BORE_R, y_bevel, THICK)
line(X_BORE_L, Y_PIPE_END, X_BORE_R, Y_PIPE_END, THICK)
for x in (X_BORE_L + PIPE_WALL, X_BORE_R - PIPE_WALL):
    line(x, wave(x) + 40, x, Y_PIPE_END, THIN, dash='60 30')

# --- Centre lines -------------------------------------------------------------------------
CHAIN = '180 40 24 40'
line(AX, 90, AX, 2600, THIN, dash=CHAIN)
for x in (X_BC_L, X_BC_R):
    line(x, Y_TOP - 110, x, Y_RF + 60, THIN, dash=CHAIN)

# --- Weld bevel: 50 degrees to the pipe wall, with its arc ------------------------------------
ux, uy = math.sin(math.radians(BEVEL_ANGLE)), -math.cos(math.radians(BEVEL_ANGLE))
r = 300
line(X_BORE_R + BEVEL_W, Y_TOP, X_BORE_R + ux * (r + 50), y_bevel + uy * (r + 50))
ax0, ay0 = X_BORE_R, y_bevel - r
ax1, ay1 = X_BORE_R + ux * r, y_bevel + uy * r
path('M%s %sA%s %s 0 0 1 %s %s' % (f(ax0), f(ay0), r, r, f(ax1), f(ay1)), THIN)
arrow(ax0, ay0, -1, -0.25)
arrow(ax1, ay1, -uy + 0.25 * ux, ux + 0.25 * uy)
text(X_BORE_R + ux * (r + 60) + 20, y_bevel + uy * (r + 60) + 20, '50°', 150, 'start')

# --- Dimensions ---------------------------------------------------------------------------
# Weld bevel width (Text1): small, arrows from outside, the line runs on under the box.
line(X_BORE_R, wave(X_BORE_R) - 20, X_BORE_R, Y_DIM_BEVEL - OVER)
line(X_BORE_R + BEVEL_W, Y_TOP - GAP, X_BORE_R + BEVEL_W, Y_DIM_BEVEL - OVER)
line(X_BORE_R - 220, Y_DIM_BEVEL, X_BORE_R + BEVEL_W + 400, Y_DIM_BEVEL)
arrow(X_BORE_R, Y_DIM_BEVEL, 1, 0)
arrow(X_BORE_R + BEVEL_W, Y_DIM_BEVEL, -1, 0)

# Pipe outside diameter (Text2 by Line2), across the stub.
hdim(Y_DIM_PIPE, X_BORE_L, X_BORE_R)

# Bolt holes (Text3 above, Text4 below the shelf): leader to the right hole.
line(3960, Y_SHELF_BOLT, X_OD_R, Y_SHELF_BOLT)
line(X_OD_R, Y_SHELF_BOLT, hole_r[1], Y_TOP)
arrow(hole_r[1], Y_TOP, hole_r[1] - X_OD_R, Y_TOP - Y_SHELF_BOLT)

# Thickness (Text9 by Line3).
line(X_OD_R + GAP, Y_TOP, X_DIM_THICK + OVER, Y_TOP)
line(X_OD_R + GAP, Y_BOT, X_DIM_RF + OVER, Y_BOT)
line(X_DIM_THICK, Y_TOP, X_DIM_THICK, Y_BOT)
arrow(X_DIM_THICK, Y_TOP, 0, -1)
arrow(X_DIM_THICK, Y_BOT, 0, 1)

# Raised-face height (Text8): arrows from outside, the lower one runs on to the box.
line(X_RF_R + GAP, Y_RF, X_DIM_RF + OVER, Y_RF)
line(X_DIM_RF, Y_BOT - 160, X_DIM_RF, Y_BOT)
arrow(X_DIM_RF, Y_BOT, 0, 1)
polyline([(X_DIM_RF, Y_RF), (X_DIM_RF, Y_SHELF_RF), (3852, Y_SHELF_RF)], THIN)
arrow(X_DIM_RF, Y_RF, 0, -1)

# Bore (Text5), bolt circle (Text6), outside diameter (Text7), below the flange.
line(X_BORE_L, Y_BOT + GAP, X_BORE_L, Y_DIM_BORE + OVER)
line(X_BORE_R, Y_RF + GAP, X_BORE_R, Y_DIM_BORE + OVER)
hdim(Y_DIM_BORE, X_BORE_L, X_BORE_R)
for x in (X_BC_L, X_BC_R):
    line(x, Y_RF + 80, x, Y_DIM_BC + OVER)
hdim(Y_DIM_BC, X_BC_L, X_BC_R)
for x in (X_OD_L, X_OD_R):
    line(x, Y_BOT + GAP, x, Y_DIM_OD + OVER)
hdim(Y_DIM_OD, X_OD_L, X_OD_R)

# Face marks.
text((X_BC_L + X_BORE_L) / 2, 1640, 'PL', 170)
text((X_BC_R + X_BORE_R) / 2, 1640, 'RF', 170)

svg = ('<?xml version="1.0" encoding="UTF-8"?>\n'
       '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
       'width="%d" height="%d" viewBox="0 0 %d %d">\n'
       '<title>Plate slip-on flange, half section</title>\n' % (W, H, W, H)
       + '\n'.join(out) + '\n</svg>\n')
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'plate.svg'), 'w',
          encoding='utf-8') as file:
    file.write(svg)
