#include "windows/takeoff/takeofftablemodel.h"

#include "catalogue/fieldname.h"
#include "takeoff/takeoffwriter.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QStyle>
#include <QUndoCommand>
#include <algorithm>

namespace
{

// A cell shows at most this many characters: a line of a list may hold tens of thousands, which
// would cost every repaint.
constexpr qsizetype ShownCharacters = 200;

// One step of the table: `count` lines from `row` replaced by other lines, the carried columns
// perhaps changed with them; undone by the reverse.
class ReplaceLines : public QUndoCommand
{
public:
    ReplaceLines(TakeoffTableModel *model, int row, int count, const QList<ListLine> &lines,
                 const CarriedColumns &carried, const QString &text)
        : QUndoCommand(text), m_model(model), m_row(row), m_before(model->lines(row, count)),
          m_after(lines), m_carriedBefore(model->carried()), m_carriedAfter(carried)
    {
    }
    void redo() override
    {
        m_model->replaceLines(m_row, int(m_before.size()), m_after, m_carriedAfter);
    }
    void undo() override
    {
        m_model->replaceLines(m_row, int(m_after.size()), m_before, m_carriedBefore);
    }

private:
    TakeoffTableModel *m_model;
    int m_row;
    QList<ListLine> m_before;
    QList<ListLine> m_after;
    CarriedColumns m_carriedBefore;
    CarriedColumns m_carriedAfter;
};

// A cell of a line as the table shows it: a listed pressure as the lists show it ("1.0", not
// "1").
QString shownText(const TakeoffLine &line, const TakeoffCell &cell, const TakeoffColumn &column)
{
    if (column.standard == PressureColumn && line.record)
        return line.record->pressureText;
    return takeoffCellText(cell, column.decimals);
}

QString cut(const QString &text)
{
    return text.size() > ShownCharacters ? text.left(ShownCharacters) + u'…' : text;
}

QStringList allNames(const CarriedColumns &carried)
{
    return carried.leading + carried.trailing;
}

// The carried text a shown carried column holds: its index among the line's carried texts.
qsizetype carriedIndex(const CarriedColumns &carried, int viewColumn)
{
    const qsizetype leading = carried.leading.size();
    return viewColumn < leading ? viewColumn : viewColumn - (TakeoffTableModel::Quantity + 1);
}

} // namespace

QString TakeoffTableModel::shownTitle(const TakeoffColumn &column)
{
    if (column.standard < 0)
        return column.name; // the list's own
    TakeoffColumn shown = column;
    shown.name = translatedFieldName(column.name);
    return takeoffColumnTitle(shown);
}

TakeoffTableModel::TakeoffTableModel(QObject *parent) : QAbstractTableModel(parent) {}

int TakeoffTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int TakeoffTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount + int(m_carried.size());
}

int TakeoffTableModel::viewColumn(Column column) const
{
    // The table shows the take-off's columns without the line number.
    return int(takeoffColumnPlace(TakeoffColumnIndex(int(column) + int(KindColumn)), m_carried)) -
           1;
}

std::optional<TakeoffTableModel::Column> TakeoffTableModel::programColumn(int viewColumn) const
{
    int at = viewColumn - int(m_carried.leading.size());
    if (at < 0)
        return std::nullopt;
    if (at <= Quantity)
        return Column(at);
    at -= int(m_carried.trailing.size());
    if (at <= Quantity)
        return std::nullopt;
    return at < ColumnCount ? std::optional(Column(at)) : std::nullopt;
}

QVariant TakeoffTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const TakeoffLine &l = m_lines.at(index.row());
    const std::optional<Column> column = programColumn(index.column());
    const bool input = !column || *column < FirstComputed;
    const QString carried =
        column ? QString() : l.carried.value(carriedIndex(m_carried, index.column()));
    switch (role) {
    case Qt::DisplayRole: {
        if (!column)
            return cut(carried);
        const int taken = int(*column) + int(KindColumn);
        return cut(shownText(l, takeoffCells(l).value(taken), takeoffColumns().at(taken)));
    }
    case Qt::EditRole:
        return !column ? carried : input ? l.fields.value(*column) : QVariant();
    case Qt::ToolTipRole:
        return l.ok() || awaitsInput(index.row()) ? QVariant() : QVariant(l.reason.text);
    case Qt::BackgroundRole:
        if (l.skipped)
            return QBrush(QColor(240, 240, 240));
        if (column && faultColumn(index.row()) == *column)
            return QBrush(QColor(255, 190, 190));
        if (!input)
            return QBrush(QColor(240, 240, 240));
        return {};
    case Qt::DecorationRole:
        if (column && faultColumn(index.row()) == *column)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::TextAlignmentRole:
        return int(
            Qt::AlignVCenter |
            (!column || column == Kind || column == Series ? Qt::AlignLeft : Qt::AlignRight));
    default:
        return {};
    }
}

