#pragma once

#include <QString>

// The three programs Quorvit is made of, and which of them has what. Each links libraries the
// others do without, so that none pays at start-up for what it does not do: `quorvit` (bin/, Qt
// Core: every command that paints nothing and writes no spreadsheet), `quorvit-gui` (the
// windows, and the drawings painted with Qt Gui: SVG, PDF) and `quorvit-formats` (the writers
// of other programs' formats: libxlsxwriter, dxflib). A program that is asked for what it has
// not hands the command line, as it came, to the program that has it (programs/handover.h);
// the windows run the commands of the others as children (programs/childprogram.h).
enum class Program { Windows, Formats }; // quorvit-gui, quorvit-formats: what quorvit has not

// What a command line may need beyond Qt Core.
enum class ProgramPart {
    Windows,     // the windows themselves
    Painting,    // a QGuiApplication to paint with (SVG, PDF)
    Dxf,         // a drawing written as DXF (dxflib)
    Spreadsheet, // a take-off written as an xlsx workbook (libxlsxwriter)
};

// The one program that has the part.
Program programWith(ProgramPart part);

// "quorvit-gui".
QString programName(Program program);

// Where the program is: the file its environment variable names (QUORVIT_GUI_PROGRAM,
// QUORVIT_FORMATS_PROGRAM: tests), else the one beside the running program (a build tree, and
// each other in lib/quorvit/), else where an install puts it, by the way from bin/ to
// lib/quorvit/. May be asked before any QCoreApplication exists.
QString programPath(Program program);
