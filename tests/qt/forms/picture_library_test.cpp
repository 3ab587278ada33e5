// The picture library window on real widgets, and files dropped from a file
// manager reaching the program as events.
#include "qt/drop_files.h"
#include "qt/qt_test_support.h"
#include "qt/forms/picture_library_window.h"
#include "qt/forms/qt_forms_service.h"
#include "qt/qt_strings.h"
#include "support/test_platform.h"
#include "ui/names.h"

#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace cal {
namespace {

using qtui::toQString;

using qttest::dropFiles;

class PictureLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"usagi.bmp", "kuma.bmp", "Risu.BMP"}) picture(Qt::red).save(library(name), "BMP");
        QFile broken(library("broken.bmp"));
        broken.open(QIODevice::WriteOnly);
        broken.write("not a picture");
        QFile notes(library("notes.txt"));
        notes.open(QIODevice::WriteOnly);
    }
    static QImage picture(QColor colour) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    QString library(const char* name) const { return toQString(dir.file("Calendar_pic", name)); }
    test::TempDataDir dir;
    QTemporaryDir cacheDir;
    qtui::ThumbnailCache cache{cacheDir.path()};
};

TEST_F(PictureLibraryTest, ListsTheLibraryFiltersAndChooses) {
    qtui::PictureLibraryWindow window(nullptr, dir.path(), QStringLiteral("kuma.bmp"), cache);
    EXPECT_EQ(window.shownNames(),
              (QStringList{QStringLiteral("broken.bmp"), QStringLiteral("kuma.bmp"), QStringLiteral("Risu.BMP"),
                           QStringLiteral("usagi.bmp")}));
    EXPECT_EQ(window.list().currentItem()->text(), QStringLiteral("kuma.bmp"));
    ASSERT_TRUE(qttest::waitFor([&] { return window.thumbnailsPending() == 0; }));
    // The three pictures are kept for the next opening; the broken one says so.
    EXPECT_EQ(QDir(cacheDir.path()).entryList(QDir::Files).size(), 3);
    const auto broken = window.list().findItems(QStringLiteral("broken"), Qt::MatchStartsWith);
    ASSERT_EQ(broken.size(), 1);
    EXPECT_TRUE(broken[0]->text().contains(QStringLiteral("描けません")));

    window.filter().setText(QStringLiteral("RIS"));
    EXPECT_EQ(window.shownNames(), QStringList{QStringLiteral("Risu.BMP")});
    window.list().setCurrentItem(window.list().findItems(QStringLiteral("Risu.BMP"), Qt::MatchExactly)[0]);
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("選択")) b->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.chosen(), QStringLiteral("Risu.BMP"));
}

TEST_F(PictureLibraryTest, FilesDroppedOnTheWindowComeInAndAreSelected) {
    QTemporaryDir downloads;
    QImage clipArt(30, 30, QImage::Format_ARGB32);
    clipArt.fill(Qt::transparent);
    clipArt.save(downloads.filePath(QStringLiteral("hiyoko.png")));
    picture(Qt::blue).save(downloads.filePath(QStringLiteral("usagi.png")));  // other pixels than usagi.bmp
    qtui::PictureLibraryWindow window(nullptr, dir.path(), {}, cache);
    dropFiles(window, {downloads.filePath(QStringLiteral("hiyoko.png")), downloads.filePath(QStringLiteral("usagi.png"))});
    EXPECT_TRUE(QFile::exists(library("hiyoko.bmp")));
    EXPECT_TRUE(QFile::exists(library("usagi-2.bmp")));
    EXPECT_EQ(window.list().currentItem()->text(), QStringLiteral("usagi-2.bmp"));
}

TEST_F(PictureLibraryTest, DropsOnPicturesFieldsAndButtonsBecomeDropEvents) {
    qtui::QtFormsService forms;
    qttest::RecordingSink sink;
    forms.setEventSink(&sink);
    forms.createForm(kMonthForm);
    forms.createForm(kYearUtility);
    const QString file = library("usagi.bmp");
    for (const auto& [form, control] : std::vector<std::pair<const char*, const char*>>{
             {kMonthForm, "PICTURE9"}, {kYearUtility, "EDIT145"}, {kYearUtility, "BUTTON52"}}) {
        QWidget* target = forms.window(form)->findChild<QWidget*>(QString::fromLatin1(control));
        ASSERT_NE(target, nullptr) << control;
        dropFiles(*target, {file});
        qttest::settle(forms);
        ASSERT_FALSE(sink.events.empty()) << control;
        EXPECT_EQ(sink.events.back().control, control);
        EXPECT_EQ(sink.events.back().kind, EventKind::Drop);
        EXPECT_EQ(sink.events.back().files, std::vector<std::string>{qtui::toStdString(file)});
    }
}

}  // namespace
}  // namespace cal
