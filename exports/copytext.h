#pragma once

#include "catalogue/catalogue.h"

#include <QString>

// A field's value as the window shows it: lengths in their shortest form, the area and weight
// with the window's two decimals, "-" where the row has none.
QString fieldValueText(const FlangeField &field, const FlangeRecord &record);

// Every value of a record as lines "name<TAB>value<TAB>unit", one per field in the stable field
// order, preceded by the kind, pressure, DN and series: what a spreadsheet takes from a paste.
QString flangeCopyText(const FlangeRecord &record);
