// The headless service: forms built but never shown, boxes written as
// lines, no question answered yes, and a PDF printer.

#include "qt/qt_test_support.h"
#include "qt/unknown_controls.h"
#include "ui/printer.h"
#include "qt/forms/headless_dialogs.h"
#include "qt/forms/qt_forms_service.h"
#include "qt/print/window_printer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <sstream>

#include <gtest/gtest.h>

namespace cal {
namespace {

class HeadlessTest : public testing::Test {
protected:
    QTemporaryDir dir;
    std::string pdfPath = dir.filePath(QStringLiteral("月.pdf")).toStdString();
    std::ostringstream messages;
    qtui::QtFormsService forms{qtui::QtFormsService::Mode::Headless, pdfPath};
    qtui::HeadlessDialogs dialogs{messages};
    qttest::RecordingSink sink;
};

TEST_F(HeadlessTest, AnErrorBoxFailsTheRunButNoticesAndWarningsDoNot) {
    dialogs.messageBox("MAINFORM", "お知らせ", "読み込みました", MessageButtons::Ok, MessageIcon::Information);
    dialogs.messageBox("MAINFORM", "警告", "標準の値で印刷します", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_FALSE(dialogs.errorShown());
    dialogs.messageBox("MAINFORM", "エラー", "読み込めません", MessageButtons::Ok, MessageIcon::Stop);
    EXPECT_TRUE(dialogs.errorShown());
}

TEST_F(HeadlessTest, BoxesBecomeLinesAndAnswerWithoutAnyone) {
    EXPECT_EQ(dialogs.messageBox("MAINFORM", "エラー", "ファイルが\r\nありません", MessageButtons::Ok, MessageIcon::Stop),
              MessageAnswer::Ok);
    EXPECT_EQ(dialogs.messageBox("", "確認", "作りますか？", MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::No);
    EXPECT_EQ(dialogs.systemMessageBox(0x1 | 0x30, "続けますか", "警告"), 2);  // OK/Cancel: Cancel
    EXPECT_EQ(dialogs.systemMessageBox(0x4, "はい？\r中\n", "質問"), 7);         // Yes/No: No
    EXPECT_EQ(messages.str(),
              "エラー: ファイルが ありません\n確認: 作りますか？\n警告: 続けますか\n質問: はい？ 中 \n");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    EXPECT_EQ(dialogs.inputBox("新規作成", "年度を入力"), std::nullopt);
    EXPECT_EQ(dialogs.fileOpenDialog("FORM2", "画像", "*.BMP", "画像(*.BMP)", "/tmp"), std::nullopt);
}

// What a script of control calls reads back from a service.
std::vector<std::string> answersOf(FormsService& f) {
    std::vector<std::string> answers;
    const auto note = [&](const std::string& what) { answers.push_back(what); };
    const auto place = [&](std::string_view form, std::string_view control) {
        const Geometry g = f.geometry(form, control);
        note(std::to_string(g.x) + " " + std::to_string(g.y) + " " + std::to_string(g.width) + " " +
             std::to_string(g.height));
    };
    f.createForm("MAINFORM");
    f.createForm("FORM4");
    for (const char* control : {"", "EDIT1", "RADIO1", "COMBO1", "NO_SUCH"}) {
        note(f.text("FORM4", control) + "|" + f.text("MAINFORM", control));
        place("MAINFORM", control);
    }
    f.setText("MAINFORM", "EDIT1", "１２");
    f.setText("MAINFORM", "", "カレンダー");
    f.setText("FORM4", "RADIO1", "年度");
    f.move("MAINFORM", "", 100, 200);
    f.resize("MAINFORM", "EDIT1", 300, 90);
    f.move("MAINFORM", "EDIT1", 40, 50);
    note(f.text("MAINFORM", "EDIT1") + "|" + f.text("MAINFORM", "") + "|" + f.text("FORM4", "RADIO1"));
    place("MAINFORM", "");
    place("MAINFORM", "EDIT1");

    // Radio buttons of one form exclude each other; a check box is its own.
    const auto checks = [&] {
        note(std::to_string(f.checkState("FORM4", "RADIO1")) + std::to_string(f.checkState("FORM4", "RADIO2")) +
             std::to_string(f.checkState("FORM4", "EDIT1")));
    };
    f.setCheckState("FORM4", "RADIO1", 1);
    checks();
    f.setCheckState("FORM4", "RADIO2", 1);
    checks();
    f.setCheckState("FORM4", "RADIO2", 0);
    checks();
    f.setCheckState("FORM4", "EDIT1", 1);
    checks();

    // The combo box: typed text, entries added, chosen and none.
    f.setText("FORM4", "COMBO1", "火");
    note(f.text("FORM4", "COMBO1"));
    for (const char* day : {"日", "月", "火"}) {
        f.addComboEntry("FORM4", "COMBO1", day);
        note(f.text("FORM4", "COMBO1"));
    }
    for (int index : {2, 7, 1, -1}) {
        f.selectComboEntry("FORM4", "COMBO1", index);
        note(f.text("FORM4", "COMBO1"));
    }
    f.destroyForm("FORM4");
    note(std::to_string(f.formExists("FORM4")) + std::to_string(f.formExists("MAINFORM")) + f.text("FORM4", ""));
    return answers;
}

TEST_F(HeadlessTest, FormsAreKeptAsValuesThatAnswerAsTheWindowsDo) {
    // Controls a form does not hold are asked on purpose: both report them.
    qttest::ExpectedUnknownControls unknown;
    qtui::QtFormsService windowed;
    const std::vector<std::string> expected = answersOf(windowed);
    const int windowedReports = unknown.reports();
    EXPECT_EQ(answersOf(forms), expected);
    EXPECT_GT(windowedReports, 0);
    EXPECT_EQ(unknown.reports(), 2 * windowedReports);
    // Nothing is built to show.
    EXPECT_EQ(forms.window("MAINFORM"), nullptr);
    EXPECT_TRUE(forms.formExists("MAINFORM"));
    forms.focus("MAINFORM");
    EXPECT_FALSE(forms.waitEvent());
}

TEST_F(HeadlessTest, AModalDialogRunsItsStartAndEndsAtOnce) {
    forms.setEventSink(&sink);
    forms.createForm("MAINFORM");
    EXPECT_EQ(forms.modalDialog("MAINFORM", "FORM6"), 0);
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_TRUE(qttest::sameEvent(sink.events[0], {"FORM6", "", EventKind::Start}));
    EXPECT_TRUE(qttest::sameEvent(sink.events[1], {"FORM6", "", EventKind::End}));
    EXPECT_FALSE(forms.formExists("FORM6"));

    // A start handler that ends the dialog gives its value.
    sink.reaction = [this](const Event& e) {
        if (e.kind == EventKind::Start) forms.endDialog(e.form, -1);
        return 0;
    };
    EXPECT_EQ(forms.modalDialog("MAINFORM", "FORM6"), -1);
}

TEST_F(HeadlessTest, ThePrinterWritesTheGivenFileWithoutADialog) {
    const std::shared_ptr<Printer> printer = forms.createPrinter();
    ASSERT_NE(printer, nullptr);
    PrintChoice choice;
    EXPECT_EQ(printer->printDialog(choice), PrintError::None);
    EXPECT_TRUE(choice.accepted);
    EXPECT_EQ(printer->startDocument("帳票印刷"), PrintError::None);
    EXPECT_EQ(printer->endDocument(), PrintError::None);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(pdfPath)));

    qtui::QtFormsService windowed;
    EXPECT_NE(dynamic_cast<qtui::WindowPrinter*>(windowed.createPrinter().get()), nullptr);
}

}  // namespace
}  // namespace cal
