#pragma once
// Pictures kept by key within a byte bound, least recently used dropped
// first; what the drawing run in progress used is never dropped.

#include <QHashFunctions>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <list>
#include <tuple>
#include <unordered_map>

namespace cal::qtui {

class ImageStore {
public:
    // A file state's serial and a drawn size; a master has the size (0, 0).
    using Key = std::tuple<std::uint64_t, int, int>;
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return qHashMulti(0, std::get<0>(k), std::get<1>(k), std::get<2>(k));
        }
    };

    explicit ImageStore(qsizetype limitBytes) : m_limit(limitBytes) {}

    // The image kept under `key`, now the most recently used and used by
    // `run` (0 outside a run); nullptr when none is kept.
    const QImage* find(const Key& key, std::uint64_t run);
    bool contains(const Key& key) const { return m_index.contains(key); }
    // Keeps the image, making room from the least recently used, unless it
    // is larger than the whole bound or the key is kept already.
    void keep(const Key& key, const QImage& image, std::uint64_t run);
    // Drops the least recently used until the bound holds or the next is
    // one `run` used.
    void trim(std::uint64_t run) { evictDownTo(m_limit, run); }
    void clear();

    qsizetype bytes() const { return m_bytes; }
    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        Key key;
        QImage image;
        std::uint64_t run = 0;  // the run that used it last
    };
    void evictDownTo(qsizetype limit, std::uint64_t run);

    qsizetype m_limit;
    qsizetype m_bytes = 0;
    std::list<Entry> m_entries;  // most recently used first
    std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> m_index;
};

}  // namespace cal::qtui
