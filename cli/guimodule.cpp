#include "cli/guimodule.h"

#include "cli/textformat.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace
{

// The module's file to load: the first of its places that holds it, else the installed one (so
// that the reason names where it was looked for).
QString modulePath()
{
    const QString file = QStringLiteral(QUORVIT_MODULE_FILE);
    if (const QString folder = qEnvironmentVariable("QUORVIT_MODULE_DIR"); !folder.isEmpty())
        return QDir(folder).filePath(file);
    // No QCoreApplication exists yet to ask for applicationDirPath().
    const QDir programFolder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
    const QString beside = programFolder.filePath(file);
    const QString installed = QDir::cleanPath(
        programFolder.filePath(QStringLiteral(QUORVIT_MODULE_RELATIVE_DIR "/") + file));
    return QFileInfo::exists(beside) ? beside : installed;
}

const GuiModule *loadModule()
{
    QLibrary library(modulePath());
    const auto entry =
        reinterpret_cast<decltype(&quorvit_gui_module)>(library.resolve("quorvit_gui_module"));
    QString reason = library.errorString();
    if (entry) {
        if (const GuiModule *module = entry(); module->size == sizeof(GuiModule))
            return module; // stays loaded until the program ends
        reason = QStringLiteral("%1 comes from another build").arg(library.fileName());
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
