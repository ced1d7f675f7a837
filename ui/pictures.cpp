#include "ui/pictures.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

namespace kelmira {

namespace {

// libjpeg reports fatal errors through error_exit, whose default ends the process; ours jumps
// back to the decoder instead. Warnings are collected rather than printed on stderr.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace output: not wanted
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (cinfo->err->num_warnings++ == 0) (*cinfo->err->format_message)(cinfo, err->message);
    if (cinfo->err->msg_code == JWRN_JPEG_EOF) {
        err->truncated = true;
        (*cinfo->err->format_message)(cinfo, err->message);
    }
}

// Everything the decoder touches lives here, outside the frame that calls setjmp, so nothing
// it needs after a long jump was held in that frame's registers.
struct Job {
    const std::vector<unsigned char>* data;
    PictureColours colours;
    QImage image;
    jpeg_decompress_struct cinfo;
    ErrorManager err;
};

bool Decode(Job& job) {
    job.cinfo.err = jpeg_std_error(&job.err.pub);
    job.err.pub.error_exit = OnError;
    job.err.pub.emit_message = OnMessage;
    job.err.message[0] = '\0';
    job.err.truncated = false;
    if (setjmp(job.err.jump)) {
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    jpeg_create_decompress(&job.cinfo);
    jpeg_mem_src(&job.cinfo, job.data->data(), static_cast<unsigned long>(job.data->size()));
    jpeg_read_header(&job.cinfo, TRUE);

    QImage::Format format = QImage::Format_RGB888;
    const bool greySource = job.cinfo.jpeg_color_space == JCS_GRAYSCALE;
    switch (job.colours) {
        case PictureColours::Full:
            // A grey source stays grey: older libraries cannot expand it to RGB.
            job.cinfo.out_color_space = greySource ? JCS_GRAYSCALE : JCS_RGB;
            format = greySource ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
            break;
        case PictureColours::Grayscale:
            job.cinfo.out_color_space = JCS_GRAYSCALE;
            format = QImage::Format_Grayscale8;
            break;
        case PictureColours::Color256:
            job.cinfo.out_color_space = greySource ? JCS_GRAYSCALE : JCS_RGB;
            job.cinfo.quantize_colors = TRUE;
            job.cinfo.desired_number_of_colors = 256;
            job.cinfo.two_pass_quantize = TRUE;
            job.cinfo.dither_mode = JDITHER_FS;
            format = QImage::Format_Indexed8;
            break;
    }
    jpeg_start_decompress(&job.cinfo);

    const int width = static_cast<int>(job.cinfo.output_width);
    const int height = static_cast<int>(job.cinfo.output_height);
    job.image = QImage(width, height, format);
    if (job.image.isNull()) {
        std::snprintf(job.err.message, sizeof job.err.message, "Bild zu groß: %d x %d", width,
                      height);
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    if (job.colours == PictureColours::Color256) {
        QList<QRgb> table(job.cinfo.actual_number_of_colors);
        for (int i = 0; i < job.cinfo.actual_number_of_colors; ++i) {
            if (job.cinfo.out_color_components == 1) {
                const int v = job.cinfo.colormap[0][i];
                table[i] = qRgb(v, v, v);
            } else {
                table[i] = qRgb(job.cinfo.colormap[0][i], job.cinfo.colormap[1][i],
                                job.cinfo.colormap[2][i]);
            }
        }
        job.image.setColorTable(table);
    }
    while (job.cinfo.output_scanline < job.cinfo.output_height) {
        JSAMPROW row = job.image.scanLine(static_cast<int>(job.cinfo.output_scanline));
        jpeg_read_scanlines(&job.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&job.cinfo);
    jpeg_destroy_decompress(&job.cinfo);
    // A file cut short decodes to grey filler below the cut; that is a broken picture.
    return !job.err.truncated;
}

}  // namespace

QImage DecodeJpeg(const std::filesystem::path& file, PictureColours colours, std::string* error) {
    auto fail = [error](std::string reason) {
        if (error) *error = std::move(reason);
        return QImage();
    };
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return fail("Datei nicht vorhanden");
    std::ifstream in(file, std::ios::binary);
    if (!in) return fail("Datei nicht lesbar");
    std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) return fail("Datei nicht lesbar");
    if (data.empty()) return fail("Datei ist leer");

    auto job = std::make_unique<Job>();
    job->data = &data;
    job->colours = colours;
    if (!Decode(*job)) return fail(job->err.message);
    if (error) error->clear();
    if (job->image.format() == QImage::Format_RGB888)
        return job->image.convertToFormat(QImage::Format_RGB32);
    return std::move(job->image);
}

PictureStore::PictureStore(std::filesystem::path folder, PictureColours colours, Trace trace)
    : folder_(std::move(folder)), colours_(colours), trace_(std::move(trace)) {}

namespace {

// Light grey with a darker frame and a diagonal: clearly "no picture here", never a hole.
QImage Placeholder() {
    constexpr int kSize = 64;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(qRgb(212, 212, 212));
    const QRgb dark = qRgb(128, 128, 128);
    for (int i = 0; i < kSize; ++i) {
        image.setPixel(i, 0, dark);
        image.setPixel(i, kSize - 1, dark);
        image.setPixel(0, i, dark);
        image.setPixel(kSize - 1, i, dark);
        image.setPixel(i, i, dark);
    }
    return image;
}

}  // namespace

PictureStore::Entry& PictureStore::load(const std::string& fileName) {
    auto found = cache_.find(fileName);
    if (found != cache_.end()) return found->second;
    Entry entry;
    const std::filesystem::path path = folder_ / fileName;
    std::string reason;
    entry.image = DecodeJpeg(path, colours_, &reason);
    if (entry.image.isNull()) {
        entry.image = Placeholder();
        entry.placeholder = true;
        if (trace_) {
            std::error_code ec;
            if (std::filesystem::exists(path, ec))
                trace_("Bild fehlerhaft: " + path.string() + " (" + reason + ")");
            else
                trace_("Bild fehlt: " + path.string());
        }
    }
    return cache_.emplace(fileName, std::move(entry)).first->second;
}

const QImage& PictureStore::get(const std::string& fileName) { return load(fileName).image; }

bool PictureStore::isPlaceholder(const std::string& fileName) { return load(fileName).placeholder; }

namespace pic {
std::string Panel(int player) { return "Spieler" + std::to_string(player) + ".jpg"; }
std::string Card(int picture) { return "Karte" + std::to_string(picture) + ".jpg"; }
std::string Building(int kind) { return "Gebaeude" + std::to_string(kind) + ".jpg"; }
std::string ToolGlyph(int i) { return "Knopf" + std::to_string(i) + ".jpg"; }
std::string Info(int i) { return "Info" + std::to_string(i) + ".jpg"; }
std::string PictureSet(int set) { return "Bild" + std::to_string(set) + ".jpg"; }
}  // namespace pic

}  // namespace kelmira
