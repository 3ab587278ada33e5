#pragma once
// Forms and their controls: windows built from their descriptions, the
// texts and states of controls, geometry, and the events the user causes.
// Geometry is in tenths of a millimetre (0.1 mm). Texts are UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace cal {

// Device capability codes.
namespace caps {
inline constexpr int kWidthMm = 4;
inline constexpr int kHeightMm = 6;
inline constexpr int kWidthPixels = 8;
inline constexpr int kHeightPixels = 10;
}  // namespace caps

// Change: the user edited a text field; Drop: files were dropped on it.
enum class EventKind { On, Click, SetFocus, Start, Resize, End, QueryClose, Change, Drop };

// One user event. `control` is empty for events of the form itself.
struct Event {
    std::string form;
    std::string control;
    EventKind kind = EventKind::On;
    std::vector<std::string> files{};  // Drop: the files' full paths
};

// The handler name of an event: CONTROL_EVENT, or FORM_EVENT for form events.
std::string handlerName(const Event& event);
// The handler name of `owner`'s (a control's or a form's) `kind` events.
std::string handlerName(std::string_view owner, EventKind kind);

// Receives the events the service waits for. The answer matters only for
// QueryClose: 1 refuses the close, 0 lets it go ahead.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual int handleEvent(const Event& event) = 0;
};

struct Geometry {
    double x = 0, y = 0, width = 0, height = 0;
};

class Forms {
public:
    virtual ~Forms() = default;

    // createForm builds a modeless form from its description and shows it;
    // the program runs the form's start handler itself.
    virtual bool createForm(std::string_view form) = 0;
    virtual void destroyForm(std::string_view form) = 0;
    virtual bool formExists(std::string_view form) const = 0;
    // Builds and shows the form modally, sends its Start event, runs events
    // until endDialog or a close the sink lets go ahead (value 0), sends its
    // End event, destroys it and answers the value it was ended with.
    virtual int modalDialog(std::string_view owner, std::string_view form) = 0;
    virtual void endDialog(std::string_view form, int value) = 0;
    virtual void endProgram() = 0;
    virtual bool programEnded() const = 0;

    // Controls, by form and control name; an empty control means the form.
    virtual std::string text(std::string_view form, std::string_view control) const = 0;
    virtual void setText(std::string_view form, std::string_view control, std::string_view text) = 0;
    virtual int checkState(std::string_view form, std::string_view control) const = 0;
    virtual void setCheckState(std::string_view form, std::string_view control, int state) = 0;
    virtual void setEnabled(std::string_view form, std::string_view control, bool enabled) = 0;
    // Marks a text field whose text will not be stored as shown (cut at its
    // width, or holding characters that cannot be kept): `warning` says why,
    // empty clears the mark. The mark is seen and read by screen readers.
    virtual void setTextWarning(std::string_view form, std::string_view control, std::string_view warning) = 0;
    virtual void focus(std::string_view form) = 0;
    virtual void addComboEntry(std::string_view form, std::string_view control,
                               std::string_view entry) = 0;
    virtual void selectComboEntry(std::string_view form, std::string_view control, int index) = 0;

    virtual Geometry geometry(std::string_view form, std::string_view control) const = 0;
    virtual void move(std::string_view form, std::string_view control, double x, double y) = 0;
    virtual void resize(std::string_view form, std::string_view control, double width,
                        double height) = 0;
    virtual void setFontName(std::string_view form, std::string_view control,
                             std::string_view name) = 0;
    virtual void setFontSize(std::string_view form, std::string_view control, double points) = 0;
    virtual void setWaitPointer(std::string_view form, bool wait) = 0;
    // How much larger than its own size a zooming form is drawn (1: as
    // described); its controls' geometry stays in the form's own units.
    virtual double zoom(std::string_view form) const = 0;
    virtual void setZoom(std::string_view form, double factor) = 0;

    // Capabilities of the screen the form is on (codes in `caps`).
    virtual int deviceCaps(std::string_view form, int code) const = 0;

    // Events: wait for one event and run its handler through the sink.
    // Answers false when no event can come any more (the program ended).
    virtual void setEventSink(EventSink* sink) = 0;
    virtual bool waitEvent() = 0;
};

}  // namespace cal
