// Invariants of the weld-neck tables: which sizes each pressure lists, where pressures share
// rows, and the plausibility rules every row of a flange standard keeps.
#include "core/weldneck/weldneckflangetable.h"

#include <QtTest>
#include <cstring>

namespace
{

const QList<int> AllSizes = {10,  15,  20,  25,   32,   40,   50,   65,   80,  100,
                             125, 150, 200, 250,  300,  350,  400,  450,  500, 600,
                             700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000};

QList<int> sizesUpTo(int largest)
{
    QList<int> sizes;
    for (int dn : AllSizes)
        if (dn <= largest)
            sizes.append(dn);
    return sizes;
}

QList<int> listedSizes(PressureRating pressure)
{
    QList<int> sizes;
    for (const WeldNeckRow &row : weldNeckRows(pressure))
        sizes.append(row.dn);
    return sizes;
}

bool sameRow(const WeldNeckRow &a, const WeldNeckRow &b)
{
    return a.dn == b.dn && a.weldEndDiameterA == b.weldEndDiameterA &&
           a.weldEndDiameterB == b.weldEndDiameterB && a.flangeDiameter == b.flangeDiameter &&
           a.boltCircle == b.boltCircle && a.boltCount == b.boltCount &&
           a.boltHoleDiameter == b.boltHoleDiameter && std::strcmp(a.thread, b.thread) == 0 &&
           a.ringThickness == b.ringThickness && a.hubRootDiameterA == b.hubRootDiameterA &&
           a.hubRootDiameterB == b.hubRootDiameterB && a.weldEndWall == b.weldEndWall &&
           a.straightNeckHeight == b.straightNeckHeight && a.radius == b.radius &&
           a.overallHeight == b.overallHeight;
}

QString where(PressureRating pressure, const WeldNeckRow &row)
{
    return QStringLiteral("pressure %1, DN %2").arg(pressure).arg(row.dn);
}

// The nominal diameter of a thread: "M30x2" is 30.
int threadDiameter(const char *thread)
{
    return QString::fromLatin1(thread).mid(1).section(QRegularExpression("[xX]"), 0, 0).toInt();
}

bool isSizeWithoutSeriesB(PressureRating pressure, const WeldNeckRow &row)
{
    return pressure == 7 && (row.dn == 200 || row.dn == 250);
}

} // namespace

class TestWeldNeckTable : public QObject
{
    Q_OBJECT

private slots:
    void acceptedSizes_data();
    void acceptedSizes();
    void lookupIsExact();
    void noRowsOutsideTheList();
    void sharedRows_data();
    void sharedRows();
    void seriesBCellsOfPn25();
    void threadsKeepTheirLetterX();
    void rowsArePlausible();
};

void TestWeldNeckTable::acceptedSizes_data()
{
    QTest::addColumn<int>("pressure");
    QTest::addColumn<QList<int>>("sizes");

    QTest::newRow("PN 1.0: 29 sizes to DN 2000") << 0 << AllSizes;
    QTest::newRow("PN 1.6: 29 sizes to DN 2000") << 1 << AllSizes;
    QTest::newRow("PN 2.5: 24 sizes to DN 1000") << 2 << sizesUpTo(1000);
    QTest::newRow("PN 4.0: 20 sizes to DN 600") << 3 << sizesUpTo(600);
    QTest::newRow("PN 6.3: 17 sizes to DN 400") << 4 << sizesUpTo(400);
    QTest::newRow("PN 10.0: 17 sizes to DN 400") << 5 << sizesUpTo(400);
    QTest::newRow("PN 16.0: 15 sizes to DN 300") << 6 << sizesUpTo(300);
    QTest::newRow("PN 25.0: 14 sizes to DN 250") << 7 << sizesUpTo(250);
}

void TestWeldNeckTable::acceptedSizes()
{
    QFETCH(int, pressure);
    QFETCH(QList<int>, sizes);

    QCOMPARE(listedSizes(pressure), sizes);
    for (int dn : sizes)
        QVERIFY(findWeldNeckRow(pressure, NominalDiameter(dn)));
}

void TestWeldNeckTable::lookupIsExact()
{
    int total = 0;
    for (int pressure = 0; pressure < WeldNeckPressureCount; ++pressure) {
        const QList<int> sizes = listedSizes(pressure);
        total += int(sizes.size());
        for (int dn = -1; dn <= 2100; ++dn) {
            const WeldNeckRow *row = findWeldNeckRow(pressure, NominalDiameter(dn));
            QCOMPARE(row != nullptr, sizes.contains(dn));
            if (row)
                QCOMPARE(int(row->dn), dn);
        }
    }
    QCOMPARE(total, 165);
}

void TestWeldNeckTable::noRowsOutsideTheList()
{
    for (PressureRating pressure : {-1, 8, 100}) {
        QVERIFY(weldNeckRows(pressure).empty());
        QCOMPARE(findWeldNeckRow(pressure, 100), nullptr);
    }
}

void TestWeldNeckTable::sharedRows_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("lastShared");
    QTest::addColumn<int>("firstDifferent");

    // PN 1.0 and 1.6 part at DN 200, where PN 1.6 takes 12 bolts instead of 8.
    QTest::newRow("PN 1.0 and 1.6") << 0 << 1 << 150 << 200;
    QTest::newRow("PN 6.3 and 10.0") << 4 << 5 << 40 << 50;
}

