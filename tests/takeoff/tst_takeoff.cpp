// The take-off engine: totals against what the catalogue gives line by line, hostile lines that
// keep their place with a reason, and lists saved in the encodings spreadsheets use.
#include "catalogue/flangeinput.h"
#include "takeoff/takeoffrun.h"
#include "takeoff/takeofftextwriters.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>
#include <cmath>

namespace
{

struct Result {
    QJsonArray lines;
    QJsonObject totals;
    QStringList failures;
};

Result takeOff(const QByteArray &list)
{
    QBuffer input;
    input.setData(list);
    input.open(QIODevice::ReadOnly);
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    TakeoffJsonWriter writer(output);
    Result result;
    TextListRows rows(input, "list");
    computeTakeoff(rows, writer,
                   [&](const TakeoffLine &line) { result.failures.append(line.reason.english); });
    QString error;
    if (!writer.finish(error))
        qWarning() << error;
    QJsonParseError parseError{};
    const QJsonObject json = QJsonDocument::fromJson(output.data(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError)
        qWarning() << "JSON:" << parseError.errorString();
    result.lines = json.value("lines").toArray();
    result.totals = json.value("totals").toObject();
    return result;
}

// Lines that must fail, with what their reason says.
const QList<std::pair<QByteArray, QString>> &hostileLines()
{
    static const QList<std::pair<QByteArray, QString>> lines = {
        {"XX,1.0,A,100,1", "unknown flange kind \"XX\""},
        {"PL,1.0,A,11,2", "DN 11 is not listed for PL at 1.0 MPa"},
        {"PL,3.3,A,100,2", "pressure 3.3 MPa is not listed for PL"},
        {"PL,abc,A,100,2", "pressure \"abc\" is not a pressure"},
        {"SO,1.6,C,100,2", "series \"C\" is not A or B"},
        {"PL,1.0,A,DN1x,2", "DN \"DN1x\" is not a number"},
        {"PL,1.0,A,100,0", "quantity 0 is not a positive number"},
        {"PL,1.0,A,100,-1", "quantity -1 is not a positive number"},
        {"PL,1.0,A,100,1.5", "quantity 1.5 is not a whole number"},
        {"PL,1.0,A,100,99999999999999999999999", "is more than 1000000 on one line"},
        {"PL,1.0,A,100,1000001", "quantity 1000001 is more than 1000000"},
        {"PL,1.0,A,100,two", "quantity \"two\" is not a number"},
        // Under a header a missing cell is empty, a cell beyond it is no column.
        {"PL,1.0,A,100", "no quantity"},
        {"PL", "pressure \"\""},
        {"PL,1.0,A,100,2,extra", "beyond the header's last column (1 more cells)"},
        {"\"PL,1.0\",A,100,2,3", "unknown flange kind \"PL,1.0\""},
        {"\"PL,1.0,A,100,2", "the quote opened on this line is not closed"},
        {"WN,25,B,200,1", "WN DN 200 at 25.0 MPa has no series B form"},
        {"WN,25,B,250,1", "WN DN 250 at 25.0 MPa has no series B form"},
        // A face the kind is not made with at the pressure, in the kind or in a marking.
        {"WN-RJ,2.5,A,100,2", "WN at 2.5 MPa has no face RJ"},
        {"SO/RJ,4.0,A,100,2", "SO at 4.0 MPa has no face RJ"},
        {"PL-TG,1.0,A,100,2", "PL at 1.0 MPa has no face TG"},
        {"HG 20592 法兰 PL 100-1.6 M 20,2", "PL at 1.6 MPa has no face MFM"},
        // A line longer than a list's line may be, between two short ones: the reason quotes
        // its start.
        {QByteArray(100'000, 'X') + ",1.0,A,100,1", "the line is longer than 64 KiB"},
    };
    return lines;
}

} // namespace

class TestTakeoff : public QObject
{
    Q_OBJECT

private slots:
    void hostileLineKeepsItsPlace_data();
    void hostileLineKeepsItsPlace();
    void totalsAreTheCatalogueSum();
    void readsSpreadsheetEncodings_data();
    void readsSpreadsheetEncodings();
    void totalsCanBeTakenBack();
    void spilledTotalsEqualTotalsInMemory_data();
    void spilledTotalsEqualTotalsInMemory();
    void jointColumnCountsEachJoint_data();
    void jointColumnCountsEachJoint();
    void totalsPastTheLimitAreRefused_data();
    void totalsPastTheLimitAreRefused();
    void failedLinePressure_data();
    void failedLinePressure();
    void headerUnitsAndQuantityWords_data();
    void headerUnitsAndQuantityWords();
    void repeatedColumnNamesStayApart();
};

void TestTakeoff::hostileLineKeepsItsPlace_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("reason");
    for (const auto &[line, reason] : hostileLines())
        QTest::newRow(line.left(60).constData()) << line << reason;
}

// State: a good line, the hostile one, a good line. Expected: three lines in order, the middle
// one with "line 3: <reason>" and nothing of it in the totals.
void TestTakeoff::hostileLineKeepsItsPlace()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, reason);
    const Result r = takeOff("kind,pressure,series,dn,quantity\nPL,1.0,A,100,2\n" + line +
                             "\n\nSO,1.6,A,50,1\n");
    QCOMPARE(r.lines.size(), 3);
    QCOMPARE(r.lines[1]["line"].toInt(), 3);
    const QString error = r.lines[1]["error"].toString();
    QVERIFY2(error.startsWith("line 3: ") && error.contains(reason), qPrintable(error));
    QCOMPARE(r.failures, QStringList{error});
    QVERIFY(r.lines[0]["error"].isNull() && r.lines[2]["error"].isNull());
    QCOMPARE(r.lines[2]["line"].toInt(), 5);
    QCOMPARE(r.totals["flanges"].toInt(), 3);
    QVERIFY(r.lines[1]["weight_kg"].isNull());
}

