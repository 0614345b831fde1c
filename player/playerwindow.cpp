#include "playerwindow.h"

#include "buttonpictures.h"
#include "colour.h"
#include "datafolders.h"
#include "hintring.h"
#include "idlewatch.h"
#include "palettestrip.h"
#include "progressstore.h"
#include "skiponfailure.h"
#include "textfiles.h"
#include "themelibrary.h"
#include "voicefile.h"

#include <QDir>
#include <QSysInfo>

namespace player {

using toolkit::CommandButton;
using toolkit::PictureBox;

namespace {

using toolkit::skipOnFailure;

// Design sizes, in twips.
constexpr int ButtonSide = 615;
constexpr int ArrowButtonWidth = 495;
constexpr int PaletteLeft = 120;
constexpr int PaletteTop = 120;
constexpr int PaletteWidthTwips = 375;
constexpr int CanvasLeft = 480;
constexpr int CanvasTop = 120;
constexpr int ComboWidth = 2295;
constexpr double ComboFontPoints = 20.25;
// A contact wider than this is a palm or a hand on the screen, not a finger.
constexpr double PalmMillimetres = 30;

constexpr int WindowColour = toolkit::RGB(128, 128, 255);
constexpr int LanguageEntries = 11;
// The language file holds eleven short texts, well under 1 KB; reading more
// than this would only slow start-up down.
constexpr qint64 MaxLanguageBytes = 64 * 1024;
constexpr qsizetype MaxLanguageLine = 4096;

} // namespace

PlayerWindow::PlayerWindow(toolkit::Platform& platform, QWidget* parent)
    : QWidget(parent), progress_(std::make_unique<ProgressStore>()), platform_(platform)
{
    setWindowTitle(QStringLiteral("Lunipo"));
    QPalette background = palette();
    background.setColor(QPalette::Window, toolkit::toQColor(WindowColour));
    setPalette(background);
    setAutoFillBackground(true);
    createControls();
    createPrintShortcut();
}

// Out of line, where the hint's and the progress's classes are complete.
PlayerWindow::~PlayerWindow() = default;

void PlayerWindow::createControls()
{
    // Each control is named as its member, rows by member and place, so
    // tests find them as Qt's own tests do.
    paletteStrip = new PictureBox(this);
    paletteStrip->setObjectName(QStringLiteral("paletteStrip"));
    paletteStrip->Move(PaletteLeft, PaletteTop, PaletteWidthTwips, ButtonSide);
    paletteStrip->setBackColor(PaletteGrey);
    paletteStrip->setPicture(player::paletteStrip());
    paletteStrip->onMouseDown = [this](int b, int s, float x, float y) {
        pressOnPalette(b, s, x, y);
    };

    canvas = new PictureBox(this);
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->Move(CanvasLeft, CanvasTop, ButtonSide, ButtonSide);
    canvas->onMouseDown = [this](int b, int s, float x, float y) { pressOnCanvas(b, s, x, y); };
    canvas->onMouseMove = [this](int b, int s, float x, float y) { moveOnCanvas(b, s, x, y); };
    canvas->onMouseUp = [this](int b, int s, float x, float y) { releaseOnCanvas(b, s, x, y); };
    canvas->acceptTouches(PalmMillimetres * platform_.pixelsPerMillimetre());
    hintRing = new HintRing(canvas);
    hintRing->setObjectName(QStringLiteral("hintRing"));

    // The outline canvas is never shown; it keeps the joined lines only.
    joinedOutline = new PictureBox(this);
    joinedOutline->setObjectName(QStringLiteral("joinedOutline"));
    joinedOutline->Move(CanvasLeft, CanvasTop, ButtonSide, ButtonSide);
    joinedOutline->AutoRedraw = true;
    joinedOutline->hide();

    const QString arrows[2] = {pictures::forward, pictures::back};
    using Press = void (PlayerWindow::*)();
    const Press presses[3] = {&PlayerWindow::goForward, &PlayerWindow::goBack,
                              &PlayerWindow::showNumbers};
    for (int i = 0; i < 3; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, i < 2 ? ArrowButtonWidth : ButtonSide, ButtonSide);
        button->setObjectName(QStringLiteral("navigationButtons%1").arg(i));
        button->setPicture(i < 2 ? arrows[i] : pictures::numbers);
        button->onClick = [this, press = presses[i]] { (this->*press)(); };
        navigationButtons.Load(button);
    }

