// Class series lines in a take-off beside PN lines, through the real executable: each line's
// weight and bolting as `quorvit lookup` gives them, the totals made from those, the design
// conditions checked against the ratings, and spellings that must be refused.
#include "support/programrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace
{

// The rows of a CSV file as Python's csv module reads them.
QJsonArray csvRows(const QByteArray &csv)
{
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c", "import csv, io, json, sys\n"
                        "print(json.dumps(list(csv.reader(io.StringIO(sys.stdin.read())))))"});
    python.write(csv);
    python.closeWriteChannel();
    python.waitForFinished(60000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QJsonObject lookedUp(const QStringList &arguments)
{
    return QJsonDocument::fromJson(
               quorvit(QStringList{"lookup"} + arguments + QStringList{"--format", "json"}).out)
        .object();
}

} // namespace

class TestClassTakeoff : public QObject
{
    Q_OBJECT

private slots:
    void mixedListAsLookupGivesIt_data();
    void mixedListAsLookupGivesIt();
    void designConditions_data();
    void designConditions();
};

void TestClassTakeoff::mixedListAsLookupGivesIt_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("lookup"); // what `lookup` is asked for the same flange
    QTest::addColumn<QString>("refusal");    // how stderr says why, for a refused line
    const auto good = [](const char *name, const char *line, QStringList lookup) {
        QTest::newRow(name) << QByteArray(line) << lookup << QString();
    };
    const auto refused = [](const char *name, const char *line, const char *why) {
        QTest::newRow(name) << QByteArray(line) << QStringList() << QString(why);
    };
    good("PN plate", "PL,1.6,A,100,4", {"PL", "1.6", "100"});
    good("PN marking", "\"HG 20592 法兰 WN 100-2.5 RF\",2", {"WN", "2.5", "100"});
    good("CL and inches", "WN,CL150,,\"4\"\"\",2", {"WN", "CL150", "4\""});
    good("bare class, DN", "SO,300,,DN50,3", {"SO", "300", "DN50"});
    good("HG/T 20615 PN name", "WN,PN50,,\"8\"\"\",1", {"WN", "PN50", "8\""});
    good("pound mark, fraction", "WN,600#,,\"1-1/2\"\"\",2", {"WN", "600#", "1-1/2\""});
    good("blind", "BL,Class 150,,NPS 6,3", {"BL", "CL150", "NPS 6"});
    good("one text: size then class", "\"WN 4\"\" CL150 RF\",2", {"WN", "CL150", "4\""});
    good("one text: DN and pounds", "WN-RF DN100 150#,2", {"WN", "150", "DN100"});
    good("HG/T 20615 marking", "HG/T 20615 法兰 WN 100-150 RF,2", {"WN", "150", "100"});
    refused("no such class", "WN,CL175,,\"4\"\"\",1", "Class 175 is not listed for WN");
    refused("not quarter inches", "WN,CL150,,\"4.3\"\"\",1", "no pipe size in quarter inches");
    refused("PL has no class", "PL,CL150,,\"4\"\"\",1", "has no PL flanges");
    refused("NPS 22 not tabled", "WN,CL150,,\"22\"\"\",1", "NPS 22 is not listed");
    refused("series B", "WN,CL150,B,\"4\"\"\",1", "no series A or B");
    refused("PN blind", "BL,1.6,A,100,1", "not included yet");
    refused("PN with inches", "WN,PN16,A,\"4\"\"\",1", "is not a number");
}

namespace
{

const QByteArray Header = "类型,压力等级,系列,尺寸,数量\n";
const QByteArray PnLine = "SO,1.6,A,100,3\n";

// A take-off's JSON totals of bolts, nuts and gaskets as "designation count" texts, sorted.
QStringList boltingTotals(const QByteArray &list)
{
    const QJsonObject totals =
        QJsonDocument::fromJson(quorvit({"takeoff", "-", "--format", "json"}, list).out)
            .object()["totals"]
            .toObject();
    QStringList items;
    for (const char *key : {"bolts", "nuts", "gaskets"})
        for (const QJsonValue &item : totals[key].toArray())
            items.append(QStringLiteral("%1 %2 %3")
                             .arg(key, item["designation"].toString())
                             .arg(item["count"].toInteger()));
    items.sort();
    return items;
}

} // namespace

