#pragma once

#include "cli/command.h"

#include <QCommandLineParser>
#include <QStringList>

// The arguments of one command, parsed by QCommandLineParser: the command declares its
// options, then parse() checks them and the count of positional arguments, answers --help,
// and turns every mistake into a usage error.
class CommandArguments
{
public:
    CommandArguments(const Command &command, const QStringList &arguments);

    const Command &command() const { return m_command; }

    // An option taking a value (`--series B`, `--series=B`), or a flag when valueName is empty.
    void addOption(const QString &name, const QString &valueName = {});

    // False when --help was asked and answered on stdout; throws CommandFailure (usage) on an
    // unknown option, a missing value or too few or too many positional arguments.
    bool parse(int fewestPositional, int mostPositional);

    QStringList positional() const { return m_parser.positionalArguments(); }
    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }

private:
    const Command &m_command;
    QStringList m_arguments;
    QCommandLineParser m_parser;
};

// "Usage: quorvit lookup KIND PN DN ..."
QString usageLine(const Command &command);
