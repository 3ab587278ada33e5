// The whole program on real widgets: click a day, type into a line, click
// another day, and the typed line is in the month.
#include "app/app.h"
#include "data/sjis.h"
#include "support/month_setup.h"
#include "qt/forms/qt_forms_service.h"
#include "ui/names.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include "qt/drop_files.h"
#include "qt/forms/qt_picture_library.h"
#include "qt/qt_test_support.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cal::test {
namespace {

class DayEditing : public ::testing::Test {
protected:
    void SetUp() override {
        h.clock.date = {2003, 6, 10};
        writeYearFile(h, 2003, 6, "日", 30);
        writeMonthFile(h, 2003, 6, 20, "ぶどう狩り");
        forms.setEventSink(&app);
        app.start({h.dir.path(), h.dir.path()});
        settle();
    }
    void settle() { qttest::settle(forms); }
    QWidget& control(const char* form, const std::string& name) {
        QWidget* w = forms.window(form)->findChild<QWidget*>(QString::fromStdString(name));
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }
    void click(const std::string& cell) {
        QWidget& w = control(kMonthForm, cell);
        const QPointF at(w.width() / 2.0, w.height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&w, &press);
        QApplication::sendEvent(&w, &release);
        settle();
    }
    void type(const char* edit, const QString& text) {
        QWidget& w = control(kDayEditor, edit);
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(&w, &focus);
        for (const QChar ch : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(&w, &key);
        }
        settle();
    }

    Harness h;
    qtui::QtFormsService forms;
    App app{*h.state, forms, h.clock, h.registry};
};

TEST_F(DayEditing, TypedLineReachesTheMonthWhenAnotherDayIsClicked) {
    EXPECT_EQ(h.state->selectedCell, 10);  // today, 10 June 2003 (June starts on Sunday)
    click("PICTURE20");
    EXPECT_EQ(static_cast<QLineEdit&>(control(kDayEditor, "EDIT21")).text(), QStringLiteral("ぶどう狩り"));
    type("EDIT22", QStringLiteral("雨天中止"));
    click("PICTURE21");
    EXPECT_EQ(fieldText(h.state->monthCells[20].lineText[2]), "雨天中止");
    EXPECT_EQ(fieldText(h.state->monthCells[20].lineText[1]), "ぶどう狩り");
    EXPECT_EQ(h.state->selectedCell, 21);
    EXPECT_EQ(static_cast<QLineEdit&>(control(kDayEditor, "EDIT22")).text(), QString());
}

TEST_F(DayEditing, TypingPastTheFieldsWidthTurnsTheLineRedAndSaysWhy) {
    // An extra line: only its field's width counts, it is not printed.
    auto& edit = static_cast<QLineEdit&>(control(kDayEditor, "EDIT150"));
    const QColor normal = edit.palette().color(QPalette::Text);
    type("EDIT150", QString(40, QLatin1Char('a')));
    EXPECT_EQ(edit.palette().color(QPalette::Text), normal);
    EXPECT_TRUE(edit.accessibleDescription().isEmpty());
    type("EDIT150", QStringLiteral("b"));
    EXPECT_NE(edit.palette().color(QPalette::Text), normal);
    EXPECT_EQ(edit.toolTip(), QStringLiteral("40バイトを超えた分は保存されません"));
    EXPECT_EQ(edit.accessibleDescription(), edit.toolTip());
    // Another day loaded clears the mark.
    click("PICTURE21");
    EXPECT_EQ(edit.palette().color(QPalette::Text), normal);
    EXPECT_TRUE(edit.toolTip().isEmpty());
}

// Pictures dropped from another folder come into the library first: the day
// names only files the library holds, on the month window and after a reload.
TEST_F(DayEditing, DroppedPicturesAreBroughtInAndStored) {
    QTemporaryDir downloads, cache;
    qtui::QtPictureLibrary library([this](std::string_view form) { return forms.window(form); },
                                   qtui::ThumbnailCache(cache.path()));
    app.context().pictures = &library;
    QImage clipArt(60, 40, QImage::Format_ARGB32);
    clipArt.fill(Qt::transparent);
    for (const char* name : {"usagi.png", "kuma.png"}) clipArt.save(downloads.filePath(QString::fromLatin1(name)));
    qttest::dropFiles(control(kMonthForm, "PICTURE20"), {downloads.filePath(QStringLiteral("usagi.png"))});
    settle();
    EXPECT_EQ(h.state->selectedCell, 20);
    EXPECT_EQ(fieldName(h.state->monthCells[20].pictureFile[1]), "usagi.bmp");
    qttest::dropFiles(control(kDayEditor, "PICTURE62"), {downloads.filePath(QStringLiteral("kuma.png"))});
    settle();
    click("PICTURE21");
    EXPECT_EQ(fieldName(h.state->monthCells[20].pictureFile[3]), "kuma.bmp");
    for (const char* name : {"usagi.bmp", "kuma.bmp"}) EXPECT_TRUE(h.dir.exists("Calendar_pic", name)) << name;
}

}  // namespace
}  // namespace cal::test
