#pragma once

// An editor on a 1920 x 1080 screen for the benchmarks, with the gestures
// they repeat.

#include "editor/editorwindow.h"
#include "editorpictures.h"
#include "fakeplatform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

using Tool = editor::EditorWindow::Tool;
using Symmetry = editor::EditorWindow::Symmetry;

constexpr int ScreenWidthPx = 1920;
constexpr int ScreenHeightPx = 1080;

struct Editor
{
    QTemporaryDir folder;
    toolkit::FakePlatform platform;
    std::unique_ptr<editor::EditorWindow> form;

    Editor()
    {
        platform.applicationFolder = folder.path();
        platform.screenWidthPx = ScreenWidthPx;
        platform.screenHeightPx = ScreenHeightPx;
        form = std::make_unique<editor::EditorWindow>(platform);
        form->Show();
        QApplication::processEvents();
        form->chooseTool(Tool::FreeHand); // free placement: every move is a new point
    }

    // A control of the window, by the name it was given.
    template <class T> T* find(const char* name) const
    {
        return dynamic_cast<T*>(form->findChild<QWidget*>(QLatin1String(name)));
    }
    toolkit::PictureBox* canvas() const { return find<toolkit::PictureBox>("canvas"); }

    // A click on swatch `index` of the colour strip, the count of swatches
    // going round.
    void pickSwatch(int index) const
    {
        const int count = int(editor::pictures::stripColours.size());
        const QPoint middle = editor::pictures::stripSwatch(index % count).center();
        form->pressOnColourStrip(1, 0, float(middle.x() * 15 + 7), float(middle.y() * 15 + 7));
    }

    void press(double x, double y) const
    {
        form->moveOnCanvas(0, 0, float(x), float(y));
        form->pressOnCanvas(1, 0, float(x), float(y));
    }
    void line(double x1, double y1, double x2, double y2) const
    {
        press(x1, y1);
        form->moveOnCanvas(1, 0, float(x2), float(y2));
        form->releaseOnCanvas(1, 0, float(x2), float(y2));
    }

    // Criss-crossing lines in many colours on `page`, as a worked page
    // holds them, which also fills its undo ring.
    void busyPage(int page)
    {
        form->choosePage(page);
        form->chooseTool(Tool::Line);
        form->chooseWidth(4);
        const double w = canvas()->ScaleWidth();
        const double h = canvas()->ScaleHeight();
        for (int i = 0; i < 60; ++i) {
            pickSwatch(i * 7);
            line((i * 997) % int(w), 0, (i * 1543) % int(w), h - 15);
            line(0, (i * 613) % int(h), w - 15, (i * 421) % int(h));
        }
    }
};

} // namespace
