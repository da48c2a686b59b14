// The Class series' computed weights: the weld-neck model against weights two public sources
// agree on (data/asme-b16.5/reference_weights.csv, read here on its own), and what must hold of
// every slip-on and blind flange's weight whatever the model.
#include "catalogue/classseries.h"

#include <QFile>
#include <QtTest>
#include <numbers>

namespace
{

using enum Dimension;

double dimension(const FlangeRecord &r, Dimension d)
{
    return r.value(d).value_or(qQNaN());
}

// The kg of a solid steel cylinder, diameter and height in mm.
double cylinderKg(double diameter, double height)
{
    return std::numbers::pi / 4 * diameter * diameter * height * 7.85e-6;
}

} // namespace

class TestClassWeights : public QObject
{
    Q_OBJECT

private slots:
    void weldNeckWithinFivePercent()
    {
        QFile file(QStringLiteral(CLASS_DATA "/reference_weights.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        file.readLine(); // the header
        int rows = 0;
        while (!file.atEnd()) {
            const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(u',');
            if (cells.size() < 5)
                continue;
            const NominalSize size{NominalDiameter(cells[3].toInt()), 0};
            const std::optional<FlangeRecord> record =
                lookUpClassFlange(FlangeKind::WeldNeck, {RatingSystem::Class, cells[1].toDouble()},
                                  size);
            QVERIFY2(record && record->weightKg, qPrintable(cells.join(u' ')));
            const double ratio = *record->weightKg / cells[4].toDouble();
            QVERIFY2(std::abs(ratio - 1) <= 0.05,
                     qPrintable(QStringLiteral("Class %1 NPS %2: %3 kg against %4 kg")
                                    .arg(cells[1], cells[2])
                                    .arg(*record->weightKg)
                                    .arg(cells[4])));
            ++rows;
        }
        QCOMPARE(rows, 58);
    }

    // Every flange weighs less than the cylinder it fits in and more than its ring outside the
    // hub with up to 30 % of it drilled away; a weld-neck bored to a thicker wall (XS) weighs more.
    void plausibleWeights_data()
    {
        QTest::addColumn<FlangeKind>("kind");
        QTest::newRow("slip-on") << FlangeKind::SlipOn;
        QTest::newRow("blind") << FlangeKind::Blind;
        QTest::newRow("weld-neck") << FlangeKind::WeldNeck;
    }
    void plausibleWeights()
    {
        QFETCH(FlangeKind, kind);
        const QList<FlangeRecord> records = classFlangeRecords(kind, std::nullopt);
        QVERIFY(records.size() > 80);
        for (const FlangeRecord &r : records) {
            const QString where = ratingText(r.rating) + u' ' + QString::number(r.dn);
            QVERIFY2(r.weightKg, qPrintable(where));
            const double O = dimension(r, OutsideDiameter), tf = dimension(r, Thickness),
                         f = dimension(r, FaceHeight);
            const double height = r.value(LengthThroughHub).value_or(tf) + f;
            QVERIFY2(*r.weightKg < cylinderKg(O, height), qPrintable(where));
            const double inner = r.value(HubDiameter).value_or(0);
            QVERIFY2(*r.weightKg > 0.7 * (cylinderKg(O, tf) - cylinderKg(inner, tf)),
                     qPrintable(where));
            if (kind == FlangeKind::WeldNeck) {
                const auto heavier = lookUpClassFlange(kind, r.rating, r.row->key().size,
                                                       QStringLiteral("XS"));
                QVERIFY2(heavier->weightKg > r.weightKg, qPrintable(where));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestClassWeights)
#include "tst_classweights.moc"
