#pragma once

#include "colour.h"
#include "editor/editorwindow.h"
#include "editorpictures.h"
#include "fakeplatform.h"

#include <QDir>
#include <QPointF>
#include <QTemporaryDir>
#include <QtNumeric>
#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <vector>

using Tool = editor::EditorWindow::Tool;
using Symmetry = editor::EditorWindow::Symmetry;
using DotButton = editor::EditorWindow::DotButton;

// An editor in a temporary program folder, on a fake platform whose screen
// size a test may set before starting it (800 x 600 unless it does).
class EditorTest : public ::testing::Test
{
protected:
    QTemporaryDir appDir;
    QTemporaryDir userData; // each test keeps its own working state
    toolkit::FakePlatform platform;
    std::unique_ptr<editor::EditorWindow> form;

    void SetUp() override
    {
        ASSERT_TRUE(appDir.isValid());
        platform.applicationFolder = appDir.path();
        QDir().mkpath(appDir.filePath("sonidos")); // the shipped data beside, as in build/app
        qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    }

    // Builds the window and runs its start-up.
    editor::EditorWindow& startEditor(int screenWidthPx = 800, int screenHeightPx = 600)
    {
        platform.screenWidthPx = screenWidthPx;
        platform.screenHeightPx = screenHeightPx;
        form = std::make_unique<editor::EditorWindow>(platform);
        form->startUp();
        return *form;
    }

    // A press, an optional drag through `path` and a release, in twips, as
    // the platform delivers them on the canvas.
    void click(double x, double y)
    {
        form->moveOnCanvas(0, 0, static_cast<float>(x), static_cast<float>(y));
        form->pressOnCanvas(toolkit::vbLeftButton, 0, static_cast<float>(x), static_cast<float>(y));
        form->releaseOnCanvas(toolkit::vbLeftButton, 0, static_cast<float>(x),
                              static_cast<float>(y));
    }
    void drag(double x1, double y1, double x2, double y2)
    {
        form->moveOnCanvas(0, 0, static_cast<float>(x1), static_cast<float>(y1));
        form->pressOnCanvas(toolkit::vbLeftButton, 0, static_cast<float>(x1),
                            static_cast<float>(y1));
        form->moveOnCanvas(toolkit::vbLeftButton, 0, static_cast<float>(x2),
                           static_cast<float>(y2));
        form->releaseOnCanvas(toolkit::vbLeftButton, 0, static_cast<float>(x2),
                              static_cast<float>(y2));
    }

    // The first half of a drag: the button goes down at (x, y) and stays
    // there; moveTo then moves with it held (or, with button 0, released).
    void press(double x, double y)
    {
        form->moveOnCanvas(0, 0, static_cast<float>(x), static_cast<float>(y));
        form->pressOnCanvas(toolkit::vbLeftButton, 0, static_cast<float>(x), static_cast<float>(y));
    }
    void moveTo(double x, double y, int button = toolkit::vbLeftButton)
    {
        form->moveOnCanvas(button, 0, static_cast<float>(x), static_cast<float>(y));
    }

    // A click on the middle of swatch `index` of the colour strip.
    void pickSwatch(int index)
    {
        const QPoint middle = editor::pictures::stripSwatch(index).center();
        pickStripPixel(middle.x(), middle.y());
    }
    void pickStripPixel(int x, int y)
    {
        form->pressOnColourStrip(toolkit::vbLeftButton, 0, float(x * 15 + 7), float(y * 15 + 7));
    }

