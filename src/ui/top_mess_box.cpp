#include "ui/top_mess_box.h"

#include "data/sjis.h"

namespace cal {

std::uint32_t topMessBoxStyle(int modality, int defaultButton, int icon, int buttons) {
    std::uint32_t style = 0;
    if (modality == 1) style += 0x1000;
    if (modality == 2) style += 0x2000;
    if (defaultButton == 1) style += 0x100;
    if (defaultButton == 2) style += 0x200;
    if (icon >= 0 && icon <= 3) style += 0x10u * static_cast<std::uint32_t>(icon + 1);
    if (buttons >= 0 && buttons <= 5) style += static_cast<std::uint32_t>(buttons);
    return style;
}

int TopMessBox(Dialogs& dialogs, Modality modality, int defaultButton, MessageIcon icon,
               MessageButtons buttons, std::string_view message, std::string_view title) {
    // The system call gets 128-byte buffers: longer texts are cut.
    constexpr std::size_t kBuffer = 128;
    const std::uint32_t style = topMessBoxStyle(static_cast<int>(modality), defaultButton,
                                                static_cast<int>(icon), static_cast<int>(buttons));
    const int answer = dialogs.systemMessageBox(style, fitToSjisWidth(message, kBuffer),
                                                fitToSjisWidth(title, kBuffer));
    return answer - 1;
}

}  // namespace cal
