#include "themelibrary.h"

#include "activityfiles.h"
#include "activitypicture.h"
#include "newfile.h"
#include "textfiles.h"
#include "writablefolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

// Hidden, so the player never lists it; inside the theme, so every rename
// stays on one file system and is atomic.
const QString Staging = renumberingFolder();
const QString PlanFile = QStringLiteral("plan");
const QString PlacingMark = QStringLiteral("colocando");
// Held while one editor changes the theme; a lock whose owner is gone (a
// killed editor on this computer, or older than its stale time on another)
// is taken over.
const QString LockName = QStringLiteral(".lunipo-cambiando.lock");
constexpr int StaleLockMs = 60 * 1000;
constexpr int LockPatienceMs = 2000;
constexpr int MaxPapeleraCopies = 1000;
constexpr qint64 MaxPlanBytes = 1 << 20;

QString numberedName(int number)
{
    return QStringLiteral("%1.txt").arg(number);
}

// The picture that goes with an activity file of the theme, "N.png".
QString pictureName(const QString& activityName)
{
    return activityName.chopped(4) + QStringLiteral(".png");
}

bool exists(const QString& path)
{
    return QFileInfo::exists(path);
}

bool isActivityName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[1-9][0-9]{0,8}\\.txt$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

// A plan names only activity files of its own theme: a shared theme folder
// could hold a plan written to move other files.
std::optional<QList<ThemeLibrary::Move>> movesOf(const QStringList& plan)
{
    QList<ThemeLibrary::Move> moves;
    for (const QString& line : plan) {
        const QStringList names = line.split(QLatin1Char('/'));
        if (names.size() != 2 || !isActivityName(names[0]) ||
            (!names[1].isEmpty() && !isActivityName(names[1])))
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

std::unique_ptr<QLockFile> lockTheme(const QString& theme, int patienceMs)
{
    auto lock = std::make_unique<QLockFile>(QDir(theme).filePath(LockName));
    lock->setStaleLockTime(StaleLockMs);
    if (!lock->tryLock(patienceMs))
        return nullptr;
    return lock;
}

QString busy(const QString& theme)
{
    return ThemeLibrary::tr("Otra persona está cambiando el tema «%1» en este momento. Espera un "
                            "poco y vuelve a probar.")
        .arg(QFileInfo(theme).fileName());
}

// The staging folder gets the theme folder's group and permissions, so that
// any teacher's account that can change the theme can finish the plan.
void likeTheTheme(const QString& path, const QString& theme, bool folder)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(theme).constData(), &status) != 0)
        return;
    const mode_t mode = folder ? (status.st_mode & 07777) : (status.st_mode & 0666);
    const QByteArray name = QFile::encodeName(path);
    if (::chown(name.constData(), uid_t(-1), status.st_gid) != 0) {
        // Not a member of the theme's group: the owner's permissions only.
    }
    ::chmod(name.constData(), mode);
}

// `name`, or "name (k).txt" for the k-th copy of the same name.
// Any entry of that name, in any case and of any kind, holds the number.
bool numberTaken(const QString& theme, const QString& name)
{
    return holdsNumber(theme, name.chopped(4).toInt());
}

// An entry the library never touches, told to the adult.
QString damaged(const QString& path)
{
    return ThemeLibrary::tr("La actividad %1 está dañada: no es un archivo normal del tema (quizá "
                            "un enlace). Lunipo no la toca; quítala de la carpeta a mano.")
        .arg(QDir::toNativeSeparators(path));
}

// A file name takes at most 255 bytes, and a theme's folder on a share may
// already have that many: the papelera's name is cut to leave room.
constexpr qsizetype MaxPapeleraNameBytes = 200;

QString copyName(const QString& name, int k)
{
    const bool file =
        name.endsWith(QStringLiteral(".txt")) || name.endsWith(QStringLiteral(".png"));
    QString base = file ? name.chopped(4) : name;
    const QString tail =
        (k == 1 ? QString() : QStringLiteral(" (%1)").arg(k)) + (file ? name.right(4) : QString());
    while (!base.isEmpty() && (base + tail).toUtf8().size() > MaxPapeleraNameBytes)
        base.chop(1);
    if (!base.isEmpty() && base.back().isHighSurrogate())
        base.chop(1);
    return base + tail;
}

} // namespace

