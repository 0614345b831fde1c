#include "qtplatform.h"

#include "labsettings.h"
#include "soundplayer.h"
#include "twips.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <algorithm>

namespace toolkit {

namespace {

// The timer goes with deleteLater, as the handle may be dropped inside its
// own tick; the application owns it, so one dropped after the event loop has
// ended still goes with the application.
class QtTicker : public Platform::Ticker
{
public:
    QtTicker(int milliseconds, std::function<void()> tick)
        : timer_(new QTimer(QCoreApplication::instance()))
    {
        timer_->setInterval(std::max(1, milliseconds));
        QObject::connect(timer_, &QTimer::timeout, std::move(tick));
        timer_->start();
    }
    ~QtTicker() override
    {
        timer_->stop();
        timer_->disconnect();
        timer_->deleteLater();
    }

private:
    QTimer* timer_;
};

QSize screenPixels()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

} // namespace

QtPlatform::QtPlatform(const QString& title) : title_(title) {}

QtPlatform::~QtPlatform() = default;

// One player for the whole program, so that a new sound cuts off the last.
// It is made on the first sound, so programs that never play one never open
// the sound device. A lab that wants silence ("sonido=no") gets it here for
// both programs, beeps included.
void QtPlatform::playSounds(const QStringList& paths)
{
    if (!LabSettings::current().sound)
        return;
    if (!sound_)
        sound_ = std::make_unique<SoundPlayer>();
    if (!sound_->play(paths))
        QApplication::beep();
}

int QtPlatform::messageBox(const QString& text, int style)
{
    // The buttons speak the programs' language, whatever translations of
    // Qt the system has.
    QMessageBox box(QMessageBox::NoIcon, title_, text, QMessageBox::NoButton, dialogParent());
    // A message may name a file a child made: never read as markup.
    box.setTextFormat(Qt::PlainText);
    if ((style & ~vbDefaultYes) == vbYesNo) {
        QPushButton* yes = box.addButton(QtPlatform::tr("Sí"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QtPlatform::tr("No"), QMessageBox::NoRole);
        box.setDefaultButton(style & vbDefaultYes ? yes : no);
        box.exec();
        return box.clickedButton() == no || !box.clickedButton() ? vbNo : vbYes;
    }
    box.addButton(QtPlatform::tr("Aceptar"), QMessageBox::AcceptRole);
    box.exec();
    return vbOK;
}

QString QtPlatform::openFileName(const QString& title, const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileName(dialogParent(), title, folder, filter);
}

QString QtPlatform::saveFileName(const QString& title, const QString& filter, const QString& folder)
{
    return QFileDialog::getSaveFileName(dialogParent(), title, folder, filter);
}

int QtPlatform::execDialog(QDialog& dialog)
{
    return dialog.exec();
}

void QtPlatform::setClipboardImage(const QImage& image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QImage QtPlatform::clipboardImage()
{
    return QGuiApplication::clipboard()->image();
}

QString QtPlatform::clipboardFile()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    for (const QUrl& url : data ? data->urls() : QList<QUrl>())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool QtPlatform::openFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

std::unique_ptr<Platform::Ticker> QtPlatform::startTicker(int milliseconds,
                                                          std::function<void()> tick)
{
    return std::make_unique<QtTicker>(milliseconds, std::move(tick));
}

int QtPlatform::screenWidthTwips()
{
    return screenPixels().width() * TwipsPerPixel;
}

int QtPlatform::screenHeightTwips()
{
    return screenPixels().height() * TwipsPerPixel;
}

int QtPlatform::twipsPerPixelX()
{
    return TwipsPerPixel;
}

int QtPlatform::twipsPerPixelY()
{
    return TwipsPerPixel;
}

double QtPlatform::pixelsPerMillimetre()
{
    // A screen that reports no size (some projectors, a virtual display)
    // is taken as a common monitor's 96 pixels an inch.
    constexpr double MillimetresPerInch = 25.4;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->physicalDotsPerInch() : 0;
    return (dpi >= 10 && dpi <= 2000 ? dpi : 96) / MillimetresPerInch;
}

QString QtPlatform::appFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::systemFolder()
{
    QString folder = qEnvironmentVariable("LUNIPO_SYSTEM_DIR");
    if (folder.isEmpty()) {
        QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (data.isEmpty())
            data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                   QStringLiteral("/lunipo");
        folder = data + QStringLiteral("/system32");
    }
    QDir().mkpath(folder);
    return folder;
}

// exit() alone is lost when no event loop runs yet (a handler called during
// start-up), so the program is also told to quit once the loop starts, and
// its windows are closed so nothing stays on screen meanwhile.
void QtPlatform::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

bool QtPlatform::printPages(const QString& title,
                            const std::function<bool(QPagedPaintDevice&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(title);
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return paint(printer);
}

} // namespace toolkit
