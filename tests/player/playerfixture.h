#pragma once

#include "colour.h"
#include "fakeplatform.h"
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
        EXPECT_GE(form->dotCount, 0);
        EXPECT_LE(form->dotCount, player::PlayerWindow::MaxDots);
        EXPECT_GE(form->hitRadius, 0);
        EXPECT_LE(form->hitRadius, 3000);
        EXPECT_GE(form->labelFontSize, 1);
        EXPECT_LE(form->labelFontSize, 48);
        for (int i = 0; i < form->dotCount; ++i) {
            EXPECT_LE(form->dotLabel[i].size(), 20);
            EXPECT_LE(std::abs(form->dotX[i]), 1e9);
            EXPECT_LE(std::abs(form->dotY[i]), 1e9);
            for (double c : {form->dotRed[i], form->dotGreen[i], form->dotBlue[i]})
                EXPECT_TRUE(c >= 0 && c <= 255 && c == std::floor(c)) << c;
        }
        EXPECT_FALSE(form->canvas->AutoRedraw);
    }

    // Colour of a canvas pixel as drawn in the persistent image.
    int canvasPixel(int x, int y) const
    {
        const QImage image = form->canvas->Image();
        return toolkit::fromQRgb(image.pixel(x, y));
    }
};
