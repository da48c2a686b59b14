#include "files/exportformat.h"

#include <QFileInfo>

std::optional<ExportFormat> readExportFormat(QStringView name)
{
    if (name.compare(u"dxf", Qt::CaseInsensitive) == 0)
        return ExportFormat::Dxf;
    if (name.compare(u"svg", Qt::CaseInsensitive) == 0)
        return ExportFormat::Svg;
    if (name.compare(u"pdf", Qt::CaseInsensitive) == 0)
        return ExportFormat::Pdf;
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatOfPath(const QString &path)
{
    return readExportFormat(QFileInfo(path).suffix());
}

bool exportNeedsGui(ExportFormat format)
{
    return format != ExportFormat::Dxf;
}
