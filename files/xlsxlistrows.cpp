#include "files/xlsxlistrows.h"

#include "files/exportformat.h"
#include "files/ziparchive.h"

#include <QXmlStreamReader>

namespace
{

// What may be inflated of each part: the workbook and its relationships are small; the shared
// strings and the sheet grow with the list (a million rows of a line list are some 150 MB of
// sheet XML).
constexpr qint64 SmallPartBytes = 16 << 20;
constexpr qint64 SharedStringsBytes = 256 << 20;
constexpr qint64 SheetBytes = 1LL << 30;
// The shared strings kept, in characters, and the XML read without a token completing (a cell
// or string that never ends).
constexpr qint64 SharedCharacters = 32 << 20;
// The shared strings kept, however short: each costs its entry even when empty.
constexpr qsizetype SharedStrings = 4 << 20;
// The cells read of a sheet, blank ones included: a line list of a million rows of twenty
// columns has 20 M; more is work no list needs.
constexpr qint64 SheetCells = 64 << 20;
constexpr qint64 BytesWithoutToken = 4 << 20;
// Characters of a cell kept once its row has passed the limit of a line.
constexpr qsizetype KeptOfLongCell = 40;

const QString WorkbookPath = QStringLiteral("xl/workbook.xml");
const QString RelationshipsPath = QStringLiteral("xl/_rels/workbook.xml.rels");

} // namespace

// A part of the workbook as XML, parsed as it is inflated and bounded.
class ZipXml
{
public:
    ZipXml(const ZipArchive &zip, const QString &path, qint64 limit) : m_limit(limit)
    {
        if (const ZipEntry *entry = zip.find(path, Qt::CaseInsensitive))
            m_file = std::make_unique<ZipEntryReader>(zip.device(), *entry);
    }
    bool opened() const { return m_file != nullptr; }

    // The next token, more of the part inflated when the reader needs it; Invalid with why()
    // at a fault, EndDocument at the end.
    QXmlStreamReader::TokenType readNext()
    {
        for (;;) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (xml.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
                m_sinceToken = 0;
                return token;
            }
            if (!m_why.isEmpty())
                return QXmlStreamReader::Invalid;
            const QByteArray block = m_file->read(64 * 1024);
            m_read += block.size();
            m_sinceToken += block.size();
            if (!m_file->failure().isEmpty())
                m_why = m_file->failure();
            else if (block.isEmpty())
                m_why = QStringLiteral("the XML ends too early");
            else if (m_read > m_limit)
                m_why = QStringLiteral("a part inflates to more than %1 MiB").arg(m_limit >> 20);
            else if (m_sinceToken > BytesWithoutToken)
                m_why = QStringLiteral("a cell is larger than %1 MiB").arg(BytesWithoutToken >> 20);
            if (!m_why.isEmpty())
                return QXmlStreamReader::Invalid;
            xml.addData(block);
        }
    }
    // On to the next element named `name`; false at the end of the part, or at a fault (why()).
    bool nextElement(QStringView name)
    {
        for (;;) {
            const QXmlStreamReader::TokenType token = readNext();
            if (token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument)
                return false;
            if (token == QXmlStreamReader::StartElement && xml.name() == name)
                return true;
        }
    }
    // Why the part could not be read ("" when it could).
    QString why() const
    {
        if (!m_why.isEmpty())
            return m_why;
        return xml.hasError() ? xml.errorString() : QString();
    }
    // Reads on to the end of the element just started, keeping at most `keep` characters of
    // the text in its <t> elements (not those of phonetic runs, <rPh>), and of <v> when
    // `withValue`: a shared string, or a cell's value or inline string.
    QString elementText(qsizetype keep, bool withValue)
    {
        QString text;
        int depth = 1;
        int inText = 0;
        int phonetic = 0;
        while (depth > 0) {
            const QXmlStreamReader::TokenType token = readNext();
            if (token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument)
                break;
            if (token == QXmlStreamReader::StartElement) {
                ++depth;
                inText += holdsText(withValue);
                phonetic += xml.name() == u"rPh";
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
                inText -= holdsText(withValue);
                phonetic -= xml.name() == u"rPh";
            } else if (token == QXmlStreamReader::Characters && inText > 0 && phonetic == 0 &&
                       text.size() < keep) {
                text += xml.text().left(keep - text.size());
            }
        }
        return text;
    }

    QXmlStreamReader xml;

