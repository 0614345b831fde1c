#include "activitylistmodel.h"

#include "activityfiles.h"
#include "worksheet.h"

#include <QFileInfo>
#include <QPainter>
#include <QtConcurrent>

namespace editor {

namespace {

// Runs on a worker: touches nothing but the file and its own image.
// A damaged entry is never opened: it may be a link to another account's
// file or a FIFO.
QImage thumbnailOf(const toolkit::ActivityFile& file)
{
    QImage image(ActivityListModel::ThumbnailSize, QImage::Format_RGB32);
    QPainter painter(&image);
    const QRectF area(QPointF(), ActivityListModel::ThumbnailSize);
    const auto sheet = file.damaged ? std::nullopt : worksheet::readWorksheet(file.path);
    if (sheet)
        worksheet::paintFigure(painter, area, *sheet);
    else
        painter.fillRect(area, Qt::lightGray); // unreadable: a grey card
    return image;
}

QPixmap blankCard()
{
    QPixmap card(ActivityListModel::ThumbnailSize);
    card.fill(Qt::white);
    return card;
}

} // namespace

ActivityListModel::ActivityListModel(QObject* parent)
    : QAbstractListModel(parent), blank_(blankCard())
{
    connect(&drawing_, &QFutureWatcher<QImage>::resultReadyAt, this,
            &ActivityListModel::showThumbnail);
}

// Thumbnails still being drawn are only dropped: a worker holds nothing of
// the model.
ActivityListModel::~ActivityListModel()
{
    drawing_.cancel();
}

void ActivityListModel::setTheme(const QString& theme)
{
    drawing_.cancel();
    beginResetModel();
    theme_ = theme;
    files_ = theme.isEmpty() ? QList<toolkit::ActivityFile>() : toolkit::activityFiles(theme);
    paths_.clear();
    for (const toolkit::ActivityFile& file : files_)
        paths_ << file.path;
    thumbnails_ = QList<QPixmap>(paths_.size());
    shown_ = 0;
    endResetModel();
    // A new future drops the signals the last one still had waiting.
    drawing_.setFuture(QtConcurrent::mapped(files_, thumbnailOf));
}

int ActivityListModel::rowOf(const QString& path) const
{
    const QString file = QFileInfo(path).canonicalFilePath();
    for (qsizetype row = 0; row < paths_.size(); ++row)
        if (!file.isEmpty() && QFileInfo(paths_[row]).canonicalFilePath() == file)
            return int(row);
    return -1;
}

int ActivityListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(paths_.size());
}

QVariant ActivityListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= paths_.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(index.row() + 1);
    case Qt::DecorationRole: {
        const QPixmap& thumbnail = thumbnails_[index.row()];
        return thumbnail.isNull() ? blank_ : thumbnail;
    }
    case Qt::ToolTipRole: {
        const QString name = QFileInfo(paths_[index.row()]).fileName();
        if (files_[index.row()].damaged)
            return QStringLiteral("%1: dañada, no es un archivo normal (quizá un enlace). "
                                  "Lunipo no la toca.")
                .arg(name);
        return name;
    }
    default:
        return {};
    }
}

void ActivityListModel::waitForThumbnails()
{
    drawing_.waitForFinished();
    for (int row = 0; row < paths_.size() && !drawing_.isCanceled(); ++row)
        showThumbnail(row);
}

void ActivityListModel::showThumbnail(int row)
{
    if (row < 0 || row >= thumbnails_.size() || !thumbnails_[row].isNull())
        return;
    thumbnails_[row] = QPixmap::fromImage(drawing_.resultAt(row));
    ++shown_;
    emit dataChanged(index(row), index(row), {Qt::DecorationRole});
}

} // namespace editor
