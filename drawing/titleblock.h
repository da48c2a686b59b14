#pragma once

#include "catalogue/catalogue.h"
#include "drawing/drawingmodel.h"

// The title block of a flange drawing, in the manner of GB/T 10609.1: 180 × 32 mm at the
// frame's lower right corner, its texts 5 mm high and the name 7 mm (GB/T 14691), all scaled
// by the plot scale so that they print at those sizes.

inline constexpr QSizeF TitleBlockSizeMm{180, 32};

// What only the user knows, filled in from the command line (empty: a cell to fill in CAD).
struct TitleEntries {
    QString drawingNumber; // 图号
    QString material;      // 材料
    QString designer;      // 设计
    QString checker;       // 审核
    QString date;          // 日期, yyyy-mm-dd
    QString faceCode;      // the sealing face the marking names ("RF", "FF", "FM" …); "" is RF
};

// One cell: its label and what it holds, where each stands in the block (millimetres from the
// block's lower left corner, y up) and how tall its value is lettered.
struct TitleCell {
    QString label;
    QString value;
    QRectF labelBox;
    QRectF valueBox;
    double valueHeightMm; // the lettering's size; a long value is set smaller to fit
};

// The cells, as the block shows them for `record` plotted at 1:`scale`: 设计, 审核, 日期, 材料,
// 比例, 重量, 标准, 名称, 规格, 图号.
QList<TitleCell> titleCells(const FlangeRecord &record, double scale, const TitleEntries &entries);

enum class TitleEntry { DrawingNumber, Material, Designer, Checker, Date };
// Whether `text` fits the entry's cell lettered no smaller than 2.5 mm.
bool fitsTitleBlock(TitleEntry entry, const QString &text);

// The block at the frame's lower right corner of `sheet` (its paper and extents set).
void drawTitleBlock(FlangeDrawing &sheet, const QList<TitleCell> &cells);

// The edition of the standard whose tables give the kind's dimensions: "HG 20595-97".
QString kindStandard(FlangeKind kind);
