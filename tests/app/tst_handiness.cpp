// What the three query windows offer the hand beyond their designed behaviour: tooltips and
// accessible names on every box and list, Enter in the DN box, the designed tab order, and the
// application icon every window carries.
#include "app/windows.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/deferredicon.h"
#include "widgets/fonts.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(WindowKind)

namespace
{

QString kindName(WindowKind kind)
{
    switch (kind) {
    case WindowKind::FormPL:
        return QStringLiteral("FormPL");
    case WindowKind::FormSO:
        return QStringLiteral("FormSO");
    case WindowKind::FormWN:
        return QStringLiteral("FormWN");
    case WindowKind::FormClass:
        return QStringLiteral("FormClass");
    default:
        return QStringLiteral("?");
    }
}

const WindowKind AllWindows[] = {WindowKind::Form1,  WindowKind::FormPL, WindowKind::FormSO,
                                 WindowKind::FormWN, WindowKind::FormMF, WindowKind::FormRF,
                                 WindowKind::FormFM, WindowKind::FormTG, WindowKind::FormClass};

// Whether a caption drawn like the label's, at the given font, needs more than the label's
// rectangle: a copy of the label with room to spare right and below leaves ink in the last
// column or row of that rectangle, or beyond it.
bool clipped(const QLabel *label, const QFont &font)
{
    QLabel copy(label->text());
    copy.setFont(font);
    copy.setWordWrap(label->wordWrap());
    copy.setAlignment(label->alignment());
    const QSize room = label->size();
    // A wrapped caption keeps its width, or it would wrap elsewhere; a vertically centred one
    // keeps its height, or it would move, and is cut when it has ink in its top or bottom row.
    const bool centred = label->alignment() & Qt::AlignVCenter;
    copy.resize(room + QSize(label->wordWrap() ? 0 : 100, centred ? 0 : 100));
    const QImage image = copy.grab().toImage();
    const int background = qGray(copy.palette().color(copy.backgroundRole()).rgb());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((x >= room.width() - 1 || y >= room.height() - 1 || (centred && y == 0)) &&
                qAbs(qGray(image.pixel(x, y)) - background) > 64)
                return true;
    return false;
}

// Whether a button's caption stays inside the frame the style draws around it.
bool insideFrame(QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return button->fontMetrics().horizontalAdvance(button->text()) <= inside.width();
}

// Whether a box shows the whole of its text: drawn by a copy of the box wide enough for any
// text, it looks the same where the box is, and leaves nothing to the right of it.
bool showsWholeText(QLineEdit *box)
{
    QLineEdit copy(box->text());
    copy.setFont(box->font());
    copy.setAlignment(box->alignment());
    copy.setCursorPosition(0);
    copy.resize(box->width() + 400, box->height());
    box->clearFocus();
    const QImage shown = box->grab().toImage();
    const QImage whole = copy.grab().toImage();
    const int background = qGray(copy.palette().color(QPalette::Base).rgb());
    const int frame = 3; // the box's frame and the margin inside it
    for (int y = frame; y < shown.height() - frame; ++y) {
        for (int x = frame; x < shown.width() - frame; ++x)
            if (qAbs(qGray(shown.pixel(x, y)) - qGray(whole.pixel(x, y))) > 64)
                return false;
        for (int x = shown.width() - frame; x < whole.width() - frame; ++x)
            if (qAbs(qGray(whole.pixel(x, y)) - background) > 64)
                return false;
    }
    return true;
}

} // namespace

