#!/usr/bin/env python3
"""Writes windows/drawings/weldneck.svg, the half section of a weld-neck flange shown by FormWN.

The axis is vertical with the weld end up: view on the left, hatched section on the right.
Coordinates are the picture's own twips (4620 x 3036), so a value box at window twips (x, y)
stands at (x - 120, y - 360); the dimension lines below are placed under those boxes.
Only static SVG Tiny: paths, no arcs (fillets are cubic curves), arrowheads as filled paths.
Run: python3 windows/drawings/weldneck.py (it writes weldneck.svg beside itself)
"""
import math
import os
X0 = 1746                 # axis
YWE, YH, YROOT, YRING, YFACE = 780, 1000, 1760, 1850, 2250
RO, RB, RN, RD, RK, RHOLE = 440, 340, 600, 1400, 1130, 110
BEVX, BEVY = 60, 78            # weld bevel, about 37.5 degrees, horizontal and vertical run
RF = 90                        # hub-root fillet radius
RT = 260                       # taper-to-neck fillet radius
THICK, THIN = 26, 14
out = []
def f(v): return ('%.1f' % v).rstrip('0').rstrip('.')
def path(d, w=THICK, extra=''):
    out.append(f'<path d="{d}" fill="none" stroke="#000000" stroke-width="{w}" stroke-linecap="round" stroke-linejoin="round"{extra}/>')
def line(x1, y1, x2, y2, w=THIN, extra=''):
    path(f'M{f(x1)},{f(y1)} L{f(x2)},{f(y2)}', w, extra)
def centre(x1, y1, x2, y2):
    line(x1, y1, x2, y2, THIN, ' stroke-dasharray="160,40,24,40"')
def arrow(x, y, dx, dy, L=110, W=26):
    # tip at (x, y), pointing along (dx, dy)
    n = math.hypot(dx, dy); ux, uy = dx / n, dy / n
    bx, by = x - ux * L, y - uy * L
    out.append(f'<path d="M{f(x)},{f(y)} L{f(bx - uy * W)},{f(by + ux * W)} L{f(bx + uy * W)},{f(by - ux * W)} Z" fill="#000000" stroke="none"/>')
def dim(x1, y1, x2, y2):
    # dimension line with arrows at both ends, pointing outward
    line(x1, y1, x2, y2)
    arrow(x1, y1, x1 - x2, y1 - y2); arrow(x2, y2, x2 - x1, y2 - y1)

# --- outline geometry of the right half (x measured from the axis) -------------------------
# taper from (RO, YH) to (RN, YROOT); fillets tangent to it.
def taper_dir():
    dx, dy = RN - RO, YROOT - YH
    n = math.hypot(dx, dy); return dx / n, dy / n
tx, ty = taper_dir()
# hub-root fillet: tangent to the taper and to the ring top y = YRING, material on the left of the taper
# centre lies at y = YRING - RF, at distance RF to the right of the taper line (outside the material)
nx, ny = ty, -tx   # normal pointing outward (right/up)
# taper line points P(s) = (RO,YH) + s*(tx,ty); centre C = P(s) + RF*(nx,ny) with C.y = YRING-RF
s = ((YRING - RF) - YH - RF * ny) / ty
cfx, cfy = RO + s * tx + RF * nx, YRING - RF
root_t = (RO + s * tx, YH + s * ty)          # tangent point on the taper
ring_t = (cfx, YRING)                         # tangent point on the ring top
# taper-to-neck fillet: tangent to x = RO (going down) and to the taper, centre outside (right)
# centre (RO + RT, yc); distance to the taper line = RT
# taper line through (RO, YH) with normal (nx, ny): dist = (cx-RO)*nx + (cy-YH)*ny = RT
yc = YH + (RT - RT * nx) / ny
neck_t = (RO, yc)                             # tangent point on the straight neck
# foot of perpendicular from centre onto the taper
cx, cy = RO + RT, yc
d = (cx - RO) * nx + (cy - YH) * ny
taper_t = (cx - d * nx, cy - d * ny)

