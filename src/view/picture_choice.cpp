#include "view/picture_choice.h"

#include "data/file_io.h"
#include "data/library_names.h"
#include "data/sjis.h"
#include "tools/string_tools.h"
#include "ui/picture_library.h"
#include "view/bitmap_toolkit.h"

#include <filesystem>
#include <system_error>

namespace cal {

namespace {

void tell(Context& c, std::string_view owner, std::string_view title, const std::string& message) {
    c.dialogs.messageBox(owner, title, message, MessageButtons::Ok,
                         title == "エラー" ? MessageIcon::Stop : MessageIcon::Information);
}

bool endsInBmp(const std::string& name) {
    return name.size() > 4 && sameLibraryName(std::string_view(name).substr(name.size() - 4), ".bmp");
}

// Whether `path` names a file right inside the picture library.
bool inLibrary(const Context& c, const std::string& path, const std::string& name) {
    // Compared as written first: Windows opens no folder to compare it.
    std::error_code ec;
    const std::filesystem::path folder = pathOf(path).parent_path().lexically_normal();
    const std::filesystem::path library =
        pathOf(dataPath(c.state.dataDir, "Calendar_pic", "")).parent_path().lexically_normal();
    return (folder == library || std::filesystem::equivalent(folder, library, ec)) &&
           picturePath(c.state.dataDir, name) == dataPath(c.state.dataDir, "Calendar_pic", name);
}

// Without an importer only a library BMP whose name a record holds can be
// taken; the user is told what keeps any other file out.
void refuseWithoutImporter(Context& c, std::string_view owner, const std::string& path, const std::string& name,
                           bool library) {
    if (!library) {
        tell(c, owner, "お知らせ", "絵のフォルダにあるBMPファイルを選んでください。\r\n" + path);
    } else if (const auto bad = unstorableCharacters(name); !bad.empty()) {
        tell(c, owner, "お知らせ",
             "画像ファイル名に保存できない文字があります。\r\n" + describeCharacters(bad) +
                 "\r\nファイル名を変えてから選んでください。\r\n" + name);
    } else {
        tell(c, owner, "お知らせ", "画像ファイル名が長すぎます（半角30文字・全角15文字まで）。\r\n" + name);
    }
}

}  // namespace

std::optional<std::string> libraryNameOf(Context& c, std::string_view owner, const std::string& path) {
    const std::string name = TOOL_YEN_CUT(path);
    const bool library = inLibrary(c, path, name) && endsInBmp(name);
    // A library BMP whose name a record holds as it is.
    if (library && unstorableCharacters(name).empty() && utf8ToSjis(name).size() <= kPictureNameBytes) return name;
    if (c.pictures == nullptr) {
        refuseWithoutImporter(c, owner, path, name, library);
        return std::nullopt;
    }
    const PictureImport imported = c.pictures->importFile(c.state.dataDir, path);
    if (!imported.ok()) {
        tell(c, owner, "エラー", "絵を取り込めませんでした。\r\n" + imported.error);
        return std::nullopt;
    }
    // The teacher learns the name when it is not the one she would expect.
    if (imported.name != libraryName(name))
        tell(c, owner, "お知らせ", "「" + name + "」は「" + imported.name + "」として絵のフォルダに入りました。");
    return imported.name;
}

std::vector<std::string> libraryNamesOf(Context& c, std::string_view owner, const std::vector<std::string>& paths) {
    std::vector<std::string> names;
    for (const std::string& path : paths)
        if (auto name = libraryNameOf(c, owner, path)) names.push_back(std::move(*name));
    return names;
}

PictureChoice chooseLibraryPicture(Context& c, std::string_view owner, const std::string& current) {
    PictureChoice choice;
    std::optional<std::string> path;
    if (c.pictures != nullptr) {
        const std::optional<std::string> name = c.pictures->choose(owner, c.state.dataDir, current);
        if (name) path = dataPath(c.state.dataDir, "Calendar_pic", *name);
    } else {
        path = c.dialogs.fileOpenDialog(owner, "画像ファイルのオープン", "*.BMP", "画像(*.BMP)",
                                        dataPath(c.state.dataDir, "Calendar_pic", ""));
    }
    choice.cancelled = !path.has_value();
    if (path) choice.name = libraryNameOf(c, owner, *path);
    return choice;
}

}  // namespace cal
