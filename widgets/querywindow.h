#pragma once

#include "catalogue/catalogue.h"
#include "core/values/queryrun.h"
#include "core/values/types.h"
#include "widgets/controls.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;
class ResultActions;
struct ChosenRow;

// The pieces the three query windows share: one window class built from a description of its
// kind (controls in designed order, lists, query procedure, clearing order), plus the message
// box and the list helpers.

// A designed font: face, size in points, weight.
struct FontDesign {
    const char *face;
    qreal pointSize;
    bool bold = false;
};

// One control of a query window's designed table.
struct ControlDesign {
    enum Kind { Label, Note, TextBox, List, Button, Picture };
    Kind kind;                      // Note: a label whose caption wraps over its lines
    QString name;                   // "Text3", "List1", "Command1", arrayName("Label1", 0)
    QRect twips;                    // left, top, width, height
    int tab;                        // tab index; -1 for the picture, which has none
    std::optional<FontDesign> font; // none: the window's own font
    QString text;                   // caption, initial text, or the picture's drawing resource
    QString hint = {};              // what it holds, in Chinese (accessible name and tooltip)
    QString hintDetail = {};        // its unit or values ("mm", "A 或 B"); none for plain texts
    int box = 0;                    // a text box's number in its kind's query (PlateBox::Bore)
};

struct LineDesign {
    QString name;
    QPoint fromTwips;
    QPoint toTwips;
    int width;
};

using QueryProcedure = void (*)(QueryRun &, std::optional<Rating>, std::optional<PipeSeries>);

// Everything that sets one flange kind's window apart from the others.
struct QueryWindowDesign {
    std::optional<FlangeKind> kind; // the flange its rows are of; none for a window without one
    WindowDesign window;
    std::vector<LineDesign> lines;
    std::vector<ControlDesign> controls;
    QStringList pressures; // List1's entries; List2 always holds "A" and "B"
    int dnBox;             // the box number of the DN box, where Enter presses "查找"
    QString findButton;
    QString clearButton;
    QString backButton;
    std::vector<int> clearOrder; // "清除" empties these boxes in this order
    QueryProcedure query;
};

// A query window: builds the designed controls (the picture under the boxes, the lines, the
// rest in designed order), sets the tab order and the first focus, describes each control,
// and runs the load step (lists filled, nothing selected). A context menu on its background
// and drawing takes the row its choices name out of the program (copy, drawing, print, PDF).
class QueryWindow : public QWidget
{
    Q_OBJECT
public:
    explicit QueryWindow(const QueryWindowDesign &design);
    Q_DISABLE_COPY_MOVE(QueryWindow)

    // The box of a number of the kind's query (the box "Text<n>"); nullptr for a number the
    // window has no box for.
    QLineEdit *box(int n) const;
    QListWidget *pressures() const { return m_pressures; }
    QListWidget *series() const { return m_series; }

    // "查找": reads the boxes and lists, runs the query, writes its texts and messages in order.
    void find();
    // "清除": the boxes of the clearing order get the empty text. Lists are left alone.
    void clear();
    // What a user does to look up one row: selects the pressure and the series in the lists,
    // types the DN into the DN box and clicks "查找".
    void findFor(const Rating &rating, PipeSeries series, int dn);

    // The catalogue row the selected pressure and series and the DN box name, read as "查找"
    // reads them; the values come from the catalogue, not from boxes the user may have typed
    // over. Without a row, why not.
    ChosenRow chosenRow() const;
    // Copy, export and print of that row; nullptr for a window whose query names no flange kind.
    ResultActions *resultActions() const { return m_results; }

signals:
    // "返回": the menu should take this window's place.
    void backRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    static constexpr int MaxBox = 15;
    std::array<QLineEdit *, MaxBox + 1> m_boxes{};
    QListWidget *m_pressures = nullptr;
    QListWidget *m_series = nullptr;
    QueryProcedure m_query;
    std::optional<FlangeKind> m_kind;
    // The rating of each row of the pressure list: the window's own map from its list to the
    // model.
    QList<Rating> m_ratings;
    std::optional<Rating> chosenRating() const;
    int m_dnBox;
    std::vector<int> m_clearOrder;
    ResultActions *m_results = nullptr;
    QLineEdit *m_dnEdit = nullptr;
    QPushButton *m_findButton = nullptr;
};

// The load step: the pressures into the first list, "A" and "B" into the second, nothing selected.
void fillLists(QListWidget *pressures, QListWidget *series, const QStringList &pressureTexts);

// The selected row of a list, -1 while nothing is selected.
int selectedIndex(const QListWidget *list);

// The modal message box: application title, the text, an OK button only, no icon; wide enough
// for a window manager to show its title whole.
void showMessage(QWidget *parent, const QString &text);
// The same box asking before something is lost: the text, a button `goAhead` and "取消"
// (the default). True when the user chose to go ahead.
bool askToConfirm(QWidget *parent, const QString &text, const QString &goAhead);
