#include "exports/formatlibraries.h"

#include "exports/programmodule.h"

namespace
{

struct Loaded {
    const FormatLibraries *module = nullptr;
    QString reason;
};

const Loaded &loaded()
{
    static const Loaded once = [] {
        Loaded result;
        result.module =
            loadProgramModule<FormatLibraries>(QStringLiteral(QUORVIT_FORMATS_MODULE_FILE),
                                               "quorvit_format_libraries", &result.reason);
        if (!result.module)
            result.reason =
                QStringLiteral("cannot load the file formats module: %1").arg(result.reason);
        return result;
    }();
    return once;
}

} // namespace

QString writeDxfFile(const FlangeDrawing &drawing, const QString &path)
{
    const Loaded &formats = loaded();
    return formats.module ? formats.module->writeDxf(drawing, path) : formats.reason;
}

std::unique_ptr<TakeoffWriter> makeSpreadsheetWriter(QIODevice &device, QString *reason)
{
    const Loaded &formats = loaded();
    if (!formats.module) {
        if (reason)
            *reason = formats.reason;
        return nullptr;
    }
    return formats.module->makeSpreadsheetWriter(device);
}
