#include "qt/forms/message_boxes.h"

#include "qt/qt_strings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cctype>
#include <utility>

namespace cal::qtui {

std::vector<BoxAnswer> boxAnswers(BoxButtons buttons) {
    using A = BoxAnswer;
    switch (buttons) {
    case BoxButtons::Ok: return {A::Ok};
    case BoxButtons::OkCancel: return {A::Ok, A::Cancel};
    case BoxButtons::AbortRetryIgnore: return {A::Abort, A::Retry, A::Ignore};
    case BoxButtons::YesNoCancel: return {A::Yes, A::No, A::Cancel};
    case BoxButtons::YesNo: return {A::Yes, A::No};
    case BoxButtons::RetryCancel: return {A::Retry, A::Cancel};
    }
    return {A::Ok};
}

// Escape means Cancel where there is one, No for a yes/no question and OK
// for a plain notice; abort/retry/ignore needs a real choice.
std::optional<BoxAnswer> escapeAnswer(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::Ok: return BoxAnswer::Ok;
    case BoxButtons::YesNo: return BoxAnswer::No;
    case BoxButtons::AbortRetryIgnore: return std::nullopt;
    case BoxButtons::OkCancel:
    case BoxButtons::YesNoCancel:
    case BoxButtons::RetryCancel: return BoxAnswer::Cancel;
    }
    return std::nullopt;
}

namespace {

BoxButtons buttonsFromCode(int code) {
    if (code < 0 || code > static_cast<int>(BoxButtons::RetryCancel)) return BoxButtons::Ok;
    return static_cast<BoxButtons>(code);
}

}  // namespace

BoxStyle programBoxStyle(int buttons, int icon) {
    BoxStyle style;
    style.buttons = buttonsFromCode(buttons);
    switch (icon) {
    case 0: style.icon = BoxIcon::Stop; break;
    case 1: style.icon = BoxIcon::Question; break;
    case 2: style.icon = BoxIcon::Exclamation; break;
    case 3: style.icon = BoxIcon::Information; break;
    default: style.icon = BoxIcon::None; break;
    }
    return style;
}

int programAnswerCode(BoxAnswer answer) { return static_cast<int>(answer); }

BoxStyle decodeSystemStyle(std::uint32_t word) {
    BoxStyle style;
    style.buttons = buttonsFromCode(static_cast<int>(word & 0xFu));
    switch (word & 0xF0u) {
    case 0x10: style.icon = BoxIcon::Stop; break;
    case 0x20: style.icon = BoxIcon::Question; break;
    case 0x30: style.icon = BoxIcon::Exclamation; break;
    case 0x40: style.icon = BoxIcon::Information; break;
    default: style.icon = BoxIcon::None; break;
    }
    // A default beyond the last button falls back to the first, as Windows does.
    const int defaultButton = static_cast<int>((word >> 8) & 0xFu);
    const int count = static_cast<int>(boxAnswers(style.buttons).size());
    style.defaultButton = defaultButton < count ? defaultButton : 0;
    style.systemModal = (word & 0x3000u) == 0x1000u;
    return style;
}

int systemAnswerCode(BoxAnswer answer) { return static_cast<int>(answer) + 1; }

BoxAnswer unattendedAnswer(BoxButtons buttons) {
    const std::vector<BoxAnswer> answers = boxAnswers(buttons);
    const auto offers = [&answers](BoxAnswer answer) {
        return std::find(answers.begin(), answers.end(), answer) != answers.end();
    };
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    if (offers(BoxAnswer::No)) return BoxAnswer::No;
    if (offers(BoxAnswer::Cancel)) return BoxAnswer::Cancel;
    return answers.front();
}

std::string boxLine(std::string_view title, std::string_view message) {
    const std::string text = std::string(title) + ": " + std::string(message);
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // CR LF: one blank
        line += ch == '\r' || ch == '\n' ? ' ' : ch;
    }
    return line;
}

std::string nameFilter(std::string_view label, std::string_view pattern) {
    std::vector<std::string> parts;
    const auto add = [&parts](std::string part) {
        if (!part.empty() && std::find(parts.begin(), parts.end(), part) == parts.end())
            parts.push_back(std::move(part));
    };
    std::size_t start = 0;
    while (start <= pattern.size()) {
        std::size_t end = pattern.find_first_of("; ", start);
        if (end == std::string_view::npos) end = pattern.size();
        const std::string part(pattern.substr(start, end - start));
        std::string upper = part;
        std::string lower = part;
        for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        add(part);
        add(upper);
        add(lower);
        start = end + 1;
    }
    if (parts.empty()) parts.emplace_back("*");

    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty()) joined += ' ';
        joined += part;
    }
    std::string filter(label.empty() ? std::string_view(joined) : label);
    return filter + "(" + joined + ")";
}

