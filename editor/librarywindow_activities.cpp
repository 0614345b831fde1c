// The library's activity buttons: saving the work into the chosen theme,
// replacing or opening an activity, moving one a place and removing one.

#include "librarywindow.h"

#include "activitylistmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <algorithm>

namespace editor {

int LibraryWindow::chosenActivity() const
{
    const QModelIndex current = activityView->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void LibraryWindow::chooseActivity(int number)
{
    const QModelIndex index = activities->index(number - 1);
    activityView->setCurrentIndex(index);
    if (index.isValid())
        activityView->scrollTo(index);
    updateButtons();
}

int LibraryWindow::openedNumber() const
{
    return work_.openedFrom.isEmpty() ? 0 : activities->rowOf(work_.openedFrom) + 1;
}

void LibraryWindow::saveHere()
{
    if (themeChosen() && !chosenCanChange_)
        return;
    const QString name =
        themeChosen() ? themes_[themeList->currentRow()].name : newThemeName->text();
    const auto saved =
        library_.save(name, work_.contents(), work_.picture ? work_.picture() : QByteArray());
    if (!saved.problem.isEmpty()) {
        tell(saved.problem);
        return;
    }
    if (work_.written)
        work_.written();
    tell(tr("La actividad se ha guardado en el tema «%1» como %2:\n%3")
             .arg(name.trimmed(), QFileInfo(saved.path).fileName(),
                  QDir::toNativeSeparators(saved.path)));
    newThemeName->clear();
    listThemes(name.trimmed());
    chooseActivity(activities->rowOf(saved.path) + 1);
}

// The activity the work came from is replaced without a question: that is
// what the default button offers.
void LibraryWindow::replaceChosen()
{
    const int number = chosenActivity();
    if (number == 0 || !themeChosen() || !chosenCanChange_ || !chosenAnswers())
        return;
    const QString theme = themes_[themeList->currentRow()].name;
    if (number != openedNumber() &&
        !ask(tr("¿Reemplazar la actividad %1 del tema «%2» por la de ahora? "
                "La que hay ahora se perderá.")
                 .arg(number)
                 .arg(theme)))
        return;
    if (const QString problem = library_.replace(activities->path(number - 1), work_.contents(),
                                                 work_.picture ? work_.picture() : QByteArray());
        !problem.isEmpty()) {
        tell(problem);
        return;
    }
    if (work_.written)
        work_.written();
    tell(tr("La actividad %1 del tema «%2» se ha reemplazado.").arg(number).arg(theme));
    showTheme(number);
}

void LibraryWindow::openChosen()
{
    const int number = chosenActivity();
    if (number == 0 || !work_.open || activities->damaged(number - 1) || !chosenAnswers())
        return;
    const QString path = activities->path(number - 1);
    if (work_.open(path)) {
        work_.openedFrom = path;
        accept();
    }
}

void LibraryWindow::moveEarlier()
{
    moveChosen(-1);
}

void LibraryWindow::moveLater()
{
    moveChosen(+1);
}

void LibraryWindow::moveChosen(int places)
{
    const int number = chosenActivity();
    const int target = number + places;
    if (number == 0 || target < 1 || target > activities->rowCount() || !chosenCanChange_ ||
        !chosenAnswers())
        return;
    const int opened = openedNumber();
    if (const QString problem = library_.move(chosenFolder(), number, places); !problem.isEmpty()) {
        tell(problem);
        showTheme(number);
        return;
    }
    showTheme(target);
    followOpened(opened, opened == number ? target : opened == target ? number : opened);
}

void LibraryWindow::removeChosen()
{
    const int number = chosenActivity();
    if (number == 0 || !themeChosen() || !chosenCanChange_ || !chosenAnswers())
        return;
    if (!ask(tr("¿Quitar la actividad %1 del tema «%2»? Irá a la papelera, y las "
                "que van detrás bajan un número.")
                 .arg(number)
                 .arg(themes_[themeList->currentRow()].name)))
        return;
    const int opened = openedNumber();
    const QString problem = library_.remove(chosenFolder(), number);
    if (!problem.isEmpty()) {
        tell(problem);
        showTheme(number);
        return;
    }
    showTheme(std::min(number, activities->rowCount() - 1));
    followOpened(opened, opened == number ? 0 : opened > number ? opened - 1 : opened);
}

void LibraryWindow::followOpened(int before, int after)
{
    if (before == 0 || before == after)
        return;
    work_.openedFrom = after > 0 ? activities->path(after - 1) : QString();
    if (work_.openedMoved)
        work_.openedMoved(work_.openedFrom);
    updateButtons();
}

} // namespace editor
