// A top-down BMP (negative height in its header) is drawn the right way up.

#include "qt/pictures/picture_cache.h"
#include "qt/drawing/qt_bitmap.h"

#include <QColor>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace cal {
namespace {

// A 3 × 2 picture of 24-bit pixels, stored top row first: red above blue.
QByteArray topDownBmp() {
    const int width = 3, height = 2, rowBytes = 12;
    std::string b(54 + rowBytes * height, '\0');
    const auto put32 = [&](int at, int v) {
        for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(at + i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<int>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, -height);
    b[26] = 1;
    b[28] = 24;
    put32(34, rowBytes * height);
    for (int x = 0; x < width; ++x) {
        b[static_cast<std::size_t>(54 + 3 * x + 2)] = '\xFF';                 // first row stored: red
        b[static_cast<std::size_t>(54 + rowBytes + 3 * x)] = '\xFF';          // second row: blue
    }
    return QByteArray(b.data(), static_cast<qsizetype>(b.size()));
}

TEST(TopDownBmp, IsDrawableAtItsSizeAndTheRightWayUp) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("topdown.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(topDownBmp());
    file.close();

    qtui::PictureCache cache;
    qtui::QtBitmap bitmap(cache);
    ASSERT_TRUE(bitmap.load(path.toStdString()));
    EXPECT_EQ(bitmap.width(), 3);
    EXPECT_EQ(bitmap.height(), 2);
    const QImage drawn = bitmap.scaled(QSize(3, 2));
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(QColor(drawn.pixel(1, 0)), QColor(Qt::red));
    EXPECT_EQ(QColor(drawn.pixel(1, 1)), QColor(Qt::blue));
}

}  // namespace
}  // namespace cal
