#include "qt/forms/form_window.h"

#include "qt/qt_strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace cal::qtui {

bool FormWindow::holds(std::string_view name) const { return name.empty() || control(name) != nullptr; }

std::string FormWindow::text(std::string_view name) const {
    if (name.empty()) return toStdString(windowTitle());
    const FormControl* c = control(name);
    if (c == nullptr) return {};
    switch (c->kind) {
    case ControlKind::Text: return toStdString(static_cast<QLabel*>(c->widget)->text());
    case ControlKind::Edit:
    case ControlKind::HEdit: return toStdString(static_cast<QLineEdit*>(c->widget)->text());
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio: return toStdString(static_cast<QAbstractButton*>(c->widget)->text());
    case ControlKind::Combo: return toStdString(static_cast<QComboBox*>(c->widget)->currentText());
    case ControlKind::Group: return toStdString(static_cast<QGroupBox*>(c->widget)->title());
    case ControlKind::Picture: return {};
    }
    return {};
}

void FormWindow::setText(std::string_view name, std::string_view text) {
    const QString value = toQString(text);
    if (name.empty()) {
        setWindowTitle(value);
        return;
    }
    if (const FormControl* c = control(name)) setControlText(c->kind, *c->widget, value);
}

void FormWindow::setControlText(ControlKind kind, QWidget& widget, const QString& text) {
    switch (kind) {
    case ControlKind::Text: static_cast<QLabel&>(widget).setText(text); break;
    case ControlKind::Edit:
    case ControlKind::HEdit: static_cast<QLineEdit&>(widget).setText(text); break;
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio: static_cast<QAbstractButton&>(widget).setText(text); break;
    case ControlKind::Combo: static_cast<QComboBox&>(widget).setEditText(text); break;
    case ControlKind::Group: static_cast<QGroupBox&>(widget).setTitle(text); break;
    case ControlKind::Picture: break;
    }
}

namespace {

bool isButton(const FormControl* c) {
    return c != nullptr && (c->kind == ControlKind::Check || c->kind == ControlKind::Radio);
}

}  // namespace

int FormWindow::checkState(std::string_view name) const {
    const FormControl* c = control(name);
    if (!isButton(c)) return 0;
    return static_cast<QAbstractButton*>(c->widget)->isChecked() ? 1 : 0;
}

void FormWindow::setCheckState(std::string_view name, int state) {
    const FormControl* c = control(name);
    if (!isButton(c)) return;
    auto* button = static_cast<QAbstractButton*>(c->widget);
    // setChecked emits toggled, never clicked: no event comes of it.
    if (c->kind == ControlKind::Radio && state == 0) {
        // An exclusive radio button refuses to clear itself.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    button->setChecked(state != 0);
}

void FormWindow::setEnabled(std::string_view name, bool enabled) {
    if (name.empty()) {
        QWidget::setEnabled(enabled);
    } else if (const FormControl* c = control(name)) {
        c->widget->setEnabled(enabled);
    }
}

void FormWindow::setTextWarning(std::string_view name, std::string_view warning) {
    const FormControl* c = control(name);
    if (c == nullptr) return;
    QWidget* widget = c->widget;
    // Red text tells that the field will not be stored as shown; the tip and
    // the accessible description say why.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, warning.empty() ? QApplication::palette(widget).color(QPalette::Text)
                                                     : QColor(Qt::red));
    widget->setPalette(palette);
    widget->setToolTip(toQString(warning));
    widget->setAccessibleDescription(toQString(warning));
}

void FormWindow::addComboEntry(std::string_view name, std::string_view entry) {
    const FormControl* c = control(name);
    if (c != nullptr && c->kind == ControlKind::Combo) static_cast<QComboBox*>(c->widget)->addItem(toQString(entry));
}

void FormWindow::selectComboEntry(std::string_view name, int index) {
    const FormControl* c = control(name);
    if (c == nullptr || c->kind != ControlKind::Combo) return;
    auto* combo = static_cast<QComboBox*>(c->widget);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void FormWindow::setFontName(std::string_view name, std::string_view fontName) {
    const QString family = toQString(fontName);
    if (name.empty()) {
        m_font.family = family;
        applyFont(*this, m_font);
    } else if (FormControl* c = control(name)) {
        c->font.family = family;
        applyFont(*c->widget, c->font);
    }
}

void FormWindow::setFontSize(std::string_view name, double points) {
    if (points <= 0) return;
    if (name.empty()) {
        m_font.points = points;
        applyFont(*this, m_font);
    } else if (FormControl* c = control(name)) {
        c->font.points = points;
        applyFont(*c->widget, c->font);
    }
}

}  // namespace cal::qtui
