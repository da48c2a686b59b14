#include "core/values/quotedinput.h"

QString quotedInput(QStringView text)
{
    constexpr qsizetype Longest = 40;
    return QLatin1Char('"') +
           (text.size() > Longest ? text.left(Longest).toString() + QStringLiteral("...")
                                  : text.toString()) +
           QLatin1Char('"');
}
