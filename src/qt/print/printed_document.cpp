#include "qt/print/printed_document.h"

#include <algorithm>

namespace cal::qtui {

DocumentPictures PrintedDocument::pictures() const {
    DocumentPictures wanted;
    for (const std::vector<PrintStep>& steps : m_pages)
        for (const PrintStep& step : steps) {
            if (step.drawn.kind != DrawingStep::Kind::Picture) continue;
            const auto [it, added] = wanted.order.try_emplace(step.drawn.file.path, wanted.files.size());
            if (added)
                wanted.files.emplace_back(step.drawn.file, step.pixels);
            else
                wanted.files[it->second].second = wanted.files[it->second].second.expandedTo(step.pixels);
        }
    for (auto& [file, size] : wanted.files) size = size.boundedTo(file.size);
    return wanted;
}

void PrintedDocument::keepPicture(const QString& path, const QImage& picture) {
    QImage& kept = m_pictures[path];
    kept = picture;
    if (picture.isNull()) return;
    const std::size_t hash = qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes()));
    const auto [first, last] = m_seen.equal_range(hash);
    const auto same = std::find_if(first, last, [&](const auto& earlier) { return *earlier.second == picture; });
    if (same != last)
        kept = *same->second;
    else
        m_seen.emplace(hash, &kept);
}

void PrintedDocument::clear() {
    m_pages.assign(1, {});
    m_pictures.clear();
    m_seen.clear();
}

}  // namespace cal::qtui
