#pragma once
// Moving one day between its record in monthCells and the day editor.

#include <string_view>

namespace cal {

struct Context;

// Why the day editor is loaded: a cell click asks for the neighbouring month
// when the cell holds no day; the other callers only show it.
enum class SelectBy { Click, Program };

// Loads the selected cell's day into the day editor, or, for a blank cell
// clicked before day 1 or after the last day, asks for a month step.
void DAT_SET(Context& context, SelectBy by = SelectBy::Program);

// Stores the day editor into the selected cell's record when a control was
// touched (after the optional question) and repaints the day cells. Texts the
// user did not change keep their bytes. Answers false, with a message and
// nothing stored, while a line holds characters Shift-JIS cannot hold: the
// caller then stops, leaving the editor as typed.
bool DAT_UPDATE(Context& context);
// The same without the question, for a save the user has already agreed to.
bool storeShownDay(Context& context);

// Marks a line of the day editor whose text will be cut at its field's
// width or, for schedule lines, will not fit its cell on paper.
void markLineFit(Context& context, std::string_view control);

}  // namespace cal
