#include "drawing/drawingsheet.h"

#include "drawing/titleblock.h"

namespace
{

constexpr double BindingMarginMm = 25; // a
constexpr double EdgeMarginMm = 5;     // c, for A3 and A4
constexpr double ClearanceMm = 5;      // between the views and the frame or title block

// The views on `paper`, their middle on the view area's middle.
FlangeDrawing centredOnSheet(FlangeDrawing views, const DrawingPaper &paper)
{
    const QPointF middle = viewArea(paper.sizeMm).center() * paper.scale;
    views.paper = paper;
    views.extents = QRectF(views.extents.center() - middle, paper.sizeMm * paper.scale);
    return views;
}

} // namespace

QList<DrawingPaper> sheetPapers()
{
    return {{QStringLiteral("A4"), {210, 297}, 1}, {QStringLiteral("A3"), {420, 297}, 1}};
}

QRectF frameRect(QSizeF paper)
{
    return QRectF(BindingMarginMm, EdgeMarginMm, paper.width() - BindingMarginMm - EdgeMarginMm,
                  paper.height() - 2 * EdgeMarginMm);
}

QRectF viewArea(QSizeF paper)
{
    const QRectF frame = frameRect(paper);
    const double bottom = frame.top() + TitleBlockSizeMm.height(); // y up: top() is lowest
    return QRectF(QPointF(frame.left() + ClearanceMm, bottom + ClearanceMm),
                  QPointF(frame.right() - ClearanceMm, frame.bottom() - ClearanceMm));
}

QList<double> standardScales()
{
    QList<double> scales;
    for (double decade : {1.0, 10.0})
        for (double step : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0})
            scales << step * decade;
    scales << 100.0;
    return scales;
}

QString scaleText(double denominator)
{
    return QStringLiteral("1:") + QString::number(denominator, 'g', 6);
}

FlangeDrawing laidOutOnSheet(const std::function<FlangeDrawing(double scale)> &viewsAt)
{
    // The largest scale first, the smaller paper first at each: A4 holds the small flanges at
    // 1:1, A3 the others at the largest scale that holds them.
    FlangeDrawing views;
    DrawingPaper paper;
    for (double scale : standardScales()) {
        views = viewsAt(scale);
        for (const DrawingPaper &candidate : sheetPapers()) {
            paper = candidate;
            paper.scale = scale;
            const QSizeF room = viewArea(paper.sizeMm).size() * scale;
            if (views.extents.width() <= room.width() && views.extents.height() <= room.height())
                return centredOnSheet(views, paper);
        }
    }
    return centredOnSheet(views, paper); // the largest paper at the smallest scale
}

QPointF onPaper(const FlangeDrawing &sheet, QPointF paperMm)
{
    // The extents' top() is their lowest y: the paper's lower left corner.
    return sheet.extents.topLeft() + paperMm * sheet.paper.scale;
}

void drawFrame(FlangeDrawing &sheet)
{
    const auto rectangle = [&](const QRectF &mm, DrawingLayer layer) {
        const QPointF a = onPaper(sheet, mm.topLeft()), b = onPaper(sheet, mm.topRight()),
                      c = onPaper(sheet, mm.bottomRight()), d = onPaper(sheet, mm.bottomLeft());
        sheet.lines << DrawingLine{layer, {a, b}} << DrawingLine{layer, {b, c}}
                    << DrawingLine{layer, {c, d}} << DrawingLine{layer, {d, a}};
    };
    rectangle(QRectF(QPointF(0, 0), sheet.paper.sizeMm), DrawingLayer::Sheet);
    rectangle(frameRect(sheet.paper.sizeMm), DrawingLayer::Border);
}
