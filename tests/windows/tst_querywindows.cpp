// What the three query windows share, driven through the real windows with real key presses,
// wheel turns and clicks: a one-line list's shown entry is the one the query uses, keys on a
// freshly focused list, the message box's width. The query procedures, run on their own, are the
// oracle of what a press of "查找" must write.
#include "core/plate/platequery.h"
#include "core/slipon/sliponquery.h"
#include "core/weldneck/weldneckquery.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "windows/plate/formpl.h"
#include "windows/slipon/formso.h"
#include "windows/weldneck/formwn.h"

#include <QClipboard>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QtTest>
#include <functional>
#include <memory>

namespace
{

struct Kind {
    const char *name;
    std::function<QueryWindow *()> create;
    QueryProcedure query;
    int dnBox;
    int boxCount;
};
const Kind Kinds[] = {
    {"FormPL", [] { return new FormPL; }, runPlateQuery, PlateBox::Dn, 12},
    {"FormSO", [] { return new FormSO; }, runSlipOnQuery, SlipOnBox::Dn, 14},
    {"FormWN", [] { return new FormWN; }, runWeldNeckQuery, WeldNeckBox::Dn, 13},
};

enum class Move { ArrowDown, WheelDown, KeyDown, ArrowUp, WheelUp, KeyUp };

// The box texts and messages a press of "查找" must give, from the window's present boxes.
struct Outcome {
    QStringList boxes;
    QStringList messages;
};
Outcome predicted(const Kind &kind, const QueryWindow &window, PressureRating p, PipeSeries s)
{
    QueryRun run([&](int n) { return window.box(n) ? window.box(n)->text() : QString(); });
    kind.query(run, p, s);
    Outcome out{{}, run.messages()};
    for (int n = 1; n <= kind.boxCount; ++n)
        out.boxes.append(window.box(n) ? run.text(n) : QString());
    return out;
}

Outcome pressFind(const Kind &kind, QueryWindow &window)
{
    MessageCatcher catcher;
    QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    Outcome out{{}, catcher.texts()};
    for (int n = 1; n <= kind.boxCount; ++n)
        out.boxes.append(window.box(n) ? window.box(n)->text() : QString());
    return out;
}

// The entry a one-line list shows: the row at the top of its viewport.
int shownRow(const QListWidget *list)
{
    const QListWidgetItem *item = list->itemAt(1, 1);
    return item ? list->row(item) : -1;
}

void clickScrollArrow(QListWidget *list, QStyle::SubControl arrow)
{
    QScrollBar *bar = list->verticalScrollBar();
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

void turnWheel(QListWidget *list, int notches)
{
    const QPointF at = list->viewport()->rect().center();
    QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &wheel);
}

void move(QListWidget *list, Move how)
{
    switch (how) {
    case Move::ArrowDown:
        return clickScrollArrow(list, QStyle::SC_ScrollBarAddLine);
    case Move::ArrowUp:
        return clickScrollArrow(list, QStyle::SC_ScrollBarSubLine);
    case Move::WheelDown:
        return turnWheel(list, -1);
    case Move::WheelUp:
        return turnWheel(list, 1);
    case Move::KeyDown:
        return QTest::keyClick(list, Qt::Key_Down);
    case Move::KeyUp:
        return QTest::keyClick(list, Qt::Key_Up);
    }
}

} // namespace

Q_DECLARE_METATYPE(Move)

class TestQueryWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<QueryWindow> m_window;

    QueryWindow &open(const Kind &kind)
    {
        m_window.reset(kind.create());
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qFatal("%s did not become active", kind.name);
        return *m_window;
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void cleanup() { m_window.reset(); }

    void movingAListSelectsTheEntryItShows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("start"); // the pressure row clicked first
        QTest::addColumn<Move>("how");
        for (int k = 0; k < 3; ++k) {
            const QByteArray name = Kinds[k].name;
            // From "1.0" to "1.6" and back on the plate window; turning the wheel moves three.
            QTest::newRow(name + " scroll arrow down") << k << 2 << Move::ArrowDown;
            QTest::newRow(name + " scroll arrow up") << k << 3 << Move::ArrowUp;
            QTest::newRow(name + " wheel down") << k << 1 << Move::WheelDown;
            QTest::newRow(name + " wheel up") << k << 4 << Move::WheelUp;
            QTest::newRow(name + " key down") << k << 2 << Move::KeyDown;
            QTest::newRow(name + " key up") << k << 3 << Move::KeyUp;
        }
    }
    // Pick a pressure, move the list off it, type the DN, press "查找": the pressure shown is the
    // one selected, and the boxes hold what the query gives for it, not for the one picked.
    void movingAListSelectsTheEntryItShows()
    {
        QFETCH(int, kind);
        QFETCH(int, start);
        QFETCH(Move, how);
        QueryWindow &window = open(Kinds[kind]);
        QListWidget *list = window.pressures();
        clickRow(list, start);
        clickRow(window.series(), SeriesA);
        QCOMPARE(selectedIndex(list), start);

        move(list, how);
        const int shown = shownRow(list);
        QVERIFY(shown != start);
        QCOMPARE(selectedIndex(list), shown);

        typeOver(window.box(Kinds[kind].dnBox), "300");
        const Outcome expected = predicted(Kinds[kind], window, shown, SeriesA);
        // Otherwise the check below could not tell the two pressures apart.
        QVERIFY(expected.boxes != predicted(Kinds[kind], window, start, SeriesA).boxes);
        const Outcome got = pressFind(Kinds[kind], window);
        QCOMPARE(got.messages, expected.messages);
        QCOMPARE(got.boxes, expected.boxes);
    }

    void keysOnAFreshlyFocusedListSelectTheFirstEntry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("key");
        for (int k = 0; k < 3; ++k)
            for (const char *list : {"List1", "List2"}) {
                const QByteArray name = QByteArray(Kinds[k].name) + " " + list;
                QTest::newRow(name + " Down") << k << list << int(Qt::Key_Down);
                QTest::newRow(name + " Up") << k << list << int(Qt::Key_Up);
            }
    }
    // As a native list box: the first Down (or Up) on a list without a selection selects the
    // first entry, and the next Down the second. Before the key nothing is selected, and "查找"
    // gives the messages of a window with nothing selected.
    void keysOnAFreshlyFocusedListSelectTheFirstEntry()
    {
        QFETCH(int, kind);
        QFETCH(QString, list);
        QFETCH(int, key);
        QueryWindow &window = open(Kinds[kind]);
        auto *target = window.findChild<QListWidget *>(list);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(selectedIndex(window.pressures()), -1);
        QCOMPARE(selectedIndex(window.series()), -1);
        const Outcome unselected = predicted(Kinds[kind], window, -1, -1);
        QVERIFY(!unselected.messages.isEmpty());
        QCOMPARE(pressFind(Kinds[kind], window).messages, unselected.messages);

        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(selectedIndex(target), 0);
        QCOMPARE(shownRow(target), 0);
        QTest::keyClick(target, Qt::Key_Down);
        QCOMPARE(selectedIndex(target), 1);
        QCOMPARE(shownRow(target), 1);
    }

    // Ctrl+V of a megabyte into a box holding a text with part of it selected: the selection
    // is replaced, and what the box can hold arrives after the text before the selection.
    void pasteKeepsWhatTheBoxCanHold()
    {
        QueryWindow &window = open(Kinds[0]);
        QLineEdit *dn = window.box(Kinds[0].dnBox);
        QApplication::clipboard()->setText(QString(1 << 20, u'7'));
        dn->setText("12345");
        dn->setFocus();
        dn->setSelection(1, 3);
        QTest::keyClick(dn, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dn->text().size(), dn->maxLength());
        QCOMPARE(dn->text(), "1" + QString(dn->maxLength() - 2, u'7') + "5");
        QTest::keyClick(dn, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(dn->text(), QStringLiteral("12345"));
    }

    void messageBoxShowsItsTitleWhole_data()
    {
        QTest::addColumn<int>("kind");
        for (int k = 0; k < 3; ++k)
            QTest::newRow(Kinds[k].name) << k;
    }
    // A window manager cuts a title that does not fit beside the title bar's icon and its three
    // buttons; the narrowest messages would otherwise make a box about as wide as its title.
    void messageBoxShowsItsTitleWhole()
    {
        QFETCH(int, kind);
        QueryWindow &window = open(Kinds[kind]);
        MessageCatcher catcher;
        QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QVERIFY(!catcher.seen.isEmpty());
        QFont titleFont = QApplication::font();
        titleFont.setBold(true);
        const int title = QFontMetrics(titleFont).horizontalAdvance(catcher.seen.first().title);
        constexpr int TitleBarButton = 24; // the smallest common size of a title bar's buttons
        for (const MessageCatcher::Seen &seen : catcher.seen)
            QVERIFY2(seen.width >= title + 5 * TitleBarButton, qPrintable(seen.text));
    }
};

QTEST_MAIN(TestQueryWindows)
#include "tst_querywindows.moc"
