// Pictures brought into the library and the library window, each against a
// reference measured beside it in the same run:
// - import of a 4000 × 3000 JPEG photo and of a 1000 × 1000 PNG with
//   transparency, against Qt's decode of the same file at the same size, the
//   same reduction and Qt writing the BMP;
// - the library window with 1,000 pictures shown, against the same window on
//   an empty library; all thumbnails in (cold cache) against making each
//   thumbnail once, one after the other; opened again (cached), shown and
//   until every thumbnail is in, against the empty library;
// - the peak memory while 1,000 thumbnails of 4000 × 3000 photos are made.

#include "bench_pictures.h"
#include "bench_support.h"

#include "qt/forms/picture_library_window.h"
#include "qt/pictures/picture_import.h"
#include "qt/pictures/reduction.h"
#include "qt/pictures/thumbnails.h"

#include "data/file_io.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace calbench {

namespace {

namespace fs = std::filesystem;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A photo-like picture: smooth light with grain, different for every seed.
QImage photo(int width, int height, quint32 seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = static_cast<int>(random.bounded(24));
            row[x] = qRgb((x * 200 / width + grain) & 0xFF, (y * 200 / height + grain) & 0xFF, (seed * 37 + grain) & 0xFF);
        }
    }
    return image;
}

QImage clipArt(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0xF0, 0x80, 0x90));
    painter.drawEllipse(side / 8, side / 8, side * 3 / 4, side * 3 / 4);
    return image;
}

// The reference: the file decoded by Qt at the size the import decodes it,
// the same reduction, and the BMP written by Qt's writer and replaced on
// disk the way every file of the program is.
void decodeReduceWrite(const QString& path, const QString& out) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (const QSize decodeAt = cal::qtui::jpegDecodeSize(reader.size()); decodeAt.isValid() && reader.format() == "jpeg")
        reader.setScaledSize(decodeAt);
    const QImage image = reader.read();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    cal::qtui::smoothlyScaled(image, cal::qtui::librarySize(image.size())).convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    std::string error;
    cal::writeFileReplacing(out.toStdString(), std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}

void importAgainst(benchmark::State& state, const QImage& picture, const char* name, const char* format) {
    DataFolder folder{0};
    const QString source = qs(folder.path()) + QStringLiteral("/") + QString::fromLatin1(name);
    picture.save(source, format, 90);
    const QString library = qs(folder.path()) + QStringLiteral("/Calendar_pic/");
    double imported = 0, reference = 0;
    for (auto _ : state) {
        const double t0 = now();
        const cal::PictureImport result = cal::qtui::importPicture(folder.path(), source.toStdString());
        const double t1 = now();
        decodeReduceWrite(source, library + QStringLiteral("reference.bmp"));
        const double t2 = now();
        if (!result.ok()) state.SkipWithError(result.error.c_str());
        QFile::remove(library + QString::fromStdString(result.name));
        imported += t1 - t0;
        reference += t2 - t1;
        state.SetIterationTime(t1 - t0);
    }
    state.counters["ratio"] = imported / reference;
}

void BM_ImportPhotoJpeg(benchmark::State& state) { importAgainst(state, photo(kPhotoWidth, kPhotoHeight, 1), "photo.jpg", "JPEG"); }
void BM_ImportClipArtPng(benchmark::State& state) { importAgainst(state, clipArt(1000), "clipart.png", "PNG"); }

// A library of `count` pictures as imports leave them (225 × 169), each
// its own, and an empty thumbnail cache.
struct Library {
    explicit Library(int count) {
        const QString pictures = qs(folder.path()) + QStringLiteral("/Calendar_pic/");
        const QSize size = cal::qtui::librarySize({kPhotoWidth, kPhotoHeight});
        const QImage base = photo(size.width(), size.height(), 7);
        for (int i = 0; i < count; ++i) {
            QImage image = base;
            image.setPixel(i % size.width(), 0, qRgb(i & 0xFF, 0, 0));
            image.save(pictures + QStringLiteral("picture%1.bmp").arg(i, 4, 10, QLatin1Char('0')), "BMP");
            paths << pictures + QStringLiteral("picture%1.bmp").arg(i, 4, 10, QLatin1Char('0'));
        }
    }
    DataFolder folder{0};
    QStringList paths;
    QTemporaryDir cacheDir;
};

