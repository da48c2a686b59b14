#!/usr/bin/env python3
"""Writes windows/drawings/slipon.svg: the half-section of a hubbed slip-on flange shown by FormSO.

Coordinates are twips inside the picture control Image1 (window x - 120, window y - 0), so the
value boxes of the window stand on the dimension lines computed here from their positions.
Static SVG 1.2 Tiny only: arcs as cubic curves, arrowheads and text as paths, hatching clipped
here. Run: python3 windows/drawings/slipon.py (it writes slipon.svg beside itself)
"""
import math
import os

W, H = 4836, 3588
OX, OY = 120, 0  # Image1 position in the window

# ---- geometry (drawing twips) ----
xA = 1866          # axis
rB = 400           # bore = pipe outside
tP = 62            # pipe wall
rN = 700           # hub
rK = 980           # bolt circle
rL = 80            # bolt hole half width
rD = 1260          # outside
rRF = 820          # raised face
fRF = 45           # raised face height
yT, yR, yF = 1330, 1860, 2300  # hub end, ring top, flange face
Rf = 90            # fillet at hub root
bevW = 110         # bevel width at the hub end
bevD = bevW / math.tan(math.radians(50))
yBreak = 792       # pipe break (wave centre)
yPipeEnd = yF - 70

THICK, THIN, HATCH = 26, 14, 10
ARROW_L, ARROW_W = 100, 30

out = []


def f(v):
    return str(int(round(v)))


def P(x, y):
    return f"{f(x)} {f(y)}"


def line(x1, y1, x2, y2, w=THIN, extra=""):
    out.append(f'<line x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}" stroke-width="{w}"{extra}/>')


def arrow(tx, ty, dx, dy):
    """Filled arrowhead with its tip at (tx,ty) pointing along (dx,dy)."""
    n = math.hypot(dx, dy)
    dx, dy = dx / n, dy / n
    bx, by = tx - dx * ARROW_L, ty - dy * ARROW_L
    px, py = -dy * ARROW_W, dx * ARROW_W
    out.append(f'<path d="M{P(tx, ty)} L{P(bx + px, by + py)} L{P(bx - px, by - py)} Z" fill="#000" stroke="none"/>')


def arc_bezier(cx, cy, r, a0, a1):
    """Cubic Bezier pieces of a circular arc, angles in degrees (0 = +x, screen y down, positive = clockwise on screen)."""
    segs = max(1, int(math.ceil(abs(a1 - a0) / 90.0)))
    pieces = []
    for i in range(segs):
        t0 = math.radians(a0 + (a1 - a0) * i / segs)
        t1 = math.radians(a0 + (a1 - a0) * (i + 1) / segs)
        k = 4.0 / 3.0 * math.tan((t1 - t0) / 4.0)
        p0 = (cx + r * math.cos(t0), cy + r * math.sin(t0))
        p3 = (cx + r * math.cos(t1), cy + r * math.sin(t1))
        p1 = (p0[0] - k * r * math.sin(t0), p0[1] + k * r * math.cos(t0))
        p2 = (p3[0] + k * r * math.sin(t1), p3[1] - k * r * math.cos(t1))
        pieces.append((p0, p1, p2, p3))
    return pieces


def arc_points(cx, cy, r, a0, a1, n=12):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def hatch(poly, spacing, angle_deg, w=HATCH):
    """Parallel hatch lines clipped to a simple polygon (list of points)."""
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    # rotate so hatch lines become horizontal: v = -x sa + y ca
    rot = [(x * ca + y * sa, -x * sa + y * ca) for x, y in poly]
    vs = [p[1] for p in rot]
    v = math.floor(min(vs) / spacing) * spacing + spacing / 2
    segs = []
    while v < max(vs):
        xs = []
        for i in range(len(rot)):
            (u1, v1), (u2, v2) = rot[i], rot[(i + 1) % len(rot)]
            if (v1 <= v < v2) or (v2 <= v < v1):
                xs.append(u1 + (v - v1) * (u2 - u1) / (v2 - v1))
        xs.sort()
        for i in range(0, len(xs) - 1, 2):
            u0, u1 = xs[i], xs[i + 1]
            if u1 - u0 < 6:
                continue
            p0 = (u0 * ca - v * sa, u0 * sa + v * ca)
            p1 = (u1 * ca - v * sa, u1 * sa + v * ca)
            segs.append(f"M{P(*p0)} L{P(*p1)}")
        v += spacing
    out.append(f'<path d="{" ".join(segs)}" fill="none" stroke-width="{w}"/>')


def polypath(pts, close=True, w=THICK):
    d = "M" + " L".join(P(*p) for p in pts) + (" Z" if close else "")
    out.append(f'<path d="{d}" fill="none" stroke-width="{w}" stroke-linejoin="miter"/>')


