// Writing never harms and hostile text cannot fool a reader, through the real executable: a
// device, a FIFO, a folder or the list being read stays what it was after -o; a failed write
// says why in one line; a workbook's work files stay beside it and go with it; text from a list
// that a spreadsheet would evaluate comes back as text, characters XML forbids never reach a
// workbook, control characters never reach a terminal raw.
#include "support/programrun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

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

// Makes what a row writes to; false when the system does not let it be made.
bool makeTarget(const QString &kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const auto node = [&](mode_t type, int major, int minor, const char *orLinkTo) {
        return ::mknod(name, type | 0666, makedev(major, minor)) == 0 ||
               (orLinkTo && QFile::link(orLinkTo, path));
    };
    if (kind == "null device")
        return node(S_IFCHR, 1, 3, "/dev/null");
    if (kind == "full device")
        return node(S_IFCHR, 1, 7, "/dev/full");
    if (kind == "block device") // a number no disk has: even a wrong write would go nowhere
        return node(S_IFBLK, 240, 0, nullptr);
    if (kind == "fifo")
        return ::mkfifo(name, 0666) == 0;
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "socket") {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, name, sizeof address.sun_path);
        const int bound = ::socket(AF_UNIX, SOCK_STREAM, 0);
        return ::bind(bound, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    }
    return kind == "nothing";
}

// What a path names, through links.
QString typeOf(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path), &status) != 0)
        return "nothing";
    return S_ISCHR(status.st_mode)    ? "character device"
           : S_ISBLK(status.st_mode)  ? "block device"
           : S_ISFIFO(status.st_mode) ? "fifo"
           : S_ISDIR(status.st_mode)  ? "folder"
           : S_ISSOCK(status.st_mode) ? "socket"
                                      : "file";
}

} // namespace

class TestSafeWriting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void targetsStayWhatTheyWere_data();
    void targetsStayWhatTheyWere();
    void totalsStopAtTheirLimit_data();
    void totalsStopAtTheirLimit();
    void workbookWorkFilesGoWithTheRun_data();
    void workbookWorkFilesGoWithTheRun();
    void listTextComesBackAsText_data();
    void listTextComesBackAsText();
    void controlCharactersReachNoTerminal();
    void hostileTargetsKeepTheirState_data();
    void hostileTargetsKeepTheirState();

private:
    QTemporaryDir m_folder;
    QString m_list; // a list long enough to be written in many blocks
};

void TestSafeWriting::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_list = written(m_folder.filePath("list.csv"), QByteArray("PL,1.0,A,100,2\n").repeated(3000));
}

void TestSafeWriting::targetsStayWhatTheyWere_data()
{
    QTest::addColumn<QString>("made"); // what stands at the target before the run
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QStringList text{"takeoff", "@list", "-o", "@target"};
    const QStringList sheet = text + QStringList{"--format", "xlsx"};
    const QStringList dxf{"drawing", "pl", "1.0", "100", "-o", "@target", "--format", "dxf"};
    const QStringList svg{"drawing", "so", "1.6", "50", "-o", "@target", "--format", "svg"};
    const QString full = "cannot write @target: No space left on device";
    QTest::newRow("a null device takes a table") << "null device" << text << 0 << "";
    QTest::newRow("a null device takes a workbook") << "null device" << sheet << 0 << "";
    QTest::newRow("a null device takes a DXF") << "null device" << dxf << 0 << "";
    QTest::newRow("a FIFO takes an SVG") << "fifo" << svg << 0 << "";
    QTest::newRow("a FIFO takes a table") << "fifo" << text << 0 << "";
    QTest::newRow("a full device refuses a table") << "full device" << text << 1 << full;
    QTest::newRow("a full device refuses a workbook") << "full device" << sheet << 1 << full;
    QTest::newRow("a full device refuses a DXF") << "full device" << dxf << 1 << full;
    QTest::newRow("a folder") << "folder" << text << 1 << "cannot write @target: it is a folder";
    QTest::newRow("a socket") << "socket" << dxf << 1 << "cannot write @target: it is a socket";
    QTest::newRow("a block device") << "block device" << text << 1 << "it is a block device";
    QTest::newRow("the list being read, through a link")
        << "nothing" << QStringList{"takeoff", "@target", "-o", "@list"} << 1
        << "cannot write @list: it would overwrite the line list being read";
    QTest::newRow("an empty name")
        << "nothing" << QStringList{"takeoff", "@list", "-o", ""} << 2 << "-o needs a file name";
    // A file that may grow no more mid-stream (ulimit -f): the system's reason, one line.
    QTest::newRow("a table cut off mid-stream")
        << "limit" << text << 1 << "@target: File too large";
    QTest::newRow("a workbook cut off mid-stream") << "limit" << sheet << 1 << "File too large";
}

