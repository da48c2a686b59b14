#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CommandArguments;
struct ProgramParts;

// Help texts are written in Chinese, marked QT_TRANSLATE_NOOP("CommandHelp", …), and printed in
// the chosen language (helpText, cli/commandarguments.h).
inline QString helpSource(const char *chinese)
{
    return QString::fromUtf8(chinese);
}

// One option of a command: its names (`{"o", "output"}` for -o and --output), the name of its
// value (empty for a flag) and what `--help` says of it.
struct CommandOption {
    QStringList names;
    QString valueName;
    QString description;
    bool required = false; // the usage line shows it without brackets; parsing asks for it
};

// One positional argument: its name in the usage line and what `--help` says of it.
struct CommandPositional {
    QString name;
    QString description;
    bool optional = false; // only after the required ones
};

// What a command needs beyond Qt Core for the arguments it was given: the program that has it
// (programs/programs.h) and the application are chosen from it before the command runs.
enum class CommandNeeds {
    Core,     // Qt Core only
    Painting, // a QGuiApplication to paint with (SVG, PDF)
    Dxf,         // dxflib, on Qt Core
    Spreadsheet, // libxlsxwriter, on Qt Core
};

// One subcommand, described by data from which the parser and `--help` are both made. A new
// command is one file that returns its description plus one line in commands.cpp.
struct Command {
    QString name;    // "lookup"
    QString summary; // one line for `quorvit --help`, as helpSource()
    QList<CommandPositional> positional;
    QList<CommandOption> options;
    QString notes; // what `quorvit COMMAND --help` adds below the arguments
    // Does its work on the parsed arguments, in a program with the parts `needs` asked for;
    // returns the exit code or throws CommandFailure.
    int (*run)(const CommandArguments &arguments, const ProgramParts &parts);
    // What these parsed arguments need; nullptr for Qt Core only.
    CommandNeeds (*needs)(const CommandArguments &arguments) = nullptr;
};

// Every command, in the order `quorvit --help` lists them.
const QList<Command> &commands();

// Exit codes scripts can test.
enum ExitCode { ExitSuccess = 0, ExitRejected = 1, ExitUsage = 2 };

// Thrown by a command (or its argument readers) to stop with a message on stderr: the lines
// are printed as they are, and a usage error adds the command's usage line.
struct CommandFailure {
    ExitCode exitCode;
    QStringList lines;
};

[[noreturn]] void failUsage(const QString &reason);
[[noreturn]] void failRejected(const QStringList &lines);

// The commands (one file each).
Command lookupCommand();
Command tableCommand();
Command drawingCommand();
Command takeoffCommand();
Command identifyCommand();
Command ratingCommand();
