#!/usr/bin/python3
"""Writes quorvit-hei.lff, the LibreCAD font the DXF drawings name for their text.

LibreCAD draws text only with its own stroke fonts (.lff) and none of those it ships holds
all the Chinese of the title block, so LibreCAD shows a placeholder for them. This font takes
the outlines of Noto Sans CJK SC (SIL Open Font License 1.1), flattens their curves into
polylines and keeps the characters a drawing can hold: printable ASCII, the CAD symbols and
the Chinese of the labels, and for what users type into the title block (designer, material)
the GB 2312 symbols, full-width forms and Greek letters and its 3,755 level-1 hanzi. Add a
character here when a label gains one outside those; the export test fails until then.

Run with Debian's python3-fonttools:  /usr/bin/python3 quorvit-hei.py > quorvit-hei.lff
"""

import math
import sys

from fontTools.pens.basePen import BasePen
from fontTools.ttLib import TTCollection

FACE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
FAMILY = "Noto Sans CJK SC"

SYMBOLS = "°±×²·φ−⌀ØøΦ∅"
HANZI = (
    "不中从位例值入公兰内净准列力半单压厚口号名和图圆坡型壁外大子孔审宽对带平度式径心总找据数"
    "料新日期材板查标栓核根格段比法渡焊直确积称突端符管类系螺表规角计认设请输过通部配重量面颈"
    "高"
)
LABELS = [chr(c) for c in range(0x21, 0x7F)] + list(SYMBOLS) + list(HANZI)


def gb2312(rows, last=0xFE):
    """The characters of GB 2312 in `rows` (1-94), the last row ending at cell byte `last`."""
    chars = []
    for row in rows:
        for cell in range(0xA1, (last if row == rows[-1] else 0xFE) + 1):
            try:
                chars.append(bytes([0xA0 + row, cell]).decode("gb2312"))
            except UnicodeDecodeError:
                pass  # an empty cell
    return chars


# Symbols and punctuation, numbered lists, full-width ASCII, Greek; then hanzi level 1. Input
# methods type U+2014 for the dash GB 2312 decodes as U+2015.
TYPED = gb2312([1, 2, 3]) + gb2312([6]) + ["\u2014"] + gb2312(range(16, 56), last=0xF9)
CHARACTERS = LABELS + sorted(set(TYPED) - set(LABELS))
# LibreCAD reads the diameter sign %%C as ⌀, which the face lacks: drawn as its Ø.
STAND_INS = {"⌀": "Ø"}

CAP_HEIGHT = 9.0  # LFF glyphs stand on a grid whose capitals are 9 units high
STEP = 0.6  # longest chord, in those units, a flattened curve may have
IDEOGRAPH_EM = 8.8
LETTER_SPACING = 1.0
WORD_SPACING = 5.0


def is_wide(char, advance, em):
    """Ideographs, and the full-width symbols users type, are set in the ideographic em box
    instead of at cap height (the labels' symbols keep the size the drawings reckon with)."""
    return ord(char) >= 0x2E80 or (char not in SYMBOLS and advance == em)


class PolylinePen(BasePen):
    """Collects each contour as a closed polyline, curves cut into short chords."""

    def __init__(self, glyph_set, transform):
        super().__init__(glyph_set)
        self.transform = transform
        self.contours = []

    def _moveTo(self, pt):
        self.contours.append([self.transform(pt)])

    def _lineTo(self, pt):
        self.contours[-1].append(self.transform(pt))

    def _curve(self, points, evaluate):
        start = self.contours[-1][-1]
        ends = [start] + [self.transform(p) for p in points]
        length = sum(math.dist(a, b) for a, b in zip(ends, ends[1:]))
        steps = max(1, math.ceil(length / STEP))
        for i in range(1, steps + 1):
            self.contours[-1].append(evaluate(start, ends[1:], i / steps))

    def _qCurveToOne(self, pt1, pt2):
        def quadratic(p0, ps, t):
            p1, p2 = ps
            return tuple((1 - t) ** 2 * a + 2 * (1 - t) * t * b + t * t * c
                         for a, b, c in zip(p0, p1, p2))
        self._curve([pt1, pt2], quadratic)

    def _curveToOne(self, pt1, pt2, pt3):
        def cubic(p0, ps, t):
            p1, p2, p3 = ps
            u = 1 - t
            return tuple(u ** 3 * a + 3 * u * u * t * b + 3 * u * t * t * c + t ** 3 * d
                         for a, b, c, d in zip(p0, p1, p2, p3))
        self._curve([pt1, pt2, pt3], cubic)

    def _closePath(self):
        if self.contours[-1][0] != self.contours[-1][-1]:
            self.contours[-1].append(self.contours[-1][0])

    _endPath = _closePath


def number(v, places=2):
    text = f"{v:.{places}f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def face():
    for font in TTCollection(FACE).fonts:
        if any(n.nameID == 1 and n.toUnicode() == FAMILY for n in font["name"].names):
            return font
    sys.exit(f"{FAMILY} is not in {FACE}")


def main():
    font = face()
    cmap = font.getBestCmap()
    glyphs = font.getGlyphSet()
    em = font["head"].unitsPerEm
    cap = font["OS/2"].sCapHeight
    out = sys.stdout
    out.write(
        "# Format:            LibreCAD Font 1\n"
        "# Creator:           quorvit-hei.py\n"
        "# Name:              Quorvit Hei\n"
        "# Encoding:          UTF-8\n"
        f"# LetterSpacing:     {number(LETTER_SPACING)}\n"
        f"# WordSpacing:       {number(WORD_SPACING)}\n"
        "# LineSpacingFactor: 1\n"
        f"# Author:            outlines of {FAMILY}, Adobe and Google\n"
        "# License:           SIL Open Font License 1.1\n\n"
    )
    for char in CHARACTERS:
        name = cmap.get(ord(STAND_INS.get(char, char)))
        if name is None:
            sys.exit(f"{FAMILY} has no glyph for {char!r}")
        if is_wide(char, font["hmtx"][name][0], em):
            # An ideograph advances about one text height, as the drawings reckon it: its em box
            # 8.8 units wide, raised so that its ink (from 7 % below the baseline) stands on it.
            scale, rise = IDEOGRAPH_EM / em, IDEOGRAPH_EM * 0.07
        else:
            scale, rise = CAP_HEIGHT / cap, 0.0
        # The thousands of characters users may type are drawn to a tenth of a unit (about 1 %
        # of the text height), which keeps the file under 3 MB.
        places = 2 if char in LABELS else 1
        pen = PolylinePen(glyphs, lambda p: (p[0] * scale, p[1] * scale + rise))
        glyphs[name].draw(pen)
        if pen.contours:
            left = min(x for contour in pen.contours for x, _ in contour)
        elif char.isspace():
            # LibreCAD replaces a glyph without strokes by a placeholder; a stroke of no length
            # at the ideographic space's advance gives it its width and prints as a speck.
            width = font["hmtx"][name][0] * scale
            pen.contours, left = [[(width, 0), (width, 0)]], 0
        else:
            sys.exit(f"the glyph for {char!r} is empty")
        out.write(f"[{ord(char):04x}] {char}\n")
        for contour in pen.contours:
            out.write(";".join(f"{number(x - left, places)},{number(y, places)}" for x, y in contour)
                      + "\n")
        out.write("\n")


if __name__ == "__main__":
    main()
