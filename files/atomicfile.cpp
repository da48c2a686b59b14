#include "files/atomicfile.h"

#include "files/filename.h"
#include "files/scratchfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The device property that holds the folder of the file a device will become.
constexpr char WorkFolderProperty[] = "quorvitWorkFolder";

void (*outputNotice)(const QString &) = nullptr;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

std::optional<struct stat> statusOf(const QByteArray &name)
{
    struct stat status;
    if (name.isEmpty() || ::stat(name.constData(), &status) != 0)
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

// The descriptor a name stands for (/dev/stdout, /dev/fd/2, /proc/self/fd/5), or none. Such a
// name is a link to whatever the descriptor has open; replacing that would lose what it holds.
std::optional<int> descriptorNamed(const QByteArray &name)
{
    static const QRegularExpression named(
        QStringLiteral("^/(?:dev/(stdin|stdout|stderr)|dev/fd/(\\d{1,9})|proc/"
                       "(?:self|thread-self|%1)/fd/(\\d{1,9}))$")
            .arg(::getpid()));
    const QRegularExpressionMatch match = named.match(QDir::cleanPath(QString::fromLatin1(name)));
    if (!match.hasMatch())
        return std::nullopt;
    if (const QString standard = match.captured(1); !standard.isEmpty())
        return standard == QLatin1String("stdin") ? 0 : standard == QLatin1String("stdout") ? 1 : 2;
    return (match.captured(2) + match.captured(3)).toInt();
}

// Where the symbolic link `name` points, as a name from here; none when it is no link.
std::optional<QByteArray> linkTarget(const QByteArray &name)
{
    char target[4096];
    const ssize_t length = ::readlink(name.constData(), target, sizeof target);
    if (length <= 0 || length == ssize_t(sizeof target))
        return std::nullopt;
    const QByteArray link(target, length);
    const qsizetype slash = name.lastIndexOf('/');
    return link.startsWith('/') || slash < 0 ? link : name.left(slash + 1) + link;
}

// The chain of links is followed as far as the kernel follows it (40 links).
constexpr int LinksFollowed = 40;

// The name, or one its chain of links leads to, of an open descriptor; none for other names.
std::optional<int> descriptorBehind(QByteArray name)
{
    for (int hop = 0; hop < LinksFollowed; ++hop) {
        if (const std::optional<int> descriptor = descriptorNamed(name))
            return descriptor;
        const std::optional<QByteArray> next = linkTarget(name);
        if (!next)
            return std::nullopt;
        name = *next;
    }
    return std::nullopt;
}

// The file a name's links lead to (the name itself when it is no link), which a replacement
// takes the place of: the link stays a link. None for a loop.
std::optional<QByteArray> linkedFile(QByteArray name)
{
    for (int hop = 0; hop < LinksFollowed; ++hop) {
        const std::optional<QByteArray> next = linkTarget(name);
        if (!next)
            return name;
        name = *next;
    }
    errno = ELOOP;
    return std::nullopt;
}

QByteArray folderOf(const QByteArray &file)
{
    const qsizetype slash = file.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : file.left(slash);
}

// The content, produced whole, written to an open descriptor where it stands.
QString writeDescriptor(int descriptor, const QString &shown,
                        const std::function<QString(QIODevice &device)> &produce)
{
    const auto failed = [&](const QString &why) {
        return QStringLiteral("cannot write %1: %2").arg(shown, why);
    };
    QBuffer made;
    made.open(QIODevice::WriteOnly);
    made.setProperty(WorkFolderProperty, QFile::encodeName(QDir::tempPath()));
    if (const QString why = produce(made); !why.isEmpty())
        return failed(why);
    if (::fcntl(descriptor, F_GETFL) < 0)
        return failed(systemReason(errno));
    QFile out;
    if (!out.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        out.write(made.data()) != made.data().size() || !out.flush())
        return failed(out.errorString());
    return {};
}

// The mode a new file gets: 0666 less the process's umask, read without changing it.
mode_t newFileMode()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("Umask:"))
                return 0666 & ~mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    return 0644;
}

