// Pictures brought into the library: what the BMP holds, what name it gets,
// and what is refused without writing anything.
#include "qt/pictures/bmp_reader.h"
#include "qt/pictures/picture_import.h"
#include "layout/page_border.h"
#include "qt/qt_strings.h"
#include "support/test_platform.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>
#include <zlib.h>

namespace cal {
namespace {

using qtui::importPicture;
using qtui::toQString;

class PictureImportTest : public ::testing::Test {
protected:
    QString source(const QString& name) const { return toQString(dir.path()) + QStringLiteral("/") + name; }
    QString library(const std::string& name) const { return toQString(dir.file("Calendar_pic", name)); }
    QStringList libraryFiles() const {
        return QDir(toQString(dir.file("Calendar_pic", ""))).entryList(QDir::Files);
    }
    PictureImport import(const QString& file) { return importPicture(dir.path(), qtui::toStdString(file)); }
    void save(const QImage& image, const QString& name, QImageIOHandler::Transformations turn = {}) {
        QImageWriter writer(source(name));
        writer.setTransformation(turn);
        ASSERT_TRUE(writer.write(image)) << qtui::toStdString(writer.errorString());
    }
    test::TempDataDir dir;
};

QImage filled(int width, int height, QColor colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

TEST_F(PictureImportTest, TransparencyBecomesWhiteAndTheBmpReadsBackAlike) {
    QImage clipArt = filled(40, 20, Qt::transparent, QImage::Format_ARGB32);
    QPainter(&clipArt).fillRect(0, 0, 20, 20, Qt::red);
    save(clipArt, QStringLiteral("usagi.png"));
    const PictureImport imported = import(source(QStringLiteral("usagi.png")));
    ASSERT_TRUE(imported.ok()) << imported.error;
    EXPECT_EQ(imported.name, "usagi.bmp");

    const QImage qt(library(imported.name));
    EXPECT_EQ(qt.pixel(5, 5), QColor(Qt::red).rgb());
    EXPECT_EQ(qt.pixel(35, 5), QColor(Qt::white).rgb());
    const auto layout = qtui::bmpLayout(library(imported.name));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->bits, 24);
    EXPECT_EQ(qtui::readReducedBmp(library(imported.name), *layout, 1), qt.convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureImportTest, OrientationTurnsAndSizeIsReducedNeverEnlarged) {
    // Written 300 × 100 with the tag "turn a quarter": it is seen 100 × 300.
    save(filled(300, 100, Qt::blue), QStringLiteral("phone.jpg"), QImageIOHandler::TransformationRotate90);
    save(filled(4000, 3000, Qt::green), QStringLiteral("camera.jpg"));
    save(filled(1000, 1000, Qt::yellow), QStringLiteral("square.png"));
    save(filled(40, 30, Qt::black), QStringLiteral("small.bmp"));
    struct Case {
        const char* file;
        QSize size;
    };
    const int side = kLibraryPictureSide;
    for (const Case& c : {Case{"phone.jpg", {side / 3, side}}, Case{"camera.jpg", {side, side * 3 / 4}},
                          Case{"square.png", {side, side}}, Case{"small.bmp", {40, 30}}}) {
        const PictureImport imported = import(source(QString::fromLatin1(c.file)));
        ASSERT_TRUE(imported.ok()) << imported.error;
        const QSize got = QImage(library(imported.name)).size();
        EXPECT_NEAR(got.width(), c.size.width(), 1) << c.file;
        EXPECT_NEAR(got.height(), c.size.height(), 1) << c.file;
    }
}

TEST_F(PictureImportTest, SamePixelsAreReusedOtherPixelsGetAFreeName) {
    save(filled(30, 30, Qt::red), QStringLiteral("usagi.png"));
    ASSERT_EQ(import(source(QStringLiteral("usagi.png"))).name, "usagi.bmp");
    const PictureImport again = import(source(QStringLiteral("usagi.png")));
    EXPECT_EQ(again.name, "usagi.bmp");
    EXPECT_TRUE(again.reused);

    const QByteArray before = [&] {
        QFile f(library("usagi.bmp"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QDir().mkpath(source(QStringLiteral("other")));
    save(filled(30, 30, Qt::blue), QStringLiteral("other/USAGI.png"));
    const PictureImport other = import(source(QStringLiteral("other/USAGI.png")));
    EXPECT_EQ(other.name, "USAGI-2.bmp");  // usagi.bmp is taken whatever the case
    EXPECT_FALSE(other.reused);
    QFile kept(library("usagi.bmp"));
    kept.open(QIODevice::ReadOnly);
    EXPECT_EQ(kept.readAll(), before);
    EXPECT_EQ(import(source(QStringLiteral("other/USAGI.png"))).name, "USAGI-2.bmp");
}

// A PNG holding only a header that claims the size given.
QByteArray pngHeader(quint32 width, quint32 height) {
    QByteArray chunk("IHDR");
    for (quint32 v : {width, height})
        for (int shift : {24, 16, 8, 0}) chunk.append(static_cast<char>((v >> shift) & 0xFF));
    chunk.append("\x08\x02\x00\x00\x00", 5);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()), static_cast<uInt>(chunk.size()));
    QByteArray png("\x89PNG\r\n\x1a\n\x00\x00\x00\x0d", 12);
    png += chunk;
    for (int shift : {24, 16, 8, 0}) png.append(static_cast<char>((crc >> shift) & 0xFF));
    return png;
}

TEST_F(PictureImportTest, BadInputIsRefusedNamingTheFileAndWritesNothing) {
    save(filled(800, 600, Qt::red), QStringLiteral("whole.jpg"));
    QFile whole(source(QStringLiteral("whole.jpg")));
    whole.open(QIODevice::ReadOnly);
    const QByteArray jpeg = whole.readAll();
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(source(QString::fromLatin1(name)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    };
    write("cut.jpg", jpeg.left(jpeg.size() / 2));
    write("huge.png", pngHeader(100000, 100000));
    write("empty.png", {});
    write("letter.png", "Dear parents, ...");
    QDir().mkpath(source(QStringLiteral("folder.png")));
    for (const char* name : {"cut.jpg", "huge.png", "empty.png", "letter.png", "folder.png", "absent.png"}) {
        const PictureImport imported = import(source(QString::fromLatin1(name)));
        EXPECT_FALSE(imported.ok()) << name;
        EXPECT_NE(imported.error.find(name), std::string::npos) << imported.error;
    }
    EXPECT_FALSE(import(QStringLiteral("/dev/zero")).ok());  // read without end otherwise
    EXPECT_TRUE(libraryFiles().isEmpty());
}

}  // namespace
}  // namespace cal
