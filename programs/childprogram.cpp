#include "programs/childprogram.h"

ChildProgram::ChildProgram(QObject *parent) : QObject(parent)
{
    connect(&m_process, &QProcess::bytesWritten, this, [this](qint64 bytes) {
        m_inputTaken += bytes;
        emit inputTaken(m_inputTaken, m_inputSize);
    });
    // Written as the child reads it: the pipe takes what it can, the rest waits in the buffer.
    connect(&m_process, &QProcess::started, this, [this] {
        m_process.write(m_input);
        m_input.clear();
        m_process.closeWriteChannel();
    });
    connect(&m_process, &QProcess::finished, this, &ChildProgram::end);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        m_startFailed = true;
        end();
    });
}

ChildProgram::~ChildProgram()
{
    cancel();
}

void ChildProgram::start(Program program, const QStringList &arguments, const QByteArray &input)
{
    m_path = programPath(program);
    m_inputSize = input.size();
    m_inputTaken = 0;
    m_startFailed = false;
    m_cancelled = false;
    m_input = input;
    m_process.start(m_path, arguments);
}

void ChildProgram::cancel()
{
    if (!isRunning())
        return;
    m_cancelled = true;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

void ChildProgram::end()
{
    if (m_cancelled)
        return;
    QString why;
    if (m_startFailed) {
        why = QStringLiteral("cannot start %1: %2").arg(m_path, m_process.errorString());
    } else if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0) {
        // Its last line says why; the lines before it may be about the input's lines.
        const QString last = QString::fromUtf8(
            m_process.readAllStandardError().trimmed().split('\n').constLast().trimmed());
        const QString reason = last.section(QStringLiteral(": "), 1);
        why =
            !reason.isEmpty() ? reason
            : !last.isEmpty() ? last
            : m_process.exitStatus() == QProcess::NormalExit
                ? QStringLiteral("%1 ended with exit code %2").arg(m_path).arg(m_process.exitCode())
                : QStringLiteral("%1 ended abnormally").arg(m_path);
    }
    emit finished(why);
}

QString ChildProgram::run(Program program, const QStringList &arguments)
{
    ChildProgram child;
    QString why;
    connect(&child, &ChildProgram::finished, &child,
            [&why](const QString &failure) { why = failure; });
    child.start(program, arguments);
    if (child.m_process.waitForStarted())
        child.m_process.waitForFinished(-1);
    return why;
}
