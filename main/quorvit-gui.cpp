// quorvit-gui: the windows, and the command line with the painted exports; quorvit hands it the
// command lines that need Qt Gui.
#include "app/windowsapplication.h"
#include "cli/commandline.h"
#include "exports/flangeexport.h"

#include <QGuiApplication>

namespace
{

QCoreApplication *makePaintingApplication(int &argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    ProgramParts parts;
    parts.runWindows = runWindowsApplication;
    parts.makePaintingApplication = makePaintingApplication;
    parts.exportFlange = exportFlange;
    return runCommandLine(argc, argv, parts);
}
