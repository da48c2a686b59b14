// Flanges of different kinds at the same nominal pressure and DN bolt to each other, so their
// connection dimensions agree: outside diameter D, bolt circle K, hole count n, hole diameter L
// and the bolt's thread.
#include "catalogue/catalogue.h"

#include <QRegularExpression>
#include <QTest>
#include <map>

namespace
{

// The bolt size a designation names: "M16x75" -> "M16", "M30x2x155" and "M30X2" -> "M30". A
// one-digit part after the diameter is a fine pitch, a longer one a length. The pitch is left
// out of the comparison: it concerns the bolt and its nut, not the flanges, and the tables write
// it unevenly (M30 beside M30x2, M36x2 beside M36x3) where the holes are the same.
QString boltThread(const QString &bolt)
{
    static const QRegularExpression form(
        QStringLiteral("^(M\\d+)(?:[xX](\\d(?:\\.\\d+)?))?(?:[xX](\\d{2,}))?$"));
    const QRegularExpressionMatch match = form.match(bolt);
    if (!match.hasMatch())
        return QStringLiteral("unreadable bolt '%1'").arg(bolt);
    return match.captured(1);
}

QString connection(const FlangeRecord &r)
{
    return QStringLiteral("D %1, K %2, %3-φ%4, %5")
        .arg(r.outsideDiameter.value_or(-1))
        .arg(r.boltCircle.value_or(-1))
        .arg(r.holeCount)
        .arg(r.holeDiameter)
        .arg(boltThread(r.bolt));
}

// Pressure in hundredths of a MPa and DN -> the record of one kind.
std::map<std::pair<int, int>, FlangeRecord> byPressureAndDn(FlangeKind kind)
{
    std::map<std::pair<int, int>, FlangeRecord> rows;
    for (const FlangeRecord &r : flangeRecords(kind, PipeSeries::A))
        rows[{qRound(r.pressureText.toDouble() * 100), r.dn}] = r;
    return rows;
}

} // namespace

class TestConnectionDimensions : public QObject
{
    Q_OBJECT

private slots:
    void threadsAreReadAsThreads_data()
    {
        QTest::addColumn<QString>("bolt");
        QTest::addColumn<QString>("expected");
        QTest::newRow("coarse with length") << "M16x75"
                                            << "M16";
        QTest::newRow("coarse alone") << "M24"
                                      << "M24";
        QTest::newRow("no bolt") << ""
                                 << "unreadable bolt ''";
        QTest::newRow("fine, capital X") << "M30X2"
                                         << "M30";
        QTest::newRow("fine with length") << "M33x2x185"
                                          << "M33";
        QTest::newRow("fine, no length") << "M36x3"
                                         << "M36";
    }
    void threadsAreReadAsThreads()
    {
        QFETCH(QString, bolt);
        QFETCH(QString, expected);
        QCOMPARE(boltThread(bolt), expected);
    }

    void kindsAgreeWhereTheyMeet_data()
    {
        QTest::addColumn<FlangeKind>("first");
        QTest::addColumn<FlangeKind>("second");
        QTest::newRow("plate and slip-on") << FlangeKind::Plate << FlangeKind::SlipOn;
        QTest::newRow("plate and weld-neck") << FlangeKind::Plate << FlangeKind::WeldNeck;
        QTest::newRow("slip-on and weld-neck") << FlangeKind::SlipOn << FlangeKind::WeldNeck;
    }
    void kindsAgreeWhereTheyMeet()
    {
        QFETCH(FlangeKind, first);
        QFETCH(FlangeKind, second);
        const auto others = byPressureAndDn(second);
        int compared = 0;
        QStringList disagreements;
        for (const auto &[where, r] : byPressureAndDn(first)) {
            const auto other = others.find(where);
            if (other == others.end())
                continue;
            ++compared;
            if (connection(r) != connection(other->second))
                disagreements.append(QStringLiteral("%1 MPa DN %2: %3 vs %4")
                                         .arg(r.pressureText)
                                         .arg(r.dn)
                                         .arg(connection(r), connection(other->second)));
        }
        QVERIFY2(compared > 20, "the kinds share too few pressures and DNs to compare");
        QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestConnectionDimensions)
#include "tst_connectiondimensions.moc"
