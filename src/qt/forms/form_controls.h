#pragma once
// What the forms service asks of one form, whether it is a window or a form
// of the print-only program kept as values. An empty control name means the
// form itself: its caption, its position and its client area.

#include "ui/forms_service.h"

#include <string>
#include <string_view>

namespace cal::qtui {

class FormControls {
public:
    // Whether the form has a control of that name (the empty name: the form).
    virtual bool holds(std::string_view control) const = 0;

    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::string_view text) = 0;
    virtual int checkState(std::string_view control) const = 0;
    virtual void setCheckState(std::string_view control, int state) = 0;
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    virtual void setTextWarning(std::string_view control, std::string_view warning) = 0;
    virtual void addComboEntry(std::string_view control, std::string_view entry) = 0;
    virtual void selectComboEntry(std::string_view control, int index) = 0;
    virtual Geometry geometryOf(std::string_view control) const = 0;
    virtual void moveTo(std::string_view control, double x, double y) = 0;
    virtual void resizeTo(std::string_view control, double width, double height) = 0;
    virtual void setFontName(std::string_view control, std::string_view name) = 0;
    virtual void setFontSize(std::string_view control, double points) = 0;

protected:
    ~FormControls() = default;
};

}  // namespace cal::qtui
