// Every flange kind, every pressure index (and the indexes around them), every DN a box can
// yield: a row exactly for the sizes accepted at that pressure, and every found row filled.
#include "core/plate/plateflangetable.h"
#include "core/slipon/sliponflangetable.h"
#include "core/weldneck/weldneckflangetable.h"

#include <QtTest>
#include <cstring>
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

// Pressure indexes to try: every list row, nothing selected, and rows past either end.
std::vector<PressureIndex> pressuresAround(int count)
{
    std::vector<PressureIndex> all = {std::numeric_limits<int>::min(), -2, -1};
    for (int p = 0; p <= count + 1; ++p)
        all.push_back(p);
    all.push_back(std::numeric_limits<int>::max());
    return all;
}

bool isThread(const char *text)
{
    return text && text[0] == 'M' && std::strlen(text) >= 3;
}

// A length read from a table cell: a number above zero.
bool isLength(const WorkingValue &value)
{
    return !value.isEmpty() && !value.isText() && value.number() > 0;
}

// Walks every (pressure, DN) pair; `check` sees each found row and returns what is wrong with
// it (empty when nothing is). Reports the first few faults of each kind.
template <typename Row, typename Find, typename Check>
void walk(const std::vector<DnSet> &accepted, Find find, Check check)
{
    QStringList faults;
    int rows = 0;
    for (PressureIndex p : pressuresAround(int(accepted.size()))) {
        const bool listed = p >= 0 && p < int(accepted.size());
        for (int dn = DnMin; dn <= DnMax; ++dn) {
            const Row *row = find(p, NominalDiameter(dn));
            const bool expected = listed && accepted[std::size_t(p)].count(dn);
            if (bool(row) != expected) {
                faults.append(QStringLiteral("PN index %1, DN %2: %3")
                                  .arg(p)
                                  .arg(dn)
                                  .arg(expected ? "no row" : "a row where none belongs"));
                continue;
            }
            if (!row)
                continue;
            ++rows;
            QString fault =
                row->dn == dn ? check(p, *row) : QStringLiteral("row of DN %1").arg(row->dn);
            if (!fault.isEmpty())
                faults.append(QStringLiteral("PN index %1, DN %2: %3").arg(p).arg(dn).arg(fault));
        }
    }
    int total = 0;
    for (const DnSet &set : accepted)
        total += int(set.size());
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
        walk<PlateFlangeRow>(PlateAccepted, findPlateFlangeRow,
                             [](PressureIndex, const PlateFlangeRow &r) -> QString {
                                 for (int length : {r.bevelWidth, r.boltCircle, r.outsideDiameter,
                                                    r.faceHeight, r.thickness, r.holeCount,
                                                    r.holeDiameter, r.pipeOutsideB, r.boreB})
                                     if (length <= 0)
                                         return QStringLiteral("a length of %1").arg(length);
                                 if (!(r.pipeOutsideA > 0 && r.boreA > 0))
                                     return QStringLiteral("series A pipe or bore not above 0");
                                 if (!isThread(r.bolt))
                                     return QStringLiteral("bolt \"%1\"").arg(r.bolt);
                                 // The bolt holes lie in the ring between bore and rim.
                                 if (!(r.boreA < r.boltCircle && r.boreB < r.boltCircle &&
                                       r.boltCircle < r.outsideDiameter))
                                     return QStringLiteral("bolt circle outside the ring");
                                 return {};
                             });
    }

    void slipOn()
    {
        walk<SlipOnFlangeRow>(
            SlipOnAccepted, findSlipOnFlangeRow,
            [](PressureIndex p, const SlipOnFlangeRow &r) -> QString {
                for (int length :
                     {r.outsideDiameter, r.boltCircle, r.thickness, r.filletRadius, r.overallHeight,
                      r.holeCount, r.holeDiameter, r.hubDiameterA, r.hubDiameterB})
                    if (length <= 0)
                        return QStringLiteral("a length of %1").arg(length);
                for (double length : {r.pipeOutsideA, r.pipeOutsideB, r.boreA, r.boreB})
                    if (!(length > 0))
                        return QStringLiteral("a pipe or bore of %1").arg(length);
                if (!isThread(r.bolt))
                    return QStringLiteral("thread \"%1\"").arg(r.bolt);
                // No bevel at PN 0.6, nor at PN 1.0 up to DN 400; every other row has one.
                const bool bevelExpected = !(p == 0 || (p == 1 && r.dn <= 400));
                if (r.bevelWidth.has_value() != bevelExpected)
                    return QStringLiteral("bevel width present: %1").arg(r.bevelWidth.has_value());
                if (r.bevelWidth && *r.bevelWidth <= 0)
                    return QStringLiteral("bevel width %1").arg(*r.bevelWidth);
                if (!(r.overallHeight > r.thickness && r.boltCircle < r.outsideDiameter))
                    return QStringLiteral("hub or bolt circle outside the flange");
                return {};
            });
    }

    void weldNeck()
    {
        walk<WeldNeckFlangeRow>(
            WeldNeckAccepted, findWeldNeckFlangeRow,
            [](PressureIndex p, const WeldNeckFlangeRow &r) -> QString {
                for (int length :
                     {r.outsideDiameter, r.boltCircle, r.holeCount, r.holeDiameter,
                      r.thickness, r.neckHeight, r.filletRadius, r.overallHeight})
                    if (length <= 0)
                        return QStringLiteral("a length of %1").arg(length);
                if (!(r.wallThickness > 0))
                    return QStringLiteral("wall %1").arg(r.wallThickness);
                if (!isThread(r.bolt))
                    return QStringLiteral("thread \"%1\"").arg(r.bolt);
                if (!isLength(r.weldEndDiameterA) || !isLength(r.hubDiameterA))
                    return QStringLiteral("series A weld end or hub root not a length");
                // Series B: PN 25.0 has no DN 200 or DN 250 form ("-").
                const bool noFormB = p == 7 && (r.dn == 200 || r.dn == 250);
                for (const WorkingValue *b : {&r.weldEndDiameterB, &r.hubDiameterB}) {
                    if (noFormB) {
                        if (!(b->isText() && b->text() == u"-"))
                            return QStringLiteral("series B should be \"-\"");
                    } else if (!isLength(*b)) {
                        return QStringLiteral("series B weld end or hub root not a length");
                    }
                }
                if (!(r.boltCircle < r.outsideDiameter && r.overallHeight > r.thickness))
                    return QStringLiteral("bolt circle or neck outside the flange");
                return {};
            });
    }
};

QTEST_APPLESS_MAIN(TestExhaustiveLookup)
#include "tst_exhaustivelookup.moc"
