// JPEG decoding with libjpeg's own API. libjpeg reports fatal errors through a callback that
// must not return; the default one ends the process, ours jumps back to the caller.
#include "app/jpegpicture.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <jpeglib.h>

namespace {

// libjpeg-turbo's own guard against pathological progressive files.
constexpr int MaxScans = 500;
constexpr long MaxDecoderMemory = 512L * 1024 * 1024;

struct tJpegError {
    jpeg_error_mgr Mgr; // first, so that cinfo->err can be cast back
    std::jmp_buf Jump;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<tJpegError*>(cinfo->err)->Jump, 1);
}

// Warnings and trace output go nowhere; the program has no console to show them on.
void OutputMessage(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo)
{
    const auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > MaxScans) cinfo->err->error_exit(cinfo);
}

// Adobe writes CMYK inverted (the usual case); plain CMYK is stored as is.
void CmykRowToRgb(const JSAMPLE* cmyk, uchar* rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const int v = inverted ? cmyk[c] : 255 - cmyk[c];
            rgb[c] = uchar((v * k + 127) / 255);
        }
    }
}

// Only plain data lives in this frame and in the libjpeg frames below it, so the jump back
// from ErrorExit skips no destructors. The result goes to *out, owned by the caller.
bool Decode(const uint8_t* data, size_t size, QImage* out, int64_t maxPixels)
{
    jpeg_decompress_struct cinfo;
    tJpegError error;
    cinfo.err = jpeg_std_error(&error.Mgr);
    error.Mgr.error_exit = ErrorExit;
    error.Mgr.output_message = OutputMessage;
    jpeg_progress_mgr progress;
    progress.progress_monitor = LimitScans;

    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    cinfo.mem->max_memory_to_use = MaxDecoderMemory;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
        int64_t(cinfo.image_width) * cinfo.image_height > maxPixels) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != (cmyk ? 4 : 3)) cinfo.err->error_exit(j_common_ptr(&cinfo));

    *out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    if (out->isNull()) cinfo.err->error_exit(j_common_ptr(&cinfo)); // out of memory
    JSAMPARRAY cmykRow = cmyk ? cinfo.mem->alloc_sarray(j_common_ptr(&cinfo), JPOOL_IMAGE,
                                                        cinfo.output_width * 4, 1)
                              : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        uchar* line = out->scanLine(int(cinfo.output_scanline));
        JSAMPROW row = cmyk ? cmykRow[0] : line;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) cinfo.err->error_exit(j_common_ptr(&cinfo));
        if (cmyk) CmykRowToRgb(row, line, cinfo.output_width, cinfo.saw_Adobe_marker);
    }
    // The rows are complete; whatever follows them in the data is of no interest.
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, QImage& picture, int64_t maxPixels)
{
    if (!data || size == 0) return false;
    QImage decoded;
    if (!Decode(data, size, &decoded, maxPixels)) return false;
    picture = std::move(decoded);
    return true;
}
