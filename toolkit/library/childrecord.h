#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace toolkit {

// One activity a child played, as the teacher sees it.
struct PlayedActivity
{
    QString theme;    // the theme's folder name
    int activity = 0; // its number when it was played
    QString id;       // what follows it when the teacher reorders the theme
    QDateTime started;
    QDateTime finished; // invalid while the dots are not all joined
    int wrongDots = 0;  // clicks beside the dot expected
    int hints = 0;      // times the next dot was shown
    bool coloured = false;
    QString savedDrawing; // the file name the drawing was saved under, or empty
    // How the child reached the dots: the lab's settings that were on, as
    // lunipo.conf names them ("pizarra atraer=4"); empty when none was. A
    // snap or a larger target makes a try easier, so the teacher sees it.
    QString reach;

    // Seconds from the start to the last dot; 0 while not finished.
    qint64 seconds() const;
};

// A child's record of play in the lab's "progreso" folder (one per child).
// Each computer writes its own file per month ("2026-12-aula3.txt"), whole
// every time, through a temporary file renamed over it: a power cut leaves
// the file as it was before the last activity, and a child logged in on two
// computers at once writes two files the reader puts together. A second
// player of the same child on the same computer writes a file of its own.
//
// The lines are text: a first line "lunipo-registro 1", then one line per
// activity, its fields separated by tabs: started, finished (or "-"), theme,
// number, id, wrong dots, hints, coloured (0 or 1), the saved drawing, and
// the reach settings when any was on. Lines without that last field (every
// record before it, and those of a child who plays without settings) read
// as played without settings, and a reader that predates it still reads
// them.
namespace childrecord {

// The folder's activities, by start time: every regular file of it that
// reads as a record, each line that does not (or holds a figure beyond
// any child's) is passed over. Files that are links, too large or not
// regular, and those beyond a record's size altogether (the latest months
// are read first), are passed over and told in `problems` when given. No
// file is waited on.
QList<PlayedActivity> read(const QString& folder, QStringList* problems = nullptr);

// One record file's activities; `ok` false when it is not a record at all.
QList<PlayedActivity> parse(const QByteArray& contents, bool* ok = nullptr);
QByteArray format(const QList<PlayedActivity>& activities);

} // namespace childrecord

// Keeps the record of this run of the player as the child plays. Writing
// happens on a thread of its own, in order, so a slow or missing server
// never holds up the game; what cannot be written is kept and written with
// the next change, and the first failure is told once on standard error.
class ChildRecordWriter
{
    Q_DECLARE_TR_FUNCTIONS(toolkit::ChildRecordWriter)

public:
    // `folder`: the child's record folder; created when missing, open to
    // its group only (mode 0770), its files readable by whoever may enter
    // it. `host` names this computer's files.
    ChildRecordWriter(const QString& folder, const QString& host, const QDateTime& now);
    // Waits up to two seconds for what is left to write, then gives up on it.
    ~ChildRecordWriter();
    ChildRecordWriter(const ChildRecordWriter&) = delete;
    ChildRecordWriter& operator=(const ChildRecordWriter&) = delete;

    // An activity shown to be joined, with the reach settings it is played
    // with: later calls change it until the next.
    void started(const QString& theme, int activity, const QString& id, const QDateTime& when,
                 const QString& reach);
    void wrongDot();
    void hintShown();
    void finished(const QDateTime& when);
    void coloured();
    void saved(const QString& fileName);

    // Waits until every change so far was written or failed; for tests.
    // True when the last write succeeded.
    bool flush();
    // The file this run writes.
    QString file() const;

private:
    struct Shared;
    // Applies `edit` to the activity being played; it says whether it changed.
    void change(const std::function<bool(PlayedActivity&)>& edit);
    std::shared_ptr<Shared> shared_;
};

} // namespace toolkit
