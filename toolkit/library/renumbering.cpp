#include "renumbering.h"

#include "activityfiles.h"
#include "activitypicture.h"
#include "newfile.h"
#include "textfiles.h"
#include "themelock.h"
#include "trash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

const QString PlanFile = QStringLiteral("plan");
const QString NewPlanFile = QStringLiteral("plan.nuevo");
const QString PlacingMark = QStringLiteral("colocando");
constexpr int MaxAsideCopies = 1000;
constexpr qint64 MaxPlanBytes = 1 << 20;

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Whether the name holds an entry of any kind, a dangling link included.
bool present(const QString& path)
{
    struct stat status
    {
    };
    return ::lstat(encoded(path).constData(), &status) == 0;
}

// Renames `from` to `to` unless `to` is taken: an activity never replaces
// another. Where the file system cannot say so in one step (NFS), a hard
// link, which never replaces either, does; where it has no hard links
// (SMB), the name is looked at first.
bool moveUnlessTaken(const QString& from, const QString& to)
{
    const QByteArray source = encoded(from), target = encoded(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(source.constData(), target.constData()) == 0)
        return ::unlink(source.constData()) == 0;
    if (errno == EEXIST || present(to))
        return false;
    return ::rename(source.constData(), target.constData()) == 0;
}

// Over any picture left under that name: it belongs to no activity now.
bool movePicture(const QString& from, const QString& to)
{
    return ::rename(encoded(from).constData(), encoded(to).constData()) == 0;
}

// A plan names only activity files of its own theme: a shared theme folder
// could hold a plan written to move other files.
std::optional<QList<Renumbering::Move>> movesOf(const QByteArray& plan)
{
    QList<Renumbering::Move> moves;
    for (const QString& line :
         QString::fromUtf8(plan).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList names = line.split(QLatin1Char('/'));
        if (names.size() != 2 || activityNumber(names[0]) == 0 ||
            (!names[1].isEmpty() && activityNumber(names[1]) == 0))
            return std::nullopt;
        moves.append({names[0], names[1]});
    }
    return moves;
}

// Removes the staging folder of a plan that never started: only what the
// library itself puts there (the plan, its temporary file, the mark), so a
// folder of that name holding anything else is left as it is.
void clearStaging(const QString& staging)
{
    const QDir dir(staging);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.startsWith(PlanFile) || name == PlacingMark)
            QFile::remove(dir.filePath(name));
    QDir().rmdir(staging);
}

// What the library makes in a theme gets the theme folder's group and
// permissions, so that any teacher's account that can change the theme can
// finish the plan. Set on what was opened, never by name: a name in a
// shared folder may be a link by now.
void likeTheTheme(int fd, const QString& theme, bool folder)
{
    struct stat status
    {
    };
    if (::stat(encoded(theme).constData(), &status) != 0)
        return;
    if (::fchown(fd, uid_t(-1), status.st_gid) != 0) {
        // Not a member of the theme's group: the owner's permissions only.
    }
    ::fchmod(fd, folder ? (status.st_mode & 07777) : (status.st_mode & 0666));
}

