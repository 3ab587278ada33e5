#include "qt/pictures/picture_cache.h"

#include "qt/pictures/reduction.h"

#include <QRunnable>
#include <QSemaphore>

#include <algorithm>
#include <atomic>
#include <condition_variable>

namespace cal::qtui {

void PictureCache::scaledCopies(const std::vector<std::pair<PictureFile, QSize>>& wanted,
                                const std::function<void(std::size_t, const QImage&)>& use) {
    enum State { Waiting, Taken, Made };
    struct Copy {
        QImage copy;
        QImage master;  // when the file had none
        int reads = 0;
        bool needsMaster = false;
        bool read = false;
        std::atomic<int> state{Made};
    };
    std::vector<Copy> made(wanted.size());
    std::vector<std::size_t> toRead;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const auto& [file, size] = wanted[i];
        if (size.isEmpty() || failed(file)) continue;
        const QImage* master = m_store.find(masterKey(file), currentRun());
        if (master != nullptr && masterServes(*master, file, size)) {
            made[i].copy = smoothlyScaled(*master, size);
            continue;
        }
        // A picture larger than its master would be is read at its size
        // alone: each file is read once.
        const QSize masterSize = file.size / factorToFit(file.size, {kMasterSide, kMasterSide});
        made[i].needsMaster = master == nullptr && fitsWithin(size, masterSize);
        made[i].read = true;
        made[i].state = Waiting;
        toRead.push_back(i);
    }

    // The master first where it will do, else a read reduced to just above
    // the size. Whoever takes a copy first makes it.
    std::mutex doneMutex;
    std::condition_variable done;
    const auto make = [&](std::size_t i) {
        int waiting = Waiting;
        if (!made[i].state.compare_exchange_strong(waiting, Taken)) return;
        const auto& [file, size] = wanted[i];
        Copy& out = made[i];
        if (out.needsMaster) {
            out.master = masterPicture(file);
            ++out.reads;
        }
        if (!out.master.isNull() && masterServes(out.master, file, size)) {
            out.copy = smoothlyScaled(out.master, size);
        } else if (!out.needsMaster || !out.master.isNull()) {
            out.copy = smoothlyScaled(reducedPicture(file, factorAbove(file.size, size)), size);
            ++out.reads;
        }
        {
            const std::lock_guard<std::mutex> lock(doneMutex);
            out.state = Made;
        }
        done.notify_all();
    };
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t k = next++; k < toRead.size(); k = next++) make(toRead[k]);
    };
    // Workers read ahead while this thread hands the copies over in order,
    // making any no worker has taken yet; a helper not started is taken back.
    QSemaphore finished;
    std::vector<std::unique_ptr<QRunnable>> helpers;
    const std::size_t helping = std::min<std::size_t>(static_cast<std::size_t>(m_pool.maxThreadCount()), toRead.size());
    for (std::size_t h = 0; h < helping; ++h) {
        helpers.emplace_back(QRunnable::create([&work, &finished] {
            work();
            finished.release();
        }));
        helpers.back()->setAutoDelete(false);
        m_pool.start(helpers.back().get());
    }
    for (std::size_t i = 0; i < made.size(); ++i) {
        make(i);
        {
            std::unique_lock<std::mutex> lock(doneMutex);
            done.wait(lock, [&] { return made[i].state == Made; });
        }
        const PictureFile& file = wanted[i].first;
        if (made[i].read) {
            m_decodes += made[i].reads;
            if (!made[i].master.isNull()) m_store.keep(masterKey(file), made[i].master, currentRun());
            if (made[i].copy.isNull()) noteFailure(file.path, file.state);
        }
        use(i, made[i].copy);
    }
    int running = 0;
    for (const auto& helper : helpers) running += m_pool.tryTake(helper.get()) ? 0 : 1;
    finished.acquire(running);
}

}  // namespace cal::qtui
