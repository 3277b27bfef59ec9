// The chart: the value axis rule, and the reduced copy of the list it draws from, which must
// keep every extreme and look the same however the readings came in.
#include "ui/chartscale.h"
#include "ui/measlist.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <random>

namespace {

void AddValues(tMeasList& list, const std::vector<float>& values)
{
    for (float v : values) {
        tMeasRec r;
        r.Value = v;
        list.Add(r);
    }
}

std::vector<float> RandomWalk(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::normal_distribution<float> step(0, 3);
    std::vector<float> values;
    float v = 500;
    for (int i = 0; i < n; ++i)
        values.push_back(v = std::max(0.0f, v + step(gen)));
    return values;
}

// First, smallest, largest and last value of each run of equal column numbers, by hand.
QList<QPointF> ReducedByHand(const std::vector<float>& values,
                             const std::function<int64_t(size_t)>& columnOf)
{
    QList<QPointF> points;
    for (size_t start = 0, end = 0; start < values.size(); start = end) {
        for (end = start; end < values.size() && columnOf(end) == columnOf(start);)
            ++end;
        size_t lo = start, hi = start;
        for (size_t i = start; i < end; ++i) {
            if (values[i] < values[lo]) lo = i;
            if (values[i] > values[hi]) hi = i;
        }
        std::vector<size_t> at = {start, lo, hi, end - 1};
        std::sort(at.begin(), at.end());
        at.erase(std::unique(at.begin(), at.end()), at.end());
        for (size_t i : at)
            points.append(QPointF(double(i), values[i]));
    }
    return points;
}

} // namespace

