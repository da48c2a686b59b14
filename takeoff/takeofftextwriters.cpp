#include "takeoff/takeofftextwriters.h"

#include "catalogue/flangeinput.h"

#include <QFileDevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>

namespace
{

// Columns on a terminal: CJK characters take two.
int displayWidth(const QString &text)
{
    int width = 0;
    for (QChar c : text)
        width += c.unicode() >= 0x2E80 ? 2 : 1;
    return width;
}

// A count as ASCII digits in `buffer`.
QByteArrayView integerText(char (&buffer)[48], qint64 value)
{
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QByteArrayView(buffer, end - buffer);
}

// A weight in hundredths as "12.34".
QByteArrayView hundredthsText(char (&buffer)[48], qint64 hundredths)
{
    char *end = std::to_chars(buffer, buffer + 40, hundredths / 100).ptr;
    const qint64 rest = hundredths % 100;
    *end++ = '.';
    *end++ = char('0' + rest / 10);
    *end++ = char('0' + rest % 10);
    return QByteArrayView(buffer, end - buffer);
}

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QJsonValue jsonOf(const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return *number;
    if (const QString *text = std::get_if<QString>(&value))
        return *text;
    return QJsonValue::Null;
}

template <typename T> QJsonValue jsonOr(const std::optional<T> &value)
{
    return value ? QJsonValue(double(*value)) : QJsonValue(QJsonValue::Null);
}

} // namespace

Utf8Output &Utf8Output::operator<<(QByteArrayView bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() >= (1 << 16)) {
        if (m_error.isEmpty() && m_device.write(m_buffer) != m_buffer.size())
            m_error = m_device.errorString();
        m_buffer.resize(0);
    }
    return *this;
}

bool Utf8Output::flush(QString &error)
{
    if (m_error.isEmpty() && m_device.write(m_buffer) != m_buffer.size())
        m_error = m_device.errorString();
    m_buffer.resize(0);
    // A file (standard output too) may hold the last block until flushed.
    auto *file = qobject_cast<QFileDevice *>(&m_device);
    if (m_error.isEmpty() && file && !file->flush())
        m_error = file->errorString();
    error = m_error;
    return m_error.isEmpty();
}

void TakeoffRowWriter::writeRow(const QList<TakeoffCell> &cells)
{
    m_row = cellsText(cells, 0, cells.size());
    endRow(m_row);
    m_out << m_row;
}

QByteArray TakeoffRowWriter::cellsText(const QList<TakeoffCell> &cells, qsizetype from,
                                       qsizetype to) const
{
    QString text;
    for (qsizetype i = from; i < to; ++i)
        text += cellText(cells[i], i);
    return text.toUtf8();
}

void TakeoffRowWriter::writeLine(const TakeoffLine &line)
{
    if (!line.ok()) {
        writeRow(takeoffCells(line));
        return;
    }
    RecordTexts &texts = m_recordTexts[line.record.get()];
    if (!texts.record) {
        const QList<TakeoffCell> cells = takeoffCells(line);
        texts = {line.record, cellsText(cells, KindColumn, QuantityColumn),
                 cellsText(cells, OutsideDiameterColumn, WeightColumn)};
    }
    char digits[48];
    m_row.resize(0); // keeps its capacity
    appendCell(m_row, integerText(digits, line.number), LineColumn);
    m_row += texts.flange;
    appendCell(m_row, integerText(digits, *line.quantity), QuantityColumn);
    m_row += texts.values;
    appendCell(m_row, hundredthsText(digits, line.weightHundredths), WeightColumn);
    appendCell(m_row, {}, ErrorColumn);
    endRow(m_row);
    m_out << m_row;
}

void TakeoffRowWriter::writeTotals(const TakeoffTotals &totals)
{
    for (const QList<TakeoffCell> &row : takeoffTotalRows(totals))
        writeRow(row);
}

TakeoffTableWriter::TakeoffTableWriter(QIODevice &device) : TakeoffRowWriter(device)
{
    QList<TakeoffCell> header;
    for (const TakeoffColumn &column : takeoffColumns()) {
        const QString title = takeoffColumnTitle(column);
        header.append(title);
        // Wide enough for the title and for the usual values of the column.
        m_widths.append(std::max(displayWidth(title), 8));
    }
    writeRow(header);
}

QString TakeoffTableWriter::cellText(const TakeoffCell &cell, qsizetype column) const
{
    const QString text = takeoffCellText(cell, takeoffColumns()[column].decimals);
    if (column == ErrorColumn)
        return text;
    return text + QString(std::max(m_widths[column] - displayWidth(text), 0) + 2, u' ');
}

