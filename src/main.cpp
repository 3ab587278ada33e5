// The calendar program: Qt windows, the per-user settings store and the
// system clock wired to the application. With --print-pdf it prints the
// displayed month to a PDF file without any window and exits.

#include "app/app.h"
#include "state/app_state.h"
#include "app/command_line.h"
#include "app/process.h"
#include "app/user_folders.h"
#include "ical/ics_reader.h"
#include "ical/ics_writer.h"
#include "ui/platform.h"
#include "qt/drawing/font_substitutions.h"
#include "qt/platform/display_check.h"
#include "qt/forms/headless_dialogs.h"
#include "qt/platform/memory_settings.h"
#include "qt/platform/qt_messages.h"
#include "qt/forms/qt_forms_service.h"
#include "qt/platform/qt_registry.h"
#include "qt/platform/translations.h"
#include "qt/pictures/picture_import.h"
#include "qt/forms/qt_picture_library.h"

#include <QApplication>
#include <QByteArray>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace {

std::optional<std::string> currentDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    if (error) return std::nullopt;
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

// Builds the application on `forms` and either prints or runs the windows.
int runProgram(const cal::CommandLine& cmd, const std::optional<std::string>& output, cal::Dialogs& dialogs,
               cal::qtui::QtFormsService& forms, cal::PictureLibrary* pictures) {
    auto state = std::make_unique<cal::AppState>();
    cal::qtui::QtRegistry registry;
    const cal::SystemClock systemClock;
    std::optional<cal::MonthClock> monthClock;
    if (cmd.month) monthClock.emplace(systemClock, cmd.month->year, cmd.month->month);
    const cal::Clock& clock = monthClock ? static_cast<const cal::Clock&>(*monthClock) : systemClock;

    cal::App app(*state, dialogs, forms, forms, clock, registry);
    cal::ical::LibicalReader icsReader;
    app.context().icsReader = &icsReader;
    cal::ical::LibicalWriter icsWriter;
    app.context().icsWriter = &icsWriter;
    forms.setEventSink(&app);
    app.context().pictures = pictures;
    // Printing from the command line asks nobody for a data folder.
    cal::StartArgs args(cmd.dataText, currentDirectory(), !output);
    args.recoveryRoot = cal::userRecoveryRoot();
    args.unattended = output.has_value();
    app.start(args);
    if (cmd.icsImportFile) {
        const int status = app.importIcsIntoMonthFile(*cmd.icsImportFile);
        if (status == 0) std::cout << "取り込みました: " << *cmd.icsImportFile << std::endl;
        return status;
    }
    if (!output) return app.run();
    if (cmd.paper) state->print.paper = *cmd.paper;
    state->print.staffRequested = cmd.staff;

    const int status = cmd.icsExportFile ? app.exportIcs(*cmd.icsExportFile, cmd.schoolYear)
                       : cmd.schoolYear    ? app.printSchoolYear(*cmd.schoolYear)
                                           : app.printDisplayedMonth();
    if (status == 0) std::cout << (cmd.icsExportFile ? "書き出しました: " : "印刷しました: ") << *output << std::endl;
    return status;
}

// Brings each file into the library of the data folder, one line each;
// 0 when every file came in.
int importPictures(const cal::CommandLine& cmd) {
    const std::string dataDir = !cmd.dataText.empty() ? cmd.dataText : currentDirectory().value_or(".");
    int status = 0;
    for (const std::string& file : cmd.importPictures) {
        const cal::PictureImport imported = cal::qtui::importPicture(dataDir, file);
        if (imported.ok()) {
            std::cout << imported.name << std::endl;
        } else {
            std::cerr << "calendar: " << imported.error << std::endl;
            status = 1;
        }
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    cal::qtui::keepFreedMemory();
    cal::qtui::keepQtMessagesForDebugging();
    cal::prepareProcess();
    const cal::CommandLine cmd = cal::parseCommandLine(cal::commandLineArguments(argc, argv));
    if (!cmd.error.empty()) {
        std::cerr << "calendar: " << cmd.error << '\n';
        return 2;
    }

    // Printing to a file and importing run without any window.
    const std::optional<std::string> output = cmd.pdfFile         ? cmd.pdfFile
                                              : cmd.pngFile     ? cmd.pngFile
                                                                : cmd.icsExportFile;
    if (cmd.icsImportFile) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        QApplication application(argc, argv);
        cal::qtui::QtFormsService forms(cal::qtui::QtFormsService::Mode::Headless, {});
        cal::qtui::HeadlessDialogs dialogs(std::cerr);
        const int status = runProgram(cmd, std::string(), dialogs, forms, nullptr);
        return status == 0 && dialogs.errorShown() ? 1 : status;
    }
    if (!cmd.importPictures.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        QApplication application(argc, argv);
        cal::qtui::limitPictureMemory();
        return importPictures(cmd);
    }
    if (output) {
        std::string error;
        if (!cal::canWriteFile(*output, error)) {
            std::cerr << "calendar: " << error << '\n';
            return 2;
        }
        // Printing needs no display at all.
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    } else if (!cal::qtui::displayAvailable()) {
        std::cerr << "calendar: 画面（ディスプレイ）がありません。画面のある環境で起動してください。\n";
        return 1;
    }
    // A month window's first paint ends with about 8 MB of heap in use.
    if (!output) cal::qtui::prefaultHeap(std::size_t{7} * 1024 * 1024);

    QApplication application(argc, argv);
    cal::qtui::limitPictureMemory();
    cal::qtui::installFontSubstitutions();
    if (output) {
        cal::qtui::QtFormsService forms(cal::qtui::QtFormsService::Mode::Headless, *output,
                                  cmd.pngFile ? cal::qtui::QtFormsService::Output::Png : cal::qtui::QtFormsService::Output::Pdf);
        cal::qtui::HeadlessDialogs dialogs(std::cerr);
        const int status = runProgram(cmd, output, dialogs, forms, nullptr);
        // Any error on the way fails the run, even when a page was written.
        return status == 0 && dialogs.errorShown() ? 1 : status;
    }
    // Qt's own dialogs (print, file) appear only in the windowed program.
    cal::qtui::installQtTranslations(application);
    cal::qtui::QtFormsService forms;
    cal::qtui::QtPictureLibrary pictures([&forms](std::string_view form) { return forms.window(form); });
    return runProgram(cmd, output, forms, forms, &pictures);
}
