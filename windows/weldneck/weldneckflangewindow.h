#pragma once

#include "widgets/querywindow.h"

// The weld-neck flange window: pressure, weld-end series and DN in; the table row written onto
// the dimension lines of a half-section drawing, with the bolt-hole callout and the net weight.
class WeldNeckFlangeWindow : public QueryWindow
{
    Q_OBJECT
public:
    // Builds the controls and runs the load step: both lists filled, nothing selected.
    WeldNeckFlangeWindow();

private:
    // Its kind, controls in designed order, lists and query, with the texts in the language
    // installed.
    static QueryWindowDesign design();
};
