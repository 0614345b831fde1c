#include "editorwindow.h"

#include "colour.h"
#include "twips.h"

#include <algorithm>

namespace editor {

using toolkit::CommandButton;
using toolkit::PictureBox;

namespace {

// A screen too small for the designed column still gets a canvas, however
// tiny, rather than a negative size.
int atLeastOnePixel(int twips)
{
    return std::max(toolkit::TwipsPerPixel, twips);
}

// Lays out `count` buttons of an array in a row from `left`, each starting
// where the one before it ends.
template <class Key>
void chain(toolkit::ControlArray<CommandButton, Key>& buttons, int left, int top)
{
    for (auto& button : buttons) {
        button.setTop(top);
        button.setLeft(left);
        left = button.Left() + button.Width();
    }
}

} // namespace

void EditorWindow::buildEditorWindow()
{
    for (int i = 1; i < Pages; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, pageButtons(0).Width(), pageButtons(0).Height());
        button->setBackColor(toolkit::vbWhite);
        button->setCaption(QString::number(i + 1));
        button->setToolTipText(tr("Página %1").arg(i + 1));
        button->hide();
        button->onClick = [this, i] { choosePage(i); };
        name(button, "pageButtons", i);
        pageButtons.Load(button);

        auto* page = new PictureBox(this);
        page->setBackColor(toolkit::vbWhite);
        page->hide();
        name(page, "pages", i);
        pages.Load(page);
    }
    pageButtons(0).setBackColor(0xFF0000);

    const int screenWidth = platform_.screenWidthTwips();
    const int screenHeight = platform_.screenHeightTwips();
    colourStrip->setTop(toolButtons(Tool::OpenPicture).Top());
    canvas->setTop(colourStrip->Top() + colourStrip->Height() + 20);
    canvas->setLeft(toolButtons(Tool::SavePicture).Left() + toolButtons(Tool::SavePicture).Width() +
                    75);
    canvas->setWidth(atLeastOnePixel(screenWidth - canvas->Left() - 75));
    canvas->setHeight(atLeastOnePixel(screenHeight - canvas->Top() - pageButtons(0).Height() - 80));

    pageButtons(0).setTop(canvas->Top() + canvas->Height() + 20);
    pageButtons(0).setLeft(canvas->Left());
    for (int i = 0; i < Pages; ++i) {
        // All four at once: one full-size picture made, not one per side.
        pages(i).Move(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height());
        // Hidden pages wait compressed; only the page drawn on is kept whole.
        if (i != 0)
            pages(i).compact();
    }
    composer_->Move(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height());
    composer_->compact();
    chain(pageButtons, pageButtons(0).Left(), pageButtons(0).Top());
    for (int i = 1; i < Pages; ++i)
        pageButtons(i).show();
    // The pointer reaches a page button a moment before the click: time
    // enough to bring the page back whole, so the switch only shows it.
    for (int i = 0; i < Pages; ++i)
        pageButtons(i).onMouseEnter = [this, i] { pages(i).prefetch(); };

    const int A = pageButtons(9).Left() + 1000;
    const int T = pageButtons(0).Top();
    chain(polygonModeButtons, A, T);
    sidesLabel->setTop(T);
    sidesLabel->setLeft(polygonModeButtons(2).Left() + polygonModeButtons(2).Width() + 100);
    sidesList->setTop(T);
    sidesList->setLeft(sidesLabel->Left() + sidesLabel->Width() + 50);

    chain(circleKindButtons, A, T);
    chain(fillStyleButtons, circleKindButtons(5).Left() + 400, T);
    chain(widthButtons, A, T);
    chain(eraserButtons, A, T);

    chain(dotSizeButtons, A, T);
    numberStep->setTop(T);
    numberStep->setLeft(dotSizeButtons(DotButton::Circles).Left() + 500);
    closeFigureCheck->setTop(T);
    closeFigureCheck->setLeft(numberStep->Left() + numberStep->Width() + 150);
    dotListBox->setTop(T);
    dotListBox->setLeft(closeFigureCheck->Left() + closeFigureCheck->Width() + 100);
    placeMoveButton();
    placeAutoDots();
}

} // namespace editor
