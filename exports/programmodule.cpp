#include "exports/programmodule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

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

} // namespace

void *resolveProgramModule(const QString &fileName, const char *entry, QString *reason)
{
    QLibrary library(modulePath(fileName));
    if (QFunctionPointer function = library.resolve(entry))
        return reinterpret_cast<void *>(function);
    if (reason)
        *reason = library.errorString();
    return nullptr;
}
