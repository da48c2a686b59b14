#include "exports/workbookcheck.h"

#include <QByteArray>
#include <QIODevice>
#include <zlib.h>

namespace
{

quint32 little(const uchar *at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

// The root element's name at the start of an XML text, after its declaration.
QByteArray rootName(QByteArrayView start)
{
    qsizetype open = start.indexOf('<');
    if (start.sliced(open).startsWith("<?"))
        open = start.indexOf('<', open + 1);
    qsizetype end = open + 1;
    while (end < start.size() && !QByteArrayView(" \t\r\n/>").contains(start[end]))
        ++end;
    return open < 0 ? QByteArray() : start.sliced(open + 1, end - open - 1).toByteArray();
}

// Inflates one part from where its data starts in the file, a block at a time, and checks that it
// closes its root element; "" or why not.
QString checkPart(QIODevice &file, QByteArrayView name, qint64 at, quint32 size)
{
    z_stream stream = {};
    if (!file.seek(at) || inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return QStringLiteral("cannot check the workbook");
    QByteArray start, tail, in, out(1 << 16, Qt::Uninitialized);
    int result = Z_OK;
    qint64 left = size;
    while (result == Z_OK) {
        if (stream.avail_in == 0) {
            in = file.read(std::min<qint64>(left, 1 << 16));
            left -= in.size();
            stream.next_in = reinterpret_cast<uchar *>(in.data());
            stream.avail_in = uInt(in.size());
        }
        stream.next_out = reinterpret_cast<uchar *>(out.data());
        stream.avail_out = uInt(out.size());
        result = inflate(&stream, Z_NO_FLUSH);
        const QByteArrayView made(out.constData(), out.size() - stream.avail_out);
        if (start.size() < 512)
            start += made.first(std::min<qsizetype>(made.size(), 512));
        tail.append(made.last(std::min<qsizetype>(made.size(), 64)));
        tail = tail.right(64);
        if (result == Z_BUF_ERROR && stream.avail_in == 0 && left > 0)
            result = Z_OK; // more input to come
    }
    inflateEnd(&stream);
    const QByteArray root = rootName(start);
    const QByteArray end = tail.trimmed();
    if (result == Z_STREAM_END && !root.isEmpty() &&
        (end.endsWith("</" + root + ">") || end.endsWith("/>")))
        return {};
    return QStringLiteral("its part %1 was cut off while it was made").arg(QString::fromUtf8(name));
}

} // namespace

QString checkWorkbookParts(QIODevice &file)
{
    // The central directory, found from the record that ends the file (in its last 64 KB).
    const qint64 size = file.size();
    const qint64 tailAt = std::max<qint64>(0, size - 65557);
    if (!file.seek(tailAt))
        return file.errorString();
    const QByteArray tail = file.read(size - tailAt);
    const qsizetype record = tail.lastIndexOf("PK\x05\x06");
    if (record < 0 || record + 22 > tail.size())
        return QStringLiteral("it is not a whole zip file");
    const auto *end = reinterpret_cast<const uchar *>(tail.constData()) + record;
    const quint32 entries = little(end + 10, 2);
    const qint64 directoryAt = little(end + 16, 4);
    if (!file.seek(directoryAt))
        return file.errorString();
    const QByteArray directory = file.read(tailAt + record - directoryAt);
    const auto *bytes = reinterpret_cast<const uchar *>(directory.constData());
    qsizetype entry = 0;
    for (quint32 i = 0; i < entries; ++i) {
        if (entry + 46 > directory.size() || little(bytes + entry, 4) != 0x02014b50)
            return QStringLiteral("its directory is damaged");
        const int method = int(little(bytes + entry + 10, 2));
        const quint32 compressed = little(bytes + entry + 20, 4);
        const quint32 nameSize = little(bytes + entry + 28, 2);
        const qint64 local = little(bytes + entry + 42, 4);
        const QByteArray name = directory.mid(entry + 46, nameSize);
        entry += 46 + nameSize + little(bytes + entry + 30, 2) + little(bytes + entry + 32, 2);
        if (method != Z_DEFLATED || !(name.endsWith(".xml") || name.endsWith(".rels")))
            continue;
        QByteArray header;
        if (!file.seek(local) || (header = file.read(30)).size() != 30)
            return QStringLiteral("its directory is damaged");
        const auto *h = reinterpret_cast<const uchar *>(header.constData());
        const qint64 data = local + 30 + little(h + 26, 2) + little(h + 28, 2);
        if (const QString why = checkPart(file, name, data, compressed); !why.isEmpty())
            return why;
    }
    return {};
}
