// The weld-neck window driven as a user drives it: rows picked in the lists, the DN typed,
// the buttons clicked, the message boxes answered, the boxes read back.
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"
#include "windows/weldneck/weldneckflangewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace
{

const QString DnMessage = QStringLiteral("请确认公称通径！");
const QString SeriesMessage = QStringLiteral("请确定焊端外径！");

} // namespace

class TestFormWN : public QObject
{
    Q_OBJECT

    std::unique_ptr<WeldNeckFlangeWindow> m_window;

    template <typename T> T *control(const QString &name) const
    {
        return ::control<T>(m_window.get(), name);
    }
    QLineEdit *box(int n) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QListWidget *pressures() const { return control<QListWidget>("List1"); }
    QListWidget *series() const { return control<QListWidget>("List2"); }

    // Scrolls the row into the one-line list and clicks it.
    void pick(QListWidget *list, int row)
    {
        clickRow(list, row);
        QCOMPARE(list->currentRow(), row);
    }
    void typeDn(const QString &text)
    {
        typeOver(box(1), text);
        QCOMPARE(box(1)->text(), text);
    }
    void click(const char *button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    // "查找", answering every message box; returns what the boxes said.
    QList<MessageCatcher::Seen> find(std::function<QString()> probe = {},
                                     QStringList *probed = nullptr)
    {
        MessageCatcher catcher;
        catcher.probe = std::move(probe);
        click("Command1");
        if (probed)
            *probed = catcher.probed;
        return catcher.seen;
    }
    QStringList messageTexts(const QList<MessageCatcher::Seen> &seen)
    {
        QStringList texts;
        for (const MessageCatcher::Seen &s : seen)
            texts.append(s.text);
        return texts;
    }
    // Text2 to Text13.
    QStringList results() const
    {
        QStringList texts;
        for (int n = 2; n <= 13; ++n)
            texts.append(box(n)->text());
        return texts;
    }
    void query(int pressure, int seriesRow, const QString &dn)
    {
        pick(pressures(), pressure);
        pick(series(), seriesRow);
        typeDn(dn);
        QCOMPARE(messageTexts(find()), QStringList());
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void init()
    {
        m_window = std::make_unique<WeldNeckFlangeWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void window();
    void controls_data();
    void controls();
    void linesAndPicture();
    void loadStepFillsListsAndSelectsNothing();
    void focusStartsOnList1AndTabFollowsTheDesign();
    void queryWritesTheRow_data();
    void queryWritesTheRow();
    void unlistedDnReportsAndKeepsRowBoxes();
    void dnRoundsHalfToEven();
    void noSeriesReportsAndKeepsDiameters();
    void nothingSelectedOnFreshWindow();
    void unlistedDnAndNoSeriesShowBothMessages();
    void clearEmptiesEveryBoxInOrderAndKeepsSelections();
};

void TestFormWN::window()
{
    QCOMPARE(m_window->objectName(), QString("FormWN"));
    QCOMPARE(m_window->windowTitle(), QString("带颈对焊钢制管法兰"));
    QCOMPARE(m_window->geometry(), QRect(twipsPoint(2748, 2232), QSize(twips(7716), twips(4452))));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 255));
}

void TestFormWN::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QRect>("twipGeometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("songPointSize"); // 0: the window's default font
    QTest::addColumn<bool>("bold");

    // clang-format off
    const QByteArray label = "QLabel", list = "QListWidget", edit = "QLineEdit", button = "QPushButton";
    QTest::newRow("Label1(0)") << "Label1(0)" << label  << QRect(5280,  240, 1092, 252) << "公称压力MPa"  << 0.0 << false;
    QTest::newRow("List1")     << "List1"     << list   << QRect(6480,  120, 1092, 264) << ""            << 10.8 << false;
    QTest::newRow("Label1(1)") << "Label1(1)" << label  << QRect(5280,  840, 1092, 252) << "法兰焊端外径" << 0.0 << false;
    QTest::newRow("List2")     << "List2"     << list   << QRect(6480,  720, 1092, 264) << ""            << 10.8 << false;
    QTest::newRow("Label1(2)") << "Label1(2)" << label  << QRect(5280, 1320,  972, 252) << "公称通径mm"   << 0.0 << false;
    QTest::newRow("Text1")     << "Text1"     << edit   << QRect(6480, 1200, 1092, 372) << " "           << 10.8 << false;
    QTest::newRow("Command1")  << "Command1"  << button << QRect(5280, 1800,  732, 372) << "查找"         << 0.0 << false;
    QTest::newRow("Command2")  << "Command2"  << button << QRect(6120, 1800,  732, 372) << "清除"         << 0.0 << false;
    QTest::newRow("Command3")  << "Command3"  << button << QRect(6960, 1800,  612, 372) << "返回"         << 0.0 << false;
    QTest::newRow("Text2")     << "Text2"     << edit   << QRect(1560,  840,  612, 264) << " "           << 0.0 << false;
    QTest::newRow("Text3")     << "Text3"     << edit   << QRect(1320, 3000,  612, 264) << " "           << 0.0 << false;
    QTest::newRow("Text4")     << "Text4"     << edit   << QRect(2160, 2760,  612, 264) << " "           << 0.0 << false;
    QTest::newRow("Text5")     << "Text5"     << edit   << QRect(4080,  480,  732, 264) << " "           << 0.0 << false;
    QTest::newRow("Text6")     << "Text6"     << edit   << QRect(4080,  840,  732, 264) << " "           << 0.0 << false;
    QTest::newRow("Text7")     << "Text7"     << edit   << QRect(4200, 2640,  612, 264) << " "           << 0.0 << false;
    QTest::newRow("Text8")     << "Text8"     << edit   << QRect(1560,  360,  612, 264) << " "           << 0.0 << false;
    QTest::newRow("Text9")     << "Text9"     << edit   << QRect(3120,  120,  612, 264) << " "           << 0.0 << false;
    QTest::newRow("Text10")    << "Text10"    << edit   << QRect(3120,  720,  612, 264) << " "           << 0.0 << false;
    QTest::newRow("Text11")    << "Text11"    << edit   << QRect( 480, 1200,  492, 372) << " "           << 0.0 << false;
    QTest::newRow("Label1(3)") << "Label1(3)" << label  << QRect(5280, 2640,  852, 252) << "净重量Kg="    << 0.0 << false;
    QTest::newRow("Text12")    << "Text12"    << edit   << QRect(6240, 2520, 1092, 372) << " "           << 12.0 << true;
    QTest::newRow("Label1(4)") << "Label1(4)" << label  << QRect(2880,  120,  252, 252) << "S="          << 0.0 << false;
    QTest::newRow("Text13")    << "Text13"    << edit   << QRect(4200, 1440,  612, 264) << " "           << 0.0 << false;
    // clang-format on
}

void TestFormWN::controls()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, kind);
    QFETCH(QRect, twipGeometry);
    QFETCH(QString, text);
    QFETCH(qreal, songPointSize);
    QFETCH(bool, bold);

    auto *widget = control<QWidget>(name);
    QCOMPARE(QByteArray(widget->metaObject()->className()), kind);
    QCOMPARE(widget->parentWidget(), m_window.get());
    QCOMPARE(widget->geometry(), twipsRect(twipGeometry.x(), twipGeometry.y(), twipGeometry.width(),
                                           twipGeometry.height()));
    if (auto *l = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(l->text(), text);
        QVERIFY(!l->autoFillBackground());
        QCOMPARE(l->palette().color(QPalette::Window), QColor(192, 192, 255));
    } else if (auto *b = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(b->text(), text);
        QVERIFY(!b->isDefault());
    } else if (auto *e = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(e->text(), text);
        QVERIFY(!e->isReadOnly());
        QCOMPARE(e->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }

    if (songPointSize == 0) {
        QVERIFY2(!widget->testAttribute(Qt::WA_SetFont), "keeps the window's font");
    } else {
        QCOMPARE(widget->font().family(), QString("宋体"));
        QCOMPARE(widget->font().pointSizeF(), songPointSize);
        QCOMPARE(widget->font().bold(), bold);
    }
}

