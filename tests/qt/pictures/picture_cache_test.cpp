// Pictures for the screen: headers read on load and remembered for the run,
// each file state decoded once into a reduced master, drawn sizes scaled
// from it, within a byte bound.

#include "qt/pictures/bmp_files.h"
#include "qt/drawing/canvas.h"
#include "qt/pictures/picture_cache.h"
#include "qt/pictures/reduction.h"
#include "qt/drawing/qt_bitmap.h"
#include "qt/forms/qt_forms_service.h"
#include "qt/drawing/screen_units.h"
#include "qt/qt_test_support.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace cal {
namespace {

using qtui::PictureCache;
using qtui::PictureFile;
using qtui::QtBitmap;

class PictureCacheTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString write(const char* name, QColor color, QSize size = {64, 48}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        return save(name, image);
    }
    QString save(const char* name, const QImage& image) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    PictureFile probe(PictureCache& cache, const QString& path) {
        const std::optional<PictureFile> file = cache.probe(path);
        EXPECT_TRUE(file.has_value());
        return file.value_or(PictureFile{});
    }

    QTemporaryDir dir;
};

// 10 × 10 pixels of 32 bits.
constexpr qsizetype kSmall = 400;

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
           std::abs(qBlue(a) - qBlue(b)) <= 1;
}

