#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <future>
#include <mutex>
#include <optional>

namespace toolkit {

// Lists the subfolders of folders that may lie on a school's file server,
// each on a worker thread, so that a server that is gone or a hung mount
// never freezes a window: the caller waits at most `patience` for all of
// them together, and a folder that has not answered by then is left out of
// that listing. No second reader is started for a folder whose reader is
// still stuck, nor is it waited for again; once it has answered, the next
// listing reads the folder afresh. Safe to use from several threads at once.
class FolderLister
{
public:
    // What is read of a folder, by default read(); may block as long as the
    // file system does.
    using Reader = std::function<QStringList(const QString& folder)>;

    explicit FolderLister(Reader reader = read,
                          std::chrono::milliseconds patience = std::chrono::seconds(2));

    // For each of `folders`, in order: its subfolders, or nullopt when it
    // did not answer in time.
    QList<std::optional<QStringList>> list(const QStringList& folders);

    // Whether `folder` has not answered a reading started longer than the
    // patience ago: it is then taken as not answering without a wait.
    bool stuck(const QString& folder);

    // The visible subfolders of `folder`; none when it cannot be read.
    static QStringList subfolders(const QString& folder);
    // What the programs read on the share: the subfolders of a folder; asked
    // for a theme's tema.ini, what it says of the theme
    // (themeSettingsLines()); asked for filesOf(folder), files(folder).
    static QStringList read(const QString& path);

    // An entry of a folder other than a subfolder, as files() tells it.
    struct FileEntry
    {
        enum class Kind { Regular, Link, Other }; // Other: a FIFO, a socket, a device
        QString name;
        Kind kind = Kind::Other;
        qint64 size = 0;    // bytes, of a regular file
        QDateTime modified; // of a regular file
        bool readable = false;
    };
    // What to ask read(), and so list(), for the files of `folder` in place
    // of its subfolders: "`folder`/*", a folder no lab names.
    static QString filesOf(const QString& folder);
    // The visible entries of `folder` that are no folder, one line each that
    // fileEntry() reads back. All that is known of them is learnt here, on
    // the worker, without following a link or opening anything, so that the
    // caller never touches a share that may hang.
    static QStringList files(const QString& folder);
    static std::optional<FileEntry> fileEntry(const QString& line);

    // The one the programs share for the real file system, so that a hung
    // server holds one thread per folder however often it is asked.
    static FolderLister& shared();

private:
    std::shared_future<QStringList> reading(const QString& folder);

    Reader reader_;
    std::chrono::milliseconds patience_;
    std::mutex mutex_; // guards pending_
    struct Pending
    {
        std::shared_future<QStringList> reading;
        std::chrono::steady_clock::time_point started;
    };
    QHash<QString, Pending> pending_;
};

} // namespace toolkit
