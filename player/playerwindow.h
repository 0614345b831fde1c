#pragma once

#include "activityformat.h"
#include "controls.h"
#include "folderlister.h"
#include "labsettings.h"
#include "language.h"
#include "picturebox.h"
#include "platform.h"
#include "share.h"
#include "themelibrary.h"

#include <QColor>
#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

namespace player {

class HintRing;
class ProgressStore;

// The player's main window: the canvas where the child joins the dots and
// colours the figure, with the palette, the width buttons, the theme list,
// navigation, tool and exit buttons. Handlers and state keep the names the
// rest of the player uses, and are public so tests drive the window as the
// platform does.
//
// The class is split into files by concern: playerwindow.cpp (controls, start-up,
// layout), playerwindow_activity.cpp (reading activity files), playerwindow_navigation.cpp
// (themes, forward, back, numbers, gallery), playerwindow_game.cpp (joining the
// dots), playerwindow_colouring.cpp (palette, widths, fill, line, pen, undo
// snapshots), playerwindow_tools.cpp (tool buttons, saving, exit),
// playerwindow_print.cpp (the paper worksheet), playerwindow_hint.cpp (showing a lost
// child the next dot) and playerwindow_progress.cpp (each child's progress kept
// between runs).
class PlayerWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(player::PlayerWindow)

public:
    static constexpr int MaxDots = toolkit::activity::MaxDots;

    // The buttons beside the theme list.
    enum class Navigation { Forward, Back, Numbers };
    // The buttons of the bottom row: three that act on the canvas, then five
    // that act at once. None is chosen until a figure is joined.
    enum class Tool { Fill, Line, Pen, Undo, EarlierDrawings, Copy, Save, OpenFolder, None };

    explicit PlayerWindow(toolkit::Platform& platform, QWidget* parent = nullptr);
    ~PlayerWindow() override;

    // Runs startUp the first time, then shows the window over the whole screen.
    void Show();

    // --- Controls -------------------------------------------------------
    toolkit::PictureBox* canvas;        // the canvas
    toolkit::PictureBox* paletteStrip;  // the palette strip
    toolkit::PictureBox* joinedOutline; // hidden: the joined outline only
    toolkit::ControlArray<toolkit::CommandButton, Navigation>
        navigationButtons;                                           // forward, back, numbers
    toolkit::CommandButton* exitButton;                              // exit
    toolkit::ControlArray<toolkit::CommandButton> widthButtons;      // line widths 1..10
    toolkit::ControlArray<toolkit::CommandButton, Tool> toolButtons; // the eight tools
    toolkit::ComboBox* themeList;                                    // themes
    toolkit::ControlArray<toolkit::ImageHolder> undoRing;            // undo ring, 4 slots
    toolkit::ControlArray<toolkit::ImageHolder> gallery;             // gallery ring, 25 slots

    // --- Start-up (playerwindow.cpp) --------------------------------------------
    void startUp();
    void layoutWindow();

    // The school's settings and the reader of its shared theme folders,
    // replaced by tests before startUp.
    toolkit::LabSettings lab = toolkit::LabSettings::current();
    toolkit::FolderLister* themeLister = &toolkit::FolderLister::shared();
    // The seam every use of a shared theme folder goes through.
    toolkit::Share share() const { return {lab.themeFolders, *themeLister}; }
    // Whether the theme shown can be read now; when its shared folder does
    // not answer, the canvas is left empty and the child's helper is told.
    bool themeAnswers();

    std::array<QString, 16> uiText;
    QString themeFolder;
    int themeIndex = 0;
    // Per theme: the activity shown last there, 0 for none yet. One entry per
    // listed theme, and never fewer than 51.
    std::vector<int> activityNumber = std::vector<int>(51, 0);
    Tool currentTool = Tool::None;

    // --- Activity files (playerwindow_activity.cpp) -----------------------------
    void readActivity();
    // The activity's drawing, shown under its dots (null for none); the
    // canvas starts from it and an undo never goes past it.
    void readActivityPicture();
    QImage activityPicture;

    QString activityFile;
    std::array<QString, MaxDots> dotLabel;
    std::array<double, MaxDots> dotX{};
    std::array<double, MaxDots> dotY{};
    std::array<double, MaxDots> dotRed{};
    std::array<double, MaxDots> dotGreen{};
    std::array<double, MaxDots> dotBlue{};
    int dotCount = 0;
    int hitRadius = 0;
    double labelFontSize = 0;
    int labelAnchor = 0;

    // --- Themes and navigation (playerwindow_navigation.cpp) --------------------
    void chooseTheme();
    // The theme list is opening: the themes are listed again, so one saved
    // into a shared folder during the lesson is there; the shown theme
    // stays chosen and every theme keeps its activity.
    void openThemeList();
    // Forward and back go round the theme's activities; the drawing left
    // joined goes to the gallery.
    void goForward();
    void goBack();
    // The labels again, said aloud, or the bare outline once finished.
    void showNumbers();
    void loadActivity();
    void storeInGallery();
    // Shows the activity file at `path` alone: the theme list holds just
    // it, and forward, back and numbers stay on it.
    void openActivityFile(const QString& path);

    bool galleryPrimed = false;
    int gallerySlot = 0;  // 0..24
    int galleryCount = 0; // 0..24

    // --- The game (playerwindow_game.cpp) ---------------------------------------
    void pressOnCanvas(int Button, int Shift, float X, float Y);
    void moveOnCanvas(int Button, int Shift, float X, float Y);
    void releaseOnCanvas(int Button, int Shift, float X, float Y);

