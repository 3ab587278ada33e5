#include "app/app.h"

#include "windows/mainform/mainform_controls.h"
#include "windows/mainform/ics_import.h"
#include "windows/mainform/mainform_handlers.h"
#include "windows/form6/form6_handlers.h"
#include "windows/form6/common_folder_row.h"
#include "windows/form6/paper_row.h"
#include "print/ics_export.h"
#include "windows/mainform/startup.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "data/year_file.h"
#include "print/print_job.h"
#include "print/year_print.h"
#include "view/month_files.h"
#include "windows/form3/form3_handlers.h"
#include "windows/form2/form2_handlers.h"
#include "windows/form4/form4_handlers.h"
#include "ui/names.h"

#include <exception>
#include <filesystem>

namespace cal {

App::App(AppState& state, Dialogs& dialogs, Forms& forms, Drawing& drawing, const Clock& clock,
         Registry& registry)
    : m_context{state, dialogs, forms, drawing, clock, registry} {
    addMainWindowHandlers(m_handlers);
    addSettingsHandlers(m_handlers);
    addCommonFolderHandlers(m_handlers);
    addPaperRowHandlers(m_handlers);
    addMonthWindowHandlers(m_handlers);
    addDayEditorHandlers(m_handlers);
    addYearUtilityHandlers(m_handlers);
}

void App::start(const StartArgs& args) {
    m_context.state.recoveryRoot = args.recoveryRoot;
    m_context.state.unattended = args.unattended;
    m_context.forms.createForm(kMainForm);
    MAINFORM_START(m_context, args.commandLine, args.currentDirectory, args.askForDataFolder);
}

void App::serveMonthStep() {
    AppState& s = m_context.state;
    const MonthStep request = s.monthStepRequest;
    if (request == MonthStep::None) return;
    s.monthStepRequest = MonthStep::None;
    // Run as if pressed, but with no owner window.
    handleEvent({{}, request == MonthStep::Previous ? mainform::kPreviousMonth : mainform::kNextMonth, EventKind::On});
}

int App::run() {
    while (!m_context.forms.programEnded()) {
        serveMonthStep();
        if (!m_context.forms.waitEvent()) break;
    }
    return 0;
}

bool App::displayedMonthReady(const std::string& doing) {
    AppState& s = m_context.state;
    const std::string path = monthFilePath(s.dataDir, s.currentYear, s.currentMonth);
    // A month file that could not be read was reported when it was loaded.
    if (s.unreadableMonthFile == path) return false;
    if (!fileExists(path)) {
        m_context.dialogs.messageBox(kMainForm, "エラー",
                                   "カレンダーデータ(" + path + ")ファイルが見つからないので" + doing + "できません",
                                   MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    // An empty month file was reported when it was loaded: no empty page.
    std::error_code ec;
    if (std::filesystem::file_size(pathOf(path), ec) == 0 && !ec) return false;
    const std::string settings = yearSettingsPath(s.dataDir, s.schoolYear);
    if (!fileExists(settings)) {
        m_context.dialogs.messageBox(kMainForm, "エラー",
                                     s.schoolYear + "年度のカレンダー設定ファイル(" + settings +
                                         ")がないので" + doing + "できません",
                                     MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    return true;
}

int App::printDisplayedMonth() {
    if (!displayedMonthReady("印刷")) return 1;
    BUTTON7_ON(m_context);
    return m_context.state.print.failed ? 1 : 0;
}

int App::exportIcs(const std::string& path, std::optional<int> schoolYear) {
    if (!schoolYear && !displayedMonthReady("書き出し")) return 1;
    const IcsExport written = cal::exportIcs(m_context, path, schoolYear);
    for (const std::string& month : written.missing)
        m_context.dialogs.messageBox(kMainForm, "お知らせ", month + "のカレンダーデータがないため、その月は書き出しませんでした。",
                                     MessageButtons::Ok, MessageIcon::Information);
    if (!written.error.empty()) {
        m_context.dialogs.messageBox(kMainForm, "エラー", written.error, MessageButtons::Ok, MessageIcon::Stop);
        return written.months == 0 && schoolYear ? 2 : 1;
    }
    return 0;
}

int App::printSchoolYear(int schoolYear) {
    const YearPrint printed = cal::printSchoolYear(m_context, schoolYear);
    for (const std::string& month : printed.missing)
        m_context.dialogs.messageBox(kMainForm, "お知らせ",
                                     month + "のカレンダーデータがないため、その月は印刷しませんでした。",
                                     MessageButtons::Ok, MessageIcon::Information);
    for (const std::string& month : printed.empty)
        m_context.dialogs.messageBox(kMainForm, "エラー",
                                     month + "のカレンダーデータが空（0バイト）のため、その月は印刷しませんでした。",
                                     MessageButtons::Ok, MessageIcon::Stop);
    if (!printed.error.empty()) {
        m_context.dialogs.messageBox(kMainForm, "エラー", printed.error, MessageButtons::Ok, MessageIcon::Stop);
        return 2;
    }
    return m_context.state.print.failed ? 1 : 0;
}

int App::importIcsIntoMonthFile(const std::string& icsPath) {
    AppState& s = m_context.state;
    const std::string path = monthFilePath(s.dataDir, s.currentYear, s.currentMonth);
    if (s.unreadableMonthFile == path) return 1;
    if (!fileExists(path)) {
        m_context.dialogs.messageBox(kMainForm, "エラー",
                                     "カレンダーデータ(" + path + ")ファイルが見つからないので取り込めません",
                                     MessageButtons::Ok, MessageIcon::Stop);
        return 1;
    }
    const IcsImport import = importIcsFile(m_context, icsPath);
    tellIcsImport(m_context, icsPath, import);
    if (!import.error.empty()) return 1;
    if (import.added == 0) return 0;
    return CALENDAR_SAVE(m_context, s.currentMonth) == SaveResult::Saved ? 0 : 1;
}

int App::handleEvent(const Event& event) {
    try {
        return m_handlers.run(m_context, event);
    } catch (const std::exception&) {
        // Nothing a handler does should throw; if something still does, the
        // program cannot know its state and stops with a message.
        m_context.dialogs.messageBox(kMainForm, "エラー",
                                   "続行不可能なエラーが発生しました " + handlerName(event) + " [0行]",
                                   MessageButtons::Ok, MessageIcon::Stop);
        m_context.forms.endProgram();
        return 0;
    }
}

}  // namespace cal
