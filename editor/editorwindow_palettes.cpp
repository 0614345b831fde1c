#include "editorwindow.h"

#include "colour.h"
#include "skiponfailure.h"
#include "twips.h"

#include <cmath>

namespace editor {

using toolkit::vbGreen;
using toolkit::vbWhite;

namespace {

using toolkit::skipOnFailure;

constexpr int Blue = 0xFF0000;

template <class Key> void showAll(toolkit::ControlArray<toolkit::CommandButton, Key>& buttons)
{
    for (auto& button : buttons)
        button.show();
}

// Marks `chosen` green and every other green button of the group white.
void markChosen(toolkit::ControlArray<toolkit::CommandButton>& buttons, int chosen)
{
    for (auto& button : buttons)
        if (button.BackColor() == vbGreen)
            button.setBackColor(vbWhite);
    buttons(chosen).setBackColor(vbGreen);
}

} // namespace

void EditorWindow::hideSettingPalettes()
{
    for (auto* buttons : {&polygonModeButtons, &circleKindButtons, &widthButtons, &fillStyleButtons,
                          &eraserButtons})
        for (auto& button : *buttons)
            button.hide();
    for (auto& button : dotSizeButtons)
        button.hide();
    for (QWidget* control : std::initializer_list<QWidget*>{
             sidesLabel, sidesList, numberStep, closeFigureCheck, dotListBox, moveButton,
             autoDotsButton, autoDotsCount, showDrawingCheck, eraseOutlineCheck})
        control->hide();
}

void EditorWindow::chooseTool(Tool tool)
{
    switch (tool) {
    case Tool::Line:
    case Tool::Stamp:
    case Tool::Pencil:
    case Tool::Circle:
    case Tool::Rectangle:
    case Tool::Polygon:
    case Tool::Eraser:
    case Tool::Dots:
        hideSettingPalettes();
        break;
    default:
        break;
    }
    skipOnFailure([&] {
        switch (tool) {
        case Tool::OpenPicture:
            openPicture();
            break;
        case Tool::SavePicture:
            savePictureAs();
            break;
        case Tool::Line:
            activeTool_ = Tool::Line;
            showAll(widthButtons);
            break;
        case Tool::Stamp:
            fillStyleButtons(0).show();
            fillStyleButtons(1).show();
            activeTool_ = Tool::Stamp;
            break;
        case Tool::Pencil:
            activeTool_ = Tool::Pencil;
            showAll(widthButtons);
            break;
        case Tool::SnapToGrid:
            settings_.placeOnGrid();
            break;
        case Tool::FreeHand:
            settings_.placeFreely();
            break;
        case Tool::Circle:
            showAll(fillStyleButtons);
            showAll(circleKindButtons);
            activeTool_ = Tool::Circle;
            break;
        case Tool::Rectangle:
            showAll(fillStyleButtons);
            activeTool_ = Tool::Rectangle;
            break;
        case Tool::Fill:
            activeTool_ = Tool::Fill;
            break;
        case Tool::Polygon:
            showAll(polygonModeButtons);
            sidesLabel->show();
            sidesList->show();
            activeTool_ = Tool::Polygon;
            break;
        case Tool::Undo:
            undoStep();
            break;
        case Tool::ClearPage:
            clearPage();
            break;
        case Tool::Exit:
            leave();
            break;
        case Tool::SaveActivity:
            writeActivity();
            break;
        case Tool::Paste:
            paste();
            break;
        case Tool::Eraser:
            showAll(eraserButtons);
            activeTool_ = Tool::Eraser;
            break;
        case Tool::Dots:
            next_.number = numberAfterTheList();
            next_.newFigure = true;
            activeTool_ = Tool::Dots;
            showAll(dotSizeButtons);
            numberStep->show();
            closeFigureCheck->show();
            dotListBox->show();
            moveButton->show();
            autoDotsButton->show();
            autoDotsCount->show();
            showDrawingCheck->show();
            eraseOutlineCheck->show();
            if (movingDots)
                switchMoving(); // a dot tool chosen again places dots
            break;
        default:
            break;
        }
    });
    if (tool == Tool::OpenPicture || tool == Tool::Undo || tool == Tool::ClearPage ||
        tool == Tool::Paste)
        workChanged();
}

void EditorWindow::chooseGrid(int step)
{
    settings_.chooseGrid(step, {canvas->Width(), canvas->Height()});
    markChosen(gridButtons, settings_.gridButton());
    showGrid();
}

// The grid's dots go on the canvas only, over the current page and under
// the activity's dots; a page switch or a save takes them away again.
void EditorWindow::showGrid()
{
    canvas->AutoRedraw = true;
    canvas->setPicture(page().Image());
    canvas->DrawWidth = 1;
    canvas->PSetGrid(settings_.shownGridStep(), canvas->Width(), canvas->Height(),
                     toolkit::vbBlack);
    canvas->AutoRedraw = false;
    gridShown_ = true;
    drawDots(*canvas, currentPage_);
}

void EditorWindow::chooseSymmetry(Symmetry symmetry)
{
    if (symmetry == Symmetry::None) {
        settings_.clearMirrors();
        for (auto& button : symmetryButtons)
            button.setBackColor(vbWhite);
        symmetryButtons(Symmetry::None).setBackColor(vbGreen);
        return;
    }
    // The three mirrors add up; each button switches its own.
    const bool on = symmetryButtons(symmetry).BackColor() != vbGreen;
    symmetryButtons(symmetry).setBackColor(on ? vbGreen : vbWhite);
    settings_.setMirror(symmetry, on);
}

void EditorWindow::choosePage(int number)
{
    pageButtons(highlightedPageButton).setBackColor(vbWhite);
    pageButtons(number).setBackColor(Blue);
    if (number != currentPage_) {
        page().compact();
        undo_.parkNewest(currentPage_);
    }
    currentPage_ = highlightedPageButton = number;
    showPage();
    prefetchNewestSnapshot();
    workChanged(false);
}

void EditorWindow::choosePolygonMode(int mode)
{
    polygonMode = mode;
}

void EditorWindow::chooseCircleKind(int kind)
{
    circleKind = kind;
}

void EditorWindow::chooseWidth(int width)
{
    markChosen(widthButtons, width - 1);
    settings_.setLineWidth(width);
    canvas->DrawWidth = settings_.lineWidth();
    for (int p = 0; p < Pages; ++p)
        pages(p).DrawWidth = settings_.lineWidth();
}

void EditorWindow::chooseFillStyle(int style)
{
    settings_.setFillStyle(style);
    canvas->FillStyle = style;
    for (int p = 0; p < Pages; ++p)
        pages(p).FillStyle = style;
}

void EditorWindow::chooseEraserSize(int size)
{
    markChosen(eraserButtons, size);
    settings_.chooseEraserSize(size);
}

void EditorWindow::chooseDotSize(DotButton size)
{
    const auto n = static_cast<size_t>(size);
    if (n > 2)
        return;
    canvas->FontSize = DrawingSettings::DotFontPoints[n];
    page().FontSize = DrawingSettings::DotFontPoints[n];
    settings_.setDotSize(DrawingSettings::DotSizes[n]);
    workChanged(false);
}

void EditorWindow::clearDotList()
{
    if (!dots_.empty()) {
        pushUndoSnapshot();
        rememberDotStep();
    }
    dots_.clear();
    openedActivity_.clear();
    dotListChanged();
    next_.number = 1; // a new list counts from 1, as a child does
    next_.newFigure = true;
    showCanvas();
    workChanged(false);
}

void EditorWindow::switchDotCircles()
{
    auto& circles = dotSizeButtons(DotButton::Circles);
    circles.setCaption(circles.text().toUpper() == QStringLiteral("O") ? QString()
                                                                       : QStringLiteral("O"));
    workChanged(false);
}

void EditorWindow::pressCloseFigure()
{
    closeFigure();
    workChanged();
}

void EditorWindow::pressOnColourStrip(int, int, float X, float Y)
{
    const int c = colourStrip->Point(X, Y);
    if (c < 0)
        return; // outside the strip: the colour stays
    settings_.setColour(c);
    const int colour = currentColour();
    canvas->FillColor = colour;
    page().FillColor = colour;
    canvas->ForeColor = colour;
    page().ForeColor = colour;
}

} // namespace editor