// Each line in a list after a PN line: a good line has lookup's unit weight and bolting, and the
// list's bolting totals are the PN line's and its own side by side, none merged.
void TestClassTakeoff::mixedListAsLookupGivesIt()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, lookup);
    QFETCH(QString, refusal);
    const QByteArray list = Header + PnLine + line + '\n';
    const ProgramRun run = quorvit({"takeoff", "-", "--format", "csv"}, list);
    const QStringList pnAlone = boltingTotals(Header + PnLine);
    if (!refusal.isEmpty()) {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("line 3: ") && run.err.contains(refusal), qPrintable(run.err));
        QCOMPARE(boltingTotals(list), pnAlone);
        return;
    }
    QCOMPARE(run.exitCode, 0);
    const QJsonArray rows = csvRows(run.out);
    const QJsonArray header = rows.at(0).toArray();
    const auto cell = [&](int row, const char *name) {
        for (qsizetype c = 0; c < header.size(); ++c)
            if (header[c].toString() == QString::fromUtf8(name))
                return rows.at(row).toArray().at(c).toString();
        return QStringLiteral("no column %1").arg(name);
    };
    const QJsonObject record = lookedUp(lookup);
    const double weight = record.contains("weight_kg") ? record["weight_kg"].toDouble()
                                                       : record["computed_weight_kg"].toDouble();
    QVERIFY(weight > 0);
    QCOMPARE(cell(2, "单重(kg)").toDouble(), weight);
    QCOMPARE(cell(2, "螺栓规格及长度"), record["bolt_designation"].toString());

    if (!record.contains("class"))
        return;
    const QStringList alone = boltingTotals(Header + line + '\n');
    QCOMPARE(boltingTotals(list), [&] {
        QStringList both = pnAlone + alone;
        both.sort();
        return both;
    }());
    // Two flanges a joint: a stud bolt a hole with two heavy hex nuts, and a gasket.
    const qint64 quantity = line.split(',').last().toLongLong();
    const qint64 joints = (quantity + 1) / 2;
    const qint64 studs = (quantity * record["hole_count"].toInteger() + 1) / 2;
    const QString bolt = record["bolt_designation"].toString();
    QVERIFY2(alone.contains(QStringLiteral("bolts %1 %2").arg(bolt).arg(studs)),
             qPrintable(alone.join('\n')));
    QVERIFY(
        alone.contains(QStringLiteral("nuts %1 %2").arg(bolt.section(u' ', 0, 0)).arg(2 * studs)));
    QCOMPARE(
        alone.filter(QRegularExpression("^gaskets .* " + QString::number(joints) + "$")).size(), 1);
}

void TestClassTakeoff::designConditions_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("verdict"); // stderr's reason, "" when the line holds
    // Group 1.1 (A105, WCB): Class 150 17.7 bar at 100 °C, 10.2 at 300; Class 300 41.9 at 250,
    // 39.8 at 300, so 40.85 at 275. Group 2.1 (F304): Class 150 13.2 bar at 200 °C.
    QTest::newRow("holds") << QByteArray("WN,CL150,4\",2,A105,1.5,100") << "";
    QTest::newRow("below") << QByteArray("WN,CL150,4\",2,A105,1.5,300")
                           << "Class 150 is rated 10.2 bar at 300 °C (group 1.1), below";
    QTest::newRow("bar column value")
        << QByteArray("SO,300#,2\",2,WCB,41bar,275") << "rated 40.85 bar at 275 °C";
    QTest::newRow("interpolated holds") << QByteArray("SO,300#,2\",2,WCB,40bar,275") << "";
    QTest::newRow("stainless") << QByteArray("WN,CL150,4\",2,F304,1.5,200")
                               << "rated 13.2 bar at 200 °C (group 2.1)";
    QTest::newRow("too hot") << QByteArray("WN,CL150,4\",2,A105,1.5,600") << "no rating above";
    QTest::newRow("unrated material")
        << QByteArray("WN,CL150,4\",2,Q235B,1.5,100") << "\"Q235B\" has no material group";
    QTest::newRow("in Fahrenheit") << QByteArray("WN,CL150,4\",2,A105,1.5,300°F") << "°F";
    QTest::newRow("no temperature") << QByteArray("WN,CL150,4\",2,A105,1.5,") << "lacks one";
    QTest::newRow("PN line unchecked") << QByteArray("PL,1.6,100,2,Q235B,3.0,600") << "";
}

// The design columns' verdicts: a Class line that does not hold says why and counts nothing.
void TestClassTakeoff::designConditions()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, verdict);
    const QByteArray list = "类型,压力等级,尺寸,数量,材质,设计压力(MPa),设计温度(°C)\n" +
                            line.replace("4\"", "\"4\"\"\"").replace("2\"", "\"2\"\"\"") + '\n';
    const ProgramRun run = quorvit({"takeoff", "-", "--format", "json"}, list);
    const QJsonObject totals = QJsonDocument::fromJson(run.out).object()["totals"].toObject();
    QCOMPARE(run.exitCode, verdict.isEmpty() ? 0 : 1);
    QVERIFY2(run.err.contains(verdict), qPrintable(run.err));
    QCOMPARE(totals["flanges"].toInt(), verdict.isEmpty() ? 2 : 0);
}

QTEST_GUILESS_MAIN(TestClassTakeoff)
#include "tst_classtakeoff.moc"
