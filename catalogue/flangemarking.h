#pragma once

#include "catalogue/flangeinput.h"

#include <QStringList>

// A flange's standard marking in one text, as drawings and line lists write it:
// "HG 20592 法兰 PL 100(B)-1.6 RF", "PL100(B)-1.6RF", "WN 100-2.5 RF". The standard's number
// and "法兰" may lead; then the kind code, the DN, "(B)" for series B (series A when left out),
// a dash and the PN. A face code and, after a blank, the wall thickness and material may follow;
// they do not change the flange's dimensions; the face code is kept (its gasket), the rest is
// passed over.
struct FlangeMarking {
    FlangeKind kind = FlangeKind::Plate;
    // The pressure as readPressure reads it: the number after the dash is a PN ("PN1.6", read
    // both ways), unless a unit is written ("1.6MPa") or the standard's edition names one: MPa
    // in the 1997 edition (HG 20593 … 20595, "-97"), bar in HG/T 20592-2009.
    QString pressure;
    PipeSeries series = PipeSeries::A;
    int dn = 0; // as written; whether it is listed is the lookup's to say
    QString faceCode; // as written ("RF", "FM"), "" when left out

    // The texts of a line's kind, pressure, series and DN fields: {"PL-RF", "PN1.6", "B", "100"},
    // the face code with the kind as a line may write it.
    QStringList fields() const;
};

// The parts of a marking, or unreadable when the text is no marking. A marking whose standard
// number is not one of its kind's is refused, naming the kind the number belongs to. Whether its
// pressure and DN are listed for its kind is for readPressure and the lookup to say.
ValueReading<FlangeMarking> readFlangeMarking(QStringView text);

// The numbers of the 1997 edition of the HG steel pipe flange standards whose tables the
// catalogue holds: HG 20592 (types and parameters, every kind) and one number a kind, written
// "HG 20593-97" (also "HG/T", "-1997"). HG/T 20592-2009 replaced them all.
inline constexpr int CommonStandardNumber = 20592;
int kindStandardNumber(FlangeKind kind); // 20593 PL, 20594 SO, 20595 WN
