#pragma once
// Form descriptions: a caption, a size and the named controls of each of the
// program's windows. Both the Qt service and the recording test double build
// their forms from these tables (the program's own are in windows/).

#include <string_view>
#include <vector>

namespace cal {

enum class ControlKind { Text, Edit, HEdit, Button, Check, Radio, Combo, Group, Picture };

struct ControlDescription {
    ControlKind kind;
    std::string_view name;
    std::string_view text;  // caption or initial text
    double x, y, width, height;  // 0.1 mm
    std::string_view fontName = {};
    double fontSize = 0;  // points; 0 keeps the form's font
    bool readOnly = false;
    // What a screen reader says for the control; empty: its caption.
    std::string_view accessibleName = {};
};

// A key that anywhere in its window acts as a click on a control of the main
// window ("Ctrl+Z" for 元に戻す).
struct Shortcut {
    std::string_view keys;
    std::string_view control;
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    double width, height;  // 0.1 mm, the client area
    std::vector<ControlDescription> controls;
    bool fixedSize = false;
    // A form taller or wider than the screen fits the screen and scrolls.
    bool scrolls = false;
    // A form whose drawing grows with its window: resizing it, or Ctrl and
    // the mouse wheel, scales everything in it by one zoom factor.
    bool zooms = false;
    std::vector<Shortcut> shortcuts = {};
};

// Ctrl+Z and Ctrl+Y: 元に戻す and やり直し of the displayed month.
inline const std::vector<Shortcut> kUndoShortcuts{{"Ctrl+Z", "BUTTON74"}, {"Ctrl+Y", "BUTTON75"}};

const ControlDescription* findControl(const FormDescription& form, std::string_view control);

inline constexpr std::string_view kGothic = "ＭＳ ゴシック";
inline constexpr std::string_view kPGothic = "ＭＳ Ｐゴシック";

}  // namespace cal
