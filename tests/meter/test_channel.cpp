// Opening the converter and one command exchange: bytes, pauses, time-outs and faults.
#include "meterrig.h"

#include <QtTest>

class TestChannel : public QObject {
    Q_OBJECT
private slots:
    void openConfiguresTheLine()
    {
        tMeterRig rig;
        rig.Connect();
        QVERIFY(rig.Meter->OpenChannel());
        QVERIFY(rig.Meter->Handle > 0);
        QVERIFY(rig.Meter->Ready);
        QCOMPARE(rig.Ftdi.Calls, QStringList({"Open 0", "SetBaudRate 9600",
                                              "SetDataCharacteristics 7 2 2",
                                              "SetFlowControl 0 0 0", "SetTimeouts 1000 0"}));
        // A second open closes the first channel: only one handle is ever held.
        const FT_HANDLE first = rig.Meter->Handle;
        QVERIFY(rig.Meter->OpenChannel());
        QCOMPARE(rig.Ftdi.Calls.mid(5, 2), QStringList({QStringLiteral("Close %1").arg(first), "Open 0"}));
        rig.Meter->CloseChannel();
        QCOMPARE(rig.Meter->Handle, -1);
        QCOMPARE(rig.Ftdi.OpenHandle, -1);
        rig.Meter->CloseChannel(); // harmless
    }

    void openFails()
    {
        tMeterRig rig;
        rig.Connect();
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        QVERIFY(!rig.Meter->OpenChannel());
        QCOMPARE(rig.Meter->Handle, -1);
        QVERIFY(rig.Meter->Ready); // unchanged by a failed open
        rig.Meter->CloseChannel();
        QCOMPARE(rig.Ftdi.Calls, QStringList({"Open 0"}));
    }

    void timeoutSettingFailsClearsReady()
    {
        tMeterRig rig;
        rig.Connect();
        rig.Ftdi.TimeoutsStatus = FT_IO_ERROR;
        QVERIFY(rig.Meter->OpenChannel());
        QVERIFY(!rig.Meter->Ready);
        QString reply = QStringLiteral("old");
        QVERIFY(!rig.Meter->Transact(QStringLiteral("*IDN?"), reply, 100));
        QVERIFY(reply.isEmpty());
        QVERIFY(rig.Ftdi.Written.isEmpty());
        QVERIFY(rig.Clock.Pauses.empty());
        rig.Meter->CloseChannel();
    }

    void exchange_data()
    {
        QTest::addColumn<QByteArray>("replyBytes");
        QTest::addColumn<bool>("ioError");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("silentMs");
        QTest::newRow("LF") << QByteArray("ABC\n") << false << true << "ABC\n" << 0;
        QTest::newRow("CR LF kept") << QByteArray("ABC\r\n") << false << true << "ABC\r\n" << 0;
        QTest::newRow("stops at first LF") << QByteArray("A\nB\n") << false << true << "A\n" << 0;
        QTest::newRow("NUL adds nothing") << QByteArray("A\0B\n", 4) << false << true << "AB\n" << 0;
        QTest::newRow("no LF: partial after silence") << QByteArray("ABC") << false << false << "ABC" << 1000;
        QTest::newRow("silence") << QByteArray() << false << false << "" << 1000;
        QTest::newRow("I/O error mid-read") << QByteArray("AB") << true << false << "AB" << 0;
        QTest::newRow("latin-1 bytes") << QByteArray("\xb2\xff\n") << false << true
                                       << QString::fromLatin1("\xb2\xff\n") << 0;
    }
    void exchange()
    {
        QFETCH(QByteArray, replyBytes);
        QFETCH(bool, ioError);
        QFETCH(bool, ok);
        QFETCH(QString, reply);
        QFETCH(int, silentMs);
        tMeterRig rig;
        rig.Connect();
        QVERIFY(rig.Meter->OpenChannel());
        rig.Ftdi.Queue(replyBytes, ioError);
        const int64_t start = rig.Clock.Now;
        QString got;
        QCOMPARE(rig.Meter->Transact(QStringLiteral("MEASURE:PHOT?"), got, 100), ok);
        QCOMPARE(got, reply);
        QCOMPARE(rig.Ftdi.Written, QByteArray("MEASURE:PHOT?\n"));
        QCOMPARE(rig.Ftdi.LargestWrite, 1u);
        QCOMPARE(rig.Ftdi.LargestRead, 1u);
        QCOMPARE(rig.Clock.Pauses, std::vector<uint32_t>{100});
        QCOMPARE(rig.Clock.EventSteps, 1);
        QCOMPARE(rig.Clock.Now - start, int64_t(100 + silentMs));
    }

