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

    void setDots(std::initializer_list<Dot> dots, int radius = 200)
    {
        int i = 0;
        for (const Dot& dot : dots) {
            form->dotLabel[i] = dot.label;
            form->dotX[i] = dot.x;
            form->dotY[i] = dot.y;
            ++i;
        }
        form->dotCount = i;
        form->hitRadius = radius;
    }

    void clickDot(int record, int button = 1) const
    {
        clickAt(form->dotX[record], form->dotY[record], button);
    }

    void moveTo(double x, double y, int buttons = 0) const
    {
        form->moveOnCanvas(buttons, 0, float(x), float(y));
    }

    // Joins records 0.. in turn, clicking each labelled one.
    void joinAll() const
    {
        for (int i = 0; i < form->dotCount && !form->dotsJoined; ++i)
            if (!form->dotLabel[i].isEmpty())
                clickDot(i);
    }

    // Colour of the pixel under a position in twips.
    static int at(const QImage& image, double x, double y)
    {
        return toolkit::fromQRgb(image.pixel(int(std::floor(x / 15)), int(std::floor(y / 15))));
    }
    int kept(double x, double y) const { return at(form->canvas->Image(), x, y); }
    int shown(double x, double y) const { return at(form->canvas->screenImage(), x, y); }
    int outline(double x, double y) const { return at(form->joinedOutline->Image(), x, y); }

    // Colour halfway along the segment between two records, as kept.
    int keptBetween(int a, int b) const
    {
        return kept((form->dotX[a] + form->dotX[b]) / 2, (form->dotY[a] + form->dotY[b]) / 2);
    }
    int outlineBetween(int a, int b) const
    {
        return outline((form->dotX[a] + form->dotX[b]) / 2, (form->dotY[a] + form->dotY[b]) / 2);
    }

    QStringList sounds() const { return platform.soundNames(); }
};
