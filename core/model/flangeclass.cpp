#include "core/model/flangeclass.h"

#include "core/model/sidetable.h"
#include "core/model/standard.h"
#include "core/values/numberreading.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <utility>

namespace
{

constexpr std::array Classes = {150, 300, 400, 600, 900, 1500, 2500};

// HG/T 20615's name of a class, from the standard's class_names table ("150" → "20").
std::optional<SideRow> pnNameRow(std::string_view column, const QString &value)
{
    const Standard *standard = classStandard();
    return standard ? findSideRow(*standard, "class_names", {{column, value}}) : std::nullopt;
}

} // namespace

const Standard *classStandard()
{
    for (const Standard &standard : builtInStandards())
        if (standard.ratingSystem == RatingSystem::Class)
            return &standard;
    return nullptr;
}

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
        const std::optional<SideRow> row = pnNameRow("pn", QString::number(*pn));
        const std::optional<double> flangeClass = row ? row->number("class") : std::nullopt;
        if (!flangeClass)
            return std::nullopt;
        return ClassSpelling{int(*flangeClass), true, false};
    }
    static const QRegularExpression spelled(
        QStringLiteral("^(?:(?:ANSI|ASME) *)?(?:(CLASS|CL) *\\.? *)?([0-9]{1,5}) *"
                       "(#|LBS?|磅级|磅|级)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = spelled.match(plainTypedText(text).trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const bool bare = match.captured(1).isEmpty() && match.captured(3).isEmpty() &&
                      !plainTypedText(text).contains(QLatin1String("ANSI"), Qt::CaseInsensitive) &&
                      !plainTypedText(text).contains(QLatin1String("ASME"), Qt::CaseInsensitive);
    return ClassSpelling{match.captured(2).toInt(), false, bare};
}

QString classPnName(int flangeClass)
{
    const std::optional<SideRow> row = pnNameRow("class", QString::number(flangeClass));
    const std::optional<QString> pn = row ? row->text("pn") : std::nullopt;
    return pn ? QStringLiteral("PN") + *pn : QString();
}
