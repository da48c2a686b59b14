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
        const QString file = QStringLiteral(QUORVIT_FORMATS_MODULE_FILE);
        const auto entry = reinterpret_cast<decltype(&quorvit_format_libraries)>(
            resolveProgramModule(file, "quorvit_format_libraries", &result.reason));
        if (entry && entry()->size == sizeof(FormatLibraries))
            result.module = entry();
        else if (entry)
            result.reason = QStringLiteral("%1 comes from another build").arg(file);
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
