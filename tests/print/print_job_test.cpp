// The print job's set-up, page and close, with their failures.
#include "data/sjis.h"
#include "print/print_job.h"
#include "support/month_setup.h"
#include "ui/names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace cal::test {
namespace {

class PrintJob : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2003, 6, "日", 30);
        h.forms.createPrinter();
    }
    RecordingPrinter& printer() { return *h.forms.printer; }
    void press() {
        h.forms.postEvent({kMainForm, "BUTTON7", EventKind::On});
        h.app.run();
    }
    std::vector<std::string> jobSteps() const {
        std::vector<std::string> steps;
        for (const std::string& entry : h.forms.printer->log)
            if (entry.rfind("font", 0) != 0) steps.push_back(entry);
        return steps;
    }
    bool drewAnything() const {
        for (const DrawCall& d : h.forms.draws)
            if (d.form == "PRINTER") return true;
        return false;
    }
    Harness h;
};

TEST_F(PrintJob, OneJobPrintsOnePageOnLandscapeA3) {
    press();
    EXPECT_EQ(jobSteps(), (std::vector<std::string>{"paper 8 2", "dialog", "start 帳票印刷", "page", "map 2",
                                                    "end page", "end document", "close"}));
    EXPECT_TRUE(drewAnything());
    EXPECT_TRUE(h.forms.messages.empty());
}

TEST_F(PrintJob, TheStaffEditionIsChosenInTheDialogForOneJob) {
    printer().staffChoice = true;
    press();
    EXPECT_TRUE(h.state->print.staffEdition);
    EXPECT_FALSE(printer().offeredStaff);  // the parents' edition is what the dialog offers
    printer().staffChoice.reset();
    press();
    EXPECT_FALSE(h.state->print.staffEdition);
}

TEST_F(PrintJob, PressingTwiceReusesThePrinter) {
    press();
    press();
    EXPECT_EQ(h.forms.printersCreated, 2);  // the one from SetUp and the first press
    EXPECT_EQ(std::count(printer().log.begin(), printer().log.end(), "close"), 2);
}

TEST_F(PrintJob, CancelledDialogDrawsNothingAndAbortsTheDocument) {
    printer().acceptDialog = false;
    press();
    EXPECT_EQ(jobSteps(), (std::vector<std::string>{"paper 8 2", "dialog", "start 帳票印刷", "page", "map 2",
                                                    "abort"}));
    EXPECT_FALSE(drewAnything());
    EXPECT_TRUE(h.forms.messages.empty());
}

TEST_F(PrintJob, PrinterSetUpFailureWarnsAndAbortsWhatWasStarted) {
    printer().failures["dialog"] = PrintError::ReplaceFile;
    press();
    ASSERT_EQ(h.forms.messages.size(), 1u);
    const ShownMessage& m = h.forms.messages[0];
    EXPECT_TRUE(m.system);
    EXPECT_EQ(m.style, 0x1010u);
    EXPECT_EQ(m.title, "警　告");
    EXPECT_EQ(m.message, "ERR=7 ｼｽﾃﾑ異常　通常使う(ﾈｯﾄﾜｰｸ)プリンターの情報が取得できない．");
    EXPECT_EQ(printer().log.back(), "abort");
    EXPECT_FALSE(drewAnything());
}

TEST_F(PrintJob, SetUpAndStartFailuresBothWarn) {
    printer().failures["paper 8 2"] = PrintError::NewPage;
    printer().failures["start 帳票印刷"] = PrintError::MapMode;
    press();
    EXPECT_EQ(h.forms.messageTexts(),
              (std::vector<std::string>{"ERR=3 ｼｽﾃﾑ異常　通常使う(ﾈｯﾄﾜｰｸ)プリンターの情報が取得できない．",
                                        "ERR=4 ｼｽﾃﾑ異常　印刷開始準備中エラーが発生しました．"}));
    EXPECT_EQ(std::count(printer().log.begin(), printer().log.end(), "abort"), 0);
}

TEST_F(PrintJob, PageStartFailureWarnsAndThePageIsStillPrinted) {
    printer().failures["page"] = PrintError::NotPrinting;
    press();
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>{"ERR=5 ｼｽﾃﾑ異常　印刷開始準備中エラーが発生しました．"});
    EXPECT_TRUE(drewAnything());
    EXPECT_EQ(printer().log.back(), "close");
}

TEST_F(PrintJob, DrawingAndClosingFailuresWarn) {
    printer().drawingError = PrintError::NotPrinting;
    printer().failures["end document"] = PrintError::Finish;
    press();
    EXPECT_EQ(h.forms.messageTexts(),
              (std::vector<std::string>{"ERR=5 ｼｽﾃﾑ異常　印刷中エラーが発生しました．",
                                        "ERR=6 ｼｽﾃﾑ異常　印刷終了処理中エラーが発生しました．"}));
    EXPECT_TRUE(h.state->print.failed);
}

