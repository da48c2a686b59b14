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
