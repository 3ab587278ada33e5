#pragma once
// A form's top-level window, built from its description: the controls as
// child widgets named after the controls, and the form's own canvas painted
// behind them. Geometry is kept in tenths of a millimetre.

#include "ui/form_description.h"
#include "ui/forms_service.h"
#include "qt/drawing/canvas.h"

#include <QString>
#include <QWidget>

class QScrollArea;

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace cal::qtui {

class PictureWidget;

// An explicitly chosen font; what is not set comes from the parent.
struct FontChoice {
    std::optional<QString> family;
    std::optional<double> points;
};

struct FormControl {
    ControlKind kind;
    QWidget* widget;           // owned by the window
    PictureWidget* picture;    // the same widget for pictures, else nullptr
    Geometry placed;           // the last geometry set, in units
    FontChoice font;
};

class FormWindow final : public QWidget {
public:
    // `post` receives the control name (empty for the form) and the kind of
    // every event the window's widgets produce.
    using Post = std::function<void(std::string_view control, EventKind kind)>;

    FormWindow(const FormDescription& description, Post post);

    const std::string& name() const { return m_name; }
    FormControl* control(std::string_view name);
    const FormControl* control(std::string_view name) const;
    Canvas& canvas() { return m_canvas; }

    // An empty control name means the window: its position on the screen
    // and its client size.
    Geometry geometryOf(std::string_view control) const;
    void moveTo(std::string_view control, double x, double y);
    void resizeTo(std::string_view control, double width, double height);

    // Sets what a control of `kind` shows as its text (a combo box: its
    // edit field; a frame: its title; a picture: nothing).
    static void setControlText(ControlKind kind, QWidget& widget, const QString& text);

    void setFontFamily(std::string_view control, const QString& family);
    void setFontPoints(std::string_view control, double points);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addControl(const ControlDescription& description);
    void placeWindow(const Geometry& units);
    // The client size of a scrolling form: its content, or less on a smaller screen.
    QSize scrolledClientSize(const QSize& content) const;
    // Places the window (empty name) or a control at `g`.
    void place(std::string_view name, const Geometry& g);
    void applyFont(QWidget& widget, const FontChoice& font);

    std::string m_name;
    Post m_post;
    Canvas m_canvas;
    std::map<std::string, FormControl, std::less<>> m_controls;
    Geometry m_placed;  // the window's last position and client size, in units
    FontChoice m_font;
    // A scrolling form holds its controls in m_content inside m_scroll;
    // otherwise both are null and the controls sit on the window itself.
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    bool m_fixedSize = false;
    bool m_shown = false;
};

}  // namespace cal::qtui
