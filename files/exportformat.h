#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

// The file formats a flange is exported to, on Qt Core: the command line reads them here and
// writes a DXF itself; SVG and PDF are painted by the Qt Gui part (flangeexport.h).
enum class ExportFormat { Dxf, Svg, Pdf };

// "dxf", "svg", "pdf" in any case.
std::optional<ExportFormat> readExportFormat(QStringView name);
// The format a file name's extension names ("x.DXF" → Dxf), or nullopt.
std::optional<ExportFormat> exportFormatOfPath(const QString &path);
// SVG and PDF lay out text and need a QGuiApplication; DXF needs only QCoreApplication.
bool exportNeedsGui(ExportFormat format);

// The rows one sheet of a spreadsheet holds (Excel's limit), header and totals included, and its
// columns (A to XFD).
inline constexpr qint64 SpreadsheetRows = 1'048'576;
inline constexpr int SpreadsheetColumns = 16'384;
