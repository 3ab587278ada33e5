#include "qt/forms/qt_forms_service.h"

#include "windows/form_descriptions.h"
#include "qt/drawing/canvas.h"
#include "qt/forms/form_values.h"
#include "qt/forms/form_window.h"
#include "qt/forms/picture_widget.h"
#include "qt/pictures/picture_cache.h"
#include "qt/drawing/qt_bitmap.h"
#include "qt/print/image_printer.h"
#include "qt/print/pdf_printer.h"
#include "qt/print/window_printer.h"
#include "qt/qt_strings.h"
#include "ui/names.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>

namespace cal::qtui {

QtFormsService::QtFormsService()
    : m_nowhere(std::make_unique<NullSurface>()),
      m_pictures(std::make_unique<PictureCache>()) {
    // The month appears at once; its pictures follow as they are decoded.
    m_pictures->setBackground(true);
    m_pictures->watchFiles();
}

QtFormsService::QtFormsService(Mode mode, std::string pdfPath, Output output)
    : m_nowhere(std::make_unique<NullSurface>()),
      m_pictures(std::make_unique<PictureCache>()),
      m_mode(mode),
      m_pdfPath(std::move(pdfPath)),
      m_output(output) {}

QtFormsService::~QtFormsService() {
    // Windows first, while the queue they might still post to exists; and
    // nothing they do on the way out is an event any more.
    m_ended = true;
    m_forms.clear();
    if (m_waitPointer) QGuiApplication::restoreOverrideCursor();
}

// ---- forms -----------------------------------------------------------------

FormValues* QtFormsService::values(std::string_view form) const {
    const auto it = m_values.find(form);
    return it == m_values.end() ? nullptr : it->second.get();
}

FormWindow* QtFormsService::find(std::string_view form) const {
    const auto it = m_forms.find(form);
    return it == m_forms.end() ? nullptr : it->second.get();
}

QWidget* QtFormsService::window(std::string_view form) const { return find(form); }

FormWindow* QtFormsService::build(std::string_view form) {
    const FormDescription* description = formDescription(form);
    if (description == nullptr) return nullptr;
    const std::string name(form);
    auto window = std::make_unique<FormWindow>(
        *description, [this, name](std::string_view control, EventKind kind) {
            post({name, std::string(control), kind});
        });
    FormWindow* built = window.get();
    built->setDropSink([this, name](std::string_view control, std::vector<std::string> files) {
        Event event{name, std::string(control), EventKind::Drop};
        event.files = std::move(files);
        post(std::move(event));
    });
    m_forms.emplace(name, std::move(window));
    return built;
}

// The print-only program keeps its forms as values: it never shows them,
// and building their widgets would cost more than the page itself.
bool QtFormsService::keepValues(std::string_view form) {
    if (values(form) != nullptr) return true;
    const FormDescription* description = formDescription(form);
    if (description == nullptr) return false;
    m_values.emplace(std::string(form), std::make_unique<FormValues>(*description));
    return true;
}

bool QtFormsService::createForm(std::string_view form) {
    if (m_ended) return false;
    if (headless()) return keepValues(form);
    if (FormWindow* existing = find(form)) {
        existing->show();
        existing->raise();
        return true;
    }
    FormWindow* window = build(form);
    if (window == nullptr) return false;
    window->show();  // a new window opens above the others
    return true;
}

void QtFormsService::destroyForm(std::string_view form) {
    if (!formExists(form)) return;
    if (ModalRun* run = modalRun(form)) run->ended = true;
    if (const auto it = m_forms.find(form); it != m_forms.end()) m_forms.erase(it);
    if (const auto it = m_values.find(form); it != m_values.end()) m_values.erase(it);
    dropEvents(form);
    if (m_sleeping) m_wake = true;
}

bool QtFormsService::formExists(std::string_view form) const {
    return find(form) != nullptr || values(form) != nullptr;
}

QtFormsService::ModalRun* QtFormsService::modalRun(std::string_view form) {
    for (auto it = m_modalRuns.rbegin(); it != m_modalRuns.rend(); ++it)
        if (it->form == form) return &*it;
    return nullptr;
}

int QtFormsService::modalDialog(std::string_view owner, std::string_view form) {
    if (m_ended) return 0;
    if (headless()) {
        if (!keepValues(form)) return 0;
    } else {
        FormWindow* window = find(form);
        if (window != nullptr)
            window->hide();  // modality changes only while hidden
        else
            window = build(form);
        if (window == nullptr) return 0;
        window->setWindowModality(Qt::ApplicationModal);
        // Window managers keep a dialog above the form that owns it.
        if (QWidget* ownerWindow = find(owner); ownerWindow != nullptr && ownerWindow != window) {
            window->winId();
            if (window->windowHandle() != nullptr && ownerWindow->windowHandle() != nullptr)
                window->windowHandle()->setTransientParent(ownerWindow->windowHandle());
        }
        window->show();
        window->activateWindow();
    }

    const std::string name(form);
    m_modalRuns.push_back({name});
    const std::size_t run = m_modalRuns.size() - 1;
    if (m_sink != nullptr) m_sink->handleEvent({name, {}, EventKind::Start});
    // Headless, no event comes: the dialog ends as soon as its start is done.
    while (!m_modalRuns[run].ended && !m_ended && formExists(name))
        if (!waitEvent()) break;
    const int value = m_modalRuns[run].value;
    m_modalRuns.resize(run);

    if (!m_ended && formExists(name)) {
        if (m_sink != nullptr) m_sink->handleEvent({name, {}, EventKind::End});
        destroyForm(name);
    }
    return value;
}

void QtFormsService::endDialog(std::string_view form, int value) {
    ModalRun* run = modalRun(form);
    if (run == nullptr) return;
    run->ended = true;
    run->value = value;
    if (m_sleeping) m_wake = true;
}

void QtFormsService::endProgram() {
    m_ended = true;
    for (ModalRun& run : m_modalRuns) run.ended = true;
    m_queue.clear();
    m_forms.clear();
    m_values.clear();
    if (m_waitPointer) {
        QGuiApplication::restoreOverrideCursor();
        m_waitPointer = false;
    }
    if (m_sleeping) m_wake = true;
}

// ---- events ----------------------------------------------------------------

void QtFormsService::post(Event event) {
    if (!m_ended) m_queue.push_back(std::move(event));
}

void QtFormsService::dropEvents(std::string_view form) {
    std::erase_if(m_queue, [form](const Event& e) { return e.form == form; });
}

bool QtFormsService::waitEvent() {
    if (m_ended || headless()) return false;
    while (m_queue.empty()) {
        m_sleeping = true;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_sleeping = false;
        if (m_ended) return false;
        if (m_wake) {
            m_wake = false;
            return true;
        }
    }
    const Event event = std::move(m_queue.front());
    m_queue.pop_front();
    const int answer = m_sink != nullptr ? m_sink->handleEvent(event) : 0;

    if (event.kind == EventKind::QueryClose && answer == 0 && !m_ended) {
        if (ModalRun* run = modalRun(event.form); run != nullptr && !run->ended)
            endDialog(event.form, 0);
        else
            destroyForm(event.form);
    }
    return true;
}

// ---- windows --------------------------------------------------------------

void QtFormsService::focus(std::string_view form) {
    if (headless()) return;
    if (FormWindow* window = find(form)) {
        window->raise();
        window->activateWindow();
    }
}

void QtFormsService::setWaitPointer(std::string_view, bool wait) {
    if (headless()) return;
    m_waitWanted = wait;
    if (wait && !m_waitPointer) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitPointer = true;
    } else if (!wait && m_waitPointer && !m_restoreQueued) {
        // Back to normal once the handler is done: a drawing run that checks
        // hundreds of pictures changes the pointer twice, not hundreds of times.
        m_restoreQueued = true;
        QTimer::singleShot(0, m_pointerTimer.get(), [this] {
            m_restoreQueued = false;
            if (m_waitWanted || !m_waitPointer) return;
            QGuiApplication::restoreOverrideCursor();
            m_waitPointer = false;
        });
    }
}

