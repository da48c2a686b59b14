#pragma once

#include "catalogue/catalogue.h"
#include "exports/exportformat.h"
#include "exports/titleblock.h"

#include <QString>
#include <memory>
#include <optional>

class QCoreApplication;
class QIODevice;
class TakeoffWriter;
struct LanguageChoice;

// What the program running the command line has beyond Qt Core. quorvit has none of it and
// hands a command line that needs it to quorvit-gui (cli/handover.h); quorvit-gui links
// everything and fills in every member.
struct ProgramParts {
    // Builds the QApplication, shows the window `--window` names (the menu when none) in the
    // language chosen and runs until the windows end the run; the exit code.
    int (*runWindows)(int &argc, char **argv, const std::optional<QString> &startWindow,
                      const LanguageChoice &language) = nullptr;
    // A QGuiApplication, on the offscreen platform unless QT_QPA_PLATFORM names one.
    QCoreApplication *(*makePaintingApplication)(int &argc, char **argv) = nullptr;
    // exportFlange (exports/flangeexport.h): DXF with dxflib, SVG and PDF painted.
    QString (*exportFlange)(const FlangeRecord &record, ExportFormat format, const QString &path,
                            const TitleEntries &entries) = nullptr;
    // A take-off written into the device as an xlsx workbook (libxlsxwriter).
    std::unique_ptr<TakeoffWriter> (*makeSpreadsheetWriter)(QIODevice &device) = nullptr;

    bool complete() const { return runWindows != nullptr; }
};

// The front door of both programs: parses the whole command line once, before any application
// exists, then does what it asks: a command on the application it needs (Qt Core unless it
// paints), the windows, `--help` or `--version`. `--lang` is read wherever it stands before
// `--`, the last one counting. A command line that needs more than the program has is handed,
// as it came, to quorvit-gui. Returns the exit code: 0 success, 1 not found or rejected input,
// 2 usage error.
int runCommandLine(int argc, char *argv[], const ProgramParts &parts);