// State: something stands at the path -o names. Action: a take-off or drawing written there.
// Expected: the exit code and a one-line reason; whatever stood there is still what it was (a
// device is no file, a FIFO's reader got the output, the list is unchanged).
void TestSafeWriting::targetsStayWhatTheyWere()
{
    QFETCH(QString, made);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString target = folder.filePath("target");
    if (made == "nothing" && arguments.first() == "takeoff" && arguments[1] == "@target")
        QVERIFY(QFile::link(m_list, target));
    else if (!makeTarget(made, target) && made != "limit")
        QSKIP("this system cannot make the target");
    const QString before = typeOf(target);
    QProcess reader;
    if (made == "fifo") { // its reader's output to a file, so that the reader never waits
        reader.setStandardOutputFile(folder.filePath("read"));
        reader.start("cat", {target});
    }
    for (QString *text : {&message}) // a name as the reason gives it
        text->replace("@target", target).replace("@list", m_list);
    arguments.replaceInStrings("@target", target).replaceInStrings("@list", m_list);

    const ProgramRun run =
        made == "limit"
            ? runProgram("/bin/sh",
                         QStringList{"-c", "trap '' XFSZ; ulimit -f 40; exec \"$0\" \"$@\"",
                                     QUORVIT_PROGRAM} +
                             arguments)
            : quorvit(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.count('\n') <= (exitCode == 2 ? 2 : 1), qPrintable(run.err));
    QCOMPARE(typeOf(target), before);
    QCOMPARE(QFileInfo(m_list).size(), 3000 * 15);
    if (made == "fifo") {
        QVERIFY(reader.waitForFinished(10000));
        QVERIFY(QFileInfo(folder.filePath("read")).size() > 1000);
    }
}

void TestSafeWriting::totalsStopAtTheirLimit_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("format");
    // The heaviest flange a million at a time: 3838 lines stay within fifteen digits of
    // hundredths, 3839 pass them.
    for (const char *format : {"csv", "json", "text"}) {
        QTest::addRow("just within the limit, %s", format) << 3838 << format;
        QTest::addRow("just past the limit, %s", format) << 3839 << format;
    }
}

// Lines of the heaviest listed flange, a million a line, up to the most a total may hold: the
// total weight is exact to the hundredth, and one line more gives no total but the reason.
void TestSafeWriting::totalsStopAtTheirLimit()
{
    QFETCH(int, lines);
    QFETCH(QString, format);
    const QJsonObject row =
        QJsonDocument::fromJson(quorvit({"lookup", "WN", "1.6", "2000", "--format", "json"}).out)
            .object();
    const qint64 hundredths = qRound64(row["weight_kg"].toDouble() * 100) * lines * 1'000'000;
    const QString list = written(m_folder.filePath("heavy.csv"),
                                 QByteArray("WN,1.6,A,2000,1000000\n").repeated(lines));
    const ProgramRun run = quorvit({"takeoff", list, "--format", format});
    const bool within = hundredths <= 999'999'999'999'999;
    QCOMPARE(run.exitCode, within ? 0 : 1);
    const QString weight =
        QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QChar('0'));
    const QString totals = run.text().section(format == "json" ? "\"totals\"" : "合计", -1);
    if (format == "json")
        QCOMPARE(QJsonDocument::fromJson(run.out)["totals"]["weight_kg"].toDouble(),
                 within ? double(hundredths) / 100 : 0.0);
    else
        QCOMPARE(totals.contains(weight), within);
    QCOMPARE(run.err.contains("no totals: the total weight passes 9999999999999.99 kg"), !within);
}

