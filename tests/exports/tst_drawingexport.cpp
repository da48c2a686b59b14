// `quorvit drawing` writes a flange as DXF, SVG and a PDF data sheet; each file is read back by
// a reader that shares no code with the writer.
#include "catalogue/catalogue.h"
#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "drawing/drawinggeometry.h"
#include "drawing/flangedrawing.h"
#include "exports/copytext.h"
#include "exports/dxfwriter.h"
#include "support/programrun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace
{

// The program as on a machine with no display at all.
ProgramRun quorvitWithoutDisplay(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return quorvit(arguments, {}, environment);
}

// Prints what ezdxf finds: units, layers, circles by layer, hatches and dimensions.
const char *ReadDxf = R"(
import sys, json, ezdxf
doc = ezdxf.readfile(sys.argv[1])
msp = doc.modelspace()
print(json.dumps({
    "insunits": doc.header.get("$INSUNITS"),
    "layers": [layer.dxf.name for layer in doc.layers],
    "circles": [[c.dxf.layer, c.dxf.center.x, c.dxf.center.y, c.dxf.radius]
                for c in msp.query("CIRCLE")],
    "hatches": len(msp.query("HATCH")),
    "dimensions": [d.dxf.text for d in msp.query("DIMENSION") if d.dxf.text.strip()]
                  + [t.dxf.text for t in msp.query('TEXT[layer=="DIMENSIONS"]')],
    "texts": [t.dxf.text for t in msp.query("TEXT")],
    "paper": list(doc.header["$PLIMMAX"][:2]),
    "scale": 1 / doc.header["$PSVPSCALE"],
    "styledTexts": [[t.dxf.style, t.dxf.text] for t in msp.query("TEXT")]
                   + [[t.dxf.style, t.text] for t in msp.query("MTEXT")],
}))
)";

// Reads every DXF of a directory and prints what does not sit on an issued sheet: a paper
// other than A4 portrait or A3 landscape, a scale outside GB/T 14690's series, a frame not 25 mm
// from the binding edge and 5 mm from the others, an entity reaching out of the frame, a text
// not lettered at its paper size, a scale cell that is not the plot scale. A text's extent is
// measured with the glyphs of the LibreCAD font it names (argv[2]).
const char *InFrame = R"py(
import sys, json, glob, math, os, re, ezdxf
from ezdxf import bbox
glyphs, char = {}, None
for line in open(sys.argv[2], encoding="utf-8"):
    found = re.match(r"\[([0-9a-fA-F]+)\]", line)
    if found:
        char = chr(int(found.group(1), 16))
        glyphs[char] = []
    elif char and "," in line:
        glyphs[char] += [tuple(map(float, p.split(",")[:2])) for p in line.strip().split(";")]
def extent(e):  # corners of a TEXT as LibreCAD letters it: capitals 9 units, 1 unit apart
    text = re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), e.dxf.text)
    points = [p for c in text.replace("%%C", "\u2300") for p in glyphs.get(c, [(0, 0), (9, 9)])]
    width = sum(6 if c == " " else max(x for x, _ in glyphs.get(c, [(9, 0)])) + 1
                for c in text.replace("%%C", "\u2300")) - 1
    k = e.dxf.height / 9
    low, high = min(y for _, y in points) * k, max(y for _, y in points) * k
    start = -width * k / 2 if e.dxf.halign == 1 else 0
    at = e.dxf.align_point if e.dxf.halign == 1 else e.dxf.insert
    a = math.radians(e.dxf.rotation)
    return [(at[0] + u * math.cos(a) - v * math.sin(a), at[1] + u * math.sin(a) + v * math.cos(a))
            for u in (start, start + width * k) for v in (low, high)]
problems, sheets, rows = [], {}, 0
sys_style = "Standard"
def standard(scale):
    mantissa = scale / 10 ** math.floor(math.log10(scale) + 1e-9)
    return any(abs(mantissa - m) < 1e-6 for m in (1, 1.5, 2, 2.5, 3, 4, 5, 6))
