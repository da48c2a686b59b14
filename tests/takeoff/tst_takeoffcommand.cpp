// The takeoff and identify commands through the real executable: exit codes and messages, a
// spreadsheet read back by an independent reader, and an earlier file kept when a write fails.
#include "catalogue/catalogue.h"
#include "catalogue/flangeinput.h"
#include "support/programrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace
{

// Values in the ways line lists write them, full-width forms and a standard marking included.
const QByteArray goodList =
    "kind,pressure,series,dn,quantity\n"
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
    void messyListCarriesItsColumns_data();
    void messyListCarriesItsColumns();
    void identifyTextNamesColumnsInChinese();
    void identifyFiguresToTheTablesTenth_data();
    void identifyFiguresToTheTablesTenth();
    void pressuresAsTheStandardWritesThem();
    void workbookArchives_data();
    void workbookArchives();
    void boltingTotalsOfAMixedList_data();
    void boltingTotalsOfAMixedList();
    void instituteListSumsAsByHand_data();
    void instituteListSumsAsByHand();
    void boltingUnderItsOwnMaterials_data();
    void boltingUnderItsOwnMaterials();
    void manyMaterialsSumAsByPython_data();
    void manyMaterialsSumAsByPython();

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
    QFile workbook97(m_folder.filePath("old.xls")); // an Excel 97 workbook's first bytes
    QVERIFY(workbook97.open(QIODevice::WriteOnly));
    workbook97.write(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(600, '\1'));
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
    QTest::newRow("/dev/zero") << QStringList{"takeoff", "/dev/zero"} << QByteArray() << 1
                               << "/dev/zero is not a text or xlsx line list";
    QTest::newRow("an Excel 97 workbook") << QStringList{"takeoff", "@old.xls"} << QByteArray() << 1
                                          << "old.xls is not a text or xlsx line list";
    QTest::newRow("a stream whose line never ends")
        << QStringList{"takeoff", "-"} << QByteArray(100'000, 'x') << 1
        << "line 1 of standard input passed 64 KiB without ending";
    QTest::newRow("150 failed lines") << QStringList{"takeoff", "-", "--format", "csv"}
                                      << QByteArray("PL,1.0,A,11,1\n").repeated(150) << 1
                                      << "…and 50 more lines failed or were skipped; all are in "
                                         "the output";
    // Only full-width digits fold: any other digit form would read as another number.
    QTest::newRow("a superscript quantity") << QStringList{"takeoff", "-"}
                                            << QByteArray("PL,1.0,A,100,4¹\n") << 1
                                            << "quantity \"4¹\" holds a superscript digit";
    QTest::newRow("a circled quantity") << QStringList{"takeoff", "-"}
                                        << QByteArray("PL,1.0,A,100,①\n") << 1
                                        << "quantity \"①\" holds a circled digit";
    QTest::newRow("a superscript in the DN") << QStringList{"takeoff", "-"}
                                             << QByteArray("PL,1.0,A,25⁰,2\n") << 1
                                             << "DN \"25⁰\" holds a superscript digit";
    // A character cut at the end of a line is as undecodable as one cut within it.
    QTest::newRow("UTF-8 cut at a line's end")
        << QStringList{"takeoff", "-"} << QByteArray("带颈对焊,4.0,A,200,2\nPL,1.0,A,100,1\xe6\xb1\n")
        << 1 << "line 2: the line cannot be decoded as UTF-8";
    QTest::newRow("GB18030 cut at a line's end")
        << QStringList{"takeoff", "-"} << QByteArray("PL,1.0,A,100,1\xa3\n") << 1
        << "line 1: the line cannot be decoded as GB18030";
    QTest::newRow("UTF-16 ending in half a character")
        << QStringList{"takeoff", "-"}
        << QByteArray("\xff\xfeP\0L\0,\0" "1\0,\0A\0,\0" "1\0" "0\0" "0\0,\0" "1\0" "2", 27)
        << 1 << "line 1: the line cannot be decoded as UTF-16";
    // A quoted cell may hold line breaks (RFC 4180, Excel's Alt+Enter); the lines after it keep
    // their numbers, and a quote that never closes refuses only the line where it opened.
    QTest::newRow("a cell over two lines")
        << QStringList{"takeoff", "-"}
        << QByteArray("kind,pressure,series,dn,quantity,note\nPL,1.0,A,100,2,\"一\n二\"\n"
                      "PL,1.0,A,100,1,\"say \"\"x\"\"\n\"\n")
        << 0 << "";
    QTest::newRow("a line after a cell over two lines")
        << QStringList{"takeoff", "-"}
        << QByteArray("PL,1.0,A,100,2,\"一\r\n二\"\r\nPL,1.0,A,11,1\r\n") << 1
        << "line 3: DN 11 is not listed";
    QTest::newRow("a quote never closed")
        << QStringList{"takeoff", "-"}
        << QByteArray("PL,1.0,A,100,2\nPL,1.0,A,100,\"2\nPL,1.0,A,11,1\n") << 1
        << "line 2: the quote opened on this line is not closed";
    QTest::newRow("--sheet of a text list")
        << QStringList{"takeoff", "@good", "--sheet", "x"} << QByteArray() << 1
        << "is a text list and has no sheets";
    // A list read before (the take-off window's lines): each row's number and verdicts stand,
    // nothing is judged again; what is no such number leaves the row to be read as any row.
    const QStringList asRead{"takeoff", "-", "--as-read"};
    const QByteArray noVerdict = R"("","","","",)";
    QTest::newRow("read before: its number stands")
        << asRead << QByteArray("\"41\"," + noVerdict + "PL,1.0,A,11,1\n") << 1
        << "line 41: DN 11 is not listed";
    QTest::newRow("read before: passed over as it says, a subtotal row or not")
        << asRead << QByteArray(R"("7","跳过","passed over","","",PL,1.0,A,100,1)" "\n"
                                R"("8","","","","",小计,,,,)" "\n")
        << 1 << "line 7: passed over\nquorvit takeoff: line 8: unknown flange kind";
    QTest::newRow("read before: refused as it says")
        << asRead << QByteArray(R"("3","","","坏","refused before",PL,1.0,A,100,1)" "\n") << 1
        << "line 3: refused before";
    QTest::newRow("read before: no number, the row's own")
        << asRead << QByteArray("PL,1.0,A,100,1\n\"x\"," + noVerdict + "PL,1.0,A,11,1\n") << 1
        << "line 2: DN 11";
    QTest::newRow("read before: a number below 1 or past 64 bits")
        << asRead
        << QByteArray("\"-5\"," + noVerdict + "PL,1.0,A,11,1\n\"99999999999999999999\"," +
                      noVerdict + "PL,1.0,A,11,1\n")
        << 1 << "line 1: DN 11 is not listed for PL at 1.0 MPa\nquorvit takeoff: line 2: DN 11";
    QTest::newRow("read before: fewer cells than the five it starts with")
        << asRead << QByteArray("\"9\",\"x\"\n") << 1 << "line 9: expected 5 fields";
    QTest::newRow("--exit-zero: written, a line failed")
        << QStringList{"takeoff", "-", "--exit-zero"} << bad << 0 << "line 7: DN 11";
    QTest::newRow("--exit-zero: nothing written")
        << QStringList{"takeoff", "@good", "--exit-zero", "-o", "@none/out.csv"} << QByteArray()
        << 1 << "cannot write";
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
    QTest::newRow("found in full-width digits")
        << QStringList{"identify", "--outside-diameter", "２２０", "--holes", "８"} << QByteArray()
        << 0 << "";
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
    QCOMPARE(run.err.isEmpty(), message.isEmpty());
    QVERIFY2(run.err.count(u'\n') <= 101, "more than 100 reasons and a summary on stderr");
    if (!arguments.contains("-"))
        QCOMPARE(run.out.isEmpty(), exitCode != 0);
}

// The spreadsheet the command makes, opened by openpyxl: number cells, units in the header, a
// frozen header, and totals equal to the sum of the lines and to the JSON totals.
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
at = next(i for i, r in enumerate(rows) if r[0] == "合计")
block = {r[0]: r[3] for r in rows[at + 1:]}
cells = list(ws.iter_rows())
weight = next(r[3] for r in cells[at + 1:] if r[0].value == "总重")
styled = (all(c.font.b and c.data_type == "s" for c in cells[at][:5])
          and weight.data_type == "n" and weight.number_format == "0.00")
numeric = all(isinstance(v, (int, float)) for r in lines for v in (r[2], r[4], r[5], r[6], r[12]))
print(json.dumps({"header": header, "freeze": ws.freeze_panes, "numeric": numeric,
    "lines": len(lines), "sum_weight": round(sum(r[12] for r in lines), 2),
    "sum_quantity": sum(r[5] for r in lines), "total_weight": block["总重"],
    "total_quantity": block["法兰总数"], "gap": set(rows[at - 1]) == {None},
    "styled": styled}))
)",
                                      sheet});
    QVERIFY2(python.waitForFinished(60000) && python.exitCode() == 0,
             python.readAllStandardError().constData());
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    QCOMPARE(read["freeze"].toString(), "A2");
    QVERIFY(read["gap"].toBool()); // an empty row between the lines and the totals
    QVERIFY(read["styled"].toBool()); // a bold header of texts, a weight of two decimals
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
    QVERIFY2(full.readAllStandardError().contains("cannot write standard output: No space left on device"),
             "no reason given");
}

