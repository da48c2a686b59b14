#pragma once

#include "catalogue/catalogue.h"
#include "drawing/titleblock.h"
#include "files/exportformat.h"

#include <QString>

// One front door to every export, for the windows' menus and the command line's SVG and PDF
// (in quorvit-gui). Qt Gui part: needs a QGuiApplication for SVG and PDF; a DXF is written by
// the program that has dxflib, run as a child (programs/childprogram.h).

// Writes the flange's drawing sheet (DXF, SVG) or its data sheet (PDF: the same sheet and the
// table of values) to `path` atomically, the title block's entries filled in from `entries`.
// Returns "" on success, otherwise a one-line reason; an earlier file at `path` is left as it
// was.
QString exportFlange(const FlangeRecord &record, ExportFormat format, const QString &path,
                     const TitleEntries &entries = {});