def check(path):
    problems, sheets = [], {}
    name = os.path.basename(path)
    doc = ezdxf.readfile(path)
    paper = tuple(round(v, 3) for v in doc.header["$PLIMMAX"][:2])
    scale = round(1 / doc.header["$PSVPSCALE"], 6)
    key = {(210, 297): "A4", (420, 297): "A3"}.get(paper, str(paper)) + " 1:%g" % scale
    sheets[key] = sheets.get(key, 0) + 1
    bad = lambda why: problems.append(name + ": " + why)
    if paper not in ((210, 297), (420, 297)) or not standard(scale):
        bad("sheet " + key)
    msp = doc.modelspace()
    frame = bbox.extents(msp.query('*[layer=="BORDER"]'))
    lo, hi = frame.extmin, frame.extmax
    if abs(hi.x - lo.x - (paper[0] - 30) * scale) > 1e-6 or abs(hi.y - lo.y - (paper[1] - 10) * scale) > 1e-6:
        bad("frame %s-%s" % (lo, hi))
    tolerance = 1e-6 * scale
    inside = lambda p: lo.x - tolerance <= p[0] <= hi.x + tolerance and lo.y - tolerance <= p[1] <= hi.y + tolerance
    paperLo = (lo.x - 25 * scale, lo.y - 5 * scale)
    paperHi = (hi.x + 5 * scale, hi.y + 5 * scale)
    onEdge = lambda p: (min(abs(p[0] - paperLo[0]), abs(p[0] - paperHi[0])) < tolerance
                        or min(abs(p[1] - paperLo[1]), abs(p[1] - paperHi[1])) < tolerance)
    if abs(doc.header["$DIMTXT"] - 3.5 * scale) > tolerance:
        bad("dimension text %g" % doc.header["$DIMTXT"])
    for e in msp:
        if e.dxftype() == "DIMENSION":
            points = [e.dxf.get(p) for p in ("defpoint", "defpoint2", "defpoint3", "defpoint4", "text_midpoint")]
            points = [p for p in points if p is not None]
        elif e.dxftype() == "TEXT":
            points = extent(e)
        elif e.dxftype() == "LINE":
            points = [e.dxf.start, e.dxf.end]
        elif e.dxftype() in ("CIRCLE", "ARC"):  # an arc within its circle
            c, r = e.dxf.center, e.dxf.radius
            points = [(c.x - r, c.y - r), (c.x + r, c.y + r)] if r > 0 else []
        elif e.dxftype() == "HATCH":
            points = [v for path in e.paths for edge in path.edges for v in (edge.start, edge.end)]
        else:
            box = bbox.extents([e])
            points = [box.extmin, box.extmax] if box.has_data else []
        if not points:
            bad("%s on %s without an extent" % (e.dxftype(), e.dxf.layer))
        if e.dxf.layer == "SHEET" and not all(inside(p) for p in points):
            if not all(onEdge(p) for p in points):
                bad("trimmed edge off the paper: %s" % points)
        elif not all(inside(p) for p in points):
            bad("%s %s on %s outside the frame" % (e.dxftype(), e.dxf.get("text", ""), e.dxf.layer))
        if e.dxftype() == "TEXT":
            printed = e.dxf.height / scale
            dimension = e.dxf.layer == "DIMENSIONS" or e.dxf.text.startswith("n-")
            if (abs(printed - 3.5) > 1e-6) if dimension else not 2.5 - 1e-6 <= printed <= 7 + 1e-6:
                bad("'%s' lettered %g mm" % (e.dxf.text, printed))
    if "1:%g" % scale not in [t.dxf.text for t in msp.query("TEXT")]:
        bad("no scale cell 1:%g" % scale)
    texts = [t.dxf.text for t in msp.query("TEXT")]
    sized = {m.group(1): float(m.group(2)) for d in msp.query("DIMENSION")
             for m in [re.match(r"([A-Za-z])=%%C([\d.]+)$", d.dxf.text)] if m}
    sized.update({m.group(1): float(m.group(2)) for t in texts
                  for m in [re.match(r"([A-Za-z])=%%C([\d.]+)$", t)] if m})
    # Every linear dimension measures what its text says: as tabled in the views, enlarged by
    # the detail's scale in the detail.
    enlarged = [scale / float(m.group(1)) for t in texts for m in [re.match(r"I  1:([\d.]+)$", t)] if m]
    for d in msp.query("DIMENSION"):
        m = re.match(r"[A-Za-z]+=(?:%%C)?([\d.]+)$", d.dxf.text)
        if m and d.dimtype & 7 == 0:
            a, z = d.dxf.defpoint2, d.dxf.defpoint3
            measured = abs(z.y - a.y) if abs(d.dxf.get("angle", 0) - 90) < 1e-6 else abs(z.x - a.x)
            if not any(abs(measured - float(m.group(1)) * f) < 0.01 * f for f in [1] + enlarged):
                bad("'%s' measures %g" % (d.dxf.text, measured))
    # Texts clear of each other and of the centre lines: TEXTs and the dimensions' own texts.
    boxes = []
    for t in msp.query("TEXT"):
        c = extent(t)
        boxes.append((t.dxf.text, min(p[0] for p in c), min(p[1] for p in c), max(p[0] for p in c), max(p[1] for p in c)))
    for d in msp.query("DIMENSION"):
        if d.dxf.text.strip():
            probe = msp.add_text(d.dxf.text, dxfattribs={"height": doc.header["$DIMTXT"], "style": sys_style})
            probe.dxf.halign, probe.dxf.align_point = 1, d.dxf.text_midpoint
            probe.dxf.rotation = 90 if d.dimtype == 0 and abs(d.dxf.get("angle", 0) - 90) < 1e-6 else 0
            c = extent(probe)
            height = doc.header["$DIMTXT"]
            shift = (height / 2, 0) if probe.dxf.rotation == 90 else (0, -height / 2)
            boxes.append((d.dxf.text, min(p[0] for p in c) + shift[0], min(p[1] for p in c) + shift[1],
                          max(p[0] for p in c) + shift[0], max(p[1] for p in c) + shift[1]))
            msp.delete_entity(probe)
    for i, (text, x0, y0, x1, y1) in enumerate(boxes):
        for other in boxes[:i]:
            if x0 < other[3] and other[1] < x1 and y0 < other[4] and other[2] < y1:
                bad("'%s' on '%s'" % (text, other[0]))
        for line in msp.query('LINE[layer=="CENTER"]'):
            a, z = line.dxf.start, line.dxf.end
            for k in range(0, 41):
                x, y = a.x + (z.x - a.x) * k / 40, a.y + (z.y - a.y) * k / 40
                if x0 < x < x1 and y0 < y < y1:
                    bad("'%s' on a centre line" % text)
                    break
    # In the section (right of the face view), no face line runs across a bolt hole's gap.
    hole = re.search(r"n-%%CL=\d+-%%C([\d.]+)", " ".join(texts))
    if "K" in sized and "D" in sized and hole:
        low, high = sized["K"] / 2 - float(hole.group(1)) / 2, sized["K"] / 2 + float(hole.group(1)) / 2
        for line in msp.query('LINE[layer=="OUTLINE"]'):
            a, z = line.dxf.start, line.dxf.end
            if a.x > sized["D"] / 2 and abs(a.x - z.x) < 1e-9:
                for gapLow, gapHigh in ((low, high), (-high, -low)):
                    if min(a.y, z.y) < gapLow + 1e-6 and max(a.y, z.y) > gapHigh - 1e-6:
                        bad("face line across a hole at x=%g" % a.x)
    # A face whose sizes are not on record says so (none is: HG 20592-97's raised faces have no
    # agreeing public sources yet); B16.5 gives them, so a Class sheet dimensions its face.
    noted = any(t.startswith("\u7a81\u9762 RF") for t in texts)
    classSheet = any(t.startswith("ASME B16.5") for t in texts)
    lengths = [d.dxf.text for d in msp.query("DIMENSION")] + texts  # a text set beyond its lines
    if classSheet and (noted or "d" not in sized or not any(t.startswith("f=") for t in lengths)):
        bad("a Class raised face not dimensioned")
    if not classSheet and not noted:
        bad("no raised-face note")
    # The hub detail where, and only where, a reduced sheet prints the hub's wall under 4 mm
    # (the PN series' S, h and R; a Class sheet has no such sizes to enlarge).
    if "N" in sized and not classSheet:
        wall = (sized["N"] - (sized.get("B") or 0)) / 2
        detailed = any(re.match(r"I  1:[\d.]+$", t) for t in texts)
        if detailed != (scale > 1 and wall / scale < 4):
            bad("hub wall %.1f mm on paper, detail %s" % (wall / scale, detailed))
    # Title texts centred in their cells, on their lettering, within 0.6 mm; the lines of a cell
    # as one block.
    cells = {}
    edges = [l for l in msp.query('LINE[layer=="SHEET" | layer=="BORDER"]')]
    blockTop = lo.y + 32 * scale
    for t in msp.query("TEXT"):
        if t.dxf.align_point[1] > blockTop or t.dxf.halign != 1:
            continue
        px, py = t.dxf.align_point[0], t.dxf.align_point[1]
        xs = [l.dxf.start.x for l in edges if abs(l.dxf.start.x - l.dxf.end.x) < 1e-9
              and min(l.dxf.start.y, l.dxf.end.y) <= py <= max(l.dxf.start.y, l.dxf.end.y)]
        ys = [l.dxf.start.y for l in edges if abs(l.dxf.start.y - l.dxf.end.y) < 1e-9
              and min(l.dxf.start.x, l.dxf.end.x) <= px <= max(l.dxf.start.x, l.dxf.end.x)]
        cell = (max(x for x in xs if x < px), max(y for y in ys if y < py),
                min(x for x in xs if x > px), min(y for y in ys if y > py))
        c = extent(t)
        k = t.dxf.height / 9
        caps = [p for ch in t.dxf.text if ch not in "gjpqy" for p in glyphs.get(ch, [])]
        top = max((y for _, y in caps), default=9) * k + t.dxf.align_point[1]
        bottom = max(0, min((y for _, y in caps), default=0)) * k + t.dxf.align_point[1]
        cells.setdefault(cell, []).append((t.dxf.text, (min(p[0] for p in c) + max(p[0] for p in c)) / 2, top, bottom))
    for cell, lines in cells.items():
        middleY = (max(l[2] for l in lines) + min(l[3] for l in lines)) / 2
        for text, middleX, _, _ in lines:
            if abs(middleX - (cell[0] + cell[2]) / 2) > 0.6 * scale or abs(middleY - (cell[1] + cell[3]) / 2) > 0.6 * scale:
                bad("'%s' off the middle of its cell by %.2f, %.2f mm" % (text, (middleX - (cell[0] + cell[2]) / 2) / scale, (middleY - (cell[1] + cell[3]) / 2) / scale))
    return problems, sheets
