#include "takeoff/linereader.h"

#include <algorithm>
#include <utility>

namespace
{

constexpr qsizetype BlockSize = 64 * 1024;
// Characters of a too-long line kept to name it.
constexpr qsizetype KeptOfTooLong = 40;

// The first bytes of formats that are no text: an Excel 97 workbook (any OLE2 file), a zip
// archive (an xlsx is recognised before the text is read), PDF, ELF, PNG, JPEG, GIF.
bool looksBinary(QByteArrayView start)
{
    static const QByteArrayView signatures[] = {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1",
                                                "PK\x03\x04",
                                                "%PDF-",
                                                "\x7F"
                                                "ELF",
                                                "\x89PNG",
                                                "\xFF\xD8\xFF",
                                                "GIF8"};
    for (QByteArrayView signature : signatures)
        if (start.startsWith(signature))
            return true;
    // Text may hold a stray control character (shown escaped), but hardly one in sixteen bytes,
    // as random bytes, a zeroed device or UTF-16 without its mark do.
    qsizetype controls = 0;
    for (char c : start)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r' &&
            c != '\f' && c != '\x1b')
            ++controls;
    return controls > std::max<qsizetype>(16, start.size() / 16);
}

// A line the take-off skips as a comment: its first character that is not blank is '#'.
template <typename Char> bool isComment(const Char *begin, const Char *end)
{
    for (; begin != end; ++begin) {
        if (*begin != ' ' && *begin != '\t')
            return *begin == '#';
    }
    return false;
}

// Where the line from `begin` ends (its CR or LF), or `end` when the text holds no line end.
template <typename Char> const Char *lineEnd(const Char *begin, const Char *end)
{
    while (begin != end && *begin != '\n' && *begin != '\r')
        ++begin;
    return begin;
}

bool isAscii(QByteArrayView bytes)
{
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder check(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = check.decode(bytes);
    return !check.hasError();
}

// UTF-8 with a character of three bytes or more: Chinese written as UTF-8, which GB18030 text
// hardly ever happens to be.
bool isWideUtf8(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0xE0)
            return isUtf8(bytes);
    return false;
}

} // namespace

std::optional<QStringList> splitListLine(QStringView line)
{
    RecordSplitter splitter(line.contains(u'\t') ? u'\t' : u',');
    splitter.addLine(line);
    if (splitter.quoteOpen())
        return std::nullopt;
    return splitter.fields();
}

void RecordSplitter::append(QChar c)
{
    m_field.append(c);
    if (!c.isSpace())
        m_blank = false;
}

void RecordSplitter::addLine(QStringView line)
{
    if (std::exchange(m_started, true))
        append(u'\n');
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (m_quoted) {
            if (c != u'"')
                append(c);
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                append(line[++i]);
            else
                m_quoted = false;
        } else if (c == u'"' && m_blank) {
            m_quoted = true;
            m_field.clear();
        } else if (c == m_separator) {
            m_fields.append(m_field.trimmed());
            m_field.clear();
            m_blank = true;
        } else {
            append(c);
        }
    }
}

QStringList RecordSplitter::fields() const
{
    return m_fields + QStringList{m_field.trimmed()};
}

LineReader::LineReader(QIODevice &device) : m_device(device) {}

// Reads a block more; false at the end of the input (or on an error, which stops the reading).
bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    m_bytes.remove(0, m_used);
    m_used = 0;
    const qsizetype held = m_bytes.size();
    m_bytes.resize(held + BlockSize);
    const qint64 got = m_device.read(m_bytes.data() + held, BlockSize);
    m_bytes.resize(held + std::max<qint64>(got, 0));
    if (got <= 0) {
        m_atEnd = true;
        if (got < 0)
            m_stop = Stop::ReadError;
        return false;
    }
    if (m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE) {
        m_chars.remove(0, m_charsUsed);
        m_charsUsed = 0;
        m_chars += m_utf16.decode(m_bytes);
        m_utf16OddByte ^= (m_bytes.size() % 2 != 0);
        m_bytes.clear();
    }
    return true;
}

