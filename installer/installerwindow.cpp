#include "installerwindow.h"

#include "datafolders.h"
#include "textfiles.h"
#include "twips.h"

#include <QFile>

namespace installer {

QString InstallerWindow::title()
{
    return tr("REGISTRAR ARCHIVOS - Lunipo");
}

namespace {

// The window's size and its controls' places, in twips.
constexpr int FormWidth = 6300;
constexpr int FormHeight = 3750;
constexpr int Margin = 300;
constexpr int ControlWidth = FormWidth - 2 * Margin;
constexpr int CreditTop = 2700;
constexpr int CreditHeight = 255;

const char* const Credits[] = {
    QT_TRANSLATE_NOOP("installer::InstallerWindow", "Lunipo: unir los puntos"),
    QT_TRANSLATE_NOOP("installer::InstallerWindow", "Instalador de componentes"),
    QT_TRANSLATE_NOOP("installer::InstallerWindow", "Hecho por el equipo de Lunipo"),
};

// The path of a library delivered with the installer, found ignoring case:
// beside it, else in the data folders where a package puts it; empty when
// none holds it.
QString deliveredFile(const QString& appFolder, const QString& name)
{
    for (const QString& folder : toolkit::dataFolders(appFolder)) {
        const QString found = toolkit::findFileIgnoringCase(folder, name);
        if (!found.isEmpty())
            return folder + QLatin1Char('/') + found;
    }
    return QString();
}

} // namespace

InstallerWindow::InstallerWindow(toolkit::Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform)
{
    setWindowTitle(title());
    setFixedSize(toolkit::twipsToPixels(FormWidth), toolkit::twipsToPixels(FormHeight));
    createControls();
}

void InstallerWindow::createControls()
{
    // Each control is named as its member, for tests to find it.
    systemsLabel = new toolkit::Label(this);
    systemsLabel->setObjectName(QStringLiteral("systemsLabel"));
    systemsLabel->Move(Margin, 240, ControlWidth, 300);

    destinationLabel = new toolkit::Label(this);
    destinationLabel->setObjectName(QStringLiteral("destinationLabel"));
    destinationLabel->Move(Margin, 600, ControlWidth, 525);

    fileList = new toolkit::ListBox(this);
    fileList->setObjectName(QStringLiteral("fileList"));
    fileList->Move(Margin, 1200, ControlWidth, 660);

    installButton = new toolkit::CommandButton(this);
    installButton->setObjectName(QStringLiteral("installButton"));
    installButton->setCaption(tr("Copiar archivos y registrar componentes"));
    installButton->Move(Margin, 1980, ControlWidth, 495);
    installButton->onClick = [this] { install(); };

    for (int i = 0; i < 3; ++i) {
        auto* credit = new toolkit::Label(this);
        credit->setObjectName(QStringLiteral("creditLines%1").arg(i));
        credit->setCaption(tr(Credits[i]));
        credit->setAlignment(Qt::AlignCenter);
        credit->Move(Margin, CreditTop + i * CreditHeight, ControlWidth, CreditHeight);
        creditLines.Load(credit);
    }
}

void InstallerWindow::Show()
{
    if (!loaded_) {
        loaded_ = true;
        startUp();
    }
    show();
}

void InstallerWindow::startUp()
{
    systemsLabel->setCaption(tr("Para windows XP y para windows VISTA "));
    fillFileList();
    systemFolder = platform_.systemFolder();
    destinationLabel->setCaption(
        tr("Estos archivos se han de copiar en la carpeta 'system32' de windows."));
}

void InstallerWindow::fillFileList()
{
    fileList->AddItem(QStringLiteral("GIF89.DLL"));
    fileList->AddItem(QStringLiteral("MSVBVM50.DLL"));
}

void InstallerWindow::install()
{
    for (int i = 0; i <= 1; ++i)
        installFile(fileList->List(i));
    platform_.endProgram();
}

void InstallerWindow::installFile(const QString& name)
{
    // The system's file test ignores case, so "gif89.dll" counts as GIF89.DLL
    // in either folder. Only a plain file counts as installed: a folder of
    // that name is in the way of the copy, and is reported as such by the
    // failed copy below.
    const QString installed = toolkit::findFileIgnoringCase(systemFolder, name);
    const QString delivered = deliveredFile(platform_.appFolder(), name);
    if (!installed.isEmpty())
        tell(tr("el archivo %1 ya se encontraba en SYSTEM").arg(name));
    else if (!delivered.isEmpty())
        copyAndRegister(delivered, systemFolder + QLatin1Char('/') + name, name);
    else
        tell(tr("el archivo %1 No lo encuentro").arg(name));
}

void InstallerWindow::copyAndRegister(const QString& source, const QString& target,
                                      const QString& name)
{
    // Registering a library that never arrived would only hide the failure.
    if (!QFile::copy(source, target)) {
        tell(tr("No se pudo copiar el archivo %1 en SYSTEM").arg(name));
        return;
    }
    // The tool reports its own outcome to the user; nothing here waits for it.
    platform_.startProgram(QStringLiteral("REGSVR32.EXE"), {name});
}

void InstallerWindow::tell(const QString& text)
{
    platform_.messageBox(text, toolkit::vbOKOnly);
}

} // namespace installer