    themeList = new toolkit::ComboBox(this);
    themeList->setObjectName(QStringLiteral("themeList"));
    themeList->Move(0, 0, ComboWidth, ButtonSide);
    themeList->setFontPoints(QStringLiteral("Arial"), ComboFontPoints);
    themeList->onClick = [this] { chooseTheme(); };
    themeList->onDropDown = [this] { openThemeList(); };

    for (int i = 0; i < 8; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, ButtonSide, ButtonSide);
        button->setObjectName(QStringLiteral("toolButtons%1").arg(i));
        button->setPicture(pictures::tools[i]);
        button->setEnabled(false);
        button->onClick = [this, i] { chooseTool(Tool(i)); };
        toolButtons.Load(button);
    }

    exitButton = new CommandButton(this);
    exitButton->setObjectName(QStringLiteral("exitButton"));
    exitButton->Move(0, 0, ButtonSide, ButtonSide);
    exitButton->setPicture(pictures::exit);
    exitButton->onClick = [this] { askToLeave(); };

    for (int i = 0; i < 10; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, ButtonSide, ButtonSide);
        button->setObjectName(QStringLiteral("widthButtons%1").arg(i));
        button->setPicture(widthDot(i));
        button->onClick = [this, i] { chooseWidth(i + 1); };
        widthButtons.Load(button);
    }
    createKeyboardControls();
}

void PlayerWindow::Show()
{
    if (!loaded_) {
        loaded_ = true;
        startUp();
    }
    showFullScreen();
}

void PlayerWindow::startUp()
{
    loaded_ = true;
    const QString themes = shippedData(QStringLiteral("actividades"));
    skipOnFailure([&] { showThemes(listThemes()); });
    skipOnFailure([&] { themeList->setListIndex(themeList->ListCount() > 0 ? 0 : -1); });
    // Without themes, the theme folder is the activities folder itself.
    skipOnFailure([&] {
        places_.show(places_.shown(), themeFolders_.isEmpty() ? themes : themeFolders_.first());
    });
    skipOnFailure([&] {
        canvas->FillColor = toolkit::vbGreen;
        canvas->ForeColor = toolkit::vbGreen;
        joinedOutline->ForeColor = toolkit::vbGreen;
    });
    currentTool = Tool::None;
    voiceLanguage =
        toolkit::languages().contains(lab.language) ? lab.language : toolkit::languageInUse();
    skipOnFailure([&] { readLanguageFile(); });
    skipOnFailure([&] { canvas->setBackColor(toolkit::vbWhite); });
    skipOnFailure([&] {
        for (auto& button : navigationButtons)
            button.setBackColor(toolkit::vbWhite);
        for (auto& button : toolButtons)
            button.setBackColor(toolkit::vbWhite);
        for (auto& button : widthButtons)
            button.setBackColor(toolkit::vbWhite);
        exitButton->setBackColor(toolkit::vbWhite);
    });
    skipOnFailure([&] { restoreProgress(); });
    if (!lab.progressFolder.isEmpty())
        record_ = std::make_unique<toolkit::ChildRecordWriter>(
            lab.progressFolder, QSysInfo::machineHostName(), platform_.now());
    // A theme's first choice opens activity 1, unless the child was further on.
    int& shown = places_.shownActivity();
    if (shown == 0)
        shown = 1;
    skipOnFailure([&] { layoutWindow(); });
    askWhoPlays();
}

namespace {

// The shipped language file, for the translators.
[[maybe_unused]] const char* const ShippedTexts[] = {
    QT_TRANSLATE_NOOP("idioma", "Rellenar con color"),
    QT_TRANSLATE_NOOP("idioma", "Dibujar líneas rectas"),
    QT_TRANSLATE_NOOP("idioma", "Dibujar a mano alzada"),
    QT_TRANSLATE_NOOP("idioma", "Deshacer"),
    QT_TRANSLATE_NOOP("idioma", "Ver dibujos anteriores"),
    QT_TRANSLATE_NOOP("idioma", "Copiar el dibujo"),
    QT_TRANSLATE_NOOP("idioma", "Guardar el dibujo"),
    QT_TRANSLATE_NOOP("idioma", "Abrir la carpeta de dibujos"),
    QT_TRANSLATE_NOOP("idioma", "Ver los números"),
    QT_TRANSLATE_NOOP("idioma", "Salir"),
    QT_TRANSLATE_NOOP("idioma", "¿Quieres salir del programa?"),
};

} // namespace