# One file at a time, on every core: the sheets are independent.
import multiprocessing
paths = sorted(glob.glob(os.path.join(sys.argv[1], "*.dxf")))
with multiprocessing.Pool() as pool:
    for found, counted in pool.map(check, paths, chunksize=8):
        rows += 1
        problems += found
        for key, count in counted.items():
            sheets[key] = sheets.get(key, 0) + count
print(json.dumps({"rows": rows, "sheets": sheets, "problems": problems[:40]}))
)py";

// The characters a LibreCAD font (.lff) has glyphs for: its "[4e00] 一" lines.
QSet<char32_t> fontCharacters(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QSet<char32_t> characters;
    static const QRegularExpression glyph(QStringLiteral("^\\[([0-9a-fA-F]{4,6})\\]"));
    while (!file.atEnd()) {
        const QRegularExpressionMatch m = glyph.match(QString::fromUtf8(file.readLine()));
        if (m.hasMatch())
            characters.insert(m.captured(1).toUInt(nullptr, 16));
    }
    return characters;
}

// Text as a CAD program shows it: \U+XXXX escapes and the %% codes read as their characters.
QString shownText(QString text)
{
    static const QRegularExpression escape(QStringLiteral("\\\\U\\+([0-9A-Fa-f]{4})"));
    for (QRegularExpressionMatch m = escape.match(text); m.hasMatch(); m = escape.match(text))
        text.replace(m.capturedStart(), m.capturedLength(),
                     QChar(m.captured(1).toUShort(nullptr, 16)));
    return text.replace(QStringLiteral("%%C"), QStringLiteral("\u2300"), Qt::CaseInsensitive)
        .replace(QStringLiteral("%%D"), QStringLiteral("\u00B0"), Qt::CaseInsensitive)
        .replace(QStringLiteral("%%P"), QStringLiteral("\u00B1"), Qt::CaseInsensitive);
}

