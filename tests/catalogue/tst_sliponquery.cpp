// The slip-on query procedure without widgets: what one press of "查找" writes, in what order,
// and which messages it shows.
#include "catalogue/query/sliponquery.h"
#include "core/values/queryrun.h"
#include "support/listrows.h"

#include <QtTest>
#include <limits>

using Boxes = QMap<int, QString>;
Q_DECLARE_METATYPE(Boxes)

namespace
{

constexpr int Message = 0; // stands for a message among box numbers

const QString PressureMessage = QStringLiteral("公称压力不对，请重新输入！");
const QString DiameterMessage = QStringLiteral("公称直径不对，请重新输入！");
const QString SeriesMessage = QStringLiteral("请选择法兰内径形式！");

// One press on a window whose boxes hold `boxes` (one blank where not given, as at start).
QueryRun press(int pressure, int seriesRow, const QString &dnText, Boxes boxes = {})
{
    boxes.insert(1, dnText);
    QueryRun run([boxes](int box) { return boxes.value(box, QStringLiteral(" ")); });
    runSlipOnQuery(run, ratingOfListRow(FlangeKind::SlipOn, pressure), seriesAtRow(seriesRow));
    return run;
}

// The boxes written, in order, with Message where a message was shown.
QList<int> order(const QueryRun &run)
{
    QList<int> boxes;
    for (const QueryStep &step : run.steps())
        boxes.append(step.kind == QueryStep::Kind::Message ? Message : step.box);
    return boxes;
}

// What the boxes hold after the run, for the boxes the caller cares about.
Boxes shown(const QueryRun &run, const Boxes &expected)
{
    Boxes actual;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        actual.insert(it.key(), run.text(it.key()));
    return actual;
}

} // namespace

class TestSlipOnQuery : public QObject
{
    Q_OBJECT

private slots:
    void rowOnTheDrawing_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<Boxes>("before");
        QTest::addColumn<Boxes>("after");

