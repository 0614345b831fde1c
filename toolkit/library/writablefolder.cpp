#include "writablefolder.h"

#include "folderlister.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <atomic>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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

bool isOwnFolder(const QString& folder)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(folder).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode) && status.st_uid == ::geteuid();
}

namespace {

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

// Asked on a worker: a server that is gone must not freeze the child's
// window at the save button. Its "listing" is the folder itself when usable.
bool drawingsFolderAnswers(const QString& configured)
{
    static FolderLister probe([](const QString& folder) {
        const bool shared = QFileInfo(folder).absoluteDir().exists();
        // A child's own folder opens to its group only: the teachers, when
        // the share's folder hands its group down, and no other child.
        if (shared && !QFileInfo::exists(folder) && QDir().mkdir(folder))
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup);
        if (shared && !isOwnFolder(folder)) {
            static std::atomic_bool told = false;
            if (!told.exchange(true))
                std::fprintf(stderr, "lunipo: %s\n",
                             qPrintable(QCoreApplication::translate(
                                            "toolkit::drawingsFolder",
                                            "%1 no es de esta cuenta: otra la hizo en su nombre. "
                                            "Los dibujos se guardan en este ordenador.")
                                            .arg(QDir::toNativeSeparators(folder))));
            return QStringList{};
        }
        const bool usable = shared && canWriteInto(folder);
        return usable ? QStringList{folder} : QStringList{};
    });
    const auto answer = probe.list({configured}).constFirst();
    return answer && !answer->isEmpty();
}

} // namespace

QString drawingsFolder(const QString& appFolder, const QString& configured)
{
    if (!configured.isEmpty() && drawingsFolderAnswers(configured))
        return configured;
    return writableFolder(appFolder, QStringLiteral("dibujosrealizados"));
}

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
