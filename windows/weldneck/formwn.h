#pragma once

#include <QWidget>

class QListWidget;

// The weld-neck flange window: pressure, weld-end series and DN in; the table row written onto
// the dimension lines of a half-section drawing, with the bolt-hole callout and the net weight.
class FormWN : public QWidget
{
    Q_OBJECT
public:
    // Builds the controls and runs the load step: both lists filled, nothing selected.
    FormWN();
    Q_DISABLE_COPY_MOVE(FormWN)

signals:
    // "返回": the menu should take this window's place.
    void backRequested();

private:
    void find();
    void clear();

    QListWidget *m_pressures = nullptr;
    QListWidget *m_series = nullptr;
};
