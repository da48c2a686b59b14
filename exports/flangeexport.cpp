#include "exports/flangeexport.h"

#include "exports/datasheet.h"
#include "exports/formatlibraries.h"
#include "exports/svgwriter.h"

QString exportFlange(const FlangeRecord &record, ExportFormat format, const QString &path)
{
    switch (format) {
    case ExportFormat::Dxf:
        return writeDxfFile(buildCadDrawing(record), path);
    case ExportFormat::Svg:
        return writeSvg(buildCadDrawing(record), path);
    case ExportFormat::Pdf:
        return writeDataSheetPdf(record, path);
    }
    return QStringLiteral("unknown export format");
}
