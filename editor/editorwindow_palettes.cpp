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

void showAll(toolkit::ControlArray<toolkit::CommandButton>& buttons)
{
    for (int i = 0; i < buttons.Count(); ++i)
        buttons(i).show();
}

// Marks `chosen` green and every other green button of the group white.
void markChosen(toolkit::ControlArray<toolkit::CommandButton>& buttons, int chosen)
{
    for (int i = 0; i < buttons.Count(); ++i)
        if (buttons(i).BackColor() == vbGreen)
            buttons(i).setBackColor(vbWhite);
    buttons(chosen).setBackColor(vbGreen);
}

} // namespace

void EditorWindow::hideSettingPalettes()
{
    for (auto* buttons : {&polygonModeButtons, &circleKindButtons, &widthButtons, &fillStyleButtons,
                          &eraserButtons, &dotSizeButtons})
        for (int i = 0; i < buttons->Count(); ++i)
            (*buttons)(i).hide();
    for (QWidget* control : std::initializer_list<QWidget*>{
             sidesLabel, sidesList, numberStep, closeFigureCheck, dotListBox, moveButton,
             autoDotsButton, autoDotsCount, showDrawingCheck, eraseOutlineCheck})
        control->hide();
}

void EditorWindow::chooseTool(int Index)
{
    switch (Index) {
    case 2:
    case 3:
    case 4:
    case 8:
    case 10:
    case 12:
    case 18:
    case 19:
        hideSettingPalettes();
        break;
    default:
        break;
    }
    skipOnFailure([&] {
        switch (Index) {
        case 0:
            openPicture();
            break;
        case 1:
            savePictureAs();
            break;
        case 2:
            activeTool = 2;
            showAll(widthButtons);
            break;
        case 3:
            fillStyleButtons(0).show();
            fillStyleButtons(1).show();
            activeTool = 3;
            break;
        case 4:
            activeTool = 4;
            showAll(widthButtons);
            break;
        case 5:
            gridStep = (gridButton + 1) * 50;
            break;
        case 6:
            gridStep = 1;
            break;
        case 8:
            showAll(fillStyleButtons);
            showAll(circleKindButtons);
            activeTool = 8;
            break;
        case 10:
            showAll(fillStyleButtons);
            activeTool = 10;
            break;
        case 11:
            activeTool = 11;
            break;
        case 12:
            showAll(polygonModeButtons);
            sidesLabel->show();
            sidesList->show();
            activeTool = 12;
            break;
        case 13:
            undoStep();
            break;
        case 14:
            clearPage();
            break;
        case 15:
            leave();
            break;
        case 16:
            writeActivity();
            break;
        case 17:
            paste();
            break;
        case 18:
            showAll(eraserButtons);
            activeTool = 18;
            break;
        case 19:
            dotNumber = numberAfterTheList();
            newFigure = true;
            activeTool = 19;
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
    if (Index == 0 || Index == 13 || Index == 14 || Index == 17)
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

void EditorWindow::chooseGrid(int Index)
{
    markChosen(gridButtons, Index);
    gridStep = (Index + 1) * 50;
    gridButton = Index;
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

void EditorWindow::chooseSymmetry(int Index)
{
    if (Index == 0) {
        mirrorLeftRight = mirrorTopBottom = mirrorCentre = false;
        symmetryButtons(0).setBackColor(vbGreen);
        for (int i = 1; i < 4; ++i)
            symmetryButtons(i).setBackColor(vbWhite);
        return;
    }
    bool* flags[4] = {nullptr, &mirrorLeftRight, &mirrorTopBottom, &mirrorCentre};
    const bool on = symmetryButtons(Index).BackColor() != vbGreen;
    symmetryButtons(Index).setBackColor(on ? vbGreen : vbWhite);
    *flags[Index] = on;
}

void EditorWindow::choosePage(int Index)
{
    pageButtons(highlightedPageButton).setBackColor(vbWhite);
    pageButtons(Index).setBackColor(Blue);
    if (Index != currentPage) {
        page().compact();
        if (undoDepth[currentPage] > 0)
            undoRings[size_t(currentPage + 1)](previousSlot(undoPos[currentPage])).park();
    }
    currentPage = highlightedPageButton = Index;
    showPage();
    prefetchNewestSnapshot();
    workChanged(false);
}

void EditorWindow::choosePolygonMode(int Index)
{
    polygonMode = Index;
}

void EditorWindow::chooseCircleKind(int Index)
{
    circleKind = Index;
}

void EditorWindow::chooseWidth(int Index)
{
    markChosen(widthButtons, Index);
    lineWidth = Index + 1;
    canvas->DrawWidth = lineWidth;
    for (int p = 0; p < Pages; ++p)
        pages(p).DrawWidth = lineWidth;
}

void EditorWindow::chooseFillStyle(int Index)
{
    fillStyleChoice = Index;
    canvas->FillStyle = Index;
    for (int p = 0; p < Pages; ++p)
        pages(p).FillStyle = Index;
}

void EditorWindow::chooseEraserSize(int Index)
{
    markChosen(eraserButtons, Index);
    brushSize = 25 * Index + 20;
}

void EditorWindow::pressDotButton(int Index)
{
    static constexpr int FontPoints[3] = {9, 12, 18};
    static constexpr int DotSizes[3] = {150, 200, 250};
    if (Index <= 2) {
        canvas->FontSize = FontPoints[Index];
        page().FontSize = FontPoints[Index];
        dotSize = DotSizes[Index];
    } else if (Index == 3) {
        // The dots go from the page with the list: one undo brings them back.
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
    } else {
        const bool circles = dotSizeButtons(4).text().toUpper() == QStringLiteral("O");
        dotSizeButtons(4).setCaption(circles ? QString() : QStringLiteral("O"));
    }
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