ThemeLibrary::ThemeLibrary(QString appFolder, Share share, QString papelera)
    : appFolder_(std::move(appFolder)), share_(std::move(share)), papelera_(std::move(papelera))
{
}

QString ThemeLibrary::defaultPapelera()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lunipo/papelera");
}

QStringList ThemeLibrary::activities(const QString& theme)
{
    QStringList paths;
    for (const ActivityFile& file : activityFiles(theme))
        paths << file.path;
    return paths;
}

bool ThemeLibrary::canChange(const QString& theme)
{
    return QFileInfo(theme).isDir() && canWriteInto(theme);
}

QString ThemeLibrary::replace(const QString& path, const QByteArray& contents,
                              const QByteArray& picture) const
{
    if (!isPlainFile(path))
        return damaged(path);
    if (!replaceFile(path, contents))
        return tr("No se ha podido reemplazar la actividad %1: sigue como estaba.")
            .arg(QDir::toNativeSeparators(path));
    if (!putActivityPicture(path, picture)) {
        putActivityPicture(path, {}); // never the old drawing under the new dots
        return tr("La actividad %1 se ha reemplazado, pero no su dibujo.")
            .arg(QDir::toNativeSeparators(path));
    }
    return {};
}

QString ThemeLibrary::move(const QString& theme, int number, int places) const
{
    recover({theme}); // the numbers the adult sees are those of a finished theme
    const QList<ActivityFile> entries = activityFiles(theme);
    const QStringList files = activities(theme);
    const int target = number + places;
    if (number < 1 || number > files.size() || target < 1 || target > files.size())
        return tr("La actividad %1 no se puede mover ahí.").arg(number);
    for (int n : {number, target})
        if (entries[n - 1].damaged)
            return damaged(entries[n - 1].path);
    return renumber(theme, {{QFileInfo(files[number - 1]).fileName(), numberedName(target)},
                            {QFileInfo(files[target - 1]).fileName(), numberedName(number)}});
}

QString ThemeLibrary::remove(const QString& theme, int number) const
{
    recover({theme});
    const QList<ActivityFile> entries = activityFiles(theme);
    const QStringList files = activities(theme);
    if (number < 1 || number > files.size())
        return tr("El tema no tiene actividad %1.").arg(number);
    for (int n = number; n <= entries.size(); ++n)
        if (entries[n - 1].damaged)
            return damaged(entries[n - 1].path);
    // The removed one first: its number is free before another comes to it.
    QList<Move> moves{{QFileInfo(files[number - 1]).fileName(), {}}};
    for (int n = number + 1; n <= files.size(); ++n)
        moves.append({QFileInfo(files[n - 1]).fileName(), numberedName(n - 1)});
    return renumber(theme, moves);
}

QString ThemeLibrary::renameTheme(const QString& theme, const QString& name, QString* renamed) const
{
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return problem;
    const QString target = QFileInfo(theme).dir().filePath(name.trimmed());
    if (exists(target))
        return tr("Ya hay un tema «%1».").arg(name.trimmed());
    if (!QDir().rename(theme, target))
        return tr("No se ha podido cambiar el nombre del tema (%1).")
            .arg(QDir::toNativeSeparators(theme));
    if (renamed)
        *renamed = target;
    return {};
}

QString ThemeLibrary::removeTheme(const QString& theme) const
{
    if (toTrash(theme, QFileInfo(theme).fileName()))
        return {};
    return tr("No se ha podido llevar el tema a la papelera (%1).")
        .arg(QDir::toNativeSeparators(theme));
}

void ThemeLibrary::recover(const QStringList& themes) const
{
    for (const QString& theme : themes) {
        const QFileInfo folder(QDir(theme).filePath(Staging));
        if (!folder.exists() && !folder.isSymLink())
            continue;
        // A theme another editor is changing right now is its to finish.
        if (const auto lock = lockTheme(theme, 0))
            recoverLocked(theme);
    }
}

void ThemeLibrary::recoverLocked(const QString& theme) const
{
    const QDir staging(QDir(theme).filePath(Staging));
    const QFileInfo folder(staging.path());
    if (!folder.isDir() || folder.isSymLink()) { // not one the library made
        setAside(theme);
        return;
    }
    // Without its plan nothing had moved yet, or everything was placed.
    if (!QFileInfo(staging.filePath(PlanFile)).exists() && !folder.isSymLink()) {
        bringBackParked(theme);
        clearStaging(staging.path());
        return;
    }
    const auto plan = readTextLines(staging.filePath(PlanFile), MaxPlanBytes);
    const auto moves = plan ? movesOf(*plan) : std::nullopt;
    if (!moves || !finish(theme, *moves, exists(staging.filePath(PlacingMark))))
        setAside(theme);
}

