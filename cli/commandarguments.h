#pragma once

#include "cli/command.h"
#include "translations/language.h"

#include <QCommandLineParser>
#include <QStringList>
#include <optional>

// The arguments of one command, parsed by QCommandLineParser from the command's description
// before any application exists.
class CommandArguments
{
public:
    // Parses the arguments after the command's name. Throws CommandFailure (usage) on an unknown
    // option, a missing value or option, or too few or too many positional arguments; `--help`
    // is no error (helpAsked).
    CommandArguments(const Command &command, const QStringList &arguments);

    const Command &command() const { return m_command; }
    bool helpAsked() const { return m_parser.isSet(QStringLiteral("help")); }

    QStringList positional() const;
    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const;
    // The last `--lang`, if one was given.
    std::optional<QString> language() const;

private:
    const Command &m_command;
    QCommandLineParser m_parser;
};

// The options of the program and of every command: `--lang LANG`, `-h`, `--help`.
QList<CommandOption> commonOptions();

// A help text (helpSource) in the language: the program's help is in one language, the chosen
// one.
QString helpText(Language language, const QString &source);

// "Usage: quorvit lookup KIND PN DN [--series A|B] ...", made from the command's description;
// in English unless told (usage errors are English, like every command-line message).
QString usageLine(const Command &command, Language language = Language::English);

// What `quorvit COMMAND --help` prints, in the language: the usage line, then every argument
// and option with its description, then the notes.
QString commandHelp(const Command &command, Language language);

// "-o, --output FILE": every name of the option with its dashes, and its value.
QString optionNames(const CommandOption &option);

// Help rows: the name (indented) and the description's first line, then a row for each further
// line of it, for alignedColumns.
void appendHelpRows(QList<QStringList> &rows, const QString &name, const QString &description);

// The options as typed: an argument that reads as a negative number ("-100", "-.5") is a value,
// never a cluster of one-letter options. Marks such arguments so that QCommandLineParser takes
// them as values; unmarkedArgument() gives the text back.
QStringList markedArguments(const QStringList &arguments);
QString unmarkedArgument(const QString &argument);

// "unknown option '--colour'" and the like: the parser's first error, with the option as typed.
QString parseError(const QCommandLineParser &parser, const QStringList &arguments);
