#include "whoplays.h"

#include "folderlister.h"
#include "labsettings.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdio>

namespace player {

const QString WhoPlays::AllGroups = QStringLiteral("todos");

namespace {

WhoPlays::Roster refused(const QString& problem)
{
    return {{}, problem};
}

} // namespace

QString WhoPlays::classFolder(const QString& progressPattern)
{
    const QString pattern = QDir::cleanPath(progressPattern);
    const qsizetype at = pattern.indexOf(QLatin1String("/%u"));
    const qsizetype after = at + 3;
    if (progressPattern.isEmpty() || at < 0 ||
        (after < pattern.size() && pattern[after] != QLatin1Char('/')) ||
        pattern.indexOf(QLatin1String("%u"), after) >= 0)
        return {};
    return (at == 0 ? QString() : pattern.left(at)) + QStringLiteral("/.clase");
}

QString WhoPlays::progressFile(const QString& key)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lunipo/ninos/%1/progreso.json").arg(key);
}

WhoPlays::Roster WhoPlays::read(const toolkit::LabSettings& lab, toolkit::FolderLister& lister)
{
    const QString folder = classFolder(lab.progressPattern);
    if (folder.isEmpty())
        return refused(tr("«quien-juega» necesita «progreso» con %u como carpeta entera; "
                          "se juega con la cuenta."));
    const QString list =
        QDir::toNativeSeparators(QDir(folder).filePath(toolkit::ClassList::FileName));
    const auto unreadable = [&] {
        return refused(
            tr("No se puede leer la lista de la clase %1; se juega con la cuenta.").arg(list));
    };
    // Asked first on a worker: the file itself is read only once its folder answered.
    if (!lister.list({folder}).constFirst())
        return unreadable();
    QStringList problems;
    const auto read = toolkit::ClassList::read(folder, &problems);
    // The lines passed over are for whoever keeps the list; the rest holds.
    for (const QString& problem : problems)
        std::fprintf(stderr, "lunipo: %s\n", qPrintable(problem));
    if (!read || read->children().isEmpty())
        return unreadable();
    Roster roster;
    for (const auto& child : read->children())
        if (lab.whoPlays == AllGroups || child.groups.contains(lab.whoPlays))
            roster.children << child;
    if (roster.children.isEmpty())
        roster.problem = tr("Nadie de la lista de la clase está en el grupo «%1»; se juega con "
                            "la cuenta.")
                             .arg(lab.whoPlays);
    return roster;
}

} // namespace player
