#include "qt/pictures/picture_cache.h"

#include "qt/pictures/reduction.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace cal::qtui {

bool PictureCache::ready(const PictureFile& file) const {
    return m_store.contains(masterKey(file)) || failed(file);
}

void PictureCache::request(const PictureFile& file, const QSize& size, PictureWaiter& waiter) {
    const Key key = masterKey(file);
    auto [it, added] = m_waiting.try_emplace(key);
    Pending& pending = it->second;
    if (std::find(pending.waiters.begin(), pending.waiters.end(), &waiter) == pending.waiters.end())
        pending.waiters.push_back(&waiter);
    if (added) pending.sizes = std::make_shared<DrawnSizes>();
    {
        const std::lock_guard<std::mutex> lock(pending.sizes->mutex);
        std::vector<QSize>& sizes = pending.sizes->sizes;
        if (!pending.sizes->taken && !size.isEmpty() && std::find(sizes.begin(), sizes.end(), size) == sizes.end())
            sizes.push_back(size);
    }
    if (!added) return;
    ++m_decodes;
    m_pool.start([this, file, key, sizes = pending.sizes, notifier = QPointer<QObject>(m_notifier.get())] {
        const QImage master = masterPicture(file);
        std::vector<QSize> wanted;
        {
            const std::lock_guard<std::mutex> lock(sizes->mutex);
            sizes->taken = true;
            wanted = sizes->sizes;
        }
        // Sizes the master can give; larger ones are read again when drawn.
        std::vector<std::pair<QSize, QImage>> scaled;
        for (const QSize& drawn : wanted)
            if (!master.isNull() && drawn != master.size() && fitsWithin(drawn, master.size()))
                scaled.emplace_back(drawn, smoothlyScaled(master, drawn));
        if (notifier.isNull()) return;
        QMetaObject::invokeMethod(
            notifier.data(), [this, key, file, master, scaled] { arrived(key, file, master, scaled); },
            Qt::QueuedConnection);
    });
}

void PictureCache::arrived(const Key& key, const PictureFile& file, const QImage& master,
                           const std::vector<std::pair<QSize, QImage>>& scaledCopies) {
    if (master.isNull()) {
        noteFailure(file.path, file.state);
    } else {
        m_store.keep(key, master, currentRun());
        for (const auto& [size, picture] : scaledCopies)
            m_store.keep({file.serial, size.width(), size.height()}, picture, currentRun());
    }
    const auto it = m_waiting.find(key);
    if (it == m_waiting.end()) return;
    const std::vector<PictureWaiter*> waiters = std::move(it->second.waiters);
    m_waiting.erase(it);
    for (PictureWaiter* waiter : waiters) waiter->pictureArrived(std::get<0>(key));
    // Outside a run nothing is held beyond the bound.
    if (m_openRuns == 0) m_store.trim(currentRun());
}

void PictureCache::forget(PictureWaiter& waiter) {
    for (auto& [key, pending] : m_waiting) std::erase(pending.waiters, &waiter);
}

void PictureCache::settle() {
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(m_notifier.get(), QEvent::MetaCall);
}

}  // namespace cal::qtui
