// The takeoff and identify commands through the real executable: exit codes and messages, a
// spreadsheet read back by an independent reader, and an earlier file kept when a write fails.
#include "catalogue/catalogue.h"
#include "support/programrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Values in the ways line lists write them, full-width forms and a standard marking included.
const QByteArray goodList = "kind,pressure,series,dn,quantity\n"
                            "PL,1.0,A,100,4\nSO,PN16,B,DN50,3\n带颈对焊,4.0,A,200,2\n"
                            "WN-RF,ＰＮ４０,ｂ,DN 150,2片\n\"HG 20592 法兰 PL 100(B)-1.6 RF\",3.0\n";

} // namespace

class TestTakeoffCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exitCodes_data();
    void exitCodes();
    void spreadsheetReadBack();
    void jsonAgreesWithLookup_data();
    void jsonAgreesWithLookup();
    void failedRunsKeepEarlierFile();
    void identifyTextNamesColumnsInChinese();

private:
    QTemporaryDir m_folder;
    QString m_good;
};

void TestTakeoffCommand::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_good = m_folder.filePath("good.csv");
    QFile file(m_good);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(goodList);
}

void TestTakeoffCommand::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QByteArray bad = goodList + "PL,1.0,A,11,2\n";
    QTest::newRow("good list") << QStringList{"takeoff", "@good"} << QByteArray() << 0 << "";
    QTest::newRow("from stdin") << QStringList{"takeoff", "-", "--format", "json"} << goodList << 0
                                << "";
    QTest::newRow("a bad line") << QStringList{"takeoff", "-", "--format", "csv"} << bad << 1
                                << "line 7: DN 11 is not listed for PL at 1.0 MPa";
    QTest::newRow("no such file") << QStringList{"takeoff", "@missing.csv"} << QByteArray() << 1
                                  << "cannot read";
    QTest::newRow("no such folder") << QStringList{"takeoff", "@good", "-o", "@none/out.csv"}
                                    << QByteArray() << 1 << "cannot write";
    QTest::newRow("unknown format") << QStringList{"takeoff", "@good", "--format", "pdf"}
                                    << QByteArray() << 2 << "format 'pdf'";
    QTest::newRow("no list") << QStringList{"takeoff"} << QByteArray() << 2 << "missing FILE";
    QTest::newRow("no measurement")
        << QStringList{"identify"} << QByteArray() << 2 << "at least one measurement";
    QTest::newRow("negative") << QStringList{"identify", "--outside-diameter", "-5"} << QByteArray()
                              << 2 << "--outside-diameter";
    QTest::newRow("not a number") << QStringList{"identify", "--bolt-circle", "nan"} << QByteArray()
                                  << 2 << "--bolt-circle 'nan'";
    QTest::newRow("text") << QStringList{"identify", "--thickness", "abc"} << QByteArray() << 2
                          << "--thickness 'abc'";
    QTest::newRow("half a hole") << QStringList{"identify", "--holes", "8.5"} << QByteArray() << 2
                                 << "--holes";
    QTest::newRow("no such flange") << QStringList{"identify", "--outside-diameter", "99999"}
                                    << QByteArray() << 1 << "no listed flange";
    QTest::newRow("found") << QStringList{"identify", "--outside-diameter", "220", "--holes", "8"}
                           << QByteArray() << 0 << "";
}

void TestTakeoffCommand::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    for (QString &argument : arguments)
        if (argument.startsWith('@'))
            argument = argument == "@good" ? m_good : m_folder.filePath(argument.mid(1));
    const ProgramRun run = quorvit(arguments, input);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.err.isEmpty(), exitCode == 0);
    QCOMPARE(run.out.isEmpty(), exitCode != 0 && !arguments.contains("-"));
}

// The spreadsheet the command makes, opened by openpyxl: number cells, units in the header, a
// frozen header, and a totals row equal to the sum of the lines and to the JSON totals.
void TestTakeoffCommand::spreadsheetReadBack()
{
    const QString sheet = m_folder.filePath("list.xlsx");
    QCOMPARE(quorvit({"takeoff", m_good, "--format", "xlsx", "-o", sheet}).exitCode, 0);
    const QJsonObject totals =
        QJsonDocument::fromJson(quorvit({"takeoff", m_good, "--format", "json"}).out)
            .object()["totals"]
            .toObject();

    QProcess python;
    python.start("/usr/bin/python3", {"-c", R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
rows = list(ws.iter_rows(values_only=True))
header, lines = rows[0], [r for r in rows[1:] if isinstance(r[0], int)]
total = next(r for r in rows if r[0] == "合计")
numeric = all(isinstance(v, (int, float)) for r in lines for v in (r[2], r[4], r[5], r[6], r[12]))
print(json.dumps({"header": header, "freeze": ws.freeze_panes, "numeric": numeric,
    "lines": len(lines), "sum_weight": round(sum(r[12] for r in lines), 2),
    "sum_quantity": sum(r[5] for r in lines), "total_weight": total[12],
    "total_quantity": total[5]}))
)",
                                      sheet});
    QVERIFY2(python.waitForFinished(60000) && python.exitCode() == 0,
             python.readAllStandardError().constData());
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    QCOMPARE(read["freeze"].toString(), "A2");
    QVERIFY(read["numeric"].toBool());
    QCOMPARE(read["lines"].toInt(), 5);
    const QJsonArray header = read["header"].toArray();
    QVERIFY(header.contains(QJsonValue("重量(kg)")) && header.contains(QJsonValue("法兰外径(mm)")));
    QCOMPARE(read["total_weight"].toDouble(), read["sum_weight"].toDouble());
    QCOMPARE(read["total_weight"].toDouble(), totals["weight_kg"].toDouble());
    QCOMPARE(read["total_quantity"].toInt(), 14);
    QCOMPARE(read["sum_quantity"].toInt(), totals["flanges"].toInt());
}

