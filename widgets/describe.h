#pragma once

#include <QString>

class QWidget;

// What a control holds, in the interface's language, for a screen reader (its accessible name) and for the mouse
// (its tooltip, with the unit or values in brackets when given).
void describe(QWidget *control, const QString &name, const QString &detail = {});
