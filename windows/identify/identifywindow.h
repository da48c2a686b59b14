#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/identify.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QTableView;
class IdentifyMatchModel;

// "反查法兰": the measurements of a flange found in the field give the catalogue rows that fit
// them, ranked as the identify command ranks them, updated as one types. Choosing a match asks
// for its kind's query window with the match's pressure, series and DN looked up.
class IdentifyWindow : public QWidget
{
    Q_OBJECT
public:
    IdentifyWindow();

    // The box of a measure, and of the tolerance.
    QLineEdit *box(Measure measure) const { return m_boxes[std::size_t(measure)]; }
    QLineEdit *toleranceBox() const { return m_tolerance; }
    QTableView *table() const { return m_table; }
    IdentifyMatchModel *model() const { return m_model; }

    // What the boxes hold, as the identify command reads its options (empty boxes not given).
    FlangeMeasurements measurements() const;

signals:
    // A match was chosen (double-click or Enter): its window should show it.
    void matchChosen(FlangeKind kind, const Rating &rating, PipeSeries series, int dn);
    // "返回": the menu should take this window's place.
    void backRequested();

private:
    void identify();

    std::array<QLineEdit *, std::size(AllMeasures)> m_boxes{};
    QLineEdit *m_tolerance;
    QLabel *m_hint;
    QTableView *m_table;
    IdentifyMatchModel *m_model;
};