// A generated list of listed rows (both series, every kind) with hostile lines mixed in: each
// good line's weight and the totals equal what the catalogue gives, looked up here directly.
void TestTakeoff::totalsAreTheCatalogueSum()
{
    QList<FlangeRecord> rows;
    forEachFlange([&](const FlangeRecord &r) { rows.append(r); });
    QRandomGenerator random(20240611);
    QByteArray list = "# a generated list\n";
    qint64 flanges = 0;
    qint64 hundredths = 0;
    // Bolt holes by fastener and designation; flanges by gasket.
    QMap<QString, qint64> holes, gaskets;
    QList<int> badLines;
    for (int n = 2; n <= 1500; ++n) {
        // A quote left open goes on over the next lines until one closes it: mixed in, it would
        // take the next hostile line with a quote into its row.
        if (const QByteArray &hostile =
                hostileLines()[random.bounded(int(hostileLines().size()))].first;
            random.bounded(10) == 0 && hostile.count('"') % 2 == 0) {
            list += hostile + '\n';
            badLines.append(n);
            continue;
        }
        const FlangeRecord &row = rows[random.bounded(int(rows.size()))];
        const int quantity = 1 + random.bounded(40);
        const QString kind = random.bounded(2) ? kindCode(row.kind) : kindChineseName(row.kind);
        list += QStringLiteral("%1\t%2\t%3\tDN%4\t%5\n")
                    .arg(kind, row.pressureText, seriesText(row.series))
                    .arg(row.dn)
                    .arg(quantity)
                    .toUtf8();
        if (!row.weightKg) {
            badLines.append(n);
            continue;
        }
        flanges += quantity;
        hundredths += std::llround(*row.weightKg * 100) * quantity;
        holes[QString::number(int(row.bolting.kind)) + row.bolting.designation] +=
            qint64(row.holeCount) * quantity;
        gaskets[QStringLiteral("RF %1-%2").arg(row.dn).arg(row.pressureText)] += quantity;
    }
    const Result r = takeOff(list);
    QCOMPARE(r.lines.size(), 1499);
    QList<int> failed;
    for (int i = 0; i < r.lines.size(); ++i) {
        QCOMPARE(r.lines[i]["line"].toInt(), i + 2);
        if (!r.lines[i]["error"].isNull())
            failed.append(i + 2);
    }
    QCOMPARE(failed, badLines);
    QCOMPARE(r.failures.size(), badLines.size());
    QCOMPARE(qint64(r.totals["flanges"].toDouble()), flanges);
    QCOMPARE(std::llround(r.totals["weight_kg"].toDouble() * 100), hundredths);
    // Each a joint's, halved and rounded up; no material.
    const auto counts = [&](const char *member, auto key) {
        QMap<QString, qint64> read;
        for (const QJsonValue &total : r.totals[member].toArray())
            read[key(total.toObject()) + total["material"].toString()] =
                qint64(total["count"].toDouble()) * 2;
        return read;
    };
    for (QMap<QString, qint64> *sums : {&holes, &gaskets})
        for (qint64 &count : *sums)
            count += count % 2;
    QCOMPARE(counts("bolts", [](const QJsonObject &o) {
                 return (o["kind"] == "stud_bolt" ? "1" : "0") + o["designation"].toString();
             }), holes);
    QCOMPARE(counts("gaskets", [](const QJsonObject &o) { return o["designation"].toString(); }),
             gaskets);
}

