// The plate flange query without its window: boxes as texts, the two list rows as numbers.
#include "catalogue/query/platequery.h"
#include "core/values/queryrun.h"
#include "support/listrows.h"

#include <QtTest>

namespace
{

const QString PressureMessage = QStringLiteral("压力不对，重新输入！");
const QString DnMessage = QStringLiteral("请重新输入公称直径！");
const QString SeriesMessage = QStringLiteral("请选择配管外径形式！");

constexpr int NoSelection = -1;
constexpr int SeriesRowA = 0, SeriesRowB = 1;
constexpr int Pn025 = 0, Pn06 = 1, Pn10 = 2, Pn25 = 4;

// The twelve boxes of the window as the user sees them between presses.
class Boxes
{
public:
    // As the window opens: one blank in every box.
    Boxes()
    {
        for (int n = 1; n <= 12; ++n)
            m_texts[n] = QStringLiteral(" ");
    }
    QString &operator[](int box) { return m_texts[box]; }
    QString operator[](int box) const { return m_texts.value(box); }

    // One press of "查找": applies its writes and returns the run.
    QueryRun press(int pressure, int seriesRow)
    {
        QueryRun run([this](int box) { return m_texts.value(box); });
        runPlateQuery(run, ratingOfListRow(FlangeKind::Plate, pressure), seriesAtRow(seriesRow));
        for (const QueryStep &step : run.steps())
            if (step.kind == QueryStep::Kind::Write)
                m_texts[step.box] = step.text;
        return run;
    }

private:
    QHash<int, QString> m_texts;
};

QList<int> writtenBoxes(const QueryRun &run)
{
    QList<int> boxes;
    for (const QueryStep &step : run.steps())
        if (step.kind == QueryStep::Kind::Write)
            boxes.append(step.box);
    return boxes;
}

} // namespace

class TestPlateQuery : public QObject
{
    Q_OBJECT

private slots:
    // A found row: every box, and the order in which they are written.
    void foundRowFillsEveryBox()
    {
        Boxes boxes;
        boxes[11] = "10";
        const QueryRun run = boxes.press(Pn025, SeriesRowA);
        QVERIFY(run.messages().isEmpty());
        QCOMPARE(writtenBoxes(run), QList<int>({1, 4, 6, 7, 8, 9, 5, 2, 10, 12, 3}));
        const QStringList expected = {"4",  "17.2", "4-φ11", "M10x45", "18", "50",
                                      "75", "2",    "12",    "0.00",   "10", "0.36"};
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(boxes[n], expected[n - 1]);
    }