// A complete new file in place of `file` (or as it, new), in one rename.
QString replaceFile(const QByteArray &file, const std::optional<struct stat> &earlier,
                    const QString &shown, const std::function<QString(QIODevice &device)> &produce)
{
    const auto failed = [&](const QString &why) {
        return QStringLiteral("cannot write %1: %2").arg(shown, why);
    };
    ScratchFile scratch(folderOf(file));
    if (!scratch.error().isEmpty())
        return failed(systemReason(scratch.errorNumber()));
    const int descriptor = scratch.descriptor();
    if (earlier) {
        // Owner and group only where permitted (root, or a group of one's own), as cp -p does.
        if (::fchown(descriptor, earlier->st_uid, earlier->st_gid) != 0)
            (void)::fchown(descriptor, uid_t(-1), earlier->st_gid);
        ::fchmod(descriptor, earlier->st_mode & 07777);
    } else {
        ::fchmod(descriptor, newFileMode());
    }
    // Writes go straight to the system (unbuffered): the writers write large blocks, and each
    // failed write reports the system's own reason.
    QFile out;
    out.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
             QFileDevice::DontCloseHandle);
    out.setProperty(WorkFolderProperty, folderOf(file));
    if (const QString why = produce(out); !why.isEmpty())
        return failed(why);
    if (!out.flush())
        return failed(out.errorString());
    if (::fsync(descriptor) != 0 || !scratch.moveTo(file))
        return failed(systemReason(errno));
    if (earlier && earlier->st_nlink > 1 && outputNotice)
        outputNotice(QStringLiteral("%1 had %2 names (hard links): it is replaced, and its other "
                                    "names keep the earlier content")
                         .arg(shown)
                         .arg(earlier->st_nlink));
    return {};
}

} // namespace

QString writeOutputFile(const QString &path,
                        const std::function<QString(QIODevice &device)> &produce)
{
    if (path == QLatin1String("-"))
        return writeDescriptor(STDOUT_FILENO, QStringLiteral("standard output"), produce);
    if (path.isEmpty())
        return QStringLiteral("cannot write a file without a name");
    const QString shown = shownFileName(path);
    const auto failed = [&](const QString &why) {
        return QStringLiteral("cannot write %1: %2").arg(shown, why);
    };
    const QByteArray name = fileNameBytes(path);
    if (const std::optional<int> descriptor = descriptorBehind(name))
        return writeDescriptor(*descriptor, shown, produce);
    const std::optional<struct stat> status = statusOf(name);
    if (!status && errno != ENOENT) // a loop of links, a folder on the way that is none
        return failed(systemReason(errno));
    if (status && !refusal(*status).isEmpty())
        return failed(refusal(*status));
    if (status && (S_ISCHR(status->st_mode) || S_ISFIFO(status->st_mode))) {
        const int descriptor = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
        if (descriptor < 0)
            return failed(systemReason(errno));
        QFile file;
        file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                  QFileDevice::AutoCloseHandle);
        file.setProperty(WorkFolderProperty, QFile::encodeName(QDir::tempPath()));
        if (const QString why = produce(file); !why.isEmpty())
            return failed(why);
        return file.flush() ? QString() : failed(file.errorString());
    }
    const std::optional<QByteArray> file = linkedFile(name);
    if (!file)
        return failed(systemReason(errno));
    return replaceFile(*file, status, shown, produce);
}

void setOutputNotice(void (*notice)(const QString &line))
{
    outputNotice = notice;
}

bool isSameFile(int descriptor, const QString &path)
{
    struct stat a;
    const std::optional<struct stat> b = statusOf(fileNameBytes(path));
    return ::fstat(descriptor, &a) == 0 && S_ISREG(a.st_mode) && b && a.st_dev == b->st_dev &&
           a.st_ino == b->st_ino;
}

QByteArray workFolderOf(const QIODevice &device)
{
    const QVariant folder = device.property(WorkFolderProperty);
    return folder.isValid() ? folder.toByteArray() : QFile::encodeName(QDir::tempPath());
}