# ---- stroke font: glyphs on a 0..4 x 0..6 grid (y down), drawn as polylines ----
GLYPHS = {
    "P": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)]],
    "L": [[(0, 0), (0, 6), (4, 6)]],
    "R": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)], [(2, 3), (4, 6)]],
    "F": [[(4, 0), (0, 0), (0, 6)], [(0, 3), (3, 3)]],
    "5": [[(4, 0), (0.4, 0), (0.2, 2.6), (1.2, 2.2), (2.8, 2.2), (4, 3.2), (4, 5), (3, 6), (1, 6), (0, 5.2)]],
    "0": [[(1, 0), (3, 0), (4, 1.2), (4, 4.8), (3, 6), (1, 6), (0, 4.8), (0, 1.2), (1, 0)]],
}


def stroke_text(text, x, y, h, w=THIN + 4):
    """Stroke text with its top-left corner at (x,y) and cap height h."""
    s = h / 6.0
    cx = x
    d = []
    for ch in text:
        if ch == "°":
            r = 0.9 * s
            pieces = arc_bezier(cx + r, y + r, r, 0, 360)
            seg = "M" + P(*pieces[0][0]) + "".join(f" C{P(*a)} {P(*b)} {P(*c)}" for _, a, b, c in pieces)
            d.append(seg)
            cx += 2 * r + 1.6 * s
            continue
        for stroke in GLYPHS[ch]:
            d.append("M" + " L".join(P(cx + gx * s, y + gy * s) for gx, gy in stroke))
        cx += 5.6 * s
    out.append(f'<path d="{" ".join(d)}" fill="none" stroke-width="{w}" stroke-linejoin="round" stroke-linecap="round"/>')
    return cx - x


def text_width(text, h):
    s = h / 6.0
    wdt = 0
    for ch in text:
        wdt += (1.8 * s + 1.6 * s) if ch == "°" else 5.6 * s
    return wdt - 1.6 * s


# ---- boxes (window twips -> drawing twips) ----
def box(l, t, w, h):
    return (l - OX, t - OY, l - OX + w, t - OY + h)


B = {
    2: box(1680, 840, 492, 264), 3: box(1320, 3240, 612, 264), 4: box(2160, 3000, 612, 264),
    5: box(4080, 600, 732, 264), 6: box(4080, 840, 732, 264), 7: box(4680, 1920, 372, 264),
    8: box(1680, 2400, 612, 264), 9: box(1680, 480, 612, 264), 10: box(480, 1080, 372, 264),
    11: box(4680, 1560, 372, 264), 13: box(2760, 120, 372, 264),
}


def mid_y(n):
    return (B[n][1] + B[n][3]) / 2


# ================= drawing =================
def right_inner():
    pts = [(xA + rB, yT + bevD), (xA + rB + bevW, yT), (xA + rN, yT), (xA + rN, yR - Rf)]
    pts += arc_points(xA + rN + Rf, yR - Rf, Rf, 180, 90)[1:-1]
    pts += [(xA + rN + Rf, yR), (xA + rK - rL, yR), (xA + rK - rL, yF), (xA + rRF, yF),
            (xA + rRF, yF + fRF), (xA + rB, yF + fRF)]
    return pts


def mirror(pts):
    return [(2 * xA - x, y) for x, y in pts]


def left_inner():
    pts = [(xA + rB, yT + bevD), (xA + rB + bevW, yT), (xA + rN, yT), (xA + rN, yR - Rf)]
    pts += arc_points(xA + rN + Rf, yR - Rf, Rf, 180, 90)[1:-1]
    pts += [(xA + rN + Rf, yR), (xA + rK - rL, yR), (xA + rK - rL, yF), (xA + rB, yF)]
    return mirror(pts)


def outer(sign):
    a, b = xA + sign * (rK + rL), xA + sign * rD
    return [(a, yR), (b, yR), (b, yF), (a, yF)]


def outline_with_fillet(side):
    """Outline path with a true arc for the fillet (side=+1 right, -1 left)."""
    sgn = side
    cx, cy = xA + sgn * (rN + Rf), yR - Rf
    p = [(xA + sgn * rB, yT + bevD), (xA + sgn * (rB + bevW), yT), (xA + sgn * rN, yT), (xA + sgn * rN, yR - Rf)]
    d = "M" + " L".join(P(*q) for q in p)
    a0, a1 = (180, 90) if sgn > 0 else (0, 90)
    for _, c1, c2, c3 in arc_bezier(cx, cy, Rf, a0, a1):
        d += f" C{P(*c1)} {P(*c2)} {P(*c3)}"
    if sgn > 0:
        rest = [(xA + rK - rL, yR), (xA + rK - rL, yF), (xA + rRF, yF), (xA + rRF, yF + fRF), (xA + rB, yF + fRF)]
    else:
        rest = [(xA - rK + rL, yR), (xA - rK + rL, yF), (xA - rB, yF)]
    d += " L" + " L".join(P(*q) for q in rest) + " Z"
    out.append(f'<path d="{d}" fill="none" stroke-width="{THICK}" stroke-linejoin="miter"/>')


