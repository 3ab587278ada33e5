// Forms built from their descriptions: controls, texts, geometry, fonts.

#include "windows/form_descriptions.h"
#include "qt/forms/picture_widget.h"
#include "qt/forms/qt_forms_service.h"
#include "qt/unknown_controls.h"
#include "qt/qt_strings.h"
#include "qt/drawing/screen_units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>


namespace cal {
namespace {

using qtui::toQString;
using qtui::toStdString;

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Text: return "QLabel";
    case ControlKind::Edit:
    case ControlKind::HEdit: return "QLineEdit";
    case ControlKind::Button: return "QPushButton";
    case ControlKind::Check: return "QCheckBox";
    case ControlKind::Radio: return "QRadioButton";
    case ControlKind::Combo: return "QComboBox";
    case ControlKind::Group: return "QGroupBox";
    case ControlKind::Picture: return "";
    }
    return "";
}

QString shownText(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    return {};
}

class FormsTest : public testing::TestWithParam<const char*> {};

TEST_P(FormsTest, EveryControlStandsWhereItsDescriptionPutsIt) {
    const FormDescription& description = *formDescription(GetParam());
    qtui::QtFormsService forms;
    ASSERT_TRUE(forms.createForm(description.name));
    QWidget* window = forms.window(description.name);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), toQString(description.caption));

    const qtui::ScreenScale scale = qtui::widgetScale(*window);
    EXPECT_NEAR(window->width(), description.width * scale.x, 1);
    EXPECT_NEAR(window->height(), description.height * scale.y, 1);
    const Geometry client = forms.geometry(description.name, "");
    EXPECT_NEAR(client.width, description.width, 1);
    EXPECT_NEAR(client.height, description.height, 1);

    for (const ControlDescription& c : description.controls) {
        SCOPED_TRACE(std::string(c.name));
        auto* widget = window->findChild<QWidget*>(toQString(c.name));
        ASSERT_NE(widget, nullptr);
        if (c.kind == ControlKind::Picture) {
            EXPECT_NE(dynamic_cast<qtui::PictureWidget*>(widget), nullptr);
        } else {
            EXPECT_STREQ(widget->metaObject()->className(), kindName(c.kind));
        }
        if (c.kind != ControlKind::Picture) {
            EXPECT_EQ(shownText(*widget), toQString(c.text));
            EXPECT_EQ(forms.text(description.name, c.name), std::string(c.text));
        }

        const Geometry g = forms.geometry(description.name, c.name);
        EXPECT_NEAR(g.x, c.x, 1);
        EXPECT_NEAR(g.y, c.y, 1);
        EXPECT_NEAR(g.width, c.width, 1);
        EXPECT_NEAR(g.height, c.height, 1);
        // The pixels themselves, not only the numbers kept for them.
        EXPECT_NEAR(widget->x(), c.x * scale.x, 1);
        EXPECT_NEAR(widget->y(), c.y * scale.y, 1);
        EXPECT_NEAR(widget->width(), c.width * scale.x, 1);
        EXPECT_NEAR(widget->height(), c.height * scale.y, 1);

        if (c.kind == ControlKind::Edit || c.kind == ControlKind::HEdit) {
            EXPECT_EQ(static_cast<QLineEdit*>(widget)->isReadOnly(), c.readOnly);
        }
        if (!c.fontName.empty()) {
            EXPECT_EQ(widget->font().family(), toQString(c.fontName));
        }
        if (c.fontSize > 0) {
            EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), c.fontSize);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllForms, FormsTest,
                         testing::Values("MAINFORM", "FORM2", "FORM3", "FORM6"));

TEST(FormsGeometry, FixedSizeFormsCannotBeResizedByTheUser) {
    qtui::QtFormsService forms;
    forms.createForm("FORM6");
    forms.createForm("FORM3");
    const QWidget* fixed = forms.window("FORM6");
    EXPECT_EQ(fixed->minimumSize(), fixed->maximumSize());
    const QWidget* sizable = forms.window("FORM3");
    EXPECT_NE(sizable->minimumSize(), sizable->maximumSize());

    forms.resize("FORM6", "", 1500, 800);
    const Geometry g = forms.geometry("FORM6", "");
    EXPECT_DOUBLE_EQ(g.width, 1500);
    EXPECT_DOUBLE_EQ(g.height, 800);
    EXPECT_EQ(fixed->minimumSize(), fixed->maximumSize());
}

