// The catalogue shows what the real windows show: every row of every kind and both series,
// queried through the window's lists, DN box and "查找", read back from its boxes by their
// accessible names (the names people and screen readers see).
#include "catalogue/catalogue.h"
#include "support/messagecatcher.h"
#include "support/windowdriver.h"
#include "windows/plate/plateflangewindow.h"
#include "windows/slipon/sliponflangewindow.h"
#include "windows/weldneck/weldneckflangewindow.h"

#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace
{

QPushButton *button(const QWidget *window, const QString &caption)
{
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    qFatal("no button %s", qPrintable(caption));
}

// The windows name a few boxes in their own words.
QLineEdit *boxNamed(const QWidget *window, const QString &name)
{
    const QStringList names =
        name == QStringLiteral("螺栓规格")   ? QStringList{name, QStringLiteral("螺栓螺纹")}
        : name == QStringLiteral("公称直径") ? QStringList{name, QStringLiteral("公称通径")}
                                             : QStringList{name};
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        if (names.contains(box->accessibleName()))
            return box;
    return nullptr;
}

// Every box's text without surrounding blanks: what a fresh window holds counts as "no value"
// either way (one blank or nothing).
QMap<QString, QString> boxTexts(const QWidget *window, const QLineEdit *except)
{
    QMap<QString, QString> texts;
    for (const QLineEdit *box : window->findChildren<QLineEdit *>())
        if (box != except)
            texts[box->objectName()] = box->text().trimmed();
    return texts;
}

// What a record's value should look like in a box, compared as numbers where it is one.
bool shows(const QString &shown, const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value)) {
        bool ok = false;
        return shown.toDouble(&ok) == *number && ok;
    }
    if (const QString *text = std::get_if<QString>(&value))
        return shown == *text;
    return shown.isEmpty() || shown == QLatin1String("-");
}

} // namespace

class TestCatalogueAgainstWindows : public QObject
{
    Q_OBJECT

private slots:
    void everyRowAsTheWindowShowsIt_data()
    {
        QTest::addColumn<FlangeKind>("kind");
        QTest::addColumn<PipeSeries>("series");
        QTest::addColumn<std::function<QWidget *()>>("create");
        const std::function<QWidget *()> plate = [] { return new PlateFlangeWindow; };
        const std::function<QWidget *()> slipOn = [] { return new SlipOnFlangeWindow; };
        const std::function<QWidget *()> weldNeck = [] { return new WeldNeckFlangeWindow; };
        for (PipeSeries series : AllPipeSeries) {
            const char *s = series == PipeSeries::A ? "A" : "B";
            QTest::addRow("PL %s", s) << FlangeKind::Plate << series << plate;
            QTest::addRow("SO %s", s) << FlangeKind::SlipOn << series << slipOn;
            QTest::addRow("WN %s", s) << FlangeKind::WeldNeck << series << weldNeck;
        }
    }

    // One fresh window per kind and series; "清除" between rows, which must bring back what a
    // fresh window shows, so a box the next query leaves alone holds no earlier row's value.
    void everyRowAsTheWindowShowsIt()
    {
        QFETCH(FlangeKind, kind);
        QFETCH(PipeSeries, series);
        QFETCH(std::function<QWidget *()>, create);
        const std::unique_ptr<QWidget> window(create());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QLineEdit *dnBox = boxNamed(window.get(), QStringLiteral("公称直径"));
        QVERIFY(dnBox);
        const QMap<QString, QString> fresh = boxTexts(window.get(), dnBox);
        auto *pressures = control<QListWidget>(window.get(), QStringLiteral("List1"));
        clickRow(control<QListWidget>(window.get(), QStringLiteral("List2")), int(series));
        MessageCatcher messages;

        QStringList faults;
        int rows = 0;
        for (int p = 0; p < pressureTexts(kind).size(); ++p) {
            clickRow(pressures, p);
            for (int dn : listedDiameters(kind, p)) {
                const FlangeRecord record = *lookUpFlange(kind, p, dn, series);
                typeOver(dnBox, QString::number(dn));
                QTest::mouseClick(button(window.get(), QStringLiteral("查找")), Qt::LeftButton);
                ++rows;
                const QString where =
                    QStringLiteral("%1 MPa DN %2: ").arg(record.pressureText).arg(dn);
                for (const FlangeField &field : flangeFields(kind)) {
                    if (QByteArrayView(field.key).startsWith("bolt_") ||
                        QByteArrayView(field.key) == "nuts_per_bolt")
                        continue; // the joint's bolting: no window shows it
                    const QLineEdit *box = boxNamed(window.get(), field.name);
                    // The counts stand only in the callout "n-φL".
                    const QString shown =
                        box ? box->text().trimmed()
                        : QString::fromLatin1(field.key) == QLatin1String("hole_count")
                            ? record.callout.section(QStringLiteral("-φ"), 0, 0)
                            : record.callout.section(QStringLiteral("-φ"), 1);
                    if (!shows(shown, field.value(record)))
                        faults.append(where +
                                      QStringLiteral("%1 shows '%2'").arg(field.key, shown));
                }
                QTest::mouseClick(button(window.get(), QStringLiteral("清除")), Qt::LeftButton);
                if (boxTexts(window.get(), dnBox) != fresh)
                    faults.append(where + QStringLiteral("清除 does not restore a fresh window"));
            }
        }
        QVERIFY2(messages.seen.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
        QCOMPARE(rows, flangeRecords(kind, series).size());
        QVERIFY(rows > 50);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCatalogueAgainstWindows)
#include "tst_catalogueagainstwindows.moc"
