// The weld-neck query procedure without widgets: what one press of "查找" writes and shows.
#include "catalogue/query/weldneckquery.h"
#include "core/model/rules.h"
#include "core/values/queryrun.h"
#include "support/listrows.h"

#include <QHash>
#include <QtTest>

namespace
{

constexpr int PN1_0 = 0, PN1_6 = 1, PN2_5 = 2, PN4_0 = 3, PN10_0 = 5, PN16_0 = 6, PN25_0 = 7;
constexpr int NoPressure = -1, NoSeries = -1;
constexpr int A = 0, B = 1; // rows of the series list

const QString PressureMessage = QStringLiteral("请确定公称压力！");
const QString DnMessage = QStringLiteral("请确认公称通径！");
const QString SeriesMessage = QStringLiteral("请确定焊端外径！");

// A run on a window whose boxes hold the given texts; the others hold the design-time blank.
QueryRun runOn(const QHash<int, QString> &boxes)
{
    return QueryRun([boxes](int box) { return boxes.value(box, QStringLiteral(" ")); });
}

QueryRun query(const QString &dn, int pressure, int series, QHash<int, QString> boxes = {})
{
    boxes.insert(1, dn);
    QueryRun run = runOn(boxes);
    runWeldNeckQuery(run, ratingOfListRow(FlangeKind::WeldNeck, pressure), seriesAtRow(series));
    return run;
}

QList<int> writtenBoxes(const QueryRun &run)
{
    QList<int> boxes;
    for (const QueryStep &step : run.steps())
        if (step.kind == QueryStep::Kind::Write)
            boxes.append(step.box);
    return boxes;
}

// The texts of Text2 to Text13 after a run, as the window would show them.
QStringList shown(const QueryRun &run)
{
    QStringList texts;
    for (int box = 2; box <= 13; ++box)
        texts.append(run.text(box));
    return texts;
}

} // namespace

class TestWeldNeckQuery : public QObject
{
    Q_OBJECT

private slots:
    void foundRowShowsEveryBox_data();
    void foundRowShowsEveryBox();
    void writesInProcedureOrder();
    void dnTextIsReadAndRounded_data();
    void dnTextIsReadAndRounded();
    void refusalEmptiesEveryResult_data();
    void refusalEmptiesEveryResult();
    void sizeWithoutSeriesBFormShowsDashes_data();
    void sizeWithoutSeriesBFormShowsDashes();
    void typedValuesDoNotFeedTheWeight();
    void weightFormula_data();
    void weightFormula();
};

void TestWeldNeckQuery::foundRowShowsEveryBox_data()
{
    QTest::addColumn<int>("pressure");
    QTest::addColumn<QString>("dn");
    QTest::addColumn<int>("series");
    // Text2, Text3 ... Text13
    QTest::addColumn<QStringList>("boxes");

    // clang-format off
    QTest::newRow("PN 1.0 DN 10 A: the smallest row") << PN1_0 << "10" << A
        << QStringList{"17.2", "90", "60", "4-φ14", "M12", "14", "28", "2", "6", "3", "0.65", "35"};
    QTest::newRow("PN 1.0 DN 10 B: weld end 14") << PN1_0 << "10" << B
        << QStringList{"14", "90", "60", "4-φ14", "M12", "14", "28", "2", "6", "3", "0.66", "35"};
    QTest::newRow("PN 1.0 DN 20: wall keeps its decimal") << PN1_0 << "20" << A
        << QStringList{"26.9", "105", "75", "4-φ14", "M12", "16", "40", "2.3", "6", "4", "1.04", "40"};
    QTest::newRow("PN 1.0 DN 125: whole wall has no point") << PN1_0 << "125" << A
        << QStringList{"139.7", "250", "210", "8-φ18", "M16", "22", "158", "4", "12", "6", "6.56", "55"};
    QTest::newRow("PN 1.0 DN 350 A") << PN1_0 << "350" << A
        << QStringList{"355.6", "505", "460", "16-φ22", "M20", "26", "390", "8", "16", "10", "26.06", "68"};
    QTest::newRow("PN 1.0 DN 350 B: series hub 402") << PN1_0 << "350" << B
        << QStringList{"377", "505", "460", "16-φ22", "M20", "26", "402", "8", "16", "10", "23.35", "68"};
    QTest::newRow("PN 1.0 DN 1800 A") << PN1_0 << "1800" << A
        << QStringList{"1829", "2115", "2020", "44-φ48", "M45x3", "50", "1875", "14.2", "30", "15", "436.83", "140"};
    QTest::newRow("PN 1.0 DN 1800 B") << PN1_0 << "1800" << B
        << QStringList{"1820", "2115", "2020", "44-φ48", "M45x3", "50", "1866", "14.2", "30", "15", "446.36", "140"};
    QTest::newRow("PN 1.6 DN 500: small x") << PN1_6 << "500" << A
        << QStringList{"508", "715", "650", "20-φ33", "M30x2", "34", "546", "11", "16", "12", "65.52", "90"};
    QTest::newRow("PN 1.6 DN 2000 A") << PN1_6 << "2000" << A
        << QStringList{"2032", "2345", "2230", "48-φ60", "M56x4", "66", "2084", "20", "40", "15", "730.90", "190"};
    QTest::newRow("PN 2.5 DN 350: capital X") << PN2_5 << "350" << A
        << QStringList{"355.6", "555", "490", "16-φ33", "M30X2", "38", "398", "8", "20", "10", "49.37", "100"};
    QTest::newRow("PN 4.0 DN 600") << PN4_0 << "600" << B
        << QStringList{"630", "890", "795", "20-φ48", "M45x3", "72", "686", "17.5", "18", "12", "208.07", "150"};
    QTest::newRow("PN 10.0 DN 50: open cells filled") << PN10_0 << "50" << A
        << QStringList{"60.3", "195", "145", "4-φ26", "M24", "28", "90", "5.6", "10", "5", "6.37", "68"};
    QTest::newRow("PN 10.0 DN 300: open height filled") << PN10_0 << "300" << A
        << QStringList{"323.9", "585", "500", "16-φ42", "M39x3", "68", "400", "20.5", "18", "10", "128.45", "173"};
    QTest::newRow("PN 16.0 DN 10: open cells filled") << PN16_0 << "10" << B
        << QStringList{"14", "100", "70", "4-φ14", "M12", "24", "32", "3", "6", "3", "1.40", "45"};
    QTest::newRow("PN 16.0 DN 250: M39x3 in a 39 hole") << PN16_0 << "250" << A
        << QStringList{"273", "505", "430", "12-φ39", "M39x3", "76", "340", "20", "18", "10", "102.81", "155"};
    QTest::newRow("PN 25.0 DN 200 A") << PN25_0 << "200" << A
        << QStringList{"219.1", "485", "400", "12-φ42", "M39x3", "82", "305", "25", "25", "8", "117.58", "190"};
    QTest::newRow("PN 25.0 DN 250 A") << PN25_0 << "250" << A
        << QStringList{"298.5", "585", "490", "16-φ48", "M45x3", "100", "385", "32", "30", "10", "193.39", "215"};
    // clang-format on
}

