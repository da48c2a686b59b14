// Reading a class and a pipe size as written (classseries.h).
#include "catalogue/classseries.h"

#include "core/values/numberreading.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace
{

QRegularExpressionMatch wholeMatch(const char *pattern, const QString &text)
{
    const QRegularExpression form(QStringLiteral("^(?:%1)$").arg(QString::fromUtf8(pattern)),
                                  QRegularExpression::CaseInsensitiveOption);
    // Longer texts are no class or size; the limit keeps the expressions cheap.
    return text.size() > 40 ? QRegularExpressionMatch() : form.match(text);
}

QString classList(FlangeKind kind)
{
    QStringList texts;
    for (const Rating &rating : classRatings(kind))
        texts.append(ratingText(rating));
    return texts.join(QStringLiteral(", "));
}

// The class a text names outright: "Class 150", "CL150", "150#", "150LB", or a bare number that
// is a class of the series; the class HG/T 20615 names "PN20" separately (pnName set).
struct ClassSpelling {
    int value = 0;
    bool pnName = false;
};

std::optional<ClassSpelling> classSpelling(const QString &plain)
{
    QRegularExpressionMatch match = wholeMatch("(?:class|cl)[ .-]*([0-9]{1,5})|([0-9]{1,5}) *"
                                               "(?:#|lbs?|磅(?:级)?|级)",
                                               plain);
    if (match.hasMatch())
        return ClassSpelling{(match.captured(1) + match.captured(2)).toInt(), false};
    const Standard *standard = classStandard();
    if (!standard)
        return std::nullopt;
    const auto isClass = [](int value) {
        for (FlangeKind kind : {FlangeKind::WeldNeck, FlangeKind::SlipOn, FlangeKind::Blind})
            if (classRatings(kind).contains(Rating{RatingSystem::Class, double(value)}))
                return true;
        return false;
    };
    match = wholeMatch("([0-9]{1,5})", plain);
    if (match.hasMatch() && isClass(match.captured(1).toInt()))
        return ClassSpelling{match.captured(1).toInt(), false};
    match = wholeMatch("PN *([0-9]{1,5})", plain);
    if (match.hasMatch())
        for (int value : {150, 300, 600, 900, 1500, 2500})
            if (classPnName({RatingSystem::Class, double(value)}) ==
                QStringLiteral("PN") + match.captured(1))
                return ClassSpelling{value, true};
    return std::nullopt;
}

} // namespace

std::optional<ValueReading<Rating>> readClassRating(FlangeKind kind, QStringView text)
{
    const QString plain = plainTypedText(text).trimmed();
    const std::optional<ClassSpelling> spelling = classSpelling(plain);
    if (!spelling)
        return std::nullopt;
    const Rating rating{RatingSystem::Class, double(spelling->value)};
    // A kind the Class series does not have keeps the PN series' reading of a PN.
    if (classRatings(kind).isEmpty() && spelling->pnName)
        return std::nullopt;
    if (spelling->pnName && readPressure(kind, text))
        return ValueReading<Rating>::refused(
            QStringLiteral("%1 could be Class %2 (HG/T 20615) or PN %3 MPa (%4): write CL%2 or "
                           "%3MPa")
                .arg(quotedInput(text), ratingText(rating),
                     ratingText(*readPressure(kind, text)), kindCode(kind)),
            QCoreApplication::translate("FlangeInput",
                                        "%1 可能是 Class %2（HG/T 20615）或 PN %3 MPa：请写 CL%2 或 %3MPa")
                .arg(quotedInput(text), ratingText(rating), ratingText(*readPressure(kind, text))));
    if (classRatings(kind).isEmpty())
        return ValueReading<Rating>::refused(
            QStringLiteral("%1 is a class: the Class series (ASME B16.5) has no %2 flanges; it "
                           "lists WN, SO and BL")
                .arg(quotedInput(text), kindCode(kind)),
            QCoreApplication::translate("FlangeInput",
                                        "%1 是 Class 等级：Class 系列（ASME B16.5）没有 %2 法兰，只有 "
                                        "WN、SO、BL")
                .arg(quotedInput(text), kindCode(kind)));
    if (!classRatings(kind).contains(rating))
        return ValueReading<Rating>::refused(
            QStringLiteral("Class %1 is not listed for %2; listed: %3")
                .arg(spelling->value)
                .arg(kindCode(kind), classList(kind)),
            QCoreApplication::translate("FlangeInput", "%2 没有 Class %1；有：%3")
                .arg(spelling->value)
                .arg(kindCode(kind), classList(kind).replace(QStringLiteral(", "),
                                                             QStringLiteral("、"))));
    return ValueReading<Rating>::of(rating);
}

