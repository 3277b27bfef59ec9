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

// Follows a reading list for the chart. Readings are gathered into at most `buckets`
// buckets of equal width (a power of two), each knowing its first, smallest, largest and
// last reading; a new reading costs the same however long the list is. For drawing, the
// buckets are joined into pixel columns, and each column gives those four readings as
// points at their own indices: every extreme and every jump the full line would show is
// kept, at most four points a column, and the axis range is that of all readings. While
// there are no more readings than columns, every reading is a point of its own.
class tChartFeed {
public:
    // Well above any plot width, so that a bucket never spans more than one pixel column.
    explicit tChartFeed(int buckets = 4096);

    void SetBuckets(int buckets); // the next Sync starts over
    int Buckets() const { return FColumns; }

    // Takes in the readings added since the last call; starts over when the list was
    // cleared in between.
    void Sync(const tMeasList& list);

    int Count() const { return FCount; }
    bool Empty() const { return FCount == 0; }
    double Min() const { return FCount ? FMin : 0; }
    double Max() const { return FCount ? FMax : 0; }
    int BucketWidth() const { return FWidth; }

    // The points to draw, in index order, for a plot `pixelColumns` wide over the indices 0
    // to Count() - 1; 0 gives the buckets' points without joining them.
    QList<QPointF> Points(int pixelColumns = 0) const;

private:
    struct tBucket {
        int First, Last, MinAt, MaxAt;
        float FirstV, LastV, MinV, MaxV;
        void Join(const tBucket& next);
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

// The whole chart update: brings the feed up to date, sets the index axis to the list's
// length and the value axis by ChartValueRange, and puts the feed's points into the series
// in one go. pixelColumns 0 takes the width of the series' plot area (512 before the chart
// is laid out).
void UpdateChartSeries(tChartFeed& feed, const tMeasList& list, QLineSeries* series,
                       QValueAxis* indexAxis, QValueAxis* valueAxis, int scaleMode,
                       int pixelColumns = 0);
