// The editor's window driven by any sequence of what an adult can do: choose
// tools and settings, click, drag and right-click on the canvas, press its
// keys, turn pages and grids, start the dot list again, close figures, move
// dots, place them along the page's figures by themselves, open an activity
// (whose bytes come from the input too) and use the library on a theme of a
// scratch folder, where anyone who can write in a shared folder plants
// FIFOs and links: a theme linked to a folder elsewhere, whose files must
// never change. Each input starts a new window on fresh folders, so a
// finding replays from its file alone.

#include "activitylistmodel.h"
#include "editorwindow.h"
#include "fakeplatform.h"
#include "fuzzsupport.h"
#include "librarywindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <sys/stat.h>

namespace {

// The input read front to back, a byte for each choice: a mutation that
// inserts, removes or changes one byte inserts, removes or changes one
// action of the sequence.
class Script
{
public:
    Script(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    // first .. last, from one byte (two for wider ranges); first once read out.
    int pick(int first, int last)
    {
        const int span = last - first + 1;
        int value = next();
        if (span > 256)
            value = value * 256 + next();
        return first + value % span;
    }
    std::string text(size_t longest)
    {
        const size_t length = std::min<size_t>(next() % (longest + 1), size_ - at_);
        std::string read(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return read;
    }

private:
    int next() { return at_ < size_ ? data_[at_++] : 0; }
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A small screen keeps each new window cheap.
constexpr int ScreenWidth = 320;
constexpr int ScreenHeight = 240;
constexpr int MaxSteps = 200;
// Tracing a page takes tens of milliseconds under the sanitizers: a few per
// input keep each run far from the time limit.
constexpr int MaxTraces = 5;
int tracesLeft = 0;

// The tools and commands of the main palette worth a press: "Abrir" and
// "Guardar como" are left out (their dialogs answer nothing here), and so is
// "Salir".
constexpr int Commands[] = {2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 14, 16, 17, 18, 19};

struct Scratch
{
    QTemporaryDir root;
    QString app() const { return root.filePath(QStringLiteral("app")); }
    QString theme() const { return app() + QStringLiteral("/actividades/formas"); }
    QString elsewhere() const { return root.filePath(QStringLiteral("fuera")); }

    // A program folder with one theme of three activities, and nothing else.
    void reset() const
    {
        QDir(app()).removeRecursively();
        QDir(root.filePath(QStringLiteral("data"))).removeRecursively();
        QDir(elsewhere()).removeRecursively();
        QDir().mkpath(elsewhere());
        fuzz::writeFile(elsewhere() + QStringLiteral("/1.txt"),
                        reinterpret_cast<const uint8_t*>("fuera"), 5);
        const QString theme = app() + QStringLiteral("/actividades/formas/");
        QDir().mkpath(theme);
        QDir().mkpath(app() + QStringLiteral("/sonidos"));
        for (int n = 1; n <= 3; ++n) {
            const QByteArray dot = QByteArray::number(n * 1000);
            const QByteArray body = "1\r\n\"Arial\",12,150,\r\n1," + dot + ",900,0,0,0,\r\n2,900," +
                                    dot + ",0,0,0,\r\n3,3000,3000,0,0,0,\r\n";
            const QString path = theme + QString::number(n) + QStringLiteral(".txt");
            fuzz::writeFile(path, reinterpret_cast<const uint8_t*>(body.constData()),
                            size_t(body.size()));
        }
    }
};

Scratch& scratch()
{
    static Scratch folders;
    return folders;
}

// What someone else who can write in the shared theme leaves there.
void plant(Script& input)
{
    const QString theme = scratch().theme();
    const QString names[] = {QStringLiteral("/.lunipo-cambiando.lock"),
                             QStringLiteral("/.renumerando"),
                             QStringLiteral("/tema.ini"),
                             QStringLiteral("/1.png"),
                             QStringLiteral("/2.txt"),
                             QStringLiteral("/.renumerando/plan"),
                             QStringLiteral("/.renumerando/1.txt")};
    const QString path = theme + names[input.pick(0, int(std::size(names)) - 1)];
    if (QFileInfo(QFileInfo(path).path()).isSymLink())
        return; // planted through a link, it would land in the folder elsewhere
    switch (input.pick(0, 3)) {
    case 0:
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
        break;
    case 1:
        QFile::link(scratch().elsewhere() + QStringLiteral("/1.txt"), path);
        break;
    case 2:
        QFile::link(scratch().elsewhere(), path);
        break;
    default: // a theme that is a link to a folder elsewhere
        QFile::link(scratch().elsewhere(), scratch().app() + QStringLiteral("/actividades/enlace"));
        break;
    }
}

// Whether the folder elsewhere is as it was.
bool elsewhereKept()
{
    QFile file(scratch().elsewhere() + QStringLiteral("/1.txt"));
    return QDir(scratch().elsewhere())
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) ==
               QStringList{QStringLiteral("1.txt")} &&
           file.open(QIODevice::ReadOnly) && file.readAll() == "fuera";
}

// What a teacher does in the library before closing it.
int useLibrary(editor::LibraryWindow& library, Script& input)
{
    const int steps = input.pick(0, 6);
    for (int step = 0; step < steps && input.more(); ++step) {
        switch (input.pick(0, 11)) {
        case 0: {
            auto* themes = library.findChild<QListWidget*>(QStringLiteral("themeList"));
            themes->setCurrentRow(input.pick(0, themes->count()));
            break;
        }
        case 1:
            library.chooseActivity(input.pick(0, 5));
            break;
        case 2:
            library.findChild<QLineEdit*>(QStringLiteral("newThemeName"))
                ->setText(QString::fromStdString(input.text(12)));
            library.saveHere();
            break;
        case 3:
            library.saveHere();
            break;
        case 4:
            library.replaceChosen();
            break;
        case 5:
            library.openChosen();
            return 0; // "Abrir" closes the library
        case 6:
            library.moveEarlier();
            break;
        case 7:
            library.moveLater();
            break;
        case 8:
            library.removeChosen();
            break;
        case 9:
            library.renameChosenTheme(QString::fromStdString(input.text(12)));
            break;
        case 10:
            plant(input);
            break;
        default:
            library.removeChosenTheme();
            break;
        }
    }
    return 0;
}

// A point of the canvas, in twips: on a coarse grid, so that presses find the
// dots placed before, or anywhere.
QPointF point(Script& input)
{
    if (input.pick(0, 1) == 0)
        return {input.pick(-1, ScreenWidth / 10) * 150.0,
                input.pick(-1, ScreenHeight / 10) * 150.0};
    return {double(input.pick(-1000, ScreenWidth * 20)),
            double(input.pick(-1000, ScreenHeight * 20))};
}

// A control of the window, by the name it was given.
template <class T> T* control(const editor::EditorWindow& form, const char* name)
{
    return dynamic_cast<T*>(form.findChild<QWidget*>(QLatin1String(name)));
}

void press(editor::EditorWindow& form, Script& input, bool right)
{
    QPointF at = point(input);
    const editor::DotList& dots = form.dotList();
    if (!dots.empty() && input.pick(0, 1) == 0) // right on a dot
        at = dots[size_t(input.pick(0, int(dots.size()) - 1))].at;
    const auto x = float(at.x()), y = float(at.y());
    const int button = right ? toolkit::vbRightButton : toolkit::vbLeftButton;
    form.moveOnCanvas(0, 0, x, y);
    form.pressOnCanvas(button, 0, x, y);
}

void drag(editor::EditorWindow& form, Script& input, bool release)
{
    const QPointF at = point(input);
    const auto x = float(at.x()), y = float(at.y());
    form.moveOnCanvas(toolkit::vbLeftButton, 0, x, y);
    if (release)
        form.releaseOnCanvas(toolkit::vbLeftButton, 0, x, y);
}

void step(editor::EditorWindow& form, Script& input, toolkit::FakePlatform& platform)
{
    switch (input.pick(0, 20)) {
    case 0:
    case 1:
        form.chooseTool(
            editor::EditorWindow::Tool(Commands[input.pick(0, int(std::size(Commands)) - 1)]));
        break;
    case 2:
        press(form, input, false);
        break;
    case 3:
        press(form, input, true);
        break;
    case 4:
    case 5:
        drag(form, input, false);
        break;
    case 6:
        drag(form, input, true);
        break;
    case 7:
        form.chooseTool(editor::EditorWindow::Tool::Undo); // Ctrl+Z
        break;
    case 8:
        form.deleteKey(); // Supr
        break;
    case 9:
        form.choosePage(input.pick(0, editor::EditorWindow::Pages - 1));
        break;
    case 10:
        form.chooseGrid((input.pick(0, 7) + 1) * 50);
        break;
    case 11:
        switch (const int button = input.pick(0, 4)) {
        case 3:
            form.clearDotList();
            break;
        case 4:
            form.switchDotCircles();
            break;
        default:
            form.chooseDotSize(editor::EditorWindow::DotButton(button));
        }
        break;
    case 12:
        form.pressCloseFigure(); // "CIERRA"
        break;
    case 13:
        form.switchMoving();
        break;
    case 14:
        form.chooseSymmetry(editor::EditorWindow::Symmetry(input.pick(0, 3)));
        break;
    case 15: {
        const int index = input.pick(0, 14);
        // The step between numbers.
        control<toolkit::ComboBox>(form, "numberStep")->setListIndex(index);
        break;
    }
    case 16: {
        // An activity of the input's own bytes.
        const std::string body = input.text(400);
        const QString path = scratch().root.filePath(QStringLiteral("abierta.txt"));
        fuzz::writeFile(path, reinterpret_cast<const uint8_t*>(body.data()), body.size());
        form.openActivity(path);
        break;
    }
    case 17:
        form.openActivity(scratch().app() + QStringLiteral("/actividades/formas/2.txt"));
        break;
    case 18:
        platform.dialogScript = [&input](QDialog& dialog) {
            return useLibrary(static_cast<editor::LibraryWindow&>(dialog), input);
        };
        form.saveInTheme();
        break;
    case 19:
        plant(input);
        break;
    case 20: // "Puntos automáticos" on whatever the page holds, a few times
        control<QSpinBox>(form, "autoDotsCount")->setValue(input.pick(3, 150));
        if (tracesLeft-- > 0)
            form.placeDotsAutomatically();
        break;
    default:
        form.choosePolygonMode(input.pick(0, 2));
        form.chooseCircleKind(input.pick(0, 5));
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    scratch().reset();
    toolkit::FakePlatform platform;
    platform.screenWidthPx = ScreenWidth;
    platform.screenHeightPx = ScreenHeight;
    platform.applicationFolder = scratch().app();
    editor::EditorWindow form(platform);
    form.startUp();
    Script input(data, size);
    tracesLeft = MaxTraces;
    for (int n = 0; n < MaxSteps && input.more(); ++n)
        step(form, input, platform);
    const int listed = control<toolkit::ComboBox>(form, "dotListBox")->ListCount();
    if (listed != int(form.dotList().size()) || listed > editor::EditorWindow::MaxDotEntries + 1 ||
        !elsewhereKept())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    // Themes, lab settings, the working state and the trash all inside the run.
    const QString root = scratch().root.path();
    qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (root + QStringLiteral("/none")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/none")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (root + QStringLiteral("/none")).toLocal8Bit());
    return 0;
}
