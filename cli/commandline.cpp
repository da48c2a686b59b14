#include "cli/commandline.h"

#include "catalogue/flangeinput.h"
#include "cli/command.h"
#include "cli/commandarguments.h"
#include "cli/textformat.h"
#include "files/atomicfile.h"
#include "files/filename.h"
#include "programs/handover.h"
#include "translations/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace
{

QList<CommandOption> programOptions()
{
    return QList<CommandOption>{
               {{QStringLiteral("window")},
                QStringLiteral("NAME"),
                helpSource(QT_TRANSLATE_NOOP(
                    "CommandHelp",
                    "打开名为 NAME 的窗口而不是主菜单：takeoff、identify、\npl、so、wn 或 class"))},
               {{QStringLiteral("version")},
                {},
                helpSource(QT_TRANSLATE_NOOP("CommandHelp", "显示程序的版本"))}} +
           commonOptions();
}

QString programHelp(Language language)
{
    QList<QStringList> commandRows, optionRows;
    for (const Command &command : commands())
        appendHelpRows(commandRows, command.name, helpText(language, command.summary));
    for (const CommandOption &option : programOptions())
        appendHelpRows(optionRows, optionNames(option), helpText(language, option.description));
    const auto text = [language](const char *source) {
        return helpText(language, helpSource(source));
    };
    return text(QT_TRANSLATE_NOOP("CommandHelp",
                                  "用法：quorvit [--window NAME]     打开查询窗口\n"
                                  "      quorvit COMMAND [ARGUMENTS]  运行命令，不开窗口"
                                  "（quorvit COMMAND --help）\n"
                                  "      quorvit --help | --version\n")) +
           QLatin1Char('\n') + text(QT_TRANSLATE_NOOP("CommandHelp", "命令：")) +
           QLatin1Char('\n') + alignedColumns(commandRows) + QLatin1Char('\n') +
           text(QT_TRANSLATE_NOOP("CommandHelp", "选项：")) + QLatin1Char('\n') +
           alignedColumns(optionRows);
}

// One line, as every usage error of the program as a whole.
int usageError(const QString &reason)
{
    writeErr(QStringLiteral("quorvit: %1 (see quorvit --help)\n").arg(oneLineText(reason)));
    return ExitUsage;
}

// What the parser says, with the option's description when its value is missing.
QString programParseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString reason = parseError(parser, arguments);
    if (!parser.unknownOptionNames().isEmpty())
        return reason;
    for (const CommandOption &option : programOptions())
        for (const QString &name : option.names)
            if (reason.contains(QLatin1Char('-') + name + QLatin1Char('\'')))
                return reason + QStringLiteral(": ") +
                       helpText(Language::English, option.description).simplified();
    return reason;
}

// A standard stream the program was started without (`>&-`) is held by /dev/null opened the other
// way round: no file the program opens takes its number (output meant for standard output would
// land in that file), and a write to it still fails as on a closed descriptor.
void holdClosedStandardStreams()
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) >= 0 || errno != EBADF)
            continue;
        const int held = ::open("/dev/null", stream == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (held >= 0 && held != stream) {
            ::dup2(held, stream);
            ::close(held);
        }
    }
}

// Text the program as a whole writes (--help, --version): exit 1 with the reason when standard
// output did not take it.
int programOutput(const QString &text)
{
    writeOut(text);
    if (const QString failure = standardOutputFailure(); !failure.isEmpty()) {
        writeErr(QStringLiteral("quorvit: %1\n").arg(failure));
        return ExitRejected;
    }
    return ExitSuccess;
}

// A command's run ends in failure when standard output did not take all it wrote.
int checkedOutput(int exitCode)
{
    if (const QString failure = standardOutputFailure(); !failure.isEmpty())
        failRejected({failure});
    return exitCode;
}

// Qt's own messages (a missing XDG_RUNTIME_DIR, a file engine's complaint) are not the user's
// business on the command line: the program says what went wrong in its own words.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        writeErr(QStringLiteral("quorvit: %1\n").arg(message));
}

// The part of a program a command line needs, and whether this program has it.
std::optional<ProgramPart> neededPart(CommandNeeds needs)
{
    switch (needs) {
    case CommandNeeds::Core:
        break;
    case CommandNeeds::Painting:
        return ProgramPart::Painting;
    case CommandNeeds::Dxf:
        return ProgramPart::Dxf;
    case CommandNeeds::Spreadsheet:
        return ProgramPart::Spreadsheet;
    }
    return std::nullopt;
}

bool has(const ProgramParts &parts, ProgramPart part)
{
    switch (part) {
    case ProgramPart::Windows:
        return parts.runWindows;
    case ProgramPart::Painting:
        return parts.makePaintingApplication;
    case ProgramPart::Dxf:
        return parts.writeDxf;
    case ProgramPart::Spreadsheet:
        return parts.makeSpreadsheetWriter;
    }
    return false;
}

