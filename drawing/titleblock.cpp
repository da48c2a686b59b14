#include "drawing/titleblock.h"

#include "catalogue/classseries.h"
#include "catalogue/flangemarking.h"

#include "drawing/drawinggeometry.h"
#include "drawing/drawingsheet.h"
#include "drawing/flangedrawing.h"

#include "catalogue/flangeinput.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace
{

constexpr double LabelHeightMm = 5;
constexpr double NameHeightMm = 7;
constexpr double SmallestHeightMm = 2.5;
constexpr double PaddingMm = 1; // between a text and its cell's sides
constexpr double RowMm = 8;
// The columns' left edges: label, value, label, value, label, value; then the right edge.
constexpr double ColumnEdgesMm[] = {0, 18, 50, 68, 100, 118, 180};

enum class Field {
    Designer,
    Checker,
    Date,
    Standard,
    Material,
    Weight,
    Scale,
    Name,
    Marking,
    Number
};

// A cell's place: its label in `column`, its value over the `valueColumns` after it, `rows`
// rows from `row` (counted from the top).
struct Place {
    Field field;
    const char *label;
    int column, row, rows, valueColumns;
    double heightMm;
};

constexpr Place Places[] = {
    {Field::Designer, QT_TRANSLATE_NOOP("TitleBlock", "设计"), 0, 0, 1, 1, LabelHeightMm},
    {Field::Checker, QT_TRANSLATE_NOOP("TitleBlock", "审核"), 0, 1, 1, 1, LabelHeightMm},
    {Field::Date, QT_TRANSLATE_NOOP("TitleBlock", "日期"), 0, 2, 1, 1, LabelHeightMm},
    {Field::Material, QT_TRANSLATE_NOOP("TitleBlock", "材料"), 0, 3, 1, 3, LabelHeightMm},
    {Field::Scale, QT_TRANSLATE_NOOP("TitleBlock", "比例"), 2, 0, 1, 1, LabelHeightMm},
    {Field::Weight, QT_TRANSLATE_NOOP("TitleBlock", "重量"), 2, 1, 1, 1, LabelHeightMm},
    {Field::Standard, QT_TRANSLATE_NOOP("TitleBlock", "标准"), 2, 2, 1, 1, LabelHeightMm},
    {Field::Name, QT_TRANSLATE_NOOP("TitleBlock", "名称"), 4, 0, 2, 1, NameHeightMm},
    {Field::Marking, QT_TRANSLATE_NOOP("TitleBlock", "规格"), 4, 2, 1, 1, LabelHeightMm},
    {Field::Number, QT_TRANSLATE_NOOP("TitleBlock", "图号"), 4, 3, 1, 1, LabelHeightMm},
};

QRectF box(int firstColumn, int columns, int row, int rows)
{
    const double top = TitleBlockSizeMm.height() - row * RowMm;
    return QRectF(QPointF(ColumnEdgesMm[firstColumn], top - rows * RowMm),
                  QPointF(ColumnEdgesMm[firstColumn + columns], top));
}

constexpr double LineSpacing = 1.4; // of the lettering's height, between a value's lines

// The lettering that fits `text` (one line a '\n') into `cell` across and down, at most
// `height`.
double fittedHeight(const QString &text, const QRectF &cell, double height)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, estimatedTextWidth(line, 1));
    if (lines.size() > 1)
        height = std::min(height, (cell.height() - 2 * PaddingMm) /
                                      (1 + LineSpacing * double(lines.size() - 1)));
    return widest > 0 ? std::min(height, (cell.width() - 2 * PaddingMm) / widest) : height;
}

TitleCell cellAt(const Place &place, const QString &value)
{
    const QRectF valueBox = box(place.column + 1, place.valueColumns, place.row, place.rows);
    return {QCoreApplication::translate("TitleBlock", place.label), value,
            box(place.column, 1, place.row, place.rows), valueBox,
            fittedHeight(value, valueBox, place.heightMm)};
}

const Place &placeOf(Field field)
{
    return *std::find_if(std::begin(Places), std::end(Places),
                         [&](const Place &p) { return p.field == field; });
}

// "WN 100-1.6 RF", "PL 100(B)-1.0 FF": the flange's marking without the standard's number;
// a Class flange's designation.
QString markingText(const FlangeRecord &r, const QString &faceCode)
{
    if (isClassRecord(r))
        return classDesignation(r);
    return kindCode(r.kind) + QLatin1Char(' ') + QString::number(r.dn) +
           (r.series == PipeSeries::B ? QStringLiteral("(B)") : QString()) + QLatin1Char('-') +
           r.pressureText + QLatin1Char(' ') +
           (!faceCode.isEmpty() ? faceCode
            : r.row             ? r.row->flangeKey().facing
                                : CatalogueFace.toString());
}

// A text centred in a box of the block, at `heightMm` (before the plot scale): its glyphs'
// middle, not its baseline's, on the box's middle.
void centredText(FlangeDrawing &sheet, QPointF blockOrigin, const QRectF &box, double heightMm,
                 const QString &text)
{
    const auto [low, high] = glyphSpan(text);
    const QPointF baseline(box.center().x(), box.center().y() - (low + high) / 2 * heightMm);
    sheet.texts.append({onPaper(sheet, blockOrigin + baseline), heightMm * sheet.paper.scale, text,
                        TextAnchor::Center});
}

