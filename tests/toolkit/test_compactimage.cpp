#include "compactimage.h"
#include "controls.h"
#include "parkedimage.h"
#include "picturebox.h"

#include <QPainter>
#include <gtest/gtest.h>

using toolkit::CompactImage;

namespace {

QImage drawing(QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(3, 2, size.width() / 2, size.height() / 3), QColor(200, 30, 40));
    painter.drawLine(0, size.height() - 1, size.width() - 1, 0);
    return image;
}

} // namespace

// Pictures come back exactly, in every format the programs keep, also with
// line padding (a 3-pixel-wide 8-bit picture) and when empty.
TEST(CompactImage, GivesBackExactlyWhatWasStored)
{
    const QImage pictures[] = {drawing({1920, 1080}, QImage::Format_RGB32),
                               drawing({37, 11}, QImage::Format_ARGB32_Premultiplied),
                               drawing({3, 5}, QImage::Format_Grayscale8),
                               drawing({1, 1}, QImage::Format_RGB888)};
    for (const QImage& picture : pictures) {
        const CompactImage kept(picture);
        EXPECT_EQ(kept.image(), picture) << picture.width() << " x " << picture.height();
        EXPECT_EQ(kept.image().format(), picture.format());
    }
    EXPECT_TRUE(CompactImage().image().isNull());
    EXPECT_TRUE(CompactImage(QImage()).isNull());
}

// The point of keeping pictures this way: a flat full-screen drawing takes a
// tiny fraction of its 8 MB, and a holder keeps nothing else.
TEST(CompactImage, FlatDrawingsTakeLittleRoom)
{
    toolkit::ImageHolder holder;
    holder.setPicture(drawing({1920, 1080}, QImage::Format_RGB32));
    EXPECT_LT(holder.byteSize(), 100 * 1024);
    EXPECT_EQ(holder.Picture(), drawing({1920, 1080}, QImage::Format_RGB32));
}

// A compacted picture area (a hidden page) reads and draws as before: its
// image, background picture and pixels come back, and drawing goes on.
TEST(CompactImage, CompactedPictureAreaCarriesOn)
{
    toolkit::PictureBox page;
    page.resize(40, 30);
    page.setPicture(drawing({20, 10}, QImage::Format_RGB32));
    page.AutoRedraw = true;
    page.Line(0, 0, 39 * 15, 29 * 15, toolkit::RGB(0, 0, 255));
    const QImage before = page.Image();
    const QImage picture = page.Picture();

    page.compact();
    EXPECT_EQ(page.Point(5 * 15, 5 * 15), toolkit::fromQRgb(before.pixel(5, 5)));
    EXPECT_EQ(page.Image(), before);
    EXPECT_EQ(page.Picture(), picture);

    page.compact();
    page.Line(0, 29 * 15, 39 * 15, 0, toolkit::RGB(255, 0, 0));
    EXPECT_EQ(page.Point(0, 29 * 15), toolkit::RGB(255, 0, 0));
    page.Cls(); // back to the background picture
    EXPECT_EQ(page.Image().copy(0, 0, 20, 10), picture);
}

// A parked picture reads back the same however far its background work has
// gone: held, parked, compressed, fetched back.
TEST(ParkedImage, ReadsBackTheSameAtEveryStage)
{
    const QImage picture = drawing({640, 480}, QImage::Format_RGB32);
    toolkit::ParkedImage parked;
    parked.hold(picture);
    EXPECT_EQ(parked.image(), picture);
    parked.park();
    EXPECT_EQ(parked.image(), picture);
    EXPECT_LT(parked.byteSize(), 64 * 1024); // waits for the worker
    EXPECT_EQ(parked.image(), picture);
    parked.prefetch();
    EXPECT_EQ(parked.image(), picture);
    EXPECT_TRUE(toolkit::ParkedImage(QImage()).isNull());
}
