#pragma once

#include "classbook.h"
#include "classfolders.h"
#include "classtable.h"
#include "errand.h"

#include <QByteArray>
#include <QHash>
#include <chrono>
#include <optional>

namespace toolkit {
class FolderLister;
}

namespace classview {

// Where the lab's themes are, to tell them from names a child made up: the
// program's folder (for its "actividades" and the system's) and the lab's
// shared "temas" folders. Without a program folder, or when a shared folder
// does not answer or no theme is found at all, no theme is known, and any
// name a record gives may have a column of its own.
struct ThemePlaces
{
    QString programFolder;
    QStringList shared;
};

// What one reading of the class found.
struct ClassSnapshot
{
    bool answered = true; // false when the records' folder did not answer
    bool changed = true;  // anything differs from the reading before
    QList<Child> children;
    // The children's table, worked out off the window's thread when
    // anything changed: a year of records takes a good part of a second.
    ClassTable table;
    QStringList problems;
    // The teachers' book as read with the records, when the reading was
    // started with one.
    std::optional<ClassBook> book;
};

// Reads the class's records over and over while the teacher looks at them,
// off the window's thread. A child's folder whose files are as they were
// (names, sizes and times) is not read again, so that looking every few
// seconds costs the server a listing per folder. The lab's themes are listed
// with each reading, through the lister, and the teachers' class list
// (toolkit::ClassList) is read again: each child of it is one row, with the
// records of their key's folders under any account and those of their own
// account, played or not.
class ClassReading
{
public:
    ClassReading(ClassFolders folders, toolkit::FolderLister& lister, ThemePlaces themes = {});

    // Starts a reading with these names for the children, unless one is
    // under way; false then.
    bool start(const QHash<QString, QString>& names);
    // The same, with the names of `book` read again first on the worker,
    // and the book as read then given back in the snapshot: the window
    // never reads the teachers' folder itself.
    bool start(ClassBook book);
    bool busy() const { return errand_.busy(); }
    std::chrono::milliseconds age() const { return errand_.age(); }
    // Gives up on a reading that hangs; the next start reads afresh.
    void abandon() { errand_.abandon(); }
    // The last reading once it is done.
    std::optional<ClassSnapshot> take();
    // Reads on this thread, for a program without a window; a folder that
    // hangs holds it up.
    ClassSnapshot readNow(const QHash<QString, QString>& names);
    // For tests: waits for the reading under way.
    bool waitFor(std::chrono::milliseconds patience) const { return errand_.waitFor(patience); }

private:
    struct Folder
    {
        QByteArray signature;
        QList<toolkit::PlayedActivity> played;
        QStringList problems;
    };
    using Folders = QHash<QString, Folder>; // by path
    struct Known
    {
        Folders folders;
        LabThemes themes;
        QStringList rows;                     // who each row is, rowsOf()
        QHash<QString, QString> accountNames; // by login, as the system names them
    };
    struct Result
    {
        ClassSnapshot snapshot;
        Known known;
    };
    static Result read(const ClassFolders& classFolders, toolkit::FolderLister& lister,
                       const ThemePlaces& themes, const QHash<QString, QString>& names,
                       Known known);
    // The records in `path`, read again only when its files are not as
    // `known` has them, which `changed` then says; kept in `now`.
    static Folder readFolder(const QString& path, const Known& known, Known& now, bool* changed);

    ClassFolders classFolders_;
    toolkit::FolderLister& lister_;
    ThemePlaces themes_;
    Known known_;
    Errand<Result> errand_;
};

} // namespace classview
