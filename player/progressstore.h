#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThreadPool>
#include <map>
#include <optional>
#include <set>

namespace player {

// What a child has done, per theme: the activity shown last there and the
// activities finished. It lives in one small file of the account's data
// folder, so each child on a shared computer goes on where they stopped.
//
// A file that cannot be read, is damaged or is not ours counts as empty, and
// the next change writes a sound one in its place. Changes are written whole
// (QSaveFile) on a worker thread, the latest one winning, so a click never
// waits for the disk; the destructor waits until the last one is written.
class ProgressStore
{
public:
    // $XDG_DATA_HOME/lunipo/progreso.json, by default under ~/.local/share.
    static QString defaultFile();

    explicit ProgressStore(const QString& file = defaultFile());
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    // What identifies an activity wherever the teacher moves it in its
    // theme: a hash of its text; empty when it cannot be read.
    static QString idOf(const QString& activityFile);

    // The activity shown last in `theme`: its number then (0 when none is
    // known) and its id (empty for what was kept before ids were).
    int lastShown(const QString& theme) const;
    QString lastShownId(const QString& theme) const;
    // Finished: the activity of this id, or, kept before ids were, of this
    // number.
    bool finished(const QString& theme, int activity, const QString& id = {}) const;

    // Activities are numbered from 1; anything else is not kept. An activity
    // with an id is remembered by it, one without by its number.
    void setLastShown(const QString& theme, int activity, const QString& id = {});
    void setFinished(const QString& theme, int activity, const QString& id = {});

    // Waits until every change so far is on disk.
    void flush();

private:
    struct Theme
    {
        int lastShown = 0;
        QString lastShownId;
        std::set<int> finished; // numbers, kept before ids were
        std::set<QString> finishedIds;
    };

    void read();
    QByteArray encoded() const;
    void save();
    void writePending();

    QString file_;
    std::map<QString, Theme> themes_;
    QThreadPool pool_;
    QMutex mutex_;                      // guards pending_
    std::optional<QByteArray> pending_; // the newest contents not yet taken to disk
};

} // namespace player
