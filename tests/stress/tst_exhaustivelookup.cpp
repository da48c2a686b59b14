// Every flange kind, every rating it lists (and ratings around them), every DN a box can yield,
// both series: a row exactly for the sizes accepted at that rating, and every found row filled.
#include "catalogue/catalogue.h"
#include "catalogue/flangeinput.h"

#include <QtTest>
#include <limits>
#include <set>
#include <vector>

namespace
{

using DnSet = std::set<int>;

// The standard sizes; each pressure accepts those up to its largest size.
const std::vector<int> StandardDns = {10,  15,  20,  25,   32,   40,   50,   65,   80,  100,
                                      125, 150, 200, 250,  300,  350,  400,  450,  500, 600,
                                      700, 800, 900, 1000, 1200, 1400, 1600, 1800, 2000};

DnSet upTo(int largest)
{
    DnSet set;
    for (int dn : StandardDns)
        if (dn <= largest)
            set.insert(dn);
    return set;
}

// The accepted sizes of each list row, as the printed tables list them.
const std::vector<DnSet> PlateAccepted = {upTo(2000), upTo(2000), upTo(600), upTo(600), upTo(600)};
const std::vector<DnSet> SlipOnAccepted = {upTo(300), upTo(600), upTo(600), upTo(600), upTo(600)};
const std::vector<DnSet> WeldNeckAccepted = {upTo(2000), upTo(2000), upTo(1000), upTo(600),
                                             upTo(400),  upTo(400),  upTo(300),  upTo(250)};

constexpr int DnMin = std::numeric_limits<NominalDiameter>::min();
constexpr int DnMax = std::numeric_limits<NominalDiameter>::max();

// Ratings to try: every one the kind lists, and ones between and beyond them.
QList<Rating> ratingsAround(FlangeKind kind)
{
    QList<Rating> all = listedRatings(kind);
    for (double mpa : {0.0, 0.3, 3.0, 100.0, -1.0})
        all.append({RatingSystem::PnMpa, mpa});
    all.append({RatingSystem::PnBar, 16});
    return all;
}

bool isThread(const QString &text)
{
    return text.startsWith(u'M') && text.size() >= 3;
}

// Walks every (rating, DN, series); `check` sees each found record and returns what is wrong
// with it (empty when nothing is). Reports the first few faults.
template <typename Check>
void walk(FlangeKind kind, const std::vector<DnSet> &accepted, Check check)
{
    QStringList faults;
    int rows = 0;
    const QList<Rating> listed = listedRatings(kind);
    QCOMPARE(listed.size(), qsizetype(accepted.size()));
    for (const Rating &rating : ratingsAround(kind)) {
        const qsizetype p = listed.indexOf(rating);
        for (int dn = DnMin; dn <= DnMax; ++dn) {
            for (PipeSeries series : AllPipeSeries) {
                const std::optional<FlangeRecord> r = lookUpFlange(kind, rating, dn, series);
                const bool expected = p >= 0 && accepted[std::size_t(p)].count(dn);
                const QString where =
                    QStringLiteral("PN %1, DN %2%3").arg(ratingText(rating)).arg(dn).arg(
                        seriesText(series));
                if (bool(r) != expected) {
                    faults.append(where + (expected ? ": no row" : ": a row where none belongs"));
                    continue;
                }
                if (!r)
                    continue;
                ++rows;
                QString fault = r->dn == dn && r->rating == rating && r->series == series
                                    ? check(int(p), *r)
                                    : QStringLiteral("row of another key");
                // Every number the row has is a length or count above zero.
                for (Dimension d : r->row->table().columns)
                    if (r->value(d) && !(*r->value(d) > 0))
                        fault += QStringLiteral(" %1 of %2").arg(dimensionInfo(d).key).arg(*r->value(d));
                if (!isThread(r->bolt))
                    fault += QStringLiteral(" bolt \"%1\"").arg(r->bolt);
                // The bolt holes lie in the ring between bore (or hub) and rim.
                const double inner = r->bore.value_or(r->hubDiameter.value_or(0));
                if (!(inner < *r->boltCircle && *r->boltCircle < *r->outsideDiameter))
                    fault += QStringLiteral(" bolt circle outside the ring");
                if (!fault.isEmpty())
                    faults.append(where + QStringLiteral(": ") + fault);
            }
        }
    }
    int total = 0;
    for (const DnSet &set : accepted)
        total += int(set.size()) * 2;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(u'\n')));
    QCOMPARE(rows, total);
}

} // namespace

class TestExhaustiveLookup : public QObject
{
    Q_OBJECT

private slots:
    void plate()
    {
        walk(FlangeKind::Plate, PlateAccepted, [](int, const FlangeRecord &r) -> QString {
            for (Dimension d : {Dimension::BevelWidth, Dimension::FaceHeight, Dimension::Thickness,
                                Dimension::PipeOutsideDiameter, Dimension::Bore})
                if (!r.value(d))
                    return QStringLiteral("no %1").arg(dimensionInfo(d).key);
            return {};
        });
    }

    void slipOn()
    {
        walk(FlangeKind::SlipOn, SlipOnAccepted, [](int p, const FlangeRecord &r) -> QString {
            for (Dimension d : {Dimension::FilletRadius, Dimension::OverallHeight,
                                Dimension::HubDiameter, Dimension::PipeOutsideDiameter,
                                Dimension::Bore})
                if (!r.value(d))
                    return QStringLiteral("no %1").arg(dimensionInfo(d).key);
            // No bevel at PN 0.6, nor at PN 1.0 up to DN 400; every other row has one.
            const bool bevelExpected = !(p == 0 || (p == 1 && r.dn <= 400));
            if (r.bevelWidth.has_value() != bevelExpected)
                return QStringLiteral("bevel width present: %1").arg(r.bevelWidth.has_value());
            if (!(*r.overallHeight > *r.thickness))
                return QStringLiteral("hub shorter than the ring");
            return {};
        });
    }

    void weldNeck()
    {
        walk(FlangeKind::WeldNeck, WeldNeckAccepted, [](int p, const FlangeRecord &r) -> QString {
            for (Dimension d : {Dimension::WallThickness, Dimension::NeckHeight,
                                Dimension::FilletRadius, Dimension::OverallHeight})
                if (!r.value(d))
                    return QStringLiteral("no %1").arg(dimensionInfo(d).key);
            // Series B: PN 25.0 has no DN 200 or DN 250 form ("-").
            const bool noForm = r.series == PipeSeries::B && p == 7 && (r.dn == 200 || r.dn == 250);
            if (r.weldEndDiameter.has_value() == noForm || r.hubDiameter.has_value() == noForm ||
                r.weightKg.has_value() == noForm)
                return QStringLiteral("weld end, hub root or weight where the form is %1")
                    .arg(noForm ? "missing" : "listed");
            if (!(*r.overallHeight > *r.thickness))
                return QStringLiteral("neck shorter than the ring");
            return {};
        });
    }
};

QTEST_GUILESS_MAIN(TestExhaustiveLookup)
#include "tst_exhaustivelookup.moc"
