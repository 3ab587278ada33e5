#include "state/handler_table.h"

namespace cal {

void HandlerTable::add(const std::string& name, Handler handler) {
    m_handlers[name] = std::move(handler);
}

int HandlerTable::run(Context& context, const Event& event) const {
    const auto it = m_handlers.find(handlerName(event));
    return it == m_handlers.end() ? 0 : it->second(context, event);
}

bool HandlerTable::has(const std::string& name) const {
    return m_handlers.count(name) != 0;
}

}  // namespace cal
