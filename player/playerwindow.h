#pragma once

#include "activityformat.h"
#include "childrecord.h"
#include "classlist.h"
#include "controls.h"
#include "dotgame.h"
#include "dwell.h"
#include "folderlister.h"
#include "galleryring.h"
#include "labsettings.h"
#include "language.h"
#include "palettestrip.h"
#include "picturebox.h"
#include "platform.h"
#include "share.h"
#include "themelibrary.h"
#include "themeplaces.h"
#include "undoring.h"

#include <QColor>
#include <QCoreApplication>
#include <QPointF>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace player {

class ChildChooser;
class FocusRing;
class HintRing;
class IdleWatch;
class KeyboardCursor;
class ProgressStore;

// The player's main window: the canvas where the child joins the dots and
// colours the figure, with the palette, the width buttons, the theme list,
// navigation, tool and exit buttons. The rules live in small classes the
// window asks and draws for: DotGame (the dot table and the joining),
// UndoRing (the colouring's undo), GalleryRing (the earlier drawings) and
// ThemePlaces (the theme shown and where each theme was left).
// Its public face is what a person or the platform does to it, the lab's
// settings a test sets before startUp, and those classes to look at; the
// controls have object names, for tests to find them.
//
// The class is split into files by concern: playerwindow.cpp (controls, start-up,
// layout), playerwindow_activity.cpp (reading activity files), playerwindow_navigation.cpp
// (themes, forward, back, numbers, gallery), playerwindow_game.cpp (joining the
// dots), playerwindow_colouring.cpp (palette, widths, fill, line, pen, undo
// snapshots), playerwindow_tools.cpp (tool buttons, saving, exit),
// playerwindow_print.cpp (the paper worksheet), playerwindow_hint.cpp (showing a lost
// child the next dot), playerwindow_progress.cpp (each child's progress kept
// between runs), playerwindow_keyboard.cpp (playing with keys and switches),
// playerwindow_reach.cpp (how far a press reaches, and joining by resting) and
// playerwindow_board.cpp (the layout for a whiteboard).
class PlayerWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(player::PlayerWindow)

public:
    static constexpr int MaxDots = DotGame::MaxDots;

    // The buttons beside the theme list.
    enum class Navigation { Forward, Back, Numbers };
    // The buttons of the bottom row: three that act on the canvas, then five
    // that act at once. None is chosen until a figure is joined.
    enum class Tool { Fill, Line, Pen, Undo, EarlierDrawings, Copy, Save, OpenFolder, None };

    explicit PlayerWindow(toolkit::Platform& platform, QWidget* parent = nullptr);
    ~PlayerWindow() override;

    // Runs startUp the first time, then shows the window over the whole screen.
    void Show();
    void startUp();

    // The school's settings and the reader of its shared theme folders,
    // replaced by tests before startUp.
    toolkit::LabSettings lab = toolkit::LabSettings::current();
    toolkit::FolderLister* themeLister = &toolkit::FolderLister::shared();
    // What asks whether the class list's folder answers, replaced by tests.
    toolkit::FolderLister* classLister = &toolkit::FolderLister::shared();

    // What the child does.
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
    void pressOnCanvas(int Button, int Shift, float X, float Y);
    void moveOnCanvas(int Button, int Shift, float X, float Y);
    void releaseOnCanvas(int Button, int Shift, float X, float Y);
    void pressOnPalette(int Button, int Shift, float X, float Y);
    void chooseWidth(int width); // 1..10
    void chooseTool(Tool tool);
    void askToLeave();
    // Ctrl+P: the print dialog for the activity shown, as its file holds it.
    void printActivity();
    // Shows the activity file at `path` alone: the theme list holds just
    // it, and forward, back and numbers stay on it.
    void openActivityFile(const QString& path);

    // The rules the window follows, to look at.
    const DotGame& game() const { return game_; }
    const UndoRing& undoRing() const { return undoRing_; }
    const GalleryRing& gallery() const { return gallery_; }
    const ThemePlaces& places() const { return places_; }
    // The key of the child who chose their picture; empty while the
    // account plays as itself.
    const QString& chosenChild() const { return childKey_; }