// Seconds from creating the window to its first paint; with `allThumbnails`
// until every thumbnail has arrived as well.
double openWindow(const Library& library, const cal::qtui::ThumbnailCache& cache, bool allThumbnails) {
    const double t0 = now();
    cal::qtui::PictureLibraryWindow window(nullptr, library.folder.path(), {}, cache);
    window.show();
    QApplication::processEvents();
    while (allThumbnails && window.thumbnailsPending() > 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return now() - t0;
}

void BM_LibraryWindow(benchmark::State& state) {
    const Library empty(0), full(1000);
    double shown = 0, cold = 0, warmShown = 0, warm = 0, emptyShown = 0, reference = 0, serialMade = 0;
    for (auto _ : state) {
        emptyShown += openWindow(empty, cal::qtui::ThumbnailCache(empty.cacheDir.path()), false);
        QTemporaryDir coldCache;
        const cal::qtui::ThumbnailCache fresh(coldCache.path());
        shown += openWindow(full, cal::qtui::ThumbnailCache(coldCache.path() + QStringLiteral("/unused")), false);
        const double coldOnce = openWindow(full, fresh, true);
        cold += coldOnce;
        warmShown += openWindow(full, fresh, false);
        warm += openWindow(full, fresh, true);
        const double t0 = now();
        for (const QString& path : full.paths) benchmark::DoNotOptimize(cal::qtui::makeThumbnail(path));
        reference += now() - t0;
        QTemporaryDir serialCache;
        const cal::qtui::ThumbnailCache serial(serialCache.path());
        const double t1 = now();
        for (const QString& path : full.paths) benchmark::DoNotOptimize(serial.thumbnail(path));
        serialMade += now() - t1;
        state.SetIterationTime(coldOnce);
    }
    state.counters["shown/empty"] = shown / emptyShown;
    state.counters["cold/decode_once"] = cold / reference;
    state.counters["cached_shown/empty"] = warmShown / emptyShown;
    state.counters["cached_all_in/empty"] = warm / emptyShown;
    state.counters["cache_one_thread/decode_once"] = serialMade / reference;
    state.counters["empty_ms"] = emptyShown * 1e3 / static_cast<double>(state.iterations());
}

// 1,000 thumbnails of 4000 × 3000 photos (eight files, the rest hard
// links): the peak resident size above the size before.
void BM_ThumbnailMemory(benchmark::State& state) {
    DataFolder folder{0};
    const std::string pictures = folder.path() + "/Calendar_pic/";
    for (int i = 0; i < 8; ++i) {
        QFile out(qs(pictures + "photo" + std::to_string(i) + ".bmp"));
        out.open(QIODevice::WriteOnly);
        const std::string bytes = photoBmp(i);
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    for (int i = 8; i < 1000; ++i)
        fs::create_hard_link(pictures + "photo" + std::to_string(i % 8) + ".bmp", pictures + "photo" + std::to_string(i) + ".bmp");
    for (auto _ : state) {
        QTemporaryDir cacheDir;
        const cal::qtui::ThumbnailCache cache(cacheDir.path());
        releaseFreeMemory();
        const long before = currentRssKb();
        resetPeakRss();
        const double t0 = now();
        {
            cal::qtui::PictureLibraryWindow window(nullptr, folder.path(), {}, cache);
            window.show();
            while (window.thumbnailsPending() > 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        state.SetIterationTime(now() - t0);
        state.counters["peak_kb"] = static_cast<double>(peakRssKb() - before);
    }
}

}  // namespace

BENCHMARK(BM_ImportPhotoJpeg)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_ImportClipArtPng)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_LibraryWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_ThumbnailMemory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace calbench
