#pragma once

class QWidget;

namespace toolkit {

// Position and size of a control in twips. The twips are kept exactly, since
// layouts read them back and add them up; the widget gets whole pixels.
class TwipsGeometry
{
public:
    explicit TwipsGeometry(QWidget* widget) : widget_(widget) {}
    virtual ~TwipsGeometry() = default;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void Move(int left, int top, int width, int height);

protected:
    // Called after the pixel size changed, for controls that keep an image.
    virtual void sizeChanged() {}

private:
    void apply();

    QWidget* widget_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace toolkit
