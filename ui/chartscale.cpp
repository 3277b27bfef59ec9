#include "ui/chartscale.h"

#include "ui/measlist.h"

#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

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

tChartFeed::tChartFeed(int columns) : FColumns(std::max(columns, 1)) {}

void tChartFeed::SetColumns(int columns)
{
    columns = std::max(columns, 1);
    if (columns == FColumns) return;
    FColumns = columns;
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
    tBucket& k = FBuckets.back();
    k.Last = index;
    k.LastV = value;
    if (value < k.MinV) k.MinV = value, k.MinAt = index;
    if (value > k.MaxV) k.MaxV = value, k.MaxAt = index;
}

// Doubles the bucket width by joining neighbours: the same buckets a fresh pass with the
// wider width would make.
void tChartFeed::Widen()
{
    const size_t n = FBuckets.size();
    size_t out = 0;
    for (size_t i = 0; i < n; i += 2, ++out) {
        tBucket k = FBuckets[i];
        if (i + 1 < n) {
            const tBucket& r = FBuckets[i + 1];
            k.Last = r.Last;
            k.LastV = r.LastV;
            if (r.MinV < k.MinV) k.MinV = r.MinV, k.MinAt = r.MinAt;
            if (r.MaxV > k.MaxV) k.MaxV = r.MaxV, k.MaxAt = r.MaxAt;
        }
        FBuckets[out] = k;
    }
    FBuckets.resize(out);
    FWidth *= 2;
}

QList<QPointF> tChartFeed::Points() const
{
    QList<QPointF> points;
    points.reserve(qsizetype(FBuckets.size()) * 4);
    for (const tBucket& k : FBuckets) {
        std::pair<int, float> p[4] = {
            {k.First, k.FirstV}, {k.MinAt, k.MinV}, {k.MaxAt, k.MaxV}, {k.Last, k.LastV}};
        std::sort(std::begin(p), std::end(p),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        for (int j = 0; j < 4; ++j)
            if (j == 0 || p[j].first != p[j - 1].first)
                points.append(QPointF(p[j].first, p[j].second));
    }
    return points;
}

void UpdateChartSeries(tChartFeed& feed, const tMeasList& list, QLineSeries* series,
                       QValueAxis* indexAxis, QValueAxis* valueAxis, int scaleMode)
{
    feed.Sync(list);
    series->replace(feed.Points());
    if (indexAxis) indexAxis->setRange(0, std::max(list.Count() - 1, 1));
    if (valueAxis) {
        const tAxisRange r = ChartValueRange(scaleMode, feed.Min(), feed.Max());
        valueAxis->setRange(r.Min, r.Max);
    }
}