private:
    bool holdsText(bool withValue) const
    {
        return xml.name() == u"t" || (withValue && xml.name() == u"v");
    }

    std::unique_ptr<ZipEntryReader> m_file;
    qint64 m_limit;
    qint64 m_read = 0;
    qint64 m_sinceToken = 0;
    QString m_why;
};

namespace
{

// "C7" → 2 (0-based), or -1 when it names no column of a sheet.
int columnOf(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i) {
        const char16_t c = reference[i].toUpper().unicode();
        if (c < u'A' || c > u'Z')
            return -1;
        column = column * 26 + (c - u'A' + 1);
        if (column > SpreadsheetColumns)
            return -1;
    }
    return i == 0 ? -1 : column - 1;
}

// A number cell as its shortest text: "100", "1.6", not "1.6000000000000001".
QString numberText(const QString &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? QString::number(number, 'g', 15) : value;
}

// A workbook part named relative to the workbook ("worksheets/sheet1.xml") or from the root.
QString partPath(const QString &target)
{
    return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
}

} // namespace

XlsxListRows::XlsxListRows(QIODevice &device, const QString &what, const QString &sheet)
    : m_what(what), m_zip(std::make_unique<ZipArchive>(device))
{
    if (!m_zip->failure().isEmpty()) {
        m_failure = listNotText(what);
        return;
    }
    open(sheet);
}

XlsxListRows::~XlsxListRows() = default;

void XlsxListRows::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = listSheetUnreadable(m_what, why);
    m_sheet.reset();
}

bool XlsxListRows::open(const QString &sheet)
{
    QString sharedStrings;
    const std::optional<QString> path = sheetPath(sheet, sharedStrings);
    if (!path)
        return false;
    if (!sharedStrings.isEmpty() && !readSharedStrings(sharedStrings))
        return false;
    m_sheet = std::make_unique<ZipXml>(*m_zip, *path, SheetBytes);
    if (!m_sheet->opened()) {
        fail(QStringLiteral("the workbook has no part %1").arg(*path));
        return false;
    }
    return true;
}

// The sheet's part, from the workbook's list of sheets and its relationships; the shared
// strings' part too.
std::optional<QString> XlsxListRows::sheetPath(const QString &sheet, QString &sharedStringsPath)
{
    ZipXml workbook(*m_zip, WorkbookPath, SmallPartBytes);
    if (!workbook.opened()) {
        m_failure = listNotText(m_what); // a zip archive, but no workbook
        return std::nullopt;
    }
    QStringList names;
    QString relationship;
    while (workbook.nextElement(u"sheet")) {
        const QString name = workbook.xml.attributes().value(QLatin1String("name")).toString();
        names.append(name);
        if (relationship.isEmpty() && (sheet.isEmpty() || name == sheet)) {
            for (const QXmlStreamAttribute &attribute : workbook.xml.attributes())
                if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                    relationship = attribute.value().toString();
            if (relationship.isEmpty()) {
                fail(QStringLiteral("the sheet %1 names no part").arg(name));
                return std::nullopt;
            }
        }
    }
    if (!workbook.why().isEmpty()) {
        fail(workbook.why());
        return std::nullopt;
    }
    if (relationship.isEmpty()) {
        m_failure = names.isEmpty() ? listSheetUnreadable(m_what, QStringLiteral("no sheets"))
                                    : listHasNoSheet(m_what, sheet, names);
        return std::nullopt;
    }

    ZipXml relationships(*m_zip, RelationshipsPath, SmallPartBytes);
    if (!relationships.opened()) {
        fail(QStringLiteral("the workbook has no part %1").arg(RelationshipsPath));
        return std::nullopt;
    }
    std::optional<QString> path;
    while (relationships.nextElement(u"Relationship")) {
        const QXmlStreamAttributes attributes = relationships.xml.attributes();
        const QString target = partPath(attributes.value(QLatin1String("Target")).toString());
        if (attributes.value(QLatin1String("Id")) == relationship)
            path = target;
        else if (attributes.value(QLatin1String("Type")).endsWith(u"/sharedStrings"))
            sharedStringsPath = target;
    }
    if (!relationships.why().isEmpty()) {
        fail(relationships.why());
        return std::nullopt;
    }
    if (!path)
        fail(QStringLiteral("the sheet's part is not named"));
    return path;
}

