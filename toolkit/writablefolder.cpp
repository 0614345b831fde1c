#include "writablefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace toolkit {

namespace {

QString joined(const QString& folder, const QString& name)
{
    return name.isEmpty() ? folder : folder + QLatin1Char('/') + name;
}

// Permission bits alone do not tell: root ignores them, and a read-only
// mount refuses everyone. Only a file actually written there answers.
bool canWriteInto(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.lunipo-XXXXXX"));
    return probe.open(); // removed again when it goes out of scope
}

// The build tree and the per-user install keep the shipped data beside the
// programs, and what the programs make belongs there too. A system package
// keeps only the programs in /usr/bin: nothing may be written there, even
// by root, and the data lies in the data folders.
bool holdsShippedData(const QString& appFolder)
{
    const QDir folder(appFolder);
    for (const char* data : {"actividades", "idioma", "sonidos"})
        if (QFileInfo(folder.filePath(QLatin1String(data))).isDir())
            return true;
    return false;
}

} // namespace

QString writableFolder(const QString& appFolder, const QString& name)
{
    const QString beside = joined(appFolder, name);
    if (holdsShippedData(appFolder) && canWriteInto(beside))
        return beside;
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/lunipo");
    const QString fallback = joined(userData, name);
    QDir().mkpath(fallback);
    return fallback;
}

} // namespace toolkit
