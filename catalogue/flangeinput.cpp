#include "catalogue/flangeinput.h"

#include "core/values/numberreading.h"

#include <QRegularExpression>
#include <cmath>

namespace
{

// Pressures are compared in hundredths of a MPa, the finest step any list has.
std::optional<long long> hundredths(double mpa)
{
    const double scaled = mpa * 100;
    const double rounded = std::round(scaled);
    if (!std::isfinite(scaled) || std::abs(scaled - rounded) > 1e-6 || std::abs(rounded) > 1e12)
        return std::nullopt;
    return static_cast<long long>(rounded);
}

QString joined(const QList<int> &numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts.append(QString::number(n));
    return texts.join(QStringLiteral(", "));
}

} // namespace

std::optional<FlangeKind> readFlangeKind(QStringView text)
{
    const QString t = text.trimmed().toString();
    for (FlangeKind kind : AllFlangeKinds) {
        if (t.compare(kindCode(kind), Qt::CaseInsensitive) == 0 || t == kindChineseName(kind))
            return kind;
    }
    return std::nullopt;
}

std::optional<double> readPressureMpa(QStringView text)
{
    static const QRegularExpression form(QStringLiteral("^(PN)?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString t = text.trimmed().toString();
    const QRegularExpressionMatch match = form.match(t);
    if (!match.hasMatch() || t.size() > 40)
        return std::nullopt;
    const double value = readNumber(match.captured(2));
    return match.capturedLength(1) > 0 ? value / 10 : value;
}

std::optional<PressureIndex> pressureIndex(FlangeKind kind, double mpa)
{
    const std::optional<long long> wanted = hundredths(mpa);
    if (!wanted)
        return std::nullopt;
    const QStringList texts = pressureTexts(kind);
    for (int i = 0; i < texts.size(); ++i) {
        if (hundredths(readNumber(texts[i])) == wanted)
            return i;
    }
    return std::nullopt;
}

std::optional<int> readDnText(QStringView text)
{
    static const QRegularExpression form(QStringLiteral("^(DN)?([0-9]{1,9})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    // The windows' DN reading decides; a DN too large for it is simply not listed.
    const std::optional<NominalDiameter> dn = readNominalDiameter(match.captured(2));
    return dn ? int(*dn) : match.captured(2).toInt();
}

std::optional<PipeSeries> readSeries(QStringView text)
{
    const QString t = text.trimmed().toString();
    if (t.compare(QLatin1String("A"), Qt::CaseInsensitive) == 0)
        return PipeSeries::A;
    if (t.compare(QLatin1String("B"), Qt::CaseInsensitive) == 0)
        return PipeSeries::B;
    return std::nullopt;
}

QString seriesText(PipeSeries series)
{
    return series == PipeSeries::B ? QStringLiteral("B") : QStringLiteral("A");
}

LookupFailure pressureNotListed(FlangeKind kind, QStringView pressureText)
{
    // The windows say it when no pressure is chosen; the weld-neck window says nothing.
    const QString message = kind == FlangeKind::Plate ? QStringLiteral("压力不对，从新输入！")
                            : kind == FlangeKind::SlipOn
                                ? QStringLiteral("公称压力不对，请从新输入！")
                                : QString();
    return {message, QStringLiteral("pressure %1 MPa is not listed for %2; listed: %3")
                         .arg(pressureText.toString(), kindCode(kind),
                              pressureTexts(kind).join(QStringLiteral(", ")))};
}

LookupFailure diameterNotListed(FlangeKind kind, PressureIndex pressure, int dn)
{
    const QString message = kind == FlangeKind::Plate ? QStringLiteral("请从新输入公称直径！")
                            : kind == FlangeKind::SlipOn
                                ? QStringLiteral("公称直径不对，请从新输入！")
                                : QStringLiteral("请确认公称通径！");
    return {message,
            QStringLiteral("DN %1 is not listed for %2 at %3 MPa; listed: %4")
                .arg(QString::number(dn), kindCode(kind), pressureTexts(kind).value(pressure),
                     joined(listedDiameters(kind, pressure)))};
}
