#include "state/month_history.h"

#include <cstring>

namespace cal {

namespace {

bool same(const MonthCells& a, const MonthCells& b) { return std::memcmp(&a, &b, sizeof(MonthCells)) == 0; }

bool step(std::vector<std::unique_ptr<MonthCells>>& from, std::vector<std::unique_ptr<MonthCells>>& to,
          MonthCells& cells) {
    if (from.empty()) return false;
    to.push_back(std::make_unique<MonthCells>(cells));
    cells = *from.back();
    from.pop_back();
    return true;
}

}  // namespace

void MonthHistory::restart(const MonthCells& cells) {
    m_undo.clear();
    m_redo.clear();
    m_onDisk = std::make_unique<MonthCells>(cells);
}

void MonthHistory::changed(const MonthCells& before, const MonthCells& now) {
    if (same(before, now)) return;
    m_redo.clear();
    if (m_undo.size() == kMaxSteps) m_undo.erase(m_undo.begin());
    m_undo.push_back(std::make_unique<MonthCells>(before));
}

bool MonthHistory::undo(MonthCells& cells) { return step(m_undo, m_redo, cells); }

bool MonthHistory::redo(MonthCells& cells) { return step(m_redo, m_undo, cells); }

bool MonthHistory::isOnDisk(const MonthCells& cells) const { return m_onDisk && same(*m_onDisk, cells); }

}  // namespace cal
