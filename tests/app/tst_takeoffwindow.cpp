// The take-off window driven as a user drives it: blocks pasted with Ctrl+V, cells edited in
// their editors, undo, and files opened and exported through the window's own dialogs, checked
// against the take-off engine and against the takeoff command of the real executable.
#include "app/windows.h"
#include "catalogue/flangeinput.h"
#include "support/messagecatcher.h"
#include "support/programrun.h"
#include "support/windowdriver.h"
#include "takeoff/takeoffrun.h"
#include "widgets/fonts.h"
#include "windows/takeoff/takeoffwindow.h"
#include "windows/takeoff/takeofftablemodel.h"
#include "windows/takeoff/takeofftotalstable.h"

#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStringDecoder>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// What the engine makes of a list, line by line, as the command computes it.
struct EngineRun : TakeoffWriter {
    void begin(const CarriedColumns &) override {}
    void writeLine(const TakeoffLine &line) override { lines.append(line); }
    void writeTotals(const TakeoffTotals &) override {}
    bool finish(QString &) override { return true; }
    QList<TakeoffLine> lines;
    TakeoffTotals totals;
};
EngineRun runEngine(QByteArray text)
{
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    EngineRun run;
    TextListRows rows(buffer, "list");
    run.totals = computeTakeoff(rows, run, [](const TakeoffLine &) {});
    return run;
}

// While it lives, answers every file dialog the window opens with a path and a file type, as a
// user would.
class FileDialogAnswer : public QObject
{
public:
    FileDialogAnswer(const QString &path, const QString &typeSuffix = QStringLiteral("*.csv"))
    {
        connect(&m_timer, &QTimer::timeout, this, [=, this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (const QString &filter : dialog->nameFilters())
                if (filter.contains(typeSuffix))
                    dialog->selectNameFilter(filter);
            openedIn = dialog->directory().absolutePath();
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
        });
        m_timer.start(0);
    }
    QString openedIn; // the folder the last dialog opened in

private:
    QTimer m_timer;
};

int runCommand(const QStringList &arguments)
{
    return quorvit(arguments).exitCode;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every cell of a spreadsheet as text, read by an independent reader.
QByteArray xlsxCells(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {"-c",
                  "import openpyxl,sys\n"
                  "for row in openpyxl.load_workbook(sys.argv[1]).active.iter_rows("
                  "values_only=True): print(repr(row))",
                  path});
    python.waitForFinished(60000);
    return python.exitCode() == 0 ? python.readAllStandardOutput() : python.readAllStandardError();
}

// Good lines of both series, Chinese and coded kinds, and lines that cannot be computed.
const QByteArray Lines = "PL\t1.0\tA\t100\t4\n"
                         "带颈平焊\t1.6\tB\t50\t2\n"
                         "WN\t2.5\tA\t11\t1\n" // DN 11 is not listed
                         "WN\tPN40\tA\t200\t3\n"
                         "SO\t1.0\tA\t80\tmany\n"; // no quantity

// Two title rows, columns of its own before, between and after the flange's (in an order of
// its own), pairs, joints and materials, a remark over two lines, a row of units, refused and
// skipped rows, a marking with a quantity alone, a line wider than the header.
const char MessyList[] =
    "装置：常减压 \"二期\",,,\n"
    "法兰材料表 (第 1 页)\n"
    "序号,管线号,通径,型式,压力,数量(副),材质,连接,备注\n"
    ",,mm,,MPa,,,,\n"
    "1,L-1,100,PL,1.0,2,S30408,,\"两行\n的备注, 带逗号\"\n"
    "2,L-2,50,WN,2.5,1,20#,阀门,\n"
    "3,L-3,11,SO,1.6,1,20#,,DN 不存在\n"
    "4,L-4,80,SO,PN16,many,,,\n"
    "小计,,,,,3,,,\n"
    "注：以上为一期,,,,,,,,\n"
    "HG 20592 法兰 PL 100(B)-1.6 RF,4\n"
    "5,L-5,200,WN,4.0,1,,设备,,多出的一格\n"
    "6,=L-6,150,WN,1.6,3,16Mn,成对,\"#号开头\"\n";

// An environment variable set for a test's run, put back after it.
class EnvironmentChange
{
public:
    EnvironmentChange(const char *name, const QString &value)
        : m_name(name), m_was(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        if (!value.isEmpty())
            qputenv(name, value.toLocal8Bit());
    }
    ~EnvironmentChange()
    {
        if (m_had)
            qputenv(m_name, m_was);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_was;
    bool m_had;
};

// A program to stand in for quorvit-formats: a path as it is, a shell script's text written
// as an executable "writer" in the folder, "" for the real one.
QString helperProgram(const QString &folder, const QString &program)
{
    if (!program.contains(u' '))
        return program;
    QFile script(folder + QStringLiteral("/writer"));
    if (!script.open(QIODevice::WriteOnly) ||
        script.write("#!/bin/sh\n" + program.toUtf8() + "\n") <= 0)
        return {};
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return script.fileName();
}

} // namespace

class TestTakeoffWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;
    TakeoffWindow *m_form = nullptr;

    TakeoffTableModel *model() { return m_form->model(); }
    QString cell(int row, int column) { return model()->index(row, column).data().toString(); }
    void pasteText(const QString &text)
    {
        QApplication::clipboard()->setText(text);
        m_form->table()->setFocus();
        QTest::keyClick(m_form->table(), Qt::Key_V, Qt::ControlModifier);
    }
    // Opens a cell's editor with a double-click on it.
    QWidget *openEditor(int row, int column)
    {
        QTableView *table = m_form->table();
        const QRect rect = table->visualRect(model()->index(row, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rect.center());
        QWidget *editor = table->indexWidget(model()->index(row, column));
        if (!editor)
            qFatal("no editor opened");
        return editor;
    }
    void checkTotalsEqualEngine(const QByteArray &text)
    {
        const EngineRun engine = runEngine(text);
        const TakeoffTotals &shown = model()->totals();
        QCOMPARE(shown.flanges(), engine.totals.flanges());
        QCOMPARE(shown.weightHundredths(), engine.totals.weightHundredths());
        QCOMPARE(shown.bolts(), engine.totals.bolts());
        QCOMPARE(shown.nuts(), engine.totals.nuts());
        QCOMPARE(shown.gaskets(), engine.totals.gaskets());
        QCOMPARE(shown.failedLines(), engine.totals.failedLines());
        // The table shows the engine's totals, one row each.
        const QStringList rows = totalsRows();
        QVERIFY2(rows.contains(QStringLiteral("法兰|||%1|片").arg(engine.totals.flanges())),
                 qPrintable(rows.join(u'\n')));
        QVERIFY(rows.contains(
            QStringLiteral("总重|||%1|kg").arg(takeoffCellText(engine.totals.weightKg(), 2))));
        for (const BoltTotal &bolt : engine.totals.bolts())
            QVERIFY(rows.contains(QStringLiteral("%1|%2|%3|%4|根")
                                      .arg(fastenerName(bolt.kind), bolt.designation,
                                           bolt.material)
                                      .arg(bolt.count)));
        QCOMPARE(rows.size(), 2 + engine.totals.bolts().size() + engine.totals.nuts().size() +
                                  engine.totals.gaskets().size());
    }
    // The totals table's rows as "名称|规格|材质|数量|单位".
    QStringList totalsRows()
    {
        const auto *table = m_form->findChild<TakeoffTotalsTable *>("totalsTable");
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells.append(table->item(r, c)->text());
            rows.append(cells.join(u'|'));
        }
        return rows;
    }
    // The program columns of a row that are marked as wrong.
    QList<int> markedCells(int row)
    {
        QList<int> marked;
        for (int c = 0; c < TakeoffTableModel::ColumnCount; ++c)
            if (model()->index(row, c).data(Qt::DecorationRole).isValid())
                marked.append(c);
        return marked;
    }