void TestSafeWriting::workbookWorkFilesGoWithTheRun_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("interrupted") << SIGINT;
    QTest::newRow("terminated") << SIGTERM;
}

// State: a workbook being made from a list that keeps coming (standard input held open).
// Action: the program is stopped by a signal. Expected: its work files were beside the workbook,
// not in the temporary folder, and neither folder holds anything afterwards.
void TestSafeWriting::workbookWorkFilesGoWithTheRun()
{
    QFETCH(int, signal);
    QTemporaryDir out, temporary;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temporary.path());
    QProcess run;
    run.setProcessEnvironment(environment);
    run.start(QUORVIT_PROGRAM, {"takeoff", "-", "--format", "xlsx", "-o", out.filePath("x.xlsx")});
    QVERIFY(run.waitForStarted());
    run.write(QByteArray("PL,1.0,A,100,2\n").repeated(1000));
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(run.processId()));
    const auto workFilesIn = [&](const QString &folder) {
        qsizetype count = 0;
        for (const QString &link : descriptors.entryList(QDir::AllEntries | QDir::System))
            count += QFile::symLinkTarget(descriptors.filePath(link)).startsWith(folder + '/');
        return count;
    };
    QTRY_VERIFY(workFilesIn(out.path()) >= 2); // the workbook and the library's sheet
    QCOMPARE(workFilesIn(temporary.path()), 0);
    ::kill(pid_t(run.processId()), signal);
    QVERIFY(run.waitForFinished(10000));
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(
        QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());
}

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

