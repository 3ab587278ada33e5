#include "windows/form_descriptions.h"

#include <array>

namespace cal::forms {

namespace {

constexpr std::array<double, 6> kSmallRows{319, 400, 481, 562, 644, 725};
constexpr std::array<double, 6> kSmallChecks{337, 419, 500, 581, 656, 731};
// The six further lines are notes that no page shows; a label above says so.
constexpr double kNotesLabelRow = 825;
constexpr double kNotesShift = 60;
constexpr std::array<double, 6> kTextRows{825 + kNotesShift, 906 + kNotesShift, 987 + kNotesShift,
                                          1069 + kNotesShift, 1150 + kNotesShift, 1231 + kNotesShift};
constexpr std::array<std::string_view, 6> kTextLineNames{"メモ 1", "メモ 2", "メモ 3", "メモ 4", "メモ 5", "メモ 6"};
constexpr std::array<std::string_view, 6> kSmallPictures{
    "PICTURE62", "PICTURE63", "PICTURE64", "PICTURE65", "PICTURE66", "PICTURE67"};
constexpr std::array<std::string_view, 6> kSmallDeletes{
    "BUTTON56", "BUTTON57", "BUTTON58", "BUTTON59", "BUTTON60", "BUTTON61"};
constexpr std::array<std::string_view, 6> kSmallCheckNames{
    "CHECK3", "CHECK4", "CHECK5", "CHECK6", "CHECK7", "CHECK8"};
constexpr std::array<std::string_view, 6> kSmallLines{
    "EDIT23", "EDIT24", "EDIT25", "EDIT26", "EDIT27", "EDIT28"};
constexpr std::array<std::string_view, 6> kTextLines{
    "EDIT148", "EDIT149", "EDIT150", "EDIT151", "EDIT152", "EDIT153"};

}  // namespace

FormDescription dayEditorForm() {
    FormDescription form{
        "FORM3",
        "予定拡大表示／修正／入力",
        931,
        1603,
        {
            {ControlKind::Picture, "PICTURE61", "", 9, 6, 375, 300},
            {ControlKind::Button, "BUTTON55", "Del", 384, 6, 75, 75},
            {ControlKind::Text, "TEXT55", "", 469, 19, 131, 131, {}, 24},
            {ControlKind::Text, "TEXT58", "日", 600, 87, 75, 56},
            {ControlKind::Button, "BUTTON62", "＼", 684, 6, 75, 75},
            {ControlKind::Button, "BUTTON63", "／", 759, 6, 75, 75},
            {ControlKind::Button, "BUTTON64", "／", 684, 81, 75, 75},
            {ControlKind::Button, "BUTTON65", "＼", 759, 81, 75, 75},
            {ControlKind::Check, "CHECK1", "", 431, 175, 53, 50},
            {ControlKind::Check, "CHECK2", "", 431, 250, 53, 50},
            {ControlKind::Edit, "EDIT21", "", 497, 156, 356, 81, kGothic},
            {ControlKind::Edit, "EDIT22", "", 497, 237, 356, 81, kGothic},
        }};
    for (std::size_t i = 0; i < 6; ++i) {
        form.controls.push_back({ControlKind::Picture, kSmallPictures[i], "", 9, kSmallRows[i], 131, 81});
        form.controls.push_back({ControlKind::Button, kSmallDeletes[i], "Del", 141, kSmallRows[i], 75, 81});
        form.controls.push_back({ControlKind::Check, kSmallCheckNames[i], "", 225, kSmallChecks[i], 53, 50});
        form.controls.push_back(
            {ControlKind::Edit, kSmallLines[i], "", 281, kSmallRows[i], 572, 81, kGothic});
    }
    form.controls.push_back({ControlKind::Text, "TEXT59", "メモ（印刷されません）", 9, kNotesLabelRow, 844, 55});
    for (std::size_t i = 0; i < 6; ++i)
        form.controls.push_back({ControlKind::Edit, kTextLines[i], "", 9, kTextRows[i], 844, 81, kGothic, 0, false,
                                 kTextLineNames[i]});
    form.controls.push_back(
        {ControlKind::Check, "CHECK9", "更新時問い合せする", 28, 1344 + kNotesShift, 619, 69});
    form.controls.push_back({ControlKind::Button, "BUTTON9", "更  新", 666, 1350 + kNotesShift, 178, 69});
    return form;
}

}  // namespace cal::forms
