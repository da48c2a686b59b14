#include "support/messagecatcher.h"
#include "translations/language.h"
#include "widgets/querywindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

// A query procedure that writes box 1, shows a message, then writes box 1 again.
void writeMessageWrite(QueryRun &run, std::optional<Rating>, std::optional<PipeSeries>)
{
    run.write(1, "before");
    run.message("压力不对，重新输入！");
    run.write(1, "after");
}

// A query window of one box, the two lists and "查找", which runs writeMessageWrite.
class BoxWindow : public QueryWindow
{
public:
    BoxWindow()
        : QueryWindow({
              .kind = std::nullopt,
              .window = {"FormX", "X", 3000, 2000, std::nullopt, std::nullopt},
              .lines = {},
              .controls =
                  {{ControlDesign::TextBox, "Text1", {0, 0, 600, 264}, 0, {}, " ", {}, {}, 1},
                   {ControlDesign::List, "List1", {800, 0, 600, 264}, 1, {}, {}},
                   {ControlDesign::List, "List2", {800, 300, 600, 264}, 2, {}, {}},
                   {ControlDesign::Button, "Command1", {800, 600, 600, 372}, 3, {}, "查找"}},
              .pressures = {"1.0"},
              .dnBox = 1,
              .findButton = "Command1",
              .clearButton = {},
              .backButton = {},
              .clearOrder = {},
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
        run.write(7, "140");
        QCOMPARE(run.text(7), QStringLiteral("140"));
        QCOMPARE(run.text(9), QString());
    }

    void recordsStepsInOrder()
    {
        QueryRun run([](int) { return QString(); });
        run.write(1, "4");
        run.message("请重新输入公称直径！");
        run.write(1, "");
        const QList<QueryStep> expected = {
            {QueryStep::Kind::Write, 1, "4"},
            {QueryStep::Kind::Message, 0, "请重新输入公称直径！"},
            {QueryStep::Kind::Write, 1, ""},
        };
        QCOMPARE(run.steps(), expected);
        QCOMPARE(run.messages(), QStringList{"请重新输入公称直径！"});
    }

    // A message is shown between the writes before it and the writes after it.
    void playsWritesAndMessagesInOrder()
    {
        BoxWindow window;
        MessageCatcher catcher;
        catcher.probe = [&window] { return window.box(1)->text(); };
        window.find();

        QCOMPARE(catcher.texts(), QStringList{"压力不对，重新输入！"});
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
        installLanguage(Language::Chinese);
        BoxWindow window;
        MessageCatcher catcher;
        showMessage(&window, "请确认公称通径！");
        QCOMPARE(catcher.seen.size(), 1);
        QCOMPARE(catcher.seen.first().okText, QStringLiteral("确定"));
    }
};

QTEST_MAIN(TestQueryRun)
#include "tst_queryrun.moc"
