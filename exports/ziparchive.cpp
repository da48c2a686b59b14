#include "exports/ziparchive.h"

#include <QIODevice>
#include <zlib.h>

namespace
{

// The record that ends an archive, with the archive's comment, lies in its last 64 KiB.
constexpr qint64 EndRecordSearch = 22 + 0xFFFF;
// A directory larger than this lists more files than a workbook has.
constexpr qint64 MostDirectoryBytes = 64 << 20;
constexpr quint32 Unknown32 = 0xFFFFFFFF; // a size or place given in the zip64 fields instead
constexpr int CentralHeaderBytes = 46;
constexpr int LocalHeaderBytes = 30;

quint64 little(QByteArrayView bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | uchar(bytes[at + i]);
    return value;
}

QByteArray readAt(QIODevice &device, qint64 at, qint64 size)
{
    return device.seek(at) ? device.read(size) : QByteArray();
}

const QString Damaged = QStringLiteral("its directory is damaged");

} // namespace

ZipArchive::ZipArchive(QIODevice &device) : m_device(device)
{
    if (!read() && m_failure.isEmpty())
        m_failure = Damaged;
}

const ZipEntry *ZipArchive::find(const QString &name, Qt::CaseSensitivity sensitivity) const
{
    for (const ZipEntry &entry : m_entries)
        if (entry.name.compare(name, sensitivity) == 0)
            return &entry;
    return nullptr;
}

bool ZipArchive::read()
{
    const qint64 size = m_device.size();
    const qint64 tailAt = std::max<qint64>(0, size - EndRecordSearch);
    const QByteArray tail = readAt(m_device, tailAt, size - tailAt);
    const qsizetype end = tail.lastIndexOf("PK\x05\x06");
    if (end < 0 || end + 22 > tail.size()) {
        m_failure = QStringLiteral("it is not a whole zip file");
        return false;
    }
    quint64 count = little(tail, end + 10, 2);
    quint64 directorySize = little(tail, end + 12, 4);
    quint64 directoryAt = little(tail, end + 16, 4);
    if (count == 0xFFFF || directorySize == Unknown32 || directoryAt == Unknown32) {
        // zip64: the locator just before the end record points at the zip64 end record.
        if (end < 20 || little(tail, end - 20, 4) != 0x07064b50)
            return false;
        const QByteArray record = readAt(m_device, qint64(little(tail, end - 12, 8)), 56);
        if (record.size() != 56 || little(record, 0, 4) != 0x06064b50)
            return false;
        count = little(record, 32, 8);
        directorySize = little(record, 40, 8);
        directoryAt = little(record, 48, 8);
    }
    if (directorySize > quint64(MostDirectoryBytes)) {
        m_failure =
            QStringLiteral("its directory is larger than %1 MiB").arg(MostDirectoryBytes >> 20);
        return false;
    }
    if (directoryAt + directorySize > quint64(size) || count > directorySize / CentralHeaderBytes)
        return false;
    const QByteArray directory = readAt(m_device, qint64(directoryAt), qint64(directorySize));
    if (quint64(directory.size()) != directorySize)
        return false;
    qsizetype at = 0;
    for (quint64 i = 0; i < count; ++i) {
        if (at + CentralHeaderBytes > directory.size() || little(directory, at, 4) != 0x02014b50)
            return false;
        ZipEntry entry;
        entry.flags = int(little(directory, at + 8, 2));
        entry.method = int(little(directory, at + 10, 2));
        quint64 compressed = little(directory, at + 20, 4);
        quint64 inflated = little(directory, at + 24, 4);
        quint64 local = little(directory, at + 42, 4);
        const qsizetype nameSize = qsizetype(little(directory, at + 28, 2));
        const qsizetype extraSize = qsizetype(little(directory, at + 30, 2));
        const qsizetype next = at + CentralHeaderBytes + nameSize + extraSize +
                               qsizetype(little(directory, at + 32, 2));
        if (next > directory.size())
            return false;
        entry.name = QString::fromUtf8(directory.sliced(at + CentralHeaderBytes, nameSize));
        // The zip64 extra field holds, in this order, those of the three that did not fit.
        for (qsizetype extra = at + CentralHeaderBytes + nameSize;
             extra + 4 <= at + CentralHeaderBytes + nameSize + extraSize;) {
            const qsizetype fieldSize = qsizetype(little(directory, extra + 2, 2));
            if (little(directory, extra, 2) == 1) {
                qsizetype field = extra + 4;
                const qsizetype fieldEnd = std::min(field + fieldSize, next);
                for (quint64 *value : {&inflated, &compressed, &local}) {
                    if (*value == Unknown32 && field + 8 <= fieldEnd) {
                        *value = little(directory, field, 8);
                        field += 8;
                    }
                }
            }
            extra += 4 + fieldSize;
        }
        if (compressed > quint64(size) || local >= quint64(size))
            return false;
        entry.compressedSize = qint64(compressed);
        entry.localHeaderAt = qint64(local);
        m_entries.append(entry);
        at = next;
    }
    return true;
}

