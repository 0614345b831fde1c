// Peak resident memory of the player at 1920 x 1080 while a child finishes
// 30 one-dot activities in a row, each with a full-HD drawing under its dot
// (the last one a small drawing that says it was drawn on a 100 x 100
// screen), colouring each with a fill, then steps back through the earlier drawings
// and undoes. The shipped library lies beside the program as it does once
// installed, so its themes are listed at start and whenever the list opens.
// Prints the figures in megabytes and fails when the peak passes the limit
// given as the first argument, or when the shipped library is not there to
// be measured with.
//
// It runs in a process of its own: the peak is the whole process's.

#include "../findcontrol.h"
#include "activitypicture.h"
#include "fakeplatform.h"
#include "largeblocks.h"
#include "playerwindow.h"
#include "program.h"
#include "titlewindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using Tool = player::PlayerWindow::Tool;

// VmHWM (the peak) or VmRSS (now) from /proc/self/status, in megabytes.
double residentMegabytes(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(std::string(key).size() + 1)) / 1024.0;
    }
    return -1;
}

// Copies the runtime data the build lays beside the programs (the shipped
// themes, the language file, the sounds); the number of themes copied.
int copyShippedData(const QString& to)
{
    int themes = 0;
    QDirIterator files(QStringLiteral(LUNIPO_APP_DIR), {QStringLiteral("*")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString relative = QDir(QStringLiteral(LUNIPO_APP_DIR)).relativeFilePath(from);
        if (!relative.startsWith(QLatin1String("actividades/")) &&
            !relative.startsWith(QLatin1String("idioma/")) &&
            !relative.startsWith(QLatin1String("sonidos/")))
            continue;
        QDir().mkpath(QFileInfo(to + QLatin1Char('/') + relative).path());
        QFile::copy(from, to + QLatin1Char('/') + relative);
        themes += relative.endsWith(QLatin1String("/tema.ini"));
    }
    return themes;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

} // namespace

int main(int argc, char** argv)
{
    toolkit::giveLargeBlocksBack(); // as the player's main() does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player keeps a child's progress in the user's data folder: not the real user's.
    QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    QApplication app(argc, argv);
    const double limit = argc > 1 ? std::atof(argv[1]) : 100;

    QTemporaryDir appDir;
    const int shippedThemes = copyShippedData(appDir.path());
    if (shippedThemes == 0) {
        std::fprintf(stderr, "no shipped themes in %s\n", LUNIPO_APP_DIR);
        return 1;
    }
    for (int n = 1; n <= 30; ++n) {
        // One dot each, at a different place, so the drawings differ.
        const QByteArray dot = QByteArray::number(n) + "," + QByteArray::number(300 * n) + "," +
                               QByteArray::number(200 * n) + ",0,0,0,\r\n";
        writeFile(appDir.filePath("actividades/tema/" + QString::number(n) + ".txt"),
                  " 10790 \r\n 8185 \r\nSI\r\n 250 \r\n 12 \r\n" + dot);
        QImage drawing(1920, 1080, QImage::Format_RGB32);
        drawing.fill(Qt::white);
        QPainter painter(&drawing);
        painter.setPen(QPen(Qt::black, 4));
        for (int k = 0; k < 20; ++k)
            painter.drawEllipse(QPoint(960 + 20 * n, 540), 40 * k + n, 20 * k + n);
        painter.end();
        const bool tiny = n == 30; // scaled as its dots are, it would be 15360 x 15120
        writeFile(appDir.filePath("actividades/tema/" + QString::number(n) + ".png"),
                  toolkit::activityPictureBytes(tiny ? drawing.copy(0, 0, 800, 1400) : drawing,
                                                tiny ? QSize(100, 100) : QSize(1920, 1080)));
    }

    toolkit::FakePlatform platform;
    platform.applicationFolder = appDir.path();
    platform.screenWidthPx = 1920;
    platform.screenHeightPx = 1080;

    player::TitleWindow start(platform);
    start.startUp();
    start.openPlayer();
    player::PlayerWindow& form = *player::mainWindow;
    auto* themeList = findControl<toolkit::ComboBox>(form, "themeList");
    form.showNormal();
    form.resize(1920, 1080);
    QApplication::processEvents();
    const double afterStart = residentMegabytes("VmRSS");

    // A colour from the palette and the fill tool.
    form.pressOnPalette(1, 0, 10 * 15, 40 * 15);
    form.chooseTool(Tool::Fill);
    form.openThemeList(); // the child opens the list and chooses the theme
    for (int i = 0; i < themeList->ListCount(); ++i)
        if (themeList->List(i) == QLatin1String("tema"))
            themeList->setListIndex(i);
    form.chooseTheme();
    for (int n = 0; n < 30; ++n) {
        const float x = float(form.game().dot(0).x), y = float(form.game().dot(0).y);
        form.pressOnCanvas(1, 0, x, y); // completes the figure and fills
        form.releaseOnCanvas(1, 0, x, y);
        for (int i = 0; i < 3; ++i) { // more fills, more undo snapshots
            form.pressOnCanvas(1, 0, 15 * 10, 15 * (10 + i));
            form.moveOnCanvas(0, 0, 15 * 20, 15 * 20);
        }
        QApplication::processEvents();
        form.goForward(); // forward: the drawing goes to the gallery
        QApplication::processEvents();
    }
    for (int n = 0; n < 30; ++n) {
        form.chooseTool(Tool::EarlierDrawings); // the earlier drawings
        QApplication::processEvents();
    }
    for (int n = 0; n < 8; ++n) {
        form.chooseTool(Tool::Undo); // undo
        QApplication::processEvents();
    }

    const double peak = residentMegabytes("VmHWM");
    std::printf("%d themes listed; resident after start-up: %.1f MB, peak: %.1f MB (limit %.0f "
                "MB)\n",
                themeList->ListCount(), afterStart, peak, limit);
    delete player::mainWindow;
    return peak <= limit ? 0 : 1;
}
