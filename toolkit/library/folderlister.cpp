#include "folderlister.h"

#include "themenames.h"

#include <QDir>
#include <QFileInfo>
#include <QThreadPool>
#include <memory>

namespace toolkit {

namespace {

using Clock = std::chrono::steady_clock;

// Never destroyed: destroying a pool waits for its threads, and a reader
// stuck on a server that is gone would then keep the program from ending.
QThreadPool& readers()
{
    static QThreadPool* const pool = [] {
        auto* made = new QThreadPool;
        // One thread per stuck folder at most, so room for a few dozen; a
        // reader queued behind them all counts as not answering.
        made->setMaxThreadCount(32);
        return made;
    }();
    return *pool;
}

const QString AllFiles = QStringLiteral("*");

bool answered(const std::shared_future<QStringList>& reading)
{
    return reading.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

} // namespace

FolderLister::FolderLister(Reader reader, std::chrono::milliseconds patience)
    : reader_(std::move(reader)), patience_(patience)
{
}

QList<std::optional<QStringList>> FolderLister::list(const QStringList& folders)
{
    const Clock::time_point deadline = Clock::now() + patience_;
    QList<std::optional<std::shared_future<QStringList>>> readings;
    for (const QString& folder : folders) // one already stuck is not waited for again
        readings << (stuck(folder) ? std::nullopt : std::optional(reading(folder)));
    QList<std::optional<QStringList>> listed;
    for (const auto& read : readings) {
        if (read && read->wait_until(deadline) == std::future_status::ready)
            listed << read->get();
        else
            listed << std::nullopt;
    }
    return listed;
}

std::shared_future<QStringList> FolderLister::reading(const QString& folder)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    if (const auto stuck = pending_.constFind(folder);
        stuck != pending_.cend() && !answered(stuck->reading))
        return stuck->reading;
    auto answer = std::make_shared<std::promise<QStringList>>();
    std::shared_future<QStringList> read = answer->get_future().share();
    readers().start([answer, reader = reader_, folder] {
        try {
            answer->set_value(reader(folder));
        } catch (...) {
            answer->set_value({});
        }
    });
    pending_.insert(folder, {read, Clock::now()});
    return read;
}

bool FolderLister::stuck(const QString& folder)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto pending = pending_.constFind(folder);
    return pending != pending_.cend() && !answered(pending->reading) &&
           Clock::now() - pending->started > patience_;
}

QStringList FolderLister::subfolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

QStringList FolderLister::read(const QString& path)
{
    const QFileInfo asked(path);
    if (asked.fileName() == AllFiles)
        return files(asked.path());
    if (asked.fileName() == QFileInfo(themeSettingsPath(asked.path())).fileName())
        return themeSettingsLines(asked.path());
    return subfolders(path);
}

QString FolderLister::filesOf(const QString& folder)
{
    return QDir(folder).filePath(AllFiles);
}

// A line: kind letter, size, modification time (ms since the epoch),
// readable (0 or 1) and the name last, which may hold a tab itself.
QStringList FolderLister::files(const QString& folder)
{
    QStringList lines;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        const bool link = entry.isSymLink();
        const bool regular = !link && entry.isFile();
        const QStringList fields = {
            QString(QLatin1Char(link      ? 'L'
                                : regular ? 'R'
                                          : 'O')),
            QString::number(regular ? entry.size() : 0),
            QString::number(regular ? entry.lastModified().toMSecsSinceEpoch() : 0),
            QString::number(entry.isReadable() ? 1 : 0), entry.fileName()};
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines;
}

std::optional<FolderLister::FileEntry> FolderLister::fileEntry(const QString& line)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() < 5 || fields[0].size() != 1)
        return std::nullopt;
    FileEntry entry;
    const QChar kind = fields[0][0];
    entry.kind = kind == QLatin1Char('R')   ? FileEntry::Kind::Regular
                 : kind == QLatin1Char('L') ? FileEntry::Kind::Link
                                            : FileEntry::Kind::Other;
    bool sized = false, timed = false;
    entry.size = fields[1].toLongLong(&sized);
    entry.modified = QDateTime::fromMSecsSinceEpoch(fields[2].toLongLong(&timed));
    entry.readable = fields[3] == QLatin1String("1");
    entry.name = fields.mid(4).join(QLatin1Char('\t'));
    if (!sized || !timed || entry.name.isEmpty())
        return std::nullopt;
    return entry;
}

FolderLister& FolderLister::shared()
{
    static FolderLister lister;
    return lister;
}

} // namespace toolkit
