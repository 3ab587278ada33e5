// The one-pass bitmap reader gives what Qt's reader gives, reduced, for every
// kind of bitmap; damaged and lying files never crash it or make it read
// past the file.

#include "qt/pictures/bmp_files.h"
#include "qt/pictures/bmp_reader.h"
#include "qt/pictures/picture_cache.h"
#include "qt/pictures/reduction.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace cal {
namespace {

using qtui::BmpLayout;
using qtui::bmpLayout;
using qtui::readReducedBmp;
using testbmp::Kind;

// Each pixel the rounded mean of factor × factor pixels of Qt's picture.
QImage boxMean(const QImage& source, int factor) {
    const QImage full = source.convertToFormat(QImage::Format_RGB32);
    QImage out(full.width() / factor, full.height() / factor, QImage::Format_RGB32);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const QRgb p = full.pixel(x * factor + i, y * factor + j);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            out.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    return out;
}

int largestDifference(const QImage& a, const QImage& b) {
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

class BmpReaderTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString write(const QByteArray& bytes, const char* name = "p.bmp") {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(testbmp::writeFile(path, bytes));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(BmpReaderTest, EveryKindReadsAsQtReadsItAtEveryReduction) {
    const struct {
        const char* name;
        Kind kind;
    } kinds[] = {
        {"1 bit", {1, 0, false}},       {"1 bit top-down", {1, 0, true}}, {"4 bits", {4, 0, false}},
        {"4 bits RLE", {4, 2, false}},  {"8 bits", {8, 0, false}},        {"8 bits top-down", {8, 0, true}},
        {"8 bits RLE", {8, 1, false}},  {"24 bits", {24, 0, false}},      {"24 bits top-down", {24, 0, true}},
        {"24 bits, version 5 header", {24, 0, false, 124}},
        {"32 bits", {32, 0, false}},    {"32 bits top-down", {32, 0, true}},
        {"32 bits, bit fields", {32, 3, false}},
    };
    // Odd sizes: rows padded to four bytes, partial blocks dropped.
    for (const auto& [name, kind] : kinds) {
        SCOPED_TRACE(name);
        const QString path = write(testbmp::makeBmp(83, 61, kind));
        const std::optional<BmpLayout> layout = bmpLayout(path);
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->width, 83);
        EXPECT_EQ(layout->height, 61);
        const QImage qt(path);
        ASSERT_FALSE(qt.isNull());
        for (int factor : {1, 2, 4, 8}) {
            SCOPED_TRACE(factor);
            const QImage ours = readReducedBmp(path, *layout, factor);
            ASSERT_EQ(ours.size(), QSize(83 / factor, 61 / factor));
            EXPECT_LE(largestDifference(ours, boxMean(qt, factor)), 0);
        }
    }
}

TEST_F(BmpReaderTest, TheMasterEqualsRepeatedHalvingWithinRounding) {
    const QString path = write(testbmp::makeBmp(1030, 700, {24, 0, false}));
    qtui::PictureCache cache;
    const std::optional<qtui::PictureFile> file = cache.probe(path);
    ASSERT_TRUE(file && file->bmp);
    const QImage master = qtui::masterPicture(*file);
    QImage halved = qtui::drawableImage(QImage(path));
    while (halved.width() > qtui::kMasterSide)
        halved = qtui::smoothlyScaled(halved, {halved.width() / 2, halved.height() / 2});
    ASSERT_EQ(master.size(), QSize(128, 87));
    ASSERT_EQ(halved.size(), master.size());
    EXPECT_LE(largestDifference(master, halved), 2);
}

TEST_F(BmpReaderTest, KindsLeftToQtAreRefused) {
    QByteArray sixteen = testbmp::makeBmp(8, 8, {24, 0, false});
    sixteen[28] = 16;
    EXPECT_FALSE(bmpLayout(sixteen, sixteen.size()));
    QByteArray os2 = testbmp::makeBmp(8, 8, {24, 0, false});
    os2[14] = 12;
    EXPECT_FALSE(bmpLayout(os2, os2.size()));
    QByteArray alpha = testbmp::makeBmp(8, 8, {32, 0, false, 124});
    alpha[69] = '\xFF';  // an alpha mask
    EXPECT_FALSE(bmpLayout(alpha, alpha.size()));
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.resize(200);
    EXPECT_FALSE(bmpLayout(png, png.size()));
    QByteArray topDownRle = testbmp::makeBmp(8, 8, {8, 1, false});
    topDownRle[25] = '\xFF';
    topDownRle[24] = '\xFF';
    topDownRle[23] = '\xFF';
    topDownRle[22] = '\xF8';  // height -8
    EXPECT_FALSE(bmpLayout(topDownRle, topDownRle.size()));
}

TEST_F(BmpReaderTest, LyingAndTruncatedFilesNeverReadPastTheirEnd) {
    const QByteArray good = testbmp::makeBmp(40, 30, {24, 0, false});
    // Cut short: the header promises more rows than the file holds.
    EXPECT_FALSE(bmpLayout(good.left(good.size() - 10), good.size() - 10));
    // A size of 60000 × 60000 in a small file.
    QByteArray huge = good;
    huge[18] = '\x60';
    huge[19] = '\xEA';
    huge[22] = '\x60';
    huge[23] = '\xEA';
    EXPECT_FALSE(bmpLayout(huge, huge.size()));
    // Pixels said to start beyond the file, or inside the header.
    QByteArray far = good;
    far[13] = '\x7F';
    EXPECT_FALSE(bmpLayout(far, far.size()));
    QByteArray inside = good;
    inside[10] = 20;
    EXPECT_FALSE(bmpLayout(inside, inside.size()));
    // No width, no planes, a header too short to hold its own fields.
    QByteArray empty = good;
    empty[18] = empty[19] = 0;
    EXPECT_FALSE(bmpLayout(empty, empty.size()));
    EXPECT_FALSE(bmpLayout(good.left(30), 30));
    // A palette that claims a thousand colours is read as the 256 there can be.
    QByteArray colours = testbmp::makeBmp(16, 16, {8, 0, false});
    colours[46] = '\xE8';
    colours[47] = '\x03';
    const std::optional<BmpLayout> capped = bmpLayout(colours, colours.size());
    ASSERT_TRUE(capped);
    EXPECT_EQ(capped->paletteEntries, 256);

    // The file changed after its header was read: not read as it was.
    const QString path = write(good);
    const std::optional<BmpLayout> layout = bmpLayout(path);
    ASSERT_TRUE(layout);
    ASSERT_TRUE(testbmp::writeFile(path, good.left(good.size() / 2)));
    EXPECT_TRUE(readReducedBmp(path, *layout, 1).isNull());
}

TEST_F(BmpReaderTest, RowsPastTheEndAreFoundHoweverLargeTheHeaderSaysTheyAre) {
    const QByteArray whole = testbmp::makeBmp(40, 30, {24, 0, false});
    // The largest width, bits and height a header can give: more rows than
    // 64 bits can count.
    QByteArray largest = whole;
    for (const int at : {18, 22}) largest.replace(at, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
    largest.replace(28, 2, QByteArray("\xFF\xFF", 2));
    const struct {
        const char* name;
        QByteArray head;
        qint64 fileBytes;
        bool pastEnd;
    } cases[] = {
        {"whole", whole, whole.size(), false},
        {"cut short", whole, whole.size() - 1, true},
        {"largest header", largest, largest.size(), true},
    };
    for (const auto& [name, head, fileBytes, pastEnd] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(qtui::bmpRowsPastEnd(head, fileBytes), pastEnd);
    }
}

TEST_F(BmpReaderTest, DamagedRunLengthDataFailsClearly) {
    const QByteArray good = testbmp::makeBmp(50, 40, {8, 1, false});
    const int pixels = 14 + 40 + 4 * 256;
    // Cut inside the first run, halfway, and before the top row's end.
    for (const qsizetype cut : {qsizetype{pixels + 1}, good.size() / 2, good.size() - 4}) {
        SCOPED_TRACE(cut);
        const QString path = write(good.left(cut));
        const std::optional<BmpLayout> layout = bmpLayout(path);
        ASSERT_TRUE(layout);
        EXPECT_TRUE(readReducedBmp(path, *layout, 2).isNull());
    }
    // Runs longer than a row and deltas past the picture are cut off.
    QByteArray wild = good.left(pixels);
    wild.append("\xFF\x05\xFF\x06\x00\x02\xFF\xFF\x03\x07\x00\x00\x00\x01", 14);
    const QString path = write(wild, "wild.bmp");
    const std::optional<BmpLayout> layout = bmpLayout(path);
    ASSERT_TRUE(layout);
    const QImage read = readReducedBmp(path, *layout, 1);
    ASSERT_EQ(read.size(), QSize(50, 40));
    EXPECT_EQ(read.pixel(0, 39), testbmp::paletteColour(8, 5));
}

}  // namespace
}  // namespace cal
