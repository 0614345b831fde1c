#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace toolkit {

// One numbered activity of a theme, as found in its folder.
struct ActivityFile
{
    QString path;
    // Not a regular file that the theme's folder itself holds: a symbolic
    // link (perhaps to another account's file), a FIFO, a device. The player
    // skips it; the library shows it but never writes, moves or removes it.
    bool damaged = false;
};

// "N.txt", the name of activity N of a theme.
QString activityName(int number);
// The number an activity's file name says: "7.txt" and "7.TXT" are 7; 0 for
// any other name ("07.txt", "7.png", "x.txt").
int activityNumber(const QString& name);

// The activities of a theme, the one rule every program follows: 1.txt,
// 2.txt... (names matched ignoring case, the exact name first) up to the
// first number that no entry of the folder has; a folder of that name is
// no entry. While a renumbering that was cut short waits to be finished,
// the theme's later activities and those parked for it follow.
QList<ActivityFile> activityFiles(const QString& theme);

// The paths of the theme's activities that can be opened, in number order:
// those activityFiles() lists, less the damaged entries.
QStringList playableActivities(const QString& theme);

// Activity `number` (from 1) of the theme; an empty path when the folder has
// no entry of that name.
ActivityFile activityFile(const QString& theme, int number);

// Whether the theme's folder itself holds an entry (not a folder) for
// activity `number`, in any case: the number is taken.
bool holdsNumber(const QString& theme, int number);

// The hidden folder of a theme in which a renumbering parks activities.
QString renumberingFolder();

// Whether `path` is a regular file itself, not a link to one.
bool isPlainFile(const QString& path);

} // namespace toolkit
