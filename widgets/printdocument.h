#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

class QPagedPaintDevice;

// Printing a document that paints itself page by page: the same painting code serves the print
// preview, the printer and a PDF or image in a test.

// Paints page `index` (from 0) into `page`, the printable rectangle in device units, at
// `unitsPerMm` device units per millimetre of paper. Returns true when another page follows.
using PagePainter =
    std::function<bool(QPainter &painter, const QRectF &page, double unitsPerMm, int index)>;

struct PrintDocument {
    QString title; // the preview's caption and the print job's name
    QPageLayout layout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()};
    PagePainter paintPage;
};

// Paints every page of the document on a printer or PDF writer whose page is already set up,
// starting a new page between pages; or, given `mostPages`, that many pages and then one that
// says the rest is left out (a preview). Returns the number of pages painted, 0 when the device
// did not start.
int paintDocument(QPagedPaintDevice &device, const PrintDocument &document, int mostPages = -1);

// The pages a print preview shows: it paints each page it shows before it opens, some 2 ms a
// page of a take-off, and the rest are printed all the same.
inline constexpr int PreviewedPages = 400;
