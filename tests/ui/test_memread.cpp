// Reading and clearing the meter's memory: ten banks for the spot meter, one memory for the
// others, on a scripted meter.
#include "memorymeter.h"
#include "meterrig.h"
#include "ui/memread.h"

#include <QMap>
#include <QtTest>

namespace {

// A meter memory behind the scripted converter.
struct tMemoryRig : tMeterRig, tMemoryMeter {
    QByteArray SilentAfter;          // the meter stops answering after this line

    explicit tMemoryRig(const QByteArray& model)
    {
        Connect(model);
        Ftdi.Responder = [this](const QByteArray& line) -> QByteArray {
            if (FSilent) return QByteArray();
            FSilent = !SilentAfter.isEmpty() && line == SilentAfter;
            return MemoryReply(line);
        };
    }

    // Every read-out handed over: its readings as "value unit".
    QList<QStringList> ReadOuts;
    tStoredReadingsSink Sink()
    {
        return [this](const tStoredReading* r, int count) {
            QStringList out;
            for (int i = 0; i < count; ++i)
                out << QStringLiteral("%1 %2").arg(double(r[i].Value)).arg(r[i].Unit);
            ReadOuts << out;
        };
    }

private:
    bool FSilent = false;
};

QByteArrayList Records(int count, const QByteArray& unit = "LX")
{
    QByteArrayList records;
    for (int i = 1; i <= count; ++i)
        records << QByteArray::number(i) + ":" + QByteArray::number(i * 10) + " E-1 " + unit;
    return records;
}

QByteArrayList Lines(std::initializer_list<const char*> lines)
{
    QByteArrayList out;
    for (const char* l : lines)
        out << QByteArray(l);
    return out;
}

QByteArrayList BankQueries()
{
    QByteArrayList out;
    for (int n = 0; n < 10; ++n)
        out << "mem:free? " + QByteArray::number(n);
    return out;
}

} // namespace

class TestMemRead : public QObject {
    Q_OBJECT
private slots:
    void twelveReadingsOfOneMemory();
    void emptyMemory();
    void banksTwoAndSeven();
    void noBankHoldsReadings();
    void meterFallsSilentBetweenBanks();
    void oversizedAndGarbageDump();
    void clearing_data();
    void clearing();
    void texts();
};

void TestMemRead::twelveReadingsOfOneMemory()
{
    tMemoryRig rig("502");
    rig.Banks[-1] = Records(12);
    rig.Banks[-1][0] = "1:1234 E-1 LX";
    rig.Banks[-1][1] = "2:5 E0 cd/m2";

    QCOMPARE(ReadMeterMemory(*rig.Meter, 0, rig.Sink()), 12);
    QCOMPARE(rig.Ftdi.Lines, Lines({"mem:free?", "mem:dat?"}));
    QCOMPARE(rig.ReadOuts.size(), 1);
    QCOMPARE(rig.ReadOuts[0].size(), 12);
    // Stored values come over unchanged, with their own units.
    QCOMPARE(rig.ReadOuts[0].mid(0, 3), QStringList({"123.4 0", "5 2", "3 0"}));
    QCOMPARE(MemoryReadText(12), QStringLiteral("12Werte ausgelesen"));
}

void TestMemRead::emptyMemory()
{
    tMemoryRig rig("504");
    QCOMPARE(ReadMeterMemory(*rig.Meter, 2, rig.Sink()), 0);
    QCOMPARE(rig.Ftdi.Lines, Lines({"mem:free?"}));
    QVERIFY(rig.ReadOuts.isEmpty());
}

void TestMemRead::banksTwoAndSeven()
{
    tMemoryRig rig("508");
    rig.Banks[2] = Records(3, "CD/M2");
    rig.Banks[7] = Records(2, "FL");

    QCOMPARE(ReadMeterMemory(*rig.Meter, 3, rig.Sink()), 5);
    QCOMPARE(rig.Ftdi.Lines,
             BankQueries() + Lines({"mem:free? 2", "mem:dat? 2", "mem:free? 7", "mem:dat? 7"}));
    QCOMPARE(rig.ReadOuts, QList<QStringList>({{"1 2", "2 2", "3 2"}, {"1 3", "2 3"}}));
}

void TestMemRead::noBankHoldsReadings()
{
    tMemoryRig rig("508");
    QCOMPARE(ReadMemoryBanks(*rig.Meter, rig.Sink()), 0);
    QCOMPARE(rig.Ftdi.Lines, BankQueries());
    QVERIFY(rig.ReadOuts.isEmpty());
}

void TestMemRead::meterFallsSilentBetweenBanks()
{
    tMemoryRig rig("508");
    rig.Banks[2] = Records(3);
    rig.Banks[7] = Records(2);
    rig.SilentAfter = "mem:dat? 2";

    QCOMPARE(ReadMemoryBanks(*rig.Meter, rig.Sink()), 3);
    QCOMPARE(rig.ReadOuts, QList<QStringList>({{"1 0", "2 0", "3 0"}})); // bank 2 stays
}

void TestMemRead::oversizedAndGarbageDump()
{
    tMemoryRig rig("502");
    rig.Banks[-1] = Records(130);
    rig.Banks[-1][1] = "garbage";
    rig.Banks[-1][2] = "3:x y z";

    QCOMPARE(ReadWholeMemory(*rig.Meter, rig.Sink()), StoredReadingCapacity);
    QCOMPARE(rig.ReadOuts.size(), 1);
    QCOMPARE(rig.ReadOuts[0].size(), StoredReadingCapacity);
    QCOMPARE(rig.ReadOuts[0].mid(0, 4), QStringList({"1 0", "0 0", "0 0", "4 0"}));
    QCOMPARE(rig.ReadOuts[0].last(), QStringLiteral("101 0"));
}

void TestMemRead::clearing_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("modelIndex");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<bool>("cleared");

    QByteArrayList allBanks;
    for (int n = 0; n < 10; ++n)
        allBanks << "MEM:CLE " + QByteArray::number(n);

    QTest::newRow("ten banks") << QByteArray("508") << 3 << -2 << allBanks << true;
    QTest::newRow("bank 4 fails") << QByteArray("508") << 3 << 4 << allBanks.mid(0, 5) << false;
    QTest::newRow("bank 0 fails") << QByteArray("508") << 3 << 0 << allBanks.mid(0, 1) << false;
    QTest::newRow("one memory") << QByteArray("502") << 0 << -2 << Lines({"MEM:CLE"}) << true;
    QTest::newRow("one memory fails")
        << QByteArray("503") << 1 << -1 << Lines({"MEM:CLE"}) << false;
    QTest::newRow("no model found") << QByteArray("999") << -1 << -2 << Lines({"MEM:CLE"}) << true;
}

void TestMemRead::clearing()
{
    QFETCH(QByteArray, model);
    QFETCH(int, modelIndex);
    QFETCH(int, failAt);
    QFETCH(QByteArrayList, lines);
    QFETCH(bool, cleared);

    tMemoryRig rig(model);
    rig.FailClearAt = failAt;
    QCOMPARE(ClearMeterMemory(*rig.Meter, modelIndex), cleared);
    QCOMPARE(rig.Ftdi.Lines, lines);
}

void TestMemRead::texts()
{
    QCOMPARE(MemoryReadText(1), QStringLiteral("1Werte ausgelesen"));
    QCOMPARE(MemoryEmptyText(), QString::fromUtf8("Meßwertspeicher leer"));
    QCOMPARE(MemoryClearedText(), QString::fromUtf8("Der Meßwertspeicher wurde gelöscht "));
}

QTEST_MAIN(TestMemRead)
#include "test_memread.moc"
