#include "exports/dxfwriter.h"

#include "files/atomicfile.h"
#include "takeoff/outputtext.h"
#include "takeoff/writeall.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <dl_dxf.h>
#include <memory>

namespace
{

constexpr const char *DrawingTextStyle = "quorvit-hei";

struct LayerStyle {
    DrawingLayer layer;
    const char *name;
    int color; // AutoCAD colour index
    const char *linetype;
};

constexpr LayerStyle Layers[] = {
    {DrawingLayer::Outline, "OUTLINE", 7, "CONTINUOUS"},
    {DrawingLayer::Center, "CENTER", 1, "CENTER"},
    {DrawingLayer::Hatch, "HATCH", 8, "CONTINUOUS"},
    {DrawingLayer::Dimensions, "DIMENSIONS", 3, "CONTINUOUS"},
    {DrawingLayer::Text, "TEXT", 7, "CONTINUOUS"},
    {DrawingLayer::Border, "BORDER", 7, "CONTINUOUS"},
    {DrawingLayer::Sheet, "SHEET", 7, "CONTINUOUS"},
};

bool thick(DrawingLayer layer)
{
    return layer == DrawingLayer::Outline || layer == DrawingLayer::Border;
}

const char *layerName(DrawingLayer layer)
{
    for (const LayerStyle &s : Layers)
        if (s.layer == layer)
            return s.name;
    return "0";
}

DL_Attributes on(DrawingLayer layer)
{
    // Colour and linetype come from the layer.
    return DL_Attributes(layerName(layer), 256, -1, "BYLAYER", 1.0);
}

// Text in the file's code page, ANSI_936 (GBK, what Chinese AutoCAD writes into R2000
// files); φ as the CAD diameter sign %%C (LibreCAD reads only the capital), a character GBK
// lacks as a \U+XXXX escape. A value is one line of the file: no control character.
// What was typed reads back as typed: a CAD program takes "%%" for the start of a control code
// (%%u underlines, %%d is a degree sign), so a '%' beside another one in the output is written
// as the escape \U+0025 (LibreCAD shows AutoCAD's own "%%%" as three signs); a backslash
// starting "U+" or "M+" would start a character escape and a caret a control character (^J),
// so they are escapes of their own.
std::string dxfText(const QString &text)
{
    const QString writable = writableText(text, LineBreaks::Replace);
    const auto at = [&](qsizetype i) { return i < writable.size() ? writable[i] : QChar(); };
    const auto escape = [](char16_t c) {
        return "\\U+" + QString::number(c, 16).toUpper().rightJustified(4, u'0').toStdString();
    };
    QStringEncoder gbk("GBK");
    std::string out;
    for (qsizetype i = 0; i < writable.size(); ++i) {
        const QChar c = writable[i];
        if (c == QChar(0x03C6)) {
            out += "%%C";
        } else if (c == u'%') {
            const bool beside = (i > 0 && writable[i - 1] == u'%') || at(i + 1) == u'%' ||
                                at(i + 1) == QChar(0x03C6);
            out += beside ? escape(c.unicode()) : "%";
        } else if (c == u'\\' && at(i + 2) == u'+' && QStringLiteral("UuMm").contains(at(i + 1))) {
            out += escape(c.unicode());
        } else if (c == u'^') {
            out += escape(c.unicode());
        } else if (c.isSurrogate()) {
            // Never reached: dxfUnwritable() refuses a drawing with a pair.
            out += escape(QChar::ReplacementCharacter);
        } else if (c.unicode() < 0x80) {
            out += char(c.unicode());
        } else if (const QByteArray bytes = gbk.encode(QStringView(&c, 1));
                   !gbk.hasError() && !bytes.isEmpty() && bytes != "?") {
            out += bytes.toStdString();
        } else {
            gbk = QStringEncoder("GBK");
            out += escape(c.unicode());
        }
    }
    return out;
}

// Why a text cannot be written as it is: a character beyond U+FFFF, which the four digits of a
// \U+ escape cannot name (and GBK has not). An SVG or PDF drawing holds it.
QString dxfUnwritable(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate())
            return QStringLiteral("\"%1\" holds U+%2, which a DXF text cannot hold (its escapes "
                                  "reach U+FFFF); an SVG or PDF drawing can")
                .arg(writableText(text.left(40), LineBreaks::Replace),
                     QString::number(QChar::surrogateToUcs4(text[i], text[i + 1]), 16).toUpper());
    return {};
}

