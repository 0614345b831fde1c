// An activity from the editor's dot tool to a child's finished figure in the
// player, on the screen sizes both programs meet.

#include "../findcontrol.h"
#include "editorfixture.h"
#include "player/playerwindow.h"
#include "player/program.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace {

using toolkit::RGB;

class RoundTripTest : public EditorTest
{
protected:
    std::unique_ptr<player::PlayerWindow> game;

    // Every position the adult clicked, in the order the file lists them.
    struct Placed
    {
        QString label;
        double x, y;
    };

    // Two figures with a step of 2: a misplaced dot and a "CIERRA" pressed
    // too early are each taken back. Returns the activity file written.
    QString makeActivity(int w, int h)
    {
        startEditor(w, h);
        form->chooseTool(Tool::ClearPage);
        form->chooseTool(Tool::Dots);
        numberStep()->setListIndex(1);
        EXPECT_TRUE(pick(RGB(255, 0, 0)));
        click(1200, 1200);
        click(3000, 1200);
        click(5100, 4500);
        form->chooseTool(Tool::Undo);
        click(2100, 3000);
        form->pressCloseFigure();
        EXPECT_TRUE(pick(RGB(0, 0, 255)));
        click(6000, 1200);
        form->pressCloseFigure();
        form->chooseTool(Tool::Undo);
        click(8100, 1200);
        click(7200, 3000);
        form->pressCloseFigure();
        form->chooseTool(Tool::SaveActivity);
        return appDir.filePath(QStringLiteral("%1.txt").arg(form->lastActivityNumber));
    }

    // The adult copies the file into a theme; the child opens that theme.
    player::PlayerWindow& play(const QString& activity, int w, int h)
    {
        const QString theme = appDir.filePath("actividades/mias");
        QDir().mkpath(theme);
        QFile::remove(theme + "/1.txt");
        EXPECT_TRUE(QFile::copy(activity, theme + "/1.txt"));
        player::scaleX = float(w) / 800.0f;
        player::scaleY = h / 600.0;
        game = std::make_unique<player::PlayerWindow>(platform);
        game->startUp();
        auto* themes = findControl<toolkit::ComboBox>(*game, "themeList");
        themes->setListIndex(themes->findText("mias"));
        game->chooseTheme();
        return *game;
    }

    static int outline(const player::PlayerWindow& g, double x, double y)
    {
        return toolkit::fromQRgb(findControl<toolkit::PictureBox>(g, "joinedOutline")
                                     ->Image()
                                     .pixel(int(x / 15), int(y / 15)));
    }
};

TEST_F(RoundTripTest, DotsPlacedInTheEditorAreJoinedInThePlayerWhereTheyWerePlaced)
{
    const Placed placed[] = {{"1", 1200, 1200},  {"3", 3000, 1200}, {"5", 2100, 3000},
                             {"", 1200, 1200},   {"7", 6000, 1200}, {"9", 8100, 1200},
                             {"11", 7200, 3000}, {"", 6000, 1200}};
    const int count = int(std::size(placed));
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        SCOPED_TRACE(w);
        const QString activity = makeActivity(w, h);
        ASSERT_EQ(dotCount(), count);
        ASSERT_TRUE(QFile::exists(activity));
        EXPECT_EQ(pageAt(0, 4050, 2850), toolkit::vbWhite); // the undone dot's line

        player::PlayerWindow& g = play(activity, w, h);
        ASSERT_EQ(g.game().count(), count);
        EXPECT_EQ(g.game().hitRadius(), 250);
        EXPECT_EQ(g.game().labelFontSize(), 18);
        const double tolerance = 0.5 * w / 800 + 1; // the file's rounding, then the floor
        const QImage labels = findControl<toolkit::PictureBox>(g, "canvas")->Image();
        for (int i = 0; i < count; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(g.game().dot(i).label, placed[i].label);
            EXPECT_NEAR(g.game().dot(i).x, placed[i].x, tolerance);
            EXPECT_NEAR(g.game().dot(i).y, placed[i].y, tolerance);
            EXPECT_EQ(RGB(g.game().dot(i).red, g.game().dot(i).green, g.game().dot(i).blue),
                      i < 4 ? RGB(255, 0, 0) : RGB(0, 0, 255));
            if (!placed[i].label.isEmpty()) {
                const QPointF ink = inkCentre(labels, placed[i].x, placed[i].y);
                EXPECT_NEAR(ink.x(), placed[i].x, 45);
                EXPECT_NEAR(ink.y(), placed[i].y, 45);
            }
        }

        // The child clicks where the adult placed each labelled dot.
        platform.sounds.clear();
        for (const Placed& dot : placed)
            if (!dot.label.isEmpty()) {
                game->pressOnCanvas(1, 0, float(dot.x), float(dot.y));
                game->releaseOnCanvas(1, 0, float(dot.x), float(dot.y));
            }
        EXPECT_TRUE(g.game().joined());
        EXPECT_EQ(platform.soundNames().join(' ').toStdString(),
                  "acierto.wav acierto.wav acierto.wav acierto.wav acierto.wav aciertotodo.wav");
        // Each figure is closed, and nothing joins one figure to the next.
        const std::pair<int, int> joined[] = {{0, 1}, {1, 2}, {2, 3}, {4, 5}, {5, 6}, {6, 7}};
        for (const auto& [a, b] : joined)
            EXPECT_NE(outline(g, (g.game().dot(a).x + g.game().dot(b).x) / 2,
                              (g.game().dot(a).y + g.game().dot(b).y) / 2),
                      toolkit::vbWhite)
                << a << "-" << b;
        EXPECT_EQ(outline(g, (g.game().dot(3).x + g.game().dot(4).x) / 2,
                          (g.game().dot(3).y + g.game().dot(4).y) / 2),
                  toolkit::vbWhite);
        EXPECT_EQ(outline(g, (g.game().dot(2).x + g.game().dot(4).x) / 2,
                          (g.game().dot(2).y + g.game().dot(4).y) / 2),
                  toolkit::vbWhite);
    }
}

} // namespace
