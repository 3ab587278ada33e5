// The Qt tests need an application object and a screen: Qt's offscreen
// platform gives one anywhere, also while the tests are only being listed.

#include "qt/drawing/font_substitutions.h"
#include "qt/unknown_controls.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    cal::qtui::installFontSubstitutions();
    cal::qttest::failAtUnknownControls();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
