// The take-off, identification and Class series windows reached from the menu: its context menu, its keys, the
// --window start; and the closing rules that keep exactly one window on screen.
#include "app/mainmenu.h"
#include "app/windows.h"
#include "support/programrun.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(WindowKind)

namespace
{

} // namespace

class TestMenuActions : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;
    QWidget *menu() { return m_windows->existing(WindowKind::Form1); }

    static void windows()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("resizable"); // a table that grows with its window
        QTest::newRow("take-off") << WindowKind::FormTakeoff << "takeoff"
                                  << "批量计算" << int(Qt::Key_T) << "takeoffButton" << true;
        QTest::newRow("identification")
            << WindowKind::FormIdentify << "identify"
            << "反查法兰" << int(Qt::Key_I) << "identifyButton" << false;
        QTest::newRow("Class series")
            << WindowKind::FormClass << "class" << "Class 系列" << int(Qt::Key_K) << "classButton"
            << false;
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void init() { m_windows = std::make_unique<Windows>(); }
    void cleanup()
    {
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A right click on the menu's background offers the window; choosing it replaces the menu.
    void contextMenuOpens_data() { windows(); }
    void contextMenuOpens()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, caption);
        m_windows->show(WindowKind::Form1);
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!popup)
                return;
            for (QAction *action : popup->actions())
                offered.append(action->text());
            for (QAction *action : popup->actions())
                if (action->text().startsWith(caption))
                    QTest::mouseClick(popup, Qt::LeftButton, {},
                                      popup->actionGeometry(action).center());
        });
        // The corner between the buttons, where no control lies.
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                                menu()->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(menu(), &event);
        QCOMPARE(offered, QStringList({"批量计算…", "反查法兰…", "Class 系列…"}));
        QCOMPARE(visibleWindows(), QStringList{m_windows->existing(kind)->objectName()});
        QCOMPARE(m_windows->existing(kind)->windowTitle(), caption);
    }

    // The menu's key and its button, captioned as the window, open the window; its close box and
    // its "返回" each bring the menu back.
    void keyOrButtonOpensCloseAndBackReturn_data() { windows(); }
    void keyOrButtonOpensCloseAndBackReturn()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, caption);
        QFETCH(int, key);
        QFETCH(QString, button);
        QFETCH(bool, resizable);
        m_windows->show(WindowKind::Form1);
        QCOMPARE(control<QPushButton>(menu(), button)->text(), caption);
        for (const char *leave : {"close box", "返回"}) {
            QVERIFY(QTest::qWaitForWindowActive(menu()));
            if (QByteArray(leave) == "返回")
                QTest::mouseClick(control<QPushButton>(menu(), button), Qt::LeftButton);
            else
                QTest::keyClick(menu(), Qt::Key(key), Qt::ControlModifier);
            QWidget *window = m_windows->existing(kind);
            QVERIFY(window);
            QCOMPARE(visibleWindows(), QStringList{window->objectName()});
            QCOMPARE(window->minimumSize() != window->maximumSize(), resizable);
            QCOMPARE(bool(window->windowFlags() & Qt::WindowMaximizeButtonHint), resizable);
            for (QWidget *control : window->findChildren<QWidget *>())
                if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window))
                    QVERIFY2(!control->accessibleName().isEmpty() && !control->toolTip().isEmpty(),
                             qPrintable(control->objectName()));
            if (QByteArray(leave) == "返回")
                QTest::mouseClick(window->findChild<QPushButton *>("backButton"), Qt::LeftButton);
            else
                window->close();
            QCOMPARE(visibleWindows(), QStringList{"Form1"});
        }
    }

    // `quorvit --window NAME` shows the named window alone; leaving it shows the menu.
    void windowOnItsOwnReturnsToMenu_data() { windows(); }
    void windowOnItsOwnReturnsToMenu()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, name);
        QCOMPARE(windowNamed(name), std::optional(kind));
        m_windows->show(kind);
        QWidget *window = m_windows->existing(kind);
        QCOMPARE(visibleWindows(), QStringList{window->objectName()});
        window->close();
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
    }

    void unknownWindowIsAUsageError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown name") << QStringList{"--window", "takeof"};
        QTest::newRow("unknown name, one word") << QStringList{"--window=menu"};
        QTest::newRow("no name") << QStringList{"--window"};
    }
    void unknownWindowIsAUsageError()
    {
        QFETCH(QStringList, arguments);
        const ProgramRun run = quorvit(arguments);
        QCOMPARE(run.exitCode, 2);
        const QString &err = run.err;
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY2(err.contains("takeoff, identify"), qPrintable(err));
    }
};

QTEST_MAIN(TestMenuActions)
#include "tst_menuactions.moc"
