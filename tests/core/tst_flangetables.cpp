// The standards' tables as compiled from data/: what must hold of every row of a flange that can
// be made and bolted (sizes grow, the holes fit in the ring and on their circle, the two pipe
// series differ only where the pipe does), and the cells the standard prints that the data was
// corrected or filled in (data/hg20592-97/README.md).
#include "core/model/tablerow.h"

#include <QtTest>
#include <cmath>
#include <numbers>

namespace
{

using enum Dimension;

// The dimensions that follow the pipe: the only ones series A and B may differ in.
constexpr Dimension SeriesDimensions[] = {PipeOutsideDiameter, WeldEndDiameter, Bore, HubDiameter};

struct Row {
    QString where;
    TableRow row;
    double operator()(Dimension d) const { return row.number(d).value_or(qQNaN()); }
};

QList<Row> allRows()
{
    QList<Row> rows;
    for (const Standard &standard : builtInStandards())
        for (const FlangeTable &table : standard.tables)
            for (std::size_t i = 0; i < table.keys.size(); ++i) {
                const TableRow row(standard, table, i);
                const TableRowKey &key = row.key();
                rows.append({QStringLiteral("%1 PN %2 DN %3 %4")
                                 .arg(table.standardNumber, ratingText(key.rating))
                                 .arg(key.size.dn)
                                 .arg(key.series == PipeSeries::B ? "B" : "A"),
                             row});
            }
    return rows;
}

std::optional<TableRow> hgRow(FlangeKind kind, double mpa, int dn, PipeSeries series)
{
    return findRow(
        {&defaultStandard(), kind, {RatingSystem::PnMpa, mpa}, {NominalDiameter(dn)}, series, {}});
}

} // namespace

class TestFlangeTables : public QObject
{
    Q_OBJECT

private slots:
    // Bolt holes lie in the ring between what passes through the flange and its rim, and fit
    // on their circle without running into each other.
    void holesFitInTheRing()
    {
        for (const Row &r : allRows()) {
            const double D = r(OutsideDiameter), K = r(BoltCircle), n = r(HoleCount),
                         L = r(HoleDiameter);
            const double inner = std::max({r.row.number(Bore).value_or(0),
                                           r.row.number(PipeOutsideDiameter).value_or(0),
                                           r.row.number(WeldEndDiameter).value_or(0)});
            QVERIFY2(inner + L < K && K + L < D, qPrintable(r.where));
            // The chord between neighbouring hole centres is wider than a hole.
            QVERIFY2(K * std::sin(std::numbers::pi / n) > L, qPrintable(r.where));
            QVERIFY2(n >= 4 && std::fmod(n, 4) == 0, qPrintable(r.where));
        }
    }

    // Every row's key finds that row again, and a key naming another facing finds none: the
    // facing is part of what names a flange, and no table holds two faces' dimensions.
    void keysFindTheirRowsOnTheirFacingOnly()
    {
        for (const Row &r : allRows()) {
            FlangeKey key = r.row.flangeKey();
            QVERIFY2(QStringList({"RF", "FF", "MFM", "TG", "RJ"}).contains(key.facing),
                     qPrintable(r.where));
            const std::optional<TableRow> found = findRow(key);
            QVERIFY2(found && found->flangeKey().size == key.size &&
                         found->flangeKey().rating == key.rating,
                     qPrintable(r.where));
            key.facing = key.facing == u"FF" ? QStringLiteral("RF") : QStringLiteral("FF");
            QVERIFY2(!findRow(key), qPrintable(r.where));
        }
    }

