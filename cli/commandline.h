#pragma once

#include <QString>
#include <optional>

class QCoreApplication;
struct LanguageChoice;

// What the program running the command line has beyond Qt Core: the windows, and the Qt Gui
// application a command that paints runs on.
struct ProgramParts {
    // Builds the QApplication, shows the window `--window` names (the menu when none) in the
    // language chosen and runs until the windows end the run; the exit code.
    int (*runWindows)(int &argc, char **argv, const std::optional<QString> &startWindow,
                      const LanguageChoice &language) = nullptr;
    // A QGuiApplication, on the offscreen platform unless QT_QPA_PLATFORM names one; nullptr
    // after a one-line reason on stderr.
    QCoreApplication *(*makePaintingApplication)(int &argc, char **argv) = nullptr;
};

// The front door: parses the whole command line once, before any application exists, then does
// what it asks: a command on the application it needs (Qt Core unless it paints), the windows,
// `--help` or `--version`. `--lang` is read wherever it stands before `--`, the last one counting. Returns the exit code: 0 success, 1 not found or rejected input,
// 2 usage error.
int runCommandLine(int argc, char *argv[], const ProgramParts &parts);
