#pragma once

#include "colour.h"
#include "fakeplatform.h"
#include "form1.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// An editor in a temporary program folder, on a fake platform whose screen
// size a test may set before starting it (800 x 600 unless it does).
class EditorTest : public ::testing::Test
{
protected:
    QTemporaryDir appDir;
    toolkit::FakePlatform platform;
    std::unique_ptr<editor::Form1> form;

    void SetUp() override
    {
        ASSERT_TRUE(appDir.isValid());
        platform.applicationFolder = appDir.path();
    }

    // Builds the window and runs its start-up.
    editor::Form1& startEditor(int screenWidthPx = 800, int screenHeightPx = 600)
    {
        platform.screenWidthPx = screenWidthPx;
        platform.screenHeightPx = screenHeightPx;
        form = std::make_unique<editor::Form1>(platform);
        form->Form_Load();
        return *form;
    }

    // A press, an optional drag through `path` and a release, in twips, as
    // the platform delivers them on the canvas.
    void click(double x, double y)
    {
        form->Picture1_MouseMove(0, 0, static_cast<float>(x), static_cast<float>(y));
        form->Picture1_MouseDown(toolkit::vbLeftButton, 0, static_cast<float>(x),
                                 static_cast<float>(y));
        form->Picture1_MouseUp(toolkit::vbLeftButton, 0, static_cast<float>(x),
                               static_cast<float>(y));
    }
    void drag(double x1, double y1, double x2, double y2)
    {
        form->Picture1_MouseMove(0, 0, static_cast<float>(x1), static_cast<float>(y1));
        form->Picture1_MouseDown(toolkit::vbLeftButton, 0, static_cast<float>(x1),
                                 static_cast<float>(y1));
        form->Picture1_MouseMove(toolkit::vbLeftButton, 0, static_cast<float>(x2),
                                 static_cast<float>(y2));
        form->Picture1_MouseUp(toolkit::vbLeftButton, 0, static_cast<float>(x2),
                               static_cast<float>(y2));
    }

    // Colour of a canvas or page pixel at a position in twips.
    int canvasAt(double x, double y) const { return form->Picture1->Point(x, y); }
    int pageAt(int page, double x, double y) const { return form->Picture2(page).Point(x, y); }
};
