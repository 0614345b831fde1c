#include "colour.h"
#include "editorpictures.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace pictures = editor::pictures;
using toolkit::RGB;

namespace {

struct Palette
{
    const char* name;
    std::function<QImage(int)> picture;
    std::function<QString(int)> tip;
    std::vector<int> indexes;
    std::vector<int> missing;
};

std::vector<int> upTo(int count)
{
    std::vector<int> indexes(count);
    for (int i = 0; i < count; ++i)
        indexes[i] = i;
    return indexes;
}

const std::vector<Palette> palettes = {
    {"main",
     pictures::mainPalette,
     pictures::mainPaletteTip,
     {0, 1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
     {-1, 7, 9, 20}},
    {"grid", pictures::gridButton, pictures::gridButtonTip, upTo(8), {-1, 8}},
    {"symmetry", pictures::symmetry, pictures::symmetryTip, upTo(4), {-1, 4}},
    {"polygon", pictures::polygonMode, pictures::polygonModeTip, upTo(3), {-1, 3}},
    {"circle", pictures::circleKind, pictures::circleKindTip, upTo(6), {-1, 6}},
    {"width", pictures::lineWidth, pictures::lineWidthTip, upTo(14), {-1, 14}},
    {"fill", pictures::fillStyle, pictures::fillStyleTip, upTo(8), {-1, 8}},
    {"eraser", pictures::eraserSize, pictures::eraserSizeTip, upTo(6), {-1, 6}},
};

int opaquePixels(const QImage& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += qAlpha(picture.pixel(x, y)) == 255;
    return count;
}

// The distance between the first two dots of a grid picture's top row.
int gridSpacing(const QImage& grid)
{
    for (int y = 0; y < grid.height(); ++y) {
        std::vector<int> starts;
        for (int x = 0; x < grid.width(); ++x)
            if (qAlpha(grid.pixel(x, y)) != 0 && (x == 0 || qAlpha(grid.pixel(x - 1, y)) == 0))
                starts.push_back(x);
        if (starts.size() >= 2)
            return starts[1] - starts[0];
    }
    return 0;
}

int colourAt(const QImage& picture, int x, int y)
{
    return toolkit::fromQRgb(picture.pixel(x, y));
}

} // namespace

// Every button has a picture that was really drawn (a resource that failed to
// load leaves it empty), with transparent corners for the button's mark, and
// its own tooltip; indexes a palette does not have give nothing.
TEST(EditorPictures, EveryButtonHasAPictureAndItsOwnTooltip)
{
    const QSize side(pictures::PictureSide, pictures::PictureSide);
    for (const Palette& palette : palettes) {
        QSet<QString> tips;
        for (int index : palette.indexes) {
            SCOPED_TRACE(std::string(palette.name) + " " + std::to_string(index));
            const QImage picture = palette.picture(index);
            ASSERT_EQ(picture.size(), side);
            EXPECT_GT(opaquePixels(picture), 8);
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
            const QString tip = palette.tip(index);
            EXPECT_FALSE(tip.isEmpty());
            tips.insert(tip);
        }
        EXPECT_EQ(tips.size(), static_cast<int>(palette.indexes.size())) << palette.name;
        for (int index : palette.missing) {
            EXPECT_TRUE(palette.picture(index).isNull()) << palette.name << " " << index;
            EXPECT_TRUE(palette.tip(index).isEmpty()) << palette.name << " " << index;
        }
    }
    EXPECT_EQ(pictures::mainPaletteTip(16), QStringLiteral("Guardar la actividad"));
    EXPECT_EQ(pictures::gridButtonTip(5), QStringLiteral("Cuadrícula de 300"));
}

// The generated pictures say what their button does: the width bar is exactly
// as thick as the width, grids thin out, eraser squares grow and no two fill
// styles look alike.
TEST(EditorPictures, GeneratedPicturesGrowWithTheirSetting)
{
    const int middle = pictures::PictureSide / 2;
    for (int index = 0; index < 14; ++index) {
        const QImage bar = pictures::lineWidth(index);
        int thickness = 0;
        for (int y = 0; y < bar.height(); ++y)
            thickness += bar.pixel(middle, y) == qRgba(0, 0, 0, 255);
        EXPECT_EQ(thickness, index + 1);
    }
    auto growing = [](const std::function<QImage(int)>& picture, int count) {
        for (int index = 1; index < count; ++index)
            EXPECT_GT(opaquePixels(picture(index)), opaquePixels(picture(index - 1))) << index;
    };
    growing(pictures::eraserSize, 6);
    for (int index = 1; index < 8; ++index)
        EXPECT_GT(gridSpacing(pictures::gridButton(index)),
                  gridSpacing(pictures::gridButton(index - 1)));
    QSet<QByteArray> fills;
    for (int index = 0; index < 8; ++index) {
        const QImage fill = pictures::fillStyle(index);
        fills.insert(QByteArray(reinterpret_cast<const char*>(fill.constBits()),
                                static_cast<int>(fill.sizeInBytes())));
    }
    EXPECT_EQ(fills.size(), 8);
}

// Picking a colour reads one pixel: each swatch holds exactly its listed
// colour, and every other pixel is the grey or the black of the frames.
TEST(EditorPictures, ColourStripHoldsTheListedColoursInFramesOfGreyAndBlack)
{
    const QImage strip = pictures::colourStrip();
    ASSERT_EQ(strip.size(), QSize(713, 19));
    EXPECT_EQ(pictures::stripColours[1], RGB(192, 192, 192));
    EXPECT_EQ(pictures::stripColours[22], RGB(0, 0, 0));
    EXPECT_EQ(pictures::stripColours[43], RGB(128, 0, 128));
    EXPECT_EQ(pictures::stripSwatch(0), QRect(4, 4, 12, 12));
    EXPECT_EQ(pictures::stripSwatch(43), QRect(692, 4, 12, 12));

    std::vector<int> owner(strip.width() * strip.height(), -1);
    for (int index = 0; index < 44; ++index) {
        const QRect swatch = pictures::stripSwatch(index);
        for (int y = swatch.top(); y <= swatch.bottom(); ++y)
            for (int x = swatch.left(); x <= swatch.right(); ++x) {
                ASSERT_EQ(colourAt(strip, x, y), pictures::stripColours[index])
                    << index << " at " << x << "," << y;
                owner[y * strip.width() + x] = index;
            }
        // Left of every swatch: its black frame, then grey.
        EXPECT_EQ(colourAt(strip, swatch.left() - 1, 10), RGB(0, 0, 0));
        EXPECT_EQ(colourAt(strip, swatch.left() - 2, 10), RGB(128, 128, 128));
    }
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            if (owner[y * strip.width() + x] < 0) {
                const int colour = colourAt(strip, x, y);
                ASSERT_TRUE(colour == RGB(128, 128, 128) || colour == RGB(0, 0, 0))
                    << x << "," << y;
            }
}

TEST(EditorPictures, PointerIsATwoColourCrossAroundItsHotSpot)
{
    const QImage icon = pictures::pointerIcon();
    ASSERT_EQ(icon.size(), QSize(16, 16));
    ASSERT_TRUE(icon.hasAlphaChannel());
    int transparent = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            transparent += qAlpha(pixel) == 0;
            if (qAlpha(pixel) != 0) {
                ASSERT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << x << y;
            }
        }
    EXPECT_GT(transparent, 128);
    const QPoint hot = pictures::pointerHotSpot();
    EXPECT_EQ(icon.pixel(hot), qRgb(0, 0, 0));
    // The arms reach out from the hot spot along its row and column.
    EXPECT_EQ(icon.pixel(hot.x(), 0), qRgb(0, 0, 0));
    EXPECT_EQ(icon.pixel(0, hot.y()), qRgb(0, 0, 0));
}

TEST(EditorPictures, StartPictureFillsTheCanvasWithText)
{
    const QImage start = pictures::startPicture();
    ASSERT_EQ(start.size(), QSize(713, 535));
    EXPECT_FALSE(start.hasAlphaChannel());
    // The title is dark text on the light background.
    int dark = 0;
    for (int x = 0; x < start.width(); ++x)
        dark += qGray(start.pixel(x, 55)) < 100;
    EXPECT_GT(dark, 50);
}
