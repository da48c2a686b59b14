#pragma once

#include <QString>

class QWidget;

// What a control of the take-off and identification windows holds, for a screen reader (its
// accessible name) and for the mouse (its tooltip, with the detail in brackets when given).
void describe(QWidget *control, const QString &name, const QString &detail = {});