void TestWeldNeckTable::sharedRows()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, lastShared);
    QFETCH(int, firstDifferent);

    for (int dn : sizesUpTo(lastShared)) {
        const WeldNeckRow *a = findWeldNeckRow(first, NominalDiameter(dn));
        const WeldNeckRow *b = findWeldNeckRow(second, NominalDiameter(dn));
        QVERIFY2(a && b && sameRow(*a, *b), qPrintable(QString("DN %1").arg(dn)));
    }
    QVERIFY(!sameRow(*findWeldNeckRow(first, NominalDiameter(firstDifferent)),
                     *findWeldNeckRow(second, NominalDiameter(firstDifferent))));
}

void TestWeldNeckTable::seriesBCellsOfPn25()
{
    const WeldNeckRow *noSeriesB = findWeldNeckRow(7, 200);
    QVERIFY(noSeriesB->weldEndDiameterB.isText());
    QCOMPARE(noSeriesB->weldEndDiameterB.text(), QString("-"));
    QCOMPARE(noSeriesB->hubRootDiameterB.text(), QString("-"));
    QCOMPARE(noSeriesB->weldEndDiameterA, WorkingValue(219.1));

    // The 0 of DN 250 is a number, not an empty cell and not a text.
    const WeldNeckRow *zero = findWeldNeckRow(7, 250);
    QCOMPARE(zero->weldEndDiameterB, WorkingValue(0.0));
    QCOMPARE(zero->hubRootDiameterB, WorkingValue(0.0));
    QVERIFY(!zero->weldEndDiameterB.isEmpty());
    QCOMPARE(zero->weldEndDiameterB.text(), QString("0"));

    // Only PN 25.0 has its own weld-end diameters from DN 80 on.
    const QList<double> ownA = {101.6, 127, 152.4, 177.8};
    const QList<double> ownB = {102, 127, 159, 180};
    const QList<int> sizes = {80, 100, 125, 150};
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const WeldNeckRow *row = findWeldNeckRow(7, NominalDiameter(sizes[i]));
        QCOMPARE(row->weldEndDiameterA, WorkingValue(ownA[i]));
        QCOMPARE(row->weldEndDiameterB, WorkingValue(ownB[i]));
    }
    QCOMPARE(findWeldNeckRow(7, 250)->weldEndDiameterA, WorkingValue(298.5));
}

void TestWeldNeckTable::threadsKeepTheirLetterX()
{
    // PN 2.5 prints fine threads with a capital X, every other pressure with a small x.
    int capital = 0;
    int small = 0;
    for (int pressure = 0; pressure < WeldNeckPressureCount; ++pressure) {
        for (const WeldNeckRow &row : weldNeckRows(pressure)) {
            const QString thread = QString::fromLatin1(row.thread);
            QVERIFY2(QRegularExpression("^M\\d\\d?([xX]\\d)?$").match(thread).hasMatch(),
                     qPrintable(where(pressure, row) + " " + thread));
            if (thread.contains('X')) {
                QCOMPARE(pressure, 2);
                ++capital;
            }
            if (thread.contains('x')) {
                QVERIFY2(pressure != 2, qPrintable(where(pressure, row)));
                ++small;
            }
        }
    }
    QCOMPARE(capital, 9);
    QVERIFY(small > 0);
}

void TestWeldNeckTable::rowsArePlausible()
{
    // Rules every size of the standard keeps; a slipped digit or swapped column breaks one.
    for (int pressure = 0; pressure < WeldNeckPressureCount; ++pressure) {
        int previousDn = 0;
        int previousFlange = 0;
        for (const WeldNeckRow &row : weldNeckRows(pressure)) {
            const QByteArray at = where(pressure, row).toLatin1();
            QVERIFY2(row.dn > previousDn, at);
            QVERIFY2(row.flangeDiameter > previousFlange, at);
            previousDn = row.dn;
            previousFlange = row.flangeDiameter;

            const double weldEndA = row.weldEndDiameterA.number();
            const double hubA = row.hubRootDiameterA.number();
            QVERIFY2(!row.weldEndDiameterA.isText() && !row.hubRootDiameterA.isText(), at);
            QVERIFY2(weldEndA < hubA && hubA < row.boltCircle - row.boltHoleDiameter, at);
            if (!isSizeWithoutSeriesB(pressure, row)) {
                const double weldEndB = row.weldEndDiameterB.number();
                const double hubB = row.hubRootDiameterB.number();
                QVERIFY2(weldEndB < hubB && hubB < row.boltCircle - row.boltHoleDiameter, at);
                QVERIFY2(qAbs(weldEndA - weldEndB) <= 0.2 * weldEndA, at);
            }
            QVERIFY2(row.boltCircle + row.boltHoleDiameter < row.flangeDiameter, at);
            QVERIFY2(row.boltCount % 4 == 0 && row.boltCount >= 4, at);
            // The hole clears the bolt by 2 to 4 mm; PN 16.0, DN 250 prints M39x3 in a 39 hole.
            const int clearance = row.boltHoleDiameter - threadDiameter(row.thread);
            if (pressure == 6 && row.dn == 250)
                QCOMPARE(clearance, 0);
            else
                QVERIFY2(clearance >= 2 && clearance <= 4, at);
            QVERIFY2(row.weldEndWall > 0 && row.weldEndWall < weldEndA / 4, at);
            QVERIFY2(row.ringThickness + row.straightNeckHeight < row.overallHeight, at);
            QVERIFY2(row.radius >= 3 && row.radius <= 15, at);
        }
    }
}

QTEST_GUILESS_MAIN(TestWeldNeckTable)
#include "tst_weldnecktable.moc"
