#include "ui/forms.h"

namespace cal {

std::string handlerName(std::string_view owner, EventKind kind) {
    static constexpr const char* kSuffix[] = {"_ON",    "_CLICK", "_SETFOCUS",  "_START",
                                              "_RESIZE", "_END",  "_QUERYCLOSE", "_CHANGE", "_DROP"};
    return std::string(owner) + kSuffix[static_cast<int>(kind)];
}

std::string handlerName(const Event& event) {
    return handlerName(event.control.empty() ? event.form : event.control, event.kind);
}

}  // namespace cal
