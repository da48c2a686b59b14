#include "takeoff/outputtext.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace
{

// East Asian Wide and Fullwidth blocks (Unicode UAX #11), enough for Chinese, Japanese, Korean
// and full-width forms.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

int displayWidth(QStringView text)
{
    int width = 0;
    for (char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

QByteArray jsonStringLiteral(QStringView text)
{
    // QJsonDocument does the escaping; the array's brackets are taken off again.
    const QByteArray array =
        QJsonDocument(QJsonArray{text.toString()}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}
