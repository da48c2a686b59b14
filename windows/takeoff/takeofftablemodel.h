#pragma once

#include "takeoff/takeoffline.h"
#include "takeoff/takeofftotals.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QUndoStack>

// The lines of the take-off window: what each line asks for (kind, pressure, series, DN,
// quantity, as written) and what the catalogue gives for it, computed as the command computes a
// line, and the totals kept current line by line. The five input columns are editable; every
// change goes through the model's undo stack.
class TakeoffTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The columns shown: the take-off's columns from the kind to the line weight.
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

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An edit of an input cell, as one step that can be undone.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // Lines inserted before `row` (appended when row is the row count), as one undoable step.
    void insertLines(int row, const QList<QStringList> &lines, const QString &what);
    // `count` lines from `row` taken away, as one undoable step.
    void removeLines(int row, int count);
    // Every line replaced by these, as one undoable step ("打开").
    void replaceAll(const QList<QStringList> &lines);
    // The undone or redone form of the steps above: `count` lines from `row` become `lines`.
    void replaceLines(int row, int count, const QList<QStringList> &lines);

    const TakeoffLine &line(int row) const { return m_lines.at(row); }
    // Every take-off column of a line as the table shows it, line number and reason included.
    QStringList lineTexts(int row) const;
    QList<QStringList> fields(int row, int count) const;
    const TakeoffTotals &totals() const { return m_totals; }
    QUndoStack *undoStack() { return &m_undo; }

signals:
    void totalsChanged();

private:
    TakeoffLine compute(int row, const QStringList &fields);
    void renumberFrom(int row);

    QList<TakeoffLine> m_lines;
    TakeoffTotals m_totals;
    TakeoffCalculator m_calculator;
    QUndoStack m_undo;
};
