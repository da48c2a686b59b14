// Taking a query window's row out of the program: the context menu's actions follow the window's
// choices, and copy, export and print give the catalogue's row, driven through the real windows
// with real key presses. The catalogue is the oracle; the files are read back on their own.
#include "catalogue/catalogue.h"
#include "catalogue/query/platequery.h"
#include "catalogue/query/sliponquery.h"
#include "catalogue/query/weldneckquery.h"
#include "support/listrows.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/resultactions.h"
#include "windows/plate/plateflangewindow.h"
#include "windows/slipon/sliponflangewindow.h"
#include "windows/weldneck/weldneckflangewindow.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace
{

struct Kind {
    const char *name;
    std::function<QueryWindow *()> create;
    FlangeKind kind;
    int dnBox;
    int outsideBox; // the box of D
    int pressure;   // a list row that lists DN 100
};
const Kind Kinds[] = {
    {"FormPL", [] { return new PlateFlangeWindow; }, FlangeKind::Plate, PlateBox::Dn,
     PlateBox::OutsideDiameter, 2},
    {"FormSO", [] { return new SlipOnFlangeWindow; }, FlangeKind::SlipOn, SlipOnBox::Dn,
     SlipOnBox::OutsideDiameter, 3},
    {"FormWN", [] { return new WeldNeckFlangeWindow; }, FlangeKind::WeldNeck, WeldNeckBox::Dn,
     WeldNeckBox::OutsideDiameter, 1},
};
const char *const ActionNames[] = {"actionCopy", "actionExportDrawing", "actionPrint",
                                   "actionExportPdf"};

QByteArray head(const QString &path, int size)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

} // namespace

class TestResultActions : public QObject
{
    Q_OBJECT

    std::unique_ptr<QueryWindow> m_window;
    QTemporaryDir m_dir;

    // Opens the window, chooses (a negative row chooses nothing) and types the DN over.
    QueryWindow &open(int kind, int pressure, int series, const QString &dn)
    {
        m_window.reset(Kinds[kind].create());
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qFatal("%s did not become active", Kinds[kind].name);
        clickRow(m_window->pressures(), pressure);
        clickRow(m_window->series(), series);
        typeOver(m_window->box(Kinds[kind].dnBox), dn);
        return *m_window;
    }
    QAction *action(const char *name) { return control<QAction>(m_window.get(), name); }

private slots:
    void initTestCase()
    {
        installChineseFonts();
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { m_window.reset(); }

    void actionsFollowTheChoices_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("pressure");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("dn");
        QTest::addColumn<QString>("disabledBecause");
        struct Choice {
            const char *name;
            bool pressure;
            int series;
            QString dn;
            QString disabledBecause; // empty: enabled, the tooltip names the row
        };
        const Choice choices[] = {
            {"nothing", false, -1, "100", "请先选择公称压力"},
            {"pressure only", true, -1, "100", "请先选择系列"},
            {"unlisted", true, 0, "101", "此公称直径未列出"},
            {"blank", true, 1, "", "请先输入公称直径"},
            {"good", true, 1, "100", ""},
            {"rounded", true, 0, " 9 9.6", ""}, // read as "查找" reads it
        };
        for (int k = 0; k < 3; ++k)
            for (const Choice &c : choices)
                QTest::addRow("%s %s", Kinds[k].name, c.name)
                    << k << (c.pressure ? Kinds[k].pressure : -1) << c.series << c.dn
                    << c.disabledBecause;
        for (const FlangeRecord &r : flangeRecords(FlangeKind::WeldNeck, PipeSeries::B))
            if (!r.weldEndDiameter) // a size listed without a series-B form
                QTest::addRow("FormWN no series-B form at DN%d", r.dn)
                    << 2 << int(listedRatings(FlangeKind::WeldNeck).indexOf(r.rating)) << 1
                    << QString::number(r.dn)
                    << "此公称直径没有 B 系列的规格";
    }
    void actionsFollowTheChoices()
    {
        QFETCH(int, kind);
        QFETCH(int, pressure);
        QFETCH(int, series);
        QFETCH(QString, dn);
        QFETCH(QString, disabledBecause);
        open(kind, pressure, series, dn);
        for (const char *name : ActionNames) {
            QCOMPARE(action(name)->isEnabled(), disabledBecause.isEmpty());
            if (disabledBecause.isEmpty())
                QVERIFY(action(name)->toolTip().contains(u"DN100"));
            else
                QCOMPARE(action(name)->toolTip(), disabledBecause);
        }
    }

