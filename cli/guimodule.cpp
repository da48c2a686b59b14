#include "cli/guimodule.h"

#include "cli/textformat.h"
#include "exports/programmodule.h"

namespace
{

const GuiModule *loadModule()
{
    const QString file = QStringLiteral(QUORVIT_MODULE_FILE);
    QString reason;
    const auto entry = reinterpret_cast<decltype(&quorvit_gui_module)>(
        resolveProgramModule(file, "quorvit_gui_module", &reason));
    if (entry) {
        if (const GuiModule *module = entry(); module->size == sizeof(GuiModule))
            return module;
        reason = QStringLiteral("%1 comes from another build").arg(file);
    }
    writeErr(QStringLiteral("quorvit: cannot load the windows module: %1\n").arg(reason));
    return nullptr;
}

} // namespace

const GuiModule *loadGuiModule()
{
    static const GuiModule *const module = loadModule();
    return module;
}