void PlayerWindow::readLanguageFile()
{
    const auto lines = toolkit::readTextLines(shippedData(QStringLiteral("idioma/idioma.txt")),
                                              MaxLanguageBytes, MaxLanguageLine);
    if (!lines)
        return;
    const QStringList fields =
        toolkit::readDelimitedFields(lines->join(QLatin1Char('\n')), LanguageEntries);
    // The shipped texts are translated into the language chosen; a text a
    // school wrote into the file has no translation and stays as written.
    for (int i = 0; i < LanguageEntries && i < fields.size(); ++i)
        uiText[static_cast<size_t>(i)] =
            QCoreApplication::translate("idioma", fields[i].toUtf8().constData());
    for (int i = 0; i < 8; ++i)
        toolButtons(Tool(i)).setToolTipText(uiText[static_cast<size_t>(i)]);
    navigationButtons(Navigation::Numbers).setToolTipText(uiText[8]);
    exitButton->setToolTipText(uiText[9]);
}

void PlayerWindow::layoutWindow()
{
    if (lab.reach.whiteboard) {
        layoutForWhiteboard();
        return;
    }
    const int W = platform_.screenWidthTwips();
    const int H = platform_.screenHeightTwips();

    auto& forward = navigationButtons(Navigation::Forward);
    auto& back = navigationButtons(Navigation::Back);
    auto& numbers = navigationButtons(Navigation::Numbers);
    const auto rightOf = [](const toolkit::CommandButton& button) {
        return button.Left() + button.Width();
    };

    canvas->setWidth(W - widthButtons(0).Width() - 100 - paletteStrip->Left() -
                     paletteStrip->Width());
    canvas->setHeight(H - forward.Height() - 200);
    joinedOutline->Move(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height());

    // The bottom row: forward, back, the theme list, numbers, the tools, exit.
    const int rowTop = canvas->Top() + canvas->Height() + 50;
    for (auto& button : navigationButtons)
        button.setTop(rowTop);
    forward.setLeft(canvas->Left() + 25);
    back.setLeft(rightOf(forward));
    paletteStrip->setHeight(canvas->Height() + 50 + forward.Height());
    themeList->setTop(rowTop);
    themeList->setLeft(rightOf(back) + 50);
    numbers.setLeft(themeList->Left() + themeList->Width() + 25);

    int left = rightOf(numbers) + 175;
    for (auto& button : toolButtons) {
        button.setTop(rowTop);
        button.setLeft(left);
        left = rightOf(button);
    }
    exitButton->setTop(rowTop);
    exitButton->setLeft(left + 25);

    widthButtons(0).setTop(canvas->Top());
    widthButtons(0).setLeft(canvas->Left() + canvas->Width() + 25);
    for (int i = 1; i < 10; ++i) {
        widthButtons(i).setTop(widthButtons(i - 1).Top() + widthButtons(i - 1).Height());
        widthButtons(i).setLeft(widthButtons(0).Left());
    }
}

QString PlayerWindow::appFolder() const
{
    return platform_.appFolder();
}

QString PlayerWindow::shippedData(const QString& relative) const
{
    return toolkit::findData(appFolder(), relative);
}

void PlayerWindow::playSound(const QString& name)
{
    platform_.playSound(soundPath(name));
}

QString PlayerWindow::soundPath(const QString& name) const
{
    return shippedData(QStringLiteral("sonidos/") + name);
}

QString PlayerWindow::voiceOf(const QString& label) const
{
    QString voices = QStringLiteral("sonidos/voz");
    if (voiceLanguage != QLatin1String("es"))
        voices += QLatin1Char('/') + voiceLanguage;
    // Label by label, not folder by folder: a school's recording of one label
    // in /usr/local/share must not silence the package's voices of the rest.
    for (const QString& data : toolkit::dataFolders(appFolder()))
        if (QString voice = voiceFile(QDir(data).filePath(voices), label); !voice.isEmpty())
            return voice;
    return {};
}

void PlayerWindow::playInTurn(QStringList paths)
{
    paths.removeAll(QString());
    platform_.playSounds(paths);
}

void PlayerWindow::clearCanvas()
{
    canvas->setBackColor(toolkit::vbWhite);
}

} // namespace player
