// User actions become queued events, handed to the sink one per waitEvent.

#include "qt/qt_test_support.h"
#include "qt/forms/picture_widget.h"
#include "qt/forms/qt_forms_service.h"
#include "ui/names.h"
#include "windows/form2/form2_controls.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace cal {
namespace {

using qttest::RecordingSink;
using qttest::sameEvent;

QWidget* child(qtui::QtFormsService& forms, std::string_view form, const char* name) {
    return forms.window(form)->findChild<QWidget*>(QString::fromUtf8(name));
}

void clickPicture(QWidget& picture, QPoint at) {
    const QPointF global = picture.mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&picture, &press);
    QCoreApplication::sendEvent(&picture, &release);
}

class EventsTest : public testing::Test {
protected:
    void SetUp() override { forms.setEventSink(&sink); }
    qtui::QtFormsService forms;
    RecordingSink sink;
};

TEST_F(EventsTest, ClicksReachTheSinkOnlyThroughWaitEvent) {
    forms.createForm("MAINFORM");
    forms.createForm("FORM3");
    static_cast<QAbstractButton*>(child(forms, "MAINFORM", "BUTTON5"))->click();
    static_cast<QAbstractButton*>(child(forms, "FORM3", "CHECK2"))->click();
    clickPicture(*child(forms, "FORM3", "PICTURE61"), {10, 10});
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(forms.pendingEvents(), 3u);

    ASSERT_TRUE(forms.waitEvent());
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_TRUE(sameEvent(sink.events[0], {"MAINFORM", "BUTTON5", EventKind::On}));
    ASSERT_TRUE(forms.waitEvent());
    ASSERT_TRUE(forms.waitEvent());
    ASSERT_EQ(sink.events.size(), 3u);
    EXPECT_TRUE(sameEvent(sink.events[1], {"FORM3", "CHECK2", EventKind::On}));
    EXPECT_TRUE(sameEvent(sink.events[2], {"FORM3", "PICTURE61", EventKind::Click}));
    EXPECT_EQ(forms.checkState("FORM3", "CHECK2"), 1);
}

TEST_F(EventsTest, ChangesMadeByTheProgramRaiseNoEvents) {
    forms.createForm("FORM3");
    forms.setCheckState("FORM3", "CHECK1", 1);
    forms.setText("FORM3", "EDIT21", "x");
    forms.move("FORM3", "PICTURE61", 20, 20);
    EXPECT_EQ(forms.pendingEvents(), 0u);
}

TEST_F(EventsTest, PressAndReleaseMustBothBeOnThePicture) {
    forms.createForm("FORM3");
    QWidget& picture = *child(forms, "FORM3", "PICTURE62");
    clickPicture(picture, {picture.width() + 5, 2});
    QMouseEvent rightPress(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::RightButton,
                           Qt::RightButton, Qt::NoModifier);
    QMouseEvent rightRelease(QEvent::MouseButtonRelease, QPointF(3, 3), QPointF(3, 3),
                             Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&picture, &rightPress);
    QCoreApplication::sendEvent(&picture, &rightRelease);
    EXPECT_EQ(forms.pendingEvents(), 0u);
}

TEST_F(EventsTest, FocusOnAnEditIsReported) {
    forms.createForm("FORM6");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(child(forms, "FORM6", "HEDIT157"), &focusIn);
    ASSERT_TRUE(forms.waitEvent());
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_TRUE(sameEvent(sink.events[0], {"FORM6", "HEDIT157", EventKind::SetFocus}));
}

TEST_F(EventsTest, ResizingAShownFormIsReported) {
    forms.createForm("FORM3");
    forms.resize("FORM3", "", 1200, 1700);
    ASSERT_EQ(forms.pendingEvents(), 1u);
    forms.waitEvent();
    EXPECT_TRUE(sameEvent(sink.events.at(0), {"FORM3", "", EventKind::Resize}));
}

