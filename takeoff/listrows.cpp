#include "takeoff/listrows.h"

namespace
{

bool isSeparatorMark(QChar c)
{
    return c.isSpace() || c == u'-' || c == u'=' || c == u'_' || c == u'*' || c == u'—' ||
           c == u'─' || c == u'－' || c == u'＝';
}

const char *encodingName(LineReader::Encoding encoding)
{
    switch (encoding) {
    case LineReader::Encoding::Gb18030:
        return "GB18030";
    case LineReader::Encoding::Utf16LE:
    case LineReader::Encoding::Utf16BE:
        return "UTF-16";
    case LineReader::Encoding::Utf8:
    case LineReader::Encoding::Undecided:
        break;
    }
    return "UTF-8";
}

} // namespace

bool isBlankRow(const QStringList &cells)
{
    for (const QString &cell : cells)
        for (QChar c : cell)
            if (!isSeparatorMark(c))
                return false;
    return true;
}

TextListRows::TextListRows(QIODevice &device, const QString &what)
    : m_reader(device), m_device(device), m_what(what)
{
}

std::optional<ListRow> TextListRows::next()
{
    while (const std::optional<ListText> line = m_reader.next()) {
        const QStringView trimmed = QStringView(line->text).trimmed();
        if (trimmed.startsWith(u'#'))
            continue;
        ListRow row;
        row.number = m_reader.lineNumber();
        if (line->fault == ListText::Fault::TooLong) {
            row.cells = QStringList{trimmed.toString()};
            row.fault = lineTooLong();
            return row;
        }
        std::optional<QStringList> cells = splitListLine(line->text);
        if (!cells) {
            row.cells = QStringList{trimmed.toString()};
            row.fault = quoteNotClosed();
        } else {
            if (isBlankRow(*cells))
                continue;
            row.cells = std::move(*cells);
        }
        if (line->fault == ListText::Fault::NotDecodable)
            row.fault = lineNotDecodable(encodingName(m_reader.encoding()));
        return row;
    }
    return std::nullopt;
}

TakeoffReason TextListRows::failure() const
{
    switch (m_reader.stop()) {
    case LineReader::Stop::NotText:
        return listNotText(m_what);
    case LineReader::Stop::EndlessLine:
        return listLineEndless(m_what, m_reader.lineNumber());
    case LineReader::Stop::ReadError:
        return listUnreadable(m_what, m_device.errorString());
    case LineReader::Stop::None:
        break;
    }
    return {};
}