private slots:
    void initTestCase() { installChineseFonts(); }
    void init()
    {
        m_windows = std::make_unique<Windows>();
        m_windows->show(WindowKind::FormTakeoff);
        m_form = static_cast<TakeoffWindow *>(m_windows->existing(WindowKind::FormTakeoff));
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup() { m_windows.reset(); }

    void pasteComputesEveryLine_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("tab block") << QString::fromUtf8(Lines);
        QTest::newRow("with column names, blank lines, CRLF")
            << QString::fromUtf8("类型\t公称压力\t系列\t公称直径\t数量\r\n\r\n" + Lines)
                   .replace(u'\n', QStringLiteral("\r\n"));
        QTest::newRow("quoted field left open") << QStringLiteral("PL\t1.0\tA\t100\t2\n\"PL,1.0\n");
    }
    void pasteComputesEveryLine()
    {
        QFETCH(QString, clipboard);
        pasteText(clipboard);
        const EngineRun engine = runEngine(clipboard.toUtf8());
        QCOMPARE(model()->rowCount(), int(engine.lines.size()));
        for (int row = 0; row < model()->rowCount(); ++row) {
            const TakeoffLine &line = engine.lines[row];
            const QModelIndex first = model()->index(row, TakeoffTableModel::Kind);
            QCOMPARE(markedCells(row).size(), line.ok() ? 0 : 1);
            QCOMPARE(first.data(Qt::ToolTipRole).isValid(), !line.ok());
            if (line.ok()) {
                // The computed columns show the catalogue row of what the line asks for, the
                // bolt as it is ordered, with its length.
                const auto record =
                    lookUpFlange(*line.kind, *listedRating(*line.kind, *line.pressureMpa),
                                 *line.dn, *line.series);
                QVERIFY(record);
                QCOMPARE(cell(row, TakeoffTableModel::OutsideDiameter).toDouble(),
                         *record->outsideDiameter);
                QCOMPARE(cell(row, TakeoffTableModel::Bolt), record->bolting.designation);
            } else {
                // The reason without its line number, which counts differently in a pasted block.
                const QString reason = line.reason.text.section(QStringLiteral("："), 1);
                QVERIFY2(first.data(Qt::ToolTipRole).toString().endsWith(reason),
                         qPrintable(first.data(Qt::ToolTipRole).toString()));
            }
        }
        checkTotalsEqualEngine(clipboard.toUtf8());
    }

    void pasteGoesBelowTheCurrentLine()
    {
        pasteText(QStringLiteral("PL\t1.0\tA\t100\t1\nPL\t1.0\tA\t200\t1\n"));
        m_form->table()->setCurrentIndex(model()->index(0, 0));
        pasteText(QStringLiteral("SO\t1.6\tA\t50\t1\n"));
        QCOMPARE(model()->rowCount(), 3);
        QCOMPARE(cell(1, TakeoffTableModel::Dn), QStringLiteral("50"));
        QCOMPARE(cell(2, TakeoffTableModel::Dn), QStringLiteral("200"));
    }

    // A list with a material column: the totals table gives each material's bolts, nuts and
    // gaskets (summed here by hand) and follows a line moved to the other material; undo
    // brings it back.
    void totalsTableGroupsBoltingByMaterial()
    {
        pasteText(QStringLiteral("类型\t公称压力\t系列\t公称直径\t数量\t材质\nPL\t1.6\tA\t100\t3\t20\n"
                                 "WN\t4.0\tA\t100\t5\t20\nPL\t1.0\tA\t50\t7\t304\n"
                                 "SO\t1.0\tA\t50\t2\t\n"));
        const auto bolt = [](FlangeKind kind, double mpa, int dn) {
            return lookUpFlange(kind, *listedRating(kind, mpa), dn, PipeSeries::A)
                ->bolting.designation;
        };
        // Without bolting materials of their own, each item names the flanges it serves; the
        // flanges are counted by material.
        const QStringList before = totalsRows();
        const QStringList expected{
            QStringLiteral("法兰|||17|片"),
            QStringLiteral("法兰||20|8|片"),
            QStringLiteral("法兰||304|7|片"),
            QStringLiteral("法兰||未写材质|2|片"),
            QStringLiteral("螺栓|%1|20 法兰用|12|根").arg(bolt(FlangeKind::Plate, 1.6, 100)),
            QStringLiteral("螺柱|%1|20 法兰用|20|根").arg(bolt(FlangeKind::WeldNeck, 4.0, 100)),
            QStringLiteral("螺母|M16|20 法兰用|12|个"),
            QStringLiteral("螺母|M20|20 法兰用|40|个"),
            QStringLiteral("非金属平垫片|RF 100-1.6|20 法兰用|2|片"),
            QStringLiteral("缠绕式垫片|RF 100-4.0|20 法兰用|3|片"),
            QStringLiteral("螺栓|%1|304 法兰用|14|根").arg(bolt(FlangeKind::Plate, 1.0, 50)),
            QStringLiteral("螺母|M16|304 法兰用|14|个"),
            QStringLiteral("非金属平垫片|RF 50-1.0|304 法兰用|4|片"),
            QStringLiteral("非金属平垫片|RF 50-1.0|未写材质|1|片")};
        for (const QString &row : expected)
            QVERIFY2(before.contains(row), qPrintable(row + u'\n' + before.join(u'\n')));
        const auto *table = m_form->findChild<TakeoffTotalsTable *>("totalsTable");
        QVERIFY(!table->isColumnHidden(TakeoffTotalsTable::Material));

        auto *editor = qobject_cast<QLineEdit *>(
            openEditor(2, model()->viewColumn(TakeoffTableModel::Quantity) + 1));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("20"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY2(totalsRows().contains(QStringLiteral("螺母|M16|20 法兰用|26|个")),
                     qPrintable(totalsRows().join(u'\n')));
        QVERIFY(!totalsRows().join(u'\n').contains(QStringLiteral("304")));
        QTest::keyClick(m_form->table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(totalsRows(), before);
    }

    // A failed line marks the cell whose value is wrong, with the reason as its tooltip.
    void failedLineMarksTheWrongCell_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("marked");
        QTest::newRow("DN not listed") << "WN\t2.5\tA\t11\t1" << int(TakeoffTableModel::Dn);
        QTest::newRow("DN unreadable") << "PL\t1.0\tA\tabc\t1" << int(TakeoffTableModel::Dn);
        QTest::newRow("kind unknown") << "XY\t1.0\tA\t100\t1" << int(TakeoffTableModel::Kind);
        QTest::newRow("pressure not listed") << "PL\t7.7\tA\t100\t1"
                                             << int(TakeoffTableModel::Pressure);
        QTest::newRow("series unknown") << "PL\t1.0\tC\t100\t1" << int(TakeoffTableModel::Series);
        QTest::newRow("quantity unreadable") << "PL\t1.0\tA\t100\tmany"
                                             << int(TakeoffTableModel::Quantity);
        QTest::newRow("too few fields") << "PL\t1.0\tA" << int(TakeoffTableModel::Kind);
    }
    void failedLineMarksTheWrongCell()
    {
        QFETCH(QString, line);
        QFETCH(int, marked);
        pasteText(line + u'\n');
        QCOMPARE(markedCells(0), QList<int>{marked});
        const QModelIndex cell = model()->index(0, marked);
        QCOMPARE(cell.data(Qt::BackgroundRole).isValid(), true);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), model()->line(0).reason.text);
    }

    // The export dialog opens in the folder of the list last opened, else of the last export.
    void exportDialogOpensInTheListsFolder()
    {
        QTemporaryDir lists, exports;
        const QString list = lists.filePath(QStringLiteral("list.csv"));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("PL,1.0,A,100,2\n");
        file.close();
        pasteText(QStringLiteral("PL\t1.0\tA\t100\t2\n"));
        {
            FileDialogAnswer answer(exports.filePath(QStringLiteral("first.csv")));
            m_form->exportLines();
        }
        {
            FileDialogAnswer second(exports.filePath(QStringLiteral("second.csv")));
            m_form->exportLines();
            QCOMPARE(second.openedIn, QDir(exports.path()).absolutePath());
        }
        {
            FileDialogAnswer answer(list);
            m_form->open();
        }
        QCOMPARE(model()->rowCount(), 1);
        FileDialogAnswer third(exports.filePath(QStringLiteral("third.csv")));
        m_form->exportLines();
        QCOMPARE(third.openedIn, QDir(lists.path()).absolutePath());
        QVERIFY(QFile::exists(exports.filePath(QStringLiteral("third.csv"))));
    }

    // 添加行: an empty line, neither marked nor counted, until it is filled in; then it counts.
    void addedLineCountsOnceFilledIn()
    {
        pasteText(QStringLiteral("PL\t1.0\tA\t100\t2\n"));
        m_form->table()->setCurrentIndex(model()->index(0, 0));
        m_form->findChild<QPushButton *>("addButton")->click();
        QCOMPARE(model()->rowCount(), 2);
        for (int c = TakeoffTableModel::Kind; c < TakeoffTableModel::FirstComputed; ++c)
            QVERIFY(cell(1, c).isEmpty());
        QVERIFY(markedCells(1).isEmpty());
        QVERIFY(!model()->index(1, 0).data(Qt::ToolTipRole).isValid());
        checkTotalsEqualEngine("PL\t1.0\tA\t100\t2\n");
        QVERIFY(m_form->findChild<QLabel *>("totals")->isHidden());

        // Filled in half: the first missing value is marked and the line is a failed line.
        const QList<std::pair<int, QString>> typed{{TakeoffTableModel::Kind, "SO"},
                                                   {TakeoffTableModel::Pressure, "1.6"},
                                                   {TakeoffTableModel::Series, "A"}};
        for (const auto &[column, text] : typed)
            model()->setData(model()->index(1, column), text, Qt::EditRole);
        QCOMPARE(markedCells(1), QList<int>{TakeoffTableModel::Dn});
        QCOMPARE(model()->totals().failedLines(), 1);
        model()->setData(model()->index(1, TakeoffTableModel::Dn), "50", Qt::EditRole);
        model()->setData(model()->index(1, TakeoffTableModel::Quantity), "3", Qt::EditRole);
        checkTotalsEqualEngine("PL\t1.0\tA\t100\t2\nSO\t1.6\tA\t50\t3\n");
    }

    void editorsUpdateLineAndTotals_andUndoRestores()
    {
        pasteText(QStringLiteral("PL\t1.0\tA\t100\t2\n"));
        const QByteArray before = "PL\t1.0\tA\t100\t2\n";
        checkTotalsEqualEngine(before);
        const QString unitWeight = cell(0, TakeoffTableModel::UnitWeight);

        auto *spin = qobject_cast<QSpinBox *>(openEditor(0, TakeoffTableModel::Quantity));
        QVERIFY(spin);
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QStringLiteral("5"));
        QTest::keyClick(spin, Qt::Key_Return);
        // The delegate commits and closes the editor once the key event is done.
        QTRY_VERIFY(!m_form->table()->indexWidget(model()->index(0, TakeoffTableModel::Quantity)));
        QCOMPARE(cell(0, TakeoffTableModel::Quantity), QStringLiteral("5"));
        QCOMPARE(cell(0, TakeoffTableModel::Weight).toDouble(), unitWeight.toDouble() * 5);
        checkTotalsEqualEngine("PL\t1.0\tA\t100\t5\n");

        // The kind chosen in its list: the next entry after the plate flange is the slip-on.
        auto *kinds = qobject_cast<QComboBox *>(openEditor(0, TakeoffTableModel::Kind));
        QVERIFY(kinds);
        QTest::keyClick(kinds, Qt::Key_Down);
        QTest::keyClick(kinds, Qt::Key_Return);
        QTRY_VERIFY(!m_form->table()->indexWidget(model()->index(0, TakeoffTableModel::Kind)));
        const auto slipOn =
            lookUpFlange(FlangeKind::SlipOn, *listedRating(FlangeKind::SlipOn, 1.0), 100, PipeSeries::A);
        QCOMPARE(cell(0, TakeoffTableModel::OutsideDiameter).toDouble(), *slipOn->outsideDiameter);
        checkTotalsEqualEngine("SO\t1.0\tA\t100\t5\n");

        QTest::keyClick(m_form->table(), Qt::Key_Z, Qt::ControlModifier);
        checkTotalsEqualEngine("PL\t1.0\tA\t100\t5\n");
        QTest::keyClick(m_form->table(), Qt::Key_Z, Qt::ControlModifier);
        checkTotalsEqualEngine(before);
        QCOMPARE(cell(0, TakeoffTableModel::UnitWeight), unitWeight);
        QTest::keyClick(m_form->table(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        checkTotalsEqualEngine("PL\t1.0\tA\t100\t5\n");

        // Delete takes the line away, undo brings it back.
        m_form->table()->setCurrentIndex(model()->index(0, 0));
        QTest::keyClick(m_form->table(), Qt::Key_Delete);
        QCOMPARE(model()->rowCount(), 0);
        checkTotalsEqualEngine("");
        QTest::keyClick(m_form->table(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model()->rowCount(), 1);
        checkTotalsEqualEngine("PL\t1.0\tA\t100\t5\n");
    }

    // A list taken in (pasted, or opened as UTF-8 or as GB18030) and exported gives the very
    // file the takeoff command writes for the same list.
    void exportEqualsTheCommand_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::newRow("pasted, CSV") << "paste"
                                     << "csv";
        QTest::newRow("pasted, spreadsheet") << "paste"
                                             << "xlsx";
        QTest::newRow("UTF-8 file, CSV") << "UTF-8"
                                         << "csv";
        QTest::newRow("GB18030 file, CSV") << "GB18030"
                                           << "csv";
        QTest::newRow("UTF-16 file, CSV") << "UTF-16"
                                          << "csv";
        QTest::newRow("list with columns of its own, pasted, spreadsheet") << "own columns, paste"
                                                                         << "xlsx";
        QTest::newRow("list with columns of its own, file, CSV") << "own columns"
                                                                 << "csv";
        QTest::newRow("workbook with columns of its own, CSV") << "own columns, workbook"
                                                               << "csv";
        QTest::newRow("messy list, file, spreadsheet") << "messy"
                                                       << "xlsx";
        QTest::newRow("messy list, pasted, spreadsheet") << "messy, paste"
                                                         << "xlsx";
    }
    void exportEqualsTheCommand()
    {
        QFETCH(QString, source);
        QFETCH(QString, format);
        QTemporaryDir dir;
        const bool workbook = source.endsWith("workbook");
        const QString list = dir.filePath(workbook ? "list.xlsx" : "list.txt");
        QString text = QString::fromUtf8(source.startsWith("messy") ? MessyList : Lines);
        if (source.startsWith("own columns")) {
            // A title, a header of its own, and columns the program only carries.
            QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
            for (qsizetype i = 0; i < lines.size(); ++i)
                lines[i] = QStringLiteral("%1\tL-%1\t%2\t备注 %1").arg(i + 1).arg(lines[i]);
            // A subtotal under the lines, the list's eighth row.
            text = QStringLiteral("法兰清单\n序号\t管线号\t型式\t压力\t系列\t通径\t数量\t备注\n") +
                   lines.join(u'\n') + QStringLiteral("\n小计\t\t\t\t\t\t99\t\n");
        }
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(source == "GB18030"  ? QStringEncoder("GB18030").encode(text)
                   : source == "UTF-16" ? QStringEncoder(QStringConverter::Utf16LE,
                                                         QStringConverter::Flag::WriteBom)
                                              .encode(text)
                                        : text.toUtf8());
        file.close();
        if (workbook)
            QCOMPARE(runProgram("/usr/bin/python3",
                                {"-c",
                                 "import openpyxl,sys\nwb=openpyxl.Workbook()\n"
                                 "for line in open(sys.argv[1],encoding='utf-8'):\n"
                                 "    wb.active.append(line.rstrip('\\n').split('\\t'))\n"
                                 "wb.save(sys.argv[1])",
                                 list})
                         .exitCode,
                     0);
        if (source.endsWith("paste")) {
            pasteText(text);
        } else {
            FileDialogAnswer answer(list);
            QTest::mouseClick(m_form->findChild<QPushButton *>("openButton"), Qt::LeftButton);
        }
        if (!source.startsWith("messy"))
            QCOMPARE(model()->rowCount(), source.startsWith("own columns") ? 6 : 5);
        // The list's own columns are shown where it had them.
        if (source.startsWith("own columns")) {
            QVERIFY2(model()->line(5).skipped &&
                         model()->line(5).reason.text.startsWith("第 8 行："),
                     qPrintable(model()->line(5).reason.text));
            QCOMPARE(model()->headerData(5, Qt::Vertical, Qt::DisplayRole).toInt(), 8);
            QCOMPARE(model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "管线号");
            QCOMPARE(model()->index(4, model()->columnCount() - 1 - 7).data().toString(),
                     "备注 5");
        }

        const QString exported = dir.filePath("window." + format);
        {
            // A workbook is written by a child program, the window going on meanwhile.
            QSignalSpy ended(m_form, &TakeoffWindow::exportFinished);
            FileDialogAnswer answer(exported, "*." + format);
            QTest::mouseClick(m_form->findChild<QPushButton *>("exportButton"), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 60000);
            QVERIFY(ended.constFirst().constFirst().toBool());
        }
        const QString expected = dir.filePath("command." + format);
        QCOMPARE(runCommand({"takeoff", list, "--format", format, "-o", expected}), 1);
        // The window cites each line by its row in the list, as the command does, title rows and
        // header counted: the same file, titles above the table included.
        if (format == "xlsx")
            QCOMPARE(xlsxCells(exported), xlsxCells(expected));
        else
            QCOMPARE(readAll(exported), readAll(expected));
    }

    // A remark of thousands of characters is shown cut, with an ellipsis, and kept whole.
    void longCellIsShownCut()
    {
        const QString remark(5000, u'长');
        pasteText("序号\t类型\t压力\t系列\tDN\t数量\t备注\n1\tPL\t1.0\tA\t100\t1\t" + remark);
        QCOMPARE(model()->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), "备注");
        const QModelIndex cell = model()->index(0, 6);
        const QString shown = cell.data().toString();
        QVERIFY(shown.size() < 300 && shown.endsWith(u'…') && remark.startsWith(shown.chopped(1)));
        QCOMPARE(cell.data(Qt::EditRole).toString(), remark);
        QVERIFY(model()->line(0).ok());
    }

    void columnsShownWholeAtDefaultWidth_data()
    {
        QTest::addColumn<qreal>("desktopPoints"); // 0: the platform's font
        QTest::newRow("platform font") << 0.0;
        QTest::newRow("desktop font 12 pt") << 12.0;
    }
    // At the width the window opens with, a realistic list shows every column and cell whole side
    // by side, also after a line edited in place fails and gains its mark; every editor shows its
    // choice whole.
    void columnsShownWholeAtDefaultWidth()
    {
        QFETCH(qreal, desktopPoints);
        if (m_form->screen()->availableGeometry().width() < 1280)
            QSKIP("needs a screen 1280 pixels wide, as CTest gives it");
        const QFont desktop = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
        if (desktopPoints > 0) {
            QApplication::setFont(QFont(desktop.family(), int(desktopPoints)));
            init(); // the window made afresh under that font
        }
        // With the largest flange, the longest bolt and a line of a hundred heavy flanges.
        pasteText(QString::fromUtf8(Lines + "PL\t0.6\tB\t2000\t2\nSO\t4.0\tB\t600\t100\n"));
        auto *dn = qobject_cast<QLineEdit *>(openEditor(0, TakeoffTableModel::Dn));
        typeOver(dn, QStringLiteral("11"));
        QTest::keyClick(dn, Qt::Key_Return);
        QTRY_VERIFY(!model()->line(0).ok());

        QTableView *table = m_form->table();
        const QHeaderView *header = table->horizontalHeader();
        // Empty when every column and cell is shown whole, else the first that is not.
        const auto cut = [&]() -> QString {
            if (header->length() > table->viewport()->width())
                return QStringLiteral("columns wider than the table");
            for (int column = 0; column < model()->columnCount(); ++column)
                for (int row = -1; row < model()->rowCount(); ++row)
                    if (row < 0 ? header->sectionSize(column) < header->sectionSizeHint(column)
                                : table->columnWidth(column) <
                                      table->sizeHintForIndex(model()->index(row, column)).width())
                        return QStringLiteral("row %1 column %2").arg(row).arg(column);
            return {};
        };
        QTRY_COMPARE(cut(), QString());
        for (int column : {TakeoffTableModel::Kind, TakeoffTableModel::Pressure,
                           TakeoffTableModel::Series, TakeoffTableModel::Quantity}) {
            QWidget *editor = openEditor(1, column);
            QVERIFY(editor->width() >= editor->sizeHint().width());
            QTest::keyClick(editor, Qt::Key_Escape);
        }
    }

    void openAsksBeforeEditedLinesGo_data()
    {
        QTest::addColumn<bool>("exported"); // the pasted lines exported before "打开…"
        QTest::addColumn<int>("press");     // the answer to the question
        QTest::addColumn<bool>("replaced");
        QTest::newRow("edited, cancelled: kept") << false << int(QMessageBox::Cancel) << false;
        QTest::newRow("edited, replaced") << false << int(QMessageBox::Ok) << true;
        QTest::newRow("exported: not asked") << true << int(QMessageBox::Cancel) << true;
    }
    // "打开…" over lines edited since the last open or export asks first; cancel keeps them.
    void openAsksBeforeEditedLinesGo()
    {
        QFETCH(bool, exported);
        QFETCH(int, press);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        QFile list(dir.filePath("list.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("SO\t1.6\tA\t50\t7\n") &&
                list.flush());
        pasteText(QString::fromUtf8(Lines));
        if (exported) {
            QSignalSpy ended(m_form, &TakeoffWindow::exportFinished);
            m_form->exportTo(dir.filePath("out.csv"), false);
            QCOMPARE(ended.size(), 1);
            QVERIFY(ended.constFirst().constFirst().toBool());
        }
        const QList<QStringList> pasted = model()->fields(0, model()->rowCount());

        MessageCatcher catcher;
        catcher.press = QMessageBox::StandardButton(press);
        FileDialogAnswer answer(list.fileName());
        QTest::mouseClick(m_form->findChild<QPushButton *>("openButton"), Qt::LeftButton);
        QCOMPARE(catcher.seen.size(), exported ? 0 : 1);
        if (!exported) // the application's box, naming the lines at stake
            QVERIFY(catcher.seen[0].title == "Quorvit" && catcher.seen[0].buttonCount == 2 &&
                    catcher.seen[0].text.contains(QString::number(pasted.size())));
        const QList<QStringList> opened = {{"SO", "1.6", "A", "50", "7"}};
        QCOMPARE(model()->fields(0, model()->rowCount()), replaced ? opened : pasted);
    }

    // A failed export says why in the window's message: the file's own reason, or what the
    // program writing the workbook said in its last line, or how it ended; nothing is written.
    void failedExportSaysWhy_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<bool>("xlsx");
        QTest::addColumn<QString>("writer"); // the workbook's program: a script's text, a path
        QTest::addColumn<QString>("said");   // in the message; %1 the path exported to
        QTest::newRow("missing folder, CSV") << "no/such/folder/out.csv" << false << "" << "%1";
        QTest::newRow("name taken by a folder, spreadsheet")
            << "taken.xlsx" << true << "" << "cannot write %1";
        QTest::newRow("writer says why in its last line")
            << "out.xlsx" << true
            << "echo 'line 3: not this one' >&2; echo 'quorvit takeoff: disk on fire' >&2; exit 1"
            << "：disk on fire";
        QTest::newRow("writer ends silently") << "out.xlsx" << true << "/bin/false"
                                              << "ended with exit code 1";
        QTest::newRow("writer is missing")
            << "out.xlsx" << true << "/no/such/quorvit-formats" << "cannot start /no/such";
    }
    void failedExportSaysWhy()
    {
        QFETCH(QString, place);
        QFETCH(bool, xlsx);
        QFETCH(QString, writer);
        QFETCH(QString, said);
        pasteText(QString::fromUtf8(Lines));
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("taken.xlsx")));
        const QString path = dir.filePath(place);
        const EnvironmentChange program("QUORVIT_FORMATS_PROGRAM",
                                        helperProgram(dir.path(), writer));
        MessageCatcher catcher;
        QSignalSpy ended(m_form, &TakeoffWindow::exportFinished);
        m_form->exportTo(path, xlsx);
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 60000);
        QCOMPARE(ended.constFirst().constFirst().toBool(), false);
        QTRY_COMPARE(catcher.seen.size(), 1);
        QVERIFY2(catcher.seen[0].text.contains(QString(said).replace("%1", path)),
                 qPrintable(catcher.seen[0].text));
        // Nothing written but the stand-in's script.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 writer.contains(' ') ? QStringList{"writer"} : QStringList{});
    }

    // While the workbook is written the window shows its progress; cancelling ends the program
    // writing it and leaves the file that was there as it was.
    void cancelledWorkbookLeavesTheFile()
    {
        pasteText(QString::fromUtf8(Lines));
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.xlsx");
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("earlier") == 7);
        kept.close();
        // Takes the list, then waits.
        auto program = std::make_unique<EnvironmentChange>(
            "QUORVIT_FORMATS_PROGRAM",
            helperProgram(dir.path(), "cat > \"$(dirname \"$0\")/taken\"; sleep 30"));
        QSignalSpy ended(m_form, &TakeoffWindow::exportFinished);
        m_form->exportTo(path, true);
        auto *progress = m_form->findChild<QProgressDialog *>("exportProgress");
        QVERIFY(progress);
        QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible(), 10000);
        QTRY_VERIFY(QFileInfo(dir.filePath("taken")).size() > 0);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.constFirst().constFirst().toBool(), false);
        QVERIFY(clock.elapsed() < 5000); // the child was ended, not waited for
        QVERIFY(!progress->isVisible());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("earlier"));
        // The list the child was given is the window's, numbered as the window numbers it.
        QFile taken(dir.filePath("taken"));
        QVERIFY(taken.open(QIODevice::ReadOnly));
        QCOMPARE(taken.readAll().count('\n'), model()->rowCount());
        kept.close();

        // The next export, by the real program, writes the workbook.
        program.reset();
        m_form->exportTo(path, true);
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 60000);
        QVERIFY(ended.constLast().constFirst().toBool());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().startsWith("PK"));
    }

    // Ctrl+P on a pasted list of 60 good lines and a bad one: the printed pages, read back by
    // pdftotext, hold every line cell by cell, the bad line's reason and the totals, over as
    // many pages as the document says, each headed by the column names.
    void printHoldsEveryLineAndTheTotals()
    {
        const QList<FlangeRecord> rows = flangeRecords(FlangeKind::Plate, PipeSeries::A);
        QString text;
        for (int i = 0; i < 60; ++i) {
            const FlangeRecord &r = rows[i * rows.size() / 60];
            text +=
                QStringLiteral("PL\t%1\tA\t%2\t%3\n").arg(r.pressureText).arg(r.dn).arg(i % 7 + 1);
            if (i == 30)
                text += QStringLiteral("WN\t2.5\tA\t11\t1\n");
        }
        pasteText(text);
        QCOMPARE(model()->rowCount(), 61);

        PrintDocument shown;
        m_form->preview = [&](QWidget *, const PrintDocument &document) { shown = document; };
        QTest::keyClick(m_form->table(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(shown.layout.orientation(), QPageLayout::Landscape);
        QTemporaryDir dir;
        const QString path = dir.filePath("takeoff.pdf");
        int pages = 0;
        {
            QPdfWriter writer(path);
            writer.setPageLayout(shown.layout);
            pages = paintDocument(writer, shown);
        }
        QVERIFY(pages >= 2);
        const auto run = [&](const QString &tool, const QStringList &arguments) {
            QProcess process;
            process.start(tool, arguments);
            const bool ran = process.waitForFinished(60000) && process.exitCode() == 0;
            return ran ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
        };
        const QString info = run("pdfinfo", {path}),
                      printed = run("pdftotext", {"-raw", path, "-"}).simplified();
        QVERIFY2(!info.isEmpty() && !printed.isEmpty(), "poppler-utils must be installed");
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(info));
        QCOMPARE(printed.count(takeoffColumnTitle(takeoffColumns().first())), pages);
        QVERIFY(printed.contains(QStringLiteral("第 %1 页，共 %1 页").arg(pages)));

        for (int row = 0; row < model()->rowCount(); ++row) {
            const TakeoffLine &line = model()->line(row);
            QString expected = line.reason.text;
            if (const FlangeRecord *r = line.record.get()) {
                const auto number = [](std::optional<double> value) {
                    return takeoffCellText(value.value_or(-1), -1);
                };
                expected = QStringList{QString::number(row + 1),
                                       "PL",
                                       r->pressureText,
                                       "A",
                                       QString::number(r->dn),
                                       QString::number((row > 31 ? row - 1 : row) % 7 + 1),
                                       number(r->outsideDiameter),
                                       number(r->boltCircle),
                                       r->callout,
                                       r->bolting.designation,
                                       number(r->thickness),
                                       takeoffCellText(r->weightKg.value_or(-1), 2),
                                       takeoffCellText(line.weightKg(), 2)}
                               .join(u' ');
            }
            QVERIFY2(printed.contains(expected), qPrintable(expected));
        }
        const TakeoffTotals &totals = model()->totals();
        // The totals after the lines, in a block with its own header: each item, what it is,
        // its count or weight and unit; the line left out counted as such. Read without spaces:
        // a name wraps in its narrow column.
        QString block = printed.section(QStringLiteral("合计 规格 材质 数量 单位 "), 1);
        block.remove(u' ');
        QVERIFY2(!block.isEmpty(), qPrintable(printed.right(400)));
        QVERIFY2(block.contains(QStringLiteral("法兰总数%1片").arg(totals.flanges())),
                 qPrintable(block));
        QVERIFY(block.contains(
            QStringLiteral("总重%1kg").arg(takeoffCellText(totals.weightKg(), 2))));
        QVERIFY(block.contains(QStringLiteral("未计入的行1行")));
        const QList<BoltTotal> bolts = totals.bolts();
        QVERIFY(!bolts.isEmpty());
        for (const BoltTotal &bolt : bolts)
            QVERIFY2(block.contains(QStringLiteral("%1%2%3根")
                                        .arg(fastenerName(bolt.kind), bolt.designation)
                                        .arg(bolt.count)),
                     qPrintable(bolt.designation));
    }
};

QTEST_MAIN(TestTakeoffWindow)
#include "tst_takeoffwindow.moc"
