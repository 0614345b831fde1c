#pragma once

#include "trash.h"

#include <QList>
#include <QString>
#include <functional>

namespace toolkit {

class ThemeLock;

// Renumbers a theme's activities so that nothing is ever lost nor doubled,
// whenever the program is killed or the power goes. It works like a mail
// store: a plan is written whole into a hidden folder inside the theme (on
// the theme's own file system, so every rename is atomic), each activity
// whose number changes moves into that folder under its new name, its
// picture (N.png beside N.txt) right after it, a mark says they all did, and
// each comes back into place the same way, a rename never replacing an
// activity. recover(), run before any change to the theme and at every
// start of the editor, finishes a plan that was cut short, so the player
// again finds 1 to n without a gap; a plan that cannot be finished (damaged,
// naming other files, a link where the folder should be) is set aside and
// what it parked comes back under free numbers.
//
// Always with the theme's lock held, refreshed at every step.
class Renumbering
{
public:
    struct Move
    {
        QString from; // the activity's file name in the theme now
        QString to;   // its name once renumbered; empty when it is removed
    };

    // `stepDone` is called after each step; false stops the work right
    // there, as a power cut would (a test seam).
    Renumbering(QString theme, const ThemeLock& lock, Trash trash,
                std::function<bool()> stepDone = {});

    enum class Result { Done, NotStarted, CutShort };
    Result run(const QList<Move>& moves);
    void recover();

    // Whether a plan of the theme waits to be finished or set aside.
    static bool pending(const QString& theme);

private:
    bool writePlan(const QList<Move>& moves);
    bool finish(const QList<Move>& moves, bool placing);
    bool stageAll(const QList<Move>& moves);
    bool placeAll(const QList<Move>& moves);
    void setAside();
    void bringBackParked();
    bool placeInFreeNumber(const QString& file);
    bool toTrash(const QString& path, const QString& name) const;
    bool step();

    QString theme_;
    QString staging_;
    const ThemeLock& lock_;
    Trash trash_;
    std::function<bool()> stepDone_;
};

} // namespace toolkit
