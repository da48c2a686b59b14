#!/usr/bin/env python3
"""Writes windows/drawings/class-wn.svg, class-so.svg and class-bl.svg: the half sections of the
Class series' weld-neck, slip-on and blind flanges that FormClass shows, each with its raised face.

The axis is vertical, face down: view on the left of the axis, hatched section on the right.
Coordinates are the picture's own twips (4620 x 3036); the window's value boxes stand on the
dimension lines, so the three drawings share every line they have in common.
Only static SVG Tiny: paths, arrowheads as filled paths.
Run: python3 windows/drawings/classflange.py (it writes the three files beside itself)
"""
import math
import os

X0 = 1800                                  # axis
YRING, YFACE, YRF = 1560, 2000, 2090       # ring top, flange face, raised face
RD, RK, RHOLE, RRF = 1400, 1120, 100, 780  # outside, bolt circle, hole, raised face
THICK, THIN = 26, 14
# Dimension lines: bore and hub (top), raised face, bolt circle and outside diameter (bottom).
YB, YN, YRFD, YK, YD = 250, 560, 2330, 2580, 2830
XC, XF, XY = 3520, 4180, 4450              # thickness, face height, length through hub
HUBS = {  # top, radius at the top, radius at the root, bore radius
    'wn': (700, 430, 600, 340),
    'so': (1160, 560, 600, 450),
    'bl': None,
}


def f(v):
    return ('%.1f' % v).rstrip('0').rstrip('.')


def draw(kind):
    out = []

    def path(d, w=THICK, extra=''):
        out.append(f'<path d="{d}" fill="none" stroke="#000000" stroke-width="{w}" '
                   f'stroke-linecap="round" stroke-linejoin="round"{extra}/>')

    def line(x1, y1, x2, y2, w=THIN, extra=''):
        path(f'M{f(x1)},{f(y1)} L{f(x2)},{f(y2)}', w, extra)

    def arrow(x, y, dx, dy, L=110, W=26):
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        bx, by = x - ux * L, y - uy * L
        out.append(f'<path d="M{f(x)},{f(y)} L{f(bx - uy * W)},{f(by + ux * W)} '
                   f'L{f(bx + uy * W)},{f(by - ux * W)} Z" fill="#000000" stroke="none"/>')

    def dim(x1, y1, x2, y2):
        line(x1, y1, x2, y2)
        arrow(x1, y1, x1 - x2, y1 - y2)
        arrow(x2, y2, x2 - x1, y2 - y1)

    hub = HUBS[kind]
    # Outline of one side, from the top of the part down to the raised face, mirrored by sign.
    def outline(sign):
        X = lambda r: X0 + sign * r
        pts = []
        if hub:
            top, rtop, rroot, _ = hub
            pts += [(X(rtop), top), (X(rroot), YRING)]
        else:
            pts += [(X0, YRING)]
        pts += [(X(RD), YRING), (X(RD), YFACE), (X(RRF), YFACE), (X(RRF), YRF), (X0, YRF)]
        return pts

    def poly_path(pts):
        return 'M' + ' L'.join(f'{f(x)},{f(y)}' for x, y in pts)

    out.append('<!-- outline: view (left) and section (right) -->')
    for sign in (-1, 1):
        path(poly_path(outline(sign)))
    if hub:
        top, rtop, rroot, rbore = hub
        line(X0 - rtop, top, X0 + rtop, top, THICK)
        line(X0 + rbore, top, X0 + rbore, YRF, THICK)     # bore wall, section side
        line(X0 - rroot, YRING, X0 - RD, YRING, THICK)
    line(X0 - RRF, YFACE, X0 + RRF, YFACE, THIN)           # the face behind the raised face
    for x in (X0 + RK - RHOLE, X0 + RK + RHOLE):
        line(x, YRING, x, YFACE, THICK)                    # bolt hole walls

    # Hatching: 45 degree lines clipped to the section's polygons.
    def hatch(poly, spacing=70):
        segs = []
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
    inner = X0 + (hub[3] if hub else 0)
    body = []
    if hub:
        top, rtop, rroot, rbore = hub
        body += [(inner, top), (X0 + rtop, top), (X0 + rroot, YRING)]
    else:
        body += [(inner, YRING)]
    body += [(X0 + RK - RHOLE, YRING), (X0 + RK - RHOLE, YFACE), (X0 + RRF, YFACE),
             (X0 + RRF, YRF), (inner, YRF)]
    rim = [(X0 + RK + RHOLE, YRING), (X0 + RD, YRING), (X0 + RD, YFACE), (X0 + RK + RHOLE, YFACE)]
    out.append('<!-- hatching -->')
    d = ''.join(f'M{f(a)},{f(b)} L{f(c)},{f(e)} ' for a, b, c, e in hatch(body) + hatch(rim))
    path(d.strip(), 10)

    out.append('<!-- centre lines -->')
    line(X0, (hub[0] if hub else YRING) - 140, X0, YRF + 140, THIN, ' stroke-dasharray="160,40,24,40"')
    for x in (X0 - RK, X0 + RK):
        line(x, YRING - 90, x, YK + 50, THIN, ' stroke-dasharray="160,40,24,40"')

    out.append('<!-- dimensions -->')
    for sgn in (-1, 1):
        line(X0 + sgn * RD, YFACE + 30, X0 + sgn * RD, YD + 50)
        line(X0 + sgn * RRF, YRF + 30, X0 + sgn * RRF, YRFD + 50)
    dim(X0 - RRF, YRFD, X0 + RRF, YRFD)
    dim(X0 - RK, YK, X0 + RK, YK)
    dim(X0 - RD, YD, X0 + RD, YD)
    # ring thickness, without the raised face
    line(X0 + RD + 30, YRING, XC + 50, YRING)
    line(X0 + RD + 30, YFACE, XF + 50, YFACE)
    dim(XC, YRING, XC, YFACE)
    # raised face height: arrows from outside
    line(X0 + RRF + 30, YRF, XF + 50, YRF)
    line(XF, YFACE - 220, XF, YRF + 220)
    arrow(XF, YFACE, 0, 1)
    arrow(XF, YRF, 0, -1)
    if hub:
        top, rtop, rroot, rbore = hub
        # bore and hub diameter at its root, above the part
        for sgn in (-1, 1):
            line(X0 + sgn * rbore, top - 20, X0 + sgn * rbore, YB - 50)
            line(X0 + sgn * rroot, YRING - 20, X0 + sgn * rroot, YN - 50)
        dim(X0 - rbore, YB, X0 + rbore, YB)
        dim(X0 - rroot, YN, X0 + rroot, YN)
        # length through the hub, to the face
        line(X0 + rtop + 30, top, XY + 50, top)
        line(X0 + RD + 30, YFACE, XY + 50, YFACE)
        dim(XY, top, XY, YFACE)
    # bolt holes: leader from the shelf to the mouth of the hole
    YS = 1080
    line(2760, YS, 3560, YS)
    line(2760, YS, X0 + RK, YRING)
    arrow(X0 + RK, YRING, X0 + RK - 2760, YRING - YS)
    return out


for kind in HUBS:
    svg = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- A Class-series flange in half section, its raised face down. Units are the picture\'s',
           '     own twips, so the window\'s value boxes stand on the dimension lines. Written by',
           '     classflange.py; edit that, not this. -->',
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
           'viewBox="0 0 4620 3036" width="4620" height="3036">']
    svg += ['  ' + o for o in draw(kind)]
    svg.append('</svg>')
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), f'class-{kind}.svg')
    with open(target, 'w', encoding='utf-8') as file:
        file.write('\n'.join(svg) + '\n')
