#pragma once

#include "catalogue/catalogue.h"

#include <QList>
#include <optional>

// Working backwards: which catalogue rows fit a flange measured in the field.

enum class Measure {
    OutsideDiameter,     // D
    BoltCircle,          // K
    HoleCount,           // n, matched exactly
    HoleDiameter,        // L
    Thickness,           // C
    PipeOutsideDiameter, // A: the pipe of PL and SO, the weld end of WN
};
inline constexpr Measure AllMeasures[] = {Measure::OutsideDiameter, Measure::BoltCircle,
                                          Measure::HoleCount,       Measure::HoleDiameter,
                                          Measure::Thickness,       Measure::PipeOutsideDiameter};

// The catalogue key of the value a measure is compared with ("pipe_outside_diameter" also
// for the weld end of WN).
const char *measureKey(Measure measure);
// The tabled value of a row that a measure is compared with, if the row has one.
std::optional<double> tabledValue(const FlangeRecord &record, Measure measure);

struct FlangeMeasurements {
    std::optional<double> values[std::size(AllMeasures)]; // indexed by Measure
    double toleranceMm = 2;

    std::optional<double> &operator[](Measure m) { return values[int(m)]; }
    const std::optional<double> &operator[](Measure m) const { return values[int(m)]; }
    bool isEmpty() const;
};

struct Deviation {
    Measure measure;
    double mm; // measured minus tabled, to the tables' tenth of a millimetre
};

struct FlangeMatch {
    FlangeRecord record;
    double totalMm = 0;          // sum of the absolute deviations, to a tenth too
    QList<Deviation> deviations; // the given measures, in Measure order
};

// Every row of the three kinds and both series within the tolerance of every given measure
// (counts exactly), best first by total deviation; ties by kind, pressure, DN, series. Rows
// that have no form (a series B size the weld-neck table leaves out) are not candidates.
QList<FlangeMatch> identifyFlange(const FlangeMeasurements &measured);
// The same among the Class series' flanges (classseries.h), ties by kind, class and size: its
// thickness without the raised face, A the pipe a weld-neck or slip-on flange takes.
QList<FlangeMatch> identifyClassFlange(const FlangeMeasurements &measured);
