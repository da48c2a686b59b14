#include "core/model/flangeclass.h"

#include "core/values/numberreading.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <utility>

namespace
{

constexpr std::array Classes = {150, 300, 400, 600, 900, 1500, 2500};

// HG/T 20615's names of the classes it makes (its Class series has no Class 400).
constexpr std::array<std::pair<int, int>, 6> PnNames = {
    {{150, 20}, {300, 50}, {600, 110}, {900, 150}, {1500, 260}, {2500, 420}}};

} // namespace

bool isFlangeClass(int number)
{
    return std::ranges::find(Classes, number) != Classes.end();
}

std::optional<int> pnNumber(QStringView text)
{
    static const QRegularExpression pn(QStringLiteral("^PN *([0-9]{1,5})$"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pn.match(plainTypedText(text));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

std::optional<ClassSpelling> readClassSpelling(QStringView text)
{
    if (const std::optional<int> pn = pnNumber(text)) {
        for (const auto &[flangeClass, name] : PnNames)
            if (name == *pn)
                return ClassSpelling{flangeClass, true};
        return std::nullopt;
    }
    static const QRegularExpression spelled(
        QStringLiteral("^(?:(?:ANSI|ASME) *)?(?:(?:CLASS|CL) *\\.? *)?([0-9]{1,5}) *(?:#|LBS?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = spelled.match(plainTypedText(text));
    if (!match.hasMatch())
        return std::nullopt;
    return ClassSpelling{match.captured(1).toInt(), false};
}

QString classPnName(int flangeClass)
{
    for (const auto &[number, name] : PnNames)
        if (number == flangeClass)
            return QStringLiteral("PN%1").arg(name);
    return {};
}
