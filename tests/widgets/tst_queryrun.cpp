#include "support/messagecatcher.h"
#include "widgets/language.h"
#include "widgets/querywindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

// A query procedure that writes box 1, shows a message, then writes box 1 again.
void writeMessageWrite(QueryRun &run, PressureRating, PipeSeries)
{
    run.write(1, "before");
    run.message("压力不对，从新输入！");
    run.write(1, "after");
}

// A query window of three boxes (box 1 the DN box), two lists and the three buttons, which
// clears boxes 1 and 2 only.
class BoxWindow : public QueryWindow
{
public:
    BoxWindow()
        : QueryWindow({
              .window = {"FormX", "X", 3000, 2000, std::nullopt, std::nullopt},
              .lines = {},
              .controls =
                  {{ControlDesign::TextBox, "Text1", {0, 0, 600, 264}, 0, {}, " "},
                   {ControlDesign::TextBox, "Text2", {0, 300, 600, 264}, 1, {}, " "},
                   {ControlDesign::TextBox, "Text3", {0, 600, 600, 264}, 2, {}, " "},
                   {ControlDesign::List, "List1", {800, 0, 600, 264}, 3, {}, {}},
                   {ControlDesign::List, "List2", {800, 300, 600, 264}, 4, {}, {}},
                   {ControlDesign::Button, "Command1", {800, 600, 600, 372}, 5, {}, "查找"},
                   {ControlDesign::Button, "Command2", {800, 1000, 600, 372}, 6, {}, "清除"},
                   {ControlDesign::Button, "Command3", {800, 1400, 600, 372}, 7, {}, "返回"}},
              .pressures = {"0.25", "0.6", "1.0"},
              .dnBox = 1,
              .findButton = "Command1",
              .clearButton = "Command2",
              .backButton = "Command3",
              .clearOrder = {1, 2},
              .query = writeMessageWrite,
          })
    {
    }
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
        QCOMPARE(window.pressures()->count(), 3);
        QCOMPARE(window.pressures()->item(2)->text(), QStringLiteral("1.0"));
        QCOMPARE(window.series()->count(), 2);
        QCOMPARE(window.series()->item(0)->text(), QStringLiteral("A"));
        QCOMPARE(window.series()->item(1)->text(), QStringLiteral("B"));
        QCOMPARE(selectedIndex(window.pressures()), -1);
        QCOMPARE(selectedIndex(window.series()), -1);
        window.series()->setCurrentRow(1);
        QCOMPARE(selectedIndex(window.series()), 1);
        window.series()->clearSelection();
        QCOMPARE(selectedIndex(window.series()), -1);
    }

    void clearingEmptiesTheBoxesAndKeepsSelections()
    {
        BoxWindow window;
        window.pressures()->setCurrentRow(0);
        window.box(2)->setText("42");
        window.clear();
        QCOMPARE(window.box(1)->text(), QString());
        QCOMPARE(window.box(2)->text(), QString());
        QCOMPARE(window.box(3)->text(), QStringLiteral(" "));
        QCOMPARE(selectedIndex(window.pressures()), 0);
    }

    // A message is shown between the writes before it and the writes after it.
    void playsWritesAndMessagesInOrder()
    {
        BoxWindow window;
        MessageCatcher catcher;
        catcher.probe = [&window] { return window.box(1)->text(); };
        window.find();

        QCOMPARE(catcher.texts(), QStringList{"压力不对，从新输入！"});
        QCOMPARE(catcher.probed, QStringList{"before"});
        QCOMPARE(window.box(1)->text(), QStringLiteral("after"));
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
