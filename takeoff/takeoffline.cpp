#include "takeoff/takeoffline.h"

#include "catalogue/classmarking.h"
#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "catalogue/flangemarking.h"
#include "catalogue/sealingfaces.h"
#include "takeoff/designcheck.h"
#include "takeoff/listunits.h"

#include <QCoreApplication>
#include <cmath>
#include <cstring>

namespace
{

constexpr qsizetype FieldCount = 5;
constexpr qsizetype RememberedFlanges = 4096;

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

// The first reason found, and the field it is about.
void keepFirst(TakeoffReason &kept, int &keptField, const TakeoffReason &found, int field)
{
    if (kept.isEmpty() && !found.isEmpty()) {
        kept = found;
        keptField = field;
    }
}

template <typename T> TakeoffReason reasonOf(const ValueReading<T> &reading)
{
    return {reading.text, reading.reason};
}

// A reason that names what is listed after its semicolon (full-width in Chinese), without that
// list: a line's reason stays short.
TakeoffReason withoutListed(const QString &text, const QString &english)
{
    return {text.section(u'；', 0, 0).section(u';', 0, 0), english.section(u';', 0, 0)};
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
    // A standard marking and a quantity stand for the five fields ("PL 100(B)-1.6 RF", "4").
    if (line.fields.size() == 1 || line.fields.size() == 2) {
        const ValueReading<FlangeMarking> marking = readFlangeMarking(line.fields.first());
        // A Class flange in one text ("WN 4\" CL150 RF"): read as its columns would be.
        if (const std::optional<QStringList> classFields =
                marking ? std::nullopt : classMarking(line.fields.first())) {
            line.fields = QStringList(*classFields) << line.fields.value(1);
        } else if (marking) {
            line.fields = marking->fields() << line.fields.value(1);
        } else if (!marking.unreadable) { // a marking, but not of a listed flange
            line.reason = reasonOf(marking).onLine(number);
            return line;
        }
    }

    const Flange &f = flange(line.fields);
    line.kind = f.kind;
    line.pressureMpa = f.pressureMpa;
    line.flangeClass = f.flangeClass;
    line.series = f.series;
    line.dn = f.dn;
    line.face = f.face;
    TakeoffReason why = f.reason;
    int whyField = f.faultField;
    if (line.fields.size() != FieldCount) {
        whyField = -1;
        why = {QCoreApplication::translate(
                   "Takeoff", "应有 5 列（类型、公称压力、系列、公称直径、数量），实有 %1 列")
                   .arg(line.fields.size()),
               QStringLiteral("expected 5 fields (kind, pressure, series, dn, quantity), found %1")
                   .arg(line.fields.size())};
    }
    if (line.fields.size() >= FieldCount) {
        const ValueReading<qint64> quantity = readPieces(line.fields.at(4), MaxTakeoffQuantity);
        line.quantity = quantity;
        keepFirst(why, whyField, reasonOf(quantity), 4);
    }

    if (!why.isEmpty()) {
        line.reason = why.onLine(number);
        line.faultField = whyField;
        return line;
    }
    line.record = f.record;
    line.unitWeightHundredths = unitWeightHundredths(*f.record);
    line.weightHundredths = line.unitWeightHundredths * *line.quantity;
    return line;
}

TakeoffLine TakeoffCalculator::compute(const ListLine &read, const CarriedRoles &roles)
{
    if (!read.skip.isEmpty()) {
        TakeoffLine skipped;
        skipped.number = read.number;
        skipped.fields = read.fields;
        // Its texts stay; its numbers (a subtotal's count or weight) go, so that no column of
        // the output sums a flange twice.
        skipped.carried = read.carried;
        for (QString &text : skipped.carried) {
            bool number = false;
            QString(text).remove(u',').toDouble(&number);
            if (number)
                text.clear();
        }
        skipped.skipped = true;
        skipped.reason = read.skip.onLine(read.number);
        return skipped;
    }
    TakeoffLine line = compute(read.number, read.fields);
    line.carried = read.carried;
    const auto text = [&](qsizetype column) {
        return column < 0 ? QString() : read.carried.value(column);
    };
    line.material = text(roles.material);
    line.boltMaterial = text(roles.materialOf(BoltingItem::Bolts));
    line.nutMaterial = text(roles.materialOf(BoltingItem::Nuts));
    line.gasketMaterial = text(roles.materialOf(BoltingItem::Gaskets));
    TakeoffReason fault = read.fault;
    if (roles.joint >= 0) {
        const QString written = text(roles.joint);
        if (m_joints.size() >= RememberedFlanges)
            m_joints.clear();
        const auto found = m_joints.constFind(written);
        const std::optional<LineJoint> joint =
            found != m_joints.cend() ? *found : *m_joints.insert(written, readLineJoint(written));
        line.ownJoints = joint == LineJoint::OwnJoints;
        if (!joint && fault.isEmpty() && line.ok())
            fault = jointNotKnown(roles.jointName, written);
    }
    // A Class line's design conditions; the PN series has no rules for them here.
    if (fault.isEmpty() && line.ok() && line.flangeClass &&
        (roles.designPressure >= 0 || roles.designTemperature >= 0))
        fault = designConditionsFault(*line.flangeClass, text(roles.designPressure),
                                      roles.designPressureUnit, text(roles.designTemperature),
                                      roles.designTemperatureUnit, line.material);
    if (!fault.isEmpty()) {
        line.reason = fault.onLine(read.number);
        line.faultField = -1;
        line.record.reset();
        line.unitWeightHundredths = line.weightHundredths = 0;
    }
    return line;
}

const std::optional<QStringList> &TakeoffCalculator::classMarking(const QString &text)
{
    if (m_classMarkings.size() >= RememberedFlanges)
        m_classMarkings.clear();
    const auto found = m_classMarkings.constFind(text);
    return found != m_classMarkings.cend()
               ? *found
               : *m_classMarkings.insert(text, classMarkingFields(text));
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
    const ValueReading<FlangeKind> kind = readAnyFlangeKind(field(0));
    f.kind = kind;
    keepFirst(f.reason, f.faultField, reasonOf(kind), 0);
    f.face = sealingFace(kindFaceCode(field(0)));
    if (f.face.isEmpty())
        f.face = CatalogueFace.toString();
    if (f.kind) {
        if (const std::optional<ValueReading<Rating>> flangeClass =
                readClassRating(*f.kind, field(1))) {
            readClassFlange(f, *flangeClass, fields);
            return f;
        }
        if (*f.kind == FlangeKind::Blind) {
            const LookupFailure failure = onlyInClassSeries(*f.kind);
            f.reason = {failure.text, failure.reason};
            f.faultField = 1;
            return f;
        }
    }
    // Whether the pressure is listed waits for the texts to be read; its reading does not.
    const std::optional<QString> kgf = kgfPressureInMpa(field(1));
    const QString pressureText = kgf.value_or(field(1));
    const ValueReading<Rating> pressure =
        readPressure(f.kind.value_or(FlangeKind::Plate), pressureText);
    if (pressure.unreadable)
        keepFirst(f.reason, f.faultField, reasonOf(pressure), 1);
    if (f.kind && pressure)
        f.pressureMpa = pressure->pressureMpa();
    else if (const std::optional<PressureSpelling> spelling = readPressureSpelling(pressureText);
             spelling && !spelling->barInMpa)
        f.pressureMpa = spelling->mpa; // a failed line keeps the one reading it has
    const ValueReading<PipeSeries> series = readSeries(field(2));
    f.series = series;
    keepFirst(f.reason, f.faultField, reasonOf(series), 2);
    const ValueReading<int> dn = readDnText(field(3));
    f.dn = dn;
    keepFirst(f.reason, f.faultField, reasonOf(dn), 3);
    if (!f.reason.isEmpty() || fields.size() < 4)
        return f;
    if (!pressure && kgf) {
        // Said in the unit the list wrote, with the PN it stands for.
        const QString mpa = kgf->chopped(3);
        f.reason = {QCoreApplication::translate("Takeoff", "%1 即 PN %2 MPa，%3 没有这一公称压力")
                        .arg(quotedInput(field(1)), mpa, kindCode(*f.kind)),
                    QStringLiteral("%1 stands for PN %2 MPa, which %3 does not list")
                        .arg(quotedInput(field(1)), mpa, kindCode(*f.kind))};
        f.faultField = 1;
        return f;
    }
    if (!pressure) {
        f.reason = withoutListed(pressure.text, pressure.reason);
        f.faultField = 1;
        return f;
    }
    if (const std::optional<LookupFailure> face = faceNotListed(*f.kind, *pressure, f.face)) {
        f.reason = {face->text, face->reason};
        f.faultField = 0; // the face is written with the kind
        return f;
    }
    f.record = record(*f.kind, *pressure, *f.dn, *f.series);
    if (!f.record) {
        const LookupFailure failure = diameterNotListed(*f.kind, *pressure, *f.dn);
        f.reason = withoutListed(failure.text, failure.reason);
        f.faultField = 3;
    } else if (!f.record->weightKg) {
        const LookupFailure failure =
            seriesFormMissing(*f.kind, f.record->pressureText, *f.dn, *f.series);
        f.reason = {failure.text, failure.reason};
        f.faultField = 2;
        f.record.reset();
    }
    return f;
}

// A Class line: its class, a size as NPS or DN, and no series (the Class series has one).
void TakeoffCalculator::readClassFlange(Flange &f, const ValueReading<Rating> &rating,
                                        const QStringList &fields)
{
    const QString seriesText = fields.value(2).trimmed();
    if (!seriesText.isEmpty() && seriesText.compare(u"A", Qt::CaseInsensitive) != 0) {
        f.reason = {QCoreApplication::translate("Takeoff",
                                                "Class 系列（ASME B16.5）不分 A、B 系列，"
                                                "系列应为空，不是 %1")
                        .arg(quotedInput(seriesText)),
                    QStringLiteral("the Class series (ASME B16.5) has no series A or B: leave "
                                   "the series empty, not %1")
                        .arg(quotedInput(seriesText))};
        f.faultField = 2;
        return;
    }
    const ValueReading<NominalSize> size = readPipeSize(fields.value(3));
    if (size)
        f.dn = size->dn ? std::optional<int>(size->dn) : std::nullopt;
    if (!rating) {
        f.reason = withoutListed(rating.text, rating.reason);
        f.faultField = 1;
        return;
    }
    f.flangeClass = *rating;
    if (!size) {
        f.reason = reasonOf(size);
        f.faultField = 3;
        return;
    }
    std::optional<FlangeRecord> looked = lookUpClassFlange(*f.kind, *rating, *size);
    if (!looked) {
        const LookupFailure failure = classSizeNotListed(*f.kind, *rating, *size);
        f.reason = withoutListed(failure.text, failure.reason);
        f.faultField = 3;
        return;
    }
    f.dn = looked->dn;
    if (!looked->weightKg) {
        f.reason = {QCoreApplication::translate("Takeoff", "%1 Class %2 DN %3 的重量无法计算")
                        .arg(kindCode(*f.kind), ratingText(*rating))
                        .arg(looked->dn),
                    QStringLiteral("%1 Class %2 DN %3 has no weight that can be computed")
                        .arg(kindCode(*f.kind), ratingText(*rating))
                        .arg(looked->dn)};
        f.faultField = 3;
        return;
    }
    // One record a row however it is spelt, so that the totals group its lines together.
    const quint64 key = (quint64(*f.kind) << 60) | (quint64(RatingSystem::Class) << 58) |
                        (quint64(qRound64(rating->value)) << 34) |
                        (quint64(quint32(f.dn.value())) << 2);
    auto found = m_records.find(key);
    if (found == m_records.end())
        found =
            m_records.emplace(key, std::make_shared<const FlangeRecord>(std::move(*looked))).first;
    f.record = found->second;
}

std::shared_ptr<const FlangeRecord> TakeoffCalculator::record(FlangeKind kind, const Rating &rating,
                                                              int dn, PipeSeries series)
{
    // Only found rows are kept, so the map never holds more than the catalogue has. A listed
    // rating is a whole number of hundredths (of MPa, bar or a class) well below 2^24.
    const quint64 hundredths = quint64(qRound64(rating.value * 100)) & 0xffffff;
    const quint64 key = (quint64(kind) << 60) | (quint64(rating.system) << 58) |
                        (hundredths << 34) | (quint64(quint32(dn)) << 2) | quint64(series);
    const auto found = m_records.find(key);
    if (found != m_records.end())
        return found->second;
    std::optional<FlangeRecord> looked = lookUpFlange(kind, rating, dn, series);
    if (!looked)
        return nullptr;
    auto shared = std::make_shared<const FlangeRecord>(std::move(*looked));
    m_records.emplace(key, shared);
    return shared;
}
