#include "activityfiles.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <sys/stat.h>

namespace toolkit {

namespace {

// A folder named like an activity is no activity, as it always was; any
// other entry holds its number.
bool hasEntry(const QString& path)
{
    struct stat status
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISDIR(status.st_mode);
}

ActivityFile entry(const QDir& theme, const QString& name)
{
    const QString path = theme.filePath(name);
    return {path, !isPlainFile(path)};
}

// The folder's numbered names by their upper-case spelling; read once for a
// whole listing, so a theme of thousands of entries is listed in one pass.
QHash<QString, QString> numberedEntries(const QDir& theme)
{
    QHash<QString, QString> names;
    const auto filters = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : theme.entryList(filters, QDir::Name))
        if (activityNumber(name) > 0)
            names.insert(name.toUpper(), name);
    return names;
}

bool isFolder(const QString& path)
{
    struct stat status
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

// 1.txt, 2.txt... up to the first number without an entry.
QList<ActivityFile> unbrokenRun(const QDir& dir, const QHash<QString, QString>& names)
{
    QList<ActivityFile> files;
    for (int number = 1;; ++number) {
        const QString exact = activityName(number);
        const QString other = names.value(exact.toUpper());
        if (other.isEmpty())
            return files;
        if (hasEntry(dir.filePath(exact)))
            files << entry(dir, exact);
        else if (hasEntry(dir.filePath(other)))
            files << entry(dir, other);
        else
            return files;
    }
}

// The numbered entries from number `from` on, in number order, gaps skipped.
QList<ActivityFile> numberedFrom(const QDir& dir, const QHash<QString, QString>& names, int from)
{
    QList<QString> found;
    for (const QString& name : names)
        if (activityNumber(name) >= from && hasEntry(dir.filePath(name)))
            found << name;
    std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
        return activityNumber(a) < activityNumber(b);
    });
    QList<ActivityFile> files;
    for (const QString& name : found)
        files << entry(dir, name);
    return files;
}

} // namespace

QString activityName(int number)
{
    return QStringLiteral("%1.txt").arg(number);
}

int activityNumber(const QString& name)
{
    static const QRegularExpression numbered(QStringLiteral("^[1-9][0-9]{0,8}\\.txt$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return numbered.match(name).hasMatch() ? name.chopped(4).toInt() : 0;
}

QStringList playableActivities(const QString& theme)
{
    QStringList paths;
    for (const ActivityFile& file : activityFiles(theme))
        if (!file.damaged)
            paths << file.path;
    return paths;
}

QString renumberingFolder()
{
    return QStringLiteral(".renumerando");
}

bool holdsNumber(const QString& theme, int number)
{
    const QDir dir(theme);
    const QString exact = activityName(number);
    if (hasEntry(dir.filePath(exact))) // the common case needs no listing
        return true;
    const QString other = numberedEntries(dir).value(exact.toUpper());
    return !other.isEmpty() && hasEntry(dir.filePath(other));
}

bool isPlainFile(const QString& path)
{
    struct stat status
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

// A renumbering cut short (the editor killed, the power gone) leaves some
// activities waiting in the hidden folder until an editor starts again;
// meanwhile the rest of the theme and those waiting follow the unbroken
// run, so that the children still find every activity.
QList<ActivityFile> activityFiles(const QString& theme)
{
    const QDir dir(theme);
    const QHash<QString, QString> names = numberedEntries(dir);
    QList<ActivityFile> files = unbrokenRun(dir, names);
    const QDir staging(dir.filePath(renumberingFolder()));
    if (isFolder(staging.path())) {
        files << numberedFrom(dir, names, int(files.size()) + 2);
        files << numberedFrom(staging, numberedEntries(staging), 1);
    }
    return files;
}

ActivityFile activityFile(const QString& theme, int number)
{
    if (number < 1)
        return {};
    const QDir dir(theme);
    if (isFolder(dir.filePath(renumberingFolder())))
        return activityFiles(theme).value(number - 1);
    const QString exact = activityName(number);
    if (hasEntry(dir.filePath(exact))) // the common case needs no listing
        return entry(dir, exact);
    const QString other = numberedEntries(dir).value(exact.toUpper());
    return other.isEmpty() || !hasEntry(dir.filePath(other)) ? ActivityFile{} : entry(dir, other);
}

} // namespace toolkit
