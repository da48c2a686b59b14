#include "cli/flangearguments.h"

#include "catalogue/classmarking.h"
#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "catalogue/sealingfaces.h"
#include "cli/commandarguments.h"
#include "cli/textformat.h"
#include "core/model/rules.h"
#include "core/values/numberreading.h"

#include <QRegularExpression>

namespace
{

// The value read, or the program ends: a text that is no such value is a usage error, a value
// that cannot be taken as written is rejected with the window's message when it has one.
template <typename T> T accepted(const ValueReading<T> &reading)
{
    if (reading)
        return *reading;
    if (reading.unreadable)
        failUsage(reading.reason);
    failRejected(failureLines({reading.windowMessage, reading.reason, reading.text}));
}

} // namespace

FlangeKind kindArgument(const QString &text)
{
    return accepted(readFlangeKind(text));
}

Rating pressureArgument(FlangeKind kind, const QString &text)
{
    return accepted(readPressure(kind, text));
}

void checkFace(FlangeKind kind, const Rating &rating, const QString &kindText)
{
    const QString face = sealingFace(kindFaceCode(kindText));
    if (face.isEmpty())
        return;
    if (const std::optional<LookupFailure> refused = faceNotListed(kind, rating, face))
        failRejected(failureLines(*refused));
}

FlangeRecord flangeArgument(const QString &kindText, const QString &pressureText, int dn,
                            PipeSeries series)
{
    const FlangeKind kind = kindArgument(kindText);
    const Rating rating = pressureArgument(kind, pressureText);
    checkFace(kind, rating, kindText);
    const std::optional<FlangeRecord> record = lookUpFlange(kind, rating, dn, series);
    if (!record)
        failRejected(failureLines(diameterNotListed(kind, rating, dn)));
    // A size the table leaves without a form in the series (its cells "-") is no flange.
    if (!record->weightKg)
        failRejected(failureLines(seriesFormMissing(kind, record->pressureText, dn, series)));
    return *record;
}

FlangeKind anyKindArgument(const QString &text)
{
    return accepted(readAnyFlangeKind(text));
}

std::optional<Rating> classArgument(FlangeKind kind, const QString &text)
{
    const std::optional<ValueReading<Rating>> rating = readClassRating(kind, text);
    if (!rating)
        return std::nullopt;
    return accepted(*rating);
}

