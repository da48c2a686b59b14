#pragma once

#include "catalogue/flangeinput.h"

#include <QStringList>
#include <optional>

// Which sealing faces the 1997 edition (HG 20592~20635-97) makes each kind in, by pressure, and
// the refusal of any other. The faces are named as sealingFace() names them: RF, FF, MFM, TG, RJ.

// The faces the kind is made with at a pressure in MPa, in the order above.
QStringList listedFaces(FlangeKind kind, double pressureMpa);

// Why the kind has no such face at that rating: "WN at 2.5 MPa has no face RJ;
// listed: RF, FF, MFM, TG", or nullopt when it has. No window message: the windows take no face.
std::optional<LookupFailure> faceNotListed(FlangeKind kind, const Rating &rating,
                                           const QString &face);

// Why a size the table leaves without a form in the series is refused ("WN DN 200 at 25.0 MPa
// has no series B form"): the same text wherever it is asked for.
LookupFailure seriesFormMissing(FlangeKind kind, const QString &pressureText, int dn,
                                PipeSeries series);
