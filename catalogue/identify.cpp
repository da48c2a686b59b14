#include "catalogue/identify.h"

#include "catalogue/classseries.h"

#include <algorithm>
#include <cmath>
#include <tuple>

const char *measureKey(Measure measure)
{
    switch (measure) {
    case Measure::OutsideDiameter:
        return "outside_diameter";
    case Measure::BoltCircle:
        return "bolt_circle";
    case Measure::HoleCount:
        return "hole_count";
    case Measure::HoleDiameter:
        return "hole_diameter";
    case Measure::Thickness:
        return "thickness";
    case Measure::PipeOutsideDiameter:
        break;
    }
    return "pipe_outside_diameter";
}

std::optional<double> tabledValue(const FlangeRecord &record, Measure measure)
{
    if (record.rating.system == RatingSystem::Class) {
        static constexpr Dimension Dimensions[] = {
            Dimension::OutsideDiameter, Dimension::BoltCircle, Dimension::HoleCount,
            Dimension::HoleDiameter,    Dimension::Thickness};
        return measure == Measure::PipeOutsideDiameter ? classPipeOutsideDiameter(record)
                                                       : record.value(Dimensions[int(measure)]);
    }
    switch (measure) {
    case Measure::OutsideDiameter:
        return record.outsideDiameter;
    case Measure::BoltCircle:
        return record.boltCircle;
    case Measure::HoleCount:
        return record.holeCount;
    case Measure::HoleDiameter:
        return record.holeDiameter;
    case Measure::Thickness:
        return record.thickness;
    case Measure::PipeOutsideDiameter:
        break;
    }
    return record.kind == FlangeKind::WeldNeck ? record.weldEndDiameter
                                               : record.pipeOutsideDiameter;
}

bool FlangeMeasurements::isEmpty() const
{
    return std::none_of(std::begin(values), std::end(values),
                        [](const std::optional<double> &v) { return v.has_value(); });
}

namespace
{

// Tabled lengths are whole or half millimetres; the margin only absorbs binary fractions.
constexpr double Margin = 1e-9;

// The tables give lengths to a tenth of a millimetre at most (114.3): a deviation is told no
// finer, so 221 − 219.7 reads 1.3, not the 1.2999999999999972 of its binary difference.
double toTableStep(double mm)
{
    constexpr double StepsPerMm = 10;
    const double rounded = std::round(mm * StepsPerMm) / StepsPerMm;
    return rounded == 0 ? 0 : rounded; // no -0
}

std::optional<FlangeMatch> match(const FlangeRecord &record, const FlangeMeasurements &measured)
{
    FlangeMatch found{record, 0, {}};
    for (Measure measure : AllMeasures) {
        const std::optional<double> &value = measured[measure];
        if (!value)
            continue;
        const std::optional<double> tabled = tabledValue(record, measure);
        if (!tabled)
            return std::nullopt;
        const double deviation = *value - *tabled;
        const double allowed = measure == Measure::HoleCount ? 0 : measured.toleranceMm;
        if (std::abs(deviation) > allowed + Margin)
            return std::nullopt;
        found.totalMm += std::abs(toTableStep(deviation));
        found.deviations.append({measure, toTableStep(deviation)});
    }
    found.totalMm = toTableStep(found.totalMm);
    return found;
}

// Every row that has a form, gathered once: the catalogue never changes during a run.
const QList<FlangeRecord> &candidates()
{
    static const QList<FlangeRecord> rows = [] {
        QList<FlangeRecord> all;
        forEachFlange([&](const FlangeRecord &record) {
            if (record.weightKg) // a size the table leaves out has no weight
                all.append(record);
        });
        return all;
    }();
    return rows;
}

auto tieOrder(const FlangeRecord &r)
{
    return std::make_tuple(int(r.kind), r.rating.value, r.dn, r.series);
}

} // namespace

namespace
{

QList<FlangeMatch> bestFirst(const QList<FlangeRecord> &candidates,
                             const FlangeMeasurements &measured)
{
    QList<FlangeMatch> matches;
    if (measured.isEmpty())
        return matches;
    for (const FlangeRecord &record : candidates) {
        if (std::optional<FlangeMatch> m = match(record, measured))
            matches.append(std::move(*m));
    }
    std::sort(matches.begin(), matches.end(), [](const FlangeMatch &a, const FlangeMatch &b) {
        if (a.totalMm != b.totalMm)
            return a.totalMm < b.totalMm;
        return tieOrder(a.record) < tieOrder(b.record);
    });
    return matches;
}

} // namespace

QList<FlangeMatch> identifyFlange(const FlangeMeasurements &measured)
{
    return bestFirst(candidates(), measured);
}

QList<FlangeMatch> identifyClassFlange(const FlangeMeasurements &measured)
{
    static const QList<FlangeRecord> rows = [] {
        QList<FlangeRecord> all;
        for (FlangeKind kind : {FlangeKind::WeldNeck, FlangeKind::SlipOn, FlangeKind::Blind})
            all += classFlangeRecords(kind, std::nullopt);
        return all;
    }();
    return bestFirst(rows, measured);
}
