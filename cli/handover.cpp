#include "cli/handover.h"

#include "cli/textformat.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

int handOver(const QString &path, char *argv[])
{
    execv(QFile::encodeName(path).constData(), argv);
    writeErr(QStringLiteral("quorvit: cannot start %1: %2\n")
                 .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    return 1;
}
