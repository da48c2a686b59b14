#pragma once

#include <QString>

// The program's modules: parts with heavy libraries (Qt Gui, dxflib, libxlsxwriter) built as
// shared objects that the program loads only when it needs them, so that what does not need them
// starts on Qt Core alone. A module is looked for in the folder QUORVIT_MODULE_DIR names, else
// beside the running program (a build tree), else where an install puts it relative to the
// program.

// Loads the module file and resolves its one exported entry; nullptr with the reason (naming
// the file) when it cannot. A loaded module stays loaded until the program ends.
void *resolveProgramModule(const QString &fileName, const char *entry, QString *reason);

// Loads the module and returns the table its entry gives, a struct whose first member `size` is
// its size as the module was built; nullptr with the reason when the module cannot be loaded or
// comes from another build.
template <typename Table>
const Table *loadProgramModule(const QString &fileName, const char *entry, QString *reason)
{
    const auto function =
        reinterpret_cast<const Table *(*)()>(resolveProgramModule(fileName, entry, reason));
    if (!function)
        return nullptr;
    if (const Table *table = function(); table->size == sizeof(Table))
        return table;
    if (reason)
        *reason = QStringLiteral("%1 comes from another build").arg(fileName);
    return nullptr;
}