// What ReadDxf finds in the file; empty when ezdxf could not read it.
QJsonObject readDxf(const QString &file)
{
    const ProgramRun read = runProgram(QStringLiteral("/usr/bin/python3"),
                                       {QStringLiteral("-c"), QString::fromUtf8(ReadDxf), file});
    if (read.exitCode != 0)
        qWarning().noquote() << read.err;
    return QJsonDocument::fromJson(read.out).object();
}

// What LibreCAD would draw as placeholders: every character of the DXF's texts (and of
// `more`, [style, text] pairs) that the LibreCAD font its style names has no glyph for.
QString textsWithoutGlyphs(const QJsonObject &dxf, QList<QStringList> more = {})
{
    for (const QJsonValue &value : dxf["styledTexts"].toArray())
        more.append(value.toVariant().toStringList());
    if (more.isEmpty())
        return QStringLiteral("no texts");
    QStringList missing;
    for (const QStringList &text : more) {
        if (text[0] != QStringLiteral(QUORVIT_TEXT_STYLE))
            missing << "style " + text[0];
        const QSet<char32_t> glyphs =
            fontCharacters(QStringLiteral(QUORVIT_LIBRECAD_FONTS "/") + text[0] + ".lff");
        for (char32_t c : shownText(text[1]).toUcs4())
            if (c != U' ' && !glyphs.contains(c))
                missing << QStringLiteral("%1 in \"%2\"").arg(QString::fromUcs4(&c, 1), text[1]);
    }
    return missing.isEmpty() ? QString() : "no glyph for " + missing.join(QStringLiteral(", "));
}

QString pressureArgument(const FlangeRecord &r)
{
    return r.pressureText;
}

// The flange's arguments to `drawing` and `lookup`: KIND CLASS SIZE for the Class series (its
// class and size spelt as an engineer would), KIND PN DN --series S for the PN series.
QStringList flangeArguments(const FlangeRecord &r)
{
    if (isClassRecord(r))
        return {kindCode(r.kind), QStringLiteral("CL") + r.pressureText,
                QStringLiteral("DN%1").arg(r.dn)};
    return {kindCode(r.kind), pressureArgument(r), QString::number(r.dn),
            QStringLiteral("--series"), seriesText(r.series)};
}