namespace
{

// A line a messy list asks for and what the take-off must make of it: its own texts carried
// through, and the flange it names or the reason it names none.
struct Expected {
    int line;
    QStringList carried;
    FlangeKind kind;
    double mpa;
    PipeSeries series;
    int dn;
    int quantity;
    QString reason; // how the reason starts; empty for a good line
};

// Writes rows of cells as a list (CSV as Excel saves "CSV UTF-8", or an xlsx workbook with
// numbers as number cells and texts as text cells, formulas' look-alikes included) and reads a
// take-off output back (CSV, or xlsx with each cell's type): openpyxl and Python's csv, readers
// independent of the program.
const char *const ListScript = R"(
import csv, json, re, sys, openpyxl
mode, path = sys.argv[1], sys.argv[2]
if mode == 'write':
    rows = json.loads(sys.argv[3])
    if path.endswith('.csv'):
        with open(path, 'w', newline='', encoding='utf-8-sig') as f:
            csv.writer(f).writerows(rows)
    else:
        wb = openpyxl.Workbook(); ws = wb.active; ws.title = '封面'; ws.append(['见下一页'])
        ws = wb.create_sheet('法兰')
        for row in rows:
            ws.append([float(c) if re.fullmatch(r'(0|[1-9][0-9]*)(\.[0-9]*[1-9])?', c) else c
                       for c in row])
        for row in ws.iter_rows():
            for c in row:
                if isinstance(c.value, str): c.data_type = 's'
        wb.save(path)
elif path.endswith('.csv'):
    print(json.dumps(list(csv.reader(open(path, encoding='utf-8-sig')))))
else:
    ws = openpyxl.load_workbook(path).active
    print(json.dumps([['' if c.value is None else c.value if c.data_type != 's' else 'text:' + c.value
                       for c in row] for row in ws.iter_rows()]))
)";

QJsonArray runListScript(const QStringList &arguments)
{
    QProcess python;
    python.start("/usr/bin/python3", QStringList{"-c", ListScript} + arguments);
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        qWarning() << python.readAllStandardError();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QString cellText(const QJsonValue &cell)
{
    return cell.isDouble() ? QString::number(cell.toDouble()) : cell.toString().remove("text:");
}

// Where the totals block's header stands in rows read back ("合计", "规格", …), or -1.
qsizetype totalsHeaderRow(const QJsonArray &rows)
{
    for (qsizetype r = 0; r < rows.size(); ++r)
        if (cellText(rows[r].toArray().at(0)) == "合计" && cellText(rows[r].toArray().at(1)) == "规格")
            return r;
    return -1;
}

// The totals block's rows as "item|designation|material|amount|unit", each with nothing beyond
// its first five cells (nothing under the lines' quantity or weight).
QStringList totalsBlock(const QJsonArray &rows)
{
    QStringList block;
    const qsizetype header = totalsHeaderRow(rows);
    for (qsizetype r = header < 0 ? rows.size() : header + 1; r < rows.size(); ++r) {
        QStringList cells;
        for (const QJsonValue &cell : rows[r].toArray())
            cells.append(cellText(cell));
        block.append(cells.join(u'|').section(u'|', 0, 4) +
                     (cells.mid(5).join("").isEmpty() ? "" : "|beyond"));
    }
    return block;
}

} // namespace

