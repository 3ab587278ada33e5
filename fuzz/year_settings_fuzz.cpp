// A year settings file as found in a data folder: start-up reads and draws
// it, the holiday import runs over it (every question answered Yes), and a
// day of the month is clicked.
#include "support/harness.h"
#include "support/month_setup.h"
#include "ui/names.h"

#include <cstdint>
#include <string>

using namespace cal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::Harness h;
    h.clock.date = {2024, 6, 10};
    h.dir.write("master", "Calendar2024設定.dat", std::string(reinterpret_cast<const char*>(data), size));
    test::writeMonthFile(h, 2024, 6, 15, "たなばた");
    h.start();
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes,
                            MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});
    h.forms.postEvent({kMainForm, "BUTTON70", EventKind::On});
    h.forms.postEvent({kMonthForm, "PICTURE" + std::to_string(size == 0 ? 15 : data[0] % 60 + 1), EventKind::Click});
    h.app.run();
    return 0;
}
