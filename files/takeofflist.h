#pragma once

#include "takeoff/listrows.h"

#include <QIODevice>
#include <QString>
#include <memory>

// A line list opened for the take-off, whatever form it has: a sheet of an xlsx workbook (the
// first, or `sheet`) when the device holds a zip archive, otherwise text (CSV, tab-separated,
// UTF-8, GB18030 or UTF-16). `what` names the list in reasons (its path, or "standard input").
// Nullptr with the reason when it cannot be read at all.
std::unique_ptr<ListRows> openTakeoffList(QIODevice &device, const QString &what,
                                          const QString &sheet, TakeoffReason &failure);

// Whether the device holds a zip archive (an xlsx workbook, or no list at all), from its first
// bytes, which stay to be read.
bool holdsWorkbook(QIODevice &device);
