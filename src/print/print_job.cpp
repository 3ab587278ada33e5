#include "print/print_job.h"

#include "state/context.h"
#include "print/printed_page.h"
#include "ui/top_mess_box.h"
#include "ui/names.h"
#include "layout/paper_fit.h"
#include "ui/printer.h"
#include "view/grid_model.h"

#include <algorithm>
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

void addOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

void tellUndrawn(Context& c, const std::string& text, const std::vector<std::string>& names) {
    if (names.empty()) return;
    c.state.print.failed = true;
    std::string list;
    for (const std::string& name : names) list += "\n" + name;
    c.dialogs.messageBox(kMainForm, "警告", text + list, MessageButtons::Ok, MessageIcon::Stop);
}

// The pages are printed without them: the user learns which files to
// replace, and those the library lacks.
void reportUndrawnPictures(Context& c, const std::vector<std::string>& failedPaths) {
    PrintState& p = c.state.print;
    for (const std::string& path : failedPaths) addOnce(p.unreadablePictures, path.substr(path.find_last_of("/\\") + 1));
    tellUndrawn(c, "次の絵が見つからないため印刷できませんでした。", p.missingPictures);
    tellUndrawn(c, "次の絵は壊れているか読めない形式のため印刷できませんでした。", p.unreadablePictures);
    p.missingPictures.clear();
    p.unreadablePictures.clear();
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
    p.missingPictures.clear();
    p.unreadablePictures.clear();
    if (!p.printer) p.printer = c.drawing.createPrinter();
    if (!p.printer) {
        warn(c, PrintError::NoPrinter, " ｼｽﾃﾑ異常　通常使う(ﾈｯﾄﾜｰｸ)プリンターの情報が取得できない．");
        return;
    }
    Printer& printer = *p.printer;
    PrintError error = PrintError::None;
    if (paperMode == 2) error = printer.setPaperMode(paperOfCode(p.paper) ? p.paper : kA3, 2);
    if (paperMode == 1) error = printer.setPaperMode(9, 1);
    PrintChoice choice{false, p.staffRequested};
    if (error == PrintError::None) error = printer.printDialog(choice);
    p.staffEdition = false;
    if (error == PrintError::None) {
        p.dialogAnswer = choice.accepted ? 1 : 0;
        p.ready = 1;
        p.staffEdition = choice.staff;
        // The paper used is the one offered next time.
        if (choice.accepted && paperOfCode(printer.paperArea().code)) p.paper = printer.paperArea().code;
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
    const UndrawnNames undrawn = drawPrintedPage(c, *p.printer);
    for (const std::string& name : undrawn.missing) addOnce(p.missingPictures, name);
    for (const std::string& name : undrawn.unreadable) addOnce(p.unreadablePictures, name);
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