bool XlsxListRows::readSharedStrings(const QString &path)
{
    ZipXml strings(*m_zip, path, SharedStringsBytes);
    if (!strings.opened()) {
        fail(QStringLiteral("the workbook has no part %1").arg(path));
        return false;
    }
    qint64 characters = 0;
    while (strings.nextElement(u"si")) {
        if (m_sharedStrings.size() == SharedStrings) {
            fail(QStringLiteral("it has more than %1 shared strings").arg(SharedStrings));
            return false;
        }
        m_sharedStrings.append(strings.elementText(MaxListLineBytes, false));
        characters += m_sharedStrings.constLast().size();
        if (characters > SharedCharacters) {
            fail(QStringLiteral("its shared strings hold more than %1 million characters")
                     .arg(SharedCharacters >> 20));
            return false;
        }
    }
    if (!strings.why().isEmpty()) {
        fail(strings.why());
        return false;
    }
    return true;
}

std::optional<ListRow> XlsxListRows::next()
{
    ListRow row;
    qint64 characters = 0;
    const auto place = [&](int column, QString text) {
        if (characters > MaxListLineBytes)
            return;
        characters += text.size();
        if (characters > MaxListLineBytes) {
            text = text.left(KeptOfLongCell) + u'…';
            row.fault = lineTooLong();
        }
        if (column < row.cells.size()) {
            row.cells[column] = text.trimmed();
            return;
        }
        while (row.cells.size() < column)
            row.cells.append(QString());
        row.cells.append(text.trimmed());
    };
    while (m_sheet) {
        const QXmlStreamReader::TokenType token = m_sheet->readNext();
        QXmlStreamReader &xml = m_sheet->xml;
        if (token == QXmlStreamReader::EndDocument) {
            m_sheet.reset();
            break;
        }
        if (token == QXmlStreamReader::Invalid) {
            fail(m_sheet->why());
            break;
        }
        if (token == QXmlStreamReader::StartElement && !m_inWorksheet) {
            // The sheet's relationship may name any part, the workbook itself included.
            if (xml.name() != u"worksheet") {
                fail(QStringLiteral("its sheet's part is no worksheet"));
                break;
            }
            m_inWorksheet = true;
        } else if (token == QXmlStreamReader::StartElement && xml.name() == u"row") {
            const QStringView reference = xml.attributes().value(QLatin1String("r"));
            bool numbered = false;
            const qint64 number = reference.toLongLong(&numbered);
            row = ListRow{reference.isEmpty() ? m_lastRow + 1 : numbered ? number : 0, {}, {}, {}};
            if (row.number < 1 || row.number > SpreadsheetRows) {
                fail(QStringLiteral("row %1 is outside a sheet")
                         .arg(reference.isEmpty() ? QString::number(row.number)
                                                  : reference.left(20).toString()));
                break;
            }
            characters = 0;
            m_lastRow = row.number;
        } else if (token == QXmlStreamReader::StartElement && xml.name() == u"c") {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView reference = attributes.value(QLatin1String("r"));
            const int column = reference.isEmpty() ? int(row.cells.size()) : columnOf(reference);
            if (column < 0 || column >= SpreadsheetColumns) {
                fail(reference.isEmpty()
                         ? QStringLiteral("row %1 has more than %2 cells")
                               .arg(row.number)
                               .arg(SpreadsheetColumns)
                         : QStringLiteral("cell %1 is outside a sheet").arg(reference.left(20)));
                break;
            }
            if (++m_cells > SheetCells) {
                fail(QStringLiteral("the sheet has more than %1 cells").arg(SheetCells));
                break;
            }
            const QString type = attributes.value(QLatin1String("t")).toString();
            const QString text = m_sheet->elementText(MaxListLineBytes, true);
            if (type == u"s") {
                bool isIndex = false;
                const qsizetype index = text.toLongLong(&isIndex);
                if (!isIndex || index < 0 || index >= m_sharedStrings.size()) {
                    fail(QStringLiteral("cell %1 names a shared string the workbook does not have")
                             .arg(reference.left(20)));
                    break;
                }
                place(column, m_sharedStrings.at(index));
            } else if (type == u"b") {
                place(column, text == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
            } else if (type.isEmpty() || type == u"n") {
                place(column, numberText(text));
            } else {
                place(column, text); // inline string, formula's string result, error, date
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"row") {
            if (isBlankRow(row.cells) || row.cells.value(0).startsWith(u'#'))
                continue;
            return row;
        }
    }
    return std::nullopt;
}
