#pragma once

struct LanguageChoice;

// The windows' side of the program: builds the QApplication, the fonts and the texts of the
// language chosen, shows the main menu (or the window `--window NAME` names) and runs until the
// windows end the run. Returns the exit code.
int runWindowsApplication(int argc, char *argv[], const LanguageChoice &language);
