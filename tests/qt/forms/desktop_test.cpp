// The program at home on the desktop: the copy button where a click reaches
// it, Qt's own dialogs in Japanese, and the wait pointer of long work.
#include "app/app.h"
#include "data/unknown_picture.h"
#include "qt/forms/progress_dialog.h"
#include "qt/forms/qt_forms_service.h"
#include "qt/platform/translations.h"
#include "support/harness.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/mainform/mainform_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace cal::test {
namespace {

TEST(CopyButton, StandsInTheVisibleMainWindowAndAClickReachesItsHandler) {
    Harness h;
    h.clock.date = {2024, 6, 10};
    writeYearFile(h, 2024, 6, "土", 30);
    writeMonthFile(h, 2024, 6);
    qtui::QtFormsService forms;
    App app{*h.state, forms, h.clock, h.registry};
    forms.setEventSink(&app);
    app.start({h.dir.path(), h.dir.path()});

    QWidget* main = forms.window(kMainForm);
    auto* button = main->findChild<QPushButton*>(QStringLiteral("BUTTON8"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QString::fromUtf8("共通ｶﾚﾝﾀﾞｰからｺﾋﾟｰ"));
    EXPECT_TRUE(button->isVisible());
    // Every pixel of it lies inside the window the user sees.
    const QRect shown = main->rect();
    EXPECT_TRUE(shown.contains(QRect(button->mapTo(main, QPoint(0, 0)), button->size())));

    int runs = 0;
    app.handlers().replace(mainform::kCommonCopy, EventKind::On, [&](Context&, const Event&) {
        ++runs;
        return 0;
    });
    button->click();
    while (forms.pendingEvents() > 0) forms.waitEvent();
    EXPECT_EQ(runs, 1);
}

TEST(UnknownPicture, IsABitmapQtDrawsTheRightWayUp) {
    const std::string bmp = unknownPictureBmp();
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(bmp.data()), static_cast<int>(bmp.size()), "BMP"));
    EXPECT_EQ(image.size(), QSize(256, 256));
    // The question mark's dot lies low in the middle, its ring high: upside
    // down they would swap.
    const QRgb ground = image.pixel(128, 20), dot = image.pixel(128, 208), aboveDot = image.pixel(128, 40);
    EXPECT_LT(qGray(dot), qGray(ground));
    EXPECT_EQ(aboveDot, ground);
}

TEST(QtTranslations, ThePrintDialogSpeaksJapanese) {
    ASSERT_TRUE(qtui::installQtTranslations(*qApp)) << "qtbase_ja.qm is not installed (qt6-translations-l10n)";
    QPrinter printer;
    QPrintDialog dialog(&printer);
    QStringList texts;
    for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        for (const QAbstractButton* b : box->buttons()) texts << b->text().remove(u'&');
    // Shortcut letters may follow the word: "印刷(P)".
    auto offers = [&](const char* word) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const QString& t) { return t.startsWith(QString::fromUtf8(word)); });
    };
    EXPECT_TRUE(offers("印刷")) << texts.join(u',').toStdString();
    EXPECT_TRUE(offers("キャンセル")) << texts.join(u',').toStdString();
}

TEST(Progress, TheWaitPointerLastsAsLongAsTheWork) {
    {
        qtui::ProgressDialog progress(nullptr, QStringLiteral("work"), 3);
        progress.step(1);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        // Quick work shows no dialog at all.
        EXPECT_EQ(progress.dialog(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Progress, LongWorkShowsItsStepsInADialog) {
    qtui::ProgressDialog progress(nullptr, QStringLiteral("work"), 3, std::chrono::milliseconds(0));
    progress.step(2);
    ASSERT_NE(progress.dialog(), nullptr);
    EXPECT_TRUE(progress.dialog()->isVisible());
    EXPECT_EQ(progress.dialog()->maximum(), 3);
    EXPECT_EQ(progress.dialog()->value(), 2);
    EXPECT_EQ(progress.dialog()->accessibleName(), QStringLiteral("work"));
}

}  // namespace
}  // namespace cal::test