void TestFormWN::linesAndPicture()
{
    struct Line {
        const char *name;
        QPoint from, to;
    };
    const Line lines[] = {{"Line1", {5160, 0}, {5160, 4320}},
                          {"Line2", {5160, 2400}, {7680, 2400}},
                          {"Line3", {2280, 1200}, {2880, 240}}};
    for (const Line &line : lines) {
        const QRect area = control<QWidget>(line.name)->geometry();
        QVERIFY2(area.contains(twipsPoint(line.from.x(), line.from.y())), line.name);
        QVERIFY2(area.contains(twipsPoint(line.to.x(), line.to.y())), line.name);
    }
    // Line3 is the only one that stands in the drawing and must be seen above it.
    auto *image = control<QWidget>("Image1");
    QCOMPARE(image->geometry(), twipsRect(120, 360, 4620, 3036));
    const QObjectList order = m_window->children();
    QVERIFY(order.indexOf(image) < order.indexOf(control<QWidget>("Line3")));
    for (int n = 2; n <= 13; ++n)
        QVERIFY(order.indexOf(image) < order.indexOf(box(n)));

    // The picture draws something black inside its rectangle.
    const QImage drawn = image->grab().toImage();
    int dark = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            dark += qGray(drawn.pixel(x, y)) < 64;
    QVERIFY(dark > 500);
}

