#pragma once
// A recording stand-in for the forms and drawing services: forms are built
// from their descriptions without any window, dialogs answer from a script,
// and every drawing call is logged with its coordinates.

#include "ui/forms_service.h"
#include "ui/printer.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cal::test {

struct ShownMessage {
    std::string owner, title, message;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Stop;
    std::vector<std::string> buttonTexts;  // a box whose buttons say what they do
    std::uint32_t style = 0;  // system message boxes only
    bool system = false;
};

struct DrawCall {
    std::string form, control, op;  // op: clear, text, rectangle, stretch, clip (corners), noclip
    double x = 0, y = 0, x2 = 0, y2 = 0;  // rectangle: corners; stretch: x2, y2 = width, height
    double magX = 0, magY = 0;
    int color = 0;
    std::string text;  // text, or the bitmap's file for stretch
};

// A paper on which any page is drawn as it is, unscaled.
inline constexpr PaperArea kPaperHoldingAnyPage{0, {-100000, -100000, 300000, 300000},
                                                {-100000, -100000, 300000, 300000}};

// A printer that logs every operation ("paper 8 2", "dialog", "start 帳票印刷",
// "page", "map 2", "font ＭＳ ゴシック 12", "end page", "end document",
// "abort", "close") and draws into the forms' drawing log on form "PRINTER".
class RecordingPrinter final : public Printer {
public:
    explicit RecordingPrinter(std::vector<DrawCall>& draws);
    std::vector<std::string> log;
    bool acceptDialog = true;
    std::optional<bool> staffChoice;  // the dialog's staff edition box, when the user touches it
    bool offeredStaff = false;        // how the dialog showed it
    PaperArea paper = kPaperHoldingAnyPage;
    std::map<std::string, PrintError> failures;  // operation → its failure
    PrintError drawingError = PrintError::None;
    std::vector<std::string> undrawn;  // what undrawnPictures answers

    PrintError setPaperMode(int paper, int orientation) override;
    PrintError printDialog(PrintChoice& choice) override;
    PaperArea paperArea() const override { return paper; }
    PrintError startDocument(std::string_view name) override;
    PrintError startPage() override { return op("page"); }
    PrintError setMapMode(int mode) override { return op("map " + std::to_string(mode)); }
    void setFont(std::string_view name, double points) override;
    Surface& page() override { return *m_page; }
    PrintError error() const override { return drawingError; }
    PrintError endPage() override { return op("end page"); }
    PrintError endDocument() override { return op("end document"); }
    PrintError abortDocument() override { return op("abort"); }
    PrintError close() override { return op("close"); }
    std::vector<std::string> undrawnPictures() const override { return undrawn; }

private:
    PrintError op(const std::string& entry);
    std::unique_ptr<Surface> m_page;
};

// Reports a control its form's description does not hold: a failure of the
// running test (undescribed_control.cpp), a crash in the fuzz targets.
void reportUndescribedControl(std::string_view form, std::string_view control);

struct ControlState {
    std::string text;
    int check = 0;
    bool enabled = true;
    std::string warning;  // setTextWarning
    Geometry geometry;
    std::string fontName;
    double fontSize = 0;
    std::vector<std::string> comboEntries;
    int comboIndex = -1;
};

class RecordingForms final : public FormsService {
public:
    class RecordingSurface;
    class RecordingBitmap;
    RecordingForms();
    ~RecordingForms() override;

    // Script.
    void answerMessages(std::initializer_list<MessageAnswer> answers);
    // A dialog answered nothing is cancelled, as is one with no answer left.
    void answerInputs(std::initializer_list<std::optional<std::string>> answers);
    void answerFiles(std::initializer_list<std::optional<std::string>> answers);
    void answerFolders(std::initializer_list<std::optional<std::string>> answers);
    void postEvent(Event event);
    void setScreen(int widthMm, int heightMm, int widthPixels, int heightPixels);

    // Records.
    std::vector<ShownMessage> messages;
    std::vector<DrawCall> draws;
    std::vector<std::string> createdForms;
    int unscriptedMessages = 0;
    std::vector<std::string> fileDialogFolders;  // where each file dialog opened
    std::vector<std::string> folderDialogTitles;  // each folder dialog asked
    // Each progress shown: "title steps", then "step n" per step, then "end".
    std::vector<std::string> progressLog;
    std::vector<std::string> messageTexts() const;
    ControlState& control(std::string_view form, std::string_view control);
    const ControlState* findControl(std::string_view form, std::string_view control) const;
    std::vector<DrawCall> drawsOn(std::string_view form, std::string_view control) const;
    std::map<std::string, int> loadedBitmapFiles;  // file → loads

