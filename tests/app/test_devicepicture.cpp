// Stored pictures: finding them, decoding them into a 24-bit buffer, and surviving bad data.
#include "app/devicepicture.h"
#include "app/jpegpicture.h"

#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <jpeglib.h>

namespace {

// A small JPEG of our own, so that colour spaces the stored pictures do not use are covered.
QByteArray EncodeJpeg(int width, int height, J_COLOR_SPACE space, int components,
                      const std::function<void(int x, int y, JSAMPLE* pixel)>& fill)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(width) * components);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) fill(x, y, &row[size_t(x) * components]);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray SmallRgbJpeg()
{
    return EncodeJpeg(16, 16, JCS_RGB, 3, [](int x, int y, JSAMPLE* px) {
        px[0] = JSAMPLE(x * 16);
        px[1] = JSAMPLE(y * 16);
        px[2] = 128;
    });
}

// The frame header's height and width replaced.
QByteArray WithFrameSize(QByteArray jpeg, quint16 width, quint16 height)
{
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    if (sof < 0) return {};
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

bool Decode(const QByteArray& bytes, QImage& picture)
{
    return DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()),
                      picture);
}

QByteArray StoredBytes(int id)
{
    const auto stream = GetResourceStream(id);
    return stream ? stream->data() : QByteArray();
}

int DistinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
    return int(colours.size());
}

} // namespace

