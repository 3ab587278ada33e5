#pragma once
// Program-wide state: one instance, owned by the application and passed by
// reference to every handler.

#include "state/display_settings.h"
#include "data/day_cell.h"
#include "data/file_io.h"
#include "data/folder_lock.h"
#include "data/monthly_items.h"
#include "data/year_settings.h"
#include "state/month_history.h"
#include "state/print_state.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace cal {

// A month step a handler asks for, served by the main loop between events.
enum class MonthStep { None = 0, Previous = 1, Next = 2 };

struct AppState {
    std::string dataDir;
    int currentMonth = 1;     // calendar month of the displayed month
    std::string currentYear;  // its calendar year, four digits; shown in EDIT154
    std::string schoolYear;   // the year of the displayed month's April
    int askOnUpdate = 0;      // 1: ask before storing edits
    MonthStep monthStepRequest = MonthStep::None;  // deferred month step
    int selectedCell = 1;     // the selected cell of the grid
    int editorCell = 0;       // the cell whose day the day editor was loaded from; 0 none
    double monthZoom = 1;     // the month window's zoom the month was last painted at
    int dayChanged = 0;       // 1 when a day editor control was touched
    bool stretchPictures = false;  // pictures fill their places (a per-user setting)
    std::array<PictureName, 9> dayPictureFile{};  // working copy of slots 1 … 8

    MonthCells monthCells{};
    MonthHistory monthHistory;  // undo and redo of monthCells since loaded or saved
    YearSettings yearSettings{};
    // The year utility's own copy: the school year or default it shows. The
    // display's yearSettings never follows it until it is saved or closed.
    YearSettings utilitySettings{};
    // The monthly items the utility read or stored last, beside utilitySettings.
    std::vector<MonthlyItem> utilityItems;

    // The calendar year the cells in monthCells were loaded for: saves go
    // there, whatever year has been typed since. Empty before the first load.
    std::string monthCellsYear;
    // A month file that existed but could not be read, so that it is not
    // saved over unasked.
    std::string unreadableMonthFile;

    // Where the recovery files of unsaved months go (the user's state folder);
    // empty: none are kept. Set once at start-up.
    std::string recoveryRoot;
    bool recoveryFailureTold = false;  // a recovery file that cannot be written is told once
    // Held while this program keeps the data folder's recovery files: a
    // second program of the same user on the same folder is refused.
    std::unique_ptr<FolderLock> recoveryLock;
    // A run without a user (printing from the command line): recovery files
    // are neither offered nor removed.
    bool unattended = false;
    // The content of each file as last read or written, by path.
    std::map<std::string, std::uint64_t> knownFiles;
    // Record files read that hold more than their records: writing over one
    // drops the rest, so it is asked first.
    std::set<std::string> overlongFiles;
    // Monthly items files whose unusable lines were told, with the content
    // told about: the same file is not reported again.
    std::map<std::string, std::uint64_t> toldItemFiles;

    // Where every save writes its bytes (tests put a failing writer here).
    FileWriter* fileWriter = &systemFileWriter();

    PrintState print;
    DisplaySettings display;
    double dotsPerTenthMmX = 0;
    double dotsPerTenthMmY = 0;
    double mainWidth = 0;   // the main window's size, restored on every resize
    double mainHeight = 0;
};

}  // namespace cal
