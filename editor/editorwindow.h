#pragma once

#include "activityfile.h"
#include "activityreader.h"
#include "controls.h"
#include "dotlabels.h"
#include "dotlist.h"
#include "drawingsettings.h"
#include "folderlister.h"
#include "labsettings.h"
#include "picturebox.h"
#include "platform.h"
#include "shapegeometry.h"
#include "share.h"
#include "tracing/tracing.h"
#include "undorings.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

namespace editor {

class Autosave;
class WorkingStateStore;
struct WorkingState;

// The editor's window: a paint program with ten pages in which an adult draws
// and places the numbered dots of an activity for the player. Its handlers
// are public, so tests drive the window as the platform does; its controls
// and state are its own. What holds without a window lives beside it:
// DrawingSettings (grid, mirrors, width, colour, fill, eraser and dot sizes),
// UndoRings (each page's snapshots and the dot steps taken back with them),
// DotList and NextDot (the dots placed and where the next one goes).
//
// The class is split into files by concern: editorwindow.cpp (controls and
// start-up), editorwindow_layout.cpp (laying the window out for the screen),
// editorwindow_palettes.cpp (tool choice and setting palettes), editorwindow_shapes.cpp
// (circles, ellipses, arcs, rectangles and polygons), editorwindow_canvas.cpp (the
// canvas mouse handlers, undo snapshots, fill and dots), editorwindow_files.cpp
// (open, save, activity file, undo, clear, paste, exit), editorwindow_dots.cpp
// (the dots shown over the page, moved and removed), editorwindow_open.cpp
// (opening an activity) and editorwindow_workstate.cpp (the work kept for the next
// start).
//
// Positions on the canvas are twips; colours are red + 256 green + 65536 blue.
class EditorWindow : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(editor::EditorWindow)

public:
    static constexpr int Pages = 10;
    // The player reads at most this many dot lines, closing records included.
    static constexpr int MaxDotEntries = editor::MaxDotEntries;

