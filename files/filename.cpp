#include "files/filename.h"

#include "takeoff/outputtext.h"

namespace
{

constexpr char16_t CarriedBase = 0xDC00; // U+DC80..U+DCFF carry the bytes 0x80..0xFF

bool isCarriedByte(QChar c)
{
    return c.unicode() >= CarriedBase + 0x80 && c.unicode() <= CarriedBase + 0xFF;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 (RFC 3629: no overlong form, no
// surrogate, nothing past U+10FFFF).
int sequenceLength(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : 0u; };
    const uint lead = byte(at);
    const auto continues = [&](int count, uint low, uint high) {
        if (byte(at + 1) < low || byte(at + 1) > high)
            return 0;
        for (int i = 2; i < count; ++i)
            if ((byte(at + i) & 0xC0) != 0x80)
                return 0;
        return count;
    };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continues(2, 0x80, 0xBF);
    if (lead == 0xE0)
        return continues(3, 0xA0, 0xBF);
    if (lead == 0xED)
        return continues(3, 0x80, 0x9F);
    if (lead >= 0xE1 && lead <= 0xEF)
        return continues(3, 0x80, 0xBF);
    if (lead == 0xF0)
        return continues(4, 0x90, 0xBF);
    if (lead >= 0xF1 && lead <= 0xF3)
        return continues(4, 0x80, 0xBF);
    if (lead == 0xF4)
        return continues(4, 0x80, 0x8F);
    return 0;
}

} // namespace

QString fileNameFromBytes(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        if (const int length = sequenceLength(bytes, at); length > 0) {
            name += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        } else {
            name += QChar(char16_t(CarriedBase + uchar(bytes[at++])));
        }
    }
    return name;
}

QByteArray fileNameBytes(QStringView name)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at <= name.size(); ++at) {
        const bool carried = at < name.size() && isCarriedByte(name[at]) &&
                             !(at > 0 && name[at - 1].isHighSurrogate());
        if (at < name.size() && !carried)
            continue;
        bytes += name.mid(runStart, at - runStart).toUtf8();
        if (carried)
            bytes += char(name[at].unicode() - CarriedBase);
        runStart = at + 1;
    }
    return bytes;
}

QString shownFileName(QStringView name)
{
    QString shown;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const QChar c = name[at];
        if (isCarriedByte(c) && !(at > 0 && name[at - 1].isHighSurrogate()))
            shown +=
                QStringLiteral("\\x%1").arg(c.unicode() - CarriedBase, 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return oneLineText(shown);
}
