#include "core/values/numberreading.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace
{

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c, int base)
{
    switch (base) {
    case 8:
        return c >= u'0' && c <= u'7';
    case 16:
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    default:
        return c >= u'0' && c <= u'9';
    }
}

// The text with blanks, tabs and line feeds taken out, as plain characters.
std::u16string withoutBlanks(QStringView text)
{
    std::u16string out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!isSkipped(c))
            out.push_back(c.unicode());
    return out;
}

double readPrefixedInteger(const std::u16string &s, std::size_t pos, int base)
{
    double value = 0;
    for (; pos < s.size() && isDigit(s[pos], base); ++pos) {
        const char16_t c = s[pos];
        const int digit = c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10;
        value = value * base + digit;
    }
    return value;
}

// A decimal number of ASCII sign, digits, point and exponent, read whatever locale the
// application runs in. from_chars takes no plus sign; it leaves a number beyond the range of a
// double to its caller, and strtod in the C locale gives those the values it always gave them
// (infinity with the sign, or the nearest tiny value or zero).
double parseDecimal(const std::string &ascii)
{
    const char *first = ascii.data();
    const char *last = first + ascii.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return strtod_l(ascii.c_str(), nullptr, cLocale);
    }
    return error == std::errc() ? value : 0;
}

} // namespace

QString plainTypedText(QStringView text)
{
    // U+FF01..U+FF5E are ASCII's printable characters at a fixed distance; U+3000 is the space.
    QString plain = text.toString();
    for (QChar &c : plain) {
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
            c = QChar(char16_t(c.unicode() - 0xFEE0));
        else if (c.unicode() == 0x3000)
            c = u' ';
    }
    return plain.trimmed();
}

ForeignDigit foreignDigit(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (c < 0x80 || (c >= 0xFF10 && c <= 0xFF19) || QChar::digitValue(c) < 0)
            continue;
        switch (QChar::decompositionTag(c)) {
        case QChar::Super:
            return ForeignDigit::Superscript;
        case QChar::Sub:
            return ForeignDigit::Subscript;
        case QChar::Circle:
            return ForeignDigit::Circled;
        default:
            return ForeignDigit::Other;
        }
    }
    return ForeignDigit::None;
}

QString dnNumberText(QStringView text)
{
    QString plain = plainTypedText(text);
    if (plain.startsWith(QLatin1String("DN"), Qt::CaseInsensitive))
        plain = plain.mid(2).trimmed();
    if (plain.endsWith(QLatin1String("mm"), Qt::CaseInsensitive))
        plain = plain.chopped(2).trimmed();
    return plain;
}

double readNumber(QStringView text)
{
    const std::u16string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == u'&') {
        if (s[1] == u'H' || s[1] == u'h')
            return readPrefixedInteger(s, 2, 16);
        if (s[1] == u'O' || s[1] == u'o')
            return readPrefixedInteger(s, 2, 8);
    }

    // The longest leading decimal number: sign, digits, one point, an exponent with digits.
    std::string number;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-'))
        number.push_back(char(s[pos++]));
    bool mantissaDigits = false;
    for (; pos < s.size() && isDigit(s[pos], 10); ++pos, mantissaDigits = true)
        number.push_back(char(s[pos]));
    if (pos < s.size() && s[pos] == u'.') {
        number.push_back('.');
        for (++pos; pos < s.size() && isDigit(s[pos], 10); ++pos, mantissaDigits = true)
            number.push_back(char(s[pos]));
    }
    if (!mantissaDigits)
        return 0;
    if (pos < s.size() && (s[pos] == u'E' || s[pos] == u'e')) {
        std::size_t exponentPos = pos + 1;
        std::string exponent = "e";
        if (exponentPos < s.size() && (s[exponentPos] == u'+' || s[exponentPos] == u'-'))
            exponent.push_back(char(s[exponentPos++]));
        bool exponentDigits = false;
        for (; exponentPos < s.size() && isDigit(s[exponentPos], 10);
             ++exponentPos, exponentDigits = true)
            exponent.push_back(char(s[exponentPos]));
        if (exponentDigits)
            number += exponent;
    }
    return parseDecimal(number);
}

std::optional<NominalDiameter> readNominalDiameter(QStringView text)
{
    const double value = readNumber(dnNumberText(text));
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<NominalDiameter>::min() ||
        rounded > std::numeric_limits<NominalDiameter>::max())
        return std::nullopt;
    return static_cast<NominalDiameter>(rounded);
}
