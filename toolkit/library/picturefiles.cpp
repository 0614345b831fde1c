#include "picturefiles.h"

#include "newfile.h"
#include "textfiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace toolkit {

bool writeBitmap(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        return false;
    return file.commit();
}

QString writeNewBitmap(const QImage& image, const QString& folder, const QString& baseName)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB888);
    const QString written = createFirstFree(
        folder,
        [&](int n) {
            return n == 1 ? baseName + QStringLiteral(".bmp")
                          : QStringLiteral("%1-%2.bmp").arg(baseName).arg(n);
        },
        [&](QIODevice& file) { return QImageWriter(&file, "bmp").write(pixels); });
    // A child's drawing is for the teacher to see: readable by whoever may
    // enter its folder, whatever the child's umask. The folder keeps it from
    // the other children.
    if (!written.isEmpty())
        QFile::setPermissions(written, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::ReadOther);
    return written;
}

QImage readPicture(const QString& path)
{
    // Qt refuses pictures that would take more than its allocation limit
    // (256 MB), so a header claiming 20000 x 20000 pixels reads as null.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}

QByteArray bitmapFormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return QByteArrayLiteral("jpeg");
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("png"))
        return suffix.toLatin1();
    return {};
}

Bitmap decodeBitmap(const QByteArray& bytes, const QByteArray& format, const BitmapLimits& limits,
                    const BitmapPreparation& prepare)
{
    if (format.isEmpty())
        return {{}, Bitmap::Problem::NotAPicture};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // A reader that may guess falls back on another format, SVG among them,
    // when the one named turns the bytes down.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(limits.decodedMegabytes);
    const QSize declared = reader.size();
    if (!declared.isValid())
        return {{}, Bitmap::Problem::NotAPicture};
    if (declared.width() > MaxPictureSide || declared.height() > MaxPictureSide ||
        qint64(declared.width()) * declared.height() * 4 >
            qint64(limits.decodedMegabytes) * 1024 * 1024 ||
        (prepare && !prepare(reader, declared)))
        return {{}, Bitmap::Problem::TooLarge};
    QImage image = reader.read();
    if (image.isNull())
        return {{}, Bitmap::Problem::NotAPicture};
    return {std::move(image), Bitmap::Problem::None};
}

Bitmap readBitmapFile(const QString& path, const BitmapLimits& limits,
                      const BitmapPreparation& prepare)
{
    const QByteArray format = bitmapFormatOf(path);
    if (format.isEmpty())
        return {{}, Bitmap::Problem::NotAPicture};
    // Opened once, and only what was opened is read, whatever the name has
    // come to be since anyone looked at it.
    QFile file;
    if (!openRegularFile(file, path, Links::Refuse)) {
        const QFileInfo info(path); // only to tell why
        return {{},
                info.isSymLink() || !info.isFile() ? Bitmap::Problem::NotAFile
                                                   : Bitmap::Problem::Unreadable};
    }
    if (file.size() > limits.fileBytes)
        return {{}, Bitmap::Problem::TooLarge};
    const QByteArray bytes = file.read(limits.fileBytes + 1);
    if (bytes.size() > limits.fileBytes)
        return {{}, Bitmap::Problem::TooLarge};
    if (file.error() != QFileDevice::NoError)
        return {{}, Bitmap::Problem::Unreadable};
    return decodeBitmap(bytes, format, limits, prepare);
}

namespace {
constexpr double PageMargin = 0.05; // of the page, on each side
} // namespace

QImage fittedPicture(const QImage& picture, QSize page)
{
    QImage fitted(page, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    if (picture.isNull() || page.isEmpty())
        return fitted;
    // A margin all round: dots on the picture's outline never lie on the
    // page's edge, where their numbers would be cut.
    const QSize size = picture.size().scaled(page * (1 - 2 * PageMargin), Qt::KeepAspectRatio);
    QPainter painter(&fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRect(QPoint((page.width() - size.width()) / 2, (page.height() - size.height()) / 2), size),
        picture);
    return fitted;
}

QImage readFittedPicture(const QString& path, QSize page)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > MaxPictureSide ||
        declared.height() > MaxPictureSide)
        return {};
    // A drawing is drawn at the size it is shown, never blown up from a small one.
    if (reader.format() == "svg")
        reader.setScaledSize(declared.scaled(page * (1 - 2 * PageMargin), Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    return fittedPicture(picture, page);
}

} // namespace toolkit