QVariant TakeoffTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < m_lines.size() ? m_lines[section].number : section + 1;
    if (const std::optional<Column> column = programColumn(section))
        return shownTitle(takeoffColumns().at(int(*column) + int(KindColumn)));
    return allNames(m_carried).value(carriedIndex(m_carried, section));
}

Qt::ItemFlags TakeoffTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const std::optional<Column> column = programColumn(index.column());
    return !column || *column < FirstComputed ? flags | Qt::ItemIsEditable : flags;
}

bool TakeoffTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const std::optional<Column> column = programColumn(index.column());
    if (role != Qt::EditRole || !index.isValid() || (column && *column >= FirstComputed))
        return false;
    ListLine edited = m_read.at(index.row());
    const QString text = value.toString().trimmed();
    QString *cell = nullptr;
    if (column) {
        while (edited.fields.size() < FirstComputed)
            edited.fields.append(QString());
        cell = &edited.fields[*column];
        edited.fault = {}; // the user wrote what the line asks for
        edited.skip = {};
    } else {
        const qsizetype at = carriedIndex(m_carried, index.column());
        while (edited.carried.size() <= at)
            edited.carried.append(QString());
        cell = &edited.carried[at];
    }
    if (*cell == text)
        return false;
    *cell = text;
    m_undo.push(new ReplaceLines(
        this, index.row(), 1, {edited}, m_carried,
        tr("修改%1").arg(headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString())));
    return true;
}

void TakeoffTableModel::insertLines(int row, const QList<ListLine> &lines,
                                    const CarriedColumns &carried, const QString &what)
{
    if (lines.isEmpty())
        return;
    // Into an empty table the lines bring their columns; otherwise their texts go to the
    // window's columns of the same names, and columns it does not have are added after its own.
    // Names are looked up in a hash: a header of thousands of columns stays linear.
    CarriedColumns merged = rowCount() == 0 ? carried : m_carried;
    QHash<QString, qsizetype> mergedAt;
    qsizetype width = 0;
    for (const QString &name : allNames(merged)) {
        if (!mergedAt.contains(name))
            mergedAt.insert(name, width);
        ++width;
    }
    const QStringList names = allNames(carried);
    QList<qsizetype> at;
    for (const QString &name : names) {
        if (!mergedAt.contains(name)) {
            mergedAt.insert(name, width++);
            merged.trailing.append(name);
        }
        at.append(mergedAt.value(name));
    }
    QList<ListLine> placed = lines;
    for (ListLine &line : placed) {
        QStringList texts(width);
        for (qsizetype i = 0; i < names.size(); ++i)
            texts[at[i]] = line.carried.value(i);
        line.carried = texts;
    }
    m_undo.push(new ReplaceLines(this, row, 0, placed, merged, what));
}

void TakeoffTableModel::removeLines(int row, int count)
{
    if (count > 0)
        m_undo.push(new ReplaceLines(this, row, count, {}, m_carried, tr("删除行")));
}

void TakeoffTableModel::replaceAll(const QList<ListLine> &lines, const CarriedColumns &carried)
{
    m_undo.push(new ReplaceLines(this, 0, rowCount(), lines, carried, tr("打开")));
}

QStringList TakeoffTableModel::lineTexts(int row) const
{
    const TakeoffLine &l = m_lines.at(row);
    const QList<TakeoffCell> cells = takeoffCells(l, m_carried);
    const QList<TakeoffColumn> columns = takeoffColumns(m_carried);
    QStringList texts;
    for (qsizetype column = 0; column < cells.size(); ++column)
        texts.append(shownText(l, cells[column], columns[column]));
    if (awaitsInput(row))
        texts.last().clear(); // the reason: nothing is wrong with a line not filled in yet
    return texts;
}

