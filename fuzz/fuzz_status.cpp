// The status reply parser takes any bytes.
#include "meter/replies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), int(size));
    volatile uint8_t status = ParseStatus(reply);
    (void)status;
    return 0;
}
