#pragma once

#include <QByteArray>
#include <QStringView>

// Texts that both the take-off writers and the command line's other outputs write: aligned
// columns for a terminal, and string literals for JSON.

// Terminal columns a text takes: CJK and full-width characters take two.
int displayWidth(QStringView text);

// A JSON string literal with its quotes, escaped as JSON requires, in UTF-8.
QByteArray jsonStringLiteral(QStringView text);
