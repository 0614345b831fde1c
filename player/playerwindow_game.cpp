// Joining the dots: each click on the canvas is judged against the dot the
// game expects; hits draw the joining segments, and the last record completes
// the figure and hands the canvas to the colouring tools.

#include "playerwindow.h"

namespace player {

void PlayerWindow::pressOnCanvas(int /*Button*/, int /*Shift*/, float X, float Y)
{
    // Every button counts the same: a child's right click is still a click.
    const DotGame::Click click = game_.click(X, Y);
    for (const DotGame::Segment& segment : click.joins)
        drawJoiningSegment(segment);
    if (click.completed) {
        for (auto& button : toolButtons)
            button.setEnabled(true);
        rememberFinished();
    }

    // The child hears the praise, then the name of the dot just reached.
    if (!game_.joined() && click.hit)
        playInTurn({soundPath(QStringLiteral("acierto.wav")), voiceOf(click.label)});
    else if (!game_.joined())
        missedDot();
    else
        toolMouseDown(X, Y);
    if (game_.joined() && click.hit)
        playInTurn({voiceOf(click.label), soundPath(QStringLiteral("aciertotodo.wav"))});
    // A dot found ends the hint, and the child has a while again for the next.
    if (click.hit)
        restartHint();
}

void PlayerWindow::moveOnCanvas(int Button, int /*Shift*/, float X, float Y)
{
    restOnCanvas(X, Y);
    canvas->Cls();
    const int next = game_.nextDot();
    if (next > 0 && next <= game_.count() - 1)
        canvas->Line(game_.dot(next - 1).x, game_.dot(next - 1).y, X, Y);
    if (Button != 0 && game_.joined())
        toolMouseMove(X, Y);
}

void PlayerWindow::releaseOnCanvas(int /*Button*/, int /*Shift*/, float X, float Y)
{
    if (game_.joined())
        toolMouseUp(X, Y);
}

void PlayerWindow::drawJoiningSegment(DotGame::Segment segment)
{
    const DotGame::Dot& from = game_.dot(segment.from);
    const DotGame::Dot& to = game_.dot(segment.to);
    canvas->AutoRedraw = true;
    canvas->Line(from.x, from.y, to.x, to.y);
    joinedOutline->Line(from.x, from.y, to.x, to.y);
    canvas->AutoRedraw = false;
}

} // namespace player