TEST(FormsGeometry, MovedAndResizedThingsReadBackExactly) {
    qtui::QtFormsService forms;
    forms.createForm("FORM2");
    // Values that fall between pixels.
    forms.move("FORM2", "", 123.4, 56.7);
    forms.resize("FORM2", "", 2345.6, 1789.1);
    forms.move("FORM2", "PICTURE7", 401.3, 219.9);
    forms.resize("FORM2", "PICTURE7", 700.7, 380.2);

    const Geometry window = forms.geometry("FORM2", "");
    EXPECT_DOUBLE_EQ(window.x, 123.4);
    EXPECT_DOUBLE_EQ(window.y, 56.7);
    EXPECT_DOUBLE_EQ(window.width, 2345.6);
    EXPECT_DOUBLE_EQ(window.height, 1789.1);
    const Geometry cell = forms.geometry("FORM2", "PICTURE7");
    EXPECT_DOUBLE_EQ(cell.x, 401.3);
    EXPECT_DOUBLE_EQ(cell.y, 219.9);
    EXPECT_DOUBLE_EQ(cell.width, 700.7);
    EXPECT_DOUBLE_EQ(cell.height, 380.2);

    // Moving the window keeps its client size, pixel for pixel.
    const QSize before = forms.window("FORM2")->size();
    forms.move("FORM2", "", 10.1, 10.1);
    EXPECT_EQ(forms.window("FORM2")->size(), before);
}

TEST(FormsGeometry, CellsLaidEdgeToEdgeTouchInPixels) {
    qtui::QtFormsService forms;
    forms.createForm("FORM2");
    const double width = 701.3;
    for (int i = 0; i < 7; ++i) {
        const std::string name = "PICTURE" + std::to_string(i + 1);
        forms.resize("FORM2", name, width, 380);
        forms.move("FORM2", name, 40 + i * width, 100);
    }
    QWidget* window = forms.window("FORM2");
    for (int i = 1; i < 7; ++i) {
        const auto* left = window->findChild<QWidget*>(QStringLiteral("PICTURE%1").arg(i));
        const auto* right = window->findChild<QWidget*>(QStringLiteral("PICTURE%1").arg(i + 1));
        EXPECT_EQ(left->geometry().right() + 1, right->geometry().left()) << i;
    }
}

TEST(FormsGeometry, ControlsChangedBehindTheServiceReadFromTheirPixels) {
    qtui::QtFormsService forms;
    forms.createForm("FORM6");
    QWidget* edit = forms.window("FORM6")->findChild<QWidget*>(QStringLiteral("HEDIT155"));
    edit->setGeometry(100, 50, 40, 20);
    const qtui::ScreenScale scale = qtui::widgetScale(*edit);
    const Geometry g = forms.geometry("FORM6", "HEDIT155");
    EXPECT_DOUBLE_EQ(g.x, 100 / scale.x);
    EXPECT_DOUBLE_EQ(g.width, 40 / scale.x);
    EXPECT_DOUBLE_EQ(g.y, 50 / scale.y);
}

TEST(FormsGeometry, DeviceCapsDescribeTheOffscreenScreen) {
    qtui::QtFormsService forms;
    forms.createForm("MAINFORM");
    EXPECT_EQ(forms.deviceCaps("MAINFORM", caps::kWidthPixels), 800);
    EXPECT_EQ(forms.deviceCaps("MAINFORM", caps::kHeightPixels), 800);
    EXPECT_EQ(forms.deviceCaps("MAINFORM", caps::kWidthMm), 203);
    EXPECT_EQ(forms.deviceCaps("", caps::kHeightMm), 203);
}

