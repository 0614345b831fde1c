#include "focusring.h"
#include "gamefixture.h"
#include "keyboardcursor.h"

#include <QKeyEvent>
#include <QTest>

using toolkit::RGB;

// A child with switches or a keyboard, on a square of four dots.
class KeyboardTest : public GameTest
{
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        setDots({{"1", 1500, 1500},
                 {"2", 4500, 1500},
                 {"3", 4500, 4500},
                 {"4", 1500, 4500},
                 {"", 1500, 1500}});
    }
    // Keys as the keyboard sends them: to the control that has the focus.
    void key(Qt::Key pressed, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(form->focusWidget(), pressed);
    }
    QWidget* focused() const { return form->focusWidget(); }
    const player::KeyboardCursor& cursor() const
    {
        return *findControl<player::KeyboardCursor>(*form, "keyboardCursor");
    }
    bool framed(const QWidget* control) const
    {
        const auto* ring = findControl<player::FocusRing>(*form, "focusRing");
        return ring->isVisibleTo(form.get()) && ring->geometry().contains(control->geometry());
    }
};

TEST_F(KeyboardTest, OneSwitchJoinsTheFigureThenColoursIt)
{
    // A held switch repeats its key: still the one press before it.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(canvas(), &held);
    EXPECT_EQ(game().nextDot(), 0);
    key(Qt::Key_Space, 3);
    key(Qt::Key_Return);
    ASSERT_TRUE(game().joined());
    EXPECT_EQ(sounds().count("acierto.wav"), 3);
    EXPECT_EQ(sounds().count("aciertotodo.wav"), 1);
    EXPECT_EQ(keptBetween(3, 4), toolkit::vbGreen);
    EXPECT_EQ(kept(3000, 3000), toolkit::vbWhite);
    EXPECT_FALSE(cursor().isHidden()); // inside the figure, where the next press colours

    key(Qt::Key_Space);
    EXPECT_EQ(kept(3000, 3000), toolkit::vbGreen);
    EXPECT_EQ(kept(6000, 3000), toolkit::vbWhite); // the fill stayed inside
    EXPECT_EQ(sounds().count("herramientas.wav"), 1);
}

TEST_F(KeyboardTest, TabGoesRoundThePaletteWidthsToolsAndNavigation)
{
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), paletteStrip());
    EXPECT_TRUE(framed(paletteStrip()));
    key(Qt::Key_Down, 2); // white, grey, red
    key(Qt::Key_Space);
    EXPECT_EQ(canvas()->FillColor, RGB(255, 0, 0));
    key(Qt::Key_Tab, 10);
    EXPECT_EQ(focused(), widthButton(9));
    key(Qt::Key_Tab); // the tools wait for the figure
    EXPECT_EQ(focused(), navigationButton(Navigation::Forward));
    key(Qt::Key_Escape); // nothing leaves, nothing is lost
    EXPECT_TRUE(platform.messages.isEmpty());
    key(Qt::Key_Tab, 3);
    EXPECT_EQ(focused(), canvas());
    EXPECT_FALSE(framed(canvas()));

    key(Qt::Key_Space, 4);
    key(Qt::Key_Backtab, 8);
    EXPECT_EQ(focused(), toolButton(Tool::Undo));
    EXPECT_TRUE(framed(toolButton(Tool::Undo)));
    key(Qt::Key_Left);
    EXPECT_EQ(focused(), toolButton(Tool::Pen));
}

TEST_F(KeyboardTest, ArrowsMoveTheCursorAndSpaceStartsAndEndsAStroke)
{
    key(Qt::Key_Right); // nothing to colour yet
    EXPECT_TRUE(cursor().isHidden());
    key(Qt::Key_Space, 4);
    const int step = cursor().stepPixels();
    // The pen keeps its stroke as it goes; the straight line only once it ends.
    for (const auto& [tabs, keptWhileMoving] : {std::pair{14, true}, std::pair{13, false}}) {
        key(Qt::Key_Tab, tabs);
        key(Qt::Key_Return); // the tool, by a switch that sends Enter
        key(Qt::Key_Backtab, tabs);
        ASSERT_EQ(focused(), canvas());
        const QPoint start = cursor().position();
        const double x = 15 * (start.x() + 4 * step);
        const double y = 15 * start.y();
        key(Qt::Key_Space);
        key(Qt::Key_Right, 5);
        EXPECT_EQ(shown(x, y), toolkit::vbGreen);
        EXPECT_EQ(kept(x, y) == toolkit::vbGreen, keptWhileMoving);
        key(Qt::Key_Space);
        key(Qt::Key_Down, 3);
        EXPECT_EQ(cursor().position(), start + QPoint(5 * step, 3 * step));
        EXPECT_EQ(kept(x, y), toolkit::vbGreen);
        EXPECT_EQ(kept(x + 15 * step, y + 30 * step), toolkit::vbWhite); // lifted
    }
}

TEST(PointInside, LiesInsideEveryFigure)
{
    const QList<QPolygonF> figures = {
        QPolygonF({{0, 0}, {100, 0}, {50, 90}}), // a triangle
        QPolygonF({{0, 0}, {30, 0}, {30, 60}, {70, 60}, {70, 0}, {100, 0}, {100, 100}, {0, 100}}),
        QPolygonF({{0, 0}, {40, 0}, {40, 100}, {0, 100}, {0, 0}}), // closed twice
    };
    for (qsizetype i = 0; i < figures.size(); ++i)
        EXPECT_TRUE(figures[i].containsPoint(player::pointInside(figures[i]), Qt::OddEvenFill))
            << i;
    EXPECT_EQ(player::pointInside(QPolygonF({{5, 5}})), QPointF(5, 5));
}
