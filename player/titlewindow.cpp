#include "titlewindow.h"

#include "buttonpictures.h"
#include "playerwindow.h"
#include "program.h"
#include "twips.h"

namespace player {

namespace {

// Client area of the window and the title card on it, in twips.
constexpr int ClientWidth = 8535;
constexpr int ClientHeight = 5685;
constexpr int CardWidth = 544 * toolkit::TwipsPerPixel;
constexpr int CardHeight = 354 * toolkit::TwipsPerPixel;

} // namespace

TitleWindow::TitleWindow(toolkit::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform)
{
    setWindowTitle(QStringLiteral("Lunipo"));
    setFixedSize(toolkit::twipsToPixels(ClientWidth), toolkit::twipsToPixels(ClientHeight));
    card = new toolkit::PictureBox(this);
    card->setObjectName(QStringLiteral("card"));
    card->Move((ClientWidth - CardWidth) / 2, (ClientHeight - CardHeight) / 2, CardWidth,
               CardHeight);
    card->setPicture(renderPicture(pictures::titleCard, QSize(544, 354)));
    card->setCursor(Qt::PointingHandCursor);
    card->onClick = [this] { openPlayer(); };
}

void TitleWindow::Show()
{
    startUp();
    show();
}

void TitleWindow::startUp()
{
    const int screenWidth = platform_.screenWidthTwips();
    const int screenHeight = platform_.screenHeightTwips();
    const int windowWidth = ClientWidth;
    const int windowHeight = ClientHeight;
    const int left = static_cast<int>(toolkit::roundHalfEven(screenWidth - windowWidth)) / 2;
    const int top = static_cast<int>(toolkit::roundHalfEven(screenHeight - windowHeight)) / 2;
    move(toolkit::twipsToPixels(left), toolkit::twipsToPixels(top));

    screenWidthPx =
        static_cast<float>(screenWidth) / static_cast<float>(platform_.twipsPerPixelX());
    screenHeightPx =
        static_cast<int>(toolkit::roundHalfEven(double(screenHeight) / platform_.twipsPerPixelY()));
    scaleX = screenWidthPx / 800.0f;
    scaleY = screenHeightPx / 600.0;
}

void TitleWindow::openPlayer()
{
    if (!mainWindow) {
        mainWindow = new PlayerWindow(platform_);
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    mainWindow->Show();
    close();
}

} // namespace player
