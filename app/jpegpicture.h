// JPEG bytes to a 24-bit picture, through libjpeg.
#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>

// Larger pictures are refused: a damaged header must not make us allocate gigabytes.
constexpr int64_t MaxJpegPixels = 50'000'000;

// Decodes JPEG data at full scale into a 24-bit RGB picture (greyscale becomes equal red,
// green and blue). On failure (not a JPEG, damaged beyond use, too large) returns false and
// leaves picture unchanged. Warnings about damaged data do not fail the decoding: whatever
// libjpeg recovers is kept.
bool DecodeJpeg(const uint8_t* data, size_t size, QImage& picture,
                int64_t maxPixels = MaxJpegPixels);