    // The setting palettes, which share one row under the canvas and take
    // turns on screen, by the tool chosen.
    struct NamedButtons
    {
        const char* name;
        std::vector<toolkit::CommandButton*> buttons;
    };
    template <class Key>
    static std::vector<toolkit::CommandButton*>
    members(toolkit::ControlArray<toolkit::CommandButton, Key>& array)
    {
        std::vector<toolkit::CommandButton*> all;
        for (auto& button : array)
            all.push_back(&button);
        return all;
    }
    struct NamedControl
    {
        const char* name;
        QWidget* control;
        const toolkit::TwipsGeometry* place;
    };
    std::vector<NamedButtons> settingPalettes() const
    {
        return {{"polygonModeButtons", members(form->polygonModeButtons)},
                {"circleKindButtons", members(form->circleKindButtons)},
                {"widthButtons", members(form->widthButtons)},
                {"fillStyleButtons", members(form->fillStyleButtons)},
                {"eraserButtons", members(form->eraserButtons)},
                {"dotSizeButtons", members(form->dotSizeButtons)}};
    }
    std::vector<NamedControl> settingControls() const
    {
        return {{"closeFigureCheck", form->closeFigureCheck, form->closeFigureCheck},
                {"sidesList", form->sidesList, form->sidesList},
                {"numberStep", form->numberStep, form->numberStep},
                {"dotListBox", form->dotListBox, form->dotListBox},
                {"sidesLabel", form->sidesLabel, form->sidesLabel}};
    }

    // A stroke as a hand makes it: the pointer comes to the first point,
    // the button goes down, moves through the others and comes up there.
    void stroke(std::initializer_list<QPointF> points)
    {
        const QPointF first = *points.begin();
        const QPointF last = *(points.end() - 1);
        form->moveOnCanvas(0, 0, float(first.x()), float(first.y()));
        form->pressOnCanvas(toolkit::vbLeftButton, 0, float(first.x()), float(first.y()));
        for (const QPointF& p : points)
            if (&p != points.begin())
                form->moveOnCanvas(toolkit::vbLeftButton, 0, float(p.x()), float(p.y()));
        form->releaseOnCanvas(toolkit::vbLeftButton, 0, float(last.x()), float(last.y()));
    }

    // Chooses a colour as the adult does, by a click on its swatch in the
    // strip; false when the strip has no swatch of exactly that colour.
    bool pick(int colour)
    {
        const QImage strip = form->colourStrip->Image();
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                if (toolkit::fromQRgb(strip.pixel(x, y)) == colour) {
                    form->pressOnColourStrip(toolkit::vbLeftButton, 0, float(x * 15 + 7),
                                             float(y * 15 + 7));
                    return true;
                }
        return false;
    }

    // The dot list as the activity file will hold it.
    QStringList records() const
    {
        QStringList list;
        for (int i = 0; i < form->dotEntryCount; ++i)
            list << form->dotListBox->List(i);
        return list;
    }

    // A page as a whole picture (a saved bitmap): its drawing with its dots.
    QImage pageImage(int page) const { return form->pagePicture(page); }

    // The centre, in twips, of the ink in a square of 2 * half + 1 pixels
    // around (x, y), the pixel row through (x, y) left out: where a label
    // printed at a dot lies, clear of a horizontal line through the dot and
    // of a circle round it. NaN when the square holds no ink.
    static QPointF inkCentre(const QImage& image, double x, double y, int half = 10)
    {
        const int cx = int(x / 15);
        const int cy = int(y / 15);
        int left = cx + half, right = cx - half, top = cy + half, bottom = cy - half;
        for (int py = cy - half; py <= cy + half; ++py)
            for (int px = cx - half; px <= cx + half; ++px)
                if (py != cy && toolkit::fromQRgb(image.pixel(px, py)) != toolkit::vbWhite) {
                    left = std::min(left, px);
                    right = std::max(right, px);
                    top = std::min(top, py);
                    bottom = std::max(bottom, py);
                }
        if (left > right)
            return {qQNaN(), qQNaN()};
        return {(left + right + 1) * 7.5, (top + bottom + 1) * 7.5};
    }

    // Colour of a canvas or page pixel at a position in twips.
    int canvasAt(double x, double y) const { return form->canvas->Point(x, y); }
    int pageAt(int page, double x, double y) const
    {
        const QImage picture = pageImage(page);
        const QPoint at(int(x / 15), int(y / 15));
        return picture.rect().contains(at) ? toolkit::fromQRgb(picture.pixel(at)) : -1;
    }
};
