// Who plays: on a shared account or the class's whiteboard each child first
// chooses their own picture, so their record, drawings and places are their
// own; after a while without play the choice comes back for the next child.

#include "playerwindow.h"

#include "childchooser.h"
#include "childpictures.h"
#include "idlewatch.h"
#include "progressstore.h"
#include "whoplays.h"

#include <QDir>
#include <QLabel>
#include <QSysInfo>
#include <cmath>
#include <cstdio>

namespace player {

namespace {

// The chosen child's button: twice a desk button, and a finger's width on
// any screen.
constexpr int DeskSide = 41;
constexpr double ButtonMillimetres = 18;
constexpr int Margin = 8;

} // namespace

void PlayerWindow::askWhoPlays()
{
    if (lab.whoPlays.isEmpty() || !singleActivity_.isEmpty())
        return;
    const WhoPlays::Roster roster = WhoPlays::read(lab, *classLister);
    if (!roster.problem.isEmpty()) {
        tellAdult(roster.problem);
        return;
    }
    // Nothing is written in the account's own name while a child is to choose.
    record_.reset();
    chooser_ = new ChildChooser(roster.children, platform_.pixelsPerMillimetre(), this);
    chooser_->setObjectName(QStringLiteral("childChooser"));
    chooser_->onChosen = [this](const toolkit::ClassList::Child& child) { playAs(child); };
    chosenButton = new toolkit::CommandButton(this);
    chosenButton->setObjectName(QStringLiteral("chosenButton"));
    chosenButton->onClick = [this] { showChoice(); };
    chosenButton->hide();
    placeChosenButton();
    idleWatch_ = std::make_unique<IdleWatch>(platform_, *this, lab.whoPlaysWaitMinutes,
                                             [this] { showChoice(); });
    showChoice();
}

// The drawing on the canvas stays as it is: the same child chosen again
// goes on colouring it, and another child's choice keeps it in the
// earlier drawings of the one who left.
void PlayerWindow::showChoice()
{
    if (!chooser_)
        return;
    idleWatch_->stop();
    restartHint();
    chooser_->setGeometry(0, 0, platform_.screenWidthTwips() / platform_.twipsPerPixelX(),
                          platform_.screenHeightTwips() / platform_.twipsPerPixelY());
    chooser_->reset();
    chooser_->show();
    chooser_->raise();
    chooser_->setFocus();
}

void PlayerWindow::playAs(const toolkit::ClassList::Child& child)
{
    chooser_->hide();
    const QImage picture = toolkit::childpictures::picture(child.picture, chosenButton->width());
    chosenButton->setPicture(picture);
    // A picture not of the set: the initial, as the chooser shows it.
    chosenButton->setText(picture.isNull() ? child.name.left(1).toUpper() : QString());
    chosenButton->setToolTipText(child.name);
    chosenButton->show();
    chosenButton->raise();
    canvas->setFocus();
    idleWatch_->start();
    if (child.key == childKey_)
        return;

    if (game_.joined())
        storeInGallery();
    if (!childKey_.isEmpty())
        galleries_[childKey_] = std::move(gallery_);
    gallery_ = std::move(galleries_[child.key]);
    galleries_.erase(child.key);
    childKey_ = child.key;
    progress_ = std::make_unique<ProgressStore>(WhoPlays::progressFile(child.key));
    record_.reset();
    if (!lab.progressFolder.isEmpty())
        record_ = std::make_unique<toolkit::ChildRecordWriter>(
            QDir(lab.progressFolder).filePath(child.key), QSysInfo::machineHostName(),
            platform_.now());

    // The child starts as the program starts: on the first theme, where
    // they left it.
    game_.clear();
    canvas->setPicture(QImage());
    clearCanvas();
    for (auto& button : toolButtons)
        button.setEnabled(false);
    currentTool = Tool::None;
    keyStroke_ = Tool::None;
    for (int i = 0; i < themeList->ListCount(); ++i)
        places_.activity(i) = 0;
    restoreProgress();
    themeList->setListIndex(themeList->ListCount() > 0 ? 0 : -1);
    places_.show(0, themeFolders_.isEmpty() ? places_.folder() : themeFolders_.first());
    if (places_.shownActivity() == 0)
        places_.shownActivity() = 1;
    showFinishedStar(false);
}

void PlayerWindow::placeChosenButton()
{
    const int screenWidth = platform_.screenWidthTwips() / platform_.twipsPerPixelX();
    const int screenHeight = platform_.screenHeightTwips() / platform_.twipsPerPixelY();
    const int side =
        std::max(2 * DeskSide, int(std::ceil(ButtonMillimetres * platform_.pixelsPerMillimetre())));
    chosenButton->setGeometry(screenWidth - Margin - side, screenHeight - Margin - side, side,
                              side);
    chosenButton->setBackColor(toolkit::vbWhite);
    QFont font = chosenButton->font();
    font.setPixelSize(side / 2);
    font.setBold(true);
    chosenButton->setFont(font);
}

// For the adult, not the child: standard error, and a small line in the
// corner where the chosen child's button would be.
void PlayerWindow::tellAdult(const QString& problem)
{
    std::fprintf(stderr, "lunipo: %s\n", qPrintable(problem));
    auto* notice = new QLabel(problem, this);
    notice->setObjectName(QStringLiteral("adultNotice"));
    notice->setWordWrap(true);
    QFont font = notice->font();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    notice->setFont(font);
    const int screenWidth = platform_.screenWidthTwips() / platform_.twipsPerPixelX();
    const int screenHeight = platform_.screenHeightTwips() / platform_.twipsPerPixelY();
    const int width = std::min(screenWidth / 3, 360);
    notice->setFixedWidth(width);
    notice->adjustSize();
    notice->move(screenWidth - Margin - width, screenHeight - Margin - notice->height());
    notice->lower();
}

} // namespace player