void TestTakeoff::readsSpreadsheetEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lastLineFails"); // the reason of a fifth line that cannot be read
    const auto list = [](const QString &lineEnd) {
        return QStringLiteral("类型,公称压力,系列,公称直径,数量%1带颈对焊,PN40,A,100,3%1"
                              "# 备注：注释行%1板式平焊,1.0,B,200,2%1")
            .arg(lineEnd);
    };
    const QString crlf = list("\r\n");
    const auto utf16 = [](const QString &text, QStringConverter::Encoding encoding) {
        return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text));
    };
    QTest::newRow("GB18030") << QByteArray(QStringEncoder("GB18030").encode(crlf)) << "";
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + crlf.toUtf8() << "";
    QTest::newRow("UTF-8") << crlf.toUtf8() << "";
    QTest::newRow("UTF-16 LE with BOM") << utf16(crlf, QStringConverter::Utf16LE) << "";
    QTest::newRow("UTF-16 BE with BOM") << utf16(list("\n"), QStringConverter::Utf16BE) << "";
    QTest::newRow("UTF-8, lone CR line ends") << list("\r").toUtf8() << "";
    QTest::newRow("GB18030, lone CR line ends")
        << QByteArray(QStringEncoder("GB18030").encode(list("\r"))) << "";
    // A comment written elsewhere decides nothing.
    QTest::newRow("UTF-8 with a Latin-1 comment")
        << crlf.toUtf8().replace("备注：注释行", "Projekt M\xfcller") << "";
    QTest::newRow("UTF-8 with a GB18030 line")
        << crlf.toUtf8() +
               QStringEncoder("GB18030").encode(QStringLiteral("板式平焊,1.0,A,100,1\n"))
        << "line 5: the line cannot be decoded as UTF-8";
    QTest::newRow("GB18030 with a UTF-8 line")
        << QStringEncoder("GB18030").encode(crlf) +
               QStringLiteral("板式平焊,1.0,A,100,1\n").toUtf8()
        << "line 5: the line cannot be decoded as GB18030";
}

// Every encoding reads the same lines with the same numbers; a line of a mixed file is named.
void TestTakeoff::readsSpreadsheetEncodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lastLineFails);
    const Result r = takeOff(bytes);
    QCOMPARE(r.lines.size(), lastLineFails.isEmpty() ? 2 : 3);
    QCOMPARE(r.failures.size(), lastLineFails.isEmpty() ? 0 : 1);
    if (!lastLineFails.isEmpty())
        QVERIFY2(r.failures[0].startsWith(lastLineFails), qPrintable(r.failures[0]));
    const auto expected = [](FlangeKind kind, double mpa, int dn, PipeSeries series, int count) {
        const FlangeRecord row = *lookUpFlange(kind, *listedRating(kind, mpa), dn, series);
        return std::llround(*row.weightKg * 100) * count;
    };
    QCOMPARE(r.lines[0]["kind"].toString(), "WN");
    QCOMPARE(r.lines[0]["line"].toInt(), 2);
    QCOMPARE(std::llround(r.lines[0]["weight_kg"].toDouble() * 100),
             expected(FlangeKind::WeldNeck, 4.0, 100, PipeSeries::A, 3));
    QCOMPARE(r.lines[1]["line"].toInt(), 4);
    QCOMPARE(std::llround(r.lines[1]["weight_kg"].toDouble() * 100),
             expected(FlangeKind::Plate, 1.0, 200, PipeSeries::B, 2));
}

