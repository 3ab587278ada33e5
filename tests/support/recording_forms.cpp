#include "support/recording_forms.h"

#include "windows/form_descriptions.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace cal::test {

class RecordingForms::RecordingSurface final : public Surface {
public:
    RecordingSurface(RecordingForms& owner, std::string form, std::string control)
        : m_owner(owner), m_form(std::move(form)), m_control(std::move(control)) {}
    void clear() override { log({m_form, m_control, "clear", 0, 0, 0, 0, 0, 0, 0, {}}); }
    void text(double x, double y, std::string_view s, double magX, double magY, int color) override {
        log({m_form, m_control, "text", x, y, 0, 0, magX, magY, color, std::string(s)});
    }
    void rectangle(double x1, double y1, double x2, double y2, int color) override {
        log({m_form, m_control, "rectangle", x1, y1, x2, y2, 0, 0, color, {}});
    }
    void stretch(const Bitmap& bitmap, double x, double y, double w, double h) override;
    void clip(double x1, double y1, double x2, double y2) override {
        log({m_form, m_control, "clip", x1, y1, x2, y2, 0, 0, 0, {}});
    }
    void noClip() override { log({m_form, m_control, "noclip", 0, 0, 0, 0, 0, 0, 0, {}}); }

private:
    void log(DrawCall call) { m_owner.draws.push_back(std::move(call)); }
    RecordingForms& m_owner;
    std::string m_form, m_control;
};

// Reads the size from a BMP file's header, as a loader would.
class RecordingForms::RecordingBitmap final : public Bitmap {
public:
    explicit RecordingBitmap(RecordingForms& owner) : m_owner(owner) {}
    bool load(const std::string& path) override {
        m_width = m_height = 0;
        m_path = path;
        ++m_owner.loadedBitmapFiles[path];
        std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())),
                         std::ios::binary);
        unsigned char header[26] = {};
        if (!in.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' ||
            header[1] != 'M')
            return false;
        auto le = [&](int at) {
            return static_cast<std::int32_t>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 |
                                             static_cast<std::uint32_t>(header[at + 3]) << 24);
        };
        m_width = std::abs(le(18));
        m_height = std::abs(le(22));
        return m_width > 0 && m_height > 0;
    }
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    const std::string& path() const { return m_path; }

private:
    RecordingForms& m_owner;
    std::string m_path;
    int m_width = 0, m_height = 0;
};

void RecordingForms::RecordingSurface::stretch(const Bitmap& bitmap, double x, double y, double w,
                                               double h) {
    const auto* recorded = dynamic_cast<const RecordingBitmap*>(&bitmap);
    log({m_form, m_control, "stretch", x, y, w, h, 0, 0, 0, recorded ? recorded->path() : std::string()});
}

namespace {

// The printer page logs like a form surface.
class PageSurface final : public Surface {
public:
    explicit PageSurface(std::vector<DrawCall>& draws) : m_draws(draws) {}
    void clear() override { m_draws.push_back({"PRINTER", {}, "clear", 0, 0, 0, 0, 0, 0, 0, {}}); }
    void text(double x, double y, std::string_view s, double magX, double magY, int color) override {
        m_draws.push_back({"PRINTER", {}, "text", x, y, 0, 0, magX, magY, color, std::string(s)});
    }
    void rectangle(double x1, double y1, double x2, double y2, int color) override {
        m_draws.push_back({"PRINTER", {}, "rectangle", x1, y1, x2, y2, 0, 0, color, {}});
    }
    void stretch(const Bitmap& bitmap, double x, double y, double w, double h) override {
        const auto* recorded = dynamic_cast<const RecordingForms::RecordingBitmap*>(&bitmap);
        m_draws.push_back(
            {"PRINTER", {}, "stretch", x, y, w, h, 0, 0, 0, recorded ? recorded->path() : std::string()});
    }
    void clip(double x1, double y1, double x2, double y2) override {
        m_draws.push_back({"PRINTER", {}, "clip", x1, y1, x2, y2, 0, 0, 0, {}});
    }
    void noClip() override { m_draws.push_back({"PRINTER", {}, "noclip", 0, 0, 0, 0, 0, 0, 0, {}}); }

private:
    std::vector<DrawCall>& m_draws;
};

}  // namespace

