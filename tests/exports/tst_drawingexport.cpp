// `quorvit drawing` writes a flange as DXF, SVG and a PDF data sheet; each file is read back by
// a reader that shares no code with the writer.
#include "catalogue/catalogue.h"
#include "catalogue/flangeinput.h"
#include "exports/copytext.h"
#include "exports/drawinggeometry.h"
#include "exports/flangedrawing.h"
#include "support/programrun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

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
    "dimensions": [d.dxf.text for d in msp.query("DIMENSION")],
    "texts": [t.dxf.text for t in msp.query("TEXT")],
    "styledTexts": [[t.dxf.style, t.dxf.text] for t in msp.query("TEXT")]
                   + [[t.dxf.style, t.text] for t in msp.query("MTEXT")],
}))
)";

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

QString pressureArgument(const FlangeRecord &r)
{
    return r.pressureText;
}

} // namespace

class TestDrawingExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void dxfReadBack_data();
    void dxfReadBack();
    void svgIsTrueScale();
    void textsKeepApart();
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
        const QList<FlangeRecord> rows = flangeRecords(kind, SeriesA);
        for (qsizetype i : {qsizetype(0), rows.size() / 2, rows.size() - 1})
            QTest::addRow("%s PN%s DN%d", qPrintable(kindCode(kind)),
                          qPrintable(rows[i].pressureText), rows[i].dn)
                << rows[i];
        const FlangeRecord b = flangeRecords(kind, SeriesB).value(5);
        QTest::addRow("%s PN%s DN%d series B", qPrintable(kindCode(kind)),
                      qPrintable(b.pressureText), b.dn)
            << b;
    }
}

