#pragma once

#include "classbook.h"
#include "classlist.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHash>
#include <QIcon>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace toolkit {
class Platform;
}

namespace classview {

// "Niños de la clase…": the class list (ninos.csv) of the children who say
// who they are by a picture, each with their name, key, groups and own
// account, and the set of pictures, those taken in the chosen child's groups
// marked. The teacher adds, renames and removes children, gives them another
// picture, puts them in groups and joins them to an account of their own.
//
// Every change is written at once through the book's lock on the list as
// the file holds it then, so another teacher's edits made meanwhile are
// kept, and shown. A list that cannot be read is told and never written
// over; its edits are then refused. Questions and messages go through the
// platform; handlers are public so tests drive the window as a person would.
class ChildrenDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(classview::ChildrenDialog)

public:
    // `accounts`: logins the class view knows, offered to join a child to.
    ChildrenDialog(toolkit::Platform& platform, ClassBook book, QStringList accounts,
                   QWidget* parent = nullptr);
    ~ChildrenDialog() override;

    // --- What the teacher does ---------------------------------------------
    void chooseChild(const QString& key); // empty: none, to add a new one
    // A new child from the name and groups typed, with the first picture
    // free in those groups.
    void addChild();
    // The name, groups and account typed, for the chosen child.
    void saveChosen();
    // Asks first.
    void removeChosen();
    void givePicture(const QString& picture);
    // A spreadsheet of names and groups the platform asks for.
    void importSheet();

    // --- What the window shows, to read ------------------------------------
    const toolkit::ClassList& list() const { return list_; }
    QString chosenKey() const { return chosen_; }

private:
    void buildControls();
    QPushButton* button(const QString& text, const char* name, void (ChildrenDialog::*click)());
    // Applies `change` through the book; false, told, when it was not
    // written. The list shown is then read again.
    bool edit(const ClassBook::ChildrenChange& change);
    void readAgain(QStringList* problems);
    void showList();
    void showChosen();
    void showPictures();
    void tell(const QStringList& problems);
    QIcon icon(const QString& picture);
    QStringList typedGroups() const;

    toolkit::Platform& platform_;
    ClassBook book_;
    toolkit::ClassList list_;
    bool readable_ = false; // the list was read: edits may write it
    QString chosen_;
    QHash<QString, QIcon> icons_;

    QLabel* problemsLine = nullptr;
    QTreeWidget* childList = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* groupsEdit = nullptr;
    QComboBox* accountBox = nullptr;
    QListWidget* pictureGrid = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* importButton = nullptr;
};

} // namespace classview
