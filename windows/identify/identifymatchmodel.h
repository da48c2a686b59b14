#pragma once

#include "catalogue/identify.h"

#include <QAbstractTableModel>
#include <QList>

// The matches of an identification, ranked as the identify command ranks them: kind, pressure,
// DN, series, total deviation, then the deviation of each measurement given.
class IdentifyMatchModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The matches of these measurements (none when nothing is measured).
    void identify(const FlangeMeasurements &measured);
    const FlangeMatch &match(int row) const { return m_matches.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<FlangeMatch> m_matches;
    QList<Measure> m_given;
};

// The symbol of a measure on the drawings: "D", "K", "n", "L", "C", "A".
QString measureSymbol(Measure measure);
