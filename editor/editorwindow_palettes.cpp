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
    for (auto* buttons : {&Command5, &Command6, &Command7, &Command8, &Command10, &Command11})
        for (int i = 0; i < buttons->Count(); ++i)
            (*buttons)(i).hide();
    for (QWidget* control : std::initializer_list<QWidget*>{
             Label1, Combo1, Combo4, Check1, Combo5, MoveButton, AutoDotsButton, AutoDotsCount,
             ShowDrawingCheck, EraseOutlineCheck})
        control->hide();
}

void EditorWindow::Command1_Click(int Index)
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
            showAll(Command7);
            break;
        case 3:
            Command8(0).show();
            Command8(1).show();
            activeTool = 3;
            break;
        case 4:
            activeTool = 4;
            showAll(Command7);
            break;
        case 5:
            gridStep = (gridButton + 1) * 50;
            break;
        case 6:
            gridStep = 1;
            break;
        case 8:
            showAll(Command8);
            showAll(Command6);
            activeTool = 8;
            break;
        case 10:
            showAll(Command8);
            activeTool = 10;
            break;
        case 11:
            activeTool = 11;
            break;
        case 12:
            showAll(Command5);
            Label1->show();
            Combo1->show();
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
            showAll(Command10);
            activeTool = 18;
            break;
        case 19:
            dotNumber = numberAfterTheList();
            newFigure = true;
            activeTool = 19;
            showAll(Command11);
            Combo4->show();
            Check1->show();
            Combo5->show();
            MoveButton->show();
            AutoDotsButton->show();
            AutoDotsCount->show();
            ShowDrawingCheck->show();
            EraseOutlineCheck->show();
            if (movingDots)
                MoveButton_Click(); // a dot tool chosen again places dots
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
    centreX = half(Picture1->Width());
    centreY = half(Picture1->Height());
}

void EditorWindow::Command2_Click(int Index)
{
    markChosen(Command2, Index);
    gridStep = (Index + 1) * 50;
    gridButton = Index;
    recomputeCentre();
    showGrid();
}

// The grid's dots go on the canvas only, over the current page and under
// the activity's dots; a page switch or a save takes them away again.
void EditorWindow::showGrid()
{
    Picture1->AutoRedraw = true;
    Picture1->setPicture(page().Image());
    Picture1->DrawWidth = 1;
    Picture1->PSetGrid(shownGridStep(), Picture1->Width(), Picture1->Height(), toolkit::vbBlack);
    Picture1->AutoRedraw = false;
    gridShown_ = true;
    drawDots(*Picture1, currentPage);
}

void EditorWindow::Command3_Click(int Index)
{
    if (Index == 0) {
        mirrorLeftRight = mirrorTopBottom = mirrorCentre = false;
        Command3(0).setBackColor(vbGreen);
        for (int i = 1; i < 4; ++i)
            Command3(i).setBackColor(vbWhite);
        return;
    }
    bool* flags[4] = {nullptr, &mirrorLeftRight, &mirrorTopBottom, &mirrorCentre};
    const bool on = Command3(Index).BackColor() != vbGreen;
    Command3(Index).setBackColor(on ? vbGreen : vbWhite);
    *flags[Index] = on;
}

void EditorWindow::Command4_Click(int Index)
{
    Command4(highlightedPageButton).setBackColor(vbWhite);
    Command4(Index).setBackColor(Blue);
    if (Index != currentPage) {
        page().compact();
        if (undoDepth[currentPage] > 0)
            Image[size_t(currentPage + 1)](previousSlot(undoPos[currentPage])).park();
    }
    currentPage = highlightedPageButton = Index;
    showPage();
    prefetchNewestSnapshot();
    workChanged(false);
}

void EditorWindow::Command5_Click(int Index)
{
    polygonMode = Index;
}

void EditorWindow::Command6_Click(int Index)
{
    circleKind = Index;
}

void EditorWindow::Command7_Click(int Index)
{
    markChosen(Command7, Index);
    lineWidth = Index + 1;
    Picture1->DrawWidth = lineWidth;
    for (int p = 0; p < Pages; ++p)
        Picture2(p).DrawWidth = lineWidth;
}

void EditorWindow::Command8_Click(int Index)
{
    fillStyleChoice = Index;
    Picture1->FillStyle = Index;
    for (int p = 0; p < Pages; ++p)
        Picture2(p).FillStyle = Index;
}

void EditorWindow::Command10_Click(int Index)
{
    markChosen(Command10, Index);
    brushSize = 25 * Index + 20;
}

void EditorWindow::Command11_Click(int Index)
{
    static constexpr int FontPoints[3] = {9, 12, 18};
    static constexpr int DotSizes[3] = {150, 200, 250};
    if (Index <= 2) {
        Picture1->FontSize = FontPoints[Index];
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
        const bool circles = Command11(4).text().toUpper() == QStringLiteral("O");
        Command11(4).setCaption(circles ? QString() : QStringLiteral("O"));
    }
    workChanged(false);
}

void EditorWindow::Check1_Click()
{
    closeFigure();
    workChanged();
}

void EditorWindow::picture3_MouseDown(int, int, float X, float Y)
{
    const int c = Picture3->Point(X, Y);
    if (c < 0)
        return; // outside the strip: the colour stays
    colourRed = c % 256;
    colourGreen = (c / 256) % 256;
    colourBlue = c / 65536;
    const int colour = currentColour();
    Picture1->FillColor = colour;
    page().FillColor = colour;
    Picture1->ForeColor = colour;
    page().ForeColor = colour;
}

} // namespace editor
