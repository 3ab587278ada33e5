// The dialogs of the windowed forms service: message boxes, the input box,
// the file and folder dialogs and progress, owned by the form that asks.

#include "qt/forms/qt_forms_service.h"

#include "qt/forms/message_boxes.h"
#include "qt/forms/progress_dialog.h"
#include "qt/qt_strings.h"
#include "ui/names.h"

namespace cal::qtui {

namespace {

// The program's messages break lines the Windows way.
QString messageText(std::string_view message) {
    QString text = toQString(message);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

MessageAnswer QtFormsService::messageBox(std::string_view owner, std::string_view title,
                                         std::string_view message, MessageButtons buttons,
                                         MessageIcon icon) {
    const BoxStyle style = programBoxStyle(static_cast<int>(buttons), static_cast<int>(icon));
    return static_cast<MessageAnswer>(programAnswerCode(
        runMessageBox(window(owner), toQString(title), messageText(message), style)));
}

MessageAnswer QtFormsService::messageBoxWithTexts(std::string_view owner, std::string_view title,
                                                  std::string_view message, MessageButtons buttons, MessageIcon icon,
                                                  const std::vector<std::string>& buttonTexts) {
    BoxStyle style = programBoxStyle(static_cast<int>(buttons), static_cast<int>(icon));
    for (const std::string& text : buttonTexts) style.buttonTexts.push_back(toQString(text));
    return static_cast<MessageAnswer>(programAnswerCode(
        runMessageBox(window(owner), toQString(title), messageText(message), style)));
}

int QtFormsService::systemMessageBox(std::uint32_t style, std::string_view message,
                                     std::string_view title) {
    return systemAnswerCode(runMessageBox(window(kMainForm), toQString(title),
                                                      messageText(message), decodeSystemStyle(style)));
}

std::optional<std::string> QtFormsService::inputBox(std::string_view title, std::string_view prompt) {
    const std::optional<QString> typed = runInputBox(nullptr, toQString(title), messageText(prompt));
    if (!typed) return std::nullopt;
    return toStdString(*typed);
}

std::optional<std::string> QtFormsService::fileOpenDialog(std::string_view owner, std::string_view title,
                                           std::string_view pattern, std::string_view patternLabel,
                                           std::string_view startFolder) {
    const std::optional<QString> path =
        runFileOpenDialog(window(owner), toQString(title),
                                toQString(nameFilter(patternLabel, pattern)), toQString(startFolder));
    if (!path) return std::nullopt;
    return toStdString(*path);
}

std::optional<std::string> QtFormsService::fileSaveDialog(std::string_view owner, std::string_view title,
                                                          std::string_view pattern, std::string_view patternLabel,
                                                          std::string_view suggested) {
    const std::optional<QString> path = runFileSaveDialog(
        window(owner), toQString(title), toQString(nameFilter(patternLabel, pattern)), toQString(suggested));
    if (!path) return std::nullopt;
    return toStdString(*path);
}

std::optional<std::string> QtFormsService::folderDialog(std::string_view owner, std::string_view title,
                                         std::string_view startFolder) {
    const std::optional<QString> path =
        runFolderDialog(window(owner), toQString(title), toQString(startFolder));
    if (!path) return std::nullopt;
    return toStdString(*path);
}

std::unique_ptr<Progress> QtFormsService::progress(std::string_view owner, std::string_view title,
                                                   int steps) {
    return std::make_unique<ProgressDialog>(window(owner), toQString(title), steps);
}

}  // namespace cal::qtui
