#pragma once

#include "takeoff/listlayout.h"
#include "widgets/printpreview.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class ChildProgram;
class QLabel;
class QProgressDialog;
class QTableView;
class TakeoffTableModel;
class TakeoffTotalsTable;

// "批量计算": a take-off edited as a table. Lines are typed in place, pasted from a spreadsheet
// (Ctrl+V) or read from a list file as the takeoff command reads it; each line shows what the
// catalogue gives for it, a line that cannot be computed is marked with its reason, the totals
// stand beside the table, and the take-off is saved as CSV or as a spreadsheet, or printed.
class TakeoffWindow : public QWidget
{
    Q_OBJECT
public:
    TakeoffWindow();

    TakeoffTableModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    TakeoffTotalsTable *totalsTable() const { return m_totalsTable; }

    // Ctrl+V: the clipboard's lines below the current line (at the end when none is current).
    void paste();
    // "打开…": every line replaced by those of a list file the user chooses, after asking when
    // lines edited since the last open or export would go.
    void open();
    // "导出…": the take-off saved to a file the user chooses, CSV or spreadsheet by its type.
    void exportLines();
    // Saves to a path, a spreadsheet when `xlsx`; on failure tells the user. A CSV file is
    // written at once; a spreadsheet by the program that writes them, run as a child while the
    // window shows the progress (cancellable). exportFinished() tells how it went.
    void exportTo(const QString &path, bool xlsx);
    // "打印…" (Ctrl+P): every line and the totals as a table on A4 landscape pages, previewed.
    void print();
    // Where the print preview comes from: previewAndPrint unless a test looks at the document.
    std::function<void(QWidget *parent, const PrintDocument &document)> preview = previewAndPrint;
    // "添加行" (Insert): an empty line below the current one, counted once it is filled in.
    // "删除行" (Delete): the selected lines.
    void addLine();
    void removeSelectedLines();

signals:
    // "返回": the menu should take this window's place.
    void backRequested();
    // An export ended: the file was saved, or not (failed, cancelled).
    void exportFinished(bool saved);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void writeWorkbook(const QString &path);
    void exportEnded(const QString &failure);
    void showTotals();
    // The columns as wide as their contents; the window as wide as the columns, as long as the
    // user has not given it a width of their own.
    void fitColumns();
    void fitWidth();
    void insertBelowCurrent(const QList<ListLine> &lines, const CarriedColumns &carried,
                            const QString &what);

    TakeoffTableModel *m_model;
    QTableView *m_table;
    TakeoffTotalsTable *m_totalsTable;
    QLabel *m_totals; // what the totals leave out: failed lines, a total past its limit
    // Where the export dialog opens: the folder of the list last opened, else of the last export.
    QString m_listFolder;
    QString m_exportFolder;
    // The width fitWidth last gave the window; 0 once the user chose another.
    int m_fittedWidth = -1;
    bool m_shown = false;
    // fitWidth once the header has measured every column.
    QTimer m_fitLater;
    QStringList m_titles;                     // the title rows of the list opened, for the exports
    ChildProgram *m_workbookWriter = nullptr; // the program writing a workbook, once one was
    QProgressDialog *m_progress = nullptr;    // its progress
};

// A list's lines as read and the columns it carries.
struct TakeoffListLines {
    QList<ListLine> lines;
    CarriedColumns carried;
    QStringList titles; // the title rows above its header
};

// The lines of a pasted block as the takeoff command reads a list: blank lines, '#' lines and
// the header passed over, title rows kept as its titles, columns found by their names, fields
// split as in a list file, each line numbered by its row in the block.
TakeoffListLines takeoffLinesOfText(const QString &text);
