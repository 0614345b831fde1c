#pragma once

#include "classreading.h"
#include "classtable.h"
#include "job.h"
#include "platform.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QToolButton;
class QTreeWidget;

namespace toolkit {
class FolderLister;
} // namespace toolkit

namespace classview {

class ClassBook;
class ClassTableModel;
class DrawingShelf;
class RecordArchive;
struct Drawing;

// lunipoclase's window: the class on the left, one row per child and a
// column per theme, and the chosen child on the right, with the activities
// played and the drawings saved. It only reads the children's records; the
// teachers' groups and names are kept beside them, in the records' folder.
// The class is read again every few seconds off the window's thread, so a
// server that hangs is told in the status line and the window goes on.
// What the teacher asks of the server (a booklet, an archive, a group
// edit...) is a job of its own, off the window's thread too, told in a busy
// line with a button to cancel it; one at a time.
//
// Split by concern: classwindow.cpp (controls, reading, the table),
// classwindow_child.cpp (the chosen child and the drawings),
// classwindow_class.cpp (groups, names, the class list, export and past
// school years).
class ClassWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(classview::ClassWindow)

public:
    // Where the lab keeps the records and the drawings: the values of
    // "progreso" and "dibujos" as lunipo.conf writes them, "%u" and all;
    // the accounts whose folders there are children's; and where the lab's
    // themes are.
    struct Places
    {
        QString records;
        QString drawings;
        Accounts accounts = Accounts();
        ThemePlaces themes = {};
    };

    ClassWindow(toolkit::Platform& platform, const Places& places, toolkit::FolderLister& lister,
                QWidget* parent = nullptr);
    ~ClassWindow() override;

    // --- What the teacher does --------------------------------------------
    // Those that read or write on the server start the window's job and
    // return at once; while a job runs they do nothing.
    void chooseGroup(const QString& group); // empty: the whole class
    void choosePeriod(Period period);
    void chooseChild(const QString& id); // Child::id()
    // The children chosen in the table join `group`, made when new, or
    // leave the group shown.
    void addChosenToGroup(const QString& group);
    void removeChosenFromGroup();
    void importNames();
    // "Niños de la clase…": the class list, edited in a window of its own.
    void editChildren();
    void exportTable();
    void openDrawing(int index);
    void printDrawings();
    // Looks for the school years gone by and offers them in a menu.
    void showPastYears();
    void archiveYear(int year);
    void removeYear(int year);
    // Takes in what the last reading found and starts the next when due;
    // the window's ticker calls it every second.
    void lookAgain();

    // --- What the window shows, to read -------------------------------------
    const ClassTable& table() const;
    QString chosenChild() const { return chosenLogin_; } // Child::id()
    QStringList shownGroups() const;
    QList<toolkit::PlayedActivity> shownActivities() const;
    QStringList shownDrawings() const; // file names, latest first
    QString status() const;
    // For tests: waits for the readings and the job under way (and those
    // cancelled, to their end) and takes them in.
    bool settle();

private:
    struct ChildDrawings
    {
        QString login;
        QList<Drawing> drawings;
        QList<QImage> thumbnails;
        QStringList problems;
    };

    void buildControls();
    void takeReading(const ClassSnapshot& snapshot);
    void showTable();
    void showGroups();
    void showChild();
    void startDrawings();
    void takeDrawings(ChildDrawings found);
    void tell(const QStringList& problems);
    QStringList chosenLogins() const; // by Child::id()
    // The child shown on the right, or nullptr.
    const Child* chosen() const;
    QString periodText() const;
    RecordArchive pastYears() const;
    // Moves the records of a past year away as `move` does, as the
    // window's job; tells how many went (as `went` says), every one that
    // stayed, or that the server did not answer.
    using MoveRecords = std::function<int(const RecordArchive& archive, QStringList* problems,
                                          const std::atomic_bool* stop)>;
    void moveYear(const QString& what, const MoveRecords& move,
                  const std::function<QString(int)>& went);
    // Starts `work` as the window's job, told as `what`; false when a job
    // is under way already.
    bool startJob(const QString& what, Job::Work work);
    void takeJob();
    void showJob();
    void enableActions();
    // A group edit or an import of names, made on a copy of the book.
    void editBook(const QString& what, std::function<bool(ClassBook&, QString*)> edit);
    // The children chosen in the table join `group` or leave it.
    void regroupChosen(const QString& group, bool join);
    // Reads the class and the book again from now, whatever was under way.
    void readAgain();

    toolkit::Platform& platform_;
    toolkit::FolderLister& lister_;
    ClassFolders folders_;
    std::unique_ptr<ClassBook> book_;
    std::unique_ptr<DrawingShelf> shelf_;
    ClassReading reading_;
    Errand<ChildDrawings> drawingsErrand_;
    Job job_;
    bool drawingsDue_ = false; // the child or the period changed while reading
    std::unique_ptr<toolkit::Platform::Ticker> ticker_;
    int ticksSinceReading_ = 0;
    bool toldHung_ = false;

    QList<Child> children_;
    ClassTable wholeClass_; // of children_, before any filter
    QString group_;
    Period period_ = Period::Week;
    QString chosenLogin_; // Child::id()
    ChildDrawings shown_;
    QStringList problems_;
    QDateTime readAt_; // when the class was last read whole

    ClassTableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QComboBox* groupFilter = nullptr;
    QComboBox* periodFilter = nullptr;
    QComboBox* groupNameBox = nullptr;
    QPushButton* addToGroupButton = nullptr;
    QPushButton* removeFromGroupButton = nullptr;
    QPushButton* namesButton = nullptr;
    QPushButton* childrenButton = nullptr;
    QPushButton* exportButton = nullptr;
    QToolButton* pastYearsButton = nullptr;
    QMenu* pastYearsMenu = nullptr;
    QTableView* classTable = nullptr;
    QLabel* childTitle = nullptr;
    QTreeWidget* activityList = nullptr;
    QListWidget* drawingList = nullptr;
    QPushButton* printDrawingsButton = nullptr;
    QLabel* statusLine = nullptr;
    QWidget* jobRow = nullptr; // shown while a job runs
    QLabel* busyLine = nullptr;
    QPushButton* cancelJobButton = nullptr;
};

} // namespace classview
