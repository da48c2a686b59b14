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

std::optional<TextListRows::NumberedLine> TextListRows::nextLine()
{
    if (!m_again.isEmpty())
        return m_again.takeFirst();
    std::optional<ListText> line = m_reader.next();
    if (!line)
        return std::nullopt;
    return NumberedLine{m_reader.lineNumber(), std::move(*line), false};
}

std::optional<QStringList> TextListRows::restOfRecord(const NumberedLine &first,
                                                      bool &notDecodable)
{
    // The separator is the whole record's (a tab anywhere in it), so both splits go along.
    RecordSplitter byComma(u',');
    RecordSplitter byTab(u'\t');
    bool tab = first.text.text.contains(u'\t');
    qsizetype size = first.text.text.size();
    byComma.addLine(first.text.text);
    byTab.addLine(first.text.text);
    QList<NumberedLine> taken;
    while (std::optional<NumberedLine> more = nextLine()) {
        taken.append(std::move(*more));
        const ListText &read = taken.constLast().text;
        const QString &text = read.text;
        size += 1 + text.size();
        if (read.fault == ListText::Fault::TooLong || size > MaxListLineBytes)
            break;
        tab = tab || text.contains(u'\t');
        byComma.addLine(text);
        byTab.addLine(text);
        const RecordSplitter &split = tab ? byTab : byComma;
        if (!split.quoteOpen()) {
            for (const NumberedLine &line : std::as_const(taken))
                notDecodable = notDecodable || line.text.fault == ListText::Fault::NotDecodable;
            return split.fields();
        }
    }
    for (NumberedLine &line : taken)
        line.again = true;
    m_again = taken + m_again;
    return std::nullopt;
}

std::optional<ListRow> TextListRows::next()
{
    while (const std::optional<NumberedLine> line = nextLine()) {
        const QStringView trimmed = QStringView(line->text.text).trimmed();
        if (trimmed.startsWith(u'#'))
            continue;
        ListRow row;
        row.number = line->number;
        if (line->text.fault == ListText::Fault::TooLong) {
            row.cells = QStringList{trimmed.toString()};
            row.fault = lineTooLong();
            return row;
        }
        bool notDecodable = line->text.fault == ListText::Fault::NotDecodable;
        std::optional<QStringList> cells = splitListLine(line->text.text);
        if (!cells && !line->again)
            cells = restOfRecord(*line, notDecodable);
        if (!cells) {
            row.cells = QStringList{trimmed.toString()};
            row.fault = quoteNotClosed();
        } else {
            if (isBlankRow(*cells))
                continue;
            row.cells = std::move(*cells);
        }
        if (notDecodable)
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
