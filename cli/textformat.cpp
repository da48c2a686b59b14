#include "cli/textformat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{

// Why the first write to standard output that failed did (an errno), 0 while all went through.
int outputError = 0;

QString cannotWrite(int error)
{
    return cannotWriteStandardOutput(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

void writeOut(const QString &text)
{
    if (outputError != 0)
        return; // the rest would be lost as well
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0)
        outputError = errno != 0 ? errno : EIO;
}

void writeErr(const QString &text)
{
    // A message that cannot be written has nowhere else to go.
    const QByteArray bytes = terminalText(text).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

QString standardOutputFailure()
{
    if (outputError == 0 && std::fflush(stdout) != 0)
        outputError = errno != 0 ? errno : EIO;
    return outputError == 0 ? QString() : cannotWrite(outputError);
}

QString cannotWriteStandardOutput(const QString &reason)
{
    return QStringLiteral("cannot write standard output: %1").arg(reason);
}

QString alignedColumns(const QList<QStringList> &rows)
{
    // A cell's text stays in its cell: what would break or reorder the line is escaped.
    QList<QStringList> cells;
    QList<int> widths;
    for (const QStringList &row : rows) {
        QStringList &shown = cells.emplace_back();
        for (qsizetype i = 0; i < row.size(); ++i) {
            shown.append(oneLineText(row[i]));
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = std::max(widths[i], displayWidth(shown.last()));
        }
    }
    QString text;
    for (const QStringList &row : std::as_const(cells)) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += QString(widths[i] - displayWidth(row[i]) + 2, QLatin1Char(' '));
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}
