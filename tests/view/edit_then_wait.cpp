// A program that starts on a data folder, types a line into the day shown,
// stores it, writes the stored record to a file of its own, says "stored" and
// waits to be killed: the teacher whose session ends before any save.
//   edit_then_wait DATA_FOLDER RECOVERY_ROOT RECORD_FILE

#include "app/app.h"
#include "support/recording_forms.h"
#include "support/test_platform.h"
#include "ui/names.h"
#include "windows/form3/form3_controls.h"

#include <unistd.h>

#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    if (argc != 4) return 2;
    const std::string dataDir = argv[1];
    auto state = std::make_unique<cal::AppState>();
    cal::test::RecordingForms forms;
    cal::test::SettableClock clock;
    clock.date = {2003, 1, 20};
    cal::test::MemoryRegistry registry;
    cal::App app(*state, forms, clock, registry);
    forms.setEventSink(&app);
    cal::StartArgs args(dataDir, dataDir);
    args.recoveryRoot = argv[2];
    app.start(args);

    app.handleEvent({cal::kDayEditor, cal::form3::lineEdit(2), cal::EventKind::SetFocus});
    forms.setText(cal::kDayEditor, cal::form3::lineEdit(2), "おゆうぎ会");
    app.handleEvent({cal::kDayEditor, cal::form3::kUpdate, cal::EventKind::On});
    const auto& stored = state->monthCells[static_cast<std::size_t>(state->editorCell)];
    cal::test::writeBytes(argv[3], std::string(reinterpret_cast<const char*>(&stored), sizeof stored));
    std::cout << "stored" << std::endl;
    for (;;) ::pause();
}
