#include "cli/guimodule.h"

#include "cli/textformat.h"
#include "exports/programmodule.h"

namespace
{

const GuiModule *loadModule()
{
    QString reason;
    const GuiModule *module = loadProgramModule<GuiModule>(QStringLiteral(QUORVIT_MODULE_FILE),
                                                           "quorvit_gui_module", &reason);
    if (!module)
        writeErr(QStringLiteral("quorvit: cannot load the windows module: %1\n").arg(reason));
    return module;
}

} // namespace

const GuiModule *loadGuiModule()
{
    static const GuiModule *const module = loadModule();
    return module;
}
