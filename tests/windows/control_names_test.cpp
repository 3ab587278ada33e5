// Every control name the program uses is one its form's description holds:
// the names headers' constants and numbered rows, and every registered
// handler; and no handler is registered twice.
#include "support/harness.h"
#include "ui/names.h"
#include "windows/form2/form2_controls.h"
#include "windows/form3/form3_controls.h"
#include "windows/form4/form4_controls.h"
#include "windows/form6/form6_controls.h"
#include "windows/form_descriptions.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace cal::test {
namespace {

constexpr const char* kForms[] = {kMainForm, kMonthForm, kDayEditor, kYearUtility, kSettingsDialog};

bool formHolds(std::string_view form, std::string_view control) {
    const FormDescription* desc = formDescription(form);
    return desc && findControl(*desc, control);
}

bool anyFormHolds(std::string_view control) {
    for (const char* form : kForms)
        if (formHolds(form, control)) return true;
    return false;
}

bool isFormEvent(EventKind kind) {
    return kind == EventKind::Start || kind == EventKind::Resize || kind == EventKind::End ||
           kind == EventKind::QueryClose;
}

struct Row {
    const char* form;
    std::function<std::string(int)> name;
    int first, last;
};

TEST(ControlNames, EveryNameOfTheNamesHeadersIsOnItsForm) {
    std::vector<std::pair<const char*, std::string>> names;
    for (const char* c : {mainform::kPreviousMonth, mainform::kNextMonth, mainform::kSchoolYear, mainform::kPrint,
                          mainform::kPrintYear, mainform::kHolidayImport, mainform::kUtility, mainform::kSettings,
                          mainform::kCommonCopy, mainform::kEmptyYear, mainform::kSettingsUpdate, mainform::kLoadData,
                          mainform::kColumns, mainform::kRows, mainform::kBoxWidth, mainform::kBoxHeight,
                          mainform::kPaperTop, mainform::kPaperLeft, mainform::kLineSpacing,
                          mainform::kPrintFontSize, mainform::kScreenMargin, mainform::kTitleHeight})
        names.emplace_back(kMainForm, c);
    for (std::string_view c : mainform::kSettingFields) names.emplace_back(kMainForm, c);
    for (const char* c : {form3::kDayNumber, form3::kAskOnUpdate, form3::kUpdate}) names.emplace_back(kDayEditor, c);
    for (const char* c : {form4::kYearField, form4::kNextYear, form4::kPreviousYear, form4::kYearMode,
                          form4::kDefaultMode, form4::kCopyButton, form4::kAprilWeekday, form4::kSchoolName,
                          form4::kSchoolPicture, form4::kSchoolPictureButton, form4::kClassName,
                          form4::kClassPicture, form4::kClassPictureButton, form4::kSetDays, form4::kSetWeekdays,
                          form4::kFillHolidays, form4::kUpdate, form4::kClose})
        names.emplace_back(kYearUtility, c);
    for (const form4::PictureButton& p : form4::pictureButtons()) {
        names.emplace_back(kYearUtility, p.button);
        names.emplace_back(kYearUtility, p.field);
    }
    for (const char* c : {form6::kUpdate, form6::kCommonFolder, form6::kBrowse}) names.emplace_back(kSettingsDialog, c);
    for (const auto& [dialogField, mainField] : form6::kFields) {
        names.emplace_back(kSettingsDialog, dialogField);
        names.emplace_back(kMainForm, mainField);
    }
    const Row rows[] = {
        {kMonthForm, form2::cell, 1, form2::kCells},
        {kDayEditor, form3::lineEdit, 1, form3::kLines},
        {kDayEditor, form3::lineCheck, 1, form3::kLines},
        {kDayEditor, form3::extraEdit, 1, form3::kExtraLines},
        {kDayEditor, form3::layoutButton, 1, form3::kCorners},
        {kYearUtility, form4::dayEdit, 1, form4::kMonths},
        {kYearUtility, form4::weekdayEdit, 2, form4::kMonths},
        {kYearUtility, form4::commentEdit, 1, form4::kMonths},
        {kYearUtility, form4::holidayDateEdit, 1, form4::kHolidays},
        {kYearUtility, form4::holidayCommentEdit, 1, form4::kHolidays},
    };
    for (const Row& row : rows)
        for (int n = row.first; n <= row.last; ++n) names.emplace_back(row.form, row.name(n));
    for (const int slot : form3::kPictureSlots) {
        names.emplace_back(kDayEditor, form3::slotPicture(slot));
        names.emplace_back(kDayEditor, form3::slotDelete(slot));
    }
    for (const auto& [form, control] : names) EXPECT_TRUE(formHolds(form, control)) << form << " " << control;
}

TEST(ControlNames, EveryHandlerIsForAFormOrAControlOfOneAndNoneIsRegisteredTwice) {
    Harness h;
    const HandlerTable& table = h.app.handlers();
    EXPECT_TRUE(table.refused().empty()) << table.refused().front();
    const std::vector<HandlerKey> keys = table.keys();
    EXPECT_FALSE(keys.empty());
    for (const HandlerKey& key : keys) {
        const std::string name = handlerName(key.owner, key.kind);
        if (isFormEvent(key.kind))
            EXPECT_NE(formDescription(key.owner), nullptr) << name;
        else
            EXPECT_TRUE(anyFormHolds(key.owner)) << name;
    }
}

TEST(ControlNames, ASecondHandlerForANameIsRefusedAndTheFirstKept) {
    Harness h;
    HandlerTable table;
    EXPECT_TRUE(table.add(form3::kUpdate, EventKind::On, [](Context&, const Event&) { return 1; }));
    EXPECT_FALSE(table.add(form3::kUpdate, EventKind::On, [](Context&, const Event&) { return 2; }));
    EXPECT_EQ(table.refused(), std::vector<std::string>{handlerName(form3::kUpdate, EventKind::On)});
    EXPECT_EQ(table.run(h.context(), {kDayEditor, form3::kUpdate, EventKind::On}), 1);
}

TEST(ControlNames, TheRecordingFormsReportAControlItsFormDoesNotHold) {
    Harness h;
    h.createForms();
    const std::string misspelt = form3::lineEdit(form3::kLines) + "0";
    EXPECT_NONFATAL_FAILURE(h.forms.text(kDayEditor, misspelt), misspelt);
    EXPECT_NONFATAL_FAILURE(h.forms.setCheckState(kDayEditor, misspelt, 1), misspelt);
    EXPECT_NONFATAL_FAILURE(h.forms.surface(kMonthForm, form2::cell(form2::kCells + 1)), "PICTURE");
}

}  // namespace
}  // namespace cal::test
