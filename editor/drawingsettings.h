#pragma once

#include "activityfile.h"
#include "shapegeometry.h"

#include <QSize>

namespace editor {

// How the next mark is drawn, as the palettes set it: the grid the pointer
// snaps to and the mirror centre on it, the mirrors switched on, the line
// width, the colour, the fill style, the eraser's size and the dots' size.
// The window keeps one and shows it; the rules hold without a window.
//
// Lengths are canvas twips; a colour is red + 256 green + 65536 blue.
class DrawingSettings
{
public:
    enum class Symmetry { None, LeftRight, TopBottom, Centre };
    static constexpr int StartGrid = 300;
    // The dot sizes of the three size buttons and their labels' points.
    static constexpr int DotSizes[3] = {150, 200, 250};
    static constexpr int DotFontPoints[3] = {9, 12, 18};

    // Where the pointer lands: on the grid, or anywhere in free placement.
    int gridStep() const { return gridStep_; } // 1 is free placement
    int gridButton() const { return gridButton_; }
    int snapped(double twips) const { return snap(twips, gridStep_); }
    // A grid button (50 to 400 twips): the grid shown and snapped to, and
    // the mirror centre moved onto it for a canvas of that size.
    void chooseGrid(int step, QSize canvasTwips);
    void placeOnGrid() { gridStep_ = shownGridStep(); }
    void placeFreely() { gridStep_ = 1; }
    // The grid shown is the grid button's: free placement (a step of 1)
    // changes the snapping, not the grid, which it would fill with black.
    int shownGridStep() const { return (gridButton_ + 1) * 50; }
    // The middle of the canvas, on the grid snapped to.
    void centreOn(QSize canvasTwips);
    int centreX() const { return centreX_; }
    int centreY() const { return centreY_; }

    // The three mirrors add up: each is switched on its own.
    void setMirror(Symmetry symmetry, bool on) { mirrors_[int(symmetry)] = on; }
    void clearMirrors() { mirrors_[1] = mirrors_[2] = mirrors_[3] = false; }
    bool mirrored(Symmetry symmetry) const { return mirrors_[int(symmetry)]; }
    // Calls draw(flipX, flipY) for a mark and then for each mirrored copy
    // that is switched on: left-right, top-bottom, through the centre.
    template <class Draw> void withMirrors(Draw draw) const;
    double mirroredX(double x, bool flip) const { return flip ? mirror(x, centreX_) : x; }
    double mirroredY(double y, bool flip) const { return flip ? mirror(y, centreY_) : y; }

    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int pixels) { lineWidth_ = pixels; }
    int colour() const { return colour_; }
    void setColour(int colour) { colour_ = colour; }
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style) { fillStyle_ = style; }
    // Half the side of the eraser's square; before any size is chosen the
    // eraser still erases, at the smallest.
    int eraserHalfSide() const { return eraserHalfSide_; }
    void chooseEraserSize(int size) { eraserHalfSide_ = 25 * size + 20; }
    // How near a click must come to a dot, twips.
    int dotSize() const { return dotSize_; }
    void setDotSize(int twips) { dotSize_ = twips; }

private:
    int gridStep_ = StartGrid;
    int gridButton_ = StartGrid / 50 - 1;
    int centreX_ = 0;
    int centreY_ = 0;
    bool mirrors_[4] = {}; // by Symmetry; None's is never on
    int lineWidth_ = 1;
    int colour_ = 0;
    int fillStyle_ = 1;
    int eraserHalfSide_ = 20;
    int dotSize_ = DefaultDotSize;
};

template <class Draw> void DrawingSettings::withMirrors(Draw draw) const
{
    draw(false, false);
    if (mirrored(Symmetry::LeftRight))
        draw(true, false);
    if (mirrored(Symmetry::TopBottom))
        draw(false, true);
    if (mirrored(Symmetry::Centre))
        draw(true, true);
}

} // namespace editor
