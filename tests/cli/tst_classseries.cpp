// The Class series (data/asme-b16.5) through the real `quorvit`: every cell of its tables comes
// out of `lookup` as the data writes it, no row more or less comes out of `table`, and the
// spellings of a class and a pipe size engineers write are read, or refused with the right exit.
#include "support/programrun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

namespace
{

// A data file's rows, each a map from column name to cell, read here on their own.
QList<QHash<QString, QString>> dataRows(const QString &file)
{
    QFile in(QStringLiteral(CLASS_DATA "/") + file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QStringList header;
    QList<QHash<QString, QString>> rows;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u',');
        if (header.isEmpty()) {
            header = cells;
            continue;
        }
        QHash<QString, QString> row;
        for (qsizetype i = 0; i < header.size(); ++i)
            row.insert(header[i], cells.value(i));
        rows.append(row);
    }
    return rows;
}

QJsonObject lookUp(const QStringList &arguments)
{
    const ProgramRun run = quorvit(QStringList{"lookup"} + arguments + QStringList{"--format", "json"});
    if (run.exitCode != 0)
        qWarning() << arguments << run.err;
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

class TestClassSeries : public QObject
{
    Q_OBJECT

private slots:
    void everyCellThroughLookup_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::newRow("weld-neck") << "WN" << "weldneck.csv";
        QTest::newRow("slip-on") << "SO" << "slipon.csv";
        QTest::newRow("blind") << "BL" << "blind.csv";
    }
    void everyCellThroughLookup()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        const QList<QHash<QString, QString>> rows = dataRows(file);
        QVERIFY(rows.size() > 80);
        QHash<QString, QHash<QString, QString>> rings; // B16.21 flat rings by class and NPS
        for (const auto &ring : dataRows(QStringLiteral("gaskets_flat_ring.csv")))
            rings.insert(ring.value("class") + u'/' + ring.value("nps"), ring);
        QCOMPARE(rings.size(), 75);
        QHash<QString, int> perClass;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QHash<QString, QString> &row = rows[i];
            ++perClass[row.value("class")];
            // Half the rows by NPS with its inch mark, half by DN.
            const QString size = i % 2 ? row.value("nps") + u'"' : "DN" + row.value("dn");
            const QJsonObject record = lookUp({kind, "CL" + row.value("class"), size});
            const QString where = kind + u' ' + row.value("class") + u' ' + size;
            QVERIFY2(!record.isEmpty(), qPrintable(where));
            QCOMPARE(record.value("standard").toString(), QStringLiteral("ASME B16.5"));
            for (auto cell = row.cbegin(); cell != row.cend(); ++cell) {
                // The column names the dimension and its unit; the record keys it by dimension.
                const QString key = QString(cell.key()).remove(QRegularExpression("_(mm|in)$"));
                const QJsonValue value = record.value(key);
                QVERIFY2(!value.isUndefined(), qPrintable(where + u' ' + key));
                if (value.isString())
                    QCOMPARE(value.toString(), cell.value());
                else
                    QVERIFY2(value.toDouble() == cell.value().toDouble(),
                             qPrintable(where + u' ' + key));
            }
            // Stud bolts of the tabled length in the size's unified thread, and the flat ring
            // where the gasket file has one, else a gasket named as not included.
            const QRegularExpression designation(QRegularExpression::escape(row.value("bolt_size_in")) +
                                                 "-[0-9]+UNC? × " +
                                                 QString::number(row.value("stud_length_mm").toDouble()));
            QVERIFY2(designation.match(record.value("bolt_designation").toString()).hasMatch(),
                     qPrintable(where + u' ' + record.value("bolt_designation").toString()));
            QCOMPARE(record.value("nuts_per_bolt").toInt(), 2);
            const QHash<QString, QString> ring = rings.value(row.value("class") + u'/' + row.value("nps"));
            QCOMPARE(record.value("gasket_inside_diameter").toDouble(),
                     ring.value("inside_diameter_mm").toDouble());
            QCOMPARE(record.value("gasket_outside_diameter").toDouble(),
                     ring.value("outside_diameter_mm").toDouble());
            QVERIFY(record.value("gasket").toString().contains(ring.isEmpty() ? "未包括" : "B16.21"));
        }
        // No row more than the file's at any class.
        for (auto count = perClass.cbegin(); count != perClass.cend(); ++count) {
            const ProgramRun table = quorvit({"table", kind, count.key(), "--format", "json"});
            QCOMPARE(QJsonDocument::fromJson(table.out).array().size(), count.value());
        }
    }

    // Each spelling is read as the class and NPS given, or refused with the exit code given
    // (1 rejected, 2 unreadable) and a reason saying so.
    void spellings_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // "class/nps", or a part of the reason
        const auto row = [](const char *name, QStringList arguments, int exitCode,
                            const char *expected) {
            QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(expected);
        };
        row("inch mark", {"WN", "CL150", "4\""}, 0, "150/4");
        row("in", {"WN", "150", "4in"}, 0, "150/4");
        row("mixed number", {"SO", "150#", "1-1/2\""}, 0, "150/1-1/2");
        row("fraction sign", {"BL", "150LB", "1½\""}, 0, "150/1-1/2");
        row("DN", {"WN", "150", "DN100"}, 0, "150/4");
        row("bare DN", {"WN", "Class 300", "100"}, 0, "300/4");
        row("NPS word, full width", {"WN", "ＣＬ６００", "NPS 8"}, 0, "600/8");
        row("PN20", {"WN", "PN20", "2in"}, 0, "150/2");
        row("PN50", {"WN", "PN50", "2in"}, 0, "300/2");
        row("PN110", {"WN", "PN110", "2in"}, 0, "600/2");
        row("PN150", {"WN", "PN150", "2in"}, 0, "900/2");
        row("PN260", {"WN", "PN260", "2in"}, 0, "1500/2");
        row("PN420", {"WN", "PN420", "2in"}, 0, "2500/2");
        row("raised face code", {"WN-RF", "900", "1/2"}, 0, "900/1/2");
        row("blind in Chinese", {"法兰盖", "2500", "12\""}, 0, "2500/12");
        row("a class not listed", {"WN", "CL125", "4\""}, 1, "listed: 150, 300");
        row("no slip-on at 2500", {"SO", "2500", "2\""}, 1, "listed: 150, 300, 600, 900, 1500");
        row("NPS 22 left out", {"WN", "CL150", "22\""}, 1, "NPS 22 is not listed");
        row("slip-on 1500 to 2-1/2", {"SO", "1500", "3\""}, 1, "listed: NPS 1/2");
        row("no plate flange", {"PL", "150", "100"}, 1, "has no PL");
        row("PN blind flanges", {"BL", "1.6", "100"}, 1, "not included yet");
        row("not an eighth", {"WN", "CL150", "1-1/8\""}, 1, "quarter inches");
        row("ring joint", {"WN-RJ", "CL150", "4\""}, 1, "raised face");
        row("no series", {"WN", "CL150", "4\"", "--series", "B"}, 2, "--series");
        row("no size", {"WN", "CL150", "4x"}, 2, "neither an NPS");
        row("PN16 both PN readings", {"WN", "PN16", "100"}, 1, "could be 1.6 MPa or 16.0 MPa");
    }
    void spellings()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const ProgramRun run = quorvit(QStringList{"lookup"} + arguments + QStringList{"--format", "json"});
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        if (exitCode != 0) {
            QVERIFY2(run.err.contains(expected), qPrintable(run.err));
            QCOMPARE(run.err.count(u'\n'), exitCode == 2 ? 2 : 1); // 2: the usage line follows
            return;
        }
        const QJsonObject record = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(QString::number(record.value("class").toInt()) + u'/' +
                     record.value("nps").toString(),
                 expected);
    }

    // Measurements are matched in both series, each flange under its own: a PN 1.6 DN 100 and a
    // Class 150 NPS 4 are told apart.
    void identifyAcrossSeries_data()
    {
        QTest::addColumn<QStringList>("measures");
        QTest::addColumn<QString>("first");  // kind and PN or class of the best match
        QTest::addColumn<QString>("absent"); // a kind and rating no match may have
        QTest::addColumn<int>("classMatches");
        QTest::newRow("PN 1.6 DN 100") << QStringList{"--outside-diameter", "220", "--bolt-circle", "180"}
                                       << "PL 1.0" << "WN CL150" << 0;
        QTest::newRow("Class 150 NPS 4")
            << QStringList{"--outside-diameter", "228.6", "--bolt-circle", "190.5", "--holes", "8"}
            << "SO CL150" << "WN 1.6" << 3;
        QTest::newRow("Class 150 NPS 4 on its pipe")
            << QStringList{"--outside-diameter", "229", "--bolt-circle", "190", "--pipe-od", "114.3"}
            << "SO CL150" << "BL CL150" << 2;
    }
    void identifyAcrossSeries()
    {
        QFETCH(QStringList, measures);
        QFETCH(QString, first);
        QFETCH(QString, absent);
        QFETCH(int, classMatches);
        const ProgramRun run = quorvit(QStringList{"identify"} + measures + QStringList{"--format", "json"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QStringList found;
        int classes = 0;
        for (const QJsonValue &value : QJsonDocument::fromJson(run.out).array()) {
            const QJsonObject match = value.toObject();
            const bool isClass = match.contains("class");
            classes += isClass;
            found.append(match.value("kind").toString() + u' ' +
                         (isClass ? "CL" + QString::number(match.value("class").toInt())
                                  : match.value("pressure_mpa").toString()));
        }
        QVERIFY2(!found.isEmpty() && found.first() == first, qPrintable(found.join(", ")));
        QVERIFY2(!found.contains(absent), qPrintable(found.join(", ")));
        QCOMPARE(classes, classMatches);
    }
};

QTEST_GUILESS_MAIN(TestClassSeries)
#include "tst_classseries.moc"
