#pragma once
// A form's top-level window, built from its description: the controls as
// child widgets named after the controls, and the form's own canvas painted
// behind them. Geometry is kept in tenths of a millimetre.

#include "qt/drawing/canvas.h"
#include "qt/forms/form_controls.h"
#include "ui/form_description.h"

#include <QString>
#include <QWidget>

class QScrollArea;

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

class FormWindow final : public QWidget, public FormControls {
public:
    // `post` receives the control name (empty for the form) and the kind of
    // every event the window's widgets produce.
    using Post = std::function<void(std::string_view control, EventKind kind)>;

    FormWindow(const FormDescription& description, Post post);
    // Receives files dropped from a file manager on a picture, a text
    // field or a button, with the control's name.
    using PostDrop = std::function<void(std::string_view control, std::vector<std::string> files)>;
    void setDropSink(PostDrop sink) { m_postDrop = std::move(sink); }

    const std::string& name() const { return m_name; }
    FormControl* control(std::string_view name);
    const FormControl* control(std::string_view name) const;
    Canvas& canvas() { return m_canvas; }

    // The form's geometry is the window's position on the screen and its
    // client size.
    bool holds(std::string_view control) const override;
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    int checkState(std::string_view control) const override;
    void setCheckState(std::string_view control, int state) override;
    void setEnabled(std::string_view control, bool enabled) override;
    using QWidget::setEnabled;
    void setTextWarning(std::string_view control, std::string_view warning) override;
    void addComboEntry(std::string_view control, std::string_view entry) override;
    void selectComboEntry(std::string_view control, int index) override;
    Geometry geometryOf(std::string_view control) const override;
    void moveTo(std::string_view control, double x, double y) override;
    void resizeTo(std::string_view control, double width, double height) override;
    void setFontName(std::string_view control, std::string_view name) override;
    void setFontSize(std::string_view control, double points) override;

    // A zooming form's zoom; its window's size follows it, its controls'
    // geometry stays in the form's own units.
    double zoom() const { return m_zoom; }
    void setZoom(double factor);

    // Sets what a control of `kind` shows as its text (a combo box: its
    // edit field; a frame: its title; a picture: nothing).
    static void setControlText(ControlKind kind, QWidget& widget, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void addControl(const ControlDescription& description);
    void placeWindow(const Geometry& units);
    // The client size of a scrolling form: its content, or less on a smaller screen.
    QSize scrolledClientSize(const QSize& content) const;
    // Places the window (empty name) or a control at `g`.
    void place(std::string_view name, const Geometry& g);
    void applyFont(QWidget& widget, const FontChoice& font);
    // Places the controls at `factor` times their size.
    void applyZoom(double factor);

    // Drag and drop of files over a control; true when the event was taken.
    bool dropEventFilter(QObject* watched, QEvent* event);

    std::string m_name;
    Post m_post;
    PostDrop m_postDrop;
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
    bool m_zooms = false;
    double m_zoom = 1;
    bool m_placing = false;  // the program is placing the window
};

}  // namespace cal::qtui
