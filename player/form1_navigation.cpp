// Choosing a theme, walking its activities and keeping finished drawings.

#include "form1.h"

#include "colour.h"
#include "textfiles.h"

#include <QFileInfo>

namespace player {

namespace {

constexpr int GallerySlots = 25;

QString activityName(int number)
{
    return QString::number(number) + QStringLiteral(".txt");
}

} // namespace

void Form1::Combo1_Click()
{
    if (Combo1->ListIndex() < 0)
        return;
    if (dotsJoined)
        storeInGallery();
    clearCanvas();
    playSound(QStringLiteral("combo.wav"));
    themeIndex = Combo1->ListIndex();
    themeFolder = themeFolders_.value(themeIndex);
    int& n = activityNumber[static_cast<size_t>(themeIndex)];
    if (n == 0)
        n = 1;
    if (!activityExists(n))
        n = n - 1;
    clearCanvas();
    activityFile = activityPath(n);
    loadActivity();
    nextDot = 0;
}

void Form1::Command1_Click(int Index)
{
    if ((Index == 0 || Index == 1) && dotsJoined)
        storeInGallery();
    clearCanvas();
    int& n = activityNumber[static_cast<size_t>(themeIndex)];
    switch (Index) {
    case 0: // forward, round to the first after the last
        playSound(QStringLiteral("adelante.wav"));
        n = n + 1;
        if (!activityExists(n))
            n = 1;
        activityFile = activityPath(n);
        loadActivity();
        nextDot = 0;
        break;
    case 1: // back, round to the last of the unbroken run 1, 2, 3...
        playSound(QStringLiteral("atras.wav"));
        n = n - 1;
        if (n <= 0) {
            n = 1;
            while (activityExists(n))
                n = n + 1;
            n = n - 1;
        }
        activityFile = activityPath(n);
        loadActivity();
        nextDot = 0;
        break;
    case 2: // numbers: the labels again, or the bare outline once finished
        if (!dotsJoined) {
            // A child who is lost hears where to go on, once the labels are back.
            if (n == 0)
                n = 1;
            activityFile = activityPath(n);
            readActivity();
            playInTurn({soundPath(QStringLiteral("numero.wav")), voiceOf(expectedLabel())});
        } else {
            Picture1->setPicture(Picture3->Image());
        }
        break;
    default:
        break;
    }
    restartHint();
}

void Form1::loadActivity()
{
    Picture1->setPicture(QImage());
    Picture3->setPicture(QImage());
    readActivity();
    for (int i = 0; i < 8; ++i)
        Command4(i).setEnabled(false);
    galleryPrimed = false;
    dotsJoined = false;
    nextDot = 0;
    rememberShown();
    restartHint();
}

void Form1::storeInGallery()
{
    Image2(gallerySlot).setPicture(Picture1->Image());
    gallerySlot = gallerySlot + 1;
    if (gallerySlot == GallerySlots)
        gallerySlot = 0;
    if (galleryCount < gallerySlot)
        galleryCount = gallerySlot;
}

void Form1::openActivityFile(const QString& path)
{
    const QFileInfo file(path);
    singleActivity_ = path;
    themeFolders_ = QStringList{file.path()};
    Combo1->Clear();
    Combo1->AddItem(file.completeBaseName());
    Combo1->setListIndex(0);
    themeIndex = 0;
    themeFolder = file.path();
    activityNumber[0] = 1;
    activityFile = path;
    loadActivity();
    nextDot = 0;
}

bool Form1::activityExists(int number) const
{
    if (!singleActivity_.isEmpty())
        return number == 1;
    return !toolkit::findFileIgnoringCase(themeFolder, activityName(number)).isEmpty();
}

QString Form1::activityPath(int number) const
{
    if (!singleActivity_.isEmpty())
        return singleActivity_;
    // The name as it is on disk, so that "3.TXT" opens where "3.txt" is asked for.
    const QString found = toolkit::findFileIgnoringCase(themeFolder, activityName(number));
    return themeFolder + QLatin1Char('/') + (found.isEmpty() ? activityName(number) : found);
}

} // namespace player
