#pragma once

#include "widgets/querywindow.h"

// The hubbed slip-on flange window: pressure, series and DN in; the table row written onto the
// dimension lines of a drawing of the flange, with the plate area and the net weight.
class SlipOnFlangeWindow : public QueryWindow
{
    Q_OBJECT
public:
    // Builds the controls and runs the load step: the two lists filled, nothing selected.
    SlipOnFlangeWindow();

private:
    // Its kind, controls in designed order, lists and query, with the texts in the language
    // installed.
    static QueryWindowDesign design();
};
