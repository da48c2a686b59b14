#include "widgets/printdocument.h"

#include <QPagedPaintDevice>

int paintDocument(QPagedPaintDevice &device, const PrintDocument &document)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    // The painter's origin is the printable area's corner; the page is that area's size.
    const int resolution = device.logicalDpiX();
    const QRectF page(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size());
    const double unitsPerMm = resolution / 25.4;
    int index = 0;
    while (document.paintPage(painter, page, unitsPerMm, index++))
        device.newPage();
    painter.end();
    return index;
}
