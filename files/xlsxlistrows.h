#pragma once

#include "takeoff/listrows.h"

#include <QHash>
#include <QIODevice>
#include <QStringList>
#include <memory>

class ZipArchive;
class ZipXml;

// The rows of one sheet of an xlsx workbook, read as a take-off reads a list: the first sheet,
// or the one named. The sheet is inflated (files/ziparchive.h) and QXmlStreamReader reads it as
// it comes, row by row; only the workbook's shared strings are held. Numbers read as their shortest
// text, shared and inline strings as their text, a formula as its last result; columns missing from
// a row are empty cells and rows missing from the sheet are no rows. Everything read is bounded
// (the parts' inflated sizes, the shared strings' characters and count, a cell's text, a row's
// cells, the sheet's cells and rows), so a zip bomb or a huge cell ends the reading with a reason
// instead of filling the memory or the hours.
class XlsxListRows : public ListRows
{
public:
    // Opens the workbook in a device that can seek; failure() tells when it cannot. `what`
    // names the list in reasons.
    XlsxListRows(QIODevice &device, const QString &what, const QString &sheet);
    ~XlsxListRows() override;

    std::optional<ListRow> next() override;
    TakeoffReason failure() const override { return m_failure; }

private:
    bool open(const QString &sheet);
    std::optional<QString> sheetPath(const QString &sheet, QString &sharedStringsPath);
    bool readSharedStrings(const QString &path);
    void fail(const QString &why);

    QString m_what;
    std::unique_ptr<ZipArchive> m_zip;
    std::unique_ptr<ZipXml> m_sheet;
    QStringList m_sharedStrings;
    TakeoffReason m_failure;
    qint64 m_lastRow = 0;
    bool m_inWorksheet = false; // the sheet's root element has been read
    qint64 m_cells = 0;         // cells read of the sheet
};