// A table that edits its lines takes a line back out: the totals return to where they were.
void TestTakeoff::totalsCanBeTakenBack()
{
    TakeoffCalculator calculator;
    TakeoffTotals totals;
    const TakeoffLine kept = calculator.compute(1, {"SO", "2.5", "A", "80", "7"});
    TakeoffLine edited = calculator.compute(2, {"WN", "10", "B", "150", "3"});
    QVERIFY(kept.ok() && edited.ok());
    edited.ownJoints = true; // a valve's flanges, counted apart
    totals.add(kept);
    const QList<BoltTotal> bolts = totals.bolts();
    const QList<NutTotal> nuts = totals.nuts();
    const QList<GasketTotal> gaskets = totals.gaskets();
    totals.add(edited);
    totals.remove(edited);
    QCOMPARE(totals.bolts(), bolts);
    QCOMPARE(totals.nuts(), nuts);
    QCOMPARE(totals.gaskets(), gaskets);
    QCOMPARE(totals.flanges(), 7);
    QCOMPARE(totals.weightHundredths(), kept.weightHundredths);
}

void TestTakeoff::spilledTotalsEqualTotalsInMemory_data()
{
    QTest::addColumn<qint64>("memory"); // the spilled totals' bound, in bytes
    QTest::addColumn<bool>("takeBack"); // a third of the lines taken out again after spilling
    QTest::newRow("a run a group: generations of runs merged") << 1LL << false;
    QTest::newRow("a few groups a run") << 8'000LL << false;
    QTest::newRow("lines taken back out of spilled runs") << 8'000LL << true;
}

// Random lines of a thousand materials (flanges of every kind, bolting of their own materials or
// none, some mating valves) give the same items, in the same order, whether their groups went
// to temporary files or stayed in memory.
void TestTakeoff::spilledTotalsEqualTotalsInMemory()
{
    QFETCH(qint64, memory);
    QFETCH(bool, takeBack);
    QList<FlangeRecord> rows; // those a line can take off: a weight, so a whole row
    forEachFlange([&](const FlangeRecord &r) {
        if (r.weightKg)
            rows.append(r);
    });
    QRandomGenerator random(11);
    TakeoffCalculator calculator;
    TakeoffTotals spilled(memory), held(0);
    const auto material = [&](const char *prefix) {
        const int which = int(random.bounded(1000));
        return which < 50 ? QString() : QStringLiteral("%1%2").arg(prefix).arg(which);
    };
    for (int i = 0; i < 2000; ++i) {
        const FlangeRecord &r = rows[random.bounded(int(rows.size()))];
        TakeoffLine line =
            calculator.compute(i + 1, {kindCode(r.kind), r.pressureText, seriesText(r.series),
                                       QString::number(r.dn), QString::number(1 + i % 9)});
        QVERIFY2(line.ok(), qPrintable(line.reason.english));
        line.material = material("钢");
        line.boltMaterial = random.bounded(2) ? line.material : material("35CrMoA-");
        line.nutMaterial = random.bounded(2) ? line.boltMaterial : material("30CrMo-");
        line.gasketMaterial = material("石墨");
        line.ownJoints = random.bounded(5) == 0;
        spilled.add(line);
        if (takeBack && i % 3 == 0)
            spilled.remove(line);
        else
            held.add(line);
    }
    QList<TotalsItem> fromFiles, fromMemory;
    spilled.forEachItem([&](const TotalsItem &item) { fromFiles.append(item); });
    held.forEachItem([&](const TotalsItem &item) { fromMemory.append(item); });
    QCOMPARE(spilled.exceeded(), QString());
    QVERIFY(fromMemory.size() > 1000);
    QVERIFY(fromFiles == fromMemory);
    // The flanges by material add up to the flanges and their weight.
    qint64 flanges = 0, hundredths = 0;
    for (const TotalsItem &item : fromFiles)
        if (const auto *m = std::get_if<MaterialFlanges>(&item))
            flanges += m->flanges, hundredths += m->weightHundredths;
    QCOMPARE(flanges, spilled.flanges());
    QCOMPARE(hundredths, spilled.weightHundredths());
}

