// Any reply bytes must give -999, -1 or a finite reading of at least 0, and a known unit.
#include "meter/replies.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), int(size));
    for (int pos : {1, 2}) {
        uint8_t unit = 200;
        const float v = ParseReading(reply, pos, unit);
        const bool sentinel = v == ReadingNone || v == ReadingOverload;
        if (!sentinel && !(std::isfinite(v) && v >= 0)) std::abort();
        if (unit != 200 && unit > 3) std::abort();
    }
    return 0;
}
