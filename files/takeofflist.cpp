#include "files/takeofflist.h"

#include "files/xlsxlistrows.h"

#include <QTemporaryFile>

namespace
{

// A workbook arriving through a pipe, copied to a file first: a zip archive is read from its
// end. At most this much.
constexpr qint64 CopiedWorkbookBytes = 1LL << 30;

// The rows of a workbook read from a copy, which lives as long as they do.
class CopiedWorkbookRows : public ListRows
{
public:
    CopiedWorkbookRows(QIODevice &device, const QString &what, const QString &sheet)
    {
        if (!m_copy.open()) {
            m_failure = listUnreadable(what, m_copy.errorString());
            return;
        }
        qint64 copied = 0;
        for (QByteArray block = device.read(1 << 20); !block.isEmpty();
             block = device.read(1 << 20)) {
            copied += block.size();
            if (copied > CopiedWorkbookBytes) {
                m_failure = listSheetUnreadable(
                    what, QStringLiteral("a workbook read through a pipe is limited to 1 GiB"));
                return;
            }
            if (m_copy.write(block) != block.size()) {
                m_failure = listUnreadable(what, m_copy.errorString());
                return;
            }
        }
        m_copy.seek(0);
        m_rows = std::make_unique<XlsxListRows>(m_copy, what, sheet);
    }
    std::optional<ListRow> next() override { return m_rows ? m_rows->next() : std::nullopt; }
    TakeoffReason failure() const override { return m_rows ? m_rows->failure() : m_failure; }

private:
    QTemporaryFile m_copy;
    std::unique_ptr<ListRows> m_rows;
    TakeoffReason m_failure;
};

} // namespace

bool holdsWorkbook(QIODevice &device)
{
    return device.peek(4).startsWith("PK\x03\x04");
}

std::unique_ptr<ListRows> openTakeoffList(QIODevice &device, const QString &what,
                                          const QString &sheet, TakeoffReason &failure)
{
    if (!holdsWorkbook(device)) {
        // As spreadsheet programs do, a file named as a workbook that holds none (an empty file,
        // a list renamed) is refused rather than read as text that gives no flange.
        if (what.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ||
            what.endsWith(QLatin1String(".xlsm"), Qt::CaseInsensitive)) {
            failure = listNotWorkbook(what);
            return nullptr;
        }
        if (!sheet.isEmpty()) {
            failure = listHasNoSheets(what);
            return nullptr;
        }
        return std::make_unique<TextListRows>(device, what);
    }
    std::unique_ptr<ListRows> rows;
    if (device.isSequential())
        rows = std::make_unique<CopiedWorkbookRows>(device, what, sheet);
    else
        rows = std::make_unique<XlsxListRows>(device, what, sheet);
    failure = rows->failure();
    if (!failure.isEmpty())
        return nullptr;
    return rows;
}
