#include "cli/commandarguments.h"

#include "catalogue/flangeinput.h"
#include "cli/textformat.h"

#include <QRegularExpression>

namespace
{

// No argument can hold a NUL, so it marks the ones that are negative numbers.
constexpr QChar Mark = QChar(0);

// "-o FILE", "--series A|B", "--help"
QString optionForm(const CommandOption &option)
{
    const QString &name = option.names.constFirst();
    QString form = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    if (!option.valueName.isEmpty())
        form += QLatin1Char(' ') + option.valueName;
    return form;
}

} // namespace

CommandArguments::CommandArguments(const Command &command, const QStringList &arguments)
    : m_command(command)
{
    for (const CommandOption &option : command.options + commonOptions())
        m_parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
    // QCommandLineParser reads the first argument as the program's name.
    const QStringList marked = QStringList{command.name} + markedArguments(arguments);
    if (!m_parser.parse(marked))
        failUsage(parseError(m_parser, arguments));
    if (helpAsked())
        return;
    qsizetype required = 0;
    for (const CommandPositional &argument : command.positional)
        required += argument.optional ? 0 : 1;
    const QStringList given = positional();
    if (given.size() < required)
        failUsage(QStringLiteral("missing %1").arg(command.positional.at(given.size()).name));
    if (given.size() > command.positional.size())
        failUsage(QStringLiteral("unexpected argument %1")
                      .arg(quotedInput(given.at(command.positional.size()))));
    for (const CommandOption &option : command.options)
        if (option.required && !isSet(option.names.constFirst()))
            failUsage(QStringLiteral("missing %1").arg(optionForm(option)));
}

QStringList CommandArguments::positional() const
{
    QStringList given = m_parser.positionalArguments();
    for (QString &argument : given)
        argument = unmarkedArgument(argument);
    return given;
}

QString CommandArguments::value(const QString &name) const
{
    return unmarkedArgument(m_parser.value(name));
}

QString optionNames(const CommandOption &option)
{
    QStringList names;
    for (const QString &name : option.names)
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        text += QLatin1Char(' ') + option.valueName;
    return text;
}

void appendHelpRows(QList<QStringList> &rows, const QString &name, const QString &description)
{
    const QStringList lines = description.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i)
        rows.append({i == 0 ? QStringLiteral("  ") + name : QString(), lines[i]});
}

QList<CommandOption> commonOptions()
{
    return {{{QStringLiteral("lang")},
             QStringLiteral("LANG"),
             helpSource(QT_TRANSLATE_NOOP(
                 "CommandHelp",
                 "窗口、帮助和输出的语言：en（英文）或 zh（中文）；\n不写时按区域设置"))},
            {{QStringLiteral("h"), QStringLiteral("help")},
             {},
             helpSource(QT_TRANSLATE_NOOP("CommandHelp", "显示本帮助"))}};
}

std::optional<QString> CommandArguments::language() const
{
    if (!isSet(QStringLiteral("lang")))
        return std::nullopt;
    return value(QStringLiteral("lang"));
}

QString helpText(Language language, const QString &source)
{
    return translated(language, "CommandHelp", source.toUtf8().constData());
}

QString usageLine(const Command &command, Language language)
{
    QStringList parts{
        helpText(language, helpSource(QT_TRANSLATE_NOOP("CommandHelp", "用法：quorvit"))),
        command.name};
    for (const CommandPositional &argument : command.positional)
        parts.append(argument.optional ? QStringLiteral("[%1]").arg(argument.name) : argument.name);
    for (const CommandOption &option : command.options)
        parts.append(option.required ? optionForm(option)
                                     : QStringLiteral("[%1]").arg(optionForm(option)));
    return parts.join(QLatin1Char(' '));
}

QString commandHelp(const Command &command, Language language)
{
    QList<QStringList> rows;
    for (const CommandPositional &argument : command.positional)
        appendHelpRows(rows, argument.name, helpText(language, argument.description));
    for (const CommandOption &option : command.options + commonOptions())
        appendHelpRows(rows, optionNames(option), helpText(language, option.description));
    QString text = usageLine(command, language) + QStringLiteral("\n\n") +
                   helpText(language, command.summary) + QStringLiteral("\n\n") +
                   alignedColumns(rows);
    if (!command.notes.isEmpty())
        text += QLatin1Char('\n') + helpText(language, command.notes) + QLatin1Char('\n');
    return text;
}

QStringList markedArguments(const QStringList &arguments)
{
    static const QRegularExpression negativeNumber(QStringLiteral("^-\\.?[0-9]"));
    QStringList marked = arguments;
    for (QString &argument : marked)
        if (negativeNumber.match(argument).hasMatch())
            argument.prepend(Mark);
    return marked;
}

QString unmarkedArgument(const QString &argument)
{
    return argument.startsWith(Mark) ? argument.mid(1) : argument;
}

QString parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) // a missing value: "Missing value after '--series'."
        return parser.errorText().left(1).toLower() + parser.errorText().mid(1).chopped(1);
    const QString &name = unknown.constFirst();
    // As typed: "-platform" and "--windows" keep their dashes, "-xo" names its unknown letter.
    for (const QString &argument : arguments) {
        static const QRegularExpression dashes(QStringLiteral("^--?([^=]*)"));
        if (dashes.match(argument).captured(1) == name)
            return QStringLiteral("unknown option %1")
                .arg(quotedInput(argument.section(u'=', 0, 0)));
    }
    return QStringLiteral("unknown option %1")
        .arg(quotedInput((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name));
}
