// The player on a 1920 x 1080 whiteboard or touch screen (the lab's "pizarra").

#include "activitypicture.h"
#include "playerfixture.h"

#include <QPainter>
#include <QTest>

constexpr int Red = toolkit::RGB(255, 0, 0), Brown = toolkit::RGB(204, 153, 102);

class WhiteboardTest : public PlayerTest
{
protected:
    void startOnWhiteboard(double pixelsPerMm)
    {
        platform.screenWidthPx = 1920;
        platform.screenHeightPx = 1080;
        platform.pixelsPerMm = pixelsPerMm;
        player::scaleX = 2.4f;
        player::scaleY = 1.8;
        form = std::make_unique<PlayerWindow>(platform);
        form->lab.reach.whiteboard = true;
        form->startUp();
    }
};

// From a whiteboard's pixels to a tablet's: all the child needs lies under
// the top fifth, on the screen and apart; buttons and palette cells (of two
// columns, 38 pixels wide at 1:1) are a finger wide, and the second column
// goes on where the first ends.
TEST_F(WhiteboardTest, EveryControlLiesBelowTheTopFifthAndIsAFingerWide)
{
    for (double pixelsPerMm : {8.0, 12.0, 3.78}) {
        startOnWhiteboard(pixelsPerMm);
        const int finger = int(std::ceil(9 * pixelsPerMm));
        QList<QWidget*> shown = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        shown.removeIf([this](QWidget* control) { return !control->isVisibleTo(form.get()); });
        for (QWidget* control : shown) {
            const QRect place = control->geometry();
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(QRect(0, 1080 / 5, 1920, 1080 - 1080 / 5).contains(place)) << name;
            const bool button = name != "canvas" && name != "paletteStrip";
            EXPECT_TRUE(!button || std::min(place.width(), place.height()) >= finger) << name;
            for (QWidget* other : shown)
                EXPECT_TRUE(other == control || !place.intersects(other->geometry())) << name;
        }
        const int red = paletteStrip()->width(); // the third cell's top: 38 times the scale
        const float x = paletteStrip()->width() / 4 * 15.f;
        EXPECT_EQ(paletteStrip()->Point(x, (red + finger - 1) * 15), Red) << pixelsPerMm;
    }
    // At 3.78, 17 cells a column: the second begins with the eighteenth,
    // where the keys find it too.
    EXPECT_EQ(paletteStrip()->Point(paletteStrip()->width() * 45 / 4, 360), Brown);
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    for (int down = 0; down < 17; ++down)
        QTest::keyClick(paletteStrip(), Qt::Key_Down);
    QTest::keyClick(paletteStrip(), Qt::Key_Space);
    EXPECT_EQ(canvas()->FillColor, Brown);
}

// The canvas shrinks with the activity's picture and dots alike: the whole
// picture shows, and a dot drawn on a band of it is still on it.
TEST_F(WhiteboardTest, TheDotsStayOnTheirShrunkPicture)
{
    QImage drawing(800, 600, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    QPainter(&drawing).fillRect(196, 0, 8, 600, Qt::black); // x = 200
    QPainter(&drawing).fillRect(0, 446, 800, 8, Qt::black); // y = 450
    writeActivity("formas", 1, {"1,3000,6750,0,0,0,"});
    writeFile("actividades/formas/1.png", toolkit::activityPictureBytes(drawing, {800, 600}));
    startOnWhiteboard(4);
    form->openActivityFile(path("actividades/formas/1.txt"));

    const QImage picture = canvas()->Picture();
    EXPECT_EQ(picture.size(), canvas()->size());
    EXPECT_LT(qGray(picture.pixel(qRound(game().dot(0).x / 15), 10)), 64);
    EXPECT_LT(qGray(picture.pixel(10, qRound(game().dot(0).y / 15))), 64);
}
