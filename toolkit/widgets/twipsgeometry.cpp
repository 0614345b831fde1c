#include "twipsgeometry.h"

#include "twips.h"

#include <QWidget>

namespace toolkit {

void TwipsGeometry::setLeft(int twips)
{
    left_ = twips;
    apply();
}

void TwipsGeometry::setTop(int twips)
{
    top_ = twips;
    apply();
}

void TwipsGeometry::setWidth(int twips)
{
    width_ = twips;
    apply();
}

void TwipsGeometry::setHeight(int twips)
{
    height_ = twips;
    apply();
}

void TwipsGeometry::Move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

void TwipsGeometry::apply()
{
    // A control never shrinks below one pixel, however small the screen.
    const QSize before = widget_->size();
    widget_->setGeometry(twipsToPixels(left_), twipsToPixels(top_),
                         std::max(1, twipsToPixels(width_)), std::max(1, twipsToPixels(height_)));
    if (widget_->size() != before)
        sizeChanged();
}

} // namespace toolkit
