#include "windows/takeoff/takeoffwindow.h"

#include "exports/sheettable.h"
#include "files/atomicfile.h"
#include "files/takeofflist.h"
#include "programs/childprogram.h"
#include "takeoff/listasread.h"
#include "takeoff/takeoffrun.h"
#include "takeoff/takeofftextwriters.h"
#include "translations/language.h"
#include "widgets/controls.h"
#include "widgets/describe.h"
#include "widgets/querywindow.h"
#include "windows/takeoff/takeoffdelegate.h"
#include "windows/takeoff/takeofftablemodel.h"
#include "windows/takeoff/takeofftotalstable.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <memory>

namespace
{

// A list's lines as read, so the window reads a file or a pasted block as the command does.
TakeoffListLines readLines(ListRows &rows)
{
    ListReading reading(rows);
    TakeoffListLines read{{}, reading.layout().carried(), reading.titles()};
    while (std::optional<ListLine> line = reading.next())
        read.lines.append(std::move(*line));
    return read;
}

QPushButton *toolButton(QWidget *parent, QBoxLayout *row, const QString &name,
                        const QString &caption, const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    describe(button, hint);
    row->addWidget(button);
    return button;
}

QAction *keyAction(QWidget *on, const QList<QKeySequence> &keys, Qt::ShortcutContext context)
{
    auto *action = new QAction(on);
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    on->addAction(action);
    return action;
}

// The printed columns' widths in mm, in the take-off's column order, and a carried column's;
// the reason takes the rest of the page. Long headings wrap.
const QList<double> PrintColumnsMm = {10, 12, 16, 10, 14, 12, 16, 18, 20, 22, 14, 14, 16, 60};
constexpr double PrintCarriedColumnMm = 16;

} // namespace

TakeoffListLines takeoffLinesOfText(const QString &text)
{
    QBuffer buffer;
    buffer.setData(text.toUtf8());
    buffer.open(QIODevice::ReadOnly);
    TextListRows rows(buffer, QString());
    return readLines(rows);
}