void TestDrawingExport::dxfReadBack()
{
    QFETCH(FlangeRecord, record);
    const QString file = m_dir.filePath(QStringLiteral("row.dxf"));
    const ProgramRun run = quorvitWithoutDisplay(
        {QStringLiteral("drawing"), kindCode(record.kind), pressureArgument(record),
         QString::number(record.dn), QStringLiteral("--series"), seriesText(record.series),
         QStringLiteral("-o"), file});
    QCOMPARE(run.exitCode, 0);

    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(ReadDxf), file});
    QVERIFY(python.waitForFinished(60000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    const QJsonObject dxf = QJsonDocument::fromJson(python.readAllStandardOutput()).object();

    QCOMPARE(dxf["insunits"].toInt(), 4);
    const QVariantList layers = dxf["layers"].toArray().toVariantList();
    for (const char *layer : {"OUTLINE", "CENTER", "HATCH", "DIMENSIONS", "TEXT"})
        QVERIFY2(layers.contains(QString::fromLatin1(layer)), layer);
    QVERIFY(dxf["hatches"].toInt() >= 1);

    // Circles about the centre: D among the outlines, K as a centre line; the holes: n circles
    // of L whose centres lie on K, none on a centre line.
    const double d = *record.outsideDiameter, k = *record.boltCircle, l = record.holeDiameter;
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
    QCOMPARE(holes, record.holeCount);

    // The dimensions carry the row's values; the title block names the kind in Chinese.
    const QVariantList dimensions = dxf["dimensions"].toArray().toVariantList();
    QVERIFY(dimensions.contains(QStringLiteral("D=%%C") + QString::number(d)));
    QVERIFY(dimensions.contains(QStringLiteral("K=%%C") + QString::number(k)));
    QVERIFY(dimensions.contains(QStringLiteral("C=") + QString::number(*record.thickness)));
    if (record.height)
        QVERIFY(dimensions.contains(QStringLiteral("H=") + QString::number(*record.height)));
    const QStringList texts = dxf["texts"].toVariant().toStringList();
    QVERIFY(texts.contains(kindChineseName(record.kind) + QStringLiteral("法兰 ") +
                           kindCode(record.kind)));

    // LibreCAD draws a text with the font its style is named after; ours must hold every
    // character written, the dimensions' included.
    QList<QStringList> styled;
    for (const QJsonValue &value : dxf["styledTexts"].toArray())
        styled.append(value.toVariant().toStringList());
    for (const QVariant &dimension : dimensions)
        styled.append({QStringLiteral(QUORVIT_TEXT_STYLE), dimension.toString()});
    QVERIFY(!styled.isEmpty());
    for (const QStringList &text : styled) {
        QCOMPARE(text[0], QStringLiteral(QUORVIT_TEXT_STYLE));
        const QSet<char32_t> glyphs =
            fontCharacters(QStringLiteral(QUORVIT_LIBRECAD_FONTS "/") + text[0] + ".lff");
        QVERIFY2(!glyphs.isEmpty(), qPrintable(text[0]));
        for (char32_t c : shownText(text[1]).toUcs4())
            QVERIFY2(c == U' ' || glyphs.contains(c),
                     qPrintable(QStringLiteral("no glyph for %1 in \"%2\"")
                                    .arg(QString::fromUcs4(&c, 1), text[1])));
    }
}

void TestDrawingExport::svgIsTrueScale()
{
    // The same row as DXF and SVG: the SVG's size in mm is the DXF drawing's extents, and
    // at least the flange's outside diameter.
    const QString file = m_dir.filePath(QStringLiteral("wn.svg"));
    QCOMPARE(quorvitWithoutDisplay({"drawing", "WN", "4.0", "200", "-o", file}).exitCode, 0);
    QFile svg(file);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    const QRegularExpressionMatch size =
        QRegularExpression(R"re(width="([\d.]+)mm" height="([\d.]+)mm")re").match(text);
    QVERIFY(size.hasMatch());
    const QRegularExpressionMatch box =
        QRegularExpression(R"re(viewBox="0 0 ([\d.]+) ([\d.]+)")re").match(text);
    QVERIFY(box.hasMatch());
    QCOMPARE(size.captured(1).toDouble(), box.captured(1).toDouble());
    QCOMPARE(size.captured(2).toDouble(), box.captured(2).toDouble());
    const FlangeRecord r = *lookUpFlange(FlangeKind::WeldNeck,
                                         *pressureIndex(FlangeKind::WeldNeck, 4.0), 200, SeriesA);
    QVERIFY(size.captured(2).toDouble() > *r.outsideDiameter);
    QVERIFY(size.captured(1).toDouble() > *r.outsideDiameter + *r.height);

    QSvgRenderer renderer(file);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.viewBoxF().width(), box.captured(1).toDouble());
}

// Over every row, as drawn for CAD and at the data sheet's text: no text meets another or an
// outline of the part, and every one lies within the extents the writers size their page by.
void TestDrawingExport::textsKeepApart()
{
    int drawings = 0;
    forEachFlange([&](const FlangeRecord &record) {
        for (const FlangeDrawing &d : {buildFlangeSheet(record)}) {
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
                QVERIFY2(!boxMeetsOutline(d, boxes[i]), qPrintable(where + " crosses an outline"));
                for (qsizetype j = 0; j < i; ++j)
                    QVERIFY2(!boxes[i].intersects(boxes[j]),
                             qPrintable(where + " meets \"" + texts[j] + '"'));
            }
        }
    });
    QVERIFY(drawings > 100);
}

void TestDrawingExport::dataSheetHoldsEveryValue()
{
    QFETCH(FlangeRecord, record);
    const QString file = m_dir.filePath(QStringLiteral("sheet.pdf"));
    QCOMPARE(quorvitWithoutDisplay({"drawing", kindCode(record.kind), record.pressureText,
                                    QString::number(record.dn), "--series",
                                    seriesText(record.series), "-o", file})
                 .exitCode,
             0);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    QVERIFY2(pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0,
             "pdftotext (poppler-utils) must be installed");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("Quorvit")));
    QVERIFY(text.contains(QStringLiteral("比例")));
    for (const FlangeField &field : flangeFields(record.kind)) {
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