// What `quorvit lookup --format json` says of a flange: the values a drawing must carry.
QJsonObject lookedUp(const QStringList &flange)
{
    const ProgramRun run = quorvit(QStringList{QStringLiteral("lookup")} + flange +
                                   QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

class TestDrawingExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void dxfReadBack_data();
    void dxfReadBack();
    void oneSheetInEveryFormat();
    void everyRowOnItsSheet();
    void librecadPrintsTheSheet_data();
    void librecadPrintsTheSheet();
    void drawingOptions_data();
    void drawingOptions();
    void dataSheetHoldsEveryValue_data() { dxfReadBack_data(); }
    void dataSheetHoldsEveryValue();
    void failedWriteKeepsEarlierFile_data();
    void failedWriteKeepsEarlierFile();

private:
    QTemporaryDir m_dir;
};

void TestDrawingExport::dxfReadBack_data()
{
    QTest::addColumn<FlangeRecord>("record");
    // The smallest and largest row of every kind, a middle one, and a series-B row.
    for (FlangeKind kind : AllFlangeKinds) {
        const QList<FlangeRecord> rows = flangeRecords(kind, PipeSeries::A);
        for (qsizetype i : {qsizetype(0), rows.size() / 2, rows.size() - 1})
            QTest::addRow("%s PN%s DN%d", qPrintable(kindCode(kind)),
                          qPrintable(rows[i].pressureText), rows[i].dn)
                << rows[i];
        const FlangeRecord b = flangeRecords(kind, PipeSeries::B).value(5);
        QTest::addRow("%s PN%s DN%d series B", qPrintable(kindCode(kind)),
                      qPrintable(b.pressureText), b.dn)
            << b;
    }
    // The Class series: each kind's smallest, middle and largest row.
    for (FlangeKind kind : {FlangeKind::WeldNeck, FlangeKind::SlipOn, FlangeKind::Blind}) {
        const QList<FlangeRecord> rows = classFlangeRecords(kind, std::nullopt);
        for (qsizetype i : {qsizetype(0), rows.size() / 2, rows.size() - 1})
            QTest::addRow("%s CL%s DN%d", qPrintable(kindCode(kind)),
                          qPrintable(rows[i].pressureText), rows[i].dn)
                << rows[i];
    }
}

void TestDrawingExport::dxfReadBack()
{
    QFETCH(FlangeRecord, record);
    const QString file = m_dir.filePath(QStringLiteral("row.dxf"));
    const ProgramRun run =
        quorvitWithoutDisplay(QStringList{QStringLiteral("drawing")} + flangeArguments(record) +
                              QStringList{QStringLiteral("-o"), file});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject values = lookedUp(flangeArguments(record));
    QVERIFY(!values.isEmpty());

    const QJsonObject dxf = readDxf(file);
    QVERIFY(!dxf.isEmpty());

    QCOMPARE(dxf["insunits"].toInt(), 4);
    const QVariantList layers = dxf["layers"].toArray().toVariantList();
    for (const char *layer :
         {"OUTLINE", "CENTER", "HATCH", "DIMENSIONS", "TEXT", "BORDER", "SHEET"})
        QVERIFY2(layers.contains(QString::fromLatin1(layer)), layer);
    QVERIFY(dxf["hatches"].toInt() >= 1);

    // Circles about the centre: D among the outlines, K as a centre line; the holes: n circles
    // of L whose centres lie on K, none on a centre line.
    const double d = values["outside_diameter"].toDouble(), k = values["bolt_circle"].toDouble(),
                 l = values["hole_diameter"].toDouble();
    bool outside = false, boltCircle = false;
    int holes = 0;
    for (const QJsonValue &value : dxf["circles"].toArray()) {
        const QJsonArray c = value.toArray();
        const QString layer = c[0].toString();
        const double x = c[1].toDouble(), y = c[2].toDouble(), diameter = 2 * c[3].toDouble();
        const bool centred = std::hypot(x, y) < 1e-6;
        outside |= centred && layer == "OUTLINE" && qFuzzyCompare(diameter, d);
        boltCircle |= centred && layer == "CENTER" && qFuzzyCompare(diameter, k);
        if (!centred && layer == "OUTLINE" && qFuzzyCompare(diameter, l)) {
            ++holes;
            QVERIFY2(std::abs(std::hypot(x, y) - k / 2) < 1e-6, "hole off the bolt circle");
            QVERIFY2(std::abs(x) > l / 2 && std::abs(y) > l / 2, "hole on a centre line");
        }
    }
    QVERIFY(outside);
    QVERIFY(boltCircle);
    QCOMPARE(holes, values["hole_count"].toInt());

    // The dimensions carry the values lookup gives (those it has); the title block names the
    // kind in Chinese.
    const QVariantList dimensions = dxf["dimensions"].toArray().toVariantList();
    const std::pair<const char *, QString> dimensioned[] = {{"outside_diameter", "D=%%C"},
                                                            {"bolt_circle", "K=%%C"},
                                                            {"thickness", "C="},
                                                            {"height", "H="},
                                                            {"raised_face_diameter", "d=%%C"},
                                                            {"face_height", "f="},
                                                            {"length_through_hub", "Y="},
                                                            {"hub_diameter", "N=%%C"}};
    for (const auto &[key, text] : dimensioned)
        if (values.contains(QLatin1String(key)) &&
            !(key == std::string_view("face_height") && !isClassRecord(record))) // not drawn (PL)
            QVERIFY2(dimensions.contains(text + QString::number(values[key].toDouble())), key);
    if (isClassRecord(record) && values["bore"].isDouble())
        QVERIFY(dimensions.contains("B=%%C" + QString::number(values["bore"].toDouble())));
    const QStringList texts = dxf["texts"].toVariant().toStringList();
    QVERIFY(texts.contains(record.kind == FlangeKind::Blind
                               ? QStringLiteral("法兰盖")
                               : kindChineseName(record.kind) + QStringLiteral("法兰")));

    // LibreCAD draws a text with the font its style is named after; ours must hold every
    // character written, the dimensions' included.
    QList<QStringList> styled;
    for (const QVariant &dimension : dimensions)
        styled.append({QStringLiteral(QUORVIT_TEXT_STYLE), dimension.toString()});
    const QString unlettered = textsWithoutGlyphs(dxf, styled);
    QVERIFY2(unlettered.isEmpty(), qPrintable(unlettered));
}

void TestDrawingExport::oneSheetInEveryFormat()
{
    // One row as DXF, SVG and PDF: the same paper and plot scale, named in the title block of
    // each; the SVG and the PDF's first page at the paper's size, the callout as text.
    const QString base = m_dir.filePath(QStringLiteral("wn100."));
    for (const char *format : {"dxf", "svg", "pdf"})
        QCOMPARE(quorvitWithoutDisplay({"drawing", "WN", "1.6", "100", "--checker", "王工",
                                        "--date", "2026-12-07", "-o", base + format})
                     .exitCode,
                 0);
    const QJsonObject dxf = readDxf(base + "dxf");
    const QSizeF paper(dxf["paper"][0].toDouble(), dxf["paper"][1].toDouble());
    const QString scale = QStringLiteral("1:") + QString::number(dxf["scale"].toDouble(), 'g', 6);
    QVERIFY(dxf["texts"].toVariant().toStringList().contains(scale));

    QFile svg(base + "svg");
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    QVERIFY(text.contains(
        QStringLiteral("width=\"%1mm\" height=\"%2mm\"").arg(paper.width()).arg(paper.height())));
    QVERIFY(text.contains(
        QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(paper.width()).arg(paper.height())));
    QVERIFY(text.contains(QLatin1Char('>') + scale + QLatin1Char('<')));
    QVERIFY(QSvgRenderer(base + "svg").isValid());

    const ProgramRun info =
        runProgram(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "1", base + "pdf"});
    const QRegularExpressionMatch points =
        QRegularExpression(QStringLiteral("Page +1 size: +([\\d.]+) x ([\\d.]+) pts"))
            .match(info.text());
    QVERIFY2(points.hasMatch(), qPrintable(info.text() + info.err));
    QCOMPARE(qRound(points.captured(1).toDouble() * 25.4 / 72), qRound(paper.width()));
    QCOMPARE(qRound(points.captured(2).toDouble() * 25.4 / 72), qRound(paper.height()));
    const ProgramRun page =
        runProgram(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", base + "pdf", "-"});
    QVERIFY(page.text().contains(scale));
    QVERIFY(page.text().contains(QStringLiteral("n-φL=8-φ18")));
    QVERIFY(page.text().contains(QStringLiteral("王工")));
    QVERIFY(page.text().contains(QStringLiteral("2026-12-07")));
}

// Over every row of every kind: no text meets another or an outline of the part, and every one
// lies within the sheet; then ezdxf reads each row's DXF and finds everything in the frame.
void TestDrawingExport::everyRowOnItsSheet()
{
    QTemporaryDir rows;
    int drawings = 0;
    QList<FlangeRecord> classRows;
    for (FlangeKind kind : {FlangeKind::WeldNeck, FlangeKind::SlipOn, FlangeKind::Blind})
        classRows << classFlangeRecords(kind, std::nullopt);
    const auto check = [&](const FlangeRecord &record) {
        if (!undrawableReason(record).isEmpty())
            return; // refused, as drawingOptions shows
        const FlangeDrawing d = buildFlangeSheet(record);
        ++drawings;
        const QList<QRectF> boxes = textBoxes(d);
        QStringList texts;
        for (const LinearDimension &dim : d.linearDimensions)
            texts << dim.text;
        for (const DiameterDimension &dim : d.diameterDimensions)
            texts << dim.text;
        for (const DrawingText &text : d.texts)
            texts << text.text;
        QCOMPARE(boxes.size(), texts.size());
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            const QString where = d.title + QStringLiteral(" \"") + texts[i] + '"';
            QVERIFY2(d.extents.contains(boxes[i]), qPrintable(where + " leaves the extents"));
            // Sizes as the tables print them, at most to hundredths (A − 2S worked out too).
            QVERIFY2(!texts[i].contains(QRegularExpression(QStringLiteral("\\d\\.\\d{3}"))),
                     qPrintable(where));
            QVERIFY2(!boxMeetsOutline(d, boxes[i]), qPrintable(where + " crosses an outline"));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!boxes[i].intersects(boxes[j]),
                         qPrintable(where + " meets \"" + texts[j] + '"'));
        }
        QFile file(rows.filePath(QStringLiteral("%1 %2%3 DN%4 %5.dxf")
                                     .arg(kindCode(record.kind),
                                          isClassRecord(record) ? "CL" : "PN", record.pressureText)
                                     .arg(record.dn)
                                     .arg(seriesText(record.series))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(dxfBytes(d));
    };
    forEachFlange(check);
    for (const FlangeRecord &record : classRows)
        check(record);
    QVERIFY(drawings > 700 + 300);
    // The sanitized build writes the same bytes as the plain one, whose run reads them back.
    if (qEnvironmentVariableIsSet("QUORVIT_SANITIZED"))
        QSKIP("the files are read back by the plain build's run");

    const ProgramRun read =
        runProgram(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral("-c"), QString::fromUtf8(InFrame), rows.path(),
                    QStringLiteral(QUORVIT_LIBRECAD_FONTS "/quorvit-hei.lff")},
                   {}, QProcessEnvironment::systemEnvironment(), 600000);
    QVERIFY2(read.exitCode == 0, qPrintable(read.err));
    const QJsonObject found = QJsonDocument::fromJson(read.out).object();
    qInfo().noquote() << "sheets:"
                      << QJsonDocument(found["sheets"].toObject()).toJson(QJsonDocument::Compact);
    QCOMPARE(found["rows"].toInt(), drawings);
    const QStringList problems = found["problems"].toVariant().toStringList();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TestDrawingExport::librecadPrintsTheSheet_data()
{
    QTest::addColumn<QStringList>("flange");
    QTest::newRow("the smallest sheet, PL PN1.0 DN15 on A4") << QStringList{"PL", "1.0", "15"};
    QTest::newRow("a crowded section, WN PN25 DN15") << QStringList{"WN", "25.0", "15"};
    QTest::newRow("WN PN1.6 DN100, its designer and material typed in Chinese") << QStringList{
        "WN", "1.6", "100", "--designer", "赵工", "--material", "碳钢　Ｑ２３５Ｂ（正火）"};
    QTest::newRow("the largest weld-neck flange, WN PN1.0 DN2000")
        << QStringList{"WN", "1.0", "2000"};
    QTest::newRow("the largest plate flange, PL PN0.6 DN2000") << QStringList{"PL", "0.6", "2000"};
    QTest::newRow("a Class weld-neck flange, WN Class 300 NPS 8")
        << QStringList{"WN", "300", "8\""};
    QTest::newRow("the largest blind flange, BL Class 2500 NPS 12")
        << QStringList{"BL", "CL2500", "12in"};
}

// LibreCAD prints the DXF as the file sets it up (paper, plot scale, where the paper lies): the
// page is the sheet's paper, its frame 25 mm from the left edge, and every stroke lies in the
// frame or is the paper's trimmed edge, so no text reaches into the margins or off the page.
void TestDrawingExport::librecadPrintsTheSheet()
{
    QFETCH(QStringList, flange);
    QTemporaryDir home; // LibreCAD finds the drawing's font in ~/.librecad/fonts
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral(".librecad/fonts")));
    QVERIFY(QFile::copy(QStringLiteral(QUORVIT_LIBRECAD_FONTS "/quorvit-hei.lff"),
                        home.filePath(QStringLiteral(".librecad/fonts/quorvit-hei.lff"))));
    const QString dxf = home.filePath(QStringLiteral("sheet.dxf"));
    QCOMPARE(
        quorvitWithoutDisplay(QStringList{"drawing"} + flange + QStringList{"-o", dxf}).exitCode,
        0);
    const QJsonObject header = readDxf(dxf);
    const QSizeF paper(header["paper"][0].toDouble(), header["paper"][1].toDouble());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ProgramRun librecad =
        runProgram(QStringLiteral("librecad"), {"dxf2pdf", dxf}, {}, environment);
    QVERIFY2(QFile::exists(home.filePath(QStringLiteral("sheet.pdf"))),
             qPrintable("LibreCAD (package librecad) printed no PDF: " + librecad.err.right(300)));
    constexpr double Dpi = 40;
    QCOMPARE(runProgram(QStringLiteral("pdftoppm"),
                        {"-r", QString::number(Dpi), "-gray", "-png", "-singlefile",
                         home.filePath(QStringLiteral("sheet.pdf")),
                         home.filePath(QStringLiteral("sheet"))})
                 .exitCode,
             0);
    const QImage page(home.filePath(QStringLiteral("sheet.png")));
    const double perMm = Dpi / 25.4;
    QVERIFY(std::abs(page.width() - paper.width() * perMm) < 2);
    QVERIFY(std::abs(page.height() - paper.height() * perMm) < 2);

    // The frame as drawn (25 mm binding margin, 5 mm elsewhere), a millimetre's leeway round it.
    const QRectF frame =
        QRectF(25, 5, paper.width() - 30, paper.height() - 10).adjusted(-1, -1, 1, 1);
    const QRectF edge = QRectF(QPointF(0, 0), paper).adjusted(1.2, 1.2, -1.2, -1.2);
    QStringList strays;
    int frameLine = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) > 160)
                continue;
            const QPointF mm((x + 0.5) / perMm, (y + 0.5) / perMm);
            frameLine += std::abs(mm.x() - 25) < 1 && mm.y() > 10 && mm.y() < paper.height() - 10;
            if (!frame.contains(mm) && edge.contains(mm))
                strays
                    << QStringLiteral("(%1, %2) mm").arg(mm.x(), 0, 'f', 1).arg(mm.y(), 0, 'f', 1);
        }
    QVERIFY2(strays.isEmpty(),
             qPrintable("ink outside the frame at " + strays.mid(0, 10).join(", ")));
    QVERIFY2(frameLine > 0.9 * (paper.height() - 20) * perMm, "no frame 25 mm from the left edge");
    // and no placeholder for a character, the user's entries' included
    const QString unlettered = textsWithoutGlyphs(header);
    QVERIFY2(unlettered.isEmpty(), qPrintable(unlettered));
}