def arc_cubic(cx, cy, r, a0, a1, X):
    """Cubic Bezier for the circular arc from angle a0 to a1 (|a1-a0| <= 90 degrees)."""
    k = 4 / 3 * math.tan((a1 - a0) / 4)
    p0 = (cx + r * math.cos(a0), cy + r * math.sin(a0))
    p3 = (cx + r * math.cos(a1), cy + r * math.sin(a1))
    c1 = (p0[0] - k * r * math.sin(a0), p0[1] + k * r * math.cos(a0))
    c2 = (p3[0] + k * r * math.sin(a1), p3[1] - k * r * math.cos(a1))
    return f'C{f(X(c1[0]))},{f(c1[1])} {f(X(c2[0]))},{f(c2[1])} {f(X(p3[0]))},{f(p3[1])}'

def outer(sign):
    """Outline of one side from the weld end down to the face, as an SVG path (x mirrored by sign)."""
    X = lambda r: X0 + sign * r
    p = [f'M{f(X(RO - BEVX))},{f(YWE)}',
         f'L{f(X(RO))},{f(YWE + BEVY)}',
         f'L{f(X(RO))},{f(neck_t[1])}',
         arc_cubic(cx, cy, RT, math.atan2(neck_t[1] - cy, neck_t[0] - cx), math.atan2(taper_t[1] - cy, taper_t[0] - cx), X),
         f'L{f(X(root_t[0]))},{f(root_t[1])}',
         arc_cubic(cfx, cfy, RF, math.atan2(root_t[1] - cfy, root_t[0] - cfx), math.pi / 2, X),
         f'L{f(X(RD))},{f(YRING)}',
         f'L{f(X(RD))},{f(YFACE)}']
    return ' '.join(p)

out.append('<!-- view half (left): outline, weld bevel edge -->')
path(outer(-1))
line(X0 - RO, YWE + BEVY, X0, YWE + BEVY, THICK)
out.append('<!-- section half (right): outline, bore, bolt hole -->')
path(outer(+1))
line(X0 - RO + BEVX, YWE, X0 + RO - BEVX, YWE, THICK)      # weld-end face, near and far edge
line(X0 - RD, YFACE, X0 + RD, YFACE, THICK)                # flange face
line(X0 + RB, YWE, X0 + RB, YFACE, THICK)                  # bore wall
for x in (X0 + RK - RHOLE, X0 + RK + RHOLE):
    line(x, YRING, x, YFACE, THICK)                        # bolt hole walls

# --- hatching of the cut faces: 45 degree lines clipped to the section polygons -------------
def arc_pts(cx, cy, r, a0, a1, n=12):
    return [(cx + r * math.cos(a0 + (a1 - a0) * i / n), cy + r * math.sin(a0 + (a1 - a0) * i / n)) for i in range(n + 1)]
def body_poly():
    pts = [(X0 + RB, YWE), (X0 + RO - BEVX, YWE), (X0 + RO, YWE + BEVY), (X0 + RO, neck_t[1])]
    a0 = math.atan2(neck_t[1] - cy, neck_t[0] - cx); a1 = math.atan2(taper_t[1] - cy, taper_t[0] - cx)
    pts += [(X0 + x, y) for x, y in arc_pts(cx, cy, RT, a0, a1)]
    pts += [(X0 + root_t[0], root_t[1])]
    b0 = math.atan2(root_t[1] - cfy, root_t[0] - cfx); b1 = math.atan2(YRING - cfy, ring_t[0] - cfx)
    pts += [(X0 + x, y) for x, y in arc_pts(cfx, cfy, RF, b0, b1)]
    pts += [(X0 + RK - RHOLE, YRING), (X0 + RK - RHOLE, YFACE), (X0 + RB, YFACE)]
    return pts
rim = [(X0 + RK + RHOLE, YRING), (X0 + RD, YRING), (X0 + RD, YFACE), (X0 + RK + RHOLE, YFACE)]
def hatch(poly, spacing=70):
    segs = []
    # 45-degree lines rising to the right are x + y = c in screen coordinates
    vals = [x + y for x, y in poly]
    c = math.ceil(min(vals) / spacing) * spacing
    while c < max(vals):
        xs = []
        for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
            s1, s2 = x1 + y1 - c, x2 + y2 - c
            if (s1 < 0) != (s2 < 0):
                t = s1 / (s1 - s2)
                xs.append(x1 + t * (x2 - x1))
        xs.sort()
        for a, b in zip(xs[0::2], xs[1::2]):
            segs.append((a, c - a, b, c - b))
        c += spacing
    return segs
