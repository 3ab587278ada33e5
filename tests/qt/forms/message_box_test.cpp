// Message boxes, the input box and the file dialog, answered by a timer
// that acts like the user.

#include "qt/qt_test_support.h"
#include "qt/forms/message_boxes.h"
#include "qt/forms/qt_forms_service.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cal {
namespace {

using qtui::BoxButtons;
using qtui::BoxIcon;
using qttest::pressKey;
using qttest::whenModal;

QStringList buttonTexts(QWidget& box) {
    QStringList texts;
    for (const QAbstractButton* button : static_cast<QMessageBox&>(box).buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// ---- style decoding --------------------------------------------------------

TEST(MessageBoxStyle, SystemStyleWordsDecodeFieldByField) {
    const qtui::BoxStyle yesNo = qtui::decodeSystemStyle(0x4 | 0x20 | 0x100);
    EXPECT_EQ(yesNo.buttons, BoxButtons::YesNo);
    EXPECT_EQ(yesNo.icon, BoxIcon::Question);
    EXPECT_EQ(yesNo.defaultButton, 1);
    EXPECT_FALSE(yesNo.systemModal);

    const qtui::BoxStyle stop = qtui::decodeSystemStyle(0x1010);
    EXPECT_EQ(stop.buttons, BoxButtons::Ok);
    EXPECT_EQ(stop.icon, BoxIcon::Stop);
    EXPECT_TRUE(stop.systemModal);

    EXPECT_EQ(qtui::decodeSystemStyle(0x30).icon, BoxIcon::Exclamation);
    EXPECT_EQ(qtui::decodeSystemStyle(0x40).icon, BoxIcon::Information);
    EXPECT_EQ(qtui::decodeSystemStyle(0x50).icon, BoxIcon::None);
    EXPECT_FALSE(qtui::decodeSystemStyle(0x2000).systemModal);  // task modal
    EXPECT_EQ(qtui::decodeSystemStyle(0x2 | 0x200).defaultButton, 2);
    EXPECT_EQ(qtui::decodeSystemStyle(0x6).buttons, BoxButtons::Ok);  // unknown set
}

TEST(MessageBoxStyle, ADefaultBeyondTheButtonsFallsBackToTheFirst) {
    EXPECT_EQ(qtui::decodeSystemStyle(0x4 | 0x200).defaultButton, 0);
    EXPECT_EQ(qtui::decodeSystemStyle(0x0 | 0x100).defaultButton, 0);
}

TEST(FileDialogFilter, PatternsMatchEitherCase) {
    EXPECT_EQ(qtui::nameFilter("画像", "*.BMP"), "画像(*.BMP *.bmp)");
    EXPECT_EQ(qtui::nameFilter("画像", "*.bmp;*.Jpg"), "画像(*.bmp *.BMP *.Jpg *.JPG *.jpg)");
    EXPECT_EQ(qtui::nameFilter("", "*.DAT"), "*.DAT *.dat(*.DAT *.dat)");
    EXPECT_EQ(qtui::nameFilter("全て", ""), "全て(*)");
}

// ---- boxes on the screen ---------------------------------------------------

class MessageBoxTest : public testing::Test {
protected:
    qtui::QtFormsService forms;
};

TEST_F(MessageBoxTest, YesNoAsksInJapaneseAndEnterMeansYes) {
    QStringList texts;
    QString title;
    QString message;
    whenModal([&](QWidget& box) {
        texts = buttonTexts(box);
        title = box.windowTitle();
        message = static_cast<QMessageBox&>(box).text();
        pressKey(box, Qt::Key_Return);
    });
    EXPECT_EQ(forms.messageBox("", "確認", "保存しますか？\r\n次へ", MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::Yes);
    EXPECT_EQ(texts, sorted({QString::fromUtf8("はい"), QString::fromUtf8("いいえ")}));
    EXPECT_EQ(title, QString::fromUtf8("確認"));
    EXPECT_EQ(message, QString::fromUtf8("保存しますか？\n次へ"));
}

TEST_F(MessageBoxTest, EscapeAnswersNoOrCancelOrOk) {
    whenModal([](QWidget& box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(forms.messageBox("", "t", "m", MessageButtons::YesNo, MessageIcon::Question), MessageAnswer::No);
    whenModal([](QWidget& box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(forms.messageBox("", "t", "m", MessageButtons::YesNoCancel, MessageIcon::Question), MessageAnswer::Cancel);
    whenModal([](QWidget& box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(forms.messageBox("", "t", "m", MessageButtons::Ok, MessageIcon::Information), MessageAnswer::Ok);
}

TEST_F(MessageBoxTest, EveryButtonAnswersItsOwnCode) {
    const struct {
        int buttons;
        const char* text;
        int answer;
    } cases[] = {{1, "キャンセル", 1}, {2, "中止", 2},     {2, "再試行", 3}, {2, "無視", 4},
                 {3, "いいえ", 6},     {5, "再試行", 3}, {1, "OK", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        whenModal([&c](QWidget& box) {
            for (QAbstractButton* button : static_cast<QMessageBox&>(box).buttons())
                if (button->text() == QString::fromUtf8(c.text)) button->click();
        });
        EXPECT_EQ(forms.messageBox("", "t", "m", static_cast<MessageButtons>(c.buttons), MessageIcon::Exclamation),
                  static_cast<MessageAnswer>(c.answer));
    }
}

// Buttons that say what each answer does still answer their codes, and
// Escape still cancels.
TEST_F(MessageBoxTest, ButtonsWithTheirOwnTextsAnswerAsTheirPlaces) {
    const std::vector<std::string> words{"既存のフォルダを選ぶ", "新しく作る", "このまま続ける"};
    const MessageAnswer answers[] = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    for (std::size_t i = 0; i < words.size(); ++i) {
        whenModal([&](QWidget& box) {
            for (QAbstractButton* button : static_cast<QMessageBox&>(box).buttons())
                if (button->text() == QString::fromStdString(words[i])) button->click();
        });
        EXPECT_EQ(forms.messageBoxWithTexts("", "t", "m", MessageButtons::YesNoCancel, MessageIcon::Question, words),
                  answers[i]);
    }
    whenModal([](QWidget& box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(forms.messageBoxWithTexts("", "t", "m", MessageButtons::YesNoCancel, MessageIcon::Question, words),
              MessageAnswer::Cancel);
}

TEST_F(MessageBoxTest, AbortRetryIgnoreIgnoresEscape) {
    bool stillOpen = false;
    whenModal([&stillOpen](QWidget& box) {
        pressKey(box, Qt::Key_Escape);
        stillOpen = box.isVisible();
        for (QAbstractButton* button : static_cast<QMessageBox&>(box).buttons())
            if (button->text() == QString::fromUtf8("無視")) button->click();
    });
    EXPECT_EQ(forms.messageBox("", "t", "m", MessageButtons::AbortRetryIgnore, MessageIcon::Stop), MessageAnswer::Ignore);
    EXPECT_TRUE(stillOpen);
}

TEST_F(MessageBoxTest, TheOwnerFormHoldsTheBox) {
    forms.createForm("FORM6");
    QWidget* parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal([&](QWidget& box) {
        parent = box.parentWidget();
        icon = static_cast<QMessageBox&>(box).icon();
        pressKey(box, Qt::Key_Return);
    });
    forms.messageBox("FORM6", "t", "m", MessageButtons::Ok, MessageIcon::Stop);
    EXPECT_EQ(parent, forms.window("FORM6"));
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(MessageBoxTest, SystemBoxHonoursTheDefaultButtonAndWindowsCodes) {
    QStringList texts;
    whenModal([&texts](QWidget& box) {
        texts = buttonTexts(box);
        pressKey(box, Qt::Key_Return);
    });
    EXPECT_EQ(forms.systemMessageBox(0x3 | 0x20 | 0x100, "m", "t"), 7);  // second: No
    EXPECT_EQ(texts, sorted({QString::fromUtf8("はい"), QString::fromUtf8("いいえ"),
                             QString::fromUtf8("キャンセル")}));

    whenModal([](QWidget& box) { pressKey(box, Qt::Key_Return); });
    EXPECT_EQ(forms.systemMessageBox(0x1 | 0x30, "m", "t"), 1);
    whenModal([](QWidget& box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(forms.systemMessageBox(0x1, "m", "t"), 2);
}

TEST_F(MessageBoxTest, SystemModalBoxStaysAboveTheMainWindow) {
    forms.createForm("MAINFORM");
    bool onTop = true;
    QWidget* parent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    whenModal([&](QWidget& box) {
        onTop = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        parent = box.parentWidget();
        modality = box.windowModality();
        pressKey(box, Qt::Key_Return);
    });
    EXPECT_EQ(forms.systemMessageBox(0x1000 | 0x40, "m", "t"), 1);
    EXPECT_TRUE(onTop);
    EXPECT_EQ(parent, forms.window("MAINFORM"));
    EXPECT_EQ(modality, Qt::ApplicationModal);

    whenModal([&](QWidget& box) {
        onTop = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        pressKey(box, Qt::Key_Return);
    });
    forms.systemMessageBox(0x40, "m", "t");
    EXPECT_FALSE(onTop);
}

TEST_F(MessageBoxTest, InputBoxAnswersTheTextOrTheCancelMark) {
    QStringList buttons;
    whenModal([&buttons](QWidget& dialog) {
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            buttons << button->text();
        dialog.findChild<QLineEdit*>()->setText(QString::fromUtf8("２０２５"));
        static_cast<QInputDialog&>(dialog).accept();
    });
    EXPECT_EQ(forms.inputBox("年度", "年度を入れてください"), "２０２５");
    EXPECT_TRUE(buttons.contains(QStringLiteral("OK")));
    EXPECT_TRUE(buttons.contains(QString::fromUtf8("キャンセル")));

    whenModal([](QWidget& dialog) { static_cast<QInputDialog&>(dialog).reject(); });
    EXPECT_EQ(forms.inputBox("年度", "年度"), std::nullopt);
}

TEST_F(MessageBoxTest, FileDialogStartsInTheGivenFolderAndAnswersTheFullPath) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("logo.bmp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString previous = QDir::currentPath();

    QString startedIn;
    QStringList filters;
    whenModal([&](QWidget& widget) {
        auto& dialog = static_cast<QFileDialog&>(widget);
        startedIn = dialog.directory().absolutePath();
        filters = dialog.nameFilters();
        dialog.selectFile(QStringLiteral("logo.bmp"));
        QMetaObject::invokeMethod(&dialog, "accept");  // what the 開く button does
    });
    const std::string path = forms.fileOpenDialog("", "画像を選ぶ", "*.BMP", "画像", dir.path().toStdString()).value_or("");
    EXPECT_EQ(QString::fromStdString(path),
              QDir::toNativeSeparators(QDir(dir.path()).absoluteFilePath(QStringLiteral("logo.bmp"))));
    EXPECT_EQ(startedIn, QDir(dir.path()).absolutePath());
    EXPECT_EQ(filters, QStringList{QString::fromUtf8("画像(*.BMP *.bmp)")});

    whenModal([](QWidget& widget) { static_cast<QFileDialog&>(widget).reject(); });
    EXPECT_EQ(forms.fileOpenDialog("", "t", "*.BMP", "画像", dir.path().toStdString()), std::nullopt);
    EXPECT_EQ(QDir::currentPath(), previous);  // the working folder is never changed
}

}  // namespace
}  // namespace cal
