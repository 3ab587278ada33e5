#include "ui/forms.h"

namespace cal {

std::string handlerName(const Event& event) {
    static constexpr const char* kSuffix[] = {"_ON",    "_CLICK", "_SETFOCUS",  "_START",
                                              "_RESIZE", "_END",  "_QUERYCLOSE", "_CHANGE"};
    const std::string& owner = event.control.empty() ? event.form : event.control;
    return owner + kSuffix[static_cast<int>(event.kind)];
}

}  // namespace cal
