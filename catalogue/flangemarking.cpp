#include "catalogue/flangemarking.h"

#include "core/values/numberreading.h"

#include <QCoreApplication>
#include <QRegularExpression>

QStringList FlangeMarking::fields() const
{
    const QString code = kindCode(kind);
    return {faceCode.isEmpty() ? code : code + u'-' + faceCode, pressure, seriesText(series),
            QString::number(dn)};
}

ValueReading<FlangeMarking> readFlangeMarking(QStringView text)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:HG(?:/T)? *20592(?:-[0-9]+)? *)?(?:法兰 *)?"
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
    marking.kind = *readFlangeKind(match.captured(1));
    marking.dn = match.captured(2).toInt();
    marking.series = match.captured(3).compare(QLatin1String("B"), Qt::CaseInsensitive) == 0
                         ? PipeSeries::B
                         : PipeSeries::A;
    const QString unit = match.captured(6);
    marking.pressure = unit.isEmpty() ? QStringLiteral("PN") + match.captured(5)
                                      : match.captured(5) + unit;
    marking.faceCode = match.captured(7).toUpper();
    return ValueReading<FlangeMarking>::of(marking);
}