    int nextDot = 0;
    bool dotsJoined = false;
    // The record of the dot the child must click next; -1 when none is left.
    int expectedRecord() const;

    // --- The hint (playerwindow_hint.cpp) ---------------------------------------
    // Shows the dot to click next: a ring pulses round it and its number is
    // said again, after the sounds `before` (the buzz of a wrong click).
    void showHint(const QStringList& before = {});
    // Ends the hint shown, if any; while a figure is being joined the wait
    // for the next one starts again.
    void restartHint();

    HintRing* hintRing;
    // Seconds without a right dot before the hint shows the next one (the
    // lab's "pista", 8 unless set); 0 turns the hint off.
    int hintDelaySeconds = lab.hintSeconds;
    bool hintShown = false;
    int wrongClicks = 0; // in a row

    // --- Each child's progress (playerwindow_progress.cpp) ----------------------
    // Whether the activity on the canvas was finished before: the numbers
    // button then shows a star.
    bool finishedBefore = false;

    // --- Colouring (playerwindow_colouring.cpp) ---------------------------------
    void pressOnPalette(int Button, int Shift, float X, float Y);
    void chooseWidth(int width); // 1..10
    void saveUndoSnapshot();

    int pickRed = 0;
    int pickGreen = 0;
    int pickBlue = 0;
    double lineStartX = 0;
    int lineStartY = 0;
    double penX = 0;
    int penY = 0;
    int undoSlot = 0; // 0..3

    // --- Tool buttons, saving and exit (playerwindow_tools.cpp) -----------------
    void chooseTool(Tool tool);
    void askToLeave();

    // The folder that holds the program file.
    QString appFolder() const;
    // Where a shipped file or folder (such as "idioma/idioma.txt") lies:
    // beside the program, else in the system's data folders (a package).
    QString shippedData(const QString& relative) const;

    // The language the numbers and letters are spoken in: Spanish from
    // sonidos/voz, another from sonidos/voz/<code>, where a school may put
    // its own recordings; a language without a voice plays the chime alone.
    // Set by startUp: the lab's "idioma", else the language of the texts.
    QString voiceLanguage;

    // --- Paper worksheet (playerwindow_print.cpp) -------------------------------
    // Ctrl+P: the print dialog for the activity shown, as its file holds it.
    void printActivity();

private:
    // Plays sonidos/`name` from the shipped data.
    void playSound(const QString& name);
    QString soundPath(const QString& name) const;
    // The recording of the voice language that says `label`; empty when
    // there is none.
    QString voiceOf(const QString& label) const;
    // Plays the files back to back, as one sound a new one cuts; an empty
    // path (a voice that is missing) is left out.
    void playInTurn(QStringList paths);
    // Sets the canvas background to white, wiping everything drawn on it.
    void clearCanvas();
    // Whether activity `number` of the shown theme exists.
    bool activityExists(int number) const;
    // The first activity from `number` on, going by `way` (+1 or -1), that is
    // not damaged; `number` itself when none is.
    int playable(int number, int way) const;
    QString activityPath(int number) const;
    // Forward and back leave the activity shown: its joined drawing goes to
    // the gallery and the canvas is cleared. False when the theme's folder
    // does not answer.
    bool leaveActivity();
    QList<toolkit::ThemeLibrary::Theme> listThemes() const;
    void showThemes(const QList<toolkit::ThemeLibrary::Theme>& themes);
    // The folders of the themes listed in themeList, in the same order: beside
    // the program or in the user's data folder.
    QStringList themeFolders_;
    // The one activity shown when the player was opened on a file.
    QString singleActivity_;

    // Reading (playerwindow_activity.cpp).
    void readDotLine(int i, const QString& line);
    void drawDot(int i, bool circle);

    // The game's pieces (playerwindow_game.cpp).
    void drawJoiningSegment(int from, int to);
    bool clickHits(int record, float X, float Y) const;
    // The label of the dot the child must click next; empty when none is left.
    QString expectedLabel() const;
    void missedDot();
    void completeIfLastRecord();

    // The tools' canvas actions (playerwindow_colouring.cpp).
    void toolMouseDown(float X, float Y);
    void toolMouseMove(float X, float Y);
    void toolMouseUp(float X, float Y);
    // Flood fill from a canvas position, in the canvas's fill colour.
    void fillAt(float X, float Y);

    // Saving (playerwindow_tools.cpp).
    void saveDrawing();
    void undo();
    void showEarlierDrawing();
    // The lab's "dibujos" when it can be written, else "dibujosrealizados"
    // beside the program, or in the user's data folder when the program's
    // folder cannot be written; created when missing.
    QString drawingsFolder() const;

    // The hint's timers (playerwindow_hint.cpp).
    std::unique_ptr<toolkit::Platform::Ticker> hintWait_;
    std::unique_ptr<toolkit::Platform::Ticker> hintPulse_;
    QColor hintColour() const;

    // Progress (playerwindow_progress.cpp).
    void restoreProgress();
    QString themeKey(int index) const;
    // The activity now on the canvas was shown, or finished.
    void rememberShown();
    void rememberFinished();
    void showFinishedStar(bool finished);
    // The number of the activity on the canvas; 0 when it is none of a
    // theme's activities, so nothing is remembered.
    int rememberedActivity() const;
    std::unique_ptr<ProgressStore> progress_;

    void createControls();
    void createPrintShortcut();
    void readLanguageFile();
    toolkit::Platform& platform_;
    bool loaded_ = false;
};

} // namespace player
