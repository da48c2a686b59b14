#include "windows/identify/identifymatchmodel.h"

#include "catalogue/flangeinput.h"
#include "core/values/valuetext.h"

namespace
{

enum Column { KindColumn, PressureColumn, DnColumn, SeriesColumn, TotalColumn, FirstDeviation };

QString signedText(double mm)
{
    return (mm > 0 ? QStringLiteral("+") : QString()) + plainNumberText(mm);
}

} // namespace

QString measureSymbol(Measure measure)
{
    static const char *const symbols[] = {"D", "K", "n", "L", "C", "A"};
    return QLatin1String(symbols[int(measure)]);
}

void IdentifyMatchModel::identify(const FlangeMeasurements &measured)
{
    beginResetModel();
    m_given.clear();
    for (Measure measure : AllMeasures)
        if (measured[measure])
            m_given.append(measure);
    m_matches = measured.isEmpty() ? QList<FlangeMatch>() : identifyFlange(measured);
    endResetModel();
}

int IdentifyMatchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_matches.size());
}

int IdentifyMatchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstDeviation + int(m_given.size());
}

QVariant IdentifyMatchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const FlangeMatch &m = m_matches.at(index.row());
    if (role == Qt::ToolTipRole)
        return tr("双击或按回车键在%1窗口中查找").arg(kindName(m.record.kind));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignVCenter |
                   (index.column() == KindColumn ? Qt::AlignLeft : Qt::AlignRight));
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case KindColumn:
        return QStringLiteral("%1 %2").arg(kindName(m.record.kind), kindCode(m.record.kind));
    case PressureColumn:
        return m.record.pressureText;
    case DnColumn:
        return QStringLiteral("DN%1").arg(m.record.dn);
    case SeriesColumn:
        return seriesText(m.record.series);
    case TotalColumn:
        return plainNumberText(m.totalMm);
    default:
        return signedText(m.deviations.value(index.column() - FirstDeviation).mm);
    }
}

QVariant IdentifyMatchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const names[] = {
        QT_TR_NOOP("类型"), QT_TR_NOOP("公称压力(MPa)"), QT_TR_NOOP("公称直径"), QT_TR_NOOP("系列"),
        QT_TR_NOOP("总偏差(mm)")};
    if (section < FirstDeviation)
        return tr(names[section]);
    const Measure measure = m_given.value(section - FirstDeviation);
    return measure == Measure::HoleCount ? tr("%1偏差").arg(measureSymbol(measure))
                                         : tr("%1偏差(mm)").arg(measureSymbol(measure));
}