// The inner lines of the block, each once: the cells' sides merged where they run on.
QList<QLineF> innerLines(const QList<TitleCell> &cells)
{
    std::map<std::pair<bool, double>, QList<std::pair<double, double>>> runs; // by line
    const auto add = [&](bool across, double at, double from, double to) {
        runs[{across, at}].append({std::min(from, to), std::max(from, to)});
    };
    for (const TitleCell &cell : cells)
        for (const QRectF &r : {cell.labelBox, cell.valueBox}) {
            add(true, r.top(), r.left(), r.right());
            add(true, r.bottom(), r.left(), r.right());
            add(false, r.left(), r.top(), r.bottom());
            add(false, r.right(), r.top(), r.bottom());
        }
    QList<QLineF> lines;
    const QRectF block(QPointF(0, 0), TitleBlockSizeMm);
    for (auto &[line, spans] : runs) {
        const auto [across, at] = line;
        // The block's own edges are the border's.
        if ((across && (at == block.top() || at == block.bottom())) ||
            (!across && (at == block.left() || at == block.right())))
            continue;
        std::sort(spans.begin(), spans.end());
        std::pair<double, double> run = spans.first();
        spans.append({1e300, 1e300}); // closes the last run
        for (const auto &span : spans) {
            if (span.first <= run.second) {
                run.second = std::max(run.second, span.second);
                continue;
            }
            lines << (across ? QLineF(run.first, at, run.second, at)
                             : QLineF(at, run.first, at, run.second));
            run = span;
        }
    }
    return lines;
}

// The standard a record follows: its type's number, or the Class series' standard and edition
// with the Chinese standard that takes it over on a second line.
QString recordStandard(const FlangeRecord &record)
{
    const Standard *standard = isClassRecord(record) ? classStandard() : nullptr;
    if (!standard)
        return kindStandard(record.kind);
    const QString name =
        QString::fromUtf8(standard->name) + u'-' + QString::fromUtf8(standard->edition);
    return *standard->equivalent ? name + u'\n' + QString::fromUtf8(standard->equivalent) : name;
}

} // namespace

QString kindStandard(FlangeKind kind)
{
    // The type's own number in the windows' standard: "HG 20595-97".
    const FlangeTable *table = flangeTable(defaultStandard(), kind);
    return table ? QString::fromLatin1(table->standardNumber) : QString();
}

QList<TitleCell> titleCells(const FlangeRecord &record, double scale, const TitleEntries &entries)
{
    const auto valueOf = [&](Field field) -> QString {
        switch (field) {
        case Field::Designer:
            return entries.designer;
        case Field::Material:
            return entries.material;
        case Field::Number:
            return entries.drawingNumber;
        case Field::Checker:
            return entries.checker;
        case Field::Date:
            return entries.date;
        case Field::Standard:
            return recordStandard(record);
        case Field::Weight:
            // The Class series' weight is the program's own, B16.5 giving none: named so.
            if (!record.weightKg)
                return {};
            return isClassRecord(record) ? QCoreApplication::translate("TitleBlock", "计算 %1 kg")
                                               .arg(record.weightText.trimmed())
                                         : record.weightText.trimmed() + QStringLiteral(" kg");
        case Field::Scale:
            return scaleText(scale);
        case Field::Name:
            return flangeName(record.kind);
        case Field::Marking:
            return markingText(record, entries.faceCode);
        }
        return {};
    };
    QList<TitleCell> cells;
    for (const Place &place : Places)
        cells << cellAt(place, valueOf(place.field));
    return cells;
}

bool fitsTitleBlock(TitleEntry entry, const QString &text)
{
    const Field field = entry == TitleEntry::DrawingNumber ? Field::Number
                        : entry == TitleEntry::Material    ? Field::Material
                        : entry == TitleEntry::Checker     ? Field::Checker
                        : entry == TitleEntry::Date        ? Field::Date
                                                           : Field::Designer;
    return cellAt(placeOf(field), text).valueHeightMm >= SmallestHeightMm;
}

void drawTitleBlock(FlangeDrawing &sheet, const QList<TitleCell> &cells)
{
    const QRectF frame = frameRect(sheet.paper.sizeMm);
    const QPointF origin(frame.right() - TitleBlockSizeMm.width(), frame.top());
    const auto lineOnPaper = [&](DrawingLayer layer, QPointF a, QPointF b) {
        sheet.lines.append({layer, {onPaper(sheet, origin + a), onPaper(sheet, origin + b)}});
    };
    const double w = TitleBlockSizeMm.width(), h = TitleBlockSizeMm.height();
    // The frame draws the block's right and bottom edges.
    lineOnPaper(DrawingLayer::Border, {0, 0}, {0, h});
    lineOnPaper(DrawingLayer::Border, {0, h}, {w, h});
    for (const QLineF &l : innerLines(cells))
        lineOnPaper(DrawingLayer::Sheet, l.p1(), l.p2());
    for (const TitleCell &cell : cells) {
        centredText(sheet, origin, cell.labelBox,
                    fittedHeight(cell.label, cell.labelBox, LabelHeightMm), cell.label);
        // A value of several lines stacked about the cell's middle.
        const QStringList lines = cell.value.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double shift =
                ((lines.size() - 1) / 2.0 - double(i)) * LineSpacing * cell.valueHeightMm;
            centredText(sheet, origin, cell.valueBox.translated(0, shift), cell.valueHeightMm,
                        lines[i]);
        }
    }
}
