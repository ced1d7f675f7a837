// Picture decoding through libjpeg and the store's fallback for missing or broken files.
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <fstream>
#include <vector>

// After <cstdio>: jpeglib.h uses FILE without declaring it.
#include <jpeglib.h>

#include "ui/pictures.h"

using namespace kelmira;

namespace {

// Left half pure red, right half pure blue, with some noise so the file has real content.
void WriteJpeg(const std::filesystem::path& file, int width, int height) {
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            const bool red = x < width / 2;
            const unsigned char noise = static_cast<unsigned char>((x * 7 + y * 13) % 16);
            p[0] = red ? 255 - noise : noise;
            p[1] = noise;
            p[2] = red ? noise : 255 - noise;
        }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    FILE* out = std::fopen(file.c_str(), "wb");
    QVERIFY(out);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(cinfo.next_scanline) * width * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::fclose(out);
    jpeg_destroy_compress(&cinfo);
}

bool Near(int a, int b) { return std::abs(a - b) <= 24; }

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    std::filesystem::path file(const char* name) const {
        return std::filesystem::path(dir_.path().toStdString()) / name;
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        WriteJpeg(file("Karte1.jpg"), 64, 32);
    }

    void decodesInFullGreyAnd256Colours() {
        std::string error = "old";
        const QImage full = DecodeJpeg(file("Karte1.jpg"), PictureColours::Full, &error);
        QCOMPARE(full.size(), QSize(64, 32));
        QVERIFY(error.empty());
        QVERIFY(Near(full.pixelColor(8, 16).red(), 255) && Near(full.pixelColor(8, 16).blue(), 0));
        QVERIFY(Near(full.pixelColor(56, 16).blue(), 255));

        const QImage grey = DecodeJpeg(file("Karte1.jpg"), PictureColours::Grayscale);
        QCOMPARE(grey.format(), QImage::Format_Grayscale8);
        QCOMPARE(grey.size(), QSize(64, 32));
        // Luminance of red and blue: about 76 and 29.
        QVERIFY(Near(qGray(grey.pixel(8, 16)), 76));
        QVERIFY(Near(qGray(grey.pixel(56, 16)), 29));

        const QImage indexed = DecodeJpeg(file("Karte1.jpg"), PictureColours::Color256);
        QCOMPARE(indexed.format(), QImage::Format_Indexed8);
        QVERIFY(indexed.colorCount() > 2 && indexed.colorCount() <= 256);
        const QColor red = indexed.pixelColor(8, 16), blue = indexed.pixelColor(56, 16);
        QVERIFY(Near(red.red(), 255) && Near(red.blue(), 0));
        QVERIFY(Near(blue.blue(), 255) && Near(blue.red(), 0));
    }

    void brokenFilesGiveAReasonNotACrash() {
        WriteJpeg(file("gross.jpg"), 400, 300);
        std::ifstream in(file("gross.jpg"), std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(file("kurz.jpg"), std::ios::binary).write(bytes.data(), bytes.size() * 2 / 3);
        std::ofstream(file("text.jpg")) << "kein Bild";

        for (const char* name : {"kurz.jpg", "text.jpg", "fehlt.jpg"}) {
            std::string error;
            QVERIFY(DecodeJpeg(file(name), PictureColours::Full, &error).isNull());
            QVERIFY2(!error.empty(), name);
        }
    }

    void storeShowsPlaceholderAndTracesEachFileOnce() {
        std::vector<std::string> trace;
        PictureStore store(dir_.path().toStdString(), PictureColours::Color256,
                           [&trace](const std::string& line) { trace.push_back(line); });
        QVERIFY(!store.isPlaceholder("Karte1.jpg"));
        QCOMPARE(store.get("Karte1.jpg").format(), QImage::Format_Indexed8);
        QVERIFY(trace.empty());

        for (int round = 0; round < 2; ++round)
            for (const char* name : {"kurz.jpg", "text.jpg", "fehlt.jpg"}) {
                QVERIFY(store.isPlaceholder(name));
                QCOMPARE(store.get(name).size(), QSize(64, 64));
            }
        QCOMPARE(trace.size(), size_t{3});
        QVERIFY(trace[2].starts_with("Bild fehlt: "));
        QVERIFY(trace[2].ends_with("fehlt.jpg"));
        QVERIFY(trace[0].find("kurz.jpg") != std::string::npos);
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
