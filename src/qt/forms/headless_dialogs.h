#pragma once
// Questions and notices for a run without a user (printing from the command
// line): every box becomes a line on `messages`, answered OK, No or Cancel;
// input boxes, file and folder dialogs answer cancelled; progress is not shown.

#include "ui/dialogs.h"

#include <ostream>

namespace cal::qtui {

class HeadlessDialogs final : public Dialogs {
public:
    explicit HeadlessDialogs(std::ostream& messages) : m_messages(messages) {}

    MessageAnswer messageBox(std::string_view owner, std::string_view title, std::string_view message,
                             MessageButtons buttons, MessageIcon icon) override;
    MessageAnswer messageBoxWithTexts(std::string_view owner, std::string_view title, std::string_view message,
                                      MessageButtons buttons, MessageIcon icon,
                                      const std::vector<std::string>& buttonTexts) override;
    int systemMessageBox(std::uint32_t style, std::string_view message, std::string_view title) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt) override;
    // True once an error (a box with the stop icon) was shown.
    bool errorShown() const { return m_errorShown; }

    std::optional<std::string> fileOpenDialog(std::string_view owner, std::string_view title, std::string_view pattern,
                               std::string_view patternLabel, std::string_view startFolder) override;
    std::optional<std::string> fileSaveDialog(std::string_view owner, std::string_view title,
                                              std::string_view pattern, std::string_view patternLabel,
                                              std::string_view suggested) override;
    std::optional<std::string> folderDialog(std::string_view owner, std::string_view title,
                             std::string_view startFolder) override;
    std::unique_ptr<Progress> progress(std::string_view owner, std::string_view title, int steps) override;

private:
    std::ostream& m_messages;
    bool m_errorShown = false;
};

}  // namespace cal::qtui
