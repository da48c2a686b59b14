#include "exports/programpaths.h"

#include <QDir>
#include <QFileInfo>

namespace
{

QString programPath(const char *variable, const QString &fileName)
{
    if (const QString path = qEnvironmentVariable(variable); !path.isEmpty())
        return path;
    const QDir folder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
    if (const QString beside = folder.filePath(fileName); QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(
        folder.filePath(QStringLiteral(QUORVIT_HELPER_RELATIVE_DIR "/") + fileName));
}

} // namespace

QString guiProgramPath()
{
    return programPath("QUORVIT_GUI_PROGRAM", QStringLiteral("quorvit-gui"));
}

QString formatsProgramPath()
{
    return programPath("QUORVIT_FORMATS_PROGRAM", QStringLiteral("quorvit-formats"));
}