ValueReading<NominalSize> readPipeSize(QStringView text)
{
    QString plain = plainTypedText(text).trimmed();
    // Fractions as one character ("1½") and the inch marks as typed or set.
    plain.replace(QStringLiteral("¼"), QStringLiteral(" 1/4"))
        .replace(QStringLiteral("½"), QStringLiteral(" 1/2"))
        .replace(QStringLiteral("¾"), QStringLiteral(" 3/4"))
        .replace(QChar(0x201D), u'"')
        .replace(QChar(0x2033), u'"')
        .replace(QStringLiteral("''"), QStringLiteral("\""));
    plain = plain.trimmed();
    const QRegularExpressionMatch match =
        wholeMatch("(NPS *)?(?:([0-9]{1,3})(?:[- ]+([0-9])/([0-9]))?|([0-9])/([0-9])|"
                   "([0-9]{1,3}\\.[0-9]+)) *(\"|in|inch|inches|英寸|吋)?",
                   plain);
    // An NPS by its prefix, its inch mark or its fraction; a bare number is a DN.
    const bool inches = match.hasMatch() && (match.capturedLength(1) || match.capturedLength(8) ||
                                             match.capturedLength(3) || match.capturedLength(5));
    if (!inches) {
        const ValueReading<int> dn = readDnText(text);
        if (dn.unreadable)
            return ValueReading<NominalSize>::notReadable(
                QStringLiteral("size %1 is neither an NPS (4\", 4in, 1-1/2\") nor a DN (DN100)")
                    .arg(quotedInput(text)),
                QCoreApplication::translate("FlangeInput",
                                            "尺寸 %1 既不是 NPS（4\"、4in、1-1/2\"）也不是 DN（DN100）")
                    .arg(quotedInput(text)));
        if (!dn)
            return ValueReading<NominalSize>::refused(dn.reason, dn.text);
        return ValueReading<NominalSize>::of({NominalDiameter(*dn), 0});
    }
    double inchesValue = 0;
    if (match.capturedLength(7))
        inchesValue = readNumber(match.captured(7));
    else if (match.capturedLength(5))
        inchesValue = match.captured(5).toDouble() / match.captured(6).toDouble();
    else
        inchesValue = match.captured(2).toDouble() +
                      (match.capturedLength(3) ? match.captured(3).toDouble() /
                                                     match.captured(4).toDouble()
                                               : 0.0);
    const double quarters = inchesValue * 4;
    if (quarters < 1 || quarters > 4 * 100 || quarters != std::floor(quarters))
        return ValueReading<NominalSize>::refused(
            QStringLiteral("NPS %1 is no pipe size in quarter inches").arg(quotedInput(text)),
            QCoreApplication::translate("FlangeInput", "NPS %1 不是以 1/4 英寸计的管子尺寸")
                .arg(quotedInput(text)));
    return ValueReading<NominalSize>::of({0, std::int16_t(quarters)});
}

LookupFailure classSizeNotListed(FlangeKind kind, const Rating &rating, const NominalSize &size)
{
    QStringList listed;
    for (const NominalSize &s : classSizes(kind, rating))
        listed.append(npsText(s.npsQuarters));
    const QString asked = size.npsQuarters ? QStringLiteral("NPS ") + npsText(size.npsQuarters)
                                           : QStringLiteral("DN %1").arg(size.dn);
    return {{},
            QStringLiteral("%1 is not listed for %2 at Class %3; listed: NPS %4")
                .arg(asked, kindCode(kind), ratingText(rating), listed.join(QStringLiteral(", "))),
            QCoreApplication::translate("FlangeInput", "%2 在 Class %3 下没有 %1；有：NPS %4")
                .arg(asked, kindCode(kind), ratingText(rating),
                     listed.join(QStringLiteral("、")))};
}

LookupFailure onlyInClassSeries(FlangeKind kind)
{
    return {{},
            QStringLiteral("the PN series' %1 flanges are not included yet; the Class series lists "
                           "them (%1 CL150 4\")")
                .arg(kindCode(kind)),
            QCoreApplication::translate("FlangeInput",
                                        "PN 系列的 %1 法兰暂未收录；Class 系列有（%1 CL150 4\"）")
                .arg(kindCode(kind))};
}
