#include "exports/atomicfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace
{

QString writeStandardOutput(const std::function<QString(QIODevice &device)> &produce)
{
    const QString shown = QStringLiteral("standard output");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (const QString why = produce(buffer); !why.isEmpty())
        return QStringLiteral("cannot write %1: %2").arg(shown, why);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) ||
        out.write(buffer.data()) != buffer.data().size() || !out.flush())
        return QStringLiteral("cannot write %1: %2").arg(shown, out.errorString());
    return {};
}

} // namespace

QString writeFileAtomically(const QString &path,
                            const std::function<QString(QIODevice &device)> &produce)
{
    if (path == QLatin1String("-"))
        return writeStandardOutput(produce);
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(shown, file.errorString());
    if (const QString why = produce(file); !why.isEmpty()) {
        file.cancelWriting();
        return QStringLiteral("cannot write %1: %2").arg(shown, why);
    }
    if (!file.commit())
        return QStringLiteral("cannot write %1: %2").arg(shown, file.errorString());
    return {};
}
