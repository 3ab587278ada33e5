// A month file as found in a data folder: start-up loads it, a cell is
// clicked, a line typed and stored, and the month saved. Every record the
// user did not touch must be saved byte for byte as it was read.
#include "data/day_cell.h"
#include "data/month_file.h"
#include "support/harness.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/month_files.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace cal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    test::Harness h;
    h.clock.date = {2024, 6, 10};
    test::writeYearFile(h, 2024, 6, "土", 30);
    h.dir.write("Calendar_dat", "Calendar202406.dat", bytes);
    h.start();

    // The last byte picks the cell clicked; the typed line goes into it.
    const int cell = size == 0 ? 15 : data[size - 1] % 60 + 1;
    h.forms.postEvent({kMonthForm, "PICTURE" + std::to_string(cell), EventKind::Click});
    h.forms.postEvent({kDayEditor, "EDIT22", EventKind::SetFocus});
    h.app.run();
    h.forms.setText(kDayEditor, "EDIT22", "えんそく");
    h.forms.postEvent({kDayEditor, "BUTTON9", EventKind::On});
    h.app.run();
    const int stored = h.state->editorCell;
    h.forms.answerMessages({MessageAnswer::Yes});
    CALENDAR_SAVE(h.context(), h.state->currentMonth);

    if (size < kMonthFileSize) return 0;
    const std::string saved = h.dir.read("Calendar_dat", "Calendar202406.dat");
    if (saved.size() != kMonthFileSize) std::abort();
    for (std::size_t n = 0; n < kMonthRecords; ++n) {
        if (static_cast<int>(n) == stored) continue;
        if (std::memcmp(saved.data() + n * sizeof(DayCell), data + n * sizeof(DayCell), sizeof(DayCell)) != 0)
            std::abort();
    }
    return 0;
}
