// A monthly items file as found in a data folder: the holiday import reads
// and places it into June 2024 (every question answered Yes), and the year
// utility shows it and stores it again.
#include "data/monthly_items.h"
#include "support/harness.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/form4/form4_handlers.h"

#include <cstdint>
#include <string>

using namespace cal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // What is read is written back as it was read.
    const MonthlyItemsRead read = parseMonthlyItems(bytes);
    if (parseMonthlyItems(monthlyItemsBytes(read.items)).items != read.items) __builtin_trap();

    test::Harness h;
    h.clock.date = {2024, 6, 10};
    test::writeYearFile(h, 2024, 6, "土", 30);
    h.dir.write("master", "Calendar2024毎月行事.txt", bytes);
    test::writeMonthFile(h, 2024, 6, 15, "たなばた");
    h.start();
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes,
                            MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});
    h.forms.postEvent({kMainForm, "BUTTON70", EventKind::On});
    h.forms.postEvent({kMainForm, "BUTTON25", EventKind::On});
    h.forms.postEvent({kYearUtility, "BUTTON24", EventKind::On});
    h.app.run();
    return 0;
}
