#include "files/scratchfile.h"

#include "files/filename.h"

#include <QFile>
#include <QRandomGenerator>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace
{

// Named work files a signal removes before the program ends: fixed storage, read by the handler
// without a lock or an allocation.
constexpr int Slots = 8;
constexpr std::size_t PathRoom = 4096;
char namedFiles[Slots][PathRoom];
std::atomic<bool> slotUsed[Slots];

void removeNamedFilesAndEnd(int signal)
{
    for (int i = 0; i < Slots; ++i)
        if (slotUsed[i].load())
            ::unlink(namedFiles[i]);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Installed once, for the signals nothing else handles (an ignored SIGHUP stays ignored).
void removeOnSignals()
{
    static const bool installed = [] {
        struct sigaction action = {};
        action.sa_handler = removeNamedFilesAndEnd;
        sigemptyset(&action.sa_mask);
        for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
            struct sigaction current = {};
            if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
                sigaction(signal, &action, nullptr);
        }
        return true;
    }();
    Q_UNUSED(installed);
}

int takeSlot(const QByteArray &path)
{
    if (std::size_t(path.size()) >= PathRoom)
        return -1;
    for (int i = 0; i < Slots; ++i) {
        bool expected = false;
        if (slotUsed[i].load() || !slotUsed[i].compare_exchange_strong(expected, true))
            continue;
        std::memcpy(namedFiles[i], path.constData(), std::size_t(path.size()) + 1);
        return i;
    }
    return -1;
}

} // namespace

ScratchFile::ScratchFile(const QByteArray &where)
{
#ifdef O_TMPFILE
    m_descriptor = ::open(where.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_descriptor >= 0) {
        m_name = "/proc/self/fd/" + QByteArray::number(m_descriptor);
        const int check = ::open(m_name.constData(), O_WRONLY | O_CLOEXEC);
        if (check >= 0) {
            ::close(check);
            return;
        }
        ::close(m_descriptor); // no /proc: a named file after all
        m_name.clear();
    }
#endif
    removeOnSignals();
    QByteArray path = where + "/.quorvit-XXXXXX";
    m_descriptor = ::mkostemp(path.data(), O_CLOEXEC);
    if (m_descriptor < 0) {
        m_errorNumber = errno;
        m_error = QStringLiteral("cannot make a work file in %1: %2")
                      .arg(shownFileName(fileNameFromBytes(where)),
                           QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_name = path;
    m_slot = takeSlot(path);
}

ScratchFile::~ScratchFile()
{
    if (m_descriptor < 0)
        return;
    ::close(m_descriptor);
    if (m_name.startsWith("/proc/"))
        return;
    ::unlink(m_name.constData());
    if (m_slot >= 0)
        slotUsed[m_slot].store(false);
}

bool ScratchFile::moveTo(const QByteArray &target)
{
    if (m_descriptor < 0)
        return false;
    if (m_name.startsWith("/proc/")) {
        // An unnamed file gets a hidden name beside the target first: linkat cannot replace.
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray folder =
            slash < 0 ? QByteArray(".") : target.left(qMax<qsizetype>(slash, 1));
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray hidden =
                folder + "/.quorvit-" +
                QByteArray::number(QRandomGenerator::global()->generate(), 36);
            if (::linkat(AT_FDCWD, m_name.constData(), AT_FDCWD, hidden.constData(),
                         AT_SYMLINK_FOLLOW) != 0) {
                if (errno == EEXIST)
                    continue;
                return false;
            }
            if (::rename(hidden.constData(), target.constData()) == 0)
                return true;
            const int why = errno;
            ::unlink(hidden.constData());
            errno = why;
            return false;
        }
        return false;
    }
    if (::rename(m_name.constData(), target.constData()) != 0)
        return false;
    m_name = "/proc/"; // renamed: nothing of it to remove any more
    if (m_slot >= 0)
        slotUsed[m_slot].store(false);
    m_slot = -1;
    return true;
}

bool ScratchFile::readBack(QFile &file) const
{
    return file.open(m_descriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) &&
           file.seek(0);
}
