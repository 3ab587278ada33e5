#pragma once
// Handlers by name (CONTROL_EVENT or FORM_EVENT). A handler answers the
// cancel flag of a close request and 0 for every other event.

#include "state/context.h"

#include <functional>
#include <string>
#include <unordered_map>

namespace cal {

using Handler = std::function<int(Context&, const Event&)>;

class HandlerTable {
public:
    void add(const std::string& name, Handler handler);
    // Runs the handler of the event; an event without a handler does nothing
    // and lets a close go ahead.
    int run(Context& context, const Event& event) const;
    bool has(const std::string& name) const;

private:
    std::unordered_map<std::string, Handler> m_handlers;
};

// Convenience for handlers that answer nothing.
template <typename F>
Handler action(F f) {
    return [f](Context& c, const Event& e) {
        f(c, e);
        return 0;
    };
}

}  // namespace cal
