// The controls of a form, answered by its window or, in the print-only
// program, by its kept values. A control its form does not hold is a fault
// of the program: it is reported, never answered as if it were empty.

#include "qt/forms/qt_forms_service.h"

#include "qt/forms/form_values.h"
#include "qt/forms/form_window.h"

#include <QLoggingCategory>

namespace cal::qtui {

namespace {

#ifdef NDEBUG
Q_LOGGING_CATEGORY(formsLog, "calendar.forms", QtCriticalMsg)
#else
Q_LOGGING_CATEGORY(formsLog, "calendar.forms", QtWarningMsg)
#endif

}  // namespace

const QLoggingCategory& QtFormsService::unknownControlReports() { return formsLog(); }

FormControls* QtFormsService::controls(std::string_view form, std::string_view control) const {
    FormControls* found = values(form);
    if (found == nullptr) found = find(form);
    if (found == nullptr || found->holds(control)) return found;
    qCWarning(formsLog, "フォーム %.*s にコントロール %.*s はありません", static_cast<int>(form.size()), form.data(),
              static_cast<int>(control.size()), control.data());
    return nullptr;
}

std::string QtFormsService::text(std::string_view form, std::string_view control) const {
    const FormControls* f = controls(form, control);
    return f == nullptr ? std::string() : f->text(control);
}

void QtFormsService::setText(std::string_view form, std::string_view control, std::string_view text) {
    if (FormControls* f = controls(form, control)) f->setText(control, text);
}

int QtFormsService::checkState(std::string_view form, std::string_view control) const {
    const FormControls* f = controls(form, control);
    return f == nullptr ? 0 : f->checkState(control);
}

void QtFormsService::setCheckState(std::string_view form, std::string_view control, int state) {
    if (FormControls* f = controls(form, control)) f->setCheckState(control, state);
}

void QtFormsService::setEnabled(std::string_view form, std::string_view control, bool enabled) {
    if (FormControls* f = controls(form, control)) f->setEnabled(control, enabled);
}

void QtFormsService::setTextWarning(std::string_view form, std::string_view control, std::string_view warning) {
    if (FormControls* f = controls(form, control)) f->setTextWarning(control, warning);
}

void QtFormsService::addComboEntry(std::string_view form, std::string_view control, std::string_view entry) {
    if (FormControls* f = controls(form, control)) f->addComboEntry(control, entry);
}

void QtFormsService::selectComboEntry(std::string_view form, std::string_view control, int index) {
    if (FormControls* f = controls(form, control)) f->selectComboEntry(control, index);
}

Geometry QtFormsService::geometry(std::string_view form, std::string_view control) const {
    const FormControls* f = controls(form, control);
    return f == nullptr ? Geometry{} : f->geometryOf(control);
}

void QtFormsService::move(std::string_view form, std::string_view control, double x, double y) {
    if (FormControls* f = controls(form, control)) f->moveTo(control, x, y);
}

void QtFormsService::resize(std::string_view form, std::string_view control, double width, double height) {
    if (FormControls* f = controls(form, control)) f->resizeTo(control, width, height);
}

void QtFormsService::setFontName(std::string_view form, std::string_view control, std::string_view name) {
    if (FormControls* f = controls(form, control)) f->setFontName(control, name);
}

void QtFormsService::setFontSize(std::string_view form, std::string_view control, double points) {
    if (FormControls* f = controls(form, control)) f->setFontSize(control, points);
}

}  // namespace cal::qtui
