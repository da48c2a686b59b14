#pragma once

#include "takeoff/takeoffreason.h"

#include <QString>
#include <optional>

// How a line's flanges are joined, as a list's joint column writes it. Two flanges of a line
// make a joint ("成对", "pair", or nothing written); a flange that mates a valve, a pump, a
// vessel's nozzle or other equipment ("单片", "阀门", "设备", "泵", "管口", "single", "valve" …)
// makes a joint of its own, with its own bolts and gasket.
enum class LineJoint { Pairs, OwnJoints };

// nullopt for a text that names neither.
std::optional<LineJoint> readLineJoint(const QString &text);

// Why a joint text was refused, naming the column and the text.
TakeoffReason jointNotKnown(const QString &column, const QString &text);
