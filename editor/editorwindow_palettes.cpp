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
            activeTool = Tool::Line;
            showAll(widthButtons);
            break;
        case Tool::Stamp:
            fillStyleButtons(0).show();
            fillStyleButtons(1).show();
            activeTool = Tool::Stamp;
            break;
        case Tool::Pencil:
            activeTool = Tool::Pencil;
            showAll(widthButtons);
            break;
        case Tool::SnapToGrid:
            gridStep = (gridButton + 1) * 50;
            break;
        case Tool::FreeHand:
            gridStep = 1;
            break;
        case Tool::Circle:
            showAll(fillStyleButtons);
            showAll(circleKindButtons);
            activeTool = Tool::Circle;
            break;
        case Tool::Rectangle:
            showAll(fillStyleButtons);
            activeTool = Tool::Rectangle;
            break;
        case Tool::Fill:
            activeTool = Tool::Fill;
            break;
        case Tool::Polygon:
            showAll(polygonModeButtons);
            sidesLabel->show();
            sidesList->show();
            activeTool = Tool::Polygon;
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
            activeTool = Tool::Eraser;
            break;
        case Tool::Dots:
            dotNumber = numberAfterTheList();
            newFigure = true;
            activeTool = Tool::Dots;
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

void EditorWindow::recomputeCentre()
{
    const auto half = [this](int twips) {
        return static_cast<int>(toolkit::roundHalfEven(twips / 2.0)) / gridStep * gridStep;
    };
    centreX = half(canvas->Width());
    centreY = half(canvas->Height());
}

void EditorWindow::chooseGrid(int step)
{
    gridButton = step / 50 - 1;
    markChosen(gridButtons, gridButton);
    gridStep = step;
    recomputeCentre();
    showGrid();
}

// The grid's dots go on the canvas only, over the current page and under
// the activity's dots; a page switch or a save takes them away again.
void EditorWindow::showGrid()
{
    canvas->AutoRedraw = true;
    canvas->setPicture(page().Image());
    canvas->DrawWidth = 1;
    canvas->PSetGrid(shownGridStep(), canvas->Width(), canvas->Height(), toolkit::vbBlack);
    canvas->AutoRedraw = false;
    gridShown_ = true;
    drawDots(*canvas, currentPage);
}

void EditorWindow::chooseSymmetry(Symmetry symmetry)
{
    if (symmetry == Symmetry::None) {
        mirrorLeftRight = mirrorTopBottom = mirrorCentre = false;
        for (auto& button : symmetryButtons)
            button.setBackColor(vbWhite);
        symmetryButtons(Symmetry::None).setBackColor(vbGreen);
        return;
    }
    // The three mirrors add up; each button switches its own.
    bool* flags[4] = {nullptr, &mirrorLeftRight, &mirrorTopBottom, &mirrorCentre};
    const bool on = symmetryButtons(symmetry).BackColor() != vbGreen;
    symmetryButtons(symmetry).setBackColor(on ? vbGreen : vbWhite);
    *flags[static_cast<int>(symmetry)] = on;
}

void EditorWindow::choosePage(int number)
{
    pageButtons(highlightedPageButton).setBackColor(vbWhite);
    pageButtons(number).setBackColor(Blue);
    if (number != currentPage) {
        page().compact();
        if (undoDepth[currentPage] > 0)
            undoRings[size_t(currentPage + 1)](previousSlot(undoPos[currentPage])).park();
    }
    currentPage = highlightedPageButton = number;
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
    lineWidth = width;
    canvas->DrawWidth = lineWidth;
    for (int p = 0; p < Pages; ++p)
        pages(p).DrawWidth = lineWidth;
}

void EditorWindow::chooseFillStyle(int style)
{
    fillStyleChoice = style;
    canvas->FillStyle = style;
    for (int p = 0; p < Pages; ++p)
        pages(p).FillStyle = style;
}

void EditorWindow::chooseEraserSize(int size)
{
    markChosen(eraserButtons, size);
    brushSize = 25 * size + 20;
}

void EditorWindow::chooseDotSize(DotButton size)
{
    static constexpr int FontPoints[3] = {9, 12, 18};
    static constexpr int DotSizes[3] = {150, 200, 250};
    const auto n = static_cast<size_t>(size);
    if (n > 2)
        return;
    canvas->FontSize = FontPoints[n];
    page().FontSize = FontPoints[n];
    dotSize = DotSizes[n];
    workChanged(false);
}

void EditorWindow::clearDotList()
{
    if (!dots.empty()) {
        pushUndoSnapshot();
        rememberDotStep();
    }
    dots.clear();
    openedActivity.clear();
    dotListChanged();
    dotNumber = 1; // a new list counts from 1, as a child does
    newFigure = true;
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
    colourRed = c % 256;
    colourGreen = (c / 256) % 256;
    colourBlue = c / 65536;
    const int colour = currentColour();
    canvas->FillColor = colour;
    page().FillColor = colour;
    canvas->ForeColor = colour;
    page().ForeColor = colour;
}

} // namespace editor
