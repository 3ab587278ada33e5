#include "qt/forms/form_values.h"

namespace cal::qtui {

FormValues::FormValues(const FormDescription& description)
    : m_caption(description.caption), m_placed{0, 0, description.width, description.height} {
    for (const ControlDescription& d : description.controls) {
        Control c{d.kind, std::string(d.text), false, {}, {d.x, d.y, d.width, d.height}};
        // A picture shows no text.
        if (d.kind == ControlKind::Picture) c.text.clear();
        m_controls.emplace(std::string(d.name), std::move(c));
    }
}

FormValues::Control* FormValues::control(std::string_view name) {
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : &it->second;
}

const FormValues::Control* FormValues::control(std::string_view name) const {
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : &it->second;
}

bool FormValues::holds(std::string_view name) const { return name.empty() || control(name) != nullptr; }

std::string FormValues::text(std::string_view name) const {
    if (name.empty()) return m_caption;
    const Control* c = control(name);
    return c == nullptr ? std::string() : c->text;
}

void FormValues::setText(std::string_view name, std::string_view text) {
    if (name.empty()) {
        m_caption = text;
    } else if (Control* c = control(name); c != nullptr && c->kind != ControlKind::Picture) {
        c->text = text;
    }
}

int FormValues::checkState(std::string_view name) const {
    const Control* c = control(name);
    return c != nullptr && c->checked ? 1 : 0;
}

void FormValues::setCheckState(std::string_view name, int state) {
    Control* c = control(name);
    if (c == nullptr || (c->kind != ControlKind::Check && c->kind != ControlKind::Radio)) return;
    // The radio buttons of a form share one parent: one of them at most is on.
    if (c->kind == ControlKind::Radio && state != 0)
        for (auto& [other, value] : m_controls)
            if (value.kind == ControlKind::Radio) value.checked = false;
    c->checked = state != 0;
}

void FormValues::addComboEntry(std::string_view name, std::string_view entry) {
    Control* c = control(name);
    if (c == nullptr || c->kind != ControlKind::Combo) return;
    c->entries.emplace_back(entry);
    // The first entry of an empty list becomes the current one.
    if (c->entries.size() == 1) c->text = entry;
}

void FormValues::selectComboEntry(std::string_view name, int index) {
    Control* c = control(name);
    if (c == nullptr || c->kind != ControlKind::Combo) return;
    const bool valid = index >= 0 && static_cast<std::size_t>(index) < c->entries.size();
    c->text = valid ? c->entries[static_cast<std::size_t>(index)] : std::string();
}

Geometry* FormValues::placed(std::string_view name) {
    if (name.empty()) return &m_placed;
    Control* c = control(name);
    return c == nullptr ? nullptr : &c->placed;
}

Geometry FormValues::geometryOf(std::string_view name) const {
    if (name.empty()) return m_placed;
    const Control* c = control(name);
    return c == nullptr ? Geometry{} : c->placed;
}

void FormValues::moveTo(std::string_view name, double x, double y) {
    if (Geometry* g = placed(name)) {
        g->x = x;
        g->y = y;
    }
}

void FormValues::resizeTo(std::string_view name, double width, double height) {
    if (Geometry* g = placed(name)) {
        g->width = width;
        g->height = height;
    }
}

}  // namespace cal::qtui
