#include "qt/forms/picture_library_window.h"

#include "data/file_io.h"
#include "qt/forms/dropped_files.h"
#include "qt/forms/message_boxes.h"
#include "qt/pictures/picture_import.h"
#include "qt/qt_strings.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace cal::qtui {

namespace {

QIcon blankIcon() {
    QPixmap pixmap(kThumbnailSide, kThumbnailSide);
    pixmap.fill(QColor(0xF0, 0xF0, 0xF0));
    return QIcon(pixmap);
}

// The thumbnail centred on white, every icon of one size.
QIcon thumbnailIcon(const QImage& image) {
    QPixmap pixmap(kThumbnailSide, kThumbnailSide);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.drawImage((kThumbnailSide - image.width()) / 2, (kThumbnailSide - image.height()) / 2, image);
    return QIcon(pixmap);
}

QIcon undrawableIcon() {
    QPixmap pixmap(kThumbnailSide, kThumbnailSide);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::red, 3));
    painter.drawLine(16, 16, kThumbnailSide - 16, kThumbnailSide - 16);
    painter.drawLine(kThumbnailSide - 16, 16, 16, kThumbnailSide - 16);
    return QIcon(pixmap);
}

// Every kind Qt's readers know, in both letter cases.
QString importFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString suffix = QString::fromLatin1(format);
        patterns << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    }
    return QStringLiteral("画像 (") + patterns.join(QLatin1Char(' ')) + QStringLiteral(")");
}

}  // namespace

PictureLibraryWindow::PictureLibraryWindow(QWidget* owner, std::string dataDir, const QString& current,
                                           const ThumbnailCache& thumbnails)
    : QDialog(owner), m_dataDir(std::move(dataDir)),
      m_folder(toQString(dataPath(m_dataDir, "Calendar_pic", ""))), m_thumbnails(thumbnails),
      m_filter(new QLineEdit(this)), m_list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("絵のライブラリ"));
    setAccessibleName(QStringLiteral("絵のライブラリ"));
    setAcceptDrops(true);
    m_workers.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));

    m_filter->setPlaceholderText(QStringLiteral("名前で絞り込む"));
    m_filter->setAccessibleName(QStringLiteral("絵の名前で絞り込む"));
    m_filter->setClearButtonEnabled(true);
    connect(m_filter, &QLineEdit::textChanged, this, [this] { applyFilter(); });

    m_list->setAccessibleName(QStringLiteral("絵の一覧"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setIconSize(QSize(kThumbnailSide, kThumbnailSide));
    m_list->setGridSize(QSize(kThumbnailSide + 44, kThumbnailSide + 48));
    m_list->setWordWrap(true);
    m_list->setDragEnabled(false);
    m_list->setAcceptDrops(false);
    m_list->viewport()->setAcceptDrops(false);
    connect(m_list, &QListWidget::itemActivated, this, [this] { choose(); });

    auto* importButton = new QPushButton(QStringLiteral("他のフォルダから取り込む…"), this);
    auto* chooseButton = new QPushButton(QStringLiteral("選択"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    chooseButton->setDefault(true);
    connect(importButton, &QPushButton::clicked, this, [this] { importFromFolder(); });
    connect(chooseButton, &QPushButton::clicked, this, [this] { choose(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(importButton);
    buttons->addStretch();
    buttons->addWidget(chooseButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(900, 640);
    fill(current);
    m_filter->setFocus();
}

PictureLibraryWindow::~PictureLibraryWindow() { stopWorkers(); }

void PictureLibraryWindow::stopWorkers() {
    m_stop = true;
    m_workers.waitForDone();
    m_stop = false;
}

void PictureLibraryWindow::fill(const QString& select) {
    stopWorkers();
    m_list->clear();
    m_items.clear();
    m_pending = 0;
    const QDir folder(m_folder);
    const QStringList names =
        folder.entryList({QStringLiteral("*.bmp")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    const QIcon blank = blankIcon();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(blank, name, m_list);
        item->setData(Qt::UserRole, name);
        item->setToolTip(name);
        m_items.insert(name, item);
    }
    // A few workers take the files in turn: nothing is queued per picture.
    m_queue = names;
    m_next = 0;
    m_pending = static_cast<int>(names.size());
    const int generation = ++m_generation;
    for (int w = 0; w < std::min(m_workers.maxThreadCount(), static_cast<int>(names.size())); ++w)
        m_workers.start([this, generation] {
            for (int i = m_next++; i < m_queue.size() && !m_stop; i = m_next++) {
                const QString& name = m_queue[i];
                const QImage image = m_thumbnails.thumbnail(m_folder + name);
                QMetaObject::invokeMethod(
                    this, [this, generation, name, image] { thumbnailArrived(generation, name, image); },
                    Qt::QueuedConnection);
            }
        });
    applyFilter();
    if (QListWidgetItem* item = m_items.value(select); item != nullptr) {
        m_list->setCurrentItem(item);
        m_list->scrollToItem(item);
    }
}

void PictureLibraryWindow::thumbnailArrived(int generation, const QString& name, const QImage& image) {
    if (generation != m_generation) return;
    --m_pending;
    QListWidgetItem* item = m_items.value(name);
    if (item == nullptr) return;
    if (image.isNull()) {
        item->setIcon(undrawableIcon());
        item->setText(name + QStringLiteral("\n（描けません）"));
        item->setToolTip(name + QStringLiteral(" は絵として読めません"));
    } else {
        item->setIcon(thumbnailIcon(image));
    }
}

void PictureLibraryWindow::applyFilter() {
    const QString text = m_filter->text().trimmed();
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        item->setHidden(!text.isEmpty() && !item->data(Qt::UserRole).toString().contains(text, Qt::CaseInsensitive));
    }
    // 選択 and Enter take the first picture shown when the selected one is
    // filtered away.
    QListWidgetItem* current = m_list->currentItem();
    if (text.isEmpty() || (current != nullptr && !current->isHidden())) return;
    for (int i = 0; i < m_list->count(); ++i)
        if (!m_list->item(i)->isHidden()) {
            m_list->setCurrentItem(m_list->item(i));
            return;
        }
}

QStringList PictureLibraryWindow::shownNames() const {
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i)
        if (!m_list->item(i)->isHidden()) names << m_list->item(i)->data(Qt::UserRole).toString();
    return names;
}

void PictureLibraryWindow::choose() {
    QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr || item->isHidden()) return;
    m_chosen = item->data(Qt::UserRole).toString();
    accept();
}

void PictureLibraryWindow::importFiles(const QStringList& paths) {
    QString last;
    QStringList refused;
    for (const QString& path : paths) {
        const PictureImport imported = importPicture(m_dataDir, toStdString(path));
        if (imported.ok())
            last = toQString(imported.name);
        else
            refused << toQString(imported.error);
    }
    if (!last.isEmpty()) {
        m_filter->clear();
        fill(last);
    }
    if (!refused.isEmpty())
        runMessageBox(this, QStringLiteral("エラー"),
                      QStringLiteral("次のファイルは取り込めませんでした。\n") + refused.join(QLatin1Char('\n')),
                      programBoxStyle(0, 0));
}

void PictureLibraryWindow::importFromFolder() {
    const QStringList paths = QFileDialog::getOpenFileNames(this, QStringLiteral("取り込む絵を選ぶ"),
                                                            QDir::homePath(), importFilter());
    if (!paths.isEmpty()) importFiles(paths);
}

void PictureLibraryWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void PictureLibraryWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const std::string& file : droppedFiles(event->mimeData())) paths << toQString(file);
    event->acceptProposedAction();
    importFiles(paths);
}

}  // namespace cal::qtui
