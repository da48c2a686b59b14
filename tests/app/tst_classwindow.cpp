// The Class series' window driven as a user would: what "查找" writes against the command line's
// record of the same flange, its messages on bad input, and the rating panel against the rating
// rules.
#include "app/windows.h"
#include "catalogue/classseries.h"
#include "core/ratings/pressurerating.h"
#include "support/messagecatcher.h"
#include "support/programrun.h"
#include "support/windowdriver.h"
#include "windows/class/classflangewindow.h"
#include "widgets/fonts.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QtTest>

class TestClassWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;
    QWidget *m_window = nullptr;

    // Chooses the kind, class and schedule rows by their texts, types the size and presses Enter
    // in it.
    void query(const QString &kind, const QString &flangeClass, const QString &size,
               const QString &schedule = QStringLiteral("STD"))
    {
        for (auto [list, text] : {std::pair{"kindList", kind},
                                  {"classList", flangeClass},
                                  {"scheduleList", schedule}}) {
            auto *l = control<QListWidget>(m_window, list);
            const QList<QListWidgetItem *> rows = l->findItems(text, Qt::MatchExactly);
            clickRow(l, rows.isEmpty() ? -1 : l->row(rows.first()));
        }
        auto *box = control<QLineEdit>(m_window, "sizeBox");
        typeOver(box, size);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QString text(const char *box) const { return control<QLineEdit>(m_window, box)->text(); }

private slots:
    void initTestCase() { installChineseFonts(); }
    void init()
    {
        m_windows = std::make_unique<Windows>();
        m_windows->show(WindowKind::FormClass);
        m_window = m_windows->existing(WindowKind::FormClass);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup()
    {
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void boxesShowTheCommandsRecord_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("flangeClass");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("schedule");
        QTest::newRow("WN Class 300 NPS 8") << "WN" << 300 << "8\"" << "STD";
        QTest::newRow("WN Class 600 NPS 4, schedule 80") << "WN" << 600 << "4in" << "80";
        QTest::newRow("SO Class 150, 1½ as one character") << "SO" << 150 << "1½\"" << "STD";
        QTest::newRow("BL Class 2500 by DN") << "BL" << 2500 << "DN300" << "STD";
    }
    // Every box on the drawing, the studs, the gasket and the weight hold the value `quorvit
    // lookup --format json` gives under their field; one stud a hole, two nuts a stud.
    void boxesShowTheCommandsRecord()
    {
        QFETCH(QString, kind);
        QFETCH(int, flangeClass);
        QFETCH(QString, size);
        QFETCH(QString, schedule);
        query(kind, QStringLiteral("Class %1").arg(flangeClass), size, schedule);
        QStringList arguments{"lookup", kind, QStringLiteral("CL%1").arg(flangeClass), size,
                              "--format", "json"};
        if (kind == u"WN")
            arguments << "--schedule" << schedule;
        const ProgramRun run = quorvit(arguments);
        QCOMPARE(run.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(run.out).object();
        int compared = 0;
        for (QLineEdit *box : m_window->findChildren<QLineEdit *>()) {
            const QString field = box->property("field").toString();
            if (field.isEmpty() || !box->isVisibleTo(m_window))
                continue;
            const QJsonValue value = json.value(field);
            if (value.isDouble())
                QCOMPARE(box->text().toDouble(), value.toDouble());
            else if (value.isString())
                QCOMPARE(box->text(), value.toString());
            else
                QCOMPARE(box->text(), "-");
            compared += !value.isUndefined();
        }
        // The drawing has boxes for the ring, the face and the bolting, a hub's for WN and SO.
        QVERIFY2(compared >= (kind == u"BL" ? 9 : 12), qPrintable(QString::number(compared)));
        const int holes = json.value("hole_count").toInt();
        QVERIFY(text("calloutBox").startsWith(QString::number(holes) + u'-'));
        QCOMPARE(text("studCountBox"), QString::number(holes));
        QVERIFY(text("nutBox").startsWith(QString::number(2 * holes)));
        QVERIFY(text("studBox").contains(QString::number(json.value("stud_length").toDouble())));
        QVERIFY(static_cast<ClassFlangeWindow *>(m_window)->shown());
    }

    void badInputShowsTheMessage_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("flangeClass");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("no class") << "WN" << "" << "4\"" << "请选择压力等级";
        QTest::newRow("no size") << "WN" << "Class 150" << "" << "请输入公称尺寸";
        QTest::newRow("not a size") << "SO" << "Class 300" << "abc" << "abc";
        QTest::newRow("NPS 22 is not listed") << "BL" << "Class 150" << "22\"" << "22";
        QTest::newRow("a third of an inch") << "WN" << "Class 600" << "1/3\"" << "1/3";
        QTest::newRow("hostile size") << "WN" << "Class 150" << QString(300, u'9') << "9";
    }
    // A query that cannot be answered shows why, clears what the last one wrote and keeps the
    // size as typed.
    void badInputShowsTheMessage()
    {
        QFETCH(QString, kind);
        QFETCH(QString, flangeClass);
        QFETCH(QString, size);
        QFETCH(QString, message);
        query("WN", "Class 300", "8\"");
        QVERIFY(!text("outsideBox").isEmpty());
        MessageCatcher catcher;
        control<QListWidget>(m_window, "classList")->clearSelection();
        query(kind, flangeClass, size);
        QCOMPARE(catcher.seen.size(), 1);
        QVERIFY2(catcher.seen[0].text.contains(message), qPrintable(catcher.seen[0].text));
        for (QLineEdit *box : m_window->findChildren<QLineEdit *>())
            if (box->isReadOnly() || !box->property("field").isNull())
                QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QCOMPARE(text("sizeBox"), size);
    }

    void ratingPanelGivesTheRules_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<int>("flangeClass");
        QTest::newRow("A105 at 250 °C, Class 300") << "A105" << "250" << 300;
        QTest::newRow("F304 at 38 °C, Class 150") << "F304" << "38" << 150;
        QTest::newRow("group 1.1 between listed temperatures") << "1.1" << "262.5" << 2500;
        QTest::newRow("past the listed temperatures") << "1.1" << "1000" << 600;
        QTest::newRow("no such material") << "unobtainium" << "100" << 150;
        QTest::newRow("no temperature") << "A105" << "hot" << 150;
    }
    // The panel shows the chosen class's maximum working pressure in bar and MPa as the rating
    // rules give it, or their reason.
    void ratingPanelGivesTheRules()
    {
        QFETCH(QString, material);
        QFETCH(QString, temperature);
        QFETCH(int, flangeClass);
        query("WN", QStringLiteral("Class %1").arg(flangeClass), "4\"");
        typeOver(control<QLineEdit>(m_window, "materialBox"), material);
        typeOver(control<QLineEdit>(m_window, "temperatureBox"), temperature);
        const QString shown = control<QLabel>(m_window, "ratingResult")->text();
        const RatingAnswer<MaterialRatings> rules = materialRatings(material, temperature);
        if (!rules) {
            QCOMPARE(shown, rules.text);
            return;
        }
        for (const ClassWorkingPressure &entry : rules->classes)
            if (entry.flangeClass == flangeClass) {
                QVERIFY2(entry.pressure ? shown.contains(barText(entry.pressure->bar) + " bar") &&
                                              shown.contains(mpaText(entry.pressure->mpa()))
                                        : shown == entry.pressure.text,
                         qPrintable(shown));
                return;
            }
        QFAIL("the class has no entry");
    }
};

QTEST_MAIN(TestClassWindow)
#include "tst_classwindow.moc"
