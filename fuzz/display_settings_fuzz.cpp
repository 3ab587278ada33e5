// CalendarH.dat as found in a data folder: start-up lays the month window
// out from it and the month is printed. Whatever the file says, the values
// in use stay inside their ranges and the page inside the paper's reach.
#include "print/print_job.h"
#include "support/harness.h"
#include "support/month_setup.h"
#include "ui/names.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace cal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::Harness h;
    h.clock.date = {2024, 6, 10};
    test::writeYearFile(h, 2024, 6, "土", 30);
    test::writeMonthFile(h, 2024, 6, 15, "うんどうかい");
    h.dir.write("master", "CalendarH.dat", std::string(reinterpret_cast<const char*>(data), size));
    h.start();
    const DisplaySettings& d = h.state->display;
    if (d.cellCount() < 1 || d.cellCount() > 42 || d.boxWidth < 1 || d.boxWidth > 2100 || d.boxHeight < 1 ||
        d.boxHeight > 2100 || d.paperBoxWidth > 4200 || d.paperTop > 4200 || d.paperLeft > 4200)
        std::abort();
    h.forms.answerMessages({MessageAnswer::Ok});
    BUTTON7_ON(h.context());
    for (const test::DrawCall& call : h.forms.drawsOn("PRINTER", ""))
        if (call.x < -1000 || call.x > 200000 || call.y < -1000 || call.y > 200000) std::abort();
    return 0;
}
