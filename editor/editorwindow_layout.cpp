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
void chain(toolkit::ControlArray<CommandButton>& buttons, int count, int left, int top)
{
    for (int i = 0; i < count; ++i) {
        buttons(i).setTop(top);
        buttons(i).setLeft(i == 0 ? left : buttons(i - 1).Left() + buttons(i - 1).Width());
    }
}

} // namespace

void EditorWindow::buildEditorWindow()
{
    for (int i = 1; i < Pages; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, Command4(0).Width(), Command4(0).Height());
        button->setBackColor(toolkit::vbWhite);
        button->setCaption(QString::number(i + 1));
        button->setToolTipText(tr("Página %1").arg(i + 1));
        button->hide();
        button->onClick = [this, i] { Command4_Click(i); };
        Command4.Load(button);

        auto* page = new PictureBox(this);
        page->setBackColor(toolkit::vbWhite);
        page->hide();
        Picture2.Load(page);
    }
    Command4(0).setBackColor(0xFF0000);

    const int screenWidth = platform_.screenWidthTwips();
    const int screenHeight = platform_.screenHeightTwips();
    Picture3->setTop(Command1(0).Top());
    Picture1->setTop(Picture3->Top() + Picture3->Height() + 20);
    Picture1->setLeft(Command1(1).Left() + Command1(1).Width() + 75);
    Picture1->setWidth(atLeastOnePixel(screenWidth - Picture1->Left() - 75));
    Picture1->setHeight(
        atLeastOnePixel(screenHeight - Picture1->Top() - Command4(0).Height() - 80));

    Command4(0).setTop(Picture1->Top() + Picture1->Height() + 20);
    Command4(0).setLeft(Picture1->Left());
    for (int i = 0; i < Pages; ++i) {
        // All four at once: one full-size picture made, not one per side.
        Picture2(i).Move(Picture1->Left(), Picture1->Top(), Picture1->Width(), Picture1->Height());
        // Hidden pages wait compressed; only the page drawn on is kept whole.
        if (i != 0)
            Picture2(i).compact();
    }
    composer_->Move(Picture1->Left(), Picture1->Top(), Picture1->Width(), Picture1->Height());
    composer_->compact();
    chain(Command4, Pages, Command4(0).Left(), Command4(0).Top());
    for (int i = 1; i < Pages; ++i)
        Command4(i).show();
    // The pointer reaches a page button a moment before the click: time
    // enough to bring the page back whole, so the switch only shows it.
    for (int i = 0; i < Pages; ++i)
        Command4(i).onMouseEnter = [this, i] { Picture2(i).prefetch(); };

    const int A = Command4(9).Left() + 1000;
    const int T = Command4(0).Top();
    chain(Command5, 3, A, T);
    Label1->setTop(T);
    Label1->setLeft(Command5(2).Left() + Command5(2).Width() + 100);
    Combo1->setTop(T);
    Combo1->setLeft(Label1->Left() + Label1->Width() + 50);

    chain(Command6, 6, A, T);
    chain(Command8, 8, Command6(5).Left() + 400, T);
    chain(Command7, 14, A, T);
    chain(Command10, 6, A, T);

    chain(Command11, 5, A, T);
    Combo4->setTop(T);
    Combo4->setLeft(Command11(4).Left() + 500);
    Check1->setTop(T);
    Check1->setLeft(Combo4->Left() + Combo4->Width() + 150);
    Combo5->setTop(T);
    Combo5->setLeft(Check1->Left() + Check1->Width() + 100);
    placeMoveButton();
    placeAutoDots();
}

void EditorWindow::createUndoImages()
{
    for (int i = 1; i < UndoSlots; ++i)
        for (int ring = 1; ring <= Pages; ++ring)
            Image[static_cast<size_t>(ring)].LoadNew();
}

} // namespace editor
