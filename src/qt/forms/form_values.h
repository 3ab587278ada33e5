#pragma once
// A form of the print-only program: what its controls hold, kept as values
// without any widget. It answers as the form's window would: a radio button
// checked clears the other radio buttons of its form, an editable combo box
// shows the entry chosen (the first one added to an empty list), and the
// geometry read back is the one set, in tenths of a millimetre.

#include "ui/form_description.h"
#include "ui/forms_service.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cal::qtui {

class FormValues {
public:
    explicit FormValues(const FormDescription& description);

    // An empty control name means the form: its caption and its client area.
    std::string text(std::string_view control) const;
    void setText(std::string_view control, std::string_view text);
    int checkState(std::string_view control) const;
    void setCheckState(std::string_view control, int state);
    void addComboEntry(std::string_view control, std::string_view entry);
    void selectComboEntry(std::string_view control, int index);
    Geometry geometryOf(std::string_view control) const;
    void moveTo(std::string_view control, double x, double y);
    void resizeTo(std::string_view control, double width, double height);

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
