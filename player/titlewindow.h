#pragma once

#include "picturebox.h"
#include "platform.h"

#include <QCoreApplication>
#include <QWidget>

namespace player {

// The start window: a title card in the middle of the screen. Loading it
// measures the screen and sets the scale factors activities are drawn with;
// a click on the card opens the main window and closes this one.
class TitleWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(player::TitleWindow)

public:
    explicit TitleWindow(toolkit::Platform& platform, QWidget* parent = nullptr);

    // Runs startUp, then shows the window.
    void Show();

    toolkit::PictureBox* card; // the title card

    void startUp();
    void openPlayer();

    float screenWidthPx = 0;
    int screenHeightPx = 0;

private:
    toolkit::Platform& platform_;
};

} // namespace player
