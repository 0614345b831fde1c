#include "gamefixture.h"

#include <QCoreApplication>
#include <QMouseEvent>

using toolkit::vbGreen;
using toolkit::vbWhite;

namespace {
const QString Right = QStringLiteral("acierto.wav");
const QString Wrong = QStringLiteral("error.wav");
const QString Done = QStringLiteral("aciertotodo.wav");
} // namespace

TEST_F(GameTest, TwoClosedFiguresAreJoinedInOrderAndComplete)
{
    // A triangle closed back to dot 1, then a two-dot figure closed back to dot 4.
    setDots({{"1", 1500, 1500},
             {"2", 4500, 1500},
             {"3", 4500, 4500},
             {"", 1500, 1500},
             {"4", 1500, 6000},
             {"5", 4500, 6000},
             {"", 1500, 6000}});
    const QImage blank = form->canvas->Image();

    clickDot(0);
    EXPECT_EQ(form->canvas->Image(), blank) << "the first dot joins nothing";
    clickDot(1);
    clickDot(2);
    clickDot(3); // the closing record's own spot is no dot to click
    EXPECT_EQ(form->nextDot, 3);
    clickDot(4);
    EXPECT_EQ(form->nextDot, 5);
    EXPECT_EQ(keptBetween(2, 3), vbGreen) << "closing segment back to dot 1";
    EXPECT_EQ(keptBetween(3, 4), vbWhite) << "no segment into the next figure";
    EXPECT_FALSE(form->toolButtons(Tool::Fill).isEnabled());

    clickDot(5);
    EXPECT_TRUE(form->dotsJoined);
    EXPECT_EQ(form->nextDot, 7);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {4, 5}}) {
        EXPECT_EQ(keptBetween(a, b), vbGreen) << a << "-" << b;
        EXPECT_EQ(outlineBetween(a, b), vbGreen) << a << "-" << b;
    }
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(form->toolButtons(Tool(i)).isEnabled()) << i;
    EXPECT_EQ(sounds(), QStringList({Right, Right, Right, Wrong, Right, Done}));
}

TEST_F(GameTest, AClickCountsInsideAStrictSquareWhateverTheButton)
{
    setDots({{"1", 3000, 3000}, {"2", 6000, 3000}, {"3", 6000, 6000}, {"4", 3000, 6000}});
    clickAt(3200, 3000);
    clickAt(3000, 2800);
    EXPECT_EQ(form->nextDot, 0);
    clickAt(3199, 2801, toolkit::vbRightButton); // a corner of the square, outside a circle
    clickAt(6000, 3000, toolkit::vbMiddleButton);
    EXPECT_EQ(form->nextDot, 2);
    EXPECT_EQ(sounds(), QStringList({Wrong, Wrong, Right, Right}));
}

TEST_F(GameTest, ALabelledLastDotIsNeverClickedNorJoined)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    clickDot(0);
    clickDot(1);
    EXPECT_TRUE(form->dotsJoined);
    EXPECT_EQ(sounds(), QStringList({Right, Done}));

    clickDot(2);
    EXPECT_EQ(form->nextDot, 2);
    EXPECT_EQ(keptBetween(1, 2), vbWhite);
    EXPECT_EQ(outlineBetween(1, 2), vbWhite);
    EXPECT_EQ(sounds().size(), 2) << "no praise replayed";

    // The rubber line still follows the pointer from the last dot reached.
    moveTo(4500, 3000);
    EXPECT_EQ(shown(4500, 2250), vbGreen);
}

TEST_F(GameTest, TheRubberLineFollowsThePointerAndIsNeverKept)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    const QImage blank = form->canvas->Image();
    moveTo(1500, 4500);
    EXPECT_EQ(shown(1500, 3000), vbWhite) << "no dot reached yet";

    clickDot(0);
    moveTo(1500, 4500);
    EXPECT_EQ(shown(1500, 3000), vbGreen);
    moveTo(3000, 3000, toolkit::vbLeftButton);
    EXPECT_EQ(shown(1500, 3000), vbWhite) << "the previous band is wiped";
    EXPECT_EQ(shown(2250, 2250), vbGreen);
    EXPECT_EQ(form->canvas->Image(), blank);
}