    void contextMenu_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("ours"); // a text box keeps its own edit menu
        for (int k = 0; k < 3; ++k) {
            QTest::addRow("%s drawing", Kinds[k].name) << k << "Image1" << true;
            QTest::addRow("%s label", Kinds[k].name) << k << "Label1(0)" << true;
            QTest::addRow("%s DN box", Kinds[k].name)
                << k << QStringLiteral("Text%1").arg(Kinds[k].dnBox) << false;
        }
    }
    // A right-click's menu event where the user points: the menu that pops up shows tooltips.
    void contextMenu()
    {
        QFETCH(int, kind);
        QFETCH(QString, target);
        QFETCH(bool, ours);
        open(kind, -1, -1, "");
        auto *widget = control<QWidget>(m_window.get(), target);
        QStringList shown;
        bool tooltips = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (const QAction *a : menu->actions())
                    shown << a->objectName();
                tooltips = menu->toolTipsVisible();
                menu->close();
            }
        });
        watch.start(0);
        const QPoint at(4, 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        QTRY_VERIFY(!shown.isEmpty());
        QCOMPARE(shown.contains("actionCopy") && shown.contains("actionExportPdf") && tooltips,
                 ours);
    }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        for (int k = 0; k < 3; ++k)
            QTest::addRow("%s", Kinds[k].name) << k;
    }

    // After "查找" the user types over the outside diameter; Ctrl+Shift+C in the DN box still
    // copies the catalogue's row, one "name<TAB>value<TAB>unit" line a value.
    void copyGivesTheCatalogueRow_data() { kinds_data(); }
    void copyGivesTheCatalogueRow()
    {
        QFETCH(int, kind);
        QueryWindow &window = open(kind, Kinds[kind].pressure, 1, "100");
        QTest::mouseClick(control<QPushButton>(&window, "Command1"), Qt::LeftButton);
        QLineEdit *typedOver = window.box(Kinds[kind].outsideBox);
        const FlangeRecord row = *lookUpFlange(Kinds[kind].kind, *ratingOfListRow(Kinds[kind].kind, Kinds[kind].pressure), 100, PipeSeries::B);
        QCOMPARE(typedOver->text().toDouble(), *row.outsideDiameter);
        typeOver(typedOver, "9999");
        QTest::keyClick(window.box(Kinds[kind].dnBox), Qt::Key_C,
                        Qt::ControlModifier | Qt::ShiftModifier);

        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        const QStringList lines = copied->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied->html().count("<tr>"), lines.size());
        QHash<QString, QString> values;
        for (const QString &line : lines) {
            const QStringList cells = line.split('\t');
            QCOMPARE(cells.size(), 3);
            values[cells[0]] = cells[1];
        }
        QCOMPARE(values.value("公称通径"), "DN100");
        for (const FlangeField &field : flangeFields(row.kind)) {
            const QString name =
                field.symbol.isEmpty() ? field.name : field.name + ' ' + field.symbol;
            QVERIFY2(values.contains(name), qPrintable(name));
            const FieldValue value = field.value(row);
            if (const double *number = std::get_if<double>(&value))
                QCOMPARE(values[name].toDouble(), *number);
            else if (const QString *text = std::get_if<QString>(&value))
                QCOMPARE(values[name], *text);
        }
    }

    // Ctrl+E to a DXF (the dialog's filter names the format), "导出 PDF…", Ctrl+P to the preview
    // whose page is painted; then a directory in the way and a missing folder: the message box
    // says why and what was there stays.
    void exportsAndPrint_data() { kinds_data(); }
    void exportsAndPrint()
    {
        QFETCH(int, kind);
        QueryWindow &window = open(kind, Kinds[kind].pressure, 0, "100");
        const FlangeRecord row = *lookUpFlange(Kinds[kind].kind, *ratingOfListRow(Kinds[kind].kind, Kinds[kind].pressure), 100, PipeSeries::A);
        ResultActions &results = *window.resultActions();
        QString answer;
        results.chooseSaveFile = [&](QWidget *, const QString &, const QString &,
                                     const QStringList &filters) {
            return SaveTarget{answer, filters.first()};
        };
        answer = m_dir.filePath(QStringLiteral("%1").arg(kind));
        QTest::keyClick(window.box(Kinds[kind].dnBox), Qt::Key_E, Qt::ControlModifier);
        QProcess python;
        python.start("/usr/bin/python3",
                     {"-c",
                      "import ezdxf,sys; m=ezdxf.readfile(sys.argv[1]).modelspace(); "
                      "print(max(2*c.dxf.radius for c in m.query('CIRCLE')))",
                      answer + ".dxf"});
        QVERIFY(python.waitForFinished(60000));
        QCOMPARE(python.readAllStandardOutput().trimmed().toDouble(), *row.outsideDiameter);

        answer = m_dir.filePath(QStringLiteral("%1.pdf").arg(kind));
        action("actionExportPdf")->trigger();
        QCOMPARE(head(answer, 5), "%PDF-");

        PrintDocument shown;
        results.preview = [&](QWidget *, const PrintDocument &document) { shown = document; };
        QTest::keyClick(window.pressures(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(shown.title.contains(u"DN100"));
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setPageLayout(shown.layout);
        QCOMPARE(paintDocument(writer, shown), 2); // the drawing sheet, the table of values
        QVERIFY(pdf.data().startsWith("%PDF-"));
        // A directory where the file would go (its content must stay), a folder that is missing.
        QVERIFY(QDir(m_dir.path()).mkpath("busy.pdf"));
        QFile kept(m_dir.filePath("busy.pdf/kept"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
        kept.close();
        for (const char *bad : {"busy.pdf", "missing/x.pdf"}) {
            answer = m_dir.filePath(bad);
            MessageCatcher catcher;
            action("actionExportPdf")->trigger();
            QCOMPARE(catcher.seen.size(), 1);
            QCOMPARE(catcher.seen[0].title, "Quorvit");
            QVERIFY2(catcher.seen[0].text.contains(QFileInfo(answer).fileName()),
                     qPrintable(catcher.seen[0].text));
        }
        QCOMPARE(head(kept.fileName(), 100), "kept");
        QVERIFY(!QFileInfo::exists(m_dir.filePath("missing")));
    }
};

QTEST_MAIN(TestResultActions)
#include "tst_resultactions.moc"
