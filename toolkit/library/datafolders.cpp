#include "datafolders.h"

#include <QDir>
#include <QFileInfo>

namespace toolkit {

QStringList dataFolders(const QString& appFolder)
{
    QStringList folders{appFolder};
    // Read here rather than through QStandardPaths, which puts the account's
    // own data folder first: that one holds what the account made, not what
    // was shipped.
    QString systemFolders = qEnvironmentVariable("XDG_DATA_DIRS");
    if (systemFolders.trimmed().isEmpty())
        systemFolders = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& folder : systemFolders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString data = QDir::cleanPath(folder + QStringLiteral("/lunipo"));
        if (QDir::isAbsolutePath(data) && !folders.contains(data))
            folders << data;
    }
    return folders;
}

QString findData(const QString& appFolder, const QString& relative)
{
    for (const QString& folder : dataFolders(appFolder)) {
        const QString path = QDir(folder).filePath(relative);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir(appFolder).filePath(relative);
}

} // namespace toolkit