// The first block read whole, then its byte order mark or its content decides the encoding.
void LineReader::start()
{
    m_started = true;
    while (m_bytes.size() < BlockSize && fill()) {
    }
    if (m_stop != Stop::None)
        return;
    const QByteArrayView head = m_bytes;
    if (head.startsWith("\xEF\xBB\xBF")) {
        m_encoding = Encoding::Utf8;
        m_used = 3;
    } else if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        const bool little = head.startsWith("\xFF\xFE");
        m_encoding = little ? Encoding::Utf16LE : Encoding::Utf16BE;
        m_utf16 = QStringDecoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        m_chars = m_utf16.decode(head.sliced(2));
        m_utf16OddByte = head.size() % 2 != 0;
        m_bytes.clear();
    } else if (looksBinary(head)) {
        m_stop = Stop::NotText;
    } else {
        decideFromBlock();
    }
}

// The lines of the first block that are not comments and not ASCII vote: valid UTF-8 or not.
// The last line counts only when the block holds the whole input (it may be cut short).
void LineReader::decideFromBlock()
{
    int utf8 = 0;
    int other = 0;
    const char *begin = m_bytes.constData() + m_used;
    const char *const end = m_bytes.constData() + m_bytes.size();
    while (begin != end) {
        const char *stop = lineEnd(begin, end);
        if (stop == end && !m_atEnd)
            break;
        const QByteArrayView line(begin, stop);
        if (!isComment(begin, stop) && !isAscii(line))
            ++(isUtf8(line) ? utf8 : other);
        begin = stop == end ? end : stop + 1;
    }
    if (utf8 + other > 0)
        m_encoding = utf8 >= other ? Encoding::Utf8 : Encoding::Gb18030;
}

std::optional<ListText> LineReader::next()
{
    if (!m_started)
        start();
    if (m_stop != Stop::None)
        return std::nullopt;
    if (m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE)
        return nextUtf16();
    for (;;) {
        if (m_skipLineFeed && m_used < m_bytes.size()) {
            m_skipLineFeed = false;
            if (m_bytes.at(m_used) == '\n')
                ++m_used;
        }
        const char *begin = m_bytes.constData() + m_used;
        const char *const end = m_bytes.constData() + m_bytes.size();
        // A line end is looked for as far as a line may reach, no further.
        const char *const limit = std::min(end, begin + MaxListLineBytes + 1);
        const char *stop = lineEnd(begin, limit);
        if (stop != limit) {
            m_used = stop + 1 - m_bytes.constData();
            m_skipLineFeed = *stop == '\r';
            ++m_lineNumber;
            const QByteArrayView line(begin, stop);
            return decoded(line, isAscii(line), isComment(begin, stop));
        }
        if (limit - begin > MaxListLineBytes) {
            const QString start =
                decoded(QByteArrayView(begin, KeptOfTooLong * 4), false, true).text;
            m_used = limit - m_bytes.constData(); // no line end before
            return pastLimit(start);
        }
        if (!fill()) {
            if (m_stop != Stop::None || m_used == m_bytes.size() || m_skipLineFeed)
                return std::nullopt;
            ++m_lineNumber;
            const QByteArrayView line = QByteArrayView(m_bytes).sliced(m_used);
            m_used = m_bytes.size();
            return decoded(line, isAscii(line), isComment(line.begin(), line.end()));
        }
    }
}