void TestTakeoffCommand::messyListCarriesItsColumns_data()
{
    using S = PipeSeries;
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QStringList>("leading");
    QTest::addColumn<QStringList>("trailing");
    QTest::addColumn<QList<Expected>>("expected");
    // clang-format off
    const QList<QStringList> named = {
        {"ＸＸ化工项目 法兰材料表"},
        {"编制：张三", "", "", "日期：2024-05-01"},
        {},
        {"序号", "管线号", "数量（片）", "压力(MPa)", "型式", "公称直径DN", "系列", "材质", "备注",
         "", ""},
        {"1", "P-1001-100", "4", "1.0", "PL", "100", "A", "Q235B", "泵出口", "", ""},
        {"", "", "", "", "", "", "", "", "", "", ""},
        {"2", "P-1002-50", "３", "１.６", "带颈平焊法兰", "ＤＮ５０", "Ｂ", "20#", "含,逗号"},
        {"----", "----", "----", "----", "----", "----", "----", "----", "----"},
        {"3", "P-1003-200", "2片", "2.5", "WN-RF", "200", "A", "16Mn", "备用 =SUM(A1)", ""},
        {"4", "P-1004-11", "2", "1.0", "PL", "11", "A", "Q235B", "1-2", ""},
    };
    const QList<Expected> namedLines = {
        {5, {"1", "P-1001-100", "Q235B", "泵出口"}, FlangeKind::Plate, 1.0, S::A, 100, 4, {}},
        {7, {"2", "P-1002-50", "20#", "含,逗号"}, FlangeKind::SlipOn, 1.6, S::B, 50, 3, {}},
        {9, {"3", "P-1003-200", "16Mn", "备用 =SUM(A1)"}, FlangeKind::WeldNeck, 2.5, S::A, 200,
         2, {}},
        {10, {"4", "P-1004-11", "Q235B", "1-2"}, FlangeKind::Plate, 1.0, S::A, 11, 2,
         "第 10 行：PL 在 1.0 MPa 下没有 DN 11"},
    };
    // A text a spreadsheet would read as a formula: a workbook keeps it a text cell (CSV writes
    // it with an apostrophe, which a spreadsheet shows as text).
    const auto designated = [](const QString &remark) { return QList<QStringList>{
        {"法兰清单（HG/T 20592）"},
        {"序号", "标记", "数量", "备注", "", ""},
        {"1", "HG 20592 法兰 PL 100(B)-1.6 RF", "2", "", "", ""},
        {"2", "ＷＮ　２００－４.０ＭＰａ ＲＦ", "４片", "全角"},
        {"3", "SO 50-16 RF", "1", "PN16: SO lists 1.6 MPa only"},
        {"4", "XX-123", "1", remark},
        {"005", "PL 100-1.0", "1", "12.50"},
        {"6", "HG 20594 法兰 PL 100-1.0 RF", "2", ""},
    }; };
    const auto designatedLines = [](const QString &remark) { return QList<Expected>{
        {3, {"1", "HG 20592 法兰 PL 100(B)-1.6 RF", ""}, FlangeKind::Plate, 1.6, S::B, 100, 2, {}},
        {4, {"2", "ＷＮ　２００－４.０ＭＰａ ＲＦ", "全角"}, FlangeKind::WeldNeck, 4.0, S::A, 200,
         4, {}},
        {5, {"3", "SO 50-16 RF", "PN16: SO lists 1.6 MPa only"}, FlangeKind::SlipOn, 1.6, S::A,
         50, 1, {}},
        {6, {"4", "XX-123", remark}, FlangeKind::Plate, 0, S::A, 0, 1,
         "第 6 行：\"XX-123\" 不是法兰标记"},
        {7, {"005", "PL 100-1.0", "12.50"}, FlangeKind::Plate, 1.0, S::A, 100, 1, {}},
        {8, {"6", "HG 20594 法兰 PL 100-1.0 RF", ""}, FlangeKind::Plate, 0, S::A, 0, 2,
         "第 8 行：\"HG 20594 法兰 PL 100-1.0 RF\"：HG 20594 是带颈平焊（SO）法兰的标准"},
    }; };
    // clang-format on
    for (const char *form : {"csv", "xlsx"}) {
        QTest::addRow("named columns in another order, %s", form)
            << named << QStringList{"序号", "管线号"} << QStringList{"材质", "备注"} << namedLines;
        const QString remark = QString(form) == "xlsx" ? "=1+2" : "1+2";
        QTest::addRow("a designation column, %s", form)
            << designated(remark) << QStringList{"序号", "标记"} << QStringList{"备注"}
            << designatedLines(remark);
    }
}

// A list as engineers write it (title rows, a header in its own order and words, columns of
// their own, blank and separator rows, full-width values, empty cells after the last column),
// as CSV and as an xlsx sheet (--sheet), through the real program to an output of the same form:
// every line in its place with its own texts beside what the catalogue gives, nothing else.
void TestTakeoffCommand::messyListCarriesItsColumns()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QStringList, leading);
    QFETCH(QStringList, trailing);
    QFETCH(QList<Expected>, expected);
    const QString form = QString::fromLatin1(QTest::currentDataTag()).section(", ", -1);
    QJsonArray cells;
    for (const QStringList &row : rows)
        cells.append(QJsonArray::fromStringList(row));
    const QString list = m_folder.filePath("messy." + form), out = m_folder.filePath("out." + form);
    runListScript({"write", list, QJsonDocument(cells).toJson()});
    QStringList arguments{"takeoff", list, "-o", out}; // the format from the extension
    if (form == "xlsx")
        arguments << "--sheet"
                  << "法兰";
    QCOMPARE(quorvit(arguments).exitCode, 1);
    const QJsonArray written = runListScript({"read", out});
    QVERIFY(!written.isEmpty());

    // The list's title rows stand above the header, each with every text it had.
    qsizetype headerRow = 0;
    while (headerRow < written.size() && cellText(written[headerRow].toArray()[0]) != "行号")
        ++headerRow;
    QList<QStringList> titles;
    for (const QStringList &row : rows) {
        if (row.contains("序号"))
            break;
        if (!row.join("").isEmpty())
            titles.append(row);
    }
    QCOMPARE(headerRow, titles.size());
    for (qsizetype t = 0; t < titles.size(); ++t)
        for (const QString &text : titles[t])
            QVERIFY2(cellText(written[t].toArray()[0]).contains(text), qPrintable(text));

    QStringList header;
    for (const QJsonValue &title : written[headerRow].toArray())
        header.append(cellText(title));
    QCOMPARE(header.mid(1, leading.size()), leading);
    const qsizetype quantityColumn = header.indexOf("数量");
    QCOMPARE(header.mid(quantityColumn + 1, trailing.size()), trailing);
    QCOMPARE(header.sliced(1 + leading.size(), 5),
             QStringList({"类型", "公称压力(MPa)", "系列", "公称直径(DN)", "数量"}));
    const QList<qsizetype> carriedColumns = [&] {
        QList<qsizetype> columns;
        for (qsizetype i = 0; i < leading.size(); ++i)
            columns.append(1 + i);
        for (qsizetype i = 0; i < trailing.size(); ++i)
            columns.append(quantityColumn + 1 + i);
        return columns;
    }();
    // The header, the lines, an empty row, then the totals block under its own header.
    const qsizetype afterLines = headerRow + 1 + expected.size();
    QCOMPARE(written[afterLines].toArray().toVariantList().removeAll(QString()),
             written[afterLines].toArray().size());
    QCOMPARE(totalsHeaderRow(written), afterLines + 1);

    for (qsizetype i = 0; i < expected.size(); ++i) {
        const Expected &e = expected[i];
        const QJsonArray row = written[headerRow + 1 + i].toArray();
        const auto at = [&](const QString &title) { return row[header.indexOf(title)]; };
        QCOMPARE(cellText(row[0]), QString::number(e.line));
        for (qsizetype c = 0; c < carriedColumns.size(); ++c) {
            QCOMPARE(cellText(row[carriedColumns[c]]), e.carried[c]);
            // A carried number as written ("1") stays a number cell in a spreadsheet; every
            // other text stays a text cell, whatever it looks like ("004", "1-2", "=1+2").
            static const QRegularExpression asWritten("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$");
            if (form == "xlsx" && !e.carried[c].isEmpty())
                QVERIFY2(row[carriedColumns[c]].isDouble() ==
                             asWritten.match(e.carried[c]).hasMatch(),
                         qPrintable(e.carried[c]));
        }
        const QString reason = cellText(at("错误"));
        QVERIFY2(e.reason.isEmpty() ? reason.isEmpty() : reason.startsWith(e.reason),
                 qPrintable(reason));
        if (!e.reason.isEmpty())
            continue;
        const std::optional<FlangeRecord> record =
            lookUpFlange(e.kind, *listedRating(e.kind, e.mpa), e.dn, e.series);
        QVERIFY(record && record->weightKg);
        QCOMPARE(cellText(at("类型")), kindCode(e.kind));
        QCOMPARE(cellText(at("公称压力(MPa)")).toDouble(), e.mpa);
        QCOMPARE(cellText(at("系列")), seriesText(e.series));
        QCOMPARE(cellText(at("公称直径(DN)")).toInt(), e.dn);
        QCOMPARE(cellText(at("数量")).toInt(), e.quantity);
        QCOMPARE(cellText(at("螺栓规格及长度")), record->bolting.designation);
        QCOMPARE(std::llround(cellText(at("重量(kg)")).toDouble() * 100),
                 std::llround(*record->weightKg * 100) * e.quantity);
    }
}

