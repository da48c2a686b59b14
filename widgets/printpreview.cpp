#include "widgets/printpreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

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

void previewAndPrint(QWidget *parent, const PrintDocument &document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.layout);
    printer.setDocName(document.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(document.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter *target) { paintDocument(*target, document); });
    preview.exec();
}