void TestWeldNeckQuery::foundRowShowsEveryBox()
{
    QFETCH(int, pressure);
    QFETCH(QString, dn);
    QFETCH(int, series);
    QFETCH(QStringList, boxes);

    const QueryRun run = query(dn, pressure, series);
    QCOMPARE(shown(run), boxes);
    QVERIFY(run.messages().isEmpty());
}

void TestWeldNeckQuery::writesInProcedureOrder()
{
    // Row boxes first, then the series' diameters, the callout, the weight; Text1 is never written.
    const QueryRun run = query("10", PN1_0, A);
    QCOMPARE(writtenBoxes(run), (QList<int>{3, 4, 6, 7, 9, 10, 11, 13, 2, 8, 5, 12}));
}

void TestWeldNeckQuery::dnTextIsReadAndRounded_data()
{
    QTest::addColumn<QString>("dn");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("flangeDiameter");

    QTest::newRow("10.5 rounds to the even 10") << "10.5" << true << "90";
    QTest::newRow("15.5 rounds to 16, not listed") << "15.5" << false << " ";
    QTest::newRow("empty") << "" << false << " ";
    QTest::newRow("design-time blank") << " " << false << " ";
    QTest::newRow("between listed sizes") << "110" << false << " ";
}

void TestWeldNeckQuery::dnTextIsReadAndRounded()
{
    QFETCH(QString, dn);
    QFETCH(bool, listed);
    QFETCH(QString, flangeDiameter);

    const QueryRun run = query(dn, PN1_0, A);
    QCOMPARE(run.messages(), listed ? QStringList() : QStringList{DnMessage});
    QCOMPARE(run.text(3), listed ? flangeDiameter : QString());
}

void TestWeldNeckQuery::refusalEmptiesEveryResult_data()
{
    QTest::addColumn<int>("pressure");
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("dn");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("DN 350 not listed at PN 16.0") << PN16_0 << A << "350" << QStringList{DnMessage};
    QTest::newRow("no pressure") << NoPressure << B << "100" << QStringList{PressureMessage};
    QTest::newRow("no series") << PN1_0 << NoSeries << "100" << QStringList{SeriesMessage};
    QTest::newRow("DN not listed and no series")
        << PN2_5 << NoSeries << "1200" << QStringList{DnMessage, SeriesMessage};
    QTest::newRow("fresh window, nothing chosen")
        << NoPressure << NoSeries << " " << QStringList{PressureMessage, SeriesMessage};
}

