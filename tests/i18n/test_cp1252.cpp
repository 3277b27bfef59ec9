// Windows-1252 both ways.
#include "i18n/cp1252.h"

#include <QtTest>

class TestCp1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesTheRoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = DecodeCp1252(all);
        QCOMPARE(text.size(), 256);
        QByteArray back = EncodeCp1252(text);
        back[0] = '\0'; // NUL alone is written as "?"; see below
        QCOMPARE(back, all);
    }

    void decode_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("ascii") << 0x41 << 0x41;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("low quote") << 0x84 << 0x201E;
        QTest::newRow("free 81") << 0x81 << 0x81;
        QTest::newRow("free 9D") << 0x9D << 0x9D;
        QTest::newRow("Y diaeresis") << 0x9F << 0x178;
        QTest::newRow("nbsp") << 0xA0 << 0xA0;
        QTest::newRow("sharp s") << 0xDF << 0xDF;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    }
    void decode()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        QCOMPARE(Cp1252ToChar(uchar(byte)).unicode(), char16_t(unicode));
    }

    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("german") << QStringLiteral("Meßwert Beleuchtungsstärke [lx]")
                                << QByteArray("Me\xDFwert Beleuchtungsst\xE4rke [lx]");
        QTest::newRow("euro and dashes") << QStringLiteral("€ – —") << QByteArray("\x80 \x96 \x97");
        QTest::newRow("greek") << QStringLiteral("Ω=1") << QByteArray("?=1");
        QTest::newRow("outside the plane") << QStringLiteral("a😀b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("C1 control not held") << QString(QChar(0x80)) << QByteArray("?");
        QTest::newRow("NUL") << QString(QChar(0)) + u'x' << QByteArray("?x");
    }
    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EncodeCp1252(text), bytes);
    }
};

QTEST_APPLESS_MAIN(TestCp1252)
#include "test_cp1252.moc"