namespace
{

// The bolting totals an output gives, as "material|item designation|count", sorted.
QStringList boltingOf(const QString &form, const ProgramRun &run, const QString &sheet)
{
    QStringList totals;
    QString material;
    // An item's material borrowed from its flanges reads "20 法兰用"; a gasket names its type.
    const auto borrowed = [](QString text) { return text.remove(" 法兰用"); };
    const auto item = [](const QString &name) {
        return name.endsWith("垫片") ? QStringLiteral("垫片") : name;
    };
    if (form == "text") {
        static const QRegularExpression total(R"(^(\S+) (\S+(?: \S+)??)(?: \((.*)\))?: (\d+)$)");
        for (const QString &line : run.text().split(u'\n'))
            if (const auto m = total.match(line); m.hasMatch() && m.captured(1) != "法兰")
                totals << borrowed(m.captured(3)) + '|' + item(m.captured(1)) + ' ' +
                              m.captured(2) + '|' + m.captured(4);
    } else if (form == "json") {
        const QJsonObject read = QJsonDocument::fromJson(run.out).object()["totals"].toObject();
        for (const char *member : {"bolts", "nuts", "gaskets"})
            for (const QJsonValue &v : read[member].toArray())
                totals << v["material"].toString() + '|' +
                              (v["kind"] == "stud_bolt" ? "螺柱"
                               : v["kind"] == "hex_bolt" ? "螺栓"
                               : v["face"].isString()    ? "垫片"
                                                         : "螺母") +
                              ' ' + v["designation"].toString() + '|' +
                              QString::number(v["count"].toInteger());
    } else {
        // The block: item, designation ("RF 100-1.6" for a gasket), material, count, unit.
        for (const QString &row : totalsBlock(runListScript({"read", sheet}))) {
            const QStringList cells = row.split(u'|');
            const QString name = item(cells[0]);
            if (QStringList{"螺栓", "螺柱", "螺母", "垫片"}.contains(name))
                totals << borrowed(cells[2]) + '|' + name + ' ' + cells[1] + '|' + cells[3];
        }
    }
    totals.sort();
    return totals;
}

} // namespace

void TestTakeoffCommand::boltingTotalsOfAMixedList_data()
{
    QTest::addColumn<QString>("materialName"); // as the list names its material column
    QTest::newRow("text, under 材质") << "材质";
    QTest::newRow("json, under 材料") << "材料";
    QTest::newRow("xlsx, under Material") << "Material";
}

// A mixed list (three kinds, four pressures, a flat face, a marking line without material, odd
// quantities, two materials) through the real program: its bolts, nuts and gaskets by material
// in every form equal the list summed by hand, joint by joint.
void TestTakeoffCommand::boltingTotalsOfAMixedList()
{
    QFETCH(QString, materialName);
    const QString form = QString::fromLatin1(QTest::currentDataTag()).section(", ", 0, 0);
    const QString list = m_folder.filePath("mixed.csv"), sheet = m_folder.filePath("mixed.xlsx");
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("序号,类型,公称压力,系列,公称直径,数量," + materialName +
                "\n1,PL,1.6,A,100,3,20\n2,SO,1.6,A,100,2,20\n3,WN,6.3,A,100,5,20\n"
                "4,WN-FF,1.6,B,50,3,304\n5,PL,0.6,A,50,7,304\n\"SO 80-2.5 RF\",1\n"
                "7,WN,1.6,A,100,1,20\n")
                   .toUtf8());
    file.close();
    const ProgramRun run = quorvit({"takeoff", list, "--format", form, "-o",
                                    form == "xlsx" ? sheet : QStringLiteral("-")});
    QCOMPARE(run.exitCode, 0);

    // The catalogue's bolt of a row; the three kinds' joints at PN 1.6 DN 100 share one.
    const auto bolt = [](FlangeKind kind, double mpa, int dn, PipeSeries series = PipeSeries::A) {
        return lookUpFlange(kind, *listedRating(kind, mpa), dn, series)->bolting.designation;
    };
    using K = FlangeKind;
    const QString m16 = bolt(K::Plate, 1.6, 100);
    QCOMPARE(bolt(K::SlipOn, 1.6, 100), m16);
    QCOMPARE(bolt(K::WeldNeck, 1.6, 100), m16);
    QStringList expected = {
        // 20: 8 holes × (3 + 2 + 1) / 2; 8 × 5 / 2 studs with two nuts each; (3 + 2 + 1) / 2 and
        // 5 / 2 joints, rounded up.
        "20|螺栓 " + m16 + "|24", "20|螺柱 " + bolt(K::WeldNeck, 6.3, 100) + "|20",
        "20|螺母 M16|24", "20|螺母 M24|40", "20|垫片 RF 100-1.6|3", "20|垫片 RF 100-6.3|3",
        // 304: 4 holes × 3 / 2 and 4 × 7 / 2; a flat-face joint and a half, 3.5 raised-face.
        "304|螺栓 " + bolt(K::WeldNeck, 1.6, 50, PipeSeries::B) + "|6",
        "304|螺栓 " + bolt(K::Plate, 0.6, 50) + "|14", "304|螺母 M16|6", "304|螺母 M12|14",
        "304|垫片 FF 50-1.6|2", "304|垫片 RF 50-0.6|4",
        // The marking line, without material: one flange of 8 holes, half a joint.
        "|螺柱 " + bolt(K::SlipOn, 2.5, 80) + "|4", "|螺母 M16|8", "|垫片 RF 80-2.5|1"};
    expected.sort();
    QCOMPARE(boltingOf(form, run, sheet), expected);
}

void TestTakeoffCommand::boltingUnderItsOwnMaterials_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("csv") << "own.csv";
    QTest::newRow("xlsx") << "own.xlsx";
}

