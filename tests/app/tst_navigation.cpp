#include "app/windows.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(WindowKind)

namespace
{

// Lets Qt delete the windows that their close box discarded.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The name of the "返回" button and of the DN box on each query window.
struct QueryWindowNames {
    WindowKind kind;
    const char *back;
    const char *dnBox;
    int pressures;
};
const QueryWindowNames queryWindows[] = {
    {WindowKind::FormPL, "Command2", "Text11", 5},
    {WindowKind::FormSO, "Command2", "Text1", 5},
    {WindowKind::FormWN, "Command3", "Text1", 8},
};

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;

    Windows &windows() { return *m_windows; }
    QPushButton *button(WindowKind kind, const char *name)
    {
        auto *b = windows().existing(kind)->findChild<QPushButton *>(name);
        if (!b)
            qFatal("no button %s", name);
        return b;
    }
    void press(WindowKind kind, const char *name)
    {
        QTest::mouseClick(button(kind, name), Qt::LeftButton);
    }

private slots:
    void initTestCase() { installChineseFonts(); }

    void init()
    {
        m_windows = std::make_unique<Windows>();
        windows().show(WindowKind::Form1);
    }
    void cleanup()
    {
        m_windows.reset();
        flushDeletes();
    }

    void startShowsOnlyTheMenu()
    {
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
        for (auto kind :
             {WindowKind::FormPL, WindowKind::FormSO, WindowKind::FormWN, WindowKind::FormMF,
              WindowKind::FormRF, WindowKind::FormFM, WindowKind::FormTG})
            QVERIFY(!windows().existing(kind));
        QWidget *menu = windows().existing(WindowKind::Form1);
        QCOMPARE(menu->focusWidget(), menu->findChild<QPushButton *>("Command1"));
    }

