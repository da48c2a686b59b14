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

// Splits a record of a list into fields line by line, as splitListLine splits one line, so that
// a quoted field may go on over line breaks (RFC 4180; Excel's Alt+Enter): the lines are joined
// by a line feed. Linear in the record, however many lines it has.
class RecordSplitter
{
public:
    explicit RecordSplitter(QChar separator) : m_separator(separator) {}
    void addLine(QStringView line);
    bool quoteOpen() const { return m_quoted; }
    // The fields so far, trimmed, the one being read last.
    QStringList fields() const;

private:
    void append(QChar c);
    QChar m_separator;
    QStringList m_fields;
    QString m_field;
    bool m_quoted = false;
    bool m_blank = true; // the field so far is blank: a quote here opens a quoted field
    bool m_started = false;
};

// The longest line a list may have; the rest of a longer line is skipped, never held.
inline constexpr qsizetype MaxListLineBytes = 64 * 1024;

// One line of a list's text, and what kept it from being read whole.
struct ListText {
    enum class Fault {
        None,
        TooLong,      // longer than MaxListLineBytes: `text` is its start only
        NotDecodable, // not in the list's encoding: `text` has U+FFFD in place of what was not
    };
    QString text; // without its line end
    Fault fault = Fault::None;
};

// Reads a list's text line by line, in blocks, without holding more than one line. Lines end
// with LF, CRLF or a lone CR. The encoding is decided by the content: a byte order mark first
// (UTF-8, UTF-16 LE or BE); else the lines of the first block that are not comments decide,
// UTF-8 when they are valid UTF-8 (most of them, when they disagree), otherwise GB18030, as a
// spreadsheet on a Chinese Windows saves text. A later line that does not fit the encoding is
// marked NotDecodable. Input that is no text at all (a binary file's signature, or control
// bytes in numbers no text has) is refused before the first line, and a stream (pipe, FIFO, device) whose line passes the limit
// is refused there, since it may never end.
class LineReader
{
public:
    explicit LineReader(QIODevice &device);

    // The next line, or nullopt at the end of the text or when reading stopped (see stop()).
    std::optional<ListText> next();
    // The 1-based number of the line `next` returned last.
    qint64 lineNumber() const { return m_lineNumber; }

    enum class Encoding { Undecided, Utf8, Gb18030, Utf16LE, Utf16BE };
    Encoding encoding() const { return m_encoding; }

    // Why reading ended before the end of the input.
    enum class Stop {
        None,
        NotText,     // a binary file: NUL bytes, or the signature of a known binary format
        EndlessLine, // a stream's line passed the limit
        ReadError,   // the device failed; see device's errorString()
    };
    Stop stop() const { return m_stop; }

private:
    bool fill();
    void start();
    std::optional<ListText> nextUtf16();
    ListText decoded(QByteArrayView bytes, bool ascii, bool comment);
    static ListText notDecodable(QByteArrayView bytes, QStringDecoder &other, const QString &as);
    std::optional<ListText> pastLimit(QStringView start);
    void skipRestOfLine();
    void decideFromBlock();

    QIODevice &m_device;
    bool m_started = false;
    bool m_atEnd = false;
    bool m_skipLineFeed = false; // the last line ended with CR: a LF next belongs to it
    qint64 m_lineNumber = 0;
    Encoding m_encoding = Encoding::Undecided;
    Stop m_stop = Stop::None;
    QByteArray m_bytes; // read and not yet taken, from m_used on
    qsizetype m_used = 0;
    // Stateless: a character cut at the line's end is an error, not a state kept for more.
    QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    QStringDecoder m_gb18030{"GB18030", QStringDecoder::Flag::Stateless};
    QStringDecoder m_utf16;
    bool m_utf16OddByte = false; // UTF-16 input so far has an odd number of bytes
    QString m_chars; // UTF-16 input decoded and not yet taken, from m_charsUsed on
    qsizetype m_charsUsed = 0;
};
