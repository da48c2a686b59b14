// What the three query windows share, driven through the real windows with real key presses,
// wheel turns and clicks. The query procedures, run on their own, are the oracle of what a press
// of "查找" must write.
#include "catalogue/query/platequery.h"
#include "catalogue/query/sliponquery.h"
#include "catalogue/query/weldneckquery.h"
#include "support/listrows.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "windows/plate/plateflangewindow.h"
#include "windows/slipon/sliponflangewindow.h"
#include "windows/weldneck/weldneckflangewindow.h"

#include <QClipboard>
#include <QScrollBar>
#include <QStyleOptionSlider>
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
    FlangeKind flangeKind;
};
const Kind Kinds[] = {
    {"FormPL", [] { return new PlateFlangeWindow; }, runPlateQuery, PlateBox::Dn, FlangeKind::Plate},
    {"FormSO", [] { return new SlipOnFlangeWindow; }, runSlipOnQuery, SlipOnBox::Dn,
     FlangeKind::SlipOn},
    {"FormWN", [] { return new WeldNeckFlangeWindow; }, runWeldNeckQuery, WeldNeckBox::Dn,
     FlangeKind::WeldNeck},
};

// Every box's text, then the messages: what the procedure gives from the window's present boxes,
// or what a click on "查找" leaves.
QStringList predicted(const Kind &kind, const QueryWindow &window, int p, int seriesRow)
{
    QueryRun run([&](int n) { return window.box(n) ? window.box(n)->text() : QString(); });
    kind.query(run, ratingOfListRow(kind.flangeKind, p), seriesAtRow(seriesRow));
    QStringList out;
    for (int n = 1; n <= 15; ++n)
        out.append(window.box(n) ? run.text(n) : QString());
    return out + run.messages();
}
QStringList pressFind(QueryWindow &window, QList<MessageCatcher::Seen> *seen = nullptr)
{
    MessageCatcher catcher;
    QTest::mouseClick(window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QStringList out;
    for (int n = 1; n <= 15; ++n)
        out.append(window.box(n) ? window.box(n)->text() : QString());
    if (seen)
        *seen = catcher.seen;
    return out + catcher.texts();
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
    option.orientation = Qt::Vertical;
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

// `eighths` of a degree, 120 for a notch; a fine wheel sends a notch in several parts.
void turnWheel(QListWidget *list, int eighths, int parts = 1)
{
    const QPointF at = list->viewport()->rect().center();
    for (int i = 0; i < parts; ++i) {
        QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), {}, {0, eighths / parts},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list->viewport(), &wheel);
    }
}

const std::function<void(QListWidget *)> Moves[] = {
    [](QListWidget *l) { clickScrollArrow(l, QStyle::SC_ScrollBarAddLine); },
    [](QListWidget *l) { clickScrollArrow(l, QStyle::SC_ScrollBarSubLine); },
    [](QListWidget *l) { turnWheel(l, -120); },
    [](QListWidget *l) { turnWheel(l, 120); },
    [](QListWidget *l) { turnWheel(l, -120, 3); },
    [](QListWidget *l) { turnWheel(l, 120, 3); },
    [](QListWidget *l) { QTest::keyClick(l, Qt::Key_Down); },
    [](QListWidget *l) { QTest::keyClick(l, Qt::Key_Up); },
};

} // namespace

class TestQueryWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<QueryWindow> m_window;

    QueryWindow &open(int kind)
    {
        m_window.reset(Kinds[kind].create());
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qFatal("%s did not become active", Kinds[kind].name);
        return *m_window;
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void cleanup() { m_window.reset(); }

    void movingAListSelectsTheEntryItShows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("start"); // the pressure row clicked first
        QTest::addColumn<int>("move");  // index into Moves
        const char *moves[] = {"scroll arrow down", "scroll arrow up", "wheel down", "wheel up",
                               "fine wheel down",   "fine wheel up",   "key down",   "key up"};
        // From "1.0" to "1.6" and back on the plate window: every move is one entry, a wheel
        // notch too, as on a native one-line list box.
        for (int k = 0; k < 3; ++k)
            for (int m = 0; m < int(std::size(Moves)); ++m)
                QTest::addRow("%s %s", Kinds[k].name, moves[m]) << k << 2 + m % 2 << m;
    }
    // Pick a pressure, move the list off it, type DN 300, press "查找": the pressure shown is the
    // one selected, and the boxes hold what the query gives for it, not for the one picked.
    void movingAListSelectsTheEntryItShows()
    {
        QFETCH(int, kind);
        QFETCH(int, start);
        QFETCH(int, move);
        QueryWindow &window = open(kind);
        QListWidget *list = window.pressures();
        clickRow(list, start);
        clickRow(window.series(), int(PipeSeries::A));
        QCOMPARE(selectedIndex(list), start);

        Moves[move](list);
        const int shown = shownRow(list);
        QCOMPARE(shown, move % 2 == 0 ? start + 1 : start - 1);
        QCOMPARE(selectedIndex(list), shown);

        typeOver(window.box(Kinds[kind].dnBox), "300");
        const QStringList expected = predicted(Kinds[kind], window, shown, int(PipeSeries::A));
        // Otherwise the check could not tell the two pressures apart.
        QVERIFY(expected != predicted(Kinds[kind], window, start, int(PipeSeries::A)));
        QCOMPARE(pressFind(window), expected);
    }

    void freshlyFocusedList_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("key");
        for (int k = 0; k < 3; ++k)
            for (const char *list : {"List1", "List2"}) {
                QTest::addRow("%s %s Down", Kinds[k].name, list) << k << list << int(Qt::Key_Down);
                QTest::addRow("%s %s Up", Kinds[k].name, list) << k << list << int(Qt::Key_Up);
            }
    }
    // A fresh window has nothing selected, even with a list focused, and "查找" gives the messages
    // of that, in a box wide enough for a window manager to show its title beside the title
    // bar's icon and three buttons. Then, as on a native list box, the first Down (or Up)
    // selects the first entry and the next Down the second.
    void freshlyFocusedList()
    {
        QFETCH(int, kind);
        QFETCH(QString, list);
        QFETCH(int, key);
        QueryWindow &window = open(kind);
        auto *target = window.findChild<QListWidget *>(list);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(selectedIndex(window.pressures()), -1);
        QCOMPARE(selectedIndex(window.series()), -1);
        QList<MessageCatcher::Seen> seen;
        QCOMPARE(pressFind(window, &seen), predicted(Kinds[kind], window, -1, -1));
        QVERIFY(!seen.isEmpty());
        QFont titleFont = QApplication::font();
        titleFont.setBold(true);
        constexpr int TitleBarButton = 24; // the smallest common size of a title bar's buttons
        for (const MessageCatcher::Seen &box : seen)
            QVERIFY2(box.width >=
                         QFontMetrics(titleFont).horizontalAdvance(box.title) + 5 * TitleBarButton,
                     qPrintable(box.text));

        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(selectedIndex(target), 0);
        QTest::keyClick(target, Qt::Key_Down);
        QCOMPARE(selectedIndex(target), 1);
        QCOMPARE(shownRow(target), 1);
    }

    // Ctrl+V of a megabyte over part of a box's text: the selection is replaced by what the box
    // can hold, and one undo brings the text back.
    void pasteKeepsWhatTheBoxCanHold()
    {
        QLineEdit *dn = open(0).box(Kinds[0].dnBox);
        QApplication::clipboard()->setText(QString(1 << 20, u'7'));
        dn->setText("12345");
        dn->setSelection(1, 3);
        QTest::keyClick(dn, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dn->text(), "1" + QString(dn->maxLength() - 2, u'7') + "5");
        QTest::keyClick(dn, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(dn->text(), QStringLiteral("12345"));
    }
};

QTEST_MAIN(TestQueryWindows)
#include "tst_querywindows.moc"
