// Choosing a theme, walking its activities and keeping finished drawings.

#include "playerwindow.h"

#include "activityfiles.h"
#include "colour.h"
#include "language.h"
#include "textfiles.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace player {

namespace {

using Theme = toolkit::ThemeLibrary::Theme;

// The shown theme stays in the list even when its place did not answer
// this time: the child is still playing it.
void keepListed(QList<Theme>& themes, const Theme& shown)
{
    const auto byName = [](const Theme& a, const Theme& b) {
        return a.shown.compare(b.shown, Qt::CaseInsensitive) < 0;
    };
    if (std::none_of(themes.cbegin(), themes.cend(),
                     [&](const Theme& t) { return t.shown == shown.shown; }))
        themes.insert(std::lower_bound(themes.begin(), themes.end(), shown, byName), shown);
}

} // namespace

void PlayerWindow::chooseTheme()
{
    if (themeList->ListIndex() < 0)
        return;
    if (game_.joined())
        storeInGallery();
    clearCanvas();
    playSound(QStringLiteral("combo.wav"));
    places_.show(themeList->ListIndex(), themeFolders_.value(themeList->ListIndex()));
    if (!themeAnswers())
        return;
    int& n = places_.shownActivity();
    if (n == 0)
        n = 1;
    if (!activityExists(n))
        n = n - 1;
    n = playable(n, +1);
    clearCanvas();
    loadActivity(activityPath(n));
}

void PlayerWindow::openThemeList()
{
    if (!singleActivity_.isEmpty())
        return;
    const int shown = themeList->ListIndex();
    // By folder: a theme keeps its place when its shown name changes.
    QHash<QString, int> remembered;
    for (int i = 0; i < themeList->ListCount(); ++i)
        remembered.insert(themeFolders_.value(i), places_.activity(i));
    QList<Theme> themes = listThemes();
    const QString shownFolder = themeFolders_.value(shown);
    if (shown >= 0)
        keepListed(themes,
                   {QFileInfo(shownFolder).fileName(), shownFolder, themeList->List(shown), {}});
    showThemes(themes);
    for (int i = 0; i < themeList->ListCount(); ++i)
        places_.activity(i) = remembered.value(themeFolders_.value(i));
    if (shown >= 0) {
        places_.movedTo(int(themeFolders_.indexOf(shownFolder)));
        themeList->setListIndex(places_.shown());
    }
}

QList<Theme> PlayerWindow::listThemes() const
{
    const QString language = toolkit::chooseLanguage(
        lab.language, [](const char* name) { return qEnvironmentVariable(name); });
    return toolkit::ThemeLibrary(appFolder(), share()).themes(language, lab.levels);
}

void PlayerWindow::showThemes(const QList<Theme>& themes)
{
    themeList->Clear();
    themeFolders_.clear();
    for (const Theme& theme : themes) {
        themeList->AddItem(theme.shown);
        themeFolders_ << theme.folder;
    }
    // Every listed theme remembers its own activity.
    places_.fit(themeList->ListCount());
}

void PlayerWindow::goForward()
{
    if (!leaveActivity())
        return;
    playSound(QStringLiteral("adelante.wav"));
    // Round to the first after the last.
    int& n = places_.shownActivity();
    n = playable(n + 1, +1);
    if (!activityExists(n))
        n = playable(1, +1);
    loadActivity(activityPath(n));
    restartHint();
}

void PlayerWindow::goBack()
{
    if (!leaveActivity())
        return;
    playSound(QStringLiteral("atras.wav"));
    // Round to the last of the unbroken run 1, 2, 3...
    int& n = places_.shownActivity();
    n = playable(n - 1, -1);
    if (n <= 0 || toolkit::activityFile(places_.folder(), n).damaged) {
        n = 1;
        while (activityExists(n))
            n = n + 1;
        n = playable(n - 1, -1);
    }
    loadActivity(activityPath(n));
    restartHint();
}

bool PlayerWindow::leaveActivity()
{
    if (game_.joined())
        storeInGallery();
    clearCanvas();
    return themeAnswers();
}

void PlayerWindow::showNumbers()
{
    clearCanvas();
    if (!themeAnswers())
        return;
    int& n = places_.shownActivity();
    if (!game_.joined()) {
        // A child who is lost hears where to go on, once the labels are back.
        if (n == 0)
            n = 1;
        const QString wanted = activityPath(n);
        // Pressed before any activity was shown, it shows one, its
        // drawing under the labels as forward and back show it.
        if (wanted != game_.file())
            loadActivity(wanted);
        else
            readActivity(wanted);
        playInTurn({soundPath(QStringLiteral("numero.wav")), voiceOf(game_.expectedLabel())});
    } else {
        canvas->setPicture(joinedOutline->Image());
    }
    restartHint();
}

void PlayerWindow::loadActivity(const QString& path)
{
    readActivityPicture(path);
    canvas->setPicture(activityPicture);
    joinedOutline->setPicture(activityPicture);
    readActivity(path);
    for (auto& button : toolButtons)
        button.setEnabled(false);
    gallery_.newActivity();
    game_.start();
    rememberShown();
    restartHint();
}

void PlayerWindow::storeInGallery()
{
    gallery_.store(canvas->Image());
}

void PlayerWindow::openActivityFile(const QString& path)
{
    const QFileInfo file(path);
    singleActivity_ = path;
    themeFolders_ = QStringList{file.path()};
    themeList->Clear();
    themeList->AddItem(file.completeBaseName());
    themeList->setListIndex(0);
    places_.show(0, file.path());
    places_.activity(0) = 1;
    loadActivity(path);
}

bool PlayerWindow::themeAnswers()
{
    if (!singleActivity_.isEmpty() || share().answers(places_.folder()))
        return true;
    canvas->setPicture(QImage());
    game_.clear();
    platform_.messageBox(toolkit::Share::notAnswering(places_.folder()), toolkit::vbOKOnly);
    return false;
}

bool PlayerWindow::activityExists(int number) const
{
    if (!singleActivity_.isEmpty())
        return number == 1;
    return !toolkit::activityFile(places_.folder(), number).path.isEmpty();
}

// A damaged entry (a link, a FIFO) is passed over the way the child was
// going; a theme of nothing else shows an empty page.
int PlayerWindow::playable(int number, int way) const
{
    if (!singleActivity_.isEmpty())
        return number;
    for (int n = number; n >= 1; n += way) {
        const toolkit::ActivityFile file = toolkit::activityFile(places_.folder(), n);
        if (file.path.isEmpty())
            break;
        if (!file.damaged)
            return n;
    }
    return number;
}

QString PlayerWindow::activityPath(int number) const
{
    if (!singleActivity_.isEmpty())
        return singleActivity_;
    // The name as it is on disk, so that "3.TXT" opens where "3.txt" is asked for.
    const toolkit::ActivityFile found = toolkit::activityFile(places_.folder(), number);
    if (found.damaged)
        return {}; // never opened: read as a missing activity
    return found.path.isEmpty()
               ? places_.folder() + QLatin1Char('/') + toolkit::activityName(number)
               : found.path;
}

} // namespace player