// A query that cannot give the row's answer says what is missing, each thing once, and empties
// every result box, whatever an earlier row left in them.
void TestWeldNeckQuery::refusalEmptiesEveryResult()
{
    QFETCH(int, pressure);
    QFETCH(int, series);
    QFETCH(QString, dn);
    const QHash<int, QString> earlier{{2, "114.3"}, {3, "220"}, {4, "180"},   {5, "8-φ18"},
                                      {6, "M16"},   {7, "22"},  {8, "130"},   {9, "3.6"},
                                      {10, "12"},   {11, "6"},  {12, "5.16"}, {13, "52"}};
    const QueryRun run = query(dn, pressure, series, earlier);
    QTEST(run.messages(), "messages");
    QCOMPARE(shown(run), QStringList(12, QString()));
}

void TestWeldNeckQuery::sizeWithoutSeriesBFormShowsDashes_data()
{
    QTest::addColumn<QString>("dn");
    QTest::newRow("DN 200: printed -") << "200";
    QTest::newRow("DN 250: printed 0, a placeholder") << "250";
}

// At PN 25.0 neither size has a series-B weld end: weld end, hub and weight are "-", the ring's
// values stay.
void TestWeldNeckQuery::sizeWithoutSeriesBFormShowsDashes()
{
    QFETCH(QString, dn);
    const QStringList shownB = shown(query(dn, PN25_0, B));
    const QStringList shownA = shown(query(dn, PN25_0, A));
    for (int box : {0, 6, 10})
        QCOMPARE(shownB[box], QString("-"));
    for (int box : {1, 2, 3, 4, 5, 7, 8, 9, 11})
        QCOMPARE(shownB[box], shownA[box]);
}

// Values typed into the boxes the weight is computed from are written over by the row first,
// so only the row counts.
void TestWeldNeckQuery::typedValuesDoNotFeedTheWeight()
{
    const QueryRun run = query("10", PN1_0, A, {{3, "999"}, {7, "999"}, {9, "999"}, {13, "999"}});
    QCOMPARE(run.text(12), QString("0.65"));
}

void TestWeldNeckQuery::weightFormula_data()
{
    QTest::addColumn<int>("pressure");
    QTest::addColumn<int>("dn");
    QTest::addColumn<int>("series");
    // The solids in mm³, worked out by hand from the printed row (d the bore A − 2S, t the taper
    // height H − C − h): ring π/4·D²·C, holes n·π/4·L²·C, taper π·t/12·(N² + N·A + A²), straight
    // neck π/4·A²·h, bore π/4·d²·H.
    QTest::addColumn<QList<double>>("ringHolesTaperNeckBore");

    // D 90, C 14, 4-φ14, N 28, A 17.2, S 2 (d 13.2), h 6, H 35 (t 15).
    QTest::newRow("small: PN 1.0 DN 10 A")
        << PN1_0 << 10 << A << QList<double>{89064.2, 8620.5, 6131.8, 1394.1, 4789.7};
    // D 220, C 22, 8-φ18, N 130, A 114.3, S 3.6 (d 107.1), h 12, H 52 (t 18).
    QTest::newRow("medium: PN 1.6 DN 100 A")
        << PN1_6 << 100 << A << QList<double>{836292.0, 44786.5, 211225.7, 123129.9, 468459.6};
    // D 505, C 26, 16-φ22, N 402, A 377, S 8 (d 361), h 16, H 68 (t 26).
    QTest::newRow("medium, series B: PN 1.0 DN 350 B")
        << PN1_0 << 350 << B << QList<double>{5207700.3, 158135.2, 3099040.3, 1786045.7, 6960063.4};
    // D 2345, C 66, 48-φ60, N 2084, A 2032, S 20 (d 1992), h 40, H 190 (t 84).
    QTest::newRow("large: PN 1.6 DN 2000 A")
        << PN1_6 << 2000 << A
        << QList<double>{285048992.9, 8957309.0, 279436423.0, 129717114.6, 592136933.8};
}

// The net weight is the steel of the solids the window draws, at 7.85 kg/dm³.
void TestWeldNeckQuery::weightFormula()
{
    QFETCH(int, pressure);
    QFETCH(int, dn);
    QFETCH(int, series);
    QFETCH(QList<double>, ringHolesTaperNeckBore);
    const auto &v = ringHolesTaperNeckBore;
    const double expected = (v[0] - v[1] + v[2] + v[3] - v[4]) * 7.85e-6;
    const std::optional<FlangeRecord> record =
        lookUpFlange(FlangeKind::WeldNeck, *ratingOfListRow(FlangeKind::WeldNeck, pressure), dn,
                     PipeSeries(series));
    QVERIFY(record);
    const std::optional<double> weight = netWeight(*record->row);
    QVERIFY(weight);
    // The hand figures carry a tenth of a mm³ each: well under a gram.
    QVERIFY2(qAbs(*weight - expected) < 0.001, qPrintable(QString::number(*weight)));
}

QTEST_GUILESS_MAIN(TestWeldNeckQuery)
#include "tst_weldneckquery.moc"