void TestTakeoff::jointColumnCountsEachJoint_data()
{
    QTest::addColumn<QByteArray>("list"); // of WN PN 1.6 DN 100 flanges
    QTest::addColumn<int>("halfJoints");  // the bolts are its holes times this, halved
    QTest::addColumn<int>("gaskets");
    QTest::addColumn<QString>("refused"); // the one failed line's reason; "" for none
    const QByteArray header = "类型,公称压力,公称直径,数量,连接\n";
    // Paired flanges: p/2 joints, p/2 rounded up gaskets. Own joints: one each.
    QTest::newRow("no joint column: two flanges a joint, 3 flanges 1.5 joints")
        << QByteArray("类型,公称压力,公称直径,数量\nWN,1.6,100,3\n") << 3 << 2 << "";
    QTest::newRow("成对 and an empty cell pool their flanges: 5 paired")
        << header + "WN,1.6,100,3,成对\nWN,1.6,100,2,\n"
        << 5 << 3 << "";
    QTest::newRow("an odd count of nozzle flanges: 3 joints, nothing rounded")
        << header + "WN,1.6,100,3,设备管口\n"
        << 6 << 3 << "";
    // 3 paired (1.5 joints, 2 gaskets) + 1 valve + 2 equipment: 3 + 2 + 4 half joints, 2 + 3.
    QTest::newRow("a valve's flange does not pair with the odd paired one")
        << header + "WN,1.6,100,3,成对\nWN,1.6,100,1,闸阀\nWN,1.6,100,2,设备\n"
        << 9 << 5 << "";
    // 2 pump flanges (4 half joints, 2 gaskets) + 2 paired (2, 1).
    QTest::newRow("English name and words")
        << QByteArray("kind,pressure,dn,qty,Joint\nWN,1.6,100,2,pump\nWN,1.6,100,2,Pair\n") << 6
        << 3 << "";
    // Only the single flange counts: 2 half joints, 1 gasket.
    QTest::newRow("an unknown word fails its line by name")
        << header + "WN,1.6,100,2,焊接\nWN,1.6,100,1,单片\n"
        << 2 << 1 << "line 2: 连接 \"焊接\" is not a known joint";
}

// The joint column against joints counted by hand: each bolt and gasket total of the one row.
void TestTakeoff::jointColumnCountsEachJoint()
{
    QFETCH(QByteArray, list);
    QFETCH(int, halfJoints);
    QFETCH(int, gaskets);
    QFETCH(QString, refused);
    const Result r = takeOff(list);
    QCOMPARE(r.failures.size(), refused.isEmpty() ? 0 : 1);
    if (!refused.isEmpty())
        QVERIFY2(r.failures[0].startsWith(refused), qPrintable(r.failures[0]));
    const int holes = lookUpFlange(FlangeKind::WeldNeck, *listedRating(FlangeKind::WeldNeck, 1.6),
                                   100, PipeSeries::A)
                          ->holeCount;
    const QJsonArray bolts = r.totals["bolts"].toArray(), sealed = r.totals["gaskets"].toArray();
    QCOMPARE(bolts.size(), 1);
    QCOMPARE(bolts[0]["count"].toInt(), holes * halfJoints / 2);
    QCOMPARE(sealed.size(), 1);
    QCOMPARE(sealed[0]["count"].toInt(), gaskets);
}

void TestTakeoff::totalsPastTheLimitAreRefused_data()
{
    QTest::addColumn<QString>("dn"); // WN PN 4.0: stud bolts with two nuts
    QTest::addColumn<qint64>("quantity");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("8 holes: the bolts pass, not the flanges")
        << "100" << 250'000'000'000'001LL << "bolts number more than";
    QTest::newRow("4 holes: the nuts pass, not the bolts")
        << "25" << 150'000'000'000'000LL << "nuts number more than";
}

