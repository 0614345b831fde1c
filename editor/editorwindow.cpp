#include "editorwindow.h"

#include "autosave.h" // the constructor must know how to let go of it
#include "colour.h"
#include "editorpictures.h"
#include "twips.h"

namespace editor {

using toolkit::CheckBox;
using toolkit::ComboBox;
using toolkit::CommandButton;
using toolkit::PictureBox;

namespace {

// The designed left-hand column, in twips: two columns of square buttons
// that fit an 800 x 600 screen, the main palette in rows of two, then the
// grid and the symmetry buttons after a small gap each.
constexpr int ColumnLeft = 60;
constexpr int ColumnTop = 120;
constexpr int ToolSide = 510;
constexpr int GroupGap = 120;

// The rows of the main palette, left and right: files, then drawing tools,
// then the grid switches beside the grid buttons. Member 1 is on the right
// of the first row, since the canvas starts right of it.
constexpr int ToolRows[9][2] = {{0, 1},  {16, 17}, {13, 14}, {2, 4}, {3, 18},
                                {8, 10}, {12, 11}, {19, 15}, {5, 6}};

// The setting palettes and the page buttons share one row under the canvas.
constexpr int SettingSide = 375;
constexpr int PageButtonWidth = 450;
constexpr int Combo1Width = 700;
constexpr int Label1Width = 900;
constexpr int Combo4Width = 600;
constexpr int Check1Width = 1100;
constexpr int Combo5Width = 1700;
constexpr double ControlFontPoints = 8.25;

constexpr int WindowColour = toolkit::RGB(212, 208, 200);

} // namespace

EditorWindow::EditorWindow(toolkit::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform)
{
    setWindowTitle(tr("Lunipo: editor de actividades"));
    QPalette background = palette();
    background.setColor(QPalette::Window, toolkit::toQColor(WindowColour));
    setPalette(background);
    setAutoFillBackground(true);
    createControls();
}

void EditorWindow::createControls()
{
    Picture3 = new PictureBox(this);
    Picture3->setPicture(pictures::colourStrip());
    Picture3->onMouseDown = [this](int b, int s, float x, float y) {
        picture3_MouseDown(b, s, x, y);
    };

    Picture1 = new PictureBox(this);
    Picture1->setBackColor(toolkit::vbWhite);
    Picture1->setPicture(pictures::startPicture());
    Picture1->onMouseDown = [this](int b, int s, float x, float y) {
        Picture1_MouseDown(b, s, x, y);
    };
    Picture1->onMouseMove = [this](int b, int s, float x, float y) {
        Picture1_MouseMove(b, s, x, y);
    };
    Picture1->onMouseUp = [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); };
    Picture1->setOnDrop([this](const QMimeData& data) { dropped(data); });

    composer_ = new PictureBox(this);
    composer_->setBackColor(toolkit::vbWhite);
    composer_->FontName = QStringLiteral("arial");
    composer_->hide();

    // Page 0 as designed; the other nine are made at start-up.
    auto* firstPage = new PictureBox(this);
    firstPage->setBackColor(toolkit::vbWhite);
    firstPage->hide();
    Picture2.Load(firstPage);

    auto* firstPageButton = new CommandButton(this);
    firstPageButton->setCaption(QStringLiteral("1"));
    firstPageButton->setBackColor(toolkit::vbWhite);
    firstPageButton->setToolTipText(tr("Página 1"));
    firstPageButton->onClick = [this] { Command4_Click(0); };
    Command4.Load(firstPageButton);

    for (size_t ring = 1; ring <= Pages; ++ring)
        Image[ring].LoadNew();

    createLeftColumn();
    createSettingPalettes();

    // Ctrl+Z and Ctrl+V are what every adult tries first: the undo and paste buttons.
    toolkit::addShortcut(this, QStringLiteral("Ctrl+Z"), [this] { Command1_Click(13); });
    toolkit::addShortcut(this, QStringLiteral("Ctrl+V"), [this] { Command1_Click(17); });
    createPrintShortcut();
}

namespace {

CommandButton* pictureButton(QWidget* parent, const QImage& picture, const QString& tip,
                             std::function<void()> click)
{
    auto* button = new CommandButton(parent);
    button->setPicture(picture);
    button->setToolTipText(tip);
    button->setBackColor(toolkit::vbWhite);
    button->onClick = std::move(click);
    return button;
}

} // namespace

