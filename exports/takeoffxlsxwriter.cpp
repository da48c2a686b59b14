#include "exports/takeoffxlsxwriter.h"

#include "catalogue/flangeinput.h"
#include "takeoff/outputtext.h"

#include "files/atomicfile.h"
#include "files/exportformat.h"
#include "files/scratchfile.h"
#include "files/workbookcheck.h"
#include "takeoff/writeall.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

namespace
{

// A text cell as the sheet's XML can hold it: no character XML forbids (a NUL, which would end
// the library's C string, among them), and no more than the 32,767 characters a cell takes (a
// longer one is cut, with an ellipsis).
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

// libxlsxwriter reports its own failures on standard error ("[ERROR][packager.c:1541]: Zip
// generic error ZIP_ERRNO"), with no option to stop it: while it works, standard error goes
// nowhere, and the user gets the reason in one line instead.
class QuietStandardError
{
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && nothing >= 0)
            ::dup2(nothing, STDERR_FILENO);
        if (nothing >= 0)
            ::close(nothing);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    int m_saved;
};

} // namespace

TakeoffXlsxWriter::TakeoffXlsxWriter(QIODevice &device)
    : m_device(device), m_workFolder(workFolderOf(device)),
      m_file(std::make_unique<ScratchFile>(m_workFolder))
{
    if (!m_file->error().isEmpty()) {
        m_error = m_file->error();
        return;
    }
    // The library's own work files (the sheet's rows, each part before it is zipped) go beside
    // the workbook; it removes each as soon as it has made it.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_workFolder.data();
    {
        QuietStandardError quiet;
        m_workbook = workbook_new_opt(m_file->name().constData(), &options);
    }
    if (!m_workbook) {
        m_error = QStringLiteral("cannot start the workbook");
        return;
    }
    m_sheet = workbook_add_worksheet(m_workbook, "法兰清单");
    m_bold = workbook_add_format(m_workbook);
    m_weight = workbook_add_format(m_workbook);
    // The text forms' pressure decimals (PressureDecimals): one at least, hundredths at most.
    m_pressure = workbook_add_format(m_workbook);
    if (!m_sheet || !m_bold || !m_weight || !m_pressure) {
        m_error = QStringLiteral("cannot start the workbook: out of memory");
        m_sheet = nullptr;
        return;
    }
    format_set_bold(m_bold);
    format_set_num_format(m_weight, "0.00");
    format_set_num_format(m_pressure, "0.0#");
}

void TakeoffXlsxWriter::writeTitles(const QStringList &titles)
{
    // Each title in the first cell of its row, above the header, as the list had them: a text,
    // whatever it spells.
    for (const QString &title : titles) {
        if (!m_sheet || !m_error.isEmpty() || !roomForRow())
            return;
        writeText(0, cellText(title), m_bold);
        ++m_row;
    }
}

void TakeoffXlsxWriter::begin(const CarriedColumns &carried)
{
    m_carried = carried;
    m_columns = takeoffColumns(carried);
    if (!m_sheet || !m_error.isEmpty())
        return;
    // A column past the last would be dropped, and one past 65,535 would wrap onto another.
    if (m_columns.size() > SpreadsheetColumns) {
        const qsizetype own = m_columns.size() - carried.leading.size() - carried.trailing.size();
        m_error = QStringLiteral("the list's %1 columns and the take-off's %2 do not fit in the %3 "
                                 "columns of a sheet (csv has no such limit)")
                      .arg(m_columns.size() - own)
                      .arg(own)
                      .arg(SpreadsheetColumns);
        return;
    }
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const int standard = m_columns[i].standard;
        const double width = standard == ErrorColumn ? 50 : standard == CalloutColumn ? 18 : 12;
        check(worksheet_set_column(m_sheet, lxw_col_t(i), lxw_col_t(i), width, nullptr),
              lxw_col_t(i));
    }
    worksheet_freeze_panes(m_sheet, lxw_row_t(m_row + 1), 0);
    // Every title a text, whatever it spells.
    if (!roomForRow())
        return;
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        writeText(lxw_col_t(i), cellText(takeoffColumnTitle(m_columns[i])), m_bold);
    ++m_row;
}

lxw_col_t TakeoffXlsxWriter::placed(TakeoffColumnIndex column) const
{
    return lxw_col_t(takeoffColumnPlace(column, m_carried));
}

bool TakeoffXlsxWriter::roomForRow()
{
    if (qint64(m_row) < SpreadsheetRows)
        return true;
    m_error = QStringLiteral("more than %1 rows do not fit in one sheet").arg(SpreadsheetRows);
    return false;
}

void TakeoffXlsxWriter::writeText(lxw_col_t column, const QByteArray &cleaned, lxw_format *format)
{
    check(worksheet_write_string(m_sheet, m_row, column, cleaned.constData(), format), column);
}

void TakeoffXlsxWriter::writeNumber(lxw_col_t column, double value, lxw_format *format)
{
    check(worksheet_write_number(m_sheet, m_row, column, value, format), column);
}

void TakeoffXlsxWriter::check(int result, lxw_col_t column)
{
    if (result == LXW_NO_ERROR || !m_error.isEmpty())
        return;
    char cell[LXW_MAX_CELL_NAME_LENGTH];
    lxw_rowcol_to_cell(cell, m_row, column);
    m_error = QStringLiteral("cell %1 was not written: %2")
                  .arg(QLatin1String(cell), QString::fromUtf8(lxw_strerror(lxw_error(result))));
}

