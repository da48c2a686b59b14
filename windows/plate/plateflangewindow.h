#pragma once

#include "widgets/querywindow.h"

// The plate slip-on flange window: pressure, series and DN in; the table row written onto the
// drawing's dimension lines, with the net area and weight of the flange.
class PlateFlangeWindow : public QueryWindow
{
    Q_OBJECT
public:
    // Builds the controls and runs the load step: the two lists filled, nothing selected.
    PlateFlangeWindow();

private:
    // Its kind, controls in designed order, lists and query, with the texts in the language
    // installed.
    static QueryWindowDesign design();
};