TEST_F(EventsTest, ACloseRequestAsksTheProgram) {
    forms.createForm("MAINFORM");
    sink.reaction = [](const Event&) { return 1; };
    forms.window("MAINFORM")->close();
    ASSERT_TRUE(forms.waitEvent());
    EXPECT_TRUE(sameEvent(sink.events.at(0), {"MAINFORM", "", EventKind::QueryClose}));
    EXPECT_TRUE(forms.formExists("MAINFORM"));

    sink.reaction = [](const Event&) { return 0; };
    forms.window("MAINFORM")->close();
    ASSERT_TRUE(forms.waitEvent());
    EXPECT_FALSE(forms.formExists("MAINFORM"));
}

TEST_F(EventsTest, EventsOfADestroyedFormAreDropped) {
    forms.createForm("MAINFORM");
    forms.createForm("FORM6");
    static_cast<QAbstractButton*>(child(forms, "FORM6", "F6UPDATE"))->click();
    static_cast<QAbstractButton*>(child(forms, "MAINFORM", "BUTTON6"))->click();
    forms.destroyForm("FORM6");
    EXPECT_EQ(forms.window("FORM6"), nullptr);
    ASSERT_TRUE(forms.waitEvent());
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].control, "BUTTON6");
}

TEST_F(EventsTest, WaitEventSleepsUntilSomethingHappens) {
    forms.createForm("MAINFORM");
    QTimer::singleShot(20, [this] {
        static_cast<QAbstractButton*>(child(forms, "MAINFORM", "BUTTON7"))->click();
    });
    ASSERT_TRUE(forms.waitEvent());
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].control, "BUTTON7");
}

TEST_F(EventsTest, EndingTheProgramClosesEverythingAndStopsWaiting) {
    forms.createForm("MAINFORM");
    forms.createForm("FORM2");
    static_cast<QAbstractButton*>(child(forms, "MAINFORM", "BUTTON5"))->click();
    sink.reaction = [this](const Event&) {
        forms.endProgram();
        return 0;
    };
    EXPECT_TRUE(forms.waitEvent());
    EXPECT_TRUE(forms.programEnded());
    EXPECT_FALSE(forms.formExists("MAINFORM"));
    EXPECT_FALSE(forms.formExists("FORM2"));
    EXPECT_FALSE(forms.waitEvent());
    EXPECT_FALSE(forms.createForm("MAINFORM"));
}

TEST_F(EventsTest, EndingTheProgramWakesASleepingWait) {
    QTimer::singleShot(20, [this] { forms.endProgram(); });
    EXPECT_FALSE(forms.waitEvent());
}

// ---- modal dialogs ---------------------------------------------------------

TEST_F(EventsTest, ModalDialogRunsFromStartToEndAndAnswersItsValue) {
    forms.createForm("MAINFORM");
    sink.reaction = [this](const Event& e) {
        if (e.kind == EventKind::Start) {
            EXPECT_TRUE(forms.window("FORM6")->isVisible());
            EXPECT_EQ(forms.window("FORM6")->windowModality(), Qt::ApplicationModal);
            QTimer::singleShot(0, [this] {
                static_cast<QAbstractButton*>(child(forms, "FORM6", "F6UPDATE"))->click();
            });
        }
        if (e.kind == EventKind::On) forms.endDialog("FORM6", 7);
        return 0;
    };
    EXPECT_EQ(forms.modalDialog("MAINFORM", "FORM6"), 7);
    ASSERT_EQ(sink.events.size(), 3u);
    EXPECT_TRUE(sameEvent(sink.events[0], {"FORM6", "", EventKind::Start}));
    EXPECT_TRUE(sameEvent(sink.events[1], {"FORM6", "F6UPDATE", EventKind::On}));
    EXPECT_TRUE(sameEvent(sink.events[2], {"FORM6", "", EventKind::End}));
    EXPECT_FALSE(forms.formExists("FORM6"));
    EXPECT_TRUE(forms.formExists("MAINFORM"));
}

TEST_F(EventsTest, ClosingAModalDialogTheProgramAllowsEndsItWithZero) {
    int closes = 0;
    const auto requestClose = [this] {
        QTimer::singleShot(0, [this] { forms.window("FORM3")->close(); });
    };
    sink.reaction = [&closes, requestClose](const Event& e) {
        if (e.kind == EventKind::Start) requestClose();
        if (e.kind != EventKind::QueryClose) return 0;
        if (++closes == 1) {  // refuse the first request, allow the second
            requestClose();
            return 1;
        }
        return 0;
    };
    EXPECT_EQ(forms.modalDialog("", "FORM3"), 0);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(sink.events.back().kind, EventKind::End);
    EXPECT_FALSE(forms.formExists("FORM3"));
}

