#pragma once

namespace cal {

class HandlerTable;

// The month window FORM2.
void addMonthWindowHandlers(HandlerTable& table);

}  // namespace cal
