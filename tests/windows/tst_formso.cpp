// The slip-on window driven as a user drives it: pick list rows, type the DN, press the buttons,
// answer the message boxes, read the boxes back. Also its layout against the design table.
#include "core/slipon/sliponquery.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"
#include "windows/slipon/sliponflangewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSvgRenderer>
#include <QtTest>

namespace
{

// Boxes on the drawing and beside the results, as numbers n of "Text<n>".
const QList<int> allBoxes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

} // namespace

class TestFormSO : public QObject
{
    Q_OBJECT

    std::unique_ptr<SlipOnFlangeWindow> m_window;

    template <typename T> T *control(const QString &name) const
    {
        return ::control<T>(m_window.get(), name);
    }
    QLineEdit *box(int n) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QListWidget *pressures() const { return control<QListWidget>("List1"); }
    QListWidget *series() const { return control<QListWidget>("List2"); }

    // Clicks a row of a one-line list, scrolling it into view first as the user would.
    void pick(QListWidget *list, int row) { clickRow(list, row); }
    void typeInto(QLineEdit *edit, const QString &text)
    {
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void press(const char *button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    void query(int pressure, int seriesRow, const QString &dn)
    {
        pick(pressures(), pressure);
        pick(series(), seriesRow);
        typeInto(box(1), dn);
        press("Command1");
    }
    int selected(const QListWidget *list) const
    {
        const auto items = list->selectedItems();
        return items.isEmpty() ? -1 : list->row(items.first());
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void init()
    {
        m_window = std::make_unique<SlipOnFlangeWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("twipsGeometry");
        QTest::addColumn<QString>("face"); // empty: the window's own font
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("text");

        const QString label = "QLabel", edit = "QLineEdit", button = "QPushButton",
                      list = "QListWidget";
        const QString song = "宋体", window;
        auto row = [&](const char *name, const QString &kind, QRect r, const QString &face,
                       double points, bool bold, const QString &text) {
            QTest::newRow(name) << QString::fromUtf8(name) << kind << r << face << points << bold
                                << text;
        };
        row("Label1(0)", label, {5520, 360, 852, 252}, window, 0, false, "压力 MPa");
        row("Label1(1)", label, {5520, 1440, 852, 252}, window, 0, false, "公称直径");
        row("Text1", edit, {6720, 1320, 972, 372}, song, 10.8, true, " ");
        row("Command1", button, {5520, 2040, 612, 492}, song, 10.8, false, "查找");
        row("Command2", button, {7200, 2040, 612, 492}, song, 10.8, false, "返回");
        row("Text2", edit, {1680, 840, 492, 264}, window, 0, false, " ");
        row("Text3", edit, {1320, 3240, 612, 264}, window, 0, false, " ");
        row("Text4", edit, {2160, 3000, 612, 264}, window, 0, false, " ");
        row("Text5", edit, {4080, 600, 732, 264}, window, 0, false, " ");
        row("Text6", edit, {4080, 840, 732, 264}, window, 0, false, " ");
        row("Text7", edit, {4680, 1920, 372, 264}, window, 0, false, " ");
        row("Text8", edit, {1680, 2400, 612, 264}, window, 0, false, " ");
        row("Text9", edit, {1680, 480, 612, 264}, window, 0, false, " ");
        row("Text10", edit, {480, 1080, 372, 264}, window, 0, false, " ");
        row("Text11", edit, {4680, 1560, 372, 264}, window, 0, false, " ");
        row("Text13", edit, {2760, 120, 372, 264}, window, 0, false, " ");
        row("Label1(2)", label, {5520, 840, 972, 252}, song, 7.8, false, "法兰内径形式");
        row("List1", list, {6720, 360, 972, 288}, song, 12, true, "");
        row("List2", list, {6720, 840, 972, 288}, song, 12, true, "");
        row("Command3", button, {6360, 2040, 612, 492}, window, 0, false, "清除");
        row("Label1(3)", label, {5520, 3000, 732, 252}, window, 0, false, "净面积M2");
        row("Label1(4)", label, {5520, 3600, 732, 252}, window, 0, false, "净重量Kg");
        row("Text12", edit, {6480, 2880, 852, 372}, song, 10.8, false, "");
        row("Text14", edit, {6480, 3480, 852, 372}, song, 10.8, false, "");
        row("Label2", label, {120, 3720, 3612, 492}, window, 0, false,
            "净面积为法兰用整块板下料面积。净重及为法兰去掉内径和螺栓孔的重量。");
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, twipsGeometry);
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QString, text);

        auto *widget = m_window->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
        QVERIFY(widget);
        QCOMPARE(widget->metaObject()->className(), kind);
        QCOMPARE(widget->geometry(), twipsRect(twipsGeometry.x(), twipsGeometry.y(),
                                               twipsGeometry.width(), twipsGeometry.height()));
        if (face.isEmpty()) {
            QVERIFY(!widget->testAttribute(Qt::WA_SetFont));
        } else {
            QCOMPARE(widget->font().family(), face);
            QCOMPARE(widget->font().pointSizeF(), points);
            QCOMPARE(widget->font().bold(), bold);
        }
        if (auto *l = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(l->text(), text);
            QCOMPARE(l->palette().color(QPalette::Window), QColor(255, 224, 192));
        } else if (auto *b = qobject_cast<QPushButton *>(widget)) {
            QCOMPARE(b->text(), text);
        } else if (auto *e = qobject_cast<QLineEdit *>(widget)) {
            QCOMPARE(e->text(), text);
            QVERIFY(!e->isReadOnly());
            QCOMPARE(e->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        }
    }

    void tabOrder()
    {
        const QStringList expected = {"Text1", "Command1", "Command2", "Text2",  "Text3",
                                      "Text4", "Text5",    "Text6",    "Text7",  "Text8",
                                      "Text9", "Text10",   "Text11",   "Text13", "List1",
                                      "List2", "Command3", "Text12",   "Text14"};
        QStringList chain;
        QWidget *w = box(1);
        do {
            if (w->parentWidget() == m_window.get() && (w->focusPolicy() & Qt::TabFocus))
                chain.append(w->objectName());
            w = w->nextInFocusChain();
        } while (w != box(1) && chain.size() <= expected.size());
        QCOMPARE(chain, expected);
        QCOMPARE(m_window->focusWidget(), box(1)); // labels take no focus
    }

    void windowAndDrawing()
    {
        QCOMPARE(m_window->objectName(), "FormSO");
        QCOMPARE(m_window->windowTitle(), "带颈平焊");
        QCOMPARE(m_window->size(), QSize(twips(7896), twips(4452)));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(255, 224, 192));

        auto *line = m_window->findChild<QWidget *>("Line1");
        QVERIFY(line);
        QVERIFY(line->geometry().contains(twipsPoint(5400, 0)));
        QVERIFY(line->geometry().contains(twipsPoint(5400, 4440)));
        QVERIFY(line->width() < 8);

        auto *picture = m_window->findChild<QWidget *>("Image1");
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), twipsRect(120, 0, 4836, 3588));
        QSvgRenderer drawing(QStringLiteral(":/drawings/slipon.svg"));
        QVERIFY(drawing.isValid());
        QCOMPARE(drawing.viewBox(), QRect(0, 0, 4836, 3588));
    }

    // Every box on the drawing is in front of it, so it can be read and clicked.
    void boxesInFrontOfTheDrawing()
    {
        for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}) {
            QLineEdit *b = box(n);
            QWidget *hit = m_window->childAt(b->geometry().center());
            QVERIFY2(hit == b || b->isAncestorOf(hit), qPrintable(b->objectName()));
        }
    }

    void loadStep()
    {
        auto texts = [](const QListWidget *list) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items.append(list->item(i)->text());
            return items;
        };
        QCOMPARE(texts(pressures()), (QStringList{"0.6", "1.0", "1.6", "2.5", "4.0"}));
        QCOMPARE(texts(series()), (QStringList{"A", "B"}));
        QCOMPARE(selected(pressures()), -1);
        QCOMPARE(selected(series()), -1);
    }

    void queryThroughTheWindow_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("seriesRow");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QStringList>("boxes"); // Text2 to Text14, in number order
        QTest::newRow("PN 1.0 A DN 100")
            << 1 << 0 << "100" << QStringList{"114.3", "220", "180", "8-φ18", "M16", "22",  "116",
                                              "140",   "6",   "40",  "0.03",  " ",   "5.07"};
        QTest::newRow("PN 0.6 A DN 80")
            << 0 << 0 << "80" << QStringList{"88.9", "190", "150", "4-φ18", "M16", "18",  "90.5",
                                             "110",  "6",   "34",  "0.02",  " ",   "3.34"};
        QTest::newRow("PN 0.6 B DN 80")
            << 0 << 1 << "80" << QStringList{"89",  "190", "150", "4-φ18", "M16", "18",  "91",
                                             "110", "6",   "34",  "0.02",  " ",   "3.32"};
        QTest::newRow("PN 1.0 A DN 600")
            << 1 << 0 << "600" << QStringList{"610", "780", "725", "20-φ30", "M27", "28",   "616.5",
                                              "658", "12",  "75",  "0.17",   "12",  "51.63"};
        QTest::newRow("PN 4.0 B DN 32.5 is DN 32")
            << 4 << 1 << "32.5" << QStringList{"38", "140", "100", "4-φ18", "M16", "18",  "39",
                                               "60", "5",   "30",  "0.01",  "5",   "2.02"};
    }
    void queryThroughTheWindow()
    {
        QFETCH(int, pressure);
        QFETCH(int, seriesRow);
        QFETCH(QString, dn);
        QFETCH(QStringList, boxes);
        MessageCatcher catcher;
        query(pressure, seriesRow, dn);
        QCOMPARE(catcher.texts(), QStringList());
        QStringList shown;
        for (int n = 2; n <= 14; ++n)
            shown.append(box(n)->text());
        QCOMPARE(shown, boxes);
        QCOMPARE(box(1)->text(), dn);
    }

    // The real message box: modal, titled "Quorvit", OK only, no icon. It shows before the
    // series step; once it is closed the procedure finishes.
    void messages_data()
    {
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("seriesRow");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("pipeAfter");
        QTest::newRow("fresh window, nothing selected")
            << -1 << -1 << "" << SlipOnPressureMessage << " ";
        QTest::newRow("no pressure, series A") << -1 << 0 << "100" << SlipOnPressureMessage << "";
        QTest::newRow("PN 0.6 refuses DN 350") << 0 << 0 << "350" << SlipOnDiameterMessage << "";
        QTest::newRow("12.5 is DN 12, not listed")
            << 1 << 1 << "12.5" << SlipOnDiameterMessage << "";
    }
    void messages()
    {
        QFETCH(int, pressure);
        QFETCH(int, seriesRow);
        QFETCH(QString, dn);
        QFETCH(QString, message);
        QFETCH(QString, pipeAfter);
        MessageCatcher catcher;
        catcher.probe = [this] { return box(5)->text() + "|" + box(14)->text(); };
        query(pressure, seriesRow, dn);

        QCOMPARE(catcher.texts(), QStringList{message});
        const MessageCatcher::Seen &seen = catcher.seen.first();
        QCOMPARE(seen.title, "Quorvit");
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttonCount, 1);
        QVERIFY(seen.hasOk);
        QVERIFY(seen.modal);
        QCOMPARE(catcher.probed, QStringList{" |"}); // nothing written yet
        QCOMPARE(box(5)->text(), "-φ");
        QCOMPARE(box(14)->text(), "0.00");
        QCOMPARE(box(2)->text(), pipeAfter);
        QCOMPARE(box(8)->text(), pipeAfter);
        QCOMPARE(box(9)->text(), pipeAfter);
        QCOMPARE(box(3)->text(), " "); // no row written
    }

    void clearEmptiesEveryBoxAndKeepsTheLists()
    {
        MessageCatcher catcher;
        query(2, 1, "250");
        QCOMPARE(box(13)->text(), "10");
        press("Command3");
        for (int n : allBoxes)
            QVERIFY2(box(n)->text().isEmpty(), qPrintable(box(n)->objectName()));
        QCOMPARE(selected(pressures()), 2);
        QCOMPARE(selected(series()), 1);
        QCOMPARE(catcher.texts(), QStringList());
    }

    void bevelStaysForARowWithout()
    {
        MessageCatcher catcher;
        query(1, 0, "450");
        QCOMPARE(box(13)->text(), "12");
        typeInto(box(1), "400");
        press("Command1");
        QCOMPARE(box(3)->text(), "565");
        QCOMPARE(box(13)->text(), "12");
        QCOMPARE(catcher.texts(), QStringList());
    }

    // With no series the series boxes keep even what the user typed into them.
    void noSeriesKeepsTheSeriesBoxes()
    {
        MessageCatcher catcher;
        typeInto(box(2), "a");
        typeInto(box(8), "b");
        typeInto(box(9), "c");
        query(1, -1, "100");
        QCOMPARE(catcher.texts(), QStringList());
        QCOMPARE(box(2)->text(), "a");
        QCOMPARE(box(8)->text(), "b");
        QCOMPARE(box(9)->text(), "c");
        QCOMPARE(box(5)->text(), "8-φ18");
        QCOMPARE(box(12)->text(), "0.00");
        QCOMPARE(box(14)->text(), "0.00");
    }

    // The weight takes C and H from what Text7 and Text11 show, typed over or not.
    void weightReadsThicknessAndHeightBack()
    {
        MessageCatcher catcher;
        query(0, 0, "80");
        typeInto(box(7), "20");
        typeInto(box(11), "30");
        typeInto(box(1), "350"); // not listed at PN 0.6: no row overwrites the boxes
        press("Command1");
        QCOMPARE(catcher.texts(), QStringList{SlipOnDiameterMessage});
        // 7.85 × 20 × 3.1415 × 190² / 4e6 = 4.451
        QCOMPARE(box(12)->text(), "0.03");
        QCOMPARE(box(14)->text(), "4.45");
    }
};

QTEST_MAIN(TestFormSO)
#include "tst_formso.moc"