double QtFormsService::zoom(std::string_view form) const {
    const FormWindow* window = find(form);
    return window == nullptr ? 1 : window->zoom();
}

void QtFormsService::setZoom(std::string_view form, double factor) {
    if (FormWindow* window = find(form)) window->setZoom(factor);
}

int QtFormsService::deviceCaps(std::string_view form, int code) const {
    const FormWindow* window = find(form);
    const QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    const auto rounded = [](double value) { return static_cast<int>(std::lround(value)); };
    switch (code) {
    case caps::kWidthMm: return rounded(screen->physicalSize().width());
    case caps::kHeightMm: return rounded(screen->physicalSize().height());
    case caps::kWidthPixels: return screen->geometry().width();
    case caps::kHeightPixels: return screen->geometry().height();
    default: return 0;
    }
}

// ---- drawing ---------------------------------------------------------------

Surface& QtFormsService::surface(std::string_view form, std::string_view control) {
    FormWindow* window = find(form);
    // Nothing to draw on without a window: a form kept as values has none.
    if (window == nullptr) return *m_nowhere;
    if (control.empty()) return window->canvas();
    FormControl* c = window->control(control);
    if (c == nullptr || c->picture == nullptr) return *m_nowhere;
    return c->picture->canvas();
}

std::unique_ptr<Bitmap> QtFormsService::createBitmap() {
    return std::make_unique<QtBitmap>(*m_pictures);
}

std::shared_ptr<Printer> QtFormsService::createPrinter() {
    if (headless() && m_output == Output::Png)
        return std::make_shared<ImagePrinter>(toQString(m_pdfPath), m_pictures.get());
    if (headless()) return std::make_shared<PdfPrinter>(toQString(m_pdfPath), m_pictures.get());
    return std::make_shared<WindowPrinter>(window(kMainForm), m_pictures.get());
}

}  // namespace cal::qtui