void TestFormWN::loadStepFillsListsAndSelectsNothing()
{
    QStringList items;
    for (int i = 0; i < pressures()->count(); ++i)
        items.append(pressures()->item(i)->text());
    QCOMPARE(items, (QStringList{"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"}));
    QCOMPARE(series()->count(), 2);
    QCOMPARE(series()->item(0)->text(), QString("A"));
    QCOMPARE(series()->item(1)->text(), QString("B"));
    QVERIFY(pressures()->selectedItems().isEmpty());
    QVERIFY(series()->selectedItems().isEmpty());
    for (int n = 1; n <= 13; ++n)
        QCOMPARE(box(n)->text(), QString(" "));
}

void TestFormWN::focusStartsOnList1AndTabFollowsTheDesign()
{
    QCOMPARE(QApplication::focusWidget(), pressures());

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 18; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{"List1", "List2", "Text1", "Command1", "Command2", "Command3",
                                   "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8",
                                   "Text9", "Text10", "Text11", "Text12", "Text13", "List1"}));
}

void TestFormWN::queryWritesTheRow_data()
{
    QTest::addColumn<int>("pressure");
    QTest::addColumn<int>("seriesRow");
    QTest::addColumn<QString>("dn");
    QTest::addColumn<QStringList>("expected"); // Text2 to Text13

    // clang-format off
    QTest::newRow("PN 1.0 DN 100 A") << 0 << 0 << "100"
        << QStringList{"114.3", "220", "180", "8-φ18", "M16", "22", "130", "3.6", "12", "6", "7.95", "52"};
    QTest::newRow("PN 1.0 DN 10 A, typed 10.5") << 0 << 0 << "10.5"
        << QStringList{"17.2", "90", "60", "4-φ14", "M12", "14", "28", "2", "6", "3", "0.76", "35"};
    QTest::newRow("PN 2.5 DN 350 B: capital X") << 2 << 1 << "350"
        << QStringList{"377", "555", "490", "16-φ33", "M30X2", "38", "420", "8", "20", "10", "96.44", "100"};
    QTest::newRow("PN 25.0 DN 200 B: no series-B form") << 7 << 1 << "200"
        << QStringList{"-", "485", "400", "12-φ42", "M39x3", "82", "-", "25", "25", "8", "-", "190"};
    QTest::newRow("PN 25.0 DN 250 B: zero diameters") << 7 << 1 << "250"
        << QStringList{"0", "585", "490", "16-φ48", "M45x3", "100", "0", "32", "30", "10", "182.74", "215"};
    // clang-format on
}

void TestFormWN::queryWritesTheRow()
{
    QFETCH(int, pressure);
    QFETCH(int, seriesRow);
    QFETCH(QString, dn);
    QFETCH(QStringList, expected);

    query(pressure, seriesRow, dn);
    QCOMPARE(results(), expected);
    QCOMPARE(box(1)->text(), dn);
}

