// Reading an activity file and drawing its dots on the canvas.

#include "playerwindow.h"

#include "activityformat.h"
#include "activitypicture.h"
#include "colour.h"
#include "program.h"
#include "textfiles.h"
#include "twips.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace player {

namespace activity = toolkit::activity;

void PlayerWindow::readActivity()
{
    toolkit::TextFileReader file(activityFile, activity::MaxFileBytes, activity::MaxLineLength,
                                 toolkit::Links::Refuse);
    // A file that is missing or too short leaves the canvas empty; the game
    // then has no dot to wait for.
    const auto header = activity::readHeader(file);
    if (!header) {
        dotCount = 0;
        return;
    }
    const bool circles = activity::circlesWanted((*header)[2]);
    hitRadius = activity::hitRadius((*header)[3]);
    labelFontSize = activity::fontSize((*header)[4]);

    canvas->FontSize = labelFontSize;
    canvas->FontName = QStringLiteral("Arial");
    int i = 0;
    labelAnchor = 0;
    canvas->AutoRedraw = true;

    // Empty lines are skipped wherever they stand; the table holds MaxDots.
    while (i < MaxDots) {
        const auto line = file.readNonEmptyLine();
        if (!line)
            break;
        readDotLine(i, *line);
        drawDot(i, circles);
        ++i;
    }

    canvas->AutoRedraw = false;
    dotCount = i;
}

// Scaled by the same screen as the dots, so each lies where the editor
// showed it; a picture that cannot be shown leaves the dots alone.
void PlayerWindow::readActivityPicture()
{
    const QSize screen(qRound(double(scaleX) * 800), qRound(scaleY * 600));
    auto [picture, problem] = toolkit::readActivityPicture(activityFile, screen);
    if (!problem.isEmpty())
        std::fprintf(stderr, "lunipo: %s: el dibujo %s; la actividad sigue sin él.\n",
                     qPrintable(toolkit::activityPicturePath(activityFile)), qPrintable(problem));
    activityPicture = std::move(picture);
}

void PlayerWindow::readDotLine(int i, const QString& line)
{
    const auto at = static_cast<size_t>(i);
    activity::Dot dot{dotLabel[at],    dotX[at],          dotY[at],
                      int(dotRed[at]), int(dotGreen[at]), int(dotBlue[at])};
    activity::readDot(line, dot, static_cast<double>(scaleX), scaleY);
    dotLabel[at] = dot.label;
    dotX[at] = dot.x;
    dotY[at] = dot.y;
    dotRed[at] = dot.red;
    dotGreen[at] = dot.green;
    dotBlue[at] = dot.blue;
}

void PlayerWindow::drawDot(int i, bool circle)
{
    const auto at = static_cast<size_t>(i);
    const int colour = toolkit::RGB(static_cast<int>(dotRed[at]), static_cast<int>(dotGreen[at]),
                                    static_cast<int>(dotBlue[at]));
    if (circle)
        canvas->Circle(dotX[at], dotY[at], hitRadius + 20, colour);

    const double w = canvas->TextWidth(dotLabel[at]) / 2;
    const double h = canvas->TextHeight(dotLabel[at]) / 2;
    canvas->CurrentX = dotX[at] - w;
    canvas->CurrentY = dotY[at] - h;
    canvas->ForeColor = colour;

    // A dot on the same spot as the anchor (a figure back at its start) keeps
    // the label printed there once.
    const auto anchor = static_cast<size_t>(labelAnchor);
    if (i != 0 && dotX[at] == dotX[anchor] && dotY[at] == dotY[anchor])
        labelAnchor = i;
    else
        canvas->Print(dotLabel[at]);
}

} // namespace player
