#pragma once

#include "activityfiles.h"

#include <QAbstractListModel>
#include <QCache>
#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>

namespace editor {

// The activities of one theme for the library window, in number order: the
// number as text, and a thumbnail of the finished figure as decoration. The
// rows are there at once. A thumbnail is drawn on a worker when the view
// first asks for its card, and shown when it comes, a blank card standing in
// until then; only the most recent few hundred are kept, so a shared theme
// of fifty thousand files costs what the cards on screen cost. A damaged
// entry or an unreadable activity is a grey card. The workers belong to no
// window: a thumbnail that a server which is gone holds for ever never holds
// up closing the library.
class ActivityListModel : public QAbstractListModel
{
    Q_DECLARE_TR_FUNCTIONS(editor::ActivityListModel)

public:
    static constexpr QSize ThumbnailSize{112, 84}; // pixels, the player's 4:3
    static constexpr int KeptThumbnails = 400;

    explicit ActivityListModel(QObject* parent = nullptr);
    ~ActivityListModel() override;

    // Lists the theme's activities as the player finds them (none for an
    // empty path); thumbnails being drawn for the theme before are dropped.
    void setTheme(const QString& theme);
    QString theme() const { return theme_; }
    // The file of row `row`, or an empty text.
    QString path(int row) const { return files_.value(row).path; }
    // Whether row `row` is an entry the library never touches (a link...).
    bool damaged(int row) const { return files_.value(row).damaged; }
    // The row of an activity file, compared as files; -1 when not listed.
    int rowOf(const QString& path) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Draws every row's thumbnail and waits until each is shown: for tests
    // and benchmarks.
    void waitForThumbnails();
    int thumbnailsShown() const { return shown_; }

    // How a thumbnail is drawn, on a worker; a test seam.
    using Drawer = std::function<QImage(const toolkit::ActivityFile&)>;
    Drawer drawThumbnail;

private:
    struct Delivery; // where a worker's thumbnail goes, while there is a model
    void request(int row) const;
    void show(int generation, int row, const QImage& thumbnail);

    QString theme_;
    QList<toolkit::ActivityFile> files_;
    mutable QCache<int, QPixmap> thumbnails_{KeptThumbnails};
    mutable QSet<int> drawing_; // rows asked for and not shown yet
    int generation_ = 0;        // a result of an earlier theme is dropped
    int shown_ = 0;
    QPixmap blank_;
    std::shared_ptr<Delivery> delivery_;
};

} // namespace editor
