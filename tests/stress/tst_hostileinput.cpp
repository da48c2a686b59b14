// Hostile values typed into each real query window: DN texts that overflow, wrap, carry signs,
// grouping or full-width digits, and dimensions so large that the area or weight overflows.
// Each has a defined outcome, and none may crash. Then hostile lists and title-block texts
// through the real program, its files read back by independent readers.
#include "app/windows.h"
#include "support/messagecatcher.h"
#include "support/programrun.h"
#include "widgets/fonts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace
{

// What the tests need to know of one query window. Row 1.0 MPa of its pressure list lists DN 10
// with outside diameter 90 and 4 holes of 14 in all three.
struct Window {
    WindowKind kind;
    int pressureRow; // "1.0"
    int dnBox;
    int outsideBox;   // D, read back by the area or weight
    int thicknessBox; // C
    int calloutBox;   // bolt-hole callout
    int areaBox;      // 0: the window shows no area
    int weightBox;
    QString dnMessage;
};

const Window Plate = {
    WindowKind::FormPL, 2, 11, 7, 9, 3, 10, 12, QStringLiteral("请重新输入公称直径！")};
const Window SlipOn = {
    WindowKind::FormSO, 1, 1, 3, 7, 5, 12, 14, QStringLiteral("公称直径不对，请重新输入！")};
const Window WeldNeck = {
    WindowKind::FormWN, 0, 1, 3, 7, 5, 0, 12, QStringLiteral("请确认公称通径！")};
const Window *const AllWindows[] = {&Plate, &SlipOn, &WeldNeck};

// The remark of a workbook's first line, once its sheet parsed as XML, compared by openpyxl.
const char WorkbookRemark[] = R"py(
import sys, zipfile, xml.etree.ElementTree as xml, openpyxl
xml.fromstring(zipfile.ZipFile(sys.argv[1]).read("xl/worksheets/sheet1.xml"))
rows = list(openpyxl.load_workbook(sys.argv[1]).active.values)
print("same" if rows[1][rows[0].index("备注")] == sys.argv[2] else rows[1])
)py";
// The header's width and last name, and the first line's weight against its unit weight.
const char WorkbookWidth[] = R"py(
import sys, openpyxl
h, r = list(openpyxl.load_workbook(sys.argv[1]).active.values)[:2]
print(len(h), h[-1], r[h.index("重量(kg)")] == 2 * r[h.index("单重(kg)")] > 0)
)py";
// Whether a drawing's texts, read by ezdxf and shown as AutoCAD's TEXT shows them (a caret
// code at reading, \U+ escapes, %% codes, %%c the diameter sign typed as φ), hold the text.
const char DrawingText[] = R"py(
import re, sys, ezdxf
codes = {"%": "%", "c": "φ", "d": "°", "p": "±", "u": "", "o": "", "k": ""}
def shown(m):
    caret, hexadecimal, code = m.groups()
    if caret:
        return "^" if caret == " " else chr(ord(caret) - 64)
    if hexadecimal:
        return chr(int(hexadecimal, 16))
    return chr(int(code)) if code.isdigit() else codes[code.lower()]
texts = [re.sub(r"\^(.)|\\U\+([0-9A-F]{4})|%%([%cdpuok]|\d{3})", shown, e.dxf.text, flags=re.I)
         for e in ezdxf.readfile(sys.argv[1]).modelspace().query("TEXT")]
print("found" if sys.argv[2] in texts else texts)
)py";

const QRegularExpression ResultShape(QStringLiteral("^-?(0|[1-9][0-9]*)\\.[0-9]{2}$"));

QString kindName(const Window &w)
{
    return w.kind == WindowKind::FormPL ? "PL" : w.kind == WindowKind::FormSO ? "SO" : "WN";
}

// Writes (box, text) pairs; keys are box numbers.
using Typed = QList<QPair<int, QString>>;

} // namespace

Q_DECLARE_METATYPE(const Window *)
Q_DECLARE_METATYPE(Typed)

class TestHostileInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;
    QWidget *m_window = nullptr;

    QLineEdit *box(int n) const
    {
        auto *found = m_window->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n));
        if (!found)
            qFatal("no box Text%d", n);
        return found;
    }

    // Opens the window, picks 1.0 MPa and series A, types the texts, presses "查找".
    QStringList query(const Window &w, const Typed &typed)
    {
        m_windows->show(w.kind);
        m_window = m_windows->existing(w.kind);
        m_window->findChild<QListWidget *>("List1")->setCurrentRow(w.pressureRow);
        m_window->findChild<QListWidget *>("List2")->setCurrentRow(0);
        for (const auto &[n, text] : typed)
            box(n)->setText(text);
        MessageCatcher catcher;
        QTest::mouseClick(m_window->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        return catcher.texts();
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void init() { m_windows = std::make_unique<Windows>(); }
    void cleanup()
    {
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // DN texts: read as the number rules say, rounded half to even, and refused unless the
    // result is a listed 16-bit DN.
    void dnText_data()
    {
        QTest::addColumn<const Window *>("window");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<bool>("listed");
        const struct {
            const char *name;
            const char *text;
            bool listed;
        } cases[] = {
            {"overflowing exponent", "1e400", false},
            {"negative overflow", "-1e400", false},
            {"hexadecimal beyond 16 bits", "&HFFFFFFFF", false},
            {"octal beyond 16 bits", "&O77777777777", false},
            {"minus zero", "-0", false},
            {"plus sign", "+10", true},
            {"grouping comma stops the number", "1,000", false},
            {"full-width digits read as ASCII", "１０", true},
            {"blanks inside", " 1 0 ", true},
            {"hexadecimal ten", "&HA", true},
            {"exponent ten", "1e1", true},
            {"half rounds to the even ten", "10.5", true},
            {"half rounds up to the even ten", "9.5", true},
            {"rounds past the 16-bit top", "32767.5", false},
            {"16-bit bottom", "-32768.5", false},
            {"a megabyte of digits", nullptr, false},
        };
        for (const Window *w : AllWindows)
            for (const auto &c : cases)
                QTest::addRow("%s, %s", qPrintable(kindName(*w)), c.name)
                    << w << (c.text ? QString::fromUtf8(c.text) : QString(1 << 20, u'9'))
                    << c.listed;
    }
    void dnText()
    {
        QFETCH(const Window *, window);
        QFETCH(QString, dn);
        QFETCH(bool, listed);
        const Window &w = *window;

        const QStringList messages = query(w, {{w.dnBox, dn}});

        if (listed) {
            QCOMPARE(messages, QStringList());
            QCOMPARE(box(w.outsideBox)->text(), QStringLiteral("90"));
            QCOMPARE(box(w.calloutBox)->text(), QStringLiteral("4-φ14"));
        } else {
            QCOMPARE(messages, QStringList{w.dnMessage});
            QCOMPARE(box(w.outsideBox)->text(), QString()); // no number of no row
            QCOMPARE(box(w.calloutBox)->text(), QString());
        }
        for (int n : {w.areaBox, w.weightBox})
            if (n)
                QVERIFY2(listed ? ResultShape.match(box(n)->text()).hasMatch()
                                : box(n)->text().isEmpty(),
                         qPrintable(box(n)->text()));
    }

    // Numbers typed into the boxes the area and weight were once read back from, however
    // absurd, never reach the arithmetic: a refused query empties them, a found row overwrites
    // them, and its results keep their shape.
    void typedNumbersNeverReachTheResults_data()
    {
        QTest::addColumn<const Window *>("window");
        QTest::addColumn<QString>("typed");
        for (const Window *w : AllWindows)
            for (const char *typed : {"1e200", "-1e200", "&HFFFFFFFF", "1e400"})
                QTest::addRow("%s, %s", qPrintable(kindName(*w)), typed)
                    << w << QString::fromLatin1(typed);
    }
    void typedNumbersNeverReachTheResults()
    {
        QFETCH(const Window *, window);
        QFETCH(QString, typed);
        const Window &w = *window;
        const Typed hostile{{w.outsideBox, typed}, {w.thicknessBox, typed}};

        QCOMPARE(query(w, Typed{{w.dnBox, "0"}} + hostile), QStringList{w.dnMessage});
        for (int n : {w.outsideBox, w.thicknessBox, w.areaBox, w.weightBox})
            if (n)
                QCOMPARE(box(n)->text(), QString());

        QCOMPARE(query(w, Typed{{w.dnBox, "10"}} + hostile), QStringList());
        QCOMPARE(box(w.outsideBox)->text(), QStringLiteral("90"));
        for (int n : {w.areaBox, w.weightBox})
            if (n)
                QVERIFY2(ResultShape.match(box(n)->text()).hasMatch(), qPrintable(box(n)->text()));
    }

    // Hostile lists taken off to a workbook and title-block texts drawn as DXF by the real
    // program: the file holds what was given, as its reader shows it, or it is refused with one
    // line and no file.
    void filesHoldWhatWasGiven_data()
    {
        QTest::addColumn<QByteArray>("list");       // list.csv
        QTest::addColumn<QStringList>("arguments"); // writing out.xlsx or out.dxf
        QTest::addColumn<QString>("reader");        // its arguments: the file and `given`
        QTest::addColumn<QString>("given");         // or the refusal's message
        QTest::addColumn<QString>("read");          // what the reader prints; "" for a refusal
        const QStringList takeoff{"takeoff", "list.csv", "-o", "out.xlsx"};
        const auto remark = [&](const char *name, const QString &typed, const QString &kept) {
            QTest::newRow(name) << "类型,公称压力,系列,公称直径,数量,备注\nPL,1.0,A,100,2," +
                                       typed.toUtf8() + '\n'
                                << takeoff << WorkbookRemark << kept << "same";
        };
        remark("U+FFFE in a carried column", QStringLiteral("a\uFFFEb"),
               QStringLiteral("a\uFFFDb"));
        remark("NUL in a carried column", QStringLiteral("a") + QChar(0) + QStringLiteral("b"),
               QStringLiteral("a\uFFFDb"));
        remark("40,000 characters in a cell", QString(40'000, u'x'),
               QString(32'766, u'x') + QChar(0x2026));
        const auto wide = [](int carried) {
            return QByteArray("a,").repeated(carried) + "类型,公称压力,系列,公称直径,数量\n" +
                   QByteArray("v,").repeated(carried) + "PL,1.0,A,100,2\n";
        };
        QTest::newRow("a list as wide as a sheet") << wide(16'370) << takeoff << WorkbookWidth << ""
                                                   << "16384 错误 True";
        QTest::newRow("a list a column wider than a sheet") << wide(16'371) << takeoff << ""
                                                            << "do not fit in the 16384 columns"
                                                            << "";
        const auto typed =
            [](const char *name, const QString &text, const QString &refusal) {
                QTest::newRow(name)
                    << QByteArray()
                    << QStringList{"drawing",          "pl", "1.0", "100", "-o", "out.dxf",
                                   "--drawing-number", text}
                    << DrawingText << (refusal.isEmpty() ? text : refusal)
                    << (refusal.isEmpty() ? "found" : "");
            };
        typed("percent codes typed", QStringLiteral("%%u5%%d %%123"), {});
        typed("percent signs beside the diameter sign", QStringLiteral("%φ %%% 5%"), {});
        typed("character escapes typed", QStringLiteral("\\U+0041 \\M+1B0A1"), {});
        typed("caret codes typed", QStringLiteral("a^Jb^ c"), {});
        typed("a character beyond U+FFFF", QStringLiteral("x\U0001D11Ey"),
              QStringLiteral("U+1D11E"));
    }
    void filesHoldWhatWasGiven()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reader);
        QFETCH(QString, given);
        QFETCH(QString, read);
        QTemporaryDir folder;
        for (QString &argument : arguments)
            if (argument == u"list.csv" || argument.startsWith(u"out."))
                argument = folder.filePath(argument);
        QFile file(folder.filePath("list.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(list) == list.size());
        file.close();
        const QString out = arguments.at(arguments.indexOf("-o") + 1);

        const ProgramRun run = quorvit(arguments);

        if (read.isEmpty()) {
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.count(u'\n') == 1 && run.err.contains(given), qPrintable(run.err));
            QVERIFY(!QFile::exists(out));
            return;
        }
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const ProgramRun reading =
            runProgram(QStringLiteral("/usr/bin/python3"), {"-c", reader, out, given});
        QVERIFY2(reading.exitCode == 0, qPrintable(reading.err));
        QCOMPARE(reading.text().trimmed(), read);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
