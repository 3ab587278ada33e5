#pragma once

namespace cal {

class HandlerTable;

// BUTTON1 and BUTTON71 of the main window and the settings dialog FORM6.
void addSettingsHandlers(HandlerTable& table);

}  // namespace cal
