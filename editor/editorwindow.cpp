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
constexpr int SidesListWidth = 700;
constexpr int SidesLabelWidth = 900;
constexpr int NumberStepWidth = 600;
constexpr int CloseFigureWidth = 1100;
constexpr int DotListWidth = 1700;
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

void EditorWindow::name(QWidget* control, const char* member, int index)
{
    QString name = QLatin1String(member);
    if (index >= 0)
        name += QString::number(index);
    control->setObjectName(name);
}

void EditorWindow::createControls()
{
    colourStrip = new PictureBox(this);
    name(colourStrip, "colourStrip");
    colourStrip->setPicture(pictures::colourStrip());
    colourStrip->onMouseDown = [this](int b, int s, float x, float y) {
        pressOnColourStrip(b, s, x, y);
    };

    canvas = new PictureBox(this);
    name(canvas, "canvas");
    canvas->setBackColor(toolkit::vbWhite);
    canvas->setPicture(pictures::startPicture());
    canvas->onMouseDown = [this](int b, int s, float x, float y) { pressOnCanvas(b, s, x, y); };
    canvas->onMouseMove = [this](int b, int s, float x, float y) { moveOnCanvas(b, s, x, y); };
    canvas->onMouseUp = [this](int b, int s, float x, float y) { releaseOnCanvas(b, s, x, y); };
    canvas->setOnDrop([this](const QMimeData& data) { dropped(data); });

    composer_ = new PictureBox(this);
    composer_->setBackColor(toolkit::vbWhite);
    composer_->FontName = QStringLiteral("arial");
    composer_->hide();

    // Page 0 as designed; the other nine are made at start-up.
    auto* firstPage = new PictureBox(this);
    firstPage->setBackColor(toolkit::vbWhite);
    firstPage->hide();
    name(firstPage, "pages", 0);
    pages.Load(firstPage);

    auto* firstPageButton = new CommandButton(this);
    firstPageButton->setCaption(QStringLiteral("1"));
    firstPageButton->setBackColor(toolkit::vbWhite);
    firstPageButton->setToolTipText(tr("Página 1"));
    firstPageButton->onClick = [this] { choosePage(0); };
    name(firstPageButton, "pageButtons", 0);
    pageButtons.Load(firstPageButton);

    createLeftColumn();
    createSettingPalettes();

    // Ctrl+Z and Ctrl+V are what every adult tries first: the undo and paste buttons.
    toolkit::addShortcut(this, QStringLiteral("Ctrl+Z"), [this] { chooseTool(Tool::Undo); });
    toolkit::addShortcut(this, QStringLiteral("Ctrl+V"), [this] { chooseTool(Tool::Paste); });
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
    // toolButtons is an array with holes: members 7 and 9 exist as hidden
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
                                     [this, i] { chooseTool(Tool(i)); });
        button->Move(left[i], top[i], ToolSide, ToolSide);
        button->setVisible(hasTool(i));
        name(button, "toolButtons", i);
        toolButtons.Load(button);
    }

    const int gridTop = ColumnTop + 9 * ToolSide + GroupGap;
    for (int i = 0; i < 8; ++i) {
        auto* button = pictureButton(this, pictures::gridButton(i), pictures::gridButtonTip(i),
                                     [this, i] { chooseGrid((i + 1) * 50); });
        button->Move(ColumnLeft + (i % 2) * ToolSide, gridTop + (i / 2) * ToolSide, ToolSide,
                     ToolSide);
        name(button, "gridButtons", i);
        gridButtons.Load(button);
    }
    gridButtons(5).setBackColor(toolkit::vbGreen); // the grid of 300 the editor starts with

    const int symmetryTop = gridTop + 4 * ToolSide + GroupGap;
    for (int i = 0; i < 4; ++i) {
        auto* button = pictureButton(this, pictures::symmetry(i), pictures::symmetryTip(i),
                                     [this, i] { chooseSymmetry(Symmetry(i)); });
        button->Move(ColumnLeft + (i % 2) * ToolSide, symmetryTop + (i / 2) * ToolSide, ToolSide,
                     ToolSide);
        name(button, "symmetryButtons", i);
        symmetryButtons.Load(button);
    }
    symmetryButtons(Symmetry::None).setBackColor(toolkit::vbGreen);
    createThemeButtons();

    colourStrip->Move(toolButtons(Tool::SavePicture).Left() +
                          toolButtons(Tool::SavePicture).Width() + 75,
                      ColumnTop, pictures::StripWidth * toolkit::TwipsPerPixel,
                      pictures::StripHeight * toolkit::TwipsPerPixel);
    canvas->Move(0, 0, pictures::StartWidth * toolkit::TwipsPerPixel,
                 pictures::StartHeight * toolkit::TwipsPerPixel);
    pageButtons(0).Move(0, 0, PageButtonWidth, SettingSide);
}