out.append('<!-- hatching -->')
d = ''.join(f'M{f(a)},{f(b)} L{f(c_)},{f(e)} ' for a, b, c_, e in hatch(body_poly()) + hatch(rim))
path(d.strip(), 10)

# --- centre lines ---------------------------------------------------------------------------
out.append('<!-- centre lines -->')
centre(X0, 640, X0, 2400)
for x in (X0 - RK, X0 + RK):
    centre(x, YRING - 90, x, 2582)

# --- dimensions ------------------------------------------------------------------------------
out.append('<!-- dimensions -->')
YN, YE, YK, YD = 132, 612, 2532, 2772
# hub root diameter (Text8), weld-end diameter (Text2)
for sgn in (-1, 1):
    line(X0 + sgn * root_t[0], root_t[1] - 20, X0 + sgn * root_t[0], YN - 50)
    line(X0 + sgn * RO, YWE + BEVY - 20, X0 + sgn * RO, YE - 50)
    line(X0 + sgn * RD, YFACE + 30, X0 + sgn * RD, YD + 50)
dim(X0 - root_t[0], YN, X0 + root_t[0], YN)
dim(X0 - RO, YE, X0 + RO, YE)
# bolt circle (Text4), flange diameter (Text3)
dim(X0 - RK, YK, X0 + RK, YK)
dim(X0 - RD, YD, X0 + RD, YD)
# overall height (Text13) and the weld-end extension line shared with the straight neck
XH, XC, XNECK = 4386, 4030, 2950
line(X0 + RO + 30, YWE, XH + 50, YWE)
line(X0 + RD + 30, YFACE, XH + 50, YFACE)
dim(XH, YWE, XH, YFACE)
# ring thickness (Text7): arrows from outside, value beside the line's tail below the face
line(X0 + RD + 30, YRING, XC + 50, YRING)
line(XC, YRING - 160, XC, 2544)
arrow(XC, YRING, 0, 1); arrow(XC, YFACE, 0, -1)
# straight neck height (Text10): small, arrows from outside, value at the top of the line
line(X0 + RO + 30, YH, XNECK + 50, YH)
line(XNECK, 492, XNECK, YH + 160)
arrow(XNECK, YWE, 0, 1); arrow(XNECK, YH, 0, -1)
# bolt holes (Text5 over Text6): leader from the shelf to the mouth of the hole
YS = 432
line(3960, YS, 4620, YS)
line(3960, YS, X0 + RK, YRING)
arrow(X0 + RK, YRING, X0 + RK - 3960, YRING - YS)
# radii (Text11): leaders to the taper-to-neck fillet and to the hub-root fillet
a = math.atan2(taper_t[1] - cy, taper_t[0] - cx) * 0.5 + math.atan2(neck_t[1] - cy, neck_t[0] - cx) * 0.5
p1 = (X0 - (cx + RT * math.cos(a)), cy + RT * math.sin(a))
line(852, 960, p1[0], p1[1]); arrow(p1[0], p1[1], p1[0] - 852, p1[1] - 960)
b = (math.atan2(root_t[1] - cfy, root_t[0] - cfx) + math.atan2(YRING - cfy, ring_t[0] - cfx)) * 0.5
p2 = (X0 - (cfx + RF * math.cos(b)), cfy + RF * math.sin(b))
line(852, 1150, p2[0], p2[1]); arrow(p2[0], p2[1], p2[0] - 852, p2[1] - 1150)

svg = ['<?xml version="1.0" encoding="UTF-8"?>',
       '<!-- Weld-neck flange, half section: view on the left of the axis, section on the right.',
       '     Units are the picture\'s own twips, so the value boxes of the window stand on the',
       '     dimension lines. Written by weldneck/weldneckdrawing.py; edit that, not this. -->',
       '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" viewBox="0 0 4620 3036" width="4620" height="3036">']
svg += ['  ' + o for o in out]
svg.append('</svg>')
target = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'weldneck.svg')
with open(target, 'w', encoding='utf-8') as file:
    file.write('\n'.join(svg) + '\n')
