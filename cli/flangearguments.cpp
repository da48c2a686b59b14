#include "cli/flangearguments.h"

#include "catalogue/flangeinput.h"
#include "cli/commandarguments.h"
#include "cli/textformat.h"
#include "core/values/valuetext.h"

namespace
{

// Arguments are quoted back in messages; a very long one is cut so the reason stays one line.
QString quoted(const QString &text)
{
    constexpr int Longest = 40;
    return QLatin1Char('\'') +
           (text.size() > Longest ? text.left(Longest) + QStringLiteral("...") : text) +
           QLatin1Char('\'');
}

} // namespace

FlangeKind kindArgument(const QString &text)
{
    const std::optional<FlangeKind> kind = readFlangeKind(text);
    if (!kind)
        failUsage(QStringLiteral("unknown flange kind %1 (PL, SO or WN)").arg(quoted(text)));
    return *kind;
}

PressureRating pressureArgument(FlangeKind kind, const QString &text)
{
    const std::optional<double> mpa = readPressureMpa(text);
    if (!mpa)
        failUsage(QStringLiteral("unreadable pressure %1 (MPa as 1.6, or PN16)").arg(quoted(text)));
    const std::optional<PressureRating> index = pressureIndex(kind, *mpa);
    if (!index)
        failRejected(failureLines(pressureNotListed(kind, plainNumberText(*mpa))));
    return *index;
}

FlangeRecord flangeArgument(FlangeKind kind, const QString &pressureText, int dn, PipeSeries series)
{
    const PressureRating pressure = pressureArgument(kind, pressureText);
    const std::optional<FlangeRecord> record = lookUpFlange(kind, pressure, dn, series);
    if (!record)
        failRejected(failureLines(diameterNotListed(kind, pressure, dn)));
    return *record;
}

int dnArgument(const QString &text)
{
    const std::optional<int> dn = readDnText(text);
    if (!dn)
        failUsage(QStringLiteral("unreadable DN %1 (100 or DN100)").arg(quoted(text)));
    return *dn;
}

void addFlangeOptions(CommandArguments &arguments)
{
    arguments.addOption(QStringLiteral("series"), QStringLiteral("A|B"));
    arguments.addOption(QStringLiteral("format"), QStringLiteral("text|json|csv"));
}

PipeSeries seriesOption(const CommandArguments &arguments)
{
    if (!arguments.isSet(QStringLiteral("series")))
        return SeriesA;
    const QString text = arguments.value(QStringLiteral("series"));
    const std::optional<PipeSeries> series = readSeries(text);
    if (!series)
        failUsage(QStringLiteral("unknown series %1 (A or B)").arg(quoted(text)));
    return *series;
}

OutputFormat formatOption(const CommandArguments &arguments)
{
    if (!arguments.isSet(QStringLiteral("format")))
        return OutputFormat::Text;
    const QString text = arguments.value(QStringLiteral("format"));
    const std::optional<OutputFormat> format = readOutputFormat(text);
    if (!format)
        failUsage(QStringLiteral("unknown format %1 (text, json or csv)").arg(quoted(text)));
    return *format;
}

QStringList failureLines(const LookupFailure &failure)
{
    QStringList lines;
    if (!failure.windowMessage.isEmpty())
        lines.append(failure.windowMessage);
    lines.append(failure.reason);
    return lines;
}
