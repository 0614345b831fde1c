#include "recordarchive.h"

#include "classbook.h"
#include "classlist.h"
#include "teachersfolder.h"

#include "newfile.h"
#include "openfolder.h"
#include "textfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace classview {

namespace {

// Far beyond any record (the player's reader takes up to 8 MB): a larger
// file under a record's name is something else and is not copied.
constexpr qint64 LargestCopy = 64 * 1024 * 1024;
constexpr qint64 ChunkBytes = 256 * 1024;

// The school year a record's name says, or nullopt when it is no record.
std::optional<int> schoolYearOfName(const QString& name)
{
    static const QRegularExpression record(QStringLiteral("^(\\d{4})-(\\d{2})-.+\\.txt$"));
    const QRegularExpressionMatch match = record.match(name);
    const QDate month(match.captured(1).toInt(), match.captured(2).toInt(), 1);
    if (!match.hasMatch() || !month.isValid())
        return std::nullopt;
    return schoolYearOf(month);
}

// Size and SHA-256 of what `file` holds, read from its start; empty when it
// cannot be read.
QByteArray fingerprint(QFile& file)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.seek(0) || !hash.addData(&file) || file.error() != QFileDevice::NoError)
        return {};
    return QByteArray::number(file.size()) + ':' + hash.result().toHex();
}

// The same of a regular file, read without following a link.
QByteArray fingerprint(const QString& path)
{
    QFile file;
    if (!toolkit::openRegularFile(file, path, toolkit::Links::Refuse))
        return {};
    return fingerprint(file);
}

// `path` with the links of the part that exists resolved; what does not
// exist yet is taken as written.
QString realPath(const QString& path)
{
    QFileInfo existing(QDir::cleanPath(QDir(path).absolutePath()));
    QStringList missing;
    while (!existing.exists() && !existing.isRoot()) {
        missing.prepend(existing.fileName());
        existing.setFile(existing.path());
    }
    const QString real = existing.canonicalFilePath();
    return missing.isEmpty() ? real : QDir(real).filePath(missing.join(QLatin1Char('/')));
}

// Whether `path` lies in `folder` or is it, both real paths.
bool isWithin(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/')) ||
           folder == QLatin1String("/");
}

// Whether any folder from `root` (excluded) down to `path` is a link.
bool throughLink(const QString& root, const QString& path)
{
    QString walked = root;
    for (const QString& part : QDir(root).relativeFilePath(path).split(QLatin1Char('/'))) {
        walked = QDir(walked).filePath(part);
        if (QFileInfo(walked).isSymLink())
            return true;
    }
    return false;
}

bool isLoginFolderName(const QString& login)
{
    return !login.isEmpty() && !login.contains(QLatin1Char('/')) && login != QLatin1String(".") &&
           login != QLatin1String("..");
}

QString told(const QString& path, const QString& what)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), what);
}

} // namespace

// A record held open: its child's folder, reached from the root without
// following a link, and the file in it when it is a regular one. A child
// who swaps their folder for a link meanwhile moves nothing of another's.
class RecordArchive::OpenRecord
{
public:
    // Opened for `reading` (and then, without waiting on a FIFO swapped in
    // for the file), or only to be renamed, which needs no right to read it.
    OpenRecord(const QString& root, const QFileInfo& record, bool reading)
        : folder(root, QDir(root).relativeFilePath(record.path())),
          name(QFile::encodeName(record.fileName()))
    {
        const int how = reading ? O_RDONLY | O_NONBLOCK | O_NOCTTY : O_PATH;
        fd_ = folder.isOpen()
                  ? ::openat(folder.fd(), name.constData(), how | O_NOFOLLOW | O_CLOEXEC)
                  : -1;
        if (!folder.isOpen())
            why = tr("su carpeta es un enlace o no se puede abrir: no se toca");
        else if (fd_ < 0)
            why = errno == ELOOP ? tr("no es un archivo: se deja") : tr("no se puede leer");
        else if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))
            why = tr("no es un archivo: se deja");
        else if (reading && !file.open(fd_, QIODevice::ReadOnly))
            why = tr("no se puede leer");
    }
    ~OpenRecord()
    {
        file.close();
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool isOpen() const { return why.isEmpty(); }
    // Whether the name still stands for the file opened.
    bool unchanged() const
    {
        struct stat now = {};
        return ::fstatat(folder.fd(), name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
               now.st_dev == status.st_dev && now.st_ino == status.st_ino;
    }

    const toolkit::OpenFolder folder;
    const QByteArray name;
    QFile file; // when opened for reading
    struct stat status = {};
    QString why; // why it could not be opened

private:
    int fd_ = -1;
};

int schoolYearOf(const QDate& day)
{
    return day.month() >= 9 ? day.year() : day.year() - 1;
}

RecordArchive::RecordArchive(ClassFolders folders, QStringList logins, toolkit::Trash trash)
    : folders_(std::move(folders)), logins_(std::move(logins)), trash_(std::move(trash))
{
}

QList<RecordArchive::Record> RecordArchive::records(QStringList* problems) const
{
    QList<Record> found;
    if (folders_.root().isEmpty())
        return found;
    for (const QString& login : logins_) {
        const QString folder = folderOf(login);
        if (folder.isEmpty() || !QFileInfo(folder).exists())
            continue;
        const QString problem = throughLink(folders_.root(), folder)
                                    ? tr("es un enlace: no se toca")
                                : !QDir(folder).isReadable() ? tr("no se puede leer")
                                                             : QString();
        if (!problem.isEmpty()) {
            if (problems)
                *problems << told(folder, problem);
            continue;
        }
        // Whatever bears a record's name, so that one that is no file is told.
        const QFileInfoList files = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& file : files)
            if (const auto year = schoolYearOfName(file.fileName()))
                found << Record{login, file, *year};
    }
    return found;
}

