#pragma once

#include "classlist.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace toolkit {
class FolderLister;
}

namespace classview {

// The notes the teachers of a class share in "<root>/.clase", a folder the
// administrator makes for them (teachers cannot write in the root):
//
// - grupos.csv, the groups: a line "grupo,usuario" of headings, then one
//   line "group,login" per member, and "group," for a group nobody is in yet;
// - nombres.csv, the children's names: "usuario,nombre", then "login,name".
//
// Both are read as a spreadsheet writes them (commas, semicolons or tabs,
// quoted fields, UTF-8 or Windows-1252) and written with commas, quoting any
// field that holds a separator, so a group may be called "1º A, tarde".
//
// Several teachers may edit at once from their own computers: each edit
// takes the folder's lock, reads the file again, applies only its own change
// and writes the file whole (a temporary file renamed over it), so nobody's
// change is lost and nobody reads half a file. Every call first asks the
// lister whether the folder answers, so a server that is gone costs at most
// its patience.
class ClassBook
{
    Q_DECLARE_TR_FUNCTIONS(classview::ClassBook)

public:
    // `folder`: "<root>/.clase". `lister` asks whether it answers (by
    // default the programs' shared one, with its 2 s patience).
    explicit ClassBook(QString folder);
    ClassBook(QString folder, toolkit::FolderLister& lister);
    // "<root>/.clase".
    static QString folderFor(const QString& root);
    QString folder() const { return folder_; }

    // Reads both files again. False, told in `problems`, when the folder
    // does not answer (the book then stays as it was) or a file that is
    // there cannot be read (a link, a FIFO, larger than 1 MB, binary: what
    // it held is then taken as empty). The lines of grupos.csv not
    // understood are told too, and kept as they are when it is next written.
    // A missing folder or file is an empty book, not a problem; the first
    // edit says what to do. A folder that is no TeachersFolder to trust is
    // not read: the book is then empty, and that is told.
    bool reload(QStringList* problems);

    // By name as people sort them ("2º" before "10º").
    QStringList groups() const;
    QSet<QString> members(const QString& group) const;
    // Login to name.
    QHash<QString, QString> names() const { return names_; }

    // The edits. Each is true once it is written, and leaves the book as
    // the file now is, other teachers' changes included. False, with why in
    // `problem` (Spanish, for the teacher), when it cannot be made: a name
    // not allowed, the folder missing, not to be trusted or not writable,
    // the file unreadable (it is never written over then), another teacher
    // holding the lock.
    //
    // Adds `logins` to `group`, made when missing (with no login, an empty
    // group). A group name is trimmed, not empty, on one line.
    bool addToGroup(const QString& group, const QStringList& logins, QString* problem);
    // The group stays, empty if nobody is left; nothing happens to a group
    // that is not there.
    bool removeFromGroup(const QString& group, const QStringList& logins, QString* problem);
    // False when `to` is taken or `from` is gone.
    bool renameGroup(const QString& from, const QString& to, QString* problem);
    bool removeGroup(const QString& group, QString* problem);
    // Merges the names of a spreadsheet ("login,name" lines, as readNames
    // reads them) into nombres.csv: those it has replace the ones kept, the
    // rest stay. False when it holds no name.
    bool importNames(const QByteArray& csv, QString* problem);
    // Applies `change` to the children's list (toolkit::ClassList, in
    // ninos.csv) as it is in the file now; the change is false, with why in
    // its `problem`, when it cannot be made. A file that cannot be read is
    // never written over.
    using ChildrenChange = std::function<bool(toolkit::ClassList& list, QString* problem)>;
    bool editChildren(const ChildrenChange& change, QString* problem);
    // The children's list as the file holds it now, its lines passed over
    // told in `problems` (bounded). Nullopt, told in one sentence, when the
    // folder does not answer, is not to be trusted, or the file cannot be
    // read; a missing file is an empty list.
    std::optional<toolkit::ClassList> children(QStringList* problems) const;

    // The two files as the book reads and writes them, apart from any folder.
    struct Groups
    {
        QMap<QString, QSet<QString>> members;
        QStringList kept; // lines not understood, written back as they were
        bool operator==(const Groups& other) const
        {
            return members == other.members && kept == other.kept;
        }
    };
    // `unread`, when given, gets the numbers (from 1) of the lines kept.
    static Groups parseGroups(const QByteArray& text, QStringList* unread);
    static QByteArray formatGroups(const Groups& groups);
    static QHash<QString, QString> parseNames(const QByteArray& text);
    // Sorted by login; a name's control characters become spaces, and a
    // name that is nothing else is left out.
    static QByteArray formatNames(const QHash<QString, QString>& names);

private:
    // The file's new contents from its present ones, or nullopt with
    // `problem` set when the change cannot be made.
    using Change =
        std::function<std::optional<QByteArray>(const QByteArray& present, QString* problem)>;
    using GroupChange = std::function<bool(Groups& groups, QString* problem)>;

    bool answers(QString* problem) const;
    std::optional<QByteArray> read(const QString& file, QStringList* problems) const;
    bool rewrite(const QString& file, const Change& change, QString* problem);
    bool editGroups(const GroupChange& change, QString* problem);
    static std::optional<QString> groupName(const QString& name, QString* problem);

    QString folder_;
    toolkit::FolderLister* lister_;
    Groups groups_;
    QHash<QString, QString> names_;
};

} // namespace classview
