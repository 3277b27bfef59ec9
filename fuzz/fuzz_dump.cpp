// Any dump must fill at most the 101 records, each finite with a known unit, and leave the
// rest alone.
#include "meter/replies.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), int(size));
    for (bool bank : {false, true}) {
        tStoredReadings records;
        for (tStoredReading& r : records) r = {-7.0f, 9};
        const int count = ParseDump(reply, bank, records);
        if (count < 0 || count > StoredReadingCapacity) std::abort();
        for (int i = 0; i < StoredReadingCapacity; ++i) {
            const tStoredReading& r = records[i];
            if (i < count && (!std::isfinite(r.Value) || r.Unit > 3)) std::abort();
            if (i >= count && (r.Value != -7.0f || r.Unit != 9)) std::abort();
        }
    }
    return 0;
}