// A file of the library's own in the staging folder, made exclusively and
// never through a link.
bool createFile(const QString& path, const QString& theme, const QByteArray& contents)
{
    const int fd = ::open(encoded(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    likeTheTheme(fd, theme, false);
    const bool written =
        ::write(fd, contents.constData(), size_t(contents.size())) == contents.size() &&
        syncToDisk(fd) == 0;
    return ::close(fd) == 0 && written;
}

} // namespace

Renumbering::Renumbering(QString theme, const ThemeLock& lock, Trash trash,
                         std::function<bool()> stepDone)
    : theme_(std::move(theme)), staging_(QDir(theme_).filePath(renumberingFolder())), lock_(lock),
      trash_(std::move(trash)), stepDone_(std::move(stepDone))
{
}

bool Renumbering::pending(const QString& theme)
{
    return present(QDir(theme).filePath(renumberingFolder()));
}

bool Renumbering::step()
{
    lock_.refresh();
    return !stepDone_ || stepDone_();
}

bool Renumbering::toTrash(const QString& path, const QString& name) const
{
    return !trash_.take(path, QDir(theme_).dirName() + QLatin1Char(' ') + name).isEmpty();
}

Renumbering::Result Renumbering::run(const QList<Move>& moves)
{
    recover();
    if (!QDir(theme_).mkdir(renumberingFolder()))
        return Result::NotStarted;
    const int folder =
        ::open(encoded(staging_).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return Result::CutShort; // swapped for something else: set aside next time
    likeTheTheme(folder, theme_, true);
    ::close(folder);
    if (!step())
        return Result::CutShort;
    if (!writePlan(moves)) {
        clearStaging(staging_);
        return Result::NotStarted;
    }
    if (!step() || !finish(moves, false))
        return Result::CutShort;
    return Result::Done;
}

// One line per move, "from/to": a slash is never in a file's name. Written
// whole under another name first, so a plan is there whole or not at all.
bool Renumbering::writePlan(const QList<Move>& moves)
{
    QByteArray text;
    for (const Move& move : moves)
        text += (move.from + QLatin1Char('/') + move.to + QLatin1Char('\n')).toUtf8();
    const QDir staging(staging_);
    if (!createFile(staging.filePath(NewPlanFile), theme_, text) ||
        !QDir(staging_).rename(NewPlanFile, PlanFile))
        return false;
    syncFolder(staging_);
    syncFolder(theme_);
    return true;
}

void Renumbering::recover()
{
    if (!pending(theme_))
        return;
    const QFileInfo folder(staging_);
    if (!folder.isDir() || folder.isSymLink()) { // not one the library made
        setAside();
        return;
    }
    const QDir staging(staging_);
    // Without its plan nothing had moved yet, or everything was placed.
    if (!present(staging.filePath(PlanFile))) {
        bringBackParked();
        clearStaging(staging_);
        return;
    }
    const auto plan = readRegularFile(staging.filePath(PlanFile), MaxPlanBytes, Links::Refuse);
    const auto moves = plan ? movesOf(*plan) : std::nullopt;
    if (!moves || !finish(*moves, present(staging.filePath(PlacingMark))))
        setAside();
}

// Each step looks at what is already done, so a plan cut short anywhere is
// finished by running it again.
bool Renumbering::finish(const QList<Move>& moves, bool placing)
{
    const QDir staging(staging_);
    if (!placing) {
        if (!stageAll(moves) || !createFile(staging.filePath(PlacingMark), theme_, {}))
            return false;
        syncFolder(staging_);
        if (!step())
            return false;
    }
    if (!placeAll(moves))
        return false;
    // The plan goes before the mark: a plan without its mark would move the
    // placed files out again.
    QFile::remove(staging.filePath(PlanFile));
    if (!step())
        return false;
    QFile::remove(staging.filePath(PlacingMark));
    QDir(theme_).rmdir(renumberingFolder());
    syncFolder(theme_);
    return step();
}

// Until the mark is written nothing has come back into the theme, so a file
// still under its old name has not moved yet. Each picture follows its
// activity at once.
bool Renumbering::stageAll(const QList<Move>& moves)
{
    const QDir dir(theme_), staging(staging_);
    for (const Move& move : moves) {
        for (const bool picture : {false, true}) {
            const QString from = picture ? activityPicturePath(move.from) : move.from;
            const QString to =
                move.to.isEmpty() || !picture ? move.to : activityPicturePath(move.to);
            if (!isPlainFile(dir.filePath(from)) ||
                (!to.isEmpty() && present(staging.filePath(to))))
                continue;
            const bool moved = to.isEmpty()
                                   ? toTrash(dir.filePath(from), from)
                                   : moveUnlessTaken(dir.filePath(from), staging.filePath(to));
            if (!moved || !step())
                return false;
        }
    }
    syncFolder(staging_);
    syncFolder(theme_);
    return true;
}

// Each activity comes back, then its picture. A number taken meanwhile
// (by an editor that does not lock) is never replaced: the activity
// waiting for it goes to the first free number, its picture with it.
bool Renumbering::placeAll(const QList<Move>& moves)
{
    const QDir dir(theme_), staging(staging_);
    QStringList waiting;
    for (const Move& move : moves) {
        if (move.to.isEmpty())
            continue;
        const QString staged = staging.filePath(move.to);
        const QString stagedPicture = activityPicturePath(staged);
        if (isPlainFile(staged)) {
            if (holdsNumber(theme_, activityNumber(move.to))) {
                waiting << staged;
                continue;
            }
            // An activity that comes without a picture never shows one left
            // under its new number.
            const QString stale = activityPicturePath(dir.filePath(move.to));
            if (!isPlainFile(stagedPicture) && isPlainFile(stale) &&
                !toTrash(stale, activityPicturePath(move.to)))
                return false;
            if (!moveUnlessTaken(staged, dir.filePath(move.to))) {
                waiting << staged;
                continue;
            }
            if (!step())
                return false;
        }
        // Cut short right after its activity, the plan run again finds the
        // picture still parked.
        if (isPlainFile(stagedPicture)) {
            movePicture(stagedPicture, activityPicturePath(dir.filePath(move.to)));
            if (!step())
                return false;
        }
    }
    for (const QString& staged : waiting)
        if (!placeInFreeNumber(staged) || !step())
            return false;
    syncFolder(theme_);
    return true;
}

// Under the first number no entry holds, its picture with it; a picture
// left under that number belongs to no activity, and goes first.
bool Renumbering::placeInFreeNumber(const QString& file)
{
    int free = 1;
    while (holdsNumber(theme_, free))
        ++free;
    const QString placed = QDir(theme_).filePath(activityName(free));
    const QString picture = activityPicturePath(file);
    const QString stale = activityPicturePath(placed);
    if (!isPlainFile(picture) && isPlainFile(stale) && !toTrash(stale, QFileInfo(stale).fileName()))
        return false;
    if (!moveUnlessTaken(file, placed))
        return false;
    if (isPlainFile(picture))
        movePicture(picture, stale);
    return true;
}

// A plan that cannot be carried out (damaged, unreadable, not the library's)
// would lock the theme for good and keep what it parked from the children:
// every activity it parked comes back under a free number, and the folder is
// kept beside under a dated name for whoever wants to look.
void Renumbering::setAside()
{
    bringBackParked();
    const QString dated = QStringLiteral("%1-%2").arg(
        renumberingFolder(),
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    for (int k = 1; k <= MaxAsideCopies; ++k) {
        const QString name = k == 1 ? dated : dated + QStringLiteral("-%1").arg(k);
        if (!present(QDir(theme_).filePath(name))) {
            QDir(theme_).rename(renumberingFolder(), name);
            break;
        }
    }
    syncFolder(theme_);
}

void Renumbering::bringBackParked()
{
    const QDir staging(staging_);
    if (QFileInfo(staging_).isSymLink())
        return;
    for (const QString& name : staging.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (activityNumber(name) > 0 && isPlainFile(staging.filePath(name)))
            placeInFreeNumber(staging.filePath(name));
    // A picture whose activity is not parked with it can no longer be told
    // whose it is: it goes to the trash rather than under another's dots.
    for (const QString& name : staging.entryList({QStringLiteral("*.png")}, QDir::Files))
        if (isPlainFile(staging.filePath(name)))
            toTrash(staging.filePath(name), name);
    syncFolder(theme_);
}

} // namespace toolkit
