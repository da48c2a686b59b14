#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// File names as the system has them: bytes, most often UTF-8 but not always (a GB18030 name, a
// stray byte). Qt reads a name's bytes as UTF-8 and turns the rest into U+FFFD, which names
// another file; here each byte that is no part of UTF-8 is carried as U+DC80..U+DCFF (a lone
// surrogate, which no UTF-8 text holds), so that a name opens the very file it was given as.

// The text of a name given as bytes (a command's argument).
QString fileNameFromBytes(const QByteArray &bytes);
// The bytes of a name, its carried bytes as they were.
QByteArray fileNameBytes(QStringView name);
// A name for a one-line message: a carried byte as \xff, every control character (a line break
// too) escaped, so that a name can neither break the message nor drive the terminal.
QString shownFileName(QStringView name);
