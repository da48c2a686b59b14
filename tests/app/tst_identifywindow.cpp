// The identification window driven as a user drives it: measurements typed into its boxes give
// the matches the identify command of the real executable gives, and a double-click on a match
// shows its query window with the row looked up there.
#include "app/windows.h"
#include "catalogue/flangeinput.h"
#include "catalogue/identify.h"
#include "support/messagecatcher.h"
#include "support/programrun.h"
#include "support/windowdriver.h"
#include "widgets/fonts.h"
#include "widgets/querywindow.h"
#include "windows/identify/identifywindow.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

Q_DECLARE_METATYPE(FlangeRecord)

namespace
{

// The PN series' matches the command lists (the window's; the Class series' have no pressure):
// kind, pressure, DN, series, total deviation per line.
QStringList commandMatches(const QStringList &arguments)
{
    QStringList rows;
    const QStringList lines =
        quorvit(QStringList{"identify", "--format", "csv"} + arguments).text().split(u'\n');
    for (const QString &line : lines.mid(1))
        if (!line.isEmpty() && !line.section(u',', 1, 1).isEmpty())
            rows.append(line.section(u',', 0, 4));
    return rows;
}

bool shows(const QString &shown, const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return shown.toDouble() == *number;
    if (const QString *text = std::get_if<QString>(&value))
        return shown == *text;
    return true;
}

} // namespace

class TestIdentifyWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Windows> m_windows;

private slots:
    void initTestCase() { installChineseFonts(); }
    void init()
    {
        m_windows = std::make_unique<Windows>();
        m_windows->show(WindowKind::Form1);
    }
    void cleanup() { m_windows.reset(); }

    void measuredRowIsFoundAndLookedUp_data()
    {
        QTest::addColumn<FlangeRecord>("record");
        for (FlangeKind kind : AllFlangeKinds)
            for (PipeSeries series : AllPipeSeries) {
                const QList<FlangeRecord> rows = flangeRecords(kind, series);
                for (qsizetype i : {qsizetype(0), rows.size() / 2, rows.size() - 1})
                    if (rows[i].weightKg) // a size without a form in the series is no flange
                        QTest::addRow("%s %s %s DN%d", qPrintable(kindCode(kind)),
                                      qPrintable(rows[i].pressureText),
                                      qPrintable(seriesText(series)), rows[i].dn)
                            << rows[i];
            }
    }
    void measuredRowIsFoundAndLookedUp()
    {
        QFETCH(FlangeRecord, record);
        QVERIFY(QTest::qWaitForWindowActive(m_windows->existing(WindowKind::Form1)));
        QTest::keyClick(m_windows->existing(WindowKind::Form1), Qt::Key_I, Qt::ControlModifier);
        auto *form = static_cast<IdentifyWindow *>(m_windows->existing(WindowKind::FormIdentify));
        QVERIFY(form);
        QCOMPARE(visibleWindows(), QStringList{"FormIdentify"});

        const std::pair<Measure, double> typed[] = {
            {Measure::OutsideDiameter, *record.outsideDiameter},
            {Measure::BoltCircle, *record.boltCircle},
            {Measure::HoleCount, record.holeCount},
            {Measure::HoleDiameter, record.holeDiameter}};
        QStringList options;
        for (auto [measure, value] : typed) {
            typeOver(form->box(measure), QString::number(value));
            options << QStringLiteral("--%1").arg(
                           QLatin1String(measure == Measure::OutsideDiameter ? "outside-diameter"
                                         : measure == Measure::BoltCircle    ? "bolt-circle"
                                         : measure == Measure::HoleCount     ? "holes"
                                                                             : "hole-diameter"))
                    << QString::number(value);
        }

        // The table lists what the command lists, in its order.
        QAbstractItemModel *matches = form->table()->model();
        const QStringList expected = commandMatches(options);
        QCOMPARE(matches->rowCount(), int(expected.size()));
        int found = -1;
        for (int row = 0; row < matches->rowCount(); ++row) {
            const auto text = [&](int column) {
                return matches->index(row, column).data().toString();
            };
            const QString kind = text(0).section(u' ', 1);
            QCOMPARE(QStringList({kind, text(1), text(2).mid(2), text(3), text(4)}).join(u','),
                     expected[row]);
            if (kind == kindCode(record.kind) && text(1) == record.pressureText &&
                text(2) == QStringLiteral("DN%1").arg(record.dn) &&
                text(3) == seriesText(record.series)) {
                found = row;
                QCOMPARE(text(4), QStringLiteral("0"));
            }
        }
        QVERIFY2(found >= 0, "the measured row is not among the matches");

        // A double-click on it: its query window shows the row, as after the user's own lookup.
        MessageCatcher catcher;
        QTableView *table = form->table();
        const QModelIndex index = table->model()->index(found, 0);
        table->scrollTo(index);
        const QPoint at = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        const WindowKind target = record.kind == FlangeKind::Plate    ? WindowKind::FormPL
                                  : record.kind == FlangeKind::SlipOn ? WindowKind::FormSO
                                                                      : WindowKind::FormWN;
        auto *query = static_cast<QueryWindow *>(m_windows->existing(target));
        QVERIFY(query);
        QCOMPARE(visibleWindows(), QStringList{query->objectName()});
        QCOMPARE(catcher.texts(), QStringList());
        QCOMPARE(selectedIndex(query->pressures()), listedRatings(record.kind).indexOf(record.rating));
        QCOMPARE(seriesAtRow(selectedIndex(query->series())), record.series);
        const auto fresh = lookUpFlange(record.kind, record.rating, record.dn, record.series);
        int compared = 0;
        for (const FlangeField &field : flangeFields(record.kind))
            for (QLineEdit *box : query->findChildren<QLineEdit *>())
                if (box->accessibleName() == field.name) {
                    QVERIFY2(shows(box->text().trimmed(), field.value(*fresh)),
                             qPrintable(field.name + ": " + box->text()));
                    ++compared;
                }
        QVERIFY(compared >= 5);

        QPushButton *back = nullptr;
        for (QPushButton *b : query->findChildren<QPushButton *>())
            if (b->text().contains(QStringLiteral("返回")))
                back = b;
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(visibleWindows(), QStringList{"Form1"});
    }

    void nothingMeasuredShowsTheHint()
    {
        m_windows->show(WindowKind::FormIdentify);
        auto *form = static_cast<IdentifyWindow *>(m_windows->existing(WindowKind::FormIdentify));
        auto *hint = form->findChild<QLabel *>("hint");
        QCOMPARE(hint->text(), QStringLiteral("请至少输入一项尺寸"));
        typeOver(form->box(Measure::OutsideDiameter), QStringLiteral("215"));
        QVERIFY(form->table()->model()->rowCount() > 0);
        typeOver(form->box(Measure::OutsideDiameter), QString());
        QCOMPARE(form->table()->model()->rowCount(), 0);
        QCOMPARE(hint->text(), QStringLiteral("请至少输入一项尺寸"));
    }
};

QTEST_MAIN(TestIdentifyWindow)
#include "tst_identifywindow.moc"