void TestFormWN::unlistedDnReportsAndKeepsRowBoxes()
{
    query(0, 0, "100");
    pick(pressures(), 6); // PN 16.0 lists no DN 350
    typeDn("350");

    QStringList calloutWhileShown;
    const auto seen = find([this] { return box(5)->text(); }, &calloutWhileShown);

    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, DnMessage);
    QCOMPARE(seen[0].title, QString("Quorvit"));
    QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(seen[0].buttonCount, 1);
    QVERIFY(seen[0].hasOk);
    QVERIFY(seen[0].modal);
    // The message comes before any box is written.
    QCOMPARE(calloutWhileShown, QStringList{"8-φ18"});

    // Row boxes keep DN 100's values; the weight uses them with no holes and no hub.
    QCOMPARE(results(), (QStringList{"", "220", "180", "-φ", "M16", "22", "", "3.6", "12", "6",
                                     "6.54", "52"}));
}

void TestFormWN::dnRoundsHalfToEven()
{
    pick(pressures(), 0);
    pick(series(), 0);
    typeDn("15.5");
    QCOMPARE(messageTexts(find()), QStringList{DnMessage});
    QCOMPARE(box(3)->text(), QString(" "));
    QCOMPARE(box(5)->text(), QString("-φ"));

    typeDn("14.5");
    QCOMPARE(messageTexts(find()), QStringList{DnMessage});

    typeDn("10.5");
    QCOMPARE(messageTexts(find()), QStringList());
    QCOMPARE(box(3)->text(), QString("90"));
}

void TestFormWN::noSeriesReportsAndKeepsDiameters()
{
    pick(pressures(), 1);
    typeDn("2000");
    QStringList weightWhileShown;
    const auto seen = find([this] { return box(12)->text(); }, &weightWhileShown);
    QCOMPARE(messageTexts(seen), QStringList{SeriesMessage});
    QCOMPARE(weightWhileShown, QStringList{" "});

    // The row is written, the series-dependent boxes keep their blank, the callout is written.
    QCOMPARE(results(), (QStringList{" ", "2345", "2230", "48-φ60", "M56x4", "66", " ", "20", "40",
                                     "15", "0.00", "190"}));
}

void TestFormWN::nothingSelectedOnFreshWindow()
{
    const auto seen = find();
    QCOMPARE(messageTexts(seen), QStringList{SeriesMessage});
    QCOMPARE(results(),
             (QStringList{" ", " ", " ", "-φ", " ", " ", " ", " ", " ", " ", "0.00", " "}));
}

void TestFormWN::unlistedDnAndNoSeriesShowBothMessages()
{
    pick(pressures(), 7);
    typeDn("300");
    QCOMPARE(messageTexts(find()), (QStringList{DnMessage, SeriesMessage}));
    QCOMPARE(box(5)->text(), QString("-φ"));
    QCOMPARE(box(12)->text(), QString("0.00"));
}

void TestFormWN::clearEmptiesEveryBoxInOrderAndKeepsSelections()
{
    query(3, 1, "600");
    QStringList cleared;
    for (int n = 1; n <= 13; ++n)
        connect(box(n), &QLineEdit::textChanged, this, [&cleared, n](const QString &text) {
            if (text.isEmpty())
                cleared.append(QString::number(n));
        });

    click("Command2");

    QCOMPARE(cleared,
             (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}));
    for (int n = 1; n <= 13; ++n)
        QCOMPARE(box(n)->text(), QString());
    QCOMPARE(pressures()->currentRow(), 3);
    QCOMPARE(series()->currentRow(), 1);
    QCOMPARE(pressures()->selectedItems().size(), 1);

    // A query on the emptied boxes finds no row and weighs nothing.
    QCOMPARE(messageTexts(find()), QStringList{DnMessage});
    QCOMPARE(results(), (QStringList{"", "", "", "-φ", "", "", "", "", "", "", "0.00", ""}));
}

QTEST_MAIN(TestFormWN)
#include "tst_formwn.moc"
