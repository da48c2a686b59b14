// A second standard added as data alone: tests/data/made-up (two weld-neck rows, a rating the
// first standard does not list, no pipe series) compiled by the same generator into a build of
// `quorvit` of its own, and looked up through the command line as any flange is.
#include "support/programrun.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace
{

ProgramRun madeUp(const QStringList &arguments)
{
    return runProgram(QStringLiteral(QUORVIT_MADE_UP_PROGRAM), arguments);
}

// The data file's rows, each a map from column name to cell, read here on their own.
QList<QHash<QString, QString>> dataRows()
{
    QFile file(QStringLiteral(MADE_UP_DATA "/weldneck.csv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList header;
    QList<QHash<QString, QString>> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
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

} // namespace

class TestMadeUpStandard : public QObject
{
    Q_OBJECT

private slots:
    // Every cell of the file comes out of `lookup` as written, under its dimension's key.
    void everyCellThroughLookup()
    {
        const QList<QHash<QString, QString>> rows = dataRows();
        QCOMPARE(rows.size(), 2);
        for (const auto &row : rows) {
            const ProgramRun run = madeUp({QStringLiteral("lookup"), QStringLiteral("WN"),
                                           QStringLiteral("32MPa"), row.value("dn"),
                                           QStringLiteral("--format"), QStringLiteral("json")});
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            const QJsonObject record = QJsonDocument::fromJson(run.out).object();
            QCOMPARE(record.value("pressure_mpa").toString(), row.value("pn_mpa"));
            for (auto cell = row.cbegin(); cell != row.cend(); ++cell) {
                if (cell.key() == u"pn_mpa")
                    continue;
                QString key = cell.key();
                // The tabled stud length is the joint's bolt length.
                key = key == u"stud_length_mm" ? QStringLiteral("bolt_length_mm")
                                               : key.remove(QRegularExpression(QStringLiteral("_mm$")));
                const QJsonValue value = record.value(key);
                QVERIFY2(!value.isUndefined(), qPrintable(key));
                QCOMPARE(value.isString() ? value.toString() : QString::number(value.toDouble()),
                         cell.value());
            }
            // Computed by the rule the file names for the type; the studs as tabled.
            QVERIFY(record.value("weight_kg").toDouble() > 0);
            QCOMPARE(record.value("bolt_designation").toString(),
                     row.value("bolt").replace(u'x', u'×') + u'×' + row.value("stud_length_mm"));
            QCOMPARE(record.value("nuts_per_bolt").toInt(), 2);
        }
    }

    // What the file does not list is refused naming what it does; the first standard is as it
    // was.
    void otherFlanges_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("a DN between the two") << QStringList{"lookup", "WN", "32", "125"} << 1
                                              << "listed: 100, 150";
        QTest::newRow("another kind at its rating") << QStringList{"lookup", "SO", "32", "100"}
                                                    << 1 << "pressure 32 MPa is not listed for SO";
        QTest::newRow("its rows in the table") << QStringList{"table", "WN", "32", "--format", "csv"}
                                               << 0 << "";
    }
    void otherFlanges()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const ProgramRun run = madeUp(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(said), qPrintable(run.err));
        if (exitCode == 0)
            QCOMPARE(run.text().count(u'\n'), 3); // the header and two rows
    }

    void firstStandardUnchanged()
    {
        const QStringList arguments = {"lookup", "WN", "1.6", "100", "--format", "json"};
        const ProgramRun made = madeUp(arguments);
        const ProgramRun shipped = runProgram(QStringLiteral(QUORVIT_PROGRAM), arguments);
        QCOMPARE(made.exitCode, 0);
        QCOMPARE(made.out, shipped.out);
    }
};

QTEST_GUILESS_MAIN(TestMadeUpStandard)
#include "tst_madeupstandard.moc"
