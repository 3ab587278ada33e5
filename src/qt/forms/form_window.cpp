#include "qt/forms/form_window.h"

#include "qt/forms/picture_widget.h"
#include "qt/forms/dropped_files.h"
#include "qt/qt_strings.h"
#include "ui/names.h"
#include "qt/drawing/screen_units.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace cal::qtui {

namespace {

// The font of a form whose controls choose none.
constexpr double kFormPoints = 9;
// A zooming form is never drawn smaller than described; Ctrl and the wheel
// zoom by a tenth a notch.
constexpr double kMinZoom = 1;
constexpr double kMaxZoom = 4;
constexpr double kZoomStep = 1.1;

}  // namespace

FormWindow::FormWindow(const FormDescription& description, Post post)
    : QWidget(nullptr),
      m_name(description.name),
      m_post(std::move(post)),
      m_canvas(*this, palette().color(QPalette::Window)),
      m_fixedSize(description.fixedSize),
      m_zooms(description.zooms) {
    setObjectName(toQString(description.name));
    setWindowTitle(toQString(description.caption));
    m_font = {toQString(kPGothic), kFormPoints};
    applyFont(*this, m_font);
    // The canvas paints every pixel of the client area.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (description.scrolls) {
        m_scroll = new QScrollArea(this);
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_content = new QWidget;
        m_scroll->setWidget(m_content);
    }

    for (const ControlDescription& c : description.controls) addControl(c);
    for (const Shortcut& s : description.shortcuts) {
        auto* shortcut = new QShortcut(QKeySequence(toQString(s.keys)), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, name = std::string(s.control)] { m_post(name, EventKind::On); });
    }
    placeWindow({0, 0, description.width, description.height});
}

void FormWindow::addControl(const ControlDescription& d) {
    QWidget* const host = m_content != nullptr ? m_content : this;
    const std::string name(d.name);
    QWidget* widget = nullptr;
    PictureWidget* picture = nullptr;
    // Widgets are made empty and get their text once their font is set: text
    // laid out in a font about to change would be laid out twice.
    switch (d.kind) {
    case ControlKind::Text: {
        auto* label = new QLabel(host);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::Edit:
    case ControlKind::HEdit: {
        auto* edit = new QLineEdit(host);
        edit->setReadOnly(d.readOnly);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, name] { m_post(name, EventKind::Change); });
        widget = edit;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(host);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, name] { m_post(name, EventKind::On); });
        widget = button;
        break;
    }
    case ControlKind::Check: {
        auto* check = new QCheckBox(host);
        // clicked comes from the user only, never from setChecked.
        connect(check, &QCheckBox::clicked, this, [this, name] { m_post(name, EventKind::On); });
        widget = check;
        break;
    }
    case ControlKind::Radio: {
        auto* radio = new QRadioButton(host);
        connect(radio, &QRadioButton::clicked, this, [this, name] { m_post(name, EventKind::On); });
        widget = radio;
        break;
    }
    case ControlKind::Combo: {
        auto* combo = new QComboBox(host);
        combo->setEditable(true);
        widget = combo;
        break;
    }
    case ControlKind::Group: widget = new QGroupBox(host); break;
    case ControlKind::Picture:
        picture = new PictureWidget(host, [this, name] { m_post(name, EventKind::Click); });
        widget = picture;
        break;
    }
    widget->setObjectName(toQString(d.name));
    if (d.kind == ControlKind::Picture || d.kind == ControlKind::Edit || d.kind == ControlKind::HEdit ||
        d.kind == ControlKind::Button) {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }
    if (!d.accessibleName.empty()) widget->setAccessibleName(toQString(d.accessibleName));

    FontChoice font;
    if (!d.fontName.empty()) font.family = toQString(d.fontName);
    if (d.fontSize > 0) font.points = d.fontSize;
    applyFont(*widget, font);
    if (!d.text.empty()) setControlText(d.kind, *widget, toQString(d.text));

    const Geometry placed{d.x, d.y, d.width, d.height};
    widget->setGeometry(controlRect(placed, widgetScale(*this)));
    // A frame stays behind the controls it surrounds.
    if (d.kind == ControlKind::Group) widget->lower();
    m_controls.emplace(name, FormControl{d.kind, widget, picture, placed, font});
}

FormControl* FormWindow::control(std::string_view name) {
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : &it->second;
}

const FormControl* FormWindow::control(std::string_view name) const {
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : &it->second;
}

// The geometry last set is answered as it was given as long as the widget
// still stands where it put it, so that reading back what was set gives the
// same numbers; otherwise the pixels are converted.
Geometry FormWindow::geometryOf(std::string_view name) const {
    if (name.empty()) {
        // The window is where it stands on the screen, at the size its zoom gives.
        const ScreenScale screen = screenScale(this->screen());
        Geometry g = windowUnits(pos(), size(), screen);
        if (windowPosition(m_placed.x, m_placed.y, screen) == pos()) {
            g.x = m_placed.x;
            g.y = m_placed.y;
        }
        if (windowSize(m_placed.width * m_zoom, m_placed.height * m_zoom, screen) == size()) {
            g.width = m_placed.width * m_zoom;
            g.height = m_placed.height * m_zoom;
        }
        return g;
    }
    const ScreenScale scale = widgetScale(*this);
    const FormControl* c = control(name);
    if (c == nullptr) return {};
    if (controlRect(c->placed, scale) == c->widget->geometry()) return c->placed;
    return controlUnits(c->widget->geometry(), scale);
}