void TestDrawingExport::drawingOptions_data()
{
    QTest::addColumn<QStringList>("arguments"); // after "drawing"; -o FILE.dxf unless -o is given
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("shown"); // texts of the DXF, or the start of standard output
    const QStringList wn100{"WN", "1.6", "100"};
    QTest::newRow("the entries fill their cells")
        << wn100 + QStringList{"--drawing-number", "QV-17-003", "--material", "16Mn",
                               "--designer",       "张工"}
        << 0 << QStringList{"QV-17-003", "16Mn", "张工", "HG 20595-97", "WN 100-1.6 RF"};
    QTest::newRow("a long material is lettered smaller, not cut")
        << wn100 + QStringList{"--material", "S30408 (06Cr19Ni10)"} << 0
        << QStringList{"S30408 (06Cr19Ni10)"};
    QTest::newRow("a material too long for its cell is a usage error")
        << wn100 + QStringList{"--material", QString(60, QLatin1Char('X'))} << 2 << QStringList{};
    QTest::newRow("a row whose table gives its weld end as 0 is refused")
        << QStringList{"WN", "25.0", "250", "--series", "B"} << 1 << QStringList{};
    QTest::newRow("--checker and --date fill 审核 and 日期")
        << wn100 + QStringList{"--checker", "  王工 ", "--date", "2026-12-07"} << 0
        << QStringList{"王工", "2026-12-07"};
    QTest::newRow("a flat face: FF in the marking, no note")
        << QStringList{"WN-FF", "1.6", "100"} << 0 << QStringList{"WN 100-1.6 FF"};
    QTest::newRow("a female face is named, not drawn as another")
        << wn100 + QStringList{"--face", "fm"} << 0
        << QStringList{"WN 100-1.6 FM", "密封面 FM 的尺寸未收录，图中未画出"};
    for (const char *date : {"2026-02-30", "07.12.2026", "2026-1-7", "2026-12-07x"})
        QTest::addRow("--date %s is a usage error", date)
            << wn100 + QStringList{"--date", QString::fromLatin1(date)} << 2 << QStringList{};
    QTest::newRow("a face the kind contradicts is a usage error")
        << QStringList{"WN-FF", "1.6", "100", "--face", "RF"} << 2 << QStringList{};
    // The Class series: its standards and designation in the title block, its weight named as
    // computed, its raised face drawn (no note); what it has not, refused in one line.
    QTest::newRow("a Class flange names ASME B16.5 and HG/T 20615")
        << QStringList{"WN", "300", "8\""} << 0
        << QStringList{
               "ASME B16.5-2013", "HG/T 20615", "WN 8\" CL300 RF SCH STD",
               "计算 " +
                   lookedUp({"WN", "300", "8\""})["computed_weight_kg"].toVariant().toString() +
                   " kg"};
    QTest::newRow("a weld-neck flange bored to XS, spelt as PN50 and NPS")
        << QStringList{"WN", "PN50", "NPS 8", "--schedule", "xs"} << 0
        << QStringList{"WN 8\" CL300 RF SCH XS"};
    QTest::newRow("a blind flange has no bore and no schedule")
        << QStringList{"bl", "150#", "1-1/2\""} << 0 << QStringList{"BL 1-1/2\" CL150 RF"};
    QTest::newRow("a blind flange in the PN series is refused")
        << QStringList{"BL", "1.6", "100"} << 1 << QStringList{};
    QTest::newRow("a slip-on flange at Class 2500 is not listed")
        << QStringList{"SO", "2500", "4\""} << 1 << QStringList{};
    QTest::newRow("NPS 22 is not listed") << QStringList{"WN", "150", "22\""} << 1 << QStringList{};
    QTest::newRow("a Class flange with another face is refused")
        << QStringList{"WN", "300", "8\"", "--face", "FF"} << 1 << QStringList{};
    QTest::newRow("a Class flange has no pipe series")
        << QStringList{"WN", "300", "8\"", "--series", "B"} << 2 << QStringList{};
    QTest::newRow("a schedule the pipe table lacks")
        << QStringList{"WN", "300", "8\"", "--schedule", "160"} << 2 << QStringList{};
    QTest::newRow("--schedule on a blind flange")
        << QStringList{"BL", "300", "8\"", "--schedule", "STD"} << 2 << QStringList{};
    QTest::newRow("-o - writes the DXF to standard output")
        << wn100 + QStringList{"-o", "-"} << 0 << QStringList{"999\ndxflib"};
    QTest::newRow("-o - --format pdf writes the data sheet to standard output")
        << wn100 + QStringList{"-o", "-", "--format", "pdf"} << 0 << QStringList{"%PDF-"};
}

