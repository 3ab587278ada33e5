// The calendar program: Qt windows, the per-user settings store and the
// system clock wired to the application.

#include "app/app.h"
#include "app/app_state.h"
#include "app/command_line.h"
#include "app/platform.h"
#include "ui/qt/font_substitutions.h"
#include "ui/qt/qt_forms_service.h"
#include "ui/qt/qt_registry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {

#ifdef __linux__
// Without any display Qt would abort with a message meant for developers.
bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}
#endif

std::optional<std::string> currentDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    if (error) return std::nullopt;
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef __linux__
    if (!displayAvailable()) {
        std::cerr << "calendar: 画面（ディスプレイ）がありません。画面のある環境で起動してください。\n";
        return 1;
    }
#endif
    QApplication application(argc, argv);
    cal::installFontSubstitutions();

    std::vector<std::string> args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray utf8 = arguments[i].toUtf8();
        args.emplace_back(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    }
    const cal::CommandLine cmd = cal::parseCommandLine(args);
    if (!cmd.error.empty()) {
        std::cerr << cmd.error << '\n';
        return 2;
    }

    auto state = std::make_unique<cal::AppState>();
    cal::QtFormsService forms;
    cal::QtRegistry registry;
    cal::SystemClock clock;
    cal::App app(*state, forms, clock, registry);
    forms.setEventSink(&app);
    app.start({cmd.dataText, currentDirectory()});
    return app.run();
}
