#pragma once
// The year calendar utility FORM4: one school year's settings, or the
// default that new school years are copied from, edited in the utility's
// own copy (utilitySettings) and written whole on 更　新.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

class HandlerTable;
struct Context;
struct YearSettings;

// BUTTON25 of the main window and every handler of FORM4.
void addYearUtilityHandlers(HandlerTable& table);

// BUTTON25 "ユーティリティ": opens the utility, or brings the open one to the front.
void BUTTON25_ON(Context& context);
void FORM4_START(Context& context);

// Fills every control from utilitySettings.
void FORM4_GAME_PUT(Context& context);
// Takes the controls into `record`: a field whose control still shows what
// the field holds keeps its bytes, so an unchanged record is written back
// byte for byte.
void takeControls(Context& context, YearSettings& record);
// Whether the utility shows anything other than the settings it read or
// stored last.
bool utilityHoldsChanges(Context& context);

enum class UtilitySave { Declined, Saved, Failed };
// Asks, then writes the controls to the mode's file.
UtilitySave FORM4_UPDATE(Context& context);
// Marks a text field while typing when it will not be stored as shown.
void addUtilityFitMarks(HandlerTable& table);

// RADIO1 / RADIO2.
void RADIO1_ON(Context& context);
void RADIO2_ON(Context& context);
// ▲ (+1) and ▼ (-1).
void stepSchoolYear(Context& context, int by);
void DEFCOPYBTN_ON(Context& context);
// 終　了 and the window's close: answers the cancel flag (1 keeps it open).
int closeYearUtility(Context& context);

// Fill-in buttons.
void BUTTON22_ON(Context& context);
void BUTTON23_ON(Context& context);
void choosePictureInto(Context& context, const std::string& field);
// Files dropped on a picture field or its button: the first one's library name.
void dropPicturesInto(Context& context, const std::string& field, const std::vector<std::string>& files);
void SYUKUJITSU_ON(Context& context);

// True for a year that may name a settings file: exactly four digits.
bool isSchoolYearText(std::string_view text);
// The year field's text, trimmed, when it may name a file; otherwise says so
// and answers nothing.
std::optional<std::string> checkedYearField(Context& context);
bool inDefaultMode(Context& context);
// The display takes up a record just written for its school year.
void displayTakesUp(Context& context, const YearSettings& record);

}  // namespace cal
