#include "exports/flangeexport.h"

#include "exports/datasheet.h"
#include "exports/formatsprogram.h"
#include "exports/flangedrawing.h"
#include "exports/svgwriter.h"

QString exportFlange(const FlangeRecord &record, ExportFormat format, const QString &path,
                     const TitleEntries &entries)
{
    if (const QString why = undrawableReason(record); !why.isEmpty())
        return why;
    switch (format) {
    case ExportFormat::Dxf:
        return writeDxfThroughProgram(record, path, entries);
    case ExportFormat::Svg:
        return writeSvg(buildFlangeSheet(record, entries), path);
    case ExportFormat::Pdf:
        return writeDataSheetPdf(record, entries, path);
    }
    return QStringLiteral("unknown export format");
}
