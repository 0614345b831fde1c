#include "classreading.h"

#include "childrecord.h"
#include "folderlister.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace classview {

namespace {

// What changes whenever a computer writes a record file into the folder.
QByteArray signatureOf(const QString& folder)
{
    QByteArray signature;
    const auto files =
        QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files)
        signature += file.fileName().toUtf8() + '\t' + QByteArray::number(file.size()) + '\t' +
                     QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\n';
    return signature;
}

} // namespace

ClassReading::ClassReading(ClassFolders folders, toolkit::FolderLister& lister)
    : classFolders_(std::move(folders)), lister_(lister)
{
}

bool ClassReading::start(const QHash<QString, QString>& names)
{
    return errand_.start([classFolders = classFolders_, &lister = lister_, names, known = known_] {
        return read(classFolders, lister, names, known);
    });
}

bool ClassReading::start(ClassBook book)
{
    return errand_.start([classFolders = classFolders_, &lister = lister_, book = std::move(book),
                          known = known_]() mutable {
        QStringList problems;
        book.reload(&problems);
        Result result = read(classFolders, lister, book.names(), std::move(known));
        result.snapshot.problems = problems + result.snapshot.problems;
        result.snapshot.book = std::move(book);
        return result;
    });
}

std::optional<ClassSnapshot> ClassReading::take()
{
    auto result = errand_.take();
    if (!result)
        return std::nullopt;
    if (result->snapshot.answered)
        known_ = std::move(result->folders);
    return std::move(result->snapshot);
}

ClassSnapshot ClassReading::readNow(const QHash<QString, QString>& names)
{
    Result result = read(classFolders_, lister_, names, known_);
    if (result.snapshot.answered)
        known_ = std::move(result.folders);
    return result.snapshot;
}

ClassReading::Result ClassReading::read(const ClassFolders& classFolders,
                                        toolkit::FolderLister& lister,
                                        const QHash<QString, QString>& names, Folders known)
{
    Result result;
    ClassSnapshot& snapshot = result.snapshot;
    const QString root = classFolders.root();
    if (root.isEmpty()) {
        snapshot.answered = false;
        return result;
    }
    const auto listed = lister.list({root});
    if (!listed.first()) {
        snapshot.answered = false;
        snapshot.changed = false;
        snapshot.problems << ClassFolders::tr("%1 no responde").arg(QDir::toNativeSeparators(root));
        return result;
    }
    // The root lists only for the records' group: an account not (yet) in
    // it, or a server not mounted, would show a class where nobody played.
    const QFileInfo rootInfo(root);
    if (listed.first()->isEmpty() && !rootInfo.isReadable())
        snapshot.problems << (rootInfo.exists()
                                  ? ClassFolders::tr("%1: no se puede leer; la cuenta tiene que "
                                                     "estar en el grupo de la carpeta")
                                  : ClassFolders::tr("%1 no existe"))
                                 .arg(QDir::toNativeSeparators(root));
    snapshot.changed = false;
    for (const QString& login : *listed.first()) {
        if (const QString refused = classFolders.refusal(login); !refused.isEmpty()) {
            snapshot.problems << refused;
            continue;
        }
        const QString folder = classFolders.folderOf(login);
        Folder& now = result.folders[login];
        now.signature = signatureOf(folder);
        now.given = names.value(login);
        const auto before = known.constFind(login);
        if (before != known.cend() && before->signature == now.signature &&
            before->given == now.given) {
            now = *before;
        } else {
            snapshot.changed = true;
            now.name = now.given.isEmpty() ? accountName(login) : now.given;
            now.played = toolkit::childrecord::read(folder, &now.problems);
        }
        snapshot.children << Child{login, now.name, now.played};
        snapshot.problems << now.problems;
    }
    // A child whose folder went, or a folder told and passed over, changes
    // the class only when it changes who is in it.
    snapshot.changed = snapshot.changed || result.folders.size() != known.size();
    if (snapshot.changed)
        snapshot.table = ClassTable(snapshot.children);
    return result;
}

} // namespace classview
