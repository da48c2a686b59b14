#include "takeoff/takeoffline.h"

#include "catalogue/flangeinput.h"

#include <QCoreApplication>
#include <cmath>
#include <cstring>

namespace
{

constexpr qsizetype FieldCount = 5;
constexpr qsizetype RememberedFlanges = 4096;

TakeoffReason reason(const QString &text, const QString &english)
{
    return {text, english};
}

// A positive whole number of flanges, or the reason it is not one.
std::optional<qint64> readQuantity(const QString &text, TakeoffReason &why)
{
    // Nearly every quantity is a few plain digits: read them without the locale-aware parser.
    if (!text.isEmpty() && text.size() <= 7) {
        qint64 digits = 0;
        for (QChar c : text) {
            if (c < u'0' || c > u'9') {
                digits = -1;
                break;
            }
            digits = digits * 10 + (c.unicode() - u'0');
        }
        if (digits > 0 && digits <= MaxTakeoffQuantity)
            return digits;
    }
    bool whole = false;
    const qint64 value = text.toLongLong(&whole);
    const auto tooMany = [&](const QString &shown) {
        return reason(QCoreApplication::translate("Takeoff", "数量 %1 超过一行的上限 %2")
                          .arg(shown)
                          .arg(MaxTakeoffQuantity),
                      QStringLiteral("quantity %1 is more than %2 on one line")
                          .arg(shown)
                          .arg(MaxTakeoffQuantity));
    };
    if (!whole) {
        bool number = false;
        const double approximate = text.toDouble(&number);
        const QString quoted = quotedInReason(text);
        why = !number ? reason(QCoreApplication::translate("Takeoff", "数量 %1 不是数").arg(quoted),
                               QStringLiteral("quantity %1 is not a number").arg(quoted))
              : approximate != std::floor(approximate)
                  ? reason(QCoreApplication::translate("Takeoff", "数量 %1 不是整数").arg(text),
                           QStringLiteral("quantity %1 is not a whole number").arg(text))
                  : tooMany(text.left(30));
        return std::nullopt;
    }
    if (value <= 0) {
        why = reason(QCoreApplication::translate("Takeoff", "数量 %1 不是正数").arg(value),
                     QStringLiteral("quantity %1 is not a positive number").arg(value));
        return std::nullopt;
    }
    if (value > MaxTakeoffQuantity) {
        why = tooMany(QString::number(value));
        return std::nullopt;
    }
    return value;
}

// Mixes a text into a hash four characters at a time: the flange texts are a few characters, and
// a hash of a character at a time (or Qt's, seeded) costs more than the rest of a line.
quint64 mixedIn(quint64 hash, QStringView text)
{
    constexpr quint64 Odd = 0x9E3779B97F4A7C15ULL;
    const QChar *c = text.data();
    qsizetype left = text.size();
    for (; left >= 4; left -= 4, c += 4) {
        quint64 word;
        std::memcpy(&word, c, sizeof word);
        hash = (hash ^ word) * Odd;
        hash ^= hash >> 29;
    }
    quint64 tail = quint64(text.size()) << 48;
    for (; left > 0; --left, ++c)
        tail = (tail << 16) ^ c->unicode();
    hash = (hash ^ tail) * Odd;
    return hash ^ (hash >> 29);
}

void keepFirst(TakeoffReason &kept, const TakeoffReason &found)
{
    if (kept.isEmpty())
        kept = found;
}

} // namespace

TakeoffLine TakeoffCalculator::compute(qint64 number, const QStringList &fields)
{
    TakeoffLine line;
    line.number = number;
    line.fields = fields;
    // Spreadsheets often carry empty columns after the last one that holds something.
    while (line.fields.size() > FieldCount && line.fields.constLast().isEmpty())
        line.fields.removeLast();

    const Flange &f = flange(line.fields);
    line.kind = f.kind;
    line.pressureMpa = f.pressureMpa;
    line.series = f.series;
    line.dn = f.dn;
    TakeoffReason why = f.reason;
    if (line.fields.size() != FieldCount)
        why = reason(QCoreApplication::translate(
                         "Takeoff", "应有 5 列（类型、公称压力、系列、公称直径、数量），实有 %1 列")
                         .arg(line.fields.size()),
                     QStringLiteral("expected 5 fields (kind, pressure, series, dn, quantity), "
                                    "found %1")
                         .arg(line.fields.size()));
    if (line.fields.size() >= FieldCount) {
        TakeoffReason quantityWhy;
        line.quantity = readQuantity(line.fields.at(4), quantityWhy);
        keepFirst(why, quantityWhy);
    }

    if (!why.isEmpty()) {
        line.reason = why.onLine(number);
        return line;
    }
    line.record = f.record;
    line.unitWeightHundredths = std::llround(*f.record->weightKg * 100);
    line.weightHundredths = line.unitWeightHundredths * *line.quantity;
    return line;
}

TakeoffLine TakeoffCalculator::compute(const ListLine &read)
{
    TakeoffLine line = compute(read.number, read.fields);
    line.carried = read.carried;
    if (!read.fault.isEmpty()) {
        line.reason = read.fault.onLine(read.number);
        line.record.reset();
        line.unitWeightHundredths = line.weightHundredths = 0;
    }
    return line;
}

