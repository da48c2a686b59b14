#include "drawing/flangedrawing.h"

#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "drawing/drawingsheet.h"
#include "drawing/flangeviews.h"

#include "core/values/valuetext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace
{
constexpr double DimensionTextMm = 3.5; // on paper (GB/T 14691)
}

QString flangeName(FlangeKind kind)
{
    return kind == FlangeKind::Blind
               ? kindChineseName(kind)
               : kindChineseName(kind) + QCoreApplication::translate("FlangeDrawing", "法兰");
}

QString millimetres(double value)
{
    return plainNumberText(value);
}

QString diameterText(const QString &symbol, double value)
{
    return symbol + QStringLiteral("=φ") + millimetres(value);
}

QString lengthText(const QString &symbol, double value)
{
    return symbol + QLatin1Char('=') + millimetres(value);
}

double drawnBore(const FlangeRecord &record)
{
    // Rounded to the table's hundredths: the subtraction leaves binary noise (49.099999999999994
    // for 60.3 − 2 × 5.6) that the shortest number spelling would show.
    if (isClassRecord(record))
        return classBore(record).value_or(0);
    if (record.kind == FlangeKind::WeldNeck)
        return std::round(
                   (record.weldEndDiameter.value_or(0) - 2 * record.wallThickness.value_or(0)) *
                   100) /
               100;
    return record.bore.value_or(0);
}

QString undrawableReason(const FlangeRecord &record)
{
    // The Class series' rows are whole; a weld-neck flange's bore needs its schedule's wall.
    if (isClassRecord(record))
        return record.kind == FlangeKind::Blind || drawnBore(record) > 0
                   ? QString()
                   : QCoreApplication::translate("FlangeDrawing",
                                                 "no drawing: the pipe table gives no %1 wall "
                                                 "for %2")
                         .arg(record.schedule, classDesignation(record));
    QStringList missing;
    for (const FlangeField &field : flangeFields(record.kind)) {
        const FieldValue value = field.value(record);
        if (field.unit == QLatin1String("mm") && std::holds_alternative<double>(value) &&
            std::get<double>(value) <= 0)
            missing << field.symbol;
    }
    if (missing.isEmpty() && drawnBore(record) > 0)
        return {};
    return QCoreApplication::translate("FlangeDrawing",
                                       "no drawing: the table gives %1 of %2 PN%3 DN%4 series %5 "
                                       "as 0")
        .arg(missing.isEmpty() ? QStringLiteral("the bore") : missing.join(QStringLiteral(", ")),
             kindCode(record.kind), record.pressureText, QString::number(record.dn),
             seriesText(record.series));
}

QString sealingFaceNote(const QString &faceCode)
{
    const QString face = sealingFace(faceCode.isEmpty() ? CatalogueFace : faceCode);
    // HG 20592-97's raised-face diameter d and height f are not on record: no two independent
    // public copies of its table were found, so no raised face is drawn from a guess.
    if (face == QLatin1String("RF"))
        return QCoreApplication::translate("FlangeDrawing",
                                           "突面 RF 的 d、f 未收录，图中未画出突台");
    if (face == QLatin1String("FF") || face.isEmpty())
        return {};
    return QCoreApplication::translate("FlangeDrawing", "密封面 %1 的尺寸未收录，图中未画出")
        .arg(faceCode.toUpper());
}

FlangeDrawing buildFlangeViews(const FlangeRecord &record, double textHeight,
                               const QString &faceCode)
{
    FlangeDrawing drawing;
    drawing.textHeight = textHeight;
    const bool classSeries = isClassRecord(record);
    drawing.title =
        flangeName(record.kind) + QLatin1Char(' ') +
        (classSeries ? classDesignation(record)
                     : kindCode(record.kind) + QStringLiteral(" PN") + record.pressureText +
                           QStringLiteral(" DN") + QString::number(record.dn));
    FlangeSizes s;
    s.d = record.outsideDiameter.value_or(0);
    s.k = record.boltCircle.value_or(0);
    s.c = record.thickness.value_or(0);
    s.bore = drawnBore(record);
    s.l = record.value(Dimension::HoleDiameter).value_or(record.holeDiameter);
    s.n = std::max(record.holeCount, 1);
    s.weldEnd =
        classSeries ? classWeldEndDiameter(record).value_or(0) : record.weldEndDiameter.value_or(0);

    const double t = textHeight;
    DrawingBuilder b(drawing);
    drawFaceView(b, record, s, t);
    if (classSeries) {
        // Its raised face is drawn; the section's bore, face and bolt circle dimensions stand
        // left of it.
        drawClassSection(b, record, s, s.d / 2 + 11 * t, t);
        b.placeTexts();
        return drawing;
    }
    // The section stands right of the face view, clear of its own dimension lines on its left.
    const double scale = textHeight / DimensionTextMm;
    const double detail = hubDetailScale(record, s, scale);
    drawSection(b, record, s, s.d / 2 + 8 * t, t, detail > 0);
    if (detail > 0)
        drawHubDetail(b, record, s, s.d / 2 + 8 * t, t, scale, detail);
    b.placeTexts();
    // The face note under the views, at the first place free of everything drawn.
    if (const QString note = sealingFaceNote(faceCode); !note.isEmpty()) {
        QPointF at(-s.d / 2, -s.d / 2 - 2 * t);
        for (int step = 0; step < 100 && !b.isFreeAt(at, note, TextAnchor::Left, 0); ++step)
            at.ry() -= t;
        b.text(at, note);
    }
    return drawing;
}

FlangeDrawing buildFlangeSheet(const FlangeRecord &record, const TitleEntries &entries)
{
    FlangeDrawing sheet = laidOutOnSheet([&](double scale) {
        return buildFlangeViews(record, DimensionTextMm * scale, entries.faceCode);
    });
    drawFrame(sheet);
    drawTitleBlock(sheet, titleCells(record, sheet.paper.scale, entries));
    return sheet;
}