TEST_F(PictureCacheTest, TheHeaderGivesTheSizeWhateverTheFileIsCalled) {
    const QString bmp = write("a.bmp", Qt::red, {640, 480});
    const QString renamed = dir.filePath(QStringLiteral("a.png"));
    ASSERT_TRUE(QFile::copy(bmp, renamed));
    PictureCache cache;
    EXPECT_EQ(probe(cache, renamed).size, QSize(640, 480));

    QFile text(dir.filePath(QStringLiteral("b.bmp")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    EXPECT_FALSE(cache.probe(text.fileName()));
    EXPECT_FALSE(cache.probe(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_FALSE(cache.probe(dir.path()));
}

TEST_F(PictureCacheTest, EveryDrawnSizeComesFromOneDecode) {
    PictureCache cache;
    const PictureFile file = probe(cache, write("a.bmp", Qt::red, {640, 480}));
    for (const QSize size : {QSize(95, 80), QSize(47, 40), QSize(50, 42), QSize(27, 22)}) {
        const QImage picture = cache.scaled(file, size);
        EXPECT_EQ(picture.size(), size);
        EXPECT_EQ(picture.pixel(size.width() / 2, size.height() / 2), qRgb(255, 0, 0));
    }
    EXPECT_EQ(cache.decodes(), 1);
    EXPECT_EQ(cache.scaled(file, {27, 22}).cacheKey(), cache.scaled(file, {27, 22}).cacheKey());
    EXPECT_TRUE(cache.scaled(file, {0, 10}).isNull());
    EXPECT_EQ(cache.decodes(), 1);

    // Larger than the master: the file has more to give.
    const int side = qtui::kMasterSide;
    EXPECT_EQ(cache.scaled(file, {side + 1, 10}).size(), QSize(side + 1, 10));
    EXPECT_EQ(cache.decodes(), 2);
    // A file smaller than the master is its own master: nothing more to read.
    const PictureFile small = probe(cache, write("b.bmp", Qt::blue, {32, 24}));
    EXPECT_EQ(cache.scaled(small, {16, 12}).pixel(8, 6), qRgb(0, 0, 255));
    EXPECT_EQ(cache.scaled(small, {side + 1, side + 1}).size(), QSize(side + 1, side + 1));
    EXPECT_EQ(cache.decodes(), 3);
}

TEST_F(PictureCacheTest, APrintersCopiesArriveInOrderOnItsThreadEachFileReadOnce) {
    PictureCache cache;
    const QColor colors[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
    std::vector<std::pair<PictureFile, QSize>> wanted;
    for (int i = 0; i < 6; ++i) {
        const std::string name = "p" + std::to_string(i) + ".bmp";
        // Every other one larger than a master: read at its size instead.
        const QSize size = i % 2 == 0 ? QSize(95, 80) : QSize(qtui::kMasterSide + 40, 300);
        wanted.emplace_back(probe(cache, write(name.c_str(), colors[i], {640, 480})), size);
    }
    std::vector<std::size_t> order;
    const QThread* caller = QThread::currentThread();
    cache.scaledCopies(wanted, [&](std::size_t i, const QImage& copy) {
        order.push_back(i);
        EXPECT_EQ(QThread::currentThread(), caller);
        ASSERT_EQ(copy.size(), wanted[i].second);
        EXPECT_EQ(copy.pixel(copy.width() / 2, copy.height() / 2), colors[i].rgb());
    });
    EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(cache.decodes(), 6);
}

TEST_F(PictureCacheTest, ReductionsAverageEveryPixelOfEachChannel) {
    // A checkerboard of two colours reduces to their mean; odd sizes take the
    // last column and row apart.
    const QRgb one = qRgb(200, 10, 61);
    const QRgb two = qRgb(100, 250, 1);
    const QRgb mean = qRgb(150, 130, 31);
    QImage board(642, 482, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x) board.setPixel(x, y, (x + y) % 2 == 0 ? one : two);
    PictureCache cache;
    const PictureFile file = probe(cache, save("board.bmp", board));
    for (const QSize size : {QSize(80, 60), QSize(27, 22), QSize(161, 121)}) {
        const QImage picture = cache.scaled(file, size);
        ASSERT_EQ(picture.size(), size);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_TRUE(near(picture.pixel(x, y), mean)) << size.width() << ": " << x << ", " << y;
    }
    // Straight from the file, as the printers scale.
    const QImage printed = qtui::smoothlyScaled(board, {95, 80});
    ASSERT_EQ(printed.size(), QSize(95, 80));
    EXPECT_TRUE(near(printed.pixel(94, 79), mean));
    EXPECT_TRUE(near(printed.pixel(40, 30), mean));
}

TEST_F(PictureCacheTest, TheLeastRecentlyUsedGoFirstAtTheBound) {
    PictureCache cache(2 * kSmall);
    const PictureFile a = probe(cache, write("a.bmp", Qt::red, {10, 10}));
    const PictureFile b = probe(cache, write("b.bmp", Qt::green, {10, 10}));
    const PictureFile c = probe(cache, write("c.bmp", Qt::blue, {10, 10}));
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
    const PictureFile before = probe(cache, path);
    EXPECT_EQ(cache.scaled(before, {10, 10}).pixel(1, 1), qRgb(255, 0, 0));

    // Same size on disk, only the time tells.
    write("a.bmp", Qt::blue);
    const std::filesystem::path native = QFile::encodeName(path).toStdString();
    std::filesystem::last_write_time(native, std::filesystem::last_write_time(native) +
                                                 std::chrono::seconds(5));
    const PictureFile after = probe(cache, path);
    EXPECT_EQ(after.state.bytes, before.state.bytes);
    EXPECT_EQ(cache.scaled(after, {10, 10}).pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(cache.decodes(), 2);
}

// With change notices, an unchanged file is not looked at again, run after
// run; a change or a removal is seen once the notice has arrived.
TEST_F(PictureCacheTest, AWatchedFileIsLookedAtAgainOnlyWhenItChanges) {
    PictureCache cache;
    cache.watchFiles();
    const QString path = write("a.bmp", Qt::red, {640, 480});
    const std::string name = path.toStdString();
    auto widthInNewRun = [&] {
        QtBitmap run(cache);
        return run.load(name) ? run.width() : 0;
    };
    EXPECT_EQ(widthInNewRun(), 640);

    write("a.bmp", Qt::blue, {320, 240});
    EXPECT_TRUE(qttest::waitFor([&] { return widthInNewRun() == 320; }));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(qttest::waitFor([&] { return widthInNewRun() == 0; }));
    write("a.bmp", Qt::green, {64, 48});
    EXPECT_EQ(widthInNewRun(), 64);  // a missing file is looked for every run
}

TEST_F(PictureCacheTest, ABitmapKnowsEachPathForItsRunAndTheNextRunLooksAgain) {
    PictureCache cache;
    const QString path = write("a.bmp", Qt::red, {640, 480});
    const std::string name = path.toStdString();
    {
        QtBitmap run(cache);
        ASSERT_TRUE(run.load(name));
        EXPECT_EQ(run.scaled({27, 22}).pixel(5, 5), qRgb(255, 0, 0));

        // Replaced while the run goes on: the run, and any bitmap made for
        // a check inside it, keeps what it learned.
        write("a.bmp", Qt::blue, {320, 240});
        ASSERT_TRUE(run.load(name));
        EXPECT_EQ(run.width(), 640);
        QtBitmap check(cache);
        ASSERT_TRUE(check.load(name));
        EXPECT_EQ(check.width(), 640);
        EXPECT_EQ(run.scaled({50, 42}).pixel(5, 5), qRgb(255, 0, 0));
        EXPECT_EQ(cache.decodes(), 1);
    }
    {
        QtBitmap next(cache);
        ASSERT_TRUE(next.load(name));
        EXPECT_EQ(next.width(), 320);
        EXPECT_EQ(next.scaled({27, 22}).pixel(5, 5), qRgb(0, 0, 255));
        EXPECT_EQ(cache.decodes(), 2);

        // Removed: loading it again in the same run touches no file.
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(next.load(name));
        EXPECT_EQ(next.height(), 240);
        EXPECT_EQ(next.scaled({27, 22}).pixel(5, 5), qRgb(0, 0, 255));
    }
    EXPECT_FALSE(QtBitmap(cache).load(name));
}

TEST_F(PictureCacheTest, ARepaintWithNothingChangedDecodesNothing) {
    qtui::QtFormsService forms;
    forms.createForm("FORM3");
    Surface& surface = forms.surface("FORM3", "PICTURE61");
    const std::string path = write("a.bmp", Qt::red, {640, 480}).toStdString();
    const auto paint = [&] {
        // One bitmap for the run, as the drawing code does; several sizes.
        std::unique_ptr<Bitmap> bitmap = forms.createBitmap();
        for (int i = 0; i < 20; ++i) {
            ASSERT_TRUE(bitmap->load(path));
            surface.stretch(*bitmap, 10 + 60 * (i % 5), 10, 50 - i, 42 - i);
        }
    };
    paint();
    EXPECT_EQ(forms.pictures().decodes(), 1);
    paint();
    EXPECT_EQ(forms.pictures().decodes(), 1);
    const QImage& image = dynamic_cast<qtui::Canvas&>(surface).image();
    const qtui::ScreenScale scale = qtui::widgetScale(*forms.window("FORM3"));
    EXPECT_EQ(image.pixel(qtui::toPixelsX(30, scale), qtui::toPixelsY(30, scale)), qRgb(255, 0, 0));
}

TEST_F(PictureCacheTest, ADrawingRunKeepsWhatItUsesWhateverTheBound) {
    // Room for two masters; a run draws four pictures twice over.
    PictureCache cache(2 * 64 * 48 * 4);
    std::vector<std::string> paths;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"})
        paths.push_back(write(name, Qt::red).toStdString());
    {
        QtBitmap run(cache);
        for (int round = 0; round < 2; ++round)
            for (const std::string& path : paths) {
                ASSERT_TRUE(run.load(path));
                EXPECT_FALSE(run.scaled({27, 22}).isNull());
            }
        EXPECT_EQ(cache.decodes(), 4);
    }
    // Once the run is over, the bound holds again.
    EXPECT_LE(cache.bytes(), 2 * 64 * 48 * 4);
}

// A bitmap that ends before the rows its header promises is damaged: it
// fails, whichever reader would take it, instead of being drawn in part.
TEST_F(PictureCacheTest, ABitmapCutShortOfItsRowsFails) {
    const testbmp::Kind kinds[] = {{24, 0, false}, {24, 0, true}, {8, 0, false}, {32, 3, false}, {32, 0, false, 124}};
    for (const testbmp::Kind& kind : kinds) {
        SCOPED_TRACE(kind.bits * 10 + kind.compression);
        PictureCache cache;
        const QString path = dir.filePath(QStringLiteral("cut.bmp"));
        const QByteArray whole = testbmp::makeBmp(640, 480, kind);
        ASSERT_TRUE(testbmp::writeFile(path, whole.left(5000)));
        const std::uint64_t mark = cache.failureMark();
        const std::optional<PictureFile> cut = cache.probe(path);
        if (cut) {
            EXPECT_TRUE(cache.scaled(*cut, {64, 48}).isNull());
        }
        EXPECT_EQ(cache.failuresSince(mark), std::vector<QString>{path});
    }
}

TEST_F(PictureCacheTest, AFileThatFailedIsNotTriedAgainUntilItChanges) {
    PictureCache cache;
    const QString path = dir.filePath(QStringLiteral("broken.bmp"));
    const QByteArray whole = testbmp::makeBmp(40, 40, {8, 1, false});
    ASSERT_TRUE(testbmp::writeFile(path, whole.left(whole.size() / 2)));
    const PictureFile broken = probe(cache, path);
    EXPECT_TRUE(cache.scaled(broken, {10, 10}).isNull());
    EXPECT_EQ(cache.decodes(), 1);
    const std::uint64_t mark = cache.failureMark();
    EXPECT_FALSE(cache.probe(path));
    EXPECT_TRUE(cache.scaled(broken, {12, 12}).isNull());
    EXPECT_EQ(cache.decodes(), 1);
    EXPECT_EQ(cache.failuresSince(mark), std::vector<QString>{path});

    ASSERT_TRUE(testbmp::writeFile(path, whole));
    const PictureFile mended = probe(cache, path);
    EXPECT_EQ(cache.scaled(mended, {40, 40}).pixel(0, 39), testbmp::paletteColour(8, testbmp::indexAt(8, 0, 39)));
    EXPECT_EQ(cache.decodes(), 2);
}

// Text and frames at once, pictures when decoded; then the same image as
// drawing everything in one go.
TEST_F(PictureCacheTest, TheWindowShowsItsTextAtOnceAndItsPicturesAsTheyArrive) {
    const std::string path = write("a.bmp", Qt::red, {4000, 300}).toStdString();
    const auto draw = [&](qtui::QtFormsService& forms) -> qtui::Canvas& {
        forms.createForm("FORM3");
        Surface& surface = forms.surface("FORM3", "PICTURE61");
        surface.clear();
        const std::unique_ptr<Bitmap> bitmap = forms.createBitmap();
        EXPECT_TRUE(bitmap->load(path));
        surface.rectangle(5, 5, 200, 150, 2);
        surface.text(130, 40, "まえ", 1, 1, 3);  // under the picture's edge
        surface.stretch(*bitmap, 10, 10, 150, 100);
        surface.text(20, 20, "あいう", 1, 1, 2);  // over the picture
        surface.clip(0, 0, 60, 200);
        surface.text(40, 60, "きりとり", 2, 2, 4);  // over it, cut at the clip
        surface.noClip();
        return dynamic_cast<qtui::Canvas&>(surface);
    };
    qtui::QtFormsService background;
    qtui::Canvas& waiting = draw(background);
    QWidget& widget = *background.window("FORM3")->findChild<QWidget*>(QStringLiteral("PICTURE61"));
    const qtui::ScreenScale scale = qtui::widgetScale(widget);
    const QPoint inPicture(qtui::toPixelsX(100, scale), qtui::toPixelsY(90, scale));
    if (waiting.waitingPictures() == 1) {
        // What the window paints now: the frame, the text, no picture yet.
        const QImage now = widget.grab().toImage();
        EXPECT_EQ(now.pixel(inPicture), qRgb(255, 255, 255));
    }
    const QImage arrived = waiting.image();
    EXPECT_EQ(waiting.waitingPictures(), 0);
    EXPECT_EQ(arrived.pixel(inPicture), qRgb(255, 0, 0));

    qtui::QtFormsService atOnce;
    atOnce.pictures().setBackground(false);
    EXPECT_EQ(draw(atOnce).image(), arrived);
}

// A picture arriving over part of one already drawn: what was drawn over
// the earlier picture outside the new one's place stays.
TEST_F(PictureCacheTest, AnArrivingPictureRedrawsOnlyItsOwnPlace) {
    const std::string early = write("early.bmp", Qt::green).toStdString();
    const std::string late = write("late.bmp", Qt::blue).toStdString();
    const auto draw = [&](qtui::QtFormsService& forms, bool warmEarly) -> qtui::Canvas& {
        forms.createForm("FORM3");
        Surface& surface = forms.surface("FORM3", "PICTURE61");
        const std::unique_ptr<Bitmap> first = forms.createBitmap();
        const std::unique_ptr<Bitmap> second = forms.createBitmap();
        EXPECT_TRUE(first->load(early));
        EXPECT_TRUE(second->load(late));
        if (warmEarly) {
            surface.clear();
            surface.stretch(*first, 10, 10, 150, 100);
            dynamic_cast<qtui::Canvas&>(surface).image();
        }
        surface.clear();
        surface.stretch(*first, 10, 10, 150, 100);
        surface.stretch(*second, 100, 60, 150, 100);
        surface.text(15, 15, "あいう", 1, 1, 2);  // over the first only
        return dynamic_cast<qtui::Canvas&>(surface);
    };
    qtui::QtFormsService background;
    const QImage arrived = draw(background, true).image();
    qtui::QtFormsService atOnce;
    atOnce.pictures().setBackground(false);
    EXPECT_EQ(draw(atOnce, false).image(), arrived);
}

TEST_F(PictureCacheTest, ThePrintOnlyServicePaintsNoWindow) {
    qtui::QtFormsService forms(qtui::QtFormsService::Mode::Headless, dir.filePath(QStringLiteral("out.pdf")).toStdString());
    forms.createForm("FORM3");
    EXPECT_EQ(dynamic_cast<qtui::Canvas*>(&forms.surface("FORM3", "PICTURE61")), nullptr);
    EXPECT_EQ(dynamic_cast<qtui::Canvas*>(&forms.surface("FORM3", "")), nullptr);
}

}  // namespace
}  // namespace cal