void TakeoffTableWriter::appendCell(QByteArray &row, QByteArrayView ascii, qsizetype column) const
{
    row += ascii;
    if (column != ErrorColumn)
        row.append(std::max(m_widths[column] - int(ascii.size()), 0) + 2, ' ');
}

void TakeoffTableWriter::endRow(QByteArray &row) const
{
    while (row.endsWith(' '))
        row.chop(1);
    row += '\n';
}

void TakeoffTableWriter::writeTotals(const TakeoffTotals &totals)
{
    m_out << '\n'
          << QStringLiteral("法兰总数: %1").arg(totals.flanges()) << '\n'
          << QStringLiteral("总净重: %1 kg").arg(takeoffCellText(totals.weightKg(), 2)) << '\n';
    const QMap<QString, qint64> bolts = totals.bolts();
    for (auto it = bolts.cbegin(); it != bolts.cend(); ++it)
        m_out << QStringLiteral("螺栓 %1: %2").arg(it.key()).arg(it.value()) << '\n';
    if (totals.failedLines() > 0)
        m_out << QStringLiteral("未计入的行: %1").arg(totals.failedLines()) << '\n';
}

TakeoffCsvWriter::TakeoffCsvWriter(QIODevice &device) : TakeoffRowWriter(device)
{
    m_out << "\xEF\xBB\xBF";
    QList<TakeoffCell> header;
    for (const TakeoffColumn &column : takeoffColumns())
        header.append(takeoffColumnTitle(column));
    writeRow(header);
}

QString TakeoffCsvWriter::cellText(const TakeoffCell &cell, qsizetype column) const
{
    QString text = csvField(takeoffCellText(cell, takeoffColumns()[column].decimals));
    if (column != ErrorColumn)
        text += u',';
    return text;
}

void TakeoffCsvWriter::appendCell(QByteArray &row, QByteArrayView ascii, qsizetype column) const
{
    row += ascii;
    if (column != ErrorColumn)
        row += ',';
}

void TakeoffCsvWriter::endRow(QByteArray &row) const
{
    row += "\r\n";
}

QJsonObject takeoffLineJson(const TakeoffLine &line)
{
    QJsonObject object;
    if (line.kind) {
        for (const FlangeField &field : flangeFields(*line.kind))
            object.insert(QLatin1String(field.key),
                          line.record ? jsonOf(field.value(*line.record)) : QJsonValue::Null);
    }
    // The line's own weight, not the row's, goes under weight_kg.
    object.insert(QLatin1String("line"), double(line.number));
    object.insert(QLatin1String("kind"),
                  line.kind ? QJsonValue(kindCode(*line.kind)) : QJsonValue::Null);
    object.insert(QLatin1String("pressure_mpa"), jsonOr(line.pressureMpa));
    object.insert(QLatin1String("series"),
                  line.series ? QJsonValue(seriesText(*line.series)) : QJsonValue::Null);
    object.insert(QLatin1String("dn"), jsonOr(line.dn));
    object.insert(QLatin1String("quantity"), jsonOr(line.quantity));
    object.insert(QLatin1String("unit_weight_kg"),
                  line.record ? QJsonValue(line.unitWeightKg()) : QJsonValue::Null);
    object.insert(QLatin1String("weight_kg"),
                  line.record ? QJsonValue(line.weightKg()) : QJsonValue::Null);
    object.insert(QLatin1String("error"), line.ok() ? QJsonValue::Null : QJsonValue(line.error));
    return object;
}

TakeoffJsonWriter::TakeoffJsonWriter(QIODevice &device) : TakeoffStreamWriter(device)
{
    m_out << "{\"lines\": [";
}

void TakeoffJsonWriter::writeLine(const TakeoffLine &line)
{
    m_out << (m_first ? "\n" : ",\n")
          << QByteArrayView(QJsonDocument(takeoffLineJson(line)).toJson(QJsonDocument::Compact));
    m_first = false;
}

void TakeoffJsonWriter::writeTotals(const TakeoffTotals &totals)
{
    QJsonObject bolts;
    const QMap<QString, qint64> counts = totals.bolts();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        bolts.insert(it.key(), double(it.value()));
    const QJsonObject sums{
        {"flanges", double(totals.flanges())}, {"weight_kg", totals.weightKg()}, {"bolts", bolts}};
    m_out << "\n],\n\"totals\": "
          << QByteArrayView(QJsonDocument(sums).toJson(QJsonDocument::Compact)) << "}\n";
}
