// An .ics file brought into the displayed month through the main window's
// import: libical reads it, only May 2026 is expanded, and whatever fits is
// put into the days; then the import is undone and done again.
#include "ical/ics_reader.h"
#include "support/harness.h"
#include "support/month_setup.h"
#include "support/test_platform.h"
#include "ui/names.h"
#include "windows/mainform/ics_import.h"

#include <cstdint>
#include <string>

using namespace cal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ical::LibicalReader reader;
    test::Harness h;
    h.clock.date = {2026, 5, 10};
    test::writeYearFile(h, 2026, 5, "金", 31);
    test::writeMonthFile(h, 2026, 5, 8, "こどもの日");
    h.start();
    h.context().icsReader = &reader;
    test::writeBytes(h.dir.path() + "/shared.ics", std::string(reinterpret_cast<const char*>(data), size));
    importIcsFile(h.context(), h.dir.path() + "/shared.ics");
    h.forms.postEvent({kMainForm, "BUTTON74", EventKind::On});
    h.forms.postEvent({kMainForm, "BUTTON75", EventKind::On});
    h.app.run();
    return 0;
}
