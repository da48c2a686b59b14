#include "takeoff/takeofftextwriters.h"

#include "catalogue/flangeinput.h"

#include <QJsonDocument>
#include <QJsonObject>

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

TakeoffStreamWriter::TakeoffStreamWriter(QIODevice &device) : m_out(&device), m_device(device)
{
    m_out.setEncoding(QStringConverter::Utf8);
}

bool TakeoffStreamWriter::finish(QString &error)
{
    m_out.flush();
    if (m_out.status() == QTextStream::Ok)
        return true;
    error = m_device.errorString();
    return false;
}

TakeoffTableWriter::TakeoffTableWriter(QIODevice &device) : TakeoffStreamWriter(device)
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

void TakeoffTableWriter::writeRow(const QList<TakeoffCell> &cells)
{
    const QList<TakeoffColumn> &columns = takeoffColumns();
    QString row;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QString text = takeoffCellText(cells[i], columns[i].decimals);
        row += text;
        if (i + 1 < cells.size())
            row += QString(std::max(m_widths[i] - displayWidth(text), 0) + 2, u' ');
    }
    m_out << row.trimmed() << '\n';
}

void TakeoffTableWriter::writeLine(const TakeoffLine &line)
{
    writeRow(takeoffCells(line));
}

void TakeoffTableWriter::writeTotals(const TakeoffTotals &totals)
{
    m_out << '\n'
          << QStringLiteral("法兰总数: %1").arg(totals.flanges()) << '\n'
          << QStringLiteral("总净重: %1 kg").arg(QString::number(totals.weightKg(), 'f', 2))
          << '\n';
    const QMap<QString, qint64> bolts = totals.bolts();
    for (auto it = bolts.cbegin(); it != bolts.cend(); ++it)
        m_out << QStringLiteral("螺栓 %1: %2").arg(it.key()).arg(it.value()) << '\n';
    if (totals.failedLines() > 0)
        m_out << QStringLiteral("未计入的行: %1").arg(totals.failedLines()) << '\n';
}

TakeoffCsvWriter::TakeoffCsvWriter(QIODevice &device) : TakeoffStreamWriter(device)
{
    m_out.setGenerateByteOrderMark(true);
    QList<TakeoffCell> header;
    for (const TakeoffColumn &column : takeoffColumns())
        header.append(takeoffColumnTitle(column));
    writeRow(header);
}

void TakeoffCsvWriter::writeRow(const QList<TakeoffCell> &cells)
{
    const QList<TakeoffColumn> &columns = takeoffColumns();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            m_out << ',';
        m_out << csvField(takeoffCellText(cells[i], columns[i].decimals));
    }
    m_out << "\r\n";
}

void TakeoffCsvWriter::writeLine(const TakeoffLine &line)
{
    writeRow(takeoffCells(line));
}

void TakeoffCsvWriter::writeTotals(const TakeoffTotals &totals)
{
    for (const QList<TakeoffCell> &row : takeoffTotalRows(totals))
        writeRow(row);
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
          << QString::fromUtf8(QJsonDocument(takeoffLineJson(line)).toJson(QJsonDocument::Compact));
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
          << QString::fromUtf8(QJsonDocument(sums).toJson(QJsonDocument::Compact)) << "}\n";
}
