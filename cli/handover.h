#pragma once

#include <QString>

// quorvit-gui, the program with the windows, the painted exports and the writers of DXF and
// xlsx: the file QUORVIT_GUI_PROGRAM names (tests), else the one beside the running program (a
// build tree), else where an install puts it, by the way from the program's folder (bin/ to
// lib/quorvit/). Asked before any QCoreApplication exists.
QString guiProgramPath();

// Runs quorvit-gui in this process's place with the same arguments (argv as this program got
// it), to parse and run them again with the same command table. Returns only when it cannot,
// after a one-line reason on stderr, with exit code 1.
int handOverToGui(char *argv[]);
