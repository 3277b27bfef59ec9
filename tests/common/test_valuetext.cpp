// Value numbers: 7 significant digits, fixed decimals, scientific beyond 7 integer digits.
#include "common/valuetext.h"

#include <QtTest>

class TestValueText : public QObject {
    Q_OBJECT
private slots:
    void valueNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals") << 123.456 << 2 << "123.46";
        QTest::newRow("padded") << 5.0 << 2 << "5.00";
        QTest::newRow("zero") << 0.0 << 2 << "0.00";
        QTest::newRow("no decimals") << 1234.5 << 0 << "1235";
        QTest::newRow("seventh digit") << 12345.678 << 2 << "12345.68";
        QTest::newRow("past seventh prints 0") << 1234567.891 << 2 << "1234568.00";
        QTest::newRow("past seventh, 3 decimals") << 123456.789 << 3 << "123456.800";
        QTest::newRow("seven integer digits") << 9999999.0 << 1 << "9999999.0";
        QTest::newRow("eight integer digits") << 12345678.0 << 2 << "1.234568E7";
        QTest::newRow("round up to eight digits") << 9999999.6 << 0 << "1E7";
        QTest::newRow("small") << 0.004 << 2 << "0.00";
        QTest::newRow("small rounds up") << 0.006 << 2 << "0.01";
        QTest::newRow("small, 7 significant") << 0.0123456789 << 9 << "0.012345680";
        QTest::newRow("negative") << -2.5 << 1 << "-2.5";
        QTest::newRow("negative rounds to zero") << -0.001 << 2 << "0.00";
        QTest::newRow("overload sentinel") << -1.0 << 0 << "-1";
        QTest::newRow("no reading sentinel") << -999.0 << 2 << "-999.00";
    }
    void valueNumber()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(ValueNumber(value, decimals, u'.'), text);
    }

    void decimalSeparatorAndSuffixes()
    {
        QCOMPARE(ValueNumber(1234.5, 2, u','), QStringLiteral("1234,50")); // no thousands separator
        QCOMPARE(ValueNumber(float(123.4f), 1, u','), QStringLiteral("123,4"));
        QCOMPARE(UnitSuffix(UnitLux), QStringLiteral(" lx"));
        QCOMPARE(UnitSuffix(UnitFootcandle), QStringLiteral(" fc"));
        QCOMPARE(UnitSuffix(UnitCandela), QString::fromUtf8(" cd/m²"));
        QCOMPARE(UnitSuffix(UnitFootlambert), QStringLiteral(" fL"));
        QCOMPARE(UnitSuffix(4), QString());
        QVERIFY(ValueText(2.0, UnitCandela, 2).endsWith(QString::fromUtf8("2") + LocaleDecimalPoint() +
                                                        QString::fromUtf8("00 cd/m²")));
    }
};

QTEST_GUILESS_MAIN(TestValueText)
#include "test_valuetext.moc"
