#pragma once

#include <QList>
#include <QString>

class CommandArguments;

// One subcommand. A new command is one file with its run function plus one line in commands.cpp.
struct Command {
    const char *name;     // "lookup"
    const char *synopsis; // what follows the name in the usage line
    const char *summary;  // one line for `quorvit --help`
    const char *details;  // what `quorvit COMMAND --help` adds below the usage line
    // Declares its options, parses (CommandArguments::parse), does its work; returns the exit
    // code or throws CommandFailure.
    int (*run)(CommandArguments &arguments);
    // Whether these arguments (after the command's name) need a QGuiApplication (fonts,
    // painting) rather than a QCoreApplication; nullptr for never.
    bool (*needsGui)(const QStringList &arguments);
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
int runLookup(CommandArguments &arguments);
int runTable(CommandArguments &arguments);
int runDrawing(CommandArguments &arguments);
bool drawingNeedsGui(const QStringList &arguments);
int runTakeoff(CommandArguments &arguments);
int runIdentify(CommandArguments &arguments);