// The command line handed to the program that has the part; returns only when it cannot be.
int handOverFor(ProgramPart part, char *argv[])
{
    writeErr(QStringLiteral("quorvit: %1\n").arg(handOver(programWith(part), part, argv)));
    return ExitRejected;
}

// The application a command runs on: Qt Core, or Qt Gui for one that paints.
std::unique_ptr<QCoreApplication> makeApplication(CommandNeeds needs, int &argc, char *argv[],
                                                  const ProgramParts &parts)
{
    if (needs == CommandNeeds::Painting)
        return std::unique_ptr<QCoreApplication>(parts.makePaintingApplication(argc, argv));
    return std::make_unique<QCoreApplication>(argc, argv);
}

// The language `--lang` chose, the last one counting; an invalid one is a usage error.
std::optional<LanguageChoice> chosenLanguage(const std::optional<QString> &value)
{
    const LanguageChoice choice = languageChoice(value);
    if (choice.isValid())
        return choice;
    writeErr(QStringLiteral("quorvit: %1\n").arg(oneLineText(invalidLanguageMessage(choice))));
    return std::nullopt;
}

int runCommand(const Command &command, const QStringList &arguments,
               const std::optional<QString> &programLanguage, int &argc, char *argv[],
               const ProgramParts &parts)
{
    try {
        const CommandArguments parsed(command, arguments);
        const std::optional<LanguageChoice> language =
            chosenLanguage(parsed.language() ? parsed.language() : programLanguage);
        if (!language)
            return ExitUsage;
        if (parsed.helpAsked()) {
            writeOut(commandHelp(command, language->language));
            return checkedOutput(ExitSuccess);
        }
        const CommandNeeds needs = command.needs ? command.needs(parsed) : CommandNeeds::Core;
        if (const std::optional<ProgramPart> part = neededPart(needs); part && !has(parts, *part))
            return handOverFor(*part, argv);
        qInstallMessageHandler(quietMessages);
        setOutputNotice(
            [](const QString &line) { writeErr(QStringLiteral("quorvit: %1\n").arg(line)); });
        const std::unique_ptr<QCoreApplication> app = makeApplication(needs, argc, argv, parts);
        // The command line's messages are English; its output's labels and Qt's texts follow
        // the language.
        if (language->language == Language::English)
            installLanguage(Language::English);
        QCoreApplication::setApplicationName(QStringLiteral("quorvit"));
        QCoreApplication::setApplicationVersion(QStringLiteral(QUORVIT_VERSION));
        return checkedOutput(command.run(parsed, parts));
    } catch (const CommandFailure &failure) {
        const QString prefix = QStringLiteral("quorvit %1: ").arg(command.name);
        QString message;
        for (const QString &line : failure.lines) // input it quotes cannot break it
            message += prefix + oneLineText(line) + QLatin1Char('\n');
        if (failure.exitCode == ExitUsage)
            message += usageLine(command) + QLatin1Char('\n');
        writeErr(message);
        return failure.exitCode;
    }
}

} // namespace

int runCommandLine(int argc, char *argv[], const ProgramParts &parts)
{
    holdClosedStandardStreams();
    takeHandOverMark();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(fileNameFromBytes(argv[i])); // a file's name keeps its bytes
    // The program's own options come before the command; what follows the command is its own.
    // Qt's single-dash words (-platform) are unknown like any other option.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    for (const CommandOption &option : programOptions())
        parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
    if (!parser.parse(QStringList{QStringLiteral("quorvit")} + markedArguments(arguments)))
        return usageError(programParseError(parser, arguments));
    const std::optional<QString> programLanguage =
        parser.isSet(QStringLiteral("lang")) ? std::optional(parser.value(QStringLiteral("lang")))
                                             : std::nullopt;
    const std::optional<LanguageChoice> language = chosenLanguage(programLanguage);
    if (!language)
        return ExitUsage;
    if (parser.isSet(QStringLiteral("help")))
        return programOutput(programHelp(language->language));
    if (parser.isSet(QStringLiteral("version")))
        return programOutput(QStringLiteral("quorvit %1\n").arg(QStringLiteral(QUORVIT_VERSION)));
    QStringList rest;
    for (const QString &argument : parser.positionalArguments())
        rest.append(unmarkedArgument(argument));
    const bool window = parser.isSet(QStringLiteral("window"));
    if (window && !rest.isEmpty())
        return usageError(QStringLiteral("--window opens the windows and takes no command"));
    QStringList names;
    for (const Command &command : commands()) {
        if (!rest.isEmpty() && rest.constFirst() == command.name)
            return runCommand(command, rest.mid(1), programLanguage, argc, argv, parts);
        names.append(command.name);
    }
    if (!rest.isEmpty())
        return usageError(
            QStringLiteral("unknown command %1 (%2)")
                .arg(quotedInput(rest.constFirst()), names.join(QStringLiteral(", "))));
    if (!has(parts, ProgramPart::Windows))
        return handOverFor(ProgramPart::Windows, argv);
    return parts.runWindows(
        argc, argv, window ? std::optional(parser.value(QStringLiteral("window"))) : std::nullopt,
        *language);
}
