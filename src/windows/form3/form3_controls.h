#pragma once
// The day editor's control names: eight schedule lines with their ticks,
// six extra lines, the day's pictures by slot (1 the large one, 3 … 8 the
// small ones beside lines 3 … 8) and the layout buttons.

#include "ui/names.h"

#include <array>
#include <string>

namespace cal::form3 {

inline constexpr int kLines = 8;
inline constexpr int kExtraLines = 6;
inline constexpr int kCorners = 4;
inline constexpr std::array<int, 7> kPictureSlots{1, 3, 4, 5, 6, 7, 8};

inline constexpr const char* kDayNumber = "TEXT55";    // the day of the month
inline constexpr const char* kAskOnUpdate = "CHECK9";  // 更新時問い合せする
inline constexpr const char* kUpdate = "BUTTON9";      // 更  新

// Schedule line 1 … 8: EDIT21 … EDIT28, ticked by CHECK1 … CHECK8.
inline std::string lineEdit(int line) { return numberedName("EDIT", 20 + line); }
inline std::string lineCheck(int line) { return numberedName("CHECK", line); }
// Extra line 1 … 6: EDIT148 … EDIT153.
inline std::string extraEdit(int line) { return numberedName("EDIT", 147 + line); }
// The picture of a slot: PICTURE61, PICTURE62 … PICTURE67.
inline std::string slotPicture(int slot) { return numberedName("PICTURE", slot == 1 ? 61 : 59 + slot); }
// Its "Del" button: BUTTON55, BUTTON56 … BUTTON61.
inline std::string slotDelete(int slot) { return numberedName("BUTTON", slot == 1 ? 55 : 53 + slot); }
// The layout buttons ＼ ／ ／ ＼ for corners 1 … 4: BUTTON62 … BUTTON65.
inline std::string layoutButton(int corner) { return numberedName("BUTTON", 61 + corner); }

}  // namespace cal::form3
