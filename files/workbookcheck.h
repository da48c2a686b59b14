#pragma once

#include <QString>

class QIODevice;

// Whether every XML part of a finished workbook (a zip file) is whole. libxlsxwriter ignores a
// failed write of its work files and zips what they hold: a disk that filled up, or a limit on
// file size, could give a cut-off sheet in a workbook that looks whole, and exit 0. Each part is
// inflated and must end by closing the element it opened. Returns "" or what is wrong; `file` is
// read from its start.
QString checkWorkbookParts(QIODevice &file);
