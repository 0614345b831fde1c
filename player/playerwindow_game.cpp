// Joining the dots: each click on the canvas is judged against the dot the
// game expects, and a finger or a held button sliding on reaches dots too;
// hits draw the joining segments, and the last record completes the figure
// and hands the canvas to the colouring tools.

#include "playerwindow.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace player {

namespace {

// A slide is followed in steps of this many twips, well under any dot's
// reach, so a fast finger reaches the dots it passes between two moves.
constexpr double SlideStep = 30;
// ...and in no more steps than this, whatever lies between two moves.
constexpr int MaxSlideSteps = 1024;

} // namespace

void PlayerWindow::pressOnCanvas(int /*Button*/, int /*Shift*/, float X, float Y)
{
    // Every button counts the same: a child's right click is still a click.
    const DotGame::Click click = game_.click(X, Y);
    slideFrom_ = QPointF(X, Y);
    showReached(click);
    if (!click.hit && !game_.joined())
        missedDot();
    if (game_.joined())
        toolMouseDown(X, Y);
}

void PlayerWindow::moveOnCanvas(int Button, int /*Shift*/, float X, float Y)
{
    if (Button != 0 && !game_.joined())
        slideTo(QPointF(X, Y));
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
    slideFrom_.reset();
    if (game_.joined())
        toolMouseUp(X, Y);
}

void PlayerWindow::slideTo(QPointF to)
{
    // Without the press it started from (the button went down outside the
    // canvas), the slide is judged where it is now.
    const QLineF path(slideFrom_.value_or(to), to);
    const int steps = std::clamp(int(std::ceil(path.length() / SlideStep)), 1, MaxSlideSteps);
    for (int i = 1; i <= steps && !game_.joined(); ++i) {
        const QPointF at = path.pointAt(double(i) / steps);
        const DotGame::Click click = game_.slide(float(at.x()), float(at.y()));
        showReached(click);
        // As with a completing click, the chosen tool starts where it ended.
        if (click.completed)
            toolMouseDown(float(at.x()), float(at.y()));
    }
    slideFrom_ = to;
}

void PlayerWindow::showReached(const DotGame::Click& click)
{
    for (const DotGame::Segment& segment : click.joins)
        drawJoiningSegment(segment);
    if (click.completed) {
        for (auto& button : toolButtons)
            button.setEnabled(true);
        rememberFinished();
    }
    if (!click.hit)
        return;
    // The child hears the praise, then the name of the dot just reached.
    if (!game_.joined())
        playInTurn({soundPath(QStringLiteral("acierto.wav")), voiceOf(click.label)});
    else
        playInTurn({voiceOf(click.label), soundPath(QStringLiteral("aciertotodo.wav"))});
    // A dot found ends the hint, and the child has a while again for the
    // next; a ring filling on it, when the child clicked before it was full,
    // goes too.
    restartHint();
    if (dwell_)
        dwell_->stop();
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
