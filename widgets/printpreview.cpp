#include "widgets/printpreview.h"

#include "widgets/querywindow.h"

#include "exports/programmodule.h"

#include <QCoreApplication>

void previewAndPrint(QWidget *parent, const PrintDocument &document)
{
    static QString reason;
    static const PrintModule *const module = loadProgramModule<PrintModule>(
        QStringLiteral(QUORVIT_PRINT_MODULE_FILE), "quorvit_print_module", &reason);
    if (module)
        module->previewAndPrint(parent, document);
    else
        showMessage(parent, QCoreApplication::translate("PrintPreview", "打印预览未能打开：%1").arg(reason));
}