def wave(x0, x1, yc, amp, n=2):
    """Smooth wave from x0 to x1 around yc as cubic pieces; returns path data (starting with M)."""
    steps = n * 2
    d = f"M{P(x0, yc)}"
    seg = (x1 - x0) / steps
    for i in range(steps):
        xa = x0 + i * seg
        xb = xa + seg
        sgn = -1 if i % 2 == 0 else 1
        d += f" C{P(xa + seg * 0.35, yc + sgn * amp)} {P(xb - seg * 0.35, yc + sgn * amp)} {P(xb, yc)}"
    return d


def wave_y(x, x0, x1, yc, amp, n=2):
    steps = n * 2
    seg = (x1 - x0) / steps
    i = min(int((x - x0) / seg), steps - 1)
    t = (x - x0 - i * seg) / seg
    sgn = -1 if i % 2 == 0 else 1
    # cubic Bezier y(t) with control points yc, yc+s*amp, yc+s*amp, yc
    return yc + sgn * amp * 3 * t * (1 - t)


def main():
    out.append("<!-- Flange section: hatched at 45 degrees, outlines thick -->")
    for poly in (right_inner(), left_inner(), outer(+1), outer(-1)):
        hatch(poly, 78, 45)
    outline_with_fillet(+1)
    outline_with_fillet(-1)
    polypath(outer(+1))
    polypath(outer(-1))

    out.append("<!-- Pipe stub in the bore, broken off at the top -->")
    wx0, wx1, amp = xA - rB - 40, xA + rB + 40, 26
    for sgn in (-1, +1):
        xo, xi = xA + sgn * rB, xA + sgn * (rB - tP)
        # wall polygon with its top along the wave
        top = [(x, wave_y(x, wx0, wx1, yBreak, amp)) for x in
               [xo + (xi - xo) * k / 6 for k in range(7)]]
        poly = top + [(xi, yPipeEnd), (xo, yPipeEnd)]
        hatch(poly, 44, -45)
        d = f"M{P(*top[0])} L{P(xo, yPipeEnd)} L{P(xi, yPipeEnd)} L{P(*top[-1])}"
        out.append(f'<path d="{d}" fill="none" stroke-width="{THICK}"/>')
    # pipe end seen across the bore
    line(xA - rB + tP, yPipeEnd, xA + rB - tP, yPipeEnd, THICK)
    out.append(f'<path d="{wave(wx0, wx1, yBreak, amp)}" fill="none" stroke-width="{THIN}"/>')

    out.append("<!-- Centre lines -->")
    chain = ' stroke-dasharray="150 36 24 36"'
    line(xA, yBreak - 110, xA, B[8][3] + 60, THIN, chain)
    for sgn in (-1, +1):
        line(xA + sgn * rK, yR - 130, xA + sgn * rK, mid_y(4) + 60, THIN, chain)

    out.append("<!-- Dimension lines: arrowheads, no letters; the text boxes stand on them -->")
    gap, over = 30, 55
    out.append("<!-- Text9: hub outside diameter -->")
    y = mid_y(9)
    line(xA - rN, y, xA + rN, y)
    arrow(xA - rN, y, -1, 0); arrow(xA + rN, y, 1, 0)
    for sgn in (-1, 1):
        line(xA + sgn * rN, yT - gap, xA + sgn * rN, y - over)
    out.append("<!-- Text2: pipe outside diameter, arrows from outside onto the walls -->")
    y = mid_y(2)
    line(xA - rB - 170, y, xA + rB + 170, y)
    arrow(xA - rB, y, 1, 0); arrow(xA + rB, y, -1, 0)
    out.append("<!-- Text8: bore -->")
    y = mid_y(8)
    line(xA - rB, y, xA + rB, y)
    arrow(xA - rB, y, -1, 0); arrow(xA + rB, y, 1, 0)
    line(xA - rB, yF + gap, xA - rB, y + over)
    line(xA + rB, yF + fRF + gap, xA + rB, y + over)
    out.append("<!-- Text4: bolt circle; the hole centre lines are its extension lines -->")
    y = mid_y(4)
    line(xA - rK, y, xA + rK, y)
    arrow(xA - rK, y, -1, 0); arrow(xA + rK, y, 1, 0)
    out.append("<!-- Text3: outside diameter -->")
    y = mid_y(3)
    line(xA - rD, y, xA + rD, y)
    arrow(xA - rD, y, -1, 0); arrow(xA + rD, y, 1, 0)
    for sgn in (-1, 1):
        line(xA + sgn * rD, yF + gap, xA + sgn * rD, y + over)

    out.append("<!-- Text7: ring thickness (inner), Text11: overall height (outer) -->")
    xC, xH = 4270, 4440
    line(xA + rD + gap, yR, xC + over, yR)
    line(xA + rD + gap, yF, xH + over, yF)
    line(xA + rN + gap, yT, xH + over, yT)
    line(xC, yR, xC, yF); arrow(xC, yR, 0, -1); arrow(xC, yF, 0, 1)
    line(xH, yT, xH, yF); arrow(xH, yT, 0, -1); arrow(xH, yF, 0, 1)
    line(xH, mid_y(11), B[11][0] + 40, mid_y(11))
    line(xC, mid_y(7), B[7][0] + 40, mid_y(7))

    out.append("<!-- Text10: fillet radius, leader through the fillet centre -->")
    cx, cy = xA - rN - Rf, yR - Rf
    tip = (cx + Rf * math.cos(math.radians(45)), cy + Rf * math.sin(math.radians(45)))
    k = (tip[1] - B[10][3]) / 1.0
    start = (tip[0] - k, B[10][3])
    line(start[0], start[1], tip[0], tip[1])
    arrow(tip[0], tip[1], 1, 1)

    out.append("<!-- Text5 above and Text6 below the shelf: bolt holes and thread -->")
    ys = (B[5][3] + B[6][1]) / 2
    sx = B[5][0] - 80
    line(sx, ys, B[5][2] + 60, ys)
    tip = (xA + rK + rL, yR + 70)
    line(sx, ys, tip[0], tip[1])
    arrow(tip[0], tip[1], tip[0] - sx, tip[1] - ys)

    out.append("<!-- Text13: bevel width, leader onto the right bevel -->")
    t = 0.62
    tip = (xA + rB + bevW * t, yT + bevD * (1 - t))
    end = (B[13][0] - 10, mid_y(13))
    line(end[0], end[1], B[13][0] + 40, end[1])
    line(end[0], end[1], tip[0], tip[1])
    arrow(tip[0], tip[1], tip[0] - end[0], tip[1] - end[1])

    out.append("<!-- 50 degree bevel angle on the left bevel -->")
    cx, cy = xA - rB, yT + bevD
    ra = 230
    ang_bevel = 270 - 50  # screen angle of the bevel line (up and to the left)
    ex = (cx + (ra + 50) * math.cos(math.radians(ang_bevel)), cy + (ra + 50) * math.sin(math.radians(ang_bevel)))
    line(xA - rB - bevW, yT, ex[0], ex[1])  # bevel line carried on
    pieces = arc_bezier(cx, cy, ra, 270, ang_bevel)
    d = "M" + P(*pieces[0][0]) + "".join(f" C{P(*a)} {P(*b)} {P(*c)}" for _, a, b, c in pieces)
    out.append(f'<path d="{d}" fill="none" stroke-width="{THIN}"/>')
    a_end = pieces[-1][3]
    # arrowheads along the arc tangents
    th = math.radians(ang_bevel)
    arrow(a_end[0], a_end[1], math.sin(th), -math.cos(th))
    arrow(cx, cy - ra, 1, 0)
    h = 96
    tw = text_width("50°", h)
    # between the hub's extension line and the pipe, above the arc
    tx = (xA - rN + xA - rB) / 2 - tw / 2 + 10
    ty = cy - ra - h - 40
    stroke_text("50°", tx, ty, h)

    out.append("<!-- Face marks -->")
    h = 120
    wPL = text_width("PL", h)
    stroke_text("PL", (xA - rK + xA - rB) / 2 - wPL / 2 + 40, yF + 150, h)
    wRF = text_width("RF", h)
    stroke_text("RF", (xA + rK + xA + rB) / 2 - wRF / 2 + 40, yF + 150, h)

    body = "\n".join("  " + s for s in out)
    svg = f'''<?xml version="1.0" encoding="UTF-8"?>
<!-- Hubbed slip-on flange, half-section: left half flat face (PL), right half raised face (RF).
     viewBox in the twips of the picture control; the value boxes stand on the dimension lines. -->
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{W}" height="{H}" viewBox="0 0 {W} {H}">
 <g stroke="#000" fill="none" stroke-linecap="butt">
{body}
 </g>
</svg>
'''
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'slipon.svg')
    with open(target, 'w', encoding='utf-8') as file:
        file.write(svg)


main()