void TestDrawingExport::drawingOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, shown);
    const QString file = m_dir.filePath(QStringLiteral("options.dxf"));
    QFile::remove(file);
    const bool toStdout = arguments.contains(QStringLiteral("-"));
    const ProgramRun run = quorvitWithoutDisplay(
        QStringList{"drawing"} + arguments + (toStdout ? QStringList{} : QStringList{"-o", file}));
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY2(run.err.startsWith(QStringLiteral("quorvit drawing: ")), qPrintable(run.err));
        QVERIFY(!QFile::exists(file));
        return;
    }
    if (toStdout) {
        QVERIFY2(run.out.startsWith(shown.first().toUtf8()), run.out.left(40).constData());
        return;
    }
    const QStringList texts = readDxf(file)["texts"].toVariant().toStringList();
    for (const QString &text : shown)
        QVERIFY2(texts.contains(text), qPrintable(text));
    // Only a face whose sizes are not on record carries a note.
    const bool noted = std::any_of(texts.begin(), texts.end(), [](const QString &t) {
        return t.contains(QStringLiteral("未收录"));
    });
    QCOMPARE(noted, !shown.contains(QStringLiteral("WN 100-1.6 FF")) &&
                        !texts.contains(QStringLiteral("ASME B16.5-2013")));
}

