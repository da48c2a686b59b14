// The three query windows held to what every designed window must be, whatever its table says
// (every control inside the window, a hint on every box and list, each control once in the tab
// order, the drawing under the boxes, "清除" emptying every box), and the behaviours a user
// meets, through real clicks: lists that show only what they use, a found row, and a refused
// query that leaves no number on screen.
#include "catalogue/catalogue.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/linecontrol.h"
#include "windows/plate/plateflangewindow.h"
#include "windows/slipon/sliponflangewindow.h"
#include "windows/weldneck/weldneckflangewindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

using Texts = QMap<QString, QString>;

namespace
{

struct Design {
    const char *name;
    std::function<QueryWindow *()> create;
    FlangeKind kind;
    const char *dnBox;
    const char *clearButton;
    QStringList messages; // no pressure, DN not listed, no series
};
// clang-format off
const Design Designs[] = {
    {"FormPL", [] { return new PlateFlangeWindow; }, FlangeKind::Plate, "Text11", "Command3",
     {"压力不对，重新输入！", "请重新输入公称直径！", "请选择配管外径形式！"}},
    {"FormSO", [] { return new SlipOnFlangeWindow; }, FlangeKind::SlipOn, "Text1", "Command3",
     {"公称压力不对，请重新输入！", "公称直径不对，请重新输入！", "请选择法兰内径形式！"}},
    {"FormWN", [] { return new WeldNeckFlangeWindow; }, FlangeKind::WeldNeck, "Text1", "Command2",
     {"请确定公称压力！", "请确认公称通径！", "请确定焊端外径！"}},
};
// clang-format on

template <typename T> QList<T *> controlsOf(const QWidget *window)
{
    return window->findChildren<T *>(Qt::FindDirectChildrenOnly);
}

Texts boxTexts(const QWidget *window)
{
    Texts texts;
    for (const QLineEdit *box : controlsOf<QLineEdit>(window))
        texts.insert(box->objectName(), box->text());
    return texts;
}

// Pixels of a list's view nearly as dark as its text colour, and those visibly darker than its
// background: an entry is drawn in the text colour, the placeholder in a grey.
std::pair<int, int> darkAndGreyPixels(QListWidget *list)
{
    const QImage view = list->viewport()->grab().toImage();
    const int background = qGray(list->palette().color(QPalette::Base).rgb());
    int dark = 0, grey = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x) {
            const int gray = qGray(view.pixel(x, y));
            dark += gray < 60;
            grey += gray < background - 40;
        }
    return {dark, grey};
}

} // namespace

class TestQueryWindowDesigns : public QObject
{
    Q_OBJECT

    std::unique_ptr<QueryWindow> m_window;

