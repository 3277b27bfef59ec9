// The memory fill reply parser takes any bytes, at either word position.
#include "meter/replies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), int(size));
    volatile bool a = ParseFill(reply, 2);
    volatile bool b = ParseFill(reply, 3);
    (void)a;
    (void)b;
    return 0;
}
