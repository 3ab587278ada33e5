#pragma once
// The picture library window: a thumbnail of every BMP in the library with
// its name, a field that filters by name, "選択" and "キャンセル", and
// "他のフォルダから取り込む…". Files dropped on it are brought in. The
// thumbnails come from worker threads, so the window opens at once and
// typing and scrolling never wait for them.

#include "qt/pictures/thumbnails.h"

#include <QDialog>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <string>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace cal::qtui {

class PictureLibraryWindow final : public QDialog {
public:
    // `current`: the name to select; `thumbnails` outlives the window.
    PictureLibraryWindow(QWidget* owner, std::string dataDir, const QString& current,
                         const ThumbnailCache& thumbnails);
    ~PictureLibraryWindow() override;

    // The name chosen with 選択 or a double click; empty before.
    const QString& chosen() const { return m_chosen; }
    // Brings files into the library, then shows and selects the last one;
    // refusals are told in one message.
    void importFiles(const QStringList& paths);

    QListWidget& list() { return *m_list; }
    QLineEdit& filter() { return *m_filter; }
    // Names shown under the filter, in order.
    QStringList shownNames() const;
    // Thumbnails still being made.
    int thumbnailsPending() const { return m_pending; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void fill(const QString& select);
    void applyFilter();
    void choose();
    void importFromFolder();
    void thumbnailArrived(int generation, const QString& name, const QImage& image);
    // Stops the workers; thumbnails being made are finished first.
    void stopWorkers();

    std::string m_dataDir;
    QString m_folder;
    const ThumbnailCache& m_thumbnails;
    QLineEdit* m_filter;
    QListWidget* m_list;
    QHash<QString, QListWidgetItem*> m_items;
    QString m_chosen;
    int m_pending = 0;
    // The files whose thumbnails the workers make, taken in order.
    QStringList m_queue;
    std::atomic<int> m_next{0};
    std::atomic<bool> m_stop{false};
    int m_generation = 0;  // which filling of the list a thumbnail belongs to
    QThreadPool m_workers;
};

}  // namespace cal::qtui