    explicit EditorWindow(toolkit::Platform& platform, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // The buttons of the left column, numbered as the working state keeps
    // the tool chosen; 7 and 9 are holes. Some choose a drawing tool, the
    // others are commands done at once.
    enum class Tool {
        OpenPicture = 0,
        SavePicture = 1,
        Line = 2,
        Stamp = 3,
        Pencil = 4,
        SnapToGrid = 5,
        FreeHand = 6,
        Circle = 8,
        Rectangle = 10,
        Fill = 11,
        Polygon = 12,
        Undo = 13,
        ClearPage = 14,
        Exit = 15,
        SaveActivity = 16,
        Paste = 17,
        Eraser = 18,
        Dots = 19
    };
    using Symmetry = DrawingSettings::Symmetry;
    // The dot settings' buttons: three sizes, "B" and "O".
    enum class DotButton { Small, Medium, Large, ClearList, Circles };

    // Runs startUp the first time, then shows the window over the whole screen.
    void Show();

    // Whether a button of the left column has that number: 7 and 9 do not.
    static bool hasTool(int number)
    {
        return number >= 0 && number <= 19 && number != 7 && number != 9;
    }
    static constexpr int LetterStep = 15; // numberStep's "ABC"

    // --- What a person does -----------------------------------------------
    void startUp();
    // Settings (editorwindow_palettes.cpp).
    void chooseTool(Tool tool);
    void chooseGrid(int step); // twips between grid points: 50 to 400
    void chooseSymmetry(Symmetry symmetry);
    void choosePage(int page);          // 0..9
    void choosePolygonMode(int mode);   // from the centre, flattened, from one side
    void chooseCircleKind(int kind);    // circle, ellipse, four arcs
    void chooseWidth(int width);        // 1..14 pixels
    void chooseFillStyle(int style);    // toolkit's fill styles 0..7
    void chooseEraserSize(int size);    // 0..5
    void chooseDotSize(DotButton size); // Small, Medium or Large
    // "B": the dots go from the page with the list; one undo brings them back.
    void clearDotList();
    // "O": a circle round each dot, or none.
    void switchDotCircles();
    void pressCloseFigure();
    void pressOnColourStrip(int Button, int Shift, float X, float Y);
    // The canvas (editorwindow_canvas.cpp).
    void pressOnCanvas(int Button, int Shift, float X, float Y);
    void moveOnCanvas(int Button, int Shift, float X, float Y);
    void releaseOnCanvas(int Button, int Shift, float X, float Y);
    // Ctrl+P: prints the dots placed so far as a paper worksheet.
    void printDots();
    // "Mover": the dot tool moves dots, or places them again.
    void switchMoving();
    // Finds the figures of the page's drawing and places that many numbered
    // dots along their outlines as if clicked, each figure closed: one undo
    // step.
    // On a scene the dots go round its main figure; a click on another
    // figure of it, before anything else is done, moves them there.
    void placeDotsAutomatically(FigureChoice chosen = {});
    // Files or a picture dropped on the canvas.
    void dropped(const QMimeData& data);
    // Supr: in moving, removes the dot under the pointer, else the one last
    // moved.
    void deleteKey();
    // Puts the activity's dots on the page shown after an undo snapshot, in
    // place of the dot list, and says what the player would leave out of it.
    // False, with a word to the adult and nothing changed, when it cannot be
    // read.
    bool openActivity(const QString& path);
    // Opens the theme library (LibraryWindow) on the work, to save it into a theme.
    void saveInTheme();
    // Starts the player on the dots placed so far, without waiting for it.
    void tryInPlayer();

    // --- Working state kept for the next start (editorwindow_workstate.cpp) -----
    // Writes the working state now and waits: before an orderly end, and in tests.
    void keepWorkingStateNow();
    // Shared copies of everything kept; cheap enough for the UI thread.
    WorkingState workingState() const;
    void restoreWorkingState(const WorkingState& state);

    // --- What the window holds, to read -----------------------------------
    const DrawingSettings& settings() const { return settings_; }
    const UndoRings& undoRings() const { return undo_; }
    const DotList& dotList() const { return dots_; }
    const NextDot& nextDot() const { return next_; }
    // The file the dot list was opened from; empty for a list started here.
    const QString& openedActivity() const { return openedActivity_; }
    Tool activeTool() const { return activeTool_; }
    int currentPage() const { return currentPage_; }
    // The page as a whole picture: its drawing with its dots over it.
    QImage pagePicture(int page);

    // --- The school's settings -------------------------------------------
    // The lab settings and the reader of its shared theme folders, replaced
    // by tests before startUp; every use of a shared folder goes through
    // share().
    toolkit::LabSettings lab = toolkit::LabSettings::current();
    toolkit::FolderLister* themeLister = &toolkit::FolderLister::shared();
    toolkit::Share share() const { return {lab.themeFolders, *themeLister}; }
    // The number of the activity last written into the program folder; the
    // next goes after it, up to the 16-bit limit. Tests start it near there.
    int lastActivityNumber = 0;

private:
    // --- Controls -------------------------------------------------------
    // Each is named after its member (arrays: the member's name and the
    // index), so that tests find it as Qt tests do.
    toolkit::PictureBox* canvas;                                     // the canvas
    toolkit::ControlArray<toolkit::PictureBox> pages;                // hidden page buffers 0..9
    toolkit::PictureBox* colourStrip;                                // the colour strip
    toolkit::ControlArray<toolkit::CommandButton, Tool> toolButtons; // main palette 0-6, 8, 10-19
    toolkit::ControlArray<toolkit::CommandButton> gridButtons;       // grid spacing 0..7
    toolkit::ControlArray<toolkit::CommandButton, Symmetry> symmetryButtons; // symmetry 0..3
    toolkit::ControlArray<toolkit::CommandButton> pageButtons;        // page buttons "1".."10"
    toolkit::ControlArray<toolkit::CommandButton> polygonModeButtons; // polygon mode 0..2
    toolkit::ControlArray<toolkit::CommandButton> circleKindButtons;  // circle kind 0..5
    toolkit::ControlArray<toolkit::CommandButton> widthButtons;       // line widths 1..14
    toolkit::ControlArray<toolkit::CommandButton> fillStyleButtons;   // fill styles 0..7
    toolkit::ControlArray<toolkit::CommandButton> eraserButtons;      // eraser sizes 0..5
    toolkit::ControlArray<toolkit::CommandButton, DotButton> dotSizeButtons; // dot sizes, "B", "O"
    toolkit::ComboBox* sidesList;           // polygon sides "3".."20"
    toolkit::Label* sidesLabel;             // "Nº Lados"
    toolkit::ComboBox* numberStep;          // dot number step "1".."15", "ABC"
    toolkit::ComboBox* dotListBox;          // the dot list
    toolkit::CheckBox* closeFigureCheck;    // "CIERRA"
    toolkit::CommandButton* moveButton;     // "Mover": the dot tool moves dots
    toolkit::CommandButton* autoDotsButton; // "Puntos automáticos"
    QSpinBox* autoDotsCount;                // how many, 3 to 150
    toolkit::CheckBox* showDrawingCheck;    // "El niño ve el dibujo"
    toolkit::CheckBox* eraseOutlineCheck;   // "Borrar el contorno"
    toolkit::CommandButton* themeButton;    // "Guardar en un tema"
    toolkit::CommandButton* tryButton;      // "Probar"
    // Names a control after its member, as tests look it up.
    static void name(QWidget* control, const char* member, int index = -1);

    // --- Start-up and layout (editorwindow.cpp, editorwindow_layout.cpp) ---------------
    void buildEditorWindow();

    // --- Settings (editorwindow_palettes.cpp) -----------------------------------
    DrawingSettings settings_;
    Tool activeTool_ = Tool::Line;
    double piValue = 0;
    int currentPage_ = 0;
    int highlightedPageButton = 0;
    int polygonMode = 0;
    int circleKind = 0;

    // --- Shapes (editorwindow_shapes.cpp) ---------------------------------------
    void drawShapePreview();
    void drawRectanglePreview();
    void drawPolygonPreview();

    int circleRadius = 0;
    int polygonSides = 0;
    std::array<double, PolygonShape::MaxVertices> polygonX{};
    std::array<int, PolygonShape::MaxVertices> polygonY{};

    // --- Canvas (editorwindow_canvas.cpp) ---------------------------------------
    void pushUndoSnapshot();

    double pressX = 0;
    double pressY = 0;
    double pressMirrorX = 0;
    double pressMirrorY = 0;
    double pointerX = 0;
    double pointerY = 0;
    double prevMoveX = 0;
    int prevMoveY = 0;
    int stampRadius = 0;

    // --- File commands (editorwindow_files.cpp) ---------------------------------
    void openPicture();
    void savePictureAs();
    void writeActivity();
    // False when the page has nothing left to take back.
    bool undoStep();

    UndoRings undo_{Pages};

    // --- Working state (editorwindow_workstate.cpp) -----------------------------
    // At the end of start-up: takes the working state (unless another editor
    // holds it), offers back the work of last time, and keeps it from then on.
    void startWorkingState();

    // --- The dots over the page (editorwindow_dots.cpp) -------------------------
    // The dots, their lines and labels are not drawn into the pages: the
    // canvas shows them over the page's drawing, from this list, so moving
    // or removing one never harms what lies under it. They join the drawing
    // where the page is used as a whole picture (a saved bitmap).
    DotList dots_; // dotListBox's entries, in its order
    NextDot next_; // where the dot tool's next dot goes on from
    int dotEntryCount = 0;
    bool movingDots = false;
    void openPictureOf(const QString& path);
    QString openedActivity_;

    // The current page's buffer.
    toolkit::PictureBox& page() { return pages(currentPage_); }
    int currentColour() const;
    // Persistent drawing on or off for the canvas and the current page.
    void setPersistent(bool on);
    void drawPageAsCanvas();
    template <class Draw> void withMirrors(Draw draw) const { settings_.withMirrors(draw); }
    double mirroredX(double x, bool flip) const { return settings_.mirroredX(x, flip); }
    double mirroredY(double y, bool flip) const { return settings_.mirroredY(y, flip); }

    // Palettes (editorwindow_palettes.cpp).
    void hideSettingPalettes();
    void showGrid();

    // Shapes (editorwindow_shapes.cpp): the shape of the current kind, the
    // rectangle and the polygon with their copies, on each area in turn.
    void drawShape(std::initializer_list<toolkit::PictureBox*> areas);
    void drawRectangle(std::initializer_list<toolkit::PictureBox*> areas);
    void drawPolygon(std::initializer_list<toolkit::PictureBox*> areas);

    // Canvas (editorwindow_canvas.cpp).
    void drawCursorCross();
    void moveAction();
    void commitAction();
    void stampCircle();
    void pencilSegment();
    void eraseSquare();
    void snapshotBeforeStroke();
    bool strokeSnapshotTaken_ = false;
    void floodFill();
    QPoint canvasSeed(int x, int y) const;
    void fillPageWithinDots(int x, int y);
    void placeDot();
    void closeFigure();
    // Adds a dot or closing made here to the list and to the canvas.
    void addDot(Dot dot);

    bool refuseDotBeyondLimit();
    // The number after the last numbered dot of the list, so that a figure
    // started anew goes on counting; 1 for a list without numbers.
    int numberAfterTheList() const;
    // How the next dots are labelled, as the step list says: its last
    // entry letters them.
    DotLabels dotLabels() const;
    // Before a step on the dots: the list and the next dot as they are,
    // for the undo that takes the step back.
    void rememberDotStep();
    // After an undo: the list as it was before the step the undo took back.
    void takeBackDotStep();
    // A dot moved, removed or put back: the records changed are written anew,
    // dotListBox shows the list and the next dot joins on where the list ends.
    void dotListChanged();
    // A dot's position as the activity file holds it: twips for an
    // 800 x 600 screen, whatever this screen's size.
    int fileX(double x) const;
    int fileY(double y) const;
    // Canvas twips of a position in the file: the inverse.
    double canvasX(double x) const;
    double canvasY(double y) const;
    QString recordOf(const Dot& dot) const;
    // Dots on the page shown from records read as the player reads them.
    DotList dotsOfRecords(const QVector<ReadActivity::Record>& records, int radius,
                          double fontSize) const;

    // The dot layer (editorwindow_dots.cpp).
    // The canvas shows the current page with its dots (and no grid).
    void showPage();
    // The same, with the grid when it is shown.
    void showCanvas();
    // Draws the dots of `page` over an area; given `within`, only the dots
    // whose marks reach it.
    void drawDots(toolkit::PictureBox& area, int page, const QRegion& within = {});
    void drawDot(toolkit::PictureBox& area, int i);
    // The pixels entry i's line, circle and label cover.
    QRegion dotMarks(int i) const;
    // Brings these canvas pixels back: page, grid when shown, dots.
    void redrawCanvas(const QRegion& pixels);
    // The dot of the current page under a canvas point, or -1.
    int dotAt(double x, double y) const;
    // Moving (editorwindow_dots.cpp): the press, the drag and the release.
    void moveDown(int button, double x, double y);
    void moveDrag();
    void moveUp();
    void removeDotAt(int i);
    int grabbed_ = -1;   // the dot held by the pointer
    int lastMoved_ = -1; // what Supr removes without a dot under the pointer
    bool grabStepTaken_ = false;
    bool gridShown_ = false;
    toolkit::PictureBox* composer_ = nullptr; // composes pictures of pages
    void createMoveButton();
    void placeMoveButton(); // left of the dot sizes, once they are laid out
    void createAutoDots();
    void placeAutoDots(); // after the dot list
    // The scene the automatic dots were last placed on, while nothing else
    // has been done since (any undo snapshot forgets it): its drawing as it
    // was, and the figure taken.
    struct SceneDots
    {
        int page = -1;
        QImage drawing;
        QPointF top; // the dots' first, in pixels
        size_t dots = 0;
    };
    SceneDots sceneDots_;
    bool choosingFigure_ = false; // the press is on another figure of the scene
    // Whether a press at (X, Y), in twips, picks another figure of the scene.
    bool picksAnotherFigure(float X, float Y) const;

    // Files (editorwindow_files.cpp).
    // The activity file as it would be written now: header and dot list.
    QByteArray activityContents() const;
    // The page's drawing as the activity's picture (a PNG) when the child
    // is to see it; empty otherwise.
    QByteArray activityPicture() const;
    void prefetchNewestSnapshot();
    void clearPage();
    void paste();
    void openFile(const QString& path);
    void bringPicture(const QImage& picture);
    void leave();
    void tell(const QString& text);

    // Printing (editorwindow_print.cpp).
    void createPrintShortcut();

    // Themes and trying (editorwindow_themes.cpp): one row under the symmetry buttons.
    void createThemeButtons();
    void recoverThemes();
    // Holds the file the player is started on; removed with the window.
    std::unique_ptr<QTemporaryDir> trialFolder_;

    // Working state: after a handler changed what is kept (new work unless it
    // only chose a page or a setting), and after the work was written as an
    // activity or a picture.
    void workChanged(bool newWork = true);
    void workWritten();
    std::unique_ptr<WorkingStateStore> workStore_;
    std::unique_ptr<Autosave> autosave_; // after the store it writes to
    bool workWritten_ = false;

    void createControls();
    void createLeftColumn();
    void createSettingPalettes();
    toolkit::Platform& platform_;
    bool loaded_ = false;
};

} // namespace editor
