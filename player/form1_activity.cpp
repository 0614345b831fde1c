// Reading an activity file and drawing its dots on the canvas.

#include "form1.h"

#include "activityformat.h"
#include "colour.h"
#include "program.h"
#include "textfiles.h"
#include "twips.h"

#include <algorithm>
#include <cmath>

namespace player {

namespace activity = toolkit::activity;

void Form1::readActivity()
{
    toolkit::TextFileReader file(activityFile, activity::MaxFileBytes, activity::MaxLineLength);
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

    Picture1->FontSize = labelFontSize;
    Picture1->FontName = QStringLiteral("Arial");
    int i = 0;
    labelAnchor = 0;
    Picture1->AutoRedraw = true;

    // Empty lines are skipped wherever they stand; the table holds MaxDots.
    while (i < MaxDots) {
        const auto line = file.readNonEmptyLine();
        if (!line)
            break;
        readDotLine(i, activity::commaEndedFields(*line));
        drawDot(i, circles);
        ++i;
    }

    Picture1->AutoRedraw = false;
    dotCount = i;
}

void Form1::readDotLine(int i, const QStringList& fields)
{
    const auto at = static_cast<size_t>(i);
    const qsizetype count = fields.size();
    if (count > 0)
        dotLabel[at] = activity::label(fields[0]);
    if (count > 1)
        dotX[at] = activity::coordinate(fields[1], static_cast<double>(scaleX));
    if (count > 2)
        dotY[at] = activity::coordinate(fields[2], scaleY);
    if (count > 3)
        dotRed[at] = activity::colourComponent(fields[3]);
    if (count > 4)
        dotGreen[at] = activity::colourComponent(fields[4]);
    if (count > 5)
        dotBlue[at] = activity::colourComponent(fields[5]);
}

void Form1::drawDot(int i, bool circle)
{
    const auto at = static_cast<size_t>(i);
    const int colour = toolkit::RGB(static_cast<int>(dotRed[at]), static_cast<int>(dotGreen[at]),
                                    static_cast<int>(dotBlue[at]));
    if (circle)
        Picture1->Circle(dotX[at], dotY[at], hitRadius + 20, colour);

    const double w = Picture1->TextWidth(dotLabel[at]) / 2;
    const double h = Picture1->TextHeight(dotLabel[at]) / 2;
    Picture1->CurrentX = dotX[at] - w;
    Picture1->CurrentY = dotY[at] - h;
    Picture1->ForeColor = colour;

    // A dot on the same spot as the anchor (a figure back at its start) keeps
    // the label printed there once.
    const auto anchor = static_cast<size_t>(labelAnchor);
    if (i != 0 && dotX[at] == dotX[anchor] && dotY[at] == dotY[anchor])
        labelAnchor = i;
    else
        Picture1->Print(dotLabel[at]);
}

} // namespace player
