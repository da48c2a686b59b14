#pragma once

#include "catalogue/catalogue.h"
#include "exports/flangeexport.h"
#include "widgets/printpreview.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// The catalogue row a window's present choices name, or why they name none (in Chinese, for
// the tooltip of the actions that would need it).
struct ChosenRow {
    std::optional<FlangeRecord> record;
    QString reason;
};

// A file name the save dialog returned and the filter the user had chosen in it.
struct SaveTarget {
    QString path;
    QString filter;
};

// Taking a window's row out of the program: copy its values, export its drawing (DXF, SVG),
// print or export its data sheet (PDF). The actions are added to the window, so their shortcuts
// work wherever the focus is in it, and they are enabled only while the window names a row.
class ResultActions : public QObject
{
    Q_OBJECT
public:
    ResultActions(QWidget *window, std::function<ChosenRow()> chosenRow);

    QAction *copyAction() const { return m_copy; }
    QAction *exportDrawingAction() const { return m_exportDrawing; }
    QAction *printAction() const { return m_print; }
    QAction *exportPdfAction() const { return m_exportPdf; }
    QMenu *menu() const { return m_menu; }

    // Enables the actions for the row the window names now, or disables them saying why.
    void update();

    // Where a save dialog comes from: QFileDialog unless a test puts its own choice here. An
    // empty path means the user cancelled.
    std::function<SaveTarget(QWidget *parent, const QString &caption, const QString &suggested,
                             const QStringList &filters)>
        chooseSaveFile;
    // Where the print preview comes from: previewAndPrint unless a test looks at the document.
    std::function<void(QWidget *parent, const PrintDocument &document)> preview = previewAndPrint;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void copy();
    void exportDrawing();
    void print();
    void exportPdf();
    // Asks for a file and writes the row there in the format its extension (or else the chosen
    // filter) names; a failed write is shown in the message box.
    void exportTo(const QString &caption, const QStringList &filters);

    QWidget *m_window;
    std::function<ChosenRow()> m_chosenRow;
    QAction *m_copy;
    QAction *m_exportDrawing;
    QAction *m_print;
    QAction *m_exportPdf;
    QMenu *m_menu;
};

// The file a save dialog's answer names and the format to write it in: the format of its
// extension when one of the dialog's filters offers it, otherwise the chosen filter's, with
// that filter's extension added. Nullopt for a cancelled dialog.
struct ExportFile {
    QString path;
    ExportFormat format;
};
std::optional<ExportFile> exportFileOf(const SaveTarget &target, const QStringList &filters);
