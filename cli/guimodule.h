#pragma once

#include "catalogue/catalogue.h"
#include "exports/exportformat.h"
#include "exports/titleblock.h"

#include <QString>
#include <cstddef>
#include <optional>

class QCoreApplication;
struct LanguageChoice;

// Everything that needs Qt Gui (the windows, the painted exports) is built into a module the
// program loads only when it needs it (exports/programmodule.h): linking Qt Gui, Widgets and Svg
// into the program would make the dynamic loader's work at start-up several times that of a
// command on Qt Core alone.
// Program and module come from one build, so the table passes C++ types.
struct GuiModule {
    // The table's size as the module was built, against a module left from another build.
    std::size_t size;
    // The windows (runWindowsApplication): builds the QApplication, shows the menu, runs.
    int (*runWindows)(int &argc, char **argv, const std::optional<QString> &startWindow,
                      const LanguageChoice &language);
    // For a command that paints: a QGuiApplication, on the offscreen platform unless
    // QT_QPA_PLATFORM names one. Made here because the kind of application must be chosen
    // before it is built.
    QCoreApplication *(*makePaintingApplication)(int &argc, char **argv);
    // exportFlange (exports/flangeexport.h), for SVG and PDF.
    QString (*exportFlange)(const FlangeRecord &record, ExportFormat format, const QString &path,
                            const TitleEntries &entries);
};

// The module's one exported symbol.
extern "C" const GuiModule *quorvit_gui_module();

// Loads the module once. Returns nullptr after a one-line reason on stderr.
const GuiModule *loadGuiModule();
