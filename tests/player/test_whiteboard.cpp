// The player on an interactive whiteboard or a touch screen (the lab's
// "pizarra"), on a 1920 x 1080 screen.

#include "activitypicture.h"
#include "playerfixture.h"

#include <QPainter>
#include <vector>

namespace {
constexpr int Red = toolkit::RGB(255, 0, 0);
constexpr int Brown = toolkit::RGB(204, 153, 102); // the eighteenth cell
} // namespace

class WhiteboardTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        platform.screenWidthPx = 1920;
        platform.screenHeightPx = 1080;
        player::scaleX = 2.4f;
        player::scaleY = 1.8;
    }

    void startOnWhiteboard()
    {
        form = std::make_unique<PlayerWindow>(platform);
        form->lab.reach.whiteboard = true;
        form->startUp();
    }

    // The buttons the child presses.
    std::vector<QWidget*> buttons() const
    {
        std::vector<QWidget*> all = {exitButton()};
        for (int i = 0; i < 8; ++i)
            all.push_back(toolButton(Tool(i)));
        for (int i = 0; i < 10; ++i)
            all.push_back(widthButton(i));
        for (Navigation n : {Navigation::Forward, Navigation::Back, Navigation::Numbers})
            all.push_back(navigationButton(n));
        return all;
    }

    // The length of the first run of `colour` down the palette's first
    // column, in pixels.
    int firstRunOf(int colour) const
    {
        const QImage strip = paletteStrip()->Picture();
        int run = 0;
        for (int y = 0; y < strip.height(); ++y) {
            if (toolkit::fromQRgb(strip.pixel(strip.width() / 4, y)) == colour)
                ++run;
            else if (run > 0)
                break;
        }
        return run;
    }
};

// From a desk monitor's pixels to a tablet's: all the child needs lies under
// the top fifth, on the screen, apart, and a finger wide; the palette still
// picks what it shows.
TEST_F(WhiteboardTest, EveryControlLiesBelowTheTopFifthAndIsAFingerWide)
{
    for (double pixelsPerMm : {3.78, 8.0, 12.0}) {
        platform.pixelsPerMm = pixelsPerMm;
        startOnWhiteboard();
        const int finger = int(std::ceil(9 * pixelsPerMm));
        std::vector<QWidget*> controls = buttons();
        controls.insert(controls.end(), {canvas(), paletteStrip(), themeList()});
        for (QWidget* control : controls) {
            const QRect place = control->geometry();
            EXPECT_GE(place.top(), 1080 / 5) << control->objectName().toStdString();
            EXPECT_TRUE(QRect(0, 0, 1920, 1080).contains(place))
                << control->objectName().toStdString();
            for (QWidget* other : controls)
                EXPECT_TRUE(other == control || !place.intersects(other->geometry()))
                    << control->objectName().toStdString() << " "
                    << other->objectName().toStdString();
        }
        for (QWidget* button : buttons())
            EXPECT_GE(std::min(button->width(), button->height()), finger)
                << button->objectName().toStdString() << " " << pixelsPerMm;

        EXPECT_GE(firstRunOf(Red), finger) << pixelsPerMm;
        const QImage strip = paletteStrip()->Picture();
        if (pixelsPerMm < 4) { // a whiteboard's: the second column goes on
            EXPECT_EQ(toolkit::fromQRgb(strip.pixel(strip.width() * 3 / 4, 24)), Brown);
        }
        for (int y = 0; y < strip.height(); ++y)
            if (toolkit::fromQRgb(strip.pixel(strip.width() / 4, y)) == Red) {
                form->pressOnPalette(1, 0, strip.width() / 4 * 15.f, (y + 2) * 15.f);
                break;
            }
        EXPECT_EQ(canvas()->ForeColor, Red) << pixelsPerMm;
    }
}

// The canvas shrinks with the activity's picture and dots alike: a dot drawn
// on a band of the picture is still on it, and the whole picture shows.
TEST_F(WhiteboardTest, TheDotsStayOnTheirShrunkPicture)
{
    QImage drawing(800, 600, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    QPainter(&drawing).fillRect(196, 0, 8, 600, Qt::black); // x = 200
    QPainter(&drawing).fillRect(0, 446, 800, 8, Qt::black); // y = 450
    writeActivity("formas", 1, {"1,3000,6750,0,0,0,", "2,11985,8985,0,0,0,"});
    writeFile("actividades/formas/1.png", toolkit::activityPictureBytes(drawing, {800, 600}));
    startOnWhiteboard();
    form->openActivityFile(path("actividades/formas/1.txt"));

    const QImage picture = canvas()->Picture();
    EXPECT_EQ(picture.size(), canvas()->size());
    EXPECT_LT(canvas()->width(), 1920);
    const int x = qRound(game().dot(0).x / 15);
    const int y = qRound(game().dot(0).y / 15);
    EXPECT_LT(qGray(picture.pixel(x, 10)), 64);
    EXPECT_LT(qGray(picture.pixel(10, y)), 64);
    const QRect shown(QPoint(0, 0), canvas()->size());
    EXPECT_TRUE(shown.contains(int(game().dot(1).x / 15), int(game().dot(1).y / 15)));
}
