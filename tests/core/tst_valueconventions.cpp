#include "core/values/numberreading.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

using DnReading = std::optional<NominalDiameter>;
Q_DECLARE_METATYPE(DnReading)
Q_DECLARE_METATYPE(WorkingValue)

namespace
{
constexpr double Inf = std::numeric_limits<double>::infinity();
}

class TestValueConventions : public QObject
{
    Q_OBJECT

private slots:
    void numericReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty text") << "" << 0.0;
        QTest::newRow("one blank, as boxes start") << " " << 0.0;
        QTest::newRow("blank before 90") << " 90" << 90.0;
        QTest::newRow("unit after the number") << "10mm" << 10.0;
        QTest::newRow("blank inside the digits") << "1 0" << 10.0;
        QTest::newRow("tab and line feed skipped") << "\t1\n2 " << 12.0;
        QTest::newRow("letters first") << "DN10" << 0.0;
        QTest::newRow("minus sign") << "-5" << -5.0;
        QTest::newRow("plus sign") << "+10" << 10.0;
        QTest::newRow("blank after the sign") << "- 10" << -10.0;
        QTest::newRow("two signs") << "--1" << 0.0;
        QTest::newRow("decimal") << "17.2" << 17.2;
        QTest::newRow("second point ends the number") << "1.5.3" << 1.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("signed leading point") << "-.5" << -0.5;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("small e exponent") << "2e-1" << 0.2;
        QTest::newRow("exponent with plus") << "1.5E+2" << 150.0;
        QTest::newRow("exponent without digits") << "1E" << 1.0;
        QTest::newRow("exponent sign without digits") << "7e+" << 7.0;
        QTest::newRow("blanks inside exponent") << "1 E 2" << 100.0;
        QTest::newRow("comma ends the number") << "1,000" << 1.0;
        QTest::newRow("full-width digits are no digits") << "１００" << 0.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("hexadecimal, small letters") << "&hff" << 255.0;
        QTest::newRow("hexadecimal, all ones") << "&HFFFFFFFF" << 4294967295.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O78" << 7.0;
        QTest::newRow("prefix without digits") << "&H" << 0.0;
        QTest::newRow("ampersand alone") << "&10" << 0.0;
        QTest::newRow("overflow") << "1e400" << Inf;
        QTest::newRow("negative overflow") << "-1e400" << -Inf;
        QTest::newRow("underflow") << "1e-400" << 0.0;
        QTest::newRow("huge exponent digits") << "1e99999999999999999999" << Inf;
    }
    void numericReading()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(readNumber(text), expected);
    }

    void numericReadingOfVeryLongTexts()
    {
        QCOMPARE(readNumber(QString(1 << 20, u'9')), Inf);
        QCOMPARE(readNumber(QString(1 << 20, u'0') + u'7'), 7.0);
        QCOMPARE(readNumber("0." + QString(400, u'0') + u'5'), 0.0);
    }

    void dnReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DnReading>("expected");
        QTest::newRow("plain") << "100" << DnReading(100);
        QTest::newRow("half to even, down") << "10.5" << DnReading(10);
        QTest::newRow("half to even, up") << "11.5" << DnReading(12);
        QTest::newRow("9.5 gives 10") << "9.5" << DnReading(10);
        QTest::newRow("12.5 gives 12") << "12.5" << DnReading(12);
        QTest::newRow("32.5 gives 32") << "32.5" << DnReading(32);
        QTest::newRow("below half") << "10.49" << DnReading(10);
        QTest::newRow("negative half") << "-2.5" << DnReading(-2);
        QTest::newRow("empty box") << "" << DnReading(0);
        QTest::newRow("minus zero") << "-0" << DnReading(0);
        QTest::newRow("unit after the number") << "10mm" << DnReading(10);
        QTest::newRow("largest") << "32767" << DnReading(32767);
        QTest::newRow("smallest") << "-32768" << DnReading(-32768);
        QTest::newRow("rounds to smallest") << "-32768.5" << DnReading(-32768);
        QTest::newRow("just above range") << "32768" << DnReading();
        QTest::newRow("rounds above range") << "32767.5" << DnReading();
        QTest::newRow("just below range") << "-32769" << DnReading();
        QTest::newRow("overflowing text") << "1e400" << DnReading();
        QTest::newRow("hexadecimal beyond range") << "&HFFFFFFFF" << DnReading();
        QTest::newRow("hexadecimal") << "&H64" << DnReading(100);
        QTest::newRow("exponent") << "1E2" << DnReading(100);
        QTest::newRow("blanks between digits") << "1 0 0" << DnReading(100);
        QTest::newRow("DN before the number") << "DN100" << DnReading(100);
        QTest::newRow("DN and a blank before it") << "DN 80" << DnReading(80);
        QTest::newRow("16-bit wrap of 100 is not 100") << "65636" << DnReading();
    }
    void dnReading()
    {
        QFETCH(QString, text);
        QFETCH(DnReading, expected);
        QCOMPARE(readNominalDiameter(text), expected);
    }

    void plainNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << 273.0 << "273";
        QTest::newRow("four digits") << 1175.0 << "1175";
        QTest::newRow("one decimal") << 616.5 << "616.5";
        QTest::newRow("pipe diameter") << 17.2 << "17.2";
        QTest::newRow("another decimal") << 406.4 << "406.4";
        QTest::newRow("small decimal") << 2.3 << "2.3";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("negative") << -12.5 << "-12.5";
        QTest::newRow("shortest form") << 0.1 + 0.2 << "0.30000000000000004";
    }
    void plainNumber()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(plainNumberText(value), expected);
    }

    void plainNumberReadsBack_data()
    {
        QTest::addColumn<double>("value");
        for (double v : {17.2, 1e21, 1.5e-7, -3.25e100, 123456789012.0, 0.1 + 0.2, 5e-324})
            QTest::addRow("%g", v) << v;
    }
    void plainNumberReadsBack()
    {
        QFETCH(double, value);
        QCOMPARE(readNumber(plainNumberText(value)), value);
    }

    void resultText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0.00";
        QTest::newRow("below a half hundredth") << 0.004 << "0.00";
        QTest::newRow("half a hundredth rounds up") << 0.005 << "0.01";
        QTest::newRow("1.005, decided on 15 digits") << 1.005 << "1.01";
        QTest::newRow("2.675, decided on 15 digits") << 2.675 << "2.68";
        QTest::newRow("weight") << 24.354986728 << "24.35";
        QTest::newRow("two decimals") << 0.36 << "0.36";
        QTest::newRow("four digits") << 1582.94 << "1582.94";
        QTest::newRow("carry into the units") << 0.995 << "1.00";
        QTest::newRow("carry into a new digit") << 999.995 << "1000.00";
        QTest::newRow("integer") << 510.0 << "510.00";
        QTest::newRow("negative, away from zero") << -1.005 << "-1.01";
        QTest::newRow("negative") << -24.35 << "-24.35";
        QTest::newRow("negative rounding to zero") << -0.004 << "0.00";
        QTest::newRow("minus zero") << -0.0 << "0.00";
        QTest::newRow("tiny") << 1e-300 << "0.00";
        QTest::newRow("large, no grouping") << 123456.785 << "123456.79";
        QTest::newRow("very large") << 1e20 << "100000000000000000000.00";
        QTest::newRow("infinite") << Inf << "";
        QTest::newRow("negative infinite") << -Inf << "";
        QTest::newRow("not a number") << std::nan("") << "";
    }
    void resultText()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(::resultText(value), expected);
    }

    void callout_data()
    {
        QTest::addColumn<WorkingValue>("count");
        QTest::addColumn<WorkingValue>("diameter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("4 of 14") << WorkingValue(4) << WorkingValue(14) << "4-φ14";
        QTest::newRow("20 of 39") << WorkingValue(20) << WorkingValue(39) << "20-φ39";
        QTest::newRow("no row") << WorkingValue() << WorkingValue() << "-φ";
    }
    void callout()
    {
        QFETCH(WorkingValue, count);
        QFETCH(WorkingValue, diameter);
        QFETCH(QString, expected);
        QCOMPARE(boltHoleCallout(count, diameter), expected);
    }

    void workingValues_data()
    {
        QTest::addColumn<WorkingValue>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("empty") << WorkingValue() << "" << 0.0;
        QTest::newRow("integer") << WorkingValue(75) << "75" << 75.0;
        QTest::newRow("decimal") << WorkingValue(17.2) << "17.2" << 17.2;
        QTest::newRow("zero is a number") << WorkingValue(0.0) << "0" << 0.0;
        QTest::newRow("thread") << WorkingValue("M30X2") << "M30X2" << 0.0;
        QTest::newRow("dash") << WorkingValue("-") << "-" << 0.0;
    }
    void workingValues()
    {
        QFETCH(WorkingValue, value);
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(value.text(), text);
        QCOMPARE(value.number(), number);
    }

    void readingIgnoresTheLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German));
        // The set-up generates this locale; without it the test would prove nothing.
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"),
                 "de_DE.UTF-8 is not installed: run scripts/setup.sh's test set-up");
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
        QCOMPARE(readNumber(u"17.2"), 17.2);
        QCOMPARE(plainNumberText(17.2), QStringLiteral("17.2"));
        QCOMPARE(::resultText(24.354986728), QStringLiteral("24.35"));
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(saved);
    }
};

QTEST_GUILESS_MAIN(TestValueConventions)
#include "tst_valueconventions.moc"
