#include "windows/form6/paper_row.h"

#include "layout/paper_fit.h"
#include "state/handler_table.h"
#include "ui/names.h"
#include "windows/form6/form6_controls.h"
#include "windows/mainform/data_dir.h"

#include <optional>
#include <string>

namespace cal {

namespace {

// Beside Kick: the paper the print dialog opens with, by name.
constexpr const char* kPaperValue = "Paper";

}  // namespace

void restorePaper(Context& c) {
    const std::optional<std::string> kept = c.registry.value(kRegistryKey, kPaperValue);
    const Paper* paper = kept ? paperNamed(*kept) : nullptr;
    c.state.print.paper = paper != nullptr ? paper->code : kA3;
}

void rememberPaper(Context& c) {
    const Paper* paper = paperOfCode(c.state.print.paper);
    const std::optional<std::string> kept = c.registry.value(kRegistryKey, kPaperValue);
    if (paper == nullptr || (kept ? *kept == paper->name : paper->code == kA3)) return;
    std::string error;
    // Only a convenience: the next start offers A3 again.
    c.registry.setValue(kRegistryKey, kPaperValue, std::string(paper->name), error);
}

void showPaper(Context& c) {
    for (std::size_t i = 0; i < kPapers.size(); ++i) {
        c.forms.addComboEntry(kSettingsDialog, form6::kPaper, kPapers[i].name);
        if (kPapers[i].code == c.state.print.paper)
            c.forms.selectComboEntry(kSettingsDialog, form6::kPaper, static_cast<int>(i));
    }
}

void addPaperRowHandlers(HandlerTable& table) {
    table.add(kSettingsDialog, EventKind::End, action([](Context& c, const Event&) {
                  // A name typed that is no paper keeps the one before.
                  if (const Paper* paper = paperNamed(c.forms.text(kSettingsDialog, form6::kPaper))) {
                      c.state.print.paper = paper->code;
                      rememberPaper(c);
                  }
              }));
}

}  // namespace cal
