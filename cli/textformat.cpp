#include "cli/textformat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <cmath>
#include <cstdio>

namespace
{

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// East Asian Wide and Fullwidth blocks (Unicode UAX #11), enough for Chinese, Japanese, Korean
// and full-width forms.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

void writeOut(const QString &text)
{
    write(stdout, text);
}

void writeErr(const QString &text)
{
    write(stderr, text);
}

QString formatNumber(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

int displayWidth(QStringView text)
{
    int width = 0;
    for (char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
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
    for (const QString &field : fields) {
        const bool needsQuotes =
            field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
            field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
        quoted.append(needsQuotes
                          ? QLatin1Char('"') +
                                QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) +
                                QLatin1Char('"')
                          : field);
    }
    return quoted.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString jsonString(const QString &text)
{
    // QJsonDocument does the escaping; the array's brackets are taken off again.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}
