#include "exports/takeoffxlsxwriter.h"

#include "catalogue/flangeinput.h"

#include <QDir>
#include <QFileDevice>
#include <xlsxwriter.h>

namespace
{

// A sheet holds at most this many rows.
constexpr quint32 SheetRows = 1'048'576;

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
}

void TakeoffXlsxWriter::begin(const CarriedColumns &carried)
{
    m_carried = carried;
    m_columns = takeoffColumns(carried);
    if (!m_sheet)
        return;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const int standard = m_columns[i].standard;
        const double width = standard == ErrorColumn ? 50 : standard == CalloutColumn ? 18 : 12;
        worksheet_set_column(m_sheet, lxw_col_t(i), lxw_col_t(i), width, nullptr);
    }
    worksheet_freeze_panes(m_sheet, 1, 0);
    QList<TakeoffCell> header;
    for (const TakeoffColumn &column : m_columns)
        header.append(takeoffColumnTitle(column));
    writeRow(header, m_bold, m_bold);
}

lxw_col_t TakeoffXlsxWriter::placed(TakeoffColumnIndex column) const
{
    return lxw_col_t(takeoffColumnPlace(column, m_carried));
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
        const int standard = m_columns.value(i).standard;
        const bool isWeight = standard == UnitWeightColumn || standard == WeightColumn;
        if (const double *number = std::get_if<double>(&cells[i]))
            worksheet_write_number(m_sheet, m_row, column, *number, isWeight ? weight : text);
        else if (const QString *string = std::get_if<QString>(&cells[i]))
            worksheet_write_string(m_sheet, m_row, column, string->toUtf8().constData(), text);
    }
    ++m_row;
}

void TakeoffXlsxWriter::writeLine(const TakeoffLine &line)
{
    if (!line.ok()) {
        writeRow(takeoffCells(line, m_carried), nullptr, m_weight);
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
        worksheet_write_number(m_sheet, m_row, placed(column), value, format);
    };
    const auto string = [&](TakeoffColumnIndex column, const QByteArray &text) {
        worksheet_write_string(m_sheet, m_row, placed(column), text.constData(), nullptr);
    };
    // The list's own texts stay text cells, never formulas, whatever they start with.
    const auto carried = [&](qsizetype from, qsizetype count, lxw_col_t column) {
        for (qsizetype i = 0; i < count; ++i)
            if (const QString text = line.carried.value(from + i); !text.isEmpty())
                worksheet_write_string(m_sheet, m_row, column + lxw_col_t(i),
                                       text.toUtf8().constData(), nullptr);
    };
    const auto length = [&](TakeoffColumnIndex column, const std::optional<double> &value) {
        if (value)
            number(column, *value, nullptr);
    };
    number(LineColumn, double(line.number), nullptr);
    carried(0, m_carried.leading.size(), LineColumn + 1);
    string(KindColumn, strings.kind);
    number(PressureColumn, *line.pressureMpa, nullptr);
    string(SeriesColumn, strings.series);
    number(DnColumn, r.dn, nullptr);
    number(QuantityColumn, double(*line.quantity), nullptr);
    carried(m_carried.leading.size(), m_carried.trailing.size(), placed(QuantityColumn) + 1);
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
    for (const QList<TakeoffCell> &row : takeoffTotalRows(totals, m_carried))
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
