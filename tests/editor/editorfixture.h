#pragma once

#include "colour.h"
#include "editorpictures.h"
#include "fakeplatform.h"
#include "form1.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

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

    // The first half of a drag: the button goes down at (x, y) and stays
    // there; moveTo then moves with it held (or, with button 0, released).
    void press(double x, double y)
    {
        form->Picture1_MouseMove(0, 0, static_cast<float>(x), static_cast<float>(y));
        form->Picture1_MouseDown(toolkit::vbLeftButton, 0, static_cast<float>(x),
                                 static_cast<float>(y));
    }
    void moveTo(double x, double y, int button = toolkit::vbLeftButton)
    {
        form->Picture1_MouseMove(button, 0, static_cast<float>(x), static_cast<float>(y));
    }

    // A click on the middle of swatch `index` of the colour strip.
    void pickSwatch(int index)
    {
        const QPoint middle = editor::pictures::stripSwatch(index).center();
        pickStripPixel(middle.x(), middle.y());
    }
    void pickStripPixel(int x, int y)
    {
        form->picture3_MouseDown(toolkit::vbLeftButton, 0, float(x * 15 + 7), float(y * 15 + 7));
    }

    // The setting palettes, which share one row under the canvas and take
    // turns on screen, by the tool chosen.
    struct NamedButtons
    {
        const char* name;
        toolkit::ControlArray<toolkit::CommandButton>* buttons;
    };
    struct NamedControl
    {
        const char* name;
        QWidget* control;
        const toolkit::TwipsGeometry* place;
    };
    std::vector<NamedButtons> settingPalettes() const
    {
        return {{"Command5", &form->Command5},   {"Command6", &form->Command6},
                {"Command7", &form->Command7},   {"Command8", &form->Command8},
                {"Command10", &form->Command10}, {"Command11", &form->Command11}};
    }
    std::vector<NamedControl> settingControls() const
    {
        return {{"Check1", form->Check1, form->Check1},
                {"Combo1", form->Combo1, form->Combo1},
                {"Combo4", form->Combo4, form->Combo4},
                {"Combo5", form->Combo5, form->Combo5},
                {"Label1", form->Label1, form->Label1}};
    }

    // Colour of a canvas or page pixel at a position in twips.
    int canvasAt(double x, double y) const { return form->Picture1->Point(x, y); }
    int pageAt(int page, double x, double y) const { return form->Picture2(page).Point(x, y); }
};
