#include "share.h"

#include "folderlister.h"
#include "labsettings.h"

#include <QDir>

namespace toolkit {

Share::Share(QStringList sharedFolders, FolderLister& lister)
    : shared_(std::move(sharedFolders)), lister_(&lister)
{
}

Share Share::current()
{
    return {LabSettings::current().themeFolders, FolderLister::shared()};
}

bool Share::isShared(const QString& path) const
{
    const QString cleaned = QDir::cleanPath(path);
    for (const QString& folder : shared_) {
        const QString root = QDir::cleanPath(folder);
        if (cleaned == root || cleaned.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool Share::answers(const QString& folder) const
{
    return !isShared(folder) ||
           (!lister_->stuck(folder) && lister_->list({folder}).constFirst().has_value());
}

QStringList Share::answering(const QStringList& folders) const
{
    QStringList shared;
    for (const QString& folder : folders)
        if (isShared(folder))
            shared << folder;
    const auto answered = lister_->list(shared);
    QStringList answering;
    for (const QString& folder : folders) {
        const qsizetype asked = shared.indexOf(folder);
        if (asked < 0 || answered[asked])
            answering << folder;
    }
    return answering;
}

QString Share::notAnswering(const QString& path)
{
    return tr("La carpeta compartida %1 no responde: prueba otra vez dentro de un "
              "rato.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace toolkit
