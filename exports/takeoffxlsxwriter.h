#pragma once

#include "takeoff/takeoffwriter.h"

#include <QHash>
#include <QIODevice>
#include <memory>

class ScratchFile;

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;
using lxw_col_t = unsigned short;

// The take-off as a spreadsheet: one sheet, the columns of the text forms with their units in
// the header, numbers as number cells, a frozen header, then the totals rows. Rows are written
// as they come (the library's constant-memory mode, which keeps one row); the library writes to
// a file name, so the workbook is made in a work file beside the output (files/scratchfile.h)
// and copied into the device at the end.
class TakeoffXlsxWriter : public TakeoffWriter
{
public:
    explicit TakeoffXlsxWriter(QIODevice &device);
    ~TakeoffXlsxWriter() override;
    void writeTitles(const QStringList &titles) override;
    void begin(const CarriedColumns &carried) override;
    void writeLine(const TakeoffLine &line) override;
    void writeTotals(const TakeoffTotals &totals) override;
    bool finish(QString &error) override;

private:
    void writeRow(const QList<TakeoffCell> &cells, lxw_format *text, lxw_format *weight);
    void writeCarried(lxw_col_t column, const QString &text, lxw_format *format);
    // Every cell of the sheet is written by these two: a text as cellText() made it (the one
    // cleaning every text, carried or computed, goes through), the library's answer checked.
    void writeText(lxw_col_t column, const QByteArray &cleaned, lxw_format *format);
    void writeNumber(lxw_col_t column, double value, lxw_format *format);
    // Keeps the first refusal of the library as the reason the workbook fails.
    void check(int result, lxw_col_t column);
    // False, with the reason kept, when the sheet is full.
    bool roomForRow();
    // Where a program column stands among the columns with the carried ones.
    lxw_col_t placed(TakeoffColumnIndex column) const;

    struct RowStrings {
        std::shared_ptr<const FlangeRecord> record; // keeps the key alive
        QByteArray kind, series, callout, bolt;     // cellText()
    };
    QHash<const FlangeRecord *, RowStrings> m_rowStrings;

    CarriedColumns m_carried;
    QList<TakeoffColumn> m_columns;
    QIODevice &m_device;
    QByteArray m_workFolder;
    std::unique_ptr<ScratchFile> m_file;
    QString m_error;
    lxw_workbook *m_workbook = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_bold = nullptr;
    lxw_format *m_weight = nullptr;
    lxw_format *m_pressure = nullptr;
    quint32 m_row = 0;
};
