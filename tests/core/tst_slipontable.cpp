// The slip-on flange table as data: which sizes exist, what must agree between rows, and the
// shapes every real flange has (which catch a mistyped cell without restating the rows).
#include "core/slipon/sliponflangetable.h"

#include <QtTest>
#include <set>
#include <string_view>

namespace
{

QList<int> dnsOf(PressureIndex pressure)
{
    QList<int> dns;
    for (const SlipOnFlangeRow &row : slipOnFlangeRows(pressure))
        dns.append(row.dn);
    return dns;
}

// The thread's nominal size: "M30x2" gives 30.
int threadSize(std::string_view thread)
{
    int size = 0;
    for (char c : thread.substr(1)) {
        if (c < '0' || c > '9')
            break;
        size = size * 10 + (c - '0');
    }
    return size;
}

const QList<int> upTo300 = {10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200, 250, 300};
const QList<int> upTo600 = upTo300 + QList<int>{350, 400, 450, 500, 600};

} // namespace

class TestSlipOnTable : public QObject
{
    Q_OBJECT

private slots:
    void acceptedDiameters_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<QList<int>>("dns");
        QTest::newRow("PN 0.6 up to DN 300") << 0 << upTo300;
        QTest::newRow("PN 1.0 up to DN 600") << 1 << upTo600;
        QTest::newRow("PN 1.6 up to DN 600") << 2 << upTo600;
        QTest::newRow("PN 2.5 up to DN 600") << 3 << upTo600;
        QTest::newRow("PN 4.0 up to DN 600") << 4 << upTo600;
        QTest::newRow("no pressure selected") << -1 << QList<int>{};
        QTest::newRow("index past the list") << 5 << QList<int>{};
    }
    void acceptedDiameters()
    {
        QFETCH(int, pressure);
        QFETCH(QList<int>, dns);
        QCOMPARE(dnsOf(pressure), dns);
        for (int dn : dns) {
            const SlipOnFlangeRow *row = findSlipOnFlangeRow(pressure, NominalDiameter(dn));
            QVERIFY(row);
            QCOMPARE(row->dn, dn);
        }
    }

    void ninetyFiveRows()
    {
        qsizetype rows = 0;
        for (int p = 0; p < SlipOnPressureCount; ++p)
            rows += slipOnFlangeRows(p).size();
        QCOMPARE(rows, 95);
    }

    // Exact match only: no neighbouring size, no rounding.
    void refusedDiameters_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("dn");
        QTest::newRow("PN 0.6 DN 350") << 0 << 350;
        QTest::newRow("PN 0.6 DN 400") << 0 << 400;
        QTest::newRow("PN 0.6 DN 450") << 0 << 450;
        QTest::newRow("PN 0.6 DN 500") << 0 << 500;
        QTest::newRow("PN 0.6 DN 600") << 0 << 600;
        QTest::newRow("between 10 and 15") << 1 << 12;
        QTest::newRow("between 300 and 350") << 2 << 301;
        QTest::newRow("between 500 and 600") << 3 << 550;
        QTest::newRow("past 600") << 4 << 700;
        QTest::newRow("zero") << 1 << 0;
        QTest::newRow("negative") << 1 << -100;
        QTest::newRow("no pressure") << -1 << 100;
    }
    void refusedDiameters()
    {
        QFETCH(int, pressure);
        QFETCH(int, dn);
        QVERIFY(!findSlipOnFlangeRow(pressure, NominalDiameter(dn)));
    }

    // Pipe outside diameters and bores follow the DN alone, whatever the pressure.
    void pipeAndBoreByDiameterAlone()
    {
        for (const SlipOnFlangeRow &reference : slipOnFlangeRows(1)) {
            for (int p = 0; p < SlipOnPressureCount; ++p) {
                const SlipOnFlangeRow *row = findSlipOnFlangeRow(p, reference.dn);
                if (!row)
                    continue;
                const QByteArray where =
                    QByteArray::number(p) + " DN " + QByteArray::number(reference.dn);
                QVERIFY2(row->pipeOutsideA == reference.pipeOutsideA, where);
                QVERIFY2(row->pipeOutsideB == reference.pipeOutsideB, where);
                QVERIFY2(row->boreA == reference.boreA, where);
                QVERIFY2(row->boreB == reference.boreB, where);
            }
        }
    }

    void hubSeriesAgreeUpToDn300()
    {
        for (int p = 0; p < SlipOnPressureCount; ++p) {
            for (const SlipOnFlangeRow &row : slipOnFlangeRows(p)) {
                const QByteArray where =
                    QByteArray::number(p) + " DN " + QByteArray::number(row.dn);
                if (row.dn <= 300)
                    QVERIFY2(row.hubDiameterA == row.hubDiameterB, where);
                else
                    QVERIFY2(row.hubDiameterA < row.hubDiameterB, where);
            }
        }
    }

    void bevelOnlyFromPn10Dn450()
    {
        for (int p = 0; p < SlipOnPressureCount; ++p) {
            for (const SlipOnFlangeRow &row : slipOnFlangeRows(p)) {
                const bool expected = p >= 2 || (p == 1 && row.dn >= 450);
                QVERIFY2(row.bevelWidth.has_value() == expected,
                         QByteArray::number(p) + " DN " + QByteArray::number(row.dn));
            }
        }
    }

    // Shapes every flange of the table has; a mistyped cell breaks one of them.
    void everyRowIsABuildableFlange()
    {
        const std::set<std::string_view> threads = {
            "M10", "M12", "M16", "M20", "M24", "M27", "M30x2", "M33x2", "M36x3", "M39x3", "M45x3"};
        for (int p = 0; p < SlipOnPressureCount; ++p) {
            for (const SlipOnFlangeRow &r : slipOnFlangeRows(p)) {
                const QByteArray where = QByteArray::number(p) + " DN " + QByteArray::number(r.dn);
                QVERIFY2(threads.count(r.bolt), where);
                QVERIFY2(r.holeDiameter > threadSize(r.bolt), where);
                QVERIFY2(r.boltCircle + r.holeDiameter < r.outsideDiameter, where);
                QVERIFY2(r.boltCircle - r.holeDiameter > std::max(r.hubDiameterA, r.hubDiameterB), where);
                QVERIFY2(r.hubDiameterA > r.boreA && r.hubDiameterB > r.boreB, where);
                QVERIFY2(r.boreA > r.pipeOutsideA && r.boreB > r.pipeOutsideB, where);
                QVERIFY2(r.overallHeight > r.thickness, where);
                QVERIFY2(r.holeCount % 4 == 0, where);
                QVERIFY2(r.filletRadius > 0, where);
            }
        }
    }

    // Within one pressure a larger DN never has a smaller flange.
    void sizesGrowWithDiameter()
    {
        for (int p = 0; p < SlipOnPressureCount; ++p) {
            const auto rows = slipOnFlangeRows(p);
            for (std::size_t i = 1; i < rows.size(); ++i) {
                const SlipOnFlangeRow &a = rows[i - 1];
                const SlipOnFlangeRow &b = rows[i];
                const QByteArray where = QByteArray::number(p) + " DN " + QByteArray::number(b.dn);
                QVERIFY2(a.dn < b.dn, where);
                QVERIFY2(a.outsideDiameter < b.outsideDiameter, where);
                QVERIFY2(a.boltCircle < b.boltCircle, where);
                QVERIFY2(a.hubDiameterA < b.hubDiameterA && a.hubDiameterB < b.hubDiameterB, where);
                QVERIFY2(a.thickness <= b.thickness, where);
                QVERIFY2(a.filletRadius <= b.filletRadius, where);
                QVERIFY2(a.holeCount <= b.holeCount, where);
                QVERIFY2(a.holeDiameter <= b.holeDiameter, where);
                if (a.bevelWidth && b.bevelWidth)
                    QVERIFY2(*a.bevelWidth <= *b.bevelWidth, where);
            }
        }
    }

    void pn25Dn600()
    {
        const SlipOnFlangeRow *r = findSlipOnFlangeRow(3, 600);
        QVERIFY(r);
        QCOMPARE(r->outsideDiameter, 845);
        QCOMPARE(r->boltCircle, 770);
        QCOMPARE(std::string_view(r->bolt), "M36x3");
        QCOMPARE(r->thickness, 46);
        QCOMPARE(r->filletRadius, 12);
        QCOMPARE(r->overallHeight, 100);
        QCOMPARE(r->bevelWidth, 12);
        QCOMPARE(r->holeCount, 20);
        QCOMPARE(r->holeDiameter, 39);
        QCOMPARE(r->pipeOutsideA, 610.0);
        QCOMPARE(r->boreA, 616.5);
        QCOMPARE(r->hubDiameterA, 684);
    }

    void pn40Dn450And500ShareTheirThickness()
    {
        QCOMPARE(findSlipOnFlangeRow(4, 450)->thickness, 57);
        QCOMPARE(findSlipOnFlangeRow(4, 500)->thickness, 57);
    }

    // The cells the published table leaves open, as this system fills them.
    void filledCells()
    {
        const SlipOnFlangeRow *pn06dn15 = findSlipOnFlangeRow(0, 15);
        QCOMPARE(pn06dn15->filletRadius, 3);
        QCOMPARE(pn06dn15->overallHeight, 20);
        QCOMPARE(pn06dn15->holeCount, 4);
        QCOMPARE(pn06dn15->holeDiameter, 11);
        QCOMPARE(pn06dn15->pipeOutsideA, 21.3);
        QCOMPARE(pn06dn15->pipeOutsideB, 18.0);
        QCOMPARE(pn06dn15->boreA, 22.0);
        QCOMPARE(pn06dn15->boreB, 19.0);
        QCOMPARE(pn06dn15->hubDiameterA, 30);
        QCOMPARE(pn06dn15->hubDiameterB, 30);

        QCOMPARE(findSlipOnFlangeRow(0, 20)->outsideDiameter, 90);

        const SlipOnFlangeRow *pn25dn250 = findSlipOnFlangeRow(3, 250);
        QCOMPARE(pn25dn250->boltCircle, 370);
        QCOMPARE(std::string_view(pn25dn250->bolt), "M27");
        QCOMPARE(pn25dn250->thickness, 32);
        QCOMPARE(pn25dn250->filletRadius, 10);
        QCOMPARE(pn25dn250->overallHeight, 60);

        const SlipOnFlangeRow *pn40dn100 = findSlipOnFlangeRow(4, 100);
        QCOMPARE(pn40dn100->thickness, 24);
        QCOMPARE(pn40dn100->filletRadius, 6);
        QCOMPARE(pn40dn100->overallHeight, 44);
        QCOMPARE(pn40dn100->bevelWidth, 6);
    }
};

QTEST_APPLESS_MAIN(TestSlipOnTable)
#include "tst_slipontable.moc"
