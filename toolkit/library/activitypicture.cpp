#include "activitypicture.h"

#include "activityfiles.h"
#include "newfile.h"
#include "picturefiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace toolkit {

namespace {

const QString ScreenKey = QStringLiteral("Pantalla");
constexpr qint64 MaxPictureBytes = 32 << 20;
// Qt's own limit, which held before the size was checked here.
constexpr int MaxDecodedMegabytes = 256;
// A picture that does not say its screen was made for the 800 x 600 screen
// the dot positions are kept for.
constexpr QSize FileScreen{800, 600};

QSize screenOf(const QImageReader& reader)
{
    const QStringList sides = reader.text(ScreenKey).split(QLatin1Char('x'));
    if (sides.size() != 2)
        return FileScreen;
    const QSize screen(sides[0].toInt(), sides[1].toInt());
    return screen.width() >= 100 && screen.height() >= 100 && screen.width() <= MaxPictureSide &&
                   screen.height() <= MaxPictureSide
               ? screen
               : FileScreen;
}

} // namespace

QString activityPicturePath(const QString& activityPath)
{
    const qsizetype dot = activityPath.lastIndexOf(QLatin1Char('.'));
    const bool suffixed = dot > activityPath.lastIndexOf(QLatin1Char('/')) + 1;
    return (suffixed ? activityPath.left(dot) : activityPath) + QStringLiteral(".png");
}

QByteArray activityPictureBytes(const QImage& drawing, QSize screen)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setText(ScreenKey, QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()));
    // A line drawing in black and greys keeps a third of the bytes as grey;
    // a shared folder holds hundreds.
    const QImage::Format format =
        drawing.allGray() ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
    if (!writer.write(drawing.convertToFormat(format)))
        return {};
    return bytes;
}

ActivityPicture readActivityPicture(const QString& activityPath, QSize screen)
{
    const QString path = activityPicturePath(activityPath);
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return {};
    // Scaled as the dots are, by the player's screen over the editor's. What
    // lay beyond the editor's screen was never seen there, and would fall
    // beyond this one: it is neither kept nor scaled, so a small file that
    // claims a tiny screen costs no more than the screen it is shown on.
    const auto fitToScreen = [screen](QImageReader& reader, QSize declared) {
        const QSize drawnOn = screenOf(reader);
        const QSize seen = declared.boundedTo(drawnOn);
        const QSize size = QSize(qRound(double(seen.width()) * screen.width() / drawnOn.width()),
                                 qRound(double(seen.height()) * screen.height() / drawnOn.height()))
                               .boundedTo(screen);
        if (size.isEmpty())
            return false;
        if (seen != declared)
            reader.setClipRect(QRect(QPoint(), seen));
        reader.setScaledSize(size);
        return true;
    };
    // A shared theme's folder is open to others: the picture is read as the
    // PNG its name says, whatever its bytes are.
    const Bitmap read = readBitmapFile(path, {MaxPictureBytes, MaxDecodedMegabytes}, fitToScreen);
    switch (read.problem) {
    case Bitmap::Problem::None:
        return {read.image.convertToFormat(QImage::Format_RGB32), {}};
    case Bitmap::Problem::NotAFile:
    case Bitmap::Problem::Unreadable:
        return {{}, ActivityPicture::tr("no es un archivo normal")};
    case Bitmap::Problem::TooLarge:
        return {{}, ActivityPicture::tr("es demasiado grande")};
    case Bitmap::Problem::NotAPicture:
        break;
    }
    return {{}, ActivityPicture::tr("está dañado")};
}

bool putActivityPicture(const QString& activityPath, const QByteArray& png)
{
    const QString path = activityPicturePath(activityPath);
    if (png.isEmpty()) {
        if (isPlainFile(path))
            QFile::remove(path);
        return true;
    }
    return writeFile(path, png);
}

} // namespace toolkit
