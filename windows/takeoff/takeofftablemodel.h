#pragma once

#include "takeoff/listlayout.h"
#include "takeoff/takeoffline.h"
#include "takeoff/takeofftotals.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QUndoStack>
#include <optional>

struct TakeoffColumn;

// The lines of the take-off window: what each line asks for (kind, pressure, series, DN,
// quantity, as written), the list's own columns it carries (item number, material, remarks …,
// before and after the flange's columns as the list had them) and what the catalogue gives for
// it, computed as the command computes a line, and the totals kept current line by line. The
// input and carried columns are editable; every change goes through the model's undo stack.
class TakeoffTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The program's columns shown: the take-off's columns from the kind to the line weight. With
    // carried columns, they stand at viewColumn(); without, a Column is its own view column.
    enum Column {
        Kind,
        Pressure,
        Series,
        Dn,
        Quantity,
        OutsideDiameter, // the first computed column
        BoltCircle,
        Callout,
        Bolt,
        Thickness,
        UnitWeight,
        Weight,
        ColumnCount
    };
    static constexpr int FirstComputed = OutsideDiameter;

    explicit TakeoffTableModel(QObject *parent = nullptr);

    // A column's title as the window shows it: the program's columns in the interface's
    // language (the exported files and the printed list keep the Chinese titles, as the
    // totals rows under them are), the list's as it names them.
    static QString shownTitle(const TakeoffColumn &column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An edit of an input or carried cell, as one step that can be undone.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // Where a program column is shown, and which program column a shown column is (nullopt for
    // a carried column).
    int viewColumn(Column column) const;
    std::optional<Column> programColumn(int viewColumn) const;

    // Lines inserted before `row` (appended when row is the row count), as one undoable step;
    // their carried texts are in the columns `carried` names: the window's columns of those names,
    // new ones added after its own.
    void insertLines(int row, const QList<ListLine> &lines, const CarriedColumns &carried,
                     const QString &what);
    // `count` lines from `row` taken away, as one undoable step.
    void removeLines(int row, int count);
    // Every line and column replaced by a list's, as one undoable step ("打开").
    void replaceAll(const QList<ListLine> &lines, const CarriedColumns &carried);
    // The undone or redone form of the steps above: `count` lines from `row` become `lines`,
    // the carried columns `carried`.
    void replaceLines(int row, int count, const QList<ListLine> &lines,
                      const CarriedColumns &carried);

    const TakeoffLine &line(int row) const { return m_lines.at(row); }
    const CarriedColumns &carried() const { return m_carried; }
    // What the carried columns hold for the totals (materials, joints), read once from their names.
    const CarriedRoles &roles() const { return m_roles; }
    // Every take-off column of a line as the table shows it, line number, carried texts and
    // reason included (takeoffColumns(carried())).
    QStringList lineTexts(int row) const;
    QList<ListLine> lines(int row, int count) const;
    // What those lines ask for, as written.
    QList<QStringList> fields(int row, int count) const;
    const TakeoffTotals &totals() const { return m_totals; }
    // A line whose cells are all still empty (one just added): it is neither marked nor counted,
    // and not exported, until the user fills it in.
    bool awaitsInput(int row) const;
    // The cell marked on a failed line: the one whose value the reason is about.
    std::optional<Column> faultColumn(int row) const;
    QUndoStack *undoStack() { return &m_undo; }

signals:
    void totalsChanged();

private:
    TakeoffLine compute(int row, const ListLine &line);
    // Adds a line to the totals or takes it away, unless it awaits input.
    void tally(int row, bool add);
    // Recomputes the lines from `row` on, whose numbers moved.
    void renumberFrom(int row);

    CarriedColumns m_carried;
    CarriedRoles m_roles;   // carriedRoles(m_carried)
    QList<ListLine> m_read; // each line as read or last edited, the source of m_lines
    QList<TakeoffLine> m_lines;
    // In memory, however many materials: the table holds every line's texts anyway, so its
    // totals never take more than its lines do, and a change asks for them at once.
    TakeoffTotals m_totals{0};
    TakeoffCalculator m_calculator;
    QUndoStack m_undo;
};