// A list with bolt and gasket material columns and a joint column, through the real program and
// read back by Python's csv and openpyxl: the flanges by their material (weights summing to the
// total), the bolting by its own material, valve and equipment flanges a joint each.
void TestTakeoffCommand::boltingUnderItsOwnMaterials()
{
    QFETCH(QString, output);
    const QString list = m_folder.filePath("own.csv"), out = m_folder.filePath("out-" + output);
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "序号,类型,公称压力,公称直径,数量,材质,螺栓/螺母材料,垫片材质,连接\n"
        "1,WN,1.6,100,3,S30408,35CrMoA,柔性石墨,成对\n2,WN,1.6,100,1,S30408,35CrMoA,柔性石墨,闸阀\n"
        "3,SO,1.6,100,2,20#,35CrMoA,柔性石墨,\n4,WN,4.0,80,1,16Mn,35CrMoA,缠绕垫,设备\n"
        "5,PL,1.0,50,2,20#,Q235,,泵\n");
    file.close();
    QCOMPARE(quorvit({"takeoff", list, "-o", out}).exitCode, 0);
    const QJsonArray rows = runListScript({"read", out});
    QVERIFY(!rows.isEmpty());
    QStringList header;
    for (const QJsonValue &title : rows[0].toArray())
        header << cellText(title);
    QMap<QString, double> lineWeights, materialWeights;
    double total = -1;
    QStringList bolting;
    for (const QJsonValue &value : rows) {
        const auto at = [&](const QString &title) {
            return cellText(value.toArray().at(header.indexOf(title)));
        };
        if (const int line = at("行号").toInt(); line > 0)
            lineWeights[at("材质")] += at("重量(kg)").toDouble();
    }
    for (const QString &row : totalsBlock(rows)) {
        const QStringList cells = row.split(u'|'); // item, designation, material, amount, unit
        if (cells[0] == "总重")
            total = cells[3].toDouble();
        else if (cells[0] == "重量")
            materialWeights[cells[2]] += cells[3].toDouble();
        else if (cells[0] != "法兰" && cells[0] != "法兰总数")
            bolting << cells[0] + ' ' + cells[1] + ' ' + cells[2] + ' ' + cells[3];
    }
    QCOMPARE(materialWeights.keys(), lineWeights.keys());
    for (auto it = lineWeights.cbegin(); it != lineWeights.cend(); ++it)
        QVERIFY(std::abs(materialWeights[it.key()] - it.value()) < 0.005);
    double summed = 0;
    for (double weight : materialWeights)
        summed += weight;
    QVERIFY2(std::abs(summed - total) < 0.005, qPrintable(QString::number(summed)));

    const auto row = [](FlangeKind kind, double mpa, int dn) {
        return *lookUpFlange(kind, *listedRating(kind, mpa), dn, PipeSeries::A);
    };
    using K = FlangeKind;
    const FlangeRecord wn100 = row(K::WeldNeck, 1.6, 100), wn80 = row(K::WeldNeck, 4.0, 80),
                       pl50 = row(K::Plate, 1.0, 50);
    QCOMPARE(row(K::SlipOn, 1.6, 100).bolting.designation, wn100.bolting.designation);
    QCOMPARE(wn80.bolting.thread, wn100.bolting.thread); // one nut total for 35CrMoA
    const auto bolts = [](const FlangeRecord &r, int halfJoints) {
        return r.holeCount * halfJoints / 2;
    };
    const auto nuts = [&](const FlangeRecord &r, int halfJoints) {
        return bolts(r, halfJoints) * r.bolting.nutsPerBolt;
    };
    const auto n = [](int count) { return QString::number(count); };
    QStringList expected = {
        // 35CrMoA: 3 + 2 paired flanges (2.5 joints) and a valve's; the equipment's studs.
        "螺栓 " + wn100.bolting.designation + " 35CrMoA " + n(bolts(wn100, 5 + 2)),
        "螺柱 " + wn80.bolting.designation + " 35CrMoA " + n(bolts(wn80, 2)),
        "螺母 " + wn100.bolting.thread + " 35CrMoA " + n(nuts(wn100, 7) + nuts(wn80, 2)),
        // Q235: the pump's two flanges, a joint each.
        "螺栓 " + pl50.bolting.designation + " Q235 " + n(bolts(pl50, 4)),
        "螺母 " + pl50.bolting.thread + " Q235 " + n(nuts(pl50, 4)),
        // Flat gaskets to PN 2.5, spiral-wound above (HG/T 20606, HG/T 20610): 3 + 1 joints of
        // DN 100, 1 of DN 80, 2 of DN 50 without a material written.
        "非金属平垫片 RF 100-1.6 柔性石墨 4", "缠绕式垫片 RF 80-4.0 缠绕垫 1",
        "非金属平垫片 RF 50-1.0  2"};
    expected.sort();
    bolting.sort();
    QCOMPARE(bolting, expected);
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

void TestTakeoffCommand::identifyFiguresToTheTablesTenth_data()
{
    // Differences whose binary forms run to many digits, and measures finer than any table.
    QTest::addColumn<QStringList>("measured");
    QTest::newRow("D and A off") << QStringList{"--outside-diameter", "221", "--pipe-od", "114"};
    QTest::newRow("hundredths") << QStringList{"--outside-diameter", "219.96", "--hole-diameter",
                                               "17.83", "--pipe-od", "114.26"};
}

