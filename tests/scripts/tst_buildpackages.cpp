// scripts/check-build-packages.sh, which test.sh runs on its build, proven on this build tree:
// with a package taken out of a copy of the set-up, the check fails and names that package.
#include "support/programrun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestBuildPackages : public QObject
{
    Q_OBJECT

private slots:
    void namesThePackageTheSetUpLacks_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QString>("list");
        // zlib, which libxlsxwriter links (the benchmark program too), comes from its own
        // package alone: libxlsxwriter's -dev package does not bring it.
        QTest::newRow("zlib left out of the build's packages")
            << QStringLiteral("zlib1g-dev") << QStringLiteral("BUILD_PACKAGES");
        // Only the benchmark program links Google Benchmark: a test package.
        QTest::newRow("Google Benchmark left out of the tests' packages")
            << QStringLiteral("libbenchmark-dev") << QStringLiteral("TEST_PACKAGES");
    }
    void namesThePackageTheSetUpLacks()
    {
        QFETCH(QString, package);
        QFETCH(QString, list);
        if (list == QLatin1String("TEST_PACKAGES") &&
            !QFile::exists(QStringLiteral(QUORVIT_BUILD_DIR "/bench")))
            QSKIP("this build has no benchmark program");
        QFile setup(QStringLiteral(QUORVIT_SOURCE_DIR "/scripts/setup.sh"));
        QVERIFY(setup.open(QIODevice::ReadOnly));
        const QString original = QString::fromUtf8(setup.readAll());
        QString without = original;
        without.remove(QRegularExpression(
            QStringLiteral("(?<=[ (])%1(?=[ )\\n])").arg(QRegularExpression::escape(package))));
        QVERIFY2(without != original, "the set-up does not name the package");

        QTemporaryDir folder;
        QFile copy(folder.filePath(QStringLiteral("setup.sh")));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(without.toUtf8()) > 0);
        copy.close();
        const ProgramRun run =
            runProgram(QStringLiteral(QUORVIT_SOURCE_DIR "/scripts/check-build-packages.sh"),
                       {QStringLiteral(QUORVIT_BUILD_DIR), copy.fileName()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("add %1 to %2").arg(package, list)),
                 qPrintable(run.err));
        // Only what the package brings is missing.
        QCOMPARE(run.err.count(QLatin1Char('\n')), run.err.count(QStringLiteral("comes from ")));
        QVERIFY2(!run.err.contains(QStringLiteral("no Debian package")), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestBuildPackages)
#include "tst_buildpackages.moc"
