// The file formats module's entry: the table of what the program reaches in it
// (exports/formatlibraries.h).
#include "exports/dxfwriter.h"
#include "exports/formatlibraries.h"
#include "exports/takeoffxlsxwriter.h"

namespace
{

std::unique_ptr<TakeoffWriter> makeXlsxWriter(QIODevice &device)
{
    return std::make_unique<TakeoffXlsxWriter>(device);
}

} // namespace

extern "C" Q_DECL_EXPORT const FormatLibraries *quorvit_format_libraries()
{
    static const FormatLibraries module{sizeof(FormatLibraries), writeDxf, makeXlsxWriter};
    return &module;
}
