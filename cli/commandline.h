#pragma once

#include "catalogue/catalogue.h"
#include "drawing/flangedrawing.h"
#include "drawing/titleblock.h"
#include "files/exportformat.h"

#include <QString>
#include <memory>
#include <optional>

class QCoreApplication;
class QIODevice;
class TakeoffWriter;
struct LanguageChoice;

// What the program running the command line has beyond Qt Core, each part null where it has
// not. quorvit has none; quorvit-gui has the windows and painting (Qt Gui), quorvit-formats the
// writers of DXF and xlsx (dxflib, libxlsxwriter). A command line that needs a part the program
// has not is handed, as it came, to the program that has it (programs/handover.h).
struct ProgramParts {
    // Builds the QApplication, shows the window `--window` names (the menu when none) in the
    // language chosen and runs until the windows end the run; the exit code.
    int (*runWindows)(int &argc, char **argv, const std::optional<QString> &startWindow,
                      const LanguageChoice &language) = nullptr;
    // A QGuiApplication, on the offscreen platform unless QT_QPA_PLATFORM names one.
    QCoreApplication *(*makePaintingApplication)(int &argc, char **argv) = nullptr;
    // exportFlange (exports/flangeexport.h), for SVG and PDF.
    QString (*exportFlange)(const FlangeRecord &record, ExportFormat format, const QString &path,
                            const TitleEntries &entries) = nullptr;
    // A drawing written as a DXF file (dxflib); "" or why not.
    QString (*writeDxf)(const FlangeDrawing &drawing, const QString &path) = nullptr;
    // A take-off written into the device as an xlsx workbook (libxlsxwriter).
    std::unique_ptr<TakeoffWriter> (*makeSpreadsheetWriter)(QIODevice &device) = nullptr;
};

// The front door of both programs: parses the whole command line once, before any application
// exists, then does what it asks: a command on the application it needs (Qt Core unless it
// paints), the windows, `--help` or `--version`. `--lang` is read wherever it stands before
// `--`, the last one counting. A command line that needs more than the program has is handed,
// as it came, to the program that has it. Returns the exit code: 0 success, 1 not found or rejected
// input, 2 usage error.
int runCommandLine(int argc, char *argv[], const ProgramParts &parts);
