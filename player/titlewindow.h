#pragma once

#include "picturebox.h"
#include "platform.h"

#include <QCoreApplication>
#include <QWidget>

namespace player {

// The start window: a title card in the middle of the screen. Loading it
// measures the screen and sets the scale factors activities are drawn with;
// a click on the card opens the main window and closes this one. The card is
// named "card", for tests to find it.
class TitleWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(player::TitleWindow)

public:
    explicit TitleWindow(toolkit::Platform& platform, QWidget* parent = nullptr);

    // Runs startUp, then shows the window.
    void Show();

    void startUp();
    void openPlayer();

private:
    toolkit::PictureBox* card; // the title card
    float screenWidthPx = 0;
    int screenHeightPx = 0;
    toolkit::Platform& platform_;
};

} // namespace player
