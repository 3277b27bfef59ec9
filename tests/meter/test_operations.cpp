// Readings, status, unit, range, key and memory commands: the lines sent, their pauses and
// what each operation makes of the replies.
#include "meterrig.h"

#include <QtTest>

namespace {
using Pauses = std::vector<uint32_t>;
}

class TestOperations : public QObject {
    Q_OBJECT
private slots:
    void measureAndFetch_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<bool>("fetch");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<uint>("pause");
        QTest::addColumn<float>("value");
        QTest::newRow("measure 502") << QByteArray("502") << false << QByteArray("MEASURE:PHOT?") << 100u << 123.4f;
        QTest::newRow("measure 508 waits 2 s") << QByteArray("508") << false << QByteArray("MEASURE:PHOT?") << 2000u << 123.4f;
        QTest::newRow("fetch 508 waits 100 ms") << QByteArray("508") << true << QByteArray("?") << 100u << 0.0f;
    }
    void measureAndFetch()
    {
        QFETCH(QByteArray, code);
        QFETCH(bool, fetch);
        QFETCH(QByteArray, line);
        QFETCH(uint, pause);
        QFETCH(float, value);
        tMeterRig rig;
        rig.Connect(code);
        rig.Ftdi.Queue("PHOT 1234 E-1 FC\r\n"); // the same reply reads differently by operation
        uint8_t unit = 9;
        QCOMPARE(fetch ? rig.Meter->FetchReading(unit) : rig.Meter->Measure(unit), value);
        QCOMPARE(int(unit), 1);
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList{line});
        QCOMPARE(rig.Clock.Pauses, Pauses{pause});
        QCOMPARE(rig.Ftdi.OpenHandle, -1);
    }

    void measureFailures()
    {
        tMeterRig rig;
        rig.Connect();
        uint8_t unit = 9;
        QCOMPARE(rig.Meter->Measure(unit), -999.0f); // silence
        QCOMPARE(int(unit), 0);
        rig.Ftdi.Queue("PHOT ERR FC\n");
        unit = 9;
        QCOMPARE(rig.Meter->Measure(unit), -999.0f);
        QCOMPARE(int(unit), 0);
        rig.Ftdi.Queue("PHOT OVL FC\n");
        QCOMPARE(rig.Meter->Measure(unit), -1.0f);
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_OPENED;
        unit = 9;
        QCOMPARE(rig.Meter->Measure(unit), -999.0f);
        QCOMPARE(int(unit), 9); // untouched without a channel
        QCOMPARE(rig.Meter->FetchReading(unit), -999.0f);
        QCOMPARE(int(unit), 9);
    }

    void readStatus()
    {
        tMeterRig rig;
        rig.Connect();
        rig.Ftdi.Queue("RMS 41\r\n");
        QCOMPARE(int(rig.Meter->ReadStatus()), 65);
        QCOMPARE(int(rig.Meter->ReadStatus()), 0); // silence
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        QCOMPARE(int(rig.Meter->ReadStatus()), 0);
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList({"RMS?", "RMS?"}));
        QCOMPARE(rig.Clock.Pauses, Pauses({100, 100}));
    }

    void setUnitAndRange_data()
    {
        QTest::addColumn<bool>("unit");
        QTest::addColumn<uint>("arg");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<bool>("ok");
        QTest::newRow("lux") << true << 0u << QByteArray("UNIT:PHO LX\n") << true;
        QTest::newRow("fc keeps its blank") << true << 1u << QByteArray("UNIT:PHO FC \n") << true;
        QTest::newRow("cd/m2") << true << 2u << QByteArray("UNIT:PHO CD_M2\n") << true;
        QTest::newRow("fL") << true << 3u << QByteArray("UNIT:PHO FL\n") << true;
        QTest::newRow("unknown unit sends nothing") << true << 4u << QByteArray() << false;
        QTest::newRow("range 0") << false << 0u << QByteArray("RANGE 0\n") << true;
        QTest::newRow("range 4") << false << 4u << QByteArray("RANGE 4\n") << true;
        QTest::newRow("range 5 is auto") << false << 5u << QByteArray("RANGE:AUTO ON\n") << true;
        QTest::newRow("range -1 is auto") << false << 0xFFFFFFFFu << QByteArray("RANGE:AUTO ON\n") << true;
    }
    void setUnitAndRange()
    {
        QFETCH(bool, unit);
        QFETCH(uint, arg);
        QFETCH(QByteArray, written);
        QFETCH(bool, ok);
        tMeterRig rig;
        rig.Connect();
        rig.Ftdi.Queue("ERR\r\n"); // the reply text is not examined
        QCOMPARE(unit ? rig.Meter->SetUnit(uint8_t(arg)) : rig.Meter->SetRange(arg), ok);
        QCOMPARE(rig.Ftdi.Written, written);
        const Pauses expected = written.isEmpty() ? Pauses{} : Pauses{100};
        QCOMPARE(rig.Clock.Pauses, expected);
        QCOMPARE(rig.Ftdi.Calls.first(), QStringLiteral("Open 0"));
        QVERIFY(rig.Ftdi.Calls.last().startsWith(QStringLiteral("Close")));
    }

    void setUnitWithoutAnswerOrConverter()
    {
        tMeterRig rig;
        rig.Connect();
        QVERIFY(!rig.Meter->SetUnit(0));
        QVERIFY(!rig.Meter->SetRange(2));
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        QVERIFY(!rig.Meter->SetUnit(0));
        QVERIFY(!rig.Meter->SetRange(2));
    }

    void keys_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<Pauses>("pauses");
        QTest::newRow("spot meter") << QByteArray("508") << Pauses{2000, 500};
        QTest::newRow("others") << QByteArray("504") << Pauses{200, 100};
        QTest::newRow("no model") << QByteArray("XXX") << Pauses{200, 100};
    }
    void keys()
    {
        QFETCH(QByteArray, code);
        QFETCH(Pauses, pauses);
        tMeterRig rig;
        rig.Connect(code);
        rig.Ftdi.Queue("OK\n");
        rig.Ftdi.Queue("OK\n");
        rig.Meter->KeyOn();
        rig.Meter->KeyOff();
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList({"KEY 1", "KEY 0"}));
        QCOMPARE(rig.Clock.Pauses, pauses);
        rig.Forget();
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        rig.Meter->KeyOn();
        QVERIFY(rig.Ftdi.Written.isEmpty());
    }

    void memoryHasReadings_data()
    {
        QTest::addColumn<uint>("bank");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("has");
        QTest::newRow("bank 7") << 7u << QByteArray("FREE 7 3,10\r\n") << QByteArray("mem:free? 7") << true;
        QTest::newRow("bank 0 empty") << 0u << QByteArray("FREE 0 0,0\r\n") << QByteArray("mem:free? 0") << false;
        QTest::newRow("whole memory, two words") << 0xFFFFFFFFu << QByteArray("FREE 3,10\r\n") << QByteArray("mem:free?") << false;
        QTest::newRow("no answer") << 1u << QByteArray() << QByteArray("mem:free? 1") << false;
    }
    void memoryHasReadings()
    {
        QFETCH(uint, bank);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, line);
        QFETCH(bool, has);
        tMeterRig rig;
        rig.Connect("508");
        rig.Ftdi.Queue(reply);
        bool flag = !has;
        rig.Meter->MemoryHasReadings(flag, bank);
        QCOMPARE(flag, has);
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList{line});
        QCOMPARE(rig.Clock.Pauses, Pauses{100});
    }

    void readMemory_data()
    {
        QTest::addColumn<uint>("bank");
        QTest::addColumn<QByteArray>("fill");
        QTest::addColumn<QByteArray>("dump");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<int>("count");
        QTest::newRow("whole memory")
            << 0xFFFFFFFFu << QByteArray("FREE 98,100\r\n")
            << QByteArray("MEM:DAT 1:1234 E-1 LX;2:5 E0 cd/m2\r\n")
            << QByteArrayList{"mem:free?", "mem:dat?"} << 2;
        QTest::newRow("bank 3") << 3u << QByteArray("FREE 3 9,10\r\n")
                                << QByteArray("MEM:DAT 3 1:1234 E-1 LX;2:5 E0 cd/m2\r\n")
                                << QByteArrayList{"mem:free? 3", "mem:dat? 3"} << 2;
        QTest::newRow("empty: no dump asked") << 0xFFFFFFFFu << QByteArray("FREE 5,5\r\n") << QByteArray()
                                              << QByteArrayList{"mem:free?"} << 0;
        QTest::newRow("fill without comma") << 2u << QByteArray("FREE 2 7\r\n") << QByteArray()
                                            << QByteArrayList{"mem:free? 2"} << 0;
        QTest::newRow("dump silent") << 0xFFFFFFFFu << QByteArray("FREE 1,100\r\n") << QByteArray()
                                     << QByteArrayList{"mem:free?", "mem:dat?"} << 0;
        QTest::newRow("dump without line end") << 0xFFFFFFFFu << QByteArray("FREE 1,100\r\n")
                                               << QByteArray("MEM:DAT 1:5 E0 LX")
                                               << QByteArrayList{"mem:free?", "mem:dat?"} << 0;
    }
    void readMemory()
    {
        QFETCH(uint, bank);
        QFETCH(QByteArray, fill);
        QFETCH(QByteArray, dump);
        QFETCH(QByteArrayList, lines);
        QFETCH(int, count);
        tMeterRig rig;
        rig.Connect("508");
        rig.Ftdi.Queue(fill);
        rig.Ftdi.Queue(dump);
        tStoredReadings records;
        for (tStoredReading& r : records) r = {77.0f, 3};
        int32_t got = -5;
        rig.Meter->ReadMemory(records, got, bank);
        QCOMPARE(int(got), count);
        QCOMPARE(rig.Ftdi.Lines, lines);
        const Pauses expected = lines.size() == 2 ? Pauses{100, 200, 100} : Pauses{100};
        QCOMPARE(rig.Clock.Pauses, expected);
        if (count == 2) {
            QCOMPARE(records[0].Value, 123.4f);
            QCOMPARE(int(records[1].Unit), 2);
        }
        for (int i = count; i < StoredReadingCapacity; ++i) {
            QCOMPARE(records[i].Value, 0.0f);
            QCOMPARE(int(records[i].Unit), 0);
        }
        QCOMPARE(rig.Ftdi.OpenHandle, -1);
    }

    void readMemoryWithoutConverter()
    {
        tMeterRig rig;
        rig.Connect();
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        tStoredReadings records;
        records[5].Value = 4;
        int32_t count = 3;
        rig.Meter->ReadMemory(records, count, NoBank);
        QCOMPARE(count, 0);
        QCOMPARE(records[5].Value, 0.0f);
        QVERIFY(rig.Ftdi.Written.isEmpty());
    }

    void clearMemory()
    {
        tMeterRig rig;
        rig.Connect("508");
        rig.Ftdi.Queue("OK\n");
        QVERIFY(rig.Meter->ClearMemory(3));
        QVERIFY(!rig.Meter->ClearMemory(NoBank)); // no answer
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList({"MEM:CLE 3", "MEM:CLE"}));
        // Without a converter the exchange fails: nothing is written.
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        rig.Forget();
        QVERIFY(!rig.Meter->ClearMemory(0));
        QVERIFY(rig.Ftdi.Written.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "test_operations.moc"
