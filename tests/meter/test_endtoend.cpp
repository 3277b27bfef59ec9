// The meter link through the serial backend and a real pseudo-terminal, against the
// stand-alone simulated meter, which sends its replies at the pace of a 9600 baud line.
// This test waits on the real clock: a few seconds.
#include "common/clock.h"
#include "common/valuetext.h"
#include "meter/meter.h"
#include "meter/serialftdi.h"
#include "tools/metersimprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

class tEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void meterOnAPseudoTerminal()
    {
        if (!QFile::exists(QStringLiteral("/dev/ptmx"))) QSKIP("no pseudo-terminals here");
        tMeterSimProcess sim;
        QString error;
        if (!sim.Start(QStringLiteral(QUIRREL2_METERSIM),
                       {QStringLiteral("--model"), QStringLiteral("502"),
                        QStringLiteral("--memory"), QStringLiteral("4")},
                       error))
            QSKIP(qPrintable(error));

        tSerialFtdi ftdi(sim.Path);
        tMeter meter(ftdi, RealClock());
        QVERIFY(meter.Ready);
        QCOMPARE(int(meter.ModelCode), 1);
        QCOMPARE(meter.Handle, -1);
        QCOMPARE(meter.Identify(), 0);
        QString version;
        meter.GetVersionText(version);
        QVERIFY2(version.startsWith(QStringLiteral("KESTROM ORBITEL 7718 C / USB,502\r\n\r\nVER ")),
                 qPrintable(version));

        uint8_t unit = 9;
        const float value = meter.Measure(unit);
        QCOMPARE(int(unit), int(UnitLux));
        QVERIFY2(value > 450 && value < 600, qPrintable(QString::number(value)));

        tStoredReadings readings;
        int32_t count = 0;
        meter.ReadMemory(readings, count, NoBank);
        QCOMPARE(count, 4);
        for (int i = 0; i < count; ++i) {
            QVERIFY(readings[i].Value > 300 && readings[i].Value < 800);
            QCOMPARE(int(readings[i].Unit), int(UnitLux));
        }
        QCOMPARE(meter.Handle, -1);
    }

    // Silence ends a read after its time-out; a vanished device is an I/O error at once.
    void silenceAndVanishedDevice()
    {
        if (!QFile::exists(QStringLiteral("/dev/ptmx"))) QSKIP("no pseudo-terminals here");
        tMeterSimProcess sim;
        QString error;
        if (!sim.Start(QStringLiteral(QUIRREL2_METERSIM), {}, error)) QSKIP(qPrintable(error));

        tSerialFtdi ftdi(sim.Path);
        FT_HANDLE h = -1;
        QCOMPARE(ftdi.FT_Open(0, &h), FT_STATUS(FT_OK));
        QVERIFY(h > 0);
        QCOMPARE(ftdi.FT_SetTimeouts(h, 50, 0), FT_STATUS(FT_OK));
        char byte = 0;
        uint32_t n = 9;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(ftdi.FT_Read(h, &byte, 1, &n), FT_STATUS(FT_OK));
        QCOMPARE(n, 0u);
        QVERIFY(timer.elapsed() >= 45);

        sim.Process.kill();
        sim.Process.waitForFinished(2000);
        QCOMPARE(ftdi.FT_SetTimeouts(h, 1000, 0), FT_STATUS(FT_OK));
        timer.start();
        QCOMPARE(ftdi.FT_Read(h, &byte, 1, &n), FT_STATUS(FT_IO_ERROR));
        QCOMPARE(n, 0u);
        QVERIFY(timer.elapsed() < 500);
        QCOMPARE(ftdi.FT_Close(h), FT_STATUS(FT_OK));
    }
};

QTEST_GUILESS_MAIN(tEndToEndTest)
#include "test_endtoend.moc"
