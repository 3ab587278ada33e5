#include "qt/forms/headless_dialogs.h"

#include "qt/forms/message_boxes.h"

namespace cal::qtui {

MessageAnswer HeadlessDialogs::messageBox(std::string_view, std::string_view title, std::string_view message,
                                          MessageButtons buttons, MessageIcon icon) {
    m_messages << qtui::boxLine(title, message) << std::endl;
    if (icon == MessageIcon::Stop) m_errorShown = true;
    const qtui::BoxStyle style = qtui::programBoxStyle(static_cast<int>(buttons), static_cast<int>(icon));
    return static_cast<MessageAnswer>(qtui::programAnswerCode(qtui::unattendedAnswer(style.buttons)));
}

MessageAnswer HeadlessDialogs::messageBoxWithTexts(std::string_view owner, std::string_view title,
                                                   std::string_view message, MessageButtons buttons,
                                                   MessageIcon icon, const std::vector<std::string>&) {
    return messageBox(owner, title, message, buttons, icon);
}

int HeadlessDialogs::systemMessageBox(std::uint32_t style, std::string_view message, std::string_view title) {
    m_messages << qtui::boxLine(title, message) << std::endl;
    return qtui::systemAnswerCode(qtui::unattendedAnswer(qtui::decodeSystemStyle(style).buttons));
}

std::optional<std::string> HeadlessDialogs::inputBox(std::string_view, std::string_view) { return std::nullopt; }

std::optional<std::string> HeadlessDialogs::fileOpenDialog(std::string_view, std::string_view, std::string_view,
                                                           std::string_view, std::string_view) {
    return std::nullopt;
}

std::optional<std::string> HeadlessDialogs::fileSaveDialog(std::string_view, std::string_view, std::string_view,
                                                           std::string_view, std::string_view) {
    return std::nullopt;
}

std::optional<std::string> HeadlessDialogs::folderDialog(std::string_view, std::string_view, std::string_view) {
    return std::nullopt;
}

namespace {
class SilentProgress final : public Progress {
public:
    void step(int) override {}
};
}  // namespace

std::unique_ptr<Progress> HeadlessDialogs::progress(std::string_view, std::string_view, int) {
    return std::make_unique<SilentProgress>();
}

}  // namespace cal::qtui
