#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace toolkit {

// A theme's activities as files, for the editor's library window: listing
// them as the player finds them, replacing one, moving one a place, removing
// one or a whole theme to the trash, renaming a theme. Problems come back as
// a text for the adult; empty means done.
//
// Renumbering never loses nor doubles an activity, whenever the program is
// killed or the power goes. It works like a mail store: a plan is written
// whole into a hidden folder inside the theme, the files whose number
// changes move into that folder under their new names, a mark says they all
// did, and they move back into place, each rename refusing to replace a
// file. recover(), run at every start of the editor, finishes a plan that
// was cut short, so the player again finds 1 to n without a gap; a plan that
// cannot be finished is set aside and what it parked comes back. One editor
// at a time changes a theme: a lock file in it, taken over when its owner is
// gone, keeps a second one (another teacher's) out until the first is done.
class ThemeLibrary
{
public:
    // `papelera`: where removed activities and themes go when the desktop
    // has no trash that takes them.
    explicit ThemeLibrary(QString papelera = defaultPapelera());
    // <data>/lunipo/papelera, <data> being $XDG_DATA_HOME or ~/.local/share.
    static QString defaultPapelera();

    // The theme's activity files 1.txt, 2.txt... (names matched ignoring
    // case), up to the first missing number, where the player stops.
    static QStringList activities(const QString& theme);
    // Whether a file can really be written into the theme's folder.
    static bool canChange(const QString& theme);

    // Replaces activity file `path` whole by `contents`, or leaves it as it was.
    QString replace(const QString& path, const QByteArray& contents) const;
    // Moves activity `number` (from 1) `places` places, -1 earlier, +1 later.
    QString move(const QString& theme, int number, int places) const;
    // Removes activity `number` to the trash; the ones after it move down one.
    QString remove(const QString& theme, int number) const;
    // Gives the theme's folder a new name beside it; `renamed` gets its path.
    QString renameTheme(const QString& theme, const QString& name,
                        QString* renamed = nullptr) const;
    QString removeTheme(const QString& theme) const;

    // Finishes any renumbering of these themes that was cut short.
    void recover(const QStringList& themes) const;

    // Test seams. stepDone is called after each step of a renumbering; false
    // stops the work right there, as a power cut would. Without the desktop
    // trash everything removed goes to the papelera.
    std::function<bool()> stepDone;
    bool useDesktopTrash = true;

    struct Move
    {
        QString from; // the file's name in the theme now
        QString to;   // its name once renumbered; empty when it is removed
    };

private:
    QString renumber(const QString& theme, const QList<Move>& moves) const;
    bool finish(const QString& theme, const QList<Move>& moves, bool placing) const;
    bool stageAll(const QString& theme, const QList<Move>& moves) const;
    bool placeAll(const QString& theme, const QList<Move>& moves) const;
    bool step() const { return !stepDone || stepDone(); }
    // With the theme's lock held.
    void recoverLocked(const QString& theme) const;
    void setAside(const QString& theme) const;
    void bringBackParked(const QString& theme) const;
    bool placeInFreeNumber(const QString& theme, const QString& file) const;
    bool toTrash(const QString& path, const QString& name) const;

    QString papelera_;
};

} // namespace toolkit