TakeoffWindow::TakeoffWindow()
    : m_model(new TakeoffTableModel(this)), m_table(new QTableView(this)),
      m_totalsTable(new TakeoffTotalsTable(this)), m_totals(new QLabel(this))
{
    designWindow(this, {QStringLiteral("FormTakeoff"), tr("批量计算"), 13500, 8400, std::nullopt,
                        std::nullopt});
    // Unlike the designed windows, a table grows with its window; its width follows the columns
    // (fitWidth) until the user gives it one.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_fittedWidth = width();

    auto *buttons = new QHBoxLayout;
    QPushButton *open = toolButton(this, buttons, QStringLiteral("openButton"), tr("打开…"),
                                   tr("打开清单文件（类型、公称压力、系列、公称直径、数量）"));
    QPushButton *save = toolButton(this, buttons, QStringLiteral("exportButton"), tr("导出…"),
                                   tr("导出为 CSV 或 Excel 文件"));
    QPushButton *print = toolButton(this, buttons, QStringLiteral("printButton"), tr("打印…"),
                                    tr("打印材料表（Ctrl+P）"));
    QPushButton *add = toolButton(this, buttons, QStringLiteral("addButton"), tr("添加行"),
                                  tr("在当前行下添加一行（Insert）"));
    QPushButton *remove = toolButton(this, buttons, QStringLiteral("removeButton"), tr("删除行"),
                                     tr("删除选中的行（Delete）"));
    QPushButton *undo =
        toolButton(this, buttons, QStringLiteral("undoButton"), tr("撤销"), tr("撤销（Ctrl+Z）"));
    QPushButton *redo =
        toolButton(this, buttons, QStringLiteral("redoButton"), tr("重做"), tr("重做（Ctrl+Y）"));
    buttons->addStretch();
    QPushButton *back =
        toolButton(this, buttons, QStringLiteral("backButton"), tr("返回"), tr("返回主菜单"));

    m_table->setObjectName(QStringLiteral("lines"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new TakeoffDelegate(m_table));
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Every column as wide as its contents; a wider window leaves its room beside the table.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    describe(m_table, tr("批量计算清单"), tr("双击单元格编辑；Ctrl+V 粘贴 Excel 中复制的行"));

    m_totalsTable->setObjectName(QStringLiteral("totalsTable"));
    describe(m_totalsTable, tr("合计"),
             tr("法兰数量、总重，以及各规格螺栓、螺母和垫片的数量（清单有材质列时按材质分开）"));
    m_totals->setObjectName(QStringLiteral("totals"));
    m_totals->setWordWrap(true);
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describe(m_totals, tr("未计入合计的内容"));

    auto *tables = new QHBoxLayout;
    tables->addWidget(m_table, 1);
    tables->addWidget(m_totalsTable);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(tables, 1);
    layout->addWidget(m_totals);

    QUndoStack *stack = m_model->undoStack();
    connect(open, &QPushButton::clicked, this, &TakeoffWindow::open);
    connect(save, &QPushButton::clicked, this, &TakeoffWindow::exportLines);
    connect(print, &QPushButton::clicked, this, &TakeoffWindow::print);
    connect(add, &QPushButton::clicked, this, &TakeoffWindow::addLine);
    connect(remove, &QPushButton::clicked, this, &TakeoffWindow::removeSelectedLines);
    connect(undo, &QPushButton::clicked, stack, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, stack, &QUndoStack::redo);
    connect(stack, &QUndoStack::canUndoChanged, undo, &QPushButton::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QPushButton::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(back, &QPushButton::clicked, this, &TakeoffWindow::backRequested);
    connect(m_model, &TakeoffTableModel::totalsChanged, this, &TakeoffWindow::showTotals);
    // The header measures its columns again when lines come or go, but not when a line changes
    // (an edit, a line that fails and gains its mark).
    connect(m_model, &QAbstractItemModel::dataChanged, this, &TakeoffWindow::fitColumns);
    // The window fits the columns once they have all been measured: the header resizes them one
    // by one, from a default width.
    m_fitLater.setSingleShot(true);
    m_fitLater.setInterval(0);
    connect(&m_fitLater, &QTimer::timeout, this, &TakeoffWindow::fitWidth);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, &m_fitLater,
            qOverload<>(&QTimer::start));
    // The line numbers on the left widen at 10, 100, ... lines.
    connect(m_model, &QAbstractItemModel::rowsInserted, &m_fitLater, qOverload<>(&QTimer::start));

    // The table's own keys act only while no cell editor is open, so an editor keeps its paste.
    connect(keyAction(m_table, {QKeySequence::Paste}, Qt::WidgetShortcut), &QAction::triggered,
            this, &TakeoffWindow::paste);
    connect(keyAction(m_table, {Qt::Key_Insert}, Qt::WidgetShortcut), &QAction::triggered, this,
            &TakeoffWindow::addLine);
    connect(keyAction(m_table, {Qt::Key_Delete}, Qt::WidgetShortcut), &QAction::triggered, this,
            &TakeoffWindow::removeSelectedLines);
    connect(keyAction(this, {QKeySequence(Qt::CTRL | Qt::Key_Z)}, Qt::WindowShortcut),
            &QAction::triggered, stack, &QUndoStack::undo);
    connect(keyAction(this,
                      {QKeySequence(Qt::CTRL | Qt::Key_Y),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                      Qt::WindowShortcut),
            &QAction::triggered, stack, &QUndoStack::redo);
    QAction *printAction =
        keyAction(this, {QKeySequence(Qt::CTRL | Qt::Key_P)}, Qt::WindowShortcut);
    printAction->setObjectName(QStringLiteral("actionPrint"));
    printAction->setText(tr("打印…"));
    connect(printAction, &QAction::triggered, this, &TakeoffWindow::print);

    showTotals();
    m_table->setFocus();
}

void TakeoffWindow::insertBelowCurrent(const QList<ListLine> &lines, const CarriedColumns &carried,
                                       const QString &what)
{
    const QModelIndex current = m_table->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : m_model->rowCount();
    m_model->insertLines(row, lines, carried, what);
    // The first new line becomes current; the lines stay unselected so their marks show.
    if (!lines.isEmpty())
        m_table->setCurrentIndex(m_model->index(row, m_model->viewColumn(TakeoffTableModel::Kind)));
}

void TakeoffWindow::paste()
{
    const TakeoffListLines pasted = takeoffLinesOfText(QApplication::clipboard()->text());
    if (m_model->rowCount() == 0)
        m_titles = pasted.titles;
    insertBelowCurrent(pasted.lines, pasted.carried, tr("粘贴"));
}

void TakeoffWindow::addLine()
{
    insertBelowCurrent({ListLine{}}, m_model->carried(), tr("添加行"));
}

void TakeoffWindow::removeSelectedLines()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedIndexes())
        if (!rows.contains(index.row()))
            rows.append(index.row());
    if (rows.isEmpty() && m_table->currentIndex().isValid())
        rows.append(m_table->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    // Runs of neighbouring rows, last first, so the rows above keep their numbers; one undo step.
    m_model->undoStack()->beginMacro(tr("删除行"));
    for (qsizetype end = rows.size(); end > 0;) {
        qsizetype start = end - 1;
        while (start > 0 && rows[start - 1] == rows[start] - 1)
            --start;
        m_model->removeLines(rows[start], int(end - start));
        end = start;
    }
    m_model->undoStack()->endMacro();
}

void TakeoffWindow::open()
{
    const int rows = m_model->rowCount();
    if (rows > 0 && !m_model->undoStack()->isClean() &&
        !askToConfirm(this,
                      tr("打开清单将替换表中现有的 %n 行，其中的改动尚未导出（替换后可按 Ctrl+Z "
                         "恢复）。",
                         nullptr, rows),
                      tr("替换")))
        return;
    QFileDialog dialog(this, tr("打开清单"));
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("清单文件 (*.csv *.txt *.tsv *.xlsx)"), tr("所有文件 (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_listFolder = QFileInfo(path).absolutePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(this, listUnreadable(path, file.errorString()).text);
        return;
    }
    TakeoffReason failure;
    const std::unique_ptr<ListRows> list = openTakeoffList(file, path, QString(), failure);
    TakeoffListLines read;
    if (list)
        read = readLines(*list);
    // A list read only in part is not taken in: the window would show a part as the whole.
    if (list && failure.isEmpty())
        failure = list->failure();
    if (!failure.isEmpty()) {
        showMessage(this, failure.text);
        return;
    }
    m_model->replaceAll(read.lines, read.carried);
    m_titles = read.titles;
    m_model->undoStack()->setClean();
}

void TakeoffWindow::exportLines()
{
    const QString csv = tr("CSV 文件 (*.csv)");
    const QString xlsx = tr("Excel 工作簿 (*.xlsx)");
    QFileDialog dialog(this, tr("导出"));
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({csv, xlsx});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (const QString folder = m_listFolder.isEmpty() ? m_exportFolder : m_listFolder;
        !folder.isEmpty())
        dialog.setDirectory(folder);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(filter == xlsx ? QStringLiteral("xlsx") : QStringLiteral("csv"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    m_exportFolder = QFileInfo(path).absolutePath();
    // The file's own suffix wins over the type chosen in the list.
    const bool asXlsx = path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) ||
                        (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) &&
                         dialog.selectedNameFilter() == xlsx);
    exportTo(path, asXlsx);
}

void TakeoffWindow::exportTo(const QString &path, bool xlsx)
{
    if (m_workbookWriter && m_workbookWriter->isRunning())
        return;
    if (xlsx) {
        writeWorkbook(path);
        return;
    }
    const QString why = writeOutputFile(path, [&](QIODevice &file) {
        QString error;
        TakeoffCsvWriter writer(file);
        writer.writeTitles(m_titles);
        writer.begin(m_model->carried());
        for (int row = 0; row < m_model->rowCount(); ++row)
            if (!m_model->awaitsInput(row))
                writer.writeLine(m_model->line(row));
        writer.writeTotals(m_model->totals());
        writer.finish(error);
        return error;
    });
    exportEnded(why);
}

void TakeoffWindow::writeWorkbook(const QString &path)
{
    // The lines as the table holds them, numbered as it numbers them (takeofftablemodel.cpp),
    // handed as a list read before to `takeoff` (takeoff/listasread.h), which computes them as
    // the window does and writes the workbook, atomically, under the list's title rows.
    QList<ListLine> lines;
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (!m_model->awaitsInput(row)) {
            lines.append(m_model->lines(row, 1).constFirst());
            lines.last().number = m_model->line(row).number;
        }
    QByteArray list;
    QBuffer buffer(&list);
    buffer.open(QIODevice::WriteOnly);
    writeListAsRead(buffer, m_titles, m_model->carried(), lines);
    buffer.close();

    if (!m_workbookWriter) {
        m_workbookWriter = new ChildProgram(this);
        m_progress = new QProgressDialog(tr("正在写入 Excel 工作簿…"), tr("取消"), 0, 100, this);
        m_progress->setObjectName(QStringLiteral("exportProgress"));
        m_progress->setWindowTitle(tr("导出"));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(300);
        m_progress->setAutoReset(false);
        m_progress->setAutoClose(false);
        m_progress->reset();
        connect(m_workbookWriter, &ChildProgram::inputTaken, m_progress,
                [this](qint64 taken, qint64 total) {
                    // Reading the lines is most of the work; the workbook is put together last.
                    if (total > 0)
                        m_progress->setValue(int(std::min<qint64>(95, 95 * taken / total)));
                });
        connect(m_workbookWriter, &ChildProgram::finished, this, [this](const QString &failure) {
            m_progress->reset();
            exportEnded(failure);
        });
        // Ended by the user: the child is stopped, and its output, written atomically, was never
        // put in the file's place.
        connect(m_progress, &QProgressDialog::canceled, this, [this] {
            m_workbookWriter->cancel();
            m_progress->reset();
            emit exportFinished(false);
        });
    }
    m_progress->setValue(0);
    m_workbookWriter->start(
        programWith(ProgramPart::Spreadsheet),
        {QStringLiteral("takeoff"), QStringLiteral("-"), QStringLiteral("--as-read"),
         QStringLiteral("--exit-zero"), QStringLiteral("--format"), QStringLiteral("xlsx"),
         QStringLiteral("--lang"),
         installedLanguage() == Language::English ? QStringLiteral("en") : QStringLiteral("zh"),
         QStringLiteral("-o"), path},
        list);
}

void TakeoffWindow::exportEnded(const QString &failure)
{
    if (failure.isEmpty())
        m_model->undoStack()->setClean();
    else
        showMessage(this, tr("文件未能保存：%1").arg(failure));
    emit exportFinished(failure.isEmpty());
}

void TakeoffWindow::print()
{
    // Past this a printout is a pallet of paper, and laying it out would keep the window busy.
    constexpr int MostPrintedLines = 200'000;
    if (m_model->rowCount() > MostPrintedLines) {
        showMessage(this, tr("清单有 %1 行，太长，无法打印（最多打印 %2 行）。可以先导出为 CSV "
                             "或 Excel 文件。")
                              .arg(m_model->rowCount())
                              .arg(MostPrintedLines));
        return;
    }
    SheetTable table;
    table.title = tr("法兰材料表");
    const QList<TakeoffColumn> columns = takeoffColumns(m_model->carried());
    for (const TakeoffColumn &column : columns) {
        table.header.append(takeoffColumnTitle(column));
        table.columnWidthsMm.append(column.standard < 0 ? PrintCarriedColumnMm
                                                        : PrintColumnsMm.at(column.standard));
    }
    // The lines' texts are made as each page is painted (the preview is modal: the lines stay as
    // they are); the totals' few rows once, as the exports write them: after an empty row, a block
    // in the first columns with a header of its own (takeoffTotalsBlock()).
    QList<QStringList> totals = {QStringList(columns.size())};
    const auto addTotals = [&](const QList<TakeoffCell> &cells, bool header) {
        QStringList texts(columns.size());
        for (qsizetype column = 0; column < cells.size(); ++column)
            texts[column] =
                takeoffCellText(cells[column], header ? -1 : takeoffTotalsDecimals(cells, column));
        totals.append(texts);
    };
    addTotals(takeoffTotalsHeader(), true);
    for (const QList<TakeoffCell> &cells :
         takeoffTotalsBlock(m_model->totals(), m_model->carried()))
        addTotals(cells, false);
    const int lines = m_model->rowCount();
    table.rowCount = lines + totals.size();
    table.row = [model = m_model, lines, totals](qsizetype r) {
        return r < lines ? model->lineTexts(int(r)) : totals.at(r - lines);
    };
    PrintDocument document;
    document.title = table.title;
    document.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    document.paintPage = [pages = std::make_shared<SheetTablePages>(std::move(table))](
                             QPainter &painter, const QRectF &page, double unitsPerMm, int index) {
        return pages->paint(painter, page, unitsPerMm, index);
    };
    preview(this, document);
}

void TakeoffWindow::showTotals()
{
    const TakeoffTotals &totals = m_model->totals();
    m_totalsTable->showTotals(totals, m_model->roles());
    QString note;
    if (const QString exceeded = totals.exceeded(); !exceeded.isEmpty())
        note = tr("合计超出可以准确给出的范围（%1）").arg(exceeded);
    else if (totals.failedLines() > 0)
        note = tr("%1 行有误，未计入合计").arg(totals.failedLines());
    m_totals->setText(note);
    m_totals->setVisible(!note.isEmpty());
    m_fitLater.start();
}

void TakeoffWindow::fitColumns()
{
    m_table->resizeColumnsToContents();
}

void TakeoffWindow::fitWidth()
{
    if (m_fittedWidth == 0)
        return;
    // The line numbers, every column and room for the vertical scroll bar, inside the frame.
    const int table = m_table->verticalHeader()->sizeHint().width() +
                      m_table->horizontalHeader()->length() + 2 * m_table->frameWidth() +
                      m_table->verticalScrollBar()->sizeHint().width();
    // The totals beside it.
    const int totals = m_totalsTable->sizeHint().width() + layout()->spacing();
    const QMargins margins = layout()->contentsMargins();
    int wanted =
        std::max(table + totals + margins.left() + margins.right(), minimumSizeHint().width());
    const QRect screen = this->screen()->availableGeometry();
    const int frame = frameGeometry().width() - geometry().width();
    wanted = std::min(wanted, screen.width() - frame);
    // Shown first at the width of its columns, then only widened, so that a line taken away does
    // not make the window jump; kept on the screen.
    if (wanted > width() || !m_shown) {
        m_fittedWidth = wanted;
        resize(wanted, height());
        const int beyond = frameGeometry().right() - screen.right();
        if (beyond > 0)
            move(x() - beyond, y());
    }
}

void TakeoffWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        fitColumns();
        fitWidth();
        m_shown = true;
    }
}

void TakeoffWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A width the window did not give itself is the user's: keep it.
    if (isVisible() && event->size().width() != m_fittedWidth)
        m_fittedWidth = 0;
}
