#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

// Splits one line of a list into its fields: separated by tabs when the line has a tab (a block
// pasted from a spreadsheet), else by commas; a field may be quoted ("a, b", "say ""x""").
// Fields are trimmed. Nullopt when a quote is left open.
std::optional<QStringList> splitListLine(QStringView line);

// Reads a list line by line from a device, without holding more than one line. The encoding is
// decided by the bytes: a UTF-8 byte order mark or a first non-ASCII line that is valid UTF-8
// means UTF-8; otherwise GB18030, as a spreadsheet on a Chinese Windows saves text.
class LineReader
{
public:
    explicit LineReader(QIODevice &device);

    // The next line without its line end, or nullopt at the end of the device.
    std::optional<QString> next();
    // The 1-based number of the line `next` returned last.
    qint64 lineNumber() const { return m_lineNumber; }

    enum class Encoding { Undecided, Utf8, Gb18030 };
    Encoding encoding() const { return m_encoding; }

private:
    QString decode(const QByteArray &bytes);

    QIODevice &m_device;
    qint64 m_lineNumber = 0;
    Encoding m_encoding = Encoding::Undecided;
    QStringDecoder m_gb18030{"GB18030"};
    QByteArray m_buffer;
};
