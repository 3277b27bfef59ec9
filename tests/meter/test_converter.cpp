// The converter backends behind the seam: choosing one, and the simulated and serial
// converters' handles, statuses and reads.
#include "common/clock.h"
#include "meter/ftdi.h"
#include "meter/serialftdi.h"
#include "meter/simftdi.h"

#include <QTemporaryFile>
#include <QtTest>

class tConverterTest : public QObject {
    Q_OBJECT
private slots:
    void selection_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("model");
        QTest::newRow("unset") << QString() << "serial" << 0;
        QTest::newRow("auto") << "auto"
                              << "serial" << 0;
        QTest::newRow("port path") << "/dev/ttyUSB1"
                                   << "serial" << 0;
        QTest::newRow("sim") << "sim"
                             << "sim" << 502;
        QTest::newRow("sim:502") << "sim:502"
                                 << "sim" << 502;
        QTest::newRow("sim:503") << "sim:503"
                                 << "sim" << 503;
        QTest::newRow("sim:504") << "sim:504"
                                 << "sim" << 504;
        QTest::newRow("sim:508") << "sim:508"
                                 << "sim" << 508;
        QTest::newRow("unknown model") << "sim:509"
                                       << "none" << 0;
        QTest::newRow("empty model") << "sim:"
                                     << "none" << 0;
    }
    void selection()
    {
        QFETCH(QString, selection);
        QFETCH(QString, kind);
        QFETCH(int, model);
        tVirtualClock clock;
        const std::unique_ptr<tFtdi> ftdi = CreateConverter(selection, clock);
        if (kind == "none") {
            QVERIFY(!ftdi);
        } else if (kind == "serial") {
            QVERIFY(dynamic_cast<tSerialFtdi*>(ftdi.get()));
        } else {
            auto* sim = dynamic_cast<tSimFtdi*>(ftdi.get());
            QVERIFY(sim);
            QCOMPARE(sim->Meter().Model(), model);
        }
    }

    void simHandles()
    {
        tVirtualClock clock;
        tSimFtdi sim(502, clock);
        FT_HANDLE h = -1, other = -1;
        QCOMPARE(sim.FT_Open(1, &h), FT_STATUS(FT_DEVICE_NOT_FOUND)); // one converter only
        QCOMPARE(sim.FT_Open(0, &h), FT_STATUS(FT_OK));
        QCOMPARE(h, 1);
        QCOMPARE(sim.FT_Open(0, &other), FT_STATUS(FT_DEVICE_NOT_OPENED)); // already held
        QCOMPARE(other, -1);
        QCOMPARE(sim.FT_Close(h), FT_STATUS(FT_OK));
        QCOMPARE(sim.FT_Close(h), FT_STATUS(FT_INVALID_HANDLE));
        char byte = 'x';
        uint32_t n = 7;
        QCOMPARE(sim.FT_Write(h, &byte, 1, &n), FT_STATUS(FT_INVALID_HANDLE));
        QCOMPARE(n, 0u);
        QCOMPARE(sim.FT_SetTimeouts(h, 1000, 0), FT_STATUS(FT_INVALID_HANDLE));
        QCOMPARE(sim.FT_Open(0, &h), FT_STATUS(FT_OK));
        QCOMPARE(h, 2);
        QCOMPARE(sim.FT_SetBaudRate(h, 9600), FT_STATUS(FT_OK));
        QCOMPARE(sim.FT_SetDataCharacteristics(h, FtBits7, FtStopBits2, FtParityEven),
                 FT_STATUS(FT_OK));
        QCOMPARE(sim.FT_SetFlowControl(h, FtFlowNone, 0, 0), FT_STATUS(FT_OK));
        QVERIFY(clock.Pauses.empty());
    }

    void simReadsOneByteAtATime()
    {
        tVirtualClock clock;
        tSimFtdi sim(508, clock);
        FT_HANDLE h = -1;
        QCOMPARE(sim.FT_Open(0, &h), FT_STATUS(FT_OK));
        QCOMPARE(sim.FT_SetTimeouts(h, 1000, 0), FT_STATUS(FT_OK));
        uint32_t n = 0;
        const QByteArray line = "*IDN?\n";
        QCOMPARE(sim.FT_Write(h, line.constData(), uint32_t(line.size()), &n), FT_STATUS(FT_OK));
        QCOMPARE(n, uint32_t(line.size()));
        QByteArray reply;
        char buf[8];
        for (;;) {
            QCOMPARE(sim.FT_Read(h, buf, sizeof buf, &n), FT_STATUS(FT_OK));
            if (n == 0) break;
            QCOMPARE(n, 1u);
            reply.append(buf[0]);
        }
        QCOMPARE(reply, QByteArray("KESTROM ZENTA-SPOT 2 USB,508\r\n"));
        // Silence costs the read time-out, on the clock.
        QCOMPARE(clock.Pauses, std::vector<uint32_t>{1000});
    }

    void simCloseDropsPendingReply()
    {
        tVirtualClock clock;
        tSimFtdi sim(502, clock);
        FT_HANDLE h = -1;
        uint32_t n = 0;
        sim.FT_Open(0, &h);
        sim.FT_Write(h, "VER?\nMEAS", 9, &n);
        sim.FT_Close(h);
        sim.FT_Open(0, &h);
        sim.FT_Write(h, "*IDN?\n", 6, &n); // the half line before the close is gone too
        char byte = 0;
        QCOMPARE(sim.FT_Read(h, &byte, 1, &n), FT_STATUS(FT_OK));
        QCOMPARE(byte, 'K');
    }

    void serialOpenFailures()
    {
        FT_HANDLE h = -1;
        tSerialFtdi missing(QStringLiteral("/dev/quirrel2-no-such-port"));
        QCOMPARE(missing.FT_Open(0, &h), FT_STATUS(FT_DEVICE_NOT_FOUND));
        QCOMPARE(h, -1);
        QCOMPARE(missing.FT_Open(1, &h), FT_STATUS(FT_DEVICE_NOT_FOUND)); // a path is one port
        tSerialFtdi automatic(QStringLiteral("auto"));
        if (automatic.Locate(0).isEmpty())
            QCOMPARE(automatic.FT_Open(0, &h), FT_STATUS(FT_DEVICE_NOT_FOUND));

        QTemporaryFile file; // exists, but is no serial device
        QVERIFY(file.open());
        tSerialFtdi notSerial(file.fileName());
        QCOMPARE(notSerial.FT_Open(0, &h), FT_STATUS(FT_DEVICE_NOT_OPENED));
        QCOMPARE(h, -1);

        char byte = 0;
        uint32_t n = 5;
        QCOMPARE(notSerial.FT_Read(1, &byte, 1, &n), FT_STATUS(FT_INVALID_HANDLE));
        QCOMPARE(n, 0u);
        QCOMPARE(notSerial.FT_Close(1), FT_STATUS(FT_INVALID_HANDLE));
    }
};

QTEST_GUILESS_MAIN(tConverterTest)
#include "test_converter.moc"
