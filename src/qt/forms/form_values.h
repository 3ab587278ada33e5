#pragma once
// A form of the print-only program: what its controls hold, kept as values
// without any widget. It answers as the form's window would: a radio button
// checked clears the other radio buttons of its form, an editable combo box
// shows the entry chosen (the first one added to an empty list), and the
// geometry read back is the one set, in tenths of a millimetre.

#include "qt/forms/form_controls.h"
#include "ui/form_description.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cal::qtui {

class FormValues final : public FormControls {
public:
    explicit FormValues(const FormDescription& description);

    bool holds(std::string_view control) const override;
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    int checkState(std::string_view control) const override;
    void setCheckState(std::string_view control, int state) override;
    void addComboEntry(std::string_view control, std::string_view entry) override;
    void selectComboEntry(std::string_view control, int index) override;
    Geometry geometryOf(std::string_view control) const override;
    void moveTo(std::string_view control, double x, double y) override;
    void resizeTo(std::string_view control, double width, double height) override;
    // Nobody sees these forms: how a control looks is not kept.
    void setEnabled(std::string_view, bool) override {}
    void setTextWarning(std::string_view, std::string_view) override {}
    void setFontName(std::string_view, std::string_view) override {}
    void setFontSize(std::string_view, double) override {}

private:
    struct Control {
        ControlKind kind;
        std::string text;
        bool checked = false;
        std::vector<std::string> entries;
        Geometry placed;
    };

    Control* control(std::string_view name);
    const Control* control(std::string_view name) const;
    Geometry* placed(std::string_view name);

    std::string m_caption;
    Geometry m_placed;
    std::map<std::string, Control, std::less<>> m_controls;
};

}  // namespace cal::qtui
