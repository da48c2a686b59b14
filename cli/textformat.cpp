#include "cli/textformat.h"

#include <cstdio>

namespace
{

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void writeOut(const QString &text)
{
    write(stdout, text);
}

void writeErr(const QString &text)
{
    write(stderr, terminalText(text));
}

QString alignedColumns(const QList<QStringList> &rows)
{
    QList<int> widths;
    for (const QStringList &row : rows)
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths.append(0);
            widths[i] = std::max(widths[i], displayWidth(row[i]));
        }
    QString text;
    for (const QStringList &row : rows) {
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
