#pragma once

#include "programs/programs.h"

#include <QObject>
#include <QProcess>
#include <QStringList>

// One of the programs run as a child, without blocking the thread that starts it: its standard
// input written as the child reads it, its end told by a signal. What came of it is read from
// the exit status and one line: exit 0 is success; otherwise the last line the child wrote on
// standard error, without the "quorvit COMMAND: " its lines start with, says why.
class ChildProgram : public QObject
{
    Q_OBJECT
public:
    explicit ChildProgram(QObject *parent = nullptr);
    // A child still running is ended (cancel()).
    ~ChildProgram() override;

    // Starts the program with the arguments, `input` on its standard input (then closed).
    void start(Program program, const QStringList &arguments, const QByteArray &input = {});
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Ends the child (SIGTERM, on which the programs remove their work files; SIGKILL when it
    // has not ended a moment later). finished() is not emitted for it.
    void cancel();

    // The same run to its end, for the short runs a caller waits for: "" or why not.
    static QString run(Program program, const QStringList &arguments);

signals:
    // How much of the input the child has taken.
    void inputTaken(qint64 taken, qint64 total);
    // "" when it exited 0, otherwise why, in one line.
    void finished(const QString &failure);

private:
    void end();

    QProcess m_process;
    QString m_path;
    QByteArray m_input; // until the child has started
    qint64 m_inputSize = 0;
    qint64 m_inputTaken = 0;
    bool m_startFailed = false;
    bool m_cancelled = false;
};
