// Writing never harms and hostile text cannot fool a reader, through the real executable: text
// from a list that a spreadsheet would evaluate comes back as text, characters XML forbids never
// reach a workbook, control characters never reach a terminal raw.
#include "support/programrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Runs /usr/bin/python3 with a script and arguments; its output, or its error when it failed.
QByteArray python(const char *script, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", script} + arguments);
    process.waitForFinished(60000);
    return process.exitCode() == 0 ? process.readAllStandardOutput()
                                   : "failed: " + process.readAllStandardError();
}

QString written(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

} // namespace

class TestSafeWriting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }
    void listTextComesBackAsText_data();
    void listTextComesBackAsText();
    void controlCharactersReachNoTerminal();

private:
    QTemporaryDir m_folder;
};

void TestSafeWriting::listTextComesBackAsText_data()
{
    QTest::addColumn<QString>("kind"); // the kind field of a line, as the list writes it
    QTest::addColumn<QString>("csvCell");
    QTest::addColumn<QString>("sheetText");
    const QString apostrophe = QStringLiteral("'");
    for (const char *formula :
         {"=1+2", "+cmd|' /C calc'!A0", "@SUM(A1)", "-2+3", "=HYPERLINK(\"x\")"})
        QTest::newRow(formula) << formula << apostrophe + formula << formula;
    QTest::newRow("a negative number stays a number") << "-5"
                                                      << "-5"
                                                      << "-5";
    QTest::newRow("a plain text") << "Flansch"
                                  << "Flansch"
                                  << "Flansch";
    QTest::newRow("U+FFFE") << QStringLiteral("PL\uFFFE") << QStringLiteral("PL\uFFFE")
                            << QStringLiteral("PL\uFFFD");
    QTest::newRow("U+FFFF and a C0 control")
        << QStringLiteral("a\uFFFF\u0001b") << QStringLiteral("a\uFFFF\u0001b")
        << QStringLiteral("a\uFFFD\uFFFDb");
}

// A line whose kind is hostile text, written as CSV and read by Python's csv module, and as a
// workbook read by openpyxl after its sheet parsed as XML: the CSV cell shows as text in a
// spreadsheet (a leading apostrophe before a formula), the workbook holds a text cell, never a
// formula, with what XML forbids replaced.
void TestSafeWriting::listTextComesBackAsText()
{
    QFETCH(QString, kind);
    QFETCH(QString, csvCell);
    QFETCH(QString, sheetText);
    QString quoted = kind;
    const QString list = written(m_folder.filePath("hostile.csv"),
                                 "\"" + quoted.replace("\"", "\"\"").toUtf8() + "\",1.0,A,100,1\n");
    const QString csv = m_folder.filePath("hostile-out.csv");
    const QString sheet = m_folder.filePath("hostile.xlsx");
    QCOMPARE(quorvit({"takeoff", list, "--format", "csv", "-o", csv}).exitCode, 1);
    QCOMPARE(quorvit({"takeoff", list, "--format", "xlsx", "-o", sheet}).exitCode, 1);

    const QJsonObject read = QJsonDocument::fromJson(python(R"(
import csv, json, sys, zipfile, xml.etree.ElementTree as xml, openpyxl
rows = list(csv.reader(open(sys.argv[1], encoding="utf-8-sig", newline="")))
xml.fromstring(zipfile.ZipFile(sys.argv[2]).read("xl/worksheets/sheet1.xml"))
cell = openpyxl.load_workbook(sys.argv[2]).active["B2"]
print(json.dumps({"csv": rows[1][1], "sheet": cell.value, "type": cell.data_type}))
)",
                                                            {csv, sheet}))
                                 .object();
    QCOMPARE(read["csv"].toString(), csvCell);
    QCOMPARE(read["sheet"].toString(), sheetText);
    QCOMPARE(read["type"].toString(), "s");
}

// Escape sequences and NULs in a list: the reason on stderr and the text table show them
// escaped, so neither can recolour, move or retitle the terminal.
void TestSafeWriting::controlCharactersReachNoTerminal()
{
    const char list[] = "PL\x1b]0;owned\x07\x1b[31m\x00,1.0,A,100,1\nPL\u009b2J,1.0,A,100,1\n";
    const ProgramRun run = quorvit(
        {"takeoff", written(m_folder.filePath("controls.csv"), QByteArray(list, sizeof list - 1))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(R"(kind "PL\x1b]0;owned\x07\x1b[31m\x00")"), qPrintable(run.err));
    QVERIFY2(run.out.contains(R"(PL\x1b]0;owned)"), run.out.constData());
    for (const QByteArray &shown : {run.out, run.err.toUtf8()})
        for (char control : {'\x1b', '\x07', '\0'})
            QVERIFY(!shown.contains(control));
    QVERIFY(!run.err.contains(QChar(0x9b)) && !run.text().contains(QChar(0x9b)));
}

QTEST_GUILESS_MAIN(TestSafeWriting)
#include "tst_safewriting.moc"