TEST(FormsControls, TextsChecksAndEnabling) {
    qtui::QtFormsService forms;
    forms.createForm("FORM3");
    forms.setText("FORM3", "EDIT21", "運動会");
    forms.setText("FORM3", "TEXT55", "12");
    forms.setText("FORM3", "CHECK9", "確認");
    forms.setText("FORM3", "", "題名");
    EXPECT_EQ(forms.text("FORM3", "EDIT21"), "運動会");
    EXPECT_EQ(forms.text("FORM3", "TEXT55"), "12");
    EXPECT_EQ(forms.text("FORM3", "CHECK9"), "確認");
    EXPECT_EQ(forms.text("FORM3", ""), "題名");
    EXPECT_EQ(forms.window("FORM3")->windowTitle(), QString::fromUtf8("題名"));

    EXPECT_EQ(forms.checkState("FORM3", "CHECK1"), 0);
    forms.setCheckState("FORM3", "CHECK1", 1);
    EXPECT_EQ(forms.checkState("FORM3", "CHECK1"), 1);
    forms.setCheckState("FORM3", "CHECK1", 0);
    EXPECT_EQ(forms.checkState("FORM3", "CHECK1"), 0);
    EXPECT_EQ(forms.checkState("FORM3", "EDIT21"), 0);

    forms.setEnabled("FORM3", "BUTTON9", false);
    EXPECT_FALSE(forms.window("FORM3")->findChild<QWidget*>(QStringLiteral("BUTTON9"))->isEnabled());
    forms.setEnabled("FORM3", "BUTTON9", true);
    EXPECT_TRUE(forms.window("FORM3")->findChild<QWidget*>(QStringLiteral("BUTTON9"))->isEnabled());
}

// A form that does not exist answers nothing; a control its form does not
// hold is reported as well.
TEST(FormsControls, UnknownFormsAndControlsAreHarmlessAndControlsReported) {
    qttest::ExpectedUnknownControls expected;
    qtui::QtFormsService forms;
    EXPECT_FALSE(forms.createForm("NOFORM"));
    EXPECT_FALSE(forms.formExists("NOFORM"));
    EXPECT_EQ(forms.modalDialog("", "NOFORM"), 0);
    forms.createForm("FORM6");
    forms.setText("FORM6", "NOCONTROL", "x");
    forms.move("FORM6", "NOCONTROL", 1, 1);
    forms.setFontSize("NOFORM", "", 20);
    EXPECT_EQ(forms.text("FORM6", "NOCONTROL"), "");
    EXPECT_EQ(forms.text("NOFORM", ""), "");
    const Geometry g = forms.geometry("NOFORM", "");
    EXPECT_EQ(g.width, 0);
    forms.surface("NOFORM", "").rectangle(0, 0, 10, 10, 5);
    forms.surface("FORM6", "HEDIT155").clear();
    EXPECT_EQ(expected.reports(), 3);
}

TEST(FormsControls, FontsSetOnTheFormReachControlsWithoutTheirOwn) {
    qtui::QtFormsService forms;
    forms.createForm("FORM3");
    QWidget* window = forms.window("FORM3");
    const QWidget* plain = window->findChild<QWidget*>(QStringLiteral("BUTTON9"));
    const QWidget* large = window->findChild<QWidget*>(QStringLiteral("TEXT55"));
    const QWidget* gothic = window->findChild<QWidget*>(QStringLiteral("EDIT21"));

    forms.setFontSize("FORM3", "", 14);
    forms.setFontName("FORM3", "", "IPAPGothic");
    EXPECT_DOUBLE_EQ(plain->font().pointSizeF(), 14);
    EXPECT_EQ(plain->font().family(), QStringLiteral("IPAPGothic"));
    EXPECT_DOUBLE_EQ(large->font().pointSizeF(), 24);  // its own size stays
    EXPECT_EQ(large->font().family(), QStringLiteral("IPAPGothic"));
    EXPECT_DOUBLE_EQ(gothic->font().pointSizeF(), 14);  // its own family stays
    EXPECT_EQ(gothic->font().family(), toQString(kGothic));

    forms.setFontSize("FORM3", "BUTTON9", 7);
    forms.setFontSize("FORM3", "", 11);
    EXPECT_DOUBLE_EQ(plain->font().pointSizeF(), 7);
}

TEST(FormsControls, WindowsFontNamesFindJapaneseFonts) {
    QFont gothic(toQString(kGothic));
    QFont pGothic(toQString(kPGothic));
    EXPECT_EQ(QFontInfo(gothic).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(pGothic).family(), QStringLiteral("IPAPGothic"));
}

}  // namespace
}  // namespace cal
