#include "qt/pictures/image_store.h"

namespace cal::qtui {

const QImage* ImageStore::find(const Key& key, std::uint64_t run) {
    const auto it = m_index.find(key);
    if (it == m_index.end()) return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, it->second);
    it->second->run = run;
    return &it->second->image;
}

void ImageStore::keep(const Key& key, const QImage& image, std::uint64_t run) {
    const qsizetype cost = image.sizeInBytes();
    if (cost > m_limit || m_index.contains(key)) return;  // too big to keep at all, or kept
    evictDownTo(m_limit - cost, run);
    m_entries.push_front({key, image, run});
    m_index.emplace(key, m_entries.begin());
    m_bytes += cost;
}

void ImageStore::evictDownTo(qsizetype limit, std::uint64_t run) {
    while (m_bytes > limit && !m_entries.empty()) {
        const Entry& oldest = m_entries.back();
        // Everything the open run used is newer than anything it did not.
        if (run != 0 && oldest.run == run) return;
        m_bytes -= oldest.image.sizeInBytes();
        m_index.erase(oldest.key);
        m_entries.pop_back();
    }
}

void ImageStore::clear() {
    m_index.clear();
    m_entries.clear();
    m_bytes = 0;
}

}  // namespace cal::qtui
