#pragma once

#include "takeoff/listrows.h"

#include <QIODevice>
#include <QString>
#include <cstddef>
#include <memory>

// A line list opened for the take-off, whatever form it has: a sheet of an xlsx workbook (the
// first, or `sheet`) when the device holds a zip archive, otherwise text (CSV, tab-separated,
// UTF-8, GB18030 or UTF-16). `what` names the list in reasons (its path, or "standard input").
// Nullptr with the reason when it cannot be read at all. Workbooks are read by a module of their
// own (QuaZip), loaded at the first one.
std::unique_ptr<ListRows> openTakeoffList(QIODevice &device, const QString &what,
                                          const QString &sheet, TakeoffReason &failure);

// Whether the device holds a zip archive (an xlsx workbook, or no list at all), from its first
// bytes, which stay to be read.
bool holdsWorkbook(QIODevice &device);

// The list readers module's table. Its zip library exports the same C names as the one the
// spreadsheet writer's library uses (zipOpen, …) with other meanings, so it is a module apart from
// the file formats module.
struct ListReaders {
    std::size_t size;
    std::unique_ptr<ListRows> (*openSheet)(QIODevice &device, const QString &what,
                                           const QString &sheet);
};
extern "C" const ListReaders *quorvit_list_readers();