QString classOptions(const QString &kindText, FlangeKind kind, const CommandArguments &arguments)
{
    static const QRegularExpression face(QStringLiteral("^(?:PL|SO|WN|BL)[-/ ]*([A-Z]+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = face.match(plainTypedText(kindText).trimmed());
    if (match.hasMatch() && match.captured(1).toUpper() != u"RF")
        failRejected({QStringLiteral("the Class series' tables are for the raised face (RF), not "
                                     "%1")
                          .arg(match.captured(1).toUpper())});
    if (arguments.isSet(QStringLiteral("series")))
        failUsage(QStringLiteral("--series is the PN series' pipe series; the Class series has "
                                 "none"));
    if (!arguments.isSet(QStringLiteral("schedule")))
        return QString(DefaultSchedule.toString());
    if (kind != FlangeKind::WeldNeck)
        failUsage(QStringLiteral("--schedule is the bore of a weld-neck flange (WN)"));
    return accepted(readSchedule(arguments.value(QStringLiteral("schedule"))));
}

void refuseSchedule(const CommandArguments &arguments)
{
    if (arguments.isSet(QStringLiteral("schedule")))
        failUsage(QStringLiteral("--schedule is for the Class series' weld-neck flanges "
                                 "(WN CL150 4\")"));
}

CommandOption scheduleOptionEntry()
{
    return {{QStringLiteral("schedule")},
            QStringLiteral("STD|XS|40|80|10S|40S|80S"),
            helpSource(QT_TRANSLATE_NOOP("CommandHelp",
                                         "Class 系列带颈对焊法兰的内径按哪个管子表号（默认 STD）"))};
}

FlangeRecord classFlangeArgument(FlangeKind kind, const Rating &rating, const QString &sizeText,
                                 const QString &schedule)
{
    const NominalSize size = accepted(readPipeSize(sizeText));
    const std::optional<FlangeRecord> record = lookUpClassFlange(kind, rating, size, schedule);
    if (!record)
        failRejected(failureLines(classSizeNotListed(kind, rating, size)));
    return *record;
}

int dnArgument(const QString &text)
{
    return accepted(readDnText(text));
}

CommandPositional kindPositional()
{
    return {QStringLiteral("KIND"),
            helpSource(
                QT_TRANSLATE_NOOP("CommandHelp", "PL、SO 或 WN（大小写均可，也可写 WN-RF），\n或 "
                                                 "板式平焊、带颈平焊、带颈对焊（法兰）"))};
}

CommandPositional pressurePositional()
{
    return {QStringLiteral("PN"),
            helpSource(QT_TRANSLATE_NOOP(
                "CommandHelp", "公称压力：MPa（1.6、1.6MPa）、bar（16bar）或 "
                               "PN16（按该类型所列的读作\nbar 或 MPa，两者都列时拒绝）"))};
}

CommandPositional dnPositional()
{
    return {QStringLiteral("DN"),
            helpSource(QT_TRANSLATE_NOOP("CommandHelp", "公称直径（100、DN100 或 100mm）"))};
}

CommandPositional classKindPositional()
{
    CommandPositional kind = kindPositional();
    kind.description = helpSource(QT_TRANSLATE_NOOP(
        "CommandHelp",
        "PL、SO 或 WN（大小写均可，也可写 WN-RF），\n或 板式平焊、带颈平焊、带颈对焊（法兰）；\n"
        "Class 系列另有 BL（法兰盖）"));
    return kind;
}

CommandPositional classRatingPositional()
{
    CommandPositional pressure = pressurePositional();
    pressure.description = helpSource(QT_TRANSLATE_NOOP(
        "CommandHelp", "公称压力（见 table --help），或 Class 等级：150、Class 150、CL150、\n"
                       "150#、150LB 或 HG/T 20615 的 PN20、PN50、PN110、PN150、PN260、PN420"));
    return pressure;
}

CommandPositional pipeSizePositional()
{
    CommandPositional dn = dnPositional();
    dn.description = helpSource(
        QT_TRANSLATE_NOOP("CommandHelp", "公称直径（100、DN100 或 100mm）；Class 系列也可写 NPS：\n"
                                         "4\"、4in、NPS 4、1-1/2\"、1½\""));
    return dn;
}

CommandOption seriesOptionEntry()
{
    return {{QStringLiteral("series")},
            QStringLiteral("A|B"),
            helpSource(QT_TRANSLATE_NOOP("CommandHelp", "管子系列 A（默认）或 B"))};
}

CommandOption formatOptionEntry(const QString &description)
{
    return {{QStringLiteral("format")}, QStringLiteral("text|json|csv"), description};
}

PipeSeries seriesOption(const CommandArguments &arguments)
{
    if (!arguments.isSet(QStringLiteral("series")))
        return PipeSeries::A;
    const QString text = arguments.value(QStringLiteral("series"));
    return accepted(readSeries(text));
}

OutputFormat formatOption(const CommandArguments &arguments)
{
    if (!arguments.isSet(QStringLiteral("format")))
        return OutputFormat::Text;
    const QString text = arguments.value(QStringLiteral("format"));
    const std::optional<OutputFormat> format = readOutputFormat(text);
    if (!format)
        failUsage(QStringLiteral("unknown format %1 (text, json or csv)").arg(quotedInput(text)));
    return *format;
}

QStringList failureLines(const LookupFailure &failure)
{
    // A refusal is one line on the terminal, like every other failure.
    if (failure.windowMessage.isEmpty())
        return {failure.reason};
    return {failure.windowMessage + u' ' + failure.reason};
}
