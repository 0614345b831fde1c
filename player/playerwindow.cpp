#include "playerwindow.h"

#include "buttonpictures.h"
#include "colour.h"
#include "datafolders.h"
#include "hintring.h"
#include "palettestrip.h"
#include "progressstore.h"
#include "skiponfailure.h"
#include "textfiles.h"
#include "themelibrary.h"
#include "voicefile.h"

#include <QDir>

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
    Picture2 = new PictureBox(this);
    Picture2->Move(PaletteLeft, PaletteTop, PaletteWidthTwips, ButtonSide);
    Picture2->setBackColor(PaletteGrey);
    Picture2->setPicture(paletteStrip());
    Picture2->onMouseDown = [this](int b, int s, float x, float y) {
        picture2_MouseDown(b, s, x, y);
    };

    Picture1 = new PictureBox(this);
    Picture1->Move(CanvasLeft, CanvasTop, ButtonSide, ButtonSide);
    Picture1->onMouseDown = [this](int b, int s, float x, float y) {
        Picture1_MouseDown(b, s, x, y);
    };
    Picture1->onMouseMove = [this](int b, int s, float x, float y) {
        Picture1_MouseMove(b, s, x, y);
    };
    Picture1->onMouseUp = [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); };
    hintRing = new HintRing(Picture1);

    // The outline canvas is never shown; it keeps the joined lines only.
    Picture3 = new PictureBox(this);
    Picture3->Move(CanvasLeft, CanvasTop, ButtonSide, ButtonSide);
    Picture3->AutoRedraw = true;
    Picture3->hide();

    const QString arrows[2] = {pictures::forward, pictures::back};
    for (int i = 0; i < 3; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, i < 2 ? ArrowButtonWidth : ButtonSide, ButtonSide);
        button->setPicture(i < 2 ? arrows[i] : pictures::numbers);
        button->onClick = [this, i] { Command1_Click(i); };
        Command1.Load(button);
    }

    Combo1 = new toolkit::ComboBox(this);
    Combo1->Move(0, 0, ComboWidth, ButtonSide);
    Combo1->setFontPoints(QStringLiteral("Arial"), ComboFontPoints);
    Combo1->onClick = [this] { Combo1_Click(); };
    Combo1->onDropDown = [this] { Combo1_DropDown(); };

    for (int i = 0; i < 8; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, ButtonSide, ButtonSide);
        button->setPicture(pictures::tools[i]);
        button->setEnabled(false);
        button->onClick = [this, i] { Command4_Click(i); };
        Command4.Load(button);
    }

    Command2 = new CommandButton(this);
    Command2->Move(0, 0, ButtonSide, ButtonSide);
    Command2->setPicture(pictures::exit);
    Command2->onClick = [this] { Command2_Click(); };

    for (int i = 0; i < 10; ++i) {
        auto* button = new CommandButton(this);
        button->Move(0, 0, ButtonSide, ButtonSide);
        button->setPicture(widthDot(i));
        button->onClick = [this, i] { Command3_Click(i); };
        Command3.Load(button);
    }

    Image1.LoadNew();
    Image2.LoadNew();
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
    skipOnFailure([&] { Combo1->setListIndex(Combo1->ListCount() > 0 ? 0 : -1); });
    // Without themes, the theme folder is the activities folder itself.
    skipOnFailure([&] { themeFolder = themeFolders_.isEmpty() ? themes : themeFolders_.first(); });
    skipOnFailure([&] {
        Picture1->FillColor = toolkit::vbGreen;
        Picture1->ForeColor = toolkit::vbGreen;
        Picture3->ForeColor = toolkit::vbGreen;
    });
    skipOnFailure([&] {
        for (int i = 1; i <= 3; ++i)
            Image1.LoadNew();
        for (int i = 1; i <= 24; ++i)
            Image2.LoadNew();
    });
    currentTool = NoTool;
    voiceLanguage =
        toolkit::languages().contains(lab.language) ? lab.language : toolkit::languageInUse();
    skipOnFailure([&] { readLanguageFile(); });
    skipOnFailure([&] { Picture1->setBackColor(toolkit::vbWhite); });
    skipOnFailure([&] {
        for (int i = 0; i < 3; ++i)
            Command1(i).setBackColor(toolkit::vbWhite);
        for (int i = 0; i < 8; ++i)
            Command4(i).setBackColor(toolkit::vbWhite);
        for (int i = 0; i < 10; ++i)
            Command3(i).setBackColor(toolkit::vbWhite);
        Command2->setBackColor(toolkit::vbWhite);
    });
    skipOnFailure([&] { restoreProgress(); });
    // A theme's first choice opens activity 1, unless the child was further on.
    int& shown = activityNumber[static_cast<size_t>(themeIndex)];
    if (shown == 0)
        shown = 1;
    skipOnFailure([&] { layoutWindow(); });
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
        Command4(i).setToolTipText(uiText[static_cast<size_t>(i)]);
    Command1(2).setToolTipText(uiText[8]);
    Command2->setToolTipText(uiText[9]);
}

void PlayerWindow::layoutWindow()
{
    const int W = platform_.screenWidthTwips();
    const int H = platform_.screenHeightTwips();

    Picture1->setWidth(W - Command3(0).Width() - 100 - Picture2->Left() - Picture2->Width());
    Picture1->setHeight(H - Command1(0).Height() - 200);
    Picture3->Move(Picture1->Left(), Picture1->Top(), Picture1->Width(), Picture1->Height());

    const int rowTop = Picture1->Top() + Picture1->Height() + 50;
    for (int i = 0; i < 3; ++i)
        Command1(i).setTop(rowTop);
    Command1(0).setLeft(Picture1->Left() + 25);
    Command1(1).setLeft(Command1(0).Left() + Command1(0).Width());
    Picture2->setHeight(Picture1->Height() + 50 + Command1(0).Height());
    Combo1->setTop(Command1(0).Top());
    Combo1->setLeft(Command1(1).Left() + Command1(1).Width() + 50);
    Command1(2).setLeft(Combo1->Left() + Combo1->Width() + 25);

    Command4(0).setTop(Command1(0).Top());
    Command4(0).setLeft(Command1(2).Left() + Command1(2).Width() + 175);
    for (int i = 1; i < 8; ++i) {
        Command4(i).setTop(Command1(0).Top());
        Command4(i).setLeft(Command4(i - 1).Left() + Command4(i - 1).Width());
    }
    Command2->setTop(Command1(0).Top());
    Command2->setLeft(Command4(7).Left() + Command4(7).Width() + 25);

    Command3(0).setTop(Picture1->Top());
    Command3(0).setLeft(Picture1->Left() + Picture1->Width() + 25);
    for (int i = 1; i < 10; ++i) {
        Command3(i).setTop(Command3(i - 1).Top() + Command3(i - 1).Height());
        Command3(i).setLeft(Command3(0).Left());
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
    Picture1->setBackColor(toolkit::vbWhite);
}

} // namespace player