    // Within one rating and series the flange grows with the DN; at one DN its ring does not
    // shrink as the rating rises.
    void sizesGrowWithDnAndRating()
    {
        QHash<QString, Row> previousDn, previousRating;
        for (const Row &r : allRows()) {
            const TableRowKey &key = r.row.key();
            // One standard number may cover several kinds (ASME B16.5).
            const QString table = QString::fromUtf8(r.row.table().standardNumber) +
                                  QString::number(int(r.row.table().kind));
            const QString series = key.series == PipeSeries::B ? "B" : "A";
            const QString byDn = table + ratingText(key.rating) + series;
            const QString byRating = table + QString::number(key.size.dn) + series;
            // B16.5 gives Class 900 NPS 1/2 to 2-1/2 the Class 1500 flanges, larger than its own
            // NPS 3.
            const bool carriesClass1500 =
                key.rating == Rating{RatingSystem::Class, 900} && key.size.npsQuarters == 12;
            if (const auto found = previousDn.constFind(byDn);
                found != previousDn.cend() && !carriesClass1500) {
                const Row &before = *found;
                for (Dimension d : {OutsideDiameter, BoltCircle})
                    QVERIFY2(r(d) > before(d), qPrintable(r.where + " " + dimensionInfo(d).key));
            }
            if (const auto found = previousRating.constFind(byRating);
                found != previousRating.cend()) {
                const Row &before = *found;
                // Not the thickness: weld-neck PN 25.0 DN 20 to 40 is printed thinner than PN 16.0.
                // Within a rounding: ASME B16.5's Class 300 NPS 2-1/2 bolt circle is listed as
                // 149.35 mm, its Class 600 one (both 5-7/8 in) as 149.22 mm.
                for (Dimension d : {OutsideDiameter, BoltCircle})
                    QVERIFY2(r(d) >= before(d) - 0.2,
                             qPrintable(r.where + " " + dimensionInfo(d).key));
            }
            previousDn.insert(byDn, r);
            previousRating.insert(byRating, r);
        }
    }

