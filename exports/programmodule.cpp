#include "exports/programmodule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdlib>
#include <dlfcn.h>

namespace
{

// The first of the module's places that holds it, else the installed one, so that a reason
// names where it was looked for.
QString modulePath(const QString &fileName)
{
    if (const QString folder = qEnvironmentVariable("QUORVIT_MODULE_DIR"); !folder.isEmpty())
        return QDir(folder).filePath(fileName);
    // A command asks before any QCoreApplication exists to tell applicationDirPath().
    const QDir programFolder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
    const QString beside = programFolder.filePath(fileName);
    const QString installed = QDir::cleanPath(
        programFolder.filePath(QStringLiteral(QUORVIT_MODULE_RELATIVE_DIR "/") + fileName));
    return QFileInfo::exists(beside) ? beside : installed;
}

// Whether the program allocates with the C library's own malloc: no replacement allocator or
// sanitizer was preloaded or linked into it ahead of the C library. (`&malloc` is what the
// program's own calls bind to; a name lookup would miss a replacement that defines only the
// versioned symbol, as glibc's malloc debugger does.)
bool allocatorIsTheCLibrarys()
{
    void *(*const programMalloc)(std::size_t) = &std::malloc;
    void *const cLibrary = dlopen("libc.so.6", RTLD_LAZY | RTLD_NOLOAD);
    const bool same =
        cLibrary && dlsym(cLibrary, "malloc") == reinterpret_cast<void *>(programMalloc);
    if (cLibrary)
        dlclose(cLibrary);
    return same;
}

// A module's libraries (Qt Gui and Widgets and theirs for the windows) are linked with BIND_NOW:
// loading them looks up thousands of symbols at once, and each lookup first goes through every
// library the program itself loaded (Qt Core's twelve and theirs) before it reaches the module's
// own. Binding them to their own dependencies first (RTLD_DEEPBIND) made the windows' start-up 5 %
// shorter. That would hand them the C library's malloc beside a preloaded allocator or a
// sanitizer's, so then they are bound as usual.
QLibrary::LoadHints moduleLoadHints()
{
    static const bool deep = allocatorIsTheCLibrarys();
    return deep ? QLibrary::DeepBindHint : QLibrary::LoadHints();
}

} // namespace

void *resolveProgramModule(const QString &fileName, const char *entry, QString *reason)
{
    QLibrary library(modulePath(fileName));
    library.setLoadHints(moduleLoadHints());
    if (QFunctionPointer function = library.resolve(entry))
        return reinterpret_cast<void *>(function);
    if (reason)
        *reason = library.errorString();
    return nullptr;
}
