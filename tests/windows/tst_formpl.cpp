// The plate flange window as a user meets it: opened from the menu, lists clicked, the DN typed,
// buttons clicked, message boxes answered, boxes read back.
#include "app/windows.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSvgRenderer>
#include <QtTest>
#include <memory>

namespace
{

const QString PressureMessage = QStringLiteral("压力不对，从新输入！");
const QString DnMessage = QStringLiteral("请从新输入公称直径！");
const QString Blank = QStringLiteral(" ");

enum class Font { Default, SongBold };

QRect twipsGeometry(const QRect &r)
{
    return twipsRect(r.x(), r.y(), r.width(), r.height());
}

} // namespace

Q_DECLARE_METATYPE(Font)

class TestFormPL : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;
    QWidget *m_window = nullptr;

    template <typename T> T *control(const QString &name) const
    {
        return ::control<T>(m_window, name);
    }
    QLineEdit *box(int n) const { return control<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QStringList boxes() const
    {
        QStringList texts;
        for (int n = 1; n <= 12; ++n)
            texts.append(box(n)->text());
        return texts;
    }

    // Scrolls the row into view and clicks it, as a user would in the one-row list.
    void select(const char *list, int row)
    {
        auto *view = control<QListWidget>(list);
        clickRow(view, row);
        QCOMPARE(view->selectedItems(), QList<QListWidgetItem *>{view->item(row)});
    }
    // Clicks into the box, selects what it holds and types over it.
    void type(QLineEdit *into, const QString &text)
    {
        typeOver(into, text);
        QCOMPARE(into->text(), text);
    }
    void click(const char *button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    // "查找", answering whatever message it shows; returns the messages' texts.
    QStringList find(const std::function<QString()> &probe = {}, QStringList *probed = nullptr)
    {
        MessageCatcher catcher;
        catcher.probe = probe;
        click("Command1");
        if (probed)
            *probed = catcher.probed;
        return catcher.texts();
    }

private slots:
    void initTestCase() { installChineseFonts(); }

    // Every test starts from the menu and opens the window with its button.
    void init()
    {
        m_windows = std::make_unique<Windows>();
        m_windows->show(WindowKind::Form1);
        QTest::mouseClick(
            m_windows->existing(WindowKind::Form1)->findChild<QPushButton *>("Command1"),
            Qt::LeftButton);
        m_window = m_windows->existing(WindowKind::FormPL);
        QVERIFY(m_window && m_window->isVisible());
    }
    void cleanup()
    {
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_window = nullptr;
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<Font>("font");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("Label1(0)") << "Label1(0)" << "QLabel"      << QRect(4680, 360, 852, 252)   << Font::Default  << "压力 MPa";
        QTest::newRow("List1")     << "List1"     << "QListWidget" << QRect(6000, 360, 972, 264)   << Font::SongBold << "";
        QTest::newRow("Label1(2)") << "Label1(2)" << "QLabel"      << QRect(4680, 840, 1092, 252)  << Font::Default  << "配管外径形式";
        QTest::newRow("List2")     << "List2"     << "QListWidget" << QRect(6000, 840, 972, 264)   << Font::SongBold << "";
        QTest::newRow("Label1(1)") << "Label1(1)" << "QLabel"      << QRect(4680, 1560, 972, 252)  << Font::Default  << "公称直径mm";
        QTest::newRow("Text11")    << "Text11"    << "QLineEdit"   << QRect(6000, 1440, 972, 372)  << Font::SongBold << " ";
        QTest::newRow("Command1")  << "Command1"  << "QPushButton" << QRect(4680, 2160, 732, 372)  << Font::Default  << "查找";
        QTest::newRow("Command3")  << "Command3"  << "QPushButton" << QRect(5520, 2160, 732, 372)  << Font::Default  << "清除";
        QTest::newRow("Command2")  << "Command2"  << "QPushButton" << QRect(6360, 2160, 732, 372)  << Font::Default  << "返回";
        QTest::newRow("Label2(1)") << "Label2(1)" << "QLabel"      << QRect(4800, 3000, 852, 252)  << Font::Default  << "净面积M2=";
        QTest::newRow("Text10")    << "Text10"    << "QLineEdit"   << QRect(5880, 3000, 732, 264)  << Font::Default  << " ";
        QTest::newRow("Label2(2)") << "Label2(2)" << "QLabel"      << QRect(4800, 3480, 852, 252)  << Font::Default  << "净重量Kg=";
        QTest::newRow("Text12")    << "Text12"    << "QLineEdit"   << QRect(5880, 3480, 732, 264)  << Font::Default  << " ";
        QTest::newRow("Label3")    << "Label3"    << "QLabel"      << QRect(120, 3360, 3492, 492)  << Font::Default  << "螺栓查询不准确，待于改进！配管外径形式即为与法兰所配用的接管。";
        QTest::newRow("Image1")    << "Image1"    << "QWidget"     << QRect(120, 480, 3960, 2604)  << Font::Default  << "";
        QTest::newRow("Text1")     << "Text1"     << "QLineEdit"   << QRect(2400, 240, 372, 264)   << Font::Default  << " ";
        QTest::newRow("Text2")     << "Text2"     << "QLineEdit"   << QRect(1320, 240, 612, 264)   << Font::Default  << " ";
        QTest::newRow("Text3")     << "Text3"     << "QLineEdit"   << QRect(3360, 600, 852, 264)   << Font::Default  << " ";
        QTest::newRow("Text4")     << "Text4"     << "QLineEdit"   << QRect(3360, 960, 972, 264)   << Font::Default  << " ";
        QTest::newRow("Text5")     << "Text5"     << "QLineEdit"   << QRect(1440, 2040, 612, 264)  << Font::Default  << " ";
        QTest::newRow("Text6")     << "Text6"     << "QLineEdit"   << QRect(1440, 2400, 612, 264)  << Font::Default  << " ";
        QTest::newRow("Text7")     << "Text7"     << "QLineEdit"   << QRect(1440, 2760, 612, 264)  << Font::Default  << " ";
        QTest::newRow("Text8")     << "Text8"     << "QLineEdit"   << QRect(3720, 1920, 252, 264)  << Font::Default  << " ";
        QTest::newRow("Text9")     << "Text9"     << "QLineEdit"   << QRect(3840, 1440, 372, 264)  << Font::Default  << " ";
        // clang-format on
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, twips);
        QFETCH(Font, font);
        QFETCH(QString, text);

        auto *widget = control<QWidget>(name);
        QVERIFY2(widget->inherits(qPrintable(kind)), widget->metaObject()->className());
        QCOMPARE(widget->parentWidget(), m_window);
        QCOMPARE(widget->geometry(), twipsGeometry(twips));
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QCOMPARE(button->text(), text);
            QVERIFY(!button->isDefault() && !button->autoDefault());
        }
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            QCOMPARE(edit->text(), text);
            QVERIFY(!edit->isReadOnly());
            QVERIFY(edit->isEnabled());
            QVERIFY(edit->alignment() & Qt::AlignLeft);
        }
        if (font == Font::SongBold) {
            QCOMPARE(widget->font().family(), QStringLiteral("宋体"));
            QCOMPARE(widget->font().pointSizeF(), 10.8);
            QVERIFY(widget->font().bold());
        } else {
            // The window's font; a caption the desktop's font would clip gets a smaller size.
            QCOMPARE(widget->font().family(), m_window->font().family());
            QCOMPARE(widget->font().bold(), m_window->font().bold());
            QVERIFY(widget->font().pointSizeF() <= m_window->font().pointSizeF());
        }
    }

    void noteWrapsInsideItsLabel()
    {
        auto *note = control<QLabel>("Label3");
        QVERIFY(note->wordWrap());
        QVERIFY(note->heightForWidth(note->width()) <= note->height());
    }

    // Each line is a widget of its own whose rectangle holds both its ends.
    void lines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("Line1, panel separator") << "Line1" << QPoint(4560, 0) << QPoint(4560, 4080);
        QTest::newRow("Line4, above the results")
            << "Line4" << QPoint(4560, 2760) << QPoint(7200, 2760);
        QTest::newRow("Line2, leader to Text2")
            << "Line2" << QPoint(1800, 840) << QPoint(1560, 480);
        QTest::newRow("Line3, leader to Text9")
            << "Line3" << QPoint(3600, 1560) << QPoint(3840, 1560);
    }
    void lines()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        auto *line = control<QWidget>(name);
        const QRect ends =
            QRect(twipsPoint(from.x(), from.y()), twipsPoint(to.x(), to.y())).normalized();
        QVERIFY(line->geometry().contains(ends));
        // No wider than the line itself plus its pen.
        QVERIFY(line->width() <= ends.width() + 4 && line->height() <= ends.height() + 4);
        QCOMPARE(line->focusPolicy(), Qt::NoFocus);
    }

    // The drawing lies under everything; the boxes lie over the leader lines.
    void stacking()
    {
        const QObjectList children = m_window->children();
        const int image = children.indexOf(control<QWidget>("Image1"));
        for (const char *line : {"Line2", "Line3"}) {
            QVERIFY(image < children.indexOf(control<QWidget>(line)));
            for (int n = 1; n <= 9; ++n)
                QVERIFY(children.indexOf(control<QWidget>(line)) < children.indexOf(box(n)));
        }
        QCOMPARE(image, 0);
    }

    void drawingIsCompiledIn()
    {
        QSvgRenderer drawing(QStringLiteral(":/drawings/plate.svg"));
        QVERIFY(drawing.isValid());
        // Drawn in Image1's own twips, so each box lands on its dimension line.
        QCOMPARE(drawing.viewBoxF(), QRectF(0, 0, 3960, 2604));
        const QImage picture = control<QWidget>("Image1")->grab().toImage();
        int dark = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                dark += qGray(picture.pixel(x, y)) < 100;
        QVERIFY2(dark > picture.width() * picture.height() / 50, "the drawing is nearly empty");
    }

    void tabOrder()
    {
        const QStringList order = {"Text1", "Text2",  "Text3", "Text4",  "Text5",    "Text6",
                                   "Text7", "Text8",  "Text9", "Text11", "Command1", "Command2",
                                   "List1", "Text10", "List2", "Text12", "Command3", "Text1"};
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QWidget *next = control<QWidget>(order[i])->nextInFocusChain();
            while (!(next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), order[i + 1]);
        }
    }

    void openedWindow()
    {
        QCOMPARE(m_window->focusWidget(), box(1));
        auto *pressures = control<QListWidget>("List1");
        auto *series = control<QListWidget>("List2");
        QStringList pressureTexts, seriesTexts;
        for (int i = 0; i < pressures->count(); ++i)
            pressureTexts.append(pressures->item(i)->text());
        for (int i = 0; i < series->count(); ++i)
            seriesTexts.append(series->item(i)->text());
        QCOMPARE(pressureTexts, QStringList({"0.25", "0.6", "1.0", "1.6", "2.5"}));
        QCOMPARE(seriesTexts, QStringList({"A", "B"}));
        QVERIFY(pressures->selectedItems().isEmpty());
        QVERIFY(series->selectedItems().isEmpty());
        QCOMPARE(boxes(), QStringList(12, Blank));
    }

    void query_data()
    {
        QTest::addColumn<int>("pressure"); // -1: not clicked
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("boxes"); // Text1 to Text12
        // clang-format off
        QTest::newRow("PN 0.25, A, DN 10")
            << 0 << 0 << "10" << QStringList()
            << QStringList{"4", "17.2", "4-φ11", "M10x45", "18", "50", "75", "2", "12", "0.00", "10", "0.36"};
        QTest::newRow("PN 0.25, B, DN 10")
            << 0 << 1 << "10" << QStringList()
            << QStringList{"4", "14", "4-φ11", "M10x45", "15", "50", "75", "2", "12", "0.00", "10", "0.36"};
        QTest::newRow("PN 0.6, A, DN 2000")
            << 1 << 0 << "2000" << QStringList()
            << QStringList{"18", "2032", "48-φ42", "M39x3x240", "2036", "2180", "2265", "5", "92", "0.71", "2000", "510.38"};
        QTest::newRow("PN 2.5, B, DN 600")
            << 4 << 1 << "600" << QStringList()
            << QStringList{"12", "630", "20-φ39", "M36x2x225", "636", "770", "845", "2", "68", "0.22", "600", "116.96"};
        QTest::newRow("PN 1.6, A, DN 11.5 reads 12")
            << 3 << 0 << "11.5" << QStringList{DnMessage}
            << QStringList{" ", "", "-φ", " ", "", " ", " ", " ", " ", "0.00", "11.5", "0.00"};
        QTest::newRow("PN 1.0, B, DN 700 only at low pressures")
            << 2 << 1 << "700" << QStringList{DnMessage}
            << QStringList{" ", "", "-φ", " ", "", " ", " ", " ", " ", "0.00", "700", "0.00"};
        QTest::newRow("no series straight after opening")
            << 0 << -1 << "10" << QStringList()
            << QStringList{"4", " ", "4-φ11", "M10x45", " ", "50", "75", "2", "12", "0.00", "10", "0.38"};
        QTest::newRow("no pressure")
            << -1 << 0 << "10" << QStringList{PressureMessage}
            << QStringList{" ", "", "-φ", " ", "", " ", " ", " ", " ", "0.00", "10", "0.00"};
        QTest::newRow("nothing selected, empty DN")
            << -1 << -1 << "" << QStringList{PressureMessage}
            << QStringList{" ", " ", "-φ", " ", " ", " ", " ", " ", " ", "0.00", "", "0.00"};
        // clang-format on
    }
    void query()
    {
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        if (pressure >= 0)
            select("List1", pressure);
        if (series >= 0)
            select("List2", series);
        type(box(11), dn);
        QTEST(find(), "messages");
        QTEST(boxes(), "boxes");
    }

    // A refused DN straight after a found one: the message first, then the empty row's steps.
    void dn10FoundThenDn11Refused()
    {
        select("List1", 0);
        select("List2", 0);
        type(box(11), "10");
        QCOMPARE(find(), QStringList());

        type(box(11), "11");
        QStringList whileShown;
        QCOMPARE(find([this] { return box(2)->text() + "|" + box(3)->text(); }, &whileShown),
                 QStringList{DnMessage});
        QCOMPARE(whileShown, QStringList{"17.2|4-φ11"});
        QCOMPARE(boxes(), QStringList({"4", "", "-φ", "M10x45", "", "50", "75", "2", "12", "0.00",
                                       "11", "0.42"}));
    }

    void clearThenQuery()
    {
        select("List1", 2);
        select("List2", 1);
        type(box(11), "100");
        find();
        QCOMPARE(box(7)->text(), "220");

        click("Command3");
        QCOMPARE(boxes(), QStringList(12, QString()));
        QCOMPARE(control<QListWidget>("List1")->currentRow(), 2);
        QCOMPARE(control<QListWidget>("List1")->selectedItems().size(), 1);
        QCOMPARE(control<QListWidget>("List2")->selectedItems().size(), 1);

        QCOMPARE(find(), QStringList{DnMessage});
        QCOMPARE(boxes(), QStringList({"", "", "-φ", "", "", "", "", "", "", "0.00", "", "0.00"}));
    }

    // What the user types into an output box: replaced by a found row, used after a refusal.
    void typedOverOutputBox()
    {
        select("List1", 0);
        select("List2", 0);
        type(box(11), "10");
        type(box(7), "300");
        QCOMPARE(find(), QStringList());
        QCOMPARE(box(7)->text(), "75");

        type(box(7), "300");
        type(box(11), "11");
        QCOMPARE(find(), QStringList{DnMessage});
        QCOMPARE(box(7)->text(), "300");
        QCOMPARE(box(10)->text(), "0.07");
        QCOMPARE(box(12)->text(), "6.66");
    }

    void messageBoxLooksRight()
    {
        MessageCatcher catcher;
        click("Command1");
        QCOMPARE(catcher.seen.size(), 1);
        const MessageCatcher::Seen &seen = catcher.seen.first();
        QCOMPARE(seen.title, QStringLiteral("Quorvit"));
        QCOMPARE(seen.text, PressureMessage);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttonCount, 1);
        QVERIFY(seen.hasOk);
        QVERIFY(seen.modal);
    }
};

QTEST_MAIN(TestFormPL)
#include "tst_formpl.moc"
