#include "activitylistmodel.h"

#include "worksheet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QThreadPool>
#include <atomic>
#include <mutex>

namespace editor {

namespace {

// Runs on a worker: touches nothing but the file and its own image. A
// damaged entry is never opened: it may be a link to another account's
// file or a FIFO.
QImage thumbnailOf(const toolkit::ActivityFile& file)
{
    QImage image(ActivityListModel::ThumbnailSize, QImage::Format_RGB32);
    QPainter painter(&image);
    const QRectF area(QPointF(), ActivityListModel::ThumbnailSize);
    // The drawing is decoded at the card's size, never the screen's.
    const auto sheet = file.damaged
                           ? std::nullopt
                           : worksheet::readWorksheet(file.path, ActivityListModel::ThumbnailSize);
    if (sheet)
        worksheet::paintFigure(painter, area, *sheet);
    else
        painter.fillRect(area, Qt::lightGray); // unreadable: a grey card
    return image;
}

// Never destroyed: destroying a pool waits for its threads.
QThreadPool& thumbnailWorkers()
{
    static QThreadPool* const pool = new QThreadPool;
    return *pool;
}

QPixmap blankCard()
{
    QPixmap card(ActivityListModel::ThumbnailSize);
    card.fill(Qt::white);
    return card;
}

} // namespace

struct ActivityListModel::Delivery
{
    std::mutex mutex;
    ActivityListModel* model; // null once the model is gone
    std::atomic<int> generation{0};
};

ActivityListModel::ActivityListModel(QObject* parent)
    : QAbstractListModel(parent), drawThumbnail(thumbnailOf), blank_(blankCard()),
      delivery_(std::make_shared<Delivery>())
{
    delivery_->model = this;
}

// Workers still drawing deliver to nobody.
ActivityListModel::~ActivityListModel()
{
    const std::lock_guard<std::mutex> lock(delivery_->mutex);
    delivery_->model = nullptr;
}

void ActivityListModel::setTheme(const QString& theme)
{
    beginResetModel();
    theme_ = theme;
    files_ = theme.isEmpty() ? QList<toolkit::ActivityFile>() : toolkit::activityFiles(theme);
    thumbnails_.clear();
    drawing_.clear();
    delivery_->generation = ++generation_; // drawings not started yet are for the old theme
    shown_ = 0;
    endResetModel();
}

int ActivityListModel::rowOf(const QString& path) const
{
    const QString file = QFileInfo(path).canonicalFilePath();
    for (qsizetype row = 0; row < files_.size(); ++row)
        if (!file.isEmpty() && QFileInfo(files_[row].path).canonicalFilePath() == file)
            return int(row);
    return -1;
}

int ActivityListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(files_.size());
}

QVariant ActivityListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= files_.size())
        return {};
    const toolkit::ActivityFile& file = files_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(index.row() + 1);
    case Qt::DecorationRole:
        if (const QPixmap* thumbnail = thumbnails_.object(index.row()))
            return *thumbnail;
        request(index.row());
        return blank_;
    case Qt::ToolTipRole: {
        const QString name = QFileInfo(file.path).fileName();
        if (file.damaged)
            return tr("%1: dañada, no es un archivo normal (quizá un enlace). "
                      "Lunipo no la toca.")
                .arg(name);
        return name;
    }
    default:
        return {};
    }
}

void ActivityListModel::request(int row) const
{
    if (drawing_.contains(row))
        return;
    drawing_.insert(row);
    // Posted while the model is known to be there; a result it has not
    // taken when it goes is dropped with it.
    thumbnailWorkers().start([delivery = delivery_, draw = drawThumbnail, file = files_[row],
                              generation = generation_, row] {
        if (delivery->generation != generation)
            return;
        const QImage thumbnail = draw(file);
        const std::lock_guard<std::mutex> lock(delivery->mutex);
        if (ActivityListModel* model = delivery->model)
            QMetaObject::invokeMethod(
                model, [=] { model->show(generation, row, thumbnail); }, Qt::QueuedConnection);
    });
}

void ActivityListModel::show(int generation, int row, const QImage& thumbnail)
{
    if (generation != generation_ || !drawing_.remove(row))
        return;
    thumbnails_.insert(row, new QPixmap(QPixmap::fromImage(thumbnail)));
    ++shown_;
    emit dataChanged(index(row), index(row), {Qt::DecorationRole});
}

void ActivityListModel::waitForThumbnails()
{
    for (int row = 0; row < files_.size(); ++row)
        if (!thumbnails_.contains(row))
            request(row);
    while (!drawing_.isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace editor