    void windowDesigns_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientTwips");
        QTest::addColumn<QPoint>("positionTwips"); // (-1,-1): platform placement
        QTest::addColumn<QColor>("background");    // invalid: the button face
        const QPoint free(-1, -1);
        // The menu has a row of buttons more than designed: the take-off, the identification and
        // the Class series, one column step wider.
        QTest::newRow("menu") << WindowKind::Form1 << "Quorvit查询" << QSize(4176 + 1800, 2976 + 960)
                              << QPoint(3828, 2364) << QColor();
        QTest::newRow("plate") << WindowKind::FormPL << "板式平焊钢制管法兰" << QSize(7212, 4104)
                               << QPoint(2748, 2364) << QColor(224, 224, 224);
        QTest::newRow("slip-on") << WindowKind::FormSO << "带颈平焊" << QSize(7896, 4452) << free
                                 << QColor(255, 224, 192);
        QTest::newRow("weld-neck")
            << WindowKind::FormWN << "带颈对焊钢制管法兰" << QSize(7716, 4452) << QPoint(2748, 2232)
            << QColor(192, 192, 255);
        QTest::newRow("chooser") << WindowKind::FormMF << "密封面" << QSize(4452, 3168)
                                 << QPoint(3564, 2508) << QColor(192, 192, 0);
        QTest::newRow("raised face")
            << WindowKind::FormRF << "突面" << QSize(4860, 3792) << free << QColor();
        QTest::newRow("male/female")
            << WindowKind::FormFM << "凹凸面" << QSize(3744, 2496) << free << QColor();
        QTest::newRow("tongue/groove")
            << WindowKind::FormTG << "榫槽" << QSize(3744, 2496) << free << QColor();
    }
    void windowDesigns()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, caption);
        QFETCH(QSize, clientTwips);
        QFETCH(QPoint, positionTwips);
        QFETCH(QColor, background);

        QWidget *window = windows().window(kind);
        const char *names[] = {"Form1",  "FormPL", "FormSO", "FormWN",
                               "FormMF", "FormRF", "FormFM", "FormTG"};
        QCOMPARE(window->objectName(), QString(names[int(kind)]));
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), QSize(twips(clientTwips.width()), twips(clientTwips.height())));
        // Controls stand at designed places: no window can be resized or maximised.
        QCOMPARE(window->minimumSize(), window->size());
        QCOMPARE(window->maximumSize(), window->size());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        if (positionTwips != QPoint(-1, -1))
            QCOMPARE(window->geometry().topLeft(),
                     twipsPoint(positionTwips.x(), positionTwips.y()));
        const QColor expected =
            background.isValid() ? background : QApplication::palette().color(QPalette::Button);
        QCOMPARE(window->palette().color(QPalette::Window), expected);
        QVERIFY(window->autoFillBackground());
        for (QLabel *label : window->findChildren<QLabel *>())
            QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
    }

    void menuButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twipsGeometry");
        QTest::addColumn<qreal>("points");
        QTest::newRow("PL") << "Command1"
                            << "PL(板式)" << QRect(360, 240, 1452, 612) << 10.8;
        QTest::newRow("SO") << "Command2"
                            << "SO(带颈平焊)" << QRect(2160, 240, 1572, 612) << 10.8;
        QTest::newRow("WN") << "Command3"
                            << "WN(带颈对焊)" << QRect(360, 1200, 1452, 612) << 10.8;
        QTest::newRow("BL") << "Command4"
                            << "BL(法兰盖)" << QRect(2160, 1200, 1572, 612) << 10.8;
        QTest::newRow("faces") << "Command5"
                               << "密封面尺寸" << QRect(360, 2160, 1452, 612) << 10.8;
        QTest::newRow("exit") << "Command6"
                              << "退  出" << QRect(2160, 2160, 1572, 612) << 13.8;
        QTest::newRow("take-off, a row below") << "takeoffButton"
                                               << "批量计算" << QRect(360, 3120, 1452, 612) << 10.8;
        QTest::newRow("identification, a row below")
            << "identifyButton"
            << "反查法兰" << QRect(2160, 3120, 1572, 612) << 10.8;
        QTest::newRow("Class series, beside them")
            << "classButton" << "Class 系列" << QRect(3960, 3120, 1572, 612) << 10.8;
    }
    void menuButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twipsGeometry);
        QFETCH(qreal, points);
        auto *b = button(WindowKind::Form1, qPrintable(name));
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->geometry(), twipsRect(twipsGeometry.x(), twipsGeometry.y(),
                                          twipsGeometry.width(), twipsGeometry.height()));
        QCOMPARE(b->font().pointSizeF(), points);
        QCOMPARE(b->font().family(), QStringLiteral("隶书"));
        QVERIFY(!b->isDefault());
        QVERIFY(!b->autoDefault());
    }

    // Enter on a focused button presses it, on every window, as a native button does.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<WindowKind>("kind"); // the window shown when the key is pressed
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("visibleAfter");
        using K = WindowKind;
        QTest::newRow("menu PL, Return")
            << K::Form1 << "Command1" << int(Qt::Key_Return) << QStringList{"FormPL"};
        QTest::newRow("menu faces, keypad Enter")
            << K::Form1 << "Command5" << int(Qt::Key_Enter) << QStringList{"FormMF"};
        QTest::newRow("plate back, Return")
            << K::FormPL << "Command2" << int(Qt::Key_Return) << QStringList{"Form1"};
        QTest::newRow("weld-neck back, keypad Enter")
            << K::FormWN << "Command3" << int(Qt::Key_Enter) << QStringList{"Form1"};
        QTest::newRow("chooser sheet, Return")
            << K::FormMF << "Command3" << int(Qt::Key_Return) << QStringList{"FormTG"};
        QTest::newRow("chooser back, keypad Enter")
            << K::FormMF << "Command4" << int(Qt::Key_Enter) << QStringList{"Form1"};
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QStringList, visibleAfter);
        windows().hide(WindowKind::Form1);
        windows().show(kind);
        QWidget *window = windows().existing(kind);
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *target = window->findChild<QPushButton *>(button);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(visibleWindows(), visibleAfter);
    }

    void chooserLayout()
    {
        QWidget *chooser = windows().window(WindowKind::FormMF);
        struct Control {
            const char *name;
            const char *caption;
            QRect twips;
        };
        const Control controls[] = {
            {"Command1", "突面（RF）", {240, 600, 1332, 612}},
            {"Command2", "凹凸面（FM/M）", {1320, 1440, 1452, 612}},
            {"Command3", "榫槽面（T/G）", {2520, 2280, 1452, 612}},
            {"Command4", "返回", {3480, 360, 612, 972}},
        };
        for (const Control &c : controls) {
            auto *b = chooser->findChild<QPushButton *>(c.name);
            QCOMPARE(b->text(), QString::fromUtf8(c.caption));
            QCOMPARE(b->geometry(),
                     twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
        }
        QCOMPARE(chooser->findChild<QPushButton *>("Command4")->font().family(),
                 QStringLiteral("楷体_GB2312"));
        auto *label = chooser->findChild<QLabel *>("Label1");
        QCOMPARE(label->text(), QStringLiteral("请选择"));
        QCOMPARE(label->geometry(), twipsRect(240, 120, 1212, 252));
        QCOMPARE(label->font().family(), QStringLiteral("宋体"));
        // The Song face sets its glyphs low in a tall line: in its 252 twips the label needs up
        // to one and a half points less than its designed 10.8, which draws its glyphs as tall as
        // the thinner face drew them at 10.8.
        QVERIFY(label->font().pointSizeF() <= 10.8);
        QVERIFY(label->font().pointSizeF() > 9.0);
        QCOMPARE(chooser->focusWidget(), chooser->findChild<QPushButton *>("Command1"));
    }

    // Blind flanges are in the Class series only: the button opens its window on them, in place
    // of the menu and without a message, and both the tooltip and the window say that the PN
    // series' are not included yet.
    void blindFlangeButtonOpensTheClassSeries()
    {
        QVERIFY(button(WindowKind::Form1, "Command4")->toolTip().contains("PN 系列的法兰盖暂未收录"));
        MessageCatcher catcher;
        press(WindowKind::Form1, "Command4");
        QCOMPARE(catcher.seen.size(), 0);
        QCOMPARE(visibleWindows(), QStringList{"FormClass"});
        QWidget *window = m_windows->existing(WindowKind::FormClass);
        QCOMPARE(control<QListWidget>(window, "kindList")->currentItem()->text(), "BL");
        QVERIFY(control<QLabel>(window, "noteLabel")->text().contains("PN 系列"));
        QVERIFY(control<QLabel>(window, "noteLabel")->text().contains("暂未收录"));
        QVERIFY(!control<QLineEdit>(window, "boreBox")->isVisibleTo(window));
    }

    void flangeButtonsOpenTheirWindowAndReturn_data()
    {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<int>("index");
        QTest::newRow("PL") << "Command1" << 0;
        QTest::newRow("SO") << "Command2" << 1;
        QTest::newRow("WN") << "Command3" << 2;
    }
    void flangeButtonsOpenTheirWindowAndReturn()
    {
        QFETCH(QString, menuButton);
        QFETCH(int, index);
        const QueryWindowNames &target = queryWindows[index];

        // Each round trip leaves exactly one window on screen after every press.
        QWidget *first = nullptr;
        for (int round = 0; round < 3; ++round) {
            press(WindowKind::Form1, qPrintable(menuButton));
            QWidget *window = windows().existing(target.kind);
            QVERIFY(window);
            QCOMPARE(visibleWindows(), QStringList{window->objectName()});
            if (!first)
                first = window;
            QCOMPARE(window, first);
            auto *pressures = window->findChild<QListWidget *>("List1");
            QVERIFY(pressures);
            QCOMPARE(pressures->count(), target.pressures);
            QCOMPARE(window->findChild<QListWidget *>("List2")->count(), 2);

            press(target.kind, target.back);
            QCOMPARE(visibleWindows(), QStringList{"Form1"});
            QVERIFY(windows().existing(target.kind));
        }
    }

    void hiddenQueryWindowKeepsItsContents_data() { flangeButtonsOpenTheirWindowAndReturn_data(); }
    void hiddenQueryWindowKeepsItsContents()
    {
        QFETCH(QString, menuButton);
        QFETCH(int, index);
        const QueryWindowNames &target = queryWindows[index];

        press(WindowKind::Form1, qPrintable(menuButton));
        QWidget *window = windows().existing(target.kind);
        QVERIFY(window->findChild<QListWidget *>("List1"));
        window->findChild<QListWidget *>("List1")->setCurrentRow(2);
        window->findChild<QListWidget *>("List2")->setCurrentRow(1);
        auto *dn = window->findChild<QLineEdit *>(target.dnBox);
        dn->selectAll();
        QTest::keyClicks(dn, "100");
        press(target.kind, target.back);
        press(WindowKind::Form1, qPrintable(menuButton));

        QCOMPARE(windows().existing(target.kind), window);
        QCOMPARE(dn->text(), QStringLiteral("100"));
        QCOMPARE(window->findChild<QListWidget *>("List1")->currentRow(), 2);
        QCOMPARE(window->findChild<QListWidget *>("List2")->currentRow(), 1);
        QCOMPARE(window->findChild<QListWidget *>("List1")->count(), target.pressures);
    }

    // The close box discards the window: the next show builds it afresh and loads it again.
    void closeBoxDiscardsQueryWindow_data() { flangeButtonsOpenTheirWindowAndReturn_data(); }
    void closeBoxDiscardsQueryWindow()
    {
        QFETCH(QString, menuButton);
        QFETCH(int, index);
        const QueryWindowNames &target = queryWindows[index];

        press(WindowKind::Form1, qPrintable(menuButton));
        QPointer<QWidget> window = windows().existing(target.kind);
        QVERIFY(window->findChild<QListWidget *>("List1"));
        window->findChild<QListWidget *>("List1")->setCurrentRow(1);
        window->findChild<QLineEdit *>(target.dnBox)->setText("50");

        QVERIFY(window->close());
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
        QVERIFY(!windows().existing(target.kind));
        flushDeletes();
        QVERIFY(!window);

        press(WindowKind::Form1, qPrintable(menuButton));
        QWidget *fresh = windows().existing(target.kind);
        QCOMPARE(fresh->findChild<QLineEdit *>(target.dnBox)->text(), QStringLiteral(" "));
        QCOMPARE(fresh->findChild<QListWidget *>("List1")->count(), target.pressures);
        QCOMPARE(fresh->findChild<QListWidget *>("List1")->selectedItems().size(), 0);
        QCOMPARE(visibleWindows(), QStringList{fresh->objectName()});
    }

    void hidingCreatesAndLoadsWithoutShowing()
    {
        windows().hide(WindowKind::FormWN);
        QWidget *window = windows().existing(WindowKind::FormWN);
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QVERIFY(window->findChild<QListWidget *>("List1"));
        QCOMPARE(window->findChild<QListWidget *>("List1")->count(), 8);
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
    }

    void sealingFaceSheets_data()
    {
        QTest::addColumn<QString>("chooserButton");
        QTest::addColumn<WindowKind>("sheet");
        QTest::addColumn<QString>("caption");
        QTest::newRow("raised face") << "Command1" << WindowKind::FormRF << "突面";
        QTest::newRow("male/female") << "Command2" << WindowKind::FormFM << "凹凸面";
        QTest::newRow("tongue/groove") << "Command3" << WindowKind::FormTG << "榫槽";
    }
    void sealingFaceSheets()
    {
        QFETCH(QString, chooserButton);
        QFETCH(WindowKind, sheet);
        QFETCH(QString, caption);

        press(WindowKind::Form1, "Command5");
        QCOMPARE(visibleWindows(), QStringList{"FormMF"});
        QWidget *chooser = windows().existing(WindowKind::FormMF);

        press(WindowKind::FormMF, qPrintable(chooserButton));
        QWidget *window = windows().existing(sheet);
        QCOMPARE(visibleWindows(), QStringList{window->objectName()});
        QCOMPARE(window->windowTitle(), caption);
        // One line, centred, says what is missing: the face's dimensions and their data.
        const QList<QLabel *> labels = window->findChildren<QLabel *>();
        QCOMPARE(window->findChildren<QWidget *>().size(), 1);
        QCOMPARE(labels.size(), 1);
        QVERIFY(labels[0]->isVisible());
        QVERIFY2(labels[0]->text().contains("暂未收录") && labels[0]->text().contains("公称直径"),
                 qPrintable(labels[0]->text()));
        QCOMPARE(labels[0]->alignment(), Qt::AlignCenter);
        QVERIFY((labels[0]->geometry().center() - window->rect().center()).manhattanLength() <= 1);

        // Its close box brings the chooser back, the same one.
        QVERIFY(window->close());
        QCOMPARE(visibleWindows(), QStringList{"FormMF"});
        QCOMPARE(windows().existing(WindowKind::FormMF), chooser);
        QVERIFY(!windows().existing(sheet));

        press(WindowKind::FormMF, "Command4");
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
        press(WindowKind::Form1, "Command5");
        QCOMPARE(visibleWindows(), QStringList{"FormMF"});
        QCOMPARE(windows().existing(WindowKind::FormMF), chooser);
    }

    void chooserCloseBoxShowsTheMenu()
    {
        press(WindowKind::Form1, "Command5");
        QVERIFY(windows().existing(WindowKind::FormMF)->close());
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
        QVERIFY(!windows().existing(WindowKind::FormMF));
    }

    void exitHidesTheMenuAndEnds()
    {
        QSignalSpy quit(&windows(), &Windows::quitRequested);
        press(WindowKind::Form1, "Command6");
        QVERIFY(visibleWindows().isEmpty());
        QCOMPARE(quit.size(), 1);
    }

    void menuCloseBoxEnds()
    {
        QSignalSpy quit(&windows(), &Windows::quitRequested);
        press(WindowKind::Form1, "Command1");
        press(WindowKind::FormPL, "Command2");
        QVERIFY(windows().existing(WindowKind::Form1)->close());
        QCOMPARE(quit.size(), 1);
        QVERIFY(visibleWindows().isEmpty());
    }

    // A close of a window that is not on screen changes nothing else.
    void closingAHiddenWindowShowsNothing()
    {
        windows().hide(WindowKind::FormSO);
        QVERIFY(windows().existing(WindowKind::FormSO)->close());
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
        QVERIFY(!windows().existing(WindowKind::FormSO));
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
