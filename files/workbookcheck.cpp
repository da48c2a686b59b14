#include "files/workbookcheck.h"

#include "files/ziparchive.h"

#include <QByteArray>
#include <QIODevice>

namespace
{

// The root element's name at the start of an XML text, after its declaration.
QByteArray rootName(QByteArrayView start)
{
    qsizetype open = start.indexOf('<');
    if (start.sliced(open).startsWith("<?"))
        open = start.indexOf('<', open + 1);
    qsizetype end = open + 1;
    while (end < start.size() && !QByteArrayView(" \t\r\n/>").contains(start[end]))
        ++end;
    return open < 0 ? QByteArray() : start.sliced(open + 1, end - open - 1).toByteArray();
}

// Inflates one part a block at a time and checks that it closes its root element; "" or why
// not.
QString checkPart(QIODevice &file, const ZipEntry &entry)
{
    ZipEntryReader part(file, entry);
    QByteArray start, tail;
    while (!part.atEnd()) {
        const QByteArray made = part.read(1 << 16);
        if (start.size() < 512)
            start += made.first(std::min<qsizetype>(made.size(), 512));
        tail = (tail + made.right(64)).right(64);
    }
    const QByteArray root = rootName(start);
    const QByteArray end = tail.trimmed();
    if (part.failure().isEmpty() && !root.isEmpty() &&
        (end.endsWith("</" + root + ">") || end.endsWith("/>")))
        return {};
    return QStringLiteral("its part %1 was cut off while it was made").arg(entry.name);
}

} // namespace

QString checkWorkbookParts(QIODevice &file)
{
    const ZipArchive archive(file);
    if (!archive.failure().isEmpty())
        return archive.failure();
    for (const ZipEntry &entry : archive.entries()) {
        if (entry.name.endsWith(QLatin1String(".xml")) ||
            entry.name.endsWith(QLatin1String(".rels")))
            if (const QString why = checkPart(file, entry); !why.isEmpty())
                return why;
    }
    return {};
}
