#pragma once

#include "core/values/types.h"

#include <QString>

// What a kind's window says when a query cannot give the row's answer, one message for each
// thing that is missing. The command line gives the same message for the same refusal.
struct QueryMessages {
    QString noPressure;        // no pressure chosen (or one the kind does not list)
    QString diameterNotListed; // the DN is not listed at the chosen pressure
    QString noSeries;          // no series chosen
};
// In the language installed (context "QueryMessage").
QueryMessages queryMessages(FlangeKind kind);
