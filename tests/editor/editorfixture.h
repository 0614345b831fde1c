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

    // The window's controls, found by the names they were given, as Qt
    // tests find them. The toolkit's controls have no meta-object of their
    // own, so a widget found is cast to what it is.
    template <class T = toolkit::CommandButton> T* find(const QString& name) const
    {
        T* found = dynamic_cast<T*>(form->findChild<QWidget*>(name));
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template <class T = toolkit::CommandButton, class Key = int>
    T& member(const char* row, Key index) const
    {
        return *find<T>(QLatin1String(row) + QString::number(int(index)));
    }
    // Every member of a row of controls, in order.
    std::vector<toolkit::CommandButton*> row(const char* name) const
    {
        std::vector<toolkit::CommandButton*> all;
        while (auto* button = dynamic_cast<toolkit::CommandButton*>(
                   form->findChild<QWidget*>(QLatin1String(name) + QString::number(all.size()))))
            all.push_back(button);
        return all;
    }
    toolkit::PictureBox* canvas() const { return find<toolkit::PictureBox>("canvas"); }
    toolkit::PictureBox* colourStrip() const { return find<toolkit::PictureBox>("colourStrip"); }
    toolkit::PictureBox& page(int n) const { return member<toolkit::PictureBox>("pages", n); }
    toolkit::CommandButton& toolButton(Tool tool) const { return member("toolButtons", int(tool)); }
    toolkit::CommandButton& dotSizeButton(DotButton b) const
    {
        return member("dotSizeButtons", int(b));
    }
    toolkit::ComboBox* dotListBox() const { return find<toolkit::ComboBox>("dotListBox"); }
    toolkit::ComboBox* numberStep() const { return find<toolkit::ComboBox>("numberStep"); }
    int dotCount() const { return int(form->dotList().size()); }

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
    struct NamedControl
    {
        const char* name;
        QWidget* control;
        const toolkit::TwipsGeometry* place;
    };
    std::vector<NamedButtons> settingPalettes() const
    {
        std::vector<NamedButtons> palettes;
        for (const char* name : {"polygonModeButtons", "circleKindButtons", "widthButtons",
                                 "fillStyleButtons", "eraserButtons", "dotSizeButtons"})
            palettes.push_back({name, row(name)});
        return palettes;
    }
    std::vector<NamedControl> settingControls() const
    {
        auto* closeFigure = find<toolkit::CheckBox>("closeFigureCheck");
        auto* sidesList = find<toolkit::ComboBox>("sidesList");
        auto* sidesLabel = find<toolkit::Label>("sidesLabel");
        return {{"closeFigureCheck", closeFigure, closeFigure},
                {"sidesList", sidesList, sidesList},
                {"numberStep", numberStep(), numberStep()},
                {"dotListBox", dotListBox(), dotListBox()},
                {"sidesLabel", sidesLabel, sidesLabel}};
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
        const QImage strip = colourStrip()->Image();
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
        for (int i = 0; i < int(form->dotList().size()); ++i)
            list << dotListBox()->List(i);
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
    int canvasAt(double x, double y) const { return canvas()->Point(x, y); }
    int pageAt(int page, double x, double y) const
    {
        const QImage picture = pageImage(page);
        const QPoint at(int(x / 15), int(y / 15));
        return picture.rect().contains(at) ? toolkit::fromQRgb(picture.pixel(at)) : -1;
    }
};