QString dxfUnwritable(const FlangeDrawing &d)
{
    QStringList texts;
    for (const DrawingText &t : d.texts)
        texts << t.text;
    for (const LinearDimension &dim : d.linearDimensions)
        texts << dim.text;
    for (const DiameterDimension &dim : d.diameterDimensions)
        texts << dim.text;
    for (const QString &text : texts)
        if (QString why = dxfUnwritable(text); !why.isEmpty())
            return why;
    return {};
}

// dxflib's writeStyle leaves the font file groups empty and names a TrueType family instead;
// a shape font with its big font needs them filled.
void writeTextStyle(DL_WriterA &dw, const char *name, const char *font, const char *bigFont,
                    double lastHeight)
{
    dw.dxfString(0, "STYLE");
    dw.handle();
    dw.dxfString(100, "AcDbSymbolTableRecord");
    dw.dxfString(100, "AcDbTextStyleTableRecord");
    dw.dxfString(2, name);
    dw.dxfInt(70, 0);
    dw.dxfReal(40, 0.0); // not a fixed height
    dw.dxfReal(41, 1.0); // width factor
    dw.dxfReal(50, 0.0); // oblique angle
    dw.dxfInt(71, 0);
    dw.dxfReal(42, lastHeight);
    dw.dxfString(3, font);
    dw.dxfString(4, bigFont);
}