void TestSafeWriting::hostileTargetsKeepTheirState_data()
{
    QTest::addColumn<QString>("setup");   // bash, in a folder holding list.csv; $Q the program
    QTest::addColumn<QString>("command"); // bash, its exit code the row's
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // of the one line on stderr; "" for none at all
    QTest::addColumn<QString>("state");   // bash printing what holds afterwards
    QTest::addColumn<QString>("expected");
    const QString log = "printf 'earlier\\n' > log;";
    const QString logThenOutput = "head -n1 log; tail -n +2 log | cmp - expected && echo same";
    QTest::newRow("standard output's name appends to a log")
        << log + "\"$Q\" takeoff list.csv --format csv > expected"
        << "\"$Q\" takeoff list.csv --format csv -o /dev/stdout >> log" << 0 << "" << logThenOutput
        << "earlier\nsame\n";
    QTest::newRow("a descriptor's name in /proc, through the hand-over")
        << log + "\"$Q\" drawing pl 1.0 100 --format dxf -o - > expected"
        << "\"$Q\" drawing pl 1.0 100 --format dxf -o /proc/self/fd/3 3>>log" << 0 << ""
        << "/usr/bin/python3 -c \"import ezdxf; first, rest = open('log', "
           "'rb').read().split(b'\\n', 1); "
           "open('rest', 'wb').write(rest); print(first.decode(), "
           "len(ezdxf.readfile('rest').modelspace()) == "
           "len(ezdxf.readfile('expected').modelspace()) > 0)\""
        << "earlier True\n";
    QTest::newRow("standard error's name takes a workbook after the log")
        << log << "\"$Q\" takeoff list.csv --format xlsx -o /dev/stderr 2>>log" << 0 << ""
        << "/usr/bin/python3 -c \"import io, zipfile; d = open('log', 'rb').read(); "
           "print(d[:7].decode()); "
           "print(zipfile.ZipFile(io.BytesIO(d[8:])).testzip())\""
        << "earlier\nNone\n";
    QTest::newRow("a descriptor not open") << ""
                                           << "\"$Q\" takeoff list.csv -o /dev/fd/9" << 1
                                           << "cannot write /dev/fd/9: Bad file descriptor"
                                           << "ls"
                                           << "list.csv\n";
    QTest::newRow("a name that is no UTF-8 keeps its bytes")
        << "printf keep > $'\\xef\\xbf\\xbd.dxf'"
        << "\"$Q\" drawing pl 1.0 100 -o $'\\xff.dxf'" << 0 << ""
        << "cat $'\\xef\\xbf\\xbd.dxf'; test -s $'\\xff.dxf' && echo ' written'"
        << "keep written\n";
    QTest::newRow("a GBK name opens its list")
        << "cp list.csv $'\\xb1\\xed.csv'; \"$Q\" takeoff list.csv --format json > expected"
        << "\"$Q\" takeoff $'\\xb1\\xed.csv' -o $'\\xb1\\xed.json'" << 0 << ""
        << "cmp $'\\xb1\\xed.json' expected && echo same"
        << "same\n";
    QTest::newRow("a missing GBK name is shown by its bytes")
        << ""
        << "\"$Q\" takeoff $'\\xb1\\xed.csv'" << 1 << "cannot read \\xb1\\xed.csv"
        << "ls"
        << "list.csv\n";
    QTest::newRow("an owner's file with another name, through a link")
        << "printf earlier > owned && chown nobody:nogroup owned && chmod 640 owned && ln owned "
           "other && ln -s owned link"
        << "\"$Q\" takeoff list.csv -o link" << 0 << "link had 2 names"
        << "stat -c '%U:%G %a %h' owned; test -L link && cat other"
        << "nobody:nogroup 640 1\nearlier";
    QTest::newRow("a new file as the umask has it")
        << ""
        << "umask 027; \"$Q\" takeoff list.csv -o new" << 0 << ""
        << "stat -c %a new"
        << "640\n";
    QTest::newRow("a loop of links") << "ln -s b a; ln -s a b"
                                     << "\"$Q\" takeoff list.csv -o a" << 1
                                     << "cannot write a: Too many levels of symbolic links"
                                     << "readlink a b"
                                     << "b\na\n";
    QTest::newRow("the list coming on standard input")
        << "cp list.csv copy"
        << "\"$Q\" takeoff - -o list.csv < list.csv" << 1
        << "cannot write list.csv: it would overwrite the line list being read"
        << "cmp list.csv copy && echo same"
        << "same\n";
    QTest::newRow("standard output appended to the list")
        << "cp list.csv copy"
        << "\"$Q\" takeoff list.csv >> list.csv" << 1
        << "cannot write standard output: it would overwrite the line list being read"
        << "cmp list.csv copy && echo same"
        << "same\n";
    QTest::newRow("a line break in the name")
        << ""
        << "\"$Q\" takeoff list.csv -o $'none/x\\nquorvit: forged'" << 1
        << "cannot write none/x\\nquorvit: forged"
        << "ls"
        << "list.csv\n";
    // Standard output that takes nothing: every command and form, and the program's own texts,
    // end with exit 1 and one line naming the failure; each invocation that does not prints its
    // exit code and message.
    QTest::newRow("standard output full or closed")
        << ""
        << R"sh(for to in '>/dev/full' '>&-'; do for c in --help --version 'lookup --help' \
 'lookup pl 1.0 100' 'table so 1.6 --format csv' 'table wn --format json' \
 'identify --outside-diameter 215' 'takeoff list.csv' 'takeoff list.csv --format json' \
 'takeoff list.csv --format csv' 'takeoff list.csv --format xlsx' 'drawing pl 1.0 100 -o -' \
 'drawing so 1.6 50 -o - --format svg' 'drawing wn 2.5 80 -o - --format pdf'; do
 eval "\"\$Q\" $c $to 2>err"; code=$?
 [ $code = 1 ] && [ $(wc -l < err) = 1 ] && grep -q 'cannot write standard output: ' err ||
 echo "$c $to: $code $(cat err)"; done; done >> report)sh"
        << 0 << "" << "cat report; rm report err; ls" << "list.csv\n";
    // A failed write ends a long take-off: the failed line far below is never reached.
    QTest::newRow("a long take-off stops at the first failed write")
        << "yes PL,1.0,A,100,2 | head -n 200000 > long.csv; echo XX,1.0,A,100,1 >> long.csv"
        << "\"$Q\" takeoff long.csv > /dev/full" << 1
        << "quorvit takeoff: cannot write standard output: No space left on device"
        << "ls" << "list.csv\nlong.csv\n";
    QTest::newRow("standard output closed while writing to a file")
        << "\"$Q\" takeoff list.csv -o expected.csv" << "\"$Q\" takeoff list.csv -o out.csv >&-"
        << 0 << "" << "cmp out.csv expected.csv && echo same" << "same\n";
    // A closed pipe ends the program quietly through SIGPIPE, as it ends cat; where SIGPIPE is
    // ignored, the write's failure is told as any other.
    const QString longList = "yes PL,1.0,A,100,2 | head -n 100000 > long.csv";
    QTest::newRow("a closed pipe")
        << longList << "\"$Q\" takeoff long.csv | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}"
        << 128 + SIGPIPE << "" << "ls" << "list.csv\nlong.csv\n";
    QTest::newRow("a closed pipe, SIGPIPE ignored")
        << longList
        << "trap '' PIPE; \"$Q\" takeoff long.csv | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}"
        << 1 << "quorvit takeoff: cannot write standard output: Broken pipe" << "ls"
        << "list.csv\nlong.csv\n";
    // A list's text in the text table: a line break, a carriage return, a tab, a C1 control or a
    // bidirectional control is shown escaped in its cell, so no cell forges a row or a total; CSV
    // and JSON keep the text as it was, for their own readers.
    QTest::newRow("a cell that would forge a row and a total")
        << R"sh(printf '%s\n' 'type,pn,series,dn,qty,备注' 'PL,1.0,A,100,2,"ok' '3  PL  1.0  A  100  2' \
 '' '法兰总数: 999 ""q"" \ '$'\x01\xe2\x80\xae\xe2\x81\xa6\x7f''"' > hostile.csv
 /usr/bin/python3 -c "import openpyxl; w = openpyxl.Workbook(); s = w.active
