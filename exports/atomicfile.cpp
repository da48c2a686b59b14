#include "exports/atomicfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <cstdio>
#include <sys/stat.h>

namespace
{

std::optional<struct stat> statusOf(const QString &path)
{
    struct stat status;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

// Why a path that exists cannot take an output at all, or "".
QString refusal(const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("it is a folder");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("it is a socket");
    if (S_ISBLK(status.st_mode))
        return QStringLiteral("it is a block device (a disk), which is never written");
    return {};
}

QString writeStandardOutput(const std::function<QString(QIODevice &device)> &produce)
{
    const auto failed = [](const QString &why) {
        return QStringLiteral("cannot write standard output: %1").arg(why);
    };
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    if (const QString why = produce(made); !why.isEmpty())
        return failed(why);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(made.data()) != made.data().size() ||
        !out.flush())
        return failed(out.errorString());
    return {};
}

} // namespace

QString writeOutputFile(const QString &path,
                        const std::function<QString(QIODevice &device)> &produce)
{
    if (path == QLatin1String("-"))
        return writeStandardOutput(produce);
    const QString shown = QDir::toNativeSeparators(path);
    const auto failed = [&](const QString &why) {
        return QStringLiteral("cannot write %1: %2").arg(shown, why);
    };
    if (path.isEmpty())
        return QStringLiteral("cannot write a file without a name");
    const std::optional<struct stat> status = statusOf(path);
    if (status && !refusal(*status).isEmpty())
        return failed(refusal(*status));

    // Writes go straight to the system (unbuffered): the writers write large blocks, and each
    // failed write reports the system's own reason.
    constexpr QIODevice::OpenMode Mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (status && (S_ISCHR(status->st_mode) || S_ISFIFO(status->st_mode))) {
        QFile file(path);
        if (!file.open(Mode))
            return failed(file.errorString());
        if (const QString why = produce(file); !why.isEmpty())
            return failed(why);
        return file.flush() ? QString() : failed(file.errorString());
    }
    QSaveFile file(path);
    if (!file.open(Mode))
        return failed(file.errorString());
    if (const QString why = produce(file); !why.isEmpty()) {
        file.cancelWriting();
        return failed(why);
    }
    return file.commit() ? QString() : failed(file.errorString());
}

bool isSameFile(const QString &first, const QString &second)
{
    const std::optional<struct stat> a = statusOf(first);
    const std::optional<struct stat> b = statusOf(second);
    return a && b && a->st_dev == b->st_dev && a->st_ino == b->st_ino;
}

QString workFolderOf(const QIODevice &device)
{
    const auto *saved = qobject_cast<const QSaveFile *>(&device);
    if (!saved)
        return QDir::tempPath();
    const QFileInfo target(saved->fileName());
    const QString resolved = target.canonicalFilePath(); // "" for a file not made yet
    if (!resolved.isEmpty())
        return QFileInfo(resolved).absolutePath();
    return target.isSymLink() ? QFileInfo(target.symLinkTarget()).absolutePath()
                              : target.absolutePath();
}
