#include "takeoff/linereader.h"

namespace
{

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::optional<QStringList> splitListLine(QStringView line)
{
    const QChar separator = line.contains(u'\t') ? u'\t' : u',';
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"')
                field.append(c);
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                field.append(line[++i]);
            else
                quoted = false;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            quoted = true;
            field.clear();
        } else if (c == separator) {
            fields.append(field.trimmed());
            field.clear();
        } else {
            field.append(c);
        }
    }
    if (quoted)
        return std::nullopt;
    fields.append(field.trimmed());
    return fields;
}

LineReader::LineReader(QIODevice &device) : m_device(device) {}

std::optional<QString> LineReader::next()
{
    m_buffer = m_device.readLine();
    if (m_buffer.isEmpty() && m_device.atEnd())
        return std::nullopt;
    ++m_lineNumber;
    while (m_buffer.endsWith('\n') || m_buffer.endsWith('\r'))
        m_buffer.chop(1);
    if (m_lineNumber == 1 && m_buffer.startsWith("\xEF\xBB\xBF")) {
        m_buffer.remove(0, 3);
        m_encoding = Encoding::Utf8;
    }
    return decode(m_buffer);
}

QString LineReader::decode(const QByteArray &bytes)
{
    // ASCII reads the same in both encodings, so the first line that is not ASCII decides.
    if (m_encoding == Encoding::Undecided) {
        if (isAscii(bytes))
            return QString::fromLatin1(bytes);
        QStringDecoder check(QStringDecoder::Utf8);
        QString text = check.decode(bytes);
        if (!check.hasError()) {
            m_encoding = Encoding::Utf8;
            return text;
        }
        m_encoding = Encoding::Gb18030;
    }
    return m_encoding == Encoding::Utf8 ? QString::fromUtf8(bytes)
                                        : QString(m_gb18030.decode(bytes));
}
