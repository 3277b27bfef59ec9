#include "ui/chartscale.h"

#include "ui/measlist.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr int kDefaultPlotWidth = 512;
}

tAxisRange ChartValueRange(int scaleMode, double min, double max)
{
    tAxisRange r;
    if (scaleMode == 0) {
        r = {0, max * 1.06};
    } else {
        r = {min * 0.95, max * 1.05};
    }
    if (r.Min > r.Max) std::swap(r.Min, r.Max);
    if (r.Min == r.Max) {
        // An axis without span cannot be drawn: open it upwards by 5 %, or to 1 around 0.
        const double span = r.Max != 0 ? std::fabs(r.Max) * 0.05 : 1.0;
        r.Max = r.Min + span;
    }
    return r;
}

tChartFeed::tChartFeed(int buckets) : FColumns(std::max(buckets, 1)) {}

void tChartFeed::SetBuckets(int buckets)
{
    buckets = std::max(buckets, 1);
    if (buckets == FColumns) return;
    FColumns = buckets;
    Reset();
}

void tChartFeed::Reset()
{
    FBuckets.clear();
    FWidth = 1;
    FCount = 0;
    FMin = FMax = 0;
}

void tChartFeed::Sync(const tMeasList& list)
{
    if (list.Generation() != FGeneration || list.Count() < FCount) {
        Reset();
        FGeneration = list.Generation();
    }
    for (int i = FCount; i < list.Count(); ++i)
        Take(i, list.ValueAt(i));
}

void tChartFeed::tBucket::Join(const tBucket& next)
{
    Last = next.Last;
    LastV = next.LastV;
    if (next.MinV < MinV) MinV = next.MinV, MinAt = next.MinAt;
    if (next.MaxV > MaxV) MaxV = next.MaxV, MaxAt = next.MaxAt;
}

void tChartFeed::Take(int index, float value)
{
    if (FCount == 0) {
        FMin = FMax = value;
    } else {
        FMin = std::min(FMin, value);
        FMax = std::max(FMax, value);
    }
    FCount = index + 1;

    const size_t b = size_t(index / FWidth);
    if (b == FBuckets.size()) {
        if (FBuckets.size() == size_t(FColumns)) {
            Widen();
            Take(index, value);
            return;
        }
        FBuckets.push_back({index, index, index, index, value, value, value, value});
        return;
    }
    FBuckets.back().Join({index, index, index, index, value, value, value, value});
}

// Doubles the bucket width by joining neighbours: the same buckets a fresh pass with the
// wider width would make.
void tChartFeed::Widen()
{
    const size_t n = FBuckets.size();
    size_t out = 0;
    for (size_t i = 0; i < n; i += 2, ++out) {
        tBucket k = FBuckets[i];
        if (i + 1 < n) k.Join(FBuckets[i + 1]);
        FBuckets[out] = k;
    }
    FBuckets.resize(out);
    FWidth *= 2;
}

QList<QPointF> tChartFeed::Points(int pixelColumns) const
{
    QList<QPointF> points;
    points.reserve(qsizetype(std::min(FBuckets.size(), size_t(std::max(pixelColumns, 1)))) * 4);
    auto put = [&points](const tBucket& k) {
        std::pair<int, float> p[4] = {
            {k.First, k.FirstV}, {k.MinAt, k.MinV}, {k.MaxAt, k.MaxV}, {k.Last, k.LastV}};
        std::sort(std::begin(p), std::end(p),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (int j = 0; j < 4; ++j)
            if (j == 0 || p[j].first != p[j - 1].first)
                points.append(QPointF(p[j].first, double(p[j].second)));
    };

    if (pixelColumns <= 0 || FCount <= pixelColumns) {
        for (const tBucket& k : FBuckets)
            put(k);
        return points;
    }
    // Index i falls into pixel column i * pixelColumns / (FCount - 1), as the axis maps it,
    // the last index into the last column; a bucket goes with the column of its first
    // reading, which puts a reading at most one bucket (well below a pixel) off its column.
    const int64_t span = std::max(FCount - 1, 1);
    auto column = [&](int index) {
        return std::min<int64_t>(int64_t(index) * pixelColumns / span, pixelColumns - 1);
    };
    tBucket joined = FBuckets.front();
    int64_t at = column(joined.First);
    for (size_t i = 1; i < FBuckets.size(); ++i) {
        const int64_t c = column(FBuckets[i].First);
        if (c == at) {
            joined.Join(FBuckets[i]);
            continue;
        }
        put(joined);
        joined = FBuckets[i];
        at = c;
    }
    put(joined);
    return points;
}

void UpdateChartSeries(tChartFeed& feed, const tMeasList& list, QLineSeries* series,
                       QValueAxis* indexAxis, QValueAxis* valueAxis, int scaleMode,
                       int pixelColumns)
{
    feed.Sync(list);
    if (pixelColumns <= 0 && series->chart())
        pixelColumns = int(series->chart()->plotArea().width());
    // A chart not laid out yet has no plot area; its design width is near this.
    if (pixelColumns <= 0) pixelColumns = kDefaultPlotWidth;
    // The chart works out the line's geometry again at every change of the series or of an
    // axis; emptying the series first makes the axis changes cheap and leaves one full pass.
    series->clear();
    if (indexAxis) indexAxis->setRange(0, std::max(list.Count() - 1, 1));
    if (valueAxis) {
        const tAxisRange r = ChartValueRange(scaleMode, feed.Min(), feed.Max());
        valueAxis->setRange(r.Min, r.Max);
    }
    series->replace(feed.Points(pixelColumns));
}
