#include "state/handler_table.h"

namespace cal {

bool HandlerTable::add(std::string_view owner, EventKind kind, Handler handler) {
    std::string name = handlerName(owner, kind);
    if (m_handlers.count(name) != 0) {
        m_refused.push_back(std::move(name));
        return false;
    }
    m_handlers.emplace(std::move(name), Entry{{std::string(owner), kind}, std::move(handler)});
    return true;
}

void HandlerTable::replace(std::string_view owner, EventKind kind, Handler handler) {
    m_handlers.insert_or_assign(handlerName(owner, kind), Entry{{std::string(owner), kind}, std::move(handler)});
}

int HandlerTable::run(Context& context, const Event& event) const {
    const auto it = m_handlers.find(handlerName(event));
    return it == m_handlers.end() ? 0 : it->second.handler(context, event);
}

std::vector<HandlerKey> HandlerTable::keys() const {
    std::vector<HandlerKey> all;
    for (const auto& [name, entry] : m_handlers) all.push_back(entry.key);
    return all;
}

}  // namespace cal
