// Each child's progress between runs: the activity shown last in each theme
// and the activities finished, kept in the account's data folder. Only the
// themes' own activities count; an activity opened alone (the editor's
// "Probar") is never remembered.

#include "playerwindow.h"

#include "activityfiles.h"
#include "buttonpictures.h"
#include "progressstore.h"

#include <QFileInfo>

namespace player {

namespace {

bool hasActivity(const QString& folder, int number)
{
    return !toolkit::activityFile(folder, number).path.isEmpty();
}

// The activity remembered, when the theme still holds it; else the last of
// the theme's run 1, 2, 3... (0 when it has none), never a number past its
// end.
int stillThere(const QString& folder, int remembered)
{
    if (remembered <= 0 || hasActivity(folder, remembered))
        return std::max(0, remembered);
    int last = 0;
    while (last < remembered && hasActivity(folder, last + 1))
        ++last;
    return last;
}

// Where the activity of `id` is now, the one remembered first (the usual
// case, a file read); 0 when the teacher removed it or changed it.
int findById(const QString& folder, int remembered, const QString& id)
{
    const auto files = toolkit::activityFiles(folder);
    if (remembered >= 1 && remembered <= files.size() && !files[remembered - 1].damaged &&
        ProgressStore::idOf(files[remembered - 1].path) == id)
        return remembered;
    for (qsizetype n = 0; n < files.size(); ++n)
        if (!files[n].damaged && ProgressStore::idOf(files[n].path) == id)
            return int(n + 1);
    return 0;
}

} // namespace

// An activity the teacher moved in its theme is found where it went; one
// kept before ids were, or gone, by its number.
void PlayerWindow::restoreProgress()
{
    const int themes = std::min(themeList->ListCount(), static_cast<int>(themeFolders_.size()));
    // A hung shared theme is looked at again when the child chooses it.
    const QStringList answering = share().answering(themeFolders_.mid(0, themes));
    for (int i = 0; i < themes; ++i) {
        const QString& folder = themeFolders_[i];
        const int remembered = progress_->lastShown(themeKey(i));
        if (!answering.contains(folder)) {
            places_.activity(i) = remembered;
            continue;
        }
        const QString id = progress_->lastShownId(themeKey(i));
        const int found = id.isEmpty() ? 0 : findById(folder, remembered, id);
        places_.activity(i) = found > 0 ? found : stillThere(folder, remembered);
    }
}

// A theme's place is kept under its folder's name, which no language and
// no tema.ini changes.
QString PlayerWindow::themeKey(int index) const
{
    return QFileInfo(themeFolders_.value(index)).fileName();
}

void PlayerWindow::rememberShown()
{
    const int shown = rememberedActivity();
    const QString id = shown > 0 ? ProgressStore::idOf(activityPath(shown)) : QString();
    if (shown > 0) {
        progress_->setLastShown(themeKey(places_.shown()), shown, id);
        if (record_)
            record_->started(themeKey(places_.shown()), shown, id, platform_.now(),
                             lab.reach.summary());
    }
    showFinishedStar(shown > 0 && progress_->finished(themeKey(places_.shown()), shown, id));
}

void PlayerWindow::rememberFinished()
{
    const int shown = rememberedActivity();
    if (shown <= 0)
        return;
    if (record_)
        record_->finished(platform_.now());
    progress_->setFinished(themeKey(places_.shown()), shown,
                           ProgressStore::idOf(activityPath(shown)));
    showFinishedStar(true);
}

int PlayerWindow::rememberedActivity() const
{
    const int theme = places_.shown();
    if (!singleActivity_.isEmpty() || theme < 0 || theme >= themeFolders_.size())
        return 0;
    const int shown = places_.activity(theme);
    return shown > 0 && activityExists(shown) ? shown : 0;
}

void PlayerWindow::showFinishedStar(bool finished)
{
    if (finished == finishedBefore)
        return;
    finishedBefore = finished;
    if (finished)
        navigationButtons(Navigation::Numbers).setPicture(numbersWithStar());
    else
        navigationButtons(Navigation::Numbers).setPicture(pictures::numbers);
}

} // namespace player
