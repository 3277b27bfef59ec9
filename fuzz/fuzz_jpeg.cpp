// Any bytes given to the JPEG decoder must give either no picture or a 24-bit picture within
// the size limit; never a crash, a hang or an exit.
#include "app/jpegpicture.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A lower size limit than the program's keeps each run fast; the code path is the same.
    constexpr int64_t maxPixels = int64_t(1) << 22;
    QImage picture;
    if (!DecodeJpeg(data, size, picture, maxPixels)) {
        if (!picture.isNull()) std::abort();
        return 0;
    }
    if (picture.format() != QImage::Format_RGB888 || picture.width() <= 0 ||
        picture.height() <= 0 || int64_t(picture.width()) * picture.height() > maxPixels)
        std::abort();
    return 0;
}