    void areaAndWeight_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<QString>("bore");
        QTest::addColumn<QString>("callout");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("weight");
        // clang-format off
        QTest::newRow("PN 0.25 DN 10 B") << Pn025 << SeriesRowB << "10" << "14" << "15" << "4-φ11" << "0.00" << "0.36";
        QTest::newRow("PN 2.5 DN 600 A") << Pn25 << SeriesRowA << "600" << "610" << "616.5" << "20-φ39" << "0.24" << "127.19";
        QTest::newRow("PN 2.5 DN 600 B") << Pn25 << SeriesRowB << "600" << "630" << "636" << "20-φ39" << "0.22" << "116.96";
        QTest::newRow("PN 1.0 DN 400 B, 24.354986728") << Pn10 << SeriesRowB << "400" << "426" << "430" << "16-φ26" << "0.10" << "24.35";
        QTest::newRow("PN 0.6 DN 2000 A") << Pn06 << SeriesRowA << "2000" << "2032" << "2036" << "48-φ42" << "0.71" << "510.38";
        QTest::newRow("PN 0.25 DN 700 A, low pressures go on") << Pn025 << SeriesRowA << "700" << "711" << "715" << "24-φ26" << "0.17" << "47.06";
        // clang-format on
    }
    void areaAndWeight()
    {
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        Boxes boxes;
        boxes[11] = dn;
        QVERIFY(boxes.press(pressure, series).messages().isEmpty());
        QTEST(boxes[2], "pipe");
        QTEST(boxes[5], "bore");
        QTEST(boxes[3], "callout");
        QTEST(boxes[10], "area");
        QTEST(boxes[12], "weight");
    }

    // The DN box is read as a number and rounded, halves to the even neighbour.
    void dnReading_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QString>("message"); // empty: the row is found
        // clang-format off
        QTest::newRow("10.5 reads 10") << Pn025 << "10.5" << "";
        QTest::newRow("11.5 reads 12") << Pn025 << "11.5" << DnMessage;
        QTest::newRow("empty box") << Pn025 << "" << DnMessage;
        QTest::newRow("one blank, as at start") << Pn025 << " " << DnMessage;
        QTest::newRow("between sizes") << Pn025 << "349" << DnMessage;
        QTest::newRow("DN 700 at PN 1.0") << Pn10 << "700" << DnMessage;
        QTest::newRow("DN 700 at PN 0.25") << Pn025 << "700" << "";
        QTest::newRow("no pressure, listed DN") << NoSelection << "10" << PressureMessage;
        QTest::newRow("no pressure, DN 700") << NoSelection << "700" << PressureMessage;
        QTest::newRow("no pressure, empty DN") << NoSelection << "" << PressureMessage;
        // clang-format on
    }
    void dnReading()
    {
        QFETCH(int, pressure);
        QFETCH(QString, dn);
        QFETCH(QString, message);
        Boxes boxes;
        boxes[11] = dn;
        const QueryRun run = boxes.press(pressure, SeriesRowA);
        QCOMPARE(run.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(boxes[11], dn); // the query never writes the DN box
        if (message.isEmpty())
            QCOMPARE(boxes[7], dn == "700" ? "860" : "75");
    }

    // A query that cannot give the row's answer says what is missing, each thing once, and
    // empties every result box, whatever an earlier row or the user left in them.
    void refusalEmptiesEveryResult_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QStringList>("messages");
        // clang-format off
        QTest::newRow("DN 11 not listed") << Pn025 << SeriesRowA << "11" << QStringList{DnMessage};
        QTest::newRow("empty DN box") << Pn025 << SeriesRowA << "" << QStringList{DnMessage};
        QTest::newRow("no pressure") << NoSelection << SeriesRowB << "10" << QStringList{PressureMessage};
        QTest::newRow("no series") << Pn025 << NoSelection << "10" << QStringList{SeriesMessage};
        QTest::newRow("nothing chosen") << NoSelection << NoSelection << "" << QStringList{PressureMessage, SeriesMessage};
        QTest::newRow("DN not listed and no series") << Pn10 << NoSelection << "700" << QStringList{DnMessage, SeriesMessage};
        // clang-format on
    }
    void refusalEmptiesEveryResult()
    {
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        Boxes boxes;
        boxes[11] = "10";
        boxes.press(Pn025, SeriesRowA);
        boxes[7] = "300"; // typed over by the user
        boxes[11] = dn;
        const QueryRun run = boxes.press(pressure, series);
        QTEST(run.messages(), "messages");
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(boxes[n], n == 11 ? dn : QString());
    }

    // A value typed into an output box is overwritten by the next found row.
    void typedOverOutsideDiameter()
    {
        Boxes boxes;
        boxes[11] = "10";
        boxes[7] = "300";
        boxes.press(Pn025, SeriesRowA);
        QCOMPARE(boxes[7], "75");
        QCOMPARE(boxes[12], "0.36");
    }

    void seriesDecidesTheBoreOfTheArea()
    {
        // PN 1.0 DN 400: A bore 411, B bore 430; the thinner ring of B weighs less.
        Boxes a, b;
        a[11] = b[11] = "400";
        a.press(Pn10, SeriesRowA);
        b.press(Pn10, SeriesRowB);
        QCOMPARE(a[12], "27.51");
        QCOMPARE(b[12], "24.35");
    }
};

QTEST_APPLESS_MAIN(TestPlateQuery)
#include "tst_platequery.moc"