class TestHandiness : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;

    QWidget *open(WindowKind kind)
    {
        m_windows->show(kind);
        QWidget *window = m_windows->existing(kind);
        if (!window || !QTest::qWaitForWindowExposed(window))
            qFatal("%s did not open", qPrintable(kindName(kind)));
        return window;
    }
    // Clicks the row of a one-line list, as a user would.
    static void select(QListWidget *list, int row) { clickRow(list, row); }
    // Clicks into the box and types over what it holds.
    static void type(QLineEdit *box, const QString &text)
    {
        typeOver(box, text);
        QCOMPARE(box->text(), text);
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void init() { m_windows = std::make_unique<Windows>(); }
    void cleanup()
    {
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void hints_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        const auto row = [](WindowKind kind, const char *control, const char *name,
                            const char *tooltip) {
            QTest::addRow("%s %s", qPrintable(kindName(kind)), control)
                << kind << control << QString::fromUtf8(name) << QString::fromUtf8(tooltip);
        };
        const WindowKind PL = WindowKind::FormPL, SO = WindowKind::FormSO, WN = WindowKind::FormWN,
                         CL = WindowKind::FormClass;
        // clang-format off
        row(PL, "List1",  "公称压力",         "公称压力（MPa）");
        row(PL, "List2",  "配管外径形式",     "配管外径形式（A 或 B）");
        row(PL, "Text11", "公称直径",         "公称直径（mm），按回车键查找");
        row(PL, "Text1",  "坡口宽度",         "坡口宽度（mm）");
        row(PL, "Text2",  "配管外径",         "配管外径（mm）");
        row(PL, "Text3",  "螺栓孔数量和孔径", "螺栓孔数量和孔径");
        row(PL, "Text4",  "螺栓规格",         "螺栓规格");
        row(PL, "Text5",  "法兰内径",         "法兰内径（mm）");
        row(PL, "Text6",  "螺栓孔中心圆直径", "螺栓孔中心圆直径（mm）");
        row(PL, "Text7",  "法兰外径",         "法兰外径（mm）");
        row(PL, "Text8",  "突面高度",         "突面高度（mm）");
        row(PL, "Text9",  "法兰厚度",         "法兰厚度（mm）");
        row(PL, "Text10", "净面积",           "净面积（m²）");
        row(PL, "Text12", "净重量",           "净重量（kg）");

        row(SO, "List1",  "公称压力",         "公称压力（MPa）");
        row(SO, "List2",  "法兰内径形式",     "法兰内径形式（A 或 B）");
        row(SO, "Text1",  "公称直径",         "公称直径（mm），按回车键查找");
        row(SO, "Text2",  "配管外径",         "配管外径（mm）");
        row(SO, "Text3",  "法兰外径",         "法兰外径（mm）");
        row(SO, "Text4",  "螺栓孔中心圆直径", "螺栓孔中心圆直径（mm）");
        row(SO, "Text5",  "螺栓孔数量和孔径", "螺栓孔数量和孔径");
        row(SO, "Text6",  "螺栓螺纹",         "螺栓螺纹");
        row(SO, "Text7",  "法兰厚度",         "法兰厚度（mm）");
        row(SO, "Text8",  "法兰内径",         "法兰内径（mm）");
        row(SO, "Text9",  "法兰颈外径",       "法兰颈外径（mm）");
        row(SO, "Text10", "颈根圆角半径",     "颈根圆角半径（mm）");
        row(SO, "Text11", "法兰总高度",       "法兰总高度（mm）");
        row(SO, "Text13", "坡口宽度",         "坡口宽度（mm）");
        row(SO, "Text12", "净面积",           "净面积（m²）");
        row(SO, "Text14", "净重量",           "净重量（kg）");

        row(WN, "List1",  "公称压力",         "公称压力（MPa）");
        row(WN, "List2",  "法兰焊端外径形式", "法兰焊端外径形式（A 或 B）");
        row(WN, "Text1",  "公称通径",         "公称通径（mm），按回车键查找");
        row(WN, "Text2",  "焊端外径",         "焊端外径（mm）");
        row(WN, "Text3",  "法兰外径",         "法兰外径（mm）");
        row(WN, "Text4",  "螺栓孔中心圆直径", "螺栓孔中心圆直径（mm）");
        row(WN, "Text5",  "螺栓孔数量和孔径", "螺栓孔数量和孔径");
        row(WN, "Text6",  "螺栓螺纹",         "螺栓螺纹");
        row(WN, "Text7",  "法兰厚度",         "法兰厚度（mm）");
        row(WN, "Text8",  "颈部大端直径",     "颈部大端直径（mm）");
        row(WN, "Text9",  "焊端壁厚",         "焊端壁厚（mm）");
        row(WN, "Text10", "焊端直段高度",     "焊端直段高度（mm）");
        row(WN, "Text11", "过渡圆角半径",     "过渡圆角半径（mm）");
        row(WN, "Text12", "净重量",           "净重量（kg）");
        row(WN, "Text13", "法兰总高度",       "法兰总高度（mm）");

        row(CL, "kindList",      "法兰类型",         "法兰类型（WN、SO 或 BL）");
        row(CL, "sizeBox",       "公称尺寸",         "公称尺寸（NPS 如 4\"、1-1/2\"，或 DN100），按回车键查找");
        row(CL, "scheduleList",  "管子表号",         "管子表号（带颈对焊法兰的内径按此，默认 STD）");
        row(CL, "faceHeightBox", "突面高度",         "突面高度（mm）");
        row(CL, "boltSizeBox",   "螺栓直径",         "螺栓直径（in）");
        row(CL, "weightBox",     "按几何尺寸计算的重量", "按几何尺寸计算的重量（kg）");
        row(CL, "materialBox",   "材料或材料组",     "材料或材料组（A105、WCB、F304 或 1.1、2.1）");
        // clang-format on
    }
    // Each box and list says what it holds, to the mouse and to a screen reader alike.
    void hints()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        QWidget *window = open(kind);
        auto *widget = ::control<QWidget>(window, control);
        QCOMPARE(widget->accessibleName(), name);
        QCOMPARE(widget->toolTip(), tooltip);
    }

    void everyBoxAndListDescribed_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<int>("controls");
        QTest::newRow("FormPL") << WindowKind::FormPL << 14;
        QTest::newRow("FormSO") << WindowKind::FormSO << 16;
        QTest::newRow("FormWN") << WindowKind::FormWN << 15;
        QTest::newRow("FormClass") << WindowKind::FormClass << 21;
    }
    // No box or list is left without a name, and no two share one, so a screen reader can
    // tell them apart.
    void everyBoxAndListDescribed()
    {
        QFETCH(WindowKind, kind);
        QFETCH(int, controls);
        QWidget *window = open(kind);
        QList<QWidget *> widgets;
        for (auto *box : window->findChildren<QLineEdit *>())
            widgets.append(box);
        for (auto *list : window->findChildren<QListWidget *>())
            widgets.append(list);
        QCOMPARE(widgets.size(), controls);
        QSet<QString> names;
        for (QWidget *widget : std::as_const(widgets)) {
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            QVERIFY2(widget->toolTip().startsWith(widget->accessibleName()),
                     qPrintable(widget->objectName()));
            names.insert(widget->accessibleName());
        }
        QCOMPARE(names.size(), controls);
    }

    void enterInDnBox_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("messages");
        const int Return = Qt::Key_Return, Enter = Qt::Key_Enter;
        const WindowKind PL = WindowKind::FormPL, SO = WindowKind::FormSO, WN = WindowKind::FormWN;
        // clang-format off
        QTest::newRow("FormPL Return finds PN 0.25 A DN 10")  << PL << 0 << 0  << "10" << Return << "Text12" << "0.36"  << QStringList();
        QTest::newRow("FormPL keypad Enter finds the row")     << PL << 0 << 0  << "10" << Enter  << "Text7"  << "75"    << QStringList();
        QTest::newRow("FormPL unlisted DN gives its message")  << PL << 0 << 0  << "11" << Return << "Text3"  << ""      << QStringList{"请重新输入公称直径！"};
        QTest::newRow("FormPL no pressure gives its message")  << PL << -1 << 0 << "10" << Return << "Text3"  << ""      << QStringList{"压力不对，重新输入！"};
        QTest::newRow("FormSO Return finds PN 0.6 A DN 80")   << SO << 0 << 0  << "80" << Return << "Text14" << "3.34"  << QStringList();
        QTest::newRow("FormSO keypad Enter finds the row")     << SO << 0 << 0  << "10" << Enter  << "Text3"  << "75"    << QStringList();
        QTest::newRow("FormSO unlisted DN gives its message")  << SO << 0 << 0  << "12" << Return << "Text5"  << ""      << QStringList{"公称直径不对，请重新输入！"};
        QTest::newRow("FormWN Return finds PN 1.0 A DN 10")   << WN << 0 << 0  << "10" << Return << "Text12" << "0.65"  << QStringList();
        QTest::newRow("FormWN keypad Enter finds the row")     << WN << 0 << 1  << "10" << Enter  << "Text12" << "0.66"  << QStringList();
        QTest::newRow("FormWN no series gives its message")    << WN << 0 << -1 << "10" << Return << "Text3"  << ""      << QStringList{"请确定焊端外径！"};
        // clang-format on
    }
    // Enter typed into the real DN box runs the same query "查找" runs, messages included.
    void enterInDnBox()
    {
        QFETCH(WindowKind, kind);
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QFETCH(int, key);
        QFETCH(QString, box);
        QFETCH(QString, expected);
        QFETCH(QStringList, messages);
        QWidget *window = open(kind);
        select(control<QListWidget>(window, "List1"), pressure);
        select(control<QListWidget>(window, "List2"), series);
        const QString dnBox = kind == WindowKind::FormPL ? "Text11" : "Text1";
        auto *input = control<QLineEdit>(window, dnBox);
        type(input, dn);

        MessageCatcher catcher;
        QTest::keyClick(input, Qt::Key(key));
        QCOMPARE(catcher.texts(), messages);
        QCOMPARE(control<QLineEdit>(window, box)->text(), expected);
        QCOMPARE(input->text(), dn);
    }

    void enterElsewhereDoesNothing_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("box");
        QTest::newRow("FormPL outside diameter box") << WindowKind::FormPL << "Text7";
        QTest::newRow("FormSO net weight box") << WindowKind::FormSO << "Text14";
        QTest::newRow("FormWN bolt thread box") << WindowKind::FormWN << "Text6";
    }
    // Only the DN box answers Enter: in any other box (with nothing selected, where a query
    // would show a message and write the callout) it changes nothing.
    void enterElsewhereDoesNothing()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, box);
        QWidget *window = open(kind);
        QStringList before;
        for (auto *edit : window->findChildren<QLineEdit *>())
            before.append(edit->text());

        MessageCatcher catcher;
        QTest::keyClick(control<QLineEdit>(window, box), Qt::Key_Return);
        QCOMPARE(catcher.texts(), QStringList());
        QStringList after;
        for (auto *edit : window->findChildren<QLineEdit *>())
            after.append(edit->text());
        QCOMPARE(after, before);
    }

    void tabOrder_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QStringList>("order");
        // clang-format off
        QTest::newRow("menu") << WindowKind::Form1 << QStringList{
            "Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
            "takeoffButton", "identifyButton", "classButton"};
        QTest::newRow("chooser") << WindowKind::FormMF << QStringList{
            "Command1", "Command2", "Command3", "Command4"};
        QTest::newRow("FormPL") << WindowKind::FormPL << QStringList{
            "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
            "Text11", "Command1", "Command2", "List1", "Text10", "List2", "Text12", "Command3"};
        QTest::newRow("FormSO") << WindowKind::FormSO << QStringList{
            "Text1", "Command1", "Command2", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
            "Text8", "Text9", "Text10", "Text11", "Text13", "List1", "List2", "Command3", "Text12",
            "Text14"};
        QTest::newRow("FormWN") << WindowKind::FormWN << QStringList{
            "List1", "List2", "Text1", "Command1", "Command2", "Command3", "Text2", "Text3",
            "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12",
            "Text13"};
        QTest::newRow("FormClass") << WindowKind::FormClass << QStringList{
            "kindList", "classList", "sizeBox", "scheduleList", "findButton", "backButton",
            "boreBox", "hubBox", "hubLengthBox", "calloutBox", "boltSizeBox", "thicknessBox",
            "faceHeightBox", "faceBox", "boltCircleBox", "outsideBox", "studBox", "studCountBox",
            "nutBox", "gasketBox", "weightBox", "materialBox", "temperatureBox"};
        // clang-format on
    }
    // The Tab key walks every control that takes focus, once, in its designed order, and comes
    // round to the first.
    void tabOrder()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QStringList, order);
        QWidget *window = open(kind);
        QStringList focusable;
        for (QWidget *control : window->findChildren<QWidget *>())
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window))
                focusable.append(control->objectName());
        QCOMPARE(QSet<QString>(focusable.begin(), focusable.end()),
                 QSet<QString>(order.begin(), order.end()));
        QCOMPARE(focusable.size(), order.size());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        control<QWidget>(window, order.first())->setFocus();
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(walked, order + QStringList{order.first()});
    }

    void noCaptionClipped_data()
    {
        QTest::addColumn<qreal>("desktopPoints");
        QTest::addColumn<bool>("english");
        QTest::newRow("desktop font 9 pt") << 9.0 << false;
        QTest::newRow("desktop font 10 pt") << 10.0 << false;
        QTest::newRow("desktop font 11 pt") << 11.0 << false;
        QTest::newRow("desktop font 12 pt") << 12.0 << false;
        QTest::newRow("in English, desktop font 9 pt") << 9.0 << true;
        QTest::newRow("in English, desktop font 12 pt") << 12.0 << true;
    }
    // Whatever the desktop's font and the language, every caption of every window is drawn whole
    // inside its designed rectangle; a caption that fits keeps the font it was given.
    void noCaptionClipped()
    {
        QFETCH(qreal, desktopPoints);
        QFETCH(bool, english);
        QTranslator catalogue;
        if (english) {
            QVERIFY(catalogue.load(QStringLiteral(":/i18n/quorvit_en.qm")));
            QCoreApplication::installTranslator(&catalogue);
        }
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        font.setPointSizeF(desktopPoints);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
        // Windows made afresh under the desktop's font (one registry at a time).
        cleanup();
        m_windows = std::make_unique<Windows>();

        for (WindowKind kind : AllWindows) {
            QWidget *window = m_windows->window(kind);
            for (auto *label : window->findChildren<QLabel *>()) {
                const QString where = window->objectName() + " " + label->objectName();
                QVERIFY2(!clipped(label, label->font()), qPrintable(where));
                // Made smaller than the desktop's font, but not grossly: two points larger
                // would not fit.
                if (label->font().family() == font.family() &&
                    label->font().pointSizeF() < desktopPoints) {
                    QFont larger = label->font();
                    larger.setPointSizeF(larger.pointSizeF() + 2);
                    QVERIFY2(clipped(label, larger),
                             qPrintable(where + " shrunk more than needed"));
                }
            }
            for (auto *button : window->findChildren<QPushButton *>())
                QVERIFY2(insideFrame(button),
                         qPrintable(window->objectName() + " " + button->objectName()));
        }
    }

    void valuesShownWhole_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<qreal>("desktopPoints");
        // clang-format off
        QTest::newRow("FormPL longest bolt, PN 0.6 B DN 2000")  << WindowKind::FormPL << 1 << 1 << "2000" << 9.0;
        QTest::newRow("FormPL desktop font 11 pt, DN 100")      << WindowKind::FormPL << 2 << 0 << "100"  << 11.0;
        QTest::newRow("FormSO largest, PN 4.0 A DN 600")        << WindowKind::FormSO << 4 << 0 << "600"  << 9.0;
        QTest::newRow("FormSO desktop font 12 pt, DN 600")      << WindowKind::FormSO << 4 << 0 << "600"  << 12.0;
        QTest::newRow("FormWN largest, PN 1.0 A DN 2000")       << WindowKind::FormWN << 0 << 0 << "2000" << 9.0;
        QTest::newRow("FormWN desktop font 12 pt, DN 1000")     << WindowKind::FormWN << 2 << 1 << "1000" << 12.0;
        // clang-format on
    }
    // Every value a query writes is shown whole: a box too narrow for it would scroll and hide
    // its leading digits. After "清除" the boxes are back in their own font.
    void valuesShownWhole()
    {
        QFETCH(WindowKind, kind);
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QFETCH(qreal, desktopPoints);
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        font.setPointSizeF(desktopPoints);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
        QWidget *window = open(kind);
        QHash<QLineEdit *, QFont> designed;
        for (auto *box : window->findChildren<QLineEdit *>())
            designed.insert(box, box->font());
        select(control<QListWidget>(window, "List1"), pressure);
        select(control<QListWidget>(window, "List2"), series);
        type(control<QLineEdit>(window, kind == WindowKind::FormPL ? "Text11" : "Text1"), dn);
        MessageCatcher catcher;
        QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(catcher.texts(), QStringList());

        for (auto *box : window->findChildren<QLineEdit *>()) {
            QVERIFY2(showsWholeText(box), qPrintable(box->objectName() + " " + box->text()));
            if (box->font() != designed.value(box)) {
                // Made smaller only because the value would not show whole in the box's font.
                QLineEdit asDesigned(box->text());
                asDesigned.setFont(designed.value(box));
                asDesigned.resize(box->size());
                QVERIFY2(!showsWholeText(&asDesigned), qPrintable(box->objectName()));
            }
        }

        const QString clear = kind == WindowKind::FormWN ? "Command2" : "Command3";
        QTest::mouseClick(control<QPushButton>(window, clear), Qt::LeftButton);
        for (auto *box : window->findChildren<QLineEdit *>())
            QCOMPARE(box->font(), designed.value(box));
    }

    // The flange icon every window carries is compiled in and drawn from its vector source at
    // whatever size the desktop asks for; the windows read it only when it is first drawn, and
    // then draw it as read at once.
    void applicationIcon()
    {
        const QString file = QStringLiteral(":/icons/quorvit.svg");
        const QIcon icon(file);
        const QIcon deferred = deferredIcon(file);
        QVERIFY(!icon.isNull());
        QVERIFY(!deferred.isNull());
        QVERIFY(deferredIcon(QStringLiteral(":/icons/none.svg")).pixmap(16, 16).isNull());
        for (int size : {16, 48, 256}) {
            const QImage image = icon.pixmap(size, size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // transparent corners
            QVERIFY(qAlpha(image.pixel(size / 2, size / 2)) == 255);
            QCOMPARE(deferred.pixmap(size, size).toImage(), image);
            QCOMPARE(deferred.actualSize(QSize(size, size)), QSize(size, size));
        }
    }
};

QTEST_MAIN(TestHandiness)
#include "tst_handiness.moc"
