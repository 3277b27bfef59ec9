// Construction, reset, version text and identification.
#include "meterrig.h"

#include <QtTest>

namespace {
using Pauses = std::vector<uint32_t>;
}

class TestConnection : public QObject {
    Q_OBJECT
private slots:
    void constructionSends_data()
    {
        QTest::addColumn<QByteArray>("idn");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("unitSent");
        QTest::newRow("502") << QByteArray("KESTROM ORBITEL 502\r\n") << 1 << true;
        QTest::newRow("503") << QByteArray("KESTROM ORBITEL 503\r\n") << 2 << true;
        QTest::newRow("504") << QByteArray("KESTROM ZENTA 504\r\n") << 3 << true;
        QTest::newRow("508 sends no lux") << QByteArray("KESTROM ZENTA 508\r\n") << 4 << false;
        QTest::newRow("last code wins") << QByteArray("508 503\r\n") << 4 << false;
        QTest::newRow("502 only alone") << QByteArray("502 504\n") << 3 << true;
        QTest::newRow("no code") << QByteArray("SOMETHING\n") << 0 << true;
    }
    void constructionSends()
    {
        QFETCH(QByteArray, idn);
        QFETCH(int, model);
        QFETCH(bool, unitSent);
        tMeterRig rig;
        rig.Ftdi.Queue(idn);
        rig.Ftdi.Responder = [](const QByteArray&) { return QByteArray("OK\r\n"); };
        tMeter meter(rig.Ftdi, rig.Clock);
        QCOMPARE(int(meter.ModelCode), model);
        QVERIFY(meter.Ready);
        QCOMPARE(meter.Handle, -1);
        QCOMPARE(rig.Ftdi.OpenHandle, -1);

        QByteArrayList expected{"*IDN?"};
        if (unitSent) expected << "UNIT:PHOT LX";
        expected << "SENSE:PHOTRANGE:AUTO ON" << "SENSE:PHOTRANGE:AUTO ON" << "MEASURE:PHOT?"
                 << "*IDN?" << "VER?";
        QCOMPARE(rig.Ftdi.Lines, expected);

        Pauses pauses{500, 100};
        if (unitSent) pauses.push_back(100);
        for (uint32_t p : {50, 100, 50, 100, 50, 100, 100, 50, 100}) pauses.push_back(p);
        QCOMPARE(rig.Clock.Pauses, pauses);
        // The line is configured at construction and again when the version is read.
        QCOMPARE(rig.Ftdi.Calls.count("SetTimeouts 1000 0"), 2);
        QCOMPARE(rig.Ftdi.Opens, 2);
    }

    void constructionWithoutConverter()
    {
        tMeterRig rig;
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        tMeter meter(rig.Ftdi, rig.Clock);
        QVERIFY(!meter.Ready);
        QCOMPARE(meter.Handle, -1);
        QCOMPARE(int(meter.ModelCode), 0);
        QVERIFY(rig.Clock.Pauses.empty());
        QVERIFY(rig.Ftdi.Written.isEmpty());

        QVERIFY(!meter.Reset());
        QCOMPARE(meter.Identify(), -1);
        QString text = QStringLiteral("before");
        meter.GetVersionText(text);
        QCOMPARE(text, QStringLiteral("before"));

        // A converter plugged in later is reached by the next operation.
        rig.Ftdi.OpenStatus = FT_OK;
        rig.Ftdi.Queue("KESTROM 504\r\n");
        rig.Ftdi.Queue("VER 1\r\n");
        QCOMPARE(meter.Identify(), 2);
        QVERIFY(meter.Ready);
        QCOMPARE(int(meter.ModelCode), 3);
    }

    void silentMeterAtConstruction()
    {
        tMeterRig rig; // no replies at all
        tMeter meter(rig.Ftdi, rig.Clock);
        QCOMPARE(int(meter.ModelCode), 0);
        QVERIFY(rig.Ftdi.Lines.contains("UNIT:PHOT LX"));
        // Seven exchanges, each waiting out one read time-out.
        QCOMPARE(rig.Clock.Now, int64_t(500 + 150 + 7 * 100 + 7 * 1000 + 50));
    }

    void destructionClosesAnOpenChannel()
    {
        tMeterRig rig;
        rig.Connect();
        QVERIFY(rig.Meter->OpenChannel());
        const FT_HANDLE h = rig.Meter->Handle;
        rig.Meter.reset();
        QCOMPARE(rig.Ftdi.Calls.last(), QStringLiteral("Close %1").arg(h));
        QVERIFY(rig.Ftdi.Written.isEmpty());
    }

    void reset()
    {
        tMeterRig rig;
        rig.Connect();
        rig.Ftdi.Queue("OK\n");
        QVERIFY(rig.Meter->Reset());
        QVERIFY(!rig.Meter->Reset()); // no answer
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList({"*RST", "*RST"}));
        QCOMPARE(rig.Clock.Pauses, Pauses({100, 100}));
        QCOMPARE(rig.Ftdi.OpenHandle, -1);
    }

    void versionText_data()
    {
        QTest::addColumn<QByteArray>("idn");
        QTest::addColumn<QByteArray>("ver");
        QTest::addColumn<QString>("text");
        QTest::newRow("both") << QByteArray("KESTROM 508\r\n") << QByteArray("V 1.2\n")
                              << "KESTROM 508\r\n\r\nV 1.2\n";
        QTest::newRow("IDN fails") << QByteArray() << QByteArray("V 1.2\r\n") << "start\r\nV 1.2\r\n";
        QTest::newRow("VER fails") << QByteArray("KESTROM 502\n") << QByteArray() << "KESTROM 502\n";
        QTest::newRow("both fail") << QByteArray() << QByteArray() << "start";
    }
    void versionText()
    {
        QFETCH(QByteArray, idn);
        QFETCH(QByteArray, ver);
        QFETCH(QString, text);
        tMeterRig rig;
        rig.Connect();
        rig.Ftdi.Queue(idn);
        rig.Ftdi.Queue(ver);
        QString got = QStringLiteral("start");
        rig.Meter->GetVersionText(got);
        QCOMPARE(got, text);
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList({"*IDN?", "VER?"}));
        QCOMPARE(rig.Clock.Pauses[1], 50u);
    }

    void identify_data()
    {
        QTest::addColumn<QByteArray>("idn");
        QTest::addColumn<QByteArray>("ver");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("model");
        QTest::newRow("first code wins") << QByteArray("503 508\n") << QByteArray("V\n") << 1 << 2;
        QTest::newRow("code in VER") << QByteArray("X\n") << QByteArray("V 504\n") << 2 << 3;
        QTest::newRow("none leaves model") << QByteArray("X\n") << QByteArray("V\n") << -1 << 1;
    }
    void identify()
    {
        QFETCH(QByteArray, idn);
        QFETCH(QByteArray, ver);
        QFETCH(int, result);
        QFETCH(int, model);
        tMeterRig rig;
        rig.Connect("502");
        rig.Ftdi.Queue(idn);
        rig.Ftdi.Queue(ver);
        QCOMPARE(rig.Meter->Identify(), result);
        QCOMPARE(int(rig.Meter->ModelCode), model);
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "test_connection.moc"
