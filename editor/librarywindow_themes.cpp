// The library's theme list: choosing a theme, making a new one, renaming
// and removing one.

#include "librarywindow.h"

#include "activitylistmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace editor {

namespace {

QString activitiesText(int count)
{
    return count == 1 ? LibraryWindow::tr("1 actividad")
                      : LibraryWindow::tr("%1 actividades").arg(count);
}

bool sameFolder(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

bool LibraryWindow::themeChosen() const
{
    const int row = themeList->currentRow();
    return row >= 0 && row < themes_.size();
}

QString LibraryWindow::chosenFolder() const
{
    return themeChosen() ? themes_[themeList->currentRow()].folder : QString();
}

// Fills the list afresh and chooses the theme named `chosenName`, else the
// first one, else "Tema nuevo…".
void LibraryWindow::listThemes(const QString& chosenName)
{
    listing_ = true;
    themes_ = library_.themes();
    themeList->clear();
    int chosen = 0;
    for (const auto& theme : themes_) {
        if (theme.name == chosenName)
            chosen = themeList->count();
        auto* item = new QListWidgetItem(theme.shown);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        themeList->addItem(item);
    }
    themeList->addItem(tr("Tema nuevo…"));
    listing_ = false;
    themeList->setCurrentRow(chosen);
}

// A work opened from an activity of a theme comes back to it, so that
// "Reemplazar" is at hand.
void LibraryWindow::chooseOpenedFrom()
{
    const QString folder = QFileInfo(work_.openedFrom).absolutePath();
    for (qsizetype row = 0; !work_.openedFrom.isEmpty() && row < themes_.size(); ++row)
        if (sameFolder(themes_[row].folder, folder)) {
            themeList->setCurrentRow(int(row));
            chooseActivity(activities->rowOf(work_.openedFrom) + 1);
        }
}

void LibraryWindow::chooseThemeRow(int row)
{
    if (row == themeList->count() - 1 && row >= 0)
        newThemeName->setFocus();
    showTheme(0);
}

void LibraryWindow::showTheme(int activity)
{
    QString folder = chosenFolder();
    if (!folder.isEmpty() && !share_.answers(folder)) {
        tell(toolkit::Share::notAnswering(folder));
        folder.clear(); // shown empty, and nothing offered that would change it
        chosenCanChange_ = false;
    } else {
        chosenCanChange_ = folder.isEmpty() || toolkit::ThemeLibrary::canChange(folder);
    }
    activities->setTheme(folder);
    chooseActivity(activity);
    updateButtons();
}

bool LibraryWindow::chosenAnswers()
{
    if (share_.answers(chosenFolder()))
        return true;
    showTheme(0);
    return false;
}

void LibraryWindow::startRenamingTheme()
{
    if (themeChosen() && chosenCanChange_)
        themeList->editItem(themeList->currentItem());
}

// A name taken by another theme would hide one of the two from the player.
void LibraryWindow::renameChosenTheme(const QString& name)
{
    if (!themeChosen() || !chosenCanChange_ || !chosenAnswers())
        return;
    const auto theme = themes_[themeList->currentRow()];
    if (name == theme.name)
        return;
    QString problem;
    QString renamed;
    for (const auto& other : themes_)
        if (other.name == name.trimmed())
            problem = tr("Ya hay un tema «%1».").arg(other.name);
    if (problem.isEmpty())
        problem = library_.renameTheme(theme.folder, name, &renamed);
    if (!problem.isEmpty()) {
        tell(problem);
        listThemes(theme.name);
        return;
    }
    const bool holdsOpened = sameFolder(QFileInfo(work_.openedFrom).absolutePath(), renamed);
    listThemes(name.trimmed());
    if (holdsOpened) {
        work_.openedFrom = QDir(renamed).filePath(QFileInfo(work_.openedFrom).fileName());
        if (work_.openedMoved)
            work_.openedMoved(work_.openedFrom);
        chooseOpenedFrom();
    }
}

void LibraryWindow::removeChosenTheme()
{
    if (!themeChosen() || !chosenCanChange_ || !chosenAnswers())
        return;
    const auto theme = themes_[themeList->currentRow()];
    if (!ask(tr("¿Quitar el tema «%1» con %2? Irá a la papelera.")
                 .arg(theme.name, activitiesText(activities->rowCount()))))
        return;
    const bool holdsOpened = sameFolder(QFileInfo(work_.openedFrom).absolutePath(), theme.folder);
    if (const QString problem = library_.removeTheme(theme.folder); !problem.isEmpty()) {
        tell(problem);
        return;
    }
    if (holdsOpened) {
        work_.openedFrom.clear();
        if (work_.openedMoved)
            work_.openedMoved({});
    }
    listThemes({});
}

} // namespace editor
