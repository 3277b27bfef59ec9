// The simulated meter as the meter link sees it: every reply it gives reads back, through
// the link's own grammar, as the model, reading, status or memory it meant.
#include "common/clock.h"
#include "common/valuetext.h"
#include "meter/meter.h"
#include "meter/replies.h"
#include "meter/simftdi.h"

#include <QtTest>
#include <cmath>
#include <memory>

namespace {

// A connected meter on the simulated converter and a virtual clock.
struct tSimRig {
    explicit tSimRig(int model, uint32_t seed = 1) : Ftdi(model, Clock, seed), Meter(Ftdi, Clock) {}
    tSimMeter& Sim() { return Ftdi.Meter(); }
    tVirtualClock Clock;
    tSimFtdi Ftdi;
    tMeter Meter;
};

QByteArray UnitCommand(uint8_t unit)
{
    static const char* const names[] = {"LX", "FC", "CD_M2", "FL"};
    return QByteArray("UNIT:PHO ") + names[unit];
}

// The drift stays within 3 %; rounding to the range's last digit adds a little.
bool NearLevel(float value, double level)
{
    return std::fabs(value - level) <= level * 0.031 + 0.5;
}

} // namespace

class tSimMeterTest : public QObject {
    Q_OBJECT
private slots:
    void identification_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("modelCode");
        QTest::newRow("ORBITEL 7718 C") << 502 << 1;
        QTest::newRow("ORBITEL 7718 B") << 503 << 2;
        QTest::newRow("ZENTA-Monitor") << 504 << 3;
        QTest::newRow("ZENTA-SPOT 2") << 508 << 4;
    }
    void identification()
    {
        QFETCH(int, model);
        QFETCH(int, modelCode);
        tSimRig rig(model);
        QCOMPARE(int(rig.Meter.Ready), 1);
        QCOMPARE(int(rig.Meter.ModelCode), modelCode); // construction: last code wins
        QCOMPARE(rig.Meter.Identify(), modelCode - 1); // identification: first code wins
        QString text;
        rig.Meter.GetVersionText(text);
        // Exactly one of the four codes anywhere in the identification and version lines.
        QStringList found;
        for (const char* code : {"502", "503", "504", "508"})
            if (text.contains(QLatin1String(code))) found << QLatin1String(code);
        QCOMPARE(found, QStringList{QString::number(model)});
        QCOMPARE(text.count(QStringLiteral("\r\n")), 3);
    }

    // Every reading of every model, unit and range reads back as the value the meter meant,
    // in all three places the link reads one: after "MEASURE:PHOT?", after "?", in a dump.
    void readingsParseExactly_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("unit");
        for (int model : {502, 503}) {
            QTest::addRow("%d lx", model) << model << int(UnitLux);
            QTest::addRow("%d fc", model) << model << int(UnitFootcandle);
        }
        for (int model : {504, 508}) {
            QTest::addRow("%d cd/m2", model) << model << int(UnitCandela);
            QTest::addRow("%d fL", model) << model << int(UnitFootlambert);
        }
    }
    void readingsParseExactly()
    {
        QFETCH(int, model);
        QFETCH(int, unit);
        tSimMeter sim(model, 3);
        QCOMPARE(sim.Answer(UnitCommand(uint8_t(unit))), QByteArray("OK\r\n"));
        int readings = 0, overloads = 0;
        for (int range = 0; range <= 4; ++range) {
            sim.Answer("RANGE " + QByteArray::number(range));
            for (int i = 0; i < 50; ++i) {
                const tSimMeter::tRecord r = sim.NextReading();
                const QByteArray text = tSimMeter::ReadingText(r);
                uint8_t measured = 9, fetched = 9;
                const float m =
                    ParseReading(QString::fromLatin1("PHOT " + text + "\r\n"), 2, measured);
                const float f = ParseReading(QString::fromLatin1(text + "\r\n"), 1, fetched);
                if (r.Overload) {
                    ++overloads;
                    QCOMPARE(m, ReadingOverload);
                    QCOMPARE(f, ReadingOverload);
                    continue;
                }
                ++readings;
                QCOMPARE(m, r.Value());
                QCOMPARE(f, r.Value());
                QCOMPARE(int(measured), unit);
                QCOMPARE(int(fetched), unit);
                const tStoredReading stored = ParseDumpRecord(QString::fromLatin1("7:" + text));
                QCOMPARE(stored.Value, r.Value());
                QCOMPARE(int(stored.Unit), unit);
                if (range == 0) QVERIFY2(NearLevel(m, sim.Level(uint8_t(unit))), text.constData());
            }
        }
        // The lowest range is too small for every model's level; automatic ranging never is.
        QVERIFY(readings >= 50);
        QVERIFY(overloads >= 50);
    }

    void readingTexts_data()
    {
        QTest::addColumn<int>("mantissa");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<float>("value");
        QTest::newRow("tenths") << 1234 << -1 << int(UnitLux) << QByteArray("1234 E-1 LX")
                                << 123.4f;
        QTest::newRow("units") << 520 << 0 << int(UnitFootcandle) << QByteArray("520 E0 FC")
                               << 520.0f;
        QTest::newRow("hundreds") << 1999 << 2 << int(UnitLux) << QByteArray("1999 E2 LX")
                                  << 199900.0f;
        QTest::newRow("thousandths")
            << 7 << -3 << int(UnitFootlambert) << QByteArray("7 E-3 FL") << 0.007f;
        QTest::newRow("zero") << 0 << -2 << int(UnitCandela) << QByteArray("0 E-2 CD/M2") << 0.0f;
    }
    void readingTexts()
    {
        QFETCH(int, mantissa);
        QFETCH(int, exponent);
        QFETCH(int, unit);
        QFETCH(QByteArray, text);
        QFETCH(float, value);
        tSimMeter::tRecord r;
        r.Mantissa = mantissa;
        r.Exponent = exponent;
        r.Unit = uint8_t(unit);
        QCOMPARE(tSimMeter::ReadingText(r), text);
        QCOMPARE(r.Value(), value);
        uint8_t code = 9;
        QCOMPARE(ParseReading(QString::fromLatin1("PHOT " + text + "\r\n"), 2, code), value);
        QCOMPARE(int(code), unit);
    }

    void measureThroughTheLink_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("unit");
        QTest::addColumn<uint>("pause");
        QTest::newRow("502 lx") << 502 << int(UnitLux) << 100u;
        QTest::newRow("503 fc") << 503 << int(UnitFootcandle) << 100u;
        QTest::newRow("504 cd/m2") << 504 << int(UnitCandela) << 100u;
        QTest::newRow("508 fL") << 508 << int(UnitFootlambert) << 2000u;
    }
    void measureThroughTheLink()
    {
        QFETCH(int, model);
        QFETCH(int, unit);
        QFETCH(uint, pause);
        tSimRig rig(model);
        QVERIFY(rig.Meter.SetUnit(uint8_t(unit)));
        QSet<float> seen;
        for (int i = 0; i < 20; ++i) {
            rig.Clock.Pauses.clear();
            uint8_t code = 9;
            const float value = rig.Meter.Measure(code);
            QCOMPARE(int(code), unit);
            QVERIFY2(NearLevel(value, rig.Sim().Level(uint8_t(unit))),
                     qPrintable(QString::number(value)));
            QCOMPARE(rig.Clock.Pauses, std::vector<uint32_t>{pause}); // no read waited
            seen.insert(value);
        }
        QVERIFY(seen.size() > 1); // the level drifts
    }

    void driftIsSeeded()
    {
        tSimMeter a(502, 7), b(502, 7), c(502, 8);
        bool differs = false;
        for (int i = 0; i < 50; ++i) {
            const QByteArray ra = a.Answer("MEASURE:PHOT?");
            QCOMPARE(b.Answer("MEASURE:PHOT?"), ra);
            differs = differs || c.Answer("MEASURE:PHOT?") != ra;
        }
        QVERIFY(differs);
        for (int i = 0; i < 3000; ++i)
            QVERIFY(NearLevel(a.NextReading().Value(), a.Level(UnitLux)));
    }

    void overloadAboveTheRange()
    {
        tSimRig rig(502);
        uint8_t code = 9;
        QVERIFY(rig.Meter.SetRange(1)); // up to 199.9 lx, below the desk's level
        QCOMPARE(rig.Meter.Measure(code), ReadingOverload);
        QVERIFY(rig.Meter.SetRange(4)); // hundreds of lux: one digit left
        QCOMPARE(rig.Meter.Measure(code), 500.0f);
        QCOMPARE(int(code), int(UnitLux));
        QVERIFY(rig.Meter.SetRange(uint32_t(-1))); // automatic
        QVERIFY(NearLevel(rig.Meter.Measure(code), rig.Sim().Level(UnitLux)));
        QVERIFY(rig.Meter.SetRange(1));
        QVERIFY(rig.Meter.SetRange(0)); // the window's "Auto" item
        QVERIFY(NearLevel(rig.Meter.Measure(code), rig.Sim().Level(UnitLux)));
    }

    // An illuminance meter cannot switch to luminance (and the other way round): it says
    // "ERR" and keeps its unit. The link does not look at the answer.
    void foreignUnitRefused()
    {
        tSimRig lux(502), spot(508);
        QVERIFY(lux.Meter.SetUnit(UnitCandela));
        QVERIFY(spot.Meter.SetUnit(UnitLux));
        QCOMPARE(lux.Sim().Answer("UNIT:PHO FL"), QByteArray("ERR\r\n"));
        uint8_t code = 9;
        lux.Meter.Measure(code);
        QCOMPARE(int(code), int(UnitLux));
        spot.Meter.Measure(code);
        QCOMPARE(int(code), int(UnitCandela));
    }

    void commands_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("accepted");
        const QList<QByteArray> acks = {"*RST",
                                        "UNIT:PHOT LX",
                                        "UNIT:PHO FC ",
                                        "SENSE:PHOTRANGE:AUTO ON",
                                        "RANGE 3",
                                        "RANGE:AUTO ON",
                                        "KEY 1",
                                        "KEY 0",
                                        "MEM:CLE",
                                        "mem:free?",
                                        "mem:dat?",
                                        "VER?",
                                        "*IDN?",
                                        "RMS?",
                                        "?",
                                        "MEASURE:PHOT?"};
        for (const QByteArray& line : acks)
            QTest::newRow(line.constData()) << 502 << line << true;
        QTest::newRow("bank on the spot meter") << 508 << QByteArray("MEM:CLE 9") << true;
        QTest::newRow("fifth range of the B") << 503 << QByteArray("RANGE 5") << true;
        QTest::newRow("unknown") << 502 << QByteArray("FOO?") << false;
        QTest::newRow("empty line") << 502 << QByteArray() << false;
        QTest::newRow("no fifth range") << 502 << QByteArray("RANGE 5") << false;
        QTest::newRow("key 2") << 508 << QByteArray("KEY 2") << false;
        QTest::newRow("unknown unit") << 502 << QByteArray("UNIT:PHO XX") << false;
        QTest::newRow("bank without banks") << 502 << QByteArray("mem:dat? 3") << false;
        QTest::newRow("two-digit bank") << 508 << QByteArray("mem:free? 10") << false;
    }
    void commands()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, line);
        QFETCH(bool, accepted);
        tSimMeter sim(model);
        const QByteArray reply = sim.Answer(line);
        QVERIFY(reply.endsWith("\r\n"));
        QCOMPARE(reply.count('\n'), 1);
        QCOMPARE(!reply.contains("ERR"), accepted);
        uint8_t code = 9;
        if (!accepted) QCOMPARE(ParseReading(QString::fromLatin1(reply), 2, code), ReadingNone);
    }

    void resetRestoresDefaults()
    {
        tSimMeter sim(508);
        sim.Answer("UNIT:PHO FL");
        sim.Answer("RANGE 2");
        sim.Answer("KEY 1");
        QCOMPARE(sim.Answer("*RST"), QByteArray("OK\r\n"));
        QCOMPARE(int(sim.Unit()), int(UnitCandela));
        QCOMPARE(sim.Range(), 0);
        QVERIFY(!sim.KeyMode());
    }

    void keyModeAnnouncesReadings()
    {
        tSimRig rig(508);
        rig.Meter.KeyOn();
        QVERIFY(rig.Sim().KeyMode());
        for (int round = 0; round < 2; ++round) {
            for (int i = 1; i < tSimMeter::PollsPerKeyReading; ++i)
                QCOMPARE(rig.Meter.ReadStatus() & 0x40, 0);
            QCOMPARE(rig.Meter.ReadStatus() & 0x40, 0x40);
            QCOMPARE(rig.Meter.ReadStatus() & 0x40, 0x40); // waits until fetched
            uint8_t code = 9;
            QVERIFY(NearLevel(rig.Meter.FetchReading(code), rig.Sim().Level(UnitCandela)));
            QCOMPARE(int(code), int(UnitCandela));
            QVERIFY(!rig.Sim().NewReadingWaiting());
        }
        rig.Meter.KeyOff();
        for (int i = 0; i < 3 * tSimMeter::PollsPerKeyReading; ++i)
            QCOMPARE(int(rig.Meter.ReadStatus()), 0);
    }

    void memoryOfOneBankModels()
    {
        tSimRig rig(502);
        const std::vector<tSimMeter::tRecord> stored = rig.Sim().Bank(0);
        QVERIFY(stored.size() >= 3);
        tStoredReadings readings;
        int32_t count = -1;
        rig.Meter.ReadMemory(readings, count, NoBank);
        QCOMPARE(count, int32_t(stored.size()));
        for (int i = 0; i < count; ++i) {
            QCOMPARE(readings[i].Value, stored[i].Value());
            QCOMPARE(int(readings[i].Unit), int(UnitLux));
            QVERIFY(readings[i].Value > 0);
        }
        QVERIFY(rig.Meter.ClearMemory(NoBank));
        rig.Meter.ReadMemory(readings, count, NoBank);
        QCOMPARE(count, 0);
        // A bank number on a meter without banks: an error reply, no readings.
        bool has = true;
        rig.Meter.MemoryHasReadings(has, 0);
        QVERIFY(!has);
    }

    void fullMemory()
    {
        tSimRig rig(502);
        rig.Sim().FillBank(0, 101);
        QCOMPARE(rig.Sim().Answer("mem:free?"), QByteArray("FREE 0,101\r\n"));
        tStoredReadings readings;
        int32_t count = 0;
        rig.Meter.ReadMemory(readings, count, NoBank);
        QCOMPARE(count, 101);
        QCOMPARE(readings[100].Value, rig.Sim().Bank(0)[100].Value());
        rig.Sim().FillBank(0, 500); // no more than the memory holds
        QCOMPARE(int(rig.Sim().Bank(0).size()), tSimMeter::BankCapacity);
    }

    void banksOfTheSpotMeter()
    {
        tSimRig rig(508);
        std::vector<tSimMeter::tRecord> records(3);
        records[0] = {1234, -1, UnitCandela, false};
        records[1] = {5, 0, UnitFootlambert, false};
        records[2] = {9999, -2, UnitCandela, false};
        rig.Sim().SetBank(7, records);
        rig.Sim().SetBank(2, {});
        QCOMPARE(rig.Sim().Answer("mem:dat? 7"),
                 QByteArray("MEM:DAT 7 1:1234 E-1 CD/M2;2:5 E0 FL;3:9999 E-2 CD/M2\r\n"));
        for (int bank = 0; bank < 10; ++bank) {
            bool has = false;
            rig.Meter.MemoryHasReadings(has, uint32_t(bank));
            QCOMPARE(has, !rig.Sim().Bank(bank).empty());
        }
        tStoredReadings readings;
        int32_t count = 0;
        rig.Meter.ReadMemory(readings, count, 7);
        QCOMPARE(count, 3);
        QCOMPARE(readings[0].Value, 123.4f);
        QCOMPARE(int(readings[0].Unit), int(UnitCandela));
        QCOMPARE(readings[1].Value, 5.0f);
        QCOMPARE(int(readings[1].Unit), int(UnitFootlambert));
        QCOMPARE(readings[2].Value, 99.99f);
        rig.Meter.ReadMemory(readings, count, 2);
        QCOMPARE(count, 0);

        // The whole memory: every bank in order.
        int total = 0;
        for (int bank = 0; bank < 10; ++bank)
            total += int(rig.Sim().Bank(bank).size());
        rig.Meter.ReadMemory(readings, count, NoBank);
        QCOMPARE(count, total);

        QVERIFY(rig.Meter.ClearMemory(7));
        bool has = true;
        rig.Meter.MemoryHasReadings(has, 7);
        QVERIFY(!has);
        QVERIFY(!rig.Sim().Bank(0).empty()); // the other banks stay
        QVERIFY(rig.Meter.ClearMemory(NoBank));
        for (int bank = 0; bank < 10; ++bank)
            QVERIFY(rig.Sim().Bank(bank).empty());
    }
};

QTEST_GUILESS_MAIN(tSimMeterTest)
#include "test_simmeter.moc"
