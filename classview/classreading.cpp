#include "classreading.h"

#include "childrecord.h"
#include "classrows.h"
#include "folderlister.h"
#include "share.h"
#include "teachersfolder.h"
#include "themelibrary.h"

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

LabThemes labThemes(const ThemePlaces& places, toolkit::FolderLister& lister)
{
    if (places.programFolder.isEmpty())
        return std::nullopt;
    const toolkit::ThemeLibrary library(places.programFolder,
                                        toolkit::Share(places.shared, lister));
    // No theme anywhere is a lab set up otherwise than this program sees it,
    // not a lab where every theme a child played is made up.
    const auto names = library.themeNames();
    if (!names || names->isEmpty())
        return std::nullopt;
    return QSet<QString>(names->cbegin(), names->cend());
}

// The teachers' class list, read as the book reads their other files: a
// folder a child may have made says nothing of the class (the book tells
// why).
toolkit::ClassList classList(const QString& root, QStringList* problems)
{
    const QString folder = ClassBook::folderFor(root);
    if (TeachersFolder(folder).state() == TeachersFolder::State::Untrusted)
        return {};
    return toolkit::ClassList::read(folder, problems).value_or(toolkit::ClassList());
}

// Who each row is, so that a class whose records are as they were is known
// to have changed only when someone came, went or was named otherwise.
QStringList rowsOf(const QList<Child>& children)
{
    QStringList rows;
    for (const Child& child : children)
        rows << QStringList{child.id(), child.name, child.groups.join(QLatin1Char('\n')),
                            child.keptUnder.join(QLatin1Char('\n'))}
                    .join(QLatin1Char('\t'));
    return rows;
}

} // namespace

ClassReading::ClassReading(ClassFolders folders, toolkit::FolderLister& lister, ThemePlaces themes)
    : classFolders_(std::move(folders)), lister_(lister), themes_(std::move(themes))
{
}

bool ClassReading::start(const QHash<QString, QString>& names)
{
    return errand_.start(
        [classFolders = classFolders_, &lister = lister_, themes = themes_, names, known = known_] {
            return read(classFolders, lister, themes, names, known);
        });
}

bool ClassReading::start(ClassBook book)
{
    return errand_.start([classFolders = classFolders_, &lister = lister_, themes = themes_,
                          book = std::move(book), known = known_]() mutable {
        QStringList problems;
        book.reload(&problems);
        Result result = read(classFolders, lister, themes, book.names(), std::move(known));
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
        known_ = std::move(result->known);
    return std::move(result->snapshot);
}

ClassSnapshot ClassReading::readNow(const QHash<QString, QString>& names)
{
    Result result = read(classFolders_, lister_, themes_, names, known_);
    if (result.snapshot.answered)
        known_ = std::move(result.known);
    return result.snapshot;
}

ClassReading::Folder ClassReading::readFolder(const QString& path, const Known& known, Known& now,
                                              bool* changed)
{
    Folder& folder = now.folders[path];
    folder.signature = signatureOf(path);
    const auto before = known.folders.constFind(path);
    if (before != known.folders.cend() && before->signature == folder.signature) {
        folder = *before;
    } else {
        *changed = true;
        folder.played = toolkit::childrecord::read(path, &folder.problems);
    }
    return folder;
}

ClassReading::Result ClassReading::read(const ClassFolders& classFolders,
                                        toolkit::FolderLister& lister, const ThemePlaces& themes,
                                        const QHash<QString, QString>& names, Known known)
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
    result.known.themes = labThemes(themes, lister);
    snapshot.changed = result.known.themes != known.themes;

    const toolkit::ClassList list = classList(root, &snapshot.problems);
    ClassRows rows(list);
    for (const QString& login : *listed.first()) {
        if (const QString refused = classFolders.refusal(login); !refused.isEmpty()) {
            snapshot.problems << refused;
            continue;
        }
        const Folder own =
            readFolder(classFolders.folderOf(login), known, result.known, &snapshot.changed);
        snapshot.problems << own.problems;
        QString& name = result.known.accountNames[login];
        name = known.accountNames.value(login);
        if (name.isEmpty())
            name = accountName(login);
        rows.addAccount(login, names.value(login, name), own.played);
        // A lab without a class list keeps no child's folder in an account's.
        if (rows.keys().isEmpty())
            continue;
        for (const QString& key : classFolders.keyFolders(login, rows.keys(), &snapshot.problems)) {
            const Folder kept = readFolder(QDir(classFolders.folderOf(login)).filePath(key), known,
                                           result.known, &snapshot.changed);
            snapshot.problems << kept.problems;
            rows.addKeyFolder(key, login, kept.played);
        }
    }
    snapshot.children = rows.take();
    result.known.rows = rowsOf(snapshot.children);
    // A child whose folder went, or a folder told and passed over, changes
    // the class only when it changes who is in it.
    snapshot.changed = snapshot.changed || result.known.rows != known.rows ||
                       result.known.folders.size() != known.folders.size();
    if (snapshot.changed)
        snapshot.table = ClassTable(snapshot.children, result.known.themes);
    return result;
}

} // namespace classview
