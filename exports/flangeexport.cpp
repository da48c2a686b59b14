#include "exports/flangeexport.h"

#include "catalogue/classseries.h"
#include "catalogue/flangeinput.h"
#include "drawing/flangedrawing.h"
#include "exports/datasheet.h"
#include "exports/svgwriter.h"
#include "programs/childprogram.h"

namespace
{

// The drawing as DXF, written by the program that links dxflib, as `quorvit drawing KIND PN DN
// --series S --format dxf -o PATH` with the title block's entries writes it.
QString writeDxfThroughProgram(const FlangeRecord &record, const QString &path,
                               const TitleEntries &entries)
{
    // A Class flange by its class and DN, bored to its schedule; a PN one in its series.
    const QStringList flange =
        isClassRecord(record)
            ? QStringList{kindCode(record.kind), QStringLiteral("CL") + record.pressureText,
                          QStringLiteral("DN%1").arg(record.dn)} +
                  (record.schedule.isEmpty()
                       ? QStringList()
                       : QStringList{QStringLiteral("--schedule=") + record.schedule})
            : QStringList{kindCode(record.kind), record.pressureText, QString::number(record.dn),
                          QStringLiteral("--series=") + seriesText(record.series)};
    return ChildProgram::run(
        programWith(ProgramPart::Dxf),
        QStringList{QStringLiteral("drawing")} + flange +
            QStringList{QStringLiteral("--format=dxf"), QStringLiteral("--output=") + path,
                        QStringLiteral("--drawing-number=") + entries.drawingNumber,
                        QStringLiteral("--material=") + entries.material,
                        QStringLiteral("--designer=") + entries.designer,
                        QStringLiteral("--checker=") + entries.checker,
                        QStringLiteral("--date=") + entries.date,
                        QStringLiteral("--face=") + entries.faceCode});
}

} // namespace

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
