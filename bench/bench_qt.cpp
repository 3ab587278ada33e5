// Decoding and re-encoding pictures with the Qt service's own code for the
// reference measurements.

#include "bench_support.h"

#include "qt/pictures/picture_cache.h"
#include "qt/pictures/reduction.h"
#include "qt/qt_strings.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace calbench {

bool decodePictures(const std::vector<std::string>& paths) {
    cal::qtui::PictureCache cache;
    std::vector<QImage> masters;
    for (const std::string& path : paths) {
        const std::optional<cal::qtui::PictureFile> file = cache.probe(cal::qtui::toQString(path));
        if (!file) return false;
        masters.push_back(cal::qtui::masterPicture(*file));
        if (masters.back().isNull()) return false;
    }
    return true;
}

std::uintmax_t embeddedImagesAsPng(const std::string& pdfPath, const std::string& folder) {
    std::filesystem::create_directories(folder);
    // pdfimages writes one file per drawing; the list names the object each
    // drawing shows, and every object counts once.
    const std::string list = folder + "/list.txt";
    if (std::system(("pdfimages -list '" + pdfPath + "' > '" + list + "' 2>/dev/null").c_str()) != 0 ||
        std::system(("pdfimages -png '" + pdfPath + "' '" + folder + "/image' 2>/dev/null").c_str()) != 0)
        return 0;
    std::ifstream rows(list);
    std::string line;
    std::set<std::string> objects;
    std::uintmax_t total = 0;
    for (int row = 0; std::getline(rows, line); ++row) {
        std::istringstream cells(line);
        std::vector<std::string> cell{std::istream_iterator<std::string>(cells), {}};
        if (row < 2 || cell.size() < 11 || !objects.insert(cell[10]).second) continue;
        char name[32];
        std::snprintf(name, sizeof name, "/image-%03d.png", std::stoi(cell[1]));
        const QString pngPath = cal::qtui::toQString(folder + name);
        const QString again = pngPath + QStringLiteral(".qt.png");
        // The same writer as every other PNG here.
        if (!QImage(pngPath).save(again, "PNG")) return 0;
        std::error_code ec;
        total += std::filesystem::file_size(again.toStdString(), ec);
        if (ec) return 0;
    }
    return total;
}

}  // namespace calbench
