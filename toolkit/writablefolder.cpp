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

} // namespace

bool canWriteInto(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.lunipo-XXXXXX"));
    return probe.open(); // removed again when it goes out of scope
}

QString drawingsFolder(const QString& appFolder, const QString& configured)
{
    const QFileInfo folder(configured);
    if (!configured.isEmpty() && folder.absoluteDir().exists() && canWriteInto(configured))
        return configured;
    return writableFolder(appFolder, QStringLiteral("dibujosrealizados"));
}

QString writableFolder(const QString& appFolder, const QString& name)
{
    const QString beside = joined(appFolder, name);
    if (canWriteInto(beside))
        return beside;
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                             QStringLiteral("/lunipo");
    const QString fallback = joined(userData, name);
    QDir().mkpath(fallback);
    return fallback;
}

} // namespace toolkit
