#pragma once

#include "share.h"
#include "themelibrary.h"

#include <QCoreApplication>
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace toolkit {
class Platform;
}

namespace editor {

class ActivityListModel;

// The teacher's library, behind "Guardar en un tema": the themes on the left,
// the chosen theme's activities as thumbnails on the right, and the buttons
// that save the work into a theme, open an activity, put a theme's
// activities in order and remove them. Questions and messages go through the
// platform; handlers are public so tests drive the window as a
// person would, without running it; its controls and state are its own.
//
// Split by concern: librarywindow.cpp (controls, keys and which buttons apply),
// librarywindow_activities.cpp (the activity buttons), librarywindow_themes.cpp (the theme
// list and the theme buttons).
class LibraryWindow : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(editor::LibraryWindow)

public:
    // What the library takes from the editor.
    struct Work
    {
        std::function<QByteArray()> contents; // the activity as it would be written now
        std::function<QByteArray()> picture;  // its picture (a PNG), or empty
        // Opens an activity file in the editor; true when it did. Without
        // it, "Abrir" is not offered.
        std::function<bool(const QString&)> open;
        QString openedFrom; // the activity file the work was opened from, or empty
        // Told where the activity the work was opened from went when the
        // library renumbered or renamed it; empty when it was removed.
        std::function<void(const QString&)> openedMoved;
        std::function<void()> written; // the work was written into a theme
    };

    // Every use of a shared theme folder goes through `share`.
    LibraryWindow(toolkit::Platform& platform, Work work,
                  toolkit::Share share = toolkit::Share::current(), QWidget* parent = nullptr);
    ~LibraryWindow() override;

    // --- What a person does --------------------------------------------
    // Themes (librarywindow_themes.cpp).
    void chooseThemeRow(int row);
    // Starts editing the chosen theme's name in the list; the name typed
    // comes to renameChosenTheme.
    void startRenamingTheme();
    void renameChosenTheme(const QString& name);
    void removeChosenTheme();
    // Activities (librarywindow_activities.cpp).
    void saveHere();
    void replaceChosen();
    void openChosen();
    void moveEarlier();
    void moveLater();
    void removeChosen();
    void chooseActivity(int number);

    // --- What the window shows, to read ----------------------------------
    const QList<toolkit::ThemeLibrary::Theme>& themes() const { return themes_; }
    bool themeChosen() const;
    QString chosenFolder() const; // empty for "Tema nuevo…"
    // The chosen activity's number, from 1; 0 when none is chosen.
    int chosenActivity() const;

    // Where removed things go: tests give the window a library whose
    // papelera is their own.
    void useLibrary(toolkit::ThemeLibrary library) { library_ = std::move(library); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- Controls: each named after its member, as tests look it up -------
    QListWidget* themeList;  // the themes, then "Tema nuevo…"
    QLineEdit* newThemeName; // the name of "Tema nuevo…"
    QListView* activityView; // the chosen theme's activities
    ActivityListModel* activities;
    QPushButton* saveHereButton;    // "Guardar aquí"
    QPushButton* replaceButton;     // "Reemplazar"
    QPushButton* openButton;        // "Abrir", Return, a double click
    QPushButton* earlierButton;     // "Antes", Ctrl+Up
    QPushButton* laterButton;       // "Después", Ctrl+Down
    QPushButton* removeButton;      // "Quitar", Delete
    QPushButton* renameThemeButton; // "Cambiar nombre"
    QPushButton* removeThemeButton; // "Quitar tema"
    QPushButton* closeButton;       // "Cerrar", Escape

    QList<toolkit::ThemeLibrary::Theme> themes_; // as listed, "Tema nuevo…" after them
    bool chosenCanChange_ = true;                // a theme that cannot be written changes nothing
    Work work_;
    toolkit::ThemeLibrary library_;

    // Enables the buttons that apply to what is chosen, and makes
    // "Reemplazar" the default when the work came from the chosen activity.
    void updateButtons();
    void createControls();
    QPushButton* button(const QString& caption, const char* name, void (LibraryWindow::*click)());
    void layOut();
    void listThemes(const QString& chosenName);
    void chooseOpenedFrom();
    void showTheme(int activity);
    void moveChosen(int places);
    // The work's activity moved from number `before` to `after` of the
    // chosen theme (0: removed); the editor is told.
    void followOpened(int before, int after);
    int openedNumber() const;
    void tell(const QString& text);
    bool ask(const QString& text);
    // Whether the chosen theme's folder answers now; told when it does not.
    bool chosenAnswers();

    toolkit::Platform& platform_;
    toolkit::Share share_;
    bool listing_ = false; // the theme list is being filled, not edited
};

} // namespace editor
