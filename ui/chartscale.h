// The chart of the reading list: the value axis rule, and a reduced copy of the list for
// drawing that keeps every extreme, so a day of readings draws as fast as a minute of them.
#pragma once

#include <QList>
#include <QPointF>
#include <cstdint>
#include <vector>

class QLineSeries;
class QValueAxis;
class tMeasList;

struct tAxisRange {
    double Min = 0;
    double Max = 0;
};

// The value axis from the smallest and largest value shown (both 0 without values):
// scaleMode 0 ("0..max") 0 to max × 1.06, else ("min..max") min × 0.95 to max × 1.05.
// Reversed bounds are swapped; equal bounds are opened to a small positive span.
tAxisRange ChartValueRange(int scaleMode, double min, double max);

// Follows a reading list for the chart. Readings are gathered into at most `columns`
// buckets of equal width (a power of two); each bucket gives its first, smallest, largest
// and last reading as points at their own indices, so every extreme and every jump the
// full line would show is kept, and the axis range is that of all readings. Up to `columns`
// readings every reading is a point of its own. A new reading costs the same however long
// the list is.
class tChartFeed {
public:
    // About twice the chart's plot width in pixels keeps buckets below one pixel column.
    explicit tChartFeed(int columns = 1024);

    void SetColumns(int columns); // the next Sync starts over
    int Columns() const { return FColumns; }

    // Takes in the readings added since the last call; starts over when the list was
    // cleared in between.
    void Sync(const tMeasList& list);

    int Count() const { return FCount; }
    bool Empty() const { return FCount == 0; }
    double Min() const { return FCount ? FMin : 0; }
    double Max() const { return FCount ? FMax : 0; }
    int BucketWidth() const { return FWidth; }

    // The points to draw, in index order.
    QList<QPointF> Points() const;

private:
    struct tBucket {
        int First, Last, MinAt, MaxAt;
        float FirstV, LastV, MinV, MaxV;
    };
    void Reset();
    void Take(int index, float value);
    void Widen();

    int FColumns;
    int FWidth = 1;
    int FCount = 0;
    uint32_t FGeneration = 0;
    float FMin = 0, FMax = 0;
    std::vector<tBucket> FBuckets;
};

// The whole chart update: brings the feed up to date, puts its points into the series in one
// go, and sets the index axis to the list's length and the value axis by ChartValueRange.
void UpdateChartSeries(tChartFeed& feed, const tMeasList& list, QLineSeries* series,
                       QValueAxis* indexAxis, QValueAxis* valueAxis, int scaleMode);