    void emptyCommandSendsLoneLF()
    {
        tMeterRig rig;
        rig.Connect();
        QVERIFY(rig.Meter->OpenChannel());
        rig.Ftdi.Queue("x\n");
        QString reply;
        QVERIFY(rig.Meter->Transact(QString(), reply, 200));
        QCOMPARE(rig.Ftdi.Written, QByteArray("\n"));
        QCOMPARE(rig.Clock.Pauses, std::vector<uint32_t>{200});
    }

    void longReplies()
    {
        tMeterRig rig;
        rig.Connect();
        QVERIFY(rig.Meter->OpenChannel());
        QString reply;
        rig.Ftdi.Queue(QByteArray(10000, 'x') + '\n');
        QVERIFY(rig.Meter->Transact(QStringLiteral("mem:dat?"), reply, 100));
        QCOMPARE(reply.size(), 10001);
        // A converter that never sends a line end must not hold the window forever.
        rig.Ftdi.Queue(QByteArray(200000, 'x') + '\n');
        QVERIFY(!rig.Meter->Transact(QStringLiteral("mem:dat?"), reply, 100));
        QCOMPARE(reply.size(), 65536);
    }

    // The window's events may close the channel under a running exchange.
    void handleClosedWhileEventsRun()
    {
        tMeterRig rig;
        rig.Connect();
        QVERIFY(rig.Meter->OpenChannel());
        rig.Ftdi.Queue("ABC\n");
        rig.Clock.OnProcessEvents = [&] { rig.Meter->Handle = -1; };
        QString reply;
        QVERIFY(!rig.Meter->Transact(QStringLiteral("?"), reply, 100));
        QVERIFY(reply.isEmpty());
    }

    // An operation started from the events inside an exchange fails at once and sends
    // nothing; the running one completes.
    void nestedOperationsFailAtOnce()
    {
        tMeterRig rig;
        rig.Connect("508");
        rig.Ftdi.Queue("PHOT 1234 E-1 CD/M2\r\n");
        int writtenBefore = -1;
        QString version = QStringLiteral("unchanged");
        float nestedValue = 0;
        uint8_t nestedUnit = 7;
        bool nestedFlag = true, nestedOk = true;
        int32_t nestedCount = 5;
        uint8_t nestedStatus = 1;
        int nestedModel = 0;
        tStoredReadings records;
        records[0].Value = 3;
        bool once = false;
        rig.Clock.OnProcessEvents = [&] {
            if (std::exchange(once, true)) return;
            writtenBefore = rig.Ftdi.Written.size();
            nestedValue = rig.Meter->Measure(nestedUnit);
            rig.Meter->GetVersionText(version);
            nestedModel = rig.Meter->Identify();
            nestedStatus = rig.Meter->ReadStatus();
            rig.Meter->MemoryHasReadings(nestedFlag, 0);
            rig.Meter->ReadMemory(records, nestedCount, 0);
            nestedOk = rig.Meter->ClearMemory(0) || rig.Meter->Reset() ||
                       rig.Meter->SetUnit(0) || rig.Meter->SetRange(1);
            rig.Meter->KeyOn();
            rig.Meter->KeyOff();
            QVERIFY(rig.Meter->InExchange());
        };
        const int opensBefore = rig.Ftdi.Opens;
        uint8_t unit = 9;
        QCOMPARE(rig.Meter->Measure(unit), 123.4f);
        QCOMPARE(int(unit), 2);
        QCOMPARE(rig.Ftdi.Written.size(), writtenBefore);
        QCOMPARE(nestedValue, -999.0f);
        QCOMPARE(int(nestedUnit), 7);
        QCOMPARE(version, QStringLiteral("unchanged"));
        QCOMPARE(nestedModel, -1);
        QCOMPARE(int(nestedStatus), 0);
        QVERIFY(!nestedFlag);
        QCOMPARE(nestedCount, 0);
        QCOMPARE(records[0].Value, 0.0f);
        QVERIFY(!nestedOk);
        QCOMPARE(rig.Ftdi.Opens, opensBefore + 1);
        QCOMPARE(rig.Meter->ModelCode, uint8_t(4));
        QVERIFY(!rig.Meter->InExchange());
    }
};

QTEST_GUILESS_MAIN(TestChannel)
#include "test_channel.moc"