private:
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

    DotGame game_;
    UndoRing undoRing_;
    GalleryRing gallery_;
    ThemePlaces places_;

    // --- Start-up (playerwindow.cpp) --------------------------------------------
    void layoutWindow();

    // --- The whiteboard (playerwindow_board.cpp) --------------------------------
    // With the lab's "pizarra": every control the child needs below the top
    // fifth of the screen and at least a finger wide, and the canvas shrunk
    // to fit what is left, its activity with it.
    void layoutForWhiteboard();
    // The theme list opens within `height` pixels above the bottom row.
    void listAboveRow(int height);
    // What the activity's positions and picture are scaled by beside the
    // screen's factors: 1, or below 1 while the canvas is shrunk.
    double activityShrink_ = 1;

    // The seam every use of a shared theme folder goes through.
    toolkit::Share share() const { return {lab.themeFolders, *themeLister}; }
    // Whether the theme shown can be read now; when its shared folder does
    // not answer, the canvas is left empty and the child's helper is told.
    bool themeAnswers();

    // The language file's texts: eight tools' tooltips, the numbers' and the
    // exit's, then the exit's question.
    std::array<QString, 11> uiText;
    Tool currentTool = Tool::None;

    // --- Activity files (playerwindow_activity.cpp) -----------------------------
    // Reads the activity at `path` into the game and draws its dots.
    void readActivity(const QString& path);
    // The activity's drawing, shown under its dots (null for none); the
    // canvas starts from it and an undo never goes past it.
    void readActivityPicture(const QString& path);
    QImage activityPicture;

    // --- Themes and navigation (playerwindow_navigation.cpp) --------------------
    // Shows the activity at `path`: its drawing, its dots, nothing joined.
    void loadActivity(const QString& path);
    void storeInGallery();

    // --- The hint (playerwindow_hint.cpp) ---------------------------------------
    // Shows the dot to click next: a ring pulses round it and its number is
    // said again, after the sounds `before` (the buzz of a wrong click).
    void showHint(const QStringList& before = {});
    // Ends the hint shown, if any; while a figure is being joined the wait
    // for the next one starts again. The wait is the lab's "pista" (8
    // seconds unless set); 0 turns the hint off.
    void restartHint();

    HintRing* hintRing;
    bool hintShown = false;

    // --- Reach and resting (playerwindow_reach.cpp) ----------------------------
    // Sets how far a press reaches the dots of the activity just read, from
    // the lab's "pizarra", "diana" and "atraer" on the screen in use; a wait
    // to join by resting starts again.
    void fitReach();
    // The pointer is at (X, Y) on the canvas, in twips: resting on the dot
    // expected, within its reach, joins it after the lab's "permanencia".
    void restOnCanvas(float X, float Y);
    void joinRestedOn(int record);
    std::unique_ptr<Dwell> dwell_; // none unless the lab sets "permanencia"

    // --- Each child's progress (playerwindow_progress.cpp) ----------------------
    // Whether the activity on the canvas was finished before: the numbers
    // button then shows a star.
    bool finishedBefore = false;

    // --- Colouring (playerwindow_colouring.cpp) ---------------------------------
    void saveUndoSnapshot();

    int pickRed = 0;
    int pickGreen = 0;
    int pickBlue = 0;
    double lineStartX = 0;
    int lineStartY = 0;
    double penX = 0;
    int penY = 0;

    // --- Tool buttons, saving and exit (playerwindow_tools.cpp) -----------------
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
    void drawDot(int i);
    // How much larger than the activity's own the dots are drawn.
    double dotGrowth() const;

    // The game's pieces (playerwindow_game.cpp).
    // Draws, says and shows what a click or a slide reached or completed.
    void showReached(const DotGame::Click& click);
    // A finger or a held button moved on to `to`, in twips: every dot it
    // passed on the way joins in turn.
    void slideTo(QPointF to);
    std::optional<QPointF> slideFrom_; // where the held press was last, in twips
    void drawJoiningSegment(DotGame::Segment segment);
    void missedDot();

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
    // The record the teacher reads, when the lab keeps one ("progreso").
    std::unique_ptr<toolkit::ChildRecordWriter> record_;

    // --- Keys and switches (playerwindow_keyboard.cpp) --------------------------
    // Space or Enter joins the next dot, then colours at the keyboard's
    // cursor; Tab goes round the canvas, the palette, the widths, the tools
    // and the navigation; arrows move the cursor or the palette's cell. A
    // held key is one press: a switch held down never joins a row of dots.
protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Focus policies and the Tab order; called once the controls exist.
    void createKeyboardControls();
    // What a key does with the focus on the canvas or on the palette; false
    // for a key that does nothing there.
    bool keyOnCanvas(int key);
    bool keyOnPalette(int key);
    void joinNextDotByKey();
    // Shows the cursor, inside the figure when it was hidden.
    void showKeyboardCursor();
    // Space on a joined figure: the tool acts at the cursor, the fill first
    // when no tool that draws is chosen.
    void colourAtCursor();
    // After the focus moved: the ring round the control, the palette's cell,
    // the cursor on the canvas.
    void showFocus();
    void showPaletteCell();
    float cursorX() const;
    float cursorY() const;
    // A point inside the largest figure of the activity, in twips.
    QPointF insideFigure() const;

    FocusRing* focusRing;
    KeyboardCursor* keyboardCursor;
    int paletteCell_ = 0;
    // Where the palette's cells show: at 1:1 unless laid out for a finger.
    PaletteView paletteView_;
    // The tool whose stroke a key started (the pen down, a line's start):
    // the next Space ends it. None when no stroke is under way.
    Tool keyStroke_ = Tool::None;

    // --- Who plays (playerwindow_whoplays.cpp) ----------------------------------
    // With the lab's "quien-juega", the group's pictures first; the account
    // plays as itself, and the adult is told why, when there are none.
    void askWhoPlays();
    void showChoice();
    // From now on the record, the drawings, the places and the stars are
    // the child's; the same child chosen again goes on as they were.
    void playAs(const toolkit::ClassList::Child& child);
    void tellAdult(const QString& problem);
    // The chosen child's button, in the bottom right corner of the screen.
    void placeChosenButton();
    ChildChooser* chooser_ = nullptr;
    toolkit::CommandButton* chosenButton = nullptr;
    std::unique_ptr<IdleWatch> idleWatch_;
    QString childKey_;
    // The earlier drawings of the children who played before, by key.
    std::map<QString, GalleryRing> galleries_;

    void createControls();
    void createPrintShortcut();
    void readLanguageFile();
    toolkit::Platform& platform_;
    bool loaded_ = false;
};

} // namespace player
