#include "widgets/resultactions.h"

#include "widgets/querywindow.h"

#include "catalogue/flangeinput.h"
#include "drawing/flangedrawing.h"
#include "exports/copytext.h"
#include "exports/datasheet.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>

namespace
{

// "DXF 图纸 (*.dxf)" → "dxf".
QString filterSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1).toLower();
}

// The copy text's lines as an HTML table: spreadsheets paste it cell by cell.
QString copyHtml(const QString &copyText)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    for (const QString &line : copyText.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : line.split(QLatin1Char('\t')))
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

// "带颈对焊法兰 1.6 MPa DN100 系列 A".
QString rowTitle(const FlangeRecord &record)
{
    return ResultActions::tr("%1法兰 %2 MPa DN%3 系列 %4")
        .arg(kindName(record.kind), record.pressureText)
        .arg(record.dn)
        .arg(seriesText(record.series));
}

// "WN_1.6MPa_DN100_A", the file name the save dialogs suggest.
QString suggestedName(const FlangeRecord &record)
{
    return QStringLiteral("%1_%2MPa_DN%3_%4")
        .arg(kindCode(record.kind), record.pressureText)
        .arg(record.dn)
        .arg(seriesText(record.series));
}

SaveTarget askForFile(QWidget *parent, const QString &caption, const QString &suggested,
                      const QStringList &filters)
{
    QString filter;
    const QString path = QFileDialog::getSaveFileName(parent, caption, suggested,
                                                      filters.join(QStringLiteral(";;")), &filter);
    return {path, filter};
}

} // namespace

ResultActions::ResultActions(QWidget *window, std::function<ChosenRow()> chosenRow)
    : QObject(window), chooseSaveFile(askForFile), m_window(window),
      m_chosenRow(std::move(chosenRow))
{
    const auto addAction = [window](const char *name, const QString &text,
                                    const QKeySequence &shortcut) {
        auto *action = new QAction(text, window);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        return action;
    };
    m_copy =
        addAction("actionCopy", tr("复制数据"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_exportDrawing =
        addAction("actionExportDrawing", tr("导出图纸…"), QKeySequence(Qt::CTRL | Qt::Key_E));
    m_print = addAction("actionPrint", tr("打印…"), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_exportPdf = addAction("actionExportPdf", tr("导出 PDF…"), QKeySequence());
    connect(m_copy, &QAction::triggered, this, &ResultActions::copy);
    connect(m_exportDrawing, &QAction::triggered, this, &ResultActions::exportDrawing);
    connect(m_print, &QAction::triggered, this, &ResultActions::print);
    connect(m_exportPdf, &QAction::triggered, this, &ResultActions::exportPdf);

    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("resultMenu"));
    m_menu->setToolTipsVisible(true); // the tooltip says why an action is disabled
    m_menu->addActions({m_copy, m_exportDrawing});
    m_menu->addSeparator();
    m_menu->addActions({m_print, m_exportPdf});
    connect(m_menu, &QMenu::aboutToShow, this, &ResultActions::update);

    // A text box would take Ctrl+E (end of line) for itself: the window's actions come first.
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        edit->installEventFilter(this);
    update();
}

void ResultActions::update()
{
    const ChosenRow row = m_chosenRow();
    const QString tip = row.record ? rowTitle(*row.record) : row.reason;
    for (QAction *action : {m_copy, m_exportDrawing, m_print, m_exportPdf}) {
        action->setEnabled(row.record.has_value());
        action->setToolTip(tip);
    }
}

bool ResultActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : {m_copy, m_exportDrawing, m_print, m_exportPdf}) {
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore(); // not overridden: the shortcut fires
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ResultActions::copy()
{
    const ChosenRow row = m_chosenRow();
    if (!row.record)
        return;
    const QString text = flangeCopyText(*row.record);
    auto *mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(copyHtml(text));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void ResultActions::exportDrawing()
{
    exportTo(tr("导出图纸"), {tr("DXF 图纸 (*.dxf)"), tr("SVG 图纸 (*.svg)")});
}

void ResultActions::exportPdf()
{
    exportTo(tr("导出 PDF"), {tr("PDF 数据表 (*.pdf)")});
}

void ResultActions::exportTo(const QString &caption, const QStringList &filters)
{
    const ChosenRow row = m_chosenRow();
    if (!row.record)
        return;
    const std::optional<ExportFile> file = exportFileOf(
        chooseSaveFile(m_window, caption, suggestedName(*row.record), filters), filters);
    if (!file)
        return;
    const QString reason = exportFlange(*row.record, file->format, file->path);
    if (!reason.isEmpty())
        showMessage(m_window, tr("文件未能保存：%1").arg(reason));
}

void ResultActions::print()
{
    const ChosenRow row = m_chosenRow();
    if (!row.record)
        return;
    if (const QString why = undrawableReason(*row.record); !why.isEmpty()) {
        showMessage(m_window,
                    QCoreApplication::translate("ResultActions", "未能打印：%1").arg(why));
        return;
    }
    PrintDocument document;
    document.title = rowTitle(*row.record);
    const FlangeDrawing sheet = buildFlangeSheet(*row.record);
    document.layout = dataSheetLayout(sheet);
    document.paintPage = [record = *row.record, sheet](QPainter &painter, const QRectF &page,
                                                       double unitsPerMm, int index) {
        return paintDataSheetPage(painter, page, unitsPerMm, record, sheet, index);
    };
    preview(m_window, document);
}

std::optional<ExportFile> exportFileOf(const SaveTarget &target, const QStringList &filters)
{
    if (target.path.isEmpty() || filters.isEmpty())
        return std::nullopt;
    const QString suffix = QFileInfo(target.path).suffix().toLower();
    for (const QString &filter : filters)
        if (filterSuffix(filter) == suffix)
            return ExportFile{target.path, *readExportFormat(suffix)};
    QString chosen = filterSuffix(target.filter);
    if (!filters.contains(target.filter) || chosen.isEmpty())
        chosen = filterSuffix(filters.first());
    return ExportFile{target.path + QLatin1Char('.') + chosen, *readExportFormat(chosen)};
}
