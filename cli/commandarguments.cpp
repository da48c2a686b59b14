#include "cli/commandarguments.h"

#include "cli/textformat.h"

CommandArguments::CommandArguments(const Command &command, const QStringList &arguments)
    : m_command(command), m_arguments(arguments)
{
    // QCommandLineParser reads the first argument as the program name.
    m_arguments.prepend(QString::fromLatin1(command.name));
    m_parser.addOption(
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
}

void CommandArguments::addOption(const QString &name, const QString &valueName)
{
    m_parser.addOption(QCommandLineOption(name, QString(), valueName));
}

bool CommandArguments::parse(int fewestPositional, int mostPositional)
{
    if (!m_parser.parse(m_arguments))
        failUsage(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        writeOut(usageLine(m_command) + QLatin1String("\n\n") +
                 QString::fromUtf8(m_command.details));
        return false;
    }
    const qsizetype count = m_parser.positionalArguments().size();
    if (count < fewestPositional)
        failUsage(QStringLiteral("missing argument"));
    if (count > mostPositional)
        failUsage(QStringLiteral("unexpected argument '%1'")
                      .arg(m_parser.positionalArguments().value(mostPositional)));
    return true;
}

QString usageLine(const Command &command)
{
    return QStringLiteral("Usage: quorvit %1 %2")
        .arg(QString::fromLatin1(command.name), QString::fromUtf8(command.synopsis));
}
