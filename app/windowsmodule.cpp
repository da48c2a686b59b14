// The windows module's entry: the table of what the program reaches in it (cli/guimodule.h).
#include "app/windowsapplication.h"
#include "cli/guimodule.h"
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

extern "C" Q_DECL_EXPORT const GuiModule *quorvit_gui_module()
{
    static const GuiModule module{sizeof(GuiModule), runWindowsApplication, makePaintingApplication,
                                  exportFlange};
    return &module;
}
