// The plate flange table: which sizes each pressure accepts, the values that depend on DN alone,
// the known odd rows, and plausibility rules that a mistyped cell would break.
#include "core/plate/plateflangetable.h"

#include <QRegularExpression>
#include <QtTest>
#include <limits>
#include <vector>

namespace
{

const QList<int> allSizes = {10,  15,  20,  25,   32,   40,   50,   65,   80,  100,
                             125, 150, 200, 250,  300,  350,  400,  450,  500, 600,
                             700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000};
const QList<int> sizesTo600 = allSizes.mid(0, 20);

// Every DN a pressure has a row for, found by asking for every 16-bit value.
QList<int> acceptedSizes(PressureIndex pressure)
{
    QList<int> sizes;
    for (int dn = std::numeric_limits<NominalDiameter>::min();
         dn <= std::numeric_limits<NominalDiameter>::max(); ++dn)
        if (findPlateFlangeRow(pressure, NominalDiameter(dn)))
            sizes.append(dn);
    return sizes;
}

std::vector<const PlateFlangeRow *> allRows()
{
    std::vector<const PlateFlangeRow *> rows;
    for (int p = 0; p < PlatePressureCount; ++p)
        for (int dn : allSizes)
            if (const PlateFlangeRow *row = findPlateFlangeRow(p, NominalDiameter(dn)))
                rows.push_back(row);
    return rows;
}

QString boltText(const PlateFlangeRow &row)
{
    return QString::fromUtf8(row.bolt);
}

int threadDiameter(const PlateFlangeRow &row)
{
    // "M16x75", "M33x2x185", or the thread alone ("M24") where the row gives no bolt length.
    static const QRegularExpression thread(QStringLiteral("^M(\\d+)(x\\d)?(x\\d{2,})?$"));
    const auto match = thread.match(QString::fromUtf8(row.bolt));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The bolt length, or 0 for a bolt given by its thread alone.
int boltLength(const PlateFlangeRow &row)
{
    const QString bolt = QString::fromUtf8(row.bolt);
    return bolt.contains('x') ? bolt.section('x', -1).toInt() : 0;
}

} // namespace

class TestPlateTable : public QObject
{
    Q_OBJECT

private slots:
    void acceptedSizesPerPressure_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("PN 0.25: DN 10 to 2000") << 0 << allSizes;
        QTest::newRow("PN 0.6: DN 10 to 2000") << 1 << allSizes;
        QTest::newRow("PN 1.0: DN 10 to 600") << 2 << sizesTo600;
        QTest::newRow("PN 1.6: DN 10 to 600") << 3 << sizesTo600;
        QTest::newRow("PN 2.5: DN 10 to 600") << 4 << sizesTo600;
    }
    void acceptedSizesPerPressure()
    {
        QFETCH(int, pressure);
        QFETCH(QList<int>, sizes);
        QCOMPARE(acceptedSizes(pressure), sizes);
        for (int dn : sizes)
            QCOMPARE(findPlateFlangeRow(pressure, NominalDiameter(dn))->dn, dn);
    }

    void hundredEighteenRows() { QCOMPARE(allRows().size(), 118u); }