namespace {

QString answerText(BoxAnswer answer) {
    switch (answer) {
    case BoxAnswer::Ok: return QStringLiteral("OK");
    case BoxAnswer::Cancel: return QString::fromUtf8("キャンセル");
    case BoxAnswer::Abort: return QString::fromUtf8("中止");
    case BoxAnswer::Retry: return QString::fromUtf8("再試行");
    case BoxAnswer::Ignore: return QString::fromUtf8("無視");
    case BoxAnswer::Yes: return QString::fromUtf8("はい");
    case BoxAnswer::No: return QString::fromUtf8("いいえ");
    }
    return {};
}

// Abort and Ignore get roles Qt does not treat as Escape, so a box of
// abort/retry/ignore keeps Escape and the close button inert.
QMessageBox::ButtonRole answerRole(BoxAnswer answer) {
    switch (answer) {
    case BoxAnswer::Ok: return QMessageBox::AcceptRole;
    case BoxAnswer::Cancel: return QMessageBox::RejectRole;
    case BoxAnswer::Abort: return QMessageBox::DestructiveRole;
    case BoxAnswer::Retry: return QMessageBox::AcceptRole;
    case BoxAnswer::Ignore: return QMessageBox::ActionRole;
    case BoxAnswer::Yes: return QMessageBox::YesRole;
    case BoxAnswer::No: return QMessageBox::NoRole;
    }
    return QMessageBox::AcceptRole;
}

QMessageBox::Icon boxIcon(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::None: return QMessageBox::NoIcon;
    case BoxIcon::Stop: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

BoxAnswer runMessageBox(QWidget* owner, const QString& title, const QString& message,
                        const BoxStyle& style) {
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setIcon(boxIcon(style.icon));

    const std::vector<BoxAnswer> answers = boxAnswers(style.buttons);
    std::vector<std::pair<QPushButton*, BoxAnswer>> buttons;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const QString text = i < style.buttonTexts.size() ? style.buttonTexts[i] : answerText(answers[i]);
        buttons.emplace_back(box.addButton(text, answerRole(answers[i])), answers[i]);
    }

    const auto index = static_cast<std::size_t>(style.defaultButton);
    box.setDefaultButton(buttons[index < buttons.size() ? index : 0].first);
    const std::optional<BoxAnswer> escape = escapeAnswer(style.buttons);
    if (escape)
        for (const auto& [button, answer] : buttons)
            if (answer == *escape) box.setEscapeButton(button);

    box.setWindowModality(Qt::ApplicationModal);
    if (style.systemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();

    const QAbstractButton* clicked = box.clickedButton();
    for (const auto& [button, answer] : buttons)
        if (button == clicked) return answer;
    return escape.value_or(answers.front());
}

std::optional<QString> runInputBox(QWidget* owner, const QString& title, const QString& prompt) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QString::fromUtf8("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> runFileOpenDialog(QWidget* owner, const QString& title,
                                         const QString& filter, const QString& startFolder) {
    QFileDialog dialog(owner, title, startFolder.isEmpty() ? QDir::currentPath() : startFolder, filter);
    // Qt's own dialog behaves the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("場所:"));
    dialog.setLabelText(QFileDialog::FileName, QString::fromUtf8("ファイル名:"));
    dialog.setLabelText(QFileDialog::FileType, QString::fromUtf8("ファイルの種類:"));
    dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("開く"));
    dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(QFileInfo(files.front()).absoluteFilePath());
}

std::optional<QString> runFileSaveDialog(QWidget* owner, const QString& title, const QString& filter,
                                         const QString& suggested) {
    QFileDialog dialog(owner, title, QFileInfo(suggested).absolutePath(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    dialog.selectFile(QFileInfo(suggested).fileName());
    dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("場所:"));
    dialog.setLabelText(QFileDialog::FileName, QString::fromUtf8("ファイル名:"));
    dialog.setLabelText(QFileDialog::FileType, QString::fromUtf8("ファイルの種類:"));
    dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("保存"));
    dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(QFileInfo(files.front()).absoluteFilePath());
}

std::optional<QString> runFolderDialog(QWidget* owner, const QString& title, const QString& startFolder) {
    const QString start = !startFolder.isEmpty() && QDir(startFolder).exists() ? startFolder : QDir::homePath();
    QFileDialog dialog(owner, title, start);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::LookIn, QString::fromUtf8("場所:"));
    dialog.setLabelText(QFileDialog::FileName, QString::fromUtf8("フォルダ名:"));
    dialog.setLabelText(QFileDialog::FileType, QString::fromUtf8("種類:"));
    dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("選択"));
    dialog.setLabelText(QFileDialog::Reject, QString::fromUtf8("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList folders = dialog.selectedFiles();
    if (folders.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(QFileInfo(folders.front()).absoluteFilePath());
}

}  // namespace cal::qtui
