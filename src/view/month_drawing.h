#pragma once
// Painting the displayed month in the month window FORM2.

namespace cal {

struct Context;

// Clears every cell of the grid.
void GAME_CLS(Context& context);
// Paints every day cell: number, frame, pictures and schedule lines.
void GAME_SAIBYOUGA(Context& context);
// Paints the title band and the weekday names on the window itself.
void TITLE_SAIBYOUGA(Context& context);
// Paints again the cell `previousCell` (0: none) and the one the day editor
// shows now, which carries the mark of the shown day.
void markShownDay(Context& context, int previousCell);
// Clears and repaints the day cells.
void repaintCells(Context& context);
// Repaints everything: title band and day cells.
void repaintMonth(Context& context);

}  // namespace cal