TEST_F(PrintJob, PicturesThatCouldNotBeDrawnAreNamedAfterThePageIsPrinted) {
    printer().undrawn = {"/data/Calendar_pic/壊れた.bmp", "/data/Calendar_pic/big.bmp"};
    press();
    EXPECT_EQ(jobSteps().back(), "close");
    ASSERT_EQ(h.forms.messages.size(), 1u);
    const ShownMessage& m = h.forms.messages[0];
    EXPECT_EQ(m.title, "警告");
    EXPECT_EQ(m.message, "次の絵は壊れているか読めない形式のため印刷できませんでした。\n壊れた.bmp\nbig.bmp");
    EXPECT_TRUE(h.state->print.failed);
}

// A name the library has no picture file for (missing, leading out of it, a
// folder) and a file there that is no picture are named after printing,
// each once, and the job counts as failed.
TEST_F(PrintJob, MissingAndUnreadablePicturesAreNamedOnce) {
    std::filesystem::create_directory(u8path(h.dir.file("Calendar_pic", "folder.bmp")));
    h.dir.write("Calendar_pic", "garbage.bmp", "not a picture");
    const char* names[] = {"ない.bmp", "../evil.bmp", "folder.bmp", "garbage.bmp", "ない.bmp"};
    for (std::size_t day = 1; day <= std::size(names); ++day)
        storeField(h.state->monthCells[day].pictureFile[1], names[day - 1]);
    press();
    EXPECT_EQ(h.forms.messageTexts(),
              (std::vector<std::string>{"次の絵が見つからないため印刷できませんでした。\nない.bmp\n../evil.bmp\nfolder.bmp",
                                        "次の絵は壊れているか読めない形式のため印刷できませんでした。\ngarbage.bmp"}));
    EXPECT_TRUE(h.state->print.failed);
}

TEST_F(PrintJob, NoPrinterAtAllIsReportedOnce) {
    h.state->print.printer.reset();
    h.forms.printingPossible = false;
    press();
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>{"ERR=1 ｼｽﾃﾑ異常　通常使う(ﾈｯﾄﾜｰｸ)プリンターの情報が取得できない．"});
}

TEST_F(PrintJob, ShownDayIsStoredBeforePrintingButNothingSaved) {
    h.state->selectedCell = h.state->editorCell = 3;
    h.state->dayChanged = 1;
    h.forms.setText(kDayEditor, "EDIT21", "印刷前");
    printer().acceptDialog = false;
    press();
    EXPECT_EQ(fieldText(h.state->monthCells[3].lineText[1]), "印刷前");
    EXPECT_FALSE(h.dir.exists("Calendar_dat", "Calendar200306.dat"));
}

// June 2003 starts on a Sunday: day d is cell d. At the standard 70 mm box
// a full-width line 1 fits 14 characters, line 3 on 19.
class PrintOverflow : public PrintJob {
protected:
    void line(int day, int j, const std::string& text) {
        storeField(h.state->monthCells[static_cast<std::size_t>(day)].lineText[static_cast<std::size_t>(j)], text);
    }
};

TEST_F(PrintOverflow, LinesPastTheirCellAreNamedAndNoPrintsNothing) {
    line(10, 1, "あいうえおかきくけこさしすせ");        // 14: fits
    line(10, 2, "あいうえおかきくけこさしすせそ");      // 15: runs over
    line(12, 3, "あいうえおかきくけこさしすせそたちつて");  // 19: fits
    line(12, 4, "あいうえおかきくけこさしすせそたちつてと");  // 20: runs over
    line(13, 4, "あいうえおかきくけこさしすせそたちつてと");
    h.state->monthCells[13].lineCheck[4].set(1);  // ticked: not printed, not named
    h.forms.answerMessages({MessageAnswer::No});
    press();
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].title, "問い合せ");
    EXPECT_EQ(h.forms.messages[0].message, "次の予定が枠に入りきりません。印刷しますか。\r\n10日 2行目\r\n12日 4行目");
    EXPECT_TRUE(printer().log.empty());
    EXPECT_FALSE(drewAnything());

    h.forms.answerMessages({MessageAnswer::Yes});
    press();
    EXPECT_TRUE(drewAnything());
}

TEST_F(PrintOverflow, AtMostTenAreNamed) {
    for (int day = 1; day <= 12; ++day) line(day, 1, "あいうえおかきくけこさしすせそ");
    h.forms.answerMessages({MessageAnswer::No});
    press();
    const std::string& text = h.forms.messages.at(0).message;
    EXPECT_NE(text.find("\r\n10日 1行目\r\nほか 2 件"), std::string::npos);
    EXPECT_EQ(text.find("11日"), std::string::npos);
}

TEST_F(PrintOverflow, WithoutAUserTheListIsToldAndThePagePrinted) {
    h.state->unattended = true;
    line(10, 2, "あいうえおかきくけこさしすせそ");
    press();
    EXPECT_EQ(h.forms.messages.at(0).buttons, MessageButtons::Ok);
    EXPECT_TRUE(drewAnything());
}

}  // namespace
}  // namespace cal::test