// Two lines no list could hold, made here (their weight left out): the first total past the
// limit is named and none is written; taking the lines back out gives the totals again.
void TestTakeoff::totalsPastTheLimitAreRefused()
{
    QFETCH(QString, dn);
    QFETCH(qint64, quantity);
    QFETCH(QString, refusal);
    TakeoffCalculator calculator;
    TakeoffLine line = calculator.compute(1, {"WN", "4.0", "A", dn, "1"});
    QVERIFY(line.ok());
    line.quantity = quantity;
    line.weightHundredths = 0;
    TakeoffTotals totals;
    totals.add(line);
    totals.add(line);
    QVERIFY2(totals.exceeded().contains(refusal), qPrintable(totals.exceeded()));
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    TakeoffJsonWriter writer(output);
    writer.begin({});
    writer.writeTotals(totals);
    QString error;
    QVERIFY(writer.finish(error));
    const QJsonObject written = QJsonDocument::fromJson(output.data()).object()["totals"].toObject();
    for (const char *member : {"bolts", "nuts", "gaskets", "flanges"})
        QVERIFY2(written[member].isNull(), member);
    totals.remove(line);
    totals.remove(line);
    QCOMPARE(totals.exceeded(), QString());
    QVERIFY(totals.bolts().isEmpty() && totals.gaskets().isEmpty());
}

void TestTakeoff::failedLinePressure_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QJsonValue>("pressure");
    QTest::newRow("listed, DN not") << QByteArray("PL,PN10,A,11,2") << QJsonValue("1.0");
    QTest::newRow("listed, no series B form") << QByteArray("WN,25,B,200,1") << QJsonValue("25.0");
    QTest::newRow("not listed") << QByteArray("PL,3.30,A,100,2") << QJsonValue("3.30");
    QTest::newRow("unknown kind") << QByteArray("XX,PN16,A,100,1") << QJsonValue("PN16");
    QTest::newRow("no pressure") << QByteArray("PL,abc,A,100,2") << QJsonValue();
    QTest::newRow("quote in it") << QByteArray("PL,\"1\"\"\",A,100,2") << QJsonValue();
}

// A failed line's pressure_mpa: the kind's list text when it lists the pressure, the text as
// written when it does not, null when the text is no pressure.
void TestTakeoff::failedLinePressure()
{
    QFETCH(QByteArray, line);
    QFETCH(QJsonValue, pressure);
    const Result r = takeOff(line + '\n');
    QCOMPARE(r.lines.size(), 1);
    QVERIFY(!r.lines[0]["error"].isNull());
    QCOMPARE(r.lines[0]["pressure_mpa"], pressure);
}

