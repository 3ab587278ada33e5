#include "windows/form_descriptions.h"

#include "windows/form4/form4_controls.h"

#include <set>
#include <string>

namespace cal::forms {

namespace {

using form4::fullWidthNumber;

// The descriptions hold views: generated names and labels are kept here for
// the program's lifetime, each text once.
std::string_view keep(std::string text) {
    static std::set<std::string, std::less<>> texts;
    return *texts.insert(std::move(text)).first;
}

// Row geometry, 0.1 mm. Edits and buttons are 62 high on a 66 pitch; a
// label sits 10 lower so that its text lines up with the edit's.
constexpr double kRowHeight = 62;
constexpr double kPitch = 66;
constexpr double kLabelDrop = 10;
constexpr double kLabelHeight = 45;

struct Builder {
    FormDescription& form;
    int labels = 400;

    void label(std::string_view text, double x, double y, double width) {
        form.controls.push_back({ControlKind::Text, keep("TEXT" + std::to_string(++labels)), text, x,
                                 y + kLabelDrop, width, kLabelHeight});
    }
    void add(ControlKind kind, std::string_view name, std::string_view text, double x, double y,
             double width, std::string accessible = {}) {
        ControlDescription c{kind, keep(std::string(name)), text, x, y, width, kRowHeight};
        if (!accessible.empty()) c.accessibleName = keep(std::move(accessible));
        form.controls.push_back(c);
    }
    void group(std::string_view name, std::string_view text, double x, double y, double width,
               double height) {
        form.controls.push_back({ControlKind::Group, name, text, x, y, width, height});
    }
};

void yearBand(Builder& b) {
    b.label("年度カレンダー設定", 30, 25, 330);
    b.add(ControlKind::Edit, form4::kYearField, "", 370, 25, 140, "年度");
    b.add(ControlKind::Button, "BUTTON68", "▲", 515, 25, 75, "次の年度");
    b.add(ControlKind::Button, "BUTTON69", "▼", 595, 25, 75, "前の年度");
    b.add(ControlKind::Radio, form4::kYearMode, "年度修正", 720, 25, 260, "年度修正");
    b.add(ControlKind::Radio, form4::kDefaultMode, "デフォルト修正", 990, 25, 340, "デフォルト修正");
    b.add(ControlKind::Button, form4::kCopyButton, "デフォルトから複写", 1360, 25, 440, "デフォルトから複写");
}

void basicGroup(Builder& b) {
    b.group("GROUP1", "基本設定", 20, 110, 2700, 205);
    struct Row {
        std::string_view nameLabel, nameEdit, pictureLabel, pictureEdit, button;
    };
    const Row rows[] = {{"園名", "EDIT144", "園画像", "EDIT145", "BUTTON52"},
                        {"クラス名", "EDIT146", "クラス画像", "EDIT147", "BUTTON67"}};
    double y = 160;
    for (const Row& r : rows) {
        b.label(r.nameLabel, 50, y, 170);
        b.add(ControlKind::Edit, r.nameEdit, "", 230, y, 560, std::string(r.nameLabel));
        b.label(r.pictureLabel, 830, y, 170);
        b.add(ControlKind::Edit, r.pictureEdit, "", 1010, y, 560, std::string(r.pictureLabel));
        b.add(ControlKind::Button, r.button, "選択", 1580, y, 120, std::string(r.pictureLabel) + " 選択");
        y += 70;
    }
}

void monthRows(Builder& b) {
    const double header = 330;
    b.label("日数", 140, header, 110);
    b.label("１日曜日", 260, header, 140);
    b.label("タイトル画像", 410, header, 430);
    b.label("コメント", 965, header, 620);
    for (int m = 1; m <= form4::kMonths; ++m) {
        const double y = 380 + (m - 1) * kPitch;
        const std::string month = form4::monthLabel(m);
        // "　４月": one-digit months are padded so that the "月" line up.
        b.label(keep(month.size() == std::string("４月").size() ? "　" + month : month), 30, y, 100);
        b.add(ControlKind::Edit, form4::dayEdit(m), "", 140, y, 110, month + " 日数");
        if (m == 1)
            b.add(ControlKind::Combo, form4::kAprilWeekday, "", 260, y, 140, month + " １日曜日");
        else
            b.add(ControlKind::Edit, form4::weekdayEdit(m), "", 260, y, 140, month + " １日曜日");
        b.add(ControlKind::Edit, form4::titleEdit(m), "", 410, y, 430, month + " タイトル画像");
        b.add(ControlKind::Button, form4::titleButton(m), "選択", 845, y, 110, month + " タイトル画像 選択");
        b.add(ControlKind::Edit, form4::commentEdit(m), "", 965, y, 620, month + " コメント");
    }
    const double below = 380 + form4::kMonths * kPitch + 3;
    b.add(ControlKind::Button, "BUTTON22", "設定", 140, below, 110, "日数 設定");
    b.add(ControlKind::Button, "BUTTON23", "設定", 260, below, 140, "１日曜日 設定");
}

void frameGroup(Builder& b) {
    b.group("GROUP2", "外枠画像", 1620, 330, 1100, 470);
    for (int f = 1; f <= form4::kFrames; ++f) {
        const double y = 380 + (f - 1) * kPitch;
        const std::string row = "外枠 " + std::to_string(f);
        b.label(keep(fullWidthNumber(f) + "番"), 1650, y, 90);
        b.add(ControlKind::Edit, form4::frameEdit(f), "", 1750, y, 720, row + " 画像");
        b.add(ControlKind::Button, form4::frameButton(f), "選択", 2480, y, 110, row + " 選択");
    }
}

void holidayGroup(Builder& b) {
    b.group("GROUP3", "祭日登録", 20, 1250, 2700, 840);
    for (int half = 0; half < 2; ++half) {
        const double x = half * 1350;
        b.label("日付", x + 120, 1295, 110);
        b.label("祭日画像", x + 235, 1295, 360);
        b.label("コメント", x + 705, 1295, 620);
        for (int row = 1; row <= 10; ++row) {
            const int i = half * 10 + row;
            const double y = 1345 + (row - 1) * kPitch;
            const std::string entry = "祭日 " + std::to_string(i);
            b.label(keep(fullWidthNumber(i)), x + 40, y, 75);
            b.add(ControlKind::Edit, form4::holidayDateEdit(i), "", x + 120, y, 110, entry + " 日付");
            b.add(ControlKind::Edit, form4::holidayPictureEdit(i), "", x + 235, y, 360, entry + " 画像");
            b.add(ControlKind::Button, form4::holidayButton(i), "選択", x + 600, y, 100, entry + " 選択");
            b.add(ControlKind::Edit, form4::holidayCommentEdit(i), "", x + 705, y, 620, entry + " コメント");
        }
    }
    b.add(ControlKind::Button, "SYUKUJITSU", "祝日を入れる", 50, 2010, 330, "祝日を入れる");
}

// 毎月の行事: twenty rules, ten a half, below the holidays.
constexpr double kItemsTop = 2100;
constexpr double kItemsHeight = 860;

void monthlyItemsGroup(Builder& b) {
    b.group("GROUP4", "毎月の行事", 20, kItemsTop, 2700, kItemsHeight);
    for (int half = 0; half < 2; ++half) {
        const double x = half * 1350;
        b.label("決まり", x + 120, kItemsTop + 45, 250);
        b.label("翌平日", x + 375, kItemsTop + 45, 110);
        b.label("絵", x + 490, kItemsTop + 45, 250);
        b.label("行事名", x + 855, kItemsTop + 45, 470);
        for (int row = 1; row <= 10; ++row) {
            const int i = half * 10 + row;
            const double y = kItemsTop + 95 + (row - 1) * kPitch;
            const std::string item = "毎月の行事 " + std::to_string(i);
            b.label(keep(fullWidthNumber(i)), x + 40, y, 75);
            b.add(ControlKind::Edit, form4::itemRuleEdit(i), "", x + 120, y, 250, item + " 決まり");
            b.add(ControlKind::Check, form4::itemMoveCheck(i), "", x + 400, y, 60, item + " 休日は翌平日");
            b.add(ControlKind::Edit, form4::itemPictureEdit(i), "", x + 490, y, 250, item + " 絵");
            b.add(ControlKind::Button, form4::itemPictureButton(i), "選択", x + 745, y, 100, item + " 絵 選択");
            b.add(ControlKind::Edit, form4::itemTextEdit(i), "", x + 855, y, 470, item + " 行事名");
        }
    }
    b.label("決まりは「15日」「第2火曜日」「最終金曜日」のように書きます。翌平日: 土日・祝日・登録した祭日なら次の平日へ",
            50, kItemsTop + 95 + 10 * kPitch + 5, 2600);
}

}  // namespace

FormDescription yearUtilityForm() {
    FormDescription form{"FORM4", "ソラニワのスプラウトワークス　カレンダーユーティリティ", 2741,
                         kItemsTop + kItemsHeight + 90, {}};
    form.scrolls = true;
    Builder b{form};
    // Top to bottom as the form is filled in: the year, the nursery, the
    // months beside the frames, the holidays, then saving and closing.
    yearBand(b);
    basicGroup(b);
    monthRows(b);
    frameGroup(b);
    holidayGroup(b);
    monthlyItemsGroup(b);
    // Read apart from the day editor's "更  新", which lies under it.
    form.controls.push_back({ControlKind::Button, "BUTTON24", "更　新", 2150, kItemsTop + kItemsHeight + 10, 270, 70, {}, 0, false,
                             "年度設定 更新"});
    form.controls.push_back({ControlKind::Button, "BUTTON66", "終　了", 2440, kItemsTop + kItemsHeight + 10, 270, 70, {}, 0, false,
                             "年度設定 終了"});
    return form;
}

}  // namespace cal::forms
