#include "app/command_line.h"

#include "data/file_io.h"
#include "layout/paper_fit.h"

#include <cstdio>
#include <filesystem>

namespace cal {

namespace {

std::optional<YearMonth> parseMonth(const std::string& text) {
    if (text.size() != 7 || text[4] != '-') return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u})
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    const YearMonth ym{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2))};
    if (ym.month < 1 || ym.month > 12 || ym.year < 1900 || ym.year > 2200) return std::nullopt;
    return ym;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--import-picture") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                result.error = arg + " の後にファイル名がありません";
                return result;
            }
            result.importPictures.push_back(args[++i]);
            continue;
        }
        if (arg == "--staff") {
            result.staff = true;
            continue;
        }
        if (arg == "--print-pdf" || arg == "--print-png" || arg == "--month" || arg == "--school-year" ||
            arg == "--import-ics" || arg == "--paper" || arg == "--export-ics") {
            if (i + 1 >= args.size()) {
                result.error = arg + " の後に値がありません";
                return result;
            }
            const std::string& value = args[++i];
            if (arg == "--print-pdf" || arg == "--print-png" || arg == "--import-ics" || arg == "--export-ics") {
                if (value.empty()) {
                    result.error = arg + " の後にファイル名がありません";
                    return result;
                }
                (arg == "--print-pdf"    ? result.pdfFile
                 : arg == "--print-png"  ? result.pngFile
                 : arg == "--import-ics" ? result.icsImportFile
                                         : result.icsExportFile) = value;
            } else if (arg == "--paper") {
                const Paper* paper = paperNamed(value);
                if (paper == nullptr) {
                    result.error = "--paper の用紙が正しくありません（A3、B4、A4、Letter のどれか）: " + value;
                    return result;
                }
                result.paper = paper->code;
            } else if (arg == "--school-year") {
                const std::optional<YearMonth> april = parseMonth(value + "-04");
                if (value.size() != 4 || !april) {
                    result.error = "--school-year の値が正しくありません（例: --school-year 2025、1900〜2200）: " + value;
                    return result;
                }
                result.schoolYear = april->year;
            } else if (!(result.month = parseMonth(value))) {
                result.error = "--month の値が正しくありません（例: --month 2025-04、年は1900〜2200）: " + value;
                return result;
            }
            continue;
        }
        if (arg.rfind("--", 0) == 0) {
            result.error = "不明なオプションです: " + arg;
            return result;
        }
        if (!result.dataText.empty()) result.dataText += ' ';
        result.dataText += arg;
    }
    const bool printing = result.pdfFile || result.pngFile;
    if (result.schoolYear && !result.pdfFile && !result.icsExportFile)
        result.error = "--school-year は --print-pdf か --export-ics と一緒に使います";
    if ((result.paper || result.staff) && !printing)
        result.error = "--paper と --staff は --print-pdf か --print-png と一緒に使います";
    if ((result.pdfFile ? 1 : 0) + (result.pngFile ? 1 : 0) + (result.icsExportFile ? 1 : 0) +
            (result.icsImportFile ? 1 : 0) > 1)
        result.error = "--print-pdf、--print-png、--export-ics、--import-ics は一度にひとつです";
    if (result.icsImportFile && !result.month) result.error = "--import-ics は --month と一緒に使います";
    if (!result.importPictures.empty() && (result.pdfFile || result.pngFile || result.icsExportFile || result.icsImportFile))
        result.error = "--import-picture は印刷や予定の取り込み・書き出しと一緒には使えません";
    return result;
}

bool canWriteFile(const std::string& path, std::string& error) {
    const std::filesystem::path p = pathOf(path);
    std::error_code ec;
    if (std::filesystem::is_directory(p, ec)) {
        error = "同じ名前のフォルダがあります: " + path;
        return false;
    }
    // The check the output itself will meet: a file nobody may write is kept.
    std::string reason;
    if (!canReplaceFile(path, reason)) {
        error = "ファイルに書き込めません: " + path + " (" + reason + ")";
        return false;
    }
    return true;
}

}  // namespace cal