    // Series A and B of one size are one flange on two pipes.
    void seriesDifferOnlyWithThePipe()
    {
        const QList<Row> rows = allRows();
        int pairs = 0;
        for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
            const TableRow &a = rows[i].row, &b = rows[i + 1].row;
            if (a.key().series != PipeSeries::A || b.key().series != PipeSeries::B)
                continue;
            QCOMPARE(b.key().size, a.key().size);
            ++pairs;
            for (Dimension d : a.table().columns)
                if (!std::ranges::count(SeriesDimensions, d))
                    QVERIFY2(a.text(d) == b.text(d),
                             qPrintable(rows[i].where + " " + dimensionInfo(d).key));
        }
        QVERIFY(pairs * 2 == std::ranges::count_if(
                                 rows, [](const Row &r) { return r.row.standard().pipeSeries; }));
    }

    // A slip-on flange takes the pipe of its DN and series whatever the rating and kind: one pipe
    // and one bore a size.
    void pipeAndBoreFollowTheSizeAlone()
    {
        QHash<QString, QString> seen;
        for (const Row &r : allRows())
            for (Dimension d : {PipeOutsideDiameter, Bore}) {
                const std::optional<QString> text = r.row.text(d);
                if (!text)
                    continue;
                const QString size = QStringLiteral("%1 %2 %3")
                                         .arg(r.row.key().size.dn)
                                         .arg(int(*r.row.key().series))
                                         .arg(dimensionInfo(d).key);
                QVERIFY2(seen.value(size, *text) == *text, qPrintable(r.where + " " + size));
                seen.insert(size, *text);
            }
        QVERIFY(seen.size() == 2 * 2 * 29);
    }

    // The rows each rating lists, and cells as printed or as corrected from the flanges they bolt
    // to.
    void printedCells_data()
    {
        QTest::addColumn<FlangeKind>("kind");
        QTest::addColumn<double>("mpa");
        QTest::addColumn<int>("dn");
        QTest::addColumn<int>("series");
        QTest::addColumn<Dimension>("dimension");
        QTest::addColumn<QString>("text"); // "" where the table has no value
        const int A = 0, B = 1;
        using K = FlangeKind;
        QTest::newRow("PL 1.6 DN 200: 12 holes, not the printed 8")
            << K::Plate << 1.6 << 200 << A << HoleCount << "12";
        QTest::newRow("PL 1.6 DN 600: M33, not the PN 1.0 bolt")
            << K::Plate << 1.6 << 600 << A << Bolt << "M33";
        QTest::newRow("PL 0.25 DN 10: 17.2 keeps its decimal")
            << K::Plate << 0.25 << 10 << A << PipeOutsideDiameter << "17.2";
        QTest::newRow("PL 2.5 DN 350: M30x2x155 as printed")
            << K::Plate << 2.5 << 350 << B << Bolt << "M30x2x155";
        QTest::newRow("SO 0.6 DN 20: D 90 filled")
            << K::SlipOn << 0.6 << 20 << A << OutsideDiameter << "90";
        QTest::newRow("SO 2.5 DN 250: K 370 filled")
            << K::SlipOn << 2.5 << 250 << B << BoltCircle << "370";
        QTest::newRow("SO 0.6 DN 100: no bevel")
            << K::SlipOn << 0.6 << 100 << A << BevelWidth << "";
        QTest::newRow("WN 1.6 DN 250: D 405, not the printed 395")
            << K::WeldNeck << 1.6 << 250 << A << OutsideDiameter << "405";
        QTest::newRow("WN 2.5 DN 100: K 190, not the printed 180")
            << K::WeldNeck << 2.5 << 100 << B << BoltCircle << "190";
        QTest::newRow("WN 2.5 DN 350: capital X as printed")
            << K::WeldNeck << 2.5 << 350 << A << Bolt << "M30X2";
        QTest::newRow("WN 25.0 DN 200 B: no weld end")
            << K::WeldNeck << 25.0 << 200 << B << WeldEndDiameter << "";
        QTest::newRow("WN 25.0 DN 250 B: no hub")
            << K::WeldNeck << 25.0 << 250 << B << HubDiameter << "";
        QTest::newRow("WN 25.0 DN 250 A: weld end 298.5")
            << K::WeldNeck << 25.0 << 250 << A << WeldEndDiameter << "298.5";
        QTest::newRow("PL has no hub") << K::Plate << 1.0 << 100 << A << HubDiameter << "";
    }
    void printedCells()
    {
        QFETCH(FlangeKind, kind);
        QFETCH(double, mpa);
        QFETCH(int, dn);
        QFETCH(int, series);
        QFETCH(Dimension, dimension);
        QFETCH(QString, text);
        const std::optional<TableRow> row = hgRow(kind, mpa, dn, PipeSeries(series));
        QVERIFY(row);
        QCOMPARE(row->text(dimension).value_or(QString()), text);
        QCOMPARE(row->has(dimension), !text.isEmpty());
    }

    // The sizes each rating lists: the standard sizes up to the largest.
    void listedSizes_data()
    {
        QTest::addColumn<FlangeKind>("kind");
        QTest::addColumn<QList<double>>("ratings");
        QTest::addColumn<QList<int>>("largest");
        QTest::newRow("PL") << FlangeKind::Plate << QList<double>{0.25, 0.6, 1.0, 1.6, 2.5}
                            << QList<int>{2000, 2000, 600, 600, 600};
        QTest::newRow("SO") << FlangeKind::SlipOn << QList<double>{0.6, 1.0, 1.6, 2.5, 4.0}
                            << QList<int>{300, 600, 600, 600, 600};
        QTest::newRow("WN") << FlangeKind::WeldNeck
                            << QList<double>{1.0, 1.6, 2.5, 4.0, 6.3, 10.0, 16.0, 25.0}
                            << QList<int>{2000, 2000, 1000, 600, 400, 400, 300, 250};
    }
    void listedSizes()
    {
        QFETCH(FlangeKind, kind);
        QFETCH(QList<double>, ratings);
        QFETCH(QList<int>, largest);
        const QList<int> standardDns = {10,  15,  20,  25,   32,   40,   50,   65,   80,  100,
                                        125, 150, 200, 250,  300,  350,  400,  450,  500, 600,
                                        700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000};
        const FlangeTable &table = *flangeTable(defaultStandard(), kind);
        QList<double> listed;
        for (const Rating &rating : tableRatings(table))
            listed.append(rating.value);
        QCOMPARE(listed, ratings);
        for (qsizetype i = 0; i < ratings.size(); ++i) {
            QList<int> expected;
            for (int dn : standardDns)
                if (dn <= largest[i])
                    expected.append(dn);
            QCOMPARE(tableDiameters(table, {RatingSystem::PnMpa, ratings[i]}), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestFlangeTables)
#include "tst_flangetables.moc"
