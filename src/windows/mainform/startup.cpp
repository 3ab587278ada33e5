#include "windows/mainform/startup.h"

#include "state/context.h"
#include "windows/mainform/data_dir.h"
#include "windows/mainform/first_start.h"
#include "data/data_folder.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "view/month_files.h"
#include "data/monthly_items.h"
#include "data/year_file.h"
#include "windows/form3/form3_handlers.h"
#include "view/month_drawing.h"
#include "tools/string_tools.h"
#include "ui/top_mess_box.h"
#include "ui/window_tools.h"
#include "layout/month_layout.h"
#include "ui/form_description.h"
#include "ui/names.h"
#include "view/file_guard.h"
#include "view/recovery.h"
#include "windows/form2/form2_controls.h"
#include "windows/form2/form2_handlers.h"
#include "windows/form6/paper_row.h"
#include "windows/mainform/mainform_controls.h"

#include <cstdio>

namespace cal {

namespace {

void measureScreen(Context& c) {
    AppState& s = c.state;
    const double widthMm = c.forms.deviceCaps(kMainForm, caps::kWidthMm) * 10.0;
    const double heightMm = c.forms.deviceCaps(kMainForm, caps::kHeightMm) * 10.0;
    s.dotsPerTenthMmX = widthMm > 0 ? c.forms.deviceCaps(kMainForm, caps::kWidthPixels) / widthMm : 0;
    s.dotsPerTenthMmY = heightMm > 0 ? c.forms.deviceCaps(kMainForm, caps::kHeightPixels) / heightMm : 0;
}

void loadDisplaySettings(Context& c) {
    const std::string path = dataPath(c.state.dataDir, "master", "CalendarH.dat");
    std::string error;
    if (fileExists(path) && !loadSettingsFile(c.forms, path, error))
        c.dialogs.messageBox(kMainForm, "エラー",
                           "表示・印刷関連設定ファイル(" + path + ")が読み込めません。(" + error + ")",
                           MessageButtons::Ok, MessageIcon::Stop);
    else
        rememberFile(c.state, path);
    std::vector<SettingProblem> problems;
    c.state.display = deriveDisplaySettings(c.forms, problems);
    if (!problems.empty())
        c.dialogs.messageBox(kMainForm, "警告",
                             "表示・印刷関連設定ファイル(" + path + ")に使えない値があります。今回は標準の値で表示・印刷します。\r\n" +
                                 describeProblems(problems) + "表示印刷関連設定で直してください。",
                             MessageButtons::Ok, MessageIcon::Exclamation);
}

// Sizes and places the cell pictures of the grid and the month window around them.
void layOutMonthWindow(Context& c) {
    const DisplaySettings& d = c.state.display;
    const double band = d.titleBand();
    const GridPlacement grid = screenGrid(d.boxWidth, d.boxHeight, d.margin, band);
    for (int n = 1; n <= d.cellCount(); ++n) {
        const std::string picture = form2::cell(n);
        c.forms.resize(kMonthForm, picture, d.boxWidth, d.boxHeight);
        c.forms.setFontSize(kMonthForm, picture, 4);
        c.forms.setFontName(kMonthForm, picture, kPGothic);
        const Point at = grid.cell((n - 1) / d.columns, (n - 1) % d.columns);
        c.forms.move(kMonthForm, picture, at.x, at.y);
    }
    c.forms.resize(kMonthForm, {}, d.boxWidth * d.columns + d.margin + 100,
                   d.boxHeight * d.rows + 160 + band);
}

}  // namespace

void takeTodaysMonth(Context& c) {
    AppState& s = c.state;
    const Date today = c.clock.today();
    char year[16];
    std::snprintf(year, sizeof year, "%04d", today.year);
    s.currentMonth = today.month;
    s.currentYear = year;
    c.forms.setText(kMainForm, mainform::kSchoolYear, s.currentYear);
    s.schoolYear = std::to_string(schoolYearOf(std::stoi(s.currentYear), s.currentMonth));
}

void readSchoolYearSettings(Context& c) {
    AppState& s = c.state;
    const std::string path = yearSettingsPath(s.dataDir, s.schoolYear);
    // Printing from the command line writes nothing but its output: a
    // missing year file is the print's to report.
    if (!fileExists(path) && !s.unattended) {
        const std::string source = defaultSettingsPath(s.dataDir);
        std::string error;
        // The year's monthly items come with it, when the default has them.
        const std::string items = defaultMonthlyItemsPath(s.dataDir);
        if (copyFileReplacing(source, path, error, *s.fileWriter) &&
            (!fileExists(items) || copyFileReplacing(items, monthlyItemsPath(s.dataDir, s.schoolYear), error, *s.fileWriter)))
            TopMessBox(c.dialogs, Modality::System, 0, MessageIcon::Information, MessageButtons::Ok,
                       s.schoolYear + "年度のカレンダー設定ファイルが存在しないのでデフォルトからコピーしました.",
                       "お知らせ");
        else
            c.dialogs.messageBox(kMainForm, "エラー",
                               s.schoolYear + "年度のカレンダー設定ファイルが存在せず、デフォルト(" + source +
                                   ")からもコピーできませんでした。(" + error + ")",
                               MessageButtons::Ok, MessageIcon::Stop);
    }
    CALENDAR_UT_YOMU(c, path);
}

void MAINFORM_START(Context& c, const std::string& commandLine,
                    const std::optional<std::string>& currentDirectory, bool askForDataFolder) {
    AppState& s = c.state;
    s.dataDir = chooseDataDir(c, commandLine, currentDirectory);
    if (askForDataFolder && commandLine.empty() && !isDataFolder(s.dataDir))
        s.dataDir = firstStartDataDir(c, s.dataDir);
    // Two copies on one folder would write over each other's recovery files.
    if (!holdRecoveryFiles(c)) {
        c.forms.endProgram();
        return;
    }
    s.askOnUpdate = 0;
    measureScreen(c);
    takeTodaysMonth(c);

    c.forms.createForm(kMonthForm);
    c.forms.createForm(kDayEditor);
    const Geometry main = c.forms.geometry(kMainForm, {});
    s.mainWidth = main.width;
    s.mainHeight = main.height;

    loadDisplaySettings(c);
    layOutMonthWindow(c);
    restoreMonthZoom(c);
    restorePaper(c);
    c.state.stretchPictures = c.registry.value(kRegistryKey, kStretchPicturesValue).value_or("0") == "1";
    GAME_Z_MOVE(c.forms, kMainForm, 1, kDayEditor, kMonthForm, kMainForm, 100);

    readSchoolYearSettings(c);
    CALENDAR_LOAD(c, s.currentMonth);
    c.forms.setFontSize(kMonthForm, {}, 12);
    TITLE_SAIBYOUGA(c);
    GAME_CLS(c);
    GAME_SAIBYOUGA(c);
    // The day editor shows today only once the month is loaded.
    FORM3_START(c);
}

}  // namespace cal