// Every deviation the identification writes (text, CSV, JSON read by Python) has no more digits
// than the tables, a tenth of a millimetre; it is the measured value less the JSON's tabled one
// to that tenth, and the total is their sum.
void TestTakeoffCommand::identifyFiguresToTheTablesTenth()
{
    QFETCH(QStringList, measured);
    QByteArray outputs;
    for (const char *format : {"text", "csv", "json"})
        outputs += quorvit(QStringList{"identify", "--format", format} + measured).out + '\0';
    QProcess python;
    python.start("/usr/bin/python3", QStringList{"-c", R"(
import csv, json, re, sys
text, table, objects, _ = sys.stdin.read().split('\0')
given = {k[2:].replace('-od', '-outside-diameter').replace('-', '_'): float(v)
         for k, v in zip(sys.argv[1::2], sys.argv[2::2])}
objects, rows = json.loads(objects), list(csv.DictReader(table.splitlines()))
for o, r, line in zip(objects, rows, text.splitlines()[1:], strict=True):
    figures = [v for k, v in r.items() if k.endswith('deviation_mm')] + line.split()[4:]
    figures += [repr(o['deviation_mm'])] + [repr(v) for v in o['deviations'].values()]
    assert all(re.fullmatch(r'[+-]?[0-9]+(\.[0-9])?', f) for f in figures), figures
    for key, d in o['deviations'].items():
        tabled = o['weld_end_diameter'] if o['kind'] == 'WN' and 'pipe' in key else o[key]
        assert abs(d - (given[key] - tabled)) <= 0.05 + 1e-9, (key, d, tabled)
    assert abs(o['deviation_mm'] - sum(map(abs, o['deviations'].values()))) < 1e-9, o
print(len(objects))
)"} + measured);
    python.write(outputs);
    python.closeWriteChannel();
    QVERIFY2(python.waitForFinished(60000) && python.exitCode() == 0,
             python.readAllStandardError().constData());
    QVERIFY(python.readAllStandardOutput().trimmed().toInt() > 0);
}

// Each pressure a take-off writes (text, CSV, xlsx; the lines and the gasket totals) reads as
// the standard writes it; the xlsx keeps a number cell shown with its decimal.
void TestTakeoffCommand::pressuresAsTheStandardWritesThem()
{
    const QList<std::pair<const char *, QString>> lines = {
        {"PL,1,A,100,2", "1.0"},   {"SO,40bar,A,50,2", "4.0"}, {"PL,0.25,A,100,2", "0.25"},
        {"WN,10,A,100,2", "10.0"}, {"PL,3,A,100,2", "3.0"}, // no table lists 3 MPa
    };
    QByteArray list = "类型,公称压力,系列,公称直径,数量\n";
    QStringList written;
    for (const auto &[line, pressure] : lines)
        (list += line) += '\n', written << pressure;
    const QString sheet = m_folder.filePath("pressures.xlsx");
    QCOMPARE(quorvit({"takeoff", "-", "-o", sheet}, list).exitCode, 1);
    const ProgramRun text = quorvit({"takeoff", "-"}, list);
    const ProgramRun csv = quorvit({"takeoff", "-", "--format", "csv"}, list);
    QProcess python;
    python.start("/usr/bin/python3", {"-c", R"(
import csv, json, sys, openpyxl
text, table = sys.stdin.read().split('\0')
rows = list(csv.reader(table.lstrip('\ufeff').splitlines()))
sheet = list(openpyxl.load_workbook(sys.argv[1]).active.iter_rows())[1:6]
assert all(r[2].data_type == 'n' and r[2].number_format == '0.0#' for r in sheet)
print(json.dumps({'text': [l.split()[2] for l in text.splitlines()[1:6]],
                  'csv': [r[2] for r in rows[1:6]], 'xlsx': [r[2].value for r in sheet],
                  'gaskets': sorted(r[1].rsplit('-', 1)[1] for r in rows
                                    if r and r[0].endswith('垫片'))}))
)",
                                       sheet});
    python.write(text.out + '\0' + csv.out);
    python.closeWriteChannel();
    QVERIFY2(python.waitForFinished(60000) && python.exitCode() == 0,
             python.readAllStandardError().constData());
    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    QCOMPARE(read["text"].toVariant().toStringList(), written);
    QCOMPARE(read["csv"].toVariant().toStringList(), written);
    for (qsizetype i = 0; i < written.size(); ++i)
        QCOMPARE(read["xlsx"][i].toDouble(), written[i].toDouble());
    QStringList listed = written.first(4);
    listed.sort(); // one gasket a listed line, by the line's pressure
    QCOMPARE(read["gaskets"].toVariant().toStringList(), listed);
}

// Zip archives as other programs write a workbook, and damaged ones, made by Python's zipfile
// from one openpyxl workbook of the good list. One that can be read takes off as the CSV list
// does; a damaged or oversized one is refused in one line, whatever its fault.
void TestTakeoffCommand::workbookArchives_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("parts deflated, as openpyxl writes them") << "as written" << 0 << "";
    QTest::newRow("parts stored without compression") << "stored" << 0 << "";
    QTest::newRow("zip64 local headers, sizes in their extra fields") << "zip64" << 0 << "";
    QTest::newRow("an archive comment after the directory") << "comment" << 0 << "";
    QTest::newRow("cut off halfway") << "cut" << 1 << "is not a text or xlsx line list";
    QTest::newRow("the directory counting more parts than it holds")
        << "miscounted" << 1 << "is not a text or xlsx line list";
    QTest::newRow("the sheet's compressed data damaged") << "damaged" << 1 << "sheet1.xml";
    QTest::newRow("a workbook part inflating past its bound")
        << "bomb" << 1 << "inflates to more than 16 MiB";
    QTest::newRow("a row past the largest integer") << "row 9223372036854775807" << 1
                                                    << "row 9223372036854775807 is outside a sheet";
    QTest::newRow("row zero") << "row 0" << 1 << "row 0 is outside a sheet";
    QTest::newRow("a negative row") << "row -3" << 1 << "row -3 is outside a sheet";
    QTest::newRow("the sheet's part is the workbook")
        << "sheet is workbook" << 1 << "its sheet's part is no worksheet";
    QTest::newRow("a row of more cells than a sheet has columns")
        << "wide row" << 1 << "has more than 16384 cells";
    QTest::newRow("millions of empty shared strings")
        << "empty strings" << 1 << "more than 4194304 shared strings";
    QTest::newRow("an empty file named .xlsx")
        << "empty" << 1 << "is named as an xlsx workbook but is not one";
}

void TestTakeoffCommand::workbookArchives()
{
    QFETCH(QString, variant);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString path = m_folder.filePath("variant.xlsx");
    QProcess python;
    python.start("/usr/bin/python3", {"-c", R"(
import csv, io, re, sys, zipfile, openpyxl
variant, path, listed = sys.argv[1], sys.argv[2], sys.argv[3]
wb = openpyxl.Workbook()
for row in csv.reader(io.StringIO(listed)):
    wb.active.append(row)
plain = io.BytesIO(); wb.save(plain)
parts = [(i.filename, zipfile.ZipFile(plain).read(i)) for i in zipfile.ZipFile(plain).infolist()]
out = io.BytesIO()
with zipfile.ZipFile(out, "w", zipfile.ZIP_STORED if variant == "stored" else zipfile.ZIP_DEFLATED) as z:
    for name, data in parts:
        if variant == "bomb" and name == "xl/workbook.xml":
            data = data.replace(b"<sheets>", b"<sheets>" + b"<x/>" * (5 << 20))
        if variant.startswith("row ") and name.endswith("sheet1.xml"):
            data = re.sub(rb'<row r="1"', b'<row r="' + variant[4:].encode() + b'"', data)
        if variant == "wide row" and name.endswith("sheet1.xml"):
            data = data.replace(b"</sheetData>", b"<row>" + b"<c/>" * 16385 + b"</row></sheetData>")
        if variant == "empty strings" and name.endswith("workbook.xml.rels"):
            data = data.replace(b"</Relationships>", b'<Relationship Id="s" Type="x/sharedStrings" '
                                b'Target="/xl/strings.xml"/></Relationships>')
            z.writestr("xl/strings.xml", b"<sst>" + b"<si/>" * ((4 << 20) + 1) + b"</sst>")
        if variant == "sheet is workbook" and name.endswith("workbook.xml.rels"):
            data = re.sub(rb'Target="[^"]*sheet1.xml"', b'Target="/xl/workbook.xml"', data)
        with z.open(name, "w", force_zip64=variant == "zip64") as f:
            f.write(data)
    if variant == "comment":
        z.comment = b"written by another program"
data = bytearray(out.getvalue())
if variant == "cut":
    data = data[:len(data) // 2]
if variant == "miscounted":
    end = data.rfind(b"PK\x05\x06")
    data[end + 10:end + 12] = (200).to_bytes(2, "little")
if variant == "damaged":
    at = data.find(b"xl/worksheets/sheet1.xml") + 40
    data[at:at + 60] = b"\xff" * 60
open(path, "wb").write(b"" if variant == "empty" else data)
)",
                                      variant, path, QString::fromUtf8(goodList)});
    QVERIFY2(python.waitForFinished(60000) && python.exitCode() == 0,
             python.readAllStandardError().constData());
    const ProgramRun run = quorvit({"takeoff", path, "--format", "json"});
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0)
        QCOMPARE(QJsonDocument::fromJson(run.out).object()["totals"],
                 QJsonDocument::fromJson(quorvit({"takeoff", m_good, "--format", "json"}).out)
                     .object()["totals"]);
    QCOMPARE(run.err.count(u'\n'), exitCode == 0 ? 0 : 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}


