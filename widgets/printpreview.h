#pragma once

#include "widgets/printdocument.h"

#include <cstddef>

class QWidget;

// The print preview and the print dialog come from Qt Print Support, which the windows load
// only when a print is asked for: linking it into the windows module cost every start of the
// windows its loading. The dialogs live in a module of their own (exports/programmodule.h).

// Shows the print preview of the document, modal over `parent`; its print button opens the
// print dialog and prints the pages the preview shows. When the print module cannot be loaded,
// the message box says why.
void previewAndPrint(QWidget *parent, const PrintDocument &document);

// The print module's table. Program and module come from one build, so it passes C++ types;
// its size guards against a module left from another build.
struct PrintModule {
    std::size_t size;
    void (*previewAndPrint)(QWidget *parent, const PrintDocument &document);
};
extern "C" const PrintModule *quorvit_print_module();
