// The print module's entry: the print preview and print dialogs on Qt Print Support
// (widgets/printpreview.h).
#include "widgets/printpreview.h"

#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace
{

void showPreview(QWidget *parent, const PrintDocument &document)
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

} // namespace

extern "C" Q_DECL_EXPORT const PrintModule *quorvit_print_module()
{
    static const PrintModule module{sizeof(PrintModule), showPreview};
    return &module;
}