// A plan that cannot be carried out (damaged, unreadable, not the library's)
// would lock the theme for good and keep what it parked from the children:
// every activity it parked comes back under a free number, and the folder is
// kept beside under a dated name for whoever wants to look.
void ThemeLibrary::setAside(const QString& theme) const
{
    bringBackParked(theme);
    const QString dated = QStringLiteral("%1-%2").arg(
        Staging, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    for (int k = 1; k <= MaxPapeleraCopies; ++k)
        if (QDir(theme).rename(Staging, k == 1 ? dated : dated + QStringLiteral("-%1").arg(k)))
            break;
    syncFolder(theme);
}

void ThemeLibrary::bringBackParked(const QString& theme) const
{
    const QDir staging(QDir(theme).filePath(Staging));
    if (QFileInfo(staging.path()).isSymLink())
        return;
    for (const QString& name : staging.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (isActivityName(name) && isPlainFile(staging.filePath(name)))
            placeInFreeNumber(theme, staging.filePath(name));
    }
    // A picture whose activity is not parked with it can no longer be told
    // whose it is: it goes to the trash rather than under another's dots.
    for (const QString& name : staging.entryList({QStringLiteral("*.png")}, QDir::Files))
        if (isPlainFile(staging.filePath(name)))
            toTrash(staging.filePath(name), QDir(theme).dirName() + QLatin1Char(' ') + name);
    syncFolder(theme);
}

// The activity's picture, parked beside it, comes along.
bool ThemeLibrary::placeInFreeNumber(const QString& theme, const QString& file) const
{
    int free = 1;
    while (numberTaken(theme, numberedName(free)))
        ++free;
    const QString placed = QDir(theme).filePath(numberedName(free));
    if (!QFile::rename(file, placed))
        return false;
    placePicture(activityPicturePath(file), placed);
    return true;
}

// Over any picture left under that number: it belongs to no activity now.
void ThemeLibrary::placePicture(const QString& staged, const QString& activity) const
{
    if (isPlainFile(staged))
        ::rename(QFile::encodeName(staged).constData(),
                 QFile::encodeName(activityPicturePath(activity)).constData());
}

QString ThemeLibrary::renumber(const QString& theme, const QList<Move>& moves) const
{
    const auto lock = lockTheme(theme, LockPatienceMs);
    if (!lock)
        return busy(theme);
    recoverLocked(theme);
    const QString staging = QDir(theme).filePath(Staging);
    const QString failed =
        tr("No se ha podido ordenar el tema (%1): se terminará al abrir el editor "
           "la próxima vez.")
            .arg(QDir::toNativeSeparators(theme));
    if (!QDir(theme).mkdir(Staging))
        return tr("No se puede cambiar el tema (%1).").arg(QDir::toNativeSeparators(theme));
    likeTheTheme(staging, theme, true);
    if (!step())
        return failed;
    // One line per move, "from/to": a slash is never in a file's name.
    QByteArray text;
    for (const Move& move : moves)
        text += (move.from + QLatin1Char('/') + move.to + QLatin1Char('\n')).toUtf8();
    QSaveFile plan(QDir(staging).filePath(PlanFile));
    if (!plan.open(QIODevice::WriteOnly) || plan.write(text) != text.size() || !plan.commit()) {
        clearStaging(staging);
        return tr("No se puede cambiar el tema (%1).").arg(QDir::toNativeSeparators(theme));
    }
    likeTheTheme(plan.fileName(), theme, false);
    syncFolder(staging);
    syncFolder(theme);
    if (!step() || !finish(theme, moves, false))
        return failed;
    return {};
}

// Each step looks at what is already done, so a plan cut short anywhere is
// finished by running it again.
bool ThemeLibrary::finish(const QString& theme, const QList<Move>& moves, bool placing) const
{
    const QDir staging(QDir(theme).filePath(Staging));
    if (!placing) {
        if (!stageAll(theme, moves))
            return false;
        QFile mark(staging.filePath(PlacingMark));
        if (!mark.open(QIODevice::WriteOnly))
            return false;
        mark.close();
        syncFolder(staging.path());
        if (!step())
            return false;
    }
    if (!placeAll(theme, moves))
        return false;
    // The plan goes before the mark: a plan without its mark would move the
    // placed files out again.
    QFile::remove(staging.filePath(PlanFile));
    if (!step())
        return false;
    QFile::remove(staging.filePath(PlacingMark));
    QDir(theme).rmdir(Staging);
    syncFolder(theme);
    return step();
}

// Until the mark is written nothing has come back into the theme, so a file
// still under its old name has not moved yet.
bool ThemeLibrary::stageAll(const QString& theme, const QList<Move>& moves) const
{
    const QDir dir(theme);
    const QDir staging(dir.filePath(Staging));
    for (const Move& move : moves) {
        const QString from = dir.filePath(move.from);
        if (!isPlainFile(from) || (!move.to.isEmpty() && exists(staging.filePath(move.to))))
            continue;
        const bool moved = move.to.isEmpty()
                               ? toTrash(from, dir.dirName() + QLatin1Char(' ') + move.from)
                               : QFile::rename(from, staging.filePath(move.to));
        if (!moved || !step())
            return false;
    }
    // The pictures follow; one whose activity has already gone is still
    // under its old name, so a plan run again moves it all the same.
    for (const Move& move : moves) {
        const QString from = dir.filePath(pictureName(move.from));
        if (!isPlainFile(from) ||
            (!move.to.isEmpty() && exists(staging.filePath(pictureName(move.to)))))
            continue;
        const bool moved =
            move.to.isEmpty()
                ? toTrash(from, dir.dirName() + QLatin1Char(' ') + pictureName(move.from))
                : QFile::rename(from, staging.filePath(pictureName(move.to)));
        if (!moved || !step())
            return false;
    }
    syncFolder(staging.path());
    syncFolder(theme);
    return true;
}

// A number taken meanwhile (another editor saving into the theme) is never
// replaced: the activity waiting for it goes to the first free number.
bool ThemeLibrary::placeAll(const QString& theme, const QList<Move>& moves) const
{
    const QDir dir(theme);
    const QDir staging(dir.filePath(Staging));
    QStringList waiting;
    for (const Move& move : moves) {
        const QString staged = staging.filePath(move.to);
        if (move.to.isEmpty() || !isPlainFile(staged))
            continue;
        // An activity that comes without a picture never shows one left
        // under its new number.
        if (numberTaken(theme, move.to)) {
            waiting << staged;
            continue;
        }
        // An activity that comes without a picture never shows one left
        // under its new number.
        const QString stalePicture = dir.filePath(pictureName(move.to));
        if (!isPlainFile(activityPicturePath(staged)) && isPlainFile(stalePicture) &&
            !toTrash(stalePicture, dir.dirName() + QLatin1Char(' ') + pictureName(move.to)))
            return false;
        if (!QFile::rename(staged, dir.filePath(move.to)))
            waiting << staged;
        else if (!step())
            return false;
    }
    // Each picture after its activity: cut short in between, the plan run
    // again finds the picture still parked.
    for (const Move& move : moves) {
        if (move.to.isEmpty())
            continue;
        const QString staged = staging.filePath(pictureName(move.to));
        if (!waiting.contains(staging.filePath(move.to)) && isPlainFile(staged)) {
            placePicture(staged, dir.filePath(move.to));
            if (!step())
                return false;
        }
    }
    for (const QString& staged : waiting)
        if (!placeInFreeNumber(theme, staged) || !step())
            return false;
    syncFolder(theme);
    return true;
}

// The desktop's trash, or else the papelera, under a name not taken yet.
bool ThemeLibrary::toTrash(const QString& path, const QString& name) const
{
    if (useDesktopTrash && QFile::moveToTrash(path))
        return true;
    if (!QDir().mkpath(papelera_))
        return false;
    const bool folder = QFileInfo(path).isDir();
    for (int k = 1; k <= MaxPapeleraCopies; ++k) {
        const QString target = QDir(papelera_).filePath(copyName(name, k));
        if (exists(target))
            continue;
        return folder ? QDir().rename(path, target) : QFile::rename(path, target);
    }
    return false;
}

} // namespace toolkit
