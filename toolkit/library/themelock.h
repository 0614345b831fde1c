#pragma once

#include <QString>

namespace toolkit {

// Held while one editor writes into a theme, so that a second one (another
// teacher's, on another computer) waits until the first is done: the file
// ".lunipo-cambiando.lock" in the theme, saying which computer and process
// hold it.
//
// A theme on a shared folder is written by anyone, so the lock trusts
// nothing it finds there: it is created exclusively and never through a
// link, and the one found there is opened without waiting and without
// following links. One that is not a regular file (a FIFO would block a
// plain open for good, a link leads anywhere) is set aside under a dated
// name and the lock is taken. A lock whose holder is gone is taken over: a
// process of this computer that no longer runs, or, from another computer,
// one not refreshed for a minute; the holder refreshes it at every step of
// a long change, so a slow server never hands its theme to a second editor.
class ThemeLock
{
public:
    enum class State {
        Held,
        Busy,   // another editor holds it
        Linked, // the theme's folder is a symbolic link: never written through
        Failed, // not a folder, or the lock cannot be written
    };

    // Takes the lock of `theme`, trying for `patienceMs` while another holds it.
    ThemeLock(const QString& theme, int patienceMs);
    ~ThemeLock();
    ThemeLock(const ThemeLock&) = delete;
    ThemeLock& operator=(const ThemeLock&) = delete;

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }

    // Tells the holders elsewhere that this one is still at work.
    void refresh() const;
    // The theme's folder was renamed or moved (with the lock in it) to `folder`.
    void movedTo(const QString& folder);

    static QString fileName();
    // How long another computer's lock lasts without a refresh.
    static constexpr int StaleMs = 60 * 1000;

private:
    enum class Found { Gone, Live, Stale, Strange };
    State take(const QString& theme, int patienceMs);
    bool create();
    Found inspect(unsigned long long& device, unsigned long long& inode) const;
    void removeStale(unsigned long long device, unsigned long long inode) const;
    void setAside() const;

    QString path_;
    int fd_ = -1;
    State state_ = State::Failed;
};

} // namespace toolkit
