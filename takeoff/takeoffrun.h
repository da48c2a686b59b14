#pragma once

#include "takeoff/takeofftotals.h"
#include "takeoff/takeoffwriter.h"

#include <QIODevice>
#include <functional>

// One pass over a list: each line read, computed and written before the next is read, so a list
// of any length runs in the memory of one line. Blank lines, lines starting with '#' and a
// header line are skipped; every other line is written, a failed one with its reason, which
// also goes to `failed`.
TakeoffTotals computeTakeoff(QIODevice &input, TakeoffWriter &writer,
                             const std::function<void(const QString &reason)> &failed);