void writeTables(DL_Dxf &dxf, DL_WriterA &dw, double textHeight)
{
    dw.sectionTables();
    dxf.writeVPort(dw);

    double center[] = {12.7, -2.54, 2.54, -2.54}; // long dash, gap, short dash, gap (ISO-like)
    double centerLength = 0;
    for (double dash : center)
        centerLength += std::abs(dash);
    dw.tableLinetypes(4);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dxf.writeLinetype(
        dw, DL_LinetypeData("CENTER", "Center ____ _ ____ _ ____", 0, 4, centerLength, center));
    dw.tableEnd();

    dw.tableLayers(int(std::size(Layers)) + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
    for (const LayerStyle &s : Layers)
        dxf.writeLayer(dw, DL_LayerData(s.name, 0),
                       DL_Attributes("", s.color, thick(s.layer) ? 50 : 25, s.linetype, 1.0));
    dw.tableEnd();

    // LibreCAD takes a text's style name for the name of its stroke font: the drawing's text
    // is in the style named after the font Quorvit installs for LibreCAD. Other CAD programs
    // read the font files: the GB drafting lettering with its Chinese big font.
    dw.tableStyle(2);
    for (const char *style : {"Standard", DrawingTextStyle})
        writeTextStyle(dw, style, "gbenor.shx", "gbcbig.shx", textHeight);
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    // Arrow size, extension beyond the line, offset from the object, gap round the text, text
    // height: all in proportion to the drawing's text.
    dxf.writeDimStyle(dw, textHeight * 0.8, textHeight * 0.5, textHeight * 0.3, textHeight * 0.3,
                      textHeight);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char *block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    dw.sectionEnd();
}

DL_DimensionData dimensionData(QPointF definition, QPointF textMiddle, int type,
                               const QString &text, double angle)
{
    return DL_DimensionData(definition.x(), definition.y(), 0.0, textMiddle.x(), textMiddle.y(),
                            0.0, type, 5 /*middle centre*/, 1, 1.0, dxfText(text), "Standard",
                            angle);
}

void writeText(DL_Dxf &dxf, DL_WriterA &dw, const DrawingText &t, double angleDeg,
               DrawingLayer layer)
{
    const bool centred = t.anchor == TextAnchor::Center;
    dxf.writeText(dw,
                  DL_TextData(t.pos.x(), t.pos.y(), 0.0, t.pos.x(), t.pos.y(), 0.0, t.height, 1.0,
                              0, centred ? 1 : 0, 0, dxfText(t.text), DrawingTextStyle,
                              angleDeg * M_PI / 180.0),
                  on(layer));
}

void writeEntities(DL_Dxf &dxf, DL_WriterA &dw, const FlangeDrawing &d)
{
    dw.sectionEntities();
    for (const DrawingLine &l : d.lines)
        dxf.writeLine(dw, DL_LineData(l.line.x1(), l.line.y1(), 0.0, l.line.x2(), l.line.y2(), 0.0),
                      on(l.layer));
    for (const DrawingCircle &c : d.circles)
        dxf.writeCircle(dw, DL_CircleData(c.center.x(), c.center.y(), 0.0, c.radius), on(c.layer));
    for (const DrawingArc &a : d.arcs)
        dxf.writeArc(dw,
                     DL_ArcData(a.center.x(), a.center.y(), 0.0, a.radius, a.startDeg, a.endDeg),
                     on(a.layer));

    for (const DrawingHatch &h : d.hatches) {
        // ANSI31 is the 45° iron hatch; its pattern repeats every 3.175 units.
        dxf.writeHatch1(
            dw, DL_HatchData(int(h.boundaries.size()), false, h.spacing / 3.175, 0.0, "ANSI31"),
            on(DrawingLayer::Hatch));
        for (const DrawingOutline &loop : h.boundaries) {
            dxf.writeHatchLoop1(dw, DL_HatchLoopData(int(loop.size())));
            for (qsizetype i = 0; i < loop.size(); ++i) {
                const QPointF a = loop[i], z = loop[(i + 1) % loop.size()];
                dxf.writeHatchEdge(dw, DL_HatchEdgeData(a.x(), a.y(), z.x(), z.y()));
            }
            dxf.writeHatchLoop2(dw, DL_HatchLoopData(int(loop.size())));
        }
        dxf.writeHatch2(
            dw, DL_HatchData(int(h.boundaries.size()), false, h.spacing / 3.175, 0.0, "ANSI31"),
            on(DrawingLayer::Hatch));
    }

    for (const LinearDimension &dim : d.linearDimensions) {
        // The definition point lies on the dimension line, level with the second point; dxflib
        // takes the line's angle in radians.
        const QPointF def = dim.horizontal ? QPointF(dim.to.x(), dim.linePos.y())
                                           : QPointF(dim.linePos.x(), dim.to.y());
        // The text's middle, half its height off its baseline.
        const QPointF mid = dim.textPos + (dim.horizontal ? QPointF(0, d.textHeight / 2)
                                                          : QPointF(-d.textHeight / 2, 0));
        // CAD programs move a text wider than its dimension further out on their own (LibreCAD
        // by another text's width): a text placed beyond the extension lines is written as a
        // text of its own, the dimension's suppressed (one blank).
        const double along = dim.horizontal ? dim.textPos.x() : dim.textPos.y();
        const double lo = dim.horizontal ? std::min(dim.from.x(), dim.to.x())
                                         : std::min(dim.from.y(), dim.to.y());
        const double hi = dim.horizontal ? std::max(dim.from.x(), dim.to.x())
                                         : std::max(dim.from.y(), dim.to.y());
        const bool between = along > lo && along < hi;
        if (!between)
            writeText(dxf, dw, {dim.textPos, d.textHeight, dim.text, TextAnchor::Center},
                      dim.horizontal ? 0 : 90, DrawingLayer::Dimensions);
        dxf.writeDimLinear(
            dw, dimensionData(def, mid, 0, between ? dim.text : QStringLiteral(" "), 0.0),
            DL_DimLinearData(dim.from.x(), dim.from.y(), 0.0, dim.to.x(), dim.to.y(), 0.0,
                             dim.horizontal ? 0.0 : M_PI / 2, 0.0),
            on(DrawingLayer::Dimensions));
    }
    for (const DiameterDimension &dim : d.diameterDimensions) {
        const double a = dim.angleDeg * M_PI / 180.0;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF far = dim.center - dir * dim.radius;
        const QPointF near = dim.center + dir * dim.radius;
        dxf.writeDimDiametric(
            dw,
            dimensionData(far, dim.textPos + QPointF(-dir.y(), dir.x()) * (d.textHeight / 2), 3,
                          dim.text, 0.0),
            DL_DimDiametricData(near.x(), near.y(), 0.0, 0.0), on(DrawingLayer::Dimensions));
    }
    for (const DrawingText &t : d.texts)
        writeText(dxf, dw, t, 0, DrawingLayer::Text);
    dw.sectionEnd();
}

} // namespace

