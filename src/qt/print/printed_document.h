#pragma once
// What a printed document draws, kept until it ends: only then is the
// largest size of each picture known, and each is embedded once, at that
// size, however many pages draw it.

#include "qt/drawing/drawing_step.h"
#include "qt/pictures/picture_cache.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QTransform>

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

namespace cal::qtui {

// A drawing step on paper, with what painting it needs besides.
struct PrintStep {
    DrawingStep drawn;
    QTransform transform;  // of the map mode it was drawn in
    QString fontFamily;    // a text's font, in points the device converts
    double fontPoints = 0;
    QSize pixels;  // what a picture needs at its place
};

// The pictures of a document: each file once, at the largest size any page
// draws it but never more than the file has, in the order the pages first
// draw them.
struct DocumentPictures {
    std::vector<std::pair<PictureFile, QSize>> files;
    std::map<QString, std::size_t> order;  // path → its place in `files`
};

class PrintedDocument {
public:
    void addPage() { m_pages.emplace_back(); }
    void record(PrintStep step) { m_pages.back().push_back(std::move(step)); }
    const std::vector<std::vector<PrintStep>>& pages() const { return m_pages; }
    DocumentPictures pictures() const;

    // Keeps the picture of `path`. Files with the same pixels (a copy under
    // another name) share one image: a PDF embeds it once.
    void keepPicture(const QString& path, const QImage& picture);
    // The same image object every time: a PDF then holds the picture once.
    const QImage& picture(const QString& path) { return m_pictures[path]; }
    // Distinct picture files kept.
    std::size_t keptPictures() const { return m_pictures.size(); }
    void clear();

private:
    std::vector<std::vector<PrintStep>> m_pages{1};
    std::map<QString, QImage> m_pictures;  // path → picture
    std::multimap<std::size_t, const QImage*> m_seen;  // kept pictures by the hash of their pixels
};

}  // namespace cal::qtui
