#include "catalogue/flangemarking.h"

#include "core/values/numberreading.h"

#include <QCoreApplication>
#include <QRegularExpression>

int kindStandardNumber(FlangeKind kind)
{
    // HG 20593-97 板式平焊, HG 20594-97 带颈平焊, HG 20595-97 带颈对焊 钢制管法兰, as the standard's
    // types.csv names them. Sources: the plate window's own note ("尺寸按 HG 20593-97 标准") and
    // the title page of HG/T 20592-2009 ("代替 HG 20592～20605-1997",
    // www.renrendoc.com/p-6297819.html): the series they belong to.
    const FlangeTable *table = flangeTable(defaultStandard(), kind);
    static const QRegularExpression number(QStringLiteral("[0-9]{5}"));
    return table ? number.match(QString::fromLatin1(table->standardNumber)).captured().toInt() : 0;
}

QStringList FlangeMarking::fields() const
{
    const QString code = kindCode(kind);
    return {faceCode.isEmpty() ? code : code + u'-' + faceCode, pressure, seriesText(series),
            QString::number(dn)};
}

namespace
{

// Why the standard a marking names cannot be its kind's; none when it can. `number` and `year`
// as written ("20593", "97"; the year empty when left out).
std::optional<ValueReading<FlangeMarking>> standardRefusal(QStringView text, FlangeKind kind, int number,
                                            const QString &year)
{
    const QString named = QStringLiteral("HG %1").arg(number);
    const QString own = QString::number(kindStandardNumber(kind));
    const QString common = QString::number(CommonStandardNumber);
    const QString ownEnglish = QStringLiteral("HG %1-97 or HG %2").arg(own, common);
    if (number == CommonStandardNumber)
        return std::nullopt;
    for (FlangeKind other : AllFlangeKinds) {
        if (kindStandardNumber(other) != number)
            continue;
        if (other != kind)
            return ValueReading<FlangeMarking>::refused(
                QStringLiteral("%1: %2 is the standard of %3 flanges, not of %4: write %5")
                    .arg(quotedInput(text), named, kindCode(other), kindCode(kind), ownEnglish),
                QCoreApplication::translate(
                    "FlangeInput", "%1：%2 是%3（%4）法兰的标准，不是 %5 的：请写 HG %6-97 或 HG %7")
                    .arg(quotedInput(text), named, kindChineseName(other), kindCode(other),
                         kindCode(kind), own, common));
        if (!year.isEmpty() && year != u"97" && year != u"1997")
            return ValueReading<FlangeMarking>::refused(
                QStringLiteral("%1: %2 is of the 1997 edition only: write %3")
                    .arg(quotedInput(text), named, ownEnglish),
                QCoreApplication::translate("FlangeInput",
                                            "%1：%2 只有 1997 年版：请写 HG %3-97 或 HG %4")
                    .arg(quotedInput(text), named, own, common));
        return std::nullopt;
    }
    return ValueReading<FlangeMarking>::refused(
        QStringLiteral("%1: %2 is not a standard of PL, SO or WN flanges: write %3")
            .arg(quotedInput(text), named, ownEnglish),
        QCoreApplication::translate("FlangeInput",
                                    "%1：%2 不是 PL、SO、WN 法兰的标准：请写 HG %3-97 或 HG %4")
            .arg(quotedInput(text), named, own, common));
}

} // namespace

ValueReading<FlangeMarking> readFlangeMarking(QStringView text)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:HG(?:/T)? *([0-9]{5})(?: *- *([0-9]{2,4}))? *)?(?:法兰 *)?"
                       "(PL|SO|WN) *(?:DN *)?([0-9]{1,5}) *(?:\\( *([AB]) *\\))? *- *"
                       "(PN *)?([0-9]+(?:\\.[0-9]+)?) *(MPa|bar)?"
                       " *(?:(RF|FF|MFM|FM|M|TG|T|G|RJ)(?![A-Z]))?(?: +.*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    constexpr qsizetype Longest = 200;
    const QString plain = plainTypedText(text);
    const QRegularExpressionMatch match =
        plain.size() <= Longest ? form.match(plain) : QRegularExpressionMatch();
    if (!match.hasMatch())
        return ValueReading<FlangeMarking>::notReadable(
            QStringLiteral("%1 is no flange marking (as PL 100(B)-1.6 RF)").arg(quotedInput(text)),
            QCoreApplication::translate("FlangeInput", "%1 不是法兰标记（如 PL 100(B)-1.6 RF）")
                .arg(quotedInput(text)));
    FlangeMarking marking;
    marking.kind = *readFlangeKind(match.captured(3));
    if (match.hasCaptured(1)) {
        if (auto refusal = standardRefusal(text, marking.kind, match.captured(1).toInt(),
                                           match.captured(2)))
            return *refusal;
    }
    marking.dn = match.captured(4).toInt();
    marking.series = match.captured(5).compare(QLatin1String("B"), Qt::CaseInsensitive) == 0
                         ? PipeSeries::B
                         : PipeSeries::A;
    // The edition a marking names decides what its PN counts: MPa in 1997, bar from 2009.
    const QString year = match.captured(2);
    const bool in1997 = year == u"97" || year == u"1997" ||
                        (match.hasCaptured(1) && match.captured(1).toInt() != CommonStandardNumber);
    QString unit = match.captured(8);
    if (unit.isEmpty() && match.capturedLength(6) == 0 && in1997)
        unit = QStringLiteral("MPa");
    else if (unit.isEmpty() && match.capturedLength(6) == 0 && year == u"2009")
        unit = QStringLiteral("bar");
    marking.pressure = unit.isEmpty() ? QStringLiteral("PN") + match.captured(7)
                                      : match.captured(7) + unit;
    marking.faceCode = match.captured(9).toUpper();
    return ValueReading<FlangeMarking>::of(marking);
}
