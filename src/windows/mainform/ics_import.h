#pragma once
// "予定の取り込み（iCalendar）": the events of a shared calendar's .ics file
// put into the displayed month's free schedule lines.

#include <string>
#include <vector>

namespace cal {

struct Context;

struct IcsImport {
    std::string error;                   // not empty: nothing was stored
    int added = 0;                       // lines put into days
    std::vector<std::string> notFitted;  // "5月3日 10:00 えんそく": no free line
    std::vector<std::string> problems;   // what in the file could not be read or stored
};

// Reads the file and puts the displayed month's events into monthCells, each
// into its day's first free schedule line, never twice the same text on a
// day. A step of the month's undo history; no file is written.
IcsImport importIcsFile(Context& context, const std::string& path);
// The outcome in one message of the main window: "お知らせ", or "エラー".
void tellIcsImport(Context& context, const std::string& path, const IcsImport& import);

// BUTTON73: stores the shown day, asks for the file, imports and shows it.
void BUTTON73_ON(Context& context);

}  // namespace cal