void EditorWindow::createLeftColumn()
{
    // Command1 is an array with holes: members 7 and 9 exist as hidden
    // placeholders so that indexes stay the tool numbers.
    int top[20] = {};
    int left[20] = {};
    for (int row = 0; row < 9; ++row)
        for (int side = 0; side < 2; ++side) {
            top[ToolRows[row][side]] = ColumnTop + row * ToolSide;
            left[ToolRows[row][side]] = ColumnLeft + side * ToolSide;
        }
    for (int i = 0; i < 20; ++i) {
        auto* button = pictureButton(this, pictures::mainPalette(i), pictures::mainPaletteTip(i),
                                     [this, i] { Command1_Click(i); });
        button->Move(left[i], top[i], ToolSide, ToolSide);
        button->setVisible(hasTool(i));
        Command1.Load(button);
    }

    const int gridTop = ColumnTop + 9 * ToolSide + GroupGap;
    for (int i = 0; i < 8; ++i) {
        auto* button = pictureButton(this, pictures::gridButton(i), pictures::gridButtonTip(i),
                                     [this, i] { Command2_Click(i); });
        button->Move(ColumnLeft + (i % 2) * ToolSide, gridTop + (i / 2) * ToolSide, ToolSide,
                     ToolSide);
        Command2.Load(button);
    }
    Command2(5).setBackColor(toolkit::vbGreen); // the grid of 300 the editor starts with

    const int symmetryTop = gridTop + 4 * ToolSide + GroupGap;
    for (int i = 0; i < 4; ++i) {
        auto* button = pictureButton(this, pictures::symmetry(i), pictures::symmetryTip(i),
                                     [this, i] { Command3_Click(i); });
        button->Move(ColumnLeft + (i % 2) * ToolSide, symmetryTop + (i / 2) * ToolSide, ToolSide,
                     ToolSide);
        Command3.Load(button);
    }
    Command3(0).setBackColor(toolkit::vbGreen);
    createThemeButtons();

    Picture3->Move(Command1(1).Left() + Command1(1).Width() + 75, ColumnTop,
                   pictures::StripWidth * toolkit::TwipsPerPixel,
                   pictures::StripHeight * toolkit::TwipsPerPixel);
    Picture1->Move(0, 0, pictures::StartWidth * toolkit::TwipsPerPixel,
                   pictures::StartHeight * toolkit::TwipsPerPixel);
    Command4(0).Move(0, 0, PageButtonWidth, SettingSide);
}

