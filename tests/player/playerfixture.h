#pragma once

#include "../findcontrol.h"
#include "buttonpictures.h"
#include "colour.h"
#include "fakeplatform.h"
#include "hintring.h"
#include "playerwindow.h"
#include "program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using player::PlayerWindow;
using Tool = PlayerWindow::Tool;
using Navigation = PlayerWindow::Navigation;

// A player in a temporary application folder, on a fake platform with an
// 800 x 600 screen, so scale factors are 1 unless a test sets them.
class PlayerTest : public ::testing::Test
{
protected:
    QTemporaryDir appDir;
    QTemporaryDir userData; // each test's child starts with no progress kept
    toolkit::FakePlatform platform;
    std::unique_ptr<player::PlayerWindow> form;

    void SetUp() override
    {
        ASSERT_TRUE(appDir.isValid());
        qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
        platform.applicationFolder = appDir.path();
        QDir().mkpath(path("sonidos")); // the shipped data beside, as in build/app
        player::scaleX = 1.0f;
        player::scaleY = 1.0;
    }

    // Builds the main window and runs its start-up.
    player::PlayerWindow& startPlayer()
    {
        form = std::make_unique<player::PlayerWindow>(platform);
        form->startUp();
        return *form;
    }

    QString path(const QString& relative) const { return appDir.filePath(relative); }

    // The window's controls, found as a person sees them, and its game.
    toolkit::PictureBox* canvas() const
    {
        return findControl<toolkit::PictureBox>(*form, "canvas");
    }
    toolkit::PictureBox* joinedOutline() const
    {
        return findControl<toolkit::PictureBox>(*form, "joinedOutline");
    }
    toolkit::ComboBox* themeList() const
    {
        return findControl<toolkit::ComboBox>(*form, "themeList");
    }
    toolkit::CommandButton* toolButton(Tool tool) const
    {
        return findControl<toolkit::CommandButton>(*form, "toolButtons", tool);
    }
    toolkit::CommandButton* navigationButton(Navigation button) const
    {
        return findControl<toolkit::CommandButton>(*form, "navigationButtons", button);
    }
    player::HintRing* hintRing() const { return findControl<player::HintRing>(*form, "hintRing"); }
    toolkit::CommandButton* exitButton() const
    {
        return findControl<toolkit::CommandButton>(*form, "exitButton");
    }
    toolkit::CommandButton* widthButton(int index) const
    {
        return findControl<toolkit::CommandButton>(*form, "widthButtons", index);
    }
    toolkit::PictureBox* paletteStrip() const
    {
        return findControl<toolkit::PictureBox>(*form, "paletteStrip");
    }
    const player::DotGame& game() const { return form->game(); }
    const player::ThemePlaces& places() const { return form->places(); }

    // The language file's text `i` as the child meets it: the tooltips of
    // the tools, the numbers and the exit button, then the exit's question.
    QString uiText(int i)
    {
        if (i < 8)
            return toolButton(Tool(i))->toolTip();
        if (i == 8)
            return navigationButton(Navigation::Numbers)->toolTip();
        if (i == 9)
            return exitButton()->toolTip();
        platform.messageAnswers = {toolkit::vbNo};
        form->askToLeave();
        return platform.messages.takeLast().text;
    }
    // Whether the numbers button wears the star of an activity finished before.
    bool starShown() const
    {
        const toolkit::CommandButton* numbers = navigationButton(Navigation::Numbers);
        const QIcon star(QPixmap::fromImage(player::numbersWithStar()));
        return numbers->icon().pixmap(numbers->iconSize()).toImage() ==
               star.pixmap(numbers->iconSize()).toImage();
    }

    void writeFile(const QString& relative, const QByteArray& content) const
    {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).path());
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // An activity file as the editor writes it: five header lines, then the
    // dot lines as given, each line ended by CR LF.
    static QByteArray activityText(const QStringList& dotLines, const QString& circles = "NO",
                                   int dotSize = 250, const QString& fontSize = " 12 ")
    {
        QStringList lines = {" 10790 ", " 8185 ", circles, QStringLiteral(" %1 ").arg(dotSize),
                             fontSize};
        lines += dotLines;
        return (lines.join("\r\n") + "\r\n").toLatin1();
    }

    void writeActivity(const QString& theme, int number, const QStringList& dotLines,
                       const QString& circles = "NO", int dotSize = 250) const
    {
        writeFile("actividades/" + theme + "/" + QString::number(number) + ".txt",
                  activityText(dotLines, circles, dotSize));
    }

    // Delivers a click on the canvas at a position in twips.
    void clickAt(double x, double y, int button = 1) const
    {
        form->pressOnCanvas(button, 0, float(x), float(y));
        form->releaseOnCanvas(button, 0, float(x), float(y));
    }

    // What must hold after reading any file: a table the game can index,
    // values the drawing code can take, the canvas back at rest.
    void expectUsableDotTable() const
    {
        EXPECT_GE(game().count(), 0);
        EXPECT_LE(game().count(), player::PlayerWindow::MaxDots);
        EXPECT_GE(game().hitRadius(), 0);
        EXPECT_LE(game().hitRadius(), 3000);
        EXPECT_GE(game().labelFontSize(), 1);
        EXPECT_LE(game().labelFontSize(), 48);
        for (int i = 0; i < game().count(); ++i) {
            const player::DotGame::Dot& dot = game().dot(i);
            EXPECT_LE(dot.label.size(), 20);
            EXPECT_LE(std::abs(dot.x), 1e9);
            EXPECT_LE(std::abs(dot.y), 1e9);
            for (int c : {dot.red, dot.green, dot.blue})
                EXPECT_TRUE(c >= 0 && c <= 255) << c;
        }
        EXPECT_FALSE(canvas()->AutoRedraw);
    }

    // Colour of a canvas pixel as drawn in the persistent image.
    int canvasPixel(int x, int y) const
    {
        const QImage image = canvas()->Image();
        return toolkit::fromQRgb(image.pixel(x, y));
    }
};
