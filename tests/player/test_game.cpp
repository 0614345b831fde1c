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
    const QImage blank = canvas()->Image();

    clickDot(0);
    EXPECT_EQ(canvas()->Image(), blank) << "the first dot joins nothing";
    clickDot(1);
    clickDot(2);
    clickDot(3); // the closing record's own spot is no dot to click
    EXPECT_EQ(game().nextDot(), 3);
    clickDot(4);
    EXPECT_EQ(game().nextDot(), 5);
    EXPECT_EQ(keptBetween(2, 3), vbGreen) << "closing segment back to dot 1";
    EXPECT_EQ(keptBetween(3, 4), vbWhite) << "no segment into the next figure";
    EXPECT_FALSE(toolButton(Tool::Fill)->isEnabled());

    clickDot(5);
    EXPECT_TRUE(game().joined());
    EXPECT_EQ(game().nextDot(), 7);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 3}, {4, 5}}) {
        EXPECT_EQ(keptBetween(a, b), vbGreen) << a << "-" << b;
        EXPECT_EQ(outlineBetween(a, b), vbGreen) << a << "-" << b;
    }
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(toolButton(Tool(i))->isEnabled()) << i;
    EXPECT_EQ(sounds(), QStringList({Right, Right, Right, Wrong, Right, Done}));
}

TEST_F(GameTest, AClickCountsInsideAStrictSquareWhateverTheButton)
{
    setDots({{"1", 3000, 3000}, {"2", 6000, 3000}, {"3", 6000, 6000}, {"4", 3000, 6000}});
    clickAt(3200, 3000);
    clickAt(3000, 2800);
    EXPECT_EQ(game().nextDot(), 0);
    clickAt(3199, 2801, toolkit::vbRightButton); // a corner of the square, outside a circle
    clickAt(6000, 3000, toolkit::vbMiddleButton);
    EXPECT_EQ(game().nextDot(), 2);
    EXPECT_EQ(sounds(), QStringList({Wrong, Wrong, Right, Right}));
}

TEST_F(GameTest, ALabelledLastDotIsNeverClickedNorJoined)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    clickDot(0);
    clickDot(1);
    EXPECT_TRUE(game().joined());
    EXPECT_EQ(sounds(), QStringList({Right, Done}));

    clickDot(2);
    EXPECT_EQ(game().nextDot(), 2);
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
    const QImage blank = canvas()->Image();
    moveTo(1500, 4500);
    EXPECT_EQ(shown(1500, 3000), vbWhite) << "no dot reached yet";

    clickDot(0);
    moveTo(1500, 4500);
    EXPECT_EQ(shown(1500, 3000), vbGreen);
    moveTo(3000, 3000, toolkit::vbLeftButton);
    EXPECT_EQ(shown(1500, 3000), vbWhite) << "the previous band is wiped";
    EXPECT_EQ(shown(2250, 2250), vbGreen);
    EXPECT_EQ(canvas()->Image(), blank);
}

TEST_F(GameTest, TheCompletingClickGoesToTheChosenTool)
{
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 9000, 7500}});
    form->chooseTool(Tool::Pen); // the pen, chosen during an earlier figure
    clickDot(0);
    const QImage joining = canvas()->Image();
    moveTo(1500, 4500, toolkit::vbLeftButton);
    EXPECT_EQ(canvas()->Image(), joining) << "tools wait for the finished figure";
    EXPECT_EQ(form->undoRing().slot(), 0);

    clickDot(1);
    EXPECT_EQ(form->undoRing().slot(), 1) << "the pen took its snapshot";
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
             {"5", 4500, 6000}},
            200, 4);
    joinAll();
    ASSERT_TRUE(game().joined());
    EXPECT_EQ(game().nextDot(), 4);
    EXPECT_EQ(keptBetween(2, 3), vbGreen) << "the closing segment ends the list";

    const QImage done = canvas()->Image();
    clickDot(4);
    clickDot(5);
    EXPECT_EQ(game().nextDot(), 4);
    EXPECT_EQ(canvas()->Image(), done);
    EXPECT_EQ(sounds().count(Done), 1);
}

TEST_F(GameTest, AnEmptyActivityTakesEveryClickAsAMiss)
{
    setDots({{"", 1500, 1500}, {"2", 4500, 1500}}, 200, 0); // leftovers only
    clickAt(1500, 1500);
    clickAt(4500, 1500);
    EXPECT_EQ(game().nextDot(), 0);
    EXPECT_FALSE(game().joined());
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
    EXPECT_TRUE(game().joined());
    EXPECT_EQ(keptBetween(2, 3), vbGreen);
    EXPECT_EQ(sounds().last(), Done);

    // The same at the very end of a full table: nothing is read past entry 150.
    QStringList full;
    for (int i = 0; i < player::PlayerWindow::MaxDots; ++i)
        full << QStringLiteral("%1,%2,3000,0,255,0,")
                    .arg(i == 149 ? "" : QString::number(i + 1))
                    .arg(1500 + 60 * i);
    openDots(full, 20);
    for (int i = 0; i < 149; ++i)
        clickDot(i);
    ASSERT_EQ(game().nextDot(), 149);
    clickDot(150);
    clickDot(150);
    EXPECT_TRUE(game().joined());
    EXPECT_EQ(game().nextDot(), player::PlayerWindow::MaxDots);
}

TEST_F(GameTest, AnUnlabelledFirstRecordDrawsNothingAndTheGameGoesOn)
{
    setDots({{"", 1500, 1500}, {"1", 4500, 1500}, {"2", 4500, 4500}, {"3", 1500, 4500}});
    const QImage blank = canvas()->Image();
    clickDot(1);
    EXPECT_EQ(game().nextDot(), 2);
    EXPECT_EQ(canvas()->Image(), blank);
    clickDot(2);
    EXPECT_EQ(keptBetween(1, 2), vbGreen);
    EXPECT_TRUE(game().joined());
}

TEST_F(GameTest, ADoubleClickIsOneClickForTheGameAndForTheFillTool)
{
    // Real Qt events, as a child's double-click arrives on the canvas.
    auto doubleClick = [this](double x, double y) {
        const QPointF at(x / 15, y / 15);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, at, canvas()->mapToGlobal(at), Qt::LeftButton,
                              down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(canvas(), &event);
        }
    };
    setDots({{"1", 1500, 1500}, {"2", 4500, 1500}, {"3", 4500, 4500}});
    doubleClick(1500, 1500);
    doubleClick(4500, 1500);
    EXPECT_EQ(game().nextDot(), 2);
    EXPECT_EQ(sounds(), QStringList({Right, Done}));

    // The fill tool keeps one undo snapshot per double-click.
    form->chooseTool(Tool::Fill);
    const int slot = form->undoRing().slot();
    doubleClick(3000, 6000);
    EXPECT_EQ(form->undoRing().slot(), (slot + 1) % 4);
}
