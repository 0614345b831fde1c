#pragma once

#include "classfolders.h"
#include "trash.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>

namespace classview {

// The school year `day` falls in, named by the year of its September: 2026
// from 2026-09-01 to 2027-08-31.
int schoolYearOf(const QDate& day);

// The records of school years gone by, for the teachers to keep elsewhere or
// throw away, so that the server holds the present year's only.
//
// A record belongs to the month its name says ("2025-10-aula3.txt", October
// 2025, school year 2025); files named otherwise are no records and are left
// alone, as is everything of the school year of `today` and later. Links are
// never followed: a child's folder reached through a link, or a record that
// is a link or no regular file, is told and stays. Each record is worked on
// from its open folder, so that a folder swapped for a link meanwhile moves
// nothing of another's. Nothing is deleted: what goes, goes to the trash,
// by a rename only.
//
// The teachers' folder of the class (TeachersFolder) takes the archive or
// the trash only when it may be trusted; otherwise nothing happens, told.
// The folders made there are given SharedFolderMode and the copies are
// readable and writable by the group, whatever the umask, so every teacher
// can go on with what one began.
//
// Every call reads the school's server, which may hang: call them on a
// worker (QtConcurrent::run), never on the window's thread.
class RecordArchive
{
    Q_DECLARE_TR_FUNCTIONS(classview::RecordArchive)

public:
    // The records in the folders of `places` under `folders`: a login's
    // own, or "login/key" for the folder of a key of the class list in that
    // login's (toolkit::ClassList::isKey()); any other name is no place.
    // What is archived keeps the place's path under the destination.
    RecordArchive(ClassFolders folders, QStringList places,
                  toolkit::Trash trash = toolkit::Trash());

    // The school years before `today`'s that have records that are files,
    // oldest first; a child's folder reached through a link is told.
    QList<int> pastYears(const QDate& today, QStringList* problems) const;

    // Copies each record of school year `year` to
    // "<destination>/<login>/<file>", reads the copy back and compares it
    // with the original (size and SHA-256), and only then moves the original
    // to the trash. A copy already there with the same contents counts (an
    // archive started again); one with other contents is never replaced.
    // How many records went; each one that stayed is told in `problems`.
    // Nothing at all happens for the year of `today` or a later one, nor for
    // a destination inside the records' root. Once `stop` is set, no other
    // record is begun (the one under way is finished); a stop is not told.
    int archive(int year, const QString& destination, const QDate& today, QStringList* problems,
                const std::atomic_bool* stop = nullptr) const;

    // Moves each record of `year` to the trash; how many went, each one that
    // stayed told. Nothing happens for the year of `today` or a later one.
    // `stop` as for archive().
    int remove(int year, const QDate& today, QStringList* problems,
               const std::atomic_bool* stop = nullptr) const;

private:
    struct Record
    {
        QString login; // the place
        QFileInfo file;
        int year; // the school year
    };
    // Every file named as a record in the children's folders; a folder
    // reached through a link is told and passed over.
    QList<Record> records(QStringList* problems) const;
    // The folder of `place`; empty when it is no place.
    QString folderOf(const QString& place) const;
    // Those of `year` that are regular files; the rest told. Empty, and
    // told, for the year of `today` or later.
    QList<Record> recordsOf(int year, const QDate& today, QStringList* problems) const;
    class OpenRecord;
    // Moves the record opened to the trash by renaming it, never by a copy;
    // false, told, when it stayed.
    bool throwAway(const Record& record, OpenRecord& open, bool copied,
                   QStringList* problems) const;
    bool copy(const Record& record, OpenRecord& open, const QString& destination,
              QStringList* problems) const;
    // Whether the teachers' folder may be used for the `places` that lie in
    // it (none: true); the problem told when not.
    bool teachersFolderTakes(const QStringList& places, QStringList* problems) const;
    // Opens each record (for `reading`, or only to rename it) and moves it
    // with `move`, until `stop` is set; how many went.
    template <typename Move>
    int moveEach(const QList<Record>& found, bool reading, QStringList* problems,
                 const std::atomic_bool* stop, const Move& move) const;

    ClassFolders folders_;
    QStringList logins_;
    toolkit::Trash trash_;
};

} // namespace classview
