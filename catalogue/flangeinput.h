#pragma once

#include "catalogue/catalogue.h"
#include "core/values/quotedinput.h"

#include <QString>
#include <QStringView>
#include <optional>

// Reading what a person or a script writes for a flange: the command line, a take-off line list,
// the take-off window's cells. Every value is read here and only here. Texts are read in their
// plain form first (full-width forms as ASCII, see plainTypedText).

// What a text reads as, or why it reads as nothing. A text that is no such value at all is
// `unreadable` (a usage error on the command line); one that is such a value but cannot be taken
// as written (ambiguous, not listed, not whole) is refused. `reason` is one English line that
// quotes the text (cut when long), for the command line's messages and JSON; `text` is the same
// for people in the interface's language (Chinese; written for QCoreApplication::translate,
// context "FlangeInput"), as the take-off shows it; `windowMessage` is the query window's message
// for the same refusal, when a window has one.
template <typename T> struct ValueReading : std::optional<T> {
    QString reason;
    QString text;
    bool unreadable = false;
    QString windowMessage;

    static ValueReading of(T value)
    {
        ValueReading reading;
        reading.emplace(value);
        return reading;
    }
    static ValueReading notReadable(const QString &why, const QString &text)
    {
        ValueReading reading;
        reading.reason = why;
        reading.text = text;
        reading.unreadable = true;
        return reading;
    }
    static ValueReading refused(const QString &why, const QString &text,
                                const QString &message = {})
    {
        ValueReading reading;
        reading.reason = why;
        reading.text = text;
        reading.windowMessage = message;
        return reading;
    }
};


// "PL", "SO", "WN" in any case, also with a face code ("WN-RF", "SORF", "PL FF"), or the Chinese
// names "板式平焊", "带颈平焊", "带颈对焊" with or without "法兰" ("对焊" alone is WN). "平焊"
// alone is refused: it names both slip-on kinds.
ValueReading<FlangeKind> readFlangeKind(QStringView text);

// The sealing face a face code names, as a joint's gasket is ordered by it: "RF", "FF", "MFM"
// (a joint of a male and a female face: "M", "FM" or "MFM"), "TG" ("T", "G" or "TG"), "RJ"; ""
// for any other text. A kind text's face: sealingFace(kindFaceCode(text)).
QString sealingFace(QStringView faceCode);
// The face code a kind text carries ("WN-RF" → "RF", "SO FM" → "FM"), "" when it carries none.
QString kindFaceCode(QStringView kindText);
// The face the catalogue's rows are for, and a line's when it names none: raised face.
inline constexpr QStringView CatalogueFace = u"RF";

// A pressure as written, before a kind decides it: "1.6MPa", "1.6 MPa", "16bar", "16 bar" and a
// bare number (MPa) have one reading; a "PN" without a unit ("PN16", "PN 2.5") has two, in bar
// and in MPa, as the newer and the older designations write it.
// A negative number reads as a pressure too, which no kind lists.
struct PressureSpelling {
    double mpa = 0;                 // the reading in MPa (the only one, or PN read as MPa)
    std::optional<double> barInMpa; // PN read as bar, in MPa; none when a unit or no PN is written
};
std::optional<PressureSpelling> readPressureSpelling(QStringView text);

// A rating of the kind: of the readings of the spelling, the one the kind lists. Refused when it lists both ("PN16 could be 1.6 MPa or 16.0 MPa: write 1.6MPa or 16MPa")
// or neither (with the window's message).
ValueReading<Rating> readPressure(FlangeKind kind, QStringView text);

// The kind's rating of a pressure in MPa, or nullopt when the kind does not list it.
std::optional<Rating> listedRating(FlangeKind kind, double mpa);

// A DN written as a whole number, optionally "DN100", "DN 100" or "100mm" (see dnNumberText); a
// DN written with a fraction ("100.5") is refused. The DN as the windows read it. A negative
// number ("-100") reads as a DN too, which no table lists.
ValueReading<int> readDnText(QStringView text);

// "A" or "B", any case.
ValueReading<PipeSeries> readSeries(QStringView text);
QString seriesText(PipeSeries series);

// A measured length or count as typed ("220", "22.5", "２２０", "1e2", "-5"): a decimal number in
// plain form, read by the one number reading; nullopt for any other text.
std::optional<double> readMeasuredNumber(QStringView text);

// A number of flanges: a positive whole number up to `most`, also written "4.0", "3." or "1e3",
// optionally followed by a unit word ("2片", "4套", "2个", "2 pcs").
ValueReading<qint64> readQuantity(QStringView text, qint64 most);

// Why a lookup found nothing, for people: the window's own message, an English line naming what
// is listed ("DN 11 is not listed for PL at 1.0 MPa; listed: 10, 15, ...") and the same in the
// interface's language ("PL 在 1.0 MPa 下没有 DN 11；有：10、15、…"); each names what is listed
// after its first semicolon.
struct LookupFailure {
    QString windowMessage;
    QString reason;
    QString text;
};
// `pressure` describes what was asked for, with its unit ("3.3 MPa").
LookupFailure pressureNotListed(FlangeKind kind, const QString &pressure);
LookupFailure diameterNotListed(FlangeKind kind, const Rating &rating, int dn);
