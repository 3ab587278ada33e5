// The year utility on real widgets: opened once from the main window, fitted
// to a small screen, and a typed day count saved to the year's file.
#include "app/app.h"
#include "data/year_file.h"
#include "qt/forms/qt_forms_service.h"
#include "support/month_setup.h"
#include "qt/qt_test_support.h"
#include "ui/names.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cstring>
#include <gtest/gtest.h>

namespace cal::test {
namespace {

class YearUtilityWindow : public ::testing::Test {
protected:
    void SetUp() override {
        h.clock.date = {2024, 6, 10};
        writeYearFile(h, 2024, 6, "土", 30);
        writeMonthFile(h, 2024, 6);
        forms.setEventSink(&app);
        app.start({h.dir.path(), h.dir.path()});
        settle();
    }
    void settle() { qttest::settle(forms); }
    template <typename W>
    W* control(const char* form, const char* name) {
        QWidget* window = forms.window(form);
        return window == nullptr ? nullptr : window->findChild<W*>(QString::fromUtf8(name));
    }
    int utilityWindows() const {
        int n = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            n += w->objectName() == QStringLiteral("FORM4") && w->isVisible();
        return n;
    }

    Harness h;
    qtui::QtFormsService forms;
    App app{*h.state, forms, h.clock, h.registry};
};

TEST_F(YearUtilityWindow, OpensOnceAndATypedDayCountReachesTheFile) {
    control<QPushButton>(kMainForm, "BUTTON25")->click();
    settle();
    control<QPushButton>(kMainForm, "BUTTON25")->click();
    settle();
    ASSERT_EQ(utilityWindows(), 1);

    // Taller than the offscreen screen: the window fits it and scrolls.
    const QWidget* window = forms.window(kYearUtility);
    EXPECT_LE(window->height(), window->screen()->availableGeometry().height());

    auto* april = control<QLineEdit>(kYearUtility, "EDIT29");
    ASSERT_NE(april, nullptr);
    EXPECT_EQ(april->accessibleName(), QStringLiteral("４月 日数"));
    EXPECT_EQ(control<QLineEdit>(kYearUtility, "EDIT126")->accessibleName(), QStringLiteral("祭日 3 コメント"));
    // Its buttons lie over the day editor's and read apart from them.
    const auto read = [&](const char* form, const char* name) {
        return QAccessible::queryAccessibleInterface(control<QPushButton>(form, name))->text(QAccessible::Name);
    };
    EXPECT_EQ(read(kYearUtility, "BUTTON24"), QStringLiteral("年度設定 更新"));
    EXPECT_EQ(read(kYearUtility, "BUTTON66"), QStringLiteral("年度設定 終了"));
    EXPECT_NE(read(kYearUtility, "BUTTON24"), read(kDayEditor, "BUTTON9"));
    april->setText(QStringLiteral("29"));

    qttest::whenModal([](QWidget& box) { qttest::pressKey(box, Qt::Key_Return); });
    control<QPushButton>(kYearUtility, "BUTTON24")->click();
    settle();

    const std::string bytes = readBytes(yearSettingsPath(h.dir.path(), "2024"));
    ASSERT_EQ(bytes.size(), sizeof(YearSettings));
    YearSettings saved;
    std::memcpy(&saved, bytes.data(), sizeof saved);
    EXPECT_EQ(saved.daysInMonth[1].get(), 29);
    EXPECT_EQ(saved.reservedHead.get(), 2024);
}

}  // namespace
}  // namespace cal::test