    // FormsService.
    MessageAnswer messageBox(std::string_view owner, std::string_view title, std::string_view message,
                             MessageButtons buttons, MessageIcon icon) override;
    MessageAnswer messageBoxWithTexts(std::string_view owner, std::string_view title, std::string_view message,
                                      MessageButtons buttons, MessageIcon icon,
                                      const std::vector<std::string>& buttonTexts) override;
    int systemMessageBox(std::uint32_t style, std::string_view message, std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt) override;
    std::optional<std::string> fileOpenDialog(std::string_view owner, std::string_view title, std::string_view pattern,
                               std::string_view patternLabel, std::string_view startFolder) override;
    // Answered from the file answers too; the suggestion is kept.
    std::optional<std::string> fileSaveDialog(std::string_view owner, std::string_view title,
                                              std::string_view pattern, std::string_view patternLabel,
                                              std::string_view suggested) override;
    std::vector<std::string> saveSuggestions;
    std::optional<std::string> folderDialog(std::string_view owner, std::string_view title,
                             std::string_view startFolder) override;
    std::unique_ptr<Progress> progress(std::string_view owner, std::string_view title, int steps) override;
    double zoom(std::string_view form) const override;
    void setZoom(std::string_view form, double factor) override;
    bool createForm(std::string_view form) override;
    void destroyForm(std::string_view form) override;
    bool formExists(std::string_view form) const override;
    int modalDialog(std::string_view owner, std::string_view form) override;
    void endDialog(std::string_view form, int value) override;
    void endProgram() override { m_ended = true; }
    bool programEnded() const override { return m_ended; }
    std::string text(std::string_view form, std::string_view control) const override;
    void setText(std::string_view form, std::string_view control, std::string_view text) override;
    int checkState(std::string_view form, std::string_view control) const override;
    void setCheckState(std::string_view form, std::string_view control, int state) override;
    void setEnabled(std::string_view form, std::string_view control, bool enabled) override;
    void setTextWarning(std::string_view form, std::string_view control, std::string_view warning) override;
    void focus(std::string_view form) override { focused.emplace_back(form); }
    void addComboEntry(std::string_view form, std::string_view control, std::string_view entry) override;
    void selectComboEntry(std::string_view form, std::string_view control, int index) override;
    Geometry geometry(std::string_view form, std::string_view control) const override;
    void move(std::string_view form, std::string_view control, double x, double y) override;
    void resize(std::string_view form, std::string_view control, double width, double height) override;
    void setFontName(std::string_view form, std::string_view control, std::string_view name) override;
    void setFontSize(std::string_view form, std::string_view control, double points) override;
    void setWaitPointer(std::string_view, bool wait) override { waitPointer = wait; }
    int deviceCaps(std::string_view form, int code) const override;
    Surface& surface(std::string_view form, std::string_view control) override;
    std::unique_ptr<Bitmap> createBitmap() override;
    std::shared_ptr<Printer> createPrinter() override;
    // The printer handed out; tests script it before printing.
    std::shared_ptr<RecordingPrinter> printer;
    int printersCreated = 0;
    bool printingPossible = true;
    void setEventSink(EventSink* sink) override { m_sink = sink; }
    bool waitEvent() override;

    std::vector<std::string> focused;
    bool waitPointer = false;

private:
    struct Form {
        ControlState self;
        std::map<std::string, ControlState, std::less<>> controls;
    };

    Form& form(std::string_view name);
    const Form* findForm(std::string_view name) const;
    // False, and reported, for a control its form's description does not
    // hold: a misspelt name would otherwise go unnoticed.
    bool described(std::string_view form, std::string_view control) const;
    void buildForm(std::string_view name);

    std::map<std::string, Form, std::less<>> m_forms;
    ControlState m_undescribed;  // what operations on an undescribed control reach
    std::map<std::string, std::unique_ptr<RecordingSurface>, std::less<>> m_surfaces;
    std::map<std::string, int, std::less<>> m_dialogResults;
    std::map<std::string, double, std::less<>> m_zooms;  // forms zoomed away from 1
    std::deque<MessageAnswer> m_messageAnswers;
    std::deque<std::optional<std::string>> m_inputAnswers, m_fileAnswers, m_folderAnswers;
    std::deque<Event> m_events;
    EventSink* m_sink = nullptr;
    bool m_ended = false;
    int m_screen[4] = {300, 200, 1134, 756};  // mm, mm, px, px (96 dpi)
};

}  // namespace cal::test
