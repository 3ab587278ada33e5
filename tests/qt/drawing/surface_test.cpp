// Drawing on picture controls and form surfaces lands on their images.

#include "qt/drawing/canvas.h"
#include "qt/forms/form_window.h"
#include "qt/drawing/palette.h"
#include "qt/forms/qt_forms_service.h"
#include "qt/drawing/screen_units.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cal {
namespace {

// The smallest rectangle holding every pixel that is not white.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class SurfaceTest : public testing::Test {
protected:
    void SetUp() override {
        forms.createForm("FORM3");
        scale = qtui::widgetScale(*forms.window("FORM3"));
        picture().clear();
    }
    qtui::Canvas& picture() {
        return dynamic_cast<qtui::Canvas&>(forms.surface("FORM3", "PICTURE61"));
    }
    const QImage& image() { return picture().image(); }
    QPoint px(double x, double y) const {
        return {qtui::toPixelsX(x, scale), qtui::toPixelsY(y, scale)};
    }
    QRgb at(double x, double y) { return image().pixel(px(x, y)); }

    qtui::QtFormsService forms;
    qtui::ScreenScale scale;
};

TEST_F(SurfaceTest, PaletteHasTheCalendarColoursWhereItNeedsThem) {
    EXPECT_EQ(qtui::paletteColor(2), QColor(Qt::black));
    EXPECT_EQ(qtui::paletteColor(5), QColor(Qt::red));
    EXPECT_EQ(qtui::paletteColor(11), QColor(Qt::blue));
    EXPECT_EQ(qtui::paletteColor(16), QColor(Qt::black));
    EXPECT_EQ(qtui::paletteColor(-1), QColor(Qt::black));
}

TEST_F(SurfaceTest, TheImageFollowsThePictureSize) {
    const QWidget* widget = forms.window("FORM3")->findChild<QWidget*>(QStringLiteral("PICTURE61"));
    EXPECT_EQ(image().size(), widget->size());
    picture().rectangle(10, 10, 50, 50, 5);
    forms.resize("FORM3", "PICTURE61", 500, 400);
    picture().clear();
    EXPECT_EQ(image().size(), widget->size());
    EXPECT_EQ(inkBounds(image()), QRect());
}

TEST_F(SurfaceTest, RectangleOutlinesIncludeBothCorners) {
    picture().rectangle(300, 200, 100, 100, 5);  // corners in either order
    const QPoint topLeft = px(100, 100);
    const QPoint bottomRight = px(300, 200);
    EXPECT_EQ(inkBounds(image()), QRect(topLeft, bottomRight));
    EXPECT_EQ(image().pixel(topLeft), qRgb(255, 0, 0));
    EXPECT_EQ(image().pixel(bottomRight), qRgb(255, 0, 0));
    EXPECT_EQ(image().pixel(topLeft.x(), (topLeft.y() + bottomRight.y()) / 2), qRgb(255, 0, 0));
    EXPECT_EQ(at(200, 150), qRgb(255, 255, 255));  // outline only
    EXPECT_EQ(image().pixel(topLeft + QPoint(1, 1)), qRgb(255, 255, 255));

    picture().clear();
    EXPECT_EQ(inkBounds(image()), QRect());
}

TEST_F(SurfaceTest, TextStartsAtItsTopLeftInItsColour) {
    forms.setFontSize("FORM3", "PICTURE61", 20);
    picture().text(50, 40, "日曜", 1, 1, 11);
    const QRect ink = inkBounds(image());
    ASSERT_FALSE(ink.isEmpty());
    const QPoint origin = px(50, 40);
    EXPECT_GE(ink.left(), origin.x());
    EXPECT_GE(ink.top(), origin.y());
    // Only the glyphs' own bearings lie between the point and the ink.
    const double em = 20 * qtui::dpiY(scale) / 72;
    EXPECT_LT(ink.left() - origin.x(), 0.25 * em);
    EXPECT_LT(ink.top() - origin.y(), 0.3 * em);
    bool blue = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            blue = blue || image().pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_TRUE(blue);
}