s.append(['type', 'pn', 'series', 'dn', 'qty', '备注']); s.append(['PL', '1.0', 'A', 50, 1, 'a\tb\rc'])
w.save('tabbed.xlsx')")sh"
        << R"sh("$Q" takeoff hostile.csv > t && "$Q" takeoff hostile.csv --format csv > c &&
 "$Q" takeoff hostile.csv --format json > j && "$Q" takeoff tabbed.xlsx >> t)sh"
        << 0 << ""
        << R"sh(/usr/bin/python3 -c "
import csv, json
made = list(csv.reader(open('hostile.csv', encoding='utf-8', newline='')))[1][5]
text = open('t', encoding='utf-8').read()
lines = text.splitlines()
print(sum(line[:1].isdigit() for line in lines), sum(line.startswith('法兰总数') for line in lines),
      any(ord(c) < 32 and c != '\n' or 0x7f <= ord(c) <= 0x9f or 0x2028 <= ord(c) <= 0x2069
          for c in text), all(shown in text for shown in [r'\u202e', r'a\tb\rc', r'ok\n3']),
      list(csv.reader(open('c', encoding='utf-8-sig', newline='')))[1][6] == made,
      json.load(open('j'))['lines'][0]['list_columns']['备注'] == made)")sh"
        << "2 2 False True True True\n";
}

// State: a target a careless writer harms: a descriptor's name over a log, a name that is no
// UTF-8, a file with an owner, a mode and another name, a loop of links, the list being read.
// Action: the real program writes there, from bash (descriptors and bytes as a user gives
// them). Expected: the exit code, the reason in one line, and the files' state afterwards.
void TestSafeWriting::hostileTargetsKeepTheirState()
{
    QFETCH(QString, setup);
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(QString, state);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    QVERIFY(!written(folder.filePath("list.csv"), "PL,1.0,A,100,2\nSO,1.6,A,50,1\n").isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("Q", QUORVIT_PROGRAM);
    const auto bash = [&](const QString &script) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.setProcessEnvironment(environment);
        process.start("/bin/bash", {"-c", script});
        process.waitForFinished(60000);
        return ProgramRun{process.exitCode(), process.readAllStandardOutput(),
                          QString::fromUtf8(process.readAllStandardError())};
    };
    const auto removeAll = qScopeGuard([&] { bash("rm -rf -- *"); }); // names Qt cannot decode
    if (bash(setup).exitCode != 0)
        QSKIP("this system cannot make the target (an owner needs root)");
    const ProgramRun run = bash(command);
    QCOMPARE(run.exitCode, exitCode);
    if (message.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.contains(message) && run.err.count('\n') == 1, qPrintable(run.err));
    QCOMPARE(bash(state).text(), expected);
}

QTEST_GUILESS_MAIN(TestSafeWriting)
#include "tst_safewriting.moc"
