// The ways people write a flange's values, each through the reader the command line, the take-off
// and the windows use: what it reads as, or why it is refused.
#include "catalogue/flangeinput.h"
#include "core/values/numberreading.h"
#include "takeoff/takeoffline.h"

#include <QTest>

namespace
{

// A reading as the table writes it: the value, or "unreadable: reason" / "refused: reason".
template <typename T, typename Show> QString shown(const ValueReading<T> &reading, Show show)
{
    if (reading)
        return show(*reading);
    return (reading.unreadable ? QStringLiteral("unreadable: ") : QStringLiteral("refused: ")) +
           reading.reason;
}

QString read(const QString &reader, const QString &text)
{
    const auto number = [](auto n) { return QString::number(n); };
    if (reader == QLatin1String("kind"))
        return shown(readFlangeKind(text), kindCode);
    for (FlangeKind kind : AllFlangeKinds) {
        if (reader == kindCode(kind) + QStringLiteral(" PN"))
            return shown(readPressure(kind, text),
                         [](const Rating &rating) { return ratingText(rating) + " MPa"; });
    }
    if (reader == QLatin1String("DN"))
        return shown(readDnText(text), number);
    if (reader == QLatin1String("DN box")) {
        const std::optional<NominalDiameter> dn = readNominalDiameter(text);
        return dn ? number(*dn) : QStringLiteral("unlisted");
    }
    if (reader == QLatin1String("series"))
        return shown(readSeries(text), seriesText);
    if (reader == QLatin1String("quantity"))
        return shown(readQuantity(text, MaxTakeoffQuantity), number);
    // A marking as the only text of a take-off line, with a quantity.
    TakeoffCalculator calculator;
    const TakeoffLine line = calculator.compute(1, {text, QStringLiteral("2")});
    if (!line.ok())
        return QStringLiteral("refused: ") + line.reason.english;
    return QStringLiteral("%1 %2 MPa %3 DN %4")
        .arg(kindCode(*line.kind), line.record->pressureText, seriesText(*line.series))
        .arg(*line.dn);
}

} // namespace

