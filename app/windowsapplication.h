#pragma once

#include <QString>
#include <optional>

struct LanguageChoice;

// The windows' side of the program: builds the QApplication, the fonts and the texts of the
// language chosen, shows the main menu (or the window `--window NAME` names) and runs until the
// windows end the run (the command line has checked the language). A name that is no window is
// a usage error (exit 2); without a display to open the windows on, one line says so (exit 1). Returns the
// exit code.
int runWindowsApplication(int &argc, char **argv, const std::optional<QString> &startWindow,
                          const LanguageChoice &language);
