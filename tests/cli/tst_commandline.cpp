// `quorvit COMMAND ...` run as a process: exit codes, output formats read back by independent
// readers, hostile arguments, and no GUI at all.
#include "support/programrun.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Runs /usr/bin/python3 with a script reading the given input; its stdout.
QString python(const QString &script, const QString &input)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script});
    process.write(input.toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())
        .trimmed();
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void exitCodesAndMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("inOut");
        QTest::addColumn<QString>("inErr");
        const auto row = [](const char *name, const QStringList &args, int code, const char *out,
                            const char *err) {
            QTest::newRow(name) << args << code << QString::fromUtf8(out) << QString::fromUtf8(err);
        };
        row("lookup, text", {"lookup", "pl", "1.0", "100"}, 0, "M16x75", "");
        row("Chinese kind, bar, DN prefix", {"lookup", "带颈对焊", "16bar", "DN250"}, 0, "405", "");
        row("old MPa designation", {"lookup", "pl", "PN2.5", "100"}, 1, "", "0.25 MPa or 2.5 MPa");
        row("a PN only one reading lists", {"lookup", "WN-RF", "PN 40", "DN 100"}, 0, "4.0 MPa",
            "");
        row("trailing zeros", {"lookup", "SO", "1.60", "100", "--series=b"}, 0, "108", "");
        row("whole-number pressure", {"lookup", "wn", "10", "100"}, 0, "10.0 MPa", "");
        row("table of one pressure", {"table", "PL", "1.6"}, 0, "M33", "");
        row("a whole marking", {"lookup", "HG 20595 法兰 WN100-2.5 RF S=4 20"}, 0, "2.5 MPa", "");
        row("a marking's number of another kind", {"lookup", "HG 20593 法兰 WN100-2.5 RF"}, 1, "",
            "HG 20593 is the standard of PL flanges, not of WN: write HG 20595-97");
        row("a marking and --series", {"lookup", "PL 100-1.0", "--series", "B"}, 2, "", "contra");
        row("a kind alone", {"lookup", "WN"}, 2, "", "missing PN");
        row("help", {"--help"}, 0, "lookup", "");
        row("command help", {"table", "--help", "--lang=en"}, 0, "Usage: quorvit table", "");
        row("version", {"--version"}, 0, "quorvit " QUORVIT_VERSION_TEXT, "");
        row("pressure not listed", {"lookup", "PL", "1.3", "100"}, 1, "", "压力不对，重新输入！");
        row("weld-neck pressure not listed", {"lookup", "WN", "0.6", "100"}, 1, "",
            "listed: 1.0, 1.6");
        row("DN not listed", {"lookup", "SO", "1.6", "11"}, 1, "", "公称直径不对，请重新输入！");
        row("a size without a series-B form (printed -)",
            {"lookup", "WN", "25", "200", "--series", "B"}, 1, "",
            "WN DN 200 at 25.0 MPa has no series B form");
        row("a size without a series-B form (printed 0)",
            {"lookup", "WN", "25", "250", "--series", "B"}, 1, "",
            "WN DN 250 at 25.0 MPa has no series B form");
        row("ring joint below its pressures", {"lookup", "WN-RJ", "2.5", "100"}, 1, "",
            "WN at 2.5 MPa has no face RJ");
        row("ring joint within them", {"lookup", "wn rj", "6.3", "100"}, 0, "M24", "");
        row("a face the kind is not made with", {"table", "PL TG", "1.0"}, 1, "", "no face TG");
        row("a face's table keeps its pressures", {"table", "WN-RJ", "--format", "csv"}, 0,
            "WN,6.3,", "");
        row("drawing refuses the face too", {"drawing", "SO-RJ", "1.6", "100", "-o", "x.svg"}, 1,
            "", "SO at 1.6 MPa has no face RJ");
        row("unknown kind", {"lookup", "XX", "1.6", "100"}, 2, "", "unknown flange kind");
        row("unknown command", {"frobnicate"}, 2, "", "unknown command");
        row("missing argument", {"lookup", "PL", "1.6"}, 2, "", "Usage: quorvit lookup");
        row("extra argument", {"table", "PL", "1.6", "7"}, 2, "", "unexpected argument");
        row("unknown option", {"table", "PL", "--colour"}, 2, "", "unknown option \"--colour\"");
        row("missing option value", {"table", "PL", "--series"}, 2, "", "missing value");
        row("bad series", {"table", "PL", "--series", "C"}, 2, "", "series");
        row("bad format", {"table", "PL", "--format", "xml"}, 2, "", "unknown format");
        // Hostile texts where a number or a name belongs.
        row("huge DN", {"lookup", "PL", "1.6", "999999999"}, 1, "", "not listed");
        row("DN past any integer", {"lookup", "PL", "1.6", QString(400, '9')}, 2, "", "DN");
        row("huge pressure", {"lookup", "PL", "1" + QString(30, '0'), "100"}, 1, "", "listed");
        row("overlong pressure", {"lookup", "PL", "1" + QString(400, '0'), "100"}, 2, "", "");
        row("NaN pressure", {"lookup", "PL", "nan", "100"}, 2, "", "pressure");
        row("infinite pressure", {"lookup", "PL", "inf", "100"}, 2, "", "pressure");
        row("exponent pressure", {"lookup", "PL", "1e999", "100"}, 2, "", "pressure");
        row("negative DN", {"lookup", "PL", "1.6", "-100"}, 1, "", "DN -100 is not listed");
        row("empty kind", {"lookup", "", "1.6", "100"}, 2, "", "kind");
        row("empty DN", {"lookup", "PL", "1.6", ""}, 2, "", "DN");
        row("long kind", {"lookup", QString(100000, 'P'), "1.6", "100"}, 2, "", "...");
        row("full-width digits", {"lookup", "板式平焊法兰", "１.６", "１００mm"}, 0, "M16x75", "");
        row("odd Unicode", {"lookup", "P\u200BL", "1.6\u0301", "10\uFE0F0"}, 2, "", "");
        row("surrogates and emoji", {"table", "\U0001F529"}, 2, "", "kind");
        // Ratings: a class's, the lowest class that holds, and every refusal by name.
        const QStringList a105at250{"rating", "--material", "A105", "--temperature", "250"};
        row("a class's rating", a105at250 + QStringList{"--class", "300"}, 0, "41.9 bar", "");
        row("the lowest class", a105at250 + QStringList{"--pressure", "４０bar"}, 0, "1.9 bar", "");
        row("every class", a105at250, 0, "PN420", "");
        row("a class too low", a105at250 + QStringList{"--class", "150#", "--pressure", "4MPa"}, 1,
            "", "Class 150 does not hold 40 bar at 250 °C in group 1.1: it is rated 12.1 bar");
        row("no class holds", a105at250 + QStringList{"--pressure", "40MPa"}, 1, "",
            "Class 2500 is rated 349.5 bar");
        row("a material of no group here", {"rating", "--material", "A105N", "--temperature", "20"},
            1, "", "material \"A105N\" has no material group here");
        row("a group without ratings", {"rating", "--material", "316", "--temperature", "20"}, 1,
            "", "material 316 is in material group 2.2, which has no ratings here");
        row("colder than rated", {"rating", "--material", "1.1", "--temperature", "-30"}, 1, "",
            "no rating below -29 °C");
        row("hotter than rated",
            {"rating", "--material", "WCB", "--class", "CL600", "--temperature", "600"}, 1, "",
            "has no rating above 538 °C");
        row("a PN no class has", a105at250 + QStringList{"--class", "PN16"}, 1, "",
            "names no class");
        row("a number no class has", a105at250 + QStringList{"--class", "200"}, 1, "",
            "Class 200 is no ASME B16.5 class");
        row("an unreadable class", a105at250 + QStringList{"--class", "high"}, 2, "", "class");
        row("degrees Fahrenheit", {"rating", "--material", "1.1", "--temperature", "500F"}, 2, "",
            "in °F");
        row("pressure in psi", a105at250 + QStringList{"--pressure", "600psi"}, 2, "", "MPa, bar");
        row("rating as CSV", a105at250 + QStringList{"--format", "csv"}, 2, "", "text or json");
        row("no temperature", {"rating", "--material", "A105"}, 2, "", "missing --temperature");
    }
    void exitCodesAndMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, inOut);
        QFETCH(QString, inErr);
        const ProgramRun run = quorvit(arguments);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        QVERIFY2(run.text().contains(inOut), qPrintable(run.text()));
        QVERIFY2(run.err.contains(inErr), qPrintable(run.err));
        // Data only on success, a one-line reason first on failure.
        QCOMPARE(run.out.isEmpty(), exitCode != 0);
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
        // A refused value is one line, the window's message and the reason together.
        if (exitCode == 1)
            QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    }

    // Every form an argument can take, parsed before any application exists, on a machine with
    // no display at all: whatever the exit, stderr holds only the program's own lines (no Qt
    // warning, no platform plugin's report), and a file named as an option is written.
    void argumentForms_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("inErr");
        QTest::addColumn<QString>("file");
        const auto row = [](const char *name, const QStringList &args, int code, const char *err,
                            const char *file = "") {
            QTest::newRow(name) << args << code << QString::fromUtf8(err) << QString(file);
        };
        row("an unknown letter", {"-x"}, 2, "unknown option \"-x\"");
        row("-v is not --version", {"-v"}, 2, "unknown option \"-v\"");
        row("a misspelt option before the windows", {"--windows", "takeoff"}, 2, "\"--windows\"");
        row("Qt's own option", {"-platform", "offscreen"}, 2, "\"-platform\"");
        row("--window without a name", {"--window"}, 2, "takeoff, identify");
        row("--window with a command", {"--window", "takeoff", "lookup"}, 2, "no command");
        row("the windows without a display", {}, 1, "WAYLAND_DISPLAY");
        row("a window without a display", {"--window=identify"}, 1, "quorvit --help");
        row("output glued to -o", {"drawing", "pl", "1.0", "100", "-o@x.svg"}, 0, "", "x.svg");
        row("output after -o=", {"drawing", "wn", "1.6", "50", "-o=@x.pdf"}, 0, "", "x.pdf");
        row("output after --output=", {"drawing", "so", "1.6", "80", "--output=@x.dxf"}, 0, "",
            "x.dxf");
        row("options before the arguments",
            {"drawing", "--series", "B", "-o", "@y.svg", "pl", "1.0", "100"}, 0, "", "y.svg");
        row("a negative DN is a value", {"lookup", "PL", "1.0", "-100"}, 1,
            "DN -100 is not listed");
        row("a negative pressure is a value", {"table", "SO", "-1.6"}, 1, "-1.6 MPa is not listed");
        row("a negative option value", {"identify", "--holes", "4", "--tolerance", "-1"}, 2,
            "--tolerance");
        row("a number after --", {"lookup", "PL", "1.0", "--", "-7"}, 1, "DN -7");
        row("a command's unknown letter", {"lookup", "pl", "1.0", "100", "-q"}, 2, "\"-q\"");
        row("help after a command", {"drawing", "-h"}, 0, "");
        row("--lang after a command's arguments", {"lookup", "pl", "1.0", "100", "--lang=en"}, 0,
            "");
        row("an unknown --lang after a command", {"table", "pl", "--lang", "fr"}, 2, "--lang");
    }
    void argumentForms()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, inErr);
        QFETCH(QString, file);
        QTemporaryDir folder;
        arguments.replaceInStrings(QStringLiteral("@"), folder.path() + QLatin1Char('/'));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            environment.remove(QString::fromLatin1(name));
        const ProgramRun run = quorvit(arguments, {}, environment);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        QVERIFY2(run.err.contains(inErr), qPrintable(run.err));
        for (const QString &line : run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(QLatin1String("quorvit")) ||
                         line.startsWith(QLatin1String("Usage: quorvit")),
                     qPrintable(run.err));
        if (!file.isEmpty())
            QVERIFY(QFileInfo(folder.filePath(file)).size() > 0);
    }

    // Python's own JSON reader takes the weld-neck table: an array of objects, every key in
    // order, numbers where lengths are, a bolt that reaches through both flanges, a gasket and
    // its nuts, and a 1.6 MPa DN 250 ring as corrected.
    void jsonReadsBackInPython()
    {
        const ProgramRun run = quorvit({"table", "WN", "--format", "json", "--series", "B"});
        QCOMPARE(run.exitCode, 0);
        const QString script = QStringLiteral(R"(
import json, sys
rows = json.load(sys.stdin)
keys = ['kind', 'pressure_mpa', 'dn', 'series', 'weld_end_diameter', 'outside_diameter',
        'bolt_circle', 'thickness', 'hub_diameter', 'wall_thickness', 'neck_height',
        'fillet_radius', 'height', 'hole_count', 'hole_diameter', 'callout', 'bolt',
        'bolt_designation', 'bolt_length_mm', 'nuts_per_bolt', 'weight_kg']
assert isinstance(rows, list) and len(rows) > 150, len(rows)
for r in rows:
    assert list(r) == keys, list(r)
    assert r['kind'] == 'WN' and r['series'] == 'B' and isinstance(r['pressure_mpa'], str)
    for k in keys[4:15]:
        assert r[k] is None or (type(r[k]) in (int, float) and r[k] >= 0), (k, r)
    assert r['callout'] == '%d-\u03c6%d' % (r['hole_count'], r['hole_diameter']), r
    assert round(r['weight_kg'], 2) == r['weight_kg'], r
    length, nuts = r['bolt_length_mm'], r['nuts_per_bolt']
    thread = r['bolt'].replace('x', '×').replace('X', '×')
    assert r['bolt_designation'] == '%s×%d' % (thread, length), r
    assert nuts == (1 if float(r['pressure_mpa']) <= 1.6 else 2), r
    d = int(thread[1:].split('×')[0])
    assert length % 5 == 0 and length >= 2 * r['thickness'] + 3 + nuts * 0.8 * d, r
ring = [r for r in rows if r['pressure_mpa'] == '1.6' and r['dn'] == 250][0]
print(ring['outside_diameter'], ring['bolt_circle'])
)");
        QCOMPARE(python(script, run.text()), QStringLiteral("405 355"));
    }

    // A rating read back by Python's json: the margin is the rating less the design pressure, in
    // both units, and the class chosen is the lowest of the Class series that holds.
    void ratingJsonReadsBackInPython()
    {
        const ProgramRun run = quorvit({"rating", "--material", "CF8", "--temperature", "260",
                                        "--pressure", "30bar", "--format", "json"});
        QCOMPARE(run.exitCode, 0);
        const QString script = QStringLiteral(R"(
import json, sys
r = json.load(sys.stdin)
assert r['material_group'] == '2.1' and r['material'] == 'CF8' and r['holds'] is True, r
assert abs(r['max_pressure_bar'] - r['design_pressure_bar'] - r['margin_bar']) < 0.011, r
assert abs(r['max_pressure_mpa'] * 10 - r['max_pressure_bar']) < 0.006, r
assert r['listed_temperatures_c'] == [250, 300] and r['interpolated'] is True, r
print(r['class'], r['class_pn'], r['max_pressure_bar'], r['margin_mpa'])
)");
        QCOMPARE(python(script, run.text()), QStringLiteral("300 PN50 32.18 0.218"));
    }

    // Python's csv reader takes the slip-on table: one header, equal field counts, the JSON's
    // values field for field.
    void csvMatchesJson()
    {
        const ProgramRun csv = quorvit({"table", "so", "--format", "csv"});
        const ProgramRun json = quorvit({"table", "so", "--format", "json"});
        QCOMPARE(csv.exitCode, 0);
        QCOMPARE(json.exitCode, 0);
        const QString script = QStringLiteral(R"(
import csv, json, sys
text = sys.stdin.read()
lines, js = text.split('\0')
rows = list(csv.DictReader(lines.splitlines()))
objs = json.loads(js)
assert len(rows) == len(objs)
for r, o in zip(rows, objs):
    assert list(r) == list(o)
    for k, v in o.items():
        assert r[k] == ('' if v is None else str(v)), (k, r[k], v)
print(len(rows))
)");
        const QString count = python(script, csv.text() + QChar(0) + json.text());
        QVERIFY2(count.toInt() > 50, qPrintable(count));
    }

    // With no display of any kind, a command loads no GUI platform plugin, not even Qt Gui (the
    // dynamic loader lists what it maps), and still answers.
    void runsWithoutAnyDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        const ProgramRun run = quorvit({"lookup", "pl", "1.0", "100"}, {}, environment);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.text().contains(QStringLiteral("M16x75")));
        QVERIFY2(!run.err.contains(QStringLiteral("platforms")), qPrintable(run.err));
        QVERIFY2(!run.err.contains(QStringLiteral("libQt6Gui")), qPrintable(run.err));
        // The window path, by contrast, does look for both: the checks above can see them.
        const ProgramRun windows = quorvit({}, {}, environment);
        QVERIFY2(windows.err.contains(QStringLiteral("platforms/")), qPrintable(windows.err));
        QVERIFY2(windows.err.contains(QStringLiteral("libQt6Gui")), qPrintable(windows.err));
    }

    // quorvit runs on Qt Core what needs nothing more and hands the rest, arguments as given, to
    // quorvit-gui (painting, windows) or quorvit-formats (DXF, xlsx). Each command line runs
    // with those where the tests put them, with neither, and with the two swapped: what needs
    // one then says so in one line, exits 1 and writes nothing (handed over once, not back and
    // forth), and a usage error is still told by quorvit itself.
    void handsOver_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("exitCodeWithoutHelpers");
        const QStringList wn{"drawing", "wn", "1.6", "100"};
        QTest::newRow("a lookup runs on Qt Core")
            << QStringList{"lookup", "so", "2.5", "50"} << QString() << 0 << 0;
        QTest::newRow("a DXF drawing is handed over") << wn << "图 1.dxf" << 0 << 1;
        QTest::newRow("an SVG drawing is handed over") << wn << "图 1.svg" << 0 << 1;
        QTest::newRow("a PDF data sheet named with = is handed over")
            << QStringList{"drawing", "pl", "1.0", "80", "--format=pdf"} << "sheet" << 0 << 1;
        QTest::newRow("a workbook is handed over")
            << QStringList{"takeoff", "-", "--format", "xlsx"} << "out.xlsx" << 0 << 1;
        QTest::newRow("a usage error is told before any hand-over")
            << (wn + QStringList{"--bogus"}) << "x.svg" << 2 << 2;
        QTest::newRow("the windows are handed over (and find no display)")
            << QStringList{} << QString() << 1 << 1;
    }
    void handsOver()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QFETCH(int, exitCodeWithoutHelpers);
        // The helpers where they are, missing, and swapped: each program then takes the other
        // for the one that has the part, and the line must not go back and forth.
        enum Helpers { Found, Missing, Swapped };
        for (const Helpers helpers : {Found, Missing, Swapped}) {
            const bool withHelpers = helpers == Found;
            QTemporaryDir folder;
            QVERIFY(folder.isValid());
            const QString path = folder.filePath(file);
            QStringList given = arguments;
            if (!file.isEmpty())
                given << QStringLiteral("-o") << path;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
            const QString gui = environment.value("QUORVIT_GUI_PROGRAM");
            const QString formats = environment.value("QUORVIT_FORMATS_PROGRAM");
            environment.insert("QUORVIT_GUI_PROGRAM", helpers == Found ? gui
                                                      : helpers == Swapped
                                                          ? formats
                                                          : folder.filePath("none"));
            environment.insert("QUORVIT_FORMATS_PROGRAM", helpers == Found ? formats
                                                          : helpers == Swapped
                                                              ? gui
                                                              : folder.filePath("none"));
            const ProgramRun run = quorvit(given, "PL,1.0,A,100,2\n", environment);
            const int expected = withHelpers ? exitCode : exitCodeWithoutHelpers;
            QVERIFY2(run.exitCode == expected,
                     qPrintable(QStringLiteral("%1, helper programs %2: exit %3, %4")
                                    .arg(given.join(' '), QString::number(helpers))
                                    .arg(run.exitCode)
                                    .arg(run.err)));
            if (!file.isEmpty())
                QCOMPARE(QFileInfo(path).size() > 0, expected == 0);
            if (expected != 0)
                QCOMPARE(run.err.count(QLatin1Char('\n')), expected == 2 ? 2 : 1);
            if (expected == 1 && !withHelpers)
                QVERIFY2(run.err.contains(helpers == Missing
                                              ? QStringLiteral("cannot start")
                                              : QStringLiteral("not handed over again")),
                         qPrintable(run.err));
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
