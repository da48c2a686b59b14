#include "cli/commandline.h"

#include "cli/command.h"
#include "cli/commandarguments.h"
#include "cli/textformat.h"

#include <QCoreApplication>
#include <cstring>

namespace
{

QString programUsage()
{
    QList<QStringList> rows;
    for (const Command &command : commands())
        rows.append({QStringLiteral("  ") + QString::fromLatin1(command.name),
                     QString::fromUtf8(command.summary)});
    return QStringLiteral("Usage: quorvit                 open the lookup windows\n"
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

int runCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
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