TEST_F(GameTest, TheCompletingClickGoesToTheChosenTool)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 9000, 7500}});
    form->currentTool = Tool::Pen; // the pen, chosen during an earlier figure
    clickDot(0);
    const QImage joining = form->canvas->Image();
    moveTo(1500, 4500, toolkit::vbLeftButton);
    EXPECT_EQ(form->canvas->Image(), joining) << "tools wait for the finished figure";
    EXPECT_EQ(form->undoSlot, 0);

    clickDot(1);
    EXPECT_EQ(form->undoSlot, 1) << "the pen took its snapshot";
    moveTo(4500, 4500, toolkit::vbLeftButton);
    EXPECT_EQ(kept(4500, 3000), vbGreen) << "the pen started at the completing click";
}

TEST_F(GameTest, ClicksAfterCompletionAreNotTestedPastTheList)
{
    // Leftovers of a longer activity lie beyond the end of this one.
    setDots({{"1", 1500, 1500},
             {"2", 4500, 1500},
             {"3", 4500, 4500},
             {"", 1500, 1500},
             {"4", 1500, 6000},
             {"5", 4500, 6000}});
    form->dotCount = 4;
    joinAll();
    ASSERT_TRUE(form->dotsJoined);
    EXPECT_EQ(form->nextDot, 4);
    EXPECT_EQ(keptBetween(2, 3), vbGreen) << "the closing segment ends the list";

    const QImage done = form->canvas->Image();
    clickDot(4);
    clickDot(5);
    EXPECT_EQ(form->nextDot, 4);
    EXPECT_EQ(form->canvas->Image(), done);
    EXPECT_EQ(sounds().count(Done), 1);
}

TEST_F(GameTest, AnEmptyActivityTakesEveryClickAsAMiss)
{
    setDots({{"", 1500, 1500}, {"2", 4500, 1500}}); // leftovers only
    form->dotCount = 0;
    clickAt(1500, 1500);
    clickAt(4500, 1500);
    EXPECT_EQ(form->nextDot, 0);
    EXPECT_FALSE(form->dotsJoined);
    EXPECT_EQ(sounds(), QStringList({Wrong, Wrong}));
}

TEST_F(GameTest, AClosingRecordJustBeforeTheEndCompletesTheFigure)
{
    // 1, 2, 3, closing, 4: the click on 4 closes the triangle and ends the list.
    setDots({{"1", 1500, 1500},
             {"2", 4500, 1500},
             {"3", 4500, 4500},
             {"", 1500, 1500},
             {"4", 1500, 6000}});
    joinAll();
    EXPECT_TRUE(form->dotsJoined);
    EXPECT_EQ(keptBetween(2, 3), vbGreen);
    EXPECT_EQ(sounds().last(), Done);

    // The same at the very end of a full table: nothing is read past entry 150.
    for (int i = 0; i < player::PlayerWindow::MaxDots; ++i) {
        form->dotLabel[i] = i == 149 ? QString() : QString::number(i + 1);
        form->dotX[i] = 1500 + 60 * i;
        form->dotY[i] = 3000;
    }
    form->dotCount = player::PlayerWindow::MaxDots;
    form->hitRadius = 20;
    form->dotsJoined = false;
    form->nextDot = 149;
    clickDot(150);
    clickDot(150);
    EXPECT_TRUE(form->dotsJoined);
    EXPECT_EQ(form->nextDot, player::PlayerWindow::MaxDots);
}

TEST_F(GameTest, AnUnlabelledFirstRecordDrawsNothingAndTheGameGoesOn)
{
    setDots({{"", 1500, 1500}, {"1", 4500, 1500}, {"2", 4500, 4500}, {"3", 1500, 4500}});
    const QImage blank = form->canvas->Image();
    clickDot(1);
    EXPECT_EQ(form->nextDot, 2);
    EXPECT_EQ(form->canvas->Image(), blank);
    clickDot(2);
    EXPECT_EQ(keptBetween(1, 2), vbGreen);
    EXPECT_TRUE(form->dotsJoined);
}

TEST_F(GameTest, ADoubleClickIsOneClickForTheGameAndForTheFillTool)
{
    // Real Qt events, as a child's double-click arrives on the canvas.
    auto doubleClick = [this](double x, double y) {
        const QPointF at(x / 15, y / 15);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, at, form->canvas->mapToGlobal(at), Qt::LeftButton,
                              down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(form->canvas, &event);
        }
    };
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    doubleClick(1500, 1500);
    doubleClick(4500, 1500);
    EXPECT_EQ(form->nextDot, 2);
    EXPECT_EQ(sounds(), QStringList({Right, Done}));

    // The fill tool keeps one undo snapshot per double-click.
    form->chooseTool(Tool::Fill);
    const int slot = form->undoSlot;
    doubleClick(3000, 6000);
    EXPECT_EQ(form->undoSlot, (slot + 1) % 4);
}
