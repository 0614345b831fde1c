#pragma once

#include "childrecord.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace classview {

// A child of the class: the account, the name the teacher knows, and what
// the child's records hold. A child of the teachers' class list
// (toolkit::ClassList), who says who they are by a picture, has records in a
// folder named by their key under the accounts they played on, and may have
// an account of their own besides: all of it is one child.
struct Child
{
    Child(QString login = {}, QString name = {}, QList<toolkit::PlayedActivity> played = {})
        : login(std::move(login)), name(std::move(name)), played(std::move(played))
    {
    }

    QString login; // the child's own account; empty for a child of the list without one
    QString name;
    QList<toolkit::PlayedActivity> played; // oldest first
    QString key;                           // in the class list; empty for an account only
    QStringList groups;                    // the class list's groups of the child
    QStringList keptUnder;                 // the accounts holding a folder of the key

    // What tells the child from every other in the class: the login, or
    // for a child of the list without one ".key", which no login listed is.
    QString id() const { return login.isEmpty() ? QLatin1Char('.') + key : login; }
};

// The stretch of time the teacher looks at.
enum class Period { Today, Week, Term, All };
// The first day of `period` seen from `today`; invalid for All. Terms run
// from September, January and April.
QDate periodStart(Period period, const QDate& today);

// The lab's themes by folder name, to tell them from names a child made up;
// nullopt when they could not be listed.
using LabThemes = std::optional<QSet<QString>>;

// What a child did in one theme within the period. The sums stop at the
// largest int rather than wrap round.
struct ThemeFigures
{
    int finished = 0;   // different activities joined to the last dot
    int tries = 0;      // activities started
    qint64 seconds = 0; // spent on those finished
    int hints = 0;
    int wrongDots = 0;
};

// The class at a glance: one row per child, one column per theme, for the
// children of a group and from a day on. A theme outside the lab's, and
// those beyond the most columns shown, count together in a last column
// "otros temas", so that the table costs the children times the themes
// shown, whatever names a child's record holds.
class ClassTable
{
    Q_DECLARE_TR_FUNCTIONS(classview::ClassTable)

public:
    // At most this many columns of themes, "otros temas" among them: those
    // played by the most children keep theirs.
    static constexpr int MostThemes = 200;

    explicit ClassTable(QList<Child> children = {}, LabThemes labThemes = std::nullopt);
    const LabThemes& labThemes() const { return labThemes_; }

    // Only these children by Child::id() (all when empty), only what was
    // started from `from` on (everything when invalid).
    void setFilter(const QSet<QString>& ids, const QDate& from);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const Child& child(int row) const { return children_[rows_[static_cast<size_t>(row)].child]; }
    // The themes anyone played in the period, by name, "otros temas" last.
    const QStringList& themes() const { return themes_; }
    ThemeFigures figures(int row, int theme) const;
    // The child's activities in the period, latest first.
    QList<toolkit::PlayedActivity> activities(int row) const;
    // The reach settings the child played with in the period, each once, in
    // the order first met ("pizarra", "atraer=4"); at most MostReachWords.
    const QStringList& reach(int row) const { return rows_[static_cast<size_t>(row)].reach; }
    static constexpr int MostReachWords = 12;

    // The table as comma-separated values: a column for the name and the
    // login, then four per theme, then the reach settings when any child
    // shown played with some.
    QByteArray csv() const;

private:
    // An activity as the figures need it, worked out once: a filter then
    // only compares numbers.
    struct Entry
    {
        qint64 day;   // the local day it was started, as a Julian day
        int theme;    // in allThemes_
        int finished; // the activity's key among its child's, -1 when not finished
        qint64 seconds;
        int hints, wrongDots;
        int reach; // in reachTexts_, -1 for none
    };
    struct Row
    {
        qsizetype child;
        std::vector<ThemeFigures> figures; // by theme shown
        QStringList reach;
    };
    bool inPeriod(const toolkit::PlayedActivity& played) const;
    // Chooses allThemes_; the column of each theme that has one of its own.
    QHash<QString, int> chooseColumns();
    // The words of the settings in `used` (indices in reachTexts_), each once.
    QStringList reachWords(const std::vector<int>& used) const;

    QList<Child> children_;
    LabThemes labThemes_;
    std::vector<std::vector<Entry>> entries_; // by child
    QStringList allThemes_;  // by name, "otros temas" last when any theme has no column
    int others_ = -1;        // the column "otros temas" in allThemes_
    QStringList reachTexts_; // each different reach setting of the class once
    QSet<QString> ids_;
    QDate from_;
    QStringList themes_;
    std::vector<Row> rows_;
};

} // namespace classview