RecordingPrinter::RecordingPrinter(std::vector<DrawCall>& draws)
    : m_page(std::make_unique<PageSurface>(draws)) {}

PrintError RecordingPrinter::op(const std::string& entry) {
    log.push_back(entry);
    const auto it = failures.find(entry);
    return it == failures.end() ? PrintError::None : it->second;
}

PrintError RecordingPrinter::setPaperMode(int code, int orientation) {
    return op("paper " + std::to_string(code) + " " + std::to_string(orientation));
}

PrintError RecordingPrinter::printDialog(PrintChoice& choice) {
    const PrintError error = op("dialog");
    choice.accepted = error == PrintError::None && acceptDialog;
    offeredStaff = choice.staff;
    if (staffChoice) choice.staff = *staffChoice;
    return error;
}

PrintError RecordingPrinter::startDocument(std::string_view name) { return op("start " + std::string(name)); }

void RecordingPrinter::setFont(std::string_view name, double points) {
    log.push_back("font " + std::string(name) + " " + std::to_string(static_cast<int>(points)));
}

std::shared_ptr<Printer> RecordingForms::createPrinter() {
    if (!printingPossible) return nullptr;
    ++printersCreated;
    if (!printer) printer = std::make_shared<RecordingPrinter>(draws);
    return printer;
}

RecordingForms::RecordingForms() = default;
RecordingForms::~RecordingForms() = default;

void RecordingForms::answerMessages(std::initializer_list<MessageAnswer> answers) {
    m_messageAnswers.insert(m_messageAnswers.end(), answers);
}
void RecordingForms::answerInputs(std::initializer_list<std::optional<std::string>> answers) {
    m_inputAnswers.insert(m_inputAnswers.end(), answers);
}
void RecordingForms::answerFiles(std::initializer_list<std::optional<std::string>> answers) {
    m_fileAnswers.insert(m_fileAnswers.end(), answers);
}
void RecordingForms::answerFolders(std::initializer_list<std::optional<std::string>> answers) {
    m_folderAnswers.insert(m_folderAnswers.end(), answers);
}
void RecordingForms::postEvent(Event event) { m_events.push_back(std::move(event)); }
void RecordingForms::setScreen(int widthMm, int heightMm, int widthPixels, int heightPixels) {
    m_screen[0] = widthMm;
    m_screen[1] = heightMm;
    m_screen[2] = widthPixels;
    m_screen[3] = heightPixels;
}

std::vector<std::string> RecordingForms::messageTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : messages) texts.push_back(m.message);
    return texts;
}

