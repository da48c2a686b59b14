#include "catalogue/flangeinput.h"

#include "core/kinds/querymessages.h"
#include "core/values/numberreading.h"
#include "core/values/valuetext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace
{

// Longer texts are no value of any kind; the limit keeps the regular expressions cheap.
constexpr qsizetype LongestValue = 40;

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

// A match of a whole text no longer than any value is.
bool matches(const QRegularExpression &form, const QString &text, QRegularExpressionMatch *match)
{
    if (text.size() > LongestValue)
        return false;
    *match = form.match(text);
    return match->hasMatch();
}

QRegularExpression wholeForm(const char *pattern)
{
    return QRegularExpression(QStringLiteral("^(?:%1)$").arg(QString::fromUtf8(pattern)),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

namespace
{

// A value with a digit that is neither ASCII nor full-width, refused by name with what it is
// (`english` and `field`: "quantity", "数量"); nullopt when it has none.
template <typename T>
std::optional<ValueReading<T>> refusedForeignDigit(QStringView text, const QString &english,
                                                   const QString &field)
{
    QString englishForm;
    QString form;
    switch (foreignDigit(text)) {
    case ForeignDigit::None:
        return std::nullopt;
    case ForeignDigit::Superscript:
        englishForm = QStringLiteral("%1 %2 holds a superscript digit");
        form = QCoreApplication::translate("FlangeInput", "%1 %2 含有上标数字");
        break;
    case ForeignDigit::Subscript:
        englishForm = QStringLiteral("%1 %2 holds a subscript digit");
        form = QCoreApplication::translate("FlangeInput", "%1 %2 含有下标数字");
        break;
    case ForeignDigit::Circled:
        englishForm = QStringLiteral("%1 %2 holds a circled digit");
        form = QCoreApplication::translate("FlangeInput", "%1 %2 含有带圈数字");
        break;
    case ForeignDigit::Other:
        englishForm = QStringLiteral("%1 %2 holds a digit that is neither ASCII nor full-width");
        form = QCoreApplication::translate("FlangeInput", "%1 %2 含有非半角、非全角的数字");
        break;
    }
    return ValueReading<T>::refused(englishForm.arg(english, quotedInput(text)),
                                    form.arg(field, quotedInput(text)));
}

// A kind code, with its face code after it (captured second) when it has one.
const QRegularExpression &kindCodeForm()
{
    static const QRegularExpression code =
        wholeForm("(PL|SO|WN)(?:[-/ ]*(RF|FF|MFM|TG|RJ)|[-/ ]+(FM|M|T|G))?");
    return code;
}

} // namespace

QString sealingFace(QStringView faceCode)
{
    const QString code = faceCode.trimmed().toString().toUpper();
    if (code == u"M" || code == u"FM" || code == u"MFM")
        return QStringLiteral("MFM");
    if (code == u"T" || code == u"G" || code == u"TG")
        return QStringLiteral("TG");
    if (code == u"RF" || code == u"FF" || code == u"RJ")
        return code;
    return {};
}

QString kindFaceCode(QStringView kindText)
{
    QRegularExpressionMatch match;
    if (!matches(kindCodeForm(), plainTypedText(kindText), &match))
        return {};
    return match.hasCaptured(2) ? match.captured(2) : match.captured(3);
}

ValueReading<FlangeKind> readFlangeKind(QStringView text)
{
    const QRegularExpression &code = kindCodeForm();
    static const QRegularExpression chinese =
        wholeForm("(板式平焊|带颈平焊|带颈对焊|对焊|平焊) *(?:钢制管)?(?:法兰)?");
    const QString plain = plainTypedText(text);
    QRegularExpressionMatch match;
    if (matches(code, plain, &match) || matches(chinese, plain, &match)) {
        const QString name = match.captured(1);
        if (name == QStringLiteral("对焊"))
            return ValueReading<FlangeKind>::of(FlangeKind::WeldNeck);
        if (name == QStringLiteral("平焊"))
            return ValueReading<FlangeKind>::refused(
                QStringLiteral("%1 could be 板式平焊 (PL) or 带颈平焊 (SO): write PL or SO")
                    .arg(quotedInput(text)),
                QCoreApplication::translate("FlangeInput",
                                            "%1 可能是板式平焊（PL）或带颈平焊（SO）：请写 PL 或 SO")
                    .arg(quotedInput(text)));
        for (FlangeKind kind : AllFlangeKinds) {
            if (name.compare(kindCode(kind), Qt::CaseInsensitive) == 0 ||
                name == kindChineseName(kind))
                return ValueReading<FlangeKind>::of(kind);
        }
    }
    return ValueReading<FlangeKind>::notReadable(
        QStringLiteral("unknown flange kind %1 (PL, SO, WN, 板式平焊, 带颈平焊, 带颈对焊)")
            .arg(quotedInput(text)),
        QCoreApplication::translate("FlangeInput",
                                    "未知的法兰类型 %1（PL、SO、WN、板式平焊、带颈平焊、带颈对焊）")
            .arg(quotedInput(text)));
}

std::optional<PressureSpelling> readPressureSpelling(QStringView text)
{
    static const QRegularExpression form =
        wholeForm("(PN)? *(-?[0-9]+(?:\\.[0-9]*)?|-?\\.[0-9]+) *(MPa|bar)?");
    QRegularExpressionMatch match;
    if (!matches(form, plainTypedText(text), &match))
        return std::nullopt;
    const double number = readNumber(match.captured(2));
    const QString unit = match.captured(3).toLower();
    if (unit == QLatin1String("bar"))
        return PressureSpelling{number / 10, std::nullopt};
    if (unit.isEmpty() && match.capturedLength(1) > 0)
        return PressureSpelling{number, number / 10};
    return PressureSpelling{number, std::nullopt};
}

ValueReading<Rating> readPressure(FlangeKind kind, QStringView text)
{
    const std::optional<PressureSpelling> spelling = readPressureSpelling(text);
    if (!spelling && foreignDigit(text) != ForeignDigit::None)
        return *refusedForeignDigit<Rating>(
            text, QStringLiteral("pressure"), QCoreApplication::translate("FlangeInput", "公称压力"));
    if (!spelling)
        return ValueReading<Rating>::notReadable(
            QStringLiteral("pressure %1 is not a pressure (1.6, 1.6MPa, 16bar or PN16)")
                .arg(quotedInput(text)),
            QCoreApplication::translate("FlangeInput",
                                        "公称压力 %1 不是压力（1.6、1.6MPa、16bar 或 PN16）")
                .arg(quotedInput(text)));
    const std::optional<Rating> asMpa = listedRating(kind, spelling->mpa);
    const std::optional<Rating> asBar =
        spelling->barInMpa ? listedRating(kind, *spelling->barInMpa) : std::nullopt;
    if (asMpa && asBar && *asMpa != *asBar) {
        const QStringList arguments = {plainTypedText(text), ratingText(*asBar),
                                       ratingText(*asMpa), plainNumberText(*spelling->barInMpa),
                                       plainNumberText(spelling->mpa)};
        return ValueReading<Rating>::refused(
            QStringLiteral("%1 could be %2 MPa or %3 MPa: write %4MPa or %5MPa")
                .arg(arguments[0], arguments[1], arguments[2], arguments[3], arguments[4]),
            QCoreApplication::translate("FlangeInput",
                                        "%1 可能是 %2 MPa 或 %3 MPa：请写 %4MPa 或 %5MPa")
                .arg(arguments[0], arguments[1], arguments[2], arguments[3], arguments[4]));
    }
    if (asMpa || asBar)
        return ValueReading<Rating>::of(asMpa ? *asMpa : *asBar);
    const QString asked =
        spelling->barInMpa
            ? QStringLiteral("%1 (%2 MPa or %3 MPa)")
                  .arg(plainTypedText(text), plainNumberText(*spelling->barInMpa),
                       plainNumberText(spelling->mpa))
            : plainNumberText(spelling->mpa) + QStringLiteral(" MPa");
    const LookupFailure failure = pressureNotListed(kind, asked);
    return ValueReading<Rating>::refused(failure.reason, failure.text,
                                                 failure.windowMessage);
}

std::optional<Rating> listedRating(FlangeKind kind, double mpa)
{
    const std::optional<long long> wanted = hundredths(mpa);
    if (!wanted)
        return std::nullopt;
    for (const Rating &rating : listedRatings(kind)) {
        const std::optional<double> listed = rating.pressureMpa();
        if (listed && hundredths(*listed) == wanted)
            return rating;
    }
    return std::nullopt;
}

ValueReading<int> readDnText(QStringView text)
{
    static const QRegularExpression form = wholeForm("(-?[0-9]{1,9})(\\.0*)?|-?[0-9]*\\.[0-9]+");
    QRegularExpressionMatch match;
    const QString number = dnNumberText(text);
    if (!matches(form, number, &match)) {
        if (const auto refused = refusedForeignDigit<int>(
                text, QStringLiteral("DN"), QCoreApplication::translate("FlangeInput", "公称直径")))
            return *refused;
        return ValueReading<int>::notReadable(
            QStringLiteral("DN %1 is not a number (100, DN100 or 100mm)").arg(quotedInput(text)),
            QCoreApplication::translate("FlangeInput", "公称直径 %1 不是数（100、DN100 或 100mm）")
                .arg(quotedInput(text)));
    }
    if (!match.hasCaptured(1))
        return ValueReading<int>::refused(
            QStringLiteral("DN %1 is not a whole number").arg(quotedInput(text)),
            QCoreApplication::translate("FlangeInput", "公称直径 %1 不是整数")
                .arg(quotedInput(text)));
    // The windows' DN reading decides; a DN too large for it is simply not listed.
    const std::optional<NominalDiameter> dn = readNominalDiameter(match.captured(1));
    return ValueReading<int>::of(dn ? int(*dn) : match.captured(1).toInt());
}

ValueReading<PipeSeries> readSeries(QStringView text)
{
    const QString plain = plainTypedText(text);
    if (plain.compare(QLatin1String("A"), Qt::CaseInsensitive) == 0)
        return ValueReading<PipeSeries>::of(PipeSeries::A);
    if (plain.compare(QLatin1String("B"), Qt::CaseInsensitive) == 0)
        return ValueReading<PipeSeries>::of(PipeSeries::B);
    return ValueReading<PipeSeries>::notReadable(
        QStringLiteral("series %1 is not A or B").arg(quotedInput(text)),
        QCoreApplication::translate("FlangeInput", "系列 %1 不是 A 或 B").arg(quotedInput(text)));
}

QString seriesText(PipeSeries series)
{
    return series == PipeSeries::B ? QStringLiteral("B") : QStringLiteral("A");
}

std::optional<double> readMeasuredNumber(QStringView text)
{
    static const QRegularExpression form =
        wholeForm("[-+]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:e[-+]?[0-9]+)?");
    const QString plain = plainTypedText(text);
    if (!form.match(plain).hasMatch())
        return std::nullopt;
    return readNumber(plain);
}

ValueReading<qint64> readQuantity(QStringView text, qint64 most)
{
    // Nearly every quantity is a few plain digits: read them without a regular expression.
    if (!text.isEmpty() && text.size() <= 7) {
        qint64 digits = 0;
        for (QChar c : text) {
            if (c < u'0' || c > u'9') {
                digits = -1;
                break;
            }
            digits = digits * 10 + (c.unicode() - u'0');
        }
        if (digits > 0 && digits <= most)
            return ValueReading<qint64>::of(digits);
    }
    static const QRegularExpression form =
        wholeForm("([-+]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:e[-+]?[0-9]+)?) *"
                  "(?:片|套|个|件|只|块|pcs?\\.?|pieces?|sets?|ea)?");
    const QString plain = plainTypedText(text);
    if (plain.isEmpty())
        return ValueReading<qint64>::notReadable(
            QStringLiteral("no quantity"), QCoreApplication::translate("FlangeInput", "没有数量"));
    const QRegularExpressionMatch match = form.match(plain);
    // Long digit strings are numbers too (too large ones), so only the form bounds the length.
    if (!match.hasMatch()) {
        if (const auto refused = refusedForeignDigit<qint64>(
                text, QStringLiteral("quantity"), QCoreApplication::translate("FlangeInput", "数量")))
            return *refused;
        return ValueReading<qint64>::notReadable(
            QStringLiteral("quantity %1 is not a number").arg(quotedInput(text)),
            QCoreApplication::translate("FlangeInput", "数量 %1 不是数").arg(quotedInput(text)));
    }
    const QString number = match.captured(1);
    const QString shown = number.size() > 30 ? number.left(30) + QStringLiteral("...") : number;
    const double value = readNumber(number);
    if (value != std::floor(value))
        return ValueReading<qint64>::refused(
            QStringLiteral("quantity %1 is not a whole number").arg(shown),
            QCoreApplication::translate("FlangeInput", "数量 %1 不是整数").arg(shown));
    if (value <= 0)
        return ValueReading<qint64>::refused(
            QStringLiteral("quantity %1 is not a positive number").arg(shown),
            QCoreApplication::translate("FlangeInput", "数量 %1 不是正数").arg(shown));
    if (value > double(most))
        return ValueReading<qint64>::refused(
            QStringLiteral("quantity %1 is more than %2 on one line").arg(shown).arg(most),
            QCoreApplication::translate("FlangeInput", "数量 %1 超过一行的上限 %2")
                .arg(shown)
                .arg(most));
    return ValueReading<qint64>::of(qint64(value));
}

LookupFailure pressureNotListed(FlangeKind kind, const QString &pressure)
{
    // The window's message when no pressure is chosen.
    return {queryMessages(kind).noPressure,
            QStringLiteral("pressure %1 is not listed for %2; listed: %3")
                .arg(pressure, kindCode(kind), pressureTexts(kind).join(QStringLiteral(", "))),
            QCoreApplication::translate("FlangeInput", "%2 没有公称压力 %1；有：%3")
                .arg(pressure, kindCode(kind), pressureTexts(kind).join(QStringLiteral("、")))};
}

LookupFailure diameterNotListed(FlangeKind kind, const Rating &rating, int dn)
{
    const QStringList arguments = {QString::number(dn), kindCode(kind), ratingText(rating),
                                   joined(listedDiameters(kind, rating))};
    return {queryMessages(kind).diameterNotListed,
            QStringLiteral("DN %1 is not listed for %2 at %3 MPa; listed: %4")
                .arg(arguments[0], arguments[1], arguments[2], arguments[3]),
            QCoreApplication::translate("FlangeInput", "%2 在 %3 MPa 下没有 DN %1；有：%4")
                .arg(arguments[0], arguments[1], arguments[2], arguments[3])};
}
