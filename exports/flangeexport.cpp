#include "exports/flangeexport.h"

#include "exports/datasheet.h"
#include "exports/dxfwriter.h"
#include "exports/flangedrawing.h"
#include "exports/svgwriter.h"

QString exportFlange(const FlangeRecord &record, ExportFormat format, const QString &path,
                     const TitleEntries &entries)
{
    if (const QString why = undrawableReason(record); !why.isEmpty())
        return why;
    switch (format) {
    case ExportFormat::Dxf:
        return writeDxf(buildFlangeSheet(record, entries), path);
    case ExportFormat::Svg:
        return writeSvg(buildFlangeSheet(record, entries), path);
    case ExportFormat::Pdf:
        return writeDataSheetPdf(record, entries, path);
    }
    return QStringLiteral("unknown export format");
}