    void pressureOutsideTheListHasNoRows_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::newRow("nothing selected") << -1;
        QTest::newRow("one past the list") << 5;
        QTest::newRow("far off") << 1000;
    }
    void pressureOutsideTheListHasNoRows()
    {
        QFETCH(int, pressure);
        QVERIFY(acceptedSizes(pressure).isEmpty());
    }

    // Bevel, face height, pipes and bores are the same for a DN at every pressure listing it.
    void dnOnlyValuesEqualAcrossPressures_data()
    {
        QTest::addColumn<int>("dn");
        for (int dn : allSizes)
            QTest::addRow("DN %d", dn) << dn;
    }
    void dnOnlyValuesEqualAcrossPressures()
    {
        QFETCH(int, dn);
        const PlateFlangeRow *first = findPlateFlangeRow(0, NominalDiameter(dn));
        QVERIFY(first);
        for (int p = 1; p < PlatePressureCount; ++p) {
            const PlateFlangeRow *row = findPlateFlangeRow(p, NominalDiameter(dn));
            if (!row)
                continue;
            QCOMPARE(row->bevelWidth, first->bevelWidth);
            QCOMPARE(row->faceHeight, first->faceHeight);
            QCOMPARE(row->pipeOutsideA, first->pipeOutsideA);
            QCOMPARE(row->pipeOutsideB, first->pipeOutsideB);
            QCOMPARE(row->boreA, first->boreA);
            QCOMPARE(row->boreB, first->boreB);
        }
        QCOMPARE(first->faceHeight, dn <= 600 ? 2 : 5);
    }

    void oddRows()
    {
        // DN 450 breaks the run of bevel 12 at DN 400 and DN 500, at every pressure.
        for (int p = 0; p < PlatePressureCount; ++p) {
            QCOMPARE(findPlateFlangeRow(p, 400)->bevelWidth, 12);
            QCOMPARE(findPlateFlangeRow(p, 450)->bevelWidth, 4);
            QCOMPARE(findPlateFlangeRow(p, 500)->bevelWidth, 12);
        }
        // PN 0.25 DN 32 and 40: holes of 11 with M12 bolts, where PN 0.6 has 14.
        for (NominalDiameter dn : {32, 40}) {
            QCOMPARE(findPlateFlangeRow(0, dn)->holeDiameter, 11);
            QCOMPARE(boltText(*findPlateFlangeRow(0, dn)), QStringLiteral("M12x60"));
            QCOMPARE(findPlateFlangeRow(1, dn)->holeDiameter, 14);
        }
        // PN 0.25 DN 125: 4 holes, PN 0.6: 8.
        QCOMPARE(findPlateFlangeRow(0, 125)->holeCount, 4);
        QCOMPARE(findPlateFlangeRow(1, 125)->holeCount, 8);
    }

    // Cells left blank in the source, filled from neighbouring rows and the DN-only values.
    void filledCells()
    {
        for (PressureIndex p : {0, 1}) {
            const PlateFlangeRow &dn20 = *findPlateFlangeRow(p, 20);
            QCOMPARE(dn20.faceHeight, 2);
            QCOMPARE(dn20.thickness, 14);
            QCOMPARE(dn20.holeCount, 4);
            QCOMPARE(dn20.holeDiameter, 11);
            QCOMPARE(dn20.pipeOutsideA, 26.9);
            QCOMPARE(dn20.pipeOutsideB, 25);
            QCOMPARE(dn20.boreA, 27.5);
            QCOMPARE(dn20.boreB, 26);
        }
        const PlateFlangeRow &pn025dn25 = *findPlateFlangeRow(0, 25);
        QCOMPARE(pn025dn25.bevelWidth, 5);
        QCOMPARE(boltText(pn025dn25), QStringLiteral("M10x50"));

        const PlateFlangeRow &pn06dn400 = *findPlateFlangeRow(1, 400);
        QCOMPARE(pn06dn400.bevelWidth, 12);
        QCOMPARE(boltText(pn06dn400), QStringLiteral("M20x90"));
        QCOMPARE(pn06dn400.boltCircle, 495);
        QCOMPARE(pn06dn400.outsideDiameter, 540);
        QCOMPARE(pn06dn400.faceHeight, 2);

        const PlateFlangeRow &pn06dn450 = *findPlateFlangeRow(1, 450);
        QCOMPARE(pn06dn450.holeCount, 16);
        QCOMPARE(pn06dn450.holeDiameter, 22);
        QCOMPARE(pn06dn450.pipeOutsideB, 480);
        QCOMPARE(pn06dn450.boreB, 485);
    }

    void firstAndLastRows()
    {
        const PlateFlangeRow &first = *findPlateFlangeRow(0, 10);
        QCOMPARE(first.bevelWidth, 4);
        QCOMPARE(boltText(first), QStringLiteral("M10x45"));
        QCOMPARE(first.boltCircle, 50);
        QCOMPARE(first.outsideDiameter, 75);
        QCOMPARE(first.faceHeight, 2);
        QCOMPARE(first.thickness, 12);
        QCOMPARE(first.holeCount, 4);
        QCOMPARE(first.holeDiameter, 11);
        QCOMPARE(first.pipeOutsideA, 17.2);
        QCOMPARE(first.pipeOutsideB, 14);
        QCOMPARE(first.boreA, 18.0);
        QCOMPARE(first.boreB, 15);

        const PlateFlangeRow &largest = *findPlateFlangeRow(1, 2000);
        QCOMPARE(boltText(largest), QStringLiteral("M39x3x240"));
        QCOMPARE(largest.boltCircle, 2180);
        QCOMPARE(largest.outsideDiameter, 2265);
        QCOMPARE(largest.thickness, 92);
        QCOMPARE(largest.holeCount, 48);
        QCOMPARE(largest.holeDiameter, 42);

        const PlateFlangeRow &last = *findPlateFlangeRow(4, 600);
        QCOMPARE(boltText(last), QStringLiteral("M36x2x225"));
        QCOMPARE(last.outsideDiameter, 845);
        QCOMPARE(last.thickness, 68);
    }

    // Rules every real flange keeps; a digit typed wrong in a row breaks one of them.
    void rowsArePlausible()
    {
        const QHash<int, int> holeForThread = {{10, 11}, {12, 14}, {16, 18}, {20, 22}, {24, 26},
                                               {27, 30}, {30, 33}, {33, 36}, {36, 39}, {39, 42}};
        for (const PlateFlangeRow *row : allRows()) {
            const QByteArray where =
                QByteArray("DN ") + QByteArray::number(row->dn) + " " + row->bolt;
            const bool smallPn025 = row->holeDiameter == 11 && threadDiameter(*row) == 12;
            QVERIFY2(smallPn025 || holeForThread.value(threadDiameter(*row)) == row->holeDiameter,
                     where);
            QVERIFY2(boltLength(*row) == 0 || boltLength(*row) > 2 * row->thickness, where);
            QVERIFY2(row->boreA > row->pipeOutsideA && row->boreB > row->pipeOutsideB, where);
            QVERIFY2(row->boltCircle - row->holeDiameter > row->boreA, where);
            QVERIFY2(row->outsideDiameter - row->holeDiameter > row->boltCircle, where);
            QVERIFY2(row->holeCount % 4 == 0, where);
            QVERIFY2(row->bevelWidth >= 4 && row->bevelWidth <= 18, where);
        }
    }

    // Within a pressure nothing shrinks as DN grows; at a DN nothing shrinks as pressure grows.
    void sizesGrowWithDnAndPressure()
    {
        auto noSmaller = [](const PlateFlangeRow &big, const PlateFlangeRow &small) {
            return big.boltCircle >= small.boltCircle &&
                   big.outsideDiameter >= small.outsideDiameter &&
                   big.thickness >= small.thickness && big.holeDiameter >= small.holeDiameter;
        };
        for (int p = 0; p < PlatePressureCount; ++p) {
            const PlateFlangeRow *previous = nullptr;
            for (int dn : acceptedSizes(p)) {
                const PlateFlangeRow *row = findPlateFlangeRow(p, NominalDiameter(dn));
                if (previous) {
                    QVERIFY2(noSmaller(*row, *previous),
                             qPrintable(QString("PN row %1 DN %2").arg(p).arg(dn)));
                    QVERIFY(row->holeCount >= previous->holeCount);
                    QVERIFY(row->pipeOutsideA > previous->pipeOutsideA);
                    QVERIFY(row->pipeOutsideB > previous->pipeOutsideB);
                }
                previous = row;
            }
            if (p == 0)
                continue;
            for (int dn : acceptedSizes(p))
                QVERIFY2(noSmaller(*findPlateFlangeRow(p, NominalDiameter(dn)),
                                   *findPlateFlangeRow(p - 1, NominalDiameter(dn))),
                         qPrintable(QString("PN row %1 DN %2").arg(p).arg(dn)));
        }
    }

    void sizesOffTheListHaveNoRow_data()
    {
        QTest::addColumn<int>("dn");
        for (int dn : {0, 9, 11, 349, 2001, -10, -32768, 32767})
            QTest::addRow("DN %d", dn) << dn;
    }
    void sizesOffTheListHaveNoRow()
    {
        QFETCH(int, dn);
        for (int p = 0; p < PlatePressureCount; ++p)
            QVERIFY(!findPlateFlangeRow(p, NominalDiameter(dn)));
    }

    void dn700OnlyAtTheLowPressures()
    {
        QVERIFY(findPlateFlangeRow(0, 700));
        QVERIFY(findPlateFlangeRow(1, 700));
        for (int p = 2; p < PlatePressureCount; ++p)
            QVERIFY(!findPlateFlangeRow(p, 700));
    }
};

QTEST_APPLESS_MAIN(TestPlateTable)
#include "tst_platetable.moc"
