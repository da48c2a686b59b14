#pragma once

#include "widgets/printdocument.h"

class QWidget;

// Shows the print preview of the document, modal over `parent` (Qt Print Support); its print
// button opens the print dialog and prints the pages the preview shows.
void previewAndPrint(QWidget *parent, const PrintDocument &document);
