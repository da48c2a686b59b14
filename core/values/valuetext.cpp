#include "core/values/valuetext.h"

#include "core/values/workingvalue.h"

#include <QLocale>
#include <cmath>

QString plainNumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString resultText(double value)
{
    if (!std::isfinite(value))
        return {};

    // The 15 significant digits d0.d1...d14 and the decimal exponent of the value.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype ePos = scientific.indexOf(u'e');
    QString digits = scientific.left(ePos);
    digits.remove(u'.');
    const int exponent = scientific.mid(ePos + 1).toInt();

    // Place the point: `integerDigits` digits stand before it.
    int integerDigits = exponent + 1;
    if (integerDigits < 1) {
        digits.prepend(QString(1 - integerDigits, u'0'));
        integerDigits = 1;
    }
    const int kept = integerDigits + 2;
    if (digits.size() < kept + 1)
        digits.append(QString(kept + 1 - digits.size(), u'0'));

    // Keep two decimals; a following 5 or more rounds the magnitude up.
    const bool roundUp = digits.at(kept) >= u'5';
    digits.truncate(kept);
    if (roundUp) {
        int i = kept - 1;
        for (; i >= 0 && digits.at(i) == u'9'; --i)
            digits[i] = u'0';
        if (i >= 0) {
            digits[i] = QChar(digits.at(i).unicode() + 1);
        } else {
            digits.prepend(u'1');
            ++integerDigits;
        }
    }

    QString text = digits.left(integerDigits) + u'.' + digits.mid(integerDigits);
    // Strip superfluous leading zeros of the integer part, keeping one.
    while (text.size() > 4 && text.at(0) == u'0' && text.at(1) != u'.')
        text.remove(0, 1);
    const bool isZero = text.count(u'0') == text.size() - 1;
    if (value < 0 && !isZero)
        text.prepend(u'-');
    return text;
}

QString boltHoleCallout(const WorkingValue &count, const WorkingValue &holeDiameter)
{
    return count.text() + QStringLiteral("-φ") + holeDiameter.text();
}
