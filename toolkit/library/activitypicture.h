#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

namespace toolkit {

// The drawing an activity may show the child under its dots: "N.png" beside
// "N.txt". It is the editor's page as drawn on the editor's screen, and says
// that screen's size, so that it is scaled exactly as the dots are (their
// positions are kept for an 800 x 600 screen and scaled to the player's).

// "3.txt" -> "3.png", in the same folder; a bare name gives a bare name.
QString activityPicturePath(const QString& activityPath);

// The PNG of a page's drawing, drawn on a screen of `screen` pixels.
QByteArray activityPictureBytes(const QImage& drawing, QSize screen);

struct ActivityPicture
{
    Q_DECLARE_TR_FUNCTIONS(toolkit::ActivityPicture)

public:
    QImage image;    // scaled for the screen asked for; null when none is shown
    QString problem; // why a picture that is there is not shown; empty otherwise
};

// The activity's picture scaled for a screen of `screen` pixels, never
// larger than that screen: the part that lay on the editor's screen. No
// picture is no problem; one that is not a regular file, is damaged or no
// PNG (it is read as nothing else), or larger than a sensible picture (over
// 32 MB, MaxPictureSide a side or 256 MB decoded) is a problem, and the
// activity is played with its dots alone.
ActivityPicture readActivityPicture(const QString& activityPath, QSize screen);

// Puts `png` beside the activity just written at `activityPath`, whole or
// not at all; with no picture, removes an earlier activity's picture left
// under that name, so it is never shown under other dots. False when the
// picture could not be written.
bool putActivityPicture(const QString& activityPath, const QByteArray& png);

} // namespace toolkit
