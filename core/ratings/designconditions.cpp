#include "core/ratings/designconditions.h"

#include "core/values/numberreading.h"
#include "core/values/quotedinput.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace
{

const QString Number = QStringLiteral("([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+))");

// The text in plain form, the minus sign − as the hyphen a number reads.
QString plain(QStringView text)
{
    return plainTypedText(text).replace(QChar(0x2212), u'-');
}

// The number a match captured, when it is finite.
std::optional<double> finiteNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value + 0.0; // no "-0"
}

} // namespace

RatingAnswer<double> readTemperatureC(QStringView text)
{
    static const QRegularExpression celsius(QStringLiteral("^%1 *(?:°C|℃|°|C|degC)?$").arg(Number),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression fahrenheit(QStringLiteral("^%1 *(?:°F|℉|F|degF)$").arg(Number),
                                               QRegularExpression::CaseInsensitiveOption);
    const QString given = plain(text);
    const QRegularExpressionMatch match = celsius.match(given);
    if (match.hasMatch())
        if (const std::optional<double> value = finiteNumber(match.captured(1)))
            return RatingAnswer<double>::of(*value);
    if (fahrenheit.match(given).hasMatch())
        return RatingAnswer<double>::notReadable(
            QStringLiteral("temperature %1 is in °F: write it in °C").arg(quotedInput(given)),
            QCoreApplication::translate("PressureRating", "温度 %1 是华氏度：请写摄氏度")
                .arg(quotedInput(given)));
    return RatingAnswer<double>::notReadable(
        QStringLiteral("temperature %1 is not a temperature (250, 250°C, -20℃)")
            .arg(quotedInput(given)),
        QCoreApplication::translate("PressureRating", "温度 %1 不是温度（250、250°C、-20℃）")
            .arg(quotedInput(given)));
}

RatingAnswer<double> readDesignPressureBar(QStringView text)
{
    static const QRegularExpression pressure(
        QStringLiteral("^%1 *(MPa|bar|kgf/cm2|kgf/cm²|kg/cm2|kg/cm²|公斤)? *(?:G|\\(G\\))?$")
            .arg(Number),
        QRegularExpression::CaseInsensitiveOption);
    const QString given = plain(text);
    const QRegularExpressionMatch match = pressure.match(given);
    const std::optional<double> value =
        match.hasMatch() ? finiteNumber(match.captured(1)) : std::nullopt;
    if (!value)
        return RatingAnswer<double>::notReadable(
            QStringLiteral("design pressure %1 is not a pressure in MPa, bar or kgf/cm² "
                           "(4.0, 4MPa, 40bar)")
                .arg(quotedInput(given)),
            QCoreApplication::translate(
                "PressureRating",
                "设计压力 %1 不是以 MPa、bar 或 kgf/cm² 表示的压力（4.0、4MPa、40bar）")
                .arg(quotedInput(given)));
    if (*value < 0)
        return RatingAnswer<double>::refused(
            QStringLiteral("design pressure %1 is below zero: the ratings are gauge pressures")
                .arg(quotedInput(given)),
            QCoreApplication::translate("PressureRating", "设计压力 %1 小于零：额定值是表压")
                .arg(quotedInput(given)));
    const QString unit = match.captured(2).toLower();
    if (unit == QLatin1String("bar"))
        return RatingAnswer<double>::of(*value);
    if (unit.isEmpty() || unit == QLatin1String("mpa"))
        return RatingAnswer<double>::of(*value * 10);
    return RatingAnswer<double>::of(*value * 0.980665);
}
