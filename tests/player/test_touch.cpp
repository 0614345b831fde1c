#include "gamefixture.h"

#include <QTest>

// The player on screen, touched, with ten dots round a loop: five on top, five back below.
class TouchTest : public GameTest
{
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        QStringList lines;
        for (int i = 0; i < 10; ++i)
            lines << QStringLiteral("%1,%2,%3,0,255,0,")
                         .arg(i + 1)
                         .arg(i < 5 ? 1500 * i + 1500 : 15000 - 1500 * i)
                         .arg(i < 5 ? 1500 : 4500);
        openDots(lines << "," + lines[0].section(',', 1), 200);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QPointingDevice* screen = QTest::createTouchDevice();
    QPoint pixel(int i) const { return QPoint(game().dot(i).x, game().dot(i).y) / 15; }
};

TEST_F(TouchTest, ASlideJoinsEveryDotItPassesWrongDotsAsideAndAFingerTapFills)
{
    for (int tap = 0; tap < 2; ++tap) // a double tap is one press
        for (auto state : {QEventPoint::Pressed, QEventPoint::Released})
            canvas()->touchAtPixel(0, state, pixel(0).x() + tap, pixel(0).y(), 0, 1000 + tap);
    auto touch = QTest::touchEvent(canvas(), screen);
    touch.press(0, pixel(1)).commit();
    // Over the wrong dot 10, then past dots 2 and 3 in one move, as a fast finger goes.
    for (int i : {9, 1, 3, 4, 5, 6, 7, 8, 9})
        touch.move(0, pixel(i)).commit();
    touch.release(0, pixel(9)).commit();
    EXPECT_EQ(sounds(), QStringList(9, "acierto.wav") << "aciertotodo.wav") << "nor pressed twice";
    form->chooseTool(Tool::Fill);
    touch.press(1, QPoint(300, 200)).commit();
    touch.release(1, QPoint(300, 200)).commit();
    EXPECT_EQ(kept(4500, 3000), toolkit::vbGreen);
}

TEST_F(TouchTest, OnlyTheFingerThatLandedAloneAndNoPalmPlays)
{
    auto touch = QTest::touchEvent(canvas(), screen);
    touch.press(0, pixel(0)).commit();
    touch.stationary(0).press(1, pixel(1)).commit(); // a second hand on the dot expected
    touch.stationary(0).move(1, pixel(2)).commit();
    EXPECT_EQ(game().nextDot(), 1);
    touch.move(0, pixel(1)).stationary(1).commit();
    touch.release(0, pixel(1)).stationary(1).commit();
    touch.press(2, pixel(2)).move(1, pixel(1)).commit();
    touch.release(1, pixel(1)).release(2, pixel(2)).commit();
    QMouseEvent madeOfAFinger(QEvent::MouseButtonPress, {}, {}, Qt::LeftButton, {}, {}, screen);
    QCoreApplication::sendEvent(canvas(), &madeOfAFinger);
    EXPECT_EQ(game().nextDot(), 2) << "fingers left behind never play";
    const double palm = 30 * platform.pixelsPerMm; // as wide as the window takes a palm
    canvas()->touchAtPixel(7, QEventPoint::Pressed, 0, 0, palm + 1);
    canvas()->touchAtPixel(8, QEventPoint::Pressed, pixel(2).x(), pixel(2).y(), palm);
    EXPECT_EQ(game().nextDot(), 3) << "a finger plays while a palm rests";
    EXPECT_EQ(game().missesInARow(), 0) << "nor a palm, nor a mouse press made of a finger";
}
