#include "cli/command.h"

const QList<Command> &commands()
{
    static const QList<Command> all{lookupCommand(), tableCommand(), drawingCommand(),
                                    takeoffCommand(), identifyCommand(), ratingCommand()};
    return all;
}

void failUsage(const QString &reason)
{
    throw CommandFailure{ExitUsage, {reason}};
}

void failRejected(const QStringList &lines)
{
    throw CommandFailure{ExitRejected, lines};
}