void EditorWindow::createSettingPalettes()
{
    // A row of `count` buttons; button i calls `press(i)`.
    auto palette = [this](auto& array, const char* member, int count, QImage (*picture)(int),
                          QString (*tip)(int), std::function<void(int)> press) {
        for (int i = 0; i < count; ++i) {
            auto* button = pictureButton(this, picture ? picture(i) : QImage(), tip ? tip(i) : "",
                                         [press, i] { press(i); });
            button->Move(0, 0, SettingSide, SettingSide);
            button->hide();
            name(button, member, i);
            array.Load(button);
        }
    };
    palette(polygonModeButtons, "polygonModeButtons", 3, pictures::polygonMode,
            pictures::polygonModeTip, [this](int mode) { choosePolygonMode(mode); });
    palette(circleKindButtons, "circleKindButtons", 6, pictures::circleKind,
            pictures::circleKindTip, [this](int kind) { chooseCircleKind(kind); });
    palette(widthButtons, "widthButtons", 14, pictures::lineWidth, pictures::lineWidthTip,
            [this](int i) { chooseWidth(i + 1); });
    palette(fillStyleButtons, "fillStyleButtons", 8, pictures::fillStyle, pictures::fillStyleTip,
            [this](int style) { chooseFillStyle(style); });
    palette(eraserButtons, "eraserButtons", 6, pictures::eraserSize, pictures::eraserSizeTip,
            [this](int size) { chooseEraserSize(size); });
    palette(dotSizeButtons, "dotSizeButtons", 5, nullptr, nullptr, [this](int i) {
        const auto button = DotButton(i);
        if (button == DotButton::ClearList)
            clearDotList();
        else if (button == DotButton::Circles)
            switchDotCircles();
        else
            chooseDotSize(button);
    });

    const double dotCaptionPoints[3] = {8.25, 9.75, 12};
    const char* dotTips[5] = {QT_TR_NOOP("Puntos pequeños"), QT_TR_NOOP("Puntos medianos"),
                              QT_TR_NOOP("Puntos grandes"), QT_TR_NOOP("Borrar la lista de puntos"),
                              QT_TR_NOOP("Círculo alrededor de cada punto")};
    for (int i = 0; i < 5; ++i) {
        auto& button = dotSizeButtons(DotButton(i));
        button.setCaption(i < 3 ? QStringLiteral("1") : i == 3 ? "B" : "O");
        button.setFontPoints(QStringLiteral("Arial"), i < 3 ? dotCaptionPoints[i] : 12, i >= 3);
        button.setToolTipText(tr(dotTips[i]));
    }
    widthButtons(0).setBackColor(toolkit::vbGreen); // width 1

    sidesList = new ComboBox(this);
    name(sidesList, "sidesList");
    sidesList->Move(0, 0, SidesListWidth, SettingSide);
    sidesList->setToolTip(tr("Número de lados del polígono"));
    sidesLabel = new toolkit::Label(this);
    name(sidesLabel, "sidesLabel");
    sidesLabel->setCaption(tr("Nº Lados"));
    sidesLabel->setAlignment(Qt::AlignCenter);
    sidesLabel->Move(0, 0, SidesLabelWidth, SettingSide);
    numberStep = new ComboBox(this);
    name(numberStep, "numberStep");
    numberStep->Move(0, 0, NumberStepWidth, SettingSide);
    numberStep->setToolTip(tr("Salto entre los números de los puntos, o letras (ABC)"));
    closeFigureCheck = new CheckBox(this);
    name(closeFigureCheck, "closeFigureCheck");
    closeFigureCheck->setText(tr("CIERRA"));
    closeFigureCheck->setToolTip(tr("Cierra la figura: une el último punto con el primero"));
    closeFigureCheck->Move(0, 0, CloseFigureWidth, SettingSide);
    closeFigureCheck->onClick = [this] { pressCloseFigure(); };
    dotListBox = new ComboBox(this);
    name(dotListBox, "dotListBox");
    dotListBox->Move(0, 0, DotListWidth, SettingSide);
    dotListBox->setToolTip(tr("Los puntos de la actividad"));
    dotListBox->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    for (ComboBox* combo : {sidesList, numberStep, dotListBox})
        combo->setFontPoints(QStringLiteral("Arial"), ControlFontPoints);
    for (QWidget* control : std::initializer_list<QWidget*>{sidesList, sidesLabel, numberStep,
                                                            closeFigureCheck, dotListBox})
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
    settings_ = DrawingSettings(); // the grid of 300, width 1, black, no fill
    activeTool_ = Tool::Line;
    stampRadius = 50;
    currentPage_ = 0;
    polygonMode = 0;
    piValue = 4 * std::atan(1.0);
    eraserButtons(0).setBackColor(toolkit::vbGreen);

    for (int i = 0; i < 18; ++i)
        sidesList->AddItem(QString::number(i + 3));
    sidesList->setListIndex(2);
    for (int i = 0; i < 15; ++i)
        numberStep->AddItem(QString::number(i + 1));
    numberStep->AddItem(QStringLiteral("ABC"));
    numberStep->setListIndex(0);
    dotListBox->setListIndex(-1);

    settings_.centreOn({canvas->Width(), canvas->Height()});

    for (PictureBox* area : {canvas}) {
        area->FontName = QStringLiteral("arial");
        area->FontSize = DefaultFontPoints;
    }
    for (int p = 0; p < Pages; ++p) {
        pages(p).FontName = QStringLiteral("arial");
        pages(p).FontSize = DefaultFontPoints;
    }
    canvas->setMouseIcon(pictures::pointerIcon(), pictures::pointerHotSpot());
    recoverThemes();
    startWorkingState();
}

int EditorWindow::currentColour() const
{
    return settings_.colour();
}

void EditorWindow::setPersistent(bool on)
{
    canvas->AutoRedraw = on;
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
    kept.DrawWidth = canvas->DrawWidth;
    kept.ForeColor = canvas->ForeColor;
    kept.FillColor = canvas->FillColor;
    kept.FillStyle = canvas->FillStyle;
    kept.FontName = canvas->FontName;
    kept.FontSize = canvas->FontSize;
}

} // namespace editor