QString RecordArchive::folderOf(const QString& place) const
{
    const QString login = place.section(QLatin1Char('/'), 0, 0);
    const QString key = place.section(QLatin1Char('/'), 1);
    if (!isLoginFolderName(login) ||
        (place.contains(QLatin1Char('/')) && !toolkit::ClassList::isKey(key)))
        return {};
    const QString folder = folders_.folderOf(login);
    return key.isEmpty() ? folder : QDir(folder).filePath(key);
}

QList<int> RecordArchive::pastYears(const QDate& today, QStringList* problems) const
{
    QList<int> years;
    for (const Record& record : records(problems))
        if (record.year < schoolYearOf(today) && !record.file.isSymLink() && record.file.isFile() &&
            !years.contains(record.year))
            years << record.year;
    std::sort(years.begin(), years.end());
    return years;
}

QList<RecordArchive::Record> RecordArchive::recordsOf(int year, const QDate& today,
                                                      QStringList* problems) const
{
    if (!today.isValid() || year >= schoolYearOf(today)) {
        if (problems)
            *problems << tr("El curso %1-%2 no ha terminado: sus registros no se tocan.")
                             .arg(year)
                             .arg(year + 1);
        return {};
    }
    QList<Record> found;
    for (const Record& record : records(problems)) {
        if (record.year != year)
            continue;
        if (record.file.isSymLink() || !record.file.isFile()) {
            if (problems)
                *problems << told(record.file.filePath(), tr("no es un archivo: se deja"));
            continue;
        }
        found << record;
    }
    return found;
}

bool RecordArchive::throwAway(const Record& record, OpenRecord& open, bool copied,
                              QStringList* problems) const
{
    const QString path = record.file.filePath();
    if (!open.unchanged()) {
        if (problems)
            *problems << told(path, tr("ha cambiado mientras se llevaba: se deja"));
        return false;
    }
    if (!trash_
             .takeFrom(open.folder, record.file.fileName(),
                       QString(record.login).replace(QLatin1Char('/'), QLatin1Char(' ')) +
                           QLatin1Char(' ') + record.file.fileName())
             .isEmpty())
        return true;
    if (!problems)
        return false;
    const bool allowed = QFileInfo(record.file.path()).isWritable();
    if (copied)
        *problems << told(path, allowed ? tr("está copiado, pero no se ha podido llevar a la "
                                             "papelera")
                                        : tr("está copiado, pero no hay permiso para quitarlo "
                                             "de su carpeta"));
    else
        *problems << told(path, allowed ? tr("no se ha podido llevar a la papelera")
                                        : tr("no hay permiso para quitarlo de su carpeta"));
    return false;
}