class TestValueSpellings : public QObject
{
    Q_OBJECT

private slots:
    void spelling_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QList<std::array<const char *, 3>> rows = {
            {"kind", "wn", "WN"},
            {"kind", "ＷＮ", "WN"},
            {"kind", "WN-RF", "WN"},
            {"kind", "SO-RF", "SO"},
            {"kind", "PL-FF", "PL"},
            {"kind", "SORF", "SO"},
            {"kind", "带颈平焊法兰", "SO"},
            {"kind", "板式平焊", "PL"},
            {"kind", "对焊法兰", "WN"},
            {"kind", "平焊", "refused: \"平焊\" could be 板式平焊 (PL) or 带颈平焊 (SO)"},
            {"kind", "BL", "unreadable: unknown flange kind \"BL\""},
            {"PL PN", "1.60", "1.6 MPa"},
            {"PL PN", "PN16", "1.6 MPa"},
            {"PL PN", "PN 16", "1.6 MPa"},
            {"PL PN", "2.5", "2.5 MPa"},
            {"PL PN", "2.5bar", "0.25 MPa"},
            {"PL PN", "PN25", "2.5 MPa"},
            {"PL PN", "PN2.5", "refused: PN2.5 could be 0.25 MPa or 2.5 MPa: write 0.25MPa or 2.5MPa"},
            {"PL PN", "PN3", "refused: pressure PN3 (0.3 MPa or 3 MPa) is not listed for PL"},
            {"PL PN", "3.3", "refused: pressure 3.3 MPa is not listed for PL"},
            {"PL PN", "1.6psi", "unreadable: pressure \"1.6psi\" is not a pressure"},
            {"SO PN", "PN2.5", "2.5 MPa"},
            {"SO PN", "PN6", "0.6 MPa"},
            {"WN PN", "PN16", "refused: PN16 could be 1.6 MPa or 16.0 MPa: write 1.6MPa or 16MPa"},
            {"WN PN", "PN2.5", "2.5 MPa"},
            {"WN PN", "16bar", "1.6 MPa"},
            {"WN PN", "16 bar", "1.6 MPa"},
            {"WN PN", "1.6 MPa", "1.6 MPa"},
            {"WN PN", "16MPa", "16.0 MPa"},
            {"WN PN", "ＰＮ４０", "4.0 MPa"},
            {"WN PN", "１．６", "1.6 MPa"},
            {"DN", "DN 100", "100"},
            {"DN", "100mm", "100"},
            {"DN", "ＤＮ１００", "100"},
            {"DN", "100.0", "100"},
            {"DN", "100.5", "refused: DN \"100.5\" is not a whole number"},
            {"DN", "-100", "-100"}, // a value, which no table lists
            {"DN box", "DN100", "100"},
            {"DN box", "dn 100", "100"},
            {"DN box", "100 mm", "100"},
            {"DN box", "１００", "100"},
            {"DN box", "DN 10.5", "10"},
            {"DN box", "ＤＮ１１.５", "12"},
            {"DN box", "１e9", "unlisted"},
            {"series", "Ｂ", "B"},
            {"series", "C", "unreadable: series \"C\" is not A or B"},
            {"quantity", "4.0", "4"},
            {"quantity", "10.00", "10"},
            {"quantity", "3.", "3"},
            {"quantity", "1e3", "1000"},
            {"quantity", "2片", "2"},
            {"quantity", "4套", "4"},
            {"quantity", "2个", "2"},
            {"quantity", "2 pcs", "2"},
            {"quantity", "１２", "12"},
            {"quantity", "2.5", "refused: quantity 2.5 is not a whole number"},
            {"quantity", "0", "refused: quantity 0 is not a positive number"},
            {"quantity", "1e7", "refused: quantity 1e7 is more than 1000000 on one line"},
            {"quantity", "2 boxes", "unreadable: quantity \"2 boxes\" is not a number"},
            {"marking", "HG 20592 法兰 PL 100(B)-1.6 RF", "PL 1.6 MPa B DN 100"},
            {"marking", "PL100(B)-1.6RF", "PL 1.6 MPa B DN 100"},
            {"marking", "WN 100-2.5 RF", "WN 2.5 MPa A DN 100"},
            {"marking", "HG/T 20592 法兰 SO 50-16 RF Q235A", "SO 1.6 MPa A DN 50"},
            {"marking", "ＷＮ　２００（Ｂ）－４.０　ＲＦ", "WN 4.0 MPa B DN 200"},
            {"marking", "WN 100-16 RF", "refused: line 1: PN16 could be 1.6 MPa or 16.0 MPa"},
            {"marking", "PL 11-1.0 RF", "refused: line 1: DN 11 is not listed for PL at 1.0 MPa"},
            {"marking", "PL 100 RF", "refused: line 1: expected 5 fields"},
            // A kind's own number of the 1997 edition (its PN in MPa); 2009's PN is in bar.
            {"marking", "HG 20593 法兰 PL100-1.6 RF", "PL 1.6 MPa A DN 100"},
            {"marking", "HG 20595 法兰 WN100-2.5 RF S=4 20", "WN 2.5 MPa A DN 100"},
            {"marking", "HG/T20593-1997 PL 100-2.5", "PL 2.5 MPa A DN 100"},
            {"marking", "HG/T 20592-2009 PL 100-2.5", "PL 0.25 MPa A DN 100"},
            {"marking", "HG 20593 WN 1-2", "refused: line 1: \"HG 20593 WN 1-2\": HG 20593 is the "
                                           "standard of PL flanges, not of WN"},
            {"marking", "HG 20595-09 WN 1-2", "refused: line 1: \"HG 20595-09 WN 1-2\": HG 20595 "
                                              "is of the 1997 edition only"},
            {"marking", "HG 20601 PL 1-2", "refused: line 1: \"HG 20601 PL 1-2\": HG 20601 is not"},
        };
        for (const auto &[reader, text, expected] : rows)
            QTest::addRow("%s %s reads as %s", reader, text, expected)
                << QString::fromUtf8(reader) << QString::fromUtf8(text)
                << QString::fromUtf8(expected);
    }
    // A refusal's reason starts with what the row says; a value is exactly what it says.
    void spelling()
    {
        QFETCH(QString, reader);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString reading = read(reader, text);
        QVERIFY2(expected.contains(u':') ? reading.startsWith(expected) : reading == expected,
                 qPrintable(reading));
    }
};

QTEST_GUILESS_MAIN(TestValueSpellings)
#include "tst_valuespellings.moc"
