#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A program run to its end, as a script would run it: standard input given, output and
// messages kept apart.
struct ProgramRun {
    int exitCode = -1; // -1: it crashed or did not finish in time
    QByteArray out;
    QString err;
    QString text() const { return QString::fromUtf8(out); }
};

inline ProgramRun
runProgram(const QString &program, const QStringList &arguments, const QByteArray &input = {},
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, QStringLiteral("did not finish")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

#ifdef QUORVIT_PROGRAM
// The program under test, built beside the tests.
inline ProgramRun
quorvit(const QStringList &arguments, const QByteArray &input = {},
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    return runProgram(QStringLiteral(QUORVIT_PROGRAM), arguments, input, environment);
}
#endif