void FormWindow::moveTo(std::string_view name, double x, double y) {
    // A zooming window keeps its own size; its zoom makes it larger.
    Geometry g = name.empty() && m_zooms ? m_placed : geometryOf(name);
    g.x = x;
    g.y = y;
    place(name, g);
}

void FormWindow::resizeTo(std::string_view name, double width, double height) {
    Geometry g = name.empty() && m_zooms ? m_placed : geometryOf(name);
    g.width = width;
    g.height = height;
    place(name, g);
}

void FormWindow::place(std::string_view name, const Geometry& g) {
    if (name.empty()) {
        placeWindow(g);
        return;
    }
    if (FormControl* c = control(name)) {
        c->placed = g;
        c->widget->setGeometry(controlRect(g, widgetScale(*this)));
    }
}

void FormWindow::placeWindow(const Geometry& units) {
    const ScreenScale scale = screenScale(screen());
    m_placed = units;
    m_placing = true;
    move(windowPosition(units.x, units.y, scale));
    QSize client = windowSize(units.width * m_zoom, units.height * m_zoom, scale);
    if (m_scroll != nullptr) {
        m_content->resize(client);
        client = scrolledClientSize(client);
    }
    if (m_fixedSize)
        setFixedSize(client);
    else
        resize(client);
    m_placing = false;
}

void FormWindow::applyZoom(double factor) {
    m_zoom = std::clamp(factor, kMinZoom, kMaxZoom);
    setProperty(kZoomProperty, m_zoom);
    const ScreenScale scale = widgetScale(*this);
    for (auto& [name, c] : m_controls) c.widget->setGeometry(controlRect(c.placed, scale));
}

void FormWindow::setZoom(double factor) {
    if (!m_zooms) return;
    applyZoom(factor);
    placeWindow(m_placed);
}

QSize FormWindow::scrolledClientSize(const QSize& content) const {
    const QScreen* screen = this->screen();
    if (screen == nullptr) return content;
    // Room for the window manager's frame and title bar.
    const QSize room = screen->availableGeometry().size() - QSize(16, 48);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize client = content;
    if (client.height() > room.height()) client.rwidth() += bar;
    if (client.width() > room.width()) client.rheight() += bar;
    return client.boundedTo(room);
}

// Only the chosen attributes are set, so the rest keeps following the form.
void FormWindow::applyFont(QWidget& widget, const FontChoice& choice) {
    QFont font;
    if (choice.family) font.setFamily(*choice.family);
    if (choice.points) font.setPointSizeF(*choice.points);
    widget.setFont(font);
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_canvas.paint(painter, event->rect());
    // For the start-up benchmark: the process ends once the month window,
    // with its controls, has been painted the first time.
    if (m_name == kMonthForm && qEnvironmentVariableIsSet("CALENDAR_EXIT_AFTER_FIRST_PAINT"))
        QTimer::singleShot(0, [] { std::_Exit(0); });
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    // Resized by the user: the drawing grows as far as the window allows
    // both ways.
    if (m_zooms && m_shown && !m_placing) {
        const QSize own = windowSize(m_placed.width, m_placed.height, screenScale(screen()));
        if (!own.isEmpty()) {
            const double fits = std::min(static_cast<double>(event->size().width()) / own.width(),
                                         static_cast<double>(event->size().height()) / own.height());
            if (std::abs(fits - m_zoom) > 0.005) applyZoom(fits);
        }
    }
    m_canvas.fit(event->size());
    if (m_scroll != nullptr) m_scroll->setGeometry(rect());
    QWidget::resizeEvent(event);
    if (m_shown && event->size() != event->oldSize()) m_post({}, EventKind::Resize);
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_shown = true;
}

// The program decides about closing: the request becomes an event.
void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_post({}, EventKind::QueryClose);
}

void FormWindow::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y();
    if (!m_zooms || !(event->modifiers() & Qt::ControlModifier) || notches == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    setZoom(m_zoom * (notches > 0 ? kZoomStep : 1 / kZoomStep));
    event->accept();
}

bool FormWindow::dropEventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> files = droppedFiles(drop->mimeData());
    if (!m_postDrop || files.empty()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) m_postDrop(toStdString(watched->objectName()), std::move(files));
    return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (dropEventFilter(watched, event)) return true;
    // Only text fields tell when they get the focus.
    if (event->type() == QEvent::FocusIn && qobject_cast<QLineEdit*>(watched) != nullptr)
        m_post(toStdString(watched->objectName()), EventKind::SetFocus);
    return QWidget::eventFilter(watched, event);
}

}  // namespace cal::qtui
