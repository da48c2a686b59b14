// quorvit-gui: the windows, and the command line with every part; quorvit hands it the command
// lines that need more than Qt Core.
#include "app/windowsapplication.h"
#include "cli/commandline.h"
#include "exports/flangeexport.h"
#include "exports/takeoffxlsxwriter.h"

#include <QGuiApplication>

namespace
{

QCoreApplication *makePaintingApplication(int &argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

std::unique_ptr<TakeoffWriter> makeSpreadsheetWriter(QIODevice &device)
{
    return std::make_unique<TakeoffXlsxWriter>(device);
}

} // namespace

int main(int argc, char *argv[])
{
    return runCommandLine(
        argc, argv,
        {runWindowsApplication, makePaintingApplication, exportFlange, makeSpreadsheetWriter});
}
