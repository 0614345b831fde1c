#pragma once

#include "playerfixture.h"

#include <cmath>
#include <initializer_list>

// A started player with a dot table set by hand: positions in twips on an
// 800 x 600 screen, 15 twips to a pixel.
class GameTest : public PlayerTest
{
protected:
    struct Dot
    {
        QString label;
        double x;
        double y;
    };

    void SetUp() override
    {
        PlayerTest::SetUp();
        startPlayer();
    }

    // Opens an activity of these dots, drawn in the green the game joins
    // them with. With `count` short of them, the whole table is read first:
    // the records past the end then hold leftovers of a longer activity.
    void setDots(std::initializer_list<Dot> dots, int radius = 200, int count = -1)
    {
        QStringList lines;
        for (const Dot& dot : dots)
            lines << QStringLiteral("%1,%2,%3,0,255,0,").arg(dot.label).arg(dot.x).arg(dot.y);
        openDots(lines, radius);
        if (count >= 0)
            openDots(lines.mid(0, count), radius);
    }
    void openDots(const QStringList& lines, int radius)
    {
        writeFile("juego.txt", activityText(lines, "NO", radius));
        form->openActivityFile(path("juego.txt"));
    }

    void clickDot(int record, int button = 1) const
    {
        clickAt(game().dot(record).x, game().dot(record).y, button);
    }

    void moveTo(double x, double y, int buttons = 0) const
    {
        form->moveOnCanvas(buttons, 0, float(x), float(y));
    }

    // Joins records 0.. in turn, clicking each labelled one.
    void joinAll() const
    {
        for (int i = 0; i < game().count() && !game().joined(); ++i)
            if (!game().dot(i).label.isEmpty())
                clickDot(i);
    }

    // Colour of the pixel under a position in twips.
    static int at(const QImage& image, double x, double y)
    {
        return toolkit::fromQRgb(image.pixel(int(std::floor(x / 15)), int(std::floor(y / 15))));
    }
    int kept(double x, double y) const { return at(canvas()->Image(), x, y); }
    int shown(double x, double y) const { return at(canvas()->screenImage(), x, y); }
    int outline(double x, double y) const { return at(joinedOutline()->Image(), x, y); }

    // Colour halfway along the segment between two records, as kept.
    int keptBetween(int a, int b) const
    {
        return kept((game().dot(a).x + game().dot(b).x) / 2,
                    (game().dot(a).y + game().dot(b).y) / 2);
    }
    int outlineBetween(int a, int b) const
    {
        return outline((game().dot(a).x + game().dot(b).x) / 2,
                       (game().dot(a).y + game().dot(b).y) / 2);
    }

    QStringList sounds() const { return platform.soundNames(); }
};
