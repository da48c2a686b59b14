#pragma once

#include "core/model/rating.h"
#include "takeoff/takeoffreason.h"

#include <QString>
#include <QStringView>

// The design conditions a line list may give a line (its design pressure and temperature
// columns, with the flanges' material), checked against ASME B16.5's pressure–temperature
// ratings for a Class series line. The PN series has no such rules here: its lines are not
// checked.

// The unit a design column's name gives its bare numbers, from its last bracket: "设计压力(MPa)"
// → "MPa", "Design temperature [°C]" → "°C"; "" without one.
QString designColumnUnit(const QString &columnName);

// Why a Class line does not hold its design conditions: its class's rating at the design
// temperature, for the material's group, is below the design pressure; or the pressure, the
// temperature or the material cannot be read or has no rating in the data. Empty when it holds,
// and when the line gives neither a design pressure nor a temperature. The units apply to bare
// numbers (a pressure without one is in MPa, as every pressure the program reads).
TakeoffReason designConditionsFault(const Rating &flangeClass, const QString &pressure,
                                    const QString &pressureUnit, const QString &temperature,
                                    const QString &temperatureUnit, const QString &material);
