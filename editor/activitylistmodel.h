#pragma once

#include "activityfiles.h"

#include <QAbstractListModel>
#include <QFutureWatcher>
#include <QImage>
#include <QPixmap>
#include <QStringList>

namespace editor {

// The activities of one theme for the library window, in number order: the
// number as text, and a thumbnail of the finished figure as decoration. The
// rows are there at once; the thumbnails are drawn on worker threads and
// shown as each comes, a blank card standing in until then. A damaged entry
// or an unreadable activity is a grey card.
class ActivityListModel : public QAbstractListModel
{
public:
    static constexpr QSize ThumbnailSize{112, 84}; // pixels, the player's 4:3

    explicit ActivityListModel(QObject* parent = nullptr);
    ~ActivityListModel() override;

    // Lists the theme's activities as the player finds them (none for an
    // empty path) and starts drawing their thumbnails; what was being drawn
    // for the theme before is dropped.
    void setTheme(const QString& theme);
    QString theme() const { return theme_; }
    // The file of row `row`, or an empty text.
    QString path(int row) const { return paths_.value(row); }
    // The row of an activity file, compared as files; -1 when not listed.
    int rowOf(const QString& path) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Waits until every thumbnail is drawn and shown: for tests and benchmarks.
    void waitForThumbnails();
    int thumbnailsShown() const { return shown_; }

private:
    void showThumbnail(int row);

    QString theme_;
    QList<toolkit::ActivityFile> files_;
    QStringList paths_;
    QList<QPixmap> thumbnails_; // null until drawn
    int shown_ = 0;
    QPixmap blank_;
    QFutureWatcher<QImage> drawing_;
};

} // namespace editor