std::optional<ListText> LineReader::nextUtf16()
{
    for (;;) {
        if (m_skipLineFeed && m_charsUsed < m_chars.size()) {
            m_skipLineFeed = false;
            if (m_chars.at(m_charsUsed) == u'\n')
                ++m_charsUsed;
        }
        const QChar *begin = m_chars.constData() + m_charsUsed;
        const QChar *const end = m_chars.constData() + m_chars.size();
        const QChar *const limit = std::min(end, begin + MaxListLineBytes / 2 + 1);
        const QChar *stop = lineEnd(begin, limit);
        if (stop != limit) {
            m_charsUsed = stop + 1 - m_chars.constData();
            m_skipLineFeed = *stop == u'\r';
            ++m_lineNumber;
            return ListText{QString(begin, stop - begin)};
        }
        if ((limit - begin) * 2 > MaxListLineBytes) {
            const QString start(begin, KeptOfTooLong);
            m_charsUsed = limit - m_chars.constData();
            return pastLimit(start);
        }
        if (!fill()) {
            // A last byte without its pair is half a character: the last line is not whole.
            const bool cut = std::exchange(m_utf16OddByte, false);
            if (m_stop != Stop::None ||
                (!cut && (m_charsUsed == m_chars.size() || m_skipLineFeed)))
                return std::nullopt;
            ++m_lineNumber;
            ListText last{m_chars.sliced(m_charsUsed)};
            if (cut)
                last.fault = ListText::Fault::NotDecodable;
            m_charsUsed = m_chars.size();
            return last;
        }
    }
}

ListText LineReader::decoded(QByteArrayView bytes, bool ascii, bool comment)
{
    if (ascii)
        return {QString::fromLatin1(bytes)};
    if (m_encoding == Encoding::Undecided && !comment)
        m_encoding = isUtf8(bytes) ? Encoding::Utf8 : Encoding::Gb18030;
    // A comment is skipped whatever it holds; it is decoded leniently and decides nothing.
    if (m_encoding != Encoding::Gb18030) {
        m_utf8.resetState();
        ListText text{m_utf8.decode(bytes)};
        if (m_utf8.hasError() && !comment)
            text = notDecodable(bytes, m_gb18030, text.text);
        return text;
    }
    m_gb18030.resetState();
    ListText text{m_gb18030.decode(bytes)};
    if (!comment && (m_gb18030.hasError() || isWideUtf8(bytes)))
        text = notDecodable(bytes, m_utf8, text.text);
    return text;
}

// A line that does not fit the list's encoding, shown as the other encoding reads it when that
// reads it whole (a GB18030 line in a UTF-8 list, or the reverse), so the reason stands beside
// the text the user wrote rather than beside mojibake.
ListText LineReader::notDecodable(QByteArrayView bytes, QStringDecoder &other, const QString &as)
{
    other.resetState();
    const QString text = other.decode(bytes);
    return {other.hasError() ? as : text, ListText::Fault::NotDecodable};
}

// A line that passed the limit: from a file its start is kept to name it and the rest is
// skipped; a stream stops the reading there, since its line may never end.
std::optional<ListText> LineReader::pastLimit(QStringView start)
{
    ++m_lineNumber;
    if (m_device.isSequential()) {
        m_stop = Stop::EndlessLine;
        return std::nullopt;
    }
    ListText text{start.left(KeptOfTooLong).toString() + u'…', ListText::Fault::TooLong};
    skipRestOfLine();
    return text;
}

// After a line of a file that passed the limit: the rest of it is read past and dropped.
void LineReader::skipRestOfLine()
{
    const bool utf16 = m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE;
    for (;;) {
        if (utf16) {
            const QChar *begin = m_chars.constData() + m_charsUsed;
            const QChar *const end = m_chars.constData() + m_chars.size();
            const QChar *stop = lineEnd(begin, end);
            m_charsUsed = stop == end ? m_chars.size() : stop + 1 - m_chars.constData();
            if (stop != end) {
                m_skipLineFeed = *stop == u'\r';
                return;
            }
        } else {
            const char *begin = m_bytes.constData() + m_used;
            const char *const end = m_bytes.constData() + m_bytes.size();
            const char *stop = lineEnd(begin, end);
            m_used = stop == end ? m_bytes.size() : stop + 1 - m_bytes.constData();
            if (stop != end) {
                m_skipLineFeed = *stop == '\r';
                return;
            }
        }
        if (!fill())
            return;
    }
}
