#include "windows/form4/form4_items.h"

#include "data/file_io.h"
#include "data/sjis.h"
#include "state/context.h"
#include "state/handler_table.h"
#include "ui/names.h"
#include "view/file_guard.h"
#include "view/monthly_items_file.h"
#include "windows/form4/form4_controls.h"

namespace cal {

namespace {

using namespace form4;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void showMonthlyItems(Context& c) {
    const std::vector<MonthlyItem>& items = c.state.utilityItems;
    for (int i = 1; i <= kItems; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const MonthlyItem* item = k < items.size() ? &items[k] : nullptr;
        c.forms.setText(kYearUtility, itemRuleEdit(i), item ? ruleText(item->rule) : "");
        c.forms.setCheckState(kYearUtility, itemMoveCheck(i), item && item->rule.toWorkday ? 1 : 0);
        c.forms.setText(kYearUtility, itemPictureEdit(i), item ? item->picture : "");
        c.forms.setText(kYearUtility, itemTextEdit(i), item ? item->text : "");
        for (const std::string& field : {itemPictureEdit(i), itemTextEdit(i)})
            c.forms.setTextWarning(kYearUtility, field, {});
    }
}

ItemsOnScreen monthlyItemsOnScreen(const Context& c) {
    ItemsOnScreen screen;
    std::string typed;
    for (int i = 1; i <= kItems; ++i) {
        const std::string rule = trimmed(c.forms.text(kYearUtility, itemRuleEdit(i)));
        MonthlyItem item;
        item.picture = trimmed(c.forms.text(kYearUtility, itemPictureEdit(i)));
        item.text = trimmed(c.forms.text(kYearUtility, itemTextEdit(i)));
        if (rule.empty() && item.picture.empty() && item.text.empty()) continue;
        const std::string row = "毎月の行事 " + std::to_string(i) + ": ";
        const auto parsed = parseRule(rule);
        if (!parsed) {
            screen.problems.push_back(row + "決まり「" + rule + "」が読めません（例: 15日、第2火曜日、最終金曜日）");
            continue;
        }
        if (item.picture.empty() && item.text.empty()) {
            screen.problems.push_back(row + "行事名も絵もありません");
            continue;
        }
        item.rule = *parsed;
        item.rule.toWorkday = c.forms.checkState(kYearUtility, itemMoveCheck(i)) == 1;
        typed += item.picture + item.text;
        screen.items.push_back(std::move(item));
    }
    if (const auto bad = unstorableCharacters(typed); !bad.empty())
        screen.problems.push_back("毎月の行事: シフトJISで保存できない文字があります " + describeCharacters(bad));
    return screen;
}

void readUtilityItems(Context& c, const std::string& year) {
    const std::string& dir = c.state.dataDir;
    c.state.utilityItems =
        readMonthlyItemsFile(c, year.empty() ? defaultMonthlyItemsPath(dir) : monthlyItemsPath(dir, year), kYearUtility);
}

bool copyDefaultItems(Context& c, const std::string& year) {
    const std::string from = defaultMonthlyItemsPath(c.state.dataDir);
    const std::string to = monthlyItemsPath(c.state.dataDir, year);
    if (!fileExists(from)) return true;
    if (!mayOverwrite(c, to, kYearUtility)) return false;
    std::string error;
    if (copyFileReplacing(from, to, error, *c.state.fileWriter)) {
        rememberFile(c.state, to);
        return true;
    }
    c.dialogs.messageBox(kYearUtility, "エラー",
                         "毎月の行事のファイル(" + to + ")をデフォルト(" + from + ")から作成できませんでした。(" +
                             error + ")",
                         MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

void addItemFitMarks(HandlerTable& table) {
    for (int i = 1; i <= kItems; ++i)
        for (const auto& [field, fieldWidth] : {std::pair{itemPictureEdit(i), kMonthlyPictureWidth},
                                                std::pair{itemTextEdit(i), kMonthlyTextWidth}})
            table.add(field, EventKind::Change, action([width = fieldWidth](Context& c, const Event& e) {
                          c.forms.setTextWarning(kYearUtility, e.control,
                                                 fieldFitWarning(c.forms.text(kYearUtility, e.control), width));
                      }));
}

}  // namespace cal