ZipEntryReader::ZipEntryReader(QIODevice &device, const ZipEntry &entry)
    : m_device(device), m_entry(entry), m_left(entry.compressedSize)
{
    const QByteArray header = readAt(device, entry.localHeaderAt, LocalHeaderBytes);
    if (header.size() != LocalHeaderBytes || little(header, 0, 4) != 0x04034b50) {
        fail(QStringLiteral("the archive has no part %1 where its directory says").arg(entry.name));
        return;
    }
    m_at = entry.localHeaderAt + LocalHeaderBytes + qint64(little(header, 26, 2)) +
           qint64(little(header, 28, 2));
    if (entry.flags & 1) {
        fail(QStringLiteral("its part %1 is encrypted").arg(entry.name));
    } else if (entry.method == Z_DEFLATED) {
        m_stream = std::make_unique<z_stream_s>();
        if (inflateInit2(m_stream.get(), -MAX_WBITS) != Z_OK) {
            m_stream.reset();
            fail(QStringLiteral("cannot inflate %1").arg(entry.name));
        }
    } else if (entry.method != 0) {
        fail(QStringLiteral("its part %1 is compressed by method %2, which is not read")
                 .arg(entry.name)
                 .arg(entry.method));
    }
}

ZipEntryReader::~ZipEntryReader()
{
    if (m_stream)
        inflateEnd(m_stream.get());
}

QByteArray ZipEntryReader::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    m_atEnd = true;
    return {};
}

QByteArray ZipEntryReader::read(qsizetype most)
{
    if (m_atEnd || most <= 0)
        return {};
    const auto stored = [&](qint64 size) {
        QByteArray bytes = readAt(m_device, m_at, std::min(size, m_left));
        m_at += bytes.size();
        m_left -= bytes.size();
        return bytes;
    };
    if (!m_stream) {
        QByteArray bytes = stored(most);
        if (bytes.isEmpty() && m_left > 0)
            return fail(QStringLiteral("the archive ends inside its part %1").arg(m_entry.name));
        m_atEnd = m_left == 0;
        return bytes;
    }
    QByteArray out(most, Qt::Uninitialized);
    z_stream &stream = *m_stream;
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    while (stream.avail_out == uInt(out.size())) {
        if (stream.avail_in == 0) {
            m_in = stored(64 * 1024);
            if (m_in.isEmpty())
                return fail(QStringLiteral("its part %1 was cut off").arg(m_entry.name));
            stream.next_in = reinterpret_cast<Bytef *>(m_in.data());
            stream.avail_in = uInt(m_in.size());
        }
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END) {
            m_atEnd = true;
            break;
        }
        if (result != Z_OK && result != Z_BUF_ERROR)
            return fail(QStringLiteral("its part %1 is damaged").arg(m_entry.name));
    }
    out.truncate(out.size() - stream.avail_out);
    return out;
}