    QueryWindow &open(int design)
    {
        m_window.reset(Designs[design].create());
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qFatal("%s was not shown", Designs[design].name);
        return *m_window;
    }
    static void eachDesign()
    {
        QTest::addColumn<int>("design");
        for (int d = 0; d < int(std::size(Designs)); ++d)
            QTest::newRow(Designs[d].name) << d;
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void cleanup() { m_window.reset(); }

    void controlsStayInsideTheWindow_data() { eachDesign(); }
    void controlsStayInsideTheWindow()
    {
        QFETCH(int, design);
        const QueryWindow &window = open(design);
        const QList<QWidget *> controls = controlsOf<QWidget>(&window);
        QVERIFY(controls.size() > 20);
        for (const QWidget *control : controls) {
            // A line's box reaches half its thickness past the segment it draws.
            const QRect box = control->geometry();
            const int slack = dynamic_cast<const LineControl *>(control)
                                  ? std::min(box.width(), box.height()) / 2
                                  : 0;
            QVERIFY2(window.rect().adjusted(-slack, -slack, slack, slack).contains(box),
                     qPrintable(control->objectName()));
        }
    }

    // The drawing lies under every other control and shows a drawing.
    void drawingUnderTheBoxes_data() { eachDesign(); }
    void drawingUnderTheBoxes()
    {
        QFETCH(int, design);
        const QueryWindow &window = open(design);
        const QList<QWidget *> controls = controlsOf<QWidget>(&window);
        auto *image = window.findChild<QWidget *>("Image1");
        QCOMPARE(controls.first(), image);
        const QImage picture = image->grab().toImage();
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                dark += qGray(picture.pixel(x, y)) < 100;
        QVERIFY2(dark > picture.width() * picture.height() / 50, "the drawing is nearly empty");
    }

    // "清除" empties every box, the DN box included, and leaves the lists as they are.
    void clearEmptiesEveryBox_data() { eachDesign(); }
    void clearEmptiesEveryBox()
    {
        QFETCH(int, design);
        QueryWindow &window = open(design);
        clickRow(window.pressures(), 1);
        clickRow(window.series(), 1);
        for (QLineEdit *box : controlsOf<QLineEdit>(&window))
            typeOver(box, "9");
        QTest::mouseClick(control<QPushButton>(&window, Designs[design].clearButton),
                          Qt::LeftButton);
        for (const QString &text : boxTexts(&window))
            QCOMPARE(text, QString());
        QCOMPARE(selectedIndex(window.pressures()), 1);
        QCOMPARE(selectedIndex(window.series()), 1);
    }

    // A fresh window's lists hold the kind's pressures and A, B, select nothing and show no
    // entry, only a grey placeholder; once the user picks one, the list shows it.
    void freshListsShowNoEntry_data() { eachDesign(); }
    void freshListsShowNoEntry()
    {
        QFETCH(int, design);
        QueryWindow &window = open(design);
        QStringList pressures;
        for (int row = 0; row < window.pressures()->count(); ++row)
            pressures.append(window.pressures()->item(row)->text());
        QCOMPARE(pressures, pressureTexts(Designs[design].kind));
        QCOMPARE(window.series()->count(), 2);
        for (QListWidget *list : {window.pressures(), window.series()}) {
            list->setFocus(Qt::TabFocusReason); // Qt makes the first entry current, unselected
            QCOMPARE(selectedIndex(list), -1);
            const auto [dark, grey] = darkAndGreyPixels(list);
            QCOMPARE(dark, 0);
            QVERIFY(grey > 0);
            clickRow(list, 0);
            QCOMPARE(selectedIndex(list), 0);
            QVERIFY(darkAndGreyPixels(list) != std::make_pair(dark, grey));
        }
    }

    // A found row fills every box; the values are the worked examples of each kind.
    void foundRow_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<Texts>("boxes");
        QTest::newRow("FormPL PN 0.25 A DN 10")
            << 0 << 0 << 0 << "10"
            << Texts{{"Text1", "4"},  {"Text2", "17.2"},  {"Text3", "4-φ11"}, {"Text4", "M10x45"},
                     {"Text5", "18"}, {"Text6", "50"},    {"Text7", "75"},    {"Text8", "2"},
                     {"Text9", "12"}, {"Text10", "0.00"}, {"Text11", "10"},   {"Text12", "0.36"}};
        QTest::newRow("FormSO PN 0.6 A DN 80, a row without bevel")
            << 1 << 0 << 0 << "80"
            << Texts{{"Text1", "80"},    {"Text2", "88.9"}, {"Text3", "190"}, {"Text4", "150"},
                     {"Text5", "4-φ18"}, {"Text6", "M16"},  {"Text7", "18"},  {"Text8", "90.5"},
                     {"Text9", "110"},   {"Text10", "6"},   {"Text11", "34"}, {"Text12", "0.02"},
                     {"Text13", ""},     {"Text14", "3.34"}};
        QTest::newRow("FormWN PN 1.0 A DN 10")
            << 2 << 0 << 0 << "10"
            << Texts{{"Text1", "10"},    {"Text2", "17.2"}, {"Text3", "90"}, {"Text4", "60"},
                     {"Text5", "4-φ14"}, {"Text6", "M12"},  {"Text7", "14"}, {"Text8", "28"},
                     {"Text9", "2"},     {"Text10", "6"},   {"Text11", "3"}, {"Text12", "0.65"},
                     {"Text13", "35"}};
    }
    void foundRow()
    {
        QFETCH(int, design);
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QueryWindow &window = open(design);
        clickRow(window.pressures(), pressure);
        clickRow(window.series(), series);
        typeOver(control<QLineEdit>(&window, Designs[design].dnBox), dn);
        MessageCatcher messages;
        QTest::mouseClick(control<QPushButton>(&window, "Command1"), Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList());
        QTEST(boxTexts(&window), "boxes");
    }

    // A query that cannot give the row's answer empties every result box, whatever an earlier
    // row or the user left there, and then says what is missing.
    void refusalLeavesNoNumber_data()
    {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("pressure"); // -1: not clicked
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QList<int>>("messages"); // 0 no pressure, 1 DN not listed, 2 no series
        for (int d = 0; d < int(std::size(Designs)); ++d) {
            const char *name = Designs[d].name;
            QTest::addRow("%s DN 11 not listed", name) << d << 0 << 0 << "11" << QList<int>{1};
            QTest::addRow("%s no pressure", name) << d << -1 << 1 << "100" << QList<int>{0};
            QTest::addRow("%s no series", name) << d << 1 << -1 << "100" << QList<int>{2};
            QTest::addRow("%s nothing chosen", name) << d << -1 << -1 << "" << QList<int>{0, 2};
        }
    }
    void refusalLeavesNoNumber()
    {
        QFETCH(int, design);
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QFETCH(QList<int>, messages);
        QueryWindow &window = open(design);
        clickRow(window.pressures(), pressure);
        clickRow(window.series(), series);
        for (QLineEdit *box : controlsOf<QLineEdit>(&window))
            typeOver(box, "9"); // numbers of nothing
        auto *dnBox = control<QLineEdit>(&window, Designs[design].dnBox);
        typeOver(dnBox, dn);
        MessageCatcher caught;
        // What the boxes other than the DN box hold while each message is up.
        caught.probe = [&] {
            QString held;
            for (const QLineEdit *box : controlsOf<QLineEdit>(&window))
                held += box == dnBox ? QString() : box->text();
            return held;
        };
        QTest::mouseClick(control<QPushButton>(&window, "Command1"), Qt::LeftButton);
        QStringList expected;
        for (int m : messages)
            expected.append(Designs[design].messages[m]);
        QCOMPARE(caught.texts(), expected);
        QCOMPARE(caught.probed, QStringList(expected.size(), QString()));
        for (const QLineEdit *box : controlsOf<QLineEdit>(&window))
            QCOMPARE(box->text(), box == dnBox ? dn : QString());
    }
};

QTEST_MAIN(TestQueryWindowDesigns)
#include "tst_querywindowdesigns.moc"
