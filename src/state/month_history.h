#pragma once
// Undo and redo of the displayed month in memory: each change keeps the
// month as it was before, back to the month as loaded or saved.

#include "data/day_cell.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace cal {

class MonthHistory {
public:
    // A month holds 117 KB; this many steps back are kept.
    static constexpr std::size_t kMaxSteps = 200;

    // The history starts again at a month that is on disk as `cells`.
    void restart(const MonthCells& cells);
    // After a change: `before` is what it changed. Nothing is kept for a
    // "change" that left the month as it was. Clears what could be redone.
    void changed(const MonthCells& before, const MonthCells& now);
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // Puts the month one step back (or forward) into `cells`; false when
    // there is none.
    bool undo(MonthCells& cells);
    bool redo(MonthCells& cells);
    // Whether `cells` are the month as it is on disk.
    bool isOnDisk(const MonthCells& cells) const;

private:
    std::vector<std::unique_ptr<MonthCells>> m_undo, m_redo;
    std::unique_ptr<MonthCells> m_onDisk;
};

}  // namespace cal