class TestChartScale : public QObject {
    Q_OBJECT
private slots:
    void valueRange_data()
    {
        QTest::addColumn<int>("scaleMode");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("0..max, single 100") << 0 << 100.0 << 100.0 << 0.0 << 106.0;
        QTest::newRow("min..max, single 100") << 1 << 100.0 << 100.0 << 95.0 << 105.0;
        QTest::newRow("0..max, 20 to 200") << 0 << 20.0 << 200.0 << 0.0 << 212.0;
        QTest::newRow("min..max, 20 to 200") << 1 << 20.0 << 200.0 << 19.0 << 210.0;
        // Nothing to show, or only zeros: the axis keeps a span above 0.
        QTest::newRow("0..max, empty or zeros") << 0 << 0.0 << 0.0 << 0.0 << 1.0;
        QTest::newRow("min..max, empty or zeros") << 1 << 0.0 << 0.0 << 0.0 << 1.0;
        // Bounds that come out reversed are swapped.
        QTest::newRow("0..max, all below 0") << 0 << -20.0 << -10.0 << -10.6 << 0.0;
        QTest::newRow("min..max, single -10") << 1 << -10.0 << -10.0 << -10.5 << -9.5;
    }
    void valueRange()
    {
        QFETCH(int, scaleMode);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, low);
        QFETCH(double, high);
        const tAxisRange r = ChartValueRange(scaleMode, min, max);
        QVERIFY2(qFuzzyCompare(r.Min + 1, low + 1) || qFuzzyCompare(r.Min, low),
                 qPrintable(QString::number(r.Min)));
        QVERIFY2(qFuzzyCompare(r.Max + 1, high + 1) || qFuzzyCompare(r.Max, high),
                 qPrintable(QString::number(r.Max)));
        QVERIFY(r.Max > r.Min);
    }

    // Up to one reading per bucket every reading is drawn as it is.
    void shortListDrawsEveryReading()
    {
        tMeasList list;
        AddValues(list, {3, 1, 4, 1, 5});
        tChartFeed feed(8);
        feed.Sync(list);
        const QList<QPointF> expected = {{0, 3}, {1, 1}, {2, 4}, {3, 1}, {4, 5}};
        QCOMPARE(feed.Points(), expected);
        QCOMPARE(feed.Min(), 1.0);
        QCOMPARE(feed.Max(), 5.0);
    }

    // Growing reading by reading gives what one pass over the whole list gives, and every
    // bucket's extremes are drawn.
    void reducedCopy_data()
    {
        QTest::addColumn<int>("readings");
        QTest::addColumn<int>("buckets");
        QTest::addColumn<int>("step");
        QTest::newRow("one bucket too many") << 65 << 64 << 1;
        QTest::newRow("a day, one by one") << 172800 << 1024 << 1;
        QTest::newRow("odd columns, in chunks") << 10007 << 97 << 333;
        QTest::newRow("single column") << 1000 << 1 << 7;
    }
    void reducedCopy()
    {
        QFETCH(int, readings);
        QFETCH(int, buckets);
        QFETCH(int, step);
        const std::vector<float> values = RandomWalk(readings, 7);
        tMeasList list;
        tChartFeed feed(buckets);
        for (int i = 0; i < readings; i += step) {
            AddValues(list, std::vector<float>(values.begin() + i,
                                               values.begin() + std::min(readings, i + step)));
            feed.Sync(list);
        }
        QCOMPARE(feed.Count(), readings);
        QVERIFY(feed.BucketWidth() * buckets >= readings);
        QVERIFY(feed.BucketWidth() == 1 || feed.BucketWidth() * buckets < 2 * readings);
        const int64_t width = feed.BucketWidth();
        QCOMPARE(feed.Points(),
                 ReducedByHand(values, [&](size_t i) { return int64_t(i) / width; }));
        QCOMPARE(feed.Max(), double(*std::max_element(values.begin(), values.end())));
        QCOMPARE(feed.Min(), double(*std::min_element(values.begin(), values.end())));
        QVERIFY(feed.Points().size() <= 4 * buckets);
    }

    // Where pixel columns and buckets line up, each pixel column gives exactly its first,
    // smallest, largest and last reading.
    void pixelColumns()
    {
        const int pixels = 256, readings = pixels * 64;
        const std::vector<float> values = RandomWalk(readings, 11);
        tMeasList list;
        AddValues(list, values);
        tChartFeed feed(4096);
        feed.Sync(list);
        QCOMPARE(feed.BucketWidth(), 4);
        const QList<QPointF> points = feed.Points(pixels);
        QCOMPARE(points, ReducedByHand(values, [&](size_t i) {
                     return std::min<int64_t>(int64_t(i) * pixels / (readings - 1), pixels - 1);
                 }));
        QVERIFY(points.size() <= 4 * pixels);
    }

    // Where they do not, a bucket goes with the column of its first reading, so an extreme
    // may be drawn up to one column plus one bucket away, but none is lost.
    void pixelColumnsKeepExtremes()
    {
        const int pixels = 450, readings = 100003;
        const std::vector<float> values = RandomWalk(readings, 5);
        tMeasList list;
        AddValues(list, values);
        tChartFeed feed;
        feed.Sync(list);
        const QList<QPointF> points = feed.Points(pixels);
        QVERIFY(points.size() <= 4 * (pixels + 1));
        for (int i = 1; i < points.size(); ++i)
            QVERIFY(points[i].x() > points[i - 1].x());
        for (const QPointF& p : points)
            QCOMPARE(float(p.y()), values[size_t(p.x())]);

        const int64_t w = feed.BucketWidth();
        const double perColumn = double(readings - 1) / pixels;
        for (int c = 0; c < pixels; ++c) {
            const int64_t from = int64_t(std::ceil(c * perColumn));
            const int64_t to = std::min<int64_t>(readings, int64_t(std::ceil((c + 1) * perColumn)));
            const auto [lo, hi] = std::minmax_element(values.begin() + from, values.begin() + to);
            double drawnLo = 1e30, drawnHi = -1e30;
            for (const QPointF& p : points)
                if (p.x() >= from - w - perColumn && p.x() < to + w + perColumn)
                    drawnLo = std::min(drawnLo, p.y()), drawnHi = std::max(drawnHi, p.y());
            QVERIFY2(drawnHi >= *hi && drawnLo <= *lo, qPrintable(QString::number(c)));
        }
        QCOMPARE(feed.Points(pixels).size(), points.size());
    }

    // A list emptied and filled again to the same length is not mistaken for the old one.
    void followsAClearedList()
    {
        tMeasList list;
        AddValues(list, {10, 20});
        tChartFeed feed;
        feed.Sync(list);
        list.Clear();
        AddValues(list, {7, 8});
        feed.Sync(list);
        const QList<QPointF> expected = {{0, 7}, {1, 8}};
        QCOMPARE(feed.Points(), expected);
        list.Clear();
        feed.Sync(list);
        QVERIFY(feed.Points().isEmpty());
        QCOMPARE(feed.Max(), 0.0);
    }

    void newBucketCountStartsOver()
    {
        tMeasList list;
        AddValues(list, RandomWalk(100, 3));
        tChartFeed feed(10);
        feed.Sync(list);
        QCOMPARE(feed.BucketWidth(), 16);
        feed.SetBuckets(200);
        feed.Sync(list);
        QCOMPARE(feed.BucketWidth(), 1);
        QCOMPARE(feed.Points().size(), 100);
    }

    void updatesSeriesAndAxes_data()
    {
        QTest::addColumn<int>("scaleMode");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("0..max") << 0 << 0.0 << 212.0;
        QTest::newRow("min..max") << 1 << 19.0 << 210.0;
    }
    void updatesSeriesAndAxes()
    {
        QFETCH(int, scaleMode);
        QFETCH(double, low);
        QFETCH(double, high);
        QChart chart;
        auto* series = new QLineSeries;
        chart.addSeries(series);
        auto* indexAxis = new QValueAxis;
        auto* valueAxis = new QValueAxis;
        chart.addAxis(indexAxis, Qt::AlignBottom);
        chart.addAxis(valueAxis, Qt::AlignLeft);
        tMeasList list;
        AddValues(list, {20, 200, 50});
        tChartFeed feed;
        UpdateChartSeries(feed, list, series, indexAxis, valueAxis, scaleMode);
        QCOMPARE(series->count(), 3);
        QCOMPARE(series->at(1), QPointF(1, 200));
        QCOMPARE(indexAxis->min(), 0.0);
        QCOMPARE(indexAxis->max(), 2.0);
        QVERIFY(qFuzzyCompare(valueAxis->min() + 1, low + 1));
        QVERIFY(qFuzzyCompare(valueAxis->max(), high));

        list.Clear();
        UpdateChartSeries(feed, list, series, indexAxis, valueAxis, scaleMode);
        QCOMPARE(series->count(), 0);
        QCOMPARE(valueAxis->min(), 0.0);
        QCOMPARE(valueAxis->max(), 1.0);
    }
};

QTEST_MAIN(TestChartScale)
#include "test_chartscale.moc"
