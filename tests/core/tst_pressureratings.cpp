// ASME B16.5's pressure–temperature ratings: interpolation worked by hand, the shape every
// rated class must have, the lowest class that holds a design pressure, and the spellings of
// materials, classes, temperatures and design pressures.
#include "core/model/flangeclass.h"
#include "core/ratings/designconditions.h"
#include "core/ratings/pressurerating.h"

#include <QtTest>

namespace
{

const GroupRatings &group(const char *name)
{
    const RatingAnswer<RatedMaterialChoice> choice = ratedMaterial(QString::fromLatin1(name));
    if (!choice)
        qFatal("no group %s", name);
    return *choice->group;
}

// What a text reads as, for the table of spellings: the group, class or number it gives, else
// "refused" or "unreadable".
template <typename T> QString outcome(const RatingAnswer<T> &answer, auto show)
{
    if (answer)
        return show(*answer);
    return answer.unreadable ? QStringLiteral("unreadable") : QStringLiteral("refused");
}

} // namespace

class TestPressureRatings : public QObject
{
    Q_OBJECT

private slots:
    void interpolatesBetweenListedTemperatures_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("flangeClass");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("bar");
        // Worked by hand from B16.5 Tables 2-1.1 and 2-2.1.
        QTest::newRow("listed") << "1.1" << 300 << 250.0 << 41.9;
        QTest::newRow("a fifth of 250..300") << "1.1" << 300 << 260.0 << 41.48;
        QTest::newRow("within -29 to 38") << "1.1" << 150 << 20.0 << 19.6;
        QTest::newRow("lowest rated") << "1.1" << 2500 << -29.0 << 425.5;
        QTest::newRow("half of 400..425") << "1.1" << 2500 << 412.5 << 264.5;
        QTest::newRow("half of 500..538") << "2.1" << 600 << 519.0 << 50.95;
        QTest::newRow("stainless highest") << "2.1" << 300 << 816.0 << 2.8;
        QTest::newRow("fraction of a degree") << "1.1" << 600 << 37.5 << 102.1;
    }
    void interpolatesBetweenListedTemperatures()
    {
        QFETCH(QString, group);
        QFETCH(int, flangeClass);
        QFETCH(double, temperature);
        QFETCH(double, bar);
        const auto rating =
            maximumWorkingPressure(::group(qPrintable(group)), flangeClass, temperature);
        QVERIFY2(rating, qPrintable(rating.reason));
        QVERIFY2(qAbs(rating->bar - bar) < 1e-9, qPrintable(QString::number(rating->bar)));
    }

    // The shape of every table, degree by degree: a rating never rises with temperature, a
    // higher class is rated higher, and both ends of the range are the last rated degrees.
    void everyClassFallsWithTemperatureAndRisesWithClass()
    {
        for (const GroupRatings &g : builtInPressureRatings()) {
            const auto &points = g.classes.front().points;
            for (double t = points.front().temperatureC - 1; t <= 817; t += 0.5) {
                const QList<ClassWorkingPressure> all = classWorkingPressures(g, t);
                QCOMPARE(all.size(), qsizetype(g.classes.size()));
                std::optional<double> lowerClass;
                for (const ClassWorkingPressure &entry : all) {
                    const auto &listed = classOf(g, entry.flangeClass).points;
                    const bool inRange =
                        t >= listed.front().temperatureC && t <= listed.back().temperatureC;
                    QCOMPARE(bool(entry.pressure), inRange);
                    if (!entry.pressure)
                        continue;
                    const auto before = maximumWorkingPressure(g, entry.flangeClass, t - 0.5);
                    if (before)
                        QVERIFY(before->bar >= entry.pressure->bar);
                    if (lowerClass)
                        QVERIFY(entry.pressure->bar > *lowerClass);
                    lowerClass = entry.pressure->bar;
                }
            }
        }
    }

    // A rating panel's one call: how many classes it shows rated, or why it shows none.
    void panelRatings_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<int>("rated"); // -1 refused, -2 unreadable
        QTest::newRow("every class") << "A105"
                                     << "250°C" << 7;
        QTest::newRow("Class 150 stops at 538 °C") << "F304"
                                                   << "600" << 6;
        QTest::newRow("no class that hot") << "A105"
                                           << "600" << -1;
        QTest::newRow("no such material here") << "Q235"
                                               << "20" << -1;
        QTest::newRow("no temperature") << "A105"
                                        << "hot" << -2;
    }
    void panelRatings()
    {
        QFETCH(QString, material);
        QFETCH(QString, temperature);
        QFETCH(int, rated);
        const auto panel = materialRatings(material, temperature);
        QCOMPARE(bool(panel), rated >= 0);
        if (!panel) {
            QCOMPARE(panel.unreadable, rated == -2);
            QVERIFY(!panel.text.isEmpty() && !panel.reason.isEmpty());
            return;
        }
        QCOMPARE(std::ranges::count_if(panel->classes, [](auto &c) { return bool(c.pressure); }),
                 rated);
    }

    void refusesOutsideTheRatings_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("flangeClass");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<QString>("reason");
        QTest::newRow("colder") << "1.1" << 150 << -30.0 << "no rating below -29 °C";
        QTest::newRow("hotter") << "1.1" << 600 << 539.0 << "no rating above 538 °C";
        QTest::newRow("Class 150 stops first")
            << "2.1" << 150 << 600.0 << "group 2.1 Class 150 has no rating above 538";
        QTest::newRow("no such class") << "1.1" << 200 << 100.0 << "no Class 200 ratings";
    }
    void refusesOutsideTheRatings()
    {
        QFETCH(QString, group);
        QFETCH(int, flangeClass);
        QFETCH(double, temperature);
        QFETCH(QString, reason);
        const auto rating =
            maximumWorkingPressure(::group(qPrintable(group)), flangeClass, temperature);
        QVERIFY(!rating);
        QVERIFY2(rating.reason.contains(reason), qPrintable(rating.reason));
        QVERIFY(!rating.text.isEmpty());
    }

    void choosesTheLowestClassThatHolds_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("design");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<int>("flangeClass"); // 0: none holds
        QTest::addColumn<double>("marginBar");
        QTest::newRow("the issue's example") << "1.1"
                                             << "40bar" << 250.0 << 300 << 1.9;
        QTest::newRow("exactly the rating") << "1.1"
                                            << "12.1bar" << 250.0 << 150 << 0.0;
        QTest::newRow("the rating in MPa") << "1.1"
                                           << "4.19MPa" << 250.0 << 300 << 0.0;
        QTest::newRow("just above it") << "1.1"
                                       << "12.11bar" << 250.0 << 300 << 29.79;
        QTest::newRow("Class 400 passed over") << "1.1"
                                               << "45bar" << 250.0 << 600 << 38.9;
        QTest::newRow("Class 150 unrated there") << "2.1"
                                                 << "1bar" << 600.0 << 300 << 15.9;
        QTest::newRow("interpolated") << "2.1"
                                      << "3MPa" << 260.0 << 300 << 2.18;
        QTest::newRow("beyond Class 2500") << "1.1"
                                           << "400bar" << 250.0 << 0 << 0.0;
    }
    void choosesTheLowestClassThatHolds()
    {
        QFETCH(QString, group);
        QFETCH(QString, design);
        QFETCH(double, temperature);
        QFETCH(int, flangeClass);
        QFETCH(double, marginBar);
        const auto designBar = readDesignPressureBar(design);
        QVERIFY(designBar);
        const auto check = lowestClassHolding(::group(qPrintable(group)), *designBar, temperature);
        QCOMPARE(bool(check), flangeClass != 0);
        if (!check) {
            QVERIFY2(check.reason.contains(QLatin1String("Class 2500 is rated 349.5 bar")),
                     qPrintable(check.reason));
            return;
        }
        QCOMPARE(check->flangeClass, flangeClass);
        QVERIFY2(qAbs(check->marginBar - marginBar) < 1e-6,
                 qPrintable(QString::number(check->marginBar)));
        QVERIFY(check->holds());
    }

    void readsSpellings_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reads");
        const auto row = [](const char *what, const char *text, const char *reads) {
            QTest::addRow("%s %s", what, text) << what << QString::fromUtf8(text) << reads;
        };
        row("material", "A105", "1.1");
        row("material", "sa-105", "1.1");
        row("material", "ASTM A216 Gr. WCB", "1.1");
        row("material", "wcb", "1.1");
        row("material", "A516 Gr.70", "1.1");
        row("material", "A515-70", "1.1");
        row("material", "Ａ１０５", "1.1");
        row("material", "A182 F304", "2.1");
        row("material", "304", "2.1");
        row("material", "CF8", "2.1");
        row("material", "group 2.1", "2.1");
        row("material", "1.1", "1.1");
        row("material", "A105N", "refused");
        row("material", "70", "refused");
        row("material", "A516", "refused");
        row("material", "16Mn", "refused");
        row("material", "2.2", "refused");
        row("material", "A182 Gr. F316", "refused");
        row("material", "", "refused");
        row("class", "150", "150");
        row("class", "Class 300", "300");
        row("class", "cl600", "600");
        row("class", "CL.900", "900");
        row("class", "1500#", "1500");
        row("class", "2500LB", "2500");
        row("class", "150 lbs", "150");
        row("class", "ANSI 300#", "300");
        row("class", "PN20", "150");
        row("class", "PN 420", "2500");
        row("class", "１５０", "150");
        row("class", "400", "400");
        row("class", "PN16", "unreadable");
        row("class", "PN68", "unreadable");
        row("class", "Class 200", "not a class");
        row("class", "CL", "unreadable");
        row("temperature", "250", "250");
        row("temperature", "250°C", "250");
        row("temperature", "250 ℃", "250");
        row("temperature", "−20", "-20");
        row("temperature", "２５０", "250");
        row("temperature", "500F", "unreadable");
        row("temperature", "nan", "unreadable");
        row("temperature",
            "1"
            "000000000000000000000000000000000000000000000000000000000000000"
            "0000000000000000000000000000000000000000000000000000000000000000"
            "0000000000000000000000000000000000000000000000000000000000000000"
            "0000000000000000000000000000000000000000000000000000000000000000"
            "0000000000000000000000000000000000000000000000000000000000000000",
            "unreadable");
        row("pressure", "40bar", "40");
        row("pressure", "4MPa", "40");
        row("pressure", "4.0", "40");
        row("pressure", "40 barg", "40");
        row("pressure", "4 MPa(G)", "40");
        row("pressure", "10kgf/cm²", "9.80665");
        row("pressure", "600psi", "unreadable");
        row("pressure", "-1bar", "refused");
    }
    void readsSpellings()
    {
        QFETCH(QString, what);
        QFETCH(QString, text);
        QFETCH(QString, reads);
        const auto number = [](double value) { return QString::number(value, 'g', 12); };
        QString read;
        if (what == QLatin1String("material")) {
            read = outcome(ratedMaterial(text), [](const RatedMaterialChoice &choice) {
                return QString::fromLatin1(choice.group->group);
            });
        } else if (what == QLatin1String("class")) {
            const auto spelling = readClassSpelling(text);
            read = !spelling                         ? QStringLiteral("unreadable")
                   : isFlangeClass(spelling->number) ? QString::number(spelling->number)
                                                     : QStringLiteral("not a class");
        } else if (what == QLatin1String("temperature")) {
            read = outcome(readTemperatureC(text), number);
        } else {
            read = outcome(readDesignPressureBar(text), number);
        }
        QCOMPARE(read, reads);
    }

private:
    static const ClassRatings &classOf(const GroupRatings &g, int flangeClass)
    {
        for (const ClassRatings &c : g.classes)
            if (c.flangeClass == flangeClass)
                return c;
        qFatal("no class %d", flangeClass);
    }
};

QTEST_GUILESS_MAIN(TestPressureRatings)
#include "tst_pressureratings.moc"
