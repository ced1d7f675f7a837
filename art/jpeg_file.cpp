#include <cstddef>
#include <cstdio>

// jpeglib.h uses FILE and size_t without including their headers.
#include <jpeglib.h>

#include "art/art.h"

namespace kelmira::art {

bool WriteJpeg(const QImage& image, const std::string& path, int quality, std::string* error) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        if (error) *error = "cannot open " + path;
        return false;
    }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg takes non-const rows; it only reads them.
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const bool ok = std::ferror(out) == 0;
    if (std::fclose(out) != 0 || !ok) {
        if (error) *error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace kelmira::art
