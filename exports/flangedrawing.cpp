#include "exports/flangedrawing.h"

#include "catalogue/flangeinput.h"
#include "exports/drawingsheet.h"
#include "exports/flangeviews.h"

#include "core/values/valuetext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace
{
constexpr double DimensionTextMm = 3.5; // on paper (GB/T 14691)
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
    if (record.kind == FlangeKind::WeldNeck)
        return std::round((record.weldEndDiameter.value_or(0) - 2 * record.wallThickness.value_or(0)) *
                          100) /
               100;
    return record.bore.value_or(0);
}

QString undrawableReason(const FlangeRecord &record)
{
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

FlangeDrawing buildFlangeViews(const FlangeRecord &record, double textHeight)
{
    FlangeDrawing drawing;
    drawing.textHeight = textHeight;
    drawing.title = kindChineseName(record.kind) +
                    QCoreApplication::translate("FlangeDrawing", "法兰") + QLatin1Char(' ') +
                    kindCode(record.kind) + QStringLiteral(" PN") + record.pressureText +
                    QStringLiteral(" DN") + QString::number(record.dn);
    FlangeSizes s;
    s.d = record.outsideDiameter.value_or(0);
    s.k = record.boltCircle.value_or(0);
    s.c = record.thickness.value_or(0);
    s.bore = drawnBore(record);
    s.l = record.holeDiameter;
    s.n = std::max(record.holeCount, 1);

    const double t = textHeight;
    DrawingBuilder b(drawing);
    drawFaceView(b, record, s, t);
    // The section stands right of the face view, clear of its own dimension lines on its left.
    const double scale = textHeight / DimensionTextMm;
    const double detail = hubDetailScale(record, s, scale);
    drawSection(b, record, s, s.d / 2 + 8 * t, t, detail > 0);
    if (detail > 0)
        drawHubDetail(b, record, s, s.d / 2 + 8 * t, t, scale, detail);
    b.placeTexts();
    return drawing;
}

FlangeDrawing buildFlangeSheet(const FlangeRecord &record, const TitleEntries &entries)
{
    FlangeDrawing sheet = laidOutOnSheet(
        [&](double scale) { return buildFlangeViews(record, DimensionTextMm * scale); });
    drawFrame(sheet);
    drawTitleBlock(sheet, titleCells(record, sheet.paper.scale, entries));
    return sheet;
}
