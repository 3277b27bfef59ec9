#include "ui/measlist.h"

#include <limits>

namespace {
constexpr int64_t kNoStamp = std::numeric_limits<int64_t>::min();
}

int tMeasList::Add(const tMeasRec& rec)
{
    FValues.push_back(rec.Value);
    FUnits.push_back(rec.UnitCode);
    FStamps.push_back(rec.Stamp.isValid() ? rec.Stamp.toMSecsSinceEpoch() : kNoStamp);
    return Count() - 1;
}

void tMeasList::Clear()
{
    // Give the memory back: a cleared day-long list should not keep its megabytes.
    std::vector<float>().swap(FValues);
    std::vector<uint8_t>().swap(FUnits);
    std::vector<int64_t>().swap(FStamps);
    ++FGeneration;
}

tMeasRec tMeasList::Get(int index) const
{
    tMeasRec rec;
    if (index < 0 || index >= Count()) return rec;
    rec.Value = FValues[size_t(index)];
    rec.UnitCode = FUnits[size_t(index)];
    if (FStamps[size_t(index)] != kNoStamp)
        rec.Stamp = QDateTime::fromMSecsSinceEpoch(FStamps[size_t(index)]);
    return rec;
}