void TestTakeoff::headerUnitsAndQuantityWords_data()
{
    QTest::addColumn<QString>("pressureHeader");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("dnHeader");
    QTest::addColumn<QString>("quantityHeader");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<double>("mpa"); // 0: the line fails
    QTest::addColumn<int>("pieces");
    QTest::addColumn<int>("notes"); // header columns refused for their unit
    const auto row = [](const char *name, const QString &ph, const QString &p, const QString &dh,
                        const QString &qh, const QString &q, double mpa, int pieces, int notes) {
        QTest::newRow(name) << ph << p << dh << qh << q << mpa << pieces << notes;
    };
    const QString P = "公称压力", D = "公称直径", Q = "数量";
    row("bar in the header", "公称压力(bar)", "16", D, Q, "2", 1.6, 2, 0);
    row("MPa in full-width brackets", "公称压力（MPa）", "1.6", D, Q, "2", 1.6, 2, 0);
    row("kgf/cm² in the header", "压力(kgf/cm²)", "16", D, Q, "2", 1.6, 2, 0);
    row("公斤 of a pressure", "压力（公斤）", "25", D, Q, "1", 2.5, 1, 0);
    row("unit after a slash", "公称压力/bar", "40", D, Q, "1", 4.0, 1, 0);
    row("PN under a bar header", "PN(bar)", "PN25", D, Q, "1", 2.5, 1, 0);
    row("PN under MPa keeps its two readings", "公称压力(MPa)", "PN16", D, Q, "1", 0, 0, 0);
    row("the value's own unit wins", "公称压力(bar)", "1.6MPa", D, Q, "1", 1.6, 1, 0);
    row("kgf/cm² off the series", "压力(kgf/cm2)", "15", D, Q, "1", 0, 0, 0);
    row("psi is not converted", "公称压力(psi)", "232", D, Q, "1", 0, 0, 1);
    row("DN in millimetres", P, "1.6", "公称直径(mm)", Q, "1", 1.6, 1, 0);
    row("DN in inches", P, "1.6", "公称直径(in)", Q, "1", 0, 0, 1);
    row("pairs in the header", P, "1.6", D, "数量(副)", "2", 1.6, 4, 0);
    row("副 in the value", P, "1.6", D, Q, "2副", 1.6, 4, 0);
    row("对 in the value", P, "1.6", D, Q, "2对", 1.6, 4, 0);
    row("pairs in English", P, "1.6", D, "Qty", "3 pairs", 1.6, 6, 0);
    row("pieces header, a value in pairs", P, "1.6", D, "数量(pcs)", "2对", 1.6, 4, 0);
    row("pairs header, a value in pieces", P, "1.6", D, "数量（副）", "3片", 1.6, 3, 0);
    row("half a pair", P, "1.6", D, Q, "1.5副", 0, 0, 0);
    row("pairs past the line's limit", P, "1.6", D, "数量(副)", "600000", 0, 0, 0);
    // Not a count: the column is carried, the line is one flange.
    row("a mass is no quantity", P, "1.6", D, "数量(kg)", "25", 1.6, 1, 1);
}

// A header's unit applies to its column's bare numbers; a unit the column cannot hold leaves the
// column unread and says so; pairs are two pieces.
void TestTakeoff::headerUnitsAndQuantityWords()
{
    QFETCH(QString, pressureHeader);
    QFETCH(QString, pressure);
    QFETCH(QString, dnHeader);
    QFETCH(QString, quantityHeader);
    QFETCH(QString, quantity);
    QFETCH(double, mpa);
    QFETCH(int, pieces);
    QFETCH(int, notes);
    const QString list = QStringList{"类型", pressureHeader, dnHeader, quantityHeader}.join(',') +
                         "\nWN," + pressure + ",100," + quantity + "\n";
    const Result r = takeOff(list.toUtf8());
    QJsonObject line;
    int skipped = 0;
    for (const QJsonValue &value : r.lines) {
        if (value["skipped"].isString()) {
            QVERIFY(value["skipped"].toString().startsWith("line 1: "));
            ++skipped;
        } else {
            line = value.toObject();
        }
    }
    QCOMPARE(skipped, notes);
    QCOMPARE(line["line"].toInt(), 2);
    if (mpa == 0) {
        QVERIFY(line["error"].isString());
        QCOMPARE(r.totals["flanges"].toInt(), 0);
        return;
    }
    QVERIFY2(line["error"].isNull(), qPrintable(line["error"].toString()));
    QCOMPARE(line["pressure_mpa"].toVariant().toDouble(), mpa);
    QCOMPARE(line["quantity"].toInt(), pieces);
    QCOMPARE(r.totals["flanges"].toInt(), pieces);
}

QTEST_GUILESS_MAIN(TestTakeoff)
#include "tst_takeoff.moc"

// Columns of one name are carried under distinct names, each with its own text: a repeated name
// takes the first number no column holds yet, a name that already carries a number included.
void TestTakeoff::repeatedColumnNamesStayApart()
{
    const Result r = takeOff("类型,压力,公称直径,x,x (3),,x,x,y\nPL,1.0,100,a,b,e,c,d,f\n");
    const QVariantMap carried = r.lines.first()["list_columns"].toObject().toVariantMap();
    const QVariantMap expected = {{"x", "a"},     {"x (3)", "b"},  {"x (2)", "c"},
                                  {"x (4)", "d"}, {"第 6 列", "e"},  {"y", "f"}};
    QCOMPARE(carried, expected);
}
