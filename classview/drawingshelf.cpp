#include "drawingshelf.h"

#include "classlist.h"
#include "folderlister.h"
#include "picturefiles.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace classview {

namespace {

using Entry = toolkit::FolderLister::FileEntry;

// The player saves bitmaps; a teacher may have put other pictures beside
// them. What else lies there would not be read as a picture.
bool picture(const QString& fileName)
{
    return !toolkit::bitmapFormatOf(fileName).isEmpty();
}

QString passedOver(const QString& path, const QString& why)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
}

// Why an entry is no drawing to show; empty when it is one.
QString problemOf(const Entry& entry)
{
    if (entry.kind != Entry::Kind::Regular)
        return DrawingShelf::tr("no es un archivo");
    if (!picture(entry.name))
        return DrawingShelf::tr("no es un dibujo");
    if (entry.size > DrawingLimits.fileBytes)
        return DrawingShelf::tr("es demasiado grande");
    if (!entry.readable)
        return DrawingShelf::tr("no se puede leer");
    return {};
}

// Whether `a` is named before `b` as the player numbers its saves: its
// parts between dashes compared as numbers where both are, so that
// "…-0-10" follows "…-0-9", and "…-0" comes before both.
bool namedBefore(const QString& a, const QString& b)
{
    const QStringList left = QFileInfo(a).completeBaseName().split(QLatin1Char('-'));
    const QStringList right = QFileInfo(b).completeBaseName().split(QLatin1Char('-'));
    for (qsizetype i = 0; i < std::min(left.size(), right.size()); ++i) {
        bool leftNumber = false, rightNumber = false;
        const qlonglong l = left[i].toLongLong(&leftNumber), r = right[i].toLongLong(&rightNumber);
        if (leftNumber && rightNumber && l != r)
            return l < r;
        if (!(leftNumber && rightNumber) && left[i] != right[i])
            return left[i] < right[i];
    }
    return left.size() != right.size() ? left.size() < right.size() : a < b;
}

// Latest first; of two saved in the same instant, the one named later.
void sortLatestFirst(QList<Drawing>& drawings)
{
    std::sort(drawings.begin(), drawings.end(), [](const Drawing& a, const Drawing& b) {
        if (a.saved != b.saved)
            return a.saved > b.saved;
        return namedBefore(b.fileName, a.fileName);
    });
}

} // namespace

DrawingShelf::DrawingShelf(QString pattern, Accounts accounts)
    : pattern_(QDir::cleanPath(pattern.trimmed())), accounts_(std::move(accounts))
{
}

QString DrawingShelf::folderOf(const QString& login) const
{
    // A login is a folder's name; one that is not would lead out of the shelf.
    if (!pattern_.contains(QLatin1String("%u")) || login.isEmpty() ||
        login.contains(QLatin1Char('/')) || login == QLatin1String(".") ||
        login == QLatin1String(".."))
        return {};
    // As the player makes its own folder of the pattern.
    return QDir::cleanPath(QString(pattern_).replace(QLatin1String("%u"), login));
}

QString DrawingShelf::loginFolderOf(const QString& login) const
{
    const QString folder = folderOf(login);
    if (folder.isEmpty())
        return {};
    const qsizetype at = pattern_.indexOf(QLatin1String("%u"));
    return QDir::cleanPath(pattern_.left(at) + login);
}

QList<Drawing> DrawingShelf::drawings(toolkit::FolderLister& lister, const QString& login,
                                      const QDate& from, QStringList* problems) const
{
    QList<Drawing> found =
        drawingsIn(lister, login, folderOf(login), {loginFolderOf(login)}, from, problems);
    sortLatestFirst(found);
    return found;
}

QList<Drawing> DrawingShelf::drawings(toolkit::FolderLister& lister, const Child& child,
                                      const QDate& from, QStringList* problems) const
{
    QList<Drawing> found;
    if (!child.login.isEmpty())
        found = drawingsIn(lister, child.login, folderOf(child.login), {loginFolderOf(child.login)},
                           from, problems);
    // A key is a folder's name that climbs nowhere (ClassList::isKey()).
    if (toolkit::ClassList::isKey(child.key))
        for (const QString& login : child.keptUnder)
            if (const QString folder = folderOf(login); !folder.isEmpty()) {
                const QString kept = QDir(folder).filePath(child.key);
                found << drawingsIn(lister, login, kept, {loginFolderOf(login), kept}, from,
                                    problems);
            }
    sortLatestFirst(found);
    return found;
}

QList<Drawing> DrawingShelf::drawingsIn(toolkit::FolderLister& lister, const QString& login,
                                        const QString& folder, const QStringList& owned,
                                        const QDate& from, QStringList* problems) const
{
    QList<Drawing> found;
    if (folder.isEmpty())
        return found;
    const auto listed = lister.list({toolkit::FolderLister::filesOf(folder)});
    if (!listed.first()) {
        if (problems)
            *problems << tr("%1 no responde").arg(QDir::toNativeSeparators(folder));
        return found;
    }
    if (listed.first()->isEmpty()) // no drawing yet, perhaps no folder either
        return found;
    // Another child may have made the folder in this one's name before this
    // one first played, and filled it. Looked at once the share answered.
    for (const QString& mine : owned)
        if (const QString refused = accounts_.refusal(login, mine); !refused.isEmpty()) {
            if (problems)
                *problems << refused;
            return found;
        }
    const QDir dir(folder);
    for (const QString& line : *listed.first()) {
        const auto entry = toolkit::FolderLister::fileEntry(line);
        if (!entry)
            continue;
        const QString path = dir.filePath(entry->name);
        if (const QString problem = problemOf(*entry); !problem.isEmpty()) {
            if (problems)
                *problems << passedOver(path, problem);
        } else if (!from.isValid() || entry->modified.date() >= from) {
            found << Drawing{path, entry->name, entry->modified};
        }
    }
    return found;
}

QImage loadDrawing(const QString& path, QString* problem)
{
    const toolkit::Bitmap read = toolkit::readBitmapFile(path, DrawingLimits);
    if (problem) {
        using Problem = toolkit::Bitmap::Problem;
        switch (read.problem) {
        case Problem::None:
            break;
        case Problem::NotAFile:
            *problem = DrawingShelf::tr("no es un archivo");
            break;
        case Problem::Unreadable:
            *problem = DrawingShelf::tr("no se puede leer");
            break;
        case Problem::TooLarge:
            *problem = DrawingShelf::tr("es demasiado grande");
            break;
        case Problem::NotAPicture:
            *problem = DrawingShelf::tr("no es un dibujo");
            break;
        }
    }
    return read.image;
}

QImage thumbnailOf(const QImage& image, int edge)
{
    if (image.isNull() || edge <= 0)
        return {};
    return image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace classview
