#pragma once

#include "exports/flangedrawing.h"
#include "takeoff/takeoffwriter.h"

#include <QString>
#include <cstddef>
#include <memory>

class QIODevice;

// The writers of other programs' formats, whose libraries (dxflib; libxlsxwriter with minizip
// and libcrypto) would cost the program's start-up as much again as Qt Core's: they live in a
// module of their own (see exports/programmodule.h), loaded at the first file written.

// Writes the drawing as a DXF file atomically (exports/dxfwriter.h); "" or why it could not.
QString writeDxfFile(const FlangeDrawing &drawing, const QString &path);

// The rows one sheet of a spreadsheet holds (Excel's limit), header and totals included.
inline constexpr qint64 SpreadsheetRows = 1'048'576;

// A take-off written as a spreadsheet into the device (exports/takeoffxlsxwriter.h); nullptr
// with the reason when the module cannot be loaded.
std::unique_ptr<TakeoffWriter> makeSpreadsheetWriter(QIODevice &device, QString *reason);

// The module's table. Program and module come from one build, so it passes C++ types; its size
// guards against a module left from another build.
struct FormatLibraries {
    std::size_t size;
    QString (*writeDxf)(const FlangeDrawing &drawing, const QString &path);
    std::unique_ptr<TakeoffWriter> (*makeSpreadsheetWriter)(QIODevice &device);
};
extern "C" const FormatLibraries *quorvit_format_libraries();