TakeoffXlsxWriter::~TakeoffXlsxWriter()
{
    if (m_workbook) {
        QuietStandardError quiet;
        workbook_close(m_workbook);
    }
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
        lxw_format *format = isWeight ? weight : text;
        if (m_columns.value(i).decimals == PressureDecimals)
            format = m_pressure;
        if (const double *number = std::get_if<double>(&cells[i]))
            writeNumber(column, *number, format);
        else if (const QString *string = std::get_if<QString>(&cells[i]); string && standard < 0)
            writeCarried(column, *string, text);
        else if (string)
            writeText(column, cellText(*string), text);
    }
    ++m_row;
}

// The list's own texts stay text cells, never formulas, whatever they start with; a number as
// written (an item number "12") stays a number, as the list had it.
void TakeoffXlsxWriter::writeCarried(lxw_col_t column, const QString &text, lxw_format *format)
{
    if (const std::optional<double> number = numberAsWritten(text))
        writeNumber(column, *number, format);
    else
        writeText(column, cellText(text), format);
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
        strings = {line.record, cellText(kindCode(r.kind)), cellText(seriesText(r.series)),
                   cellText(r.callout), cellText(boltToOrder(r))};
    }
    const FlangeRecord &r = *line.record;
    const auto number = [&](TakeoffColumnIndex column, double value, lxw_format *format) {
        writeNumber(placed(column), value, format);
    };
    const auto string = [&](TakeoffColumnIndex column, const QByteArray &text) {
        writeText(placed(column), text, nullptr);
    };
    const auto carried = [&](qsizetype from, qsizetype count, lxw_col_t column) {
        for (qsizetype i = 0; i < count; ++i)
            if (const QString text = line.carried.value(from + i); !text.isEmpty())
                writeCarried(column + lxw_col_t(i), text, nullptr);
    };
    const auto length = [&](TakeoffColumnIndex column, const std::optional<double> &value) {
        if (value)
            number(column, *value, nullptr);
    };
    number(LineColumn, double(line.number), nullptr);
    carried(0, m_carried.leading.size(), LineColumn + 1);
    string(KindColumn, strings.kind);
    number(PressureColumn, *line.pressureMpa, m_pressure);
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
    // After an empty row, the block in the sheet's first columns (forEachTotalsRow()): no
    // count or weight of it under the lines' quantity or weight. Its texts are never formulas.
    const auto write = [&](const QList<TakeoffCell> &row, bool header) {
        if (!m_sheet || !m_error.isEmpty() || !roomForRow())
            return;
        for (qsizetype i = 0; i < row.size(); ++i) {
            const lxw_col_t column = lxw_col_t(i);
            if (const double *number = std::get_if<double>(&row[i]))
                writeNumber(column, *number,
                            takeoffTotalsDecimals(row, i) == 2 ? m_weight : nullptr);
            else if (const QString *text = std::get_if<QString>(&row[i]))
                writeText(column, cellText(*text), header ? m_bold : nullptr);
        }
        ++m_row;
    };
    if (m_sheet && m_error.isEmpty() && roomForRow())
        ++m_row;
    write(takeoffTotalsHeader(), true);
    forEachTotalsRow(totals, m_carried, [&](const QList<TakeoffCell> &row) { write(row, false); });
}

bool TakeoffXlsxWriter::finish(QString &error)
{
    // The rows go to a work file as they come, and the library pays no heed when a write to it
    // fails: asked once more, the system gives its reason.
    if (FILE *rows = m_sheet ? m_sheet->optimize_tmpfile : nullptr;
        rows && m_error.isEmpty() && (std::fflush(rows) != 0 || std::ferror(rows))) {
        std::clearerr(rows);
        errno = 0;
        if ((std::fputc('\n', rows) == EOF || std::fflush(rows) != 0) && errno != 0)
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    if (m_workbook) {
        lxw_error closed;
        int cause;
        {
            QuietStandardError quiet;
            errno = 0;
            closed = workbook_close(m_workbook);
            cause = errno; // the system's reason behind a failed write, when there was one
        }
        m_workbook = nullptr;
        const QString system =
            cause != 0 ? QString::fromLocal8Bit(std::strerror(cause)) : QString();
        if (closed != LXW_NO_ERROR && m_error.isEmpty())
            m_error = cause != 0 ? system : QString::fromUtf8(lxw_strerror(closed));
        QFile made;
        if (m_error.isEmpty() && !m_file->readBack(made))
            m_error = made.errorString();
        if (const QString why = m_error.isEmpty() ? checkWorkbookParts(made) : QString();
            !why.isEmpty())
            m_error = system.isEmpty()
                          ? QStringLiteral("the workbook is not whole: %1").arg(why)
                          : QStringLiteral("%1 (the workbook is not whole: %2)").arg(system, why);
        if (m_error.isEmpty() && !made.seek(0))
            m_error = made.errorString();
        for (QByteArray block; m_error.isEmpty() && !(block = made.read(1 << 20)).isEmpty();)
            m_error = writeAll(m_device, block);
    }
    error = m_error;
    return m_error.isEmpty();
}
