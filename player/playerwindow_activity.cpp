// Reading an activity file and drawing its dots on the canvas.

#include "playerwindow.h"

#include "activitypicture.h"
#include "colour.h"
#include "program.h"
#include "reach.h"

#include <algorithm>
#include <cstdio>

namespace player {

double PlayerWindow::dotGrowth() const
{
    return lab.reach.whiteboard ? ScreenReach::WhiteboardDots : 1.0;
}

void PlayerWindow::readActivity(const QString& path)
{
    const bool read =
        game_.read(path, static_cast<double>(scaleX) * activityShrink_, scaleY * activityShrink_);
    fitReach();
    if (!read)
        return;
    canvas->FontSize = game_.labelFontSize() * dotGrowth();
    canvas->FontName = QStringLiteral("Arial");
    canvas->AutoRedraw = true;
    for (int i = 0; i < game_.count(); ++i)
        drawDot(i);
    canvas->AutoRedraw = false;
}

// Scaled by the same screen as the dots, so each lies where the editor
// showed it; a picture that cannot be shown leaves the dots alone.
void PlayerWindow::readActivityPicture(const QString& path)
{
    const QSize screen(qRound(double(scaleX) * activityShrink_ * 800),
                       qRound(scaleY * activityShrink_ * 600));
    auto [picture, problem] = toolkit::readActivityPicture(path, screen);
    if (!problem.isEmpty())
        std::fprintf(stderr, "lunipo: %s: el dibujo %s; la actividad sigue sin él.\n",
                     qPrintable(toolkit::activityPicturePath(path)), qPrintable(problem));
    activityPicture = std::move(picture);
}

void PlayerWindow::drawDot(int i)
{
    const DotGame::Dot& dot = game_.dot(i);
    const int colour = toolkit::RGB(dot.red, dot.green, dot.blue);
    // A hit circle wider than the dot's own is the one drawn: the child
    // sees where a press still finds the dot.
    const double own = (game_.hitRadius() + ScreenReach::DotCircleMargin) * dotGrowth();
    if (game_.circles())
        canvas->Circle(dot.x, dot.y, std::max(own, game_.reach().circle), colour);

    const double w = canvas->TextWidth(dot.label) / 2;
    const double h = canvas->TextHeight(dot.label) / 2;
    canvas->CurrentX = dot.x - w;
    canvas->CurrentY = dot.y - h;
    canvas->ForeColor = colour;
    if (game_.labelPrinted(i))
        canvas->Print(dot.label);
}

} // namespace player
