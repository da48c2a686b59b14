// The list readers module's entry: the table of what the program reaches in it
// (exports/takeofflist.h).
#include "exports/takeofflist.h"
#include "exports/xlsxlistrows.h"

namespace
{

std::unique_ptr<ListRows> openSheet(QIODevice &device, const QString &what, const QString &sheet)
{
    return std::make_unique<XlsxListRows>(device, what, sheet);
}

} // namespace

extern "C" Q_DECL_EXPORT const ListReaders *quorvit_list_readers()
{
    static const ListReaders module{sizeof(ListReaders), openSheet};
    return &module;
}
