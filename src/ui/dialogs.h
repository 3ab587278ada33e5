#pragma once
// Questions, notices and file dialogs: what the program asks and tells the
// user. The windows implement it with message boxes; the command line with
// lines on standard error and the answers a run without a user needs.
// Texts are UTF-8.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cal {

// The program asks with Ok and YesNo; the services take every kind.
enum class MessageButtons { Ok = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class MessageIcon { Stop = 0, Question = 1, Exclamation = 2, Information = 3 };
enum class MessageAnswer { Ok = 0, Cancel = 1, Abort = 2, Retry = 3, Ignore = 4, Yes = 5, No = 6 };

// Long work tells how far it is; the user waits, there is no cancelling.
class Progress {
public:
    virtual ~Progress() = default;
    // `done` steps of the whole are finished.
    virtual void step(int done) = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // `owner` names the owning form; empty for none.
    virtual MessageAnswer messageBox(std::string_view owner, std::string_view title,
                                     std::string_view message, MessageButtons buttons,
                                     MessageIcon icon) = 0;
    // The same box with buttons that say what each answer does:
    // `buttonTexts` names the buttons of `buttons` in their order.
    virtual MessageAnswer messageBoxWithTexts(std::string_view owner, std::string_view title,
                                              std::string_view message, MessageButtons buttons, MessageIcon icon,
                                              const std::vector<std::string>& buttonTexts) = 0;
    // The operating system's own message box with a style word; answers the
    // system's code (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No).
    virtual int systemMessageBox(std::uint32_t style, std::string_view message,
                                 std::string_view title) = 0;
    // The text typed; nothing when the box was cancelled.
    virtual std::optional<std::string> inputBox(std::string_view title, std::string_view prompt) = 0;
    // Opens in `startFolder`; answers the full path, nothing when cancelled.
    virtual std::optional<std::string> fileOpenDialog(std::string_view owner, std::string_view title,
                                       std::string_view pattern, std::string_view patternLabel,
                                       std::string_view startFolder) = 0;
    // Asks where to save, offering `suggested` (a full path); answers the full
    // path, nothing when cancelled. A file that exists is confirmed first.
    virtual std::optional<std::string> fileSaveDialog(std::string_view owner, std::string_view title,
                                                      std::string_view pattern, std::string_view patternLabel,
                                                      std::string_view suggested) = 0;
    // Chooses a folder, opening in `startFolder`; answers its full path,
    // nothing when cancelled.
    virtual std::optional<std::string> folderDialog(std::string_view owner, std::string_view title,
                                     std::string_view startFolder) = 0;
    // Progress of long work in `steps` steps: shown only when the work takes
    // longer than about half a second, gone when the object is destroyed.
    virtual std::unique_ptr<Progress> progress(std::string_view owner, std::string_view title,
                                               int steps) = 0;
};

}  // namespace cal