TEST_F(SurfaceTest, TextIsMagnifiedEachWayOnItsOwn) {
    forms.setFontSize("FORM3", "PICTURE61", 12);
    picture().text(10, 10, "日", 1, 1, 2);
    const QRect plain = inkBounds(image());
    picture().clear();
    picture().text(10, 10, "日", 1, 2, 2);
    const QRect tall = inkBounds(image());
    picture().clear();
    picture().text(10, 10, "日", 2, 1, 2);
    const QRect wide = inkBounds(image());

    ASSERT_FALSE(plain.isEmpty());
    EXPECT_NEAR(tall.height(), 2.0 * plain.height(), 0.2 * plain.height());
    EXPECT_NEAR(tall.width(), plain.width(), 2);
    EXPECT_NEAR(wide.width(), 2.0 * plain.width(), 0.2 * plain.width());
    EXPECT_NEAR(wide.height(), plain.height(), 2);
}

TEST_F(SurfaceTest, TextSizeFollowsThePointSizeAtTheScreensResolution) {
    forms.setFontSize("FORM3", "PICTURE61", 10);
    picture().text(10, 10, "日", 1, 1, 2);
    const int ten = inkBounds(image()).height();
    picture().clear();
    forms.setFontSize("FORM3", "PICTURE61", 20);
    picture().text(10, 10, "日", 1, 1, 2);
    const int twenty = inkBounds(image()).height();
    EXPECT_NEAR(twenty, 2.0 * ten, 0.2 * ten);
    // A full-width character is nearly as tall as the font's em: 20 pt.
    const double em = 20 * qtui::dpiY(scale) / 72;
    EXPECT_GT(twenty, 0.7 * em);
    EXPECT_LT(twenty, 1.05 * em);
}

TEST_F(SurfaceTest, StretchFillsItsRectangleWithTheWholeBitmap) {
    QTemporaryDir dir;
    QImage source(4, 2, QImage::Format_RGB32);
    source.fill(Qt::blue);
    source.setPixel(3, 1, qRgb(255, 0, 0));  // one red corner pixel
    const QString path = dir.filePath(QStringLiteral("stamp.BMP"));
    ASSERT_TRUE(source.save(path, "BMP"));

    std::unique_ptr<Bitmap> bitmap = forms.createBitmap();
    EXPECT_EQ(bitmap->width(), 0);
    ASSERT_TRUE(bitmap->load(path.toStdString()));
    EXPECT_EQ(bitmap->width(), 4);
    EXPECT_EQ(bitmap->height(), 2);

    picture().stretch(*bitmap, 100, 50, 200, 200);  // aspect not kept
    EXPECT_EQ(inkBounds(image()), QRect(px(100, 50), px(300, 250) - QPoint(1, 1)));
    EXPECT_EQ(at(120, 70), qRgb(0, 0, 255));
    EXPECT_EQ(at(290, 240), qRgb(255, 0, 0));
}

TEST_F(SurfaceTest, AMissingBitmapLoadsNothingAndDrawsNothing) {
    std::unique_ptr<Bitmap> bitmap = forms.createBitmap();
    EXPECT_FALSE(bitmap->load("/nonexistent/picture.bmp"));
    EXPECT_EQ(bitmap->width(), 0);
    EXPECT_EQ(bitmap->height(), 0);
    picture().stretch(*bitmap, 0, 0, 100, 100);
    EXPECT_EQ(inkBounds(image()), QRect());
}

TEST_F(SurfaceTest, TheFormsOwnSurfaceIsDrawnBehindItsControls) {
    auto* window = dynamic_cast<qtui::FormWindow*>(forms.window("FORM3"));
    ASSERT_NE(window, nullptr);
    Surface& own = forms.surface("FORM3", "");
    EXPECT_EQ(&own, &window->canvas());
    own.clear();
    own.rectangle(20, 1450, 400, 1550, 5);
    EXPECT_EQ(window->canvas().image().pixel(px(20, 1500)), qRgb(255, 0, 0));
    // The window shows it where no control covers it.
    const QImage shown = window->grab().toImage();
    EXPECT_EQ(shown.pixel(px(20, 1500)), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(px(200, 1580)), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace cal
