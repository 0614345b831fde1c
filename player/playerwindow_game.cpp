// Joining the dots: each click on the canvas is judged against the dot the
// game expects; hits draw the joining segments, and the last record completes
// the figure and hands the canvas to the colouring tools.

#include "playerwindow.h"

#include <cmath>

namespace player {

void PlayerWindow::pressOnCanvas(int /*Button*/, int /*Shift*/, float X, float Y)
{
    // Every button counts the same: a child's right click is still a click.
    bool dotHit = false;
    QString hitLabel;

    // Once the figure is complete there is nothing left to join, so later
    // clicks belong to the tools alone and never walk past the list.
    if (!dotsJoined && nextDot >= 0 && nextDot < dotCount) {
        hitLabel = expectedLabel();
        if (dotLabel[nextDot].isEmpty()) {
            // A closing record is never clicked: the first dot of the next
            // figure stands for it, and its click closes the figure before.
            if (clickHits(nextDot + 1, X, Y)) {
                drawJoiningSegment(nextDot - 1, nextDot);
                nextDot += 2;
                dotHit = true;
            }
        } else if (clickHits(nextDot, X, Y)) {
            drawJoiningSegment(nextDot - 1, nextDot);
            nextDot += 1;
            dotHit = true;
        }
    }

    completeIfLastRecord();

    // The child hears the praise, then the name of the dot just reached.
    if (!dotsJoined && dotHit)
        playInTurn({soundPath(QStringLiteral("acierto.wav")), voiceOf(hitLabel)});
    else if (!dotsJoined)
        missedDot();
    else
        toolMouseDown(X, Y);
    if (dotsJoined && dotHit)
        playInTurn({voiceOf(hitLabel), soundPath(QStringLiteral("aciertotodo.wav"))});
    // A dot found ends the hint, and the child has a while again for the next.
    if (dotHit)
        restartHint();
}

void PlayerWindow::moveOnCanvas(int Button, int /*Shift*/, float X, float Y)
{
    canvas->Cls();
    if (nextDot > 0 && nextDot <= dotCount - 1)
        canvas->Line(dotX[nextDot - 1], dotY[nextDot - 1], X, Y);
    if (Button != 0 && dotsJoined)
        toolMouseMove(X, Y);
}

void PlayerWindow::releaseOnCanvas(int /*Button*/, int /*Shift*/, float X, float Y)
{
    if (dotsJoined)
        toolMouseUp(X, Y);
}

void PlayerWindow::drawJoiningSegment(int from, int to)
{
    // An unlabelled first record would ask for a segment from before the
    // list; there is nothing to join it to, so nothing is drawn.
    if (from < 0 || to < 0 || from >= dotCount || to >= dotCount)
        return;
    canvas->AutoRedraw = true;
    canvas->Line(dotX[from], dotY[from], dotX[to], dotY[to]);
    joinedOutline->Line(dotX[from], dotY[from], dotX[to], dotY[to]);
    canvas->AutoRedraw = false;
}

bool PlayerWindow::clickHits(int record, float X, float Y) const
{
    // Records past the list hold leftovers of a longer activity, or nothing.
    if (record < 0 || record >= dotCount)
        return false;
    return std::abs(X - dotX[record]) < hitRadius && std::abs(Y - dotY[record]) < hitRadius;
}

QString PlayerWindow::expectedLabel() const
{
    const int record = expectedRecord();
    return record >= 0 ? dotLabel[record] : QString();
}

int PlayerWindow::expectedRecord() const
{
    // A closing record expected means the first dot of the next figure.
    int dot = nextDot;
    if (dot >= 0 && dot < dotCount && dotLabel[dot].isEmpty())
        ++dot;
    return dot >= 0 && dot < dotCount ? dot : -1;
}

void PlayerWindow::completeIfLastRecord()
{
    // The last record is never clicked: expecting it means the figure is
    // done. A closing record just before the end can carry nextDot one past
    // the last record; that figure is just as complete.
    if (dotsJoined || dotCount == 0 || nextDot < dotCount - 1)
        return;
    if (nextDot == dotCount - 1 && dotLabel[nextDot].isEmpty()) {
        drawJoiningSegment(nextDot - 1, nextDot);
        nextDot += 1;
    }
    dotsJoined = true;
    for (auto& button : toolButtons)
        button.setEnabled(true);
    rememberFinished();
}

} // namespace player
