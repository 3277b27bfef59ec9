// The reply grammar: readings, status, memory fill words and memory dumps.
#include "meter/replies.h"

#include <QtTest>

class TestReplies : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("wordPos");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("unit");
        QTest::newRow("mantissa and exponent") << "PHOT 1234 E-1 LX\r\n" << 2 << 123.4f << 0;
        QTest::newRow("comma decimal") << "PHOT 12 ,5 LX\n" << 2 << 12.5f << 0;
        QTest::newRow("complete number then unit") << "PHOT 12.5 LX\n" << 2 << 0.0f << 0;
        QTest::newRow("overload word") << "PHOT OVL CD/M2\n" << 2 << -1.0f << 9;
        QTest::newRow("32767 keeps unit") << "PHOT 32767 E0 FC\n" << 2 << -1.0f << 1;
        QTest::newRow("32767 as last word") << "PHOT  32767\n" << 2 << -1.0f << 0;
        QTest::newRow("ERR beats OVL") << "ERR OVL\n" << 2 << -999.0f << 9;
        QTest::newRow("ERROR counts") << "ERROR 5\n" << 2 << -999.0f << 9;
        QTest::newRow("CD and FL gives fL") << "X 5 E0 CD FL\n" << 2 << 5.0f << 3;
        QTest::newRow("no token gives lux") << "X 5 E0\n" << 2 << 5.0f << 0;
        QTest::newRow("CD/M2") << "X 25 E-1 CD/M2\n" << 2 << 2.5f << 2;
        QTest::newRow("negative becomes 0") << "X -5 E0 LX\n" << 2 << 0.0f << 0;
        QTest::newRow("not a number") << "X abc def LX\n" << 2 << 0.0f << 0;
        QTest::newRow("exponent only") << "X E5 LX\n" << 2 << 0.0f << 0;
        QTest::newRow("beyond single precision") << "X 1 E39 LX\n" << 2 << 0.0f << 0;
        QTest::newRow("beyond double") << "X 1 E999 LX\n" << 2 << 0.0f << 0;
        QTest::newRow("fetch: first word") << "1234 E-1 LX\r\n" << 1 << 123.4f << 0;
        QTest::newRow("fetch grammar on measure reply") << "PHOT 1234 E-1 LX\r\n" << 1 << 0.0f << 0;
        QTest::newRow("lower-case tokens are no tokens") << "X 5 E0 cd\n" << 2 << 5.0f << 0;
        QTest::newRow("empty") << "" << 2 << 0.0f << 0;
        QTest::newRow("huge word") << "X " + QString(10000, u'9') + " LX\n" << 2 << 0.0f << 0;
    }
    void reading()
    {
        QFETCH(QString, reply);
        QFETCH(int, wordPos);
        QFETCH(float, value);
        QFETCH(int, unit);
        uint8_t code = 9; // untouched by ERR and OVL
        QCOMPARE(ParseReading(reply, wordPos, code), value);
        QCOMPARE(int(code), unit);
    }

    void status_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("status");
        QTest::newRow("bit 6") << "RMS 41\r\n" << 65;
        QTest::newRow("low 8 bits") << "RMS 1FF\n" << 255;
        QTest::newRow("zero") << "RMS 0\n" << 0;
        QTest::newRow("not hex") << "RMS XYZ\n" << 0;
        QTest::newRow("one word") << "41\n" << 0;
        QTest::newRow("too long") << "RMS 123456789\n" << 0;
    }
    void status()
    {
        QFETCH(QString, reply);
        QFETCH(int, status);
        QCOMPARE(int(ParseStatus(reply)), status);
    }

    void fill_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("wordPos");
        QTest::addColumn<bool>("has");
        QTest::newRow("empty 0,0") << "FREE 0,0\n" << 2 << false;
        QTest::newRow("full 5,5") << "FREE 5,5\n" << 2 << false;
        QTest::newRow("readings 3,10") << "FREE 3,10\r\n" << 2 << true;
        QTest::newRow("bank: third word") << "FREE 3 3,10\r\n" << 3 << true;
        QTest::newRow("bank reply read at word 2") << "FREE 3 3,10\r\n" << 2 << false;
        QTest::newRow("two words read at word 3") << "FREE 3,10\n" << 3 << false;
        QTest::newRow("no comma") << "FREE -3\n" << 2 << false;
        QTest::newRow("unreadable numbers") << "FREE a,b\n" << 2 << false;
        QTest::newRow("unreadable first") << "FREE a,5\n" << 2 << true;
    }
    void fill()
    {
        QFETCH(QString, reply);
        QFETCH(int, wordPos);
        QFETCH(bool, has);
        QCOMPARE(ParseFill(reply, wordPos), has);
    }

    void dump_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("bank");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QList<int>>("units");
        QTest::newRow("two records")
            << "MEM:DAT 1:1234 E-1 LX;2:5 E0 cd/m2\r\n" << false << QList<float>{123.4f, 5.0f}
            << QList<int>{0, 2};
        QTest::newRow("bank loses 10")
            << "MEM:DAT 3 1:25 E1 FC\n" << true << QList<float>{250.0f} << QList<int>{1};
        QTest::newRow("one record, no ;") << "12345678" "1:7 E0 FL\n" << false << QList<float>{7.0f}
                                           << QList<int>{3};
        QTest::newRow("CD is not CD/M2") << "MEM:DAT 1:5 E0 CD\n" << false << QList<float>{5.0f}
                                          << QList<int>{0};
        QTest::newRow("empty records skipped")
            << "MEM:DAT ;1:1 E0 LX;;2:2 E0 LX;\n" << false << QList<float>{1.0f, 2.0f}
            << QList<int>{0, 0};
        QTest::newRow("record without colon counts as 0")
            << "MEM:DAT 1:1 E0 LX;garbage;\n" << false << QList<float>{1.0f, 0.0f}
            << QList<int>{0, 0};
        QTest::newRow("leading colon") << "MEM:DAT :5 E0 FC\n" << false << QList<float>{0.0f}
                                        << QList<int>{0};
        QTest::newRow("unknown unit") << "MEM:DAT 1:5 E0 XX\n" << false << QList<float>{5.0f}
                                       << QList<int>{0};
        QTest::newRow("huge exponent") << "MEM:DAT 1:5 E99999 LX\n" << false << QList<float>{0.0f}
                                        << QList<int>{0};
        QTest::newRow("empty dump") << "MEM:DAT \r\n" << false << QList<float>{} << QList<int>{};
        QTest::newRow("short reply") << "MEM\n" << true << QList<float>{} << QList<int>{};
    }
    void dump()
    {
        QFETCH(QString, reply);
        QFETCH(bool, bank);
        QFETCH(QList<float>, values);
        QFETCH(QList<int>, units);
        tStoredReadings records;
        QCOMPARE(ParseDump(reply, bank, records), values.size());
        for (int i = 0; i < values.size(); ++i) {
            QCOMPARE(records[i].Value, values[i]);
            QCOMPARE(int(records[i].Unit), units[i]);
        }
    }

    void dumpOfMoreThan101RecordsIsCut()
    {
        QString reply = QStringLiteral("MEM:DAT ");
        for (int i = 1; i <= 150; ++i) reply += QStringLiteral("%1:%1 E0 LX;").arg(i);
        reply += u'\n';
        tStoredReadings records;
        QCOMPARE(ParseDump(reply, false, records), StoredReadingCapacity);
        QCOMPARE(records[100].Value, 101.0f);
    }
};

QTEST_GUILESS_MAIN(TestReplies)
#include "test_replies.moc"
