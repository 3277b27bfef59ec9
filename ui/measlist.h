// The reading list: every reading the window takes or reads from the meter's memory, in the
// order it was listed.
#pragma once

#include <QDateTime>
#include <cstdint>
#include <vector>

struct tMeasRec {
    float Value = 0;      // in the unit of UnitCode
    uint8_t UnitCode = 0; // 0 lx, 1 fc, 2 cd/m², 3 fL
    QDateTime Stamp;      // local date and time of listing
};

// A day of readings at half a second is 172,800 entries, so the fields are kept in three
// packed arrays (13 bytes a reading) instead of a list of records.
class tMeasList {
public:
    // Appends a copy; returns its index.
    int Add(const tMeasRec& rec);
    void Clear();
    int Count() const { return int(FValues.size()); }
    // A copy of entry index; past the end (or before the start) a record of zeros: value 0,
    // unit code 0 and a null stamp.
    tMeasRec Get(int index) const;

    // Cheap single-field reads for the table and the chart; index must be in range.
    float ValueAt(int index) const { return FValues[size_t(index)]; }
    uint8_t UnitAt(int index) const { return FUnits[size_t(index)]; }
    int64_t StampMsAt(int index) const { return FStamps[size_t(index)]; }

    // Changes at every Clear, so that a view that follows the list incrementally can tell a
    // list that was emptied and refilled from one that only grew.
    uint32_t Generation() const { return FGeneration; }

private:
    std::vector<float> FValues;
    std::vector<uint8_t> FUnits;
    std::vector<int64_t> FStamps; // milliseconds since the epoch; INT64_MIN: no stamp
    uint32_t FGeneration = 0;
};
