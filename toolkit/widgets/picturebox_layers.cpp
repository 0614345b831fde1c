// The picture area's layers: persistent image and background, temporary layer, compacting.

#include "picturebox.h"

#include "colour.h"

#include <QPainter>
#include <cstring>

namespace toolkit {

namespace {

// Background colour with the background picture over it, from the top left.
void paintBackground(QImage& image, int colour, const QImage& picture)
{
    // A picture that covers the whole area (a page shown on the canvas, an
    // undo snapshot) is copied line by line: no colour to lay under it.
    if (picture.format() == image.format() && picture.width() >= image.width() &&
        picture.height() >= image.height()) {
        const auto line = static_cast<size_t>(image.width()) * 4;
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(image.scanLine(y), picture.constScanLine(y), line);
        return;
    }
    image.fill(toQRgb(colour));
    if (picture.isNull())
        return;
    QPainter painter(&image);
    painter.drawImage(0, 0, picture);
}

// Makes `area` of a 32-bit layer fully transparent.
void clearArea(QImage& layer, const QRect& area)
{
    const QRect r = area & layer.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memset(layer.scanLine(y) + r.left() * 4, 0, static_cast<size_t>(r.width()) * 4);
}

} // namespace

// Layers --------------------------------------------------------------------

void PictureBox::setBackColor(int colour)
{
    expand();
    backColor_ = colour;
    showBackground();
    clearTemporary();
    invalidate(persistent_.rect());
}

// A picture of exactly the area's size and format is the whole background:
// the image shares its pixels, which are copied only when drawn on. Pages
// shown on the canvas and undo snapshots are such pictures, so switching
// pages or undoing moves no pixels at all.
void PictureBox::showBackground()
{
    const QImage& picture = background();
    if (!picture.isNull() && picture.size() == persistent_.size() &&
        picture.format() == persistent_.format())
        persistent_ = picture;
    else
        paintBackground(persistent_, backColor_, picture);
}

// Once drawn over, the background picture is needed only to clear back to
// it: it waits compressed meanwhile, and a page shown on the canvas does not
// keep a second full-size copy for nothing.
void PictureBox::parkBackground()
{
    if (pictureParked_ || picture_.isNull() || picture_.constBits() == persistent_.constBits())
        return;
    parkedPicture_.park(picture_);
    picture_ = QImage();
    pictureParked_ = true;
}

const QImage& PictureBox::background() const
{
    if (pictureParked_) {
        picture_ = parkedPicture_.image();
        parkedPicture_ = ParkedImage();
        pictureParked_ = false;
    }
    return picture_;
}

const QImage& PictureBox::Picture() const
{
    expand();
    return background();
}

QImage PictureBox::Image() const
{
    expand();
    return persistent_;
}

void PictureBox::setPicture(const QImage& picture)
{
    expand();
    picture_ = picture;
    parkedPicture_ = ParkedImage();
    pictureParked_ = false;
    showBackground();
    clearTemporary();
    invalidate(persistent_.rect());
}

void PictureBox::Cls()
{
    expand();
    clearTemporary();
    if (AutoRedraw) {
        showBackground();
        invalidate(persistent_.rect());
    }
    CurrentX = 0;
    CurrentY = 0;
}

void PictureBox::copyPixels(const QImage& source, const QRegion& pixels)
{
    expand();
    if (source.size() != persistent_.size() || source.format() != persistent_.format())
        return;
    const QRegion area = pixels & persistent_.rect();
    for (const QRect& r : area)
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memcpy(persistent_.scanLine(y) + r.left() * 4,
                        source.constScanLine(y) + r.left() * 4, static_cast<size_t>(r.width()) * 4);
    parkBackground();
    invalidate(area);
}

void PictureBox::clearTemporary()
{
    for (const QRect& area : temporaryUsed_)
        clearArea(temporary_, area);
    invalidate(temporaryUsed_);
    temporaryUsed_ = QRegion();
}

void PictureBox::compact()
{
    expand();
    clearTemporary();
    temporary_ = QImage();
    // An area showing just its background picture shares the pixels with it:
    // they are compressed and brought back once.
    pictureIsImage_ = !picture_.isNull() && picture_.constBits() == persistent_.constBits();
    if (!pictureIsImage_)
        parkBackground();
    parkedPersistent_.park(persistent_);
    persistent_ = QImage();
    picture_ = QImage();
    compacted_ = true;
}

void PictureBox::prefetch()
{
    if (compacted_)
        parkedPersistent_.prefetch();
}

std::variant<QImage, ParkedImage> PictureBox::heldImage() const
{
    if (compacted_)
        return parkedPersistent_;
    return persistent_;
}

void PictureBox::expand() const
{
    if (!compacted_)
        return;
    persistent_ = parkedPersistent_.image();
    if (pictureIsImage_)
        picture_ = persistent_;
    parkedPersistent_ = ParkedImage();
    compacted_ = false;
}

QImage PictureBox::screenImage() const
{
    expand();
    if (temporaryUsed_.isEmpty())
        return persistent_;
    QImage screen = persistent_;
    QPainter painter(&screen);
    for (const QRect& area : temporaryUsed_)
        painter.drawImage(area.topLeft(), temporary_, area);
    return screen;
}

QImage& PictureBox::target()
{
    expand();
    if (AutoRedraw)
        return persistent_;
    // Areas that only ever draw with AutoRedraw on (hidden canvases, title
    // cards) never pay for a second full-size layer.
    if (temporary_.size() != persistent_.size()) {
        temporary_ = QImage(persistent_.size(), QImage::Format_ARGB32_Premultiplied);
        temporary_.fill(Qt::transparent);
    }
    return temporary_;
}

void PictureBox::drawn(const QRegion& pixels)
{
    const QRegion changed = pixels & persistent_.rect();
    if (AutoRedraw)
        parkBackground();
    else
        temporaryUsed_ |= changed;
    invalidate(changed);
}

void PictureBox::invalidate(const QRegion& pixels)
{
    if (!pixels.isEmpty())
        update(pixels);
}

// Keeps what is drawn when the area grows or shrinks; new room shows the
// background colour and picture.
void PictureBox::sizeChanged()
{
    expand();
    const QSize pixels = size().expandedTo(QSize(1, 1));
    if (persistent_.size() == pixels)
        return;
    QImage persistent(pixels, QImage::Format_RGB32);
    paintBackground(persistent, backColor_, background());
    QPainter(&persistent).drawImage(0, 0, persistent_);
    persistent_ = persistent;

    if (!temporary_.isNull()) {
        QImage temporary(pixels, QImage::Format_ARGB32_Premultiplied);
        temporary.fill(Qt::transparent);
        QPainter(&temporary).drawImage(0, 0, temporary_);
        temporary_ = temporary;
    }
    temporaryUsed_ &= persistent_.rect();
    update();
}

} // namespace toolkit