// The sheet for CAD programs that print from the file's settings: its limits, the paper and
// the plot scale, and where the paper's corner lies, so that LibreCAD prints the frame at its
// paper size; the centre lines' dashes and the dimensions' lettering at their paper sizes.
void writePaper(DL_WriterA &dw, const FlangeDrawing &d)
{
    const auto point = [&](const char *name, QPointF p) {
        dw.dxfString(9, name);
        dw.dxfReal(10, p.x());
        dw.dxfReal(20, p.y());
    };
    const double scale = d.paper.scale;
    const QPointF lowerLeft = d.extents.topLeft(); // y up: top() is the lowest
    point("$LIMMIN", lowerLeft);
    point("$LIMMAX", lowerLeft + QPointF(d.extents.width(), d.extents.height()));
    point("$PLIMMIN", {0, 0});
    point("$PLIMMAX", {d.paper.sizeMm.width(), d.paper.sizeMm.height()});
    point("$PINSBASE", -lowerLeft / scale);
    dw.dxfString(9, "$PSVPSCALE");
    dw.dxfReal(40, 1.0 / scale);
    dw.dxfString(9, "$LTSCALE");
    dw.dxfReal(40, scale);
    // Dimension texts aligned with their lines, in the drawing's text style.
    for (const char *name : {"$DIMTIH", "$DIMTOH"}) {
        dw.dxfString(9, name);
        dw.dxfInt(70, 0);
    }
    dw.dxfString(9, "$DIMTXSTY");
    dw.dxfString(7, DrawingTextStyle);
}

QByteArray dxfBytes(const FlangeDrawing &drawing, QString *error)
{
    if (const QString why = dxfUnwritable(drawing); !why.isEmpty()) {
        if (error)
            *error = why;
        return {};
    }
    // dxflib writes only to a named file: a private scratch file, read back whole.
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("drawing.dxf"));
    {
        DL_Dxf dxf;
        std::unique_ptr<DL_WriterA> dw(
            dxf.out(QFile::encodeName(path).constData(), DL_Codes::AC1015));
        if (!dw) {
            if (error)
                *error = QStringLiteral("cannot create a scratch file in %1").arg(scratch.path());
            return {};
        }
        dxf.writeHeader(*dw);
        dw->dxfString(9, "$DWGCODEPAGE");
        dw->dxfString(3, "ANSI_936");
        dw->dxfString(9, "$INSUNITS");
        dw->dxfInt(70, 4); // millimetres
        dw->dxfString(9, "$MEASUREMENT");
        dw->dxfInt(70, 1); // metric
        writePaper(*dw, drawing);
        // Dimension sizes for programs that take them from the header rather than the style.
        const double t = drawing.textHeight;
        for (const auto &[name, value] :
             {std::pair{"$DIMSCALE", 1.0}, std::pair{"$DIMTXT", t}, std::pair{"$DIMASZ", 0.8 * t},
              std::pair{"$DIMEXE", 0.5 * t}, std::pair{"$DIMEXO", 0.3 * t},
              std::pair{"$DIMGAP", 0.3 * t}}) {
            dw->dxfString(9, name);
            dw->dxfReal(40, value);
        }
        dw->sectionEnd();
        writeTables(dxf, *dw, drawing.textHeight);
        writeEntities(dxf, *dw, drawing);
        dxf.writeObjects(*dw);
        dxf.writeObjectsEnd(*dw);
        dw->dxfEOF();
        dw->close();
    }
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly)) {
        if (error)
            *error = written.errorString();
        return {};
    }
    return written.readAll();
}

QString writeDxf(const FlangeDrawing &drawing, const QString &path)
{
    return writeOutputFile(path, [&](QIODevice &device) {
        QString why;
        const QByteArray bytes = dxfBytes(drawing, &why);
        if (bytes.isEmpty())
            return why.isEmpty() ? QStringLiteral("no DXF was produced") : why;
        return writeAll(device, bytes);
    });
}
