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

// A workbook read back: its sheet parsed as XML, then by openpyxl: "ok" when the first line's
// remark is the given text, its weight twice its unit weight and the error column the last.
const char Workbook[] = R"py(
import sys, zipfile, xml.etree.ElementTree as xml, openpyxl
xml.fromstring(zipfile.ZipFile(sys.argv[1]).read("xl/worksheets/sheet1.xml"))
h, r = list(openpyxl.load_workbook(sys.argv[1]).active.values)[:2]
c = dict(zip(h, r))
print("ok" if c["备注"] == sys.argv[2] and c["重量(kg)"] == 2 * c["单重(kg)"] > 0 and h[-1] == "错误" else r)
)py";
// A drawing read back by ezdxf: "ok" when one of its texts, shown as AutoCAD's TEXT shows it (a
// caret code, a \U+ escape, a %% code; %%c the diameter sign typed as φ), is the given text.
const char Drawing[] = R"py(
import re, sys, ezdxf
codes = {"%": "%", "c": "φ", "d": "°", "p": "±", "u": "", "o": "", "k": ""}
def shown(m):
    c, u, p = m.groups()
    return ("^" if c == " " else chr(ord(c) - 64)) if c else chr(int(u, 16)) if u else \
        chr(int(p)) if p.isdigit() else codes[p.lower()]
texts = [re.sub(r"\^(.)|\\U\+([0-9A-F]{4})|%%([%cdpuok]|\d{3})", shown, e.dxf.text, flags=re.I)
         for e in ezdxf.readfile(sys.argv[1]).modelspace().query("TEXT")]
print("ok" if sys.argv[2] in texts else texts)
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
        QTest::addColumn<QByteArray>("list"); // on standard input
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("given");   // the text the reader looks for
        QTest::addColumn<QString>("refusal"); // part of the one line; "" when written
        const QStringList takeoff{"takeoff", "-", "--format", "xlsx"};
        const auto list = [](int carried, const QString &remark) {
            return QByteArray("a,").repeated(carried) + "类型,公称压力,系列,公称直径,数量,备注\n" +
                   QByteArray("v,").repeated(carried) + "PL,1.0,A,100,2," + remark.toUtf8();
        };
        const QString cut = QString(32'766, u'x') + QChar(0x2026);
        const QString kept = QStringLiteral("a\uFFFDb");
        QTest::newRow("U+FFFE in a carried column")
            << list(0, QStringLiteral("a\uFFFEb")) << takeoff << Workbook << kept << "";
        QTest::newRow("NUL in a carried column")
            << list(0, QStringLiteral("a") + QChar(0) + u'b') << takeoff << Workbook << kept << "";
        QTest::newRow("40,000 characters in a cell")
            << list(0, QString(40'000, u'x')) << takeoff << Workbook << cut << "";
        QTest::newRow("a list as wide as a sheet")
            << list(16'369, "z") << takeoff << Workbook << "z"
            << "";
        QTest::newRow("a list a column wider than a sheet") << list(16'370, "z") << takeoff << ""
                                                            << ""
                                                            << "do not fit in the 16384 columns";
        const auto drawn = [](const char *name, const QString &text, const QString &refusal) {
            const QStringList drawing{"drawing", "pl", "1.0", "100", "--format", "dxf"};
            QTest::newRow(name) << QByteArray() << drawing + QStringList{"--drawing-number", text}
                                << Drawing << text << refusal;
        };
        drawn("percent codes typed", QStringLiteral("%%u5%%d %%123 %φ%%%"), "");
        drawn("escapes and caret codes typed", QStringLiteral("\\U+0041 \\M+1B0A1 ^J^ c"), "");
        drawn("a character beyond U+FFFF", QStringLiteral("x\U0001D11Ey"), "U+1D11E");
    }
    void filesHoldWhatWasGiven()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reader);
        QFETCH(QString, given);
        QFETCH(QString, refusal);
        QTemporaryDir folder;
        const QString out =
            folder.filePath("out." + arguments.at(arguments.indexOf("--format") + 1));

        const ProgramRun run = quorvit(arguments << "-o" << out, list);

        if (!refusal.isEmpty()) {
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.count(u'\n') == 1 && run.err.contains(refusal), qPrintable(run.err));
            QVERIFY(!QFile::exists(out));
            return;
        }
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const ProgramRun read = runProgram("/usr/bin/python3", {"-c", reader, out, given});
        QCOMPARE(read.text().trimmed() + read.err, QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
