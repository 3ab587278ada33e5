#pragma once
// Handlers by name (CONTROL_EVENT or FORM_EVENT). A handler answers the
// cancel flag of a close request and 0 for every other event.

#include "state/context.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cal {

using Handler = std::function<int(Context&, const Event&)>;

// What a handler is registered for: a control's event, or a form's own
// event with the form's name as owner.
struct HandlerKey {
    std::string owner;
    EventKind kind;
};

class HandlerTable {
public:
    // A second handler for the same name is refused: add answers false and
    // the name is kept in refused().
    bool add(std::string_view owner, EventKind kind, Handler handler);
    // Puts `handler` in place of the one registered, or registers it.
    void replace(std::string_view owner, EventKind kind, Handler handler);
    // Runs the handler of the event; an event without a handler does nothing
    // and lets a close go ahead.
    int run(Context& context, const Event& event) const;
    std::vector<HandlerKey> keys() const;
    const std::vector<std::string>& refused() const { return m_refused; }

private:
    struct Entry {
        HandlerKey key;
        Handler handler;
    };
    std::unordered_map<std::string, Entry> m_handlers;
    std::vector<std::string> m_refused;
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
