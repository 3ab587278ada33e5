#pragma once
// Message boxes, the input box and the file-open dialog, with Japanese
// button texts. The decoding of box styles is kept apart from the widgets.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

class QWidget;

namespace cal::qtui {

enum class BoxButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class BoxIcon { None, Stop, Question, Exclamation, Information };
// In the order of the program's answer codes (0 OK … 6 No).
enum class BoxAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct BoxStyle {
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    int defaultButton = 0;     // index into boxAnswers(buttons)
    bool systemModal = false;  // above every window of the program
    // The buttons' own texts, in their order; empty: はい, いいえ and the like.
    std::vector<QString> buttonTexts;
};

// The answers a button set offers, in the order the buttons appear.
std::vector<BoxAnswer> boxAnswers(BoxButtons buttons);
// The answer Escape gives; nothing when Escape does not close the box.
std::optional<BoxAnswer> escapeAnswer(BoxButtons buttons);

// The program's own codes: buttons 0..5 and icons 0 stop, 1 question,
// 2 exclamation, 3 information. Unknown codes give OK and no icon.
BoxStyle programBoxStyle(int buttons, int icon);
int programAnswerCode(BoxAnswer answer);

// A Windows message box style word: buttons in bits 0-3, icon in 4-7,
// default button in 8-11, modality in 12-13.
BoxStyle decodeSystemStyle(std::uint32_t style);
// Windows answer codes: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No.
int systemAnswerCode(BoxAnswer answer);

// The answer of a box nobody can see: OK for a notice, No for a question,
// else Cancel, and Abort where there is neither.
BoxAnswer unattendedAnswer(BoxButtons buttons);
// A box as one line of text, "title: message", line breaks made blanks.
std::string boxLine(std::string_view title, std::string_view message);

// The file dialog's name filter: the label with the pattern's parts in
// both cases, "画像(*.BMP *.bmp)" for label "画像" and pattern "*.BMP".
std::string nameFilter(std::string_view label, std::string_view pattern);

// Shows a box and waits for the answer.
BoxAnswer runMessageBox(QWidget* owner, const QString& title, const QString& message,
                        const BoxStyle& style);
// The typed text, or nothing when cancelled.
std::optional<QString> runInputBox(QWidget* owner, const QString& title, const QString& prompt);
// The chosen file's full path in native form, or nothing when cancelled.
std::optional<QString> runFileOpenDialog(QWidget* owner, const QString& title,
                                         const QString& filter, const QString& startFolder);
// Qt's own save dialog, `suggested` chosen; the full path, nothing when cancelled.
std::optional<QString> runFileSaveDialog(QWidget* owner, const QString& title, const QString& filter,
                                         const QString& suggested);
// The chosen folder's full path in native form, or nothing when cancelled.
std::optional<QString> runFolderDialog(QWidget* owner, const QString& title, const QString& startFolder);

}  // namespace cal::qtui
