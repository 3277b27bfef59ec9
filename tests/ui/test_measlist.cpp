// The reading list: copies in insertion order, zero records past the end, clearing.
#include "ui/measlist.h"

#include <QtTest>

namespace {

tMeasRec Rec(float value, uint8_t unit, const QDateTime& stamp)
{
    tMeasRec r;
    r.Value = value;
    r.UnitCode = unit;
    r.Stamp = stamp;
    return r;
}

const QDateTime kNoon(QDate(2024, 5, 17), QTime(12, 0, 1, 250));

} // namespace

class TestMeasList : public QObject {
    Q_OBJECT
private slots:
    void addKeepsOrderAndFields()
    {
        tMeasList list;
        QCOMPARE(list.Add(Rec(123.456f, 0, kNoon)), 0);
        QCOMPARE(list.Add(Rec(1.5f, 1, kNoon.addSecs(1))), 1);
        QCOMPARE(list.Add(Rec(7e6f, 3, kNoon.addSecs(2))), 2);
        QCOMPARE(list.Count(), 3);

        const tMeasRec second = list.Get(1);
        QCOMPARE(second.Value, 1.5f);
        QCOMPARE(second.UnitCode, uint8_t(1));
        QCOMPARE(second.Stamp, kNoon.addSecs(1));
        QCOMPARE(second.Stamp.time(), QTime(12, 0, 2, 250)); // local time as listed
        QCOMPARE(list.Get(0).Value, 123.456f);
        QCOMPARE(list.Get(2).UnitCode, uint8_t(3));
        QCOMPARE(list.ValueAt(2), 7e6f);
    }

    void pastTheEndIsZero_data()
    {
        QTest::addColumn<int>("readings");
        QTest::addColumn<int>("index");
        QTest::newRow("empty list") << 0 << 0;
        QTest::newRow("at count") << 2 << 2;
        QTest::newRow("far past") << 2 << 1000000;
        QTest::newRow("before the start") << 2 << -1;
    }
    void pastTheEndIsZero()
    {
        QFETCH(int, readings);
        QFETCH(int, index);
        tMeasList list;
        for (int i = 0; i < readings; ++i)
            list.Add(Rec(5, 2, kNoon));
        const tMeasRec r = list.Get(index);
        QCOMPARE(r.Value, 0.0f);
        QCOMPARE(r.UnitCode, uint8_t(0));
        QVERIFY(r.Stamp.isNull());
        QCOMPARE(list.Count(), readings);
    }

    void clearEmptiesAndStartsOver()
    {
        tMeasList list;
        list.Add(Rec(1, 0, kNoon));
        list.Add(Rec(2, 0, kNoon));
        const uint32_t generation = list.Generation();
        list.Clear();
        QCOMPARE(list.Count(), 0);
        QCOMPARE(list.Get(0).Value, 0.0f);
        QVERIFY(list.Generation() != generation);
        QCOMPARE(list.Add(Rec(3, 1, kNoon)), 0);
        QCOMPARE(list.Get(0).Value, 3.0f);
        QCOMPARE(list.Count(), 1);
    }

    // A record listed without a time keeps having none, rather than a made-up one.
    void recordWithoutStamp()
    {
        tMeasList list;
        list.Add(Rec(4, 0, QDateTime()));
        QCOMPARE(list.Get(0).Value, 4.0f);
        QVERIFY(!list.Get(0).Stamp.isValid());
    }
};

QTEST_APPLESS_MAIN(TestMeasList)
#include "test_measlist.moc"