QList<ListLine> TakeoffTableModel::lines(int row, int count) const
{
    return m_read.mid(row, count);
}

QList<QStringList> TakeoffTableModel::fields(int row, int count) const
{
    QList<QStringList> fields;
    for (const ListLine &line : lines(row, count))
        fields.append(line.fields);
    return fields;
}

bool TakeoffTableModel::awaitsInput(int row) const
{
    // A line of a list with texts only in its own columns (a remark) is a line that fails, as
    // the command takes it.
    const ListLine &read = m_read.at(row);
    const auto empty = [](const QStringList &texts) {
        return std::all_of(texts.cbegin(), texts.cend(),
                           [](const QString &text) { return text.trimmed().isEmpty(); });
    };
    return read.fault.isEmpty() && empty(read.fields) && empty(read.carried);
}

std::optional<TakeoffTableModel::Column> TakeoffTableModel::faultColumn(int row) const
{
    const TakeoffLine &l = m_lines.at(row);
    if (l.ok() || l.skipped || awaitsInput(row))
        return std::nullopt;
    // A reason about the line as a whole (a fault in reading it) marks its first cell.
    return l.faultField >= 0 && l.faultField < FirstComputed ? Column(l.faultField) : Kind;
}

void TakeoffTableModel::tally(int row, bool add)
{
    if (awaitsInput(row))
        return;
    if (add)
        m_totals.add(m_lines.at(row));
    else
        m_totals.remove(m_lines.at(row));
}

TakeoffLine TakeoffTableModel::compute(int row, const ListLine &line)
{
    // A line read from a list keeps its row there (the file's line, the sheet's row, the pasted
    // block's row), so the window, its exports and the command cite it alike; a line of the
    // window's own is numbered by its row.
    ListLine numbered = line;
    if (numbered.number <= 0)
        numbered.number = row + 1;
    return m_calculator.compute(numbered, m_roles);
}

void TakeoffTableModel::replaceLines(int row, int count, const QList<ListLine> &lines,
                                     const CarriedColumns &carried)
{
    const bool newColumns = carried != m_carried;
    if (newColumns) {
        beginResetModel();
        m_carried = carried;
        m_roles = carriedRoles(carried);
    }
    const int common = std::min(count, int(lines.size()));
    for (int i = 0; i < common; ++i) {
        tally(row + i, false);
        m_read[row + i] = lines[i];
        m_lines[row + i] = compute(row + i, lines[i]);
        tally(row + i, true);
    }
    if (common > 0 && !newColumns)
        emit dataChanged(index(row, 0), index(row + common - 1, columnCount() - 1));
    if (count > common) {
        if (!newColumns)
            beginRemoveRows({}, row + common, row + count - 1);
        for (int i = row + common; i < row + count; ++i)
            tally(i, false);
        m_lines.remove(row + common, count - common);
        m_read.remove(row + common, count - common);
        if (!newColumns)
            endRemoveRows();
    } else if (lines.size() > common) {
        if (!newColumns)
            beginInsertRows({}, row + common, row + int(lines.size()) - 1);
        for (qsizetype i = common; i < lines.size(); ++i) {
            m_read.insert(row + i, lines[i]);
            m_lines.insert(row + i, compute(int(row + i), lines[i]));
            tally(int(row + i), true);
        }
        if (!newColumns)
            endInsertRows();
    }
    // A line's reason names its line number, which moves with lines inserted or removed above.
    if (count != lines.size()) {
        const int from = row + int(lines.size());
        renumberFrom(from);
        if (from < rowCount() && !newColumns)
            emit dataChanged(index(from, 0), index(rowCount() - 1, columnCount() - 1));
    }
    if (newColumns)
        endResetModel();
    emit totalsChanged();
}

void TakeoffTableModel::renumberFrom(int row)
{
    for (int i = row; i < rowCount(); ++i) {
        tally(i, false);
        m_lines[i] = compute(i, m_read[i]);
        tally(i, true);
    }
    if (row < rowCount())
        emit dataChanged(index(row, 0), index(rowCount() - 1, columnCount() - 1));
}