const TakeoffCalculator::Flange &TakeoffCalculator::flange(const QStringList &fields)
{
    // A hash of the four flange texts, then a check of the texts themselves: cheaper than
    // joining them into a key for every line.
    const qsizetype count = std::min<qsizetype>(fields.size(), 4);
    quint64 hash = quint64(count);
    for (qsizetype i = 0; i < count; ++i)
        hash = mixedIn(hash, fields[i]);
    // The remembered texts are one string, so the check reads one block of memory.
    const auto sameTexts = [&](const Flange &f) {
        if (f.textSizes.size() != count)
            return false;
        QStringView rest = f.texts;
        for (qsizetype i = 0; i < count; ++i) {
            const QStringView text = fields[i];
            if (text.size() != f.textSizes[i] || rest.first(text.size()) != text)
                return false;
            rest = rest.sliced(text.size());
        }
        return true;
    };
    const auto found = m_flanges.constFind(hash);
    if (found != m_flanges.cend() && sameTexts(*found))
        return *found;
    if (m_flanges.size() >= RememberedFlanges)
        m_flanges.clear();
    Flange read = readFlange(fields);
    for (qsizetype i = 0; i < count; ++i) {
        read.texts += fields[i];
        read.textSizes.append(fields[i].size());
    }
    return *m_flanges.insert(hash, std::move(read));
}

TakeoffCalculator::Flange TakeoffCalculator::readFlange(const QStringList &fields)
{
    Flange f;
    const auto field = [&](qsizetype i) { return fields.value(i); };
    f.kind = readFlangeKind(field(0));
    if (!f.kind)
        keepFirst(f.reason,
                  reason(QCoreApplication::translate(
                             "Takeoff", "未知的法兰类型 %1（PL、SO、WN、板式平焊、带颈平焊、带颈对焊）")
                             .arg(quotedInReason(field(0))),
                         QStringLiteral("unknown flange kind %1 (PL, SO, WN, 板式平焊, 带颈平焊, "
                                        "带颈对焊)")
                             .arg(quotedInReason(field(0)))));
    f.pressureMpa = readPressureMpa(field(1));
    if (!f.pressureMpa)
        keepFirst(f.reason, reason(QCoreApplication::translate(
                                       "Takeoff", "公称压力 %1 不是以 MPa 或 PN 写的数")
                                       .arg(quotedInReason(field(1))),
                                   QStringLiteral("pressure %1 is not a number in MPa or PN")
                                       .arg(quotedInReason(field(1)))));
    f.series = readSeries(field(2));
    if (!f.series)
        keepFirst(f.reason,
                  reason(QCoreApplication::translate("Takeoff", "系列 %1 不是 A 或 B")
                             .arg(quotedInReason(field(2))),
                         QStringLiteral("series %1 is not A or B").arg(quotedInReason(field(2)))));
    f.dn = readDnText(field(3));
    if (!f.dn)
        keepFirst(f.reason,
                  reason(QCoreApplication::translate("Takeoff", "公称直径 %1 不是数")
                             .arg(quotedInReason(field(3))),
                         QStringLiteral("DN %1 is not a number").arg(quotedInReason(field(3)))));
    if (!f.reason.isEmpty() || fields.size() < 4)
        return f;

    const QString code = kindCode(*f.kind);
    const std::optional<PressureRating> pressure = pressureIndex(*f.kind, *f.pressureMpa);
    if (!pressure) {
        const QString written = field(1).left(30);
        f.reason = reason(
            QCoreApplication::translate("Takeoff", "%1 没有 %2 MPa 这一公称压力").arg(code, written),
            pressureNotListed(*f.kind, written).reason.section(QLatin1Char(';'), 0, 0));
        return f;
    }
    const QString listed = pressureTexts(*f.kind).value(*pressure);
    f.record = record(*f.kind, *pressure, *f.dn, *f.series);
    if (!f.record) {
        f.reason = reason(QCoreApplication::translate("Takeoff", "%1 在 %2 MPa 下没有 DN %3")
                              .arg(code, listed)
                              .arg(*f.dn),
                          diameterNotListed(*f.kind, *pressure, *f.dn)
                              .reason.section(QLatin1Char(';'), 0, 0));
    } else if (!f.record->weightKg) {
        f.reason = reason(
            QCoreApplication::translate("Takeoff", "%1 在 %2 MPa 下 DN %3 没有 B 系列")
                .arg(code, listed)
                .arg(*f.dn),
            QStringLiteral("%1 DN %2 at %3 MPa has no series B form").arg(code).arg(*f.dn).arg(listed));
        f.record.reset();
    }
    return f;
}

std::shared_ptr<const FlangeRecord>
TakeoffCalculator::record(FlangeKind kind, PressureRating pressure, int dn, PipeSeries series)
{
    // Only found rows are kept, so the map never holds more than the catalogue has.
    const quint64 key = (quint64(kind) << 48) | (quint64(pressure & 0xff) << 40) |
                        (quint64(quint32(dn)) << 8) | quint64(series & 0xff);
    const auto found = m_records.find(key);
    if (found != m_records.end())
        return found->second;
    std::optional<FlangeRecord> looked = lookUpFlange(kind, pressure, dn, series);
    if (!looked)
        return nullptr;
    auto shared = std::make_shared<const FlangeRecord>(std::move(*looked));
    m_records.emplace(key, shared);
    return shared;
}
