// Hostile values typed into each real query window: DN texts that overflow, wrap, carry signs,
// grouping or full-width digits, and dimensions so large that the area or weight overflows.
// Each has a defined outcome, and none may crash.
#include "app/windows.h"
#include "support/messagecatcher.h"
#include "widgets/fonts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
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
    WindowKind::FormPL, 2, 11, 7, 9, 3, 10, 12, QStringLiteral("请从新输入公称直径！")};
const Window SlipOn = {
    WindowKind::FormSO, 1, 1, 3, 7, 5, 12, 14, QStringLiteral("公称直径不对，请从新输入！")};
const Window WeldNeck = {
    WindowKind::FormWN, 0, 1, 3, 7, 5, 0, 12, QStringLiteral("请确认公称通径！")};
const Window *const AllWindows[] = {&Plate, &SlipOn, &WeldNeck};

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
            QCOMPARE(box(w.outsideBox)->text(), QStringLiteral(" ")); // nothing written
            QCOMPARE(box(w.calloutBox)->text(), QStringLiteral("-φ"));
        }
        for (int n : {w.areaBox, w.weightBox})
            if (n)
                QVERIFY2(ResultShape.match(box(n)->text()).hasMatch(), qPrintable(box(n)->text()));
    }

    // Dimensions typed over a refused query are read back by the area and weight. A result
    // beyond the double range has no number to show: its box is left empty. A finite result,
    // however long, is shown in full with two decimals.
    void overflowingResult_data()
    {
        QTest::addColumn<const Window *>("window");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<int>("areaDigits");   // -1: empty; else at least this many digits
        QTest::addColumn<int>("weightDigits"); // the same for the weight

        QTest::newRow("PL, D squared overflows")
            << &Plate << Typed{{7, "1e200"}, {9, "1"}} << -1 << -1;
        QTest::newRow("PL, negative D squared overflows")
            << &Plate << Typed{{7, "-1e200"}, {9, "1"}} << -1 << -1;
        QTest::newRow("PL, infinite area times zero thickness")
            << &Plate << Typed{{7, "1e200"}, {9, "0"}} << -1 << -1;
        QTest::newRow("PL, huge area, weight overflows")
            << &Plate << Typed{{7, "1e150"}, {9, "1e300"}} << 290 << -1;
        QTest::newRow("PL, hexadecimal D")
            << &Plate << Typed{{7, "&HFFFFFFFF"}, {9, "1"}} << 7 << 7;

        QTest::newRow("SO, D squared overflows")
            << &SlipOn << Typed{{3, "1e200"}, {7, "1"}, {11, "2"}} << -1 << -1;
        QTest::newRow("SO, infinite area times zero thickness")
            << &SlipOn << Typed{{3, "1e200"}, {7, "0"}, {11, "0"}} << -1 << -1;
        QTest::newRow("SO, huge area, weight overflows")
            << &SlipOn << Typed{{3, "1e150"}, {7, "1e300"}, {11, "1"}} << 290 << -1;
        // Without a row the hub ring is 0, and 0 times an infinite height has no value.
        QTest::newRow("SO, overflowing height only")
            << &SlipOn << Typed{{3, "100"}, {7, "1"}, {11, "1e400"}} << 1 << -1;

        QTest::newRow("WN, D squared overflows")
            << &WeldNeck << Typed{{3, "1e200"}, {7, "1"}} << 0 << -1;
        QTest::newRow("WN, bore squared overflows negative")
            << &WeldNeck << Typed{{9, "1e200"}, {13, "1"}} << 0 << -1;
        QTest::newRow("WN, infinity minus infinity")
            << &WeldNeck << Typed{{3, "1e200"}, {7, "1"}, {9, "1e200"}, {13, "1"}} << 0 << -1;
        QTest::newRow("WN, huge but finite")
            << &WeldNeck << Typed{{3, "1e100"}, {7, "1"}} << 0 << 190;
    }
    void overflowingResult()
    {
        QFETCH(const Window *, window);
        QFETCH(Typed, typed);
        QFETCH(int, areaDigits);
        QFETCH(int, weightDigits);
        const Window &w = *window;

        typed.prepend({w.dnBox, QStringLiteral("0")}); // refused: no row overwrites D or C
        QCOMPARE(query(w, typed), QStringList{w.dnMessage});

        const auto expectResult = [&](int n, int digits) {
            const QString text = box(n)->text();
            if (digits < 0) {
                QVERIFY2(text.isEmpty(), qPrintable(text));
            } else {
                QVERIFY2(ResultShape.match(text).hasMatch(), qPrintable(text));
                QVERIFY2(text.size() >= digits + 3, qPrintable(text));
            }
        };
        if (w.areaBox)
            expectResult(w.areaBox, areaDigits);
        expectResult(w.weightBox, weightDigits);

        // The window still works: a listed DN afterwards gives its row.
        QCOMPARE(query(w, {{w.dnBox, "10"}}), QStringList());
        QCOMPARE(box(w.outsideBox)->text(), QStringLiteral("90"));
        for (int n : {w.areaBox, w.weightBox})
            if (n)
                QVERIFY2(ResultShape.match(box(n)->text()).hasMatch(), qPrintable(box(n)->text()));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
