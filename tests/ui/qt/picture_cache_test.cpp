// Pictures for the screen: headers read on load, pixels decoded once per
// file state and drawn size, within a byte bound.

#include "ui/qt/canvas.h"
#include "ui/qt/picture_cache.h"
#include "ui/qt/qt_bitmap.h"
#include "ui/qt/qt_forms_service.h"
#include "ui/qt/screen_units.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cal {
namespace {

using qtui::PictureCache;
using qtui::PictureFile;
using qtui::probePicture;

class PictureCacheTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString write(const char* name, QColor color, QSize size = {64, 48}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    PictureFile probe(const QString& path) {
        const std::optional<PictureFile> file = probePicture(path);
        EXPECT_TRUE(file.has_value());
        return file.value_or(PictureFile{});
    }

    QTemporaryDir dir;
};

// 10 × 10 pixels of 32 bits.
constexpr qsizetype kSmall = 400;

TEST_F(PictureCacheTest, TheHeaderGivesTheSizeWhateverTheFileIsCalled) {
    const QString bmp = write("a.bmp", Qt::red, {640, 480});
    const QString renamed = dir.filePath(QStringLiteral("a.png"));
    ASSERT_TRUE(QFile::copy(bmp, renamed));
    EXPECT_EQ(probe(renamed).size, QSize(640, 480));

    QFile text(dir.filePath(QStringLiteral("b.bmp")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    EXPECT_FALSE(probePicture(text.fileName()));
    EXPECT_FALSE(probePicture(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_FALSE(probePicture(dir.path()));
}

TEST_F(PictureCacheTest, TheSameFileAtTheSameSizeIsDecodedOnce) {
    PictureCache cache;
    const PictureFile file = probe(write("a.bmp", Qt::red));
    const QImage first = cache.scaled(file, {10, 10});
    EXPECT_EQ(first.size(), QSize(10, 10));
    EXPECT_EQ(first.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(cache.scaled(file, {10, 10}).cacheKey(), first.cacheKey());
    EXPECT_EQ(cache.decodes(), 1);

    EXPECT_EQ(cache.scaled(file, {20, 10}).size(), QSize(20, 10));  // another size
    EXPECT_EQ(cache.decodes(), 2);
    EXPECT_TRUE(cache.scaled(file, {0, 10}).isNull());
    EXPECT_EQ(cache.decodes(), 2);
}

TEST_F(PictureCacheTest, TheLeastRecentlyUsedGoFirstAtTheBound) {
    PictureCache cache(2 * kSmall);
    const PictureFile a = probe(write("a.bmp", Qt::red));
    const PictureFile b = probe(write("b.bmp", Qt::green));
    const PictureFile c = probe(write("c.bmp", Qt::blue));
    cache.scaled(a, {10, 10});
    cache.scaled(b, {10, 10});
    cache.scaled(a, {10, 10});  // a is now the most recent
    cache.scaled(c, {10, 10});  // b goes
    EXPECT_EQ(cache.entries(), 2u);
    EXPECT_LE(cache.bytes(), 2 * kSmall);
    EXPECT_EQ(cache.decodes(), 3);

    cache.scaled(a, {10, 10});
    cache.scaled(c, {10, 10});
    EXPECT_EQ(cache.decodes(), 3);
    cache.scaled(b, {10, 10});
    EXPECT_EQ(cache.decodes(), 4);

    // A picture bigger than the bound is drawn but not kept.
    EXPECT_EQ(cache.scaled(a, {100, 100}).size(), QSize(100, 100));
    EXPECT_EQ(cache.entries(), 2u);
    EXPECT_LE(cache.bytes(), 2 * kSmall);
}

TEST_F(PictureCacheTest, AFileChangedOnDiskIsDecodedAnew) {
    PictureCache cache;
    const QString path = write("a.bmp", Qt::red);
    const PictureFile before = probe(path);
    EXPECT_EQ(cache.scaled(before, {10, 10}).pixel(1, 1), qRgb(255, 0, 0));

    // Same size on disk, only the time tells.
    write("a.bmp", Qt::blue);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::fromMSecsSinceEpoch(before.modified + 5000),
                                 QFileDevice::FileModificationTime));
    file.close();
    const PictureFile after = probe(path);
    EXPECT_EQ(after.bytes, before.bytes);
    EXPECT_EQ(cache.scaled(after, {10, 10}).pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(cache.decodes(), 2);
}

TEST_F(PictureCacheTest, ARepaintWithNothingChangedDecodesNothing) {
    QtFormsService forms;
    forms.createForm("FORM3");
    Surface& surface = forms.surface("FORM3", "PICTURE61");
    const std::string path = write("a.bmp", Qt::red, {640, 480}).toStdString();
    const auto paint = [&] {
        for (int i = 0; i < 20; ++i) {
            // As the drawing code does: check the file, load it again, draw.
            std::unique_ptr<Bitmap> check = forms.createBitmap();
            ASSERT_TRUE(check->load(path));
            EXPECT_EQ(check->width(), 640);
            std::unique_ptr<Bitmap> bitmap = forms.createBitmap();
            ASSERT_TRUE(bitmap->load(path));
            surface.stretch(*bitmap, 10 + 60 * (i % 5), 10, 50, 42);
        }
    };
    paint();
    // One decode per pixel size; rounding each edge gives at most two sizes each way.
    const int firstPaint = forms.pictures().decodes();
    EXPECT_GE(firstPaint, 1);
    EXPECT_LE(firstPaint, 4);
    paint();
    EXPECT_EQ(forms.pictures().decodes(), firstPaint);
    const QImage& image = dynamic_cast<qtui::Canvas&>(surface).image();
    const qtui::ScreenScale scale = qtui::widgetScale(*forms.window("FORM3"));
    EXPECT_EQ(image.pixel(qtui::toPixelsX(30, scale), qtui::toPixelsY(30, scale)), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace cal
