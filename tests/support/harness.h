#pragma once
// A fresh program for one test: state, the recording forms, a settable
// clock, an in-memory registry and a temporary data folder.

#include "app/app.h"
#include "support/recording_forms.h"
#include "support/test_platform.h"

#include <memory>

namespace cal::test {

struct Harness {
    TempDataDir dir;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingForms forms;
    SettableClock clock;
    MemoryRegistry registry;
    App app{*state, forms, clock, registry};

    Harness() { forms.setEventSink(&app); }
    Context& context() { return app.context(); }
    // Where the program keeps recovery files; empty (the default): none.
    std::string recoveryRoot;

    // Starts the program on the temporary data folder.
    void start() { startOn(dir.path()); }
    // Starts the program on another data folder (a second run on one folder).
    void startOn(const std::string& dataDir) {
        StartArgs args(dataDir, dataDir);
        args.recoveryRoot = recoveryRoot;
        app.start(args);
    }
    // Makes the forms exist without running the start-up.
    void createForms();
};

}  // namespace cal::test
