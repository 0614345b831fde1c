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

constexpr int GallerySlots = 25;

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
    if (dotsJoined)
        storeInGallery();
    clearCanvas();
    playSound(QStringLiteral("combo.wav"));
    themeIndex = themeList->ListIndex();
    themeFolder = themeFolders_.value(themeIndex);
    if (!themeAnswers())
        return;
    int& n = activityNumber[static_cast<size_t>(themeIndex)];
    if (n == 0)
        n = 1;
    if (!activityExists(n))
        n = n - 1;
    n = playable(n, +1);
    clearCanvas();
    activityFile = activityPath(n);
    loadActivity();
    nextDot = 0;
}

void PlayerWindow::openThemeList()
{
    if (!singleActivity_.isEmpty())
        return;
    const int shown = themeList->ListIndex();
    // By folder: a theme keeps its place when its shown name changes.
    QHash<QString, int> remembered;
    for (int i = 0; i < themeList->ListCount(); ++i)
        remembered.insert(themeFolders_.value(i), activityNumber[static_cast<size_t>(i)]);
    QList<Theme> themes = listThemes();
    const QString shownFolder = themeFolders_.value(shown);
    if (shown >= 0)
        keepListed(themes,
                   {QFileInfo(shownFolder).fileName(), shownFolder, themeList->List(shown), {}});
    showThemes(themes);
    for (int i = 0; i < themeList->ListCount(); ++i)
        activityNumber[static_cast<size_t>(i)] = remembered.value(themeFolders_.value(i));
    if (shown >= 0) {
        themeIndex = int(themeFolders_.indexOf(shownFolder));
        themeList->setListIndex(themeIndex);
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
    if (themeList->ListCount() > static_cast<int>(activityNumber.size()))
        activityNumber.resize(static_cast<size_t>(themeList->ListCount()), 0);
}

void PlayerWindow::goForward()
{
    if (!leaveActivity())
        return;
    playSound(QStringLiteral("adelante.wav"));
    // Round to the first after the last.
    int& n = activityNumber[static_cast<size_t>(themeIndex)];
    n = playable(n + 1, +1);
    if (!activityExists(n))
        n = playable(1, +1);
    activityFile = activityPath(n);
    loadActivity();
    nextDot = 0;
    restartHint();
}

void PlayerWindow::goBack()
{
    if (!leaveActivity())
        return;
    playSound(QStringLiteral("atras.wav"));
    // Round to the last of the unbroken run 1, 2, 3...
    int& n = activityNumber[static_cast<size_t>(themeIndex)];
    n = playable(n - 1, -1);
    if (n <= 0 || toolkit::activityFile(themeFolder, n).damaged) {
        n = 1;
        while (activityExists(n))
            n = n + 1;
        n = playable(n - 1, -1);
    }
    activityFile = activityPath(n);
    loadActivity();
    nextDot = 0;
    restartHint();
}

bool PlayerWindow::leaveActivity()
{
    if (dotsJoined)
        storeInGallery();
    clearCanvas();
    return themeAnswers();
}

void PlayerWindow::showNumbers()
{
    clearCanvas();
    if (!themeAnswers())
        return;
    int& n = activityNumber[static_cast<size_t>(themeIndex)];
    if (!dotsJoined) {
        // A child who is lost hears where to go on, once the labels are back.
        if (n == 0)
            n = 1;
        const QString shown = activityFile;
        activityFile = activityPath(n);
        // Pressed before any activity was shown, it shows one, its
        // drawing under the labels as forward and back show it.
        if (activityFile != shown)
            loadActivity();
        else
            readActivity();
        playInTurn({soundPath(QStringLiteral("numero.wav")), voiceOf(expectedLabel())});
    } else {
        canvas->setPicture(joinedOutline->Image());
    }
    restartHint();
}

void PlayerWindow::loadActivity()
{
    readActivityPicture();
    canvas->setPicture(activityPicture);
    joinedOutline->setPicture(activityPicture);
    readActivity();
    for (auto& button : toolButtons)
        button.setEnabled(false);
    galleryPrimed = false;
    dotsJoined = false;
    nextDot = 0;
    rememberShown();
    restartHint();
}

void PlayerWindow::storeInGallery()
{
    gallery(gallerySlot).setPicture(canvas->Image());
    gallerySlot = gallerySlot + 1;
    if (gallerySlot == GallerySlots)
        gallerySlot = 0;
    if (galleryCount < gallerySlot)
        galleryCount = gallerySlot;
}

void PlayerWindow::openActivityFile(const QString& path)
{
    const QFileInfo file(path);
    singleActivity_ = path;
    themeFolders_ = QStringList{file.path()};
    themeList->Clear();
    themeList->AddItem(file.completeBaseName());
    themeList->setListIndex(0);
    themeIndex = 0;
    themeFolder = file.path();
    activityNumber[0] = 1;
    activityFile = path;
    loadActivity();
    nextDot = 0;
}

bool PlayerWindow::themeAnswers()
{
    if (!singleActivity_.isEmpty() || share().answers(themeFolder))
        return true;
    canvas->setPicture(QImage());
    dotCount = 0;
    nextDot = 0;
    platform_.messageBox(toolkit::Share::notAnswering(themeFolder), toolkit::vbOKOnly);
    return false;
}

bool PlayerWindow::activityExists(int number) const
{
    if (!singleActivity_.isEmpty())
        return number == 1;
    return !toolkit::activityFile(themeFolder, number).path.isEmpty();
}

// A damaged entry (a link, a FIFO) is passed over the way the child was
// going; a theme of nothing else shows an empty page.
int PlayerWindow::playable(int number, int way) const
{
    if (!singleActivity_.isEmpty())
        return number;
    for (int n = number; n >= 1; n += way) {
        const toolkit::ActivityFile file = toolkit::activityFile(themeFolder, n);
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
    const toolkit::ActivityFile found = toolkit::activityFile(themeFolder, number);
    if (found.damaged)
        return {}; // never opened: read as a missing activity
    return found.path.isEmpty() ? themeFolder + QLatin1Char('/') + toolkit::activityName(number)
                                : found.path;
}

} // namespace player
