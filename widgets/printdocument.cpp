#include "widgets/printdocument.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>

int paintDocument(QPagedPaintDevice &device, const PrintDocument &document, int mostPages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    // The painter's origin is the printable area's corner; the page is that area's size.
    const int resolution = device.logicalDpiX();
    const QRectF page(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size());
    const double unitsPerMm = resolution / 25.4;
    int index = 0;
    bool more = true;
    while (more && index != mostPages) {
        more = document.paintPage(painter, page, unitsPerMm, index++);
        if (more)
            device.newPage();
    }
    if (more) {
        painter.drawText(
            page, Qt::AlignCenter | Qt::TextWordWrap,
            QCoreApplication::translate("PrintDocument", "预览只显示前 %1 页，打印时印出全部各页。")
                .arg(mostPages));
        ++index;
    }
    painter.end();
    return index;
}
