#pragma once

// An editor on a 1920 x 1080 screen for the benchmarks, with the gestures
// they repeat.

#include "editor/editorwindow.h"
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
        const double w = form->canvas->ScaleWidth();
        const double h = form->canvas->ScaleHeight();
        for (int i = 0; i < 60; ++i) {
            form->colourRed = (i * 37) % 256;
            form->colourGreen = (i * 91) % 256;
            form->colourBlue = (i * 53) % 256;
            line((i * 997) % int(w), 0, (i * 1543) % int(w), h - 15);
            line(0, (i * 613) % int(h), w - 15, (i * 421) % int(h));
        }
    }
};

} // namespace
