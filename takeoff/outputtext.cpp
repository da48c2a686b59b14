#include "takeoff/outputtext.h"

#include "core/values/valuetext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

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

// -2, 3.5, +1e3, .5: what a spreadsheet reads as a number, not as a formula.
bool isPlainNumber(QStringView text)
{
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i - from;
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

// A character a terminal acts on rather than shows (terminalText()).
bool acts(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || c == 0x200e || c == 0x200f ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

enum class LineFeeds { Keep, Escape };

QString escapedActing(QStringView text, LineFeeds lineFeeds)
{
    const auto shownAsIs = [lineFeeds](QChar c) {
        return !acts(c.unicode()) || (c == u'\n' && lineFeeds == LineFeeds::Keep);
    };
    if (std::all_of(text.begin(), text.end(), shownAsIs))
        return text.toString();
    QString shown;
    shown.reserve(text.size() + 8);
    for (QChar c : text) {
        if (shownAsIs(c))
            shown += c;
        else if (c == u'\n')
            shown += QLatin1String("\\n");
        else if (c == u'\r')
            shown += QLatin1String("\\r");
        else if (c == u'\t')
            shown += QLatin1String("\\t");
        else if (c.unicode() < 0x80)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

bool startsLikeFormula(QStringView text)
{
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()) &&
           !isPlainNumber(text);
}

} // namespace

int displayWidth(QStringView text)
{
    int width = 0;
    for (char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

QString terminalText(QStringView text)
{
    return escapedActing(text, LineFeeds::Keep);
}

QString oneLineText(QStringView text)
{
    return escapedActing(text, LineFeeds::Escape);
}

QByteArray jsonStringLiteral(QStringView text)
{
    // QJsonDocument does the escaping; the array's brackets are taken off again.
    const QByteArray array =
        QJsonDocument(QJsonArray{text.toString()}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QString csvField(QStringView text)
{
    QString field = startsLikeFormula(text) ? QLatin1Char('\'') + text.toString() : text.toString();
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

std::optional<double> numberAsWritten(QStringView text)
{
    // Longer digit strings than a double's shortest form never spell back the same.
    constexpr qsizetype Longest = 24;
    const auto numeric = [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'-' || c == u'.'; };
    if (text.isEmpty() || text.size() > Longest || !std::all_of(text.begin(), text.end(), numeric))
        return std::nullopt;
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || plainNumberText(number) != text)
        return std::nullopt;
    return number;
}

QString writableText(QStringView text, LineBreaks lineBreaks)
{
    QString writable = text.toString();
    const bool keepBreaks = lineBreaks == LineBreaks::Keep;
    for (qsizetype i = 0; i < writable.size(); ++i) {
        const char16_t c = writable[i].unicode();
        bool forbidden = c == 0xFFFE || c == 0xFFFF ||
                         (c < 0x20 && !(keepBreaks && (c == u'\t' || c == u'\n' || c == u'\r')));
        if (QChar::isHighSurrogate(c) && i + 1 < writable.size() &&
            QChar::isLowSurrogate(writable[i + 1].unicode()))
            ++i; // a pair: one code point
        else if (QChar::isSurrogate(c))
            forbidden = true;
        if (forbidden)
            writable[i] = QChar(QChar::ReplacementCharacter);
    }
    return writable;
}