namespace
{

// A design institute's list as kept: merged title rows over a blank row, a header with units, a
// row of units, pairs, a subtotal, the header again, a total and a merged note, written as xlsx
// (openpyxl, the titles merged across the sheet) or as CSV (Python's csv).
const char *const InstituteList = R"(
import csv, sys, openpyxl
rows = [
    ['某石化设计院'], ['XX 装置 管道法兰材料表', '', '', '图号：A-01'], [],
    ['序号', '名称', '法兰类型', '公称压力(bar)', '公称直径', '数量', '材质', '备注', '总重'],
    ['', '', '', '', 'DN', '片', '', '', 'kg'],
    ['1', '法兰', 'WN', '16', '100', '2副', '20#', '', ''],
    ['2', '法兰', 'SO', '10', '50', '3', 'Q235B', '', ''],
    ['小计', '', '', '', '', '7', '', '', '40.8'],
    ['序号', '名称', '法兰类型', '公称压力(bar)', '公称直径', '数量', '材质', '备注', '总重'],
    ['3', '法兰', 'PL', 'PN16', '80', '1对', 'S30408', '接阀门', ''],
    ['4', '法兰', 'WN', '25', '150', '5', '16Mn', '', ''],
    ['合 计', '', '', '', '', '14', '', '', '148.4'],
    ['注：数量不含备品'],
]
path = sys.argv[1]
if path.endswith('.csv'):
    with open(path, 'w', newline='', encoding='utf-8-sig') as f:
        csv.writer(f).writerows(rows)
else:
    wb = openpyxl.Workbook(); ws = wb.active
    for r, row in enumerate(rows, 1):
        for c, text in enumerate(row, 1):
            if text: ws.cell(r, c, text)
    for r in (1, 13): ws.merge_cells(start_row=r, start_column=1, end_row=r, end_column=8)
    wb.save(path)
)";

} // namespace

void TestTakeoffCommand::instituteListSumsAsByHand_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("csv") << "csv";
    QTest::newRow("xlsx") << "xlsx";
}

// The institute's list through the real program to the same form, read back by openpyxl or
// Python's csv: the titles above the table, every flange line counted in pieces at the pressure
// its header's bar names, every other row reported with its own row number, and no number in
// the quantity column but a flange line's pieces, so that summing it gives the total.
void TestTakeoffCommand::instituteListSumsAsByHand()
{
    QFETCH(QString, form);
    const QString list = m_folder.filePath("institute." + form);
    const QString out = m_folder.filePath("institute-out." + form);
    QProcess python;
    python.start("/usr/bin/python3", {"-c", InstituteList, list});
    QVERIFY2(python.waitForFinished(60000) && python.exitCode() == 0,
             python.readAllStandardError().constData());
    const ProgramRun run = quorvit({"takeoff", list, "-o", out});
    QCOMPARE(run.exitCode, 0);
    // Reported on stderr as the sheet numbers them: the units row 5, the subtotal 8, the header
    // again 9, the total 12, the note 13.
    for (const char *cited : {"line 5: a row of units", "line 8: a subtotal row",
                              "line 9: a header row again", "line 12: a subtotal row",
                              "line 13: a note row"})
        QVERIFY2(run.err.contains(cited), qPrintable(run.err));
    const QJsonArray written = runListScript({"read", out});
    QVERIFY(written.size() > 3);
    QVERIFY(cellText(written[0].toArray()[0]).contains("某石化设计院"));
    QVERIFY(cellText(written[1].toArray()[0]).contains("图号：A-01"));
    QStringList header;
    for (const QJsonValue &title : written[2].toArray())
        header.append(cellText(title));
    QCOMPARE(header.value(0), "行号");

    // By hand: 2 pairs of WN 100 (4) at 16 bar, 3 SO 50 at 10 bar, 1 pair of PL 80 (2) at PN16
    // bar, 5 WN 150 at 25 bar: 4 + 3 + 2 + 5 = 14 pieces.
    using K = FlangeKind;
    const QHash<int, std::tuple<K, double, int, int>> flanges = {
        {6, {K::WeldNeck, 1.6, 100, 4}}, {7, {K::SlipOn, 1.0, 50, 3}},
        {10, {K::Plate, 1.6, 80, 2}},    {11, {K::WeldNeck, 2.5, 150, 5}}};
    double quantitySum = 0, weightSum = 0, byHandWeight = 0;
    QSet<int> seen;
    qsizetype row = 3;
    for (; row < written.size(); ++row) {
        const QJsonArray cells = written[row].toArray();
        const auto at = [&](const QString &title) { return cells[header.indexOf(title)]; };
        if (cellText(cells[0]).isEmpty())
            break; // the empty row before the totals
        const int number = cellText(cells[0]).toInt();
        const QString reason = cellText(at("错误"));
        if (!flanges.contains(number)) {
            QVERIFY2(reason.startsWith(QString("第 %1 行：").arg(number)), qPrintable(reason));
            // No number at all: a subtotal's count or weight is no flange's.
            for (qsizetype c = 1; c < cells.size(); ++c) {
                bool isNumber = false;
                cellText(cells[c]).toDouble(&isNumber);
                QVERIFY2(!isNumber, qPrintable(header.value(c)));
            }
            seen.insert(number);
            continue;
        }
        const auto [kind, mpa, dn, pieces] = flanges[number];
        QVERIFY2(reason.isEmpty(), qPrintable(reason));
        QCOMPARE(cellText(at("类型")), kindCode(kind));
        QCOMPARE(cellText(at("公称压力(MPa)")).toDouble(), mpa);
        QCOMPARE(cellText(at("数量")).toDouble(), double(pieces));
        const double unit = *lookUpFlange(kind, *listedRating(kind, mpa), dn, PipeSeries::A)
                                 ->weightKg;
        QCOMPARE(std::llround(cellText(at("重量(kg)")).toDouble() * 100),
                 std::llround(unit * 100) * pieces);
        byHandWeight += std::round(unit * 100) * pieces / 100;
        quantitySum += cellText(at("数量")).toDouble();
        weightSum += cellText(at("重量(kg)")).toDouble();
        seen.insert(number);
    }
    QCOMPARE(seen, QSet<int>({5, 6, 7, 8, 9, 10, 11, 12, 13}));
    QCOMPARE(totalsHeaderRow(written), row + 1);
    QMap<QString, double> totals;
    for (const QString &total : totalsBlock(written))
        totals[total.section(u'|', 0, 0)] = total.section(u'|', 3, 3).toDouble();
    QCOMPARE(quantitySum, 14.0);
    QCOMPARE(totals["法兰总数"], 14.0);
    QCOMPARE(std::llround(totals["总重"] * 100), std::llround(weightSum * 100));
    QCOMPARE(std::llround(weightSum * 100), std::llround(byHandWeight * 100));
    // Summed over the whole sheet, as a spreadsheet's SUM of the column does, the quantity and
    // weight columns give the totals: nothing but a line's own numbers stands in them.
    double wholeQuantity = 0, wholeWeight = 0;
    for (const QJsonValue &cells : written) {
        wholeQuantity += cellText(cells.toArray().at(header.indexOf("数量"))).toDouble();
        wholeWeight += cellText(cells.toArray().at(header.indexOf("重量(kg)"))).toDouble();
    }
    QCOMPARE(wholeQuantity, totals["法兰总数"]);
    QCOMPARE(std::llround(wholeWeight * 100), std::llround(totals["总重"] * 100));
}

