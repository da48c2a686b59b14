#include "takeoff/spillfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

QByteArray spillFolder()
{
    // QDir::tempPath() would give "" for a folder that does not exist, and the file would be
    // made in the root folder.
    const QByteArray folder = qgetenv("TMPDIR");
    return folder.isEmpty() ? QByteArray("/tmp") : folder;
}

namespace
{

// The folder as a message names it.
QString shownFolder()
{
    return QFile::decodeName(spillFolder());
}

} // namespace

std::unique_ptr<QFile> openSpillFile(QString &error)
{
    QByteArray path = spillFolder() + "/quorvit-totals-XXXXXX";
    const int descriptor = ::mkostemp(path.data(), O_CLOEXEC);
    if (descriptor < 0) {
        error = QStringLiteral("cannot make a temporary file in %1: %2")
                    .arg(shownFolder(), QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    ::unlink(path.constData());
    auto file = std::make_unique<QFile>();
    file->open(descriptor, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle);
    return file;
}

SpillBuffer::SpillBuffer(qint64 memory) : m_memory(memory)
{
    m_buffer.open(QIODevice::ReadWrite);
    m_stream.setDevice(&m_buffer);
}

namespace
{

QString unwritable(const QFile &file)
{
    return QStringLiteral("cannot write a temporary file in %1: %2")
        .arg(shownFolder(), file.errorString());
}

} // namespace

bool SpillBuffer::kept(QString &error)
{
    if (m_file) {
        if (m_stream.status() == QDataStream::Ok)
            return true;
        error = unwritable(*m_file);
        return false;
    }
    if (m_buffer.size() <= m_memory)
        return true;
    m_file = openSpillFile(error);
    if (!m_file)
        return false;
    if (m_file->write(m_buffer.data()) != m_buffer.size()) {
        error = unwritable(*m_file);
        return false;
    }
    m_stream.setDevice(m_file.get());
    m_buffer.close();
    m_buffer.setData(QByteArray());
    return true;
}

bool SpillBuffer::rewind(QString &error)
{
    QIODevice *device = m_stream.device();
    if ((m_file && !m_file->flush()) || !device->seek(0)) {
        error = m_file ? unwritable(*m_file) : device->errorString();
        return false;
    }
    m_stream.resetStatus();
    return true;
}
