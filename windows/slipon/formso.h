#pragma once

#include <QWidget>

class QListWidget;

// The hubbed slip-on flange window: pressure, series and DN in; the table row written onto the
// drawing's dimension lines, with the plate area and the net weight of the flange.
class FormSO : public QWidget
{
    Q_OBJECT
public:
    // Builds the controls and runs the load step: both lists filled, nothing selected.
    FormSO();
    Q_DISABLE_COPY_MOVE(FormSO)

signals:
    // "返回": the menu should take this window's place.
    void backRequested();

private:
    void find();
    void clear();

    QListWidget *m_pressures = nullptr;
    QListWidget *m_series = nullptr;
};
