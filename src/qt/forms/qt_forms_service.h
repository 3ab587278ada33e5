#pragma once
// The forms and drawing services on Qt Widgets. Widgets never call the
// program directly: what the user does is queued as events, and waitEvent
// hands them to the event sink one at a time.

#include "ui/forms_service.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

class QLoggingCategory;
class QWidget;

namespace cal::qtui {

class FormControls;
class FormValues;
class FormWindow;
class NullSurface;
class PictureCache;

class QtFormsService final : public FormsService {
public:
    // Windowed: forms are shown and dialogs asked. Headless: forms are kept
    // as the values of their controls, without widgets; no event ever comes;
    // the printer writes the PDF file `pdfPath`. Its questions go through
    // HeadlessDialogs instead.
    enum class Mode { Windowed, Headless };

    QtFormsService();
    // What a headless printer writes: a PDF document, or a PNG picture of its
    // one page at 150 dpi.
    enum class Output { Pdf, Png };
    QtFormsService(Mode mode, std::string pdfPath, Output output = Output::Pdf);
    ~QtFormsService() override;
    QtFormsService(const QtFormsService&) = delete;
    QtFormsService& operator=(const QtFormsService&) = delete;

    MessageAnswer messageBox(std::string_view owner, std::string_view title, std::string_view message,
                             MessageButtons buttons, MessageIcon icon) override;
    MessageAnswer messageBoxWithTexts(std::string_view owner, std::string_view title, std::string_view message,
                                      MessageButtons buttons, MessageIcon icon,
                                      const std::vector<std::string>& buttonTexts) override;
    int systemMessageBox(std::uint32_t style, std::string_view message,
                         std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt) override;
    std::optional<std::string> fileOpenDialog(std::string_view owner, std::string_view title,
                               std::string_view pattern, std::string_view patternLabel,
                               std::string_view startFolder) override;
    std::optional<std::string> fileSaveDialog(std::string_view owner, std::string_view title,
                                              std::string_view pattern, std::string_view patternLabel,
                                              std::string_view suggested) override;
    std::optional<std::string> folderDialog(std::string_view owner, std::string_view title,
                             std::string_view startFolder) override;
    std::unique_ptr<Progress> progress(std::string_view owner, std::string_view title, int steps) override;

    bool createForm(std::string_view form) override;
    void destroyForm(std::string_view form) override;
    bool formExists(std::string_view form) const override;
    int modalDialog(std::string_view owner, std::string_view form) override;
    void endDialog(std::string_view form, int value) override;
    void endProgram() override;
    bool programEnded() const override { return m_ended; }

    std::string text(std::string_view form, std::string_view control) const override;
    void setText(std::string_view form, std::string_view control, std::string_view text) override;
    int checkState(std::string_view form, std::string_view control) const override;
    void setCheckState(std::string_view form, std::string_view control, int state) override;
    void setEnabled(std::string_view form, std::string_view control, bool enabled) override;
    void setTextWarning(std::string_view form, std::string_view control, std::string_view warning) override;
    void focus(std::string_view form) override;
    void addComboEntry(std::string_view form, std::string_view control,
                       std::string_view entry) override;
    void selectComboEntry(std::string_view form, std::string_view control, int index) override;

    Geometry geometry(std::string_view form, std::string_view control) const override;
    void move(std::string_view form, std::string_view control, double x, double y) override;
    void resize(std::string_view form, std::string_view control, double width,
                double height) override;
    void setFontName(std::string_view form, std::string_view control,
                     std::string_view name) override;
    void setFontSize(std::string_view form, std::string_view control, double points) override;
    void setWaitPointer(std::string_view form, bool wait) override;
    double zoom(std::string_view form) const override;
    void setZoom(std::string_view form, double factor) override;

    int deviceCaps(std::string_view form, int code) const override;

    Surface& surface(std::string_view form, std::string_view control) override;
    std::unique_ptr<Bitmap> createBitmap() override;
    std::shared_ptr<Printer> createPrinter() override;

    void setEventSink(EventSink* sink) override { m_sink = sink; }
    bool waitEvent() override;

    // The window of a form, nullptr when it does not exist or is kept as
    // values.
    QWidget* window(std::string_view form) const;
    // Events queued and not yet handed to the sink.
    std::size_t pendingEvents() const { return m_queue.size(); }
    // Pictures scaled for the screen, shared by every bitmap this service makes.
    qtui::PictureCache& pictures() { return *m_pictures; }
    bool headless() const { return m_mode == Mode::Headless; }
    // Where a control no form holds is reported: warnings of this category,
    // shown in debug builds (tests turn them on and fail at each).
    static const QLoggingCategory& unknownControlReports();

private:
    struct ModalRun {
        std::string form;
        bool ended = false;
        int value = 0;
    };

    qtui::FormWindow* find(std::string_view form) const;
    qtui::FormValues* values(std::string_view form) const;
    bool keepValues(std::string_view form);
    // The window or kept values of `form` when it holds `control`; a control
    // it does not hold is reported.
    FormControls* controls(std::string_view form, std::string_view control) const;
    qtui::FormWindow* build(std::string_view form);
    void post(Event event);
    void dropEvents(std::string_view form);
    ModalRun* modalRun(std::string_view form);

    std::map<std::string, std::unique_ptr<qtui::FormWindow>, std::less<>> m_forms;
    std::map<std::string, std::unique_ptr<qtui::FormValues>, std::less<>> m_values;  // headless
    std::deque<Event> m_queue;
    std::vector<ModalRun> m_modalRuns;  // innermost last
    EventSink* m_sink = nullptr;
    bool m_ended = false;
    bool m_waitPointer = false;  // the wait pointer is shown
    bool m_waitWanted = false;   // and the program still asks for it
    bool m_restoreQueued = false;
    std::unique_ptr<QObject> m_pointerTimer = std::make_unique<QObject>();
    // Set while waitEvent sleeps in Qt's event loop; a dialog ended or a form
    // destroyed from there (a timer, say) then wakes the waiting loop.
    bool m_sleeping = false;
    bool m_wake = false;
    std::unique_ptr<qtui::NullSurface> m_nowhere;
    std::unique_ptr<qtui::PictureCache> m_pictures;
    Mode m_mode = Mode::Windowed;
    std::string m_pdfPath;
    Output m_output = Output::Pdf;
};

}  // namespace cal::qtui