bool RecordArchive::copy(const Record& record, OpenRecord& open, const QString& destination,
                         QStringList* problems) const
{
    const QString path = record.file.filePath();
    const QString folder = QDir(destination).filePath(record.login);
    const QString target = QDir(folder).filePath(record.file.fileName());
    const auto fail = [&](const QString& why) {
        if (problems)
            *problems << told(path, why);
        return false;
    };
    if (QFileInfo(folder).isSymLink() || QFileInfo(target).isSymLink())
        return fail(tr("en %1 hay un enlace: no se copia").arg(QDir::toNativeSeparators(folder)));
    // Whoever made it, every teacher archives there; no child looks in.
    if (!toolkit::makeFolders(folder, toolkit::SharedFolderMode))
        return fail(tr("no se puede crear %1").arg(QDir::toNativeSeparators(folder)));
    QFile& source = open.file;
    if (source.size() > LargestCopy)
        return fail(tr("es demasiado grande para ser un registro: no se copia"));
    // Never over a file already there: that name is then compared below.
    const QString made = toolkit::createFirstFree(
        folder, [&](int) { return record.file.fileName(); },
        [&](QIODevice& out) {
            if (auto* file = qobject_cast<QFileDevice*>(&out)) // by its descriptor
                file->setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                     QFile::WriteGroup);
            source.seek(0);
            while (!source.atEnd()) {
                const QByteArray chunk = source.read(ChunkBytes);
                if (chunk.isEmpty() || out.write(chunk) != chunk.size())
                    return false;
            }
            return source.error() == QFileDevice::NoError;
        },
        1);
    const QByteArray original = fingerprint(source);
    const QByteArray copied = fingerprint(target);
    if (!original.isEmpty() && original == copied)
        return true;
    if (!made.isEmpty()) // this copy, and it came out wrong
        QFile::remove(made);
    const QString where = QDir::toNativeSeparators(target);
    if (made.isEmpty() && QFileInfo::exists(target))
        return fail(tr("en %1 ya hay otro archivo distinto: no se copia encima").arg(where));
    return fail(tr("no se ha podido copiar a %1").arg(where));
}

bool RecordArchive::teachersFolderTakes(const QStringList& places, QStringList* problems) const
{
    const QString teachers = ClassBook::folderFor(folders_.root());
    const QString real = realPath(teachers);
    if (std::none_of(places.cbegin(), places.cend(),
                     [&](const QString& place) { return isWithin(realPath(place), real); }))
        return true;
    const TeachersFolder folder(teachers);
    const auto state = folder.state();
    if (state == TeachersFolder::State::Trusted)
        return true;
    if (problems)
        *problems << folder.problem(state);
    return false;
}

template <typename Move>
int RecordArchive::moveEach(const QList<Record>& found, bool reading, QStringList* problems,
                            const std::atomic_bool* stop, const Move& move) const
{
    int went = 0;
    for (const Record& record : found) {
        if (stop && *stop)
            break;
        OpenRecord open(folders_.root(), record.file, reading);
        if (!open.isOpen()) {
            if (problems)
                *problems << told(record.file.filePath(), open.why);
            continue;
        }
        if (move(record, open))
            ++went;
    }
    return went;
}

int RecordArchive::archive(int year, const QString& destination, const QDate& today,
                           QStringList* problems, const std::atomic_bool* stop) const
{
    const QList<Record> found = recordsOf(year, today, problems);
    if (found.isEmpty())
        return 0;
    const QString native = QDir::toNativeSeparators(destination);
    // Anywhere among the records but the teachers' own folder, an archive
    // would be taken for a child, or read again as this year's records.
    const QString destinationPath = realPath(destination);
    if (isWithin(destinationPath, realPath(folders_.root())) &&
        !isWithin(destinationPath, realPath(ClassBook::folderFor(folders_.root())))) {
        if (problems)
            *problems
                << tr("%1 está dentro de la carpeta de los registros: elige otra.").arg(native);
        return 0;
    }
    if (!teachersFolderTakes({destination, trash_.papelera()}, problems))
        return 0;
    if (!toolkit::makeFolders(destination, toolkit::SharedFolderMode)) {
        if (problems)
            *problems << tr("No se puede crear la carpeta %1.").arg(native);
        return 0;
    }
    return moveEach(found, true, problems, stop, [&](const Record& record, OpenRecord& open) {
        return copy(record, open, destination, problems) && throwAway(record, open, true, problems);
    });
}

int RecordArchive::remove(int year, const QDate& today, QStringList* problems,
                          const std::atomic_bool* stop) const
{
    const QList<Record> found = recordsOf(year, today, problems);
    if (found.isEmpty() || !teachersFolderTakes({trash_.papelera()}, problems))
        return 0;
    return moveEach(found, false, problems, stop, [&](const Record& record, OpenRecord& open) {
        return throwAway(record, open, false, problems);
    });
}

} // namespace classview
