#include "cli/commandline.h"

#include "cli/command.h"
#include "cli/commandarguments.h"
#include "cli/guimodule.h"
#include "cli/textformat.h"
#include "translations/language.h"

#include <QCoreApplication>
#include <cstring>
#include <memory>

namespace
{

QString programUsage()
{
    QList<QStringList> rows;
    for (const Command &command : commands())
        rows.append({QStringLiteral("  ") + QString::fromLatin1(command.name),
                     QString::fromUtf8(command.summary)});
    return QStringLiteral("Usage: quorvit                 open the lookup windows\n"
                          "       quorvit --window NAME   open them at takeoff, identify, pl, so "
                          "or wn\n"
                          "       quorvit COMMAND [ARGUMENTS] [--help]\n"
                          "       quorvit --help | --version\n"
                          "\nCommands:\n") +
           alignedColumns(rows);
}

int usageError(const QString &reason)
{
    writeErr(QStringLiteral("quorvit: %1\n").arg(reason) + programUsage());
    return ExitUsage;
}

int runCommand(const Command &command, const QStringList &arguments)
{
    try {
        CommandArguments parsed(command, arguments);
        return command.run(parsed);
    } catch (const CommandFailure &failure) {
        const QString prefix = QStringLiteral("quorvit %1: ").arg(QLatin1String(command.name));
        QString message;
        for (const QString &line : failure.lines)
            message += prefix + line + QLatin1Char('\n');
        if (failure.exitCode == ExitUsage)
            message += usageLine(command) + QLatin1Char('\n');
        writeErr(message);
        return failure.exitCode;
    }
}

} // namespace

bool wantsCommandLine(int argc, char *argv[])
{
    if (argc < 2)
        return false;
    const char *first = argv[1];
    if (std::strncmp(first, "--window", 8) == 0)
        return false;
    return first[0] != '-' || first[1] == '-' || std::strcmp(first, "-h") == 0;
}

namespace
{

// The application a command runs on: Qt Core, or for a command that paints (SVG, PDF) Qt Gui
// on the offscreen platform, so that it too needs no display; Qt Gui comes with the windows
// module. Null when that module cannot be loaded.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    for (const Command &command : commands()) {
        if (std::strcmp(argv[1], command.name) == 0 && command.needsGui &&
            command.needsGui(arguments)) {
            const GuiModule *gui = loadGuiModule();
            return std::unique_ptr<QCoreApplication>(gui ? gui->makePaintingApplication(argc, argv)
                                                         : nullptr);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int runCommandLine(int argc, char *argv[], const LanguageChoice &language)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    if (!app)
        return ExitRejected;
    // The command line's own messages are English, and so are Qt's option parser's with them.
    if (language.language == Language::English)
        installLanguage(Language::English);
    if (!language.isValid())
        return usageError(invalidLanguageMessage(language));
    QCoreApplication::setApplicationName(QStringLiteral("quorvit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVIT_VERSION));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        writeOut(programUsage());
        return ExitSuccess;
    }
    if (name == QLatin1String("--version")) {
        writeOut(QStringLiteral("quorvit %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitSuccess;
    }
    for (const Command &command : commands()) {
        if (name == QLatin1String(command.name))
            return runCommand(command, arguments);
    }
    return usageError(name.startsWith(QLatin1Char('-'))
                          ? QStringLiteral("unknown option '%1'").arg(name.left(40))
                          : QStringLiteral("unknown command '%1'").arg(name.left(40)));
}
