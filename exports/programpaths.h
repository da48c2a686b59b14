#pragma once

#include <QString>

// The programs beside quorvit, each linking libraries the others do without: quorvit-gui (the
// windows, Qt Gui and Print Support) and quorvit-formats (dxflib, libxlsxwriter). A program is
// the file its environment variable names (QUORVIT_GUI_PROGRAM, QUORVIT_FORMATS_PROGRAM: tests),
// else the one beside the running program (a build tree), else where an install puts it, by
// the way from the program's folder (bin/ to lib/quorvit/). Asked before any QCoreApplication
// exists.
QString guiProgramPath();
QString formatsProgramPath();
