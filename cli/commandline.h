#pragma once

struct LanguageChoice;

// The front door of the command line: `quorvit COMMAND ...`, `quorvit --help`, `quorvit
// --version`. The windows keep everything else.

// Whether the arguments ask for a command rather than the windows. A first argument that is a
// word or a long option is the command line's; `--window...` and Qt's own single-dash options
// (-platform, -style, ...) go to the windows.
bool wantsCommandLine(int argc, char *argv[]);

// Runs the command on a QCoreApplication (no GUI is initialised), speaking the language chosen,
// and returns the exit code: 0 success, 1 not found or rejected input, 2 usage error.
int runCommandLine(int argc, char *argv[], const LanguageChoice &language);
