#include "windows/form_descriptions.h"

#include <array>
#include <string>

namespace cal::forms {

namespace {

// PICTURE1 … PICTURE60; their names must outlive the description.
const std::array<std::string, 60>& pictureNames() {
    static const std::array<std::string, 60> names = [] {
        std::array<std::string, 60> n;
        for (int i = 0; i < 60; ++i) n[i] = "PICTURE" + std::to_string(i + 1);
        return n;
    }();
    return names;
}

}  // namespace

FormDescription monthForm() {
    FormDescription form{"FORM2", "カレンダープレビュー", 3000, 2200, {}};
    form.zooms = true;
    form.shortcuts = kUndoShortcuts;
    // Placeholder places outside the window: start-up sizes and moves the
    // cells of the grid; the others stay out of sight.
    for (int i = 0; i < 60; ++i)
        form.controls.push_back({ControlKind::Picture, pictureNames()[i], "", 40000.0 + 400 * i,
                                 0, 350, 190, kPGothic, 4});
    return form;
}

}  // namespace cal::forms