        QTest::newRow("PN 0.6 DN 10 A, no bevel: Text13 shows none, not an earlier row's")
            << 0 << 0 << "10" << Boxes{{13, "7"}}
            << Boxes{{3, "75"},   {4, "50"}, {6, "M10"}, {7, "12"},    {10, "3"}, {11, "20"},
                     {2, "17.2"}, {8, "18"}, {9, "25"},  {5, "4-φ11"}, {13, ""}};
        QTest::newRow("PN 1.0 DN 450 A: bevel 12")
            << 1 << 0 << "450" << Boxes{}
            << Boxes{{3, "615"}, {4, "565"}, {6, "M24"}, {7, "28"},  {10, "12"},   {11, "63"},
                     {13, "12"}, {2, "457"}, {8, "462"}, {9, "502"}, {5, "20-φ26"}};
        QTest::newRow("PN 1.0 DN 350 B: series-B hub differs")
            << 1 << 1 << "350" << Boxes{} << Boxes{{2, "377"}, {8, "381"}, {9, "412"}};
        QTest::newRow("PN 1.6 DN 500 B: thread M30x2")
            << 2 << 1 << "500" << Boxes{}
            << Boxes{{6, "M30x2"}, {2, "530"}, {8, "535"}, {9, "581"}, {13, "12"}};
        QTest::newRow("PN 2.5 DN 600 A: whole row")
            << 3 << 0 << "600" << Boxes{}
            << Boxes{{3, "845"}, {4, "770"}, {6, "M36x3"}, {7, "46"},  {10, "12"},   {11, "100"},
                     {13, "12"}, {2, "610"}, {8, "616.5"}, {9, "684"}, {5, "20-φ39"}};
        QTest::newRow("PN 4.0 DN 600 A: thread M45x3, C 72")
            << 4 << 0 << "600" << Boxes{}
            << Boxes{{6, "M45x3"}, {7, "72"}, {13, "18"}, {5, "20-φ48"}};
        QTest::newRow("PN 4.0 DN 100 B: filled cells")
            << 4 << 1 << "100" << Boxes{}
            << Boxes{{7, "24"}, {10, "6"}, {11, "44"}, {13, "6"}, {2, "108"}, {8, "110"}};
        QTest::newRow("PN 1.0 DN 350 accepted") << 1 << 0 << "350" << Boxes{} << Boxes{{3, "505"}};
        QTest::newRow("PN 1.6 DN 350 accepted") << 2 << 0 << "350" << Boxes{} << Boxes{{3, "520"}};
        QTest::newRow("PN 2.5 DN 350 accepted") << 3 << 0 << "350" << Boxes{} << Boxes{{3, "555"}};
        QTest::newRow("PN 4.0 DN 350 accepted") << 4 << 0 << "350" << Boxes{} << Boxes{{3, "580"}};
    }
    void rowOnTheDrawing()
    {
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QFETCH(Boxes, before);
        QFETCH(Boxes, after);
        const QueryRun run = press(pressure, series, dn, before);
        QCOMPARE(run.messages(), QStringList());
        QCOMPARE(shown(run, after), after);
    }

    void writeOrder_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("row with bevel")
            << 2 << 0 << "100" << QList<int>{3, 4, 6, 7, 10, 11, 13, 2, 8, 9, 5, 12, 14};
        QTest::newRow("no series")
            << 1 << -1 << "100" << QList<int>{3, 4, 6, 7, 10, 11, 13, 2, 8, 9, 5, 12, 14, Message};
        QTest::newRow("no pressure, no series")
            << -1 << -1 << "100"
            << QList<int>{3, 4, 6, 7, 10, 11, 13, 2, 8, 9, 5, 12, 14, Message, Message};
    }
    void writeOrder()
    {
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QFETCH(QList<int>, steps);
        QCOMPARE(order(press(pressure, series, dn)), steps);
    }

    // Plate area (Text12) and weight (Text14), checked against hand calculations.
    void areaAndWeight_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("weight");
        QTest::newRow("PN 0.6 DN 80 A (W 3.3391)") << 0 << 0 << "80"
                                                   << "0.02"
                                                   << "3.34";
        QTest::newRow("PN 0.6 DN 80 B") << 0 << 1 << "80"
                                        << "0.02"
                                        << "3.32";
        QTest::newRow("PN 1.0 DN 600 A") << 1 << 0 << "600"
                                         << "0.17"
                                         << "51.63";
        // 3.1415 (220² - 116² - 8·18²) / 4e6 = 0.02541; hub ring 0.004825; 7.85 (22 Ap + 18 Ah)
        QTest::newRow("PN 1.0 DN 100 A") << 1 << 0 << "100"
                                         << "0.03"
                                         << "5.07";
        // 3.1415 (890² - 636² - 20·48²) / 4e6 = 0.26822; hub ring 0.073778; 7.85 (72 Ap + 34 Ah)
        QTest::newRow("PN 4.0 DN 600 B") << 4 << 1 << "600"
                                         << "0.27"
                                         << "171.29";
    }
    void areaAndWeight()
    {
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QFETCH(QString, area);
        QFETCH(QString, weight);
        const QueryRun run = press(pressure, series, dn);
        QCOMPARE(run.text(12), area);
        QCOMPARE(run.text(14), weight);
    }

    // The DN box is read as a number and rounded half to even; anything else is not listed.
    void diameterText_data()
    {
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QString>("outside"); // Text3 at PN 1.0; "old" when no row was found
        QTest::newRow("32.5 is DN 32") << "32.5"
                                       << "140";
        QTest::newRow("12.5 is DN 12, refused") << "12.5"
                                                << "old";
        QTest::newRow("empty") << ""
                               << "old";
        QTest::newRow("one blank") << " "
                                   << "old";
    }
    void diameterText()
    {
        QFETCH(QString, dn);
        QFETCH(QString, outside);
        const QueryRun run = press(1, 0, dn, {{3, "old"}});
        QCOMPARE(run.text(3), outside == "old" ? QString() : outside);
        const QStringList expected =
            outside == "old" ? QStringList{DiameterMessage} : QStringList{};
        QCOMPARE(run.messages(), expected);
    }

    // A query that cannot give the row's answer says what is missing, each thing once, and
    // empties every result box, whatever an earlier row left in them.
    void refusalEmptiesEveryResult_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QStringList>("messages");
        // clang-format off
        QTest::newRow("PN 0.6 has no DN 350") << 0 << 0 << "350" << QStringList{DiameterMessage};
        QTest::newRow("DN between listed sizes") << 2 << 0 << "90" << QStringList{DiameterMessage};
        QTest::newRow("pressure index past the list") << 5 << 0 << "80" << QStringList{PressureMessage};
        QTest::newRow("no pressure") << -1 << 1 << "80" << QStringList{PressureMessage};
        QTest::newRow("no series") << 0 << -1 << "80" << QStringList{SeriesMessage};
        QTest::newRow("fresh window, nothing chosen") << -1 << -1 << " " << QStringList{PressureMessage, SeriesMessage};
        // clang-format on
    }
    void refusalEmptiesEveryResult()
    {
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        // What an earlier PN 0.6 DN 80 A query left in the boxes.
        const Boxes before{{2, "88.9"},  {3, "190"},  {4, "150"},  {5, "4-φ18"}, {6, "M16"},
                           {7, "18"},    {8, "90.5"}, {9, "110"},  {10, "6"},    {11, "34"},
                           {12, "0.02"}, {13, "9"},   {14, "3.34"}};
        const QueryRun run = press(pressure, series, dn, before);
        QTEST(run.messages(), "messages");
        for (int n = 2; n <= 14; ++n)
            QCOMPARE(run.text(n), QString());
    }
};

QTEST_APPLESS_MAIN(TestSlipOnQuery)
#include "tst_sliponquery.moc"
