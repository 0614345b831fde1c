#include "drawingsettings.h"

#include "twips.h"

namespace editor {

void DrawingSettings::chooseGrid(int step, QSize canvasTwips)
{
    gridButton_ = step / 50 - 1;
    gridStep_ = step;
    centreOn(canvasTwips);
}

void DrawingSettings::centreOn(QSize canvasTwips)
{
    const auto half = [this](int twips) {
        return static_cast<int>(toolkit::roundHalfEven(twips / 2.0)) / gridStep_ * gridStep_;
    };
    centreX_ = half(canvasTwips.width());
    centreY_ = half(canvasTwips.height());
}

} // namespace editor
