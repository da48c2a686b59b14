#include "takeoff/takeoffreason.h"

#include "takeoff/linereader.h"

#include <QCoreApplication>

TakeoffReason TakeoffReason::onLine(qint64 number) const
{
    return {QCoreApplication::translate("Takeoff", "第 %1 行：%2").arg(number).arg(text),
            QStringLiteral("line %1: %2").arg(number).arg(english)};
}

TakeoffReason quoteNotClosed()
{
    return {QCoreApplication::translate("Takeoff", "这一行的引号到清单结尾或 %1 KiB 内没有闭合")
                .arg(MaxListLineBytes / 1024),
            QStringLiteral("the quote opened on this line is not closed before the end of the "
                           "list or within %1 KiB")
                .arg(MaxListLineBytes / 1024)};
}

TakeoffReason lineTooLong()
{
    return {QCoreApplication::translate("Takeoff", "这一行超过 %1 KiB，其余部分已跳过")
                .arg(MaxListLineBytes / 1024),
            QStringLiteral("the line is longer than %1 KiB; the rest of it was skipped")
                .arg(MaxListLineBytes / 1024)};
}

TakeoffReason lineNotDecodable(const char *encoding)
{
    const QString name = QString::fromLatin1(encoding);
    return {QCoreApplication::translate("Takeoff", "这一行不是 %1 文本（清单的其余部分是 %1）")
                .arg(name),
            QStringLiteral("the line cannot be decoded as %1, the encoding of the rest of the list")
                .arg(name)};
}

TakeoffReason cellsBeyondHeader(qsizetype count)
{
    return {
        QCoreApplication::translate("Takeoff", "这一行在表头的最后一列之后还有 %1 格").arg(count),
        QStringLiteral("the line has text beyond the header's last column (%1 more cells)")
            .arg(count)};
}

TakeoffReason listNotText(const QString &what)
{
    return {
        QCoreApplication::translate("Takeoff", "%1 不是文本或 xlsx 清单，请另存为 CSV 或 xlsx 文件")
            .arg(what),
        QStringLiteral("%1 is not a text or xlsx line list; save it as CSV or xlsx").arg(what)};
}

TakeoffReason listLineEndless(const QString &what, qint64 line)
{
    return {QCoreApplication::translate(
                "Takeoff", "%1 第 %2 行超过 %3 KiB 仍未结束，这个输入流不是清单，已停止读取")
                .arg(what)
                .arg(line)
                .arg(MaxListLineBytes / 1024),
            QStringLiteral("line %2 of %1 passed %3 KiB without ending; a stream like this is "
                           "no line list, reading stopped")
                .arg(what)
                .arg(line)
                .arg(MaxListLineBytes / 1024)};
}

TakeoffReason listNotWorkbook(const QString &what)
{
    return {QCoreApplication::translate("Takeoff", "%1 以 xlsx 命名，却不是 xlsx 工作簿").arg(what),
            QStringLiteral("%1 is named as an xlsx workbook but is not one").arg(what)};
}

TakeoffReason listUnreadable(const QString &what, const QString &systemReason)
{
    return {QCoreApplication::translate("Takeoff", "无法读取 %1：%2").arg(what, systemReason),
            QStringLiteral("cannot read %1: %2").arg(what, systemReason)};
}

TakeoffReason listSheetUnreadable(const QString &what, const QString &why)
{
    return {QCoreApplication::translate("Takeoff", "无法读取 %1 的工作表：%2").arg(what, why),
            QStringLiteral("cannot read the sheet of %1: %2").arg(what, why)};
}

TakeoffReason listHasNoSheet(const QString &what, const QString &sheet, const QStringList &sheets)
{
    return {QCoreApplication::translate("Takeoff", "%1 没有名为“%2”的工作表（有：%3）")
                .arg(what, sheet.left(60), sheets.join(QStringLiteral("、"))),
            QStringLiteral("%1 has no sheet named \"%2\" (sheets: %3)")
                .arg(what, sheet.left(60), sheets.join(QStringLiteral(", ")))};
}

TakeoffReason listHasNoSheets(const QString &what)
{
    return {QCoreApplication::translate("Takeoff", "%1 是文本清单，没有工作表").arg(what),
            QStringLiteral("%1 is a text list and has no sheets").arg(what)};
}