void TestDrawingExport::dataSheetHoldsEveryValue()
{
    QFETCH(FlangeRecord, record);
    const QString file = m_dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(quorvitWithoutDisplay(QStringList{"drawing"} + flangeArguments(record) +
                                   QStringList{"-o", file})
                 .exitCode,
             0);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    QVERIFY2(pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0,
             "pdftotext (poppler-utils) must be installed");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("Quorvit")));
    QVERIFY(text.contains(QStringLiteral("比例")));
    for (const FlangeField &field : recordFields(record)) {
        QVERIFY2(text.contains(field.name), qPrintable(field.name));
        const QString value = fieldValueText(field, record);
        QVERIFY2(text.contains(value), qPrintable(field.name + " " + value));
    }
}

void TestDrawingExport::failedWriteKeepsEarlierFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("dxf") << "dxf";
    QTest::newRow("svg") << "svg";
    QTest::newRow("pdf") << "pdf";
}

void TestDrawingExport::failedWriteKeepsEarlierFile()
{
    QFETCH(QString, format);
    // A missing directory: exit 1 with a reason naming the file.
    const QString missing = m_dir.filePath(QStringLiteral("no/such/dir/x.") + format);
    const ProgramRun intoNowhere =
        quorvitWithoutDisplay({"drawing", "SO", "1.6", "100", "-o", missing});
    QCOMPARE(intoNowhere.exitCode, 1);
    QVERIFY2(intoNowhere.err.contains(missing), qPrintable(intoNowhere.err));

    // An earlier file stays as it was when the row is not listed, and when the name is taken
    // by a directory (the earlier file inside it untouched too).
    const QString earlier = m_dir.filePath(QStringLiteral("earlier.") + format);
    QFile seed(earlier);
    QVERIFY(seed.open(QIODevice::WriteOnly));
    seed.write("earlier content");
    seed.close();
    QCOMPARE(quorvitWithoutDisplay({"drawing", "SO", "1.6", "11", "-o", earlier}).exitCode, 1);
    const QString directory = m_dir.filePath(QStringLiteral("taken.") + format);
    QVERIFY(QDir().mkpath(directory));
    QVERIFY(QFile::copy(earlier, directory + QStringLiteral("/inside")));
    const ProgramRun overDirectory =
        quorvitWithoutDisplay({"drawing", "SO", "1.6", "100", "--format", format, "-o", directory});
    QCOMPARE(overDirectory.exitCode, 1);
    QVERIFY(overDirectory.err.contains(QStringLiteral("cannot write")));
    for (const QString &path : {earlier, directory + QStringLiteral("/inside")}) {
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("earlier content"));
    }
}

QTEST_GUILESS_MAIN(TestDrawingExport)
#include "tst_drawingexport.moc"
