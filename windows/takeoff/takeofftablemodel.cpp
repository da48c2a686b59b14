#include "windows/takeoff/takeofftablemodel.h"

#include "takeoff/linereader.h"
#include "takeoff/takeoffwriter.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QStyle>
#include <QUndoCommand>

namespace
{

// The take-off column a shown column is.
int takeoffColumn(int column)
{
    return column + KindColumn;
}

// One step of the table: `count` lines from `row` replaced by other lines; undone by the reverse.
class ReplaceLines : public QUndoCommand
{
public:
    ReplaceLines(TakeoffTableModel *model, int row, int count, const QList<QStringList> &lines,
                 const QString &text)
        : QUndoCommand(text), m_model(model), m_row(row), m_before(model->fields(row, count)),
          m_after(lines)
    {
    }
    void redo() override { m_model->replaceLines(m_row, int(m_before.size()), m_after); }
    void undo() override { m_model->replaceLines(m_row, int(m_after.size()), m_before); }

private:
    TakeoffTableModel *m_model;
    int m_row;
    QList<QStringList> m_before;
    QList<QStringList> m_after;
};

// A take-off column of a line as the table shows it: a listed pressure as the lists show it
// ("1.0", not "1").
QString shownText(const TakeoffLine &line, const QList<TakeoffCell> &cells, int column)
{
    if (column == PressureColumn && line.record)
        return line.record->pressureText;
    return takeoffCellText(cells.value(column), takeoffColumns().at(column).decimals);
}

} // namespace

TakeoffTableModel::TakeoffTableModel(QObject *parent) : QAbstractTableModel(parent) {}

int TakeoffTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int TakeoffTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TakeoffTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const TakeoffLine &l = m_lines.at(index.row());
    const int column = takeoffColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return shownText(l, takeoffCells(l), column);
    case Qt::EditRole:
        return index.column() < FirstComputed ? l.fields.value(index.column()) : QVariant();
    case Qt::ToolTipRole:
        return l.ok() ? QVariant() : QVariant(l.error);
    case Qt::BackgroundRole:
        if (!l.ok() && index.column() == Kind)
            return QBrush(QColor(255, 190, 190));
        if (index.column() >= FirstComputed)
            return QBrush(QColor(240, 240, 240));
        return {};
    case Qt::DecorationRole:
        if (!l.ok() && index.column() == Kind)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::TextAlignmentRole:
        return int(
            Qt::AlignVCenter |
            (index.column() == Kind || index.column() == Series ? Qt::AlignLeft : Qt::AlignRight));
    default:
        return {};
    }
}

QVariant TakeoffTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return takeoffColumnTitle(takeoffColumns().at(takeoffColumn(section)));
}

Qt::ItemFlags TakeoffTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() < FirstComputed ? flags | Qt::ItemIsEditable : flags;
}

bool TakeoffTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= FirstComputed)
        return false;
    QStringList fields = m_lines.at(index.row()).fields;
    while (fields.size() < FirstComputed)
        fields.append(QString());
    const QString text = value.toString().trimmed();
    if (fields[index.column()] == text)
        return false;
    fields[index.column()] = text;
    m_undo.push(new ReplaceLines(
        this, index.row(), 1, {fields},
        tr("修改%1").arg(headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString())));
    return true;
}

void TakeoffTableModel::insertLines(int row, const QList<QStringList> &lines, const QString &what)
{
    if (!lines.isEmpty())
        m_undo.push(new ReplaceLines(this, row, 0, lines, what));
}

void TakeoffTableModel::removeLines(int row, int count)
{
    if (count > 0)
        m_undo.push(new ReplaceLines(this, row, count, {}, tr("删除行")));
}

void TakeoffTableModel::replaceAll(const QList<QStringList> &lines)
{
    m_undo.push(new ReplaceLines(this, 0, rowCount(), lines, tr("打开")));
}

QStringList TakeoffTableModel::lineTexts(int row) const
{
    const TakeoffLine &l = m_lines.at(row);
    const QList<TakeoffCell> cells = takeoffCells(l);
    QStringList texts;
    for (int column = 0; column < cells.size(); ++column)
        texts.append(shownText(l, cells, column));
    return texts;
}

QList<QStringList> TakeoffTableModel::fields(int row, int count) const
{
    QList<QStringList> fields;
    for (int i = row; i < row + count; ++i)
        fields.append(m_lines.at(i).fields);
    return fields;
}

TakeoffLine TakeoffTableModel::compute(int row, const QStringList &fields)
{
    // A line whose quote was left open is kept whole in one field, as the command keeps it.
    if (fields.size() == 1 && !splitListLine(fields.constFirst())) {
        TakeoffLine line;
        line.number = row + 1;
        line.fields = fields;
        line.error = QStringLiteral("line %1: a quoted field is not closed").arg(line.number);
        return line;
    }
    return m_calculator.compute(row + 1, fields);
}

void TakeoffTableModel::replaceLines(int row, int count, const QList<QStringList> &lines)
{
    const int common = std::min(count, int(lines.size()));
    for (int i = 0; i < common; ++i) {
        m_totals.remove(m_lines[row + i]);
        m_lines[row + i] = compute(row + i, lines[i]);
        m_totals.add(m_lines[row + i]);
    }
    if (common > 0)
        emit dataChanged(index(row, 0), index(row + common - 1, ColumnCount - 1));
    if (count > common) {
        beginRemoveRows({}, row + common, row + count - 1);
        for (int i = row + common; i < row + count; ++i)
            m_totals.remove(m_lines.at(i));
        m_lines.remove(row + common, count - common);
        endRemoveRows();
    } else if (lines.size() > common) {
        beginInsertRows({}, row + common, row + int(lines.size()) - 1);
        for (qsizetype i = common; i < lines.size(); ++i) {
            m_lines.insert(row + i, compute(int(row + i), lines[i]));
            m_totals.add(m_lines.at(row + i));
        }
        endInsertRows();
    }
    // A line's reason names its line number, which moves with lines inserted or removed above.
    if (count != lines.size())
        renumberFrom(row + int(lines.size()));
    emit totalsChanged();
}

void TakeoffTableModel::renumberFrom(int row)
{
    for (int i = row; i < rowCount(); ++i) {
        m_totals.remove(m_lines[i]);
        m_lines[i] = compute(i, m_lines[i].fields);
        m_totals.add(m_lines[i]);
    }
    if (row < rowCount())
        emit dataChanged(index(row, 0), index(rowCount() - 1, ColumnCount - 1));
}
