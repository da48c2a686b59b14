// Working backwards from measurements: every row is found from its own connection dimensions,
// and a search returns exactly the rows within tolerance, best first.
#include "catalogue/flangeinput.h"
#include "catalogue/identify.h"

#include <QTest>
#include <cmath>

namespace
{

// A row's value under its catalogue key, independent of the measure mapping under test.
std::optional<double> keyed(const FlangeRecord &r, const char *key)
{
    for (const FlangeField &field : flangeFields(r.kind))
        if (qstrcmp(field.key, key) == 0 && std::holds_alternative<double>(field.value(r)))
            return std::get<double>(field.value(r));
    return std::nullopt;
}

QList<FlangeRecord> rowsWithForm()
{
    QList<FlangeRecord> rows;
    forEachFlange([&](const FlangeRecord &r) {
        if (r.weightKg)
            rows.append(r);
    });
    return rows;
}

QString name(const FlangeRecord &r)
{
    return QStringLiteral("%1 %2 DN%3 %4")
        .arg(kindCode(r.kind), r.pressureText)
        .arg(r.dn)
        .arg(seriesText(r.series));
}

} // namespace

class TestIdentify : public QObject
{
    Q_OBJECT

private slots:
    void everyRowFoundFromItsConnection();
    void returnsExactlyTheRowsWithinTolerance_data();
    void returnsExactlyTheRowsWithinTolerance();
};

// D, K, n and L of every row find it with zero deviation; every other row tied with it shares
// those four values.
void TestIdentify::everyRowFoundFromItsConnection()
{
    const QList<FlangeRecord> rows = rowsWithForm();
    QVERIFY(rows.size() > 500);
    for (const FlangeRecord &row : rows) {
        FlangeMeasurements m;
        m[Measure::OutsideDiameter] = row.outsideDiameter;
        m[Measure::BoltCircle] = row.boltCircle;
        m[Measure::HoleCount] = row.holeCount;
        m[Measure::HoleDiameter] = row.holeDiameter;
        const QList<FlangeMatch> matches = identifyFlange(m);
        bool found = false;
        for (const FlangeMatch &match : matches) {
            if (match.totalMm != 0)
                break;
            const FlangeRecord &r = match.record;
            QVERIFY2(r.outsideDiameter == row.outsideDiameter && r.boltCircle == row.boltCircle &&
                         r.holeCount == row.holeCount && r.holeDiameter == row.holeDiameter,
                     qPrintable(name(r) + " ties with " + name(row)));
            found = found || (r.kind == row.kind && r.rating == row.rating && r.dn == row.dn &&
                              r.series == row.series);
        }
        QVERIFY2(found, qPrintable(name(row)));
    }
}

void TestIdentify::returnsExactlyTheRowsWithinTolerance_data()
{
    QTest::addColumn<QList<double>>("given"); // per Measure, NaN for not given
    QTest::addColumn<double>("tolerance");
    const double no = std::nan("");
    QTest::newRow("outside diameter only") << QList<double>{220, no, no, no, no, no} << 2.0;
    QTest::newRow("bolt circle and holes") << QList<double>{no, 180.5, 8, no, no, no} << 3.0;
    QTest::newRow("pipe and thickness") << QList<double>{no, no, no, no, 24, 114} << 2.5;
    QTest::newRow("hole diameter, no tolerance") << QList<double>{no, no, 12, 22, no, no} << 0.0;
    QTest::newRow("weld end of a neck") << QList<double>{no, no, no, no, no, 219} << 0.2;
}

void TestIdentify::returnsExactlyTheRowsWithinTolerance()
{
    QFETCH(QList<double>, given);
    QFETCH(double, tolerance);
    static const char *const keys[] = {"outside_diameter", "bolt_circle", "hole_count",
                                       "hole_diameter",    "thickness",   "pipe_outside_diameter"};
    FlangeMeasurements m;
    m.toleranceMm = tolerance;
    for (int i = 0; i < given.size(); ++i)
        if (!std::isnan(given[i]))
            m[Measure(i)] = given[i];

    QStringList expected;
    for (const FlangeRecord &r : rowsWithForm()) {
        bool fits = true;
        for (int i = 0; i < given.size(); ++i) {
            if (std::isnan(given[i]))
                continue;
            const char *key =
                i == 5 && r.kind == FlangeKind::WeldNeck ? "weld_end_diameter" : keys[i];
            const std::optional<double> tabled = keyed(r, key);
            fits =
                fits && tabled && std::abs(given[i] - *tabled) <= (i == 2 ? 0 : tolerance) + 1e-9;
        }
        if (fits)
            expected.append(name(r));
    }
    QVERIFY2(!expected.isEmpty(), "the row should match some flange");

    const QList<FlangeMatch> matches = identifyFlange(m);
    QStringList found;
    for (qsizetype i = 0; i < matches.size(); ++i) {
        const FlangeMatch &match = matches[i];
        found.append(name(match.record));
        double total = 0;
        for (const Deviation &d : match.deviations) {
            const int k = int(d.measure);
            const char *key =
                k == 5 && match.record.kind == FlangeKind::WeldNeck ? "weld_end_diameter" : keys[k];
            QCOMPARE(d.mm, given[k] - *keyed(match.record, key));
            total += std::abs(d.mm);
        }
        QCOMPARE(match.totalMm, total);
        if (i > 0)
            QVERIFY(matches[i - 1].totalMm <= match.totalMm);
    }
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(TestIdentify)
#include "tst_identify.moc"
