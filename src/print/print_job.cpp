#include "print/print_job.h"

#include "state/context.h"
#include "print/printed_page.h"
#include "ui/top_mess_box.h"
#include "ui/names.h"
#include "ui/printer.h"
#include "view/grid_model.h"

#include <string>
#include <vector>

namespace cal {

namespace {

void warn(Context& c, PrintError error, const char* text) {
    c.state.print.failed = true;
    TopMessBox(c.dialogs, Modality::System, 0, MessageIcon::Stop, MessageButtons::Ok,
               "ERR=" + std::to_string(static_cast<int>(error)) + text, "警　告");
}

// Lines that run past their cell are named before printing; without a user
// the list is told and the page printed all the same.
bool mayPrintOverflow(Context& c) {
    const std::vector<LineOverflow> lines = linesOffThePage(c);
    if (lines.empty()) return true;
    std::string text = "次の予定が枠に入りきりません。印刷しますか。";
    constexpr std::size_t kNamed = 10;
    for (std::size_t i = 0; i < lines.size() && i < kNamed; ++i)
        text += "\r\n" + std::to_string(lines[i].day) + "日 " + std::to_string(lines[i].line) + "行目";
    if (lines.size() > kNamed) text += "\r\nほか " + std::to_string(lines.size() - kNamed) + " 件";
    if (c.state.unattended) {
        c.dialogs.messageBox(kMainForm, "お知らせ", text, MessageButtons::Ok, MessageIcon::Information);
        return true;
    }
    return c.dialogs.messageBox(kMainForm, "問い合せ", text, MessageButtons::YesNo, MessageIcon::Question) ==
           MessageAnswer::Yes;
}

// The page is printed without them: the user learns which files to replace.
void reportUndrawnPictures(Context& c, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    c.state.print.failed = true;
    std::string names;
    for (const std::string& path : paths) names += "\n" + path.substr(path.find_last_of("/\\") + 1);
    c.dialogs.messageBox(kMainForm, "警告",
                         "次の絵は壊れているか読めない形式のため印刷できませんでした。" + names,
                         MessageButtons::Ok, MessageIcon::Stop);
}

}  // namespace

bool printerReady(const PrintState& p) {
    return p.ready == 1 && p.dialogAnswer != 0 && p.printer && p.documentStarted;
}

PrintError startNextPage(Context& c) {
    Printer& printer = *c.state.print.printer;
    PrintError error = printer.endPage();
    if (error == PrintError::None) error = printer.startPage();
    if (error == PrintError::None) error = printer.setMapMode(2);
    if (error != PrintError::None) warn(c, error, " ｼｽﾃﾑ異常　印刷開始準備中エラーが発生しました．");
    return error;
}

void BUTTON7_ON(Context& c) {
    c.state.print.failed = false;
    if (!DAT_UPDATE(c) || !mayPrintOverflow(c)) return;
    PRN_SETTEI_ON(c, 2);
    PRN_ZIKKOU1P_ON(c);
    PRN_CLOSE_ON(c);
}

void PRN_SETTEI_ON(Context& c, int paperMode) {
    PrintState& p = c.state.print;
    p.ready = 0;
    p.documentStarted = false;
    if (!p.printer) p.printer = c.drawing.createPrinter();
    if (!p.printer) {
        warn(c, PrintError::NoPrinter, " ｼｽﾃﾑ異常　通常使う(ﾈｯﾄﾜｰｸ)プリンターの情報が取得できない．");
        return;
    }
    Printer& printer = *p.printer;
    PrintError error = PrintError::None;
    if (paperMode == 2) error = printer.setPaperMode(8, 2);
    if (paperMode == 1) error = printer.setPaperMode(9, 1);
    bool accepted = false;
    if (error == PrintError::None) error = printer.printDialog(accepted);
    if (error == PrintError::None) {
        p.dialogAnswer = accepted ? 1 : 0;
        p.ready = 1;
    } else {
        warn(c, error, " ｼｽﾃﾑ異常　通常使う(ﾈｯﾄﾜｰｸ)プリンターの情報が取得できない．");
    }
    error = printer.startDocument("帳票印刷");
    if (error == PrintError::None) p.documentStarted = true;
    if (error == PrintError::None) error = printer.startPage();
    if (error == PrintError::None) error = printer.setMapMode(2);
    if (error != PrintError::None) warn(c, error, " ｼｽﾃﾑ異常　印刷開始準備中エラーが発生しました．");
}

void PRN_ZIKKOU1P_ON(Context& c) {
    PrintState& p = c.state.print;
    if (!printerReady(p)) return;
    drawPrintedPage(c, *p.printer);
    if (const PrintError error = p.printer->error(); error != PrintError::None)
        warn(c, error, " ｼｽﾃﾑ異常　印刷中エラーが発生しました．");
}

void PRN_CLOSE_ON(Context& c) {
    PrintState& p = c.state.print;
    if (!p.printer) return;
    if (!printerReady(p)) {
        // A document started without a usable printer or after a cancelled
        // dialog is never left open in the spooler.
        if (p.documentStarted) p.printer->abortDocument();
        p.documentStarted = false;
        return;
    }
    PrintError error = p.printer->endPage();
    if (error == PrintError::None) error = p.printer->endDocument();
    if (error == PrintError::None) error = p.printer->close();
    p.documentStarted = false;
    if (error != PrintError::None) warn(c, error, " ｼｽﾃﾑ異常　印刷終了処理中エラーが発生しました．");
    reportUndrawnPictures(c, p.printer->undrawnPictures());
}

}  // namespace cal
