// A picture file in the library scaled to the sizes drawing asks for: the
// reduced master copy and the pictures scaled from it or decoded anew, for
// the screen and for a printer. The first four bytes pick the size drawn;
// the rest is the file.
#include "picture_file.h"
#include "qt/pictures/picture_cache.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    // Sizes up to a cell picture on a large screen, 0 included.
    const QSize drawn((data[0] | data[1] << 8) % 1200, (data[2] | data[3] << 8) % 1200);
    const QString path = writePictureFile(data + 4, size - 4);

    cal::qtui::PictureCache cache(4 * 1024 * 1024);
    const auto probed = cache.probe(path);
    if (!probed) return 0;
    const QImage once = cache.scaled(*probed, drawn);
    const QImage again = cache.scaled(*probed, drawn);  // from the cache
    if (once.size() != again.size()) std::abort();
    if (!once.isNull() && once.size() != drawn) std::abort();
    // A printer's copies: the same size and a larger one, read anew when
    // the master is too small for it.
    const QSize large(drawn.width() * 2 + 1, drawn.height() * 2 + 1);
    const std::vector<std::pair<cal::qtui::PictureFile, QSize>> wanted{{*probed, drawn}, {*probed, large}};
    std::size_t handed = 0;
    cache.scaledCopies(wanted, [&](std::size_t i, const QImage& copy) {
        if (i != handed++) std::abort();
        if (!copy.isNull() && copy.size() != wanted[i].second) std::abort();
    });
    if (handed != wanted.size()) std::abort();
    return 0;
}