class TestDevicePicture : public QObject {
    Q_OBJECT
private slots:
    void resourceStream_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("stored");
        QTest::newRow("1") << 1 << true;
        QTest::newRow("2") << 2 << true;
        QTest::newRow("4") << 4 << true;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("3") << 3 << false;
        QTest::newRow("5") << 5 << false;
        QTest::newRow("-1") << -1 << false;
    }
    void resourceStream()
    {
        QFETCH(int, id);
        QFETCH(bool, stored);
        const std::unique_ptr<QBuffer> stream = GetResourceStream(id);
        QCOMPARE(bool(stream), stored);
        if (!stored) return;
        QVERIFY(stream->isOpen());
        QCOMPARE(stream->pos(), qint64(0));
        QVERIFY(stream->peek(2) == QByteArray("\xFF\xD8")); // a JPEG start-of-image marker
        QVERIFY(stream->size() > 10000);
    }

    void loadDevicePicture_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("ORBITEL 7718") << 1;
        QTest::newRow("ZENTA-Monitor") << 2;
        QTest::newRow("ZENTA-SPOT 2 USB") << 4;
    }
    void loadDevicePicture()
    {
        QFETCH(int, id);
        QImage picture;
        QVERIFY(LoadDevicePicture(id, picture));
        QCOMPARE(picture.depth(), 24);
        QCOMPARE(picture.format(), QImage::Format_RGB888);
        // Upright photographs of about 800 to 870 by 880 to 1070 pixels.
        QVERIFY2(picture.width() >= 800 && picture.width() <= 870, qPrintable(QString::number(picture.width())));
        QVERIFY2(picture.height() >= 880 && picture.height() <= 1070, qPrintable(QString::number(picture.height())));
        QVERIFY(DistinctColours(picture) > 200);
    }

    void reloadFollowsThePicture()
    {
        QImage picture;
        QVERIFY(LoadDevicePicture(4, picture));
        const QSize spot = picture.size();
        QVERIFY(LoadDevicePicture(1, picture));
        QVERIFY(picture.size() != spot);
        QImage fresh;
        QVERIFY(LoadDevicePicture(1, fresh));
        QCOMPARE(picture, fresh);
    }

    void missingPictureEmptiesTheBuffer()
    {
        QImage picture;
        QVERIFY(LoadDevicePicture(1, picture));
        QVERIFY(!LoadDevicePicture(3, picture));
        QVERIFY(picture.isNull());
    }

    void splashAndBottomBar()
    {
        QImage splash, bar;
        QVERIFY(LoadStoredPicture(SplashPicturePath, splash));
        QCOMPARE(splash.size(), QSize(677, 140));
        QCOMPARE(splash.depth(), 24);
        QVERIFY(LoadStoredPicture(BottomBarPicturePath, bar));
        QCOMPARE(bar.size(), QSize(305, 63));
        QImage none;
        QVERIFY(!LoadStoredPicture(QStringLiteral(":/pictures/nothing"), none));
        QVERIFY(none.isNull());
    }

    void unusableData_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray photo = StoredBytes(1);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("no picture at all");
        QTest::newRow("start marker only") << QByteArray("\xFF\xD8");
        QTest::newRow("cut in the header") << photo.left(120);
        QTest::newRow("garbage after the start marker")
            << QByteArray("\xFF\xD8") + QByteArray(400, '\x5A');
        QTest::newRow("zero height") << WithFrameSize(SmallRgbJpeg(), 16, 0);
        QTest::newRow("absurd size") << WithFrameSize(SmallRgbJpeg(), 60000, 60000);
    }
    void unusableData()
    {
        QFETCH(QByteArray, bytes);
        QImage picture(3, 3, QImage::Format_RGB888);
        picture.fill(Qt::green);
        const QImage before = picture;
        QVERIFY(!Decode(bytes, picture));
        QCOMPARE(picture, before);
    }

    void sizeLimit()
    {
        const QByteArray jpeg = SmallRgbJpeg();
        QImage picture;
        const auto* data = reinterpret_cast<const uint8_t*>(jpeg.constData());
        QVERIFY(!DecodeJpeg(data, size_t(jpeg.size()), picture, 16 * 16 - 1));
        QVERIFY(DecodeJpeg(data, size_t(jpeg.size()), picture, 16 * 16));
        QCOMPARE(picture.size(), QSize(16, 16));
    }

    void truncatedPhotographKeepsWhatWasRead()
    {
        const QByteArray photo = StoredBytes(1);
        QImage picture;
        QVERIFY(Decode(photo.left(photo.size() * 6 / 10), picture));
        QImage whole;
        QVERIFY(Decode(photo, whole));
        QCOMPARE(picture.size(), whole.size());
        // The top rows came in full.
        for (int x = 0; x < whole.width(); x += 13) QCOMPARE(picture.pixel(x, 5), whole.pixel(x, 5));
    }

    void damagedPhotographDoesNotCrash()
    {
        QByteArray photo = StoredBytes(2);
        for (qsizetype i = 2000; i < photo.size(); i += 997) photo[i] = char(photo[i] ^ 0x5A);
        QImage picture;
        if (Decode(photo, picture)) QCOMPARE(picture.size(), QSize(865, 1063));
    }

    void greyscaleGivesEqualChannels()
    {
        const QByteArray jpeg = EncodeJpeg(32, 8, JCS_GRAYSCALE, 1,
                                           [](int x, int, JSAMPLE* px) { *px = JSAMPLE(x * 8); });
        QImage picture;
        QVERIFY(Decode(jpeg, picture));
        QCOMPARE(picture.format(), QImage::Format_RGB888);
        QCOMPARE(picture.size(), QSize(32, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = picture.pixel(x, y);
                QCOMPARE(qRed(c), qGreen(c));
                QCOMPARE(qGreen(c), qBlue(c));
                QVERIFY(qAbs(qRed(c) - x * 8) <= 3);
            }
    }

    void adobeCmykBecomesRgb()
    {
        // Adobe stores ink inverted: 255 means none. Full magenta and yellow give red.
        const QByteArray jpeg = EncodeJpeg(16, 16, JCS_CMYK, 4, [](int, int, JSAMPLE* px) {
            px[0] = 255;
            px[1] = 0;
            px[2] = 0;
            px[3] = 255;
        });
        QImage picture;
        QVERIFY(Decode(jpeg, picture));
        const QRgb c = picture.pixel(8, 8);
        QVERIFY2(qRed(c) >= 250 && qGreen(c) <= 5 && qBlue(c) <= 5,
                 qPrintable(QColor(c).name()));
    }
};

QTEST_GUILESS_MAIN(TestDevicePicture)
#include "test_devicepicture.moc"
