#include "exports/takeoffxlsxwriter.h"

#include "catalogue/flangeinput.h"
#include "takeoff/outputtext.h"

#include <QDir>
#include <QFileDevice>
#include <xlsxwriter.h>

namespace
{

// A sheet holds at most this many rows.
constexpr quint32 SheetRows = 1'048'576;

// A text cell as the sheet's XML can hold it: no character XML forbids, and no more than the
// 32,767 characters a cell takes (a longer one is cut, with an ellipsis).
QByteArray cellText(const QString &text)
{
    constexpr qsizetype Longest = 32'767;
    QString writable = writableText(text);
    if (writable.size() > Longest) {
        qsizetype cut = Longest - 1;
        if (writable[cut - 1].isHighSurrogate())
            --cut;
        writable = writable.left(cut) + QChar(0x2026);
    }
    return writable.toUtf8();
}

} // namespace

TakeoffXlsxWriter::TakeoffXlsxWriter(QIODevice &device)
    : m_device(device), m_file(QDir::tempPath() + QStringLiteral("/quorvit-XXXXXX.xlsx"))
{
    if (!m_file.open()) {
        m_error = m_file.errorString();
        return;
    }
    m_file.close(); // the library opens it by name
    static const QByteArray temporaryFolder = QDir::tempPath().toLocal8Bit();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(temporaryFolder.constData());
    m_workbook = workbook_new_opt(m_file.fileName().toLocal8Bit().constData(), &options);
    if (!m_workbook) {
        m_error = QStringLiteral("cannot start the workbook");
        return;
    }
    m_sheet = workbook_add_worksheet(m_workbook, "法兰清单");
    m_bold = workbook_add_format(m_workbook);
    format_set_bold(m_bold);
    m_weight = workbook_add_format(m_workbook);
    format_set_num_format(m_weight, "0.00");
    m_boldWeight = workbook_add_format(m_workbook);
    format_set_bold(m_boldWeight);
    format_set_num_format(m_boldWeight, "0.00");

    const QList<TakeoffColumn> &columns = takeoffColumns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const double width = i == ErrorColumn ? 50 : i == CalloutColumn ? 18 : 12;
        worksheet_set_column(m_sheet, lxw_col_t(i), lxw_col_t(i), width, nullptr);
    }
    worksheet_freeze_panes(m_sheet, 1, 0);
    QList<TakeoffCell> header;
    for (const TakeoffColumn &column : columns)
        header.append(takeoffColumnTitle(column));
    writeRow(header, m_bold, m_bold);
}

bool TakeoffXlsxWriter::roomForRow()
{
    if (m_row < SheetRows)
        return true;
    m_error = QStringLiteral("more than %1 rows do not fit in one sheet").arg(SheetRows);
    return false;
}

TakeoffXlsxWriter::~TakeoffXlsxWriter()
{
    if (m_workbook)
        workbook_close(m_workbook);
}

void TakeoffXlsxWriter::writeRow(const QList<TakeoffCell> &cells, lxw_format *text,
                                 lxw_format *weight)
{
    if (!m_sheet || !m_error.isEmpty())
        return;
    if (!roomForRow())
        return;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const lxw_col_t column = lxw_col_t(i);
        const bool isWeight = i == UnitWeightColumn || i == WeightColumn;
        if (const double *number = std::get_if<double>(&cells[i]))
            worksheet_write_number(m_sheet, m_row, column, *number, isWeight ? weight : text);
        else if (const QString *string = std::get_if<QString>(&cells[i]))
            worksheet_write_string(m_sheet, m_row, column, cellText(*string).constData(), text);
    }
    ++m_row;
}

void TakeoffXlsxWriter::writeLine(const TakeoffLine &line)
{
    if (!line.ok()) {
        writeRow(takeoffCells(line), nullptr, m_weight);
        return;
    }
    if (!m_sheet || !m_error.isEmpty() || !roomForRow())
        return;
    // A good line's strings are its row's: made once, in UTF-8, for all its lines.
    RowStrings &strings = m_rowStrings[line.record.get()];
    if (!strings.record) {
        const FlangeRecord &r = *line.record;
        strings = {line.record, kindCode(r.kind).toUtf8(), seriesText(r.series).toUtf8(),
                   r.callout.toUtf8(), r.bolt.toUtf8()};
    }
    const FlangeRecord &r = *line.record;
    const auto number = [&](TakeoffColumnIndex column, double value, lxw_format *format) {
        worksheet_write_number(m_sheet, m_row, lxw_col_t(column), value, format);
    };
    const auto string = [&](TakeoffColumnIndex column, const QByteArray &text) {
        worksheet_write_string(m_sheet, m_row, lxw_col_t(column), text.constData(), nullptr);
    };
    const auto length = [&](TakeoffColumnIndex column, const std::optional<double> &value) {
        if (value)
            number(column, *value, nullptr);
    };
    number(LineColumn, double(line.number), nullptr);
    string(KindColumn, strings.kind);
    number(PressureColumn, *line.pressureMpa, nullptr);
    string(SeriesColumn, strings.series);
    number(DnColumn, r.dn, nullptr);
    number(QuantityColumn, double(*line.quantity), nullptr);
    length(OutsideDiameterColumn, r.outsideDiameter);
    length(BoltCircleColumn, r.boltCircle);
    string(CalloutColumn, strings.callout);
    string(BoltColumn, strings.bolt);
    length(ThicknessColumn, r.thickness);
    number(UnitWeightColumn, line.unitWeightKg(), m_weight);
    number(WeightColumn, line.weightKg(), m_weight);
    ++m_row;
}

void TakeoffXlsxWriter::writeTotals(const TakeoffTotals &totals)
{
    for (const QList<TakeoffCell> &row : takeoffTotalRows(totals))
        writeRow(row, m_bold, m_boldWeight);
}

bool TakeoffXlsxWriter::finish(QString &error)
{
    if (m_workbook) {
        const lxw_error closed = workbook_close(m_workbook);
        m_workbook = nullptr;
        if (closed != LXW_NO_ERROR && m_error.isEmpty())
            m_error = QString::fromUtf8(lxw_strerror(closed));
    }
    if (m_error.isEmpty()) {
        QFile made(m_file.fileName());
        if (!made.open(QIODevice::ReadOnly))
            m_error = made.errorString();
        while (m_error.isEmpty() && !made.atEnd()) {
            const QByteArray chunk = made.read(1 << 20);
            if (m_device.write(chunk) != chunk.size())
                m_error = m_device.errorString();
        }
        auto *file = qobject_cast<QFileDevice *>(&m_device);
        if (m_error.isEmpty() && file && !file->flush())
            m_error = file->errorString();
    }
    error = m_error;
    return m_error.isEmpty();
}