void TestTakeoffCommand::jsonAgreesWithLookup_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("rowWeightKey"); // where the object keeps the row's weight
    QTest::newRow("takeoff") << QStringList{"takeoff", "@good", "--format", "json"}
                             << "unit_weight_kg";
    QTest::newRow("identify") << QStringList{"identify", "--outside-diameter", "220", "--holes",
                                             "8",        "--format",           "json"}
                              << "weight_kg";
}

// Every flange object a command writes holds each value `quorvit lookup` writes for its row
// under the same key and in the same JSON type, pressure_mpa "1.0" as the list shows it.
void TestTakeoffCommand::jsonAgreesWithLookup()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, rowWeightKey);
    arguments.replaceInStrings("@good", m_good);
    const QJsonDocument written = QJsonDocument::fromJson(quorvit(arguments).out);
    const QJsonArray objects =
        written.isArray() ? written.array() : written.object()["lines"].toArray();
    QVERIFY(objects.size() >= 3);
    for (const QJsonValue &value : objects) {
        const QJsonObject object = value.toObject();
        const ProgramRun lookup =
            quorvit({"lookup", object["kind"].toString(), object["pressure_mpa"].toString(),
                     QString::number(object["dn"].toInt()), "--series", object["series"].toString(),
                     "--format", "json"});
        QCOMPARE(lookup.exitCode, 0);
        const QJsonObject row = QJsonDocument::fromJson(lookup.out).object();
        QVERIFY(row["pressure_mpa"].isString());
        for (auto it = row.begin(); it != row.end(); ++it)
            QCOMPARE(object[it.key() == "weight_kg" ? rowWeightKey : it.key()], it.value());
    }
}

// State: a spreadsheet made earlier. Action: a run whose list cannot be read, then a run whose
// output cannot be written (a full device). Expected: exit 1 with the reason, the earlier file
// unchanged.
void TestTakeoffCommand::failedRunsKeepEarlierFile()
{
    const QString sheet = m_folder.filePath("kept.xlsx");
    QCOMPARE(quorvit({"takeoff", m_good, "--format", "xlsx", "-o", sheet}).exitCode, 0);
    QFile earlier(sheet);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    const QByteArray before = earlier.readAll();
    earlier.close();

    const ProgramRun unread = quorvit({"takeoff", m_folder.filePath("none.csv"), "-o", sheet});
    QCOMPARE(unread.exitCode, 1);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), before);

    QProcess full;
    full.setStandardOutputFile("/dev/full");
    full.start(QStringLiteral(QUORVIT_PROGRAM), {"takeoff", m_good, "--format", "csv"});
    QVERIFY(full.waitForFinished(60000));
    QCOMPARE(full.exitCode(), 1);
    QVERIFY2(full.readAllStandardError().contains("cannot write the output"), "no reason given");
}

// A plate row measured in every way `quorvit lookup` gives: the text output's header names each
// deviation by the catalogue's Chinese name with its unit, no option name left in English.
void TestTakeoffCommand::identifyTextNamesColumnsInChinese()
{
    const QJsonObject row =
        QJsonDocument::fromJson(quorvit({"lookup", "PL", "1.0", "100", "--format", "json"}).out)
            .object();
    const std::pair<const char *, const char *> measures[] = {
        {"outside-diameter", "outside_diameter"},
        {"bolt-circle", "bolt_circle"},
        {"holes", "hole_count"},
        {"hole-diameter", "hole_diameter"},
        {"thickness", "thickness"},
        {"pipe-od", "pipe_outside_diameter"}};
    QStringList arguments{"identify"};
    for (auto [option, key] : measures)
        arguments << QStringLiteral("--%1").arg(option) << QString::number(row[key].toDouble());
    const ProgramRun run = quorvit(arguments);
    QCOMPARE(run.exitCode, 0);
    const QString header = QString::fromUtf8(run.out).section(u'\n', 0, 0);
    QCOMPARE(header.count(QStringLiteral("偏差")), 1 + int(std::size(measures)));
    QVERIFY2(!QString(header)
                  .remove(QRegularExpression("\\((mm|MPa)\\)"))
                  .contains(QRegularExpression("[A-Za-z]")),
             qPrintable(header));
    for (const FlangeField &field : flangeFields(FlangeKind::Plate))
        for (auto [option, key] : measures)
            if (qstrcmp(field.key, key) == 0)
                QVERIFY2(header.contains(field.name + QStringLiteral("偏差") +
                                         (field.unit.isEmpty() ? "" : "(" + field.unit + ")")),
                         qPrintable(header));
}

QTEST_GUILESS_MAIN(TestTakeoffCommand)
#include "tst_takeoffcommand.moc"
