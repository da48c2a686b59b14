#pragma once

#include "catalogue/catalogue.h"

#include <QString>
#include <QStringView>
#include <optional>

// One front door to the exports, for the command line and the windows' menus alike.
enum class ExportFormat { Dxf, Svg, Pdf };

// "dxf", "svg", "pdf" in any case.
std::optional<ExportFormat> readExportFormat(QStringView name);
// The format a file name's extension names ("x.DXF" → Dxf), or nullopt.
std::optional<ExportFormat> exportFormatOfPath(const QString &path);
// SVG and PDF lay out text and need a QGuiApplication; DXF needs only QCoreApplication.
bool exportNeedsGui(ExportFormat format);

// Writes the flange's drawing (DXF, SVG: true scale) or its data sheet (PDF) to `path`
// atomically. Returns "" on success, otherwise a one-line reason; an earlier file at `path`
// is left as it was.
QString exportFlange(const FlangeRecord &record, ExportFormat format, const QString &path);
