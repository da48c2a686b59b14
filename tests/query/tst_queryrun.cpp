#include "support/messagecatcher.h"
#include "widgets/language.h"
#include "widgets/querywindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

// A window with a few boxes named as the query windows name them.
class BoxWindow : public QWidget
{
public:
    BoxWindow()
    {
        for (int n = 1; n <= 3; ++n)
            (new QLineEdit(" ", this))->setObjectName(QStringLiteral("Text%1").arg(n));
        pressures = new QListWidget(this);
        series = new QListWidget(this);
    }
    QListWidget *pressures;
    QListWidget *series;
};

class TestQueryRun : public QObject
{
    Q_OBJECT

private slots:
    void readsInitialTextsThenItsOwnWrites()
    {
        QueryRun run([](int box) { return box == 7 ? QStringLiteral(" 75") : QString(); });
        QCOMPARE(run.text(7), QStringLiteral(" 75"));
        QCOMPARE(run.number(7), 75.0);
        run.write(7, "140");
        QCOMPARE(run.number(7), 140.0);
        QCOMPARE(run.number(9), 0.0);
    }

    void recordsStepsInOrder()
    {
        QueryRun run([](int) { return QString(); });
        run.write(1, "4");
        run.message("请从新输入公称直径！");
        run.write(1, "");
        const QList<QueryStep> expected = {
            {QueryStep::Kind::Write, 1, "4"},
            {QueryStep::Kind::Message, 0, "请从新输入公称直径！"},
            {QueryStep::Kind::Write, 1, ""},
        };
        QCOMPARE(run.steps(), expected);
        QCOMPARE(run.messages(), QStringList{"请从新输入公称直径！"});
    }

    void loadStepFillsListsWithoutSelection()
    {
        BoxWindow window;
        fillLists(window.pressures, window.series, {"0.25", "0.6", "1.0"});
        QCOMPARE(window.pressures->count(), 3);
        QCOMPARE(window.pressures->item(2)->text(), QStringLiteral("1.0"));
        QCOMPARE(window.series->count(), 2);
        QCOMPARE(window.series->item(0)->text(), QStringLiteral("A"));
        QCOMPARE(window.series->item(1)->text(), QStringLiteral("B"));
        QCOMPARE(selectedIndex(window.pressures), -1);
        QCOMPARE(selectedIndex(window.series), -1);
        window.series->setCurrentRow(1);
        QCOMPARE(selectedIndex(window.series), 1);
        window.series->clearSelection();
        QCOMPARE(selectedIndex(window.series), -1);
    }

    void clearingEmptiesTheBoxesAndKeepsSelections()
    {
        BoxWindow window;
        fillLists(window.pressures, window.series, {"1.0"});
        window.pressures->setCurrentRow(0);
        textBox(&window, 2)->setText("42");
        clearBoxes(&window, {1, 2});
        QCOMPARE(textBox(&window, 1)->text(), QString());
        QCOMPARE(textBox(&window, 2)->text(), QString());
        QCOMPARE(textBox(&window, 3)->text(), QStringLiteral(" "));
        QCOMPARE(selectedIndex(window.pressures), 0);
    }

    // A message is shown between the writes before it and the writes after it.
    void playsWritesAndMessagesInOrder()
    {
        BoxWindow window;
        QueryRun run = startQuery(&window);
        run.write(1, "before");
        run.message("压力不对，从新输入！");
        run.write(1, "after");

        MessageCatcher catcher;
        catcher.probe = [&window] { return textBox(&window, 1)->text(); };
        playQuery(&window, run);

        QCOMPARE(catcher.texts(), QStringList{"压力不对，从新输入！"});
        QCOMPARE(catcher.probed, QStringList{"before"});
        QCOMPARE(textBox(&window, 1)->text(), QStringLiteral("after"));
    }

    void messageBoxIsModalWithTitleAndOkOnly()
    {
        BoxWindow window;
        MessageCatcher catcher;
        showMessage(&window, "请确认公称通径！");
        QCOMPARE(catcher.seen.size(), 1);
        const MessageCatcher::Seen &seen = catcher.seen.first();
        QCOMPARE(seen.title, QStringLiteral("Quorvit"));
        QCOMPARE(seen.text, QStringLiteral("请确认公称通径！"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttonCount, 1);
        QVERIFY(seen.hasOk);
        QVERIFY(seen.modal);
    }

    // Qt's translations come with the set-up, so the button speaks the interface's language.
    void messageBoxButtonReadsChinese()
    {
        installChineseTranslations();
        BoxWindow window;
        MessageCatcher catcher;
        showMessage(&window, "请确认公称通径！");
        QCOMPARE(catcher.seen.size(), 1);
        QCOMPARE(catcher.seen.first().okText, QStringLiteral("确定"));
    }
};

QTEST_MAIN(TestQueryRun)
#include "tst_queryrun.moc"
