#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// The rules every writer of the program's output follows, one implementation each: columns for a
// terminal, text a terminal shows as it is, JSON string literals, CSV fields, and text that every
// file format can hold. Numbers are spelled by plainNumberText (core/values/valuetext.h).

// Terminal columns a text takes: CJK and full-width characters take two.
int displayWidth(QStringView text);

// Text for a terminal, each character that would act rather than show escaped: the control
// characters (C0 but the line feed, DEL, C1), which could move the cursor, recolour or retitle
// the terminal, and the bidirectional controls (U+061C, U+200E, U+200F, U+202A..U+202E,
// U+2066..U+2069) and U+2028, U+2029, which could reorder or break what a reader sees. A tab
// shows as \t, a carriage return as \r, ESC as \x1b, NUL as \x00, U+009B as \u009b, U+202E as
// \u202e.
QString terminalText(QStringView text);
// The same for text that must stay on its line (a cell of a table, a name in a message): a line
// feed too, as \n, so that no text can forge a line of its own.
QString oneLineText(QStringView text);

// A JSON string literal with its quotes, escaped as JSON requires, in UTF-8.
QByteArray jsonStringLiteral(QStringView text);

// One CSV field (RFC 4180): quoted when it holds a comma, a quote or a line break, quotes
// doubled. A text that a spreadsheet would take for a formula (first character =, +, -, @, tab
// or CR, and not a plain number such as -2.5) gets a leading apostrophe, so the spreadsheet shows
// it as the text it is; numbers stay numbers.
QString csvField(QStringView text);

// The number a text is as written: one whose number, spelled back, is the same text ("12",
// "-0.5", "3.25"), so a spreadsheet can hold it as a number cell and lose nothing; none for
// every other text ("001", "1.50", "1e3", "1-2", "12 ").
std::optional<double> numberAsWritten(QStringView text);

// Text every file format can hold: each code point XML 1.0 forbids (C0 controls but tab, LF and
// CR; a lone surrogate; U+FFFE, U+FFFF) becomes U+FFFD, the replacement character. A value that
// must stay on one line (a DXF text) loses tab, LF and CR the same way.
enum class LineBreaks { Keep, Replace };
QString writableText(QStringView text, LineBreaks lineBreaks = LineBreaks::Keep);
