#pragma once
// The application: owns the handler table, receives the events of the forms
// service and runs the main loop.

#include "state/context.h"
#include "state/handler_table.h"
#include "ui/forms_service.h"

#include <optional>
#include <string>

namespace cal {

struct StartArgs {
    StartArgs(std::string commandLine_, std::optional<std::string> currentDirectory_,
              bool askForDataFolder_ = false)
        : commandLine(std::move(commandLine_)), currentDirectory(std::move(currentDirectory_)),
          askForDataFolder(askForDataFolder_) {}

    std::string commandLine;                      // the data folder text, may be empty
    std::optional<std::string> currentDirectory;  // nothing when it cannot be read
    bool askForDataFolder = false;                // windows with a user to ask
    std::string recoveryRoot;  // where recovery files go; empty: none are kept
    bool unattended = false;   // printing without a user
};

class App final : public EventSink {
public:
    App(AppState& state, Dialogs& dialogs, Forms& forms, Drawing& drawing, const Clock& clock,
        Registry& registry);
    // All three services from one object (the recording double).
    App(AppState& state, FormsService& services, const Clock& clock, Registry& registry)
        : App(state, services, services, services, clock, registry) {}

    // Creates the main window and runs its start-up sequence.
    void start(const StartArgs& args);
    // The main loop: serves the deferred month step, then waits for one event
    // and runs its handler, until the program ends. Answers the exit status.
    int run();

    // Prints the displayed month without any window or question, for the
    // command line; answers the exit status (0 printed, 1 not).
    int printDisplayedMonth();
    // Prints a whole school year the same way; months without their file
    // are named and left out. Answers 0 printed, 1 a printer failure, 2
    // nothing to print.
    int printSchoolYear(int schoolYear);
    // Puts the displayed month's events of an iCalendar file into its month
    // file, written safely; answers 0 written (or nothing to add), 1 not.
    int importIcsIntoMonthFile(const std::string& path);
    // Writes the displayed month, or the school year, to an iCalendar file
    // the same way: 0 written, 1 not, 2 nothing to write.
    int exportIcs(const std::string& path, std::optional<int> schoolYear);

    int handleEvent(const Event& event) override;
    Context& context() { return m_context; }
    HandlerTable& handlers() { return m_handlers; }

    // Runs the month step a handler asked for, clearing the request first.
    void serveMonthStep();

private:
    // The displayed month can be printed or exported (`doing`); told when not.
    bool displayedMonthReady(const std::string& doing);

    Context m_context;
    HandlerTable m_handlers;
};

}  // namespace cal
