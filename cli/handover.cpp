#include "cli/handover.h"

#include "cli/textformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

QString guiProgramPath()
{
    if (const QString path = qEnvironmentVariable("QUORVIT_GUI_PROGRAM"); !path.isEmpty())
        return path;
    const QDir folder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
    const QString beside = folder.filePath(QStringLiteral("quorvit-gui"));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(
        folder.filePath(QStringLiteral(QUORVIT_GUI_RELATIVE_DIR "/quorvit-gui")));
}

int handOverToGui(char *argv[])
{
    const QString path = guiProgramPath();
    execv(QFile::encodeName(path).constData(), argv);
    writeErr(QStringLiteral("quorvit: cannot start %1: %2\n")
                 .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    return 1;
}