void EditorWindow::createSettingPalettes()
{
    auto palette = [this](toolkit::ControlArray<CommandButton>& array, int count,
                          QImage (*picture)(int), QString (*tip)(int),
                          void (EditorWindow::*handler)(int)) {
        for (int i = 0; i < count; ++i) {
            auto* button = pictureButton(this, picture ? picture(i) : QImage(), tip ? tip(i) : "",
                                         [this, handler, i] { (this->*handler)(i); });
            button->Move(0, 0, SettingSide, SettingSide);
            button->hide();
            array.Load(button);
        }
    };
    palette(Command5, 3, pictures::polygonMode, pictures::polygonModeTip,
            &EditorWindow::Command5_Click);
    palette(Command6, 6, pictures::circleKind, pictures::circleKindTip,
            &EditorWindow::Command6_Click);
    palette(Command7, 14, pictures::lineWidth, pictures::lineWidthTip,
            &EditorWindow::Command7_Click);
    palette(Command8, 8, pictures::fillStyle, pictures::fillStyleTip,
            &EditorWindow::Command8_Click);
    palette(Command10, 6, pictures::eraserSize, pictures::eraserSizeTip,
            &EditorWindow::Command10_Click);
    palette(Command11, 5, nullptr, nullptr, &EditorWindow::Command11_Click);

    const double dotCaptionPoints[3] = {8.25, 9.75, 12};
    const char* dotTips[5] = {QT_TR_NOOP("Puntos pequeños"), QT_TR_NOOP("Puntos medianos"),
                              QT_TR_NOOP("Puntos grandes"), QT_TR_NOOP("Borrar la lista de puntos"),
                              QT_TR_NOOP("Círculo alrededor de cada punto")};
    for (int i = 0; i < 5; ++i) {
        Command11(i).setCaption(i < 3 ? QStringLiteral("1") : i == 3 ? "B" : "O");
        Command11(i).setFontPoints(QStringLiteral("Arial"), i < 3 ? dotCaptionPoints[i] : 12,
                                   i >= 3);
        Command11(i).setToolTipText(tr(dotTips[i]));
    }
    Command7(0).setBackColor(toolkit::vbGreen); // width 1

    Combo1 = new ComboBox(this);
    Combo1->Move(0, 0, Combo1Width, SettingSide);
    Combo1->setToolTip(tr("Número de lados del polígono"));
    Label1 = new toolkit::Label(this);
    Label1->setCaption(tr("Nº Lados"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->Move(0, 0, Label1Width, SettingSide);
    Combo4 = new ComboBox(this);
    Combo4->Move(0, 0, Combo4Width, SettingSide);
    Combo4->setToolTip(tr("Salto entre los números de los puntos, o letras (ABC)"));
    Check1 = new CheckBox(this);
    Check1->setText(tr("CIERRA"));
    Check1->setToolTip(tr("Cierra la figura: une el último punto con el primero"));
    Check1->Move(0, 0, Check1Width, SettingSide);
    Check1->onClick = [this] { Check1_Click(); };
    Combo5 = new ComboBox(this);
    Combo5->Move(0, 0, Combo5Width, SettingSide);
    Combo5->setToolTip(tr("Los puntos de la actividad"));
    Combo5->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    for (ComboBox* combo : {Combo1, Combo4, Combo5})
        combo->setFontPoints(QStringLiteral("Arial"), ControlFontPoints);
    for (QWidget* control : std::initializer_list<QWidget*>{Combo1, Label1, Combo4, Check1, Combo5})
        control->hide();
    createMoveButton();
    createAutoDots();
}

void EditorWindow::Show()
{
    if (!loaded_)
        startUp();
    showFullScreen();
}

void EditorWindow::startUp()
{
    loaded_ = true;
    buildEditorWindow();
    gridStep = 300;
    gridButton = 5;
    activeTool = 2;
    stampRadius = 50;
    currentPage = 0;
    lineWidth = 1;
    polygonMode = 0;
    dotSize = DefaultDotSize;
    fillStyleChoice = 1;
    colourRed = colourGreen = colourBlue = 0;
    piValue = 4 * std::atan(1.0);
    // An eraser chosen before any size still erases: the smallest size.
    brushSize = 20;
    Command10(0).setBackColor(toolkit::vbGreen);

    for (int i = 0; i < 18; ++i)
        Combo1->AddItem(QString::number(i + 3));
    Combo1->setListIndex(2);
    for (int i = 0; i < 15; ++i)
        Combo4->AddItem(QString::number(i + 1));
    Combo4->AddItem(QStringLiteral("ABC"));
    Combo4->setListIndex(0);
    Combo5->setListIndex(-1);

    recomputeCentre();
    createUndoImages();

    for (PictureBox* area : {Picture1}) {
        area->FontName = QStringLiteral("arial");
        area->FontSize = DefaultFontPoints;
    }
    for (int p = 0; p < Pages; ++p) {
        Picture2(p).FontName = QStringLiteral("arial");
        Picture2(p).FontSize = DefaultFontPoints;
    }
    Picture1->setMouseIcon(pictures::pointerIcon(), pictures::pointerHotSpot());
    recoverThemes();
    startWorkingState();
}

int EditorWindow::currentColour() const
{
    return toolkit::RGB(colourRed, colourGreen, colourBlue);
}

void EditorWindow::setPersistent(bool on)
{
    Picture1->AutoRedraw = on;
    page().AutoRedraw = on;
    if (on)
        drawPageAsCanvas();
}

// What the canvas shows is what the page keeps: every commit draws on the
// page with the canvas's pen, brush and font, whatever a tool, a page switch
// or a palette left on either.
void EditorWindow::drawPageAsCanvas()
{
    toolkit::PictureBox& kept = page();
    kept.DrawWidth = Picture1->DrawWidth;
    kept.ForeColor = Picture1->ForeColor;
    kept.FillColor = Picture1->FillColor;
    kept.FillStyle = Picture1->FillStyle;
    kept.FontName = Picture1->FontName;
    kept.FontSize = Picture1->FontSize;
}

} // namespace editor
