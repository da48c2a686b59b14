#include "widgets/printpreview.h"

#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>

void previewAndPrint(QWidget *parent, const PrintDocument &document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.layout);
    printer.setDocName(document.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(document.title);
    // The preview records its pages as pictures; a print paints every page.
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview, [&document](QPrinter *target) {
            const bool previewing = target->paintEngine()->type() == QPaintEngine::Picture;
            paintDocument(*target, document, previewing ? PreviewedPages : -1);
        });
    preview.exec();
}