namespace
{

// "list PATH" writes 40 000 lines of PL PN 1.6 flanges of some 28 000 materials (Latin, Chinese,
// none), more than the totals hold in memory. "csv PATH" and "json PATH" read a take-off's lines
// back, sum them by material (the bolts from the holes, halved and rounded up; a nut a bolt; a
// gasket a joint) and assert the totals it wrote are those sums in the order of the materials.
const char *const MaterialsScript = R"(
import csv, json, random, sys
from collections import defaultdict
mode, path = sys.argv[1], sys.argv[2]
if mode == 'list':
    random.seed(5)
    with open(path, 'w', encoding='utf-8') as f:
        f.write('类型,公称压力,系列,公称直径,数量,材质\n')
        for i in range(40000):
            m = '' if i % 101 == 0 else f'不锈钢{i % 977}' if i % 7 == 0 else f'M{i % 30000:05d}'
            dn = random.choice([15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150, 200])
            f.write(f'PL,1.6,A,{dn},{1 + i % 13},{m}\n')
    sys.exit()
lines, totals = [], []  # (material, pieces, hundredths, holes, bolt, gasket); (item, designation, material, amount)
if mode == 'csv':
    rows = list(csv.reader(open(path, encoding='utf-8-sig', newline='')))
    col, end = {n: i for i, n in enumerate(rows[0])}, rows.index([])
    for r in rows[1:end]:
        lines.append((r[col['材质']], int(r[col['数量']]), round(float(r[col['重量(kg)']]) * 100),
                      int(r[col['螺栓孔数量和孔径']].split('-')[0]), r[col['螺栓规格及长度']],
                      f"RF {r[col['公称直径(DN)']]}-{r[col['公称压力(MPa)']]}"))
    assert rows[end + 1] == ['合计', '规格', '材质', '数量', '单位'], rows[end + 1]
    for item, designation, material, amount, unit in rows[end + 2:]:
        totals.append(('垫片' if item.endswith('垫片') else item, designation, material.removesuffix(' 法兰用'),
                       round(float(amount) * 100) if unit == 'kg' else int(amount)))
else:
    doc = json.load(open(path, encoding='utf-8'))
    for o in doc['lines']:
        lines.append((o['list_columns']['材质'], o['quantity'], round(o['weight_kg'] * 100),
                      o['hole_count'], o['bolt_designation'], f"RF {o['dn']}-{o['pressure_mpa']}"))
    t = doc['totals']
    totals += [('法兰总数', '', '', t['flanges']), ('总重', '', '', round(t['weight_kg'] * 100))]
    for m in t['flanges_by_material']:
        totals += [('法兰', '', m['material'] or '', m['flanges']),
                   ('重量', '', m['material'] or '', round(m['weight_kg'] * 100))]
    for name, key in (('螺栓', 'bolts'), ('螺母', 'nuts'), ('垫片', 'gaskets')):
        totals += [(name, x['designation'], x['material'] or '', x['count']) for x in t[key]]
flanges, weight, holes, sealed, nuts = (defaultdict(int) for _ in range(5))
for m, pieces, hundredths, n, bolt, gasket in lines:
    flanges[m] += pieces; weight[m] += hundredths; holes[m, bolt] += pieces * n; sealed[m, gasket] += pieces
bolts = {key: (h + 1) // 2 for key, h in holes.items()}
for (m, bolt), count in bolts.items():
    nuts[m, bolt.split('×')[0]] += count
number = lambda text: [int(x) for x in text.replace('RF ', '').replace('-1.6', '').strip('M').split('×')]
by = lambda kv: (kv[0][0], number(kv[0][1]))
expected = [('法兰总数', '', '', sum(flanges.values())), ('总重', '', '', sum(weight.values()))]
for m in sorted(flanges):
    expected += [('法兰', '', m, flanges[m]), ('重量', '', m, weight[m])]
expected += [('螺栓', b, m, c) for (m, b), c in sorted(bolts.items(), key=by)]
expected += [('螺母', t, m, c) for (m, t), c in sorted(nuts.items(), key=by)]
expected += [('垫片', g, m, (c + 1) // 2) for (m, g), c in sorted(sealed.items(), key=by)]
wrong = [(a, b) for a, b in zip(totals, expected) if a != b][:3]
assert totals == expected, (len(totals), len(expected), wrong)
print(len(flanges))
)";

} // namespace

void TestTakeoffCommand::manyMaterialsSumAsByPython_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("temporaryFolder"); // TMPDIR, "" as it is
    QTest::newRow("csv, the totals through temporary files") << "csv"
                                                             << "";
    QTest::newRow("json, the totals through temporary files") << "json"
                                                              << "";
    QTest::newRow("no temporary folder: no totals, exit 1") << "csv"
                                                            << "@no-such-folder";
}

// More materials than the totals hold in memory: what the take-off writes of them is what
// Python sums from its lines; where no temporary file can be made, the totals are refused.
void TestTakeoffCommand::manyMaterialsSumAsByPython()
{
    QFETCH(QString, format);
    QFETCH(QString, temporaryFolder);
    const QString list = m_folder.filePath("materials.csv");
    const QString out = m_folder.filePath("materials-out." + format);
    const auto python = [&](const QStringList &arguments) {
        QProcess run;
        run.start("/usr/bin/python3", QStringList{"-c", MaterialsScript} + arguments);
        return run.waitForFinished(120000) && run.exitCode() == 0
                   ? run.readAllStandardOutput()
                   : "failed: " + run.readAllStandardError();
    };
    if (!QFile::exists(list))
        QCOMPARE(python({"list", list}), QByteArray());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!temporaryFolder.isEmpty())
        environment.insert("TMPDIR", m_folder.filePath(temporaryFolder.mid(1)));
    const ProgramRun run =
        quorvit({"takeoff", list, "--format", format, "-o", out}, {}, environment);
    if (!temporaryFolder.isEmpty()) {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith("quorvit takeoff: no totals: cannot make a temporary file in " +
                                    environment.value("TMPDIR")),
                 qPrintable(run.err));
        return;
    }
    QCOMPARE(run.exitCode, 0);
    const QByteArray materials = python({format, out});
    QVERIFY2(materials.trimmed().toInt() > 25'000, materials.constData());
}

QTEST_GUILESS_MAIN(TestTakeoffCommand)
#include "tst_takeoffcommand.moc"