TEST_F(EventsTest, ModalDialogEndedFromTheStartHandlerNeverWaits) {
    sink.reaction = [this](const Event& e) {
        if (e.kind == EventKind::Start) forms.endDialog("FORM6", 3);
        return 0;
    };
    EXPECT_EQ(forms.modalDialog("", "FORM6"), 3);
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_EQ(sink.events[1].kind, EventKind::End);
}

TEST_F(EventsTest, NestedModalDialogsEndInnermostFirst) {
    std::vector<int> answers;
    sink.reaction = [this, &answers](const Event& e) {
        if (e.kind == EventKind::Start && e.form == "FORM3") {
            answers.push_back(forms.modalDialog("FORM3", "FORM6"));
            forms.endDialog("FORM3", 2);
        }
        if (e.kind == EventKind::Start && e.form == "FORM6")
            QTimer::singleShot(0, [this] { forms.endDialog("FORM6", 1); });
        return 0;
    };
    answers.push_back(forms.modalDialog("", "FORM3"));
    EXPECT_EQ(answers, (std::vector<int>{1, 2}));
}

TEST_F(EventsTest, EndingTheProgramInsideAModalDialogLeavesIt) {
    sink.reaction = [this](const Event& e) {
        if (e.kind == EventKind::Start) QTimer::singleShot(0, [this] { forms.endProgram(); });
        return 0;
    };
    EXPECT_EQ(forms.modalDialog("", "FORM3"), 0);
    EXPECT_TRUE(forms.programEnded());
    EXPECT_EQ(sink.events.back().kind, EventKind::Start);  // no End for a vanished form
}

// The month window zoomed (by the program, by a resize, by Ctrl and the
// wheel) grows with everything in it: a cell keeps its units and lands
// where its day is, so a click at a cell's middle is that cell's click.
TEST_F(EventsTest, AZoomedMonthWindowScalesItsCellsAndClicksLandOnThem) {
    forms.createForm(kMonthForm);
    forms.move(kMonthForm, form2::cell(12), 400, 300);
    forms.resize(kMonthForm, form2::cell(12), 350, 270);
    QWidget& window = *forms.window(kMonthForm);
    QWidget& cell = *child(forms, kMonthForm, "PICTURE12");
    const QRect plain = cell.geometry();
    const QSize plainWindow = window.size();
    const Geometry units = forms.geometry(kMonthForm, form2::cell(12));

    constexpr double kZoom = 1.5;
    forms.setZoom(kMonthForm, kZoom);
    EXPECT_NEAR(cell.geometry().right(), (plain.right() + 1) * kZoom - 1, 1);
    EXPECT_NEAR(window.width(), plainWindow.width() * kZoom, 1);
    EXPECT_DOUBLE_EQ(forms.geometry(kMonthForm, form2::cell(12)).x, units.x);
    // A frame drawn round the cell in units lies on the zoomed cell's edge.
    forms.surface(kMonthForm, form2::cell(12)).rectangle(0, 0, units.width, units.height, 2);
    const QImage& drawn = static_cast<qtui::PictureWidget&>(cell).canvas().image();
    EXPECT_EQ(drawn.pixel(cell.width() - 1, cell.height() - 1), qRgb(0, 0, 0));
    clickPicture(cell, cell.rect().center());
    while (forms.pendingEvents() > 0) forms.waitEvent();
    EXPECT_TRUE(sameEvent(sink.events.back(), {kMonthForm, form2::cell(12), EventKind::Click}));

    window.show();
    window.resize(plainWindow * 2);
    EXPECT_NEAR(forms.zoom(kMonthForm), 2, 0.01);
    QWheelEvent wheel({5, 5}, window.mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &wheel);
    EXPECT_NEAR(forms.zoom(kMonthForm), 2 / 1.1, 0.01);
    forms.setZoom(kMonthForm, 0.5);  // never smaller than described
    EXPECT_EQ(window.size(), plainWindow);
}

}  // namespace
}  // namespace cal
