#pragma once

#include <QWidget>

class QListWidget;

// The plate slip-on flange window: pressure, series and DN in; the table row written onto the
// drawing's dimension lines, with the net area and weight of the flange.
class FormPL : public QWidget
{
    Q_OBJECT
public:
    // Builds the controls and runs the load step: the two lists filled, nothing selected.
    FormPL();
    Q_DISABLE_COPY_MOVE(FormPL)

signals:
    // "返回": the menu should take this window's place.
    void backRequested();

private:
    void find();
    void clear();

    QListWidget *m_pressures = nullptr;
    QListWidget *m_series = nullptr;
};