MessageAnswer RecordingForms::messageBox(std::string_view owner, std::string_view title,
                                         std::string_view message, MessageButtons buttons, MessageIcon icon) {
    ShownMessage shown;
    shown.owner = owner;
    shown.title = title;
    shown.message = message;
    shown.buttons = buttons;
    shown.icon = icon;
    messages.push_back(shown);
    if (!m_messageAnswers.empty()) {
        const MessageAnswer answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return answer;
    }
    ++unscriptedMessages;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

MessageAnswer RecordingForms::messageBoxWithTexts(std::string_view owner, std::string_view title,
                                                  std::string_view message, MessageButtons buttons, MessageIcon icon,
                                                  const std::vector<std::string>& buttonTexts) {
    const MessageAnswer answer = messageBox(owner, title, message, buttons, icon);
    messages.back().buttonTexts = buttonTexts;
    return answer;
}

int RecordingForms::systemMessageBox(std::uint32_t style, std::string_view message,
                                     std::string_view title) {
    ShownMessage shown;
    shown.title = title;
    shown.message = message;
    shown.buttons = static_cast<MessageButtons>(style & 0xF);
    shown.style = style;
    shown.system = true;
    messages.push_back(shown);
    return 1;  // OK
}

std::optional<std::string> RecordingForms::inputBox(std::string_view, std::string_view) {
    if (m_inputAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = m_inputAnswers.front();
    m_inputAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingForms::fileOpenDialog(std::string_view, std::string_view, std::string_view,
                                                          std::string_view, std::string_view startFolder) {
    fileDialogFolders.emplace_back(startFolder);
    if (m_fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingForms::fileSaveDialog(std::string_view, std::string_view, std::string_view,
                                                          std::string_view, std::string_view suggested) {
    saveSuggestions.emplace_back(suggested);
    if (m_fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingForms::folderDialog(std::string_view, std::string_view title,
                                                        std::string_view) {
    folderDialogTitles.emplace_back(title);
    if (m_folderAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = m_folderAnswers.front();
    m_folderAnswers.pop_front();
    return answer;
}

namespace {
class RecordingProgress final : public Progress {
public:
    explicit RecordingProgress(std::vector<std::string>& log) : m_log(log) {}
    ~RecordingProgress() override { m_log.push_back("end"); }
    RecordingProgress(const RecordingProgress&) = delete;
    RecordingProgress& operator=(const RecordingProgress&) = delete;
    void step(int done) override { m_log.push_back("step " + std::to_string(done)); }

private:
    std::vector<std::string>& m_log;
};
}  // namespace

std::unique_ptr<Progress> RecordingForms::progress(std::string_view, std::string_view title, int steps) {
    progressLog.push_back(std::string(title) + " " + std::to_string(steps));
    return std::make_unique<RecordingProgress>(progressLog);
}

void RecordingForms::buildForm(std::string_view name) {
    const FormDescription* desc = formDescription(name);
    if (!desc) throw std::invalid_argument("no form description: " + std::string(name));
    Form form;
    form.self.text = std::string(desc->caption);
    form.self.geometry = {0, 0, desc->width, desc->height};
    for (const ControlDescription& c : desc->controls) {
        ControlState& state = form.controls[std::string(c.name)];
        state.text = std::string(c.text);
        state.geometry = {c.x, c.y, c.width, c.height};
        state.fontName = std::string(c.fontName);
        state.fontSize = c.fontSize;
    }
    m_forms[std::string(name)] = std::move(form);
}

bool RecordingForms::createForm(std::string_view name) {
    buildForm(name);
    createdForms.emplace_back(name);
    return true;
}

void RecordingForms::destroyForm(std::string_view name) {
    if (auto it = m_forms.find(name); it != m_forms.end()) m_forms.erase(it);
}

bool RecordingForms::formExists(std::string_view name) const { return findForm(name) != nullptr; }

int RecordingForms::modalDialog(std::string_view, std::string_view name) {
    buildForm(name);
    createdForms.emplace_back(name);
    const std::string key(name);
    m_dialogResults.erase(key);
    if (m_sink) m_sink->handleEvent({key, {}, EventKind::Start});
    while (!m_dialogResults.count(key) && !m_ended && formExists(name) && waitEvent()) {
    }
    if (m_sink) m_sink->handleEvent({key, {}, EventKind::End});
    destroyForm(name);
    const auto it = m_dialogResults.find(key);
    return it == m_dialogResults.end() ? 0 : it->second;
}

void RecordingForms::endDialog(std::string_view name, int value) {
    m_dialogResults[std::string(name)] = value;
}

RecordingForms::Form& RecordingForms::form(std::string_view name) {
    const auto it = m_forms.find(name);
    if (it == m_forms.end()) throw std::invalid_argument("no such form: " + std::string(name));
    return it->second;
}

const RecordingForms::Form* RecordingForms::findForm(std::string_view name) const {
    const auto it = m_forms.find(name);
    return it == m_forms.end() ? nullptr : &it->second;
}

bool RecordingForms::described(std::string_view formName, std::string_view name) const {
    if (name.empty()) return true;
    const FormDescription* desc = formDescription(formName);
    if (desc && cal::findControl(*desc, name)) return true;
    reportUndescribedControl(formName, name);
    return false;
}

ControlState& RecordingForms::control(std::string_view formName, std::string_view name) {
    if (!described(formName, name)) return m_undescribed = {};
    Form& f = form(formName);
    if (name.empty()) return f.self;
    const auto it = f.controls.find(name);
    if (it == f.controls.end())
        throw std::invalid_argument("no control " + std::string(name) + " on " + std::string(formName));
    return it->second;
}

const ControlState* RecordingForms::findControl(std::string_view formName, std::string_view name) const {
    const Form* f = findForm(formName);
    if (!f) return nullptr;
    if (name.empty()) return &f->self;
    const auto it = f->controls.find(name);
    return it == f->controls.end() ? nullptr : &it->second;
}

std::vector<DrawCall> RecordingForms::drawsOn(std::string_view formName, std::string_view name) const {
    std::vector<DrawCall> result;
    for (const DrawCall& d : draws)
        if (d.form == formName && d.control == name) result.push_back(d);
    return result;
}

std::string RecordingForms::text(std::string_view f, std::string_view c) const {
    if (!described(f, c)) return {};
    const ControlState* state = findControl(f, c);
    if (!state) throw std::invalid_argument("no control " + std::string(c) + " on " + std::string(f));
    if (!state->comboEntries.empty() && state->comboIndex >= 0 &&
        state->comboIndex < static_cast<int>(state->comboEntries.size()))
        return state->comboEntries[static_cast<std::size_t>(state->comboIndex)];
    return state->text;
}

void RecordingForms::setText(std::string_view f, std::string_view c, std::string_view t) {
    control(f, c).text = std::string(t);
}
int RecordingForms::checkState(std::string_view f, std::string_view c) const {
    if (!described(f, c)) return 0;
    const ControlState* state = findControl(f, c);
    return state ? state->check : 0;
}
void RecordingForms::setCheckState(std::string_view f, std::string_view c, int s) { control(f, c).check = s; }
void RecordingForms::setEnabled(std::string_view f, std::string_view c, bool e) { control(f, c).enabled = e; }
void RecordingForms::setTextWarning(std::string_view f, std::string_view c, std::string_view w) {
    control(f, c).warning = w;
}
void RecordingForms::addComboEntry(std::string_view f, std::string_view c, std::string_view entry) {
    control(f, c).comboEntries.emplace_back(entry);
}
void RecordingForms::selectComboEntry(std::string_view f, std::string_view c, int index) {
    ControlState& state = control(f, c);
    state.comboIndex = index >= 0 && index < static_cast<int>(state.comboEntries.size()) ? index : -1;
}
Geometry RecordingForms::geometry(std::string_view f, std::string_view c) const {
    if (!described(f, c)) return {};
    const ControlState* state = findControl(f, c);
    return state ? state->geometry : Geometry{};
}
void RecordingForms::move(std::string_view f, std::string_view c, double x, double y) {
    Geometry& g = control(f, c).geometry;
    g.x = x;
    g.y = y;
}
void RecordingForms::resize(std::string_view f, std::string_view c, double w, double h) {
    Geometry& g = control(f, c).geometry;
    g.width = w;
    g.height = h;
}
void RecordingForms::setFontName(std::string_view f, std::string_view c, std::string_view n) {
    control(f, c).fontName = std::string(n);
}
void RecordingForms::setFontSize(std::string_view f, std::string_view c, double p) {
    control(f, c).fontSize = p;
}

int RecordingForms::deviceCaps(std::string_view, int code) const {
    switch (code) {
    case caps::kWidthMm: return m_screen[0];
    case caps::kHeightMm: return m_screen[1];
    case caps::kWidthPixels: return m_screen[2];
    case caps::kHeightPixels: return m_screen[3];
    default: return 0;
    }
}

Surface& RecordingForms::surface(std::string_view f, std::string_view c) {
    described(f, c);
    const std::string key = std::string(f) + "/" + std::string(c);
    auto& slot = m_surfaces[key];
    if (!slot) slot = std::make_unique<RecordingSurface>(*this, std::string(f), std::string(c));
    return *slot;
}

double RecordingForms::zoom(std::string_view form) const {
    const auto it = m_zooms.find(form);
    return it == m_zooms.end() ? 1 : it->second;
}

void RecordingForms::setZoom(std::string_view form, double factor) { m_zooms[std::string(form)] = factor; }

std::unique_ptr<Bitmap> RecordingForms::createBitmap() { return std::make_unique<RecordingBitmap>(*this); }

bool RecordingForms::waitEvent() {
    if (m_ended || m_events.empty()) return false;
    Event event = m_events.front();
    m_events.pop_front();
    if (!m_sink) return true;
    if (event.kind == EventKind::Click && !findControl(event.form, event.control)) return true;
    const int cancel = m_sink->handleEvent(event);
    if (event.kind == EventKind::QueryClose && cancel == 0 && !m_ended) {
        if (m_dialogResults.count(event.form) == 0 && formExists(event.form))
            m_dialogResults[event.form] = 0;
        destroyForm(event.form);
    }
    return true;
}

}  // namespace cal::test
