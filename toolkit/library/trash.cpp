#include "trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace toolkit {

namespace {

constexpr int MaxCopies = 1000;
// A file name takes at most 255 bytes, and a theme's folder on a share may
// already have that many: the papelera's name is cut to leave room.
constexpr qsizetype MaxNameBytes = 200;

// `name`, or "name (k).txt" for the k-th copy of the same name.
QString copyName(const QString& name, int k)
{
    const bool file =
        name.endsWith(QStringLiteral(".txt")) || name.endsWith(QStringLiteral(".png"));
    QString base = file ? name.chopped(4) : name;
    const QString tail =
        (k == 1 ? QString() : QStringLiteral(" (%1)").arg(k)) + (file ? name.right(4) : QString());
    while (!base.isEmpty() && (base + tail).toUtf8().size() > MaxNameBytes)
        base.chop(1);
    if (!base.isEmpty() && base.back().isHighSurrogate())
        base.chop(1);
    return base + tail;
}

} // namespace

Trash::Trash(QString papelera) : papelera_(std::move(papelera)) {}

QString Trash::defaultPapelera()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lunipo/papelera");
}

QString Trash::take(const QString& path, const QString& name) const
{
    QString trashed;
    if (useDesktopTrash && QFile::moveToTrash(path, &trashed))
        return trashed.isEmpty() ? QStringLiteral("?") : trashed;
    if (!QDir().mkpath(papelera_))
        return {};
    const bool folder = QFileInfo(path).isDir();
    for (int k = 1; k <= MaxCopies; ++k) {
        const QString target = QDir(papelera_).filePath(copyName(name, k));
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        const bool moved = folder ? QDir().rename(path, target) : QFile::rename(path, target);
        return moved ? target : QString();
    }
    return {};
}

} // namespace toolkit
