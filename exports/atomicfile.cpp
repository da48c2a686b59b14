#include "exports/atomicfile.h"

#include <QDir>
#include <QSaveFile>

QString writeFileAtomically(const QString &path,
                            const std::function<QString(QIODevice &device)> &produce)
{
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
