#include "activityfiles.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <sys/stat.h>

namespace toolkit {

namespace {

QString numberedName(int number)
{
    return QStringLiteral("%1.txt").arg(number);
}

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
    static const QRegularExpression numbered(QStringLiteral("^[0-9]+\\.txt$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QString> names;
    const auto filters = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : theme.entryList(filters, QDir::Name))
        if (numbered.match(name).hasMatch())
            names.insert(name.toUpper(), name);
    return names;
}

} // namespace

bool isPlainFile(const QString& path)
{
    struct stat status
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

QList<ActivityFile> activityFiles(const QString& theme)
{
    const QDir dir(theme);
    const QHash<QString, QString> names = numberedEntries(dir);
    QList<ActivityFile> files;
    for (int number = 1;; ++number) {
        const QString exact = numberedName(number);
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

ActivityFile activityFile(const QString& theme, int number)
{
    const QDir dir(theme);
    const QString exact = numberedName(number);
    if (number < 1)
        return {};
    if (hasEntry(dir.filePath(exact))) // the common case needs no listing
        return entry(dir, exact);
    const QString other = numberedEntries(dir).value(exact.toUpper());
    return other.isEmpty() || !hasEntry(dir.filePath(other)) ? ActivityFile{} : entry(dir, other);
}

} // namespace toolkit
